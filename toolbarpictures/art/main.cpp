// Draws every toolbar picture of the collection and writes it as a 4-bit
// bitmap, together with the resource list that embeds them in the library.
//
//   glyphbin-art OUTDIR

#include "artwork.h"
#include "dibwriter.h"
#include "glyphpicture.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QSaveFile>
#include <QSize>
#include <cstdio>

namespace {

struct Group
{
    qint32 first;
    int count;
    QSize half;
    QList<Drawing> (*pictures)();
};

const QSize large{24, 22};
const QSize small{20, 18};

const QList<Group> groups = {
    {8000, 12, large, editingPictures},  {8100, 30, large, tablePictures},
    {8200, 12, large, documentPictures}, {8300, 68, large, mailPictures},
    {8400, 18, large, moneyPictures},    {8500, 16, large, bookPictures},
    {8600, 20, large, drawingPictures},  {8700, 33, large, arrowPictures},
    {8800, 16, large, mediaPictures},    {8900, 43, large, forestPictures},
    {9000, 6, large, helpPictures},      {9100, 48, large, textPictures},
    {9200, 16, large, windowPictures},   {9300, 24, large, toolPictures},
    {9400, 5, large, statusPictures},    {9500, 26, small, letterPictures},
    {9530, 10, small, accentPictures},
};

bool writeFile(const QString &path, const QByteArray &content, bool evenIfUnchanged = false)
{
    QFile existing(path);
    if (!evenIfUnchanged && existing.open(QIODevice::ReadOnly) && existing.readAll() == content)
        return true; // unchanged: leave the time stamp alone
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.commit();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: glyphbin-art OUTDIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "glyphbin-art: cannot create folder %s\n", qPrintable(out.path()));
        return 1;
    }

    bool ok = true;
    QHash<QByteArray, qint32> seen;
    QByteArray resourceList = "<RCC>\n  <qresource prefix=\"/glyphbin\">\n";
    for (const Group &group : groups) {
        const QList<Drawing> drawings = group.pictures();
        if (drawings.size() != group.count) {
            std::fprintf(stderr, "glyphbin-art: group %d has %d pictures instead of %d\n", group.first,
                         int(drawings.size()), group.count);
            ok = false;
        }
        for (int i = 0; i < drawings.size(); ++i) {
            const qint32 id = group.first + i;
            QString fault;
            const QImage whole = glyphPicture(drawings[i], group.half, &fault);
            if (!fault.isEmpty()) {
                std::fprintf(stderr, "glyphbin-art: picture %d %s\n", id, qPrintable(fault));
                ok = false;
            }
            const QByteArray pixels(reinterpret_cast<const char *>(whole.constBits()), whole.sizeInBytes());
            if (seen.contains(pixels)) {
                std::fprintf(stderr, "glyphbin-art: picture %d looks exactly like %d\n", id,
                             seen.value(pixels));
                ok = false;
            }
            seen.insert(pixels, id);

            const QString name = QString::number(id) + QStringLiteral(".bmp");
            if (!writeFile(out.filePath(name), fourBitBitmap(whole))) {
                std::fprintf(stderr, "glyphbin-art: cannot write %s\n", qPrintable(out.filePath(name)));
                return 1;
            }
            resourceList += "    <file>" + name.toUtf8() + "</file>\n";
        }
    }
    resourceList += "  </qresource>\n</RCC>\n";
    if (!writeFile(out.filePath(QStringLiteral("glyphbin.qrc")), resourceList, true)) {
        std::fprintf(stderr, "glyphbin-art: cannot write %s\n", qPrintable(out.filePath("glyphbin.qrc")));
        return 1;
    }
    return ok ? 0 : 1;
}

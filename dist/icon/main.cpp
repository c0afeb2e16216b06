// Draws the program's icon: the hicolor PNG sizes and the scalable SVG, both
// from the one description below, so that every size shows the same picture.
//
//   kavrel-icon OUTDIR   writes OUTDIR/hicolor/<n>x<n>/apps/kavrel.png and
//                        OUTDIR/hicolor/scalable/apps/kavrel.svg

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRectF>
#include <QSaveFile>
#include <QString>
#include <QTextStream>
#include <array>
#include <cstdio>

namespace {

// The picture on a 64 × 64 grid: a stand on a green tile, four trees and the
// blue boundaries of their zones, meeting where three zones meet.
constexpr double Grid = 64.0;
constexpr QRectF Tile(2, 2, 60, 60);
constexpr double TileRadius = 11.0;
constexpr QRectF Stand(10, 10, 44, 44);
constexpr double StandBorder = 2.0;
constexpr double ZoneWidth = 3.0;
constexpr double TreeRadius = 4.5;
const QColor TileColour(0x2e, 0x6b, 0x38);
const QColor StandColour(0xee, 0xf4, 0xe2);
const QColor BorderColour(0x1b, 0x45, 0x22);
const QColor ZoneColour(0x1f, 0x5f, 0xc8);
const QColor TreeColour(0x1a, 0x1a, 0x1a);

const std::array<QLineF, 5> Zones{{
    {QPointF(30, 10), QPointF(32, 31)},
    {QPointF(32, 31), QPointF(10, 33)},
    {QPointF(32, 31), QPointF(37, 36)},
    {QPointF(37, 36), QPointF(54, 30)},
    {QPointF(37, 36), QPointF(33, 54)},
}};
const std::array<QPointF, 4> Trees{{{20, 20}, {44, 19}, {20, 44}, {45, 45}}};

constexpr std::array<int, 7> PixelSizes{16, 24, 32, 48, 64, 128, 256};

QImage drawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / Grid, size / Grid);

    painter.setPen(Qt::NoPen);
    painter.setBrush(TileColour);
    painter.drawRoundedRect(Tile, TileRadius, TileRadius);
    painter.setBrush(StandColour);
    painter.setPen(QPen(BorderColour, StandBorder));
    painter.drawRect(Stand);

    painter.setPen(QPen(ZoneColour, ZoneWidth, Qt::SolidLine, Qt::RoundCap));
    for (const QLineF &zone : Zones)
        painter.drawLine(zone);

    painter.setPen(Qt::NoPen);
    painter.setBrush(TreeColour);
    for (const QPointF &tree : Trees)
        painter.drawEllipse(tree, TreeRadius, TreeRadius);
    return image;
}

QString svgIcon()
{
    QString svg;
    QTextStream out(&svg);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << Grid << "\" height=\"" << Grid
        << "\" viewBox=\"0 0 " << Grid << ' ' << Grid << "\">\n";
    out << "  <rect x=\"" << Tile.x() << "\" y=\"" << Tile.y() << "\" width=\"" << Tile.width()
        << "\" height=\"" << Tile.height() << "\" rx=\"" << TileRadius << "\" fill=\"" << TileColour.name()
        << "\"/>\n";
    out << "  <rect x=\"" << Stand.x() << "\" y=\"" << Stand.y() << "\" width=\"" << Stand.width()
        << "\" height=\"" << Stand.height() << "\" fill=\"" << StandColour.name() << "\" stroke=\""
        << BorderColour.name() << "\" stroke-width=\"" << StandBorder << "\"/>\n";
    out << "  <g stroke=\"" << ZoneColour.name() << "\" stroke-width=\"" << ZoneWidth
        << "\" stroke-linecap=\"round\">\n";
    for (const QLineF &zone : Zones) {
        out << "    <line x1=\"" << zone.x1() << "\" y1=\"" << zone.y1() << "\" x2=\"" << zone.x2()
            << "\" y2=\"" << zone.y2() << "\"/>\n";
    }
    out << "  </g>\n  <g fill=\"" << TreeColour.name() << "\">\n";
    for (const QPointF &tree : Trees)
        out << "    <circle cx=\"" << tree.x() << "\" cy=\"" << tree.y() << "\" r=\"" << TreeRadius
            << "\"/>\n";
    out << "  </g>\n</svg>\n";
    return svg;
}

bool writeFile(const QString &path, const QByteArray &content)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.commit();
}

bool writePng(const QString &path, const QImage &image)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.commit();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: kavrel-icon OUTDIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (int size : PixelSizes) {
        const QString path = out.filePath(QStringLiteral("hicolor/%1x%1/apps/kavrel.png").arg(size));
        if (!writePng(path, drawIcon(size))) {
            std::fprintf(stderr, "kavrel-icon: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    const QString svgPath = out.filePath(QStringLiteral("hicolor/scalable/apps/kavrel.svg"));
    if (!writeFile(svgPath, svgIcon().toUtf8())) {
        std::fprintf(stderr, "kavrel-icon: cannot write %s\n", qPrintable(svgPath));
        return 1;
    }
    return 0;
}

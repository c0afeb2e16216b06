#include "tamimgcollection.h"

#include <QFile>
#include <QHash>
#include <QSet>
#include <QTest>
#include <climits>

namespace {

struct Range
{
    qint32 first;
    qint32 last;
    QSize size;
};

// The numbers and sizes the toolbars rely on.
const QList<Range> collectionTable = {
    {8000, 8011, {24, 44}}, {8100, 8129, {24, 44}}, {8200, 8211, {24, 44}}, {8300, 8367, {24, 44}},
    {8400, 8417, {24, 44}}, {8500, 8515, {24, 44}}, {8600, 8619, {24, 44}}, {8700, 8732, {24, 44}},
    {8800, 8815, {24, 44}}, {8900, 8942, {24, 44}}, {9000, 9005, {24, 44}}, {9100, 9147, {24, 44}},
    {9200, 9215, {24, 44}}, {9300, 9323, {24, 44}}, {9400, 9404, {24, 44}}, {9500, 9525, {20, 36}},
    {9530, 9539, {20, 36}},
};

QList<qint32> allIds()
{
    QList<qint32> ids;
    for (const Range &range : collectionTable) {
        for (qint32 id = range.first; id <= range.last; ++id)
            ids.append(id);
    }
    return ids;
}

const QList<QRgb> sixteenColours = {0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080,
                                    0xff008080, 0xffc0c0c0, 0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00,
                                    0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff};
const QRgb background = 0xffc0c0c0;

QSet<QRgb> coloursIn(const QImage &image, int top, int height)
{
    QSet<QRgb> colours;
    for (int y = top; y < top + height; ++y) {
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    }
    return colours;
}

bool borderIsBackground(const QImage &image, int top, int height)
{
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, top) != background || image.pixel(x, top + height - 1) != background)
            return false;
    }
    for (int y = top; y < top + height; ++y) {
        if (image.pixel(0, y) != background || image.pixel(image.width() - 1, y) != background)
            return false;
    }
    return true;
}

quint16 bitsPerPixelOfResource(qint32 id)
{
    QFile file(QStringLiteral(":/glyphbin/%1.bmp").arg(id));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray header = file.read(30);
    if (header.size() < 30 || !header.startsWith("BM"))
        return 0;
    return quint16(quint8(header[28]) | (quint8(header[29]) << 8));
}

} // namespace

class TestTamImgCollection : public QObject
{
    Q_OBJECT

private slots:
    void everyNumberOfTheTableHasItsPicture_data();
    void everyNumberOfTheTableHasItsPicture();
    void unknownNumbersFail_data();
    void unknownNumbersFail();
    void noOtherNumberExists();
    void picturesAreDistinct();
    void callsHandOutIndependentPictures();
};

void TestTamImgCollection::everyNumberOfTheTableHasItsPicture_data()
{
    QTest::addColumn<qint32>("first");
    QTest::addColumn<qint32>("last");
    QTest::addColumn<QSize>("size");
    for (const Range &range : collectionTable)
        QTest::addRow("%d-%d", range.first, range.last) << range.first << range.last << range.size;
}

void TestTamImgCollection::everyNumberOfTheTableHasItsPicture()
{
    QFETCH(qint32, first);
    QFETCH(qint32, last);
    QFETCH(QSize, size);
    const int halfHeight = size.height() / 2;
    const QSet<QRgb> disabledColours = {0xff808080, 0xffc0c0c0, 0xffffffff};

    for (qint32 id = first; id <= last; ++id) {
        const QByteArray where = QByteArray::number(id);
        const QImage picture = tamImgCollection().GetToolbarPic(id);
        QVERIFY2(!picture.isNull(), where);
        QCOMPARE(picture.size(), size);
        QCOMPARE(picture.format(), QImage::Format_Indexed8);
        QCOMPARE(picture.colorTable(), sixteenColours);
        QVERIFY2(bitsPerPixelOfResource(id) == 4, where);

        QVERIFY2(borderIsBackground(picture, 0, halfHeight), where);
        QVERIFY2(borderIsBackground(picture, halfHeight, halfHeight), where);

        const QSet<QRgb> upper = coloursIn(picture, 0, halfHeight);
        QVERIFY2(upper.size() >= 2, where + " shows no symbol");
        const QSet<QRgb> lower = coloursIn(picture, halfHeight, halfHeight);
        QVERIFY2(disabledColours.contains(lower), where + " uses colours in its disabled half");
        QVERIFY2(lower.contains(0xff808080), where + " has an empty disabled half");
    }
}

void TestTamImgCollection::unknownNumbersFail_data()
{
    QTest::addColumn<qint32>("id");
    QTest::newRow("after the first group") << 8012;
    QTest::newRow("gap between the letter groups") << 9526;
    QTest::newRow("just before the collection") << 7999;
    QTest::newRow("after the last group") << 9540;
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -8000;
    QTest::newRow("smallest") << INT_MIN;
    QTest::newRow("largest") << INT_MAX;
    QTest::newRow("8000 plus 65536, same low 16 bits") << 8000 + 65536;
    QTest::newRow("8000 minus 65536, same low 16 bits") << 8000 - 65536;
}

void TestTamImgCollection::unknownNumbersFail()
{
    QFETCH(qint32, id);
    try {
        const QImage picture = tamImgCollection().GetToolbarPic(id);
        QFAIL(qPrintable(QStringLiteral("picture %1 was handed out (%2 × %3)")
                             .arg(id)
                             .arg(picture.width())
                             .arg(picture.height())));
    } catch (const tamMissingResource &error) {
        QCOMPARE(error.id(), id);
        const QString message = QString::fromUtf8(error.what());
        QVERIFY2(message.contains(QStringLiteral("missing resource")), error.what());
        QVERIFY2(message.contains(QString::number(id)), error.what());
    }
}

void TestTamImgCollection::noOtherNumberExists()
{
    const QList<qint32> expected = allIds();
    const QSet<qint32> known(expected.cbegin(), expected.cend());
    QCOMPARE(known.size(), 403);

    int found = 0;
    for (qint32 id = -100; id < 20000; ++id) {
        try {
            tamImgCollection().GetToolbarPic(id);
            QVERIFY2(known.contains(id), qPrintable(QStringLiteral("unexpected picture %1").arg(id)));
            ++found;
        } catch (const tamMissingResource &) {
            QVERIFY2(!known.contains(id), qPrintable(QStringLiteral("picture %1 is missing").arg(id)));
        }
    }
    QCOMPARE(found, 403);
}

void TestTamImgCollection::picturesAreDistinct()
{
    QHash<QByteArray, qint32> seen;
    for (qint32 id : allIds()) {
        const QImage picture = tamImgCollection().GetToolbarPic(id).convertToFormat(QImage::Format_RGB32);
        const QByteArray pixels(reinterpret_cast<const char *>(picture.constBits()), picture.sizeInBytes());
        QVERIFY2(!seen.contains(pixels),
                 qPrintable(QStringLiteral("pictures %1 and %2 are equal").arg(seen.value(pixels)).arg(id)));
        seen.insert(pixels, id);
    }
}

void TestTamImgCollection::callsHandOutIndependentPictures()
{
    const tamImgCollection one;
    const tamImgCollection other;
    QImage first = one.GetToolbarPic(8000);
    const QImage second = one.GetToolbarPic(8000);
    const QImage fromOther = other.GetToolbarPic(8000);
    QCOMPARE(first, second);
    QCOMPARE(first, fromOther);

    const QImage untouched = second.copy();
    first.setPixel(12, 10, 0);
    first.fill(0);
    QCOMPARE(second, untouched);
    QCOMPARE(one.GetToolbarPic(8000), untouched);
    QVERIFY(first != untouched);
}

QTEST_GUILESS_MAIN(TestTamImgCollection)
#include "tst_tamimgcollection.moc"

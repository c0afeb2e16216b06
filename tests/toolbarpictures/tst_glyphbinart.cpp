#include "canvas.h"
#include "dibwriter.h"
#include "glyphpicture.h"
#include "palette.h"

#include <QTest>

namespace {

const QRgb silver = 0xffc0c0c0;
const QRgb grey = 0xff808080;
const QRgb white = 0xffffffff;

quint32 littleEndian(const QByteArray &bytes, int offset, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | quint8(bytes[offset + i]);
    return value;
}

QImage blank(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(silver);
    return image;
}

QList<QPoint> pixelsOf(const QImage &image, QRgb colour)
{
    QList<QPoint> found;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == colour)
                found.append({x, y});
        }
    }
    return found;
}

} // namespace

class TestGlyphbinArt : public QObject
{
    Q_OBJECT

private slots:
    void bitmapReadsBackExactly_data();
    void bitmapReadsBackExactly();
    void quantisingPicksTheNearestColour_data();
    void quantisingPicksTheNearestColour();
    void disabledHalfEmbossesDarkInkOnly_data();
    void disabledHalfEmbossesDarkInkOnly();
    void symbolsMustKeepClearOfTheBorder_data();
    void symbolsMustKeepClearOfTheBorder();
    void symbolsTooLightToDisableAreRejected();
    void shapesCoverExactlyTheirSize_data();
    void shapesCoverExactlyTheirSize();
};

void TestGlyphbinArt::bitmapReadsBackExactly_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("one pixel") << 1 << 1;
    QTest::newRow("odd width") << 7 << 3;
    QTest::newRow("row of exactly four bytes") << 8 << 2;
    QTest::newRow("letter picture, padded rows") << 20 << 36;
    QTest::newRow("toolbar picture") << 24 << 44;
    QTest::newRow("odd width needing padding") << 33 << 5;
}

void TestGlyphbinArt::bitmapReadsBackExactly()
{
    QFETCH(int, width);
    QFETCH(int, height);
    const QList<QRgb> colours = pal::table();
    QImage source(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            source.setPixel(x, y, colours[(x * 7 + y * 3) % 16]);
    }

    const QByteArray bitmap = fourBitBitmap(source);
    const int rowBytes = ((width + 1) / 2 + 3) / 4 * 4;
    QVERIFY(bitmap.startsWith("BM"));
    QCOMPARE(littleEndian(bitmap, 2, 4), quint32(bitmap.size()));
    QCOMPARE(bitmap.size(), 14 + 40 + 64 + rowBytes * height);
    QCOMPARE(littleEndian(bitmap, 10, 4), 118u);
    QCOMPARE(littleEndian(bitmap, 28, 2), 4u);
    QCOMPARE(littleEndian(bitmap, 46, 4), 16u);

    const QImage read = QImage::fromData(bitmap, "BMP");
    QCOMPARE(read.size(), source.size());
    QCOMPARE(read.format(), QImage::Format_Indexed8);
    QCOMPARE(read.colorTable(), colours);
    QCOMPARE(read.convertToFormat(QImage::Format_RGB32), source);
}

void TestGlyphbinArt::quantisingPicksTheNearestColour_data()
{
    QTest::addColumn<QRgb>("drawn");
    QTest::addColumn<QRgb>("expected");
    QTest::newRow("palette colour stays") << QRgb(0xff008080) << QRgb(0xff008080);
    QTest::newRow("near the background") << QRgb(0xffc8c4c0) << silver;
    QTest::newRow("light grey nearer white") << QRgb(0xffe0e0e0) << white;
    QTest::newRow("dull red") << QRgb(0xff7a0505) << QRgb(0xff800000);
    QTest::newRow("pale yellow") << QRgb(0xfff0f010) << QRgb(0xffffff00);
    QTest::newRow("mid grey") << QRgb(0xff909090) << grey;
    QTest::newRow("orange goes red") << QRgb(0xffff4000) << QRgb(0xffff0000);
}

void TestGlyphbinArt::quantisingPicksTheNearestColour()
{
    QFETCH(QRgb, drawn);
    QFETCH(QRgb, expected);
    QImage image = blank(3, 2);
    image.setPixel(1, 1, drawn);
    const QImage result = quantised(image);
    QCOMPARE(result.pixel(1, 1), expected);
    QCOMPARE(result.pixel(0, 0), silver);
}

void TestGlyphbinArt::disabledHalfEmbossesDarkInkOnly_data()
{
    QTest::addColumn<QList<QPoint>>("ink");
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<QList<QPoint>>("expectedGrey");
    QTest::addColumn<QList<QPoint>>("expectedWhite");
    const QList<QPoint> centre = {{2, 2}};
    const QList<QPoint> below = {{3, 3}};
    QTest::newRow("black") << centre << QRgb(0xff000000) << centre << below;
    QTest::newRow("navy") << centre << QRgb(0xff000080) << centre << below;
    QTest::newRow("red") << centre << QRgb(0xffff0000) << centre << below;
    QTest::newRow("dark grey") << centre << grey << centre << below;
    QTest::newRow("yellow vanishes") << centre << QRgb(0xffffff00) << QList<QPoint>{} << QList<QPoint>{};
    QTest::newRow("white vanishes") << centre << white << QList<QPoint>{} << QList<QPoint>{};
    QTest::newRow("cyan vanishes") << centre << QRgb(0xff00ffff) << QList<QPoint>{} << QList<QPoint>{};
    QTest::newRow("grey lies over the white copy")
        << QList<QPoint>{{1, 1}, {2, 2}} << QRgb(0xff000000) << QList<QPoint>{{1, 1}, {2, 2}} << below;
    QTest::newRow("shadow beyond the edge is dropped")
        << QList<QPoint>{{5, 4}} << QRgb(0xff000000) << QList<QPoint>{{5, 4}} << QList<QPoint>{};
}

void TestGlyphbinArt::disabledHalfEmbossesDarkInkOnly()
{
    QFETCH(QList<QPoint>, ink);
    QFETCH(QRgb, colour);
    QFETCH(QList<QPoint>, expectedGrey);
    QFETCH(QList<QPoint>, expectedWhite);
    QImage normal = blank(6, 5);
    for (const QPoint &p : ink)
        normal.setPixel(p, colour);

    const QImage disabled = disabledHalf(normal);
    QCOMPARE(disabled.size(), normal.size());
    QCOMPARE(pixelsOf(disabled, grey), expectedGrey);
    QCOMPARE(pixelsOf(disabled, white), expectedWhite);
    QCOMPARE(pixelsOf(disabled, silver).size(), 30 - expectedGrey.size() - expectedWhite.size());
}

void TestGlyphbinArt::symbolsMustKeepClearOfTheBorder_data()
{
    QTest::addColumn<QPoint>("ink");
    QTest::addColumn<bool>("fault");
    QTest::newRow("top left of the area") << QPoint(1, 1) << false;
    QTest::newRow("bottom right of the area") << QPoint(21, 19) << false;
    QTest::newRow("left border") << QPoint(0, 5) << true;
    QTest::newRow("top border") << QPoint(5, 0) << true;
    QTest::newRow("column of the shadow") << QPoint(22, 5) << true;
    QTest::newRow("row of the shadow") << QPoint(5, 20) << true;
    QTest::newRow("far corner") << QPoint(23, 21) << true;
}

void TestGlyphbinArt::symbolsMustKeepClearOfTheBorder()
{
    QFETCH(QPoint, ink);
    QFETCH(bool, fault);
    QImage normal = blank(24, 22);
    normal.setPixel(ink, 0xff000000);
    QCOMPARE(!marginFault(normal).isEmpty(), fault);
}

void TestGlyphbinArt::symbolsTooLightToDisableAreRejected()
{
    QString fault;
    const QImage light = glyphPicture([](Canvas &c) { c.fill(4, 4, 10, 10, pal::Yellow); }, {24, 22}, &fault);
    QVERIFY(!fault.isEmpty());

    const QImage outlined =
        glyphPicture([](Canvas &c) { c.box(4, 4, 10, 10, pal::Black, pal::Yellow); }, {24, 22}, &fault);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    QCOMPARE(outlined.size(), QSize(24, 44));
    QCOMPARE(outlined.pixel(4, 4), 0xff000000);
    QCOMPARE(outlined.pixel(5, 5), 0xffffff00);
    QCOMPARE(outlined.pixel(4, 22 + 4), grey);
    QCOMPARE(outlined.pixel(5, 22 + 5), white);
    QCOMPARE(outlined.pixel(7, 22 + 7), silver);
}

void TestGlyphbinArt::shapesCoverExactlyTheirSize_data()
{
    QTest::addColumn<QString>("shape");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("box") << "box" << 5 << 4;
    QTest::newRow("wide box") << "box" << 19 << 3;
    QTest::newRow("small circle") << "ellipse" << 5 << 5;
    QTest::newRow("even circle") << "ellipse" << 8 << 8;
    QTest::newRow("large circle") << "ellipse" << 17 << 17;
    QTest::newRow("flat ellipse") << "ellipse" << 15 << 6;
}

void TestGlyphbinArt::shapesCoverExactlyTheirSize()
{
    QFETCH(QString, shape);
    QFETCH(int, width);
    QFETCH(int, height);
    QImage image = blank(24, 22);
    {
        Canvas canvas(image);
        if (shape == "box")
            canvas.box(2, 3, width, height, pal::Black, pal::Yellow);
        else
            canvas.ellipse(2, 3, width, height, pal::Black, pal::Yellow);
    }
    const QRect covered = QRegion([&] {
                              QRegion region;
                              for (const QPoint &p : pixelsOf(image, 0xff000000))
                                  region += QRect(p, QSize(1, 1));
                              return region;
                          }())
                              .boundingRect();
    QCOMPARE(covered, QRect(2, 3, width, height));
    // Drawn shapes look the same from either side.
    for (int y = 3; y < 3 + height; ++y) {
        for (int x = 2; x < 2 + width; ++x) {
            QCOMPARE(image.pixel(x, y), image.pixel(2 + width - 1 - (x - 2), y));
            QCOMPARE(image.pixel(x, y), image.pixel(x, 3 + height - 1 - (y - 3)));
        }
    }
}

QTEST_GUILESS_MAIN(TestGlyphbinArt)
#include "tst_glyphbinart.moc"

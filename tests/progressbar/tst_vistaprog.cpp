#include "vistaprog.h"
#include "vistaprogvariantmapstore.h"

#include <QImage>
#include <QPainter>
#include <QtTest>
#include <limits>

namespace {

constexpr int IntMax = std::numeric_limits<int>::max();
constexpr double CapTwips = 30.0;
constexpr double BarHeightTwips = 225.0;
// Middle row of the pictures: fill 00D228, track CACACA, cap outer column 9E9E9E,
// cap inner column D1D1D1 unlit and the fill's green when lit.
constexpr int ProbeRow = 7;
constexpr QRgb Green = 0x00D228;
constexpr QRgb TrackGrey = 0xCACACA;
constexpr QRgb CapOuter = 0x9E9E9E;
constexpr QRgb CapInnerUnlit = 0xD1D1D1;

int pixels(double twips, const QWidget &widget)
{
    const double value = twips * widget.logicalDpiX() / 1440.0;
    return static_cast<int>(std::nearbyint(value));
}

QImage picture(VistaProg &bar)
{
    QImage image(bar.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    bar.render(&image);
    return image;
}

QRgb rgbAt(const QImage &image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFF;
}

// Green pixels of the middle row between the caps.
int visibleFill(const QImage &image, int capWidth)
{
    int count = 0;
    for (int x = capWidth; x < image.width() - capWidth; ++x)
        count += rgbAt(image, x, ProbeRow) == Green ? 1 : 0;
    return count;
}

class PaintCountingBar : public VistaProg
{
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        ++paints;
        VistaProg::paintEvent(event);
    }
};

} // namespace

class TestVistaProg : public QObject
{
    Q_OBJECT

private slots:
    void newInstanceHasDefaults();
    void assignment_data();
    void assignment();
    void fill_data();
    void fill();
    void pictureRows_data();
    void pictureRows();
    void resize_data();
    void resize();
    void valueChangeIsPaintedAtOnce();
    void load_data();
    void load();
    void save_data();
    void save();
    void savingADefaultDropsAnOlderEntry();
};

void TestVistaProg::newInstanceHasDefaults()
{
    VistaProg bar;
    QCOMPARE(bar.property("Max").toInt(), 100);
    QCOMPARE(bar.property("Min").toInt(), 0);
    QCOMPARE(bar.property("Value").toInt(), 50);
    QCOMPARE(bar.height(), pixels(BarHeightTwips, bar));
}

void TestVistaProg::assignment_data()
{
    QTest::addColumn<int>("startMax");
    QTest::addColumn<int>("startMin");
    QTest::addColumn<int>("startValue");
    QTest::addColumn<QString>("property");
    QTest::addColumn<int>("assigned");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("value");
    QTest::addColumn<QStringList>("notifications");

    QTest::newRow("value above max") << 100 << 0 << 50 << "Value" << 150 << 100 << 0 << 100
                                     << QStringList{"Value=100"};
    QTest::newRow("value below min") << 100 << 0 << 50 << "Value" << -5 << 100 << 0 << 0
                                     << QStringList{"Value=0"};
    QTest::newRow("value below raised min")
        << 100 << 30 << 50 << "Value" << 10 << 100 << 30 << 30 << QStringList{"Value=30"};
    QTest::newRow("unchanged value still notifies")
        << 100 << 0 << 50 << "Value" << 50 << 100 << 0 << 50 << QStringList{"Value=50"};
    QTest::newRow("max zero") << 100 << 0 << 50 << "Max" << 0 << 1 << 0 << 1
                              << QStringList{"Value=1", "Max=1"};
    QTest::newRow("max equal to min")
        << 100 << 10 << 50 << "Max" << 10 << 11 << 10 << 11 << QStringList{"Value=11", "Max=11"};
    QTest::newRow("max lowers value")
        << 100 << 0 << 50 << "Max" << 40 << 40 << 0 << 40 << QStringList{"Value=40", "Max=40"};
    QTest::newRow("max above value") << 100 << 0 << 50 << "Max" << 60 << 60 << 0 << 50
                                     << QStringList{"Max=60"};
    QTest::newRow("largest max") << 100 << 0 << 50 << "Max" << IntMax << IntMax << 0 << 50
                                 << QStringList{"Max=" + QString::number(IntMax)};
    QTest::newRow("min above max") << 100 << 0 << 50 << "Min" << 200 << 100 << 99 << 99
                                   << QStringList{"Value=99", "Min=99"};
    QTest::newRow("min negative") << 100 << 0 << 50 << "Min" << -3 << 100 << 0 << 50 << QStringList{"Min=0"};
    QTest::newRow("min at largest max")
        << IntMax << 0 << 50 << "Min" << IntMax << IntMax << IntMax - 1 << IntMax - 1
        << QStringList{"Value=" + QString::number(IntMax - 1), "Min=" + QString::number(IntMax - 1)};
}

void TestVistaProg::assignment()
{
    QFETCH(int, startMax);
    QFETCH(int, startMin);
    QFETCH(int, startValue);
    QFETCH(QString, property);
    QFETCH(int, assigned);

    VistaProg bar;
    bar.setMax(startMax);
    bar.setMin(startMin);
    bar.setValue(startValue);

    QStringList notifications;
    const auto record = [&notifications](const char *name) {
        return [&notifications, name](int value) {
            notifications << QStringLiteral("%1=%2").arg(name).arg(value);
        };
    };
    connect(&bar, &VistaProg::valueChanged, this, record("Value"));
    connect(&bar, &VistaProg::minChanged, this, record("Min"));
    connect(&bar, &VistaProg::maxChanged, this, record("Max"));

    QVERIFY(bar.setProperty(property.toLatin1().constData(), assigned));

    QTEST(bar.max(), "max");
    QTEST(bar.min(), "min");
    QTEST(bar.value(), "value");
    QTEST(notifications, "notifications");
}

void TestVistaProg::fill_data()
{
    QTest::addColumn<double>("widthTwips");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("value");
    QTest::addColumn<double>("fillTwips");
    QTest::addColumn<bool>("leftLit");
    QTest::addColumn<bool>("rightLit");

    QTest::newRow("defaults: half") << 1980.0 << 100 << 0 << 50 << 990.0 << true << false;
    QTest::newRow("one third") << 1980.0 << 3 << 0 << 1 << 660.0 << true << false;
    QTest::newRow("empty") << 1980.0 << 100 << 0 << 0 << 15.0 << false << false;
    QTest::newRow("full") << 1980.0 << 7 << 0 << 7 << 1980.0 << true << true;
    QTest::newRow("one short of full") << 1980.0 << 1000 << 0 << 999 << 1978.0 << true << false;
    QTest::newRow("min does not move the origin") << 1980.0 << 100 << 20 << 20 << 396.0 << true << false;
    // 982.5 twips: a half rounds to the even neighbour.
    QTest::newRow("half twip rounds to even") << 1965.0 << 2 << 0 << 1 << 982.0 << true << false;
    QTest::newRow("file-size max, half loaded")
        << 1980.0 << IntMax << 0 << IntMax / 2 << 990.0 << true << false;
    QTest::newRow("file-size max, large value")
        << 1980.0 << IntMax << 0 << 1'000'000'000 << 922.0 << true << false;
    QTest::newRow("file-size max, all loaded") << 1980.0 << IntMax << 0 << IntMax << 1980.0 << true << true;
}

void TestVistaProg::fill()
{
    QFETCH(double, widthTwips);
    QFETCH(int, max);
    QFETCH(int, min);
    QFETCH(int, value);
    QFETCH(double, fillTwips);
    QFETCH(bool, leftLit);
    QFETCH(bool, rightLit);

    VistaProg bar;
    bar.resize(pixels(widthTwips, bar), bar.height());
    bar.show();
    bar.setMax(max);
    bar.setMin(min);
    bar.setValue(value);

    const QImage image = picture(bar);
    const int cap = pixels(CapTwips, bar);
    const int expectedFill = std::clamp(pixels(fillTwips, bar), cap, image.width() - cap) - cap;
    QCOMPARE(visibleFill(image, cap), expectedFill);
    QCOMPARE(rgbAt(image, 1, ProbeRow), leftLit ? Green : CapInnerUnlit);
    QCOMPARE(rgbAt(image, image.width() - 2, ProbeRow), rightLit ? Green : CapInnerUnlit);
    QCOMPARE(rgbAt(image, 0, ProbeRow), CapOuter);
    QCOMPARE(rgbAt(image, image.width() - 1, ProbeRow), CapOuter);
}

void TestVistaProg::pictureRows_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QRgb>("track");
    QTest::addColumn<QRgb>("fill");
    QTest::addColumn<QRgb>("capOuter");
    QTest::addColumn<QRgb>("capInnerUnlit");
    QTest::addColumn<QRgb>("capInnerLit");

    QTest::newRow("top edge") << 0 << 0xB2B2B2u << 0xB2B2B2u << 0xF7F7F7u << 0xC9C9C9u << 0xC9C9C9u;
    QTest::newRow("highlight") << 1 << 0xF3F3F3u << 0xCDFFCDu << 0xBDBDBDu << 0xDADADAu << 0xCDFFCDu;
    QTest::newRow("gradient") << 4 << 0xE6E6E6u << 0xADF3B8u << 0xA8A8A8u << 0xE5E5E5u << 0xADF3B8u;
    QTest::newRow("lower half") << 10 << 0xCECECEu << 0x05D62Au << 0x979797u << 0xD2D2D2u << 0x05D62Au;
    QTest::newRow("last lit row") << 13 << 0xEAEAEAu << 0x1CE133u << 0xA1A1A1u << 0xC3C3C3u << 0x1CE133u;
    QTest::newRow("bottom edge") << 14 << 0x8C8C8Cu << 0x8C8C8Cu << 0xF3F3F3u << 0x9E9E9Eu << 0x9E9E9Eu;
}

// Left cap lit, right cap unlit (the defaults) and, in a second picture, the
// opposite where it can be: Value 0 unlights the left cap, Value = Max lights the right one.
void TestVistaProg::pictureRows()
{
    QFETCH(int, row);
    QFETCH(QRgb, track);
    QFETCH(QRgb, fill);
    QFETCH(QRgb, capOuter);
    QFETCH(QRgb, capInnerUnlit);
    QFETCH(QRgb, capInnerLit);

    VistaProg bar;
    if (bar.logicalDpiX() != 96)
        QSKIP("the pictures map one to one onto pixels only at 96 dpi");
    bar.resize(100, bar.height());
    bar.show();

    const QImage half = picture(bar);
    const int right = half.width() - 1;
    QCOMPARE(rgbAt(half, 0, row), capOuter);
    QCOMPARE(rgbAt(half, 1, row), capInnerLit);
    QCOMPARE(rgbAt(half, 2, row), fill);
    QCOMPARE(rgbAt(half, 49, row), fill);
    QCOMPARE(rgbAt(half, 50, row), track);
    QCOMPARE(rgbAt(half, right - 2, row), track);
    QCOMPARE(rgbAt(half, right - 1, row), capInnerUnlit);
    QCOMPARE(rgbAt(half, right, row), capOuter);

    bar.setValue(0);
    const QImage empty = picture(bar);
    QCOMPARE(rgbAt(empty, 0, row), capOuter);
    QCOMPARE(rgbAt(empty, 1, row), capInnerUnlit);
    QCOMPARE(rgbAt(empty, 2, row), track);

    bar.setValue(bar.max());
    const QImage full = picture(bar);
    QCOMPARE(rgbAt(full, right - 2, row), fill);
    QCOMPARE(rgbAt(full, right - 1, row), capInnerLit);
    QCOMPARE(rgbAt(full, right, row), capOuter);
}

void TestVistaProg::resize_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("requestedHeight");

    QTest::newRow("wide, taller requested") << 400 << 60;
    QTest::newRow("narrow, lower requested") << 20 << 5;
    QTest::newRow("two caps") << 4 << 15;
    QTest::newRow("narrower than two caps") << 3 << 15;
    QTest::newRow("narrower than a cap") << 1 << 15;
    QTest::newRow("no width") << 0 << 15;
}

void TestVistaProg::resize()
{
    QFETCH(int, width);
    QFETCH(int, requestedHeight);

    VistaProg bar;
    bar.show();
    bar.resize(width, requestedHeight);
    bar.setValue(bar.max());
    bar.setValue(0);
    bar.setValue(30);

    QCOMPARE(bar.height(), pixels(BarHeightTwips, bar));
    QCOMPARE(bar.width(), width);
    if (width < 2 * pixels(CapTwips, bar))
        return;

    const QImage image = picture(bar);
    QCOMPARE(rgbAt(image, width - 1, ProbeRow), CapOuter);
    QCOMPARE(rgbAt(image, width - 2, ProbeRow), CapInnerUnlit);
}

void TestVistaProg::valueChangeIsPaintedAtOnce()
{
    PaintCountingBar bar;
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QCoreApplication::processEvents();

    bar.paints = 0;
    bar.setValue(70);
    QVERIFY(bar.paints > 0);
}

void TestVistaProg::load_data()
{
    QTest::addColumn<QVariantMap>("stored");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("value");

    QTest::newRow("empty store gives defaults") << QVariantMap{} << 100 << 0 << 50;
    QTest::newRow("value clamped against bounds read before it")
        << QVariantMap{{"Max", 10}, {"Min", 20}, {"Value", 50}} << 10 << 9 << 10;
    QTest::newRow("only value") << QVariantMap{{"Value", 7}} << 100 << 0 << 7;
    QTest::newRow("file-size max") << QVariantMap{{"Max", IntMax}, {"Value", IntMax - 1}} << IntMax << 0
                                   << IntMax - 1;
    // An unreadable entry keeps the property as it was and reading goes on.
    QTest::newRow("text instead of a number")
        << QVariantMap{{"Max", "viel"}, {"Min", 5}, {"Value", 70}} << 300 << 5 << 70;
    QTest::newRow("number too large for an int")
        << QVariantMap{{"Max", qint64{1} << 40}, {"Min", 2}, {"Value", 3}} << 300 << 2 << 3;
}

void TestVistaProg::load()
{
    QFETCH(QVariantMap, stored);

    VistaProg bar;
    bar.setMax(300);
    bar.setValue(250);
    bar.readProperties(VistaProgVariantMapStore(stored));

    QTEST(bar.max(), "max");
    QTEST(bar.min(), "min");
    QTEST(bar.value(), "value");
}

void TestVistaProg::save_data()
{
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("value");
    QTest::addColumn<QVariantMap>("stored");

    QTest::newRow("defaults store nothing") << 100 << 0 << 50 << QVariantMap{};
    QTest::newRow("only what differs") << 100 << 0 << 75 << QVariantMap{{"Value", 75}};
    QTest::newRow("all three") << 2000 << 10 << 1500
                               << QVariantMap{{"Max", 2000}, {"Min", 10}, {"Value", 1500}};
}

void TestVistaProg::save()
{
    QFETCH(int, max);
    QFETCH(int, min);
    QFETCH(int, value);
    QFETCH(QVariantMap, stored);

    VistaProg bar;
    bar.setMax(max);
    bar.setMin(min);
    bar.setValue(value);
    VistaProgVariantMapStore store;
    bar.writeProperties(store);
    QCOMPARE(store.values(), stored);

    VistaProg restored;
    restored.readProperties(store);
    QCOMPARE(restored.max(), max);
    QCOMPARE(restored.min(), min);
    QCOMPARE(restored.value(), value);
}

void TestVistaProg::savingADefaultDropsAnOlderEntry()
{
    VistaProg bar;
    bar.setValue(80);
    VistaProgVariantMapStore store;
    bar.writeProperties(store);

    bar.setValue(VistaProg::DefaultValue);
    bar.writeProperties(store);

    VistaProg restored;
    restored.setValue(10);
    restored.readProperties(store);
    QCOMPARE(restored.value(), VistaProg::DefaultValue);
}

QTEST_MAIN(TestVistaProg)
#include "tst_vistaprog.moc"

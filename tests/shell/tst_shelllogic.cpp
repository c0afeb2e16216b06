#include "shell/decimalseparatorswitch.h"
#include "shell/localesettings.h"
#include "shell/mainwindowlayout.h"
#include "shell/processlocalesettings.h"
#include "shell/sizelimits.h"
#include "shell/twips.h"

#include <QLocale>
#include <QTest>

namespace {

class FakeLocaleSettings : public LocaleSettings
{
public:
    explicit FakeLocaleSettings(QString separator) : separator(std::move(separator)) {}

    QString userDecimalSeparator() const override { return separator; }
    void usePointAsDecimalSeparator() override { ++pointSwitches; }
    void restoreUserDecimalSeparator() override { ++restores; }

    QString separator;
    int pointSwitches = 0;
    int restores = 0;
};

} // namespace

class TestShellLogic : public QObject
{
    Q_OBJECT

private slots:
    void twipsToPixels_data();
    void twipsToPixels();
    void sizeLimits_data();
    void sizeLimits();
    void minMaxQueryOnlyLimitsARestoredWindow_data();
    void minMaxQueryOnlyLimitsARestoredWindow();
    void layout_data();
    void layout();
    void statusPanelsFillTheWidth_data();
    void statusPanelsFillTheWidth();
    void separatorSwitch_data();
    void separatorSwitch();
    void separatorSwitchRestoresOnlyOnce();
    void processLocaleSettingsSwitchesOnlyThisProcess();
};

void TestShellLogic::twipsToPixels_data()
{
    QTest::addColumn<double>("twips");
    QTest::addColumn<double>("dpi");
    QTest::addColumn<int>("pixels");

    QTest::newRow("designed width at 96 dpi") << 12030.0 << 96.0 << 802;
    QTest::newRow("designed height at 96 dpi") << 9030.0 << 96.0 << 602;
    QTest::newRow("half goes down to even") << 112.5 - 15.0 << 96.0 << 6; // 6.5
    QTest::newRow("half goes up to even") << 112.5 << 96.0 << 8;          // 7.5
    QTest::newRow("negative half to even") << -112.5 << 96.0 << -8;
    QTest::newRow("just above a half") << 113.0 << 96.0 << 8;
    QTest::newRow("just below a half") << 97.0 << 96.0 << 6;
    QTest::newRow("120 dpi, 1002.5 to even") << 12030.0 << 120.0 << 1002;
    QTest::newRow("120 dpi, 752.5 to even") << 9030.0 << 120.0 << 752;
    QTest::newRow("144 dpi") << 12030.0 << 144.0 << 1203;
    QTest::newRow("unknown dpi counts as 96") << 12030.0 << 0.0 << 802;
}

void TestShellLogic::twipsToPixels()
{
    QFETCH(double, twips);
    QFETCH(double, dpi);
    QFETCH(int, pixels);
    QCOMPARE(::twipsToPixels(twips, twipsPerPixelForDpi(dpi)), pixels);
}

void TestShellLogic::sizeLimits_data()
{
    QTest::addColumn<int>("screenWidthPixels");
    QTest::addColumn<int>("screenHeightPixels");
    QTest::addColumn<double>("dpi");
    QTest::addColumn<int>("minimumWidth");
    QTest::addColumn<int>("minimumHeight");
    QTest::addColumn<int>("maximumWidth");
    QTest::addColumn<int>("maximumHeight");

    QTest::newRow("96 dpi full HD") << 1920 << 1080 << 96.0 << 802 << 602 << 1920 << 1080;
    QTest::newRow("120 dpi") << 1920 << 1080 << 120.0 << 1002 << 752 << 1920 << 1080;
    // 1440 / 110 twips per pixel: the screen is not a whole number of twips.
    QTest::newRow("110 dpi laptop") << 1366 << 768 << 110.0 << 919 << 690 << 1366 << 768;
}

void TestShellLogic::sizeLimits()
{
    QFETCH(int, screenWidthPixels);
    QFETCH(int, screenHeightPixels);
    QFETCH(double, dpi);
    QFETCH(int, minimumWidth);
    QFETCH(int, minimumHeight);
    QFETCH(int, maximumWidth);
    QFETCH(int, maximumHeight);

    ScreenTwips screen;
    screen.twipsPerPixelX = screen.twipsPerPixelY = twipsPerPixelForDpi(dpi);
    screen.width = screenWidthPixels * screen.twipsPerPixelX;
    screen.height = screenHeightPixels * screen.twipsPerPixelY;

    const SizeLimits limits = mainWindowSizeLimits(screen);
    QCOMPARE(limits.minimumWidth, minimumWidth);
    QCOMPARE(limits.minimumHeight, minimumHeight);
    QCOMPARE(limits.maximumWidth, maximumWidth);
    QCOMPARE(limits.maximumHeight, maximumHeight);
}

void TestShellLogic::minMaxQueryOnlyLimitsARestoredWindow_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("answered");

    QTest::newRow("restored") << int(WindowSizeState::Normal) << true;
    QTest::newRow("minimized") << int(WindowSizeState::Minimized) << false;
    QTest::newRow("maximized") << int(WindowSizeState::Maximized) << false;
}

void TestShellLogic::minMaxQueryOnlyLimitsARestoredWindow()
{
    QFETCH(int, state);
    QFETCH(bool, answered);

    ScreenTwips screen{1280 * 15.0, 1024 * 15.0, 15.0, 15.0};
    const SizeLimits limits = mainWindowSizeLimits(screen);
    MinMaxInfo received;
    received.reserved = {11, 12};
    received.maximizedSize = {1, 2};
    received.maximizedPosition = {-4, -5};
    received.minimumTrackingSize = {100, 100};
    received.maximumTrackingSize = {5000, 5000};

    const std::optional<MinMaxInfo> answer =
        answerMinMaxQuery(received, static_cast<WindowSizeState>(state), limits, screen);
    QCOMPARE(answer.has_value(), answered);
    if (!answered)
        return;
    QCOMPARE(answer->reserved, received.reserved);
    QCOMPARE(answer->maximizedPosition, received.maximizedPosition);
    QCOMPARE(answer->maximizedSize, (PixelPoint{1280, 1024}));
    QCOMPARE(answer->minimumTrackingSize, (PixelPoint{802, 602}));
    QCOMPARE(answer->maximumTrackingSize, (PixelPoint{1280, 1024}));
}

void TestShellLogic::layout_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<QRectF>("mapFrame");
    QTest::addColumn<QRectF>("map");
    QTest::addColumn<QRectF>("tableFrame");
    QTest::addColumn<QRectF>("treeTable");
    QTest::addColumn<double>("languageSelectorLeft");
    QTest::addColumn<QRectF>("labelCheckBox");
    QTest::addColumn<QRectF>("progress");

    QTest::newRow("designed size") << 12030.0 << 9030.0 << QRectF(120, 600, 6855, 7095)
                                   << QRectF(120, 360, 6615, 6615) << QRectF(7440, 600, 4335, 7095)
                                   << QRectF(120, 360, 4095, 6615) << 10200.0 << QRectF(11640, 7940, 375, 255)
                                   << QRectF(2556, 7940, 7068, 225);
    QTest::newRow("1000 larger each way")
        << 13030.0 << 10030.0 << QRectF(120, 600, 7855, 8095) << QRectF(120, 360, 7615, 7615)
        << QRectF(8440, 600, 4335, 8095) << QRectF(120, 360, 4095, 7615) << 11200.0
        << QRectF(12640, 8940, 375, 255) << QRectF(2756, 8940, 7668, 225);
    // The map is not kept square: width and height follow the window separately.
    QTest::newRow("only wider") << 13030.0 << 9030.0 << QRectF(120, 600, 7855, 7095)
                                << QRectF(120, 360, 7615, 6615) << QRectF(8440, 600, 4335, 7095)
                                << QRectF(120, 360, 4095, 6615) << 11200.0 << QRectF(12640, 7940, 375, 255)
                                << QRectF(2756, 7940, 7668, 225);
    QTest::newRow("only taller") << 12030.0 << 10030.0 << QRectF(120, 600, 6855, 8095)
                                 << QRectF(120, 360, 6615, 7615) << QRectF(7440, 600, 4335, 8095)
                                 << QRectF(120, 360, 4095, 7615) << 10200.0 << QRectF(11640, 8940, 375, 255)
                                 << QRectF(2556, 8940, 7068, 225);
}

void TestShellLogic::layout()
{
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(QRectF, mapFrame);
    QFETCH(QRectF, map);
    QFETCH(QRectF, tableFrame);
    QFETCH(QRectF, treeTable);
    QFETCH(double, languageSelectorLeft);
    QFETCH(QRectF, labelCheckBox);
    QFETCH(QRectF, progress);

    const MainWindowLayout layout = layoutMainWindow(width, height);
    QCOMPARE(layout.toolbar, QRectF(0, 0, width, 450));
    QCOMPARE(layout.mapFrame, mapFrame);
    QCOMPARE(layout.map, map);
    QCOMPARE(layout.tableFrame, tableFrame);
    QCOMPARE(layout.treeTable, treeTable);
    QCOMPARE(layout.languageSelector, QRectF(languageSelectorLeft, 80, 1575, 285));
    QCOMPARE(layout.labelCheckBox, labelCheckBox);
    QCOMPARE(layout.calculationProgress, progress);
    QCOMPARE(layout.statusBar, QRectF(0, height - 690 - 375, width - 120, 375));
}

void TestShellLogic::statusPanelsFillTheWidth_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<QList<double>>("panels");

    QTest::newRow("designed") << 12030.0 << QList<double>{2406, 7218, 962.4, 1443.6};
    QTest::newRow("1000 wider") << 13030.0 << QList<double>{2606, 7818, 1042.4, 1563.6};
}

void TestShellLogic::statusPanelsFillTheWidth()
{
    QFETCH(double, width);
    QFETCH(QList<double>, panels);

    const MainWindowLayout layout = layoutMainWindow(width, 9030);
    double total = 0;
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(layout.statusPanelWidths[static_cast<std::size_t>(i)], panels[i]);
        total += layout.statusPanelWidths[static_cast<std::size_t>(i)];
    }
    QCOMPARE(total, width);
}

void TestShellLogic::separatorSwitch_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<bool>("switched");

    QTest::newRow("comma") << QStringLiteral(",") << true;
    QTest::newRow("point") << QStringLiteral(".") << false;
    QTest::newRow("space") << QStringLiteral(" ") << false;
    QTest::newRow("middle dot") << QStringLiteral("\u00B7") << false;
    QTest::newRow("unreadable") << QString() << false;
    QTest::newRow("comma with more") << QStringLiteral(",,") << false;
}

void TestShellLogic::separatorSwitch()
{
    QFETCH(QString, separator);
    QFETCH(bool, switched);

    FakeLocaleSettings settings(separator);
    DecimalSeparatorSwitch separatorSwitch;
    separatorSwitch.switchToPoint(settings);
    QCOMPARE(separatorSwitch.isSwitched(), switched);
    QCOMPARE(settings.pointSwitches, switched ? 1 : 0);
    QCOMPARE(settings.restores, 0);

    separatorSwitch.restore(settings);
    QCOMPARE(settings.restores, switched ? 1 : 0);
    QVERIFY(!separatorSwitch.isSwitched());
}

// Shut-down may be reached twice (closing and then destroying the window):
// the user's separator must come back exactly once.
void TestShellLogic::separatorSwitchRestoresOnlyOnce()
{
    FakeLocaleSettings settings(QStringLiteral(","));
    DecimalSeparatorSwitch separatorSwitch;
    separatorSwitch.switchToPoint(settings);
    separatorSwitch.switchToPoint(settings);
    separatorSwitch.restore(settings);
    separatorSwitch.restore(settings);
    QCOMPARE(settings.pointSwitches, 1);
    QCOMPARE(settings.restores, 1);
}

void TestShellLogic::processLocaleSettingsSwitchesOnlyThisProcess()
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    {
        ProcessLocaleSettings settings;
        settings.usePointAsDecimalSeparator();
        QCOMPARE(QLocale().toString(1.5), QStringLiteral("1.5"));
        QCOMPARE(QLocale().toDouble(QStringLiteral("2.25")), 2.25);
        settings.restoreUserDecimalSeparator();
        QCOMPARE(QLocale().toString(1.5), QStringLiteral("1,5"));
    }
    QLocale::setDefault(before);
}

QTEST_GUILESS_MAIN(TestShellLogic)
#include "tst_shelllogic.moc"

#include "about/aboutwindow.h"
#include "about/blankbreaklabel.h"
#include "about/form2.h"
#include "aboutsettings.h"
#include "kavrelversion.h"
#include "update/form3.h"
#include "update/updatewindow.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTranslator>
#include <algorithm>

namespace {

QString labelText(const QWidget &window, int number)
{
    const auto *label = window.findChild<QLabel *>(QStringLiteral("tamLabel%1").arg(number));
    return label ? label->text() : QStringLiteral("<missing>");
}

QList<QWidget *> shownWindows(const QString &name)
{
    QList<QWidget *> found;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->objectName().compare(name, Qt::CaseInsensitive) == 0) {
            found.append(window);
        }
    }
    return found;
}

void closeAllWindows()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        window->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestForm2 : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void textsByLanguage_data();
    void textsByLanguage();
    void fixedTexts();
    void kWordStaysOnOneLine_data();
    void kWordStaysOnOneLine();
    void windowIcon();
    void labelsKeepTheirLookUnderAStyledWindow_data();
    void labelsKeepTheirLookUnderAStyledWindow();
    void onlyOneOfTheTwoWindowsIsOpen();
    void otherWindowFoundWithoutRegardToCase();
};

void TestForm2::cleanup()
{
    closeAllWindows();
}

void TestForm2::textsByLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("purpose");
    QTest::addColumn<QString>("joiner");

    QTest::newRow("German") << "de"
                            << "Ein Programm zur Berechnung von Einschlussflächen für die k-Baum Probefläche"
                            << "      und      ";
    QTest::newRow("English") << "en"
                             << "Program for calculation of inclusion zones for k-tree sampling"
                             << "      and      ";
    QTest::newRow("Spanish") << "es"
                             << "Un programa para calcular zonas de inclusion para k-árbol muestra"
                             << "       y       ";
    QTest::newRow("Slovak") << "sk"
                            << "Program na vypocet selekcnych zon pre k-stromove skusne plochy"
                            << "       a       ";
}

// The open window follows a language switch at once.
void TestForm2::textsByLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, purpose);
    QFETCH(QString, joiner);

    Form2 window;
    window.show();
    QTranslator translator;
    if (language != QLatin1String("de")) {
        QVERIFY(translator.load(QStringLiteral(":/i18n/about_%1.qm").arg(language)));
        QVERIFY(QCoreApplication::installTranslator(&translator));
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);

    QCOMPARE(labelText(window, 4), purpose);
    QCOMPARE(labelText(window, 5), KAVREL_ABOUT_FIRST_AUTHOR + joiner + KAVREL_ABOUT_SECOND_AUTHOR);

    QCoreApplication::removeTranslator(&translator);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCOMPARE(labelText(window, 4), QStringLiteral("Ein Programm zur Berechnung von Einschlussflächen für die "
                                                  "k-Baum Probefläche"));
}

void TestForm2::fixedTexts()
{
    Form2 window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Info"));
    QVERIFY(!(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(labelText(window, 1), QStringLiteral("Kavrel"));
    QCOMPARE(labelText(window, 2), QStringLiteral("Version 1.0.1"));
    // Both windows show the one version number of the build.
    QCOMPARE(labelText(window, 2), "Version " + Form3().localVersion());
    QCOMPARE(labelText(window, 3), QStringLiteral("(26.11.2007)"));
    QCOMPARE(labelText(window, 6), KAVREL_ABOUT_FIRST_EMAIL + QString(25, u' ') + KAVREL_ABOUT_SECOND_EMAIL);
    QCOMPARE(labelText(window, 7), QStringLiteral(KAVREL_ABOUT_INSTITUTION));
    QCOMPARE(labelText(window, 8), QStringLiteral(KAVREL_ABOUT_DEPARTMENT));
    QCOMPARE(labelText(window, 9), QStringLiteral(KAVREL_ABOUT_ADDRESS));
}

void TestForm2::kWordStaysOnOneLine_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("word");
    QTest::newRow("German") << "de"
                            << "k-Baum";
    QTest::newRow("English") << "en"
                             << "k-tree";
    QTest::newRow("Spanish") << "es"
                             << "k-árbol";
    QTest::newRow("Slovak") << "sk"
                            << "k-stromove";
}

// The purpose text, with its plain hyphen, is broken into lines at its blanks
// only, never inside "k-tree", whatever width the font leaves for it; at the
// label's own width its lines fit the label's height.
void TestForm2::kWordStaysOnOneLine()
{
    QFETCH(QString, language);
    QFETCH(QString, word);

    QTranslator translator;
    if (language != QLatin1String("de")) {
        QVERIFY(translator.load(QStringLiteral(":/i18n/about_%1.qm").arg(language)));
        QVERIFY(QCoreApplication::installTranslator(&translator));
    }
    Form2 window;
    window.show();
    const auto *label = window.findChild<BlankBreakLabel *>(QStringLiteral("tamLabel4"));
    QVERIFY(label);
    QVERIFY(label->text().contains(word));
    const int labelWidth = label->contentsRect().width();
    for (int width = labelWidth / 4; width <= labelWidth; ++width) {
        const QStringList lines = BlankBreakLabel::wrappedLines(label->text(), label->fontMetrics(), width);
        QVERIFY2(std::any_of(lines.begin(), lines.end(),
                             [&word](const QString &line) { return line.contains(word); }),
                 qPrintable(QString::number(width) + u' ' + lines.join(u'|')));
        QCOMPARE(lines.join(u' '), label->text());
    }
    const QStringList shown = BlankBreakLabel::wrappedLines(label->text(), label->fontMetrics(), labelWidth);
    QVERIFY2(shown.size() * label->fontMetrics().lineSpacing() <= label->contentsRect().height(),
             qPrintable(shown.join(u'|')));
    QCoreApplication::removeTranslator(&translator);
}

void TestForm2::windowIcon()
{
    Form2 window;
    const QList<QSize> sizes = window.windowIcon().availableSizes();
    QVERIFY2(sizes.contains(QSize(32, 32)), qPrintable(QString::number(sizes.size())));
}

void TestForm2::labelsKeepTheirLookUnderAStyledWindow_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<double>("pointSize");
    QTest::addColumn<bool>("bold");

    QTest::newRow("name") << 1 << 13.5 << true;
    QTest::newRow("version") << 2 << 8.25 << true;
    QTest::newRow("date") << 3 << 8.25 << true;
    QTest::newRow("purpose") << 4 << 9.75 << true;
    QTest::newRow("authors") << 5 << 8.25 << true;
    QTest::newRow("e-mail addresses") << 6 << 8.25 << false;
    QTest::newRow("institution") << 7 << 8.25 << true;
    QTest::newRow("department") << 8 << 8.25 << true;
    QTest::newRow("address") << 9 << 8.25 << true;
}

// The window opens over the main window, whose style sheet must not darken
// the text or change its size.
void TestForm2::labelsKeepTheirLookUnderAStyledWindow()
{
    QFETCH(int, number);
    QFETCH(double, pointSize);
    QFETCH(bool, bold);

    QWidget mainWindow;
    mainWindow.setStyleSheet(QStringLiteral("#tamLabel1 { color: white; font-size: 8pt; }"
                                            "QGroupBox { border: 1px solid gray; }"));
    mainWindow.show();
    auto *window = new Form2(&mainWindow);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));

    const auto *label = window->findChild<QLabel *>(QStringLiteral("tamLabel%1").arg(number));
    QVERIFY(label);
    QCOMPARE(label->font().pointSizeF(), pointSize);
    QCOMPARE(label->font().bold(), bold);

    const QImage picture = window->grab(label->geometry()).toImage();
    int whitePixels = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            whitePixels += picture.pixelColor(x, y).lightness() > 200 ? 1 : 0;
        }
    }
    QVERIFY2(whitePixels > 10, "the text is drawn in white");
}

void TestForm2::onlyOneOfTheTwoWindowsIsOpen()
{
    QWidget mainWindow;
    mainWindow.show();

    showAboutWindow(&mainWindow);
    showAboutWindow(&mainWindow);
    QCOMPARE(shownWindows("Form2").size(), 1);

    QPointer<QWidget> about = shownWindows("Form2").first();
    showUpdateWindow(&mainWindow);
    QCOMPARE(shownWindows("Form2").size(), 0);
    QCOMPARE(shownWindows("Form3").size(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!about);

    showUpdateWindow(&mainWindow);
    QCOMPARE(shownWindows("Form3").size(), 1);
    showAboutWindow(&mainWindow);
    QCOMPARE(shownWindows("Form3").size(), 0);
    QCOMPARE(shownWindows("Form2").size(), 1);
}

void TestForm2::otherWindowFoundWithoutRegardToCase()
{
    auto *update = new QWidget;
    update->setObjectName(QStringLiteral("FORM3"));
    update->setAttribute(Qt::WA_DeleteOnClose);
    update->show();
    showAboutWindow(nullptr);
    QVERIFY(!update->isVisible());
    QCOMPARE(shownWindows("Form2").size(), 1);
}

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"

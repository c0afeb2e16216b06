#include "shell/fileproblem.h"
#include "shell/form1.h"
#include "shell/languageswitcher.h"
#include "shell/localesettings.h"
#include "shell/picturesource.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

class PointLocale : public LocaleSettings
{
public:
    QString userDecimalSeparator() const override { return QStringLiteral("."); }
    void usePointAsDecimalSeparator() override {}
    void restoreUserDecimalSeparator() override {}
};

const QString IconsFolder = QStringLiteral(KAVREL_ICONS_DIR);

} // namespace

class TestShellResources : public QObject
{
    Q_OBJECT

private slots:
    void pictures_data();
    void pictures();
    void legendMarksMatchTheMap_data();
    void legendMarksMatchTheMap();
    void flagIconsAreReadable_data();
    void flagIconsAreReadable();
    void selectorShowsFlagsWhenTheyAreThere_data();
    void selectorShowsFlagsWhenTheyAreThere();
    void switcherInstallsEveryAreaOfALanguage_data();
    void switcherInstallsEveryAreaOfALanguage();
    void qtTextsFollowTheSwitch_data();
    void qtTextsFollowTheSwitch();
};

void TestShellResources::pictures_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("known");

    for (int number : {6120, 6949, 6400, 6018, 6006, 6000, 6131, 6132, 6133})
        QTest::newRow(qPrintable(QString::number(number))) << number << true;
    QTest::newRow("unknown 6001") << 6001 << false;
    QTest::newRow("unknown 0") << 0 << false;
}

void TestShellResources::pictures()
{
    QFETCH(int, number);
    QFETCH(bool, known);

    const PictureSource source;
    const QImage picture = source.image(number);
    QCOMPARE(!picture.isNull(), known);
    QCOMPARE(source.icon(number).isNull(), !known);
    if (!known)
        return;
    QCOMPARE(picture.size(), QSize(16, 16));
    // Something drawn and the corner left clear.
    QCOMPARE(picture.pixelColor(0, 0).alpha(), 0);
    int drawn = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            drawn += picture.pixelColor(x, y).alpha() > 0 ? 1 : 0;
    QVERIFY(drawn > 8);
}

void TestShellResources::legendMarksMatchTheMap_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("radius");

    QTest::newRow("selected tree") << 6018 << QColor(255, 0, 0) << 3;
    QTest::newRow("tree with influence") << 6006 << QColor(0, 128, 0) << 3;
    QTest::newRow("tree without influence") << 6000 << QColor(0, 0, 0) << 2;
}

void TestShellResources::legendMarksMatchTheMap()
{
    QFETCH(int, number);
    QFETCH(QColor, colour);
    QFETCH(int, radius);

    const QImage picture = PictureSource().image(number);
    QCOMPARE(picture.pixelColor(8, 8), colour);
    QCOMPARE(picture.pixelColor(8 + radius - 1, 8), colour);
    QCOMPARE(picture.pixelColor(8 + radius + 2, 8).alpha(), 0);
    QCOMPARE(picture.pixelColor(8, 8 - radius - 2).alpha(), 0);
}

void TestShellResources::flagIconsAreReadable_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QColor>("centre");

    QTest::newRow("german") << QStringLiteral("german.ico") << QColor(221, 0, 0);
    QTest::newRow("english") << QStringLiteral("english.ico") << QColor(200, 16, 46);
    QTest::newRow("spain") << QStringLiteral("spain.ico") << QColor(255, 196, 0);
    QTest::newRow("slovakia") << QStringLiteral("slovakia.ico") << QColor(11, 78, 162);
}

void TestShellResources::flagIconsAreReadable()
{
    QFETCH(QString, file);
    QFETCH(QColor, centre);

    QImageReader reader(QDir(IconsFolder).filePath(file));
    QCOMPARE(reader.format(), QByteArray("ico"));
    QCOMPARE(reader.imageCount(), 2);
    QList<int> sizes;
    for (int i = 0; i < reader.imageCount(); ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        sizes << image.width();
        // The flag's middle (the Slovak shield sits left of it).
        QCOMPARE(image.pixelColor(image.width() / 2, image.height() / 2 - 1), centre);
        QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
    }
    std::sort(sizes.begin(), sizes.end());
    QCOMPARE(sizes, (QList<int>{16, 32}));
}

void TestShellResources::selectorShowsFlagsWhenTheyAreThere_data()
{
    QTest::addColumn<QStringList>("files");

    QTest::newRow("all four") << QStringList{"german.ico", "english.ico", "spain.ico", "slovakia.ico"};
    QTest::newRow("none") << QStringList{};
    QTest::newRow("Spanish missing") << QStringList{"german.ico", "english.ico", "slovakia.ico"};
}

void TestShellResources::selectorShowsFlagsWhenTheyAreThere()
{
    QFETCH(QStringList, files);

    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("Icons")));
    for (const QString &file : files)
        QVERIFY(
            QFile::copy(QDir(IconsFolder).filePath(file), folder.filePath(QStringLiteral("Icons/") + file)));
    // Something unreadable in place of the Spanish flag.
    if (!files.contains(QStringLiteral("spain.ico")) && !files.isEmpty()) {
        QFile broken(folder.filePath(QStringLiteral("Icons/spain.ico")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not an icon");
    }

    Form1 window(folder.path(), std::make_unique<PointLocale>());
    auto *selector = window.findChild<QComboBox *>(QStringLiteral("tamText1"));
    QCOMPARE(selector->count(), 4);
    const QStringList pictureFiles{"german.ico", "english.ico", "spain.ico", "slovakia.ico"};
    for (int i = 0; i < 4; ++i) {
        QVERIFY(!selector->itemText(i).isEmpty());
        QCOMPARE(!selector->itemIcon(i).isNull(), files.contains(pictureFiles[i]));
    }
}

void TestShellResources::switcherInstallsEveryAreaOfALanguage_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("file");

    QTest::newRow("German") << QStringLiteral("de") << QStringLiteral("Datei");
    QTest::newRow("English") << QStringLiteral("en") << QStringLiteral("File");
    QTest::newRow("Spanish") << QStringLiteral("es") << QStringLiteral("Archivo");
    QTest::newRow("Slovak") << QStringLiteral("sk") << QStringLiteral("Subor");
    QTest::newRow("unknown language") << QStringLiteral("xx") << QStringLiteral("Datei");
}

void TestShellResources::switcherInstallsEveryAreaOfALanguage()
{
    QFETCH(QString, code);
    QFETCH(QString, file);

    const QStringList available =
        QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("*_%1.qm").arg(code)}, QDir::Files);
    if (code != QLatin1String("de") && code != QLatin1String("xx"))
        QVERIFY(available.contains(QStringLiteral("shell_%1.qm").arg(code)));

    LanguageSwitcher switcher;
    // Another language first: its files must go.
    switcher.switchTo(code == QLatin1String("sk") ? QStringLiteral("en") : QStringLiteral("sk"));
    QCOMPARE(switcher.switchTo(code), available.size());
    QCOMPARE(QCoreApplication::translate("Form1", "Datei"), file);
    QCOMPARE(switcher.currentLanguageCode(), code);

    switcher.switchTo(QStringLiteral("de"));
    QCOMPARE(QCoreApplication::translate("Form1", "Datei"), QStringLiteral("Datei"));
}

void TestShellResources::qtTextsFollowTheSwitch_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("qtTranslated");
    QTest::addColumn<QString>("missing"); // Qt's untranslated reason for a missing file
    QTest::newRow("German") << "de" << true << "Die Datei oder das Verzeichnis konnte nicht gefunden werden";
    QTest::newRow("English") << "en" << false << "No such file or directory";
    QTest::newRow("Spanish") << "es" << true << "No hay ningún fichero o directorio con ese nombre";
    QTest::newRow("unknown language") << "xx" << false << "No such file or directory";
}

// Qt's own texts come with every language, German included; the reasons Qt
// gives for failed file access, which it leaves untranslated, are found in
// its translations.
void TestShellResources::qtTextsFollowTheSwitch()
{
    QFETCH(QString, code);
    QFETCH(bool, qtTranslated);
    QFETCH(QString, missing);
    if (!QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm"))
        QSKIP("Qt's translations are not installed");

    LanguageSwitcher switcher;
    switcher.switchTo(code == QLatin1String("de") ? QStringLiteral("es") : QStringLiteral("de"));
    switcher.switchTo(code);
    QCOMPARE(switcher.qtTranslationInstalled(), qtTranslated);
    QFile file(QDir::temp().filePath("no-such-stand-file.txt"));
    QVERIFY(!file.open(QIODevice::ReadOnly));
#ifdef Q_OS_WIN
    // Windows words the reason itself, in the system's language; Qt's
    // translations hold only the C library's reasons, so it stays as it is.
    Q_UNUSED(missing);
    QCOMPARE(translatedFileError(file.errorString()), file.errorString());
#else
    QCOMPARE(translatedFileError(file.errorString()), missing);
#endif

    switcher.switchTo("xx");
    QCOMPARE(translatedFileError(file.errorString()), file.errorString());
}

QTEST_MAIN(TestShellResources)
#include "tst_shellresources.moc"

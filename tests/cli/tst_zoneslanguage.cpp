#include "toolrun.h"
#include "zonescommand.h"
#include "zoneslanguage.h"
#include "zonesoptions.h"
#include "zonestranslations.h"

#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QXmlStreamReader>
#include <algorithm>

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct ProgramRun
{
    int status = -1;
    QByteArray out;
    QString err;
};

// Runs the built tool with only the given locale variables set.
ProgramRun runProgram(const QStringList &localeVariables, const QStringList &arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LC_NUMERIC", "LANG", "LANGUAGE"})
        environment.remove(QString::fromLatin1(name));
    for (const QString &variable : localeVariables)
        environment.insert(variable.section(QLatin1Char('='), 0, 0), variable.section(QLatin1Char('='), 1));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(KAVREL_ZONES_PROGRAM), arguments);
    ProgramRun run;
    if (!program.waitForFinished(60000) || program.exitStatus() != QProcess::NormalExit)
        return run;
    run.status = program.exitCode();
    run.out = program.readAllStandardOutput();
    run.err = QString::fromUtf8(program.readAllStandardError());
    return run;
}

const QStringList translatedLanguages{QStringLiteral("en"), QStringLiteral("es"), QStringLiteral("sk")};

// The SVG legend holds the only translated texts of the drawing: every other
// line stays as it is, and a legend line keeps its element and position.
void compareDrawings(const QByteArray &german, const QByteArray &translated)
{
    const QList<QByteArray> germanLines = german.split('\n');
    const QList<QByteArray> translatedLines = translated.split('\n');
    QCOMPARE(translatedLines.size(), germanLines.size());
    int legendTexts = 0;
    for (qsizetype l = 0; l < germanLines.size(); ++l) {
        if (germanLines[l] == translatedLines[l])
            continue;
        const QByteArray openingTag = germanLines[l].left(germanLines[l].indexOf('>') + 1);
        QVERIFY2(openingTag.startsWith("<text ") && translatedLines[l].startsWith(openingTag),
                 translatedLines[l].constData());
        ++legendTexts;
    }
    QCOMPARE(legendTexts, 3);
}

} // namespace

class TestZonesLanguage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void picksLanguage_data();
    void picksLanguage();
    void translatesEveryText_data();
    void translatesEveryText();
    void translatesHelp_data();
    void translatesHelp();
    void translatesDrawingLegend_data();
    void translatesDrawingLegend();
    void keepsMachineOutput_data();
    void keepsMachineOutput();
    void programSpeaksLocale_data();
    void programSpeaksLocale();
    void programMachineOutputIgnoresLocale_data();
    void programMachineOutputIgnoresLocale();

private:
    QString standPath(const QString &name) const { return m_folder.filePath(name); }
    void writeStand(const QString &name, const QByteArray &content);

    QTemporaryDir m_folder;
};

void TestZonesLanguage::writeStand(const QString &name, const QByteArray &content)
{
    QFile file(standPath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write(content) == content.size());
}

void TestZonesLanguage::initTestCase()
{
    QVERIFY(m_folder.isValid());
    writeStand(QStringLiteral("example.txt"), "100,100\n3\n60,75,30\n10,80,25\n30,50,20\n");
    // The fourth tree stands so far out that its zone never reaches the stand.
    writeStand(QStringLiteral("outside.txt"), "100,100\n4\n60,75,30\n10,80,25\n30,50,20\n5000,5000,40\n");
    writeStand(QStringLiteral("short.txt"), "100,100\n2\n1,2,3\n");
}

void TestZonesLanguage::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

void TestZonesLanguage::picksLanguage_data()
{
    QTest::addColumn<QByteArray>("lcAll");
    QTest::addColumn<QByteArray>("lcMessages");
    QTest::addColumn<QByteArray>("lang");
    QTest::addColumn<QString>("language");

    QTest::newRow("nothing set") << QByteArray() << QByteArray() << QByteArray() << "en";
    QTest::newRow("LANG alone") << QByteArray() << QByteArray() << QByteArray("en_US.UTF-8") << "en";
    QTest::newRow("LC_MESSAGES before LANG")
        << QByteArray() << QByteArray("sk_SK.UTF-8") << QByteArray("es_ES.UTF-8") << "sk";
    QTest::newRow("LC_ALL before both")
        << QByteArray("es_ES.UTF-8") << QByteArray("sk_SK.UTF-8") << QByteArray("en_US.UTF-8") << "es";
    QTest::newRow("C in LC_ALL keeps LANG silent")
        << QByteArray("C.UTF-8") << QByteArray() << QByteArray("de_DE.UTF-8") << "en";
    QTest::newRow("POSIX") << QByteArray() << QByteArray("POSIX") << QByteArray("sk_SK") << "en";
    QTest::newRow("empty LC_ALL counts as unset")
        << QByteArray("") << QByteArray() << QByteArray("sk_SK.UTF-8") << "sk";
    QTest::newRow("language only") << QByteArray("sk") << QByteArray() << QByteArray() << "sk";
    QTest::newRow("codeset without territory")
        << QByteArray() << QByteArray() << QByteArray("es.UTF-8") << "es";
    QTest::newRow("modifier") << QByteArray() << QByteArray() << QByteArray("en_IE@euro") << "en";
    QTest::newRow("German") << QByteArray("de_AT.UTF-8") << QByteArray() << QByteArray() << "de";
    QTest::newRow("other language") << QByteArray("fr_FR.UTF-8") << QByteArray() << QByteArray("de_DE")
                                    << "en";
    QTest::newRow("longer code starting with es")
        << QByteArray("est_EE") << QByteArray() << QByteArray() << "en";
    QTest::newRow("Asturian, not Spanish")
        << QByteArray() << QByteArray() << QByteArray("ast_ES.UTF-8") << "en";
}

void TestZonesLanguage::picksLanguage()
{
    QFETCH(QByteArray, lcAll);
    QFETCH(QByteArray, lcMessages);
    QFETCH(QByteArray, lang);
    QFETCH(QString, language);

    QCOMPARE(zonesLanguage(lcAll, lcMessages, lang), language);
}

void TestZonesLanguage::translatesEveryText_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("arguments");

    const QString example = standPath(QStringLiteral("example.txt"));
    const QString outside = standPath(QStringLiteral("outside.txt"));
    const QString unwritable = m_folder.filePath(QStringLiteral("no-such-folder/zones.svg"));
    const QList<std::pair<const char *, QStringList>> calls{
        {"unknown option", {"--colour", example}},
        {"switch with a value", {"--csv=yes", example}},
        {"value missing", {example, "--order"}},
        {"no stand file", {"--order", "2"}},
        {"two stand files", {example, example}},
        {"bad order", {"--order", "0", example}},
        {"bad map", {"--map", "7", example}},
        {"bad point", {"--select", "a,b", example}},
        {"bad point count", {"--simulate", "0", example}},
        {"bad seed", {"--simulate", "5", "--seed", "-1", example}},
        {"bad spacing", {"--grid", "0", example}},
        {"bad diameter unit", {"--simulate", "5", "--diameter-unit", "in", example}},
        {"no drawing name", {"--svg=", example}},
        {"points and grid", {"--simulate", "5", "--grid", "10", example}},
        {"two outputs", {"--areas", "--geojson", example}},
        {"selection with areas", {"--select", "1,1", "--areas", example}},
        {"seed alone", {"--seed", "3", example}},
        {"csv alone", {"--csv", example}},
        {"diameter unit alone", {"--diameter-unit", "mm", example}},
        {"too dense a grid", {"--grid", "0.001", example}},
        {"drawing not written", {"--svg", unwritable, example}},
        {"stand file ends early", {standPath(QStringLiteral("short.txt"))}},
        {"random points table", {"--simulate", "20", example}},
        {"grid table, fewer trees than k", {"--grid", "10", "--order", "4", example}},
        {"table with a tree never sampled", {"--simulate", "20", "--order", "2", outside}},
    };
    for (const QString &language : translatedLanguages) {
        for (const auto &[name, arguments] : calls)
            QTest::addRow("%s: %s", qPrintable(language), name) << language << arguments;
    }
}

// Every text the tool writes for a person reads differently from the German
// one: a text missing from a translation, or a source text that no longer
// matches it, stays German and is caught here. Lines and table cells (apart
// by two or more blanks) are compared one by one, numbers aside.
void TestZonesLanguage::translatesEveryText()
{
    QFETCH(QString, language);
    QFETCH(QStringList, arguments);

    const Run german = runTool(arguments);
    Run translated;
    {
        const ZonesTranslations translations(language);
        QVERIFY(translations.complete());
        translated = runTool(arguments);
    }
    QCOMPARE(translated.status, german.status);
    const QString germanText = german.status == ZonesSuccess ? german.out : german.err;
    const QString translatedText = translated.status == ZonesSuccess ? translated.out : translated.err;
    static const QRegularExpression cellGap(QStringLiteral("\\s{2,}|\\n"));
    const QStringList germanCells = germanText.split(cellGap, Qt::SkipEmptyParts);
    const QStringList translatedCells = translatedText.split(cellGap, Qt::SkipEmptyParts);
    QCOMPARE(translatedCells.size(), germanCells.size());
    for (qsizetype c = 0; c < germanCells.size(); ++c) {
        const bool words = std::any_of(germanCells[c].cbegin(), germanCells[c].cend(),
                                       [](QChar ch) { return ch.isLetter(); });
        if (words)
            QVERIFY2(translatedCells[c] != germanCells[c], qPrintable(translatedCells[c]));
    }
}

void TestZonesLanguage::translatesHelp_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : translatedLanguages)
        QTest::newRow(qPrintable(language)) << language;
}

void TestZonesLanguage::translatesHelp()
{
    QFETCH(QString, language);

    const QList<ZonesOption> german = zonesOptionTable();
    const QString germanUsage = zonesUsage();
    const ZonesTranslations translations(language);
    QVERIFY(translations.complete());
    const QList<ZonesOption> translated = zonesOptionTable();
    QCOMPARE(translated.size(), german.size());
    for (qsizetype o = 0; o < german.size(); ++o) {
        QCOMPARE(translated[o].name, german[o].name);
        QCOMPARE(translated[o].valueName, german[o].valueName);
        QVERIFY2(translated[o].description != german[o].description, qPrintable(translated[o].description));
    }
    // The call lines name options and files, which stay as they are.
    const QString usage = zonesUsage();
    QVERIFY(usage != germanUsage);
    for (const char *call : {"kavrel-zones [--order K] [--map WxH] [--select X,Y] STANDFILE",
                             "kavrel-zones --areas [--order K] [--map WxH] STANDFILE",
                             "kavrel-zones --svg OUT.svg [--order K] STANDFILE"})
        QVERIFY2(usage.contains(QString::fromLatin1(call)), call);
}

void TestZonesLanguage::translatesDrawingLegend_data()
{
    translatesHelp_data();
}

void TestZonesLanguage::translatesDrawingLegend()
{
    QFETCH(QString, language);

    const QString example = standPath(QStringLiteral("example.txt"));
    const QString germanFile = m_folder.filePath(QStringLiteral("german.svg"));
    const QString translatedFile = m_folder.filePath(language + QStringLiteral(".svg"));
    QCOMPARE(runTool({"--svg", germanFile, "--order", "2", example}).status, int(ZonesSuccess));
    {
        const ZonesTranslations translations(language);
        QCOMPARE(runTool({"--svg", translatedFile, "--order", "2", example}).status, int(ZonesSuccess));
    }
    const QByteArray translated = readFile(translatedFile);
    compareDrawings(readFile(germanFile), translated);
    if (QTest::currentTestFailed())
        return;

    // Legend texts go into the drawing as they are: a translation must keep
    // it well-formed.
    QXmlStreamReader reader(translated);
    while (!reader.atEnd())
        reader.readNext();
    QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
}

void TestZonesLanguage::keepsMachineOutput_data()
{
    QTest::addColumn<QStringList>("arguments");

    const QString example = standPath(QStringLiteral("example.txt"));
    QTest::newRow("edge table") << QStringList{"--order", "2", "--map", "100x100", example};
    QTest::newRow("selection") << QStringList{"--map", "100x100", "--select", "12.5,18", example};
    QTest::newRow("areas") << QStringList{"--areas", "--order", "2", example};
    QTest::newRow("csv") << QStringList{"--simulate", "50", "--seed", "7", "--csv", example};
    QTest::newRow("geojson") << QStringList{"--geojson", "--order", "2", example};
}

// Machine-readable output keeps its decimal points under a locale that
// writes a decimal comma (the languages: programMachineOutputIgnoresLocale).
void TestZonesLanguage::keepsMachineOutput()
{
    QFETCH(QStringList, arguments);

    const Run plain = runTool(arguments);
    QCOMPARE(plain.status, int(ZonesSuccess));
    QVERIFY(!plain.out.isEmpty());
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const Run comma = runTool(arguments);
    QCOMPARE(comma.status, plain.status);
    QCOMPARE(comma.out, plain.out);
}

void TestZonesLanguage::programSpeaksLocale_data()
{
    QTest::addColumn<QStringList>("locale");
    QTest::addColumn<QString>("helpStart");
    QTest::addColumn<QString>("usageError");

    QTest::newRow("LANG English") << QStringList{"LANG=en_US.UTF-8"} << "Usage:"
                                  << "Unknown option";
    QTest::newRow("LC_ALL Spanish") << QStringList{"LC_ALL=es_ES.UTF-8", "LANG=en_US.UTF-8"} << "Uso:"
                                    << "Opción desconocida";
    QTest::newRow("LC_MESSAGES Slovak")
        << QStringList{"LC_MESSAGES=sk_SK.UTF-8", "LANG=es_ES.UTF-8"} << "Použitie:"
        << "Neznáma voľba";
    QTest::newRow("German") << QStringList{"LANG=de_DE.UTF-8"} << "Aufruf:"
                            << "Unbekannte Option";
    QTest::newRow("C locale before German") << QStringList{"LC_ALL=C.UTF-8", "LANG=de_DE.UTF-8"} << "Usage:"
                                            << "Unknown option";
    QTest::newRow("LANGUAGE is not a POSIX variable") << QStringList{"LANGUAGE=de", "LANG=C"} << "Usage:"
                                                      << "Unknown option";
    QTest::newRow("other language") << QStringList{"LANG=fr_FR.UTF-8"} << "Usage:"
                                    << "Unknown option";
    QTest::newRow("nothing set") << QStringList() << "Usage:"
                                 << "Unknown option";
}

void TestZonesLanguage::programSpeaksLocale()
{
    QFETCH(QStringList, locale);
    QFETCH(QString, helpStart);
    QFETCH(QString, usageError);

    const ProgramRun help = runProgram(locale, {"--help"});
    QCOMPARE(help.status, int(ZonesSuccess));
    QVERIFY2(QString::fromUtf8(help.out).startsWith(helpStart), help.out.constData());

    const ProgramRun wrong = runProgram(locale, {"--colour", standPath(QStringLiteral("example.txt"))});
    QCOMPARE(wrong.status, int(ZonesUsageError));
    QVERIFY(wrong.out.isEmpty());
    QVERIFY2(wrong.err.contains(usageError + QStringLiteral(" ")) &&
                 wrong.err.contains(QStringLiteral("--colour")),
             qPrintable(wrong.err));
}

void TestZonesLanguage::programMachineOutputIgnoresLocale_data()
{
    keepsMachineOutput_data();
}

void TestZonesLanguage::programMachineOutputIgnoresLocale()
{
    QFETCH(QStringList, arguments);

    const ProgramRun german = runProgram({"LC_ALL=C.UTF-8"}, arguments);
    QCOMPARE(german.status, int(ZonesSuccess));
    QVERIFY(!german.out.isEmpty());
    // de_DE writes a decimal comma wherever that locale is installed.
    for (const char *locale :
         {"LANG=en_US.UTF-8", "LC_ALL=es_ES.UTF-8", "LC_ALL=sk_SK.UTF-8", "LC_ALL=de_DE.UTF-8"}) {
        const ProgramRun run = runProgram({QString::fromLatin1(locale)}, arguments);
        QCOMPARE(run.status, german.status);
        QCOMPARE(run.out, german.out);
        QCOMPARE(run.err, german.err);
    }
}

QTEST_GUILESS_MAIN(TestZonesLanguage)
#include "tst_zoneslanguage.moc"

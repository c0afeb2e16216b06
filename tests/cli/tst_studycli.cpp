#include "generatecommand.h"
#include "studycommand.h"
#include "toolrun.h"
#include "zonescommand.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

namespace {

Run study(const QStringList &arguments)
{
    return runCommand(runStudyCommand, arguments);
}

Run generate(const QStringList &arguments)
{
    return runCommand(runGenerateCommand, arguments);
}

QByteArray fileContent(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestStudyCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        m_stand = m_folder.filePath(QStringLiteral("poisson.txt"));
        const Run made = generate({"--count", "120", "--size", "60,50", "--seed", "9", m_stand});
        QCOMPARE(made.status, int(ZonesSuccess));
        QFile csv(m_folder.filePath(QStringLiteral("stems.csv")));
        QVERIFY(csv.open(QIODevice::WriteOnly));
        csv.write("tree;x;y;d\n1;10,5;20;31,5\n2;40;12,25;22\n3;25;40;40\n4;5;5;18\n");
        for (const auto &[name, content] :
             {std::pair{"commas.csv", "x,y,d\n10,20,31\n12,4,3,75,31,5\n"},
              std::pair{"negative.txt", "20,20\n2\n5,5,30\n15,15,-4\n"},
              std::pair{"outside.txt", "20,20\n4\n5,5,30\n15,15,40\n-3,10,20\n25,10,20\n"}}) {
            QFile file(m_folder.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
    }

    void generatedStandTracesBack()
    {
        const QByteArray stand = fileContent(m_stand);
        QVERIFY(stand.startsWith("60,50\n120\n"));
        QCOMPARE(stand.count('\n'), 122);
        const QJsonObject sidecar =
            QJsonDocument::fromJson(fileContent(m_stand + QStringLiteral(".json"))).object();
        QCOMPARE(sidecar.value(QStringLiteral("process")).toString(), QStringLiteral("poisson"));
        QCOMPARE(sidecar.value(QStringLiteral("seed")).toString(), QStringLiteral("9"));
        QCOMPARE(sidecar.value(QStringLiteral("count")).toInt(), 120);
        QCOMPARE(sidecar.value(QStringLiteral("width_m")).toDouble(), 60.0);
        // The same call, the same stand to the byte.
        const QString again = m_folder.filePath(QStringLiteral("again.txt"));
        QCOMPARE(generate({"--count", "120", "--size", "60,50", "--seed", "9", again}).status,
                 int(ZonesSuccess));
        QCOMPARE(fileContent(again), stand);
    }

    void summaryHasEveryRow()
    {
        const QString csvStand = m_folder.filePath(QStringLiteral("stems.csv"));
        const Run result = study({"--order", "1-3", "--replicates", "20", "--points", "6", "--design",
                                  "random,systematic", "--stand", "50,50", m_stand, csvStand});
        QCOMPARE(result.status, int(ZonesSuccess));
        const QStringList lines = result.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        // 2 stands x 3 orders x 2 designs x 5 estimators x 2 quantities
        QCOMPARE(lines.size(), 1 + 2 * 3 * 2 * 5 * 2);
        QVERIFY(
            lines.front().startsWith(QStringLiteral("stand,k,design,edge,estimator,quantity,true_value,")));
        const qsizetype columns = lines.front().count(QLatin1Char(','));
        for (const QString &line : lines)
            QCOMPARE(line.count(QLatin1Char(',')), columns);
        QVERIFY(
            result.out.contains(QStringLiteral("stems.csv,3,systematic,none,fixed_plot,trees_per_ha,16,")));
        QVERIFY(result.out.contains(QStringLiteral(",infinite_expectation,")));
    }

    void rawFiguresAndReproducibility()
    {
        const QString summary = m_folder.filePath(QStringLiteral("summary.csv"));
        const QString replicates = m_folder.filePath(QStringLiteral("replicates.csv"));
        const QString points = m_folder.filePath(QStringLiteral("points.csv"));
        const QStringList arguments{
            "--order", "2,4",   "--replicates",    "7",        "--points",    "5",    "--seed", "3",
            "-o",      summary, "--per-replicate", replicates, "--per-point", points, m_stand};
        QCOMPARE(study(arguments).status, int(ZonesSuccess));
        const QByteArray first = fileContent(summary) + fileContent(replicates) + fileContent(points);
        QCOMPARE(fileContent(replicates).count('\n'), 1 + 2 * 7 * 10);
        QCOMPARE(fileContent(points).count('\n'), 1 + 7 * 5 * 2);
        QVERIFY(fileContent(points).startsWith("stand,design,replicate,point,x_m,y_m,k,r_k_m,"));
        QCOMPARE(study(arguments).status, int(ZonesSuccess));
        QCOMPARE(fileContent(summary) + fileContent(replicates) + fileContent(points), first);
    }

    void badCallsAreRefused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("errorPiece");
        QTest::newRow("order range backwards") << QStringList{"--order", "5-2", "STAND"} << 2 << "--order";
        QTest::newRow("order zero") << QStringList{"--order", "0,1", "STAND"} << 2 << "--order";
        QTest::newRow("one point") << QStringList{"--points", "1", "STAND"} << 2 << "--points";
        QTest::newRow("unknown design") << QStringList{"--design", "cluster", "STAND"} << 2 << "--design";
        QTest::newRow("unknown option") << QStringList{"--colour", "STAND"} << 2 << "colour";
        QTest::newRow("no threads") << QStringList{"--threads", "0", "STAND"} << 2 << "--threads";
        QTest::newRow("buffer wider than the stand")
            << QStringList{"--buffer", "30", "STAND"} << 2 << "buffer";
        QTest::newRow("buffer on a torus")
            << QStringList{"--buffer", "1", "--torus", "STAND"} << 2 << "toroidal";
        QTest::newRow("no stand") << QStringList{"--order", "2"} << 2 << "kavrel-zones study";
        QTest::newRow("missing stand") << QStringList{"MISSING"} << 1 << "missing.txt";
        QTest::newRow("stem map without rectangle") << QStringList{"STEMS"} << 2 << "stand";
        QTest::newRow("stem map row with decimal commas")
            << QStringList{"--stand", "50,50", "-o", "OUTPUT", "COMMAS"} << 1 << "Zeile 3: 6 Werte gefunden";
        QTest::newRow("negative diameter")
            << QStringList{"-o", "OUTPUT", "NEGATIVE"} << 1 << "Baum 2 hat den negativen Durchmesser -4";
        QTest::newRow("output not writable")
            << QStringList{"-o", "/nonexistent/dir/out.csv", "STAND"} << 3 << "/nonexistent/dir/out.csv";
    }

    void badCallsAreRefused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, errorPiece);
        arguments.replaceInStrings(QStringLiteral("STAND"), m_stand);
        arguments.replaceInStrings(QStringLiteral("MISSING"),
                                   m_folder.filePath(QStringLiteral("missing.txt")));
        arguments.replaceInStrings(QStringLiteral("STEMS"), m_folder.filePath(QStringLiteral("stems.csv")));
        arguments.replaceInStrings(QStringLiteral("COMMAS"), m_folder.filePath(QStringLiteral("commas.csv")));
        arguments.replaceInStrings(QStringLiteral("NEGATIVE"),
                                   m_folder.filePath(QStringLiteral("negative.txt")));
        const QString output = m_folder.filePath(QStringLiteral("refused.csv"));
        arguments.replaceInStrings(QStringLiteral("OUTPUT"), output);
        const Run result = study(arguments);
        QCOMPARE(result.status, status);
        QVERIFY(result.out.isEmpty());
        QVERIFY2(result.err.contains(errorPiece), qPrintable(result.err));
        QVERIFY(!QFile::exists(output));
    }

    void badPatternsAreRefused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("errorPiece");
        QTest::newRow("unknown process") << QStringList{"--process", "strauss"} << "--process";
        QTest::newRow("count for clusters")
            << QStringList{"--process", "thomas", "--count", "5"} << "--count";
        QTest::newRow("size with decimals") << QStringList{"--size", "10.5,20"} << "--size";
        QTest::newRow("diameters") << QStringList{"--diameters", "gamma:2,3"} << "--diameters";
        QTest::newRow("count and intensity")
            << QStringList{"--count", "5", "--intensity", "400"} << "--count";
        QTest::newRow("hard core too dense")
            << QStringList{"--process", "matern-hardcore", "--hard-core", "10", "--intensity", "200"}
            << "hard-core";
    }

    void badPatternsAreRefused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, errorPiece);
        const QString file = m_folder.filePath(QStringLiteral("refused.txt"));
        const Run result = generate(arguments << file);
        QCOMPARE(result.status, int(ZonesUsageError));
        QVERIFY2(result.err.contains(errorPiece), qPrintable(result.err));
        QVERIFY(!QFile::exists(file));
    }

    // Trees beyond the stand's edge are said once, and the study goes on with
    // them as neighbours: two trees on 0.04 ha, 50 per hectare.
    void treesOutsideAreReported()
    {
        const Run result = study({"--replicates", "5", m_folder.filePath(QStringLiteral("outside.txt"))});
        QCOMPARE(result.status, int(ZonesSuccess));
        QCOMPARE(result.err.count(QLatin1Char('\n')), 1);
        QVERIFY2(result.err.contains(QStringLiteral("2 Bäume der Datei")), qPrintable(result.err));
        QVERIFY(result.out.contains(QStringLiteral(",horvitz_thompson,trees_per_ha,50,")));
    }

    // English messages quote as English does, whatever the German source.
    void englishQuotesAreEnglish_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("bad value") << QStringList{"study", "--design", "cluster", "STAND"};
        QTest::newRow("bad stem map value") << QStringList{"study", "--stand", "50,50", "BADVALUE"};
        QTest::newRow("too many values") << QStringList{"study", "--stand", "50,50", "COMMAS"};
        QTest::newRow("negative diameter") << QStringList{"study", "NEGATIVE"};
        QTest::newRow("output") << QStringList{"study", "-o", "/nonexistent/dir/out.csv", "STAND"};
    }

    void englishQuotesAreEnglish()
    {
        QFETCH(QStringList, arguments);
        const QString badValue = m_folder.filePath(QStringLiteral("badvalue.csv"));
        QFile file(badValue);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("x;y;d\n1;2;x\n");
        file.close();
        arguments.replaceInStrings(QStringLiteral("STAND"), m_stand);
        arguments.replaceInStrings(QStringLiteral("BADVALUE"), badValue);
        arguments.replaceInStrings(QStringLiteral("COMMAS"), m_folder.filePath(QStringLiteral("commas.csv")));
        arguments.replaceInStrings(QStringLiteral("NEGATIVE"),
                                   m_folder.filePath(QStringLiteral("negative.txt")));
        QProcess program;
        program.setEnvironment({QStringLiteral("LANG=en_US.UTF-8")});
        program.start(QStringLiteral(KAVREL_ZONES_PROGRAM), arguments);
        QVERIFY(program.waitForFinished(30000));
        QVERIFY(program.exitCode() != 0);
        const QString err = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(err.contains(QChar(0x201C)) && err.contains(QChar(0x201D)), qPrintable(err));
        QVERIFY2(!err.contains(QChar(0x201E)) && !err.contains(QLatin1Char('"')), qPrintable(err));
    }

    void helpListsTheOptions_data()
    {
        QTest::addColumn<bool>("studyCommand");
        QTest::addColumn<QStringList>("options");
        QTest::newRow("study") << true << QStringList{"--order",       "--replicates",    "--points",
                                                      "--design",      "--buffer",        "--torus",
                                                      "--plot-radius", "--per-replicate", "--per-point",
                                                      "--stand"};
        QTest::newRow("generate") << false
                                  << QStringList{"--process", "--intensity", "--hard-core", "--diameters",
                                                 "--seed"};
    }

    void helpListsTheOptions()
    {
        QFETCH(bool, studyCommand);
        QFETCH(QStringList, options);
        const Run result = studyCommand ? study({"--help"}) : generate({"--help"});
        QCOMPARE(result.status, int(ZonesSuccess));
        for (const QString &option : options)
            QVERIFY2(result.out.contains(option), qPrintable(option));
    }

    void helpSpeaksTheLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("start");
        QTest::newRow("C") << "LC_ALL=C.UTF-8"
                           << "Usage: kavrel-zones study [options]";
        QTest::newRow("unknown language") << "LANG=fr_FR.UTF-8"
                                          << "Usage: kavrel-zones study [options]";
        QTest::newRow("German") << "LANG=de_DE.UTF-8"
                                << "Aufruf: kavrel-zones study [Optionen]";
        QTest::newRow("Spanish") << "LANG=es_ES.UTF-8"
                                 << "Uso: kavrel-zones study [opciones]";
        QTest::newRow("Slovak") << "LANG=sk_SK.UTF-8"
                                << "Použitie: kavrel-zones study [voľby]";
    }

    void helpSpeaksTheLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, start);
        QProcess program;
        program.setEnvironment({locale});
        program.start(QStringLiteral(KAVREL_ZONES_PROGRAM), {"study", "--help"});
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitCode(), 0);
        const QString help = QString::fromUtf8(program.readAllStandardOutput());
        QVERIFY2(help.startsWith(start), qPrintable(help));
    }

    // Summary numbers are the same whatever language the user's locale asks for.
    void numbersIgnoreTheLanguage()
    {
        const QStringList arguments{"study", "--order", "2", "--replicates", "5", "--points", "4", m_stand};
        QByteArray reference;
        for (const char *locale : {"LC_ALL=C.UTF-8", "LC_ALL=de_DE.UTF-8", "LC_ALL=sk_SK.UTF-8"}) {
            QProcess program;
            program.setEnvironment({QString::fromLatin1(locale)});
            program.start(QStringLiteral(KAVREL_ZONES_PROGRAM), arguments);
            QVERIFY(program.waitForFinished(30000));
            QCOMPARE(program.exitCode(), 0);
            const QByteArray out = program.readAllStandardOutput();
            if (reference.isEmpty())
                reference = out;
            QCOMPARE(out, reference);
        }
    }

private:
    QTemporaryDir m_folder;
    QString m_stand;
};

QTEST_GUILESS_MAIN(TestStudyCli)
#include "tst_studycli.moc"

#include <QTest>
#include <cstdlib>
#include <kavrel/threads.h>
#ifdef Q_OS_WIN
#include <bit>
#include <qt_windows.h>
#else
#include <sched.h>
#endif

using namespace kavrel;

#ifdef Q_OS_WIN
// The C run time's environment, the one std::getenv reads.
static int setenv(const char *name, const char *value, int)
{
    return _putenv_s(name, value);
}

static int unsetenv(const char *name)
{
    return _putenv_s(name, "");
}
#endif

// Where the engine's thread count comes from: a count set in the program,
// then KAVREL_THREADS, then the processors the process may run on.
class TstThreads : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        setThreadCount(0);
        unsetenv(ThreadsVariable);
    }

    void textGivesThreadCount_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("threads");
        QTest::newRow("one") << "1" << 1;
        QTest::newRow("many") << "16" << 16;
        QTest::newRow("limit") << "1024" << 1024;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("above limit") << "1025" << 0;
        QTest::newRow("sign") << "+2" << 0;
        QTest::newRow("negative") << "-2" << 0;
        QTest::newRow("blank") << " 2" << 0;
        QTest::newRow("fraction") << "2.5" << 0;
        QTest::newRow("word") << "all" << 0;
        QTest::newRow("long") << "00000000002" << 0;
    }

    void textGivesThreadCount()
    {
        QFETCH(QString, text);
        QFETCH(int, threads);
        const std::optional<int> parsed = threadCountFromText(text.toStdString());
        QCOMPARE(parsed.value_or(0), threads);
    }

    void setCountWinsOverEnvironment()
    {
        setenv(ThreadsVariable, "3", 1);
        QCOMPARE(threadCount(), 3);
        setThreadCount(5);
        QCOMPARE(threadCount(), 5);
        setThreadCount(0);
        QCOMPARE(threadCount(), 3);
    }

    void badEnvironmentIsNamedAndIgnored()
    {
        setenv(ThreadsVariable, "lots", 1);
        const EnvironmentThreads read = threadsFromEnvironment();
        QVERIFY(!read.threads);
        QVERIFY(QString::fromStdString(read.error).contains(QLatin1String("KAVREL_THREADS")));
        QVERIFY(QString::fromStdString(read.error).contains(QLatin1String("\"lots\"")));
        QCOMPARE(threadCount(), availableProcessors());
        setenv(ThreadsVariable, "", 1);
        QVERIFY(threadsFromEnvironment().error.empty());
    }

    // Confined to one processor, as taskset -c 0 would, the engine starts one
    // thread, not one per core of the machine.
    void affinityMaskIsRespected()
    {
#ifdef Q_OS_WIN
        const HANDLE process = GetCurrentProcess();
        DWORD_PTR original = 0;
        DWORD_PTR system = 0;
        if (!GetProcessAffinityMask(process, &original, &system) || original == 0)
            QSKIP("the processor set of this process cannot be read");
        const DWORD_PTR one = original & (~original + 1);
        if (!SetProcessAffinityMask(process, one))
            QSKIP("this system does not let a process restrict its processors");
        const int confined = availableProcessors();
        const int threads = threadCount();
        SetProcessAffinityMask(process, original);
        QCOMPARE(confined, 1);
        QCOMPARE(threads, 1);
        QCOMPARE(availableProcessors(), std::popcount(static_cast<unsigned long long>(original)));
#else
        cpu_set_t original;
        CPU_ZERO(&original);
        if (sched_getaffinity(0, sizeof(original), &original) != 0)
            QSKIP("the processor set of this process cannot be read");
        int first = 0;
        while (first < CPU_SETSIZE && !CPU_ISSET(first, &original))
            ++first;
        cpu_set_t one;
        CPU_ZERO(&one);
        CPU_SET(first, &one);
        if (sched_setaffinity(0, sizeof(one), &one) != 0)
            QSKIP("this system does not let a process restrict its processors");
        const int confined = availableProcessors();
        const int threads = threadCount();
        sched_setaffinity(0, sizeof(original), &original);
        QCOMPARE(confined, 1);
        QCOMPARE(threads, 1);
        QCOMPARE(availableProcessors(), CPU_COUNT(&original));
#endif
    }
};

QTEST_APPLESS_MAIN(TstThreads)
#include "tst_threads.moc"

// Drives the update window the way a user does, in a process of its own, so
// that a test can watch the running program be replaced once it has ended.
//
//   kavrel-update-driver BASE-URL PUBLIC-KEY yes|no END-FILE
//
// The window updates this very program file. Every question is answered
// with the third argument; each question and message is printed as one line
// ("question: ..." or "message: ...", line breaks as " | "). After the first
// message (or a No) it prints "waiting" and ends once END-FILE exists, so the
// test decides when the program's file is released. (A file, because a
// standard input that Qt made a pipe of reads as ended at once under Wine.)

#include "underwine.h"
#include "update/connectiontest.h"
#include "update/form3.h"
#include "update/updateprompter.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <thread>

namespace {

constexpr int GiveUpMs = 120000;

void printLine(const char *kind, QString text)
{
    text.replace(u'\n', QStringLiteral(" | "));
    std::fputs(kind, stdout);
    std::fputs(": ", stdout);
    std::fputs(text.toUtf8().constData(), stdout);
    std::fputs("\n", stdout);
    std::fflush(stdout);
}

class Connected : public ConnectionTest
{
public:
    bool isConnected() override { return true; }
};

class AnsweringPrompter : public UpdatePrompter
{
public:
    explicit AnsweringPrompter(bool answer) : m_answer(answer) {}

    void inform(QMessageBox::Icon, const QString &text) override
    {
        printLine("message", text);
        QCoreApplication::exit(0);
    }

    bool askYesNo(const QString &text) override
    {
        printLine("question", text);
        if (!m_answer) {
            QCoreApplication::exit(0);
        }
        return m_answer;
    }

private:
    bool m_answer;
};

// Windows refuses to delete the file of a running program, which is what the
// replacement script waits on; Wine does not, so there the program holds its
// own file the way Windows would.
void holdOwnFileAsWindowsDoes()
{
#ifdef Q_OS_WIN
    if (runsUnderWine()) {
        const QString self = QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
        CreateFileW(reinterpret_cast<const wchar_t *>(self.utf16()), GENERIC_READ, FILE_SHARE_READ, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    }
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 5 || (arguments[3] != u"yes" && arguments[3] != u"no")) {
        std::fputs("usage: kavrel-update-driver BASE-URL PUBLIC-KEY yes|no END-FILE\n", stderr);
        return 2;
    }
    holdOwnFileAsWindowsDoes();
    {
        Form3 window;
        window.setConnectionTest(std::make_unique<Connected>());
        window.setPrompter(std::make_unique<AnsweringPrompter>(arguments[3] == u"yes"));
        window.setUpdateBaseUrl(arguments[1]);
        window.setPublicKey(arguments[2].toLatin1());
        window.show();
        QTimer::singleShot(GiveUpMs, [] {
            std::fputs("gave up waiting for the update window\n", stderr);
            QCoreApplication::exit(3);
        });
        // Pressed once the event loop runs, so that an answer at once still ends it.
        QTimer::singleShot(0, &window, [&window] {
            window.findChild<QPushButton *>(QStringLiteral("cmdCheckForUpdate"))->click();
        });
        if (const int status = QApplication::exec(); status != 0) {
            return status;
        }
    }
    std::fputs("waiting\n", stdout);
    std::fflush(stdout);
    for (int waited = 0; !QFileInfo::exists(arguments[4]); waited += 50) {
        if (waited > GiveUpMs) {
            return 3;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return 0;
}

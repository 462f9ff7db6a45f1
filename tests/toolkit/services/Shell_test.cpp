// Starting programs and waiting for their exit; which links and documents may reach the desktop's programs.
#include "toolkit/services/Shell.h"
#include "toolkit/system/Streams.h"

#include "TestSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <QUrl>
#include <gtest/gtest.h>
#include <signal.h>

namespace {

QString writeShellScript(const QString& name, const QByteArray& body, bool executable = true) {
    const QString path = qvtest::TempDir() + "/" + name;
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\n" + body + "\n");
    f.close();
    if (executable) f.setPermissions(f.permissions() | QFile::ExeOwner | QFile::ExeUser);
    return path;
}

bool processAlive(qint64 pid) {
    return pid > 0 && ::kill(pid_t(pid), 0) == 0;
}

struct UrlOpenerCapture {
    UrlOpenerCapture() {
        Previous = SetUrlOpener([this](const String& url) {
            Opened << url;
            return true;
        });
    }
    ~UrlOpenerCapture() { SetUrlOpener(Previous); }
    QStringList Opened;
    TUrlOpener Previous;
};

} // namespace

TEST(Shell, WaitReturnsTheProgramsExitCode) {
    const QString script = writeShellScript("exits.sh", "sleep 0.1\nexit \"${1:-3}\"");
    struct Case {
        const char* Parameters;
        int ExitCode;
    } cases[] = {{"", 3}, {"7", 7}, {"\"0\" ignored", 0}};
    for (const Case& c : cases) {
        TProgramRef program = StartProgram(script, c.Parameters, false);
        ASSERT_TRUE(program->Started()) << program->ErrorText().toStdString();
        int keptAlive = 0;
        TWaitResult r = WaitForExit(program, 10000, [&] { ++keptAlive; });
        EXPECT_EQ(r.Outcome, TWaitOutcome::Exited) << c.Parameters;
        EXPECT_EQ(r.ExitCode, c.ExitCode) << c.Parameters;
        EXPECT_FALSE(r.Crashed);
        EXPECT_GT(keptAlive, 0) << "the 0.1 s wait went by without a keep-alive";
    }
}

TEST(Shell, ProgramPastTheLimitIsStillRunningAndIsLeftRunning) {
    const QString script = writeShellScript("stays.sh", "exec sleep 30");
    TProgramRef program = StartProgram(script, "", true);
    ASSERT_TRUE(program->Started());
    TWaitResult r = WaitForExit(program, 150);
    EXPECT_EQ(r.Outcome, TWaitOutcome::StillRunning);
    const qint64 pid = program->ProcessId();
    ASSERT_TRUE(processAlive(pid));
    program.reset(); // giving up the handle must not end the program
    EXPECT_TRUE(processAlive(pid));
    ::kill(pid_t(pid), SIGKILL);
    QElapsedTimer clock; // the kept process is reaped once its end is seen by the event loop
    clock.start();
    while (processAlive(pid) && clock.elapsed() < 10000) {
        QCoreApplication::processEvents();
        QThread::msleep(5);
    }
    EXPECT_FALSE(processAlive(pid));
}

TEST(Shell, ProgramThatCannotStartIsReported) {
    const QString notExecutable = writeShellScript("plain.sh", "exit 0", false);
    for (const QString& path : {QString("/nonexistent/Ethernet_Update.exe"), notExecutable, QString()}) {
        TProgramRef program = StartProgram(path, "", false);
        EXPECT_FALSE(program->Started()) << path.toStdString();
        EXPECT_FALSE(program->ErrorText().isEmpty());
        EXPECT_EQ(WaitForExit(program, 1000).Outcome, TWaitOutcome::FailedToStart);
    }
    EXPECT_EQ(WaitForExit(nullptr, 1000).Outcome, TWaitOutcome::FailedToStart);
}

TEST(Shell, OpenUrlPassesOnlyWebAndMailLinks) {
    UrlOpenerCapture capture;
    struct Case {
        const char* Url;
        bool Opened;
    } cases[] = {
        {"https://www.example.com/Home/download/download.asp#LD83K17", true},
        {"http://www.example.com/HOME/default.asp?frompg=RV83K17", true},
        {"HTTPS://www.example.com/", true},
        {"mailto:support@example.com", true},
        {"file:///etc/passwd", false},
        {"javascript:alert(1)", false},
        {"ftp://www.example.com/", false},
        {"/etc/passwd", false},
        {"http://", false},
        {"mailto:", false},
        {"", false},
    };
    QStringList expected;
    for (const Case& c : cases) {
        EXPECT_EQ(OpenUrl(c.Url), c.Opened) << c.Url;
        if (c.Opened) expected << c.Url;
    }
    ASSERT_EQ(capture.Opened.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(capture.Opened[i].toLower(), expected[i].toLower());
}

TEST(Shell, OpenWrittenFileOpensOnlyTheDocumentThisRunWroteAsItIs) {
    UrlOpenerCapture capture;
    const QString dir = qvtest::TempDir();
    const QString written = dir + "/export.html";
    ASSERT_TRUE(SaveFileAtomically(written, "<p>grid</p>"));
    const QString foreign = dir + "/foreign.html";
    QFile f(foreign);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<p>not ours</p>");
    f.close();
    const QString link = dir + "/link.html";
    ASSERT_TRUE(QFile::link(written, link));

    EXPECT_TRUE(OpenWrittenFile(written));
    ASSERT_EQ(capture.Opened.size(), 1);
    EXPECT_EQ(capture.Opened[0], QUrl::fromLocalFile(written).toString());

    EXPECT_FALSE(OpenWrittenFile(foreign));               // written by someone else
    EXPECT_FALSE(OpenWrittenFile(link));                  // a link, even to our own file
    EXPECT_FALSE(OpenWrittenFile(dir));                   // a folder
    EXPECT_FALSE(OpenWrittenFile(dir + "/missing.html")); // nothing there
    EXPECT_FALSE(OpenWrittenFile(""));

    // Changed behind our back: no longer what we wrote.
    QFile again(written);
    ASSERT_TRUE(again.open(QIODevice::Append));
    again.write("<script>");
    again.close();
    EXPECT_FALSE(OpenWrittenFile(written));
    // Replaced by another file under the same name.
    ASSERT_TRUE(SaveFileAtomically(written, "<p>grid</p>"));
    ASSERT_TRUE(QFile::remove(written));
    ASSERT_TRUE(QFile::copy(foreign, written));
    EXPECT_FALSE(OpenWrittenFile(written));
    EXPECT_EQ(capture.Opened.size(), 1);
}

// Shared test helpers: temporary folders and a scripted answerer for the interaction seam.
#pragma once

#include "toolkit/controls/Dialogs.h"

#include <QString>
#include <QStringList>
#include <csignal>
#include <deque>
#include <memory>
#include <ostream>
#include <functional>
#include <sys/resource.h>
#include <vector>

// Readable failure messages for Qt texts.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) { *os << '[' << l.join("|").toStdString() << ']'; }

// Registers the design classes of every layer this test program links, as the program's main() does. Each
// test program defines it once, in tests/<layer>/TestProgram.cpp; the shared test main calls it.
void RegisterTestProgramClasses();

namespace qvtest {
// A fresh empty folder under the system's temporary folder, removed when the test program ends.
QString TempDir();

// A file system of a few KiB of its own, to fill up: a tmpfs mounted for the test, which needs root.
// Where it cannot be mounted Available() is false and Why() says so (the test skips with it). It is
// unmounted when the object goes, whichever way the test ends.
class SmallFileSystem {
public:
    explicit SmallFileSystem(int kib = 16);
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;
    bool Available() const { return FMounted; }
    QString Why() const { return FWhy; }
    QString Path() const { return FPath; }
    // Takes up all the space left, so that the next write of any size fails.
    void Fill();

private:
    QString FPath;
    QString FWhy;
    bool FMounted = false;
};

// While it lives, the process may write files of at most `bytes` bytes: a write past that is cut short, as
// on a full disk (also for root, whom file permissions do not stop). The signal such a write raises is
// ignored, so the write fails instead.
class FileSizeLimit {
public:
    explicit FileSizeLimit(unsigned long long bytes) {
        getrlimit(RLIMIT_FSIZE, &FOld);
        FOldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lower = FOld;
        lower.rlim_cur = rlim_t(bytes);
        setrlimit(RLIMIT_FSIZE, &lower);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &FOld);
        std::signal(SIGXFSZ, FOldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit FOld{};
    void (*FOldHandler)(int) = nullptr;
};

// A small HTTP server on 127.0.0.1 for the tests of the clients: `Respond` turns a request path into a whole
// HTTP response; an empty response leaves the request unanswered, like a server that hangs.
class LoopbackHttpServer {
public:
    LoopbackHttpServer();
    ~LoopbackHttpServer();
    quint16 Port() const;
    QString Host() const { return QStringLiteral("127.0.0.1:%1").arg(Port()); }
    QString Url(const QString& path) const { return QStringLiteral("http://%1%2").arg(Host(), path); }
    // A complete response with the given status, body and extra header lines ("Name: value\r\n" each).
    static QByteArray Response(int status, const QByteArray& body, const QByteArray& headers = "Content-Type: text/html\r\n");
    std::function<QByteArray(const QByteArray& path)> Respond;
    QList<QByteArray> Requests;

private:
    struct Impl;
    std::unique_ptr<Impl> FImpl;
};

// Answers every message box, modal form and file dialog from a script, and records what was shown.
// Installed for its lifetime; an unscripted question fails the test instead of hanging it.
class ScriptedInteraction : public TInteraction {
public:
    struct Shown {
        enum Kind { Message, Modal, File } kind;
        TMessageRequest message;      // for Message
        QString formClass;            // for Modal
        TFileDialogRequest fileDialog; // for File
    };

    ScriptedInteraction();
    ~ScriptedInteraction() override;

    // The next message box answers `answer`.
    void AnswerMessage(int answer);
    // The next modal form runs `script` (which may set fields, click buttons, set ModalResult).
    void AnswerModal(std::function<void(TCustomForm*)> script);
    // The next file dialog picks `fileName` (empty: the person cancels).
    void AnswerFile(const QString& fileName);

    const std::vector<Shown>& History() const { return FHistory; }
    // Texts of the message boxes shown so far.
    QStringList Messages() const;
    int Pending() const { return int(FMessages.size() + FModals.size() + FFiles.size()); }

    int MessageBox(const TMessageRequest& request) override;
    void RunModal(TCustomForm* form) override;
    bool FileDialog(TFileDialogRequest& request) override;

private:
    std::deque<int> FMessages;
    std::deque<std::function<void(TCustomForm*)>> FModals;
    std::deque<QString> FFiles;
    std::vector<Shown> FHistory;
    TInteraction* FPrevious = nullptr;
};
} // namespace qvtest

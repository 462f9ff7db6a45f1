// Starting other programs and waiting for them; opening web and mail links in the user's programs.
#pragma once

#include "toolkit/services/ServiceWait.h"
#include "toolkit/system/Types.h"

class QProcess;

enum class TWaitOutcome {
    Exited,        // the program ended; ExitCode holds its code
    StillRunning,  // the limit passed first; the program goes on running
    FailedToStart, // there was nothing to wait for
};

struct TWaitResult {
    TWaitOutcome Outcome = TWaitOutcome::FailedToStart;
    int ExitCode = 0;
    // The program was ended by a signal rather than by exiting; ExitCode is then meaningless.
    bool Crashed = false;
};

// A program started by StartProgram. Dropping the handle leaves the program running.
class TProgramHandle {
public:
    ~TProgramHandle();
    TProgramHandle(const TProgramHandle&) = delete;
    TProgramHandle& operator=(const TProgramHandle&) = delete;

    static std::shared_ptr<TProgramHandle> Start(const String& path, const String& parameters, bool hidden);
    TWaitResult WaitForExit(int timeoutMs, const TKeepAlive& keepAlive);

    bool Started() const { return FStarted; }
    bool Hidden() const { return FHidden; }
    // Why the start failed; empty when it started.
    String ErrorText() const { return FErrorText; }
    qint64 ProcessId() const;
    // Ends the program at once (tests and shutdown); nothing when it has already ended.
    void Kill();

private:
    TProgramHandle() = default;
    QProcess* FProcess = nullptr;
    bool FStarted = false;
    bool FHidden = false;
    String FErrorText;
};
using TProgramRef = std::shared_ptr<TProgramHandle>;

// Starts the program file `path` with the command line `parameters` (split like a shell does, quotes
// group words; may be empty). `hidden` asks for no window; on this platform a program decides that
// itself, so the flag is a wish. Never raises: a failed start gives a handle whose Started() is false.
TProgramRef StartProgram(const String& path, const String& parameters, bool hidden);

// Waits up to `timeoutMs` for the program to end, looking every 10 ms and calling `keepAlive` (when set)
// between looks.
TWaitResult WaitForExit(const TProgramRef& program, int timeoutMs, const TKeepAlive& keepAlive = {});

// Opens `url` with the user's browser or mail program. Only http, https and mailto links are opened:
// anything else (local files, scripts, other handlers) is refused with false, as is a link that does not
// parse. Returns whether the opener took it.
bool OpenUrl(const String& url);

// Opens a document this program wrote (an export shown to the person) with the desktop's program for its
// kind. Only a regular file that SaveFileAtomically wrote in this run, unchanged since, is opened; anything
// else (another file, a folder, a link, a file changed or replaced meanwhile) is refused with false.
bool OpenWrittenFile(const String& path);

// The routine that finally hands a link to the desktop; tests install their own to capture links.
using TUrlOpener = std::function<bool(const String& url)>;
// Installs `opener` (an empty function restores the desktop's) and returns the previous one.
TUrlOpener SetUrlOpener(TUrlOpener opener);

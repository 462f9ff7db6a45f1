// Programs run through QProcess (we need their exit code); links go through QDesktopServices.
#include "toolkit/services/Shell.h"
#include "toolkit/system/Streams.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include <algorithm>
#include <vector>

namespace {

constexpr int kExitPollMs = 10;

// Programs whose handle was dropped while they still ran: kept (and never killed) until they end, so
// leaving the wait early never ends the program.
void keepRunningProgram(QProcess* process) {
    // Held in a list that is never freed, so a program still running when we end is left alone.
    static auto* running = new std::vector<QProcess*>;
    running->push_back(process);
    QObject::connect(process, &QProcess::finished, process, [process] {
        running->erase(std::remove(running->begin(), running->end(), process), running->end());
        process->deleteLater();
    });
}

bool openWithDesktop(const String& url) {
    return QDesktopServices::openUrl(QUrl(url, QUrl::StrictMode));
}

TUrlOpener& urlOpener() {
    static TUrlOpener opener = openWithDesktop;
    return opener;
}

} // namespace

TProgramHandle::~TProgramHandle() {
    if (!FProcess) return;
    if (FProcess->state() == QProcess::NotRunning)
        delete FProcess;
    else
        keepRunningProgram(FProcess);
}

TProgramRef TProgramHandle::Start(const String& path, const String& parameters, bool hidden) {
    TProgramRef handle(new TProgramHandle);
    handle->FHidden = hidden;
    if (path.trimmed().isEmpty()) {
        handle->FErrorText = QStringLiteral("No program given");
        return handle;
    }
    auto process = std::make_unique<QProcess>();
    // Like a program started from the desktop: nothing of ours on its standard channels, and no
    // unbounded buffering of output nobody reads.
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start(path, QProcess::splitCommand(parameters));
    if (!process->waitForStarted(-1)) {
        handle->FErrorText = process->errorString();
        return handle;
    }
    handle->FProcess = process.release();
    handle->FStarted = true;
    return handle;
}

TWaitResult TProgramHandle::WaitForExit(int timeoutMs, const TKeepAlive& keepAlive) {
    TWaitResult result;
    if (!FStarted || !FProcess) return result;
    QElapsedTimer clock;
    clock.start();
    while (FProcess->state() != QProcess::NotRunning) {
        qint64 left = timeoutMs - clock.elapsed();
        if (left <= 0) {
            result.Outcome = TWaitOutcome::StillRunning;
            return result;
        }
        FProcess->waitForFinished(int(std::min<qint64>(left, kExitPollMs)));
        if (FProcess->state() != QProcess::NotRunning && keepAlive) keepAlive();
    }
    result.Outcome = TWaitOutcome::Exited;
    result.Crashed = FProcess->exitStatus() == QProcess::CrashExit;
    result.ExitCode = FProcess->exitCode();
    return result;
}

qint64 TProgramHandle::ProcessId() const {
    return FProcess ? FProcess->processId() : 0;
}

void TProgramHandle::Kill() {
    if (FProcess && FProcess->state() != QProcess::NotRunning) {
        FProcess->kill();
        FProcess->waitForFinished(-1);
    }
}

TProgramRef StartProgram(const String& path, const String& parameters, bool hidden) {
    return TProgramHandle::Start(path, parameters, hidden);
}

TWaitResult WaitForExit(const TProgramRef& program, int timeoutMs, const TKeepAlive& keepAlive) {
    return program ? program->WaitForExit(timeoutMs, keepAlive) : TWaitResult{};
}

bool OpenUrl(const String& url) {
    QUrl parsed(url.trimmed(), QUrl::StrictMode);
    if (!parsed.isValid() || parsed.isRelative()) return false;
    const String scheme = parsed.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https")) {
        if (parsed.host().isEmpty()) return false;
    } else if (scheme == QLatin1String("mailto")) {
        if (parsed.path().isEmpty()) return false;
    } else {
        return false;
    }
    return urlOpener()(parsed.toString());
}

bool OpenWrittenFile(const String& path) {
    if (!IsFileAsWritten(path)) return false;
    return urlOpener()(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString());
}

TUrlOpener SetUrlOpener(TUrlOpener opener) {
    TUrlOpener previous = std::move(urlOpener());
    urlOpener() = opener ? std::move(opener) : TUrlOpener(openWithDesktop);
    return previous;
}

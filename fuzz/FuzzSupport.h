// What the fuzz targets share: a headless application made once and a private folder for input files.
#pragma once

#include "controls/ControlsClasses.h"
#include "toolkit/controls/Dialogs.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/designs/DesignFile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace qvfuzz {

// Answers every message box at once and closes every modal window, so that a reader that reports a bad
// file with a message does not wait for a person.
class SilentAnswers : public TInteraction {
public:
    int MessageBox(const TMessageRequest&) override { return mrOk; }
    void RunModal(TCustomForm* form) override { form->SetModalResult(mrCancel); }
    bool FileDialog(TFileDialogRequest&) override { return false; }
};

inline void AnswerSilently() {
    static SilentAnswers answers;
    SetInteraction(&answers);
}

// The one headless application of the run (windows and pictures need it); nothing waits for a person.
inline void StartApplication() {
    static bool started = false;
    if (started) return;
    started = true;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*=false");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        static QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    }
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static TApplication* app = new TApplication(argc, argv); // lives for the whole run
    (void)app;
    // As the program's main does: windows read their designs with every layer's classes known.
    RegisterToolkitClasses();
    RegisterControlsClasses();
    AnswerSilently();
}

// A folder of this run, removed at exit.
inline QString WorkDir() {
    static QTemporaryDir dir;
    return dir.path();
}

inline QByteArray Bytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// Writes the input as the file `name` in the run's folder and gives its path.
inline QString WriteInput(const QString& name, const uint8_t* data, size_t size) {
    const QString path = WorkDir() + "/" + name;
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    return path;
}

} // namespace qvfuzz

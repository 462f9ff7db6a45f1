// Cross-checks of written files with Debian's Python modules (openpyxl, docx): the tests skip them with a
// message where the interpreter or the module is missing.
#pragma once

#include <QProcess>
#include <QString>
#include <gtest/gtest.h>
#include <optional>

namespace pythoncheck {

// Runs a Python script after importing Module; nullopt when the interpreter or the module is not there.
inline std::optional<QString> RunPython(const QString& Module, const QString& Script) {
    QProcess p;
    p.start("/usr/bin/python3", {"-c", QStringLiteral("import %1\n").arg(Module) + Script});
    if (!p.waitForFinished(60000)) return std::nullopt;
    if (p.exitCode() != 0) {
        const QByteArray error = p.readAllStandardError();
        if (error.contains("ModuleNotFoundError")) return std::nullopt;
        ADD_FAILURE() << "python failed: " << error.toStdString();
        return std::nullopt;
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

inline bool HasModule(const char* Module) {
    QProcess p;
    p.start("/usr/bin/python3", {"-c", QStringLiteral("import %1").arg(Module)});
    return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

} // namespace pythoncheck

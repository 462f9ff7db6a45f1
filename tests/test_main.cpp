// Test entry: headless Qt, a private runtime folder, the application object, then GoogleTest.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "TestSupport.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/services/NetworkGuard.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        QByteArray dir = QDir::tempPath().toUtf8() + "/qv-test-runtime-" + QByteArray::number(getuid());
        QDir().mkpath(QString::fromUtf8(dir));
        chmod(dir.constData(), 0700);
        qputenv("XDG_RUNTIME_DIR", dir);
    }
    // The per-user settings a test writes go to a folder of this run, never to the user's own.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    // No test may reach another machine, whatever it asks for.
    SetLoopbackOnly(true);
    ::testing::InitGoogleTest(&argc, argv);
    TApplication app(argc, argv);
    RegisterTestProgramClasses();
    return RUN_ALL_TESTS();
}

// A program folder of the test's own, with the windows created as at start and freed again at the end.
#pragma once

#include "TestSupport.h"
#include "configurator/UMakerSite.h"
#include "configurator/UQuenvarroweFirmWare.h"
#include "configurator/UWindows.h"
#include "core/UComon.h"
#include "toolkit/system/SysUtils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace qvtest {

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        FExeDir = TempDir();
        SetExeDirOverride(FExeDir);
        Reset_Program_State();
    }
    void TearDown() override {
        Free_Program_Windows();
        SetExeDirOverride(QString());
        SetMakerHostOverride(QString());
    }
    // The start sequence, in the program folder as it stands now.
    void Start() {
        SetExeDirOverride(FExeDir);
        Reset_Program_State();
        Create_Program_Windows();
    }
    void WriteFile(const QString& relative, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(FExeDir + "/" + relative).path());
        QFile f(FExeDir + "/" + relative);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray ReadFile(const QString& relative) const {
        QFile f(FExeDir + "/" + relative);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QString FExeDir;
};

} // namespace qvtest

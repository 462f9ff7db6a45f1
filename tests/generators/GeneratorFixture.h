// An open configuration with the program's windows, a fixed clock and golden-file comparison for the
// description-file generators.
#pragma once

#include "configurator/ProgramFixture.h"
#include "controls/buttons/SbButton.h"
#include "toolkit/system/Clock.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace qvgen {

inline QString GeneratorData(const QString& name) {
    return QStringLiteral(QV_TEST_DATA_DIR "/generators/") + name;
}

inline QByteArray ReadBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class GeneratorTest : public qvtest::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        SetFixedClock(kClock);
        Start();
        QDir().mkpath(Dir_Projects + "/Plant");
        Name_Project = "Plant";
        Dir_Project = Dir_Projects + "/Plant";
        FQuenvarroweFirmWare->Set_Files();
    }
    void TearDown() override {
        ClearFixedClock();
        ProgramTest::TearDown();
    }
    // Puts a fixture table file of tests/data/generators into the configuration.
    void CopyFixture(const QString& name, const QString& as = QString()) {
        const QString target = Dir_Project + "/" + (as.isEmpty() ? name : as);
        QFile::remove(target);
        ASSERT_TRUE(QFile::copy(GeneratorData(name), target)) << name.toStdString();
    }
    void WriteProjectFile(const QString& name, const QByteArray& bytes) {
        QFile f(Dir_Project + "/" + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    void Click(const char* button) {
        FQuenvarroweFirmWare->Btn_Click(FQuenvarroweFirmWare->FindComponent(button));
    }
    // Compares with the golden file; QV_UPDATE_GOLDEN=1 rewrites the golden file instead.
    void ExpectGolden(const QByteArray& bytes, const QString& golden) {
        const QString path = GeneratorData("golden/" + golden);
        if (qEnvironmentVariableIsSet("QV_UPDATE_GOLDEN")) {
            QDir().mkpath(GeneratorData("golden"));
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(bytes);
            return;
        }
        EXPECT_EQ(QString::fromLatin1(bytes), QString::fromLatin1(ReadBytes(path))) << golden.toStdString();
    }

    static constexpr TLocalDateTime kClock{2026, 3, 7, 9, 5, 3};
};

} // namespace qvgen

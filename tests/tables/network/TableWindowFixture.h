// The fixture of the table window tests: the program's windows with a configuration open, and the
// fixture table files put in its folder.
#pragma once

#include "configurator/DialogFixture.h"
#include "tables/frame/UTableWindow.h"

#include <QFile>

namespace qvtables {

class TableWindowTest : public DialogsTest {
protected:
    void SetUp() override {
        DialogsTest::SetUp();
        Dir_Project = Dir_Projects + "/Plant";
        QDir().mkpath(Dir_Project);
        Set_Table_File_Paths();
    }
    static void PutFile(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    static QByteArray FileBytes(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static QByteArray Fixture(const QString& name) {
        return FileBytes(QStringLiteral(QV_TEST_DATA_DIR "/tables/") + name);
    }
};

} // namespace qvtables

using qvtables::TableWindowTest;

#include "configurator/PersonInput.h"
#include "controls/grid/QvCGrid.h"

namespace qvtables {

using qvtest::ClickCell;
using qvtest::ClickControl;
using qvtest::TypeIntoCell;

// A key typed into a control's window.
inline void TypeKey(TControl* control, int key, const QString& text) {
    qvdialogs::dialogsType(control->Widget(), key, text);
}

} // namespace qvtables

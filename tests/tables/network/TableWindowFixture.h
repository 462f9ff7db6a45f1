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

#include <QApplication>
#include <QMouseEvent>

namespace qvtables {

// A left click in the middle of a control's window, as a person makes it.
inline void ClickControl(TControl* control) {
    QWidget* w = control->Widget();
    const QPointF p(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, p, w->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, p, w->mapToGlobal(p), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

// A key typed into a control's window.
inline void TypeKey(TControl* control, int key, const QString& text) {
    qvdialogs::dialogsType(control->Widget(), key, text);
}

} // namespace qvtables

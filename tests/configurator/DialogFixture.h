// The fixture of the dialog tests: a program started in a temporary folder with all its windows.
#pragma once

#include "ProgramFixture.h"
#include "configurator/UWindows.h"
#include "core/ULanguage.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QWidget>

namespace qvdialogs {

class DialogsTest : public qvtest::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        Create_Program_Windows();
    }
    QStringList Projects() const {
        return QDir(Dir_Projects).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }
    static QString Text(int n) { return Lang_Texts->Strings(n); }
};

// A key typed into a native window, as a person types it.
inline void dialogsType(QWidget* w, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &release);
}

} // namespace qvdialogs

using qvdialogs::DialogsTest;

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

#include "controls/grid/QvCGrid.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

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

// A left click in the middle of a cell (by real column), as a person makes it, after scrolling the
// column into view when it is not wholly in sight.
inline void ClickCell(TQvColumnGrid* grid, int realCol, int row) {
    const int col = grid->DisplColIndex(realCol);
    const TRect seen = grid->CellRect(col, row);
    if (seen.IsEmpty() || seen.Right > grid->ClientWidth())
        grid->SetLeftCol(std::max(grid->FixedCols(), col));
    const TRect rc = grid->CellRect(col, row);
    const QPointF at((rc.Left + rc.Right) / 2.0, (rc.Top + rc.Bottom) / 2.0);
    QWidget* cells = grid->Widget();
    for (QWidget* w : grid->Widget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (!qobject_cast<QScrollBar*>(w)) cells = w;
    QMouseEvent press(QEvent::MouseButtonPress, at, cells->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(cells, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, cells->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(cells, &release);
}

// Clicks the cell and types the text, key by key, to whatever has the focus (the grid, then the in-place
// editor its first character opens); Enter ends the edit.
inline void TypeIntoCell(TQvColumnGrid* grid, int realCol, int row, const QString& text) {
    ClickCell(grid, realCol, row);
    auto key = [grid](int code, const QString& t) {
        qvdialogs::dialogsType(QApplication::focusWidget() ? QApplication::focusWidget() : grid->Widget(),
                               code, t);
    };
    for (const QChar ch : text)
        key(ch.toUpper().unicode(), QString(ch)); // a printable ASCII character is its own key code
    key(Qt::Key_Return, "\r");
}

} // namespace qvtables

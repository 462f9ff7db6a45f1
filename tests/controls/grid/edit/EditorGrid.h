// A shown string grid with the focus, for driving its in-place editors with real key, wheel and mouse events.
#pragma once

#include "InputEvents.h"
#include "controls/grid/QvGrid.h"
#include "toolkit/controls/Forms.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>
#include <gtest/gtest.h>

namespace editorgrid {

// Grid: the string grid or a class of a test's derived from it.
template <class Grid = TQvStringGrid> struct ShownGrid {
    TForm form{nullptr};
    Grid* grid;
    explicit ShownGrid(int cols = 5, int rows = 6) {
        form.SetClientSize(500, 300);
        grid = new Grid(&form);
        grid->SetParent(&form);
        grid->SetBounds(0, 0, 480, 280);
        grid->SetColCount(cols);
        grid->SetRowCount(rows);
        grid->SetOptions(grid->Options() | goEditing);
        form.Show();
        grid->SetFocus();
        QApplication::processEvents();
    }
    ~ShownGrid() { form.Hide(); }
    void Go(int c, int r) {
        grid->SetCol(c);
        grid->SetRow(r);
    }
    TPoint Cell() const { return TPoint(grid->Col(), grid->Row()); }
    // The control that has the focus (an editor, or the grid).
    TControl* Focused() const { return FindControl(QApplication::focusWidget()); }
};
using EditorGrid = ShownGrid<>;

// A key as the platform delivers it.
inline void Key(int key, const QString& text = QString(), Qt::KeyboardModifiers mods = Qt::NoModifier) {
    qvtest::KeyToFocus(key, text, mods);
}

inline void Enter() {
    Key(Qt::Key_Return, "\r");
}

inline void Escape() {
    Key(Qt::Key_Escape, QString(QChar(27)));
}

inline void Type(const QString& text) {
    for (QChar ch : text) {
        int key = Qt::Key_unknown;
        if (ch.isLetter()) key = Qt::Key_A + (ch.toUpper().unicode() - 'A');
        if (ch.isDigit()) key = Qt::Key_0 + (ch.unicode() - '0');
        if (ch == QChar(' ')) key = Qt::Key_Space;
        Key(key, QString(ch));
    }
}

// One notch of the wheel over a widget: towards the person (down) for a negative delta.
inline void Wheel(QWidget* w, int delta) {
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QWheelEvent e(at, w->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}

} // namespace editorgrid

// What a person does with the mouse and keys in the configurator's windows, as real Qt events: clicks on a
// control or a grid cell, keys typed where the focus is, text typed into a cell.
#pragma once

#include "InputEvents.h"
#include "configurator/DialogFixture.h"
#include "controls/grid/QvGrid.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>

namespace qvtest {

// A left click in the middle of a control's window.
inline void ClickControl(TControl* control) {
    QWidget* w = control->Widget();
    ClickAt(w, QPointF(w->width() / 2.0, w->height() / 2.0));
}

// The widget that shows a grid's cells: its one direct child that is no scroll bar.
inline QWidget* GridCells(TQvStringGrid* grid) {
    for (QWidget* w : grid->Widget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (!qobject_cast<QScrollBar*>(w)) return w;
    return grid->Widget();
}

// The middle of a cell (by real column) in the cells widget's coordinates, after scrolling the column into
// view when it is not wholly in sight.
inline QPointF CellCentre(TQvStringGrid* grid, int realCol, int row) {
    const int col = grid->DisplColIndex(realCol);
    const TRect seen = grid->CellRect(col, row);
    if (seen.IsEmpty() || seen.Right > grid->ClientWidth())
        grid->SetLeftCol(std::max(grid->FixedCols(), col));
    const TRect rc = grid->CellRect(col, row);
    return QPointF((rc.Left + rc.Right) / 2.0, (rc.Top + rc.Bottom) / 2.0);
}

// A left click in the middle of a cell (a check box sits there in its column).
inline void ClickCell(TQvStringGrid* grid, int realCol, int row) {
    const QPointF at = CellCentre(grid, realCol, row);
    ClickAt(GridCells(grid), at);
}

// A key typed to whatever has the focus (the grid, then the in-place editor its first character opens).
inline void TypeToFocus(TControl* fallback, int key, const QString& text) {
    qvdialogs::dialogsType(QApplication::focusWidget() ? QApplication::focusWidget() : fallback->Widget(),
                           key, text);
}

// Clicks the cell and types the text key by key; Enter ends the edit.
inline void TypeIntoCell(TQvStringGrid* grid, int realCol, int row, const QString& text) {
    ClickCell(grid, realCol, row);
    for (const QChar ch : text)
        TypeToFocus(grid, ch.toUpper().unicode(),
                    QString(ch)); // a printable ASCII character is its own key code
    TypeToFocus(grid, Qt::Key_Return, "\r");
}

} // namespace qvtest

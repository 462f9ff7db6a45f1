// A string grid shown on a form, for the tests that drive it by mouse and keys: one fixed row, column 1
// naming the rows ("r1" ..), column 2 holding the given values.
#pragma once

#include "controls/grid/QvGrid.h"
#include "toolkit/controls/Forms.h"

#include <QApplication>
#include <QScrollBar>
#include <QWidget>

#include <memory>

namespace qvtest {

struct GridOnForm {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TQvStringGrid* grid = new TQvStringGrid(form.get());

    explicit GridOnForm(const QStringList& Values) {
        form->SetBounds(0, 0, 600, 400);
        grid->SetParent(form.get());
        grid->SetBounds(0, 0, 500, 300);
        grid->SetColCount(4);
        grid->SetRowCount(static_cast<int>(Values.size()) + 1);
        for (int r = 1; r < grid->RowCount(); ++r) {
            grid->SetCells(1, r, QString("r%1").arg(r));
            grid->SetCells(2, r, Values[r - 1]);
        }
    }
    void Show() {
        form->Show();
        QApplication::processEvents();
    }
    // The widget that shows the cells: the grid's direct child that is neither a scroll bar nor a value list.
    QWidget* Cells() const {
        for (QWidget* w : grid->Widget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (!qobject_cast<QScrollBar*>(w) && w != grid->FilterList()->Widget() &&
                w != grid->FilterCheckList()->Widget())
                return w;
        return grid->Widget();
    }
    // The names of the shown rows, row 1 on.
    QStringList Names() const {
        QStringList out;
        for (int r = 1; r < grid->RowCount(); ++r)
            out << grid->Cells(1, r);
        return out;
    }
    // A point inside header cell ACol, Fromright pixels left of its right edge.
    QPointF HeaderPoint(int ACol, int FromRight) const {
        const TRect h = grid->CellRect(ACol, 0);
        return QPointF(h.Right - FromRight, (h.Top + h.Bottom) / 2);
    }
};

} // namespace qvtest

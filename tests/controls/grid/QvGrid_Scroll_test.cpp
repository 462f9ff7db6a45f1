// Sizing and zoom of the string grid: the stretch column from a table of cases, sizing every column or row
// with the one the user drags, and zoom up to its limit.
#include "controls/grid/QvGrid.h"
#include "toolkit/controls/Forms.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace qvgrid_scroll_test {

class SizingTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 600, 400);
        grid = new TQvStringGrid(form.get());
        grid->SetParent(form.get());
        grid->SetScrollBars(ssNone);
        grid->SetBounds(0, 0, 300, 200);
        form->Show();
        QApplication::processEvents();
    }
    void TearDown() override { form.reset(); }
    QWidget* Cells() const {
        for (QWidget* w : grid->Widget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (!qobject_cast<QScrollBar*>(w)) return w;
        return grid->Widget();
    }
    void Send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QWidget* w = Cells();
        QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    // Drags the border right of column c in the header row by dx pixels.
    void DragColumnBorder(int c, int dx) {
        const TRect h = grid->CellRect(c, 0);
        const QPoint from(h.Right, (h.Top + h.Bottom) / 2);
        Send(QEvent::MouseMove, from, Qt::NoButton, Qt::NoButton);
        Send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        Send(QEvent::MouseMove, from + QPoint(dx / 2, 0), Qt::NoButton, Qt::LeftButton);
        Send(QEvent::MouseMove, from + QPoint(dx, 0), Qt::NoButton, Qt::LeftButton);
        Send(QEvent::MouseButtonRelease, from + QPoint(dx, 0), Qt::LeftButton, Qt::NoButton);
    }
    void DragRowBorder(int r, int dy) {
        const TRect h = grid->CellRect(0, r);
        const QPoint from((h.Left + h.Right) / 2, h.Bottom);
        Send(QEvent::MouseMove, from, Qt::NoButton, Qt::NoButton);
        Send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        Send(QEvent::MouseMove, from + QPoint(0, dy), Qt::NoButton, Qt::LeftButton);
        Send(QEvent::MouseButtonRelease, from + QPoint(0, dy), Qt::LeftButton, Qt::NoButton);
    }

    std::unique_ptr<TForm> form;
    TQvStringGrid* grid = nullptr;
};

TEST_F(SizingTest, StretchColumnFromATableOfCases) {
    const int client = grid->ClientWidth();
    struct Case {
        const char* Name;
        std::vector<int> Widths;
        bool Stretch;
        int Index;
        int Col;      // the column to look at
        int Expected; // its width afterwards; -1: client width minus the others and every grid line
    };
    const Case cases[] = {
        {"last column by -1", {50, 50, 50}, true, -1, 2, -1},
        {"a middle column", {50, 50, 50}, true, 1, 1, -1},
        {"one column takes the client width", {50}, true, -1, 0, client},
        {"without stretching nothing changes", {50, 50, 50}, false, -1, 2, 50},
        {"too wide: back to the default width", {200, 200, 50}, true, 2, 2, grid->DefaultColWidth()},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.Name);
        grid->ColumnSize()->SetStretch(false);
        grid->SetFixedCols(0);
        grid->SetColCount(int(k.Widths.size()));
        for (int c = 0; c < int(k.Widths.size()); ++c)
            grid->SetColWidths(c, k.Widths[c]);
        grid->ColumnSize()->SetStretchColumn(k.Index);
        grid->ColumnSize()->SetStretch(k.Stretch);
        grid->StretchColumn(k.Index);
        int expected = k.Expected;
        if (expected == -1) {
            expected = client;
            for (int c = 0; c < grid->ColCount(); ++c)
                expected -= (c == k.Col ? 0 : grid->ColWidths(c)) + grid->GridLineWidth();
        }
        EXPECT_EQ(grid->ColWidths(k.Col), expected);
    }
    // A direct call with an index beyond the columns raises; the same index in the settings, met while
    // resizing, stretches nothing.
    grid->SetColCount(3);
    try {
        grid->StretchColumn(3);
        ADD_FAILURE() << "no exception";
    } catch (const EQvGridError& e) {
        EXPECT_EQ(String(e.what()), "Stretch column index out of range");
    }
    grid->ColumnSize()->SetStretch(false);
    for (int c = 0; c < 3; ++c)
        grid->SetColWidths(c, 50);
    grid->ColumnSize()->SetStretchColumn(7);
    grid->ColumnSize()->SetStretch(true);
    grid->SetBounds(0, 0, 320, 200);
    EXPECT_EQ(grid->ColWidths(2), 50);

    // A width change elsewhere takes the stretch column along.
    grid->ColumnSize()->SetStretchColumn(-1);
    grid->StretchRightColumn();
    const int before = grid->ColWidths(2);
    grid->SetColWidths(0, 60);
    EXPECT_EQ(grid->ColWidths(2), before - 10);
}

TEST_F(SizingTest, SizingOneColumnOrRowWithTheMouseScalesTheOthers) {
    grid->SetColCount(4);
    grid->SetRowCount(6);
    grid->SetOptions(grid->Options() | goColSizing | goRowSizing);
    grid->MouseActions()->SetAllColumnSize(true);
    for (int c = 0; c < 4; ++c)
        grid->SetColWidths(c, c == 0 ? 30 : c == 1 ? 100 : 40);
    std::vector<int> ended;
    grid->OnEndColumnSize = [&](TObject*, int c) { ended.push_back(c); };
    DragColumnBorder(1, 50);
    EXPECT_EQ(grid->ColWidths(1), 150);
    EXPECT_EQ(grid->ColWidths(2), 60);
    EXPECT_EQ(grid->ColWidths(3), 60);
    EXPECT_EQ(grid->ColWidths(0), 30) << "fixed columns keep their width";
    EXPECT_EQ(ended, std::vector<int>{1});

    // The application may change the width of the column the user sized.
    grid->MouseActions()->SetAllColumnSize(false);
    grid->OnUpdateColumnSize = [](TObject*, int, int& W) { W = 77; };
    DragColumnBorder(2, 10);
    EXPECT_EQ(grid->ColWidths(2), 77);
    EXPECT_EQ(grid->ColWidths(3), 60);

    grid->MouseActions()->SetAllRowSize(true);
    for (int r = 0; r < 6; ++r)
        grid->SetRowHeights(r, 20);
    std::vector<int> rows;
    grid->OnEndRowSize = [&](TObject*, int r) { rows.push_back(r); };
    DragRowBorder(2, 10);
    EXPECT_EQ(grid->RowHeights(2), 30);
    EXPECT_EQ(grid->RowHeights(4), 30);
    EXPECT_EQ(grid->RowHeights(0), 20) << "fixed rows keep their height";
    EXPECT_EQ(rows, std::vector<int>{2});
}

TEST_F(SizingTest, ZoomStopsAtItsLimitAndLeavesHiddenColumnsHidden) {
    grid->SetColCount(3);
    grid->SetRowCount(4);
    grid->SetColWidths(0, 40);
    grid->SetColWidths(1, 0);
    grid->SetColWidths(2, 50);
    grid->SetRowHeights(3, 0);
    for (int i = 0; i < 11; ++i)
        grid->Zoom(1);
    EXPECT_EQ(grid->ZoomFactor(), 10);
    EXPECT_EQ(grid->ColWidths(0), 50);
    EXPECT_EQ(grid->ColWidths(1), 0);
    EXPECT_EQ(grid->ColWidths(2), 60);
    EXPECT_EQ(grid->RowHeights(3), 0);
    for (int i = 0; i < 25; ++i)
        grid->Zoom(-1);
    EXPECT_EQ(grid->ZoomFactor(), -10);
    EXPECT_EQ(grid->ColWidths(0), 30);
    EXPECT_EQ(grid->ColWidths(1), 0);
}

// The sizing border: where a header's column border and a fixed column's row border meet, the row border
// decides.
TEST_F(SizingTest, SizingBorderOfHeadersAndFixedColumns) {
    grid->SetColCount(4);
    grid->SetRowCount(6);
    grid->SetOptions(grid->Options() | goColSizing | goRowSizing);
    const TRect h = grid->CellRect(2, 0);
    const TRect f = grid->CellRect(0, 3);
    const TRect corner = grid->CellRect(0, 0);
    const struct {
        const char* Name;
        int X, Y;
        bool On;
    } cases[] = {
        {"header column border", h.Right - 1, (h.Top + h.Bottom) / 2, true},
        {"inside a header", (h.Left + h.Right) / 2, (h.Top + h.Bottom) / 2, false},
        {"fixed column row border", (f.Left + f.Right) / 2, f.Bottom - 1, true},
        {"inside a fixed cell", (f.Left + f.Right) / 2, (f.Top + f.Bottom) / 2, false},
        {"corner: column border but mid-height", corner.Right - 1, (corner.Top + corner.Bottom) / 2, false},
        {"a plain cell", grid->CellRect(2, 3).Right - 1, grid->CellRect(2, 3).Bottom - 1, false},
    };
    for (const auto& k : cases)
        EXPECT_EQ(grid->IsOnSizingBorder(k.X, k.Y), k.On) << k.Name;
}

QScrollBar* Bar(TQvStringGrid* g, Qt::Orientation o) {
    for (QScrollBar* b : g->Widget()->findChildren<QScrollBar*>(QString(), Qt::FindDirectChildrenOnly))
        if (b->orientation() == o) return b;
    return nullptr;
}

TEST_F(SizingTest, BarsThatStayAndProportionalThumbs) {
    grid->SetScrollBars(ssBoth);
    grid->SetColCount(3);
    grid->SetRowCount(3);
    QScrollBar* v = Bar(grid, Qt::Vertical);
    QScrollBar* h = Bar(grid, Qt::Horizontal);
    ASSERT_TRUE(v && h);
    EXPECT_FALSE(v->isVisibleTo(grid->Widget())) << "everything fits";

    const struct {
        TScrollBarAlways Always;
        bool Vert, Horz;
    } cases[] = {{saVert, true, false}, {saHorz, false, true}, {saBoth, true, true}};
    for (const auto& k : cases) {
        grid->SetScrollBarAlways(k.Always);
        EXPECT_EQ(v->isVisibleTo(grid->Widget()), k.Vert) << k.Always;
        EXPECT_EQ(h->isVisibleTo(grid->Widget()), k.Horz) << k.Always;
        if (k.Vert) EXPECT_FALSE(v->isEnabled()) << k.Always;
        if (k.Horz) EXPECT_FALSE(h->isEnabled()) << k.Always;
    }
    // More rows than fit: the bar that stayed becomes a working one.
    grid->SetScrollBarAlways(saVert);
    grid->SetRowCount(50);
    EXPECT_TRUE(v->isVisibleTo(grid->Widget()));
    EXPECT_TRUE(v->isEnabled());

    // Proportional: positions 0..127, the page about the shown share, the position following the top row.
    grid->SetScrollProportional(true);
    EXPECT_EQ(v->maximum(), 127);
    const int page = v->pageStep();
    EXPECT_GT(page, 5);
    EXPECT_LT(page, 40);
    grid->SetRowCount(100);
    EXPECT_EQ(v->maximum(), 127);
    EXPECT_LT(v->pageStep(), page) << "more rows, a smaller share shown";
    grid->SetTopRow(grid->RowCount() - grid->VisibleRowCount());
    EXPECT_EQ(v->value(), 127);
}

} // namespace qvgrid_scroll_test

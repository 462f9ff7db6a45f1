// Sizing and zoom of the string grid: the stretch column from a table of cases, sizing every column or row
// with the one the user drags, and zoom up to its limit.
#include "controls/grid/QvGrid.h"
#include "controls/grid/input/ScrollControl.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/HintWindow.h"
#include "toolkit/controls/Timer.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QImage>
#include <QMimeData>
#include <QMouseEvent>
#include <QPixmap>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <gtest/gtest.h>

#include "InputEvents.h"

#include <functional>
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

// Counts the paint events of a widget and of everything inside it.
struct PaintCount : QObject {
    QWidget* Target;
    int Paints = 0;
    explicit PaintCount(QWidget* w) : Target(w) { qApp->installEventFilter(this); }
    ~PaintCount() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && o->isWidgetType() &&
            (o == Target || Target->isAncestorOf(static_cast<QWidget*>(o))))
            ++Paints;
        return false;
    }
};

// A zoom resizes every row and column, yet the cells are painted once; the border and the bars, which
// have not changed, are not painted at all.
TEST_F(SizingTest, AZoomPaintsTheCellsOnce) {
    grid->SetScrollBars(ssBoth);
    grid->SetColCount(5);
    grid->SetRowCount(500);
    QApplication::processEvents();
    for (int step : {1, -1, -1}) {
        PaintCount count(grid->Widget());
        grid->Zoom(step);
        QApplication::processEvents();
        EXPECT_EQ(count.Paints, 1) << "zoom by " << step;
    }
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

TEST_F(SizingTest, ScrollTypesGiveTheWindowBarsTheirLook) {
    grid->SetScrollBars(ssBoth);
    grid->SetColCount(20);
    grid->SetRowCount(50);
    grid->SetScrollWidth(10);
    grid->SetScrollColor(clRed);
    QScrollBar* v = Bar(grid, Qt::Vertical);
    ASSERT_TRUE(v);
    const int outer = grid->ClientWidth() + grid->ScrollBarExtent();
    const struct {
        TScrollType Type;
        TCustomGrid::TScrollBarLook Look;
        int Extent;
    } cases[] = {{ssFlat, TCustomGrid::sblFlat, 10},
                 {ssEncarta, TCustomGrid::sblEncarta, 10},
                 {ssNormal, TCustomGrid::sblRegular, TCustomGrid::kRegularScrollBarExtent}};
    for (const auto& k : cases) {
        grid->SetScrollType(k.Type);
        EXPECT_EQ(grid->ScrollBarLook(), k.Look) << k.Type;
        EXPECT_EQ(v->width(), k.Extent) << k.Type;
        EXPECT_EQ(grid->ClientWidth(), outer - k.Extent) << k.Type << ": the cells take what the bar leaves";
        EXPECT_EQ(v->styleSheet().contains("#ff0000"), k.Look != TCustomGrid::sblRegular) << k.Type;
    }
}

// Real clicks and drags on the slim bar: a page per click beside the thumb, the thumb dragged to either end,
// never beyond the fixed rows or the last full page; the thumb is drawn over the grid's cells.
TEST_F(SizingTest, SlimBarsPageAndDragInsideTheRows) {
    grid->SetScrollBars(ssBoth);
    grid->SetColCount(3);
    grid->SetRowCount(100);
    grid->SetScrollType(ssMetro);
    EXPECT_EQ(grid->ScrollBars(), ssNone);
    TScrollControl* bar = grid->SlimScrollBar(sdVertical);
    ASSERT_TRUE(bar && grid->SlimScrollBar(sdHorizontal));
    QApplication::processEvents();
    ASSERT_TRUE(bar->Widget() && bar->Widget()->isVisible());
    EXPECT_EQ(bar->Width(), 6);
    EXPECT_EQ(bar->Left() + bar->Width(), grid->ClientWidth());
    const int visible = grid->VisibleRowCount(), last = grid->RowCount() - visible;

    SlimThumb t = bar->GetThumb();
    ASSERT_GT(t.Length, 0);
    const QImage shot = grid->Widget()->grab().toImage();
    const QPoint thumbAt = bar->Widget()->mapTo(grid->Widget(), QPoint(1, t.Pos + t.Length / 2));
    EXPECT_EQ(shot.pixelColor(thumbAt), QColor(0xC0, 0xC0, 0xC0)) << "the thumb is drawn over the cells";

    QWidget* w = bar->Widget();
    qvtest::ClickAt(w, QPointF(2, t.Pos + t.Length + 5));
    EXPECT_EQ(grid->TopRow(), grid->FixedRows() + visible);
    grid->SetTopRow(last - visible + 1);
    t = bar->GetThumb();
    ASSERT_LT(t.Pos + t.Length, bar->Height() - 1);
    qvtest::ClickAt(w, QPointF(2, bar->Height() - 1));
    EXPECT_EQ(grid->TopRow(), last) << "paging stops at the last full page";

    auto drag = [&](int dy) {
        const SlimThumb at = bar->GetThumb();
        const QPointF from(2, at.Pos + at.Length / 2);
        QMouseEvent press(QEvent::MouseButtonPress, from, w->mapToGlobal(from), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &press);
        EXPECT_TRUE(bar->Dragging());
        const QPointF to = from + QPointF(0, dy);
        QMouseEvent move(QEvent::MouseMove, to, w->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(w, &move);
        QMouseEvent release(QEvent::MouseButtonRelease, to, w->mapToGlobal(to), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(w, &release);
        EXPECT_FALSE(bar->Dragging());
    };
    drag(-1000);
    EXPECT_EQ(grid->TopRow(), grid->FixedRows());
    drag((bar->Height() - grid->RowHeights(0)) / 10);
    EXPECT_EQ(grid->TopRow(), grid->FixedRows() + 10) << "a tenth of the bar, a tenth of the rows";
    drag(1000);
    EXPECT_EQ(grid->TopRow(), last);

    // Every row fits: no thumb is drawn.
    grid->SetRowCount(3);
    QApplication::processEvents();
    const QImage fits = grid->Widget()->grab().toImage();
    EXPECT_NE(fits.pixelColor(bar->Widget()->mapTo(grid->Widget(), QPoint(1, bar->Height() / 2))),
              QColor(0xC0, 0xC0, 0xC0));

    grid->SetScrollType(ssNormal);
    EXPECT_EQ(grid->SlimScrollBar(sdVertical), nullptr);
    EXPECT_EQ(grid->ScrollBars(), ssBoth);
}

// The thumb of a window bar dragged with the mouse: pressed in its middle, moved by dy, released when asked.
void DragThumb(QScrollBar* bar, int dy, const std::function<void()>& whileHeld) {
    QStyleOptionSlider opt;
    opt.initFrom(bar);
    opt.orientation = bar->orientation();
    opt.minimum = bar->minimum();
    opt.maximum = bar->maximum();
    opt.sliderPosition = opt.sliderValue = bar->value();
    opt.pageStep = bar->pageStep();
    opt.singleStep = bar->singleStep();
    const QRect thumb =
        bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarSlider, bar);
    const QPointF from = QPointF(thumb.center()), to = from + QPointF(0, dy);
    QMouseEvent press(QEvent::MouseButtonPress, from, bar->mapToGlobal(from), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(bar, &press);
    QMouseEvent move(QEvent::MouseMove, to, bar->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(bar, &move);
    whileHeld();
    QMouseEvent release(QEvent::MouseButtonRelease, to, bar->mapToGlobal(to), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(bar, &release);
}

// Dragging the vertical thumb: the hint tells the row it stands for, as the application may rewrite it, and
// goes at the release; with ScrollSynch the cells follow the thumb while it is held.
TEST_F(SizingTest, ThumbDragShowsTheRowAndScrollsWithScrollSynch) {
    grid->SetScrollBars(ssBoth);
    grid->SetColCount(3);
    grid->SetRowCount(200);
    grid->SetScrollHints(shVertical);
    QScrollBar* v = Bar(grid, Qt::Vertical);
    ASSERT_TRUE(v && v->isVisibleTo(grid->Widget()));
    for (const bool synch : {false, true}) {
        SCOPED_TRACE(synch ? "ScrollSynch" : "plain");
        grid->SetTopRow(1);
        grid->SetScrollSynch(synch);
        int hinted = -1;
        grid->OnScrollHint = [&](TObject*, int n, String& text) {
            hinted = n;
            if (synch) text += " of 199";
        };
        DragThumb(v, 60, [&] {
            THintWindow* hint = ShownHintWindow();
            ASSERT_TRUE(hint) << "a hint shows while the thumb is dragged";
            EXPECT_GT(hinted, 1);
            EXPECT_EQ(hint->Caption(), "Row : " + String::number(hinted) + (synch ? " of 199" : ""));
            EXPECT_EQ(grid->TopRow(), synch ? hinted : 1) << "with ScrollSynch the cells follow the thumb";
        });
        EXPECT_EQ(ShownHintWindow(), nullptr) << "the hint goes with the release";
        EXPECT_GT(grid->TopRow(), 1);
    }
}

struct SelectionRecorder : ITQvStringGridSelect {
    std::vector<std::pair<int, int>> Cells;
    void CellSelected(int ACol, int ARow) override { Cells.emplace_back(ACol, ARow); }
};

// One listener at a time hears of the cell a click or a key selects.
TEST_F(SizingTest, TheSelectionListenerHearsOfEverySelectedCell) {
    grid->SetColCount(4);
    grid->SetRowCount(6);
    SelectionRecorder first, second;
    grid->RegisterSelListener(&first);
    const TRect cell = grid->CellRect(2, 3);
    qvtest::ClickAt(Cells(), QPointF((cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2));
    EXPECT_EQ(first.Cells, (std::vector<std::pair<int, int>>{{2, 3}}));
    grid->RegisterSelListener(&second);
    grid->SetFocus();
    qvtest::KeyToFocus(Qt::Key_Down);
    EXPECT_EQ(first.Cells.size(), 1u) << "the earlier listener was replaced";
    EXPECT_EQ(second.Cells, (std::vector<std::pair<int, int>>{{2, 4}}));
    grid->UnRegisterSelListener(&first);
    qvtest::KeyToFocus(Qt::Key_Down);
    EXPECT_EQ(second.Cells.size(), 1u) << "unregistering drops whichever listener is registered";
}

// Clicks on a cell's own scroll bar: its arrows step 10, its track a page of 100, within the text's range.
TEST_F(SizingTest, ClicksOnACellsScrollBarMoveItsPosition) {
    grid->SetColCount(3);
    grid->SetRowCount(3);
    grid->SetColWidths(1, 120);
    grid->SetRowHeights(1, 150);
    grid->AddScrollBar(1, 1, false);
    grid->SetScrollProp(1, 1, TScrollProp{150, 400});
    std::vector<std::vector<int>> reported;
    grid->OnScrollCell = [&](TObject*, int c, int r, int pos, int lo, int hi) {
        reported.push_back({c, r, pos, lo, hi});
    };
    const TRect cell = grid->CellRect(1, 1);
    const double x = cell.Right - 1 - 4;
    const double down = cell.Bottom - 4.0, up = cell.Top + 4.0;
    const struct {
        const char* Name;
        double Y;
        int Clicks;
        int Expected;
    } cases[] = {
        {"arrow down", down, 1, 10},
        {"track below the thumb", cell.Bottom - 30.0, 1, 110},
        {"arrow down to the end and beyond", down, 20, 250},
        {"arrow up", up, 1, 240},
        {"track above the thumb", cell.Top + 30.0, 1, 140},
    };
    for (const auto& k : cases) {
        for (int i = 0; i < k.Clicks; ++i)
            qvtest::ClickAt(Cells(), QPointF(x, k.Y));
        EXPECT_EQ(grid->GetScrollPosition(1, 1), k.Expected) << k.Name;
    }
    ASSERT_FALSE(reported.empty());
    EXPECT_EQ(reported.back(), (std::vector<int>{1, 1, 140, 0, 250}));
}

// A drag hovering 10 pixels below the top scrolls up a row after the initial delay, then a row at every
// repeat; the grid takes nothing, so the drag shows the no-drop cursor.
TEST_F(SizingTest, ADragNearAnEdgeScrollsOnTheTimer) {
    // The setting is read when the grid's window is made, as a design sets it.
    grid = new TQvStringGrid(form.get());
    grid->DragScrollOptions()->SetActive(true);
    grid->SetParent(form.get());
    grid->SetBounds(0, 210, 300, 180);
    grid->SetColCount(3);
    grid->SetRowCount(100);
    QApplication::processEvents();
    grid->SetTopRow(50);
    QMimeData mime;
    mime.setText("dragged");
    QWidget* w = grid->Widget();
    const QPoint nearTop(100, 10);
    QDragEnterEvent enter(nearTop, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &enter);
    QDragMoveEvent move(nearTop, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
    EXPECT_EQ(move.dropAction(), Qt::IgnoreAction);
    TTimer* timer = grid->DragScrollTimer();
    ASSERT_TRUE(timer);
    EXPECT_TRUE(timer->IsRunning());
    EXPECT_EQ(timer->Interval(), 1000u);
    EXPECT_EQ(grid->TopRow(), 50) << "nothing before the first tick";
    std::vector<int> asked;
    grid->OnDragScroll = [&](TObject*, int top, int, TDragScrollDirections& dir, bool&) {
        asked.push_back(top);
        EXPECT_EQ(dir, 1u << dsdUp);
    };
    grid->DragScrollTick();
    EXPECT_EQ(grid->TopRow(), 49);
    EXPECT_EQ(timer->Interval(), 250u);
    QDragMoveEvent again(nearTop + QPoint(3, 0), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &again);
    EXPECT_EQ(timer->Interval(), 250u) << "moving within the same margin keeps the repeat";
    grid->DragScrollTick();
    EXPECT_EQ(grid->TopRow(), 48);
    EXPECT_EQ(asked, (std::vector<int>{50, 49}));
    grid->OnDragScroll = [](TObject*, int, int, TDragScrollDirections&, bool& can) { can = false; };
    grid->DragScrollTick();
    EXPECT_EQ(grid->TopRow(), 48) << "the application vetoed the step";

    QDragMoveEvent middle(QPoint(100, 100), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &middle);
    EXPECT_EQ(grid->DragScrollTimer(), nullptr) << "out of the margins the timer goes";
    QApplication::sendEvent(w, &move);
    ASSERT_TRUE(grid->DragScrollTimer());
    QDragLeaveEvent leave;
    QApplication::sendEvent(w, &leave);
    EXPECT_EQ(grid->DragScrollTimer(), nullptr);
}

// With the search footer shown, stepping down goes on until the last row ends above it, and no further.
TEST_F(SizingTest, StepsDownKeepTheLastRowAboveTheSearchFooter) {
    grid->SetScrollBars(ssBoth);
    grid->SetColCount(3);
    grid->SetRowCount(40);
    grid->SetDefaultRowHeight(45);
    grid->SearchFooter()->SetVisible(true);
    QApplication::processEvents();
    ASSERT_GT(grid->SearchFooterHeight(), 0);
    QScrollBar* v = Bar(grid, Qt::Vertical);
    ASSERT_TRUE(v);
    const int plainLast = grid->RowCount() - grid->VisibleRowCount();
    for (int i = 0; i < 60; ++i)
        v->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    const TRect last = grid->CellRect(0, grid->RowCount() - 1);
    ASSERT_FALSE(last.IsEmpty());
    EXPECT_LE(last.Bottom, grid->ClientHeight() - grid->SearchFooterHeight()) << "the last row shows";
    const TRect before = grid->CellRect(0, grid->RowCount() - 2);
    EXPECT_GT(before.Bottom, 0);
    const int top = grid->TopRow();
    v->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(grid->TopRow(), top) << "no step beyond it";
    EXPECT_GT(top, plainLast) << "further than the rows alone would go";
}

} // namespace qvgrid_scroll_test

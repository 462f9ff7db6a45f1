// The toolkit grid: painting where CellRect says, scrolling, hit tests, keys, mouse, string cells, editing.
#include "TestSupport.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/grids/Grids.h"
#include "toolkit/system/DesignValue.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

// Opens the protected operations the platform grid's descendants use.
struct TestGrid : TStringGrid {
    explicit TestGrid(TComponent* owner) : TStringGrid(owner) {}
    using TCustomGrid::ChildContainer;
    using TCustomGrid::DeleteColumn;
    using TCustomGrid::DeleteRow;
    using TCustomGrid::KeyDown;
    using TCustomGrid::KeyPress;
    using TCustomGrid::MoveColumn;
    using TCustomGrid::MoveRow;
    void InsertRow(int at) {
        SetRowCount(RowCount() + 1);
        MoveRow(RowCount() - 1, at);
    }
    void Key(Word key, TShiftState shift = 0) { KeyDown(key, shift); }
};

TColor CellColour(int c, int r) {
    return TColor((c * 29 + 10) | ((r * 11 + 10) << 8) | (0x80 << 16));
}

struct GridForm {
    TForm form{nullptr};
    TestGrid* grid;
    GridForm() {
        form.SetClientSize(400, 300);
        grid = new TestGrid(&form);
        grid->SetParent(&form);
        grid->SetBounds(0, 0, 400, 300);
    }
};

void Mouse(QWidget* w, QEvent::Type type, QPoint p, Qt::MouseButtons buttons = Qt::LeftButton,
           Qt::KeyboardModifiers mods = Qt::NoModifier) {
    Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, p, w->mapToGlobal(p), button, buttons, mods);
    QApplication::sendEvent(w, &e);
}

} // namespace

TEST(Grids, PaintsEveryVisibleCellWhereCellRectSays) {
    GridForm f;
    TestGrid* g = f.grid;
    g->SetColCount(8);
    g->SetRowCount(20);
    g->SetColWidths(2, 90);
    g->SetRowHeights(3, 40);
    std::vector<std::pair<int, int>> drawn;
    g->OnDrawCell = [&](TObject*, int c, int r, const TRect& rect, TGridDrawState state) {
        drawn.push_back({c, r});
        EXPECT_EQ(bool(state & gdFixed), c < 1 || r < 1) << c << "," << r;
        g->Canvas()->Brush()->SetColor(CellColour(c, r));
        g->Canvas()->FillRect(rect);
    };
    for (int pass = 0; pass < 2; ++pass) {
        if (pass == 1) {
            g->SetTopRow(6);
            g->SetLeftCol(3);
            EXPECT_TRUE(g->CellRect(2, 5).IsEmpty());
            EXPECT_TRUE(g->CellRect(1, 1).IsEmpty());
            EXPECT_EQ(g->CellRect(3, 6).Left, g->CellRect(0, 0).Right + 1);
            EXPECT_EQ(g->CellRect(3, 6).Top, g->CellRect(0, 0).Bottom + 1);
            EXPECT_EQ(g->CellRect(0, 6).Top, g->CellRect(3, 6).Top);
        }
        drawn.clear();
        QImage img = f.form.Grab();
        ASSERT_FALSE(drawn.empty());
        const int border = 2;
        int checked = 0;
        for (int r = 0; r < g->RowCount(); ++r)
            for (int c = 0; c < g->ColCount(); ++c) {
                TRect rect = g->CellRect(c, r);
                bool wasDrawn = std::find(drawn.begin(), drawn.end(), std::make_pair(c, r)) != drawn.end();
                EXPECT_EQ(!rect.IsEmpty(), wasDrawn) << c << "," << r;
                if (rect.IsEmpty()) continue;
                QPoint centre(border + (rect.Left + rect.Right) / 2, border + (rect.Top + rect.Bottom) / 2);
                EXPECT_EQ(img.pixelColor(centre), ToQColor(CellColour(c, r))) << c << "," << r;
                ++checked;
            }
        EXPECT_GT(checked, 20);
        // Fixed cells stay at the top left whatever is scrolled.
        EXPECT_EQ(g->CellRect(0, 0), TRect(0, 0, 64, 24));
    }
}

TEST(Grids, MouseToCellFindsCellsAndLines) {
    GridForm f;
    TestGrid* g = f.grid;
    g->SetColCount(4);
    g->SetRowCount(4);
    // Columns: 0..63 | 64 line | 65..128 | 129 | 130..193 | 194 | 195..258 | 259; rows 25 pixels each.
    struct Case {
        int x, y, col, row;
    } cases[] = {
        {0, 0, 0, 0},      {63, 23, 0, 0},    {64, 10, 0, 0},  {65, 10, 1, 0},
        {130, 30, 2, 1},   {129, 24, 1, 0},   {258, 99, 3, 3}, {259, 99, 3, 3},
        {260, 50, -1, -1}, {10, 100, -1, -1}, {-1, 5, -1, -1}, {390, 290, -1, -1},
    };
    for (const Case& c : cases) {
        int col = 0, row = 0;
        g->MouseToCell(c.x, c.y, col, row);
        EXPECT_EQ(col, c.col) << c.x << "," << c.y;
        EXPECT_EQ(row, c.row) << c.x << "," << c.y;
        EXPECT_EQ(g->MouseCoord(c.x, c.y), (TGridCoord{c.col, c.row}));
    }
    g->SetRowCount(40);
    g->SetTopRow(10);
    int col = 0, row = 0;
    g->MouseToCell(70, 30, col, row);
    EXPECT_EQ(row, 10);
}

TEST(Grids, KeysMoveTheCurrentCellAsThePlatformGridDoes) {
    struct Case {
        const char* name;
        TGridOptions extra;
        int col, row;
        Word key;
        TShiftState shift;
        int wantCol, wantRow;
    } cases[] = {
        {"down", 0, 1, 1, VK_DOWN, 0, 1, 2},
        {"up stops at fixed row", 0, 1, 1, VK_UP, 0, 1, 1},
        {"right", 0, 1, 1, VK_RIGHT, 0, 2, 1},
        {"left stops at fixed col", 0, 1, 1, VK_LEFT, 0, 1, 1},
        {"home", 0, 4, 5, VK_HOME, 0, 1, 5},
        {"end", 0, 2, 5, VK_END, 0, 5, 5},
        {"ctrl home", 0, 4, 30, VK_HOME, ssCtrl, 1, 1},
        {"ctrl end", 0, 2, 5, VK_END, ssCtrl, 5, 49},
        {"page down", 0, 2, 1, VK_NEXT, 0, 2, 10},
        {"page up from top", 0, 2, 3, VK_PRIOR, 0, 2, 1},
        {"tab without goTabs", 0, 2, 3, VK_TAB, 0, 2, 3},
        {"tab", goTabs, 2, 3, VK_TAB, 0, 3, 3},
        {"tab wraps to next row", goTabs, 5, 3, VK_TAB, 0, 1, 4},
        {"shift tab wraps back", goTabs, 1, 3, VK_TAB, ssShift, 5, 2},
        {"tab wraps to first cell", goTabs, 5, 49, VK_TAB, 0, 1, 1},
        {"row select end", goRowSelect, 1, 3, VK_END, 0, 1, 49},
    };
    for (const Case& c : cases) {
        GridForm f;
        TestGrid* g = f.grid;
        g->SetColCount(6);
        g->SetRowCount(50);
        g->SetOptions(g->Options() | c.extra);
        g->SetCol(c.col);
        g->SetRow(c.row);
        g->Key(c.key, c.shift);
        EXPECT_EQ(g->Col(), c.wantCol) << c.name;
        EXPECT_EQ(g->Row(), c.wantRow) << c.name;
        // Whatever moved, the current cell is in view.
        EXPECT_GE(g->Row(), g->TopRow()) << c.name;
        EXPECT_LT(g->Row(), g->TopRow() + g->VisibleRowCount()) << c.name;
    }
}

TEST(Grids, MovingTheCurrentCellScrollsItIntoView) {
    GridForm f;
    TestGrid* g = f.grid;
    g->SetColCount(20);
    g->SetRowCount(200);
    EXPECT_EQ(g->TopRow(), 1);
    for (int i = 0; i < 30; ++i)
        g->Key(VK_DOWN);
    EXPECT_EQ(g->Row(), 31);
    EXPECT_EQ(g->TopRow() + g->VisibleRowCount() - 1, 31);
    TRect r = g->CellRect(g->Col(), g->Row());
    EXPECT_FALSE(r.IsEmpty());
    EXPECT_LE(r.Bottom, g->ClientHeight());
    g->Key(VK_END);
    EXPECT_EQ(g->Col(), 19);
    EXPECT_LE(g->CellRect(19, 31).Right, g->ClientWidth());
    EXPECT_GT(g->LeftCol(), 1);
    g->Key(VK_HOME, ssCtrl);
    EXPECT_EQ(g->TopRow(), 1);
    EXPECT_EQ(g->LeftCol(), 1);
}

TEST(Grids, ScrollMessagesMoveTheViewByCells) {
    GridForm f;
    TestGrid* g = f.grid;
    g->SetRowCount(100);
    g->Perform(WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(g->TopRow(), 2);
    g->Perform(WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(g->TopRow(), 2 + g->VisibleRowCount());
    g->Perform(WM_VSCROLL, MAKELPARAM(SB_THUMBPOSITION, 127), 0);
    EXPECT_EQ(g->TopRow(), 100 - g->VisibleRowCount());
    EXPECT_EQ(g->GetScrollPos(SB_VERT), 127);
    g->Perform(WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(g->TopRow(), 1);
    EXPECT_TRUE(g->ScrollBarVisible(SB_VERT));
    EXPECT_FALSE(g->ScrollBarVisible(SB_HORZ));
    EXPECT_EQ(g->ClientWidth(), 400 - 4 - 17);
    g->SetRowCount(3);
    EXPECT_FALSE(g->ScrollBarVisible(SB_VERT));
}

// Clicks on the bar's arrow scroll the view a row each; the bar, whose 128 positions stand for many rows,
// repaints only on the steps that move its thumb, and its thumb ends where the grid's position says.
TEST(Grids, ScrollBarArrowStepsRepaintTheBarOnlyWhenItsThumbMoves) {
    GridForm f;
    TestGrid* g = f.grid;
    g->SetRowCount(2000);
    f.form.Show();
    QApplication::processEvents();
    QScrollBar* bar = nullptr;
    for (QScrollBar* b : g->Widget()->findChildren<QScrollBar*>())
        if (b->orientation() == Qt::Vertical) bar = b;
    ASSERT_NE(bar, nullptr);
    struct PaintCount : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) ++paints;
            return false;
        }
    } count;
    bar->installEventFilter(&count);
    int thumbMoves = 0;
    for (int i = 0; i < 40; ++i) {
        const int before = g->GetScrollPos(SB_VERT);
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QApplication::processEvents();
        if (g->GetScrollPos(SB_VERT) != before) ++thumbMoves;
        ASSERT_EQ(bar->value(), g->GetScrollPos(SB_VERT));
        ASSERT_EQ(bar->sliderPosition(), g->GetScrollPos(SB_VERT));
    }
    EXPECT_EQ(g->TopRow(), 41);
    EXPECT_GT(thumbMoves, 0);
    EXPECT_LT(thumbMoves, 40);
    EXPECT_LE(count.paints, thumbMoves);
    bar->removeEventFilter(&count);
}

TEST(Grids, MouseSelectsAndDragsARange) {
    GridForm f;
    TestGrid* g = f.grid;
    g->SetColCount(6);
    g->SetRowCount(10);
    f.form.HandleNeeded();
    QWidget* client = g->ChildContainer();
    auto centre = [&](int c, int r) {
        TRect rect = g->CellRect(c, r);
        return QPoint((rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2);
    };
    Mouse(client, QEvent::MouseButtonPress, centre(2, 2));
    Mouse(client, QEvent::MouseMove, centre(4, 5));
    Mouse(client, QEvent::MouseButtonRelease, centre(4, 5), Qt::NoButton);
    EXPECT_EQ(g->Selection(), (TGridRect{2, 2, 4, 5}));
    EXPECT_EQ(g->Col(), 2);
    EXPECT_EQ(g->Row(), 2);

    // Shift with an arrow grows the range from the anchor; without goRangeSelect it only moves.
    g->Key(VK_DOWN, ssShift);
    EXPECT_EQ(g->Selection(), (TGridRect{2, 3, 4, 5}));
    g->SetOptions(g->Options() & ~goRangeSelect);
    Mouse(client, QEvent::MouseButtonPress, centre(1, 1));
    Mouse(client, QEvent::MouseMove, centre(3, 3));
    Mouse(client, QEvent::MouseButtonRelease, centre(3, 3), Qt::NoButton);
    EXPECT_EQ(g->Selection(), (TGridRect{3, 3, 3, 3}));

    // A click on a fixed cell selects nothing.
    Mouse(client, QEvent::MouseButtonPress, centre(0, 4));
    Mouse(client, QEvent::MouseButtonRelease, centre(0, 4), Qt::NoButton);
    EXPECT_EQ(g->Col(), 3);
}

TEST(Grids, SelectCellCanRefuseAMove) {
    GridForm f;
    TestGrid* g = f.grid;
    g->OnSelectCell = [](TObject*, int c, int, bool& can) { can = c != 2; };
    g->Key(VK_RIGHT);
    EXPECT_EQ(g->Col(), 1);
    g->SetCol(3);
    EXPECT_EQ(g->Col(), 3);
}

TEST(Grids, DraggingAHeaderLineSizesTheColumn) {
    GridForm f;
    TestGrid* g = f.grid;
    g->SetOptions(g->Options() | goColSizing | goRowSizing);
    f.form.HandleNeeded();
    QWidget* client = g->ChildContainer();
    // The line after column 1 lies at x = 65 + 64 = 129.
    Mouse(client, QEvent::MouseButtonPress, QPoint(128, 10));
    EXPECT_EQ(g->GridState(), gsColSizing);
    Mouse(client, QEvent::MouseMove, QPoint(168, 10));
    Mouse(client, QEvent::MouseButtonRelease, QPoint(168, 10), Qt::NoButton);
    EXPECT_EQ(g->GridState(), gsNormal);
    EXPECT_EQ(g->ColWidths(1), 104);
    EXPECT_EQ(g->ColWidths(2), 64);
    // The same drag over normal cells selects instead of sizing.
    Mouse(client, QEvent::MouseButtonPress, QPoint(169, 40));
    EXPECT_EQ(g->GridState(), gsSelecting);
    Mouse(client, QEvent::MouseButtonRelease, QPoint(169, 40), Qt::NoButton);
    EXPECT_EQ(g->ColWidths(1), 104);
    // Row lines are taken in the fixed column.
    Mouse(client, QEvent::MouseButtonPress, QPoint(10, 49));
    Mouse(client, QEvent::MouseMove, QPoint(10, 60));
    Mouse(client, QEvent::MouseButtonRelease, QPoint(10, 60), Qt::NoButton);
    EXPECT_EQ(g->RowHeights(1), 35);
}

TEST(Grids, StringGridKeepsTextsAndObjectsPerCell) {
    TestGrid g(nullptr);
    g.SetColCount(4);
    g.SetRowCount(6);
    TObject marker;
    g.SetCells(2, 3, "two-three");
    g.SetObjects(1, 4, &marker);
    EXPECT_EQ(g.Cells(2, 3), "two-three");
    EXPECT_EQ(g.Objects(1, 4), &marker);
    EXPECT_EQ(g.Objects(2, 3), nullptr);
    EXPECT_EQ(g.Cells(1, 4), "");
    EXPECT_EQ(g.Cells(-1, 2), "");
    EXPECT_EQ(g.Cells(2, 500), "");
    g.SetRows(1, {"a", "b", "c", "d"});
    EXPECT_EQ(g.Rows(1), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(g.Cols(2), (QStringList{"", "c", "", "two-three", "", ""}));

    // Rows that leave the grid take their cells with them; columns keep theirs (hidden columns live there).
    g.SetColCount(2);
    g.SetRowCount(3);
    EXPECT_EQ(g.Cells(2, 1), "c");
    g.SetColCount(4);
    g.SetRowCount(6);
    EXPECT_EQ(g.Cells(2, 3), "");
    EXPECT_EQ(g.Objects(1, 4), nullptr);
}

// A cell keeps a short text itself and a longer one beside its row: every text reads back as written,
// across the limits, when a cell changes between the two, and when its column moves.
TEST(Grids, StringGridCellsKeepEveryTextAcrossTheCompactLimits) {
    const QString texts[] = {
        "",
        "a",
        "seven c",                              // 7: fits either way
        "eight ch",                             // 8
        "fourteen chars",                       // 14: the most a cell keeps in 8 bits
        "fifteen chars!!",                      // 15: beside the row
        QString::fromUtf8("Größe ÆØ"),          // Latin-1 beyond ASCII
        QString::fromUtf8("Строка7"),           // 7 UTF-16 characters
        QString::fromUtf8("Строка78"),          // 8 UTF-16 characters
        QString::fromLatin1("nul\0inside", 10), // a NUL is a character like any other
        QString::fromUtf8("\U0001F600 pair"),   // a surrogate pair
        QString(5000, QChar('x')),
    };
    TestGrid g(nullptr);
    const int n = int(std::size(texts));
    g.SetColCount(n);
    g.SetRowCount(n + 1);
    // Row r holds text (r + c) % n in column c, so each cell goes from every kind to every other below.
    auto expected = [&](int c, int r, int shift) { return texts[(r + c + shift) % n]; };
    for (int shift = 0; shift < 3; ++shift) {
        for (int r = 0; r < n; ++r)
            for (int c = 0; c < n; ++c)
                g.SetCells(c, r, expected(c, r, shift));
        for (int r = 0; r < n; ++r)
            for (int c = 0; c < n; ++c)
                ASSERT_EQ(g.Cells(c, r), expected(c, r, shift)) << "col " << c << " row " << r;
    }
    // Moving the first column to the end moves short and long texts alike.
    g.MoveColumn(0, n - 1);
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c)
            ASSERT_EQ(g.Cells(c, r), expected((c + 1) % n, r, 2)) << "col " << c << " row " << r;
    // Clearing a cell of each kind leaves it empty, and clearing an empty one makes no row.
    for (int c = 0; c < n; ++c)
        g.SetCells(c, 0, QString());
    EXPECT_EQ(g.Rows(0), QStringList(n, QString()));
    g.SetCells(0, n, QString());
    EXPECT_EQ(g.Cells(0, n), "");
}

TEST(Grids, InsertingAndDeletingRowsKeepsTheCells) {
    TestGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(6);
    TObject marker;
    for (int r = 0; r < 6; ++r)
        g.SetCells(1, r, QString("r%1").arg(r));
    g.SetObjects(2, 4, &marker);
    g.SetRowHeights(4, 40);
    g.SetRow(4);

    g.InsertRow(2);
    EXPECT_EQ(g.RowCount(), 7);
    EXPECT_EQ(g.Cols(1), (QStringList{"r0", "r1", "", "r2", "r3", "r4", "r5"}));
    EXPECT_EQ(g.Objects(2, 5), &marker);
    EXPECT_EQ(g.RowHeights(5), 40);
    EXPECT_EQ(g.Row(), 5);

    g.DeleteRow(1);
    EXPECT_EQ(g.Cols(1), (QStringList{"r0", "", "r2", "r3", "r4", "r5"}));
    EXPECT_EQ(g.Objects(2, 4), &marker);
    EXPECT_EQ(g.RowHeights(4), 40);
    // The deleted row's cells are gone: growing again gives an empty row.
    g.SetRowCount(7);
    EXPECT_EQ(g.Cells(1, 6), "");

    g.SetCells(0, 0, "first");
    g.DeleteColumn(0);
    EXPECT_EQ(g.ColCount(), 2);
    EXPECT_EQ(g.Cells(0, 0), "r0");
    EXPECT_EQ(g.Cells(1, 2), "");
    EXPECT_EQ(g.Objects(1, 4), &marker);
}

TEST(Grids, InplaceEditorShowsTheCellAndWritesBack) {
    GridForm f;
    TestGrid* g = f.grid;
    g->SetOptions(g->Options() | goEditing);
    g->SetCells(2, 2, "old");
    std::vector<QString> stored;
    g->OnSetEditText = [&](TObject*, int c, int r, const String& v) {
        EXPECT_EQ(c, 2);
        EXPECT_EQ(r, 2);
        stored.push_back(v);
    };
    f.form.HandleNeeded();
    g->SetFocus();
    g->SetCol(2);
    g->SetRow(2);
    EXPECT_EQ(g->InplaceEditor(), nullptr);

    g->Key(VK_F2);
    ASSERT_NE(g->InplaceEditor(), nullptr);
    TInplaceEdit* ed = g->InplaceEditor();
    EXPECT_TRUE(g->EditorMode());
    EXPECT_TRUE(ed->Visible());
    EXPECT_EQ(ed->Text(), "old");
    EXPECT_EQ(ed->BoundsRect(), g->CellRect(2, 2));
    ed->SetText("new");
    QChar enter('\r');
    g->KeyPress(enter);
    EXPECT_FALSE(g->EditorMode());
    EXPECT_FALSE(ed->Visible());
    EXPECT_EQ(g->Cells(2, 2), "new");
    EXPECT_EQ(stored, (std::vector<QString>{"new"}));

    // A typed character opens the editor with that character; moving on stores it.
    QChar x('x');
    g->KeyPress(x);
    EXPECT_TRUE(ed->Visible());
    EXPECT_EQ(ed->Text(), "x");
    g->Key(VK_DOWN);
    EXPECT_EQ(g->Cells(2, 2), "x");
    EXPECT_FALSE(ed->Visible());

    // Escape drops the typed text.
    g->SetRow(2);
    g->Key(VK_F2);
    ed->SetText("typed");
    g->Key(VK_ESCAPE);
    EXPECT_FALSE(ed->Visible());
    EXPECT_EQ(g->Cells(2, 2), "x");
}

TEST(Grids, ReadsItsWindowDesignProperties) {
    TestGrid g(nullptr);
    TDesignValue options;
    options.kind = TDesignValue::Set;
    options.members = QStringList{"goFixedVertLine", "goEditing", "goTabs"};
    EXPECT_TRUE(g.ReadProperty("Options", options));
    EXPECT_EQ(g.Options(), goFixedVertLine | goEditing | goTabs);
    TDesignValue n;
    n.integer = 12;
    EXPECT_TRUE(g.ReadProperty("RowCount", n));
    EXPECT_TRUE(g.ReadProperty("DefaultRowHeight", n));
    EXPECT_EQ(g.RowCount(), 12);
    EXPECT_EQ(g.RowHeights(5), 12);
}

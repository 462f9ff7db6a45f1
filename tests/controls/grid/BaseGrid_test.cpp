// The base grid's cell model: merged areas, display hooks, properties lifetime, keys over areas, undo.
#include "TestSupport.h"
#include "controls/grid/BaseGrid.h"
#include "controls/grid/QvUtil.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/graphics/Canvas.h"

#include <gtest/gtest.h>

inline void PrintTo(const TPoint& p, std::ostream* os) {
    *os << '(' << p.X << ", " << p.Y << ')';
}

namespace {

struct TestGrid : TBaseGrid {
    explicit TestGrid(TComponent* owner) : TBaseGrid(owner) {
        SetBounds(0, 0, 800, 600);
        SetColCount(8);
        SetRowCount(8);
    }
    using TCustomGrid::DeleteRow;
    void Key(Word key) { KeyDown(key, 0); }
    void LastRowChanged() override { ++lastRowChanges; }
    int lastRowChanges = 0;
};

// Counts the live objects of a kind; the name decides whether the grid owns it as a cell graphic.
struct Counted : TObject {
    static inline int live = 0;
    String name;
    explicit Counted(String n = "TOther") : name(std::move(n)) { ++live; }
    ~Counted() override { --live; }
    String ClassName() const override { return name; }
};

struct CountedProps : TCellProperties {
    static inline int live = 0;
    CountedProps(TBaseGrid* g, int c, int r) : TCellProperties(g, c, r) { ++live; }
    ~CountedProps() override { --live; }
};

} // namespace

TEST(BaseGrid, MergedAreaMapsEveryCellToItsBase) {
    TestGrid g(nullptr);
    g.MergeCells(2, 1, 3, 2); // columns 2..4, rows 1..2
    g.MergeCells(6, 6, 1, 1); // one cell: a base without extent
    g.SetCellEx(2, 1, "area");
    g.SetGridCell(4, 2, "hidden");
    struct Case {
        int c, r;
        TPoint base;
        bool isBase, merged, xMerged;
        TPoint span, ext;
        const char* text;
    } cases[] = {
        {2, 1, {2, 1}, true, true, true, {2, 1}, {2, 1}, "area"},
        {3, 1, {2, 1}, false, true, true, {2, 1}, {1, 1}, "area"},
        {4, 2, {2, 1}, false, true, true, {2, 1}, {0, 0}, "area"},
        {5, 1, {5, 1}, true, false, false, {0, 0}, {0, 0}, ""},
        {6, 6, {6, 6}, true, false, false, {0, 0}, {0, 0}, ""},
        {-1, 3, {-1, 3}, true, false, false, {0, 0}, {0, 0}, ""},
        {9, 3, {9, 3}, true, false, false, {0, 0}, {0, 0}, ""},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << k.c << "," << k.r);
        EXPECT_EQ(g.BaseCell(k.c, k.r), k.base);
        EXPECT_EQ(g.IsBaseCell(k.c, k.r), k.isBase);
        EXPECT_EQ(g.IsMergedCell(k.c, k.r), k.merged);
        EXPECT_EQ(g.IsMergedNonBaseCell(k.c, k.r), k.merged && !k.isBase);
        EXPECT_EQ(g.IsXMergedCell(k.c, k.r), k.xMerged);
        EXPECT_EQ(g.CellSpan(k.c, k.r), k.span);
        EXPECT_EQ(g.CellExt(k.c, k.r), k.ext);
        EXPECT_EQ(g.GetCellEx(k.c, k.r), k.text);
    }
    // A covered cell keeps its own raw text; writing it changes the base cell.
    EXPECT_EQ(g.GridCells(4, 2), "hidden");
    g.SetCellEx(3, 2, "new");
    EXPECT_EQ(g.GridCells(2, 1), "new");
    EXPECT_EQ(g.GridCells(3, 2), "");
    // The area rectangle is the union of its first and last cells.
    const TRect first = g.CalcCellRect(2, 1), last = g.CalcCellRect(4, 2);
    EXPECT_EQ(g.CellRect(3, 2), TRect(first.Left, first.Top, last.Right, last.Bottom));
    EXPECT_EQ(g.CellSize(2, 1), TPoint(last.Right - first.Left, last.Bottom - first.Top));

    g.SplitCells(4, 2);
    EXPECT_FALSE(g.IsMergedCell(2, 1));
    EXPECT_EQ(g.GetCellEx(4, 2), "hidden");
    EXPECT_EQ(g.MergeCount(), 1);
}

TEST(BaseGrid, SpanComparisonsOfRowsAndColumns) {
    TestGrid g(nullptr);
    EXPECT_FALSE(g.ColSpanIdentical(2, 3)); // never merged: nothing to compare
    g.MergeCells(2, 1, 2, 1);
    g.MergeCells(2, 4, 2, 3);
    EXPECT_TRUE(g.ColSpanIdentical(2, 3));
    EXPECT_FALSE(g.ColSpanIdentical(3, 4)); // merged in one column, not in the other
    EXPECT_TRUE(g.RowSpanIdentical(4, 6));
    EXPECT_FALSE(g.RowSpanIdentical(1, 4));
    EXPECT_EQ(g.MinRowSpan(5), 2);
    EXPECT_EQ(g.MaxRowSpan(1), 0);
}

// Areas are clipped to the grid: no cell outside it takes merge information, and the base stays inside.
TEST(BaseGrid, MergeCellsClipsToTheGrid) {
    struct Case {
        int c, r, sx, sy;
        TPoint base, span;
        int propsCells;
    } cases[] = {
        {6, 6, 4, 4, {6, 6}, {1, 1}, 4},   // beyond the right and bottom edges
        {-2, -1, 4, 3, {0, 0}, {1, 1}, 4}, // before the left and top edges
        {8, 0, 2, 2, {8, 0}, {0, 0}, 0},   // wholly outside
        {1, 1, 0, 3, {1, 1}, {0, 0}, 0},   // no extent: only the count moves
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << k.c << "," << k.r << " " << k.sx << "x" << k.sy);
        TestGrid g(nullptr);
        g.MergeCells(k.c, k.r, k.sx, k.sy);
        EXPECT_EQ(g.MergeCount(), 1);
        int withProps = 0;
        for (int c = 0; c < g.ColCount(); ++c)
            for (int r = 0; r < g.RowCount(); ++r)
                withProps += g.HasCellProperties(c, r);
        EXPECT_EQ(withProps, k.propsCells);
        if (k.propsCells) {
            EXPECT_EQ(g.CellSpan(k.base.X, k.base.Y), k.span);
        }
        for (int c = 0; c < 12; ++c)
            for (int r = 0; r < 12; ++r)
                if (c >= g.ColCount() || r >= g.RowCount()) {
                    EXPECT_EQ(g.GridObjects(c, r), nullptr);
                }
    }
}

TEST(BaseGrid, DisplayHooksApplyOnlyBelowNormalRowCount) {
    TestGrid g(nullptr);
    g.SetNormalRowCount(4);
    g.SetGridCell(1, 3, "abc");
    g.SetGridCell(1, 4, "raw");
    g.MergeCells(2, 2, 1, 2);
    g.SetGridCell(2, 2, "top");
    std::vector<TPoint> hooked;
    g.OnGetDisplText = [&](TObject*, int c, int r, String& v) {
        hooked.push_back({c, r});
        if (!v.isEmpty()) v += "!";
    };
    auto upper = [](TObject*, int, int, String& v) { v = v.toUpper(); };
    struct Case {
        int c, r;
        bool wide;
        String expected;
    } cases[] = {
        {1, 3, false, "abc!"}, {1, 4, false, "raw"},  {1, 3, true, EncodeWideCellText("ABC!")},
        {0, 3, true, "|\\"}, // an empty cell below the limit still comes in the wide form
        {1, 4, true, "raw"},   {2, 3, false, "top!"}, // a covered cell reads its base through the hooks
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << k.c << "," << k.r << (k.wide ? " wide" : ""));
        g.OnGetDisplWideText = k.wide ? TGetDisplWideTextEvent(upper) : nullptr;
        EXPECT_EQ(g.GetCellEx(k.c, k.r), k.expected);
    }
    EXPECT_EQ(hooked.back(), TPoint(2, 2));
    // Writing stores the value as given, with no hook.
    g.SetCellEx(1, 3, "x");
    EXPECT_EQ(g.GridCells(1, 3), "x");
}

TEST(BaseGrid, WritingTheHiddenLastRowNotifies) {
    TestGrid g(nullptr);
    g.SetHideLastRow(true);
    g.SetCellEx(1, 7, "a");
    g.SetCellEx(1, 7, "a");
    g.SetCellEx(1, 6, "b");
    EXPECT_EQ(g.lastRowChanges, 2);
    g.SetObjectEx(2, 7, nullptr); // writes a blank and the empty text back
    EXPECT_EQ(g.lastRowChanges, 4);
    EXPECT_EQ(g.GridCells(2, 7), "");
}

TEST(BaseGrid, PropertiesAreMadeOnFirstAccessFromTheGridsLook) {
    TestGrid g(nullptr);
    g.SetWordWrap(false);
    g.SetColor(0x123456);
    EXPECT_EQ(g.GetCellEx(1, 1), "");
    EXPECT_EQ(g.GetObjectEx(1, 1), nullptr);
    EXPECT_FALSE(g.HasCellProperties(1, 1));
    EXPECT_FALSE(g.HasCellProps());
    TCellProperties* p = g.GetCellProperties(1, 1);
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(g.HasCellProps());
    EXPECT_EQ(g.GetCellProperties(1, 1), p);
    EXPECT_EQ(p->BrushColor(), TColor(0x123456));
    EXPECT_EQ(p->BrushColorTo(), clNone);
    EXPECT_FALSE(p->WordWrap());
    EXPECT_EQ(p->FontName(), g.Font()->Name());
    EXPECT_EQ(p->CellSpanX(), -1);
    EXPECT_TRUE(p->IsBaseCell());
    for (TPoint outside : {TPoint(8, 0), TPoint(0, 8), TPoint(-1, 0)})
        EXPECT_EQ(g.GetCellProperties(outside.X, outside.Y), nullptr);

    // Assign copies the look and merge state but not the gradient or the calculation.
    TCellProperties copy(&g, 0, 0);
    p->SetBrushColorTo(clRed);
    p->SetCalcType(acSUM);
    p->SetEditor(edComboList);
    copy.Assign(p);
    EXPECT_EQ(copy.BrushColor(), TColor(0x123456));
    EXPECT_EQ(copy.Editor(), edComboList);
    EXPECT_EQ(copy.OwnerCol(), 1);
    EXPECT_EQ(copy.BrushColorTo(), clNone);
    EXPECT_EQ(copy.CalcType(), acNONE);
}

TEST(BaseGrid, PropertiesLiveUntilTheirCellOrTheGridGoes) {
    Counted userObject;
    Counted* foreignGraphic = new Counted("TOther");
    {
        TestGrid g(nullptr);
        for (int i = 0; i < 5; ++i)
            g.SetCellProperties(i, i, new CountedProps(&g, i, i));
        EXPECT_EQ(CountedProps::live, 5);
        g.SetCellProperties(0, 0, new CountedProps(&g, 0, 0)); // replaces and frees the old one
        EXPECT_EQ(CountedProps::live, 5);
        g.FreeCellProps(0, 0);
        EXPECT_EQ(CountedProps::live, 4);
        g.ResetCell(1, 1);
        EXPECT_EQ(CountedProps::live, 3);
        g.DeleteRow(2);
        EXPECT_EQ(CountedProps::live, 2);
        g.SetRowCount(3); // the row that held (4, 4) leaves the grid
        EXPECT_EQ(CountedProps::live, 1);
        EXPECT_TRUE(g.HasCellProperties(3, 2));

        g.SetObjectEx(1, 0, &userObject);
        EXPECT_EQ(g.GetObjectEx(1, 0), &userObject);
        EXPECT_EQ(g.GetCellEx(1, 0), "");
        g.SetGraphicObjectEx(2, 0, new Counted("TCellGraphic"));
        g.SetGraphicObjectEx(3, 0, foreignGraphic);
        g.SetColCount(2); // columns beyond the count keep their cells, as hidden columns do
        EXPECT_EQ(Counted::live, 3);
        g.MergeCells(0, 1, 2, 2); // more properties, made by the grid
    }
    EXPECT_EQ(CountedProps::live, 0);
    // The grid's own cell graphic went with the grid; the others stay with their owners.
    EXPECT_EQ(Counted::live, 2);
    delete foreignGraphic;
}

// Keys end on a base cell; Right and Down step over a whole area, Left and Up leave it to the cell beside.
TEST(BaseGrid, KeysStepOverMergedAreas) {
    struct Case {
        const char* name;
        TPoint from;
        Word key;
        TPoint to;
    } cases[] = {
        {"right over columns 3..5", {3, 2}, VK_RIGHT, {6, 2}},
        {"down over rows 2..4", {3, 2}, VK_DOWN, {3, 5}},
        {"left into the area", {6, 3}, VK_LEFT, {3, 2}},
        {"left from a covered cell", {5, 3}, VK_LEFT, {2, 3}},
        {"up from a covered cell", {7, 6}, VK_UP, {7, 3}},
        {"left stops at the fixed columns", {3, 7}, VK_LEFT, {1, 7}},
        {"right at the last column stays", {6, 4}, VK_RIGHT, {6, 4}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        TestGrid g(nullptr);
        g.MergeCells(3, 2, 3, 3); // columns 3..5, rows 2..4
        g.MergeCells(6, 4, 2, 3); // columns 6..7, rows 4..6
        g.MergeCells(1, 7, 3, 1); // columns 1..3 of the last row
        g.SetCol(k.from.X);
        g.SetRow(k.from.Y);
        g.Key(k.key);
        EXPECT_EQ(TPoint(g.Col(), g.Row()), k.to);
    }
}

TEST(BaseGrid, UndoAndRedoWriteThroughTheGrid) {
    TComponent owner(nullptr);
    auto* undo = new TQvGridUndoRedo(&owner);
    auto* g = new TestGrid(&owner);
    g->SetUndoRedo(undo);
    EXPECT_EQ(undo->Grid(), static_cast<IUndoRedoCells*>(g));
    g->MergeCells(1, 2, 2, 1);
    g->SetCellEx(2, 2, "new"); // a covered cell: the base takes the text
    undo->RegisterChange(2, 2, "new", "");
    g->SetCol(4);
    undo->Undo();
    EXPECT_EQ(g->GridCells(1, 2), "");
    EXPECT_EQ(TPoint(g->Col(), g->Row()), TPoint(2, 2));
    undo->Redo();
    EXPECT_EQ(g->GetCellEx(1, 2), "new");

    delete undo;
    EXPECT_EQ(g->UndoRedo(), nullptr);
    auto* second = new TQvGridUndoRedo(&owner);
    g->SetUndoRedo(second);
    delete g;
    EXPECT_EQ(second->Grid(), nullptr);
    second->Undo(); // nothing to write into
}

// A merged area is drawn once per paint pass, as its base cell, over the whole area.
TEST(BaseGrid, PaintDrawsAMergedAreaOncePerPass) {
    struct PaintGrid : TestGrid {
        using TestGrid::TestGrid;
        std::vector<std::pair<TPoint, TRect>> drawn;
        void DrawCellContents(TCanvas* c, int ACol, int ARow, const TRect& r,
                              const TCellLook& look) override {
            drawn.push_back({TPoint(ACol, ARow), r});
            TBaseGrid::DrawCellContents(c, ACol, ARow, r, look);
        }
    };
    TForm form(nullptr);
    form.SetClientSize(800, 600);
    auto* g = new PaintGrid(&form);
    g->SetParent(&form);
    g->MergeCells(2, 1, 3, 2);
    g->SetCellEx(3, 2, "area");
    const int pass = g->PaintID();
    form.Grab();
    EXPECT_GT(g->PaintID(), pass);
    int areaDraws = 0;
    for (const auto& [cell, rect] : g->drawn) {
        EXPECT_FALSE(g->IsMergedNonBaseCell(cell.X, cell.Y));
        if (cell == TPoint(2, 1)) {
            ++areaDraws;
            // The contents lie inside the area's grid lines.
            const TRect area = g->CellRect(4, 2);
            const int lw = g->GridLineWidth();
            EXPECT_EQ(rect, TRect(area.Left + lw, area.Top + lw, area.Right - lw, area.Bottom - lw));
        }
    }
    EXPECT_EQ(areaDraws, g->PaintID() - pass);
}

// The grid's option objects: filter conditions, sort settings, copies between objects, change reports.
#include "controls/grid/QvGrid.h"
#include "controls/grid/options/GridOptions.h"
#include "toolkit/graphics/Picture.h"

#include <gtest/gtest.h>

namespace {

struct RepaintCountingGrid : TQvStringGrid {
    RepaintCountingGrid() : TQvStringGrid(nullptr) {}
    void Invalidate() override {
        ++repaints;
        TQvStringGrid::Invalidate();
    }
    int repaints = 0;
};

} // namespace

TEST(GridFilter, AddJoinsTheSecondConditionWithAnd) {
    TFilter filter(nullptr);
    EXPECT_EQ(filter.Add()->Operation(), foNONE);
    EXPECT_EQ(filter.Add()->Operation(), foAND);
    EXPECT_EQ(filter.Insert(0)->Operation(), foSHORT);
    EXPECT_EQ(filter.Count(), 3);
    EXPECT_EQ(filter.Items(2)->Operation(), foSHORT) << "Insert appends whatever the index";
    EXPECT_TRUE(filter.Items(0)->CaseSensitive());
    EXPECT_EQ(filter.Items(0)->Method(), fmExpression);
}

TEST(GridFilter, ColumnFilterAddsOnceAndRemoveTakesEveryConditionOfTheColumn) {
    TQvStringGrid g(nullptr);
    TFilter* filter = g.Filter();
    TFilterData* third = filter->ColumnFilter(3);
    EXPECT_EQ(filter->Count(), 1);
    EXPECT_EQ(third->Column(), 3);
    EXPECT_EQ(filter->ColumnFilter(3), third);
    EXPECT_EQ(filter->Count(), 1);
    EXPECT_TRUE(filter->HasFilter(3));
    EXPECT_FALSE(filter->HasFilter(2));

    filter->Clear();
    for (int col : {2, 4, 2, 2})
        filter->Add()->SetColumn(static_cast<int16_t>(col));
    filter->RemoveColumnFilter(2);
    ASSERT_EQ(filter->Count(), 1);
    EXPECT_EQ(filter->Items(0)->Column(), 4);
}

TEST(GridFilter, ConditionCopiesRefuseOtherClasses) {
    TFilterData a, b;
    a.SetCondition(">5");
    a.SetCaseSensitive(false);
    a.SetMethod(fmLiteral);
    b.Assign(&a);
    EXPECT_EQ(b.Condition(), ">5");
    EXPECT_FALSE(b.CaseSensitive());
    EXPECT_EQ(b.Method(), fmLiteral);
    b.Assign(nullptr);
    EXPECT_EQ(b.Condition(), ">5");
    TGrouping other;
    EXPECT_THROW(b.Assign(&other), EInvalidCast);
    TPrintSettings print(nullptr);
    EXPECT_THROW(print.Assign(&other), EInvalidCast);
}

TEST(GridSortSettings, RowMustBeOneOfTheFixedRows) {
    TQvStringGrid g(nullptr);
    TSortSettings* sort = g.SortSettings();
    EXPECT_THROW(sort->SetRow(1), EQvGridError);
    try {
        sort->SetRow(1);
    } catch (const EQvGridError& e) {
        EXPECT_EQ(e.Message(), "Sort row should be smaller than number of fixed rows");
    }
    EXPECT_EQ(sort->Row(), 0);
    sort->SetRow(0);
    g.SetFixedRows(2);
    sort->SetRow(1);
    EXPECT_EQ(sort->Row(), 1);
}

TEST(GridSortSettings, RemoveForgetsTheSortAndToggleFlipsTheDirection) {
    TQvStringGrid g(nullptr);
    g.SortSettings()->SetColumn(2);
    g.SortIndexes()->AddIndex(2, true);
    g.SortSettings()->Remove();
    EXPECT_EQ(g.SortSettings()->Column(), -1);
    EXPECT_EQ(g.SortIndexes()->Count(), 0);
    g.SortSettings()->ToggleDirection();
    EXPECT_EQ(g.SortSettings()->Direction(), sdDescending);
}

TEST(GridCellNode, OnlyAChangedLookRepaints) {
    RepaintCountingGrid g;
    g.repaints = 0;
    g.CellNode()->SetNodeIndent(12);
    g.CellNode()->SetShowTree(true);
    EXPECT_EQ(g.repaints, 0);
    g.CellNode()->SetNodeIndent(16);
    g.CellNode()->SetNodeType(cnFlat);
    EXPECT_EQ(g.repaints, 2);
    g.CellNode()->SetColor(clRed); // stored only
    EXPECT_EQ(g.repaints, 2);
}

TEST(GridOptionCopies, CopyEveryPublishedSettingWithoutSideEffects) {
    TGrouping a, b;
    a.SetHeaderLineWidth(5);
    a.SetSummary(true);
    a.SetGroupCountFormat(" [%d]");
    b.Assign(&a);
    EXPECT_EQ(b.HeaderLineWidth(), 5);
    EXPECT_TRUE(b.Summary());
    EXPECT_EQ(b.GroupCountFormat(), " [%d]");

    THTMLSettings h1, h2;
    h1.SetXHTML(true);
    h1.SetWidth(70);
    h1.ColWidths()->Add(30);
    h2.Assign(&h1);
    EXPECT_TRUE(h2.XHTML());
    EXPECT_EQ(h2.Width(), 70);
    EXPECT_EQ(h2.ColWidths()->Count(), 0);

    TQvStringGrid g1(nullptr), g2(nullptr);
    RepaintCountingGrid counting;
    g1.PrintSettings()->Font()->SetName("Arial");
    g1.PrintSettings()->TitleLines()->Add("line");
    g1.PrintSettings()->SetFitToPage(fpShrink);
    g2.PrintSettings()->Assign(g1.PrintSettings());
    EXPECT_EQ(g2.PrintSettings()->Font()->Name(), "Arial");
    EXPECT_NE(g2.PrintSettings()->Font(), g1.PrintSettings()->Font());
    EXPECT_EQ(g2.PrintSettings()->TitleLines()->Count(), 1);
    EXPECT_EQ(g2.PrintSettings()->FitToPage(), fpShrink);

    g1.SortSettings()->SetShow(true);
    g1.SortSettings()->SetHeaderColor(clRed);
    counting.repaints = 0;
    counting.SortSettings()->Assign(g1.SortSettings());
    EXPECT_TRUE(counting.SortSettings()->Show());
    EXPECT_EQ(counting.SortSettings()->HeaderColor(), clRed);
    counting.CellNode()->Assign(g1.CellNode());
    EXPECT_EQ(counting.repaints, 0);

    g1.DragDropSettings()->SetOleEntireRows(true);
    g2.DragDropSettings()->Assign(g1.DragDropSettings());
    EXPECT_TRUE(g2.DragDropSettings()->OleEntireRows());

    // Another class is ignored.
    b.Assign(&h1);
    EXPECT_EQ(b.HeaderLineWidth(), 5);
}

TEST(GridDragDropSettings, DroppedRichTextIsAcceptedProcessWide) {
    TQvStringGrid g(nullptr);
    g.DragDropSettings()->SetOleDropRTF(true);
    EXPECT_TRUE(GridDragDropAcceptRTF());
    g.DragDropSettings()->SetOleDropRTF(false);
    EXPECT_FALSE(GridDragDropAcceptRTF());
}

TEST(GridFilterDropDown, GlyphChangesAreReportedAndCopiesAreSilent) {
    RepaintCountingGrid g;
    g.repaints = 0;
    TBitmap glyph;
    glyph.SetSize(4, 4);
    g.FilterDropDown()->SetGlyph(&glyph);
    EXPECT_EQ(g.repaints, 1);
    EXPECT_EQ(g.FilterDropDown()->Glyph()->Width(), 4);

    TFilterDropDown copy;
    int changes = 0;
    copy.OnChange = [&](TObject*) { ++changes; };
    copy.Assign(g.FilterDropDown());
    EXPECT_EQ(copy.Glyph()->Width(), 4);
    EXPECT_EQ(changes, 0);
}

TEST(GridDropList, EnterChoosesTheItemAndHidesTheList) {
    TQvStringGrid g(nullptr);
    TDropList* list = g.FilterList();
    list->Items()->Add("one");
    list->Items()->Add("two");
    list->SetItemIndex(1);
    list->SetVisible(true);
    int chosen = -2;
    list->OnSelect = [&](TObject*, int index) { chosen = index; };
    SendMessage(list, WM_CHAR, 13, 0);
    EXPECT_EQ(chosen, 1);
    EXPECT_FALSE(list->Visible());
}

TEST(GridDropCheckList, CheckingAnItemReportsItAndKeepsTheListOpen) {
    TQvStringGrid g(nullptr);
    TDropCheckList* list = g.FilterCheckList();
    list->Items()->Add("one");
    list->SetVisible(true);
    int reported = -2;
    list->OnSelect = [&](TObject*, int index) { reported = index; };
    list->SetChecked(0, true);
    EXPECT_EQ(reported, -1);
    EXPECT_TRUE(list->Checked(0));
    EXPECT_TRUE(list->Visible());
}

TEST(GridItems, TheHiddenRowStoreOwnsItsRows) {
    TGridItems store;
    TGridItem* item = store.Add();
    item->SetIdx(7);
    auto lines = std::make_unique<TStringList>();
    lines->Add("a");
    item->SetItems(std::move(lines));
    EXPECT_EQ(store.Items(0)->Items()->Strings(0), "a");
    store.Delete(0);
    EXPECT_EQ(store.Count(), 0);
}

// The string grid's property setters, its own settings objects, copying a grid and the end of loading.
#include "controls/grid/QvGrid.h"
#include "toolkit/system/DesignValue.h"

#include <gtest/gtest.h>

namespace {

// Counts the repaint requests, which are the side effects most setters have.
struct CountingGrid : TQvStringGrid {
    CountingGrid() : TQvStringGrid(nullptr) {}
    void Invalidate() override {
        ++repaints;
        TQvStringGrid::Invalidate();
    }
    int repaints = 0;
};

} // namespace

TEST(QvGridSettings, FixedRowsKeepOneRowWhenFixedRowAlways) {
    TQvStringGrid g(nullptr);
    g.SetFixedRowAlways(true);
    g.SetRowCount(2);
    g.SetFixedRows(3);
    EXPECT_EQ(g.TCustomGrid::FixedRows(), 1);
    EXPECT_EQ(g.FixedRowsMin(), 3);

    g.SetFixedRows(0);
    EXPECT_EQ(g.TCustomGrid::FixedRows(), 0);
    EXPECT_EQ(g.FixedRows(), 1) << "an always-fixed row reads as one even when none is stored";
    g.SetFixedRowAlways(false);
    EXPECT_EQ(g.FixedRows(), 0);
}

TEST(QvGridSettings, GrowingTheRowsRestoresTheRememberedFixedRows) {
    TQvStringGrid g(nullptr);
    g.SetFixedRowAlways(true);
    g.SetRowCount(2);
    g.SetFixedRows(3);
    ASSERT_EQ(g.TCustomGrid::FixedRows(), 1);
    g.SetRowCount(6);
    EXPECT_EQ(g.TCustomGrid::FixedRows(), 3);
    EXPECT_EQ(g.MaxRowCount(), 10);
}

TEST(QvGridSettings, SelectionColorMixerFactorIsClipped) {
    TQvStringGrid g(nullptr);
    const std::pair<int, int> cases[] = {{150, 100}, {-5, 0}, {30, 30}, {100, 100}};
    for (auto [in, out] : cases) {
        g.SetSelectionColorMixerFactor(in);
        EXPECT_EQ(g.SelectionColorMixerFactor(), out) << in;
    }
}

TEST(QvGridSettings, FixedColumnWidthEqualToTheDefaultLeavesResizedColumns) {
    TQvStringGrid g(nullptr);
    g.SetFixedCols(2);
    g.SetColWidths(0, 30);
    g.SetColWidths(1, 40);
    g.SetFixedColWidth(g.DefaultColWidth());
    EXPECT_EQ(g.ColWidths(0), 30);
    EXPECT_EQ(g.ColWidths(1), 40);
    g.SetFixedColWidth(90);
    EXPECT_EQ(g.ColWidths(0), 90);
    EXPECT_EQ(g.ColWidths(1), 90);
    EXPECT_EQ(g.ColWidths(2), g.DefaultColWidth());
    EXPECT_EQ(g.FixedColWidth(), 90);
}

TEST(QvGridSettings, FixedRowHeightSizesTheFixedRowsOnly) {
    TQvStringGrid g(nullptr);
    g.SetFixedRows(2);
    g.SetFixedRowHeight(30);
    EXPECT_EQ(g.RowHeights(0), 30);
    EXPECT_EQ(g.RowHeights(1), 30);
    EXPECT_EQ(g.RowHeights(2), 22);
    g.SetDefaultRowHeight(25);
    EXPECT_EQ(g.FloatingFooter()->Height(), 25);
}

TEST(QvGridSettings, IntegralHeightLeavesWholeRows) {
    TQvStringGrid g(nullptr);
    g.SetBorderStyle(bsSingle);
    g.SetIntegralHeight(true);
    g.SetBounds(0, 0, 400, 250);
    EXPECT_EQ(g.Height(), 246); // 250 + 2 - (248 mod 22)
    g.SetIntegralHeight(false);
    g.SetBounds(0, 0, 400, 250);
    EXPECT_EQ(g.Height(), 250);
}

TEST(QvGridSettings, VerticalAlignmentSetsItsTextFlag) {
    TQvStringGrid g(nullptr);
    const std::pair<TVAlignment, unsigned> cases[] = {
        {vtaCenter, DT_VCENTER}, {vtaBottom, DT_BOTTOM}, {vtaTop, DT_TOP}};
    for (auto [a, flag] : cases) {
        g.SetVAlignment(a);
        EXPECT_EQ(g.VAlignmentTextFlag(), flag);
    }
}

TEST(QvGridSettings, LookSettersRepaintOnlyOnAChangeAndNotInsideAnUpdate) {
    CountingGrid g;
    g.repaints = 0;
    g.SetSelectionColor(g.SelectionColor());
    EXPECT_EQ(g.repaints, 0);
    g.SetSelectionColor(clRed);
    EXPECT_EQ(g.repaints, 1);
    g.BeginUpdate();
    g.SetActiveCellColor(clBlue);
    g.SetWordWrap(false);
    EXPECT_EQ(g.repaints, 1);
    g.EndUpdate();
    EXPECT_EQ(g.repaints, 2);
    EXPECT_EQ(g.ActiveCellColor(), clBlue);
}

TEST(QvGridSettings, SpreadSheetSwitchesOnRangeEditing) {
    TQvStringGrid g(nullptr);
    g.SetSpreadSheet(true);
    EXPECT_TRUE(g.SelectionRectangle());
    EXPECT_TRUE(g.SelectionResizer());
    EXPECT_TRUE(g.Navigation()->AllowSmartClipboard());
    EXPECT_TRUE(g.Options() & goRangeSelect);
    EXPECT_TRUE(g.Options() & goEditing);
    EXPECT_TRUE(g.MouseActions()->RangeSelectAndEdit());
}

TEST(QvGridSettings, ObjectSettersCopyTheGivenObject) {
    TQvStringGrid g(nullptr);
    TShowModified modified;
    modified.SetEnabled(true);
    modified.SetColor(clRed);
    g.SetShowModified(&modified);
    EXPECT_NE(g.ShowModified(), &modified);
    EXPECT_TRUE(g.ShowModified()->Enabled());
    EXPECT_EQ(g.ShowModified()->Color(), clRed);

    TFont font;
    font.SetName("Courier");
    g.SetActiveCellFont(&font);
    EXPECT_EQ(g.ActiveCellFont()->Name(), "Courier");
}

// Loading a window design stores values; what depends on the whole grid waits for Loaded.
TEST(QvGridLoading, SettersWaitForTheEndOfLoading) {
    TQvStringGrid g(nullptr);
    g.SetLoading(true);
    g.SetRowCount(12);
    g.SetFixedRows(2);
    g.SetFixedCols(0);
    g.SetFixedRowHeight(40);
    g.SetFixedColWidth(90);
    g.SetOptions(g.Options() | goAlwaysShowEditor);
    EXPECT_EQ(g.FixedRowsMin(), 1) << "the minimum is taken at the end of loading";
    EXPECT_EQ(g.FixedColsMin(), 1);
    EXPECT_EQ(g.RowHeights(0), 22) << "the fixed rows are sized at the end of loading, not row by row";
    EXPECT_EQ(g.ColWidths(0), 64);
    EXPECT_EQ(g.FixedRowHeight(), 40);
    EXPECT_FALSE(g.IsLoaded());

    g.Loaded();
    EXPECT_TRUE(g.IsLoaded());
    EXPECT_FALSE(g.IsLoading());
    EXPECT_EQ(g.FixedRowsMin(), 2);
    EXPECT_EQ(g.FixedColsMin(), 0);
    EXPECT_EQ(g.MaxRowCount(), 12);
    EXPECT_TRUE(g.Navigation()->AlwaysEdit());
    EXPECT_FALSE(g.Options() & goAlwaysShowEditor);
    EXPECT_EQ(g.InitialColSizes()->Count(), g.ColCount());
    EXPECT_EQ(g.ColumnOrder()->Count(), g.ColCount());
}

TEST(QvGridLoading, HeadersShowInTheFirstRowAndColumn) {
    TQvStringGrid g(nullptr);
    g.ColumnHeaders()->Add("Nr");
    g.ColumnHeaders()->Add("Name");
    g.RowHeaders()->Add("Nr");
    g.RowHeaders()->Add("first");
    EXPECT_EQ(g.Cells(1, 0), "Name");
    EXPECT_EQ(g.Cells(0, 1), "first");
}

TEST(QvGridLoading, ThemeControlStyleStaysWithVisualStyles) {
    TQvStringGrid g(nullptr);
    g.SetLoading(true);
    g.Loaded();
    EXPECT_EQ(g.ControlLook()->ControlStyle(), csTheme);
}

// Floating footer: the last row follows the row count with its texts.
TEST(QvGridSettings, GrowingRowsKeepsTheFooterTextsInTheLastRow) {
    TQvStringGrid g(nullptr);
    g.SetRowCount(5);
    g.FloatingFooter()->SetVisible(true);
    EXPECT_EQ(g.FixedFooters(), 1);
    g.SetCells(1, 4, "sum");
    g.SetRowCount(8);
    EXPECT_EQ(g.Cells(1, 7), "sum");
    EXPECT_EQ(g.Cells(1, 4), "");
    g.SetRowCount(3);
    EXPECT_EQ(g.Cells(1, 2), "sum");
}

// Settings objects
// --------------------------------------------------------------------------------------------

TEST(QvGridControlLook, AssignCopiesEachGradientColourToItsOwnProperty) {
    TQvStringGrid a(nullptr), b(nullptr);
    TControlLook* s = a.ControlLook();
    s->SetFixedGradientFrom(0x000001);
    s->SetFixedGradientTo(0x000002);
    s->SetFixedGradientMirrorFrom(0x000003);
    s->SetFixedGradientMirrorTo(0x000004);
    s->SetFixedGradientHoverFrom(0x000005);
    s->SetFixedGradientHoverTo(0x000006);
    s->SetFixedGradientHoverMirrorFrom(0x000007);
    s->SetFixedGradientHoverMirrorTo(0x000008);
    s->SetFixedGradientHoverBorder(0x000009);
    s->SetFixedGradientDownFrom(0x00000A);
    s->SetFixedGradientDownTo(0x00000B);
    s->SetFixedGradientDownMirrorFrom(0x00000C);
    s->SetFixedGradientDownMirrorTo(0x00000D);
    s->SetFixedGradientDownBorder(0x00000E);
    s->SetCheckSize(20);
    s->SetFlatButton(true);
    s->SetDropDownCount(12);
    s->DropDownHeader()->SetCaption("head");

    TControlLook* d = b.ControlLook();
    d->Assign(s);
    const TColor got[] = {d->FixedGradientFrom(),
                          d->FixedGradientTo(),
                          d->FixedGradientMirrorFrom(),
                          d->FixedGradientMirrorTo(),
                          d->FixedGradientHoverFrom(),
                          d->FixedGradientHoverTo(),
                          d->FixedGradientHoverMirrorFrom(),
                          d->FixedGradientHoverMirrorTo(),
                          d->FixedGradientHoverBorder(),
                          d->FixedGradientDownFrom(),
                          d->FixedGradientDownTo(),
                          d->FixedGradientDownMirrorFrom(),
                          d->FixedGradientDownMirrorTo(),
                          d->FixedGradientDownBorder()};
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ(got[i], i + 1) << i;
    EXPECT_EQ(d->CheckSize(), 20);
    EXPECT_EQ(d->DropDownCount(), 12);
    EXPECT_EQ(d->DropDownHeader()->Caption(), "head");
    EXPECT_FALSE(d->FlatButton()) << "the flat-button switch is not copied";
    // Assign does not reach the grid's own look colours.
    EXPECT_EQ(b.FixedGradientColors().HoverFrom, clNone);
    // The setters do: plain colours only when they are colours, mirror colours always.
    EXPECT_EQ(a.FixedGradientColors().HoverFrom, 0x000005);
    s->SetFixedGradientHoverFrom(clNone);
    EXPECT_EQ(a.FixedGradientColors().HoverFrom, 0x000005);
    s->SetFixedGradientHoverMirrorFrom(clNone);
    EXPECT_EQ(a.FixedGradientColors().HoverMirrorFrom, clNone);
}

TEST(QvGridBalloon, AssignLeavesTransparencyAndNotifiesNobody) {
    TBalloonSettings a, b;
    int notified = 0;
    b.OnEnableChange = [&](TObject*) { ++notified; };
    a.SetTransparency(100);
    a.SetInitialDelay(300);
    a.SetTextColor(clRed);
    a.SetEnable(true);
    b.Assign(&a);
    EXPECT_EQ(b.Transparency(), 0);
    EXPECT_EQ(b.InitialDelay(), 300);
    EXPECT_EQ(b.TextColor(), clRed);
    EXPECT_TRUE(b.Enable());
    EXPECT_EQ(notified, 0);
    b.SetEnable(false);
    EXPECT_EQ(notified, 1);
}

TEST(QvGridProgressAppearance, SettersAnnounceChangesAndAssignAnnouncesOnce) {
    TGridProgressAppearance a, b;
    int changes = 0;
    b.OnChange = [&](TObject*) { ++changes; };
    b.SetSteps(11);
    EXPECT_EQ(changes, 0) << "an unchanged value is not announced";
    b.SetSteps(5);
    EXPECT_EQ(changes, 1);
    a.SetStyle(psClassic);
    a.SetLevel2Perc(95);
    b.Assign(&a);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(b.Style(), psClassic);
    EXPECT_EQ(b.Level2Perc(), 95);
    EXPECT_EQ(b.Steps(), 11);
}

TEST(QvGridColumnSize, StretchFillsTheClientWidthWithTheChosenColumn) {
    TQvStringGrid g(nullptr);
    TQvStringGrid parent(nullptr);
    g.SetParent(&parent);
    g.ColumnSize()->SetStretchColumn(1);
    g.ColumnSize()->SetStretch(true);
    int total = 0;
    for (int c = 0; c < g.ColCount(); ++c)
        total += g.ColWidths(c) + 1;
    EXPECT_EQ(total, g.ClientWidth());
    EXPECT_GT(g.ColWidths(1), g.ColWidths(2));
    g.SetParent(nullptr);
}

namespace {

TDesignValue DesignInt(int v) {
    TDesignValue d;
    d.kind = TDesignValue::Integer;
    d.integer = v;
    return d;
}

TDesignValue DesignIdent(const char* ident) {
    TDesignValue d;
    d.kind = TDesignValue::Ident;
    d.text = ident;
    return d;
}

} // namespace

TEST(QvGridLoading, StoredPropertiesOfADesignReachTheGridsSetters) {
    TQvStringGrid g(nullptr);
    g.SetLoading(true);
    EXPECT_TRUE(g.ReadProperty("RowCount", DesignInt(25)));
    EXPECT_TRUE(g.ReadProperty("FixedRows", DesignInt(2)));
    EXPECT_TRUE(g.ReadProperty("DefaultRowHeight", DesignInt(18)));
    EXPECT_TRUE(g.ReadProperty("Look", DesignIdent("glVista")));
    EXPECT_TRUE(g.ReadProperty("InvalidEntryIcon", DesignIdent("ieError")));
    EXPECT_TRUE(g.ReadProperty("EnableWheel", DesignIdent("False")));
    EXPECT_TRUE(g.ReadProperty("SelectionColorMixerFactor", DesignInt(400)));
    EXPECT_TRUE(g.ReadProperty("Version", DesignIdent("9.9")));
    EXPECT_TRUE(g.ReadProperty("GridLineWidth", DesignInt(2))) << "the base grid's own properties still read";
    EXPECT_FALSE(g.ReadProperty("NoSuchProperty", DesignInt(1)));
    g.Loaded();
    EXPECT_EQ(g.RowCount(), 25);
    EXPECT_EQ(g.MaxRowCount(), 25);
    EXPECT_EQ(g.FixedRowsMin(), 2);
    EXPECT_EQ(g.DefaultRowHeight(), 18);
    EXPECT_EQ(g.Look(), glVista);
    EXPECT_EQ(g.InvalidEntryIcon(), ieError);
    EXPECT_FALSE(g.EnableWheel());
    EXPECT_EQ(g.SelectionColorMixerFactor(), 100);
    EXPECT_EQ(g.Version(), "6.2.1.3");
    EXPECT_EQ(g.GridLineWidth(), 2);
}

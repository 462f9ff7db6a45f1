// Helper lists and option objects of the grid library.
#include "controls/grid/QvGrid.h"
#include "controls/grid/QvObj.h"

#include <gtest/gtest.h>

TEST(QvObjEnums, StoredOrdinalsStayPut) {
    // These numbers are stored in settings; a reordering would misread every saved column.
    EXPECT_EQ(edComboList, 3);
    EXPECT_EQ(edDataCheckBox, 10);
    EXPECT_EQ(edNone, 27);
    EXPECT_EQ(edQvGridDropDown, 38);
    EXPECT_EQ(edMaskEditBtn, 42);
    EXPECT_EQ(ssAlphaNumericNoCase, 19);
    EXPECT_EQ(adTopBottomInCol, 3);
    EXPECT_EQ(CellBorderFlag(cbBottom), 8u);
}

TEST(QvObjSortIndexList, TextForm) {
    TSortIndexList list;
    list.AddIndex(2, true);
    list.AddIndex(0, false);
    EXPECT_EQ(list.SaveToString(), "u2;d0");

    struct Case {
        const char* text;
        const char* saved;
    };
    const Case cases[] = {
        {"u2;d0", "u2;d0"}, {"x5", "d5"}, {";;u;d7", "d7"}, {"uabc;d3", "d3"}, {"", ""}, {"U4", "d4"},
    };
    for (const Case& c : cases) {
        list.LoadFromString(c.text);
        EXPECT_EQ(list.SaveToString(), c.saved) << c.text;
    }
}

TEST(QvObjSortIndexList, DirectionBits) {
    TSortIndexList list;
    list.AddIndex(3, true);
    list.AddIndex(5, false);
    EXPECT_EQ(list.FindIndex(5), 1);
    EXPECT_EQ(list.FindIndex(4), -1);
    EXPECT_FALSE(list.SortDirections(1));
    EXPECT_EQ(list.SortColumns(1), 5);

    list.ToggleIndex(4);
    EXPECT_EQ(list.SaveToString(), "u3;d5");
    list.ToggleIndex(5);
    EXPECT_TRUE(list.SortDirections(1));

    list.SetSortDirections(0, false);
    list.SetSortColumns(0, 9);
    EXPECT_EQ(list.SortColumns(0), 9);
    EXPECT_FALSE(list.SortDirections(0));
}

TEST(QvObjIntList, StrValueAndEvents) {
    TIntList list(4, 7);
    EXPECT_EQ(list.StrValue(), "");
    std::vector<std::pair<int, int>> events;
    list.OnChange = [&](TObject*, int col, int row) { events.emplace_back(col, row); };

    list.SetStrValue("1,2,3");
    EXPECT_EQ(events.size(), 3u);
    EXPECT_EQ(events.front(), std::make_pair(4, 7));
    list.SetStrValue("3,-1,17");
    EXPECT_EQ(list.StrValue(), "3,-1,17");

    events.clear();
    list.Insert(0, 9);
    EXPECT_TRUE(events.empty());
    list.DeleteValue(-1);
    list.DeleteValue(42);
    EXPECT_EQ(list.StrValue(), "9,3,17");
    EXPECT_EQ(events.size(), 1u);
    list.SetItems(0, 8);
    EXPECT_EQ(events.size(), 2u);
    EXPECT_TRUE(list.HasValue(8));

    EXPECT_THROW(list.SetStrValue("1,x,3"), EConvertError);
    EXPECT_EQ(list.StrValue(), "1");
    EXPECT_THROW(list.Items(5), EListError);
}

TEST(QvObjLists, FileStringListAndControlList) {
    TFileStringList lines;
    lines.Write("a");
    lines.Write("b");
    lines.WriteLn("c");
    lines.WriteLn("d");
    EXPECT_EQ(lines.Count(), 2);
    lines.Reset();
    EXPECT_EQ(lines.ReadLn(), "abc");
    EXPECT_EQ(lines.ReadLn(), "d");
    EXPECT_TRUE(lines.Eof());
    EXPECT_THROW(lines.ReadLn(), EListError);

    TControlList controls;
    controls.AddControl(1, 2, nullptr);
    controls.AddControl(3, 4, nullptr);
    EXPECT_EQ(controls.ControlIndex(3, 4), 1);
    EXPECT_EQ(controls.ControlIndex(2, 1), -1);
    controls.RemoveControl(0);
    EXPECT_EQ(controls.ControlIndex(3, 4), 0);
    EXPECT_EQ(controls.GetControl(0)->X, 3);
}

TEST(QvObjOptions, BandsReportOnlyWhileActive) {
    TBands bands;
    int changes = 0;
    bands.OnChange = [&](TObject*) { ++changes; };
    EXPECT_EQ(bands.TotalLength(), 2);
    bands.SetPrimaryColor(clRed);
    bands.SetPrimaryLength(3);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(bands.TotalLength(), 4);
    bands.SetActive(true);
    bands.SetActive(true);
    EXPECT_EQ(changes, 1);
    bands.SetSecondaryLength(2);
    EXPECT_EQ(changes, 2);

    TBands copy;
    copy.OnChange = [&](TObject*) { ++changes; };
    copy.Assign(&bands);
    EXPECT_EQ(changes, 2);
    EXPECT_TRUE(copy.Active());
    EXPECT_EQ(copy.PrimaryColor(), clRed);
    EXPECT_EQ(copy.TotalLength(), 5);
}

TEST(QvObjOptions, SearchFooter) {
    TSearchFooter plain(nullptr, false);
    EXPECT_EQ(plain.FindNextCaption(), "");
    EXPECT_EQ(plain.HintHighlight(), "");
    EXPECT_TRUE(plain.ShowClose() && plain.ShowFindNext() && plain.ShowFindPrev() && plain.ShowHighLight() &&
                plain.ShowMatchCase());
    EXPECT_EQ(plain.SearchColumn(), -1);
    EXPECT_EQ(plain.ColorTo(), clBtnFace);

    TSearchFooter designed(nullptr, true);
    EXPECT_EQ(designed.FindNextCaption(), "Find &next");
    EXPECT_EQ(designed.MatchCaseCaption(), "Match case");

    int changes = 0;
    plain.OnChange = [&](TObject*) { ++changes; };
    plain.SetShowFindNext(true);   // unchanged: quiet
    plain.SetColor(plain.Color()); // always reports
    plain.SetVisible(true);
    EXPECT_EQ(changes, 2);

    designed.Font()->SetSize(14);
    designed.SetAutoSearch(false);
    designed.SetSearchColumn(3);
    plain.Assign(&designed);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(plain.FindNextCaption(), "Find &next");
    EXPECT_EQ(plain.Font()->Size(), 14);
    EXPECT_EQ(plain.SearchColumn(), 3);
    EXPECT_TRUE(plain.AutoSearch()); // not copied
    EXPECT_FALSE(plain.Visible());
}

TEST(QvObjOptions, Navigation) {
    TNavigation nav;
    int changes = 0;
    nav.OnChange = [&](TObject*) { ++changes; };
    nav.SetAdvanceAuto(true);
    EXPECT_TRUE(nav.AdvanceOnEnter());
    nav.SetAdvanceDirection(adLeftRight);
    nav.SetAdvanceDirection(adTopBottom);
    nav.SetAdvanceInsert(true);
    EXPECT_EQ(changes, 2);

    TNavigation source;
    source.SetKeepScrollOnSort(true);
    source.SetAllowInsertRow(true);
    source.SetHomeEndKey(heFirstLastCell);
    nav.Assign(&source);
    EXPECT_TRUE(nav.AllowInsertRow());
    EXPECT_EQ(nav.HomeEndKey(), heFirstLastCell);
    EXPECT_FALSE(nav.KeepScrollOnSort());
    EXPECT_EQ(nav.AdvanceDirection(), adLeftRight);
    nav.SetAdvanceDirection(adTopBottom);
    EXPECT_EQ(changes, 3); // still connected to its own handler
}

TEST(QvObjOptions, MouseActions) {
    TMouseActions mouse(nullptr);
    int invalidates = 0, disables = 0;
    mouse.OnInvalidate = [&](TObject*) { ++invalidates; };
    mouse.OnDisableEdit = [&](TObject*) { ++disables; };

    mouse.SetHotmailRowSelect(false);
    EXPECT_EQ(invalidates, 1);
    EXPECT_FALSE(mouse.DisjunctRowSelect());
    mouse.SetHotmailRowSelect(true);
    EXPECT_TRUE(mouse.DisjunctRowSelect());
    EXPECT_TRUE(mouse.CheckAllCheck());
    mouse.SetEditOnDblClickOnly(false);
    mouse.SetEditOnDblClickOnly(true);
    EXPECT_EQ(disables, 1);

    // At run time the disjunct selections are independent; at design time they exclude each other.
    mouse.SetDisjunctColSelect(true);
    EXPECT_TRUE(mouse.DisjunctRowSelect());
    mouse.OnIsDesigning = [](TObject*, bool& designing) { designing = true; };
    mouse.SetDisjunctCellSelect(true);
    EXPECT_FALSE(mouse.DisjunctRowSelect());
    EXPECT_FALSE(mouse.DisjunctColSelect());

    TMouseActions source(nullptr);
    source.SetSizeFixedRow(true);
    source.SetRowSelect(true);
    source.SetWheelIncrement(3);
    source.SetFixedComboValues({"a", "b"});
    mouse.Assign(&source);
    EXPECT_TRUE(mouse.RowSelect());
    EXPECT_EQ(mouse.WheelIncrement(), 3);
    EXPECT_FALSE(mouse.SizeFixedRow());
    EXPECT_TRUE(mouse.HotmailRowSelect());
    EXPECT_TRUE(mouse.FixedComboValues().isEmpty());
    mouse.SetHotmailRowSelect(true);
    EXPECT_EQ(invalidates, 3);
}

TEST(QvObjOptions, SyncGridIgnoresItsOwner) {
    TQvStringGrid ownerGrid(nullptr), otherGrid(nullptr);
    TSyncGrid sync(&ownerGrid);
    sync.SetGrid(&ownerGrid);
    EXPECT_EQ(sync.Grid(), nullptr);
    sync.SetGrid(&otherGrid);
    sync.SetMoveRow(true);

    TSyncGrid copy(&otherGrid);
    copy.Assign(&sync);
    EXPECT_EQ(copy.Grid(), nullptr); // would be its own owner
    EXPECT_TRUE(copy.MoveRow());
}

TEST(QvObjOptions, SyncGridForgetsAGridThatIsFreed) {
    TQvStringGrid owner(nullptr);
    auto* other = new TQvStringGrid(nullptr);
    owner.SyncGrid()->SetGrid(other);
    owner.SyncGrid()->SetSelectionColumn(true);
    owner.SetCol(2);
    EXPECT_EQ(other->Col(), 2);
    delete other;
    EXPECT_EQ(owner.SyncGrid()->Grid(), nullptr);
    owner.SetCol(3); // no longer reaches the freed grid
    EXPECT_EQ(owner.Col(), 3);
}

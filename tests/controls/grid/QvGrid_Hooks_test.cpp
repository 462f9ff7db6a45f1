// The string grid's hooks: the value without handlers, the grid's own rules, then the event with its
// arguments in the event's declared order.
#include "controls/grid/QvGrid.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Call {
    int a, b;
    bool operator==(const Call&) const = default;
};

void PrintTo(const Call& c, std::ostream* os) {
    *os << '(' << c.a << ", " << c.b << ')';
}

TCellGraphic* AddGraphic(TQvStringGrid& g, int col, int row, TCellType type) {
    auto* graphic = new TCellGraphic; // owned by the cell from here on
    graphic->CellType = type;
    g.SetGraphicObjects(col, row, graphic);
    return graphic;
}

} // namespace

TEST(QvGridHooks, WithoutHandlersEachHookGivesItsInitialValue) {
    TQvStringGrid g(nullptr);
    EXPECT_FALSE(g.HasComboBox(1, 1));
    EXPECT_FALSE(g.HasSpinEdit(1, 1));
    EXPECT_FALSE(g.HasNoEditor(1, 1));
    double rate = 3;
    EXPECT_TRUE(g.DoRatingChange(1, 1, rate));
    String text;
    g.GetCheckTrue(1, 1, text);
    EXPECT_EQ(text, "Y");
    g.GetCheckFalse(1, 1, text);
    EXPECT_EQ(text, "N");
    EXPECT_TRUE(g.DoCanAddRow());
    EXPECT_TRUE(g.DoCanInsertRow(2));
    EXPECT_TRUE(g.DoCanShowFixedDropDown(1));
    EXPECT_TRUE(g.DoCellChanging(1, 1, 2, 2));
    EXPECT_EQ(g.GetCellType(1, 1), ctEmpty);
    EXPECT_EQ(g.GetCellGraphic(1, 1), nullptr);
    EXPECT_EQ(g.GetCellFont(1, 1), g.Font());
    bool canEdit = true;
    g.CanEditCell(2, 2, canEdit);
    EXPECT_TRUE(canEdit) << "a cell without properties keeps the value passed in";
}

TEST(QvGridHooks, ComboAndSpinButtonsFollowTheEditorKindWhenAlwaysVisible) {
    TQvStringGrid g(nullptr);
    TEditorType editor = edComboList;
    g.OnGetEditorType = [&](TObject*, int, int, TEditorType& e) { e = editor; };
    g.ControlLook()->SetDropDownAlwaysVisible(true);
    g.ControlLook()->SetSpinButtonsAlwaysVisible(true);
    struct Case {
        TEditorType editor;
        bool combo, spin;
    } cases[] = {{edComboList, true, false},
                 {edComboEdit, true, false},
                 {edSpinEdit, false, true},
                 {edDateSpinEdit, false, true},
                 {edNormal, false, false}};
    for (const Case& c : cases) {
        editor = c.editor;
        EXPECT_EQ(g.HasComboBox(2, 2), c.combo) << c.editor;
        EXPECT_EQ(g.HasSpinEdit(2, 2), c.spin) << c.editor;
    }
    editor = edSpinEdit;
    EXPECT_FALSE(g.HasSpinEdit(0, 2)) << "no spin buttons in a fixed column";
    editor = edNone;
    EXPECT_TRUE(g.HasNoEditor(2, 2));
    // An explicit answer wins over the editor kind.
    g.OnHasComboBox = [](TObject*, int, int, bool& has) { has = false; };
    editor = edComboList;
    EXPECT_FALSE(g.HasComboBox(2, 2));
}

TEST(QvGridHooks, FixedCellsAreNotAskedAboutBeingFixed) {
    TQvStringGrid g(nullptr);
    std::vector<Call> asked; // (row, column) as the event declares them
    g.OnIsFixedCell = [&](TObject*, int ARow, int ACol, bool& fixed) {
        asked.push_back({ARow, ACol});
        fixed = ACol == 3;
    };
    EXPECT_TRUE(g.IsFixed(0, 4));
    EXPECT_TRUE(g.IsFixed(2, 0));
    EXPECT_TRUE(asked.empty());
    EXPECT_TRUE(g.IsFixed(3, 4));
    EXPECT_FALSE(g.IsFixed(2, 4));
    EXPECT_EQ(asked, (std::vector<Call>{{4, 3}, {4, 2}}));
    // Footer rows and right columns are fixed by count.
    g.SetFixedFooters(1);
    g.SetFixedRightCols(1);
    EXPECT_TRUE(g.IsFixed(2, g.RowCount() - 1));
    EXPECT_TRUE(g.IsFixed(g.ColCount() - 1, 2));
}

TEST(QvGridHooks, MergedCellIsAskedAboutEditingWithItsBaseCell) {
    TQvStringGrid g(nullptr);
    g.SetOptions(g.Options() | goEditing);
    g.MergeCells(1, 2, 2, 2);
    std::vector<Call> asked;
    g.OnCanEditCell = [&](TObject*, int ARow, int ACol, bool&) { asked.push_back({ARow, ACol}); };
    bool canEdit = true;
    g.CanEditCell(2, 3, canEdit);
    EXPECT_EQ(asked, (std::vector<Call>{{2, 1}}));
    EXPECT_TRUE(canEdit);

    g.GetCellProperties(1, 2)->SetReadOnly(true);
    g.CanEditCell(2, 3, canEdit);
    EXPECT_FALSE(canEdit);
}

TEST(QvGridHooks, CellsWithPropertiesNeedEditingSwitchedOn) {
    TQvStringGrid g(nullptr);
    g.GetCellProperties(2, 2);
    bool canEdit = true;
    g.CanEditCell(2, 2, canEdit);
    EXPECT_FALSE(canEdit);
    g.MouseActions()->SetRangeSelectAndEdit(true);
    canEdit = true;
    g.CanEditCell(2, 2, canEdit);
    EXPECT_TRUE(canEdit);
}

TEST(QvGridHooks, ActiveCellHeadersTakeTheActiveLookUnlessTheCellSaysOtherwise) {
    TQvStringGrid g(nullptr);
    g.SetActiveCellShow(true);
    g.SetCol(2);
    g.SetRow(3);
    TBrush brush;
    TFont font;
    struct Case {
        int col, row;
        bool active;
    } cases[] = {{0, 3, true}, {2, 0, true}, {0, 4, false}, {3, 0, false}, {2, 3, false}};
    for (const Case& c : cases) {
        brush.SetColor(clWhite);
        font.SetStyle(0);
        g.DoGetCellColor(c.col, c.row, 0, &brush, &font);
        EXPECT_EQ(brush.Color() == clGray, c.active) << c.col << "," << c.row;
        EXPECT_EQ(font.Style() == TFontStyles(fsBold), c.active) << c.col << "," << c.row;
    }
    // A brush colour of the cell's own beats the active look; the event beats both.
    g.GetCellProperties(0, 3)->SetBrushColor(clYellow);
    g.DoGetCellColor(0, 3, 0, &brush, &font);
    EXPECT_EQ(brush.Color(), clYellow);
    std::vector<Call> asked;
    g.OnGetCellColor = [&](TObject*, int ARow, int ACol, TGridDrawState, TBrush* b, TFont*) {
        asked.push_back({ARow, ACol});
        b->SetColor(clAqua);
    };
    g.DoGetCellColor(0, 3, 0, &brush, &font);
    EXPECT_EQ(brush.Color(), clAqua);
    EXPECT_EQ(asked, (std::vector<Call>{{3, 0}}));
}

TEST(QvGridHooks, HotmailRowSelectCentresTheFirstColumn) {
    TQvStringGrid g(nullptr);
    g.MouseActions()->SetHotmailRowSelect(true);
    TAlignment h = taLeftJustify;
    TVAlignment v = vtaTop;
    g.DoGetAlignment(0, 2, h, v);
    EXPECT_EQ(h, taCenter);
    h = taLeftJustify;
    g.DoGetAlignment(1, 2, h, v);
    EXPECT_EQ(h, taLeftJustify);
    g.OnGetAlignment = [](TObject*, int ARow, int ACol, TAlignment& ha, TVAlignment& va) {
        ha = ARow == 2 && ACol == 1 ? taRightJustify : ha;
        va = vtaBottom;
    };
    g.DoGetAlignment(1, 2, h, v);
    EXPECT_EQ(h, taRightJustify);
    EXPECT_EQ(v, vtaBottom);
}

TEST(QvGridHooks, GroupingLinesUnderNodesAndAboveSummaries) {
    TQvStringGrid g(nullptr);
    AddGraphic(g, 0, 2, ctNode);
    AddGraphic(g, 0, 5, ctSummary);
    g.Grouping()->SetHeaderUnderline(true);
    g.Grouping()->SetSummaryLine(true);
    g.Grouping()->SetSummaryLineColor(clRed);
    TPen pen;
    TCellBorders borders = 0;
    g.DoGetCellBorder(1, 2, &pen, borders);
    EXPECT_EQ(borders, CellBorderFlag(cbBottom));
    EXPECT_EQ(pen.Color(), clBlue);
    EXPECT_EQ(pen.Width(), 2);
    borders = 0;
    g.DoGetCellBorder(1, 5, &pen, borders);
    EXPECT_EQ(borders, CellBorderFlag(cbTop));
    EXPECT_EQ(pen.Color(), clRed);
    borders = 0;
    g.DoGetCellBorder(0, 2, &pen, borders);
    EXPECT_EQ(borders, 0u) << "the node column itself has no line";
    EXPECT_TRUE(g.HasNodes());
}

TEST(QvGridHooks, SavedTextOfCheckBoxesAndMarkup) {
    TQvStringGrid g(nullptr);
    AddGraphic(g, 1, 1, ctCheckBox)->CellBoolean = true;
    AddGraphic(g, 1, 2, ctCheckBox);
    AddGraphic(g, 1, 3, ctTriStateCheckBox)->CellCheckBoxState = cbChecked;
    g.SetCells(2, 1, "<b>bold</b> text");
    struct Case {
        int col, row;
        const char* saved;
    } cases[] = {{1, 1, "Y"}, {1, 2, "N"}, {1, 3, "Y"}, {2, 1, "<b>bold</b> text"}, {3, 1, ""}};
    for (const Case& c : cases) {
        String value;
        g.GetSaveCellText(c.col, c.row, value);
        EXPECT_EQ(value, c.saved) << c.col << "," << c.row;
    }
    g.SetSaveWithHTML(false);
    String value;
    g.GetSaveCellText(2, 1, value);
    EXPECT_EQ(value, "bold text");
    std::vector<Call> asked;
    g.OnSaveCell = [&](TObject*, int ACol, int ARow, String& v) {
        asked.push_back({ACol, ARow});
        v += "!";
    };
    g.GetSaveCellText(1, 2, value);
    EXPECT_EQ(value, "N!");
    EXPECT_EQ(asked, (std::vector<Call>{{1, 2}}));
}

TEST(QvGridHooks, LoadedTextPassesTheEventFirst) {
    TQvStringGrid g(nullptr);
    g.OnLoadCell = [](TObject*, int ACol, int ARow, String& v) {
        v = v.toUpper() + String::number(ACol * 10 + ARow);
    };
    g.LoadCellText(2, 3, "abc");
    EXPECT_EQ(g.GridCells(2, 3), "ABC23");
    String value;
    g.EvaluateCell(2, 3, value);
    EXPECT_EQ(value, "ABC23");
}

TEST(QvGridHooks, DeletingTheOnlyNormalRowEmptiesIt) {
    TQvStringGrid g(nullptr);
    g.SetRowCount(2);
    g.SetCells(1, 1, "only");
    std::vector<int> deleted;
    g.OnAutoDeleteRow = [&](TObject*, int ARow) { deleted.push_back(ARow); };
    g.AutoDeleteRow(1);
    EXPECT_EQ(g.RowCount(), 2);
    EXPECT_EQ(g.Cells(1, 1), "");
    g.SetRowCount(4);
    g.SetCells(1, 2, "second");
    g.SetCells(1, 3, "third");
    g.AutoDeleteRow(2);
    EXPECT_EQ(g.RowCount(), 3);
    EXPECT_EQ(g.Cells(1, 2), "third");
    EXPECT_EQ(deleted, (std::vector<int>{1, 2}));
    g.AutoInsertRow(1);
    EXPECT_EQ(g.RowCount(), 4);
    EXPECT_EQ(g.Cells(1, 1), "");
    EXPECT_EQ(g.Cells(1, 3), "third");
}

TEST(QvGridHooks, FixedEditorKindComesBackFromTheEvent) {
    TQvStringGrid g(nullptr);
    TStringList values;
    g.OnFixedEdit = [](TObject*, int, int, TGridFixedCellEditor& e, TStrings* v) {
        e = fceComboList;
        v->Add("one");
    };
    TGridFixedCellEditor editor = fceEdit;
    g.DoFixedEdit(1, 0, editor, &values);
    EXPECT_EQ(editor, fceComboList);
    EXPECT_EQ(values.Count(), 1);
}

TEST(QvGridHooks, WideHintReplacesTheHint) {
    TQvStringGrid g(nullptr);
    std::vector<Call> asked;
    g.OnGridHint = [&](TObject*, int ARow, int ACol, String& h) {
        asked.push_back({ARow, ACol});
        h = "plain";
    };
    String hint, wide;
    g.DoGridHint(1, 4, hint, wide);
    EXPECT_EQ(hint, "plain");
    g.OnGridWideHint = [](TObject*, int, int, String& h) { h = "wide"; };
    g.DoGridHint(1, 4, hint, wide);
    EXPECT_EQ(hint, "wide");
    EXPECT_EQ(asked, (std::vector<Call>{{4, 1}, {4, 1}}));
}

TEST(QvGridHooks, ChangingEventsCanRefuseTheMove) {
    TQvStringGrid g(nullptr);
    std::vector<String> order;
    g.OnRowChanging = [&](TObject*, int, int, bool&) { order.push_back("row"); };
    g.OnColChanging = [&](TObject*, int, int, bool&) { order.push_back("col"); };
    g.OnCellChanging = [&](TObject*, int OldRow, int OldCol, int NewRow, int NewCol, bool& allow) {
        order.push_back(QStringLiteral("cell %1 %2 %3 %4").arg(OldRow).arg(OldCol).arg(NewRow).arg(NewCol));
        allow = NewCol != 4;
    };
    EXPECT_TRUE(g.DoCellChanging(1, 2, 3, 3));
    EXPECT_FALSE(g.DoCellChanging(1, 2, 1, 4));
    EXPECT_EQ(order, (std::vector<String>{"row", "col", "cell 1 2 3 3", "col", "cell 1 2 1 4"}));
}

TEST(QvGridHooks, SelectionChangeIsMarkedAndReported) {
    TQvStringGrid g(nullptr);
    std::vector<int> got;
    g.OnSelectionChanged = [&](TObject*, int l, int t, int r, int b) { got = {l, t, r, b}; };
    EXPECT_FALSE(g.SelectionChangedMark());
    g.DoSelectionChanged(1, 2, 3, 4);
    EXPECT_TRUE(g.SelectionChangedMark());
    EXPECT_EQ(got, (std::vector<int>{1, 2, 3, 4}));
}

TEST(QvGridHooks, FloatFormatAppliesOnlyToNumbersWithAHandler) {
    TQvStringGrid g(nullptr);
    g.SetCells(1, 1, "3.14159");
    g.SetCells(1, 2, "text");
    EXPECT_EQ(g.GetFormattedCell(1, 1), "3.14159");
    g.OnGetFloatFormat = [](TObject*, int, int ARow, bool& isFloat, String& fmt) {
        isFloat = ARow != 3;
        if (ARow == 4) fmt = "%s%s%s";
    };
    g.SetCells(1, 3, "2.5");
    g.SetCells(1, 4, "2.5");
    EXPECT_EQ(g.GetFormattedCell(1, 1), "3.14");
    EXPECT_EQ(g.GetFormattedCell(1, 2), "text");
    EXPECT_EQ(g.GetFormattedCell(1, 3), "2.5");
    EXPECT_EQ(g.GetFormattedCell(1, 4), "2.5") << "a format that does not fit leaves the stored text";
}

TEST(QvGridHooks, CheckBoxesToggleByKind) {
    TQvStringGrid g(nullptr);
    TCellGraphic* box = AddGraphic(g, 1, 1, ctCheckBox);
    AddGraphic(g, 1, 2, ctDataCheckBox);
    EXPECT_TRUE(g.ToggleCellCheckBox(1, 1, false));
    EXPECT_TRUE(box->CellBoolean);
    EXPECT_TRUE(g.ToggleCellCheckBox(1, 2, false));
    EXPECT_EQ(g.Cells(1, 2), "Y");
    EXPECT_TRUE(g.ToggleCellCheckBox(1, 2, false));
    EXPECT_EQ(g.Cells(1, 2), "N");
    EXPECT_FALSE(g.ToggleCellCheckBox(2, 2, false)) << "a cell without a check box changes nothing";
    EXPECT_EQ(g.Cells(2, 2), "");
}

TEST(QvGridHooks, FilterValueListHoldsTheClearEntryAndTheDistinctValues) {
    TQvStringGrid g(nullptr);
    g.SetRowCount(6);
    const char* texts[] = {"b", " a ", "b", "two words", ""};
    for (int r = 1; r < 6; ++r)
        g.SetCells(2, r, texts[r - 1]);
    g.SetFilterDropDownAuto(true);
    int asked = -1;
    g.OnGetColumnFilter = [&](TObject*, int ACol, TStrings* list) {
        asked = ACol;
        list->Add("custom");
    };
    EXPECT_TRUE(g.BuildFilterValueList(2));
    // A text holding a blank is listed as its name and itself in quotes as the condition.
    QStringList got;
    for (int i = 0; i < g.FilterValueList()->Count(); ++i)
        got << g.FilterValueList()->Strings(i);
    EXPECT_EQ(got, (QStringList{"(All)", "", "a", "b", "two words=\"two words\"", "custom"}));
    EXPECT_EQ(asked, 2);
}

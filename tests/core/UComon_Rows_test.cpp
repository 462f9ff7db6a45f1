// The table editors' row helpers: delete, insert, copy and paste over the shared row clipboard with
// their messages, and the header double click and Enter options.
#include "TestSupport.h"
#include "controls/grid/QvCGrid.h"
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "toolkit/system/StringList.h"

#include <gtest/gtest.h>

class RowHelpersTest : public ::testing::Test {
protected:
    void SetUp() override {
        Reset_Program_State();
        Load_Default_Lang();
        Create_Shared_Lists();
    }
    void TearDown() override {
        Free_Shared_Lists();
        Reset_Program_State();
    }
    qvtest::ScriptedInteraction ui;
};

namespace {

// A string grid like the OPC UA table: columns 1 and 3 are check boxes, 2 and 4 text; 4 data rows.
struct StringTable {
    TQvStringGrid g{nullptr};
    StringTable() {
        g.SetColCount(5);
        g.SetRowCount(5);
        g.AddCheckBoxColumn(1);
        g.AddCheckBoxColumn(3);
        for (int r = 1; r < 5; ++r) {
            g.SetCheckBoxState(1, r, r % 2 == 1);
            g.SetCells(2, r, QStringLiteral("t%1").arg(r));
            g.SetCells(4, r, QStringLiteral("u%1").arg(r));
        }
    }
    // Column texts, check boxes as "Y"/"N".
    QString Row(int r) {
        QStringList out;
        for (int c = 1; c < 5; ++c) {
            bool state = false;
            out << (g.GetCheckBoxState(c, r, state) ? (state ? "Y" : "N") : g.Cells(c, r));
        }
        return out.join('|');
    }
};

struct ColumnTable {
    TQvColumnGrid g{nullptr};
    explicit ColumnTable(int cols = 4) {
        g.SetColCount(cols);
        g.SetRowCount(5);
        g.Columns()->Items(1)->SetEditor(edDataCheckBox);
        for (int r = 1; r < 5; ++r)
            for (int c = 1; c < cols; ++c)
                g.SetCells(c, r, c == 1 ? "Y" : QStringLiteral("r%1c%2").arg(r).arg(c));
    }
    QString Row(int r) {
        QStringList out;
        for (int c = 1; c < g.ColCount(); ++c)
            out << g.Cells(c, r);
        return out.join('|');
    }
};

} // namespace

TEST_F(RowHelpersTest, StringGridDeleteMovesRowsUpWithTheirFlagsAndClosesTheLastRow) {
    StringTable t;
    t.g.SetReadOnly(2, 3, true);
    Grid_Del_Row(2, &t.g, true);
    EXPECT_EQ(t.Row(1), "Y|t1|N|u1");
    EXPECT_EQ(t.Row(2), "Y|t3|N|u3");
    EXPECT_TRUE(t.g.ReadOnly(2, 2));
    EXPECT_EQ(t.Row(3), "N|t4|N|u4");
    EXPECT_FALSE(t.g.ReadOnly(2, 3));
    EXPECT_EQ(t.Row(4), "Y||N|");
    EXPECT_TRUE(t.g.ReadOnly(2, 4));
    EXPECT_TRUE(t.g.ReadOnly(1, 4));
    // The last row itself only empties.
    Grid_Del_Row(4, &t.g, false);
    EXPECT_EQ(t.Row(4), "N||N|");
    EXPECT_TRUE(ui.Messages().isEmpty());
}

TEST_F(RowHelpersTest, StringGridInsertRefusesToPushDataOutOfTheTable) {
    StringTable t;
    ui.AnswerMessage(mrOk);
    Grid_Ins_Row(2, &t.g, true);
    ASSERT_EQ(ui.Messages(), QStringList{Lang_Texts->Strings(Text_Insert_Last_Row_Used)});
    EXPECT_EQ(t.Row(2), "N|t2|N|u2");
    EXPECT_EQ(t.Row(4), "N|t4|N|u4");

    // With an empty last row (only check boxes set) the rows move down and the row opens editable.
    Grid_Del_Row(4, &t.g, true);
    t.g.SetReadOnly(2, 2, true);
    Grid_Ins_Row(2, &t.g, true);
    EXPECT_EQ(t.Row(1), "Y|t1|N|u1");
    EXPECT_EQ(t.Row(2), "Y||N|");
    EXPECT_FALSE(t.g.ReadOnly(2, 2));
    EXPECT_EQ(t.Row(3), "N|t2|N|u2");
    EXPECT_TRUE(t.g.ReadOnly(2, 3));
    EXPECT_EQ(t.Row(4), "Y|t3|N|u3");
    // At the last row itself the insert would empty it: refused while it holds data, done once it is free.
    ui.AnswerMessage(mrOk);
    Grid_Ins_Row(4, &t.g, false);
    EXPECT_EQ(t.Row(4), "Y|t3|N|u3");
    EXPECT_EQ(ui.Messages().size(), 2);
    Grid_Del_Row(4, &t.g, false);
    t.g.SetReadOnly(2, 4, true);
    Grid_Ins_Row(4, &t.g, true);
    EXPECT_EQ(t.Row(4), "Y||N|");
    EXPECT_FALSE(t.g.ReadOnly(2, 4));
    EXPECT_EQ(ui.Messages().size(), 2);
}

TEST_F(RowHelpersTest, StringGridCopyAndPasteCarryChecksAndAskBeforeOverwriting) {
    StringTable t;
    Grid_Copy_Row(&t.g, 1);
    ASSERT_EQ(Copy_Row_Buffer->Count(), 4);
    EXPECT_EQ(Copy_Row_Buffer->Strings(0), "Y");
    EXPECT_EQ(Copy_Row_Buffer->Strings(1), "t1");
    EXPECT_EQ(Copy_Row_Is_Check, (std::vector<bool>{true, false, true, false}));

    ui.AnswerMessage(mrNo); // row 2 holds text
    Grid_Paste_Row(&t.g, 2, true);
    EXPECT_EQ(t.Row(2), "N|t2|N|u2");
    ui.AnswerMessage(mrYes);
    Grid_Paste_Row(&t.g, 2, true);
    EXPECT_EQ(t.Row(2), "Y|t1|N|u1");
    EXPECT_EQ(ui.Messages(), QStringList({Lang_Texts->Strings(1300), Lang_Texts->Strings(1300)}));

    // A row whose only set cells are check boxes is free: no question.
    Grid_Del_Row(4, &t.g, true);
    Grid_Paste_Row(&t.g, 4, true);
    EXPECT_EQ(t.Row(4), "Y|t1|N|u1");
    EXPECT_EQ(ui.Messages().size(), 2);
    // A row of blanks is text in a string grid: asked.
    t.g.SetCells(2, 3, " ");
    t.g.SetCells(4, 3, "");
    ui.AnswerMessage(mrNo);
    Grid_Paste_Row(&t.g, 3, true);
    EXPECT_EQ(ui.Messages().size(), 3);
}

TEST_F(RowHelpersTest, PasteIsRefusedWithoutACopyOrBetweenGridsOfDifferentShapes) {
    struct Case {
        const char* name;
        int copyCols, pasteCols;
        bool copied;
        int text;
    } cases[] = {
        {"nothing copied", 5, 5, false, 1302},
        {"fewer columns", 5, 4, true, 1301},
        {"more columns", 4, 5, true, 1301},
    };
    for (const Case& c : cases) {
        ColumnTable from(c.copyCols), to(c.pasteCols);
        ColGrid_Copy_Row(&from.g, 1);
        const QString before = to.Row(3);
        ui.AnswerMessage(mrOk);
        ColGrid_Paste_Row(&to.g, 3, c.copied);
        EXPECT_EQ(ui.Messages().last(), Lang_Texts->Strings(c.text)) << c.name;
        EXPECT_EQ(to.Row(3), before) << c.name;

        StringTable s;
        Grid_Copy_Row(&s.g, 1);
        StringTable target;
        target.g.SetColCount(5 + c.pasteCols - c.copyCols);
        const QString sBefore = target.Row(3);
        ui.AnswerMessage(mrOk);
        Grid_Paste_Row(&target.g, 3, c.copied);
        EXPECT_EQ(ui.Messages().last(),
                  Lang_Texts->Strings(c.copied && c.pasteCols == c.copyCols ? 1301 : c.text))
            << c.name;
        EXPECT_EQ(target.Row(3), sBefore) << c.name;
    }
    // Hidden columns count: a grid with one hidden column takes a copy of the whole row.
    ColumnTable whole(5), hidden(5);
    hidden.g.HideColumn(3);
    ColGrid_Copy_Row(&whole.g, 2);
    ui.AnswerMessage(mrYes);
    ColGrid_Paste_Row(&hidden.g, 1, true);
    EXPECT_EQ(hidden.g.GetCellEx(3, 1), "r2c3");
}

TEST_F(RowHelpersTest, ColumnGridRowsMoveAsTextsAndBlankRowsAreFree) {
    ColumnTable t;
    ColGrid_Del_Row(2, &t.g);
    EXPECT_EQ(t.Row(2), "Y|r3c2|r3c3");
    EXPECT_EQ(t.Row(4), "||");
    ColGrid_Ins_Row(1, &t.g, true);
    EXPECT_EQ(t.Row(1), "Y||");
    EXPECT_EQ(t.Row(2), "Y|r1c2|r1c3");
    EXPECT_EQ(t.Row(4), "Y|r4c2|r4c3");
    // Now the last row holds data: refused, nothing moves, also when inserting at that row itself.
    for (int row : {1, 4}) {
        ui.AnswerMessage(mrOk);
        ColGrid_Ins_Row(row, &t.g, false);
    }
    EXPECT_EQ(ui.Messages(), QStringList(2, Lang_Texts->Strings(Text_Insert_Last_Row_Used)));
    EXPECT_EQ(t.Row(1), "Y||");
    EXPECT_EQ(t.Row(4), "Y|r4c2|r4c3");

    Copy_Row_Is_Check.assign(3, true); // left by an earlier string-grid copy
    ColGrid_Copy_Row(&t.g, 2);
    EXPECT_EQ(Copy_Row_Buffer->Count(), 3);
    EXPECT_EQ(Copy_Row_Is_Check, std::vector<bool>(3, false));
    t.g.SetCells(2, 1, "  ");
    ColGrid_Paste_Row(&t.g, 1, true); // blanks and the check column do not count as data
    EXPECT_EQ(t.Row(1), "Y|r1c2|r1c3");
    EXPECT_EQ(ui.Messages().size(), 2);
}

TEST_F(RowHelpersTest, EnterMovesOnAndHeaderDoubleClickSizesOnlyWithTheirOptions) {
    TQvStringGrid g(nullptr);
    g.SetColCount(4);
    g.SetRowCount(4);
    struct Case {
        bool option;
        int col, row;
        int wantCol, wantRow;
        bool swallowed;
    } cases[] = {
        {false, 2, 1, 2, 1, false}, {true, 2, 1, 3, 1, true}, {true, 3, 1, 1, 2, true},
        {true, 3, 3, 1, 1, true},   {true, 0, 2, 0, 2, true},
    };
    for (const Case& c : cases) {
        Enable_Jump_Field = c.option;
        g.SetCol(c.col);
        g.SetRow(c.row);
        QChar key(13);
        Grid_Enter_Next_Cell(&g, key);
        EXPECT_EQ(g.Col(), c.wantCol) << c.col << "," << c.row;
        EXPECT_EQ(g.Row(), c.wantRow) << c.col << "," << c.row;
        EXPECT_EQ(key == QChar(0), c.swallowed) << c.col << "," << c.row;
    }
    QChar other('a');
    Grid_Enter_Next_Cell(&g, other);
    EXPECT_EQ(other, QChar('a'));

    g.SetCells(2, 1, QString(60, 'W'));
    const int before = g.ColWidths(2);
    Enable_Auto_Size = true;
    Grid_Auto_Size_Col(&g, 1, 2);
    EXPECT_EQ(g.ColWidths(2), before);
    Enable_Auto_Size = false;
    Grid_Auto_Size_Col(&g, 0, 2);
    EXPECT_EQ(g.ColWidths(2), before);
    Enable_Auto_Size = true;
    Grid_Auto_Size_Col(&g, 0, 2);
    EXPECT_GT(g.ColWidths(2), before);
}

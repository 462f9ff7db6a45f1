// The string grid's clipboard driven by Ctrl+C, Ctrl+X and Ctrl+V on a shown grid: the text it copies, a
// paste's growth within the navigation settings, the smart paste's fills, cut with undo, and the cells with
// their looks between grids.
#include "../edit/EditorGrid.h"
#include "controls/grid/BaseGrid_UndoRedo.h"
#include "controls/grid/QvGrid.h"
#include "toolkit/services/Clipboard.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

// Remembers what each paste told CellsPasted.
class PasteWatchGrid : public TQvStringGrid {
public:
    using TQvStringGrid::TQvStringGrid;
    void CellsPasted(const TPoint& Source, const TGridRect& Target, TClipOperation Operation) override {
        Sources.push_back(Source);
        Targets.push_back(Target);
        LastOperation = Operation;
        TQvStringGrid::CellsPasted(Source, Target, Operation);
    }
    std::vector<TPoint> Sources;
    std::vector<TGridRect> Targets;
    TClipOperation LastOperation = coCopy;
};

// A shown grid with the focus and its clipboard shortcuts on; keys go in as Qt key events.
struct ClipGrid : editorgrid::ShownGrid<PasteWatchGrid> {
    explicit ClipGrid(int cols = 5, int rows = 8) : ShownGrid(cols, rows) {
        grid->Navigation()->SetAllowClipboardShortCuts(true);
        grid->Navigation()->SetAdvanceAutoEdit(false);
    }
    void Select(int left, int top, int right, int bottom) {
        grid->SetSelection(TGridRect{left, top, right, bottom});
    }
    void Ctrl(int key) { QTest::keyClick(grid->Widget(), Qt::Key(key), Qt::ControlModifier); }
    void Fill(int left, int top, const std::vector<std::vector<QString>>& rows) {
        for (size_t r = 0; r < rows.size(); ++r)
            for (size_t c = 0; c < rows[r].size(); ++c)
                grid->SetCells(left + int(c), top + int(r), rows[r][c]);
    }
};

} // namespace

TEST(QvGridClipboard, CtrlCCopiesTheSelectionAsTabbedText) {
    struct Case {
        const char* name;
        TGridRect sel;
        QString text;
    } cases[] = {
        {"two by two", {1, 1, 2, 2}, "a\tb\r\nc\td\r\n"},
        {"one row has no line break", {1, 1, 3, 1}, "a\tb\tx"},
        {"a cell with a line break is quoted with one LF", {3, 2, 3, 2}, "\"m\nn\""},
    };
    for (const Case& tc : cases) {
        ClipGrid f;
        f.Fill(1, 1, {{"a", "b", "x"}, {"c", "d", "m\r\nn"}});
        f.Select(tc.sel.Left, tc.sel.Top, tc.sel.Right, tc.sel.Bottom);
        f.Ctrl(Qt::Key_C);
        EXPECT_EQ(Clipboard()->AsText(), tc.text) << tc.name;
        EXPECT_EQ(f.grid->ClipLastOp(), coCopy);
    }

    // Markup goes bare when the tags are not to be copied.
    for (bool tags : {true, false}) {
        ClipGrid f;
        f.grid->Navigation()->SetCopyHTMLTagsToClipboard(tags);
        f.grid->SetCells(1, 1, "<b>bold</b>");
        f.Select(1, 1, 1, 1);
        f.Ctrl(Qt::Key_C);
        EXPECT_EQ(Clipboard()->AsText(), tags ? "<b>bold</b>" : "bold");
    }

    // Without the shortcuts the key copies nothing; a refusing handler stops it too.
    ClipGrid f;
    f.grid->SetCells(1, 1, "mine");
    Clipboard()->SetAsText("before");
    f.grid->OnClipboardCopy = [](TObject*, bool& allow) { allow = false; };
    f.Select(1, 1, 1, 1);
    f.Ctrl(Qt::Key_C);
    EXPECT_EQ(Clipboard()->AsText(), "before");
}

TEST(QvGridClipboard, CtrlVPastesTextAndGrowsTheGridAsAllowed) {
    struct Case {
        const char* name;
        bool grow;
        bool editing;
        int cols, rows;
        QString c11, c21, c12, c22;
    } cases[] = {
        {"growth on", true, true, 3, 3, "1", "2", "3", "4"},
        {"growth off keeps the size", false, true, 2, 2, "1", "", "", ""},
        {"no editing changes nothing", true, false, 2, 2, "", "", "", ""},
    };
    for (const Case& tc : cases) {
        ClipGrid f(2, 2);
        f.grid->Navigation()->SetAllowClipboardColGrow(tc.grow);
        f.grid->Navigation()->SetAllowClipboardRowGrow(tc.grow);
        if (!tc.editing) f.grid->SetOptions(f.grid->Options() & ~goEditing);
        Clipboard()->SetAsText("1\t2\r\n3\t4\r\n");
        f.Select(1, 1, 1, 1);
        f.Ctrl(Qt::Key_V);
        EXPECT_EQ(f.grid->ColCount(), tc.cols) << tc.name;
        EXPECT_EQ(f.grid->RowCount(), tc.rows) << tc.name;
        EXPECT_EQ(f.grid->Cells(1, 1), tc.c11) << tc.name;
        EXPECT_EQ(f.grid->Cells(2, 1), tc.c21) << tc.name;
        EXPECT_EQ(f.grid->Cells(1, 2), tc.c12) << tc.name;
        EXPECT_EQ(f.grid->Cells(2, 2), tc.c22) << tc.name;
    }

    // The parser's count: every field, and the empty line after the final break.
    ClipGrid f(2, 2);
    int lines = 0, fields = 0;
    EXPECT_EQ(f.grid->PasteTextAt(1, 1, lines, fields, "1\t2\r\n3\t4\r\n"), 5);
    EXPECT_EQ(lines, 3);
    EXPECT_EQ(fields, 1);

    // A text far wider than a grid may grow pastes what fits and no more.
    ClipGrid wide(2, 2);
    QString row;
    for (int i = 0; i < 70000; ++i)
        row += "v\t";
    wide.grid->PasteTextAt(1, 1, lines, fields, row);
    EXPECT_LE(wide.grid->ColCount(), 1 << 16);
    EXPECT_EQ(wide.grid->Cells(wide.grid->ColCount() - 1, 1), "v");
}

TEST(QvGridClipboard, SmartPasteFillsTheSelection) {
    struct Case {
        const char* name;
        std::vector<QString> copied;
        std::vector<QString> filled;
    } cases[] = {
        {"rising", {"1", "2"}, {"1", "2", "3", "4", "5"}},
        {"falling", {"10", "8"}, {"10", "8", "6", "4", "2"}},
        {"words repeat", {"a", "b"}, {"a", "b", "a", "b", "a"}},
    };
    for (const Case& tc : cases) {
        ClipGrid f;
        f.grid->Navigation()->SetAllowSmartClipboard(true);
        f.Fill(2, 1, {{tc.copied[0]}, {tc.copied[1]}});
        f.Select(2, 1, 2, 2);
        f.Ctrl(Qt::Key_C);
        f.Select(2, 1, 2, 5);
        f.Ctrl(Qt::Key_V);
        for (int k = 0; k < 5; ++k)
            EXPECT_EQ(f.grid->Cells(2, 1 + k), tc.filled[size_t(k)]) << tc.name << " " << k;
        EXPECT_EQ(f.grid->RowCount(), 8) << tc.name;
    }

    // One text cell fills every cell of a 3 x 3 selection.
    ClipGrid f;
    f.grid->Navigation()->SetAllowSmartClipboard(true);
    Clipboard()->SetAsText("same");
    f.Select(1, 1, 3, 3);
    f.Ctrl(Qt::Key_V);
    for (int c = 1; c <= 3; ++c)
        for (int r = 1; r <= 3; ++r)
            EXPECT_EQ(f.grid->Cells(c, r), "same") << c << "," << r;
    EXPECT_EQ(f.grid->Cells(4, 1), "");
}

TEST(QvGridClipboard, CtrlXClearsTheCellsAndOneUndoBringsThemBack) {
    ClipGrid f;
    TQvGridUndoRedo undo(nullptr);
    f.grid->SetUndoRedo(&undo);
    f.Fill(1, 1, {{"a", "b"}, {"c", "d"}});
    f.Select(1, 1, 2, 2);
    f.Ctrl(Qt::Key_X);
    EXPECT_EQ(Clipboard()->AsText(), "a\tb\r\nc\td\r\n");
    EXPECT_EQ(f.grid->ClipLastOp(), coCut);
    EXPECT_EQ(f.grid->Cells(1, 1), "");
    EXPECT_EQ(f.grid->Cells(2, 2), "");
    undo.Undo();
    EXPECT_EQ(f.grid->Cells(1, 1), "a");
    EXPECT_EQ(f.grid->Cells(2, 2), "d");

    // The paste of the cut cells elsewhere is one more step, undone whole.
    f.Select(3, 4, 3, 4);
    f.Ctrl(Qt::Key_V);
    EXPECT_EQ(f.grid->Cells(4, 5), "d");
    undo.Undo();
    EXPECT_EQ(f.grid->Cells(3, 4), "");
    EXPECT_EQ(f.grid->Cells(4, 5), "");
    EXPECT_EQ(f.grid->Cells(1, 1), "a");
    f.grid->SetUndoRedo(nullptr);
}

TEST(QvGridClipboard, CellsWithTheirLooksGoBetweenGridsKnownByIdentity) {
    ClipGrid from;
    ClipGrid to;
    for (ClipGrid* f : {&from, &to})
        f->grid->Navigation()->SetAllowFmtClipboard(true);
    from.Fill(1, 1, {{"red", "plain"}});
    from.grid->SetColors(1, 1, clRed);
    from.Select(1, 1, 2, 1);
    from.Ctrl(Qt::Key_C);
    EXPECT_EQ(Clipboard()->AsText(), "red\tplain");

    to.Select(2, 3, 2, 3);
    to.Ctrl(Qt::Key_V);
    EXPECT_EQ(to.grid->Cells(2, 3), "red");
    EXPECT_EQ(to.grid->Cells(3, 3), "plain");
    EXPECT_EQ(to.grid->Colors(2, 3), clRed);
    ASSERT_FALSE(to.grid->Sources.empty());
    EXPECT_EQ(to.grid->Sources.back(), TPoint(-1, -1));

    // Pasted back into the grid that copied it, the source is where the cells were.
    from.Select(1, 4, 1, 4);
    from.Ctrl(Qt::Key_V);
    EXPECT_EQ(from.grid->Cells(1, 4), "red");
    ASSERT_FALSE(from.grid->Sources.empty());
    EXPECT_EQ(from.grid->Sources.back(), TPoint(1, 1));
    EXPECT_EQ(from.grid->Targets.back().Left, 1);
    EXPECT_EQ(from.grid->Targets.back().Right, 2);

    // Damaged cell data on the clipboard is refused whole.
    TClipData damaged;
    damaged.SetText("text");
    damaged.SetData(QvGrid::GridCellsClipboardFormat, QByteArray("QVGC\x01\0\0\0\x01\xFF", 10));
    Clipboard()->SetData(damaged);
    to.grid->SetCells(1, 1, "kept");
    to.Select(1, 1, 1, 1);
    EXPECT_THROW(to.grid->PasteSelectionFromClipboard(), EQvGridError);
    EXPECT_EQ(to.grid->Cells(1, 1), "kept");
}

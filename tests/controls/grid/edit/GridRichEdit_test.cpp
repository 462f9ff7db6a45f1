// The in-place rich-text editor driven by real keys: it opens by F2 and by a typed key with the cell's rich
// text, stores it as rich text, keeps the cell on Escape, hands Tab, Up and Down to the grid as the grid's
// options say, and grows the row with its text only inside the grid.
#include "EditorGrid.h"
#include "controls/grid/QvGrid_Settings.h"
#include "controls/grid/QvRichEdit.h"

#include <QAbstractScrollArea>
#include <QScrollBar>

namespace gridrichedittest {
using namespace editorgrid;

const char* const kBoldCell = "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\fs20\\b Bold\\b0\\par}";

// Columns 1 and 2 hold rich text.
struct RichEditGrid : EditorGrid {
    RichEditGrid() {
        grid->OnGetEditorType = [](TObject*, int c, int, TEditorType& e) {
            if (c == 1 || c == 2) e = edRichEdit;
        };
        grid->Navigation()->SetEditSelectAll(false);
        // One-line cells: Enter ends the edit.
        grid->SetWordWrap(false);
        grid->SetCells(1, 1, QString::fromLatin1(kBoldCell));
        grid->SetCells(2, 1, "{\\rtf1 next\\par}");
        Go(1, 1);
    }
    TQvRichEdit* Rich() const { return grid->InplaceRichEdit(); }
    bool Open() const { return Rich()->Visible() && Focused() == Rich(); }
    String Plain(int c, int r) const { return grid->RichCellPlainText(grid->Cells(c, r)); }
};

TEST(GridRichEdit, OpensByF2OrATypedKeyWithTheCellsTextStoresOnEnterAndEscapeKeepsTheCell) {
    for (const bool typed : {false, true}) {
        for (const bool escape : {false, true}) {
            SCOPED_TRACE(testing::Message() << typed << escape);
            RichEditGrid f;
            if (typed)
                Type("x");
            else
                Key(Qt::Key_F2);
            QApplication::processEvents(); // the start character is posted
            ASSERT_TRUE(f.Open());
            const TRect cell = f.grid->CellRect(1, 1);
            EXPECT_EQ(TPoint(f.Rich()->Left(), f.Rich()->Top()), TPoint(cell.Left, cell.Top));
            EXPECT_EQ(f.Rich()->PlainText(), typed ? "Boldx" : "Bold");
            // The caret went to the end: what is typed keeps the bold look of the text before it.
            Type("y");
            if (escape) {
                Escape();
                EXPECT_EQ(f.grid->Cells(1, 1), QString::fromLatin1(kBoldCell));
            } else {
                Enter();
                EXPECT_EQ(f.Plain(1, 1), typed ? "Boldxy" : "Boldy");
                EXPECT_TRUE(f.grid->Cells(1, 1).startsWith("{\\rtf1"));
                EXPECT_TRUE(f.grid->Cells(1, 1).contains("\\b "));
            }
            EXPECT_FALSE(f.Rich()->Visible());
            EXPECT_EQ(f.Focused(), f.grid);
            EXPECT_FALSE(f.grid->EditSession().EditMode);
        }
    }
}

TEST(GridRichEdit, TabMovesOnWithGoTabsAndIsTypedWithout) {
    for (const bool tabs : {false, true}) {
        SCOPED_TRACE(tabs);
        RichEditGrid f;
        if (tabs) f.grid->SetOptions(f.grid->Options() | goTabs);
        Key(Qt::Key_F2);
        Type("z");
        Key(Qt::Key_Tab, "\t");
        QApplication::processEvents();
        if (tabs) {
            EXPECT_EQ(f.Plain(1, 1), "Boldz");
            EXPECT_EQ(f.Cell(), TPoint(2, 1));
            ASSERT_TRUE(f.Open());
            EXPECT_EQ(f.Rich()->PlainText(), "next");
        } else {
            EXPECT_EQ(f.Cell(), TPoint(1, 1));
            ASSERT_TRUE(f.Open());
            EXPECT_EQ(f.Rich()->PlainText(), "Boldz\t");
        }
    }
}

// The editor's window lives on between openings: nothing typed, formatted, selected or undoable in one
// opening reaches the next, whether that one opens the same cell again or an empty one.
TEST(GridRichEdit, ASecondOpeningShowsNothingOfTheFirst) {
    struct Case {
        const char* name;
        TPoint second;
        const char* text;
    };
    const Case cases[] = {
        {"the same cell", TPoint(2, 1), "next"},
        {"an empty cell", TPoint(2, 2), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RichEditGrid f;
        // Enter types a new line.
        f.grid->SetMultilinecells(true);
        f.Go(2, 1);
        Key(Qt::Key_F2);
        ASSERT_TRUE(f.Open());
        // Enough lines to scroll the window down, all of them selected and bold.
        for (int i = 0; i < 12; ++i) {
            Type("typed");
            Enter();
        }
        f.Rich()->SelectAll();
        f.Rich()->SelAttributes()->SetStyle(fsBold);
        auto* view = qobject_cast<QAbstractScrollArea*>(f.Rich()->Widget());
        ASSERT_NE(view, nullptr);
        ASSERT_GT(view->verticalScrollBar()->value(), 0);
        Escape();
        ASSERT_FALSE(f.Open());

        f.Go(c.second.X, c.second.Y);
        Key(Qt::Key_F2);
        ASSERT_TRUE(f.Open());
        const int end = int(QString::fromLatin1(c.text).size());
        EXPECT_EQ(f.Rich()->PlainText(), c.text);
        EXPECT_EQ(f.Rich()->SelStart(), end);
        EXPECT_EQ(f.Rich()->SelLength(), 0);
        view = qobject_cast<QAbstractScrollArea*>(f.Rich()->Widget());
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->verticalScrollBar()->value(), 0);
        Type("q");
        EXPECT_FALSE(f.Rich()->SelAttributes()->Style() & fsBold);
        // Undo takes back this opening's typing and finds nothing of the last one under it.
        Key(Qt::Key_Z, QString(), Qt::ControlModifier);
        Key(Qt::Key_Z, QString(), Qt::ControlModifier);
        EXPECT_EQ(f.Rich()->PlainText(), c.text);
    }
}

TEST(GridRichEdit, UpAndDownMoveTheCaretInWrappingGridsAndTheCellOtherwise) {
    struct Case {
        const char* name;
        bool wordWrap, multiline;
        bool moves;
    };
    const Case cases[] = {
        {"single-line cells", false, false, true},
        {"word wrap", true, false, false},
        {"multi-line cells", false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RichEditGrid f;
        f.grid->SetWordWrap(c.wordWrap);
        f.grid->SetMultilinecells(c.multiline);
        Key(Qt::Key_F2);
        Key(Qt::Key_Down);
        EXPECT_EQ(f.Cell(), c.moves ? TPoint(1, 2) : TPoint(1, 1));
        EXPECT_EQ(f.Open(), !c.moves);
        if (!c.moves) {
            // Enter is a new line in such cells.
            Enter();
            ASSERT_TRUE(f.Open());
            EXPECT_EQ(f.Rich()->PlainText(), "Bold\r\n");
        }
    }
}

TEST(GridRichEdit, ANewLineGrowsTheRowWithSizeWhileTypingButNeverPastTheGridsBottom) {
    for (const bool atBottom : {false, true}) {
        SCOPED_TRACE(atBottom);
        RichEditGrid f;
        f.grid->SetWordWrap(true);
        f.grid->SizeWhileTyping()->SetHeight(true);
        int ended = -1;
        f.grid->OnEndRowSize = [&](TObject*, int r) { ended = r; };
        // The grid ends just below the edited row.
        const int row = 1;
        if (atBottom) f.grid->SetHeight(f.grid->CellRect(1, row).Bottom + 3);
        const int before = f.grid->RowHeights(row);
        Key(Qt::Key_F2);
        ASSERT_TRUE(f.Open());
        EXPECT_EQ(f.grid->RowHeights(row), before) << "opening is no typing";
        Enter();
        Type("a");
        Enter();
        Type("b");
        if (atBottom) {
            EXPECT_EQ(f.grid->RowHeights(row), before);
            EXPECT_EQ(ended, -1);
        } else {
            EXPECT_GT(f.grid->RowHeights(row), before);
            EXPECT_EQ(f.grid->RowHeights(row), f.Rich()->Height() + 1);
            EXPECT_EQ(ended, row);
        }
    }
}

} // namespace gridrichedittest

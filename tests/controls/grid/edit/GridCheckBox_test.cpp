// The grid's check-box editor driven by real keys and clicks: it opens with the cell's state, stores what
// the person sets, Escape goes back, and the leaving keys close it.
#include "EditorGrid.h"
#include "controls/grid/edit/GridCheckBox.h"

// The helpers of the shown grid stay inside this file's namespace (the unity build joins test files).
namespace gridchecktest {
using namespace editorgrid;

namespace {

// Column 1 is edited with the check box; the grid's check texts are "Y" and "N".
struct CheckGrid : EditorGrid {
    CheckGrid() {
        grid->OnGetEditorType = [](TObject*, int c, int, TEditorType& e) {
            if (c == 1) e = edCheckBox;
        };
        grid->SetCells(1, 1, "Y");
        grid->SetCells(1, 2, "N");
        grid->SetCells(1, 3, "Lamp");
        Go(1, 1);
    }
    TGridCheckBox* Check() { return dynamic_cast<TGridCheckBox*>(Focused()); }
};

} // namespace

TEST(GridCheckBox, OpensWithTheCellsStateAndStoresWhatIsSet) {
    const struct Case {
        int row;
        bool opened;
        int toggles;
        const char* stored;
    } cases[] = {
        {1, true, 1, "N"},  {2, false, 1, "Y"},
        {1, true, 2, "Y"},  {3, false, 0, "Lamp"}, // not set: the text stays
        {3, false, 1, "Y"},
    };
    for (const Case& c : cases) {
        CheckGrid f;
        f.Go(1, c.row);
        Key(Qt::Key_F2);
        TGridCheckBox* check = f.Check();
        ASSERT_NE(check, nullptr) << c.row;
        EXPECT_EQ(check->Checked(), c.opened) << c.row;
        EXPECT_EQ(check->Caption(), c.row == 3 ? "Lamp" : "") << c.row;
        for (int i = 0; i < c.toggles; ++i)
            Type(" ");
        EXPECT_EQ(check->Checked(), c.opened != (c.toggles % 2 == 1)) << c.row;
        Enter();
        EXPECT_FALSE(check->Visible()) << c.row;
        EXPECT_EQ(f.Focused(), f.grid) << c.row;
        EXPECT_EQ(f.grid->Cells(1, c.row), c.stored) << c.row << "/" << c.toggles;
    }
}

TEST(GridCheckBox, ClickTogglesOnceAndEscapeGoesBack) {
    CheckGrid f;
    Key(Qt::Key_F2);
    TGridCheckBox* check = f.Check();
    ASSERT_NE(check, nullptr);
    QTest::mouseClick(check->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(6, check->Height() / 2));
    EXPECT_FALSE(check->Checked());
    Escape();
    EXPECT_FALSE(check->Visible());
    EXPECT_EQ(f.grid->Cells(1, 1), "Y");
    EXPECT_EQ(f.Cell(), TPoint(1, 1));
}

TEST(GridCheckBox, LeavingKeysCloseAndMoveAsTheGridSays) {
    const struct Case {
        int key;
        bool advanceOnEnter;
        TPoint cell;
    } cases[] = {
        {Qt::Key_Return, false, {1, 1}}, {Qt::Key_Return, true, {2, 1}}, {Qt::Key_Down, false, {1, 2}},
        {Qt::Key_Up, false, {1, 1}},     {Qt::Key_Right, false, {1, 1}}, {Qt::Key_PageDown, false, {1, 1}},
    };
    for (const Case& c : cases) {
        CheckGrid f;
        f.grid->Navigation()->SetAdvanceOnEnter(c.advanceOnEnter);
        f.grid->Navigation()->SetAdvanceAutoEdit(false);
        Key(Qt::Key_F2);
        TGridCheckBox* check = f.Check();
        ASSERT_NE(check, nullptr);
        Type(" ");
        Key(c.key, c.key == Qt::Key_Return ? "\r" : QString());
        EXPECT_FALSE(check->Visible()) << c.key;
        EXPECT_EQ(f.grid->Cells(1, 1), "N") << c.key;
        EXPECT_EQ(f.Cell(), c.cell) << c.key << " " << c.advanceOnEnter;
    }
}

} // namespace gridchecktest

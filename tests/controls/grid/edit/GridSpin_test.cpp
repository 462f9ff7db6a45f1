// The grid's spin editor driven by real keys and clicks: the page and limit keys, storing the value,
// Escape, a refused value, leaving with the arrows and the spin-click events.
#include "EditorGrid.h"
#include "controls/grid/edit/GridSpin.h"

#include <vector>

// The helpers of the shown grid stay inside this file's namespace (the unity build joins test files).
namespace gridspintest {
using namespace editorgrid;

namespace {

// Column 1 edits integers from 0 to 100, column 2 numbers from 0 to 10 in steps of 0.5.
struct SpinGrid : EditorGrid {
    std::vector<std::pair<int, bool>> clicks; // value, up
    SpinGrid() {
        grid->OnGetEditorType = [](TObject*, int c, int, TEditorType& e) {
            if (c == 1) e = edSpinEdit;
            if (c == 2) e = edFloatSpinEdit;
        };
        grid->OnGetEditorProp = [this](TObject*, int c, int, TEditLink*) {
            TGridSpin* spin = grid->SpinEdit();
            spin->SetMinValue(0);
            spin->SetMaxValue(100);
            spin->SetIncrement(1);
            if (c == 2) {
                spin->SetMinFloatValue(0);
                spin->SetMaxFloatValue(10);
                spin->SetIncrementFloat(0.5);
            }
        };
        grid->OnSpinClick = [this](TObject*, int, int, int v, bool up) { clicks.emplace_back(v, up); };
        grid->SetCells(1, 1, "100");
        grid->SetCells(1, 2, "40");
        grid->SetCells(2, 1, "9.5");
        Go(1, 1);
    }
    TGridSpin* Spin() { return grid->SpinEdit(); }
    bool Open() { return Spin()->Visible() && Focused() == Spin(); }
};

} // namespace

TEST(GridSpin, PageHomeAndEndKeysKeepTheLimits) {
    const struct Case {
        int key;
        int value;
    } steps[] = {
        {Qt::Key_PageUp, 100}, // at the top: no step beyond it
        {Qt::Key_End, 0},      {Qt::Key_PageDown, 0}, {Qt::Key_PageUp, 1},
        {Qt::Key_PageUp, 2},   {Qt::Key_Home, 100},   {Qt::Key_PageDown, 99},
    };
    SpinGrid f;
    Key(Qt::Key_F2);
    ASSERT_TRUE(f.Open());
    EXPECT_EQ(f.Spin()->Value(), 100);
    for (const auto& s : steps) {
        Key(s.key);
        EXPECT_EQ(f.Spin()->Value(), s.value) << s.key;
    }
    // Each of the four keys reports one spin click, as a step down.
    ASSERT_EQ(f.clicks.size(), std::size(steps));
    for (size_t i = 0; i < f.clicks.size(); ++i) {
        EXPECT_EQ(f.clicks[i], std::make_pair(steps[i].value, false)) << i;
    }
    EXPECT_EQ(f.grid->Cells(1, 1), "100");
    Enter();
    EXPECT_FALSE(f.Spin()->Visible());
    EXPECT_EQ(f.Focused(), f.grid);
    EXPECT_EQ(f.grid->Cells(1, 1), "99");
}

TEST(GridSpin, FloatPagesStepByTheFloatIncrementWithinTheLimits) {
    SpinGrid f;
    f.Go(2, 1);
    Key(Qt::Key_F2);
    ASSERT_TRUE(f.Open());
    EXPECT_DOUBLE_EQ(f.Spin()->FloatValue(), 9.5);
    Key(Qt::Key_PageUp);
    EXPECT_DOUBLE_EQ(f.Spin()->FloatValue(), 10);
    Key(Qt::Key_PageUp);
    EXPECT_DOUBLE_EQ(f.Spin()->FloatValue(), 10);
    Key(Qt::Key_PageDown);
    EXPECT_DOUBLE_EQ(f.Spin()->FloatValue(), 9.5);
    Key(Qt::Key_End);
    EXPECT_DOUBLE_EQ(f.Spin()->FloatValue(), 0);
    Enter();
    EXPECT_DOUBLE_EQ(f.grid->Floats(2, 1), 0);
}

TEST(GridSpin, TypedValueIsStoredAndUpAndDownLeaveTheCell) {
    const struct Case {
        int key;
        TPoint cell;
    } cases[] = {{Qt::Key_Return, {1, 2}}, {Qt::Key_Up, {1, 1}}, {Qt::Key_Down, {1, 3}}};
    for (const Case& c : cases) {
        SpinGrid f;
        f.Go(1, 2);
        Key(Qt::Key_F2);
        Type("7");
        EXPECT_EQ(f.Spin()->Text(), "7") << c.key;
        Key(c.key, c.key == Qt::Key_Return ? "\r" : QString());
        EXPECT_FALSE(f.Spin()->Visible()) << c.key;
        EXPECT_EQ(f.grid->Cells(1, 2), "7") << c.key;
        EXPECT_EQ(f.Cell(), c.cell) << c.key;
    }
}

TEST(GridSpin, DigitTypedOnTheCellOpensTheSpinWithIt) {
    SpinGrid f;
    f.Go(1, 2);
    Type("5");
    ASSERT_TRUE(f.Open());
    QApplication::processEvents(); // the character is posted to the spin once it has the focus
    EXPECT_EQ(f.Spin()->Text(), "5");
    Type("6");
    Enter();
    EXPECT_EQ(f.grid->Cells(1, 2), "56");
}

TEST(GridSpin, EscapeLeavesTheCellTextAsItWas) {
    for (const char* text : {"40", "", "n/a"}) {
        SpinGrid f;
        f.grid->SetCells(1, 2, text);
        f.Go(1, 2);
        Key(Qt::Key_F2);
        Key(Qt::Key_End);
        EXPECT_EQ(f.Spin()->Value(), 0) << text;
        Escape();
        EXPECT_FALSE(f.Spin()->Visible()) << text;
        EXPECT_EQ(f.grid->Cells(1, 2), text);
        EXPECT_FALSE(f.grid->Modified()) << text;
    }
}

TEST(GridSpin, RefusedEnterKeepsTheSpinOpenWithTheStoredText) {
    SpinGrid f;
    f.grid->OnCellValidate = [](TObject*, int, int, String& v, bool& valid) { valid = v != "13"; };
    f.Go(1, 2);
    Key(Qt::Key_F2);
    Type("13");
    Enter();
    EXPECT_TRUE(f.Open());
    EXPECT_EQ(f.Spin()->Text(), "40");
    EXPECT_EQ(f.grid->Cells(1, 2), "40");
    Type("2"); // the caret stands at the end of the stored text
    Enter();
    EXPECT_FALSE(f.Spin()->Visible());
    EXPECT_EQ(f.grid->Cells(1, 2), "402");
}

TEST(GridSpin, ButtonClicksStepAndReportTheirDirection) {
    SpinGrid f;
    f.Go(1, 2);
    Key(Qt::Key_F2);
    ASSERT_TRUE(f.Open());
    QWidget* up = f.Spin()->Button()->UpButton()->Widget();
    QWidget* down = f.Spin()->Button()->DownButton()->Widget();
    ASSERT_NE(up, nullptr);
    QTest::mouseClick(up, Qt::LeftButton);
    QTest::mouseClick(up, Qt::LeftButton);
    QTest::mouseClick(down, Qt::LeftButton);
    EXPECT_EQ(f.Spin()->Value(), 41);
    EXPECT_EQ(f.clicks, (std::vector<std::pair<int, bool>>{{41, true}, {42, true}, {41, false}}));
    Enter();
    EXPECT_EQ(f.grid->Cells(1, 2), "41");
}

} // namespace gridspintest

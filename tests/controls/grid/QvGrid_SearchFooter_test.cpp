// The search footer driven by real keys and clicks: typing searches and turns the box red on no match, Enter
// and Ctrl+Enter go forward and back, the accelerator ticks the match-case box, the close button hides it;
// without AutoSearch only Enter searches, from the first cell for a new text.
#include "InputEvents.h"
#include "controls/grid/QvGrid.h"
#include "data/GridOnForm.h"

#include <gtest/gtest.h>

namespace qvgrid_searchfooter_test {

struct FooterGrid : ::testing::Test {
    qvtest::GridOnForm shown{{"pear", "apple", "pear", "fig", "apple"}};
    TQvStringGrid* grid = shown.grid;
    TSearchPanel* panel = grid->SearchPanel();
    std::vector<TSearchAction> actions;

    void SetUp() override {
        grid->SearchFooter()->SetMatchCaseCaption("Match &case");
        grid->SearchFooter()->SetVisible(true);
        grid->OnSearchFooterAction = [this](TObject*, const String&, int, int, TSearchAction A) {
            actions.push_back(A);
        };
        shown.Show();
        panel->EditControl()->SetFocus();
        QApplication::processEvents();
    }
    void Type(const QString& Text) {
        for (QChar c : Text)
            qvtest::KeyToFocus(Qt::Key_A + (c.toUpper().unicode() - 'A'), QString(c));
    }
    TPoint Current() const { return TPoint(grid->Col(), grid->Row()); }
};

TEST_F(FooterGrid, TypingSearchesAndEnterGoesOnOrBack) {
    ASSERT_TRUE(panel->Visible());
    EXPECT_EQ(panel->Height(), 32);
    EXPECT_EQ(grid->SearchFooterHeight(), 32);
    EXPECT_FALSE(panel->ForwardButton()->Enabled()) << "nothing to search for yet";

    Type("zq");
    EXPECT_EQ(panel->EditControl()->Color(), clRed);
    qvtest::KeyToFocus(Qt::Key_Backspace, "\b");
    qvtest::KeyToFocus(Qt::Key_Backspace, "\b");
    EXPECT_EQ(panel->EditControl()->Text(), "");
    EXPECT_EQ(panel->EditControl()->Color(), clWindow);

    Type("ap");
    EXPECT_EQ(panel->EditControl()->Color(), clWindow);
    EXPECT_EQ(Current(), TPoint(2, 2));
    EXPECT_TRUE(panel->ForwardButton()->Enabled());
    qvtest::KeyToFocus(Qt::Key_Return, "\r");
    EXPECT_EQ(Current(), TPoint(2, 5));
    EXPECT_EQ(panel->EditControl()->Text(), "ap") << "Enter adds no line break";
    qvtest::KeyToFocus(Qt::Key_Return, "\r");
    EXPECT_EQ(grid->SearchCell(), TPoint(-1, -1)) << "nothing after the last match";
    qvtest::KeyToFocus(Qt::Key_Return, "\r", Qt::ControlModifier);
    EXPECT_EQ(Current(), TPoint(2, 5)) << "backwards from the last cell";
    qvtest::KeyToFocus(Qt::Key_Return, "\r", Qt::ControlModifier);
    EXPECT_EQ(Current(), TPoint(2, 2));
    ASSERT_FALSE(actions.empty());
    EXPECT_EQ(actions.back(), saFindPrevious);
    EXPECT_TRUE(panel->EditControl()->Focused()) << "the keyboard stays in the box";
}

TEST_F(FooterGrid, TheAcceleratorTicksMatchCaseAndTheCloseButtonHidesTheFooter) {
    qvtest::KeyToFocus(Qt::Key_C, "c", Qt::AltModifier);
    EXPECT_TRUE(panel->MatchCase()->Checked());
    // The accelerator takes the keyboard to the box; the text goes back into the edit box.
    panel->EditControl()->SetFocus();
    grid->SetCells(2, 3, "Apple");
    Type("ap");
    EXPECT_EQ(Current(), TPoint(2, 2)) << "lower case, as typed";
    qvtest::KeyToFocus(Qt::Key_Backspace, "\b");
    qvtest::KeyToFocus(Qt::Key_Backspace, "\b");
    qvtest::KeyToFocus(Qt::Key_A, "A", Qt::ShiftModifier);
    EXPECT_EQ(Current(), TPoint(2, 3));

    bool closed = false;
    grid->OnSearchFooterClose = [&](TObject*) { closed = true; };
    const TRect b = panel->ExitButton()->BoundsRect();
    qvtest::ClickAt(panel->ExitButton()->Widget(), QPointF(b.Width() / 2, b.Height() / 2));
    EXPECT_TRUE(closed);
    EXPECT_FALSE(grid->SearchFooter()->Visible());
    EXPECT_FALSE(panel->Visible());
    EXPECT_EQ(grid->SearchFooterHeight(), 0);
}

TEST_F(FooterGrid, WithoutAutoSearchOnlyEnterSearchesAndANewTextStartsAtTheTop) {
    grid->SearchFooter()->SetAutoSearch(false);
    Type("pe");
    EXPECT_EQ(Current(), TPoint(1, 1)) << "typing alone does not search";
    qvtest::KeyToFocus(Qt::Key_Return, "\r");
    EXPECT_EQ(Current(), TPoint(2, 1));
    qvtest::KeyToFocus(Qt::Key_Return, "\r");
    EXPECT_EQ(Current(), TPoint(2, 3));
    qvtest::KeyToFocus(Qt::Key_Backspace, "\b");
    qvtest::KeyToFocus(Qt::Key_Backspace, "\b");
    Type("fi");
    qvtest::KeyToFocus(Qt::Key_Return, "\r");
    EXPECT_EQ(Current(), TPoint(2, 4));
    EXPECT_EQ(grid->SearchFooter()->LastSearch(), "fi");
}

} // namespace qvgrid_searchfooter_test

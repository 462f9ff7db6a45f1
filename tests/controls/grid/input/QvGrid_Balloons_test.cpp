// Balloons of the string grid's cells, shown when the mouse rests over a cell, their texts and cuts, and the
// date picker's change that a grid hears of.
#include "controls/grid/QvGrid.h"
#include "controls/grid/input/BalloonText.h"

#include "toolkit/controls/Forms.h"
#include "toolkit/controls/HintWindow.h"
#include "toolkit/stdctrls/ComCtrls_DateTime.h"
#include "toolkit/system/DateUtils.h"

#include "InputEvents.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {
TDateTime dateOf(int y, int m, int d) {
    TDateTime v = 0;
    EXPECT_TRUE(TryDateFromParts(y, m, d, v));
    return v;
}
} // namespace

TEST(BalloonText, CellTextsAndHookResultsAreCutToTheirBuffers) {
    const String longText(3000, QChar('x'));
    const String pair = QString::fromUtf16(u"\U0001F600");
    struct Case {
        String In;
        int Limit; // 0: the cell text rule
        String Out;
    } cases[] = {
        {"\r\n\tA\tB\r\nC", 0, "A B\r\nC"},
        {"short", 0, "short"},
        {longText, 0, String(2045, QChar('x')) + "..."},
        {String(4097, QChar('y')), 4096, String(4093, QChar('y')) + "..."},
        {String(4096, QChar('y')), 4096, String(4096, QChar('y'))},
        // A character of two units is not split by the cut.
        {"ab" + pair + "cd", 5, "ab..."},
        {"abcd", 2, "ab"},
    };
    for (const Case& c : cases) {
        const String out = c.Limit == 0 ? BalloonCellText(c.In) : CutWithEllipsis(c.In, c.Limit);
        EXPECT_EQ(out, c.Out) << c.In.left(20).toStdString() << " " << c.Limit;
    }
}

namespace {

struct BalloonGrid : ::testing::Test {
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        form->SetClientSize(400, 200);
        grid = new TQvStringGrid(form.get());
        grid->SetParent(form.get());
        grid->SetBounds(0, 0, 400, 200);
        grid->SetColCount(4);
        grid->SetRowCount(5);
        grid->Balloon()->SetInitialDelay(0);
        grid->Balloon()->SetEnable(true);
        form->Show();
        QApplication::processEvents();
    }
    void TearDown() override {
        CancelHint();
        form->Hide();
    }
    QWidget* Cells() const {
        for (QWidget* w : grid->Widget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (!qobject_cast<QScrollBar*>(w)) return w;
        return grid->Widget();
    }
    // The mouse moves onto the cell and rests there until a balloon shows (or the wait is over).
    THintWindow* RestOn(int c, int r, int waitMs = 1000) {
        const TRect cell = grid->CellRect(c, r);
        const TPoint at =
            grid->ClientToScreen(TPoint((cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2));
        QCursor::setPos(at.X, at.Y);
        QWidget* w = Cells();
        const QPointF global(at.X, at.Y);
        QMouseEvent move(QEvent::MouseMove, w->mapFromGlobal(global), global, Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(w, &move);
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < waitMs) {
            QApplication::processEvents(QEventLoop::AllEvents, 20);
            if (THintWindow* shown = ShownHintWindow(); shown && shown->IsBalloon()) return shown;
        }
        return nullptr;
    }
    std::unique_ptr<TForm> form;
    TQvStringGrid* grid = nullptr;
};

} // namespace

TEST_F(BalloonGrid, ARestingMouseShowsTheCellsTextWithItsTitleAndIcon) {
    grid->SetEnableHTML(true);
    grid->SetCells(1, 1, "<b>Hi</b>");
    grid->SetCells(2, 1, String(3000, QChar('z')));
    grid->SetCells(1, 2, "plain");
    grid->AddBalloon(1, 2, "Cell title", "Cell text", biWarning);
    struct Case {
        int C, R;
        String Title, Text;
        int Icon;
    } cases[] = {
        {1, 1, " ", "Hi", TTI_INFO},
        {2, 1, " ", String(2045, QChar('z')) + "...", TTI_INFO},
        {1, 2, "Cell title", "Cell text", TTI_WARNING},
    };
    for (const Case& c : cases) {
        THintWindow* shown = RestOn(c.C, c.R);
        ASSERT_NE(shown, nullptr) << c.C << "," << c.R;
        EXPECT_EQ(shown->BalloonTitle(), c.Title) << c.C << "," << c.R;
        EXPECT_EQ(shown->Caption(), c.Text) << c.C << "," << c.R;
        EXPECT_EQ(shown->BalloonIcon(), c.Icon) << c.C << "," << c.R;
        EXPECT_EQ(grid->LastBalloonPos(), TPoint(c.C, c.R));
    }
}

TEST_F(BalloonGrid, WhatTheHookMakesLongerIsCutToTheBuffer) {
    grid->SetCells(1, 1, "x");
    std::vector<TPoint> asked;
    grid->OnCellBalloon = [&](TObject*, int c, int r, String& title, String& text, int& icon) {
        asked.push_back(TPoint(c, r));
        title = String(150, QChar('t'));
        text = String(5000, QChar('w'));
        icon = TTI_ERROR;
    };
    THintWindow* shown = RestOn(1, 1);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(asked, std::vector<TPoint>{TPoint(1, 1)});
    EXPECT_EQ(shown->Caption().size(), TQvStringGrid::kToolTipBufferSize);
    EXPECT_TRUE(shown->Caption().endsWith("..."));
    EXPECT_EQ(shown->BalloonTitle(), String(97, QChar('t')) + "...");
    EXPECT_EQ(shown->BalloonIcon(), TTI_ERROR);
}

TEST_F(BalloonGrid, MovingToAnotherCellTakesTheBalloonDown) {
    grid->SetCells(1, 1, "one");
    ASSERT_NE(RestOn(1, 1), nullptr);
    const TRect next = grid->CellRect(2, 3);
    const QPoint p((next.Left + next.Right) / 2, (next.Top + next.Bottom) / 2);
    QMouseEvent move(QEvent::MouseMove, QPointF(p), QPointF(Cells()->mapToGlobal(p)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(Cells(), &move);
    EXPECT_EQ(ShownHintWindow(), nullptr);
    EXPECT_EQ(grid->LastBalloonPos(), TPoint(-1, -1));
}

TEST_F(BalloonGrid, TurningBalloonsOffEndsTheTipsAndOnMakesThemAnew) {
    grid->SetCells(1, 1, "one");
    ASSERT_NE(grid->BalloonTips(), nullptr);
    EXPECT_EQ(grid->BalloonTips()->Tool(), grid);
    grid->Balloon()->SetEnable(false);
    EXPECT_EQ(grid->BalloonTips(), nullptr);
    EXPECT_EQ(RestOn(1, 1, 200), nullptr);
    grid->Balloon()->SetEnable(true);
    ASSERT_NE(grid->BalloonTips(), nullptr);
    EXPECT_NE(RestOn(1, 1), nullptr);
}

TEST_F(BalloonGrid, APickersChangeReachesTheGridWithTheCurrentCell) {
    auto* picker = new TDateTimePicker(form.get());
    picker->SetParent(grid);
    picker->SetBounds(10, 10, 150, 24);
    picker->SetFormat("dd/MM/yyyy");
    picker->SetDateTime(dateOf(2024, 3, 15));
    grid->SetCol(2);
    grid->SetRow(3);
    std::vector<std::tuple<int, int, TDateTime>> heard;
    grid->OnDateTimeChange = [&](TObject*, int c, int r, TDateTime d) { heard.emplace_back(c, r, d); };
    picker->SetFocus();
    QApplication::processEvents();
    qvtest::KeyToFocus(Qt::Key_Up);
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(std::get<0>(heard[0]), 2);
    EXPECT_EQ(std::get<1>(heard[0]), 3);
    EXPECT_EQ(std::get<2>(heard[0]), picker->DateTime());
    EXPECT_NE(picker->DateTime(), dateOf(2024, 3, 15));
    // Unchecked, the picker names no date: the grid hears 0.
    picker->SetShowCheckbox(true);
    qvtest::KeyToFocus(Qt::Key_Space, " ");
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_FALSE(picker->Checked());
    EXPECT_EQ(std::get<2>(heard[1]), 0.0);
}

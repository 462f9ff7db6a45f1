// Hints of the string grid: the cell hint a resting mouse gets, and markup hints drawn by the markup hint
// window, for the grid's own cells and, with UseHTMLHints, for every control of the program.
#include "controls/grid/HTMLHintWindow.h"
#include "controls/grid/QvGrid.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/stdctrls/ExtCtrls.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QImage>
#include <QMouseEvent>
#include <QScreen>
#include <gtest/gtest.h>

#include <memory>

namespace qvgrid_hints_test {

class HintsTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        form->SetClientSize(400, 200);
        grid = new TQvStringGrid(form.get());
        grid->SetParent(form.get());
        grid->SetBounds(0, 0, 400, 160);
        grid->SetColCount(4);
        grid->SetRowCount(5);
        grid->SetShowHint(true);
        grid->SetHintShowCells(true);
        grid->SetHTMLHint(true);
        panel = new TPanel(form.get());
        panel->SetParent(form.get());
        panel->SetBounds(0, 160, 400, 40);
        panel->SetShowHint(true);
        form->Show();
        QApplication::processEvents();
    }
    void TearDown() override {
        CancelHint();
        SetHintWindowClass(nullptr);
        form->Hide();
    }
    // The mouse resting on the grid's cell, as the platform tells it.
    void RestOnCell(int c, int r) {
        const TRect cell = grid->CellRect(c, r);
        const TPoint at =
            grid->ClientToScreen(TPoint((cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2));
        QWidget* w = grid->Widget();
        QHelpEvent rest(QEvent::ToolTip, w->mapFromGlobal(QPoint(at.X, at.Y)), QPoint(at.X, at.Y));
        QApplication::sendEvent(w, &rest);
    }
    void MoveOnCell(int c, int r) {
        const TRect cell = grid->CellRect(c, r);
        const TPoint at =
            grid->ClientToScreen(TPoint((cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2));
        QWidget* w = grid->Widget();
        const QPoint global(at.X, at.Y);
        QMouseEvent move(QEvent::MouseMove, QPointF(w->mapFromGlobal(global)), QPointF(global), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    }
    // Red pixels of the hint window on screen.
    static int RedPixels(THintWindow* window) {
        window->Widget()->repaint();
        const QImage img = window->Widget()->grab().toImage();
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QColor p(img.pixel(x, y));
                if (p.red() > 150 && p.green() < 90 && p.blue() < 90) ++n;
            }
        return n;
    }

    std::unique_ptr<TForm> form;
    TQvStringGrid* grid = nullptr;
    TPanel* panel = nullptr;
};

} // namespace qvgrid_hints_test

using qvgrid_hints_test::HintsTest;

// A markup hint shows its text in the markup's look, not its tags; without UseHTMLHints a control's hint
// is the plain window's, tags and all.
TEST_F(HintsTest, UseHTMLHintsDrawsTheMarkupOfEveryHint) {
    const String hint = "<font color=\"clRed\">Warm</font> water";
    panel->SetHint(hint);
    struct Case {
        bool html;
        const char* window;
        bool red;
    };
    for (const Case& c : {Case{true, "THTMLHintWindow", true}, Case{false, "THintWindow", false}}) {
        SCOPED_TRACE(c.window);
        grid->SetUseHTMLHints(c.html);
        EXPECT_EQ(grid->UseHTMLHints(), c.html);
        ASSERT_TRUE(ActivateControlHint(panel, TPoint(10, 10)));
        THintWindow* shown = ShownHintWindow();
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->ClassName(), c.window);
        EXPECT_EQ(shown->Caption(), hint);
        EXPECT_EQ(RedPixels(shown) > 10, c.red);
        CancelHint();
        EXPECT_EQ(ShownHintWindow(), nullptr);
    }
    // The markup window is as wide as the text it shows, not its tags.
    grid->SetUseHTMLHints(true);
    ActivateControlHint(panel, TPoint(10, 10));
    auto* html = dynamic_cast<THTMLHintWindow*>(ShownHintWindow());
    ASSERT_NE(html, nullptr);
    html->Canvas()->SetFont(html->Font());
    EXPECT_LT(html->Width(), html->Canvas()->TextWidth(hint));
    EXPECT_EQ(html->Width(), html->TextWidth() + 16);
    // A hint reaching past the monitor's right or bottom edge ends 2 pixels inside it.
    const QRect monitor = QGuiApplication::primaryScreen()->geometry();
    const int right = monitor.x() + monitor.width(), bottom = monitor.y() + monitor.height();
    html->ActivateHint(TRect(right - 5, bottom - 3, right + 100, bottom + 20), hint);
    EXPECT_EQ(html->Left() + html->Width(), right - 2);
    EXPECT_EQ(html->Top() + html->Height(), bottom - 2);
}

// The grid's cell hints: a markup cell's hint is drawn as markup (the grid names the markup window for it),
// and moving to another cell takes the hint down.
TEST_F(HintsTest, CellHintsComeFromTheCellUnderTheMouse) {
    grid->SetCells(2, 2, "<font color=\"clRed\">hot</font>");
    grid->SetCells(1, 3, "plain");
    RestOnCell(2, 2);
    THintWindow* shown = ShownHintWindow();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->ClassName(), "THTMLHintWindow");
    EXPECT_EQ(shown->Caption(), "<font color=\"clRed\">hot</font>");
    EXPECT_GT(RedPixels(shown), 5);
    MoveOnCell(2, 2);
    EXPECT_NE(ShownHintWindow(), nullptr) << "moving inside the cell keeps the hint";
    MoveOnCell(1, 3);
    EXPECT_EQ(ShownHintWindow(), nullptr);

    RestOnCell(1, 3);
    ASSERT_NE(ShownHintWindow(), nullptr);
    EXPECT_EQ(ShownHintWindow()->ClassName(), "THintWindow");
    EXPECT_EQ(ShownHintWindow()->Caption(), "plain");

    // Without ShowHint the grid shows none.
    CancelHint();
    grid->SetShowHint(false);
    RestOnCell(2, 2);
    EXPECT_EQ(ShownHintWindow(), nullptr);
}

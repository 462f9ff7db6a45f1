// The floating footer on a shown grid: calculations written into the footer row, the row following the
// row count, the panel's height, its clicks and hints by real mouse events, and what each style paints.
#include "controls/grid/QvGrid.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/HintWindow.h"

#include "InputEvents.h"
#include "edit/EditorGrid.h"

#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace qvgrid_footer_test {

class FooterTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        form->SetClientSize(500, 300);
        grid = new TQvStringGrid(form.get());
        grid->SetParent(form.get());
        grid->SetBounds(0, 0, 500, 300);
        grid->SetColCount(4);
        grid->SetRowCount(10);
        grid->FloatingFooter()->SetVisible(true);
        form->Show();
        QApplication::processEvents();
    }
    void TearDown() override {
        CancelHint();
        form->Hide();
    }
    QWidget* Panel() const { return grid->FooterPanel()->Widget(); }

    std::unique_ptr<TForm> form;
    TQvStringGrid* grid = nullptr;
};

TEST_F(FooterTest, CalculationsAreWrittenIntoTheFooterRow) {
    TFloatingFooter* ff = grid->FloatingFooter();
    grid->SetFloatFormat("%.2f");
    grid->SetCells(2, 1, "1.5");
    grid->SetCells(2, 2, "2.5");
    grid->SetCells(3, 9, "stale");
    ff->SetColumnCalc(1, acCOUNT);
    ff->SetColumnCalc(2, acSUM);
    ff->SetColumnCalc(3, acCUSTOM);
    EXPECT_EQ(ff->ColumnCalc(2), acSUM);
    EXPECT_EQ(ff->ColumnCalc(0), acNONE);
    EXPECT_EQ(grid->Cells(1, 9), "8");
    EXPECT_EQ(grid->Cells(2, 9), "4.00");
    EXPECT_EQ(grid->Cells(3, 9), "") << "a custom calculation without a handler clears the cell";

    // The grid's handler comes before the footer's, and is told the footer row.
    std::vector<int> told;
    grid->OnFooterCalc = [&](TObject*, int ACol, int ARow, String& Value) {
        told = {ACol, ARow};
        Value = "mine";
    };
    ff->OnCalcFooter = [](TObject*, int, int, String& Value) { Value = "theirs"; };
    grid->CalcFooter(-1);
    EXPECT_EQ(grid->Cells(3, 9), "mine");
    EXPECT_EQ(told, (std::vector<int>{3, 9}));

    // A changed cell recalculates; with calculation off the footer keeps what it has.
    grid->SetCells(2, 3, "1");
    grid->CellChanged(2, 3);
    EXPECT_EQ(grid->Cells(2, 9), "5.00");
    ff->SetEnableCalculation(false);
    grid->SetCells(2, 3, "100");
    grid->CellChanged(2, 3);
    EXPECT_EQ(grid->Cells(2, 9), "5.00");
    ff->SetEnableCalculation(true);

    // More rows: the calculations go along with the footer row and count the new rows.
    grid->SetRowCount(13);
    EXPECT_EQ(ff->ColumnCalc(1), acCOUNT);
    EXPECT_EQ(grid->Cells(1, 12), "11");
    EXPECT_EQ(grid->Cells(2, 12), "104.00");
    EXPECT_EQ(grid->Cells(1, 9), "") << "the old footer row becomes a plain row";
    EXPECT_EQ(ff->ColumnCalc(1), acCOUNT);
    grid->SetRowCount(5);
    EXPECT_EQ(grid->Cells(1, 4), "3");
    EXPECT_EQ(grid->Cells(2, 4), "104.00");
}

TEST_F(FooterTest, HiddenRowsAreCountedUnlessLeftOut) {
    TFloatingFooter* ff = grid->FloatingFooter();
    for (int r = 1; r < 9; ++r)
        grid->SetCells(1, r, "1");
    grid->SetCells(1, 4, "100");
    grid->HideRow(4);
    ff->SetColumnCalc(1, acSUM);
    EXPECT_EQ(grid->Cells(1, grid->RowCount() - 1), Format(grid->FloatFormat(), {107.0}));
    ff->SetCalculateHiddenRows(false);
    grid->CalcFooter(1);
    EXPECT_EQ(grid->Cells(1, grid->RowCount() - 1), Format(grid->FloatFormat(), {7.0}));
}

TEST_F(FooterTest, PanelHeightClicksAndHints) {
    TFloatingFooter* ff = grid->FloatingFooter();
    EXPECT_EQ(ff->Height(), 22);
    EXPECT_EQ(grid->FooterPanel()->Height(), 21);
    EXPECT_EQ(grid->FooterPanel()->Top() + grid->FooterPanel()->Height(), grid->ClientHeight());

    std::vector<int> clicked;
    int clicks = 0;
    grid->OnClick = [&](TObject*) { ++clicks; };
    grid->OnClickCell = [&](TObject*, int ARow, int ACol) { clicked = {ACol, ARow}; };
    qvtest::ClickAt(Panel(), QPointF(5, 10));
    EXPECT_EQ(clicked, (std::vector<int>{0, 9}));
    EXPECT_EQ(clicks, 1);
    const int x2 = grid->ColWidths(0) + grid->ColWidths(1) + 5;
    qvtest::ClickAt(Panel(), QPointF(x2, 10));
    EXPECT_EQ(clicked, (std::vector<int>{2, 9}));
    qvtest::ClickAt(Panel(), QPointF(495, 10));
    EXPECT_EQ(clicked, (std::vector<int>{-1, 9})) << "beyond the last column there is none";

    // Hints come from the grid's hint event for the footer row, and show only with ShowHint.
    grid->OnGridHint = [](TObject*, int ARow, int ACol, String& Hint) {
        Hint = QString("r%1 c%2").arg(ARow).arg(ACol);
    };
    auto rest = [&](int x) {
        const QPoint global = Panel()->mapToGlobal(QPoint(x, 10));
        QHelpEvent e(QEvent::ToolTip, QPoint(x, 10), global);
        QApplication::sendEvent(Panel(), &e);
    };
    rest(x2);
    EXPECT_EQ(ShownHintWindow(), nullptr);
    ff->SetShowHint(true);
    rest(x2);
    ASSERT_NE(ShownHintWindow(), nullptr);
    EXPECT_EQ(ShownHintWindow()->Caption(), "r9 c2");
    EXPECT_EQ(grid->FooterPanel()->HintColumn(), 2);
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 10), QPointF(Panel()->mapToGlobal(QPoint(5, 10))),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(Panel(), &move);
    EXPECT_EQ(ShownHintWindow(), nullptr) << "another column takes the hint down";
    EXPECT_EQ(grid->FooterPanel()->HintColumn(), 0);

    ff->SetVisible(false);
    EXPECT_EQ(grid->FooterPanel()->Height(), 0);
    EXPECT_EQ(grid->FixedFooters(), 0);
}

// Red pixels of the footer panel as painted now.
int RedPixels(QWidget* w) {
    w->repaint();
    const QImage img = w->grab().toImage();
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor p(img.pixel(x, y));
            if (p.red() > 150 && p.green() < 90 && p.blue() < 90) ++n;
        }
    return n;
}

TEST_F(FooterTest, EachStylePaintsItsContent) {
    TFloatingFooter* ff = grid->FloatingFooter();
    // The last row: each shown column past the fixed ones goes to the paint handler with its rectangle.
    std::vector<int> painted;
    grid->OnFooterPaint = [&](TObject* Sender, int ACol, TCanvas*, const TRect& R) {
        EXPECT_EQ(Sender, grid->FooterPanel());
        painted.push_back(ACol);
        painted.push_back(R.Right - R.Left);
    };
    grid->SetLeftCol(2);
    QApplication::processEvents();
    painted.clear();
    Panel()->repaint();
    const int w2 = grid->ColWidths(2);
    ASSERT_EQ(painted.size(), 4u);
    EXPECT_EQ(painted[0], 2);
    EXPECT_GE(painted[1], w2 - 1);
    EXPECT_LE(painted[1], w2);
    EXPECT_EQ(painted[2], 3);
    grid->SetLeftCol(1);

    // A custom paint gets the column and the whole panel.
    painted.clear();
    ff->SetColumn(3);
    ff->SetFooterStyle(fsCustomPaint);
    QApplication::processEvents();
    painted.clear();
    Panel()->repaint();
    EXPECT_EQ(painted, (std::vector<int>{3, grid->FooterPanel()->ClientWidth()}));
    grid->OnFooterPaint = nullptr;

    // The template is filled from the current row and drawn as markup.
    grid->SetCells(2, 1, "12");
    grid->SetRow(1);
    ff->SetCustomTemplate("<font color=\"clRed\">Total <#2> items</font>");
    ff->SetFooterStyle(fsCustomPreview);
    EXPECT_GT(RedPixels(Panel()), 10);
    ff->SetCustomTemplate("Total <#2> items");
    EXPECT_EQ(RedPixels(Panel()), 0);
}

// An edit stored by Enter, by Tab or by clicking another cell is in the sum the footer shows at once, not
// one edit later.
TEST(FooterEdit, TheSumIncludesTheValueJustStored) {
    editorgrid::EditorGrid g(3, 6);
    TFloatingFooter* ff = g.grid->FloatingFooter();
    g.grid->SetOptions(g.grid->Options() | goTabs);
    ff->SetVisible(true);
    g.grid->SetFloatFormat("%.0f");
    ff->SetColumnCalc(1, acSUM);
    ff->SetColumnCalc(2, acSUM);
    QApplication::processEvents();
    const int footer = g.grid->RowCount() - 1;
    const struct {
        const char* How;
        int Col, Row;
        const char* Typed;
        const char* Sum1;
        const char* Sum2;
    } cases[] = {
        {"Enter", 1, 1, "7", "7", "0"},
        {"Tab", 1, 2, "5", "12", "0"},
        {"a click on another cell", 2, 3, "40", "12", "40"},
    };
    for (const auto& k : cases) {
        g.Go(k.Col, k.Row);
        editorgrid::Key(Qt::Key_F2);
        editorgrid::Type(k.Typed);
        const std::string how = k.How;
        if (how == "Enter")
            editorgrid::Enter();
        else if (how == "Tab")
            editorgrid::Key(Qt::Key_Tab, "\t");
        else {
            // The cells are drawn on the grid's one direct child that is no scroll bar.
            QWidget* cells = g.grid->Widget();
            for (QWidget* w : g.grid->Widget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
                if (!qobject_cast<QScrollBar*>(w) && w != g.grid->FooterPanel()->Widget()) cells = w;
            const TRect r = g.grid->CellRect(1, 4);
            qvtest::ClickAt(cells, QPointF(r.Left + 3, r.Top + 3));
        }
        QApplication::processEvents();
        EXPECT_EQ(g.grid->Cells(k.Col, k.Row), String(k.Typed)) << k.How;
        EXPECT_EQ(g.grid->Cells(1, footer), String(k.Sum1)) << k.How;
        EXPECT_EQ(g.grid->Cells(2, footer), String(k.Sum2)) << k.How;
    }
}

} // namespace qvgrid_footer_test

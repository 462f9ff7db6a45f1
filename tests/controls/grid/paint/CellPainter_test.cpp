// The base grid's cell painter on offscreen grabs (selection looks, hover and active rows, grid lines), and
// the painter alone on a bitmap.
#include "TestSupport.h"
#include "controls/grid/BaseGrid.h"
#include "controls/grid/paint/CellPainter.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/graphics/Picture.h"
#include "toolkit/stdctrls/StdCtrls.h"

#include <QApplication>
#include <QImage>
#include <gtest/gtest.h>

#include <functional>

namespace {
constexpr int kColW = 60, kRowH = 24;
} // namespace

class CellPainterTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        form->SetClientSize(400, 200);
        grid = new TBaseGrid(form.get());
        grid->SetParent(form.get());
        grid->SetBounds(0, 0, 400, 200);
        grid->SetColCount(6);
        grid->SetRowCount(6);
        grid->SetDefaultColWidth(kColW);
        grid->SetDefaultRowHeight(kRowH);
        grid->SetColor(clWhite);
        // No frame: cell rectangles are then form coordinates.
        grid->SetBorderStyle(bsNone);
        form->Show();
    }
    void TearDown() override { form->Hide(); }

    QImage Shot(const char* name = nullptr) {
        QApplication::processEvents();
        QImage img = form->Grab();
        if (name && qEnvironmentVariableIsSet("QV_SAVE_GRABS")) img.save(QString("/tmp/%1.png").arg(name));
        return img;
    }
    static TColor At(const QImage& img, int x, int y) { return FromQColor(QColor(img.pixel(x, y))); }
    // Top-left corner of a cell on the screen (the grid sits at the form's client origin).
    TRect Cell(int c, int r) { return grid->CellRect(c, r); }
    void SelectRow1Cols(int from, int to) {
        grid->SetOptions(grid->Options() | goRangeSelect);
        grid->SetSelection(TGridRect{from, 1, to, 1});
    }

    std::unique_ptr<TForm> form;
    TBaseGrid* grid = nullptr;
};

// A three-column selection: the left cell closed on the left only, the middle open, the right closed on the
// right only.
TEST_F(CellPainterTest, VistaSelectionIsOneFrameOverItsColumns) {
    grid->SetSelectionStyle(ssVista);
    grid->SetOptions(grid->Options() | goDrawFocusSelected);
    SelectRow1Cols(1, 3);
    const QImage img = Shot("painter_vista");
    const SelectionLook look = FocusedSelectionLook(ssVista);
    const int midY = Cell(1, 1).Top + kRowH / 2 - 2;
    const TRect left = Cell(1, 1), middle = Cell(2, 1), right = Cell(3, 1);
    EXPECT_EQ(At(img, left.Left, midY), look.BorderColor);
    EXPECT_NE(At(img, left.Right - 2, midY), look.BorderColor);
    EXPECT_NE(At(img, middle.Left, midY), look.BorderColor);
    EXPECT_NE(At(img, middle.Right - 2, midY), look.BorderColor);
    EXPECT_NE(At(img, right.Left, midY), look.BorderColor);
    EXPECT_EQ(At(img, right.Right - 2, midY), look.BorderColor);
    // The fill runs from Color at its top towards ColorTo.
    EXPECT_EQ(At(img, middle.Left + 10, middle.Top + 2), look.Color);
    EXPECT_EQ(At(img, middle.Left + 10, middle.Top), look.BorderColor);
}

TEST_F(CellPainterTest, SelectionOfOneColumnIsClosedOnBothSides) {
    grid->SetSelectionStyle(ssWin7);
    grid->SetOptions(grid->Options() | goDrawFocusSelected);
    SelectRow1Cols(2, 2);
    const QImage img = Shot();
    const SelectionLook look = FocusedSelectionLook(ssWin7);
    const TRect r = Cell(2, 1);
    const int midY = r.Top + kRowH / 2 - 2;
    EXPECT_EQ(At(img, r.Left, midY), look.BorderColor);
    EXPECT_EQ(At(img, r.Right - 2, midY), look.BorderColor);
}

TEST_F(CellPainterTest, UnfocusedGridShowsTheGreySetWhateverTheStyle) {
    auto* other = new TEdit(form.get());
    other->SetParent(form.get());
    other->SetBounds(0, 180, 50, 20);
    other->SetFocus();
    ASSERT_FALSE(grid->Focused());
    for (TGridSelectionStyle style : {ssVista, ssWin7, ssOffice2007}) {
        grid->SetSelectionStyle(style);
        SelectRow1Cols(1, 2);
        const QImage img = Shot();
        const SelectionLook grey = InactiveSelectionLook();
        const TRect r = Cell(1, 1);
        EXPECT_EQ(At(img, r.Left, r.Top + 8), grey.BorderColor) << style;
        EXPECT_EQ(At(img, r.Left + 10, r.Top + 2), grey.Color) << style;
    }
    grid->SetFocus();
    ASSERT_TRUE(grid->Focused());
    const QImage img = Shot();
    EXPECT_EQ(At(img, Cell(1, 1).Left, Cell(1, 1).Top + 8), FocusedSelectionLook(ssOffice2007).BorderColor);
}

TEST_F(CellPainterTest, Office2007SelectionHasMirrorHalves) {
    grid->SetSelectionStyle(ssOffice2007);
    grid->SetOptions(grid->Options() | goDrawFocusSelected);
    SelectRow1Cols(1, 1);
    const QImage img = Shot("painter_office2007");
    const TRect r = Cell(1, 1);
    // The frame's fill: rows Top + 2 .. Bottom - 3 of the cell, split at its middle.
    const int top = r.Top + 2, bottom = r.Bottom - 4, mid = top + (bottom + 1 - top) / 2;
    EXPECT_EQ(At(img, r.Left + 10, top), 0xD7FFFD);
    EXPECT_EQ(At(img, r.Left + 10, mid - 1), 0x58D4FC);
    EXPECT_EQ(At(img, r.Left + 10, mid), 0x58D4FC);
    EXPECT_EQ(At(img, r.Left + 10, bottom), 0xB3F1FC);
}

TEST_F(CellPainterTest, GridLinesInTheirColoursAndOnlyWhereAsked) {
    grid->SetGridLineColor(RGB(200, 0, 0));
    grid->SetGridFixedLineColor(RGB(0, 0, 200));
    grid->SetSelection(TGridRect{5, 5, 5, 5});
    QImage img = Shot("painter_lines");
    const TRect normal = Cell(2, 2), fixed = Cell(0, 2);
    EXPECT_EQ(At(img, normal.Left + 10, normal.Bottom - 1), RGB(200, 0, 0));
    EXPECT_EQ(At(img, normal.Right - 1, normal.Top + 10), RGB(200, 0, 0));
    EXPECT_EQ(At(img, normal.Left + 10, normal.Top + 10), clWhite);
    EXPECT_EQ(At(img, fixed.Left + 10, fixed.Bottom - 1), RGB(0, 0, 200));

    grid->SetOptions(grid->Options() & ~goVertLine);
    img = Shot();
    EXPECT_NE(At(img, normal.Right - 1, normal.Top + 10), RGB(200, 0, 0));
    EXPECT_EQ(At(img, normal.Left + 10, normal.Bottom - 1), RGB(200, 0, 0));

    grid->SetGridLineWidth(3);
    img = Shot();
    for (int dy = 1; dy <= 3; ++dy)
        EXPECT_EQ(At(img, normal.Left + 10, normal.Bottom - dy), RGB(200, 0, 0)) << dy;
    EXPECT_EQ(At(img, normal.Left + 10, normal.Bottom - 4), clWhite);
}

TEST_F(CellPainterTest, HoverAndActiveRows) {
    grid->SetHoverRow(true);
    grid->SetHoverRowIdx(3);
    grid->SetHoverRowColor(RGB(0, 150, 0));
    grid->SetActiveRowShow(true);
    grid->SetActiveRowColor(RGB(150, 0, 150));
    grid->SetRow(2);
    grid->SetCol(1);
    const QImage img = Shot("painter_rows");
    EXPECT_EQ(At(img, Cell(2, 3).Left + 10, Cell(2, 3).Top + 10), RGB(0, 150, 0));
    EXPECT_EQ(At(img, Cell(3, 2).Left + 10, Cell(3, 2).Top + 10), RGB(150, 0, 150));
    // The current cell keeps its own look, and fixed cells never take the active row's colour.
    EXPECT_NE(At(img, Cell(1, 2).Left + 10, Cell(1, 2).Top + 10), RGB(150, 0, 150));
    EXPECT_NE(At(img, Cell(0, 2).Left + 10, Cell(0, 2).Top + 10), RGB(150, 0, 150));
}

TEST_F(CellPainterTest, CellGradientFromTheVisualProperties) {
    struct GradientGrid : TBaseGrid {
        using TBaseGrid::TBaseGrid;
        void GetVisualProperties(int ACol, int ARow, bool, bool, bool, TCellLook& ALook) override {
            if (ACol == 2 && ARow == 2) {
                ALook.Fill.Color = clRed;
                ALook.Fill.ColorTo = clBlue;
                ALook.Gradient = GradientHorizontal;
            }
        }
    };
    delete grid;
    auto* g = new GradientGrid(form.get());
    grid = g;
    g->SetParent(form.get());
    g->SetBounds(0, 0, 400, 200);
    g->SetDefaultColWidth(kColW);
    g->SetDefaultRowHeight(kRowH);
    g->SetBorderStyle(bsNone);
    g->SetSelection(TGridRect{5, 5, 5, 5});
    const QImage img = Shot("painter_gradient");
    const TRect r = Cell(2, 2);
    EXPECT_EQ(At(img, r.Left, r.Top + 5), clRed);
    // The last band lies under the grid line; the one before it is nearly blue.
    const TColor end = At(img, r.Right - 2, r.Top + 5);
    EXPECT_GT(GetBValue(end), 240);
    EXPECT_LT(GetRValue(end), 15);
}

// A merged area whose base cell has scrolled under the fixed column is painted by its first visible cell,
// and not over the fixed band.
TEST_F(CellPainterTest, MergedAreaScrolledUnderTheFixedColumnStaysBehindIt) {
    grid->SetColCount(20);
    grid->MergeCells(1, 2, 3, 1);
    grid->CellProperties(1, 2)->SetBrushColor(RGB(220, 0, 0));
    grid->SetFixedColor(RGB(0, 0, 220));
    grid->SetLeftCol(2);
    const QImage img = Shot("painter_merged_scrolled");
    const TRect fixed = Cell(0, 2);
    EXPECT_EQ(At(img, fixed.Left + 10, fixed.Top + 10), RGB(0, 0, 220));
    EXPECT_EQ(At(img, fixed.Right + 10, fixed.Top + 10), RGB(220, 0, 0));         // covered cell 2
    EXPECT_EQ(At(img, fixed.Right + kColW + 10, fixed.Top + 10), RGB(220, 0, 0)); // covered cell 3
    EXPECT_EQ(At(img, fixed.Right + 2 * kColW + 10, fixed.Top + 10), clWhite);    // column 4
}

// The painter draws a look and a frame on any canvas, with no grid behind it (a printed page, a picture).
TEST(CellPainterAlone, DrawsTheLookAndTheFrameOnAnyCanvas) {
    constexpr int w = 60, h = 24;
    struct Case {
        const char* name;
        std::function<void(TCellLook&, TCellFrame&)> setup;
        TPoint probe;
        TColor want;
    };
    auto red = [](TCellLook& l, TCellFrame&) { l.Fill.Color = clRed; };
    // A focused Win7 selection frame in a segment of the selection.
    auto styled = [](int segment) {
        return [segment](TCellLook& l, TCellFrame& f) {
            l.Fill.Color = clRed;
            l.State = gdSelected;
            f.StyledSelection = true;
            f.SelectionStyle = ssWin7;
            f.SelectionActive = true;
            f.SelectionSegment = segment;
        };
    };
    const Case cases[] = {
        {"plain fill", red, TPoint(10, 10), clRed},
        {"line under the cell", red, TPoint(10, h - 1), clSilver},
        {"line right of the cell", red, TPoint(w - 1, 10), clSilver},
        {"no lines without a width",
         [](TCellLook& l, TCellFrame& f) {
             l.Fill.Color = clRed;
             f.LineWidth = 0;
         },
         TPoint(10, h - 1), clRed},
        {"fixed lines in their colour",
         [](TCellLook& l, TCellFrame& f) {
             l.Fill.Color = clRed;
             f.Fixed = true;
             f.FixedLineColor = clBlue;
             f.Options = goFixedHorzLine;
         },
         TPoint(10, h - 1), clBlue},
        {"horizontal gradient starts at the left",
         [](TCellLook& l, TCellFrame&) {
             l.Fill = {clRed, clBlue, clNone, clNone};
             l.Gradient = GradientHorizontal;
         },
         TPoint(0, 10), clRed},
        {"mirror fill's lower half",
         [](TCellLook& l, TCellFrame&) {
             l.Fill = {clRed, clRed, clGreen, clGreen};
         },
         TPoint(10, h - 3), clGreen},
        {"styled selection alone: closed on the left", styled(0), TPoint(0, 2),
         FocusedSelectionLook(ssWin7).BorderColor},
        {"styled selection between columns: open on the left", styled(3), TPoint(0, 2),
         FocusedSelectionLook(ssWin7).Color},
    };
    for (const Case& c : cases) {
        TBitmap sheet;
        sheet.SetSize(w, h);
        TCellLook look;
        TCellFrame frame;
        frame.Options = goHorzLine | goVertLine;
        c.setup(look, frame);
        CellPainter(frame).Paint(sheet.Canvas(), TRect(0, 0, w, h), look);
        EXPECT_EQ(sheet.Canvas()->Pixels(c.probe.X, c.probe.Y), c.want) << c.name;
    }
}

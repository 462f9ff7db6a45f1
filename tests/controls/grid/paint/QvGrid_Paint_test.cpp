// The string grid's cell pipeline on offscreen grabs: text, rotated and markup cells, fixed-cell looks,
// custom borders, right-to-left, zoom, hidden columns and scrolling; the look asked once per cell; the visual
// properties without a window.
#include "TestSupport.h"
#include "controls/grid/QvGrid.h"
#include "controls/grid/paint/CellLooks.h"
#include "toolkit/controls/Forms.h"

#include <QApplication>
#include <QImage>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <functional>
#include <map>
#include <utility>

namespace {
constexpr int kPaintColW = 80, kPaintRowH = 24, kPaintW = 420, kPaintH = 200;

TColor PixelAt(const QImage& img, int x, int y) {
    return FromQColor(QColor(img.pixel(x, y)));
}

// Pixels of a rectangle that match the test.
int CountPixels(const QImage& img, const TRect& r, const std::function<bool(QColor)>& test) {
    int n = 0;
    for (int y = std::max(0, r.Top); y < std::min(img.height(), r.Bottom); ++y)
        for (int x = std::max(0, r.Left); x < std::min(img.width(), r.Right); ++x)
            if (test(QColor(img.pixel(x, y)))) ++n;
    return n;
}

bool IsDark(QColor c) {
    return c.red() < 110 && c.green() < 110 && c.blue() < 110;
}
bool IsRed(QColor c) {
    return c.red() > 150 && c.green() < 90 && c.blue() < 90;
}

// The box of the dark pixels in r, empty when there are none.
TRect DarkBox(const QImage& img, const TRect& r) {
    TRect box(r.Right, r.Bottom, r.Left, r.Top);
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (IsDark(QColor(img.pixel(x, y)))) {
                box.Left = std::min(box.Left, x);
                box.Top = std::min(box.Top, y);
                box.Right = std::max(box.Right, x + 1);
                box.Bottom = std::max(box.Bottom, y + 1);
            }
    return box.Left < box.Right ? box : TRect();
}
} // namespace

class QvGridPaintTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        form->SetClientSize(kPaintW, kPaintH);
        grid = new TQvStringGrid(form.get());
        grid->SetParent(form.get());
        grid->SetBounds(0, 0, kPaintW, kPaintH);
        grid->SetColCount(5);
        grid->SetRowCount(7);
        grid->SetDefaultColWidth(kPaintColW);
        grid->SetDefaultRowHeight(kPaintRowH);
        grid->SetColor(clWhite);
        // Every look gives the grid its single border; without it cell coordinates are window coordinates.
        grid->SetLook(glStandard);
        grid->SetBorderStyle(bsNone);
        grid->Font()->SetColor(clBlack);
        grid->FixedFont()->SetColor(clBlack);
        form->Show();
        // The current cell (selected, with its focus rectangle) stays out of the probed cells.
        grid->SetCol(4);
        grid->SetRow(6);
    }
    void TearDown() override { form->Hide(); }

    QImage Shot(const char* name) {
        grid->Invalidate();
        QApplication::processEvents();
        QImage img = form->Grab();
        if (const char* dir = std::getenv("QV_SAVE_GRABS"); dir && *dir)
            img.save(QString::fromLocal8Bit(dir) + "/paint_" + name + ".png");
        return img;
    }
    TRect Cell(int c, int r) { return grid->CellRect(c, r); }
    // What the window shows now: the screen's copy of it, which scrolling moves, not a fresh paint.
    QImage OnScreen() {
        QApplication::processEvents();
        QWidget* w = form->Widget();
        return QGuiApplication::primaryScreen()
            ->grabWindow(w->winId(), 0, 0, kPaintW, kPaintH)
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }
    QImage Fresh() { return form->Grab().convertToFormat(QImage::Format_RGB32).copy(0, 0, kPaintW, kPaintH); }

    std::unique_ptr<TForm> form;
    TQvStringGrid* grid = nullptr;
};

// Every look rule and its hooks run once for each cell a paint draws, not once per painter.
TEST_F(QvGridPaintTest, EachCellsLookIsAskedOncePerPaint) {
    std::map<std::pair<int, int>, int> colours, alignments, wraps;
    grid->OnGetCellColor = [&](TObject*, int ARow, int ACol, TGridDrawState, TBrush*, TFont*) {
        ++colours[{ACol, ARow}];
    };
    grid->OnGetAlignment = [&](TObject*, int ARow, int ACol, TAlignment&, TVAlignment&) {
        ++alignments[{ACol, ARow}];
    };
    grid->OnGetWordWrap = [&](TObject*, int ACol, int ARow, bool&) { ++wraps[{ACol, ARow}]; };
    grid->Invalidate();
    QApplication::processEvents();
    colours.clear();
    alignments.clear();
    wraps.clear();
    form->Grab();
    for (int r = 0; r < grid->RowCount(); ++r)
        for (int c = 0; c < grid->ColCount(); ++c) {
            const std::pair<int, int> cell(c, r);
            EXPECT_EQ(colours[cell], 1) << c << "," << r;
            EXPECT_EQ(alignments[cell], 1) << c << "," << r;
            EXPECT_EQ(wraps[cell], 1) << c << "," << r;
        }
}

TEST_F(QvGridPaintTest, PlainTextIsDrawnInItsCellOnly) {
    grid->SetCells(1, 1, "Hello");
    const QImage img = Shot("plain");
    const TRect text = DarkBox(img, Cell(1, 1));
    ASSERT_FALSE(text.IsEmpty());
    EXPECT_GE(text.Left, Cell(1, 1).Left + grid->XYOffset().X) << "left margin of XYOffset";
    EXPECT_EQ(CountPixels(img, Cell(2, 1), IsDark), 0);
    EXPECT_EQ(CountPixels(img, Cell(1, 2), IsDark), 0);
}

TEST_F(QvGridPaintTest, RotatedTextStandsUpAndIsMeasuredWhole) {
    grid->SetRowHeights(1, 100);
    grid->AddRotated(1, 1, 90, "Upright");
    grid->SetCells(2, 1, "Upright");
    const QImage img = Shot("rotated");
    const TRect turned = DarkBox(img, Cell(1, 1));
    const TRect flat = DarkBox(img, Cell(2, 1));
    ASSERT_FALSE(turned.IsEmpty());
    ASSERT_FALSE(flat.IsEmpty());
    EXPECT_GT(turned.Height(), turned.Width());
    EXPECT_NEAR(turned.Height(), flat.Width(), 3);

    // Turned by 90 degrees the sides swap; turned by 45 each side needs both projections.
    const TPoint straight = grid->GetCellTextSize(2, 1, false, false);
    const TPoint upright = grid->GetCellTextSize(1, 1, false, false);
    EXPECT_EQ(upright.X, straight.Y + 12);
    EXPECT_EQ(upright.Y, straight.X + 12);
    grid->SetRotated(1, 1, 45);
    const TPoint slanted = grid->GetCellTextSize(1, 1, false, false);
    const int diagonal = static_cast<int>(std::ceil((straight.X + straight.Y) * std::sqrt(0.5) - 1e-9)) + 12;
    EXPECT_EQ(slanted.X, diagonal);
    EXPECT_EQ(slanted.Y, diagonal);
}

TEST_F(QvGridPaintTest, MarkupCellDrawsItsColours) {
    grid->SetCells(1, 1, "<b>Bold</b> <font color=\"clRed\">red</font>");
    grid->SetCells(2, 1, "<b>Bold</b>");
    const QImage img = Shot("markup");
    EXPECT_GT(CountPixels(img, Cell(1, 1), IsRed), 5);
    EXPECT_EQ(CountPixels(img, Cell(2, 1), IsRed), 0);
    EXPECT_GT(CountPixels(img, Cell(1, 1), IsDark), 5)
        << "the tags themselves are not shown, the bold text is";
    grid->SetEnableHTML(false);
    const QImage plain = Shot("markup_off");
    EXPECT_EQ(CountPixels(plain, Cell(1, 1), IsRed), 0);
}

TEST_F(QvGridPaintTest, FixedCellsTakeTheLookGradientAndEdges) {
    grid->SetLook(glXP);
    grid->SetBorderStyle(bsNone);
    TFixedGradientColors& fg = grid->FixedGradientColors();
    fg.From = 0x00FF00;
    fg.To = 0x0000FF;
    grid->SetOptions(grid->Options() | goFixedHorzLine);
    const QImage img = Shot("fixed_xp");
    const TRect r = Cell(2, 0);
    const QColor high(img.pixel(r.Left + 20, r.Top + 1));
    EXPECT_TRUE(high.green() > 200 && high.red() < 40) << "the gradient starts with From at the top";
    const QColor low(img.pixel(r.Left + 20, r.Bottom - 3));
    EXPECT_TRUE(low.red() > 200 && low.green() < 40) << "and runs to To at the bottom";
    EXPECT_EQ(PixelAt(img, r.Left + 20, r.Top), clWhite) << "the raised edge of the look";
    EXPECT_EQ(PixelAt(img, r.Left, r.Top + 10), clWhite);
    EXPECT_EQ(PixelAt(img, r.Left + 20, r.Bottom - 1), HalveColor(grid->FixedColor()))
        << "and its dark bottom";
    EXPECT_EQ(PixelAt(img, Cell(2, 2).Left + 20, Cell(2, 2).Top + 5), clWhite) << "normal cells keep Color";

    // A fixed cell with its own colour keeps it; with a check box its colour gives way to FixedColor.
    grid->SetLook(glStandard);
    grid->SetColors(2, 0, clYellow);
    grid->SetColors(0, 2, clYellow);
    grid->AddCheckBox(0, 2, false, false);
    const QImage own = Shot("fixed_own");
    EXPECT_EQ(PixelAt(own, Cell(2, 0).Left + 30, Cell(2, 0).Top + 5), clYellow);
    EXPECT_EQ(PixelAt(own, Cell(0, 2).Left + 70, Cell(0, 2).Top + 5), ColorToRGB(grid->FixedColor()));
}

TEST_F(QvGridPaintTest, CustomBordersAreDrawnWithTheHookPens) {
    grid->OnGetCellBorder = [](TObject*, int ARow, int ACol, TPen* APen, TCellBorders& Borders) {
        if (ARow != 2 || ACol != 2) return;
        APen->SetColor(clRed);
        APen->SetWidth(1);
        Borders = CellBorderFlag(cbBottom) | CellBorderFlag(cbLeft);
    };
    grid->OnGetCellBorderProp = [](TObject*, int ARow, int ACol, TPen* Left, TPen*, TPen*, TPen*) {
        if (ARow == 2 && ACol == 2) Left->SetColor(clBlue);
    };
    const QImage img = Shot("borders");
    const TRect r = Cell(2, 2);
    // Each side stands half a pen width inside the grid lines.
    EXPECT_EQ(PixelAt(img, r.Left + 30, r.Bottom - 2), clRed);
    EXPECT_EQ(PixelAt(img, r.Left + 1, r.Top + 10), clBlue) << "OnGetCellBorderProp changes one side's pen";
    EXPECT_EQ(PixelAt(img, r.Right - 3, r.Top + 10), clWhite) << "the right side was not asked for";
    EXPECT_EQ(PixelAt(img, r.Left + 30, r.Top + 1), clWhite) << "nor the top";
    EXPECT_EQ(PixelAt(img, Cell(3, 2).Left + 30, Cell(3, 2).Bottom - 2), clWhite);
}

TEST_F(QvGridPaintTest, RightToLeftMirrorsTheGridAndKeepsTextReadable) {
    grid->SetCells(1, 1, "Mirror");
    grid->SetColors(1, 2, clYellow);
    const QImage ltr = Shot("ltr");
    grid->SetBiDiMode(bdRightToLeft);
    const QImage rtl = Shot("rtl");
    const int cw = grid->ClientWidth();
    const TRect c12 = Cell(1, 2);
    EXPECT_EQ(PixelAt(rtl, cw - 1 - (c12.Left + 20), c12.Top + 5), clYellow) << "column 1 mirrored";
    EXPECT_EQ(PixelAt(rtl, cw - 1 - 10, Cell(0, 2).Top + 5), ColorToRGB(grid->FixedColor()))
        << "fixed column at the right";
    // The grid lines after each cell are mirrored with it, onto the cell's left edge.
    for (const auto& [cell, color] :
         {std::pair{Cell(2, 2), grid->GridLineColor()}, std::pair{Cell(2, 0), grid->GridFixedLineColor()}}) {
        EXPECT_EQ(PixelAt(ltr, cell.Right - 1, cell.Top + 10), ColorToRGB(color));
        EXPECT_EQ(PixelAt(rtl, cw - cell.Right, cell.Top + 10), ColorToRGB(color))
            << "vertical line mirrored";
    }
    // Readable: the text's place is mirrored, not its glyphs; it keeps to the cell's right side.
    const TRect c11 = Cell(1, 1);
    const TRect mirroredCell(cw - c11.Right, c11.Top, cw - c11.Left, c11.Bottom);
    const TRect text = DarkBox(rtl, mirroredCell);
    const TRect straight = DarkBox(ltr, c11);
    ASSERT_FALSE(text.IsEmpty());
    EXPECT_NEAR(text.Width(), straight.Width(), 1);
    EXPECT_GT(text.Left - mirroredCell.Left, mirroredCell.Right - text.Right)
        << "aligned to the reading side";
    // Dark pixels per column: the mirrored cell's text has the profile of the straight text, not its reverse.
    auto profile = [](const QImage& img, const TRect& r) {
        std::vector<int> p;
        for (int x = r.Left; x < r.Right; ++x)
            p.push_back(CountPixels(img, TRect(x, r.Top, x + 1, r.Bottom), IsDark));
        return p;
    };
    const std::vector<int> a = profile(ltr, straight);
    const std::vector<int> b =
        profile(rtl, TRect(text.Left, text.Top, text.Left + straight.Width(), text.Bottom));
    int same = 0, reversed = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        same += std::abs(a[i] - b[i]);
        reversed += std::abs(a[i] - b[b.size() - 1 - i]);
    }
    EXPECT_LT(same, reversed);
}

TEST_F(QvGridPaintTest, ZoomAddsToEveryCellFontSize) {
    grid->SetCells(1, 1, "Zoom");
    const TRect before = DarkBox(Shot("zoom0"), Cell(1, 1));
    grid->Zoom(6);
    EXPECT_EQ(grid->ZoomFactor(), 6);
    const TRect after = DarkBox(Shot("zoom6"), Cell(1, 1));
    ASSERT_FALSE(before.IsEmpty());
    ASSERT_FALSE(after.IsEmpty());
    EXPECT_GT(after.Height(), before.Height());
    EXPECT_GT(after.Width(), before.Width());
    for (int i = 0; i < 10; ++i)
        grid->Zoom(1);
    EXPECT_EQ(grid->ZoomFactor(), 10) << "the factor stays within -10..10";
}

TEST_F(QvGridPaintTest, HiddenColumnsAreSkippedByTheirRealIndex) {
    grid->SetCells(2, 1, "gone");
    grid->SetCells(3, 1, "shown");
    grid->SetFontColors(3, 1, clRed);
    grid->HideColumn(2);
    const QImage img = Shot("hidden");
    EXPECT_GT(CountPixels(img, Cell(2, 1), IsRed), 5) << "display column 2 shows real column 3";
}

// Scrolling moves the painted pixels; the result must be what a full repaint gives.
TEST_F(QvGridPaintTest, ScrollingOneRowPaintsWhatAFullPaintPaints) {
    grid->SetRowCount(200);
    for (int r = 1; r < 200; ++r)
        for (int c = 0; c < 5; ++c)
            grid->SetCells(c, r, QString("r%1c%2").arg(r).arg(c));
    grid->SetColors(2, 5, clYellow);
    Shot("scroll0");
    for (int i = 0; i < 3; ++i) {
        grid->SetTopRow(grid->TopRow() + 1);
        QApplication::processEvents();
    }
    int painted = 0;
    grid->OnCustomCellDraw = [&painted](TObject*, TCanvas*, int, int, TGridDrawState, const TRect&, bool) {
        ++painted;
    };
    grid->SetTopRow(grid->TopRow() - 1);
    QApplication::processEvents();
    EXPECT_GT(painted, 0);
    EXPECT_LE(painted, 2 * grid->ColCount()) << "only the row that came into view is painted";
    grid->OnCustomCellDraw = nullptr;
    const QImage moved = OnScreen();
    const QImage full = Fresh();
    EXPECT_EQ(grid->TopRow(), 3);
    ASSERT_EQ(moved.size(), full.size());
    EXPECT_EQ(moved, full);
}

// Colours, fonts and alignments in their order of priority, asked without a window.
struct VisualCase {
    const char* name;
    std::function<void(TQvStringGrid&)> setup;
    int col, row;
    TColor brush;
};

class QvGridVisualTest : public ::testing::TestWithParam<VisualCase> {};

TEST_P(QvGridVisualTest, BrushColourFollowsThePriorities) {
    TQvStringGrid g(nullptr);
    g.SetColCount(5);
    g.SetRowCount(8);
    g.SetColor(clWhite);
    g.SetLook(glStandard);
    GetParam().setup(g);
    TCellLook look;
    g.GetVisualProperties(GetParam().col, GetParam().row, false, true, true, look);
    EXPECT_EQ(look.Fill.Color, GetParam().brush) << GetParam().name;
}

const VisualCase kVisualCases[] = {
    {"band row 0 primary",
     [](TQvStringGrid& g) {
         g.Bands()->SetActive(true);
         g.Bands()->SetPrimaryLength(1);
         g.Bands()->SetSecondaryLength(1);
         g.Bands()->SetPrimaryColor(clAqua);
         g.Bands()->SetSecondaryColor(clYellow);
     },
     2, 1, clAqua},
    {"band row 1 secondary",
     [](TQvStringGrid& g) {
         g.Bands()->SetActive(true);
         g.Bands()->SetPrimaryLength(1);
         g.Bands()->SetSecondaryLength(1);
         g.Bands()->SetPrimaryColor(clAqua);
         g.Bands()->SetSecondaryColor(clYellow);
     },
     2, 2, clYellow},
    {"own colour inside bands",
     [](TQvStringGrid& g) {
         g.Bands()->SetActive(true);
         g.Bands()->SetPrimaryColor(clAqua);
         g.SetColors(2, 1, clLime);
     },
     2, 1, clLime},
    {"fixed plain cell keeps its colour", [](TQvStringGrid& g) { g.SetColors(2, 0, clLime); }, 2, 0, clLime},
    {"fixed check box shows FixedColor",
     [](TQvStringGrid& g) {
         g.SetColors(0, 2, clLime);
         g.AddCheckBox(0, 2, false, false);
     },
     0, 2, clBtnFace},
    {"selected in Color: selection unmixed",
     [](TQvStringGrid& g) {
         g.SetSelectionColorMixer(true);
         g.SetSelectionColor(0x0000FF);
         g.SetSelection(TGridRect{1, 1, 3, 3});
     },
     2, 2, 0x0000FF},
    {"selected over own colour: mixed half",
     [](TQvStringGrid& g) {
         g.SetSelectionColorMixer(true);
         g.SetSelectionColorMixerFactor(50);
         g.SetSelectionColor(0x0000FF);
         g.SetColors(2, 2, 0xFF0000);
         g.SetSelection(TGridRect{1, 1, 3, 3});
     },
     2, 2, 0x800080},
    {"selected over own colour without mixer",
     [](TQvStringGrid& g) {
         g.SetSelectionColor(0x0000FF);
         g.SetColors(2, 2, 0xFF0000);
         g.SetSelection(TGridRect{1, 1, 3, 3});
     },
     2, 2, 0x0000FF},
    {"hook has the last word before selection",
     [](TQvStringGrid& g) {
         g.OnGetCellColor = [](TObject*, int, int, TGridDrawState, TBrush* b, TFont*) {
             b->SetColor(clMaroon);
         };
     },
     3, 4, clMaroon},
};
// Named after the case, so that test names stay the same from run to run.
INSTANTIATE_TEST_SUITE_P(Priorities, QvGridVisualTest, ::testing::ValuesIn(kVisualCases),
                         [](const testing::TestParamInfo<VisualCase>& i) {
                             std::string n = i.param.name;
                             for (char& ch : n)
                                 if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return n;
                         });

TEST(QvGridAlignmentTest, AutoNumAlignRightAlignsNumbersUnlessTheCellSaysOtherwise) {
    TQvStringGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(8);
    g.SetAutoNumAlign(true);
    const struct {
        const char* text;
        TAlignment expected;
    } cases[] = {
        {"42", taRightJustify}, {"-3.5", taRightJustify}, {"1e5", taRightJustify}, {"12a", taLeftJustify}};
    int row = 1;
    for (const auto& c : cases) {
        g.SetCells(1, row, c.text);
        TAlignment ha;
        TVAlignment va;
        g.GetCellAlignment(1, row, ha, va);
        EXPECT_EQ(ha, c.expected) << c.text;
        ++row;
    }
    g.SetCells(1, row, "42");
    g.SetAlignments(1, row, taCenter);
    TAlignment ha;
    TVAlignment va;
    g.GetCellAlignment(1, row, ha, va);
    EXPECT_EQ(ha, taCenter) << "the cell's own alignment wins";
}

TEST_F(QvGridPaintTest, GraphicsAndOwnerDrawingCanTakeTheTextsPlace) {
    grid->SetCells(1, 1, "text");
    grid->AddComment(1, 1, "note");
    grid->SetCells(2, 1, "owner");
    EXPECT_GT(CountPixels(Shot("graphic_text"), Cell(1, 1), IsDark), 0);
    grid->SetNoImageAndText(true);
    EXPECT_EQ(CountPixels(Shot("graphic_only"), Cell(1, 1), IsDark), 0)
        << "a cell with a graphic shows no text";

    int drawn = 0;
    grid->OnDrawCell = [&drawn](TObject*, int ACol, int ARow, const TRect&, TGridDrawState) {
        if (ACol == 2 && ARow == 1) ++drawn;
    };
    EXPECT_GT(CountPixels(Shot("owner_default"), Cell(2, 1), IsDark), 0);
    grid->SetNoDefaultDraw(true);
    drawn = 0;
    EXPECT_EQ(CountPixels(Shot("owner_only"), Cell(2, 1), IsDark), 0);
    EXPECT_GT(drawn, 0) << "the owner still draws";
}

TEST_F(QvGridPaintTest, SingleLineCellsShowTheFirstLineAndEllipsisOnRequest) {
    grid->SetWordWrap(false);
    grid->SetCells(1, 1, "first\nsecond");
    grid->SetCells(2, 1, "first");
    const QImage img = Shot("single_line");
    const TRect one = DarkBox(img, Cell(1, 1)), other = DarkBox(img, Cell(2, 1));
    EXPECT_EQ(one.Width(), other.Width()) << "only the text before the line break";
    EXPECT_EQ(one.Height(), other.Height());

    grid->SetCells(1, 2, "A text far too long for its cell");
    const TRect cut = DarkBox(Shot("clipped"), Cell(1, 2));
    grid->SetEnhTextSize(true);
    const TRect shortened = DarkBox(Shot("ellipsis"), Cell(1, 2));
    EXPECT_LT(shortened.Right, cut.Right) << "the ellipsis ends inside the margin";
}

TEST_F(QvGridPaintTest, FocusRectangleOnlyWithoutRowSelect) {
    grid->SetCol(2);
    grid->SetRow(2);
    grid->SetFocus();
    const TRect r = Cell(2, 2);
    const TRect edge(r.Left, r.Top + 2, r.Left + 2, r.Bottom - 2);
    EXPECT_GT(CountPixels(Shot("focus"), edge, IsDark), 0);
    grid->SetOptions(grid->Options() | goRowSelect);
    EXPECT_EQ(CountPixels(Shot("focus_rowselect"), edge, IsDark), 0);
}

TEST_F(QvGridPaintTest, ErrorMarkerAndBackgroundGradientAreDrawnInTheCell) {
    grid->SetCells(1, 1, "wrong word");
    grid->AddMarker(1, 1, 6, 4);
    grid->SetCells(2, 1, "wrong word");
    const QImage img = Shot("marker");
    EXPECT_GT(CountPixels(img, Cell(1, 1), IsRed), 3) << "a red wave under the marked characters";
    EXPECT_EQ(CountPixels(img, Cell(2, 1), IsRed), 0);

    grid->BackGround()->SetDisplay(bdGradientHorz);
    grid->BackGround()->SetColor(clWhite);
    grid->BackGround()->SetColorTo(clBlue);
    const QImage grad = Shot("background_gradient");
    const TRect r = Cell(3, 3);
    const QColor left(grad.pixel(r.Left + 3, r.Top + 10)), right(grad.pixel(r.Right - 3, r.Top + 10));
    EXPECT_GT(left.red(), right.red()) << "the grid-wide gradient runs through the cell towards ColorTo";
    EXPECT_EQ(left.blue(), 255);
}

// A gradient over the whole grid belongs to the client area, not to the cells: scrolling repaints it.
TEST_F(QvGridPaintTest, ScrollingOverABackgroundGradientPaintsItAnew) {
    grid->SetRowCount(100);
    grid->BackGround()->SetDisplay(bdGradientVert);
    grid->BackGround()->SetColor(clWhite);
    grid->BackGround()->SetColorTo(clBlue);
    Shot("gradient_scroll0");
    grid->SetTopRow(grid->TopRow() + 2);
    const QImage moved = OnScreen();
    EXPECT_EQ(moved, Fresh());
}

TEST_F(QvGridPaintTest, BackgroundPictureFillsTheCellsItIsFor) {
    TBitmap tile;
    tile.SetSize(10, 10);
    tile.Canvas()->Brush()->SetColor(clRed);
    tile.Canvas()->FillRect(TRect(0, 0, 5, 10));
    tile.Canvas()->Brush()->SetColor(clBlue);
    tile.Canvas()->FillRect(TRect(5, 0, 10, 10));
    auto isBlue = [](QColor c) { return c.blue() > 200 && c.red() < 60 && c.green() < 60; };
    grid->BackGround()->SetBitmap(&tile);
    grid->BackGround()->SetDisplay(bdTile);
    grid->SetColors(3, 3, clYellow);

    struct Case {
        TBackGroundCells cells;
        bool normalCell, fixedCell;
    };
    for (const Case& k : {Case{bcNormal, true, false}, Case{bcFixed, false, true}, Case{bcAll, true, true}}) {
        grid->BackGround()->SetCells(k.cells);
        const QImage img = Shot("background_picture");
        EXPECT_EQ(CountPixels(img, Cell(2, 2), IsRed) > 20 && CountPixels(img, Cell(2, 2), isBlue) > 20,
                  k.normalCell)
            << k.cells;
        EXPECT_EQ(CountPixels(img, Cell(0, 2), IsRed) > 20, k.fixedCell) << k.cells;
        EXPECT_EQ(CountPixels(img, Cell(3, 3), IsRed), 0) << "a cell with its own colour keeps it";
        // Beyond the last column the tiles go on, except for a picture meant for fixed cells only.
        const TRect strip(Cell(4, 1).Right + 2, 0, kPaintW, kPaintH);
        EXPECT_EQ(CountPixels(img, strip, IsRed) > 0, k.cells != bcFixed) << k.cells;
    }
}

TEST_F(QvGridPaintTest, LooksWithABorderColourDrawItAroundTheGrid) {
    grid->SetFlat(false);
    struct Case {
        TGridLook look;
        bool fit;
        bool coloured;
    };
    for (const Case& k :
         {Case{glXP, true, true}, Case{glOffice2007, false, true}, Case{glStandard, true, false}}) {
        grid->SetLook(k.look); // a look change gives the grid its single border
        grid->SetFitCellsInGrid(k.fit);
        const QImage img = Shot("look_border");
        const int inset = k.fit ? 1 : 0;
        EXPECT_EQ(PixelAt(img, inset, kPaintH / 2) == ColorToRGB(grid->BorderColor()), k.coloured) << k.look;
        EXPECT_EQ(PixelAt(img, kPaintW / 2, inset) == ColorToRGB(grid->BorderColor()), k.coloured) << k.look;
        if (k.fit && k.coloured) {
            EXPECT_EQ(PixelAt(img, 0, kPaintH / 2), ColorToRGB(form->Color()))
                << "the parent's colour outside";
        }
    }
}

// Tones whose colours show which of them a button was drawn in.
TColorTones PaintTestTones() {
    TColorTones tones;
    tones.Background = {clWhite, clRed, clBlack};
    tones.Foreground = {clBtnFace, clGray, clBlack};
    tones.Selected = {clNavy, clNavy, clWhite};
    tones.Hover = {clLime, clGray, clBlack};
    tones.Disabled = {clBtnFace, clGray, clGray};
    return tones;
}

TEST_F(QvGridPaintTest, AlwaysVisibleEditorButtonsOfAToneGridTakeTheTones) {
    grid->SetColorTones(PaintTestTones());
    grid->ControlLook()->SetDropDownAlwaysVisible(true);
    grid->SetDefaultEditor(edComboList);
    // The tone look draws the button in the tone set, its separator in the border colour.
    EXPECT_GT(CountPixels(Shot("tone_buttons"), Cell(2, 2), IsRed), 5);
}

TEST_F(QvGridPaintTest, CellButtonUnderTheMouseIsDrawnHot) {
    grid->SetColorTones(PaintTestTones());
    grid->SetOptions(grid->Options() | goEditing);
    grid->AddButton(2, 2, 60, 18, "", haCenter, vaCenter);
    auto isLime = [](QColor c) { return c.green() > 200 && c.red() < 60 && c.blue() < 60; };
    EXPECT_EQ(CountPixels(Shot("button_normal"), Cell(2, 2), isLime), 0);
    const TRect b = grid->GetCellButtonRect(2, 2);
    grid->Perform(WM_MOUSEMOVE, 0, MAKELPARAM((b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2));
    ASSERT_EQ(grid->HoverButton(), TPoint(2, 2));
    EXPECT_GT(CountPixels(Shot("button_hot"), Cell(2, 2), isLime), 100) << "the hover tone";
}

// A mirrored grid puts each graphic in its mirrored cell and keeps the picture itself the right way round.
TEST_F(QvGridPaintTest, RightToLeftDrawsGraphicsInTheirMirroredCellsUnmirrored) {
    TBitmap halves;
    halves.SetSize(16, 16);
    halves.Canvas()->Brush()->SetColor(clRed);
    halves.Canvas()->FillRect(TRect(0, 0, 8, 16));
    halves.Canvas()->Brush()->SetColor(clBlue);
    halves.Canvas()->FillRect(TRect(8, 0, 16, 16));
    grid->AddBitmap(1, 1, &halves, false, haLeft, vaCenter);
    grid->ControlLook()->SetControlStyle(csClassic);
    grid->SetOptions(grid->Options() | goEditing);
    grid->AddCheckBox(1, 2, true, false);
    grid->SetBiDiMode(bdRightToLeft);
    const QImage img = Shot("rtl_graphics");
    const int cw = grid->ClientWidth();
    auto mirrored = [cw](const TRect& r) { return TRect(cw - r.Right, r.Top, cw - r.Left, r.Bottom); };
    auto isBlue = [](QColor c) { return c.blue() > 200 && c.red() < 60 && c.green() < 60; };
    // Where the bitmap's halves are: the red one must be left of the blue one.
    auto columnsOf = [&img](const TRect& r, const std::function<bool(QColor)>& test) {
        int first = -1;
        for (int x = r.Left; x < r.Right && first < 0; ++x)
            if (CountPixels(img, TRect(x, r.Top, x + 1, r.Bottom), test) > 0) first = x;
        return first;
    };
    const TRect bitmapCell = mirrored(Cell(1, 1));
    ASSERT_GT(CountPixels(img, bitmapCell, IsRed), 20) << "the bitmap is in its mirrored cell";
    EXPECT_LT(columnsOf(bitmapCell, IsRed), columnsOf(bitmapCell, isBlue)) << "and is not turned round";
    EXPECT_LT(bitmapCell.Right - columnsOf(bitmapCell, IsRed), bitmapCell.Width() / 2)
        << "left aligned means at the reading side";
    EXPECT_GT(CountPixels(img, mirrored(Cell(1, 2)), IsDark), 5) << "the check box is in its mirrored cell";
    EXPECT_EQ(CountPixels(img, mirrored(Cell(3, 1)), IsRed), 0);
    EXPECT_EQ(CountPixels(img, mirrored(Cell(3, 2)), IsDark), 0);
}

TEST_F(QvGridPaintTest, CellScrollBarShowsWhenTheTextIsTallerAndMovesTheText) {
    grid->SetMultilinecells(true);
    grid->SetCells(1, 1, "one\n\nthree\nfour");
    grid->AddScrollBar(1, 1, true); // the range follows the text, the page is the row
    const TRect c = Cell(1, 1);
    const TRect bar(c.Right - 12, c.Top + 2, c.Right - 2, c.Bottom - 2);
    const TRect firstLine(c.Left, c.Top, c.Right - 20, c.Top + 10);
    const TRect aboveTheCell(c.Left + 2, c.Top - 10, c.Right - 2, c.Top - 1);
    auto notWhite = [](QColor q) { return q != QColor(Qt::white); };
    QImage img = Shot("cell_scrollbar");
    EXPECT_GT(CountPixels(img, bar, notWhite), 20) << "the bar at the right edge";
    EXPECT_GT(CountPixels(img, firstLine, IsDark), 0);

    grid->Canvas()->Font()->Assign(grid->Font());
    grid->SetScrollPosition(1, 1, grid->Canvas()->TextHeight("gh"));
    img = Shot("cell_scrollbar_moved");
    EXPECT_EQ(CountPixels(img, firstLine, IsDark), 0) << "the empty second line is at the top now";
    EXPECT_GT(CountPixels(img, TRect(c.Left, c.Top, c.Right - 20, c.Bottom), IsDark), 0);
    EXPECT_EQ(CountPixels(img, aboveTheCell, IsDark), 0) << "the text moved up stays inside its cell";

    grid->SetCells(1, 1, "one");
    EXPECT_EQ(CountPixels(Shot("cell_scrollbar_none"), bar, notWhite), 0) << "a text that fits has no bar";
}

// Markup is measured by what it shows, not by its tags.
TEST(QvGridMeasureTest, MarkupIsMeasuredByWhatItShows) {
    TQvStringGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(3);
    g.SetCells(1, 1, "<b>Bold</b>");
    g.SetCells(2, 1, "Bold");
    g.SetFontStyles(2, 1, fsBold);
    const TPoint markup = g.GetCellTextSize(1, 1, false, false);
    const TPoint bold = g.GetCellTextSize(2, 1, false, false);
    EXPECT_NEAR(markup.X, bold.X + 2, 2) << "the tags take no room";
    g.SetEnableHTML(false);
    EXPECT_GT(g.GetCellTextSize(1, 1, false, false).X, markup.X + 20) << "shown as typed, tags and all";
}

// Sorted by several columns, each sorted header shows its place in the order in the index colour.
TEST_F(QvGridPaintTest, SortIndexesShowEachSortedColumnWithItsPlace) {
    TSortSettings* ss = grid->SortSettings();
    ss->SetShow(true);
    ss->SetColumn(2);
    grid->SortIndexes()->AddIndex(2, false);
    grid->SortIndexes()->AddIndex(3, true);
    auto isIndexColour = [](QColor c) { return c.red() > 200 && c.green() > 200 && c.blue() < 60; };
    struct Case {
        bool indexShow;
        int col;
        bool marked;
    };
    for (const Case& k : {Case{true, 2, true}, Case{true, 3, true}, Case{true, 1, false},
                          Case{false, 2, false}, Case{false, 3, false}}) {
        ss->SetIndexShow(k.indexShow);
        const QImage img = Shot("sort_indexes");
        EXPECT_EQ(CountPixels(img, Cell(k.col, 0), isIndexColour) > 10, k.marked) << k.indexShow << k.col;
    }
    ss->SetIndexShow(true);
    const QImage img = Shot("sort_indexes");
    EXPECT_GT(CountPixels(img, Cell(3, 0), IsDark), 3) << "the place in the order is written";
}

// The fixed cell the mouse is over takes the hover gradient of the look, and the down gradient while a
// button is held on it; the others keep theirs.
TEST_F(QvGridPaintTest, FixedCellUnderTheMouseShowsTheHoverAndDownGradients) {
    grid->SetLook(glXP);
    grid->SetBorderStyle(bsNone);
    grid->SetHoverFixedCells(hfAll);
    TControlLook* look = grid->ControlLook();
    look->SetFixedGradientHoverFrom(clLime);
    look->SetFixedGradientHoverTo(clLime);
    look->SetFixedGradientHoverMirrorFrom(clNone);
    look->SetFixedGradientHoverMirrorTo(clNone);
    look->SetFixedGradientDownFrom(clRed);
    look->SetFixedGradientDownTo(clRed);
    look->SetFixedGradientDownMirrorFrom(clNone);
    look->SetFixedGradientDownMirrorTo(clNone);
    auto isLime = [](QColor c) { return c.green() > 200 && c.red() < 60 && c.blue() < 60; };
    const TRect header = Cell(2, 0);
    const int most = header.Width() * header.Height() / 2;
    EXPECT_EQ(CountPixels(Shot("hover_fixed_none"), header, isLime), 0);
    const LPARAM at = MAKELPARAM(header.Left + 20, header.Top + 8);
    grid->Perform(WM_MOUSEMOVE, 0, at);
    QImage img = Shot("hover_fixed");
    EXPECT_GT(CountPixels(img, header, isLime), most);
    EXPECT_EQ(CountPixels(img, Cell(3, 0), isLime), 0);
    grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, at);
    img = Shot("down_fixed");
    EXPECT_GT(CountPixels(img, header, IsRed), most);
    grid->Perform(WM_LBUTTONUP, 0, at);
    EXPECT_GT(CountPixels(Shot("hover_fixed_up"), header, isLime), most);
}

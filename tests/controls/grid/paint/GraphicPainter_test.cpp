// Cell graphic painting: placement tables, the built-in bitmaps, each graphic kind on a bitmap canvas
// checked by pixel probes, the empty states of bars and ratings, and a reference sheet of every kind.
#include "PaintReference.h"
#include "controls/grid/QvGrid.h"
#include "controls/grid/paint/CellLooks.h"
#include "controls/grid/paint/GraphicPainter.h"
#include "toolkit/graphics/ImgList.h"
#include "toolkit/graphics/Picture.h"
#include "toolkit/system/StringList.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr TColor kXPTick = 0x21A121;         // the green tick of the enabled check glyph
constexpr TColor kXPDisabledTick = 0xBBC8CA; // the grey tick of the disabled one

} // namespace

// A white picture the painter draws on, with probes.
struct GraphicPaintSheet {
    TBitmap bmp;
    explicit GraphicPaintSheet(int w, int h) {
        bmp.SetSize(w, h);
        Clear();
    }
    TCanvas* Canvas() { return bmp.Canvas(); }
    void Clear() {
        Canvas()->Brush()->SetStyle(bsSolid);
        Canvas()->Brush()->SetColor(clWhite);
        Canvas()->FillRect(TRect(0, 0, bmp.Width(), bmp.Height()));
    }
    TColor At(int x, int y) { return Canvas()->Pixels(x, y); }
    int Count(TColor color, const TRect& r) {
        const QImage img = bmp.toQImage();
        int n = 0;
        for (int y = std::max(0, r.Top); y < std::min(img.height(), r.Bottom); ++y)
            for (int x = std::max(0, r.Left); x < std::min(img.width(), r.Right); ++x)
                n += FromQColor(QColor(img.pixel(x, y))) == color;
        return n;
    }
    int Count(TColor color) { return Count(color, TRect(0, 0, bmp.Width(), bmp.Height())); }
    int NonWhite() { return bmp.Width() * bmp.Height() - Count(clWhite); }
    // QV_SAVE_GRABS=<folder> keeps the picture for a look.
    void Save(const char* name) {
        if (const char* dir = std::getenv("QV_SAVE_GRABS"); dir && *dir)
            bmp.toQImage().save(QString::fromLocal8Bit(dir) + "/" + name + ".png");
    }
};

class GraphicPaint : public ::testing::Test {
protected:
    void SetUp() override {
        grid.SetColCount(4);
        grid.SetRowCount(8);
        grid.SetDefaultColWidth(160);
        grid.SetDefaultRowHeight(24);
        grid.SetColor(clWhite);
    }
    // Paints the graphic of (col, row) into R as the pipeline's graphic step does.
    TRect Paint(int col, int row, TRect r, TAlignment textAlign = taLeftJustify, int textWidth = 0,
                TGridDrawState state = 0) {
        TCellGraphicPass pass;
        pass.Canvas = sheet.Canvas();
        pass.RealCol = col;
        pass.DisplayCol = col;
        pass.Row = row;
        pass.State = state;
        pass.TextWidth = textWidth;
        pass.TextAlign = textAlign;
        pass.TextVAlign = grid.VAlignment();
        sheet.Canvas()->Brush()->SetColor(clWhite);
        grid.DrawCellGraphics(pass, r, grid.GetCellGraphic(col, row));
        return r;
    }

    TQvStringGrid grid{nullptr};
    GraphicPaintSheet sheet{200, 40};
};

TEST(GraphicPlacement, HorizontalPlaceByAlignmentAndText) {
    struct Case {
        TCellHAlign ha;
        TAlignment text;
        int L, R, W, T, want;
    } cases[] = {
        {haLeft, taLeftJustify, 0, 100, 16, 0, 1},
        {haRight, taLeftJustify, 0, 100, 16, 0, 83},
        {haCenter, taLeftJustify, 0, 100, 16, 0, 42},
        {haCenter, taLeftJustify, 0, 10, 16, 0, 1}, // wider than the cell: starts at the left
        {haBeforeText, taLeftJustify, 0, 100, 16, 30, 1},
        {haBeforeText, taRightJustify, 0, 100, 16, 30, 54}, // directly left of the text
        {haBeforeText, taRightJustify, 0, 100, 16, 100, 1}, // the text fills the cell
        {haBeforeText, taCenter, 0, 100, 16, 30, 27},
        {haAfterText, taLeftJustify, 0, 100, 16, 30, 30},
        {haAfterText, taRightJustify, 0, 100, 16, 30, 83},
        {haAfterText, taCenter, 0, 100, 16, 30, 57},
        {haAfterText, taCenter, 0, 20, 16, 30, 17},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GraphicLeft(c.ha, c.text, c.L, c.R, c.W, c.T), c.want)
            << "align " << c.ha << " text " << c.text << " T " << c.T;
}

TEST(GraphicPlacement, VerticalPlaceAndCheckBoxPlace) {
    const std::tuple<TCellVAlign, int, int, int, int> tops[] = {
        {vaTop, 0, 24, 16, 1},    {vaAboveText, 0, 24, 16, 1}, {vaBottom, 0, 24, 16, 7},
        {vaCenter, 0, 24, 16, 4}, {vaCenter, 0, 10, 16, 1},    {vaUnderText, 0, 24, 16, 8},
        {vaFull, 5, 24, 16, 5},
    };
    for (auto [va, top, bottom, h, want] : tops)
        EXPECT_EQ(GraphicTop(va, top, bottom, h), want) << va;
    const std::tuple<TAlignment, bool, int, int, int, int, int> boxes[] = {
        {taLeftJustify, true, 0, 100, 15, 20, 1},
        {taRightJustify, true, 0, 100, 15, 20, 64},  // left of the text
        {taRightJustify, false, 0, 100, 15, 20, 84}, // data kinds: at the right edge
        {taCenter, false, 0, 100, 15, 0, 42},
        {taCenter, true, 0, 100, 15, 20, 25},
        {taCenter, true, 0, 10, 15, 20, 1}, // never left of the cell
    };
    for (auto [align, withText, L, R, W, T, want] : boxes)
        EXPECT_EQ(CheckBoxLeft(align, withText, L, R, W, T), want) << align << withText;
}

TEST(GraphicPlacement, RangePercentNeverDividesByAnEmptyRange) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::tuple<double, int, int, int> cases[] = {
        {50, 0, 100, 50}, {5, 0, 10, 50},   {150, 0, 100, 100}, {7, 7, 7, 0},
        {3, 5, 5, 0},     {nan, 0, 100, 0}, {-20, 0, 100, 20},  {15, 10, 20, 50},
    };
    for (auto [value, min, max, want] : cases)
        EXPECT_EQ(RangePercent(value, min, max), want) << value << " in " << min << ".." << max;
}

TEST(GridBitmaps, EveryBuiltInNameLoadsAGlyphWithItsTransparentCorner) {
    const char* names[] = {"QSGCHK01",    "QSGCHK02",     "QSGCHK03",      "QSGCHK04",     "QSGCHK05",
                           "QSGCHK06",    "QSGCHK07",     "QSGCHK08",      "QSGRAD01",     "QSGRAD02",
                           "QSGRAD03",    "QSGRAD04",     "QSGRAD05",      "QSGRAD06",     "QSGRAD07",
                           "QSGRAD08",    "metrocheckon", "metrocheckoff", "metroradioon", "metroradiooff",
                           "QSGLEAFOPEN", "QSGLEAFCLOSE", "XPNODEO",       "XPNODEC",      "QSGFILT",
                           "QSGCLOSE"};
    for (const char* name : names) {
        TBitmap bmp;
        ASSERT_TRUE(LoadGridBitmap(&bmp, name)) << name;
        EXPECT_GE(bmp.Width(), 9) << name;
        EXPECT_LE(bmp.Width(), 16) << name;
        EXPECT_LE(bmp.Height(), 16) << name;
        // The corner pixels are the transparent colour, so only the drawing shows.
        EXPECT_EQ(bmp.Canvas()->Pixels(0, bmp.Height() - 1), clFuchsia) << name;
        EXPECT_EQ(bmp.Canvas()->Pixels(0, 0), clFuchsia) << name;
        EXPECT_EQ(GridBitmap(name), GridBitmap(name)) << name;
    }
    TBitmap kept;
    kept.SetSize(3, 3);
    EXPECT_FALSE(LoadGridBitmap(&kept, "NOSUCHGLYPH"));
    EXPECT_FALSE(LoadGridBitmap(&kept, "../forms/x"));
    EXPECT_EQ(kept.Width(), 3);
    EXPECT_EQ(GridBitmap("NOSUCHGLYPH"), nullptr);
}

TEST_F(GraphicPaint, GraphicInfoGivesSizeAndTextRoomByKind) {
    grid.ControlLook()->SetCheckSize(15);
    grid.ControlLook()->SetRadioSize(10);
    grid.AddCheckBox(1, 1, true, false);
    grid.AddCheckBox(1, 2, true, true);
    grid.AddRadioButton(1, 3, true);
    grid.AddRating(1, 4, 5, clYellow, clSilver);
    grid.AddProgressPie(1, 5, clRed, 40);
    grid.AddButton(1, 6, 50, 18, "Go", haLeft, vaTop);
    grid.AddProgress(2, 1, clBlue, clWhite);
    grid.AddShape(2, 2, csCircle, clRed, clBlack, haLeft, vaTop);
    struct Case {
        int col, row, w, h;
        bool text;
    } cases[] = {
        {1, 1, 15, 15, true}, {1, 2, 15, 15, false}, {1, 3, 14, 14, true}, {1, 4, 90, 16, false},
        {1, 5, 20, 20, true}, {1, 6, 50, 18, true},  {2, 1, 0, 0, false},  {2, 2, 20, 20, true},
    };
    for (const Case& c : cases) {
        const TCellGraphicInfo info = grid.GetCellGraphicInfo(c.col, c.row);
        ASSERT_NE(info.Graphic, nullptr) << c.col << "," << c.row;
        EXPECT_EQ(info.Width, c.w) << c.col << "," << c.row;
        EXPECT_EQ(info.Height, c.h) << c.col << "," << c.row;
        EXPECT_EQ(info.AllowText, c.text) << c.col << "," << c.row;
    }
    EXPECT_EQ(grid.GetCellGraphicInfo(3, 3).Graphic, nullptr);
}

TEST_F(GraphicPaint, DataCheckBoxIsCheckedExactlyWhenItsTextIsTheCheckTrueText) {
    grid.ControlLook()->SetControlStyle(csWinXP);
    grid.SetOptions(grid.Options() | goEditing);
    for (const char* text : {"Y", "N", "y"}) {
        grid.SetCells(1, 1, text);
        grid.AddCheckBox(1, 1, false, true);
        grid.SetCells(1, 1, text);
        sheet.Clear();
        Paint(1, 1, TRect(0, 0, 160, 24));
        EXPECT_EQ(sheet.Count(kXPTick) > 0, QString(text) == "Y") << text;
        EXPECT_GT(sheet.NonWhite(), 0) << text;
    }
}

TEST_F(GraphicPaint, DisabledWinXPCheckBoxUsesTheDisabledGlyphUnlessAlwaysActive) {
    grid.ControlLook()->SetControlStyle(csWinXP);
    grid.AddCheckBox(1, 1, true, false); // no goEditing: the cell cannot be edited
    Paint(1, 1, TRect(0, 0, 160, 24));
    EXPECT_EQ(sheet.Count(kXPTick), 0);
    EXPECT_GT(sheet.Count(kXPDisabledTick), 0);
    grid.ControlLook()->SetCheckAlwaysActive(true);
    sheet.Clear();
    Paint(1, 1, TRect(0, 0, 160, 24));
    EXPECT_GT(sheet.Count(kXPTick), 0);
}

TEST_F(GraphicPaint, CheckBoxFollowsTheTextAlignment) {
    grid.ControlLook()->SetControlStyle(csWinXP);
    grid.ControlLook()->SetCheckAlwaysActive(true);
    grid.AddCheckBox(1, 1, true, false);
    // Right-aligned text 40 wide: the box sits directly left of it.
    Paint(1, 1, TRect(0, 0, 160, 24), taRightJustify, 40);
    const int left = CheckBoxLeft(taRightJustify, true, 1, 159, 15, 42);
    EXPECT_GT(sheet.Count(kXPTick, TRect(left, 0, left + 15, 24)), 0);
    EXPECT_EQ(sheet.Count(kXPTick, TRect(0, 0, left, 24)), 0);
}

// The text beside a radio button starts where the graphic's width says: the glyph must end before it.
TEST_F(GraphicPaint, RadioButtonGlyphEndsWhereItsTextBegins) {
    grid.SetOptions(grid.Options() | goEditing);
    grid.AddRadioButton(1, 1, true);
    const int textLeft = grid.XYOffset().X + grid.GetCellGraphicInfo(1, 1).Width;
    for (TControlStyle style : {csTheme, csClassic, csFlat}) {
        grid.ControlLook()->SetControlStyle(style);
        sheet.Clear();
        Paint(1, 1, TRect(0, 0, 160, 24));
        const TRect beside(textLeft, 0, 160, 24);
        EXPECT_GT(sheet.NonWhite(), 0) << style;
        EXPECT_EQ(sheet.Count(clWhite, beside), beside.Width() * beside.Height()) << style;
    }
}

TEST_F(GraphicPaint, RatingShowsFullHalfAndEmptyStars) {
    grid.SetCells(1, 1, "3.7");
    grid.AddRating(1, 1, 5, clRed, clBlue);
    Paint(1, 1, TRect(0, 0, 160, 24));
    sheet.Save("rating");
    // Stars start at the shrunk cell's left + 1 and top + 1, one every 18 pixels.
    for (int i = 0; i < 5; ++i) {
        const TRect star(2 + 18 * i, 2, 2 + 18 * i + 16, 18);
        const int full = sheet.Count(clRed, star), empty = sheet.Count(clBlue, star);
        EXPECT_EQ(full > 0, i <= 3) << "star " << i;
        EXPECT_EQ(empty > 0, i >= 3) << "star " << i;
    }
    // The half star is full on its left half only.
    EXPECT_EQ(sheet.Count(clBlue, TRect(56, 2, 63, 18)), 0);
    EXPECT_EQ(sheet.Count(clRed, TRect(66, 2, 72, 18)), 0);
}

TEST_F(GraphicPaint, ProgressWithoutTextColoursWritesInTheInverseOfTheBar) {
    grid.SetCells(1, 1, "50");
    grid.AddProgress(1, 1, clNavy, clWhite);
    Paint(1, 1, TRect(0, 0, 160, 24));
    sheet.Save("progress");
    EXPECT_EQ(sheet.At(6, 12), clNavy);
    EXPECT_EQ(sheet.At(150, 12), clWhite);
    // The percentage over the navy part is written in the inverse of navy (a light yellow).
    const QImage img = sheet.bmp.toQImage();
    int yellowish = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 78; ++x) {
            const QColor c(img.pixel(x, y));
            yellowish += c.red() > 150 && c.green() > 150 && c.blue() < c.red() - 40;
        }
    EXPECT_GT(yellowish, 0);
}

TEST_F(GraphicPaint, ThemedProgressBarIsDrawnByTheStyleUpToItsValue) {
    grid.SetCells(1, 1, "50");
    grid.AddProgress(1, 1, clNavy, clWhite);
    grid.ControlLook()->SetProgressXP(true);
    grid.ControlLook()->SetControlStyle(csWinXP);
    Paint(1, 1, TRect(0, 0, 160, 24));
    sheet.Save("progress_themed");
    EXPECT_EQ(sheet.Count(clNavy), 0);
    // The filled chunk covers the left half of the trough only.
    const QImage img = sheet.bmp.toQImage();
    auto filled = [&](int x) { return QColor(img.pixel(x, 12)) != QColor(img.pixel(150, 12)); };
    EXPECT_TRUE(filled(20));
    EXPECT_FALSE(filled(120));
}

TEST_F(GraphicPaint, EmptyRangesAndSizesDrawNothingOrTheirEmptyState) {
    grid.SetCells(1, 1, "5");
    grid.AddQvProgress(1, 1, 10, 10); // Min = Max
    grid.ProgressAppearance()->SetShowPercentage(false);
    grid.ProgressAppearance()->SetUnCompleteColor(clWhite);
    Paint(1, 1, TRect(0, 0, 160, 24));
    for (TColor level : {clLime, clYellow, clRed})
        EXPECT_EQ(sheet.Count(level), 0) << std::hex << level;

    grid.SetCells(1, 2, "3");
    grid.AddRating(1, 2, 0, clRed, clBlue);
    grid.SetCells(1, 3, "4");
    grid.AddRangeIndicator(1, 3, 0, clRed, clGreen, true);
    grid.AddProgressPie(1, 4, clRed, 250);
    grid.SetCells(1, 5, "x");
    grid.AddProgress(1, 5, clNavy, clWhite);
    sheet.Clear();
    Paint(1, 2, TRect(0, 0, 160, 24));
    EXPECT_EQ(sheet.NonWhite(), 0);
    Paint(1, 3, TRect(0, 0, 160, 24));
    EXPECT_EQ(sheet.Count(clRed) + sheet.Count(clGreen), 0);
    Paint(1, 4, TRect(0, 0, 160, 24)); // a value beyond 100 draws a full pie
    sheet.Save("pie");
    EXPECT_EQ(sheet.At(8, 16), clRed);
    EXPECT_EQ(sheet.At(16, 16), clRed);
    sheet.Clear();
    Paint(1, 5, TRect(0, 0, 160, 24)); // a text that is no number counts as 0
    EXPECT_EQ(sheet.Count(clNavy), 0);
}

TEST_F(GraphicPaint, BarsAndShapesOverAZeroSizeCellDrawNothing) {
    grid.SetRowCount(12);
    grid.SetCells(1, 1, "50");
    grid.AddProgress(1, 1, clNavy, clWhite);
    grid.SetCells(1, 2, "50");
    grid.AddQvProgress(1, 2, 0, 100);
    grid.SetCells(1, 3, "5");
    grid.AddRangeIndicator(1, 3, 10, clRed, clGreen, true);
    grid.SetRowHeights(4, 0);
    grid.AddShape(1, 4, csCircle, clRed, clBlack, haLeft, vaTop);
    grid.AddRadio(1, 5, 0, 0, nullptr); // a radio group without items
    for (int row = 1; row <= 5; ++row) {
        sheet.Clear();
        Paint(1, row, TRect(50, 20, 50, 20));
        Paint(1, row, TRect(50, 20, 40, 10)); // inverted
        EXPECT_EQ(sheet.NonWhite(), 0) << "row " << row;
    }
}

namespace {
// Nodes one level deep: the indent of every row is one node indent.
class OneLevelNodeGrid : public TQvStringGrid {
public:
    using TQvStringGrid::TQvStringGrid;
    int GetNodeIndent(int) override { return CellNode()->NodeIndent(); }
};
} // namespace

TEST(GraphicPaintNode, FlatNodeShowsPlusWhenCollapsedAndMinusWhenExpanded) {
    OneLevelNodeGrid grid(nullptr);
    grid.SetRowCount(4);
    grid.CellNode()->SetNodeType(cnFlat);
    grid.CellNode()->SetShowTree(false);
    grid.CellNode()->SetNodeColor(clBlack);
    grid.CellNode()->SetColor(clWhite);
    TCellGraphic* node = grid.CreateCellGraphic(0, 1);
    node->CellType = ctNode;
    GraphicPaintSheet sheet(40, 24);
    for (bool collapsed : {true, false}) {
        node->CellBoolean = collapsed;
        sheet.Clear();
        TCellGraphicPass pass;
        pass.Canvas = sheet.Canvas();
        pass.Row = 1;
        TRect r(0, 0, 40, 24);
        grid.DrawCellGraphics(pass, r, node);
        sheet.Save(collapsed ? "node_collapsed" : "node_expanded");
        // Indent 12: the box's left is 12 - 6 - 4 + 4 = 6, its top (24 - 8) / 2 = 8; the minus runs
        // along top + 4 from left + 2, the plus adds the column left + 4.
        const int left = 6, top = 8;
        EXPECT_EQ(sheet.At(left, top), clBlack) << collapsed; // the outline
        EXPECT_EQ(sheet.At(left + 3, top + 4), clBlack) << collapsed;
        EXPECT_EQ(sheet.At(left + 4, top + 2) == clBlack, collapsed);
        EXPECT_EQ(sheet.At(left + 4, top + 6) == clBlack, collapsed);
        EXPECT_EQ(sheet.At(left + 1, top + 1), clWhite);
    }
}

TEST_F(GraphicPaint, CommentMarksTheTopRightCornerInItsColour) {
    grid.AddColorComment(1, 1, "note", clLime);
    grid.AddComment(1, 2, "plain");
    grid.ControlLook()->SetCommentColor(clRed);
    Paint(1, 1, TRect(0, 0, 160, 24));
    EXPECT_EQ(sheet.At(156, 1), clLime);
    EXPECT_EQ(sheet.At(150, 10), clWhite);
    sheet.Clear();
    grid.ControlLook()->SetCommentColor(clNone); // switched off
    Paint(1, 1, TRect(0, 0, 160, 24));
    EXPECT_EQ(sheet.NonWhite(), 0);
    TCellGraphic* plain = grid.GetCellGraphic(1, 2);
    plain->CellIndex = static_cast<int>(clNone); // a comment without its own colour
    grid.ControlLook()->SetCommentColor(clBlue);
    Paint(1, 2, TRect(0, 0, 160, 24));
    EXPECT_EQ(sheet.At(156, 1), clBlue);
}

TEST_F(GraphicPaint, RadioGroupWithoutIndexShowsTheItemOfTheCellTextAsOn) {
    grid.ControlLook()->SetControlStyle(csWinXP);
    grid.ControlLook()->SetRadioAlwaysActive(true);
    TStringList items;
    items.Add("one");
    items.Add("two");
    items.Add("three");
    grid.AddRadio(1, 1, 0, -1, &items);
    grid.SetCells(1, 1, "two");
    grid.SetRowHeights(1, 60);
    GraphicPaintSheet tall(160, 70);
    TCellGraphicPass pass;
    pass.Canvas = tall.Canvas();
    pass.RealCol = pass.DisplayCol = 1;
    pass.Row = 1;
    TRect r(0, 0, 160, 60);
    grid.DrawCellGraphics(pass, r, grid.GetCellGraphic(1, 1));
    tall.Save("radiogroup");
    // One below the other, max(16, text height) apart from the shrunk top + 2; the dot is green.
    const int h = std::max(16, tall.Canvas()->TextHeight("gh"));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(tall.Count(kXPTick, TRect(3, 3 + h * i, 19, 3 + h * i + 16)) > 0, i == 1) << i;
    // An index chooses the item by number.
    grid.SetRadioIdx(1, 1, 2);
    tall.Clear();
    r = TRect(0, 0, 160, 60);
    grid.DrawCellGraphics(pass, r, grid.GetCellGraphic(1, 1));
    EXPECT_GT(tall.Count(kXPTick, TRect(3, 3 + 2 * h, 19, 3 + 2 * h + 16)), 0);
}

TEST_F(GraphicPaint, ButtonRecordsItsPlaceAndDataImageStaysInTheList) {
    grid.AddButton(1, 1, 40, 18, "Go", haRight, vaTop);
    Paint(1, 1, TRect(10, 20, 170, 44));
    const TCellGraphic* button = grid.GetCellGraphic(1, 1);
    // Right-aligned in the shrunk cell (11 .. 169): x = 169 - 40 - 1, y = 21 + 1.
    EXPECT_EQ(static_cast<int>(button->CellValue), (128 - 10) | ((22 - 20) << 16));

    TImageList images(nullptr);
    images.SetWidth(8);
    images.SetHeight(8);
    TBitmap red;
    red.SetSize(8, 8);
    red.Canvas()->Brush()->SetColor(clRed);
    red.Canvas()->FillRect(TRect(0, 0, 8, 8));
    images.Add(&red, nullptr);
    grid.SetGridImages(&images);
    grid.AddDataImage(2, 1, 0, haLeft, vaTop);
    for (const char* value : {"0", "1", "-1", "abc"}) {
        grid.SetCells(2, 1, value);
        sheet.Clear();
        Paint(2, 1, TRect(0, 0, 160, 24));
        EXPECT_EQ(sheet.Count(clRed) > 0, QString(value) == "0" || QString(value) == "abc") << value;
    }
    grid.SetGridImages(nullptr);
}

TEST_F(GraphicPaint, TransparentBitmapLeavesItsCornerColourOut) {
    auto owner = std::make_unique<TBitmap>(); // the grid draws cell bitmaps but never owns them
    TBitmap* bmp = owner.get();
    bmp->SetSize(10, 10);
    bmp->Canvas()->Brush()->SetColor(clFuchsia);
    bmp->Canvas()->FillRect(TRect(0, 0, 10, 10));
    bmp->Canvas()->Brush()->SetColor(clBlue);
    bmp->Canvas()->FillRect(TRect(3, 3, 7, 7));
    grid.AddBitmap(1, 1, bmp, true, haLeft, vaTop);
    Paint(1, 1, TRect(0, 0, 160, 24));
    EXPECT_EQ(sheet.Count(clFuchsia), 0);
    EXPECT_EQ(sheet.Count(clBlue), 16);
    EXPECT_EQ(sheet.At(2 + 4, 2 + 4), clBlue);
    EXPECT_FALSE(bmp->Transparent()); // the cell's own bitmap is not changed by painting
}

namespace {
// Nodes at the levels of a table: row r's indent is kIndents[r].
class TwoLevelNodeGrid : public TQvStringGrid {
public:
    using TQvStringGrid::TQvStringGrid;
    static constexpr int kIndents[] = {0, 12, 24, 24, 0};
    int GetNodeIndent(int ARow) override { return ARow >= 0 && ARow < 5 ? kIndents[ARow] : 0; }
};
} // namespace

// The tree line from a node up to the one before it is drawn only when that one is at least as deep.
TEST(GraphicPaintNode, TreeLineUpwardsOnlyBelowANodeAsDeep) {
    TwoLevelNodeGrid grid(nullptr);
    grid.SetRowCount(5);
    grid.CellNode()->SetNodeType(cnFlat);
    grid.CellNode()->SetShowTree(true);
    grid.CellNode()->SetTreeColor(clRed);
    for (int row : {1, 2, 3}) {
        TCellGraphic* node = grid.CreateCellGraphic(0, row);
        node->CellType = ctNode;
    }
    for (const auto& [row, upwards] : {std::pair{2, false}, std::pair{3, true}}) {
        GraphicPaintSheet sheet(60, 24);
        TCellGraphicPass pass;
        pass.Canvas = sheet.Canvas();
        pass.Row = row;
        TRect r(0, 0, 60, 24);
        grid.DrawCellGraphics(pass, r, grid.GetCellGraphic(0, row));
        // Indent 24, node indent 12: the connector stands at 24 - 12 + 6 + 2.
        EXPECT_EQ(sheet.Count(clRed, TRect(20, 0, 21, 6)) > 0, upwards) << "row " << row;
    }
}

namespace {
// One cell's answers, as a printed page or any other owner of cells without a grid window gives them.
struct OneCellView : IGraphicCells {
    TCellGraphic* graphic = nullptr;
    String text;
    double number = 0;
    bool editable = true;
    bool BeginUnmirroredBox(TCanvas*, int, int) override { return false; }
    void EndUnmirroredBox(TCanvas*) override {}
    TCellGraphic* Graphic(int, int) override { return graphic; }
    String Text(int, int) override { return text; }
    String StoredText(int, int) override { return text; }
    double Number(int, int) override { return number; }
    String CheckTrue(int, int) override { return "ja"; }
    TImageList* Images(int, int) override { return nullptr; }
    bool Editable(int, int) override { return editable; }
    TPoint Room(int, int) override { return TPoint(160, 24); }
    int RowCount() override { return 1; }
    int NodeIndent(int) override { return 0; }
};
} // namespace

TEST(GraphicPainterAlone, DrawsFromItsViewOfTheCellsAndTheLookWithoutAGrid) {
    TControlLook controls(nullptr);
    TColorTones tones;
    TFont font;
    TGraphicLook look;
    look.Controls = &controls;
    look.Tones = &tones;
    look.Font = &font;
    OneCellView cells;
    GraphicPainter painter(cells, look);
    GraphicPaintSheet sheet(160, 24);
    TCellGraphicPass pass;
    pass.Canvas = sheet.Canvas();
    TCellGraphic graphic;
    cells.graphic = &graphic;

    // The room the view gives sizes a shape.
    graphic.CellType = ctShape;
    EXPECT_EQ(painter.Info(0, 0).Width, 24 - 2 * look.XYOffset.Y);

    // A data check box: ticked by its text, greyed when the view says the cell cannot be edited.
    controls.SetControlStyle(csWinXP);
    graphic.CellType = ctDataCheckBox;
    const struct {
        const char* text;
        bool editable;
        int enabledTicks, disabledTicks;
    } boxes[] = {{"ja", true, 1, 0}, {"nein", true, 0, 0}, {"ja", false, 0, 1}};
    for (const auto& c : boxes) {
        cells.text = c.text;
        cells.editable = c.editable;
        sheet.Clear();
        TRect r(0, 0, 160, 24);
        painter.Paint(pass, r, &graphic);
        EXPECT_GT(sheet.NonWhite(), 0) << c.text << c.editable;
        EXPECT_EQ(sheet.Count(kXPTick) > 0, c.enabledTicks > 0) << c.text << c.editable;
        EXPECT_EQ(sheet.Count(kXPDisabledTick) > 0, c.disabledTicks > 0) << c.text << c.editable;
    }

    // A bar as long as the view's number says.
    controls.SetControlStyle(csClassic);
    graphic.CellType = ctProgress;
    graphic.CellBitmapColor = clRed;
    graphic.CellIconColor = clWhite;
    cells.number = 50;
    sheet.Clear();
    TRect r(0, 0, 160, 24);
    painter.Paint(pass, r, &graphic);
    EXPECT_GT(sheet.Count(clRed, TRect(4, 4, 40, 20)), 0);
    EXPECT_EQ(sheet.Count(clRed, TRect(120, 4, 156, 20)), 0);
}

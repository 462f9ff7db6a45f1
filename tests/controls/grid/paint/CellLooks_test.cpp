// The drawing routines of cell looks, checked by pixel probes on painted bitmaps.
#include "controls/grid/paint/CellLooks.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Picture.h"

#include <QImage>
#include <gtest/gtest.h>
#include <set>

namespace {
struct Surface {
    TBitmap bmp;
    TCanvas* c;
    explicit Surface(int w, int h) {
        bmp.SetSize(w, h);
        c = bmp.Canvas();
    }
    TColor At(int x, int y) { return c->Pixels(x, y); }
    int Count(TColor color) {
        const QImage img = bmp.toQImage();
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                n += FromQColor(QColor(img.pixel(x, y))) == color;
        return n;
    }
    int NonWhite() { return bmp.Width() * bmp.Height() - Count(clWhite); }
};

TCellProgressLook PlainProgress() {
    TCellProgressLook look;
    look.Level0Color = clLime;
    look.Level1Color = clYellow;
    look.Level2Color = clAqua;
    look.Level3Color = clRed;
    look.ShowGradient = false;
    look.ShowPercentage = false;
    look.UnCompleteColor = clWhite;
    return look;
}

// The run of `color` along row y from x, or 0 when the pixel there has another colour.
int RunLength(Surface& s, int x, int y, TColor color) {
    int n = 0;
    while (x + n < s.bmp.Width() && s.At(x + n, y) == color)
        ++n;
    return n;
}
} // namespace

TEST(CellLooksGradient, TenPixelsHighTakeTenBandsFromFirstToLastColour) {
    Surface s(4, 10);
    DrawGradientRect(s.c, clRed, clBlue, 64, TRect(0, 0, 4, 10), false);
    EXPECT_EQ(s.At(1, 0), clRed);
    EXPECT_EQ(s.At(1, 9), clBlue);
    std::set<TColor> bands;
    for (int y = 0; y < 10; ++y)
        bands.insert(s.At(1, y));
    EXPECT_EQ(bands.size(), 10u);
}

TEST(CellLooksGradient, NoColourEndsAndEmptyRectangles) {
    Surface s(10, 10);
    DrawGradientRect(s.c, clNone, clGreen, 64, TRect(0, 0, 10, 10), true);
    EXPECT_EQ(s.Count(clGreen), 100);
    Surface empty(10, 10);
    DrawGradientRect(empty.c, clRed, clBlue, 64, TRect(0, 5, 10, 5), false);
    DrawGradientRect(empty.c, clRed, clBlue, 64, TRect(3, 0, 3, 10), true);
    DrawGradientRect(empty.c, clRed, clBlue, 0, TRect(0, 0, 10, 1), false);
    EXPECT_EQ(empty.NonWhite(), 10); // only the one-pixel row, in one colour
}

TEST(CellLooksGradient, MirrorBackgroundSplitsAtTheMiddle) {
    Surface s(6, 20);
    FillCellBackground(s.c, TRect(0, 0, 6, 20), clRed, clMaroon, clBlue, clNavy, true, clNone, false, true);
    EXPECT_EQ(s.At(2, 0), clRed);
    EXPECT_EQ(s.At(2, 9), clMaroon);
    EXPECT_EQ(s.At(2, 10), clBlue);
    EXPECT_EQ(s.At(2, 19), clNavy);
}

TEST(CellLooksColour, Arithmetic) {
    struct Case {
        const char* what;
        TColor got, want;
    } cases[] = {
        {"interpolate half way", InterpolateColor(RGB(0, 0, 0), RGB(200, 100, 50), 0, 10, 5),
         RGB(100, 50, 25)},
        {"interpolate over an empty range", InterpolateColor(RGB(10, 20, 30), clWhite, 4, 4, 4),
         RGB(10, 20, 30)},
        {"interpolate to no colour", InterpolateColor(RGB(10, 20, 30), clNone, 0, 10, 5), RGB(10, 20, 30)},
        {"interpolate past the end", InterpolateColor(RGB(0, 0, 0), RGB(200, 200, 200), 0, 10, 20), clWhite},
        {"interpolate a system colour", InterpolateColor(clBlack, clWindow, 0, 1, 1), ColorToRGB(clWindow)},
        {"brighten", BrightenColor(RGB(100, 50, 0), 50), RGB(150, 75, 0)},
        {"brighten stops at 255", BrightenColor(RGB(200, 250, 128), 50), RGB(255, 255, 192)},
        {"darken stops at 0", BrightenColor(RGB(200, 100, 0), -150), RGB(0, 0, 0)},
        {"halve", HalveColor(RGB(255, 128, 3)), RGB(127, 64, 1)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.got, c.want) << c.what;
}

// Closed sides show the border line and the rounded corners; open sides run on into the next cell.
TEST(CellLooksSelection, SegmentsCloseOnlyTheirOwnEnds) {
    const TColor border = RGB(10, 20, 200), corner = RGB(200, 10, 10), fill = RGB(10, 200, 10);
    struct Case {
        int segment;
        bool leftClosed, rightClosed;
    } cases[] = {{0, true, true}, {1, true, false}, {2, false, true}, {3, false, false}};
    for (const Case& c : cases) {
        Surface s(30, 20);
        DrawStyledSelection(s.c, fill, clNone, clNone, clNone, fill, fill, border, corner, clWhite,
                            TRect(0, 0, 30, 20), c.segment);
        // R.Right becomes 29 and R.Bottom 18: the side lines run at x 0 and 28.
        EXPECT_EQ(s.At(0, 9) == border, c.leftClosed) << c.segment;
        EXPECT_EQ(s.At(28, 9) == border, c.rightClosed) << c.segment;
        EXPECT_EQ(s.At(1, 0) == corner, c.leftClosed) << c.segment;
        EXPECT_EQ(s.At(27, 0) == corner, c.rightClosed) << c.segment;
        EXPECT_EQ(s.At(14, 0), border) << c.segment;  // top line
        EXPECT_EQ(s.At(14, 18), border) << c.segment; // bottom line
        EXPECT_EQ(s.At(14, 9), fill) << c.segment;
    }
}

TEST(CellLooksSelection, MirrorFillHasTwoGradients) {
    Surface s(30, 40);
    DrawStyledSelection(s.c, 0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC, 0xF4FEFF, 0xCAF8FF, 0x8DD7D3, 0xC3D9DF,
                        clWhite, TRect(0, 0, 30, 40), 0);
    // Fill from y 2 to 37 (exclusive), split at 19.
    EXPECT_EQ(s.At(10, 2), 0xD7FFFD);
    EXPECT_EQ(s.At(10, 18), 0x58D4FC);
    EXPECT_EQ(s.At(10, 19), 0x58D4FC);
    EXPECT_EQ(s.At(10, 36), 0xB3F1FC);
}

TEST(CellLooksProgress, StackedPartsFollowTheLevels) {
    // 202 wide: 200 pixels inside the frame.
    Surface s(202, 12);
    TCellProgressLook look = PlainProgress();
    look.Stacked = true;
    DrawCellProgress(s.c, TRect(0, 0, 202, 12), 85, look);
    if (qEnvironmentVariableIsSet("QV_SAVE_GRABS")) {
        Surface shown(202, 16);
        TCellProgressLook gradient = look;
        gradient.ShowGradient = true;
        gradient.Level0ColorTo = RGB(0, 120, 0);
        gradient.Level1ColorTo = RGB(160, 160, 0);
        gradient.ShowPercentage = true;
        gradient.ShowBorder = true;
        DrawCellProgress(shown.c, TRect(0, 0, 202, 16), 85, gradient);
        shown.bmp.toQImage().save("/tmp/looks_progress.png");
    }
    EXPECT_EQ(RunLength(s, 1, 6, clLime), 140);
    EXPECT_EQ(RunLength(s, 141, 6, clYellow), 30);
    EXPECT_EQ(s.At(171, 6), clWhite);

    Surface full(202, 12);
    DrawCellProgress(full.c, TRect(0, 0, 202, 12), 100, look);
    EXPECT_EQ(RunLength(full, 181, 6, clRed), 20);
}

TEST(CellLooksProgress, UnstackedBarTakesTheColourOfItsLevel) {
    struct Case {
        int percent;
        TColor color;
    } cases[] = {{50, clLime}, {85, clYellow}, {95, clAqua}, {100, clRed}};
    for (const Case& c : cases) {
        Surface s(102, 12);
        DrawCellProgress(s.c, TRect(0, 0, 102, 12), c.percent, PlainProgress());
        EXPECT_EQ(RunLength(s, 1, 6, c.color), c.percent) << c.percent;
    }
}

TEST(CellLooksProgress, BlocksOfSevenWithGaps) {
    Surface s(102, 12);
    TCellProgressLook look = PlainProgress();
    look.CompletionSmooth = false;
    DrawCellProgress(s.c, TRect(0, 0, 102, 12), 20, look); // T = 20: 2 blocks, remainder 2 gives none
    EXPECT_EQ(RunLength(s, 2, 6, clLime), 7);
    EXPECT_EQ(s.At(9, 6), clWhite);
    EXPECT_EQ(RunLength(s, 11, 6, clLime), 7);
    EXPECT_EQ(s.Count(clLime), 2 * 7 * 8);
}

TEST(CellLooksProgress, VerticalBarGrowsUpwardsAndOutOfRangeStaysInside) {
    Surface s(12, 102);
    TCellProgressLook look = PlainProgress();
    look.Vertical = true;
    DrawCellProgress(s.c, TRect(0, 0, 12, 102), 30, look);
    EXPECT_EQ(s.At(6, 100), clLime);
    EXPECT_EQ(s.At(6, 71), clLime);
    EXPECT_EQ(s.At(6, 70), clWhite);

    Surface over(102, 12);
    DrawCellProgress(over.c, TRect(0, 0, 102, 12), 250, PlainProgress());
    EXPECT_EQ(RunLength(over, 1, 6, clRed), 100);
}

TEST(CellLooksProgress, ClassicBarIsEmptyOverAnEmptyRange) {
    struct Case {
        double position;
        int min, max;
        const char* format;
        int barPixels;
    } cases[] = {
        {5, 5, 5, "%d", 0},                           // no range: nothing done
        {50, 0, 200, "%d", 25}, {50, 0, 100, "", 50}, // no format: the position is the percentage
        {300, 0, 100, "", 100}, {7.5, 0, 10, "%.1f", 75},
        {1, 0, 4, "%s", 25}, // a format that does not fit still draws the bar
    };
    for (const Case& c : cases) {
        Surface s(104, 14);
        s.c->Brush()->SetColor(clWhite);
        s.c->Font()->SetSize(1);
        DrawClassicProgress(s.c, TRect(0, 0, 104, 14), clBlue, clBlue, clLime, clLime, c.position, 2, 2,
                            c.min, c.max, c.format, clNone, false);
        EXPECT_EQ(RunLength(s, 2, 3, clBlue), c.barPixels) << c.position << " " << c.format;
    }
}

TEST(CellLooksProgress, RangeIndicatorHalves) {
    struct Case {
        int value, range;
        int negative, positive;
    } cases[] = {{50, 100, 0, 25}, {-100, 100, 50, 0}, {500, 100, 0, 50}, {10, 0, 0, 0}, {-10, -5, 0, 0}};
    for (const Case& c : cases) {
        Surface s(104, 10); // 100 inside, centre at 52
        DrawRangeIndicator(s.c, TRect(0, 0, 104, 10), c.value, c.range, false, clRed, clLime);
        EXPECT_EQ(s.Count(clRed), c.negative * 6) << c.value << "/" << c.range;
        EXPECT_EQ(s.Count(clLime), c.positive * 6) << c.value << "/" << c.range;
    }
}

TEST(CellLooksProgress, PieFillsItsShareClockwiseFromTheTop) {
    Surface empty(41, 41);
    DrawProgressPie(empty.c, TRect(0, 0, 41, 41), clBlue, 0, false);
    EXPECT_EQ(empty.Count(clBlue), 0);
    Surface half(41, 41);
    DrawProgressPie(half.c, TRect(0, 0, 41, 41), clBlue, 50, false);
    EXPECT_EQ(half.At(30, 20), clBlue);
    EXPECT_EQ(half.At(10, 20), clWhite);
}

TEST(CellLooksShapes, CircleOfTheSmallerSideAndUnknownShapes) {
    Surface s(20, 10);
    DrawCellShape(s.c, 0, 0, 20, 10, csCircle, clBlue, clBlue);
    EXPECT_EQ(s.At(5, 5), clBlue);
    EXPECT_EQ(s.At(15, 5), clWhite);
    Surface none(20, 10);
    DrawCellShape(none.c, 0, 0, 20, 10, static_cast<TCellShape>(csHalfStar + 1), clBlue, clBlue);
    EXPECT_EQ(none.NonWhite(), 0);
    Surface arrow(20, 20);
    DrawCellShape(arrow.c, 0, 0, 20, 20, csArrowUp, clBlue, clBlue);
    EXPECT_EQ(arrow.At(10, 2), clBlue);  // tip
    EXPECT_EQ(arrow.At(10, 18), clBlue); // shaft
    EXPECT_EQ(arrow.At(2, 18), clWhite);
}

TEST(CellLooksButtons, ToneLookFollowsTheState) {
    TColorTones tones;
    tones.Background = {RGB(1, 1, 200), RGB(0, 0, 0), RGB(0, 0, 0)};
    tones.Hover = {RGB(1, 200, 1), RGB(0, 0, 0), RGB(0, 0, 0)};
    tones.Selected = {RGB(200, 1, 1), RGB(0, 0, 0), RGB(0, 0, 0)};
    tones.Disabled = {RGB(99, 99, 99), RGB(0, 0, 0), RGB(0, 0, 0)};
    const TColor expect[] = {tones.Background.BrushColor, tones.Hover.BrushColor, tones.Selected.BrushColor,
                             tones.Disabled.BrushColor};
    for (int state = 0; state < 4; ++state) {
        Surface s(40, 20);
        DrawPushButton(s.c, nullptr, TRect(0, 0, 40, 20), 3, state, tones);
        EXPECT_EQ(s.At(20, 10), expect[state]) << state;
        EXPECT_EQ(s.At(0, 0), clBlack) << state;
        Surface combo(40, 20);
        DrawComboButton(combo.c, nullptr, TRect(0, 0, 40, 20), 3, state, tones);
        EXPECT_EQ(combo.At(36, 4), expect[state]) << state;
        EXPECT_EQ(combo.At(10, 10), clWhite) << state; // left of the button
    }
}

// Qt's style draws the themed and frame-control looks; each draws within its area and differs by state.
TEST(CellLooksButtons, StyledLooksDrawInTheirArea) {
    const TColorTones tones;
    for (int look = 0; look < 3; ++look) {
        Surface normal(60, 24), down(60, 24);
        DrawPushButton(normal.c, nullptr, TRect(10, 2, 50, 22), look, 0, tones);
        DrawPushButton(down.c, nullptr, TRect(10, 2, 50, 22), look, 2, tones);
        EXPECT_GT(normal.NonWhite(), 0) << look;
        EXPECT_EQ(normal.At(5, 12), clWhite) << look;
        EXPECT_NE(normal.bmp.toQImage(), down.bmp.toQImage()) << look;

        Surface spin(60, 24);
        DrawSpinButtons(spin.c, nullptr, TRect(0, 1, 60, 23), look, 0, tones);
        EXPECT_EQ(spin.At(20, 12), clWhite) << look; // left of the 15-pixel buttons
        EXPECT_NE(spin.At(50, 6), clWhite) << look;

        if (qEnvironmentVariableIsSet("QV_SAVE_GRABS")) {
            Surface all(120, 24);
            DrawPushButton(all.c, nullptr, TRect(2, 2, 50, 22), look, 0, tones);
            DrawComboButton(all.c, nullptr, TRect(50, 1, 100, 23), look, 0, tones);
            DrawSpinButtons(all.c, nullptr, TRect(100, 2, 120, 24), look, 0, tones);
            all.bmp.toQImage().save(QString("/tmp/looks_buttons_%1.png").arg(look));
        }
    }
}

TEST(CellLooksText, ErrorZigzagUnderTheWrongCharactersOnly) {
    Surface s(200, 30);
    s.c->Font()->SetSize(10);
    const String text = "good badword";
    DrawErrorUnderline(s.c, text, TRect(0, 0, 200, 30), 14, 5, 7);
    const int badStart = s.c->TextWidth("good ");
    int redLeft = 200, redRight = -1;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 200; ++x)
            if (s.At(x, y) == clRed) {
                redLeft = std::min(redLeft, x);
                redRight = std::max(redRight, x);
            }
    ASSERT_GE(redRight, 0);
    EXPECT_GE(redLeft, badStart - 1);
    EXPECT_GE(redRight, s.c->TextWidth("good badwor"));
    EXPECT_LE(redRight, s.c->TextWidth(text) + 10);
}

TEST(CellLooksBitmap, TopLeftColourBecomesTheBackground) {
    TBitmap glyph;
    glyph.SetSize(4, 4);
    glyph.Canvas()->Brush()->SetColor(clFuchsia);
    glyph.Canvas()->FillRect(TRect(0, 0, 4, 4));
    glyph.Canvas()->SetPixels(2, 2, clBlack);
    Surface s(10, 10);
    DrawTransparentBitmap(s.c, &glyph, clYellow, TRect(3, 3, 7, 7));
    EXPECT_EQ(s.At(3, 3), clYellow);
    EXPECT_EQ(s.At(5, 5), clBlack);
    EXPECT_EQ(s.At(8, 8), clWhite);
    EXPECT_EQ(s.Count(clFuchsia), 0);
}

// The scroll bars' arithmetic from tables of cases: proportional thumbs on their 0..127 scale, and the
// number a dragged thumb stands for.
#include "controls/grid/input/ScrollBarMath.h"

#include <gtest/gtest.h>

namespace scrollbarmath_test {

TEST(ScrollBarMath, ProportionalBarsFromATableOfCases) {
    const struct {
        const char* Name;
        bool Vertical;
        int Fixed, Scrollable, Scrolled, View, Current;
        bool AllFit;
        bool Apply;
        int Max, Page, Pos;
    } cases[] = {
        // Half of the scrollable width shows: e = 0.5, max = 255, page 129.
        {"half shown, at the start", false, 0, 1000, 0, 500, 9, false, true, 255, 129, 0},
        {"half shown, half way", false, 0, 1000, 250, 500, 9, false, true, 255, 129, 64},
        {"half shown, at the end", false, 0, 1000, 500, 500, 9, false, true, 255, 129, 127},
        {"a fixed band narrows the share", false, 100, 1000, 0, 600, 0, false, true, 255, 129, 0},
        {"a tenth shown", false, 0, 1000, 0, 100, 0, false, true, 141, 15, 0},
        {"everything shows", false, 0, 400, 0, 500, 3, false, false, 0, 0, 0},
        {"less than 5 pixels hidden", false, 0, 503, 0, 500, 3, false, false, 0, 0, 0},
        {"no scrollable width", false, 50, 0, 0, 500, 3, false, false, 0, 0, 0},
        {"vertical half shown", true, 0, 1000, 250, 500, 0, false, true, 255, 129, 64},
        {"vertical, all rows fit", true, 0, 1000, 0, 500, 0, true, false, 0, 0, 0},
        {"vertical, no scrollable height", true, 0, 0, 0, 500, 0, false, false, 0, 0, 0},
        {"vertical, 3 pixels hidden still scrolls", true, 0, 503, 0, 500, 0, false, true, -1, 0, 0},
    };
    for (const auto& k : cases) {
        const ProportionalBar b =
            k.Vertical
                ? VerticalProportionalBar(k.Fixed, k.Scrollable, k.Scrolled, k.View, k.Current, k.AllFit)
                : HorizontalProportionalBar(k.Fixed, k.Scrollable, k.Scrolled, k.View, k.Current);
        EXPECT_EQ(b.Apply, k.Apply) << k.Name;
        if (!b.Apply || !k.Apply) continue;
        EXPECT_EQ(b.Max - b.Page + 1, 127) << k.Name << ": positions run 0..127";
        if (k.Max < 0) continue;
        EXPECT_EQ(b.Max, k.Max) << k.Name;
        EXPECT_EQ(b.Page, k.Page) << k.Name;
        EXPECT_EQ(b.Pos, k.Pos) << k.Name;
    }
}

TEST(ScrollBarMath, ThumbNumbers) {
    const struct {
        int Pos, Count, Visible, Fixed, Expected;
    } cases[] = {
        {0, 100, 10, 1, 1}, {127, 100, 10, 1, 90}, {64, 100, 10, 1, 46},
        {1, 3, 1, 1, 1},    {127, 5, 4, 1, 1},     {63, 129, 0, 2, 65},
    };
    for (const auto& k : cases)
        EXPECT_EQ(ScrollThumbNumber(k.Pos, k.Count, k.Visible, k.Fixed), k.Expected)
            << k.Pos << " of " << k.Count;
}

// The slim bar: thumbs at least 20 pixels, pushed back to end at the bar's edge, none without rows to
// scroll through; paging and dragging stay within the fixed rows and the last full page.
TEST(ScrollBarMath, SlimBarThumbsPagesAndDrags) {
    const struct {
        const char* Name;
        int Extent, Track, FixedLength, First, Fixed, Count, Visible;
        SlimThumb Expected;
    } thumbs[] = {
        {"at the top", 200, 180, 20, 1, 1, 11, 5, {20, 82}},
        {"half way", 200, 180, 20, 6, 1, 11, 5, {110, 82}},
        {"a short thumb is 20 long", 200, 180, 20, 1, 1, 1001, 5, {20, 20}},
        {"at the end it is pushed back", 200, 180, 20, 1000, 1, 1001, 5, {180, 20}},
        {"halves round to even", 100, 100, 0, 1, 0, 8, 1, {12, 20}},
        {"no data rows: no thumb", 200, 180, 20, 1, 1, 1, 0, {0, 0}},
    };
    for (const auto& k : thumbs)
        EXPECT_EQ(SlimBarThumb(k.Extent, k.Track, k.FixedLength, k.First, k.Fixed, k.Count, k.Visible),
                  k.Expected)
            << k.Name;

    const struct {
        bool Forward;
        int First, Fixed, Count, Visible, Expected;
    } pages[] = {
        {true, 1, 1, 100, 10, 11},   {true, 85, 1, 100, 10, 90}, {false, 5, 1, 100, 10, 1},
        {false, 50, 1, 100, 10, 40}, {true, 1, 1, 5, 10, 1},
    };
    for (const auto& k : pages)
        EXPECT_EQ(SlimBarPageFirst(k.Forward, k.First, k.Fixed, k.Count, k.Visible), k.Expected)
            << k.First << (k.Forward ? " down" : " up");

    const struct {
        const char* Name;
        int Pos, DownPos, DownFirst, Span, Fixed, Count, Visible, Expected;
    } drags[] = {
        {"a tenth of the span, a tenth of the rows", 50, 30, 1, 200, 1, 100, 10, 11},
        {"beyond the end stops at the last page", 500, 30, 1, 200, 1, 100, 10, 90},
        {"above the start stops at the fixed rows", -500, 30, 40, 200, 1, 100, 10, 1},
        {"a bar no taller than row 0 scrolls nothing", 90, 30, 7, 0, 1, 100, 10, 7},
        {"no data rows scroll nothing", 90, 30, 1, 200, 1, 1, 0, 1},
    };
    for (const auto& k : drags)
        EXPECT_EQ(SlimBarDragFirst(k.Pos, k.DownPos, k.DownFirst, k.Span, k.Fixed, k.Count, k.Visible),
                  k.Expected)
            << k.Name;
}

} // namespace scrollbarmath_test

// The mouse state's pure rules: which fixed border lies under the mouse, and the pan step's direction and
// cursor.
#include "controls/grid/input/MouseState.h"

#include <gtest/gtest.h>

#include <vector>

TEST(MouseStateFixedBorder, LastBorderWithinThreePixelsIsHit) {
    struct Case {
        const char* name;
        std::vector<int> sizes;
        int pos, hit;
    };
    // Border i lies at the sizes before it, each with its 1-pixel line, plus its own size: {20, 30} puts
    // them at 20 and 51.
    const Case cases[] = {
        {"on the first border", {20, 30}, 20, 0},
        {"two pixels before it", {20, 30}, 18, 0},
        {"two pixels after it", {20, 30}, 22, 0},
        {"three pixels away", {20, 30}, 23, -1},
        {"the second border counts the first line", {20, 30}, 51, 1},
        {"one pixel short of the second", {20, 30}, 50, 1},
        {"where the second would be without lines", {20, 30}, 47, -1},
        {"zero-wide columns: the last one wins", {0, 0, 0}, 1, 2},
        {"no fixed columns", {}, 0, -1},
    };
    for (const Case& c : cases) {
        const auto size = [&c](int i) { return c.sizes[static_cast<size_t>(i)]; };
        EXPECT_EQ(FixedBorderAt(static_cast<int>(c.sizes.size()), size, c.pos), c.hit) << c.name;
    }
}

TEST(MouseStatePan, DirectionLeavesTheDeadZoneAndTheModesFreeAxis) {
    struct Case {
        TPoint at;
        TIntelliPan mode;
        TPoint direction;
        int cursor;
    };
    const TPoint o(100, 100);
    const Case cases[] = {
        {TPoint(105, 95), ipBoth, TPoint(0, 0), 8000},
        {TPoint(100, 106), ipBoth, TPoint(0, 1), 8001},
        {TPoint(100, 94), ipBoth, TPoint(0, -1), 8004},
        {TPoint(94, 100), ipBoth, TPoint(-1, 0), 8002},
        {TPoint(106, 100), ipBoth, TPoint(1, 0), 8003},
        {TPoint(94, 94), ipBoth, TPoint(-1, -1), 8006},
        {TPoint(106, 94), ipBoth, TPoint(1, -1), 8005},
        {TPoint(106, 106), ipBoth, TPoint(1, 1), 8007},
        {TPoint(94, 106), ipBoth, TPoint(-1, 1), 8008},
        {TPoint(120, 140), ipHorizontal, TPoint(1, 0), 8003},
        {TPoint(120, 140), ipVertical, TPoint(0, 1), 8001},
    };
    for (const Case& c : cases) {
        const TPoint d = PanDirection(o, c.at, c.mode);
        EXPECT_EQ(d, c.direction) << c.at.X << "," << c.at.Y << " mode " << c.mode;
        EXPECT_EQ(PanCursorIdFor(d), c.cursor) << c.at.X << "," << c.at.Y << " mode " << c.mode;
    }
}

// The monitor at a point and its work area, from a layout set for the test, and hints kept on their monitor.
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/HintWindow.h"

#include <gtest/gtest.h>

struct MonitorLayoutTest : ::testing::Test {
    void SetUp() override {
        TMonitor left, right;
        left.BoundsRect = TRect(0, 0, 1000, 800);
        left.WorkareaRect = TRect(0, 0, 1000, 760); // a panel along the bottom
        right.BoundsRect = TRect(1000, 0, 1800, 600);
        right.WorkareaRect = TRect(1030, 0, 1800, 600);
        right.Primary = true;
        SetMonitorLayout({left, right});
    }
    void TearDown() override { SetMonitorLayout({}); }
};

TEST_F(MonitorLayoutTest, ThePointsMonitorOrTheNearest) {
    struct Case {
        TPoint At;
        TMonitorDefaultTo Default;
        int Monitor; // -1: none
    } cases[] = {
        {{10, 10}, mdNearest, 0},    {{1500, 300}, mdNearest, 1}, {{999, 799}, mdNearest, 0},
        {{1000, 0}, mdNearest, 1},   {{-50, 400}, mdNearest, 0},  {{2500, 100}, mdNearest, 1},
        {{1500, 700}, mdNearest, 1}, // below the smaller monitor, nearer to it
        {{1100, 900}, mdNearest, 0}, // far below: nearer the taller one
        {{-50, 400}, mdNull, -1},    {{-50, 400}, mdPrimary, 1},  {{10, 10}, mdNull, 0},
    };
    for (const Case& c : cases) {
        const std::optional<TMonitor> m = Screen->MonitorFromPoint(c.At, c.Default);
        EXPECT_EQ(m ? m->MonitorNum : -1, c.Monitor) << c.At.X << "," << c.At.Y << " " << int(c.Default);
    }
    EXPECT_EQ(Screen->MonitorCount(), 2);
    EXPECT_EQ(Screen->WorkAreaRect(), TRect(1030, 0, 1800, 600)); // the primary monitor's
    EXPECT_EQ(Screen->Width(), 800);
    EXPECT_EQ(Screen->Height(), 600);
    EXPECT_EQ(Screen->Monitors(0).WorkareaRect, TRect(0, 0, 1000, 760));
    EXPECT_THROW(Screen->Monitors(2), EListError);
}

TEST_F(MonitorLayoutTest, AHintEndsTwoPixelsInsideTheMonitorItStartsOn) {
    THintWindow hint(nullptr);
    struct Case {
        TRect Asked;
        TRect Shown;
    } cases[] = {
        {{1700, 500, 1900, 650}, {1598, 448, 1798, 598}}, // past both edges of the right monitor
        {{900, 100, 1100, 140}, {798, 100, 998, 140}},    // starts on the left one: kept there
        {{100, 100, 200, 140}, {100, 100, 200, 140}},     // fits
    };
    for (const Case& c : cases) {
        hint.ActivateHint(c.Asked, "hint");
        EXPECT_EQ(hint.BoundsRect(), c.Shown);
    }
    hint.ReleaseHint();
}

// The trackbar: its keys, its range kept by every setter, and OnChange.
#include "toolkit/controls/Forms.h"
#include "toolkit/stdctrls/ComCtrls_TrackBar.h"

#include "InputEvents.h"

#include <QSlider>
#include <gtest/gtest.h>

TEST(TrackBar, KeysStepTowardsTheEndsAsOnThePlatform) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 100);
    auto* bar = new TTrackBar(&form);
    bar->SetParent(&form);
    bar->SetPageSize(3);
    int changes = 0;
    bar->OnChange = [&](TObject*) { ++changes; };
    form.Show();
    bar->SetFocus();
    QApplication::processEvents();
    struct Case {
        int Key;
        int Position;
    } cases[] = {
        {Qt::Key_Left, 4},   {Qt::Key_Up, 4},       {Qt::Key_Right, 6}, {Qt::Key_Down, 6},
        {Qt::Key_PageUp, 2}, {Qt::Key_PageDown, 8}, {Qt::Key_Home, 0},  {Qt::Key_End, 10},
    };
    for (bool vertical : {false, true}) {
        bar->SetOrientation(vertical ? trVertical : trHorizontal);
        for (const Case& c : cases) {
            bar->SetPosition(5);
            changes = 0;
            qvtest::KeyToFocus(c.Key);
            EXPECT_EQ(bar->Position(), c.Position) << c.Key << " " << vertical;
            EXPECT_EQ(static_cast<QSlider*>(bar->Widget())->value(), c.Position);
            EXPECT_EQ(changes, 1);
        }
    }
    // At an end a step goes nowhere and tells nothing.
    bar->SetPosition(0);
    changes = 0;
    qvtest::KeyToFocus(Qt::Key_Left);
    EXPECT_EQ(bar->Position(), 0);
    EXPECT_EQ(changes, 0);
}

TEST(TrackBar, ThePositionStaysInTheRange) {
    TForm form(nullptr);
    auto* bar = new TTrackBar(&form);
    bar->SetParent(&form);
    std::vector<int> told;
    bar->OnChange = [&](TObject*) { told.push_back(bar->Position()); };
    bar->SetPosition(15);
    EXPECT_EQ(bar->Position(), 10);
    bar->SetPosition(-3);
    EXPECT_EQ(bar->Position(), 0);
    bar->SetMin(20); // takes Max along, and the position
    EXPECT_EQ(bar->Max(), 20);
    EXPECT_EQ(bar->Position(), 20);
    bar->SetMax(5); // takes Min along
    EXPECT_EQ(bar->Min(), 5);
    EXPECT_EQ(bar->Position(), 5);
    EXPECT_EQ(told, (std::vector<int>{10, 0, 20, 5}));
    EXPECT_FALSE(bar->HandleAllocated());
}

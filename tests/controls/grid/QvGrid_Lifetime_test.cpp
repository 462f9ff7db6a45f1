// Creating and destroying string grids many times: everything the grid made goes with it.
#include "controls/grid/QvGrid.h"
#include "toolkit/controls/Forms.h"

#include <gtest/gtest.h>

namespace {

// A cell graphic that counts its live instances; the grid owns it like any cell graphic.
struct CountedGraphic : TCellGraphic {
    static inline int live = 0;
    CountedGraphic() { ++live; }
    ~CountedGraphic() override { --live; }
};

} // namespace

// Run under the address and leak sanitizers (see the README): any object the grid forgets to free,
// or frees twice, shows there.
TEST(QvGridLifetime, TenThousandGridsComeAndGo) {
    for (int i = 0; i < 10000; ++i) {
        auto* g = new TQvStringGrid(nullptr);
        switch (i % 4) {
        case 0:
            break;
        case 1:
            g->SetRowCount(40);
            g->SetCells(2, 30, "text");
            g->GetCellProperties(1, 35)->SetBrushColor(clRed);
            g->SetGraphicObjects(0, 3, new CountedGraphic);
            break;
        case 2:
            g->Filter()->Add()->SetCondition("x");
            g->ColumnHeaders()->Add("h");
            g->FloatingFooter()->SetVisible(true);
            g->SetRowCount(3); // the largest count ever set is cleared, not only the current one
            break;
        case 3:
            g->SetGraphicObjects(2, 2, new CountedGraphic);
            g->SetRowCount(2);
            break;
        }
        delete g;
    }
    EXPECT_EQ(CountedGraphic::live, 0);
}

TEST(QvGridLifetime, GridsWithWindowsGoWithTheirForm) {
    for (int i = 0; i < 200; ++i) {
        TForm form(nullptr);
        auto* g = new TQvStringGrid(&form);
        g->SetParent(&form);
        g->HandleNeeded();
        g->FloatingFooter()->SetVisible(i % 2 == 0);
        g->SetGraphicObjects(1, 1, new CountedGraphic);
        EXPECT_TRUE(g->GridTimerActive());
    }
    EXPECT_EQ(CountedGraphic::live, 0);
}

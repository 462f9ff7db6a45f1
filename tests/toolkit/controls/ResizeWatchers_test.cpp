// Watchers of a control's size: each under its own key, after the control's own OnResize, removable at any
// time.
#include "toolkit/controls/Forms.h"

#include <gtest/gtest.h>

#include <string>

TEST(ResizeWatchers, RunAfterOnResizeAndMayRemoveEachOther) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    std::string calls;
    int keyA = 0, keyB = 0;
    form.OnResize = [&](TObject*) { calls += "form "; };
    form.AddResizeWatcher(&keyA, [&](TObject*) {
        calls += "a ";
        form.RemoveResizeWatcher(&keyB);
    });
    form.AddResizeWatcher(&keyB, [&](TObject*) { calls += "b "; });
    form.SetBounds(0, 0, 220, 100);
    EXPECT_EQ(calls, "form a ");
    // Adding under a key that is there replaces its handler.
    calls.clear();
    form.AddResizeWatcher(&keyA, [&](TObject*) { calls += "a2 "; });
    form.SetBounds(0, 0, 240, 100);
    EXPECT_EQ(calls, "form a2 ");
    form.RemoveResizeWatcher(&keyA);
    calls.clear();
    form.SetBounds(0, 0, 260, 100);
    EXPECT_EQ(calls, "form ");
}

TEST(ParentWheel, ChildOffersTheWheelUpTheParentChain) {
    TForm form(nullptr);
    auto* panel = new TWinControl(&form);
    panel->SetParent(&form);
    int formCalls = 0;
    form.OnMouseWheelDown = [&](TObject*, TShiftState, TPoint, bool& handled) {
        ++formCalls;
        handled = true;
    };
    const WPARAM down = WPARAM(static_cast<uint16_t>(static_cast<int16_t>(-120))) << 16;
    EXPECT_EQ(panel->Perform(CM_MOUSEWHEEL, down, 0), 1);
    EXPECT_EQ(formCalls, 1);
    form.OnMouseWheelDown = nullptr;
    EXPECT_EQ(panel->Perform(CM_MOUSEWHEEL, down, 0), 0);
}

// The string grid's mouse state: the marks a press sets and its release clears, fixed-border hits and the
// pan step.
#include "controls/grid/input/MouseState.h"

#include "toolkit/controls/Timer.h"

#include <cstdlib>

namespace {
constexpr int kFixedBorderReach = 3;
constexpr int kPanDeadZone = 5;
} // namespace

MouseState::MouseState() = default;
MouseState::~MouseState() = default;

void MouseState::BeginPress() {
    Press.DoOnClick = Press.MouseDownMove = Press.MouseKeepDown = true;
    Press.EditingRemoved = Press.DragRefused = false;
}

void MouseState::EndPress() {
    Press.MovedColumnOrRow = Press.SizedColumns = false;
    Press.ClearedDisjunct = Press.MouseKeepDown = Press.MouseDownMove = false;
    Press.Deselected = Press.MoveEnded = false;
    SelectMode = msNormal;
    SelectStart = -1;
}

void MouseState::Leave() {
    SelectMode = msNormal;
    ColBorder.Over = RowBorder.Over = false;
}

bool MouseState::OnFixedBorder() const {
    return ColBorder.Over || ColBorder.Sizing || RowBorder.Over || RowBorder.Sizing;
}

int FixedBorderAt(int Count, const std::function<int(int)>& SizeOf, int Pos) {
    int hit = -1;
    int sum = 0;
    for (int i = 0; i < Count; ++i) {
        const int size = SizeOf(i);
        if (std::abs(sum + size - Pos) < kFixedBorderReach) hit = i;
        sum += size + 1;
    }
    return hit;
}

TPoint PanDirection(const TPoint& Origin, const TPoint& At, TIntelliPan Mode) {
    const auto step = [](int at, int origin) {
        return at < origin - kPanDeadZone ? -1 : at > origin + kPanDeadZone ? 1 : 0;
    };
    TPoint d(step(At.X, Origin.X), step(At.Y, Origin.Y));
    if (Mode == ipHorizontal) d.Y = 0;
    if (Mode == ipVertical) d.X = 0;
    return d;
}

int PanCursorIdFor(const TPoint& Direction) {
    static constexpr int ids[3][3] = {{8006, 8004, 8005}, {8002, 8000, 8003}, {8008, 8001, 8007}};
    return ids[Direction.Y + 1][Direction.X + 1];
}

#include "controls/grid/input/ScrollBarMath.h"

#include <algorithm>
#include <cmath>

namespace {

// Max and page from the visible share e (single precision, as the bars have always been worked out).
ProportionalBar ShareBar(float e, int Pos) {
    ProportionalBar bar;
    bar.Apply = true;
    bar.Max = int((e + 127.0f) / (1.0f - e));
    bar.Page = bar.Max - 126;
    bar.Pos = std::clamp(Pos, 0, 127);
    return bar;
}

int ScrolledPos(int Scrolled, int Scrollable, int View) {
    return int(double(Scrolled) / double(Scrollable - View) * 128.0);
}

} // namespace

ProportionalBar HorizontalProportionalBar(int Fixed, int Scrollable, int Scrolled, int View, int CurrentPos) {
    // Nothing to scroll across: the bar stays as it is rather than divide by zero.
    if (Scrollable <= 0) return {};
    const float e = float(View - Fixed) / float(Scrollable);
    if (e >= 0.9999f || Fixed + Scrollable - View < 5) return {};
    return ShareBar(e, View < Scrollable ? ScrolledPos(Scrolled, Scrollable, View) : CurrentPos);
}

ProportionalBar VerticalProportionalBar(int Fixed, int Scrollable, int Scrolled, int View, int CurrentPos,
                                        bool AllRowsFit) {
    (void)CurrentPos;
    if (AllRowsFit || Scrollable <= 0) return {};
    const float e = float(View - Fixed) / float(Scrollable);
    if (e >= 0.9999f) return {};
    return ShareBar(e, View < Scrollable ? ScrolledPos(Scrolled, Scrollable, View) : 127);
}

int ScrollThumbNumber(int Pos, int Count, int Visible, int Fixed) {
    // Rounded as the system's multiply-divide: halves away from zero.
    return int(std::lround(double(Pos) * (Count - Visible - Fixed) / 127.0)) + Fixed;
}

namespace {
// Halves to even, as the bars have always rounded.
int RoundEven(double v) {
    return int(std::nearbyint(v));
}
} // namespace

SlimThumb SlimBarThumb(int Extent, int Track, int FixedLength, int First, int Fixed, int Count, int Visible) {
    const int scrolled = Count - Fixed;
    if (scrolled <= 0 || Count <= 0) return {};
    SlimThumb t;
    t.Pos = FixedLength + RoundEven(double(Track) * (First - Fixed) / scrolled);
    t.Length = std::max(20, RoundEven(double(Track) * Visible / Count));
    if (t.Pos + t.Length > Extent) t.Pos = Extent - t.Length;
    return t;
}

int SlimBarPageFirst(bool Forward, int First, int Fixed, int Count, int Visible) {
    const int last = std::max(Fixed, Count - Visible);
    return Forward ? std::clamp(First + Visible, Fixed, last) : std::clamp(First - Visible, Fixed, last);
}

int SlimBarDragFirst(int Pos, int DownPos, int DownFirst, int Span, int Fixed, int Count, int Visible) {
    if (Span <= 0 || Count - Fixed <= 0) return DownFirst;
    const int moved = RoundEven(double(Pos - DownPos) / Span * Count);
    return std::max(Fixed, std::min(moved + DownFirst, Count - Visible));
}

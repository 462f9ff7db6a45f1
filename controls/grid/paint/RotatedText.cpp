#include "controls/grid/paint/RotatedText.h"

#include <algorithm>
#include <cmath>

TPoint PlaceRotatedText(const TRect& R, int Angle, TAlignment HAlign, TVAlignment VAlign, int W, int H) {
    // The box of the rotated text relative to its start point.
    const double a = Angle * M_PI / 180.0;
    const double c = std::cos(a), s = std::sin(a);
    const double xs[4] = {0, double(W), 0, double(W)};
    const double ys[4] = {0, 0, double(H), double(H)};
    double minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
    for (int i = 0; i < 4; ++i) {
        const double x = xs[i] * c + ys[i] * s;
        const double y = -xs[i] * s + ys[i] * c;
        minX = std::min(minX, x), maxX = std::max(maxX, x);
        minY = std::min(minY, y), maxY = std::max(maxY, y);
    }
    const TRect clip(R.Left + 2, R.Top + 2, R.Right - 2, R.Bottom - 2);
    const double boxW = maxX - minX, boxH = maxY - minY;
    double left = clip.Left, top = clip.Top;
    if (HAlign == taRightJustify)
        left = clip.Right - boxW;
    else if (HAlign == taCenter)
        left = clip.Left + (clip.Width() - boxW) / 2;
    if (VAlign == vtaBottom)
        top = clip.Bottom - boxH;
    else if (VAlign == vtaCenter)
        top = clip.Top + (clip.Height() - boxH) / 2;
    return TPoint(static_cast<int>(std::lround(left - minX)), static_cast<int>(std::lround(top - minY)));
}

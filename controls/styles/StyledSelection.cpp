// The gradient fill and the styled selection frame shared by the grid and the dropdowns.
#include "controls/styles/StyledSelection.h"

#include "toolkit/graphics/Canvas.h"

#include <algorithm>
#include <cmath>

void FillSolidRect(TCanvas* Canvas, TColor Color, const TRect& R) {
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(Color);
    Canvas->Pen()->SetColor(Color);
    Canvas->FillRect(R);
}

void DrawColorLine(TCanvas* Canvas, TColor Color, int X1, int Y1, int X2, int Y2) {
    Canvas->Pen()->SetColor(Color);
    Canvas->MoveTo(X1, Y1);
    Canvas->LineTo(X2, Y2);
}

void DrawGradientRect(TCanvas* Canvas, TColor FromColor, TColor ToColor, int Steps, TRect R,
                      bool Horizontal) {
    if (R.Top == R.Bottom) return;
    if (R.Bottom < R.Top) std::swap(R.Top, R.Bottom);
    if (FromColor == clNone || ToColor == clNone) {
        if (FromColor == clNone && ToColor == clNone) return;
        FillSolidRect(Canvas, ColorToRGB(FromColor == clNone ? ToColor : FromColor), R);
        return;
    }
    const TColor from = ColorToRGB(FromColor), to = ColorToRGB(ToColor);
    const int extent = Horizontal ? R.Width() : R.Height();
    if (extent <= 0) return;
    const int e = extent - 1;
    Steps = std::max(1, std::min(Steps, e));
    const double d = static_cast<double>(e) / Steps;
    const int end = Horizontal ? R.Right : R.Bottom;
    Canvas->Brush()->SetStyle(bsSolid);
    for (int i = 0; i <= Steps; ++i) {
        // Halves round to even, as the grid's arithmetic always has.
        auto band = [&](int f, int t) {
            return f + static_cast<int>(std::lrint(i * (double(t - f) / Steps)));
        };
        const int red = band(GetRValue(from), GetRValue(to));
        const int green = band(GetGValue(from), GetGValue(to));
        const int blue = band(GetBValue(from), GetBValue(to));
        const TColor bandColor = RGB(red, green, blue);
        const int p = static_cast<int>(i * d);
        const int stop = std::min(end, (Horizontal ? R.Left : R.Top) + p + static_cast<int>(d + 1));
        FillSolidRect(Canvas, bandColor,
                      Horizontal ? TRect(R.Left + p, R.Top, stop, R.Bottom)
                                 : TRect(R.Left, R.Top + p, R.Right, stop));
    }
}

// Selection frame
// ---------------------------------------------------------------------------------------------------

void DrawStyledSelection(TCanvas* Canvas, TColor Color, TColor ColorTo, TColor MirrorColor,
                         TColor MirrorColorTo, TColor InnerTopColor, TColor InnerBottomColor,
                         TColor BorderColor, TColor CornerColor, TColor BackgroundColor, TRect R,
                         int Segment) {
    R.Bottom -= 2;
    R.Right -= 1;
    const int m = R.Top + (R.Bottom - R.Top) / 2;
    const bool leftClosed = Segment == 0 || Segment == 1;
    const bool rightClosed = Segment == 0 || Segment == 2;
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetStyle(psSolid);

    DrawColorLine(Canvas, InnerTopColor, R.Left, R.Top + 1, R.Right, R.Top + 1);
    if (leftClosed) DrawColorLine(Canvas, InnerTopColor, R.Left + 1, R.Top + 1, R.Left + 1, m);
    if (rightClosed) DrawColorLine(Canvas, InnerTopColor, R.Right - 2, R.Top + 1, R.Right - 2, m);

    DrawColorLine(Canvas, InnerBottomColor, R.Left, R.Bottom - 1, R.Right, R.Bottom - 1);
    if (leftClosed) DrawColorLine(Canvas, InnerBottomColor, R.Left + 1, m, R.Left + 1, R.Bottom - 1);
    if (rightClosed) DrawColorLine(Canvas, InnerBottomColor, R.Right - 2, m, R.Right - 2, R.Bottom - 1);

    const int leftInset = leftClosed ? 2 : 0;
    const int rightInset = rightClosed ? 2 : 0;
    DrawColorLine(Canvas, BorderColor, R.Left + leftInset, R.Top, R.Right - rightInset, R.Top);
    DrawColorLine(Canvas, BorderColor, R.Left + leftInset, R.Bottom, R.Right - rightInset, R.Bottom);
    if (rightClosed) DrawColorLine(Canvas, BorderColor, R.Right - 1, R.Top + 2, R.Right - 1, R.Bottom - 1);
    if (leftClosed) DrawColorLine(Canvas, BorderColor, R.Left, R.Top + 2, R.Left, R.Bottom - 1);

    if (leftClosed) {
        for (const TPoint p :
             {TPoint(R.Left + 1, R.Top), TPoint(R.Left + 1, R.Top + 1), TPoint(R.Left, R.Top + 1),
              TPoint(R.Left + 1, R.Bottom), TPoint(R.Left + 1, R.Bottom - 1), TPoint(R.Left, R.Bottom - 1)})
            Canvas->SetPixels(p.X, p.Y, ColorToRGB(CornerColor));
        Canvas->SetPixels(R.Left, R.Top, ColorToRGB(BackgroundColor));
        Canvas->SetPixels(R.Left, R.Bottom, ColorToRGB(BackgroundColor));
    }
    if (rightClosed) {
        for (const TPoint p : {TPoint(R.Right - 2, R.Top), TPoint(R.Right - 2, R.Top + 1),
                               TPoint(R.Right - 1, R.Top + 1), TPoint(R.Right - 2, R.Bottom),
                               TPoint(R.Right - 2, R.Bottom - 1), TPoint(R.Right - 1, R.Bottom - 1)})
            Canvas->SetPixels(p.X, p.Y, ColorToRGB(CornerColor));
        Canvas->SetPixels(R.Right - 1, R.Top, ColorToRGB(BackgroundColor));
        Canvas->SetPixels(R.Right - 1, R.Bottom, ColorToRGB(BackgroundColor));
    }

    const TRect f(R.Left + leftInset, R.Top + 2, R.Right - rightInset, R.Bottom - 1);
    if (ColorTo == clNone) {
        FillSolidRect(Canvas, Color, f);
    } else if (MirrorColor == clNone) {
        DrawGradientRect(Canvas, Color, ColorTo, 16, f, false);
    } else {
        const int half = f.Top + f.Height() / 2;
        DrawGradientRect(Canvas, Color, ColorTo, 16, TRect(f.Left, f.Top, f.Right, half), false);
        DrawGradientRect(Canvas, MirrorColor, MirrorColorTo, 16, TRect(f.Left, half, f.Right, f.Bottom),
                         false);
    }
}

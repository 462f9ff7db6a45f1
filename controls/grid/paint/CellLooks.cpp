// The drawing routines of the cell looks.
#include "controls/grid/paint/CellLooks.h"

#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Picture.h"
#include "toolkit/graphics/ThemeDraw.h"
#include "toolkit/system/SysUtils.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
// Rounds halves to even, as the grid's arithmetic always has.
int roundLook(double v) {
    return static_cast<int>(std::lrint(v));
}

const TColorTone& toneOfState(const TColorTones& t, int state) {
    switch (state) {
    case 1:
        return t.Hover;
    case 2:
        return t.Selected;
    case 3:
        return t.Disabled;
    default:
        return t.Background;
    }
}

int clampChannel(long v) {
    return static_cast<int>(std::clamp<long>(v, 0, 255));
}

// A part of a progress bar: a gradient from the edges to the middle across the bar, or a plain fill.
void cylinderFill(TCanvas* c, const TRect& r, TColor color, TColor colorTo, const TCellProgressLook& look) {
    if (r.IsEmpty()) return;
    if (!look.ShowGradient) {
        FillRectColor(c, r, color);
        return;
    }
    if (look.Vertical) {
        const int mid = r.Left + r.Width() / 2;
        DrawGradientRect(c, colorTo, color, look.Steps, TRect(r.Left, r.Top, mid, r.Bottom), true);
        DrawGradientRect(c, color, colorTo, look.Steps, TRect(mid, r.Top, r.Right, r.Bottom), true);
    } else {
        const int mid = r.Top + r.Height() / 2;
        DrawGradientRect(c, colorTo, color, look.Steps, TRect(r.Left, r.Top, r.Right, mid), false);
        DrawGradientRect(c, color, colorTo, look.Steps, TRect(r.Left, mid, r.Right, r.Bottom), false);
    }
}

// The part from `start` for `length` pixels along the bar, `inset` pixels inside the frame.
TRect progressPart(const TRect& r, bool vertical, int start, int length, int inset) {
    if (vertical)
        return TRect(r.Left + inset, r.Bottom - inset - start - length, r.Right - inset,
                     r.Bottom - inset - start);
    return TRect(r.Left + inset + start, r.Top + inset, r.Left + inset + start + length, r.Bottom - inset);
}
} // namespace

// Fills and colours
// ---------------------------------------------------------------------------------------------------

void FillRectColor(TCanvas* Canvas, const TRect& R, TColor Color) {
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(Color);
    Canvas->FillRect(R);
}

void FillCellBackground(TCanvas* Canvas, const TRect& R, TColor Color, TColor ColorTo, TColor MirrorColor,
                        TColor MirrorColorTo, bool Vertical, TColor BorderColor, bool SideLinesOnly,
                        bool Fill) {
    if (Fill && Color != clNone) {
        if (MirrorColor == clNone && ColorTo == clNone) {
            Canvas->Pen()->SetWidth(1);
            Canvas->Pen()->SetStyle(psSolid);
            FillSolidRect(Canvas, Color, TRect(R.Left, R.Top, R.Right, R.Bottom + 1));
        } else if (MirrorColor == clNone) {
            DrawGradientRect(Canvas, Color, ColorTo, 128, R, !Vertical);
        } else {
            TRect first = R, second = R;
            if (Vertical)
                first.Bottom = second.Top = R.Top + R.Height() / 2;
            else
                first.Right = second.Left = R.Left + R.Width() / 2;
            DrawGradientRect(Canvas, Color, ColorTo, 128, first, !Vertical);
            DrawGradientRect(Canvas, MirrorColor, MirrorColorTo, 128, second, !Vertical);
        }
    }
    if (BorderColor == clNone) return;
    if (SideLinesOnly) {
        DrawColorLine(Canvas, BorderColor, R.Left, R.Top, R.Left, R.Bottom);
        DrawColorLine(Canvas, BorderColor, R.Right - 1, R.Top, R.Right - 1, R.Bottom);
    } else {
        Canvas->Brush()->SetStyle(bsSolid);
        Canvas->Brush()->SetColor(BorderColor);
        Canvas->FrameRect(R);
    }
}

TColor InterpolateColor(TColor FromColor, TColor ToColor, int RangeStart, int RangeEnd, int Position) {
    if (ToColor == clNone || RangeEnd == RangeStart) return FromColor;
    const TColor from = ColorToRGB(FromColor), to = ColorToRGB(ToColor);
    const double range = static_cast<double>(RangeEnd) - RangeStart;
    auto channel = [&](int f, int t) {
        return clampChannel(f + std::lround(double(t - f) / range * Position));
    };
    return RGB(channel(GetRValue(from), GetRValue(to)), channel(GetGValue(from), GetGValue(to)),
               channel(GetBValue(from), GetBValue(to)));
}

TColor HalveColor(TColor Color) {
    const TColor c = ColorToRGB(Color);
    return RGB(GetRValue(c) >> 1, GetGValue(c) >> 1, GetBValue(c) >> 1);
}

TColor BrightenColor(TColor Color, int Percent) {
    const TColor c = ColorToRGB(Color);
    auto channel = [&](int v) { return clampChannel(std::lround(v + double(Percent) * v / 100.0)); };
    return RGB(channel(GetRValue(c)), channel(GetGValue(c)), channel(GetBValue(c)));
}

// Progress bars and indicators
// ---------------------------------------------------------------------------------------------------

void DrawCellProgress(TCanvas* Canvas, const TRect& R, int Percent, const TCellProgressLook& Look) {
    // The bar never reaches past its frame, whatever percentage it is handed.
    const int pct = std::clamp(Percent, 0, 100);
    const TColor framePen = Look.ShowBorder ? Look.BorderColor : Look.UnCompleteColor;
    int len = Look.Vertical ? R.Height() : R.Width();
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetColor(framePen);
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(Look.UnCompleteColor);
    Canvas->Rectangle(R);
    len -= 2;

    if (pct > 0 && len > 0) {
        const double l = len;
        if (Look.Stacked) {
            const int p1 =
                pct < Look.Level1Perc ? roundLook(pct / 100.0 * l) : roundLook(Look.Level1Perc / 100.0 * l);
            cylinderFill(Canvas, progressPart(R, Look.Vertical, 0, p1, 1), Look.Level0Color,
                         Look.Level0ColorTo, Look);
            if (pct >= Look.Level1Perc) {
                const int p2 = pct < Look.Level2Perc
                                   ? roundLook(l * (pct - Look.Level1Perc) / 100.0)
                                   : roundLook(l * (Look.Level2Perc - Look.Level1Perc) / 100.0);
                cylinderFill(Canvas, progressPart(R, Look.Vertical, p1, p2, 1), Look.Level1Color,
                             Look.Level1ColorTo, Look);
                if (pct >= Look.Level2Perc) {
                    const int p3 =
                        pct == 100 ? len - p1 - p2 : roundLook(l * (pct - Look.Level2Perc) / 100.0);
                    cylinderFill(Canvas, progressPart(R, Look.Vertical, p1 + p2, p3, 1), Look.Level3Color,
                                 Look.Level3ColorTo, Look);
                }
            }
        } else {
            TColor color = Look.Level2Color, colorTo = Look.Level2ColorTo;
            if (pct < Look.Level1Perc) {
                color = Look.Level0Color;
                colorTo = Look.Level0ColorTo;
            } else if (pct < Look.Level2Perc) {
                color = Look.Level1Color;
                colorTo = Look.Level1ColorTo;
            } else if (pct > 99) {
                color = Look.Level3Color;
                colorTo = Look.Level3ColorTo;
            }
            if (Look.CompletionSmooth) {
                cylinderFill(Canvas, progressPart(R, Look.Vertical, 0, roundLook(pct / 100.0 * l), 1), color,
                             colorTo, Look);
            } else {
                const int t = roundLook(pct * l / 100.0);
                if (t > 9) {
                    const int blocks = t / 9;
                    for (int b = 0; b < blocks; ++b)
                        cylinderFill(Canvas, progressPart(R, Look.Vertical, b * 9, 7, 2), color, colorTo,
                                     Look);
                    if (t % 9 > 2)
                        cylinderFill(Canvas, progressPart(R, Look.Vertical, blocks * 9, t % 9 - 1, 2), color,
                                     colorTo, Look);
                    Canvas->Brush()->SetStyle(bsClear);
                } else if (t > 1) {
                    cylinderFill(Canvas, progressPart(R, Look.Vertical, 0, t - 1, 2), color, colorTo, Look);
                }
            }
        }
    }

    if (Look.ShowPercentage) {
        Canvas->Brush()->SetStyle(bsClear);
        if (Look.Font) Canvas->SetFont(Look.Font);
        Canvas->Font()->SetColor(Look.CompleteFontColor);
        const String text = String::number(Percent) + "%";
        const int tw = Canvas->TextWidth(text), th = Canvas->TextHeight(text);
        Canvas->TextOut(R.Left + (R.Width() - tw) / 2, R.Top + (R.Height() - th) / 2, text);
    }
    Canvas->Pen()->SetColor(framePen);
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->Rectangle(R);
    Canvas->Brush()->SetStyle(bsSolid);
}

void DrawClassicProgress(TCanvas* Canvas, TRect R, TColor BarColor, TColor BarTextColor, TColor RestColor,
                         TColor RestTextColor, double Position, int MarginX, int MarginY, int Min, int Max,
                         const String& FormatText, TColor BorderColor, bool Print) {
    const TColor background = Canvas->Brush()->Color();
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(BarColor);
    Canvas->Pen()->SetColor(BarColor);
    Canvas->Font()->SetColor(BarTextColor);

    String text;
    int pct = 0;
    if (!FormatText.isEmpty()) {
        try {
            if (FormatText.contains('d') || FormatText.contains('u'))
                text = Format(FormatText, {roundLook(Position)});
            else
                text = Format(FormatText, {Position});
        } catch (const Exception&) {
            // A format that does not fit its number (texts may come from language files) shows the number.
            text = String::number(roundLook(Position));
        }
        // An empty range has nothing done yet.
        pct = Max == Min ? 0 : roundLook((Position - Min) * 100.0 / (double(Max) - Min));
    } else {
        text = String::number(roundLook(Position)) + "%";
        pct = roundLook(Position);
    }
    pct = std::clamp(pct, 0, 100);

    R = TRect(R.Left + MarginX, R.Top + MarginY, R.Right - MarginX, R.Bottom - MarginY);
    const TRect bar(R.Left, R.Top, R.Left + roundLook(pct * R.Width() / 100.0), R.Bottom);
    const int k = Print ? -1 : 1;
    const int x = R.Left + (R.Width() - Canvas->TextWidth(text)) / 2;
    const int y = R.Top + (R.Height() - Canvas->TextHeight(text) * k) / 2;
    Canvas->TextRect(bar, x, y, text);
    Canvas->Brush()->SetColor(RestColor);
    Canvas->Pen()->SetColor(RestColor);
    Canvas->Font()->SetColor(RestTextColor);
    Canvas->TextRect(TRect(bar.Right, R.Top, R.Right, R.Bottom), x, y, text);

    Canvas->Brush()->SetColor(BorderColor);
    Canvas->Pen()->SetColor(background);
    R = TRect(R.Left - 1, R.Top - 1, R.Right + 1, R.Bottom + 1);
    if (BorderColor != clNone) Canvas->FrameRect(R);
    Canvas->Brush()->SetColor(background);
    R = TRect(R.Left - 1, R.Top - 1, R.Right + 1, R.Bottom + 1);
    Canvas->FrameRect(R);
}

// The filled sector is drawn as a polygon along the rim rather than flood-filled, so it needs no surface
// to read back (a printer has none) and cannot leak through a gap in the outline.
void DrawProgressPie(TCanvas* Canvas, const TRect& R, TColor Color, int Percent, bool) {
    const int pct = std::clamp(Percent, 0, 100);
    const int w = R.Width(), h = R.Height();
    const int cx = R.Left + w / 2, cy = R.Top + h / 2;
    Canvas->Pen()->SetColor(clGray);
    Canvas->Pen()->SetWidth(1);
    Canvas->Ellipse(R);
    const double rx = (w + 1) * 0.5, ry = (h + 1) * 0.5;
    const double a = pct / 100.0 * 2 * std::numbers::pi;
    auto rim = [&](double angle) {
        return TPoint(cx + roundLook(rx * std::sin(angle)), cy - roundLook(ry * std::cos(angle)));
    };
    if (pct > 0) {
        std::vector<TPoint> sector{TPoint(cx, cy)};
        const int steps = std::max(2, pct);
        for (int i = 0; i <= steps; ++i)
            sector.push_back(rim(a * i / steps));
        // The rim points lie on the bounding box's edge; keep the sector inside the circle's box.
        for (TPoint& p : sector) {
            p.X = std::clamp(p.X, R.Left, R.Right - 1);
            p.Y = std::clamp(p.Y, R.Top, R.Bottom - 1);
        }
        Canvas->Brush()->SetStyle(bsSolid);
        Canvas->Brush()->SetColor(Color);
        Canvas->Polygon(sector);
    }
    Canvas->MoveTo(cx, R.Top);
    Canvas->LineTo(cx, cy);
    const TPoint end = rim(a);
    Canvas->MoveTo(cx, cy);
    Canvas->LineTo(end.X, end.Y);
}

void DrawRangeIndicator(TCanvas* Canvas, TRect R, int Value, int Range, bool ShowValue, TColor NegativeColor,
                        TColor PositiveColor) {
    R = TRect(R.Left + 2, R.Top + 2, R.Right - 2, R.Bottom - 2);
    const int c = R.Width() / 2;
    // A range of nothing has no scale to place a value on: the indicator stays empty.
    const int value = Range > 0 ? std::clamp(Value, -Range, Range) : 0;
    const int x = Range > 0 ? roundLook(double(c) * value / Range) : 0;
    if (x < 0)
        FillSolidRect(Canvas, NegativeColor, TRect(R.Left + c + x, R.Top, R.Left + c, R.Bottom));
    else if (x > 0)
        FillSolidRect(Canvas, PositiveColor, TRect(R.Left + c, R.Top, R.Left + c + x, R.Bottom));
    if (ShowValue) {
        Canvas->Brush()->SetStyle(bsClear);
        const String text = String::number(value);
        Canvas->TextOut(R.Left + (R.Width() - Canvas->TextWidth(text)) / 2,
                        R.Top + (R.Height() - Canvas->TextHeight(text)) / 2, text);
        Canvas->Brush()->SetStyle(bsSolid);
    }
}

// Shapes
// ---------------------------------------------------------------------------------------------------

void DrawCellShape(TCanvas* Canvas, int Left, int Top, int W, int H, TCellShape Shape, TColor BrushColor,
                   TColor PenColor) {
    if (Shape < csRectangle || Shape > csHalfStar) return;
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(BrushColor);
    Canvas->Pen()->SetColor(PenColor);
    if ((Shape == csCircle || Shape == csSquare || Shape == csRoundSquare) && W != H) W = H = std::min(W, H);
    const int w2 = W - W % 2, h2 = H - H % 2;
    auto star = [&](std::initializer_list<int> ks) {
        const int cx = Left + W / 2, cy = Top + H / 2;
        std::vector<TPoint> pts;
        for (int k : ks) {
            const double rx = (k % 2 == 0) ? W / 2 : (W / 2) / 3.0;
            const double ry = (k % 2 == 0) ? H / 2 : (H / 2) / 3.0;
            const double a = k * std::numbers::pi / 5;
            pts.emplace_back(cx + roundLook(std::sin(a) * rx), cy - roundLook(std::cos(a) * ry));
        }
        Canvas->Polygon(pts);
    };
    switch (Shape) {
    case csRectangle:
    case csSquare:
        Canvas->Rectangle(Left + 1, Top + 1, Left + W - 1, Top + H - 1);
        break;
    case csCircle:
    case csEllips:
        Canvas->Ellipse(Left, Top, Left + W, Top + H);
        break;
    case csRoundRect:
    case csRoundSquare:
        Canvas->RoundRect(Left, Top, Left + W, Top + H, 10, 10);
        break;
    case csLineVert:
        Canvas->Rectangle(Left + W / 2, Top, Left + W / 2 + 1, Top + H);
        break;
    case csLineHorz:
        Canvas->Rectangle(Left, Top + H / 2, Left + W, Top + H / 2 + 1);
        break;
    case csTriangleLeft:
        Canvas->Polygon({{Left + W, Top}, {Left + W, Top + H}, {Left, Top + H / 2}});
        break;
    case csTriangleRight:
        Canvas->Polygon({{Left, Top}, {Left, Top + H}, {Left + W, Top + H / 2}});
        break;
    case csTriangleUp:
        Canvas->Polygon({{Left, Top + H}, {Left + W, Top + H}, {Left + W / 2, Top}});
        break;
    case csTriangleDown:
        Canvas->Polygon({{Left, Top}, {Left + W, Top}, {Left + W / 2, Top + H}});
        break;
    case csDiamond:
        Canvas->Polygon({{Left, Top + H / 2},
                         {Left + W / 2, Top},
                         {Left + 2 * (W / 2), Top + H / 2},
                         {Left + W / 2, Top + 2 * (H / 2)}});
        break;
    case csStar:
        star({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
        break;
    case csHalfStar:
        star({0, 5, 6, 7, 8, 9});
        break;
    case csArrowUp:
        Canvas->Polygon({{Left, Top + H / 2},
                         {Left + w2 / 2, Top},
                         {Left + w2, Top + H / 2},
                         {Left + 3 * (w2 / 4), Top + H / 2},
                         {Left + 3 * (w2 / 4), Top + H},
                         {Left + w2 / 4, Top + H},
                         {Left + w2 / 4, Top + H / 2}});
        break;
    case csArrowDown:
        Canvas->Polygon({{Left, Top + H / 2},
                         {Left + w2 / 2, Top + H},
                         {Left + w2, Top + H / 2},
                         {Left + 3 * (w2 / 4), Top + H / 2},
                         {Left + 3 * (w2 / 4), Top},
                         {Left + w2 / 4, Top},
                         {Left + w2 / 4, Top + H / 2}});
        break;
    case csArrowLeft:
        Canvas->Polygon({{Left, Top + h2 / 2},
                         {Left + W / 2, Top},
                         {Left + W / 2, Top + h2 / 4},
                         {Left + W, Top + h2 / 4},
                         {Left + W, Top + 3 * (h2 / 4)},
                         {Left + W / 2, Top + 3 * (h2 / 4)},
                         {Left + W / 2, Top + h2}});
        break;
    case csArrowRight:
        Canvas->Polygon({{Left + W, Top + h2 / 2},
                         {Left + W / 2, Top},
                         {Left + W / 2, Top + h2 / 4},
                         {Left, Top + h2 / 4},
                         {Left, Top + 3 * (h2 / 4)},
                         {Left + W / 2, Top + 3 * (h2 / 4)},
                         {Left + W / 2, Top + h2}});
        break;
    }
}

// Buttons
// ---------------------------------------------------------------------------------------------------

void DrawDownArrow(TCanvas* Canvas, int X, int Y, TColor Color) {
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(Color);
    Canvas->Pen()->SetColor(Color);
    Canvas->Polygon({{X - 3, Y}, {X + 3, Y}, {X, Y + 3}});
}

// Looks 0 to 2 come from Qt's style; when no style can draw (no widget application), the tones do.
void DrawComboButton(TCanvas* Canvas, HWND, const TRect& R, int Look, int State, const TColorTones& Tones) {
    TRect r(R.Right - 17 - 2, R.Top + 1, R.Right - 2, R.Bottom - 1);
    bool drawn = false;
    if (Look == 0)
        drawn = DrawThemeBackground(Canvas, "combobox", 1, State == 3 ? 4 : 1, r);
    else if (Look == 1 || Look == 2)
        drawn = DrawFrameControl(Canvas, r, DFC_SCROLL,
                                 DFCS_SCROLLCOMBOBOX | (State == 3 ? unsigned(DFCS_INACTIVE) : 0u) |
                                     (Look == 2 ? unsigned(DFCS_FLAT) : 0u));
    if (drawn) return;
    r.Left += 3;
    const TColorTone& tone = toneOfState(Tones, State);
    FillSolidRect(Canvas, tone.BrushColor, r);
    DrawColorLine(Canvas, Tones.Background.BorderColor, r.Left + 1, r.Top, r.Left + 1, r.Bottom);
    Canvas->Brush()->SetColor(Tones.Background.TextColor);
    Canvas->Pen()->SetColor(Tones.Background.TextColor);
    Canvas->Polygon({{r.Left + 5, r.Top + 8}, {r.Left + 11, r.Top + 8}, {r.Left + 8, r.Top + 11}});
}

void DrawPushButton(TCanvas* Canvas, HWND, const TRect& R, int Look, int State, const TColorTones& Tones) {
    bool drawn = false;
    if (Look == 0) {
        drawn = DrawThemeBackground(Canvas, "button", 1, State >= 1 && State <= 3 ? State + 1 : 1, R);
    } else if (Look == 1 || Look == 2) {
        unsigned flags = DFCS_BUTTONPUSH | (Look == 2 ? unsigned(DFCS_FLAT) : 0u);
        if (State == 1) flags |= DFCS_HOT;
        if (State == 2) flags |= DFCS_PUSHED;
        if (State == 3) flags |= DFCS_INACTIVE;
        drawn = DrawFrameControl(Canvas, R, DFC_BUTTON, flags);
    }
    if (drawn) return;
    const TColorTone& tone = toneOfState(Tones, State);
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(tone.BrushColor);
    Canvas->Pen()->SetColor(tone.BorderColor);
    Canvas->Rectangle(R);
}

void DrawSpinButtons(TCanvas* Canvas, HWND, const TRect& R, int Look, int State, const TColorTones& Tones) {
    const TRect r(R.Right - 15 - 1, R.Top - 1, R.Right - 1, R.Bottom - 1);
    const int m = r.Top + r.Height() / 2;
    const TRect upper(r.Left, r.Top, r.Right, m), lower(r.Left, m + 1, r.Right, r.Bottom);
    bool drawn = false;
    if (Look == 0) {
        const int state = State == 3 ? 4 : 1;
        drawn = DrawThemeBackground(Canvas, "spin", 1, state, upper) &&
                DrawThemeBackground(Canvas, "spin", 2, state, lower);
    } else if (Look == 1 || Look == 2) {
        const unsigned extra =
            (State == 3 ? unsigned(DFCS_INACTIVE) : 0u) | (Look == 2 ? unsigned(DFCS_FLAT) : 0u);
        drawn = DrawFrameControl(Canvas, upper, DFC_SCROLL, DFCS_SCROLLUP | extra) &&
                DrawFrameControl(Canvas, lower, DFC_SCROLL, DFCS_SCROLLDOWN | extra);
    }
    if (drawn) return;
    const TColorTone& tone = toneOfState(Tones, State);
    FillSolidRect(Canvas, tone.BrushColor, upper);
    FillSolidRect(Canvas, tone.BrushColor, lower);
    Canvas->Brush()->SetColor(clBlack);
    Canvas->Pen()->SetColor(clBlack);
    Canvas->Polygon({{r.Left + 5, upper.Top + 5}, {r.Left + 9, upper.Top + 5}, {r.Left + 7, upper.Top + 3}});
    Canvas->Polygon({{r.Left + 5, m + 2}, {r.Left + 9, m + 2}, {r.Left + 7, m + 4}});
}

// Error underline and bitmaps
// ---------------------------------------------------------------------------------------------------

// Character positions come from the canvas font on one line instead of from a hidden edit: the same
// positions, without making a window for each underline.
void DrawErrorUnderline(TCanvas* Canvas, const String& Text, const TRect& R, int YOffset, int ErrorStart,
                        int ErrorLength) {
    const int len = static_cast<int>(Text.size());
    ErrorStart = std::max(0, ErrorStart);
    auto posOf = [&](int i) { return Canvas->TextWidth(Text.left(std::clamp(i, 0, len))); };
    const int x0 = ErrorStart < len ? posOf(ErrorStart) : posOf(len) + 4;
    const int x1 = ErrorStart + ErrorLength < len ? posOf(ErrorStart + ErrorLength - 1) : posOf(len - 1) + 4;
    const int y = R.Top + YOffset;
    const int oldWidth = Canvas->Pen()->Width();
    Canvas->Pen()->SetColor(clRed);
    Canvas->Pen()->SetWidth(2);
    Canvas->MoveTo(R.Left + x0, y + 3);
    int g = 3;
    int x = x0;
    while (x <= x1) {
        g = g == 3 ? 0 : 3;
        Canvas->LineTo(R.Left + x + 3, y + g);
        x += 3;
    }
    Canvas->LineTo(R.Left + x + 3, y + (g != 3 ? 3 : 0));
    Canvas->Pen()->SetWidth(oldWidth);
}

void DrawTransparentBitmap(TCanvas* Canvas, TBitmap* Bitmap, TColor Color, const TRect& R) {
    if (!Canvas || !Bitmap || Bitmap->Empty()) return;
    TBitmap work;
    work.Assign(Bitmap);
    work.SetTransparent(false);
    const uint32_t key = work.ScanLine(0)[0] & 0xFFFFFF;
    const TColor rgb = ColorToRGB(Color);
    const uint32_t fill = 0xFF000000u | (uint32_t(GetRValue(rgb)) << 16) | (uint32_t(GetGValue(rgb)) << 8) |
                          uint32_t(GetBValue(rgb));
    for (int y = 0; y < work.Height(); ++y) {
        uint32_t* row = work.ScanLine(y);
        for (int x = 0; x < work.Width(); ++x)
            if ((row[x] & 0xFFFFFF) == key) row[x] = fill;
    }
    Canvas->Draw(R.Left, R.Top, &work);
}

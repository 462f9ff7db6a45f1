// The drawing routines every cell look is made of: gradient and mirror fills, the styled selection frame,
// progress bars, range indicator, shapes, buttons, the error zigzag and colour arithmetic. They draw
// through the toolkit canvas only and keep no state, so screen, preview, printer and picture export share
// them.
#pragma once

#include "controls/styles/QvStyleIF.h"
#include "controls/styles/StyledSelection.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Graphics.h"
#include "toolkit/graphics/Picture.h"

enum TCellShape {
    csRectangle,
    csCircle,
    csTriangleLeft,
    csTriangleRight,
    csTriangleUp,
    csTriangleDown,
    csDiamond,
    csLineVert,
    csLineHorz,
    csRoundRect,
    csEllips,
    csSquare,
    csRoundSquare,
    csStar,
    csArrowUp,
    csArrowDown,
    csArrowLeft,
    csArrowRight,
    csHalfStar
};

struct TCellProgressLook {
    TColor Level0Color = clLime;
    TColor Level0ColorTo = clNone;
    TColor Level1Color = clYellow;
    TColor Level1ColorTo = clNone;
    TColor Level2Color = 0x00A5FF;
    TColor Level2ColorTo = clNone;
    TColor Level3Color = clRed;
    TColor Level3ColorTo = clNone;
    int Level1Perc = 70;
    int Level2Perc = 90;
    TColor BorderColor = clBlack;
    bool ShowBorder = false;
    bool Stacked = false;
    bool ShowPercentage = true;
    const TFont* Font = nullptr;
    TColor CompleteFontColor = clBlue;
    bool CompletionSmooth = true;
    bool ShowGradient = true;
    int Steps = 11;
    TColor UnCompleteColor = clWhite;
    bool Vertical = false;
};

void FillCellBackground(TCanvas* Canvas, const TRect& R, TColor Color, TColor ColorTo, TColor MirrorColor,
                        TColor MirrorColorTo, bool Vertical, TColor BorderColor, bool SideLinesOnly,
                        bool Fill);
void FillRectColor(TCanvas* Canvas, const TRect& R, TColor Color);

// Over an empty range the colour stays FromColor; channels stay within 0 .. 255.
TColor InterpolateColor(TColor FromColor, TColor ToColor, int RangeStart, int RangeEnd, int Position);
TColor HalveColor(TColor Color);
// Each channel grows by Percent and stops at 255 (or 0 for a negative Percent).
TColor BrightenColor(TColor Color, int Percent);

void DrawCellProgress(TCanvas* Canvas, const TRect& R, int Percent, const TCellProgressLook& Look);
// With Max = Min the bar is empty.
void DrawClassicProgress(TCanvas* Canvas, TRect R, TColor BarColor, TColor BarTextColor, TColor RestColor,
                         TColor RestTextColor, double Position, int MarginX, int MarginY, int Min, int Max,
                         const String& FormatText, TColor BorderColor, bool Print);
void DrawProgressPie(TCanvas* Canvas, const TRect& R, TColor Color, int Percent, bool Print);
// A Range of 0 or less draws the empty state.
void DrawRangeIndicator(TCanvas* Canvas, TRect R, int Value, int Range, bool ShowValue, TColor NegativeColor,
                        TColor PositiveColor);
void DrawCellShape(TCanvas* Canvas, int Left, int Top, int Width, int Height, TCellShape Shape,
                   TColor BrushColor, TColor PenColor);

// Look 0 themed, 1 classic frame control, 2 flat frame control, 3 drawn with the tones. State 0 normal,
// 1 hot, 2 down, 3 disabled. Window is the control the part belongs to (unused by Qt's style).
void DrawComboButton(TCanvas* Canvas, HWND Window, const TRect& R, int Look, int State,
                     const TColorTones& Tones);
void DrawPushButton(TCanvas* Canvas, HWND Window, const TRect& R, int Look, int State,
                    const TColorTones& Tones);
void DrawSpinButtons(TCanvas* Canvas, HWND Window, const TRect& R, int Look, int State,
                     const TColorTones& Tones);
void DrawDownArrow(TCanvas* Canvas, int X, int Y, TColor Color);

// A red zigzag under characters ErrorStart .. ErrorStart + ErrorLength - 1 (from 0) of Text as a single
// line laid out from R's left edge in the canvas font.
void DrawErrorUnderline(TCanvas* Canvas, const String& Text, const TRect& R, int YOffset, int ErrorStart,
                        int ErrorLength);
// Draws Bitmap at R's top-left with the colour of its top-left pixel replaced by Color.
void DrawTransparentBitmap(TCanvas* Canvas, TBitmap* Bitmap, TColor Color, const TRect& R);

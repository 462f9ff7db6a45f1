// Parts of the desktop's look (buttons, combo and spin buttons) drawn on a canvas by Qt's style, under the
// names and numbers of the visual-styles and frame-control calls the controls were written against.
#pragma once

#include "toolkit/graphics/Graphics.h"

class TCanvas;

// True when a style is there to draw with (a widget application is running).
bool IsThemeActive();

// Theme classes "button" (part 1 push button; states 1 normal, 2 hot, 3 pressed, 4 disabled; part 2 radio
// button, states 1-4 unchecked and 5-8 checked, each normal, hot, pressed, disabled; part 3 check box, the
// same plus 9-12 mixed), "progress" (part 1 the bar's trough, part 5 its fill; state 1),
// "combobox" (part 1 drop-down button; states 1 normal, 4 disabled) and "spin" (part 1 up, part 2 down,
// part 3 up of a horizontal pair (right arrow), part 4 its down (left arrow); states 1 normal, 4 disabled).
// False when the class or part is unknown or no style is active.
bool DrawThemeBackground(TCanvas* canvas, const String& themeClass, int part, int state, const TRect& rect);

// A vertical scroll bar over the rectangle as the platform's scroll bar control paints itself: positions
// 0 .. Range, Page of them in view, the thumb at Pos (kept within the range). False without a style.
bool DrawVertScrollBar(TCanvas* canvas, const TRect& rect, int Range, int Page, int Pos);
// The part of such a painted bar under a point of the rectangle's coordinates (those the bar was drawn in).
enum TScrollBarPart { sbpNone, sbpLineUp, sbpLineDown, sbpPageUp, sbpPageDown, sbpThumb };
TScrollBarPart VertScrollBarPartAt(const TRect& rect, int Range, int Page, int Pos, const TPoint& Pt);

// Frame controls: type DFC_SCROLL with DFCS_SCROLLUP / DOWN / LEFT / RIGHT / COMBOBOX, or DFC_BUTTON with
// DFCS_BUTTONPUSH, DFCS_BUTTONCHECK, DFCS_BUTTONRADIO or DFCS_BUTTON3STATE (grey when checked); the state
// flags add checked, inactive, pushed, hot and flat.
enum : unsigned {
    DFC_SCROLL = 3,
    DFC_BUTTON = 4,
    DFCS_SCROLLUP = 0x0,
    DFCS_SCROLLDOWN = 0x1,
    DFCS_SCROLLLEFT = 0x2,
    DFCS_SCROLLRIGHT = 0x3,
    DFCS_SCROLLCOMBOBOX = 0x5,
    DFCS_BUTTONCHECK = 0x0,
    DFCS_BUTTONRADIO = 0x4,
    DFCS_BUTTON3STATE = 0x8,
    DFCS_BUTTONPUSH = 0x10,
    DFCS_CHECKED = 0x400,
    DFCS_INACTIVE = 0x100,
    DFCS_PUSHED = 0x200,
    DFCS_HOT = 0x1000,
    DFCS_FLAT = 0x4000,
};
bool DrawFrameControl(TCanvas* canvas, const TRect& rect, unsigned type, unsigned state);

// What the library's editor controls ask of the desktop besides themed parts: the common controls'
// version, the part and state numbers of the visual-styles calls, a sunken edge, a system metric and the
// beep.
#pragma once

#include "toolkit/graphics/Canvas.h"

// Parts and states as the visual-styles library numbers them (for DrawThemeBackground).
enum : int { CP_DROPDOWNBUTTON = 1 };
enum : int { SPNP_UP = 1, SPNP_DOWN = 2, SPNP_UPHORZ = 3, SPNP_DOWNHORZ = 4 };
enum : int { TS_NORMAL = 1, TS_HOT = 2, TS_PRESSED = 3, TS_DISABLED = 4 };

// Whether the common controls draw themed (their major version above 5): always so over Qt's styles.
bool CommonControlsThemed();

// A one-pixel sunken edge around `rect` (the platform's BDR_SUNKENOUTER), shrinking it by one.
void DrawSunkenOuterEdge(TCanvas* canvas, TRect& rect);

// Width of the system's vertical scroll bar.
int SystemScrollBarWidth();

// The platform's default beep; the count says how many the program has sounded (for tests).
void Beep();
int BeepCount();

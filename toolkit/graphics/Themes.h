// Theme drawing for the library's own controls: themed parts and the classic frame controls, drawn with
// the running Qt style, and the few system metrics and sounds those controls ask for.
#pragma once

#include "toolkit/graphics/Canvas.h"

// Theme classes the editor controls open.
enum TThemeClass { tcComboBox, tcSpin, tcButton };

// Parts and states as the visual-styles library numbers them.
enum : int { CP_DROPDOWNBUTTON = 1 };
enum : int { SPNP_UP = 1, SPNP_DOWN = 2, SPNP_UPHORZ = 3, SPNP_DOWNHORZ = 4 };
enum : int { TS_NORMAL = 1, TS_HOT = 2, TS_PRESSED = 3, TS_DISABLED = 4 };

// Whether the common controls draw themed (their major version above 5): always so over Qt's styles.
bool CommonControlsThemed();
// Whether a visual style is in use; on by default, switched off to get the classic look.
bool IsThemeActive();
void SetThemeActive(bool active);

// One part of a themed control in one state, filling `rect`.
void DrawThemeBackground(TCanvas* canvas, TThemeClass cls, int part, int state, const TRect& rect);

// The classic frame controls of the scroll-bar kind: an arrow button.
enum TFrameArrow { faUp, faDown, faLeft, faRight, faComboBox };
enum : unsigned { DFCS_INACTIVE = 0x100, DFCS_PUSHED = 0x200, DFCS_FLAT = 0x4000 };
void DrawFrameControl(TCanvas* canvas, const TRect& rect, TFrameArrow arrow, unsigned state);

// A one-pixel sunken edge around `rect` (the platform's BDR_SUNKENOUTER), shrinking it by one.
void DrawSunkenOuterEdge(TCanvas* canvas, TRect& rect);

// Width of the system's vertical scroll bar.
int SystemScrollBarWidth();

// The platform's default beep; the count says how many the program has sounded (for tests).
void Beep();
int BeepCount();

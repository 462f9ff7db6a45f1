// Drawing for the markup renderer that the canvas lacks: in-text controls in the platform style, rotated
// text, focus rectangles and the desktop's file icons.
#pragma once

#include "toolkit/graphics/Picture.h"

enum class TMarkupControlPart { CheckBox, RadioButton, PushButton, ComboButton };

enum TMarkupControlState : unsigned {
    mcsNormal = 0,
    mcsChecked = 1,
    mcsHot = 2,
    mcsPressed = 4,
};

// Draws the part of a check box, radio button, push button or combo-box drop-down button in `r`, in the
// application's style, so in-text controls look like the desktop's own.
void DrawMarkupControlPart(TCanvas* canvas, const TRect& r, TMarkupControlPart part, unsigned state);
// Text drawn turned by `angle` degrees counter-clockwise around (x, y), the top-left of its cell.
void DrawMarkupRotatedText(TCanvas* canvas, int x, int y, int angle, const String& text);
// A dotted focus rectangle inside `r`.
void DrawMarkupFocusRect(TCanvas* canvas, const TRect& r);

// The desktop's icon for a file or folder: a name of a file or folder that exists gets its own icon,
// another name the icon of its file kind; a number picks a standard icon (0 computer, 1 desktop, 2 trash,
// 3 network, 4 drive, 5 folder, 6 file). False, and `icon` untouched, when there is none.
bool GetSystemFileIcon(const String& nameOrIndex, bool large, TBitmap* icon);
// Pixels of the small (16) or large (32) system icons.
int SystemFileIconSize(bool large);

// Width of `text` in `font` (as the canvas measures it), remembered per font and text: markup measures
// the same words of the same cells over and over. User-interface thread only.
int MarkupTextWidth(const TFont& font, const String& text);
// Height of a line of `font`.
int MarkupFontHeight(const TFont& font);
// Text in `font` and `color` with its cell's top-left at (x, y), nothing filled behind it.
void DrawMarkupText(TCanvas* canvas, const TFont& font, TColor color, int x, int y, const String& text);
// `tile` repeated from the top-left corner of `r`, clipped to it.
void DrawMarkupTiled(TCanvas* canvas, const TRect& r, const QImage& tile);

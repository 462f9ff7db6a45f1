// Where the dropdown edit's button, its text area and its popup go. Pure geometry, tested from tables.
#pragma once

#include "controls/dropdown/QvDropDown_Types.h"
#include "toolkit/graphics/Graphics.h"
#include "toolkit/system/Types.h"

// The edit's frame: a single border (3-D, new-style controls) or none.
struct TDropDownFrame {
    bool Bordered = true;
    bool Ctl3D = true;
    bool NewStyle = true;
    bool Flat = false;
    // Where the client area starts inside the window (the border's width).
    int ClientOffset() const { return Bordered ? (Ctl3D ? 2 : 1) : 0; }
};

// The button in client coordinates of an edit Width x Height (window size).
TRect DropDownButtonRect(const TDropDownFrame& Frame, int Width, int Height, int ButtonWidth);
// The text area in client coordinates: it ends 3 pixels left of the button.
TRect DropDownEditRect(const TDropDownFrame& Frame, int ClientWidth, int ClientHeight, int ButtonWidth);
// The least height the edit's font needs (h its text height, s the screen font's).
int DropDownMinimumHeight(int FontHeight, int ScreenFontHeight);

// The popup of Size for an edit at Edit (screen coordinates) inside WorkArea, the available area of the
// monitor that holds the edit: below the edit when it fits, else above when it fits, else on the side with
// more room (dpDown and dpUp keep their side), then moved in from any edge it passes; never larger than
// the area.
TRect PlaceDropDown(const TRect& Edit, TSize Size, const TRect& WorkArea, TDropPosition Position);

// The frame the edit paints over its window's edge, one pixel wide.
struct TDropDownBorder {
    enum TKind { None, Frame, HotFlat, ColdFlat };
    TKind Kind = None;
    TColor Color = clNone;
};
// A disabled themed edit with DisabledBorder: silver; an own border colour (the focus colour while
// focused, when set); else the flat look, sunken while hot, in the parent's colour while not; nothing for
// an enabled edit that is neither flat nor coloured.
TDropDownBorder DropDownBorderLook(bool Enabled, bool Themed, bool DisabledBorder, TColor BorderColor,
                                   TColor FocusBorderColor, bool Focused, bool Flat, bool Hot);

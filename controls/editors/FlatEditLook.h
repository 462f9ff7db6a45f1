// What the flat combo and the flat date-time pickers paint alike over the native control: the frame of the
// four border cases, a drop button in custom colours and the button face around a native arrow.
#pragma once

#include "toolkit/graphics/Graphics.h"

class TCanvas;

// The frame colour of a disabled themed control that keeps no ordinary border.
constexpr TColor kFlatDisabledFrame = 0xB99D7F;

// The state the frame is painted from.
struct TFlatFrame {
    int Width = 0;
    int Height = 0;
    int ButtonWidth = 0;
    bool Enabled = true;
    bool Themed = false;
    bool DisabledBorder = false;
    bool HasFocus = false;
    // Hot with a focus border: a sunken edge around the whole control.
    bool FocusBorderActive = false;
    TColor BorderColor = clNone;
    TColor FocusBorderColor = clNone;
    TColor ParentColor = clBtnFace;
    TColor Color = clWindow;
};

// A disabled themed control without an ordinary border in grey blue; else the border colour (unless the
// focus border colour takes over while focused); else the focus border colour while focused; else flat
// frames in the parent's (or, with the focus border, the button face) colour around one in the control's.
void DrawFlatFrame(TCanvas* Canvas, const TFlatFrame& Frame);

// The theme state of a themed drop button: disabled; pressed while a button is held with the list down;
// hot under the mouse; normal otherwise.
int DropButtonThemeState(bool Enabled, bool MouseDown, bool Hover, bool DroppedDown);
// The face colour of a drop button in custom colours: the hot colour under the mouse, the down colour while
// a button is held there; the plain colour where those are not set.
TColor DropButtonFaceColor(TColor Plain, TColor Hot, TColor Down, bool Hover, bool MouseDown);
// The arrow colour: the down colour while a button is held (when set), else the text colour, else black.
TColor DropButtonArrowColor(TColor Text, TColor TextDown, bool MouseDown);
// A drop button in custom colours: `Face` filled, a border line down column BorderX (not for clNone) and a
// downward arrow 7 pixels wide with its top-left corner at `Arrow`.
void DrawColouredDropButton(TCanvas* Canvas, const TRect& Face, int BorderX, TColor FaceColor, TColor Border,
                            TPoint Arrow, TColor ArrowColor);
// Fills `Face` in the button face colour, leaving `Arrow` (the native arrow) as it is.
void FillButtonFaceAround(TCanvas* Canvas, const TRect& Face, const TRect& Arrow);

// The colours each component style gives a dropdown edit's popup, bars and bar buttons, and the selection
// colour styles, kept as tables.
#pragma once

#include "controls/dropdown/QvDropDown_Types.h"
#include "controls/styles/QvStyleIF.h"

class TBarAppearance;
class TQvButtonAppearance;
class TItemAppearance;

struct TSelectionColors {
    TColor Color;
    TColor ColorTo;
    // The frame a selected cell gets: corners, outer edge, inner lines and the lower half's gradient.
    TColor Corner, Edge, InnerBottom, InnerTop, MirrorFrom, MirrorTo;
};
// Null for scCustom, which keeps the colours a caller set.
const TSelectionColors* SelectionColorsOf(TSelectionColorStyle Style);

struct TBarStyleColors {
    TColor Color;
    TColor ColorTo;
    TColor FontColor;
    TColor BorderColor;
};

struct TDropDownStyleColors {
    TQvStyle Style;
    TColor DropDownColor;
    TColor DropDownColorTo;
    // Some styles leave the popup's border colour as it is.
    bool SetBorderColor;
    TColor DropDownBorderColor;
    TBarStyleColors Header;
    TBarStyleColors Footer;
};
// Null for tsCustom, which changes nothing.
const TDropDownStyleColors* DropDownStyleColorsOf(TQvStyle Style);
// Written straight into the bar's settings: no change is announced.
void ApplyBarStyle(TBarAppearance& Bar, const TBarStyleColors& Colors);

struct TButtonStyleColors {
    TQvStyle Style;
    TColor Color, ColorTo, BorderColor;
    TColor ColorHot, ColorHotTo, BorderColorHot;
    TColor ColorDown, ColorDownTo, BorderColorDown;
    TColor ColorDisabled, ColorDisabledTo;
    TColor ColorChecked, ColorCheckedTo, BorderColorChecked;
};
const TButtonStyleColors* ButtonStyleColorsOf(TQvStyle Style);
// Through the appearance's setters: each change fires its OnChange.
void ApplyButtonStyle(TQvButtonAppearance& Appearance, const TButtonStyleColors& Colors);

// The item pickers' item looks per component style; null for tsCustom, which changes nothing.
struct TItemAppearanceStyleColors {
    TQvStyle Style;
    TColor ColorHot, ColorHotTo, ColorMirrorHot, ColorMirrorHotTo;
    TColor ColorSelected, ColorSelectedTo, ColorMirrorSelected, ColorMirrorSelectedTo;
    TColor BorderColor, BorderColorTop, BorderColorBottom, EdgeColor;
    TColor ColorSelectedText;
};
const TItemAppearanceStyleColors* ItemAppearanceStyleColorsOf(TQvStyle Style);
// Clears the hot and selected border colours and the hot text colour first.
void ApplyItemAppearanceStyle(TItemAppearance& Appearance, const TItemAppearanceStyleColors& Colors);

// The dropdown edit's button and text area, and the popup's place on the monitor.
#include "controls/dropdown/QvDropDown_Layout.h"

#include <algorithm>

TRect DropDownButtonRect(const TDropDownFrame& Frame, int Width, int Height, int ButtonWidth) {
    const int a = !Frame.Bordered ? 2 : (Frame.Flat ? 3 : 4);
    const int e = Frame.Ctl3D ? 0 : 2;
    if (Frame.NewStyle && Frame.Ctl3D && Frame.Bordered)
        return Bounds(Width - ButtonWidth - a - e, Frame.Flat ? 2 : 0, ButtonWidth, Height - a);
    return Bounds(Width - ButtonWidth - e, 1, ButtonWidth, Height - 2);
}

TRect DropDownEditRect(const TDropDownFrame& Frame, int ClientWidth, int ClientHeight, int ButtonWidth) {
    TRect r;
    r.Bottom = ClientHeight + 1;
    r.Right = ClientWidth - ButtonWidth - 3;
    r.Left = Frame.Bordered ? 1 : 2;
    r.Top = Frame.Bordered ? 1 : 3;
    if (!Frame.Ctl3D) ++r.Left;
    return r;
}

int DropDownMinimumHeight(int FontHeight, int ScreenFontHeight) {
    return FontHeight + std::min(FontHeight, ScreenFontHeight) / 4;
}

TRect PlaceDropDown(const TRect& Edit, TSize Size, const TRect& WorkArea, TDropPosition Position) {
    const int w = std::clamp(Size.cx, 0, std::max(0, WorkArea.Width()));
    const int h = std::clamp(Size.cy, 0, std::max(0, WorkArea.Height()));
    const int below = Edit.Bottom - 1;
    const int above = Edit.Top - h;
    const int roomBelow = WorkArea.Bottom - below;
    const int roomAbove = Edit.Top - WorkArea.Top;
    bool down = true;
    switch (Position) {
    case dpDown:
        down = true;
        break;
    case dpUp:
        down = false;
        break;
    case dpAuto:
        if (h <= roomBelow)
            down = true;
        else if (h <= roomAbove)
            down = false;
        else
            down = roomBelow >= roomAbove;
        break;
    }
    const int left = std::clamp(Edit.Left, WorkArea.Left, std::max(WorkArea.Left, WorkArea.Right - w));
    const int top =
        std::clamp(down ? below : above, WorkArea.Top, std::max(WorkArea.Top, WorkArea.Bottom - h));
    return Bounds(left, top, w, h);
}

TDropDownBorder DropDownBorderLook(bool Enabled, bool Themed, bool DisabledBorder, TColor BorderColor,
                                   TColor FocusBorderColor, bool Focused, bool Flat, bool Hot) {
    if (!Enabled && Themed && DisabledBorder) return {TDropDownBorder::Frame, TColor(0xC0C0C0)};
    if (BorderColor != clNone) {
        if (!Focused || FocusBorderColor == clNone) return {TDropDownBorder::Frame, BorderColor};
        return {TDropDownBorder::Frame, FocusBorderColor};
    }
    if (FocusBorderColor != clNone) {
        if (Focused) return {TDropDownBorder::Frame, FocusBorderColor};
        return {};
    }
    if (!Flat && Enabled) return {};
    return {Hot ? TDropDownBorder::HotFlat : TDropDownBorder::ColdFlat, clNone};
}

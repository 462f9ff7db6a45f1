// The flat editors' shared painting: frames, coloured drop buttons and the face around a native arrow.
#include "controls/editors/FlatEditLook.h"

#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/SystemLook.h"

void DrawFlatFrame(TCanvas* c, const TFlatFrame& f) {
    TRect r(0, 0, f.Width, f.Height);
    auto frame = [c](const TRect& rect, TColor colour) {
        c->Brush()->SetColor(colour);
        c->FrameRect(rect);
    };
    if (!f.Enabled && f.Themed && !f.DisabledBorder) {
        frame(r, kFlatDisabledFrame);
        return;
    }
    if (f.BorderColor != clNone && !(f.HasFocus && f.FocusBorderColor != clNone)) {
        frame(r, f.BorderColor);
        return;
    }
    if (f.FocusBorderColor != clNone) {
        if (f.HasFocus) frame(r, f.FocusBorderColor);
        return;
    }
    const TColor outer = f.FocusBorderActive ? clBtnFace : f.ParentColor;
    if (f.FocusBorderActive) {
        DrawSunkenOuterEdge(c, r);
        frame(r, outer);
        r = TRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
        frame(r, f.Color);
    } else {
        frame(r, outer);
        r = TRect(r.Left + 1, r.Top + 1, r.Right - 1 - f.ButtonWidth, r.Bottom - 1);
        frame(r, outer);
        r = TRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
        frame(r, f.Color);
    }
}

int DropButtonThemeState(bool Enabled, bool MouseDown, bool Hover, bool DroppedDown) {
    if (!Enabled) return TS_DISABLED;
    if (MouseDown && DroppedDown) return TS_PRESSED;
    if (MouseDown || !Hover || DroppedDown) return TS_NORMAL;
    return TS_HOT;
}

TColor DropButtonFaceColor(TColor Plain, TColor Hot, TColor Down, bool Hover, bool MouseDown) {
    TColor face = Plain;
    if (Hover) face = MouseDown ? Down : Hot;
    return face == clNone ? Plain : face;
}

TColor DropButtonArrowColor(TColor Text, TColor TextDown, bool MouseDown) {
    const TColor arrow = MouseDown && TextDown != clNone ? TextDown : Text;
    return arrow == clNone ? clBlack : arrow;
}

void DrawColouredDropButton(TCanvas* c, const TRect& Face, int BorderX, TColor FaceColor, TColor Border,
                            TPoint Arrow, TColor ArrowColor) {
    c->Brush()->SetColor(FaceColor);
    c->Pen()->SetColor(FaceColor);
    c->FillRect(Face);
    if (Border != clNone) {
        c->Pen()->SetColor(Border);
        c->MoveTo(BorderX, Face.Top);
        c->LineTo(BorderX, Face.Bottom);
    }
    c->Brush()->SetColor(ArrowColor);
    c->Pen()->SetColor(ArrowColor);
    c->Polygon({Arrow, TPoint(Arrow.X + 6, Arrow.Y), TPoint(Arrow.X + 3, Arrow.Y + 3)});
}

void FillButtonFaceAround(TCanvas* c, const TRect& Face, const TRect& Arrow) {
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(TRect(Face.Left, Face.Top, Face.Right, Arrow.Top));
    c->FillRect(TRect(Face.Left, Arrow.Bottom, Face.Right, Face.Bottom));
    c->FillRect(TRect(Face.Left, Arrow.Top, Arrow.Left, Arrow.Bottom));
    c->FillRect(TRect(Arrow.Right, Arrow.Top, Face.Right, Arrow.Bottom));
}

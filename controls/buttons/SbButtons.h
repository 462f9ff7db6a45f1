// The styled button's enumerations, colour presets, built-in glyphs and the painting routines.
#pragma once

#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Picture.h"
#include "toolkit/stdctrls/Buttons.h"

enum TSbColorStyle {
    lcsCustom,
    lcsGold,
    lcsChrome,
    lcsBlue,
    lcsRed,
    lcsUltraFlat1,
    lcsUltraFlat2,
    lcsUltraFlatXP,
    lcsAqua,
    lcsDefault,
    lcsQuicken
};
enum TSbButtonKind {
    bkCustom,
    bkOK,
    bkCancel,
    bkHelp,
    bkYes,
    bkNo,
    bkClose,
    bkAbort,
    bkRetry,
    bkIgnore,
    bkAll
};
// The glyph places of every glyph button.
using TSbButtonLayout = TButtonLayout;
enum TSbButtonStyle { bsNormal, bsEncarta, bsModern, bsOld, bsShape, bsQuicken };

// The usual key colour of the transparent looks: whatever keeps it shows the parent.
constexpr TColor clSbTransparent = clFuchsia;
// Full hot-track colour; the fade counts down from here to 0 (plain face).
constexpr int SbHotTrackSteps = 8;

// What a colour preset sets on a button.
struct TSbStyleColors {
    TColor Face = clBtnFace;
    TColor Light = clWhite;
    TColor Shadow = clGray;
    TColor WhenDown = clNone;
    TColor HotTrack = clNone;
    bool Flat = false;
    TColor FontColor = clBlack;
    TSbButtonStyle Style = bsNormal;
};
// The colours of a preset; lcsCustom answers the defaults and is not meant to be applied.
TSbStyleColors GetSbStyleColors(TSbColorStyle preset);

// Face blended towards the hot-track colour: step 0 is the face, SbHotTrackSteps the hot-track colour.
TColor SbFadeColor(TColor face, TColor hotTrack, int step);
// 32 bands from colour a (top) to colour b (bottom) inside `r`.
void SbGradientBands(TCanvas* canvas, TColor a, TColor b, const TRect& r);

// Draws the built-in bitmap of that name ("LBOK" ... "LBALL", "LBARROW") into `bitmap`; false for other
// names.
bool SbLoadGlyph(const String& name, TBitmap* bitmap);

// Everything the face painter needs to know about one button.
struct TSbFace {
    int Width = 0;
    int Height = 0;
    TAlignment Alignment = taCenter;
    String Caption;
    TSbButtonLayout Layout = blGlyphLeft;
    const TFont* Font = nullptr;
    TColor ShadowColor = clGray;
    TColor LightColor = clWhite;
    TColor HotTrackColor = clNone;
    TColor ColorWhenDown = clNone;
    TColor FaceColor = clBtnFace;
    TSbButtonStyle Style = bsNormal;
    bool HasPopup = false;
    bool WordWrap = false;
    bool Flat = false;
    bool Enabled = true;
    bool Hot = false;
    bool Pressed = false;
    TBitmap* Glyph = nullptr;
    int NumGlyphs = 0;
    int HotTrackStep = 0;
    // What bsShape fills with, to be keyed out afterwards.
    TColor TransparentColor = clSbTransparent;
};
// Paints face, border, caption, glyph and popup arrow onto `canvas` at (0, 0).
void SbPaintButtonFace(TCanvas* canvas, const TSbFace& face);

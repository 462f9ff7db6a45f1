// Colours, fonts, pens and brushes; the canvas (Canvas.h) and the pictures (Picture.h) build on them.
#pragma once

#include "toolkit/system/Classes.h"
#include "toolkit/system/Types.h"

#include <QColor>
#include <QFont>

class QPainter;
class QPaintDevice;
class QImage;

// TColor itself is a basic type (Types.h): design values below the graphics carry colours too.
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;

constexpr TColor SystemColor(int index) { return static_cast<TColor>(0xFF000000u | static_cast<unsigned>(index)); }
constexpr TColor clScrollBar = SystemColor(0);
constexpr TColor clBackground = SystemColor(1);
constexpr TColor clActiveCaption = SystemColor(2);
constexpr TColor clInactiveCaption = SystemColor(3);
constexpr TColor clMenu = SystemColor(4);
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowFrame = SystemColor(6);
constexpr TColor clMenuText = SystemColor(7);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clCaptionText = SystemColor(9);
constexpr TColor clActiveBorder = SystemColor(10);
constexpr TColor clInactiveBorder = SystemColor(11);
constexpr TColor clAppWorkSpace = SystemColor(12);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clGrayText = SystemColor(17);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clInactiveCaptionText = SystemColor(19);
constexpr TColor clBtnHighlight = SystemColor(20);
constexpr TColor cl3DDkShadow = SystemColor(21);
constexpr TColor cl3DLight = SystemColor(22);
constexpr TColor clInfoText = SystemColor(23);
constexpr TColor clInfoBk = SystemColor(24);
constexpr TColor clHotLight = SystemColor(26);
constexpr TColor clGradientActiveCaption = SystemColor(27);
constexpr TColor clGradientInactiveCaption = SystemColor(28);
constexpr TColor clMenuHighlight = SystemColor(29);
constexpr TColor clMenuBar = SystemColor(30);

// A system colour turned into its RGB value (0x00BBGGRR); any other value comes back unchanged.
TColor ColorToRGB(TColor color);
inline int GetRValue(TColor c) { return c & 0xFF; }
inline int GetGValue(TColor c) { return (c >> 8) & 0xFF; }
inline int GetBValue(TColor c) { return (c >> 16) & 0xFF; }
inline TColor RGB(int r, int g, int b) { return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16); }
QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;
enum TFontPitch { fpDefault, fpVariable, fpFixed };

// Font as the windows describe it; Size in points, Height in pixels (negative: character height).
class TFont : public TPersistent {
public:
    TFont();
    String Name() const { return FName; }
    void SetName(const String& v);
    int Size() const { return FSize; }
    void SetSize(int v);
    int Height() const;
    void SetHeight(int v);
    TColor Color() const { return FColor; }
    void SetColor(TColor v);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles v);
    int Charset() const { return FCharset; }
    void SetCharset(int v) { FCharset = v; }
    TFontPitch Pitch() const { return FPitch; }
    void SetPitch(TFontPitch v) { FPitch = v; }
    int PixelsPerInch() const { return 96; }

    void Assign(const TPersistent* source) override;
    bool Equals(const TFont& other) const;
    QFont toQFont() const;
    void fromQFont(const QFont& f);

    TNotifyEvent OnChange;

private:
    void Changed();
    String FName = "Tahoma";
    int FSize = 8;
    TColor FColor = clWindowText;
    TFontStyles FStyle = 0;
    int FCharset = 1;
    TFontPitch FPitch = fpDefault;
};

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode { pmCopy, pmNot, pmXor, pmMerge, pmMask };

class TPen : public TPersistent {
public:
    TColor Color() const { return FColor; }
    void SetColor(TColor v);
    int Width() const { return FWidth; }
    void SetWidth(int v);
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle v);
    TPenMode Mode() const { return FMode; }
    void SetMode(TPenMode v);
    void Assign(const TPersistent* source) override;
    TNotifyEvent OnChange;

private:
    void Changed() { if (OnChange) OnChange(this); }
    TColor FColor = clBlack;
    int FWidth = 1;
    TPenStyle FStyle = psSolid;
    TPenMode FMode = pmCopy;
};

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class TBrush : public TPersistent {
public:
    TColor Color() const { return FColor; }
    void SetColor(TColor v);
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle v);
    void Assign(const TPersistent* source) override;
    TNotifyEvent OnChange;

private:
    void Changed() { if (OnChange) OnChange(this); }
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
};

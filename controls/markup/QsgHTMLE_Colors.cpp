// The markup unit's colours: names, hexadecimal values and the shared highlight colours; the renderer's
// front.
#include "controls/markup/QsgHTMLE.h"

namespace {

TColor gMarkupHilightBack = clHighlight;
TColor gMarkupHilightText = clHighlightText;
bool gMarkupThemed = true;

struct MarkupColorName {
    const char* name;
    TColor color;
};

const MarkupColorName kMarkupBasicColors[] = {
    {"clred", clRed},   {"clblack", clBlack},   {"clblue", clBlue},       {"clgreen", clGreen},
    {"claqua", clAqua}, {"clyellow", clYellow}, {"clfuchsia", clFuchsia}, {"clwhite", clWhite},
    {"cllime", clLime}, {"clsilver", clSilver}, {"clgray", clGray},       {"clolive", clOlive},
    {"clnavy", clNavy}, {"clpurple", clPurple}, {"clteal", clTeal},       {"clmaroon", clMaroon},
};

const MarkupColorName kMarkupSystemColors[] = {
    {"clbackground", clBackground},
    {"clactivecaption", clActiveCaption},
    {"clinactivecaption", clInactiveCaption},
    {"clmenu", clMenu},
    {"clwindow", clWindow},
    {"clwindowframe", clWindowFrame},
    {"clmenutext", clMenuText},
    {"clwindowtext", clWindowText},
    {"clcaptiontext", clCaptionText},
    {"clactiveborder", clActiveBorder},
    {"clinactiveborder", clInactiveBorder},
    {"clappworkspace", clAppWorkSpace},
    {"clhighlight", clHighlight},
    {"clhighlighttext", clHighlightText},
    {"clbtnface", clBtnFace},
    {"clbtnshadow", clBtnShadow},
    {"clgraytext", clGrayText},
    {"clbtntext", clBtnText},
    {"clinactivecaptiontext", clInactiveCaptionText},
    {"clbtnhighlight", clBtnHighlight},
    {"cl3ddkshadow", cl3DDkShadow},
    {"cl3dlight", cl3DLight},
    {"clinfotext", clInfoText},
    {"clinfobk", clInfoBk},
};

int markupHexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    return -1;
}

// The pair at 0-based index `at`; 0 when it is missing or not hexadecimal.
int markupHexPair(const String& s, qsizetype at) {
    if (s.size() < at + 2) return 0;
    const int hi = markupHexDigit(s[at]), lo = markupHexDigit(s[at + 1]);
    return hi < 0 || lo < 0 ? 0 : hi * 16 + lo;
}

} // namespace

bool RenderMarkup(const TMarkupInput& In, TMarkupOutput& Out) {
    TMarkupRenderer renderer(In, Out);
    return renderer.Run();
}

void SetHilightColors(TColor Background, TColor Text) {
    gMarkupHilightBack = Background;
    gMarkupHilightText = Text;
}

TColor MarkupHilightColor() {
    return gMarkupHilightBack;
}

TColor MarkupHilightTextColor() {
    return gMarkupHilightText;
}

TColor MarkupColorByName(const String& Name) {
    const String lower = Name.trimmed().toLower();
    for (const auto& c : kMarkupBasicColors)
        if (lower == QLatin1String(c.name)) return c.color;
    for (const auto& c : kMarkupSystemColors)
        if (lower == QLatin1String(c.name)) return c.color;
    return clBlack;
}

TColor MarkupColorByHex(const String& Hex) {
    const int r = markupHexPair(Hex, 1), g = markupHexPair(Hex, 3), b = markupHexPair(Hex, 5);
    return r + g * 256 + b * 65536;
}

void InitMarkupWinXPFlag() {
    // Qt's style always draws the desktop's look, so in-text controls are always themed.
    gMarkupThemed = true;
}

bool MarkupThemed() {
    return gMarkupThemed;
}

// Style presets, office themes and colour tones, the interfaces through which a control takes them, and
// the detection of the desktop's office colour theme.
#pragma once

#include "toolkit/graphics/Graphics.h"

#include <functional>

enum TQvStyle {
    tsOffice2003Blue,
    tsOffice2003Silver,
    tsOffice2003Olive,
    tsOffice2003Classic,
    tsOffice2007Luna,
    tsOffice2007Obsidian,
    tsWindowsXP,
    tsWhidbey,
    tsCustom,
    tsOffice2007Silver,
    tsWindowsVista,
    tsWindows7,
    tsTerminal,
    tsOffice2010Blue,
    tsOffice2010Silver,
    tsOffice2010Black
};

enum TOfficeTheme {
    ot2003Blue,
    ot2003Silver,
    ot2003Olive,
    ot2003Classic,
    ot2007Blue,
    ot2007Silver,
    ot2007Black,
    ot2010Blue,
    ot2010Silver,
    ot2010Black,
    otUnknown
};

struct TColorTone {
    TColor BrushColor = clNone;
    TColor BorderColor = clNone;
    TColor TextColor = clNone;
};

struct TColorTones {
    TColorTone Background;
    TColorTone Foreground;
    TColorTone Selected;
    TColorTone Hover;
    TColorTone Disabled;
};

// A control that can take one of the library's preset looks.
class IQvStyle {
public:
    virtual ~IQvStyle() = default;
    virtual void SetComponentStyle(TQvStyle AStyle) = 0;
};

// A control that can take its colours from a set of tones.
class IQvTones {
public:
    virtual ~IQvTones() = default;
    virtual void SetColorTones(const TColorTones& ATones) = 0;
};

class TRegistry;

bool IsWindowsXPOrLater();
bool IsWindowsVistaOrLater();
bool IsComCtlVersion6();
String DefaultUIFontName();

// 2 when the 2010 office key exists, 1 when the 2007 one does, else 0.
int DetectOfficeVersion();
// The integer value "Theme" of Key; -1 when the key or the value is missing.
int ReadOfficeThemeValue(TRegistry* Registry, const String& Key);
// 0 none, 1 blue, 2 olive, 3 silver: the colour scheme of the desktop's visual style.
int DetectXPColorScheme();
TOfficeTheme DetectOfficeTheme();
// The preset look of an office theme; tsCustom for otUnknown.
TQvStyle PresetStyleOfOfficeTheme(TOfficeTheme theme);

// Where the colour-scheme name of the active visual style comes from. The default answers empty (no
// visual style of that kind on this desktop); tests put their own in.
using TThemeColorNameSource = std::function<String()>;
void SetThemeColorNameSource(TThemeColorNameSource source);

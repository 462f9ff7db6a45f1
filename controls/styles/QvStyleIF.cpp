// The system queries and the detection of the office colour theme.
#include "controls/styles/QvStyleIF.h"

#include "toolkit/services/Registry.h"

namespace {
const char* const kOffice2010General = "Software\\Microsoft\\Office\\14.0\\Common\\General";
const char* const kOffice2007General = "Software\\Microsoft\\Office\\12.0\\Common\\General";
const char* const kOffice2010Common = "Software\\Microsoft\\Office\\14.0\\Common";
const char* const kOffice2007Common = "Software\\Microsoft\\Office\\12.0\\Common";

TThemeColorNameSource& themeColorNameSource() {
    static TThemeColorNameSource source;
    return source;
}
} // namespace

// The desktop under Qt offers everything the library asks of those system versions but the newer UI
// font, so the grids keep the toolkit's default font.
bool IsWindowsXPOrLater() {
    return true;
}

bool IsWindowsVistaOrLater() {
    return false;
}

bool IsComCtlVersion6() {
    return true;
}

String DefaultUIFontName() {
    return IsWindowsVistaOrLater() ? "Segoe UI" : "Tahoma";
}

int DetectOfficeVersion() {
    TRegistry reg;
    reg.SetRootKey(HKEY_CURRENT_USER);
    if (reg.KeyExists(kOffice2010General)) return 2;
    if (reg.KeyExists(kOffice2007General)) return 1;
    return 0;
}

int ReadOfficeThemeValue(TRegistry* Registry, const String& Key) {
    if (!Registry || !Registry->KeyExists(Key) || !Registry->OpenKeyReadOnly(Key)) return -1;
    int value = -1;
    try {
        if (Registry->ValueExists("Theme")) value = Registry->ReadInteger("Theme");
    } catch (const ERegistryException&) {
        // A value of another kind counts as missing.
        value = -1;
    }
    Registry->CloseKey();
    return value;
}

void SetThemeColorNameSource(TThemeColorNameSource source) {
    themeColorNameSource() = std::move(source);
}

int DetectXPColorScheme() {
    if (!IsWindowsXPOrLater() || !IsComCtlVersion6()) return 0;
    const String name = themeColorNameSource() ? themeColorNameSource()() : String();
    if (name.contains("NormalColor")) return 1;
    if (name.contains("HomeStead")) return 2;
    if (name.contains("Metallic")) return 3;
    return 0;
}

TOfficeTheme DetectOfficeTheme() {
    TRegistry reg;
    reg.SetRootKey(HKEY_CURRENT_USER);
    switch (ReadOfficeThemeValue(&reg, kOffice2010Common)) {
    case -1:
        break;
    case 1:
        return ot2010Blue;
    case 2:
        return ot2010Silver;
    case 3:
        return ot2010Black;
    default:
        return ot2003Blue;
    }
    switch (ReadOfficeThemeValue(&reg, kOffice2007Common)) {
    case -1:
        break;
    case 1:
        return ot2007Blue;
    case 2:
        return ot2007Silver;
    case 3:
        return ot2007Black;
    default:
        return ot2003Blue;
    }
    switch (DetectXPColorScheme()) {
    case 0:
        return ot2003Classic;
    case 2:
        return ot2003Olive;
    case 3:
        return ot2003Silver;
    default:
        return ot2003Blue;
    }
}

TQvStyle PresetStyleOfOfficeTheme(TOfficeTheme theme) {
    switch (theme) {
    case ot2003Blue:
        return tsOffice2003Blue;
    case ot2003Silver:
        return tsOffice2003Silver;
    case ot2003Olive:
        return tsOffice2003Olive;
    case ot2003Classic:
        return tsOffice2003Classic;
    case ot2007Blue:
        return tsOffice2007Luna;
    case ot2007Silver:
        return tsOffice2007Silver;
    case ot2007Black:
        return tsOffice2007Obsidian;
    case ot2010Blue:
        return tsOffice2010Blue;
    case ot2010Silver:
        return tsOffice2010Silver;
    case ot2010Black:
        return tsOffice2010Black;
    default:
        return tsCustom;
    }
}

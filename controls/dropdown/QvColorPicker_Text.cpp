// The colour texts of the colour picker and their reading.
#include "controls/dropdown/QvColorPicker_Text.h"

#include "toolkit/graphics/ColorNames.h"
#include "toolkit/graphics/Graphics.h"
#include "toolkit/system/SysUtils.h"

#include <algorithm>
#include <cctype>

namespace {

int Red(TColor c) {
    return int(c & 0xFF);
}
int Green(TColor c) {
    return int((c >> 8) & 0xFF);
}
int Blue(TColor c) {
    return int((c >> 16) & 0xFF);
}

String Html(TColor c) {
    return QStringLiteral("#%1%2%3")
        .arg(Red(c), 2, 16, QLatin1Char('0'))
        .arg(Green(c), 2, 16, QLatin1Char('0'))
        .arg(Blue(c), 2, 16, QLatin1Char('0'))
        .toUpper();
}

TColor FromRGB(int r, int g, int b) {
    return TColor(quint32(r) | (quint32(g) << 8) | (quint32(b) << 16));
}

} // namespace

String ColorValueTextOf(TColor Color, TColorValueText Kind) {
    switch (Kind) {
    case cvtHex:
        return QStringLiteral("%1").arg(quint32(Color), 6, 16, QLatin1Char('0')).toUpper();
    case cvtWebName: {
        const TColor rgb = ColorToRGB(Color);
        const String name = WebColorName(rgb);
        return name.isEmpty() ? Html(rgb) : name;
    }
    case cvtRGB: {
        const TColor rgb = ColorToRGB(Color);
        return QStringLiteral("Red:%1,Green:%2,Blue:%3").arg(Red(rgb)).arg(Green(rgb)).arg(Blue(rgb));
    }
    case cvtHTML:
        return Html(ColorToRGB(Color));
    default:
        return String();
    }
}

namespace {

bool AllHex(const String& T) {
    return std::all_of(T.begin(), T.end(),
                       [](QChar c) { return c.unicode() < 128 && std::isxdigit(c.unicode()); });
}

// One of "Red:", "Green:", "Blue:" and one to three decimal digits after it, no more than 255.
bool ReadRgbPart(const String& Part, const char* Name, int& Value) {
    const String name = QLatin1String(Name);
    if (!Part.startsWith(name, Qt::CaseInsensitive)) return false;
    const String digits = Part.mid(name.size());
    if (digits.isEmpty() || digits.size() > 3) return false;
    for (QChar c : digits)
        if (c.unicode() < u'0' || c.unicode() > u'9') return false;
    Value = digits.toInt();
    return Value <= 255;
}

} // namespace

bool ReadColorValueText(const String& Text, TColor& Color) {
    const String t = Text.trimmed();
    if (t.size() == 7 && t.front() == QLatin1Char('#') && AllHex(t.mid(1))) {
        Color = FromRGB(t.mid(1, 2).toInt(nullptr, 16), t.mid(3, 2).toInt(nullptr, 16),
                        t.mid(5, 2).toInt(nullptr, 16));
        return true;
    }
    const QStringList parts = t.split(QLatin1Char(','));
    int r = 0, g = 0, b = 0;
    if (parts.size() == 3 && ReadRgbPart(parts[0], "Red:", r) && ReadRgbPart(parts[1], "Green:", g) &&
        ReadRgbPart(parts[2], "Blue:", b)) {
        Color = FromRGB(r, g, b);
        return true;
    }
    if (t.startsWith(QLatin1String("Red:"), Qt::CaseInsensitive)) return false;
    // Six to eight hexadecimal digits are the stored value; a text of six decimal digits reads the same.
    if (t.size() >= 6 && t.size() <= 8 && AllHex(t)) {
        Color = TColor(t.toUInt(nullptr, 16));
        return true;
    }
    try {
        Color = StringToColor(t);
        return true;
    } catch (const EConvertError&) {
        return false;
    }
}

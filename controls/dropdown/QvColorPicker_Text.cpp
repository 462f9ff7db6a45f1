// The colour texts of the colour picker and their reading.
#include "controls/dropdown/QvColorPicker_Text.h"

#include "toolkit/graphics/ColorNames.h"
#include "toolkit/graphics/Graphics.h"
#include "toolkit/system/SysUtils.h"

#include <QRegularExpression>

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

bool ReadColorValueText(const String& Text, TColor& Color) {
    const String t = Text.trimmed();
    static const QRegularExpression html(
        QStringLiteral("^#([0-9A-Fa-f]{2})([0-9A-Fa-f]{2})([0-9A-Fa-f]{2})$"));
    static const QRegularExpression rgb(QStringLiteral("^Red:(\\d{1,3}),Green:(\\d{1,3}),Blue:(\\d{1,3})$"),
                                        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{6,8}$"));
    if (const QRegularExpressionMatch m = html.match(t); m.hasMatch()) {
        Color = FromRGB(m.captured(1).toInt(nullptr, 16), m.captured(2).toInt(nullptr, 16),
                        m.captured(3).toInt(nullptr, 16));
        return true;
    }
    if (const QRegularExpressionMatch m = rgb.match(t); m.hasMatch()) {
        const int r = m.captured(1).toInt(), g = m.captured(2).toInt(), b = m.captured(3).toInt();
        if (r > 255 || g > 255 || b > 255) return false;
        Color = FromRGB(r, g, b);
        return true;
    }
    // Six to eight hexadecimal digits are the stored value; a text of six decimal digits reads the same.
    if (hex.match(t).hasMatch()) {
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

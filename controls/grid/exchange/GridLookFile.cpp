#include "controls/grid/exchange/GridLookFile.h"

#include "toolkit/graphics/ColorNames.h"

namespace {

constexpr std::pair<TFontStyle, const char*> kStyleNames[] = {
    {fsBold, "fsBold"}, {fsItalic, "fsItalic"}, {fsUnderline, "fsUnderline"}, {fsStrikeOut, "fsStrikeOut"}};

} // namespace

GridLookFile GridLookFile::Parse(const String& Text) {
    GridLookFile file;
    for (const QStringView line : QStringView(Text).split(QLatin1Char('\n'))) {
        QStringView l = line;
        if (l.endsWith(QLatin1Char('\r'))) l.chop(1);
        const qsizetype eq = l.indexOf(QLatin1Char('='));
        if (eq < 0) continue;
        const String key = l.left(eq).toString().toLower();
        file.FValues.emplace(key, l.mid(eq + 1).toString());
    }
    return file;
}

String GridLookFile::Value(const String& Key) const {
    const auto it = FValues.find(Key.toLower());
    return it == FValues.end() ? String() : it->second;
}

String GridLookFile::Write(const std::vector<std::pair<String, String>>& Lines) {
    String out;
    for (const auto& [key, value] : Lines)
        out += key + QLatin1Char('=') + value + QLatin1String("\r\n");
    return out;
}

TColor GridLookFile::ReadColor(const String& Value) {
    return Value.isEmpty() ? clNone : StringToColor(Value);
}

String GridLookFile::ColorText(TColor Color) {
    return ColorToString(Color);
}

TFontStyles GridLookFile::ReadFontStyle(const String& Value) {
    TFontStyles style = 0;
    for (const auto& [bit, name] : kStyleNames)
        if (Value.contains(QLatin1String(name))) style |= bit;
    return style;
}

String GridLookFile::FontStyleText(TFontStyles Style) {
    QStringList names;
    for (const auto& [bit, name] : kStyleNames)
        if (Style & bit) names << QLatin1String(name);
    return names.join(QLatin1Char(','));
}

int GridLookFile::ReadInt(const String& Key, const String& Value, int Min, int Max) {
    bool ok = false;
    const int v = Value.trimmed().toInt(&ok);
    if (!ok) throw EConvertError(QStringLiteral("'%1' is not a valid integer value for %2").arg(Value, Key));
    if (v < Min || v > Max)
        throw EConvertError(
            QStringLiteral("%1 is out of range for %2 (%3 to %4)").arg(v).arg(Key).arg(Min).arg(Max));
    return v;
}

int GridLookFile::ReadName(const String& Value, const std::vector<const char*>& Names, int Current) {
    int i = 0;
    for (const char* name : Names) {
        if (Value.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) return i;
        ++i;
    }
    return Current;
}

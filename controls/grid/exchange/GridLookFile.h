// The grid's look file: one "key=value" line per setting. The table of settings lives with the grid
// (QvGrid_StoredSettings.cpp); this is the file's text and its value forms, tested without a grid.
#pragma once

#include "toolkit/graphics/Graphics.h"

#include <map>
#include <utility>
#include <vector>

class GridLookFile {
public:
    // The largest look file read: a whole one is a few kilobytes.
    static constexpr qint64 MaxBytes = 1 << 20;

    // Reads "key=value" lines; keys compare without regard to case and the first line of a key counts.
    // Lines without "=" are passed over.
    static GridLookFile Parse(const String& Text);
    // A missing key gives the empty value.
    String Value(const String& Key) const;

    // The lines in the order given, each ending in CR LF.
    static String Write(const std::vector<std::pair<String, String>>& Lines);

    // Empty gives clNone; otherwise a colour identifier or number (EConvertError for anything else).
    static TColor ReadColor(const String& Value);
    static String ColorText(TColor Color);
    static bool ReadBool(const String& Value) { return Value.toUpper() == QLatin1String("TRUE"); }
    static String BoolText(bool Value) { return Value ? QStringLiteral("true") : QStringLiteral("false"); }
    // The set of style names occurring anywhere in the value.
    static TFontStyles ReadFontStyle(const String& Value);
    static String FontStyleText(TFontStyles Style);
    // A decimal integer within [Min, Max]; EConvertError names the key otherwise.
    static int ReadInt(const String& Key, const String& Value, int Min, int Max);
    // The index of the name the value matches without regard to case, Current when none does.
    static int ReadName(const String& Value, const std::vector<const char*>& Names, int Current);

private:
    std::map<String, String> FValues;
};

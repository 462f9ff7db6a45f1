// Stored properties common to every control, read from window designs.
#include "toolkit/controls/Controls.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/system/DesignValue.h"

#include <QHash>

QStringList TDesignValue::AsStrings() const {
    QStringList out;
    for (const TDesignValue& v : items)
        out << v.text;
    return out;
}

namespace {
QHash<QString, int>& DesignIdents() {
    static QHash<QString, int> idents;
    return idents;
}
} // namespace

void RegisterDesignIdents(std::initializer_list<std::pair<const char*, int>> idents) {
    for (const auto& [name, value] : idents)
        DesignIdents().insert(QString::fromLatin1(name).toLower(), value);
}

bool DesignIdentValue(const String& ident, int& value) {
    auto it = DesignIdents().constFind(ident.toLower());
    if (it == DesignIdents().constEnd()) return false;
    value = it.value();
    return true;
}

TColor DesignColor(const TDesignValue& v) {
    if (v.kind == TDesignValue::Ident) {
        int value = 0;
        return DesignIdentValue(v.text, value) ? value : clNone;
    }
    return static_cast<TColor>(v.integer);
}

int DesignEnum(const TDesignValue& v, int fallback) {
    if (v.kind == TDesignValue::Ident) {
        int value = 0;
        return DesignIdentValue(v.text, value) ? value : fallback;
    }
    return v.kind == TDesignValue::Integer ? int(v.integer) : fallback;
}

int DesignEnum(const TDesignValue& v, int fallback, int first, int last) {
    const qint64 value = v.kind == TDesignValue::Integer ? v.integer : DesignEnum(v, fallback);
    if (value < first || value > last)
        throw Exception(QString("value %1 is outside %2..%3").arg(value).arg(first).arg(last));
    return static_cast<int>(value);
}

// No stored number of a design (position, size, count, font height, interval) means anything beyond what Qt
// allows for a widget's size; refusing more keeps the arithmetic on sizes and font heights within int.
constexpr double kDesignMaxNumber = 16777216.0;

int TDesignValue::AsInt() const {
    const double value = kind == Float ? number : double(integer);
    // Also false for NaN.
    if (!(value >= -kDesignMaxNumber && value <= kDesignMaxNumber))
        throw Exception(kind == Float ? QString("number %1 is out of range").arg(number)
                                      : QString("number %1 is out of range").arg(integer));
    return int(value);
}

unsigned DesignSet(const TDesignValue& v) {
    unsigned flags = 0;
    for (const QString& m : v.members) {
        int value = 0;
        if (DesignIdentValue(m, value))
            flags |= static_cast<unsigned>(value);
    }
    return flags;
}

bool TControl::ReadProperty(const String& name, const TDesignValue& v) {
    const QString n = name.toLower();
    if (n == "left")
        SetLeft(v.AsInt());
    else if (n == "top")
        SetTop(v.AsInt());
    else if (n == "width")
        SetWidth(v.AsInt());
    else if (n == "height")
        SetHeight(v.AsInt());
    else if (n == "clientwidth")
        SetClientWidth(v.AsInt());
    else if (n == "clientheight")
        SetClientHeight(v.AsInt());
    else if (n == "caption" || n == "text")
        SetText(v.AsString());
    else if (n == "visible")
        SetVisible(v.AsBool());
    else if (n == "enabled")
        SetEnabled(v.AsBool());
    else if (n == "hint")
        SetHint(v.AsString());
    else if (n == "showhint")
        SetShowHint(v.AsBool());
    else if (n == "parentshowhint")
        SetParentShowHint(v.AsBool());
    else if (n == "color")
        SetColor(DesignColor(v));
    else if (n == "parentcolor")
        SetParentColor(v.AsBool());
    else if (n == "parentfont")
        SetParentFont(v.AsBool());
    else if (n == "font.name")
        Font()->SetName(v.AsString());
    else if (n == "font.size")
        Font()->SetSize(v.AsInt());
    else if (n == "font.height")
        Font()->SetHeight(v.AsInt());
    else if (n == "font.color")
        Font()->SetColor(DesignColor(v));
    else if (n == "font.style")
        Font()->SetStyle(DesignSet(v));
    else if (n == "font.charset" || n == "font.pitch")
        ; // the platform's character sets and pitches have no meaning here
    else if (n == "align")
        SetAlign(DesignEnumOf<TAlign>(v, alNone, alNone, alCustom));
    else if (n == "anchors")
        SetAnchors(DesignSet(v));
    else if (n == "cursor")
        SetCursor(static_cast<TCursor>(DesignEnum(v, crDefault)));
    else if (n == "autosize")
        SetAutoSize(v.AsBool());
    else if (n == "bidimode")
        SetBiDiMode(DesignEnumOf<TBiDiMode>(v, bdLeftToRight, bdLeftToRight, bdRightToLeftReadingOnly));
    else if (n == "tag")
        SetTag(v.AsInt());
    else
        return false;
    return true;
}

bool TWinControl::ReadProperty(const String& name, const TDesignValue& v) {
    const QString n = name.toLower();
    if (n == "tabstop")
        SetTabStop(v.AsBool());
    else if (n == "taborder")
        FTabOrder = v.AsInt();
    else
        return TControl::ReadProperty(name, v);
    return true;
}

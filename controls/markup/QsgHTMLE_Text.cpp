// Markup text utilities: entities, stripping, highlight tags and CONTROL tag values.
#include "controls/markup/QsgHTMLE.h"

#include <vector>

const TAccentedChar AccentedCharTable[51] = {
    {u'é', "&eacute;"}, {u'è', "&egrave;"}, {u'ë', "&euml;"},   {u'ê', "&ecirc;"},  {u'ó', "&oacute;"},
    {u'ò', "&ograve;"}, {u'ö', "&ouml;"},   {u'ô', "&ocirc;"},  {u'í', "&iacute;"}, {u'ì', "&igrave;"},
    {u'ï', "&iuml;"},   {u'î', "&icirc;"},  {u'ú', "&uacute;"}, {u'ù', "&ugrave;"}, {u'ü', "&uuml;"},
    {u'û', "&ucirc;"},  {u'á', "&aacute;"}, {u'à', "&agrave;"}, {u'ä', "&auml;"},   {u'â', "&acirc;"},
    {u'É', "&Eacute;"}, {u'È', "&Egrave;"}, {u'Ë', "&Euml;"},   {u'Ê', "&Ecirc;"},  {u'Ó', "&Oacute;"},
    {u'Ò', "&Ograve;"}, {u'Ö', "&Ouml;"},   {u'Ô', "&Ocirc;"},  {u'Í', "&Iacute;"}, {u'Ì', "&Igrave;"},
    {u'Ï', "&Iuml;"},   {u'Î', "&Icirc;"},  {u'Ú', "&Uacute;"}, {u'Ù', "&Ugrave;"}, {u'Ü', "&Uuml;"},
    {u'Û', "&Ucirc;"},  {u'Á', "&Aacute;"}, {u'À', "&Agrave;"}, {u'Ä', "&Auml;"},   {u'Â', "&Acirc;"},
    {u'ç', "&ccedil;"}, {u'Ç', "&Ccedil;"}, {u'ø', "&oslash;"}, {u'Ø', "&Oslash;"}, {u'å', "&aring;"},
    {u'Å', "&Aring;"},  {u'©', "&copy;"},   {u'®', "&reg;"},    {u'€', "&euro;"},   {u'«', "&laquo;"},
    {u'»', "&raquo;"},
};

namespace {

struct EntityPair {
    QChar Char;
    QLatin1String Entity;
};

const EntityPair kBasicEntities[] = {
    {QLatin1Char('<'), QLatin1String("&lt;")},
    {QLatin1Char('>'), QLatin1String("&gt;")},
    {QLatin1Char('&'), QLatin1String("&amp;")},
    {QLatin1Char('"'), QLatin1String("&quot;")},
};

// One CONTROL tag found in a markup text: where it stands and what it says.
struct ControlTagSpan {
    qsizetype Start = -1; // index of "<"
    qsizetype End = -1;   // index just past ">"
    TControlTagValues Values;
};

// Attributes of a tag as name (upper-cased) and value range, skipping over quoted values,
// so that text inside one value is never taken for another attribute.
struct AttributeSpan {
    QString Name;
    qsizetype ValueStart = -1; // index after the opening quote; -1 when the value has no quotes
    qsizetype ValueEnd = -1;   // index of the closing quote
};

std::vector<AttributeSpan> ScanAttributes(const String& text) {
    std::vector<AttributeSpan> attrs;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        if (text[i] == QLatin1Char('"')) {
            const qsizetype close = text.indexOf(QLatin1Char('"'), i + 1);
            i = close < 0 ? n : close + 1;
            continue;
        }
        if (!text[i].isLetter()) {
            ++i;
            continue;
        }
        qsizetype j = i;
        while (j < n && (text[j].isLetterOrNumber() || text[j] == QLatin1Char('_')))
            ++j;
        if (j < n && text[j] == QLatin1Char('=')) {
            AttributeSpan a;
            a.Name = text.mid(i, j - i).toUpper();
            const qsizetype open = text.indexOf(QLatin1Char('"'), j + 1);
            const qsizetype close = open < 0 ? -1 : text.indexOf(QLatin1Char('"'), open + 1);
            if (close >= 0) {
                a.ValueStart = open + 1;
                a.ValueEnd = close;
                i = close + 1;
            } else {
                i = j + 1;
            }
            attrs.push_back(a);
        } else {
            i = j;
        }
    }
    return attrs;
}

String AttributeValue(const String& text, const std::vector<AttributeSpan>& attrs, const char* name) {
    for (const auto& a : attrs)
        if (a.Name == QLatin1String(name))
            return a.ValueStart < 0 ? String() : text.mid(a.ValueStart, a.ValueEnd - a.ValueStart);
    return String();
}

std::vector<ControlTagSpan> FindControlTags(const String& markup) {
    std::vector<ControlTagSpan> tags;
    qsizetype from = 0;
    for (;;) {
        const qsizetype start = markup.indexOf(QLatin1String("<CONTROL "), from, Qt::CaseInsensitive);
        if (start < 0) break;
        const qsizetype close = markup.indexOf(QLatin1Char('>'), start);
        if (close < 0) break;
        ControlTagSpan span;
        span.Start = start;
        span.End = close + 1;
        span.Values = ParseControlTag(markup.mid(start + 1, close - start));
        tags.push_back(span);
        from = close + 1;
    }
    return tags;
}

const ControlTagSpan* FindControlById(const std::vector<ControlTagSpan>& tags, const String& id) {
    for (const auto& t : tags)
        if (t.Values.ID == id) return &t;
    return nullptr;
}

// Puts the escaped value into the tag's VALUE, or adds a VALUE when the tag had none.
String WithControlValue(const String& tag, const String& value) {
    const String escaped = CharsToHTMLEntities(value, true);
    for (const auto& a : ScanAttributes(tag)) {
        if (a.Name != QLatin1String("VALUE")) continue;
        if (a.ValueStart >= 0) return tag.left(a.ValueStart) + escaped + tag.mid(a.ValueEnd);
        break;
    }
    String out = tag;
    out.insert(out.size() - 1, QStringLiteral(" VALUE=\"%1\"").arg(escaped));
    return out;
}

// Indexes of the visible characters of a markup text: everything outside tags, and everything from a
// "<" on that has no ">" after it (or whose first ">" comes before it).
std::vector<qsizetype> VisibleIndexes(const String& markup) {
    std::vector<qsizetype> visible;
    qsizetype s = 0;
    const qsizetype n = markup.size();
    while (s < n) {
        const qsizetype lt = markup.indexOf(QLatin1Char('<'), s);
        const qsizetype gt = markup.indexOf(QLatin1Char('>'), s);
        if (lt < 0 || gt < 0 || gt < lt) {
            for (qsizetype i = s; i < n; ++i)
                visible.push_back(i);
            break;
        }
        for (qsizetype i = s; i < lt; ++i)
            visible.push_back(i);
        s = gt + 1;
    }
    return visible;
}

// The markup index before visible character k (1-based): right after visible character k - 1.
qsizetype MarkupIndexOfVisible(const String& markup, qsizetype k) {
    const auto visible = VisibleIndexes(markup);
    if (k <= 1) return 0;
    if (k > static_cast<qsizetype>(visible.size())) return markup.size();
    return visible[static_cast<size_t>(k - 2)] + 1;
}

} // namespace

String HTMLEntitiesToChars(const String& Text, bool Accents) {
    // One pass: a decoded "&" never starts another entity.
    String out;
    out.reserve(Text.size());
    const qsizetype n = Text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (Text[i] != QLatin1Char('&')) {
            out += Text[i];
            continue;
        }
        const QStringView rest = QStringView(Text).mid(i);
        bool replaced = false;
        for (const auto& e : kBasicEntities) {
            if (rest.startsWith(e.Entity)) {
                out += e.Char;
                i += e.Entity.size() - 1;
                replaced = true;
                break;
            }
        }
        if (!replaced && Accents) {
            for (const auto& a : AccentedCharTable) {
                const QLatin1String entity(a.Entity);
                if (rest.startsWith(entity)) {
                    out += QChar(a.Char);
                    i += entity.size() - 1;
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced) out += Text[i];
    }
    return out;
}

String CharsToHTMLEntities(const String& Text, bool Accents) {
    String out;
    out.reserve(Text.size());
    for (QChar c : Text) {
        bool replaced = false;
        for (const auto& e : kBasicEntities) {
            if (c == e.Char) {
                out += e.Entity;
                replaced = true;
                break;
            }
        }
        if (!replaced && Accents) {
            for (const auto& a : AccentedCharTable) {
                if (c.unicode() == a.Char) {
                    out += QLatin1String(a.Entity);
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced) out += c;
    }
    return out;
}

String SpacesToNbsp(const String& Text) {
    return String(Text).replace(QLatin1Char(' '), QLatin1String("&nbsp;"));
}

String StripMarkup(const String& Markup) {
    String out;
    qsizetype i = 0;
    const qsizetype n = Markup.size();
    while (i < n) {
        const qsizetype lt = Markup.indexOf(QLatin1Char('<'), i);
        if (lt < 0) {
            out += QStringView(Markup).mid(i);
            break;
        }
        out += QStringView(Markup).mid(i, lt - i);
        const qsizetype gt = Markup.indexOf(QLatin1Char('>'), lt);
        if (gt < 0) {
            out += QStringView(Markup).mid(lt);
            break;
        }
        const QStringView tag = QStringView(Markup).mid(lt, gt - lt + 1);
        if (tag.compare(QLatin1String("<BR>"), Qt::CaseInsensitive) == 0 ||
            tag.compare(QLatin1String("<HR>"), Qt::CaseInsensitive) == 0)
            out += QLatin1String("\r\n");
        i = gt + 1;
    }
    return out;
}

TControlTagValues ParseControlTag(const String& Attributes) {
    const auto attrs = ScanAttributes(Attributes);
    TControlTagValues v;
    v.Type = AttributeValue(Attributes, attrs, "TYPE").toUpper();
    v.ID = AttributeValue(Attributes, attrs, "ID");
    v.MaxLen = AttributeValue(Attributes, attrs, "MAXLEN");
    v.Prop = HTMLEntitiesToChars(AttributeValue(Attributes, attrs, "PROP"), true);
    v.Height = AttributeValue(Attributes, attrs, "HEIGHT");
    v.Width = AttributeValue(Attributes, attrs, "WIDTH");
    v.Value = HTMLEntitiesToChars(AttributeValue(Attributes, attrs, "VALUE"), true);
    return v;
}

bool HasControlTag(const String& Text) {
    return Text.contains(QLatin1String("<CONTROL"), Qt::CaseInsensitive);
}

String NextEditControlID(const String& Markup, const String& ID) {
    const auto tags = FindControlTags(Markup);
    size_t i = 0;
    if (!ID.isEmpty()) {
        while (i < tags.size() && tags[i].Values.ID != ID)
            ++i;
        if (i == tags.size()) return String();
        ++i;
    }
    for (; i < tags.size(); ++i) {
        const String& type = tags[i].Values.Type;
        if (type != QLatin1String("BUTTON") && type != QLatin1String("CHECK") &&
            type != QLatin1String("RADIO"))
            return tags[i].Values.ID;
    }
    return String();
}

String ResetRadioControls(const String& Markup) {
    String out = Markup;
    const auto tags = FindControlTags(Markup);
    // From the last tag back, so the earlier positions stay valid.
    for (auto it = tags.rbegin(); it != tags.rend(); ++it) {
        if (it->Values.Type != QLatin1String("RADIO")) continue;
        const String tag = out.mid(it->Start, it->End - it->Start);
        out.replace(it->Start, it->End - it->Start, WithControlValue(tag, QStringLiteral("FALSE")));
    }
    return out;
}

bool GetControlValue(const String& Markup, const String& ID, String& Value) {
    const auto tags = FindControlTags(Markup);
    const ControlTagSpan* t = FindControlById(tags, ID);
    if (!t) return false;
    Value = t->Values.Value;
    return true;
}

String GetControlProp(const String& Markup, const String& ID) {
    const auto tags = FindControlTags(Markup);
    const ControlTagSpan* t = FindControlById(tags, ID);
    return t ? t->Values.Prop : String();
}

int GetControlMaxLen(const String& Markup, const String& ID) {
    const auto tags = FindControlTags(Markup);
    const ControlTagSpan* t = FindControlById(tags, ID);
    if (!t) return 0;
    qsizetype digits = 0;
    while (digits < t->Values.MaxLen.size() && t->Values.MaxLen[digits].isDigit())
        ++digits;
    return t->Values.MaxLen.left(digits).toInt();
}

bool SetControlValue(String& Markup, const String& ID, const String& Value) {
    const auto tags = FindControlTags(Markup);
    const ControlTagSpan* t = FindControlById(tags, ID);
    if (!t) return false;
    const String tag = Markup.mid(t->Start, t->End - t->Start);
    Markup.replace(t->Start, t->End - t->Start, WithControlValue(tag, Value));
    return true;
}

void InsertHilightTags(const String& Markup, const String& Search, const String& Tag, String& Result,
                       bool CaseSensitive) {
    const Qt::CaseSensitivity cs = CaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    String markup = Markup;
    String search = Search;
    String plain;
    for (qsizetype i : VisibleIndexes(markup))
        plain += markup[i];
    if (markup.contains(search, cs) &&
        (plain.contains(QLatin1Char('<')) || plain.contains(QLatin1Char('>')))) {
        auto escape = [](String s) {
            return s.replace(QLatin1Char('<'), QLatin1String("&lt;"))
                .replace(QLatin1Char('>'), QLatin1String("&gt;"));
        };
        plain = escape(plain);
        markup = plain;
        search = escape(search);
    }
    if (search.isEmpty()) {
        Result = markup;
        return;
    }
    const String open = QLatin1Char('<') + Tag + QLatin1Char('>');
    const String close = QLatin1String("</") + Tag + QLatin1Char('>');
    std::vector<qsizetype> found;
    for (qsizetype at = plain.indexOf(search, 0, cs); at >= 0;
         at = plain.indexOf(search, at + search.size(), cs))
        found.push_back(at + 1);
    // Last occurrence first: a closing tag then never lands behind the next occurrence's opening tag.
    for (auto it = found.rbegin(); it != found.rend(); ++it) {
        markup.insert(MarkupIndexOfVisible(markup, *it), open);
        markup.insert(MarkupIndexOfVisible(markup, *it + search.size()), close);
    }
    Result = markup;
}

void RemoveHilightTags(const String& Markup, const String& Tag, String& Result) {
    String s = Markup;
    s.remove(QLatin1Char('<') + Tag + QLatin1Char('>'), Qt::CaseInsensitive);
    s.remove(QLatin1String("</") + Tag + QLatin1Char('>'), Qt::CaseInsensitive);
    s.replace(QLatin1String("&lt;"), QLatin1String("<")).replace(QLatin1String("&gt;"), QLatin1String(">"));
    Result = s;
}

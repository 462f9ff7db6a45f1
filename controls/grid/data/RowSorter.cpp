// The row sorter: sort keys read once per cell, the comparison by style, the stable order, the settings text.
#include "controls/grid/data/RowSorter.h"

#include "controls/grid/BaseGrid.h"
#include "controls/grid/QvGrid_Graphic.h"
#include "controls/grid/QvGrid_Types.h"
#include "controls/grid/QvUtil.h"
#include "controls/markup/QsgHTMLE.h"
#include "toolkit/system/DateUtils.h"
#include "toolkit/system/SysUtils.h"

#include <algorithm>
#include <charconv>
#include <numeric>

namespace rowsorter {

// The classes a cell falls into, in the order they sort. A column's style decides which it uses.
enum SortClass : int8_t { scCheckBox, scNumber, scDateTime, scText, scNotNumber };

// How two texts of one class compare.
enum class TextOrder { Ordinal, UpperLatin, Locale, Custom };

struct SortKey {
    double Number = 0;
    String Text;
    int8_t Class = scNumber;
    bool Blank = false;
};

// What a sort reads of the locale, once per key column rather than once per cell.
struct SortLocale {
    QChar Thousand = LocaleThousandSeparator();
    QChar Decimal = LocaleDecimalSeparator();
    QChar Date = LocaleDateSeparator();
    QChar Time = LocaleTimeSeparator();
};

} // namespace rowsorter

using namespace rowsorter;

namespace {

int Sign(int v) {
    return (v > 0) - (v < 0);
}

int CompareNumbers(double a, double b) {
    return (a > b) - (a < b);
}

// Ordinal after upper-casing the letters a to z only.
int CompareUpperLatin(const String& a, const String& b) {
    const qsizetype n = std::min(a.size(), b.size());
    const char16_t* x = reinterpret_cast<const char16_t*>(a.constData());
    const char16_t* y = reinterpret_cast<const char16_t*>(b.constData());
    for (qsizetype i = 0; i < n; ++i) {
        char16_t p = x[i], q = y[i];
        if (p >= u'a' && p <= u'z') p = static_cast<char16_t>(p - 32);
        if (q >= u'a' && q <= u'z') q = static_cast<char16_t>(q - 32);
        if (p != q) return p < q ? -1 : 1;
    }
    return (a.size() > b.size()) - (a.size() < b.size());
}

// Plain decimal notation with "." as the decimal point: an optional sign, digits with an optional fraction,
// an optional exponent, blanks and control characters around it.
bool ReadPlainNumber(const String& Text, double& Value) {
    qsizetype b = 0, e = Text.size();
    while (b < e && Text[b].unicode() <= 0x20)
        ++b;
    while (e > b && Text[e - 1].unicode() <= 0x20)
        --e;
    if (e - b > 64 || b == e) return false;
    char buffer[65];
    qsizetype i = b;
    int n = 0;
    auto digits = [&] {
        int count = 0;
        while (i < e && Text[i] >= u'0' && Text[i] <= u'9') {
            buffer[n++] = static_cast<char>(Text[i++].unicode());
            ++count;
        }
        return count;
    };
    if (Text[i] == u'+' || Text[i] == u'-') {
        if (Text[i] == u'-') buffer[n++] = '-';
        ++i;
    }
    int mantissa = digits();
    if (i < e && Text[i] == u'.') {
        buffer[n++] = '.';
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0) return false;
    if (i < e && (Text[i] == u'e' || Text[i] == u'E')) {
        buffer[n++] = 'e';
        ++i;
        if (i < e && (Text[i] == u'+' || Text[i] == u'-'))
            buffer[n++] = static_cast<char>(Text[i++].unicode());
        if (digits() == 0) return false;
    }
    if (i != e) return false;
    double v = 0;
    const auto [end, error] = std::from_chars(buffer, buffer + n, v);
    if (error != std::errc() || end != buffer + n || !std::isfinite(v)) return false;
    Value = v;
    return true;
}

// The separator stands at the second or third place, not last, between two digits.
bool SeparatorBetweenDigits(const String& Text, QChar Separator) {
    const qsizetype at = Text.indexOf(Separator);
    if (at != 1 && at != 2) return false;
    if (at + 1 >= Text.size()) return false;
    return Text[at - 1].isDigit() && Text[at + 1].isDigit();
}

void RemoveFirst(String& Text, const String& Part) {
    if (Part.isEmpty()) return;
    const qsizetype at = Text.indexOf(Part);
    if (at >= 0) Text.remove(at, Part.size());
}

bool IsCheckBoxType(TCellType Type) {
    return Type == ctCheckBox || Type == ctDataCheckBox || Type == ctVirtCheckBox || Type == ctRowCheckBox;
}

} // namespace

// One rule's keys, by display row, each read on first use.
struct RowSorter::ColumnKeys {
    std::vector<SortKey> Keys;
    std::vector<char> Read;
    SortLocale Locale;
    TextOrder Order = TextOrder::Ordinal;
    bool Raw = false;
    bool Equal = false;
};

RowSorter::RowSorter(const IGridCells& Cells, const SortOptions& Options, SortCellHooks Hooks)
    : FCells(Cells), FOptions(Options), FHooks(std::move(Hooks)) {}

RowSorter::~RowSorter() = default;

void RowSorter::SetRules(std::vector<SortColumnRule> Rules) {
    FRules = std::move(Rules);
    FKeys.clear();
    FKeys.resize(FRules.size());
}

RowSorter::ColumnKeys& RowSorter::Keys(size_t Rule) {
    std::unique_ptr<ColumnKeys>& keys = FKeys[Rule];
    if (keys) return *keys;
    keys = std::make_unique<ColumnKeys>();
    const size_t rows = static_cast<size_t>(std::max(FCells.DisplayRowCount(), 0));
    keys->Keys.resize(rows);
    keys->Read.assign(rows, 0);
    switch (FRules[Rule].Style) {
    case ssAutomatic:
    case ssAlphaNumeric:
        keys->Order = FOptions.IgnoreCase ? TextOrder::UpperLatin : TextOrder::Ordinal;
        break;
    case ssAlphaNoCase:
    case ssAlphaNumericNoCase:
        keys->Order = TextOrder::UpperLatin;
        break;
    case ssAnsiAlphaCase:
    case ssAnsiAlphaNoCase:
        keys->Order = TextOrder::Locale;
        break;
    case ssCustom:
        keys->Order = TextOrder::Custom;
        break;
    case ssRaw:
        keys->Raw = true;
        break;
    case ssAlphabetic:
    case ssAlphaCase:
    case ssNumeric:
    case ssFinancial:
    case ssDate:
    case ssDateTime:
    case ssTime:
    case ssShortDateEU:
    case ssShortDateUS:
    case ssHTML:
    case ssImages:
    case ssCheckBox:
        break;
    default:
        keys->Equal = true;
        break;
    }
    return *keys;
}

void RowSorter::ReadKey(size_t Rule, int D) {
    const SortColumnRule& rule = FRules[Rule];
    ColumnKeys& keys = *FKeys[Rule];
    const SortLocale& here = keys.Locale;
    const int row = FCells.RealRow(D);
    const String text = FOptions.ShownTexts ? FCells.ShownText(rule.Col, row) : FCells.Text(rule.Col, row);
    SortKey& key = keys.Keys[static_cast<size_t>(D)];
    key.Blank = text.isEmpty();
    auto checkState = [&]() -> int {
        const TCellProperties* props = FCells.Properties(rule.Col, row);
        if (!props) return -1;
        if (FHooks.CheckState) return FHooks.CheckState(rule.Col, row);
        const auto* graphic = dynamic_cast<const TCellGraphic*>(props->GraphicObject());
        if (!graphic || !IsCheckBoxType(graphic->CellType)) return -1;
        return graphic->CellBoolean ? 1 : 0;
    };
    switch (rule.Style) {
    case ssAutomatic:
    case ssAlphaNumeric:
    case ssAlphaNumericNoCase: {
        if (rule.Style == ssAutomatic) {
            const int state = checkState();
            if (state >= 0) {
                key.Class = scCheckBox;
                key.Number = state;
                break;
            }
        }
        String number = text;
        RemoveFirst(number, rule.Prefix);
        RemoveFirst(number, rule.Suffix);
        double value = 0;
        if (TextNumberKind(number, here.Thousand, here.Decimal) != nkNoNumber &&
            ReadPlainNumber(NormalizeNumberText(number, here.Thousand, here.Decimal), value)) {
            key.Class = scNumber;
            key.Number = value;
            break;
        }
        if (rule.Style == ssAutomatic) {
            TDateTime when = 0;
            if ((SeparatorBetweenDigits(text, here.Date) && ParseLocaleDateTime(text, when)) ||
                (SeparatorBetweenDigits(text, here.Time) && TryStrToTime(text, when))) {
                key.Class = scDateTime;
                key.Number = when;
                break;
            }
        }
        key.Class = scText;
        key.Text = text;
        break;
    }
    case ssNumeric:
    case ssFinancial: {
        String number = text;
        RemoveFirst(number, rule.Prefix);
        RemoveFirst(number, rule.Suffix);
        if (rule.Style == ssFinancial) number.remove(here.Thousand);
        if (here.Decimal != u'.') {
            const qsizetype at = number.indexOf(here.Decimal);
            if (at >= 0) number[at] = u'.';
        }
        double value = 0;
        if (ReadPlainNumber(number, value))
            key.Number = value;
        else if (!text.trimmed().isEmpty())
            key.Class = scNotNumber;
        break;
    }
    case ssDate:
    case ssDateTime: {
        TDateTime when = 0;
        if (!text.isEmpty() && ParseLocaleDateTime(text, when)) key.Number = when;
        break;
    }
    case ssTime: {
        TDateTime when = 0;
        if (TryStrToTime(text, when)) key.Number = when;
        break;
    }
    case ssShortDateEU:
    case ssShortDateUS:
        try {
            key.Number = rule.Style == ssShortDateEU ? ParseShortDateEU(text) : ParseShortDateUS(text);
        } catch (const EConvertError&) {
            key.Number = 0;
        }
        break;
    case ssHTML:
        key.Class = scText;
        key.Text = StripMarkup(text);
        break;
    case ssImages:
        key.Number = static_cast<double>(FHooks.ImageRef ? FHooks.ImageRef(rule.Col, row) : -1);
        break;
    case ssCheckBox:
        key.Number = checkState() > 0 ? 1 : 0;
        break;
    case ssAnsiAlphaNoCase:
        key.Class = scText;
        key.Text = text.toLower();
        break;
    default:
        key.Class = scText;
        key.Text = text;
        break;
    }
    keys.Read[static_cast<size_t>(D)] = 1;
}

int RowSorter::CompareCells(size_t Rule, int A, int B) {
    const SortColumnRule& rule = FRules[Rule];
    if (rule.Ignored) return 0;
    ColumnKeys& keys = Keys(Rule);
    if (keys.Equal) return 0;
    ++FCompares;
    // Keys are read on first use: a column after the first is read only for rows that tie before it.
    if (!keys.Read[static_cast<size_t>(A)]) ReadKey(Rule, A);
    if (!keys.Read[static_cast<size_t>(B)]) ReadKey(Rule, B);
    const SortKey& x = keys.Keys[static_cast<size_t>(A)];
    const SortKey& y = keys.Keys[static_cast<size_t>(B)];
    int c = 0;
    if (FOptions.BlanksApart && x.Blank != y.Blank) {
        // Blanks keep their end whatever the direction: the direction does not turn this result round.
        const int blankFirst = FOptions.BlankPos == blFirst ? -1 : 1;
        return x.Blank ? blankFirst : -blankFirst;
    }
    if (keys.Raw) {
        c = FHooks.RawCompare ? Sign(FHooks.RawCompare(rule.Col, A, B)) : 0;
    } else if (x.Class != y.Class) {
        c = x.Class < y.Class ? -1 : 1;
    } else if (x.Class == scText) {
        switch (keys.Order) {
        case TextOrder::Ordinal:
            c = Sign(QString::compare(x.Text, y.Text, Qt::CaseSensitive));
            break;
        case TextOrder::UpperLatin:
            c = CompareUpperLatin(x.Text, y.Text);
            break;
        case TextOrder::Locale:
            c = Sign(QString::localeAwareCompare(x.Text, y.Text));
            break;
        case TextOrder::Custom:
            c = FHooks.CustomCompare ? Sign(FHooks.CustomCompare(x.Text, y.Text)) : 0;
            break;
        }
    } else if (x.Class != scNotNumber) {
        c = CompareNumbers(x.Number, y.Number);
    }
    return rule.Descending ? -c : c;
}

int RowSorter::CompareRows(int A, int B) {
    const int rows = FCells.DisplayRowCount();
    if (A < 0 || B < 0 || A >= rows || B >= rows) return 0;
    for (size_t k = 0; k < FRules.size(); ++k)
        if (const int c = CompareCells(k, A, B)) return c;
    return 0;
}

void RowSorter::Sort(std::vector<int>& Order, int First, int Last) {
    First = std::max(First, 0);
    Last = std::min(Last, static_cast<int>(Order.size()) - 1);
    if (First >= Last || FRules.empty()) return;
    std::stable_sort(Order.begin() + First, Order.begin() + Last + 1,
                     [this](int a, int b) { return CompareRows(a, b) < 0; });
}

std::vector<int> IdentityRowOrder(int Count) {
    std::vector<int> order(static_cast<size_t>(std::max(Count, 0)));
    std::iota(order.begin(), order.end(), 0);
    return order;
}

bool IsIdentityOrder(const std::vector<int>& Order) {
    for (size_t i = 0; i < Order.size(); ++i)
        if (Order[i] != static_cast<int>(i)) return false;
    return true;
}

SortSpecifier ReadSortSpecifier(const String& Value) {
    if (Value.size() < 2) throw EQvGridError("Invalid sort settings specifier");
    SortSpecifier spec;
    if (Value.contains(QLatin1String("i;"))) {
        spec.Indexed = true;
        spec.Indexes = Value.mid(2);
        return spec;
    }
    spec.Ascending = Value.contains(u'u');
    int column = 0;
    spec.HasColumn = TryStrToInt(Value.mid(1), column);
    if (spec.HasColumn) spec.Column = column;
    return spec;
}

String WriteSortSpecifier(bool Indexed, bool Ascending, int Column, const String& Indexes) {
    if (Indexed) return QStringLiteral("i;") + Indexes;
    return (Ascending ? QStringLiteral("u") : QStringLiteral("d")) + QString::number(Column);
}

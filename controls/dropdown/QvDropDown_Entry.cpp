// The typing and pasting rules of the dropdown edit's twelve edit types.
#include "controls/dropdown/QvDropDown_Entry.h"

#include "controls/QvTextCase.h"
#include "controls/dropdown/QvDropDown_Numbers.h"

#include <algorithm>
#include <climits>

namespace {

constexpr ushort kBack = 8, kTab = 9, kLineFeed = 10, kEnter = 13;

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool isAsciiLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isHexDigit(QChar c) {
    return isDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// Tab and Enter are let through by several types; they put nothing into the text.
bool isTabOrEnter(ushort c) {
    return c == kTab || c == kEnter;
}

} // namespace

String TDropDownEntryRules::Value() const {
    String t = s.EditText;
    if (!s.Prefix.isEmpty() && t.startsWith(s.Prefix)) t.remove(0, s.Prefix.size());
    if (!s.Suffix.isEmpty()) t.chop(s.Suffix.size());
    return t;
}

bool TDropDownEntryRules::NumberType() const {
    return s.EditType == etNumeric || s.EditType == etFloat || s.EditType == etMoney;
}

bool TDropDownEntryRules::WholeValueSelected() const {
    return s.SelStart == ValueStart() && s.SelLength == Value().size();
}

int TDropDownEntryRules::IntegerDigitCount(const String& V) const {
    return ::IntegerDigitCount(V, s.DecimalSeparator, s.ThousandSeparator, s.Signed && NumberType());
}

int TDropDownEntryRules::DecimalPosition() const {
    const String v = Value();
    const qsizetype point = v.indexOf(s.DecimalSeparator);
    if (point < 0) return ValueStart() + int(v.size() + s.Suffix.size()) + 1;
    return int(point) + 1 + ValueStart();
}

int TDropDownEntryRules::ValueCaret() const {
    return std::clamp(s.SelStart - ValueStart(), 0, int(Value().size()));
}

String TDropDownEntryRules::ReplacedValue(const String& Text) const {
    const String v = Value();
    const int a = std::clamp(s.SelStart - ValueStart(), 0, int(v.size()));
    const int b = std::clamp(s.SelStart + s.SelLength - ValueStart(), a, int(v.size()));
    return v.left(a) + Text + v.mid(b);
}

TEntryResult TDropDownEntryRules::WithValue(const String& NewValue, int Caret, bool Modified) const {
    TEntryResult r;
    r.Changed = true;
    r.EditText = s.Prefix + NewValue + s.Suffix;
    r.SelStart = std::clamp(Caret, 0, int(r.EditText.size()));
    r.Modified = Modified;
    return r;
}

TEntryResult TDropDownEntryRules::Pass(QChar Ch) const {
    const ushort c = Ch.unicode();
    String t = s.EditText;
    const int start = std::clamp(s.SelStart, 0, int(t.size()));
    const int length = std::clamp(s.SelLength, 0, int(t.size()) - start);
    int caret = start;
    if (c == kBack) {
        if (length > 0)
            t.remove(start, length);
        else if (start > 0)
            t.remove(--caret, 1);
        else
            return Swallow();
    } else if (c < 32) {
        // Let through, but a control character puts nothing into the text.
        return Swallow();
    } else {
        if (s.MaxLength > 0 && t.size() - length + 1 > std::max<qsizetype>(s.MaxLength, t.size()))
            return Swallow();
        t.replace(start, length, String(Ch));
        ++caret;
    }
    TEntryResult r;
    r.Changed = true;
    r.EditText = t;
    r.SelStart = caret;
    r.Modified = true;
    return r;
}

TEntryResult TDropDownEntryRules::ToggleSign() const {
    const String v = Value();
    if (s.EditType == etNumeric && WholeValueSelected())
        return WithValue(QStringLiteral("-"), ValueStart() + 1, true);
    if (!v.contains(u'-')) return WithValue(u'-' + v, s.SelStart + 1, true);
    return WithValue(v.mid(1), std::max(ValueStart(), s.SelStart - 1), true);
}

bool TDropDownEntryRules::SeparatorSpacingRefuses() const {
    const String v = Value();
    if (!v.contains(s.ThousandSeparator)) return false;
    const int c = ValueCaret();
    int nearest = INT_MAX;
    for (int t = 0; t < v.size(); ++t) {
        if (v[t] != s.ThousandSeparator) continue;
        // Characters between the caret and the separator.
        nearest = std::min(nearest, t >= c ? t - c : c - t - 1);
    }
    return nearest != 3;
}

TEntryResult TDropDownEntryRules::FloatRules(QChar Ch, bool Money) const {
    const ushort c = Ch.unicode();
    const QChar dec = s.DecimalSeparator, thou = s.ThousandSeparator;
    const String v = Value();
    const String selected = s.EditText.mid(s.SelStart, s.SelLength);
    const bool digit = isDigit(Ch);
    const bool control = c == kBack || isTabOrEnter(c);
    auto jumpBehindDecimal = [&](TEntryFollowUp followUp) {
        TEntryResult r;
        if (s.Precision > 0) r.FollowUp = followUp;
        return r;
    };
    if (!Money) {
        if (Ch == u',' && dec != u',' && thou != u',') return Swallow();
        if (Ch == u'.' && dec != u'.' && thou != u'.') return Swallow();
        if (!(digit || control || Ch == u',' || Ch == u'-' || Ch == u'.')) return Swallow();
        if (Ch == dec && !selected.contains(dec) && (v.contains(dec) || s.Precision == 0))
            return jumpBehindDecimal(TEntryFollowUp::AfterDecimal);
        if (Ch == u',' && v.contains(u',') && !selected.contains(u',') && thou != u',') return Swallow();
    } else {
        if (Ch == dec && (v.contains(dec) || s.Precision == 0))
            return jumpBehindDecimal(WholeValueSelected() && !v.isEmpty()
                                         ? TEntryFollowUp::ZeroThenAfterDecimal
                                         : TEntryFollowUp::AfterDecimal);
        if (!(digit || control || Ch == u'-' || Ch == dec)) return Swallow();
    }
    if ((Ch == thou || Ch == dec) && SeparatorSpacingRefuses()) return Swallow();
    // Full decimals: a further digit overwrites the next one, or is refused at the end.
    const qsizetype point = v.indexOf(dec);
    if (s.Precision > 0 && point >= 0 && s.SelLength == 0 && (digit || Ch == dec)) {
        const int caret = s.SelStart;
        const int pointPos = ValueStart() + int(point);
        const int decimals = int(v.size() - point - 1);
        if (caret > pointPos && ValueEnd() - caret <= s.Precision && decimals >= s.Precision) {
            if (!digit || caret >= ValueEnd()) return Swallow();
            TEntryState over = s;
            over.SelLength = 1;
            return TDropDownEntryRules(over).Pass(Ch);
        }
    }
    if (Ch == dec && v.isEmpty() && s.SelStart == ValueStart())
        return WithValue(u'0' + String(dec), ValueStart() + 2, true);
    if (Ch == u'-' && s.SelLength == 0) return ToggleSign();
    TEntryResult r = Pass(Ch);
    if (Money && r.Changed) {
        TEntryState typed = s;
        typed.EditText = r.EditText;
        const String after = TDropDownEntryRules(typed).Value();
        if (!after.isEmpty() && after != u"-" && Ch != dec) r.FollowUp = TEntryFollowUp::Reformat;
    }
    return r;
}

TEntryResult TDropDownEntryRules::RangeRules(QChar Ch) const {
    const ushort c = Ch.unicode();
    if (!(isDigit(Ch) || c == kBack || isTabOrEnter(c) || IsRangeSeparator(Ch))) return Swallow();
    if (IsRangeSeparator(Ch)) {
        const String& t = s.EditText;
        const int caret = s.SelStart;
        if (caret <= ValueStart()) return Swallow();
        if (caret > 0 && caret - 1 < t.size() && IsRangeSeparator(t[caret - 1])) return Swallow();
        if (caret < t.size() && IsRangeSeparator(t[caret])) return Swallow();
    }
    return Pass(Ch);
}

TEntryResult TDropDownEntryRules::TypeChar(QChar Ch) const {
    const ushort c = Ch.unicode();
    const bool back = c == kBack;
    if (back && !s.Prefix.isEmpty() && s.SelLength == 0 && s.SelStart <= ValueStart()) return Swallow();
    // A full integer part takes only the decimal separator (and the sign).
    if (s.LengthLimit > 0 && !back && s.SelLength == 0 && IntegerDigitCount(Value()) > s.LengthLimit &&
        s.SelStart < DecimalPosition()) {
        if (!(Ch == s.DecimalSeparator || (s.Signed && NumberType() && Ch == u'-'))) return Swallow();
    }
    if (back) return Pass(Ch);
    if (s.CtrlDown && c == kLineFeed) return Swallow();
    if (Ch == u'-' && NumberType() && !s.Signed) return Swallow();
    switch (s.EditType) {
    case etString:
    case etPassword:
        return Pass(Ch);
    case etNumeric:
        if (Ch == u'-') return ToggleSign();
        if (isDigit(Ch) || isTabOrEnter(c) || s.CtrlDown) return Pass(Ch);
        return Swallow();
    case etFloat:
        return FloatRules(Ch, false);
    case etMoney:
        return FloatRules(Ch, true);
    case etUppercase:
        return Pass(Ch.toUpper());
    case etLowerCase:
        return Pass(Ch.toLower());
    case etMixedCase: {
        TEntryResult r = Pass(Ch);
        if (!r.Changed) return r;
        TEntryState typed = s;
        typed.EditText = r.EditText;
        return WithValue(ToMixedCase(TDropDownEntryRules(typed).Value()), s.SelStart + 1, true);
    }
    case etRange:
        return RangeRules(Ch);
    case etHex:
        if (isHexDigit(Ch) || Ch == u'-' || isTabOrEnter(c)) return Pass(Ch);
        return Swallow();
    case etAlphaNumeric:
        if (isDigit(Ch) || isAsciiLetter(Ch) || isTabOrEnter(c)) return Pass(Ch);
        return Swallow();
    case etValidChars:
        if (s.ValidChars.contains(Ch)) return Pass(Ch);
        return Swallow();
    }
    return Swallow();
}

TEntryResult TDropDownEntryRules::DeleteKey() const {
    String t = s.EditText;
    const int start = std::clamp(s.SelStart, 0, int(t.size()));
    const int length = std::clamp(s.SelLength, 0, int(t.size()) - start);
    if (length == 0 && start >= t.size()) return Swallow();
    if (start >= ValueStart() && s.LengthLimit > 0) {
        TEntryState after = s;
        after.SelLength = length > 0 ? length : 1;
        const String v = TDropDownEntryRules(after).ReplacedValue(String());
        if (IntegerDigitCount(v) - 1 > s.LengthLimit) return Swallow();
    }
    t.remove(start, length > 0 ? length : 1);
    TEntryResult r;
    r.Changed = true;
    r.EditText = t;
    r.SelStart = start;
    r.Modified = true;
    if (s.EditType == etMoney) r.FollowUp = TEntryFollowUp::Reformat;
    return r;
}

TDropDownPasteResult TDropDownEntryRules::Paste(const String& Clip) const {
    TDropDownPasteResult r;
    const String v = Value();
    if (s.MaxLength > 0 && Clip.size() + v.size() - s.SelLength > s.MaxLength) return r;
    const String value = ReplacedValue(Clip);
    const int kind = NumberKindOf(value, s.DecimalSeparator, s.ThousandSeparator);
    const bool signOk = s.Signed || !value.contains(u'-');
    auto every = [&Clip](auto&& pred) { return std::all_of(Clip.begin(), Clip.end(), pred); };
    r.Value = value;
    switch (s.EditType) {
    case etString:
    case etPassword:
        r.Accepted = true;
        break;
    case etNumeric:
        r.Accepted = kind == 0 && signOk;
        break;
    case etFloat:
    case etMoney:
        if (kind > 1 || (s.Precision == 0 && Clip.contains(s.DecimalSeparator))) return r;
        r.Accepted = signOk;
        r.Reformat = true;
        break;
    case etUppercase:
        r.Value = value.toUpper();
        r.Accepted = true;
        break;
    case etLowerCase:
        r.Value = value.toLower();
        r.Accepted = true;
        break;
    case etMixedCase:
        r.Value = ToMixedCase(value);
        r.Accepted = true;
        break;
    case etAlphaNumeric:
        r.Accepted = every([](QChar c) { return isDigit(c) || isAsciiLetter(c); });
        break;
    case etValidChars:
        r.Accepted = every([this](QChar c) { return s.ValidChars.contains(c); });
        break;
    case etRange:
    case etHex: {
        // Typed one character after the other, each must be taken where it lands.
        // A control character in the clipboard is no typing: Backspace would delete instead of insert.
        if (std::any_of(Clip.begin(), Clip.end(), [](QChar c) { return c.unicode() < 32; })) return r;
        // Typed into the value only: a selection reaching into the prefix or suffix is cut to the value.
        TEntryState typed = s;
        typed.SelStart = std::clamp(s.SelStart, ValueStart(), ValueEnd());
        typed.SelLength = std::clamp(s.SelStart + s.SelLength, typed.SelStart, ValueEnd()) - typed.SelStart;
        for (QChar c : Clip) {
            const TEntryResult step = TDropDownEntryRules(typed).TypeChar(c);
            if (!step.Changed) return r;
            typed.EditText = step.EditText;
            typed.SelStart = step.SelStart;
            typed.SelLength = step.SelLength;
        }
        r.Value = TDropDownEntryRules(typed).Value();
        r.Accepted = !Clip.isEmpty();
        break;
    }
    }
    if (!r.Accepted) return r;
    r.Modified = true;
    const int a = std::clamp(s.SelStart - ValueStart(), 0, int(v.size()));
    const bool replacedSelection = std::min(s.SelStart + s.SelLength - ValueStart(), int(v.size())) > a;
    if (s.EditType == etMoney && r.Value.size() > 3) {
        r.SelectValue = true;
    } else if (replacedSelection) {
        r.SelStart = a;
        r.SelLength = int(Clip.size());
    } else {
        r.SelStart = a + int(Clip.size());
    }
    return r;
}

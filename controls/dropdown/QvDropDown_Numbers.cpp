// The dropdown edit's number kinds, hexadecimal digits and number formats.
#include "controls/dropdown/QvDropDown_Numbers.h"

#include "toolkit/system/SysUtils.h"

#include <climits>
#include <cmath>

QChar DecimalSeparatorChar() {
    return DecimalSeparator();
}

QChar ThousandSeparatorChar() {
    return ThousandSeparator();
}

bool IsRangeSeparator(QChar c) {
    return c == u',' || c == u'-' || c == u';';
}

int NumberKindOf(const String& Text, QChar DecimalSeparator, QChar ThousandSeparator) {
    if (Text.isEmpty() || Text.count(u'-') > 1 || Text.count(DecimalSeparator) > 1) return 2;
    bool digitsOnly = true, plain = true, hex = true;
    int lastThousand = -1;
    for (int i = 0; i < Text.size(); ++i) {
        const QChar c = Text[i];
        const bool digit = c >= u'0' && c <= u'9';
        if (!digit && c != u'-') digitsOnly = false;
        if (!digit && c != u',' && c != u'-' && c != u'.') plain = false;
        if (c == ThousandSeparator) {
            if (i == 0 || (lastThousand >= 0 && i - lastThousand <= 2)) plain = false;
            lastThousand = i;
        }
        const bool hexLetter = (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
        if (!digit && c != u'-' && !hexLetter) hex = false;
    }
    if (digitsOnly) return 0;
    if (plain) return 1;
    if (hex) return 5;
    return 2;
}

String StripThousandSeparators(const String& Text, QChar ThousandSeparator) {
    String s = Text;
    s.remove(ThousandSeparator);
    return s;
}

int HexDigitValue(QChar c) {
    if (c >= u'0' && c <= u'9') return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f') return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c.unicode() - u'A' + 10;
    return 0;
}

int HexToInt(const String& Text) {
    int64_t sum = 0;
    int64_t weight = 1;
    for (qsizetype i = Text.size() - 1; i >= 0; --i) {
        const int d = HexDigitValue(Text[i]);
        if (d != 0) {
            // A digit worth more than the range holds saturates, as does the sum.
            if (weight > INT_MAX / d) return INT_MAX;
            sum += d * weight;
            if (sum > INT_MAX) return INT_MAX;
        }
        if (weight > INT_MAX) {
            // Only zero digits may follow without passing the range.
            for (qsizetype k = i - 1; k >= 0; --k)
                if (HexDigitValue(Text[k]) != 0) return INT_MAX;
            break;
        }
        weight *= 16;
    }
    return static_cast<int>(sum);
}

double ParseFloatText(const String& Text, QChar DecimalSeparator, QChar ThousandSeparator) {
    String s = Text;
    if (ThousandSeparator != DecimalSeparator) s.remove(ThousandSeparator);
    double v = 0;
    if (!TryStrToFloat(s, v, DecimalSeparator) || !std::isfinite(v)) return 0;
    return v;
}

namespace {
// Plain decimal digits of a value with `decimals` places, '.' as the point.
String fixedDigits(double value, int decimals) {
    if (!std::isfinite(value)) return QStringLiteral("0");
    String s = String::number(value, 'f', std::clamp(decimals, 0, 18));
    // "-0.00" is shown as "0.00".
    if (s.startsWith(u'-') && s.mid(1).count(u'0') + s.count(u'.') == s.size() - 1) s.remove(0, 1);
    return s;
}
} // namespace

String FormatFixed(double Value, int Decimals, QChar DecimalSeparator) {
    String s = fixedDigits(Value, Decimals);
    s.replace(u'.', DecimalSeparator);
    return s;
}

String FormatGrouped(double Value, int Decimals, QChar DecimalSeparator, QChar ThousandSeparator) {
    String s = fixedDigits(Value, Decimals);
    const bool negative = s.startsWith(u'-');
    if (negative) s.remove(0, 1);
    qsizetype point = s.indexOf(u'.');
    String whole = point < 0 ? s : s.left(point);
    const String fraction = point < 0 ? String() : DecimalSeparator + s.mid(point + 1);
    for (qsizetype i = whole.size() - 3; i > 0; i -= 3)
        whole.insert(i, ThousandSeparator);
    return (negative ? QStringLiteral("-") : String()) + whole + fraction;
}

String FormatGeneral(double Value, QChar DecimalSeparator) {
    if (!std::isfinite(Value)) return QStringLiteral("0");
    return FloatToStr(Value, DecimalSeparator);
}

String FormatHex(double Value) {
    if (!std::isfinite(Value)) return QStringLiteral("0");
    const double t = std::trunc(Value);
    const int64_t v = t >= 9.2e18 ? INT64_MAX : t <= -9.2e18 ? INT64_MIN : static_cast<int64_t>(t);
    return IntToHex(v, 0);
}

int IntegerDigitCount(const String& Text, QChar DecimalSeparator, QChar ThousandSeparator,
                      bool SignedNumber) {
    const String s = StripThousandSeparators(Text, ThousandSeparator);
    const qsizetype point = s.indexOf(DecimalSeparator);
    int count = point < 0 ? int(s.size()) + 1 : int(point) + 1;
    if (SignedNumber && s.contains(u'-')) --count;
    return count;
}

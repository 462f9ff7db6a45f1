// Text, number, date and encoding routines of the grid library.
#include "controls/grid/QvUtil.h"
#include "toolkit/SysUtils.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr QChar kCR(13);
constexpr QChar kLF(10);
const QString kCRLF = QStringLiteral("\r\n");

// Pos as the library knows it: 1-based, 0 for not found and for an empty search text.
int PosOf(const String& sub, const String& text, qsizetype from = 0) {
    if (sub.isEmpty()) return 0;
    return static_cast<int>(text.indexOf(sub, from)) + 1;
}

// The first character of a locale format that is no letter: the separator between its fields.
// Whole-text integer conversion: leading blanks, an optional sign and decimal digits, nothing after.
bool ReadInt(const String& text, int& value) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    QStringView rest = QStringView(text).mid(i);
    if (rest.isEmpty()) return false;
    qsizetype k = (rest[0] == QLatin1Char('+') || rest[0] == QLatin1Char('-')) ? 1 : 0;
    if (k == rest.size()) return false;
    for (qsizetype j = k; j < rest.size(); ++j)
        if (rest[j] < QLatin1Char('0') || rest[j] > QLatin1Char('9')) return false;
    bool ok = false;
    value = rest.toInt(&ok);
    return ok;
}

// Whole-text floating-point conversion of a text already in "." decimal form.
bool ReadFloat(const String& text, double& value) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return false;
    for (QChar c : t)
        if (!(c.isDigit() && c.unicode() < 128) && !QStringLiteral("+-.eE").contains(c)) return false;
    bool ok = false;
    value = t.toDouble(&ok);
    return ok;
}

int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<int64_t>(yoe) + era * 400 + (month <= 2));
}

const int64_t kDayZero = DaysFromCivil(1899, 12, 30);

bool IsLeapYear(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m) {
    static constexpr std::array<int, 12> days{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return (m == 2 && IsLeapYear(y)) ? 29 : days[static_cast<size_t>(m - 1)];
}

bool TryEncodeDate(int y, int m, int d, TDateTime& value) {
    if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1 || d > DaysInMonth(y, m)) return false;
    value =
        static_cast<double>(DaysFromCivil(y, static_cast<unsigned>(m), static_cast<unsigned>(d)) - kDayZero);
    return true;
}

TDateTime EncodeDateOrRaise(int y, int m, int d) {
    TDateTime v = 0;
    if (!TryEncodeDate(y, m, d, v)) throw EConvertError(QStringLiteral("Invalid argument to date encode"));
    return v;
}

bool TryEncodeTime(int h, int n, int s, TDateTime& value) {
    if (h < 0 || h > 23 || n < 0 || n > 59 || s < 0 || s > 59) return false;
    value = (h * 3600.0 + n * 60.0 + s) / 86400.0;
    return true;
}

void DecodeDate(TDateTime date, int& y, int& m, int& d) {
    CivilFromDays(static_cast<int64_t>(std::floor(date)) + kDayZero, y, m, d);
}

// OEM code page 437, characters 128..255.
constexpr std::array<char16_t, 128> kOem437{
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE,
    0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6,
    0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA,
    0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, 0x2591, 0x2592, 0x2593, 0x2502,
    0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510, 0x2514,
    0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550,
    0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C,
    0x2588, 0x2584, 0x258C, 0x2590, 0x2580, 0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4,
    0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229, 0x2261, 0x00B1, 0x2265, 0x2264, 0x2320,
    0x2321, 0x00F7, 0x2248, 0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,
};

bool IsUrlChar(QChar c) {
    const char16_t u = c.unicode();
    if (u > 255) return false;
    if ((u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z')) return true;
    return QStringLiteral("%()-./:@\\_{}").contains(c);
}

// Wildcard match of the pattern (negation and quotes already taken out) against the text.
bool WildcardMatch(const QString& pat, const QString& text) {
    qsizetype p = 0, t = 0, starP = -1, starT = 0;
    while (t < text.size()) {
        if (p < pat.size() && pat[p] == QLatin1Char('*')) {
            while (p < pat.size() && pat[p] == QLatin1Char('*'))
                ++p;
            if (p == pat.size()) return true;
            starP = p;
            starT = t;
        } else if (p < pat.size() && (pat[p] == QLatin1Char('?') || pat[p] == text[t])) {
            ++p;
            ++t;
        } else if (starP >= 0) {
            p = starP;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (p < pat.size() && pat[p] == QLatin1Char('*'))
        ++p;
    return p == pat.size();
}

struct FilterComparison {
    bool present = false;
    bool inclusive = false;
    QString operand;
};

FilterComparison ScanComparison(const QString& pattern, QChar op) {
    FilterComparison cmp;
    qsizetype i = pattern.indexOf(op);
    if (i < 0) return cmp;
    cmp.present = true;
    ++i;
    if (i < pattern.size() && pattern[i] == QLatin1Char('=')) {
        cmp.inclusive = true;
        ++i;
    }
    while (i < pattern.size() && pattern[i] == QLatin1Char(' '))
        ++i;
    // Inside double quotes a blank, "&" or "|" belongs to the operand.
    bool quoted = false;
    for (; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && (c == QLatin1Char(' ') || c == QLatin1Char('&') || c == QLatin1Char('|')))
            break;
        cmp.operand += c;
    }
    if (cmp.operand.startsWith(QLatin1Char('"'))) cmp.operand.remove(0, 1);
    if (cmp.operand.endsWith(QLatin1Char('"'))) cmp.operand.chop(1);
    return cmp;
}

bool EvaluateComparison(const FilterComparison& cmp, QChar op, const QString& text) {
    if (!cmp.present) return true;
    double nText = 0, nOperand = 0;
    const bool textIsNumber = ReadFloat(NormalizeNumberText(text), nText);
    const bool operandIsNumber = ReadFloat(NormalizeNumberText(cmp.operand), nOperand);
    TDateTime dText = 0, dOperand = 0;
    const bool textIsDate = ParseLocaleDateTime(text, dText);
    const bool operandIsDate = ParseLocaleDateTime(cmp.operand, dOperand);
    int order;
    if (!textIsNumber || !operandIsNumber || textIsDate || operandIsDate) {
        if (textIsDate && operandIsDate)
            order = dText < dOperand ? -1 : (dText > dOperand ? 1 : 0);
        else
            order = QString::compare(text, cmp.operand, Qt::CaseSensitive);
    } else {
        order = nText < nOperand ? -1 : (nText > nOperand ? 1 : 0);
    }
    if (op == QLatin1Char('>')) return cmp.inclusive ? order >= 0 : order > 0;
    return cmp.inclusive ? order <= 0 : order < 0;
}

String ReplaceAll(String text, const QString& from, const QString& to) {
    return text.replace(from, to);
}

} // namespace

// --- Locale ---

QChar LocaleTimeSeparator() { return TimeSeparator(); }
QChar LocaleDateSeparator() { return DateSeparator(); }
QChar LocaleThousandSeparator() { return ThousandSeparator(); }
QChar LocaleDecimalSeparator() { return DecimalSeparator(); }
String LocaleShortDateFormat() { return ShortDateFormat(); }

// --- Positions, limits and lists ---

int ApplySizeLimits(int Value, int Min, int Max) {
    if (Min == Max) return Value;
    if (Max > 0 && Value > Max) return Max;
    if (Min > 0 && Value < Min) return Min;
    return Value;
}

bool CellInGridRect(const TRect& Rect, int Col, int Row) {
    return Col >= Rect.Left && Col <= Rect.Right && Row >= Rect.Top && Row <= Rect.Bottom;
}

int CharPos(QChar Ch, const String& Text) {
    return static_cast<int>(Text.indexOf(Ch)) + 1;
}

int CharPosToVar(QChar Ch, const String& Text, int& P) {
    const int r = CharPos(Ch, Text);
    if (r > 0) P = r;
    return r;
}

int PosToVar(const String& SubStr, const String& Text, int& P) {
    P = PosOf(SubStr, Text);
    return P;
}

int UpperCasePos(const String& SubStr, const String& Text) {
    return PosOf(SubStr, Text.toUpper());
}
int WidePos(const String& SubStr, const String& Text) {
    return PosOf(SubStr, Text);
}
int CountChar(QChar Ch, const String& Text) {
    return static_cast<int>(Text.count(Ch));
}

String TakeToDelimiter(String& S, const String& Delimiter) {
    const int p = PosOf(Delimiter, S);
    if (p == 0) return String();
    String head = S.left(p - 1);
    S.remove(0, p);
    return head;
}

String JoinStrings(const QStringList& Lines) {
    return Lines.join(QString());
}

void FillWithChar(String& S, QChar Ch) {
    S.fill(Ch);
}

// --- Character tests ---

bool IsDigitChar(QChar Ch) {
    return Ch.isNumber();
}
bool IsDigitOrMinus(QChar Ch) {
    return IsDigitChar(Ch) || Ch == QLatin1Char('-');
}
bool IsNumberChar(QChar Ch) {
    return IsDigitChar(Ch) || Ch == LocaleThousandSeparator() || Ch == LocaleDecimalSeparator() ||
           Ch == QLatin1Char('e') || Ch == QLatin1Char('E');
}
bool IsFloatChar(QChar Ch) {
    return IsDigitChar(Ch) || QStringLiteral("-.eE+").contains(Ch);
}
bool IsSignedNumberChar(QChar Ch) {
    return IsNumberChar(Ch) || Ch == QLatin1Char('+') || Ch == QLatin1Char('-');
}
bool IsWordBreakChar(QChar Ch) {
    return QStringLiteral(" ',-.").contains(Ch);
}

// --- Conversions ---

String DoubleQuotes(const String& Text) {
    return ReplaceAll(Text, QStringLiteral("\""), QStringLiteral("\"\""));
}

String UndoubleChar(QChar Ch, const String& Text) {
    if (!Text.contains(Ch)) return Text;
    return ReplaceAll(Text, QString(2, Ch), QString(Ch));
}

void QuoteWithVTBreaks(String& S) {
    S.replace(kCRLF, QString(QChar(11)));
    S = QLatin1Char('"') + S + QLatin1Char('"');
}

void VTToCRLF(String& S) {
    if (S.contains(QChar(11))) S.replace(QChar(11), kCRLF);
}

void CRLFToLF(String& S) {
    S.replace(kCRLF, QString(kLF));
}

void CRToTilde(String& S) {
    S.remove(kLF);
    S.replace(kCR, QLatin1Char('~'));
}

void TildeToCRLF(String& S) {
    S.replace(QLatin1Char('~'), kCRLF);
    if (S == QLatin1String("^")) S.clear();
}

String RemoveCR(const String& Text) {
    return String(Text).remove(kCR);
}
String CRToLF(const String& Text) {
    return String(Text).replace(kCR, kLF);
}

String CRToBR(const String& Text) {
    if (!Text.contains(kCR)) return Text;
    return String(Text).replace(kCR, QStringLiteral("<br>"));
}

String CRToEscapedNewline(const String& Text) {
    return String(Text).remove(kLF).replace(kCR, QStringLiteral("\\n"));
}

String EscapedNewlineToCR(const String& Text) {
    return String(Text).replace(QStringLiteral("\\n"), QString(kCR));
}

String EncodeCellLineBreaks(const String& Text) {
    if (!Text.contains(kCR)) return Text;
    String s = Text;
    s.replace(kCR, QChar(9)).replace(kLF, QChar(8)).replace(QChar(0), QChar(1));
    return s;
}

String DecodeCellLineBreaks(const String& Text, bool MultiLine) {
    if (!Text.contains(QChar(8))) return Text;
    String s = Text;
    s.replace(QChar(9), kCR).replace(QChar(8), kLF).replace(QChar(1), QChar(0));
    if (MultiLine) return s;
    String line;
    ExtractFirstLine(s, false, line);
    return line;
}

void ExtractFirstLine(String& S, bool KeepRest, String& Line) {
    const qsizetype cr = S.indexOf(kCR);
    if (cr < 0) {
        Line = S;
        S.clear();
        return;
    }
    Line = S.left(cr);
    qsizetype cut = cr + 1;
    if (cut < S.size() && S[cut] == kLF) ++cut;
    S.remove(0, cut);
    if (!KeepRest) S.clear();
}

int LineCount(const String& Text, bool MultiLine) {
    return MultiLine ? 1 + CountChar(kCR, Text) : 1;
}

String CleanNumberText(const String& Text) {
    if (Text.isEmpty()) return String();
    String s = Text.trimmed();
    bool negative = s.startsWith(QLatin1Char('(')) && s.endsWith(QLatin1Char(')'));
    while (s.size() >= 2 && !IsNumberChar(s[0])) {
        if (s[0] == QLatin1Char('-')) negative = true;
        s.remove(0, 1);
    }
    const QChar thousand = LocaleThousandSeparator();
    const QChar decimal = LocaleDecimalSeparator();
    String out;
    for (QChar c : s) {
        if (c == thousand) continue;
        if (c == decimal)
            out += QLatin1Char('.');
        else if (IsFloatChar(c))
            out += c;
        else
            break;
    }
    return negative ? QLatin1Char('-') + out : out;
}

String NormalizeNumberText(const String& Text) {
    const QChar thousand = LocaleThousandSeparator();
    const QChar decimal = LocaleDecimalSeparator();
    String out;
    out.reserve(Text.size());
    for (QChar c : Text) {
        if (c == decimal)
            out += QLatin1Char('.');
        else if (c != thousand)
            out += c;
    }
    return out;
}

String ColorToHex(TColor Color) {
    const TColor rgb = ColorToRGB(Color);
    return QStringLiteral("%1%2%3")
        .arg(GetRValue(rgb), 2, 16, QLatin1Char('0'))
        .arg(GetGValue(rgb), 2, 16, QLatin1Char('0'))
        .arg(GetBValue(rgb), 2, 16, QLatin1Char('0'))
        .toUpper();
}

void StringToOem(String& S) {
    for (QChar& c : S) {
        if (c.unicode() < 128) continue;
        char16_t mapped = u'?';
        for (size_t i = 0; i < kOem437.size(); ++i)
            if (kOem437[i] == c.unicode()) {
                mapped = static_cast<char16_t>(128 + i);
                break;
            }
        c = QChar(mapped);
    }
}

void OemToString(String& S) {
    for (QChar& c : S)
        if (c.unicode() >= 128 && c.unicode() < 256) c = QChar(kOem437[c.unicode() - 128]);
}

String ToMixedCase(const String& Text) {
    String out;
    out.reserve(Text.size());
    bool arm = true;
    const qsizetype n = Text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = Text[i];
        if (IsWordBreakChar(c)) {
            out += c;
            arm = true;
        } else if (arm) {
            out += c.toUpper();
            arm = false;
        } else {
            out += c.toLower();
        }
        // "McDonald" and a closing roman "II" or "III" keep their capitals.
        if (out == QLatin1String("Mc")) arm = true;
        const qsizetype mc = out.indexOf(QLatin1String(" Mc"));
        if (mc >= 0 && mc + 3 == out.size()) arm = true;
        if (i >= n - 3 && (out.endsWith(QLatin1String(" I")) || out.endsWith(QLatin1String(" II"))))
            arm = true;
    }
    return out;
}

String EncodeWideCellText(const String& Wide) {
    String out = QStringLiteral("|\\");
    out.reserve(2 + Wide.size() * 2);
    for (QChar c : Wide) {
        out += QChar(c.unicode() >> 8);
        out += QChar(c.unicode() & 0xFF);
    }
    return out;
}

String DecodeWideCellText(const String& Text) {
    if (!Text.startsWith(QLatin1String("|\\"))) return Text;
    String out;
    for (qsizetype i = 2; i + 1 < Text.size(); i += 2)
        out +=
            QChar(static_cast<char16_t>(((Text[i].unicode() & 0xFF) << 8) | (Text[i + 1].unicode() & 0xFF)));
    return out;
}

// --- Quoted CSV fields ---

int FindClosingQuote(QChar Quote, const String& Text, int& P) {
    P = 0;
    const qsizetype n = Text.size();
    qsizetype i = 0;
    while (i < n) {
        if (Text[i] != Quote) {
            ++i;
            continue;
        }
        qsizetype j = i;
        while (j + 1 < n && Text[j + 1] == Quote)
            ++j;
        if (j == n - 1 || (j - i + 1) % 2 == 1) {
            P = static_cast<int>(j) + 1;
            return P;
        }
        i = j + 1;
    }
    return 0;
}

int CountClosingQuotes(QChar Quote, const String& Text) {
    String rest = Text;
    int count = 0;
    int p = 0;
    while (FindClosingQuote(Quote, rest, p) > 0) {
        ++count;
        rest.remove(0, p);
    }
    return count;
}

QChar FindDelimiterOutsideQuotes(const QString& Chars, const String& Text, int& P) {
    int quotes = 0;
    for (qsizetype i = 0; i < Text.size(); ++i) {
        if (Text[i] == QLatin1Char('"')) ++quotes;
        if (quotes % 2 == 0 && Chars.contains(Text[i])) {
            P = static_cast<int>(i) + 1;
            return Text[i];
        }
    }
    P = -1;
    return QChar(0);
}

// --- Classification and detection ---

int TextNumberKind(const String& Text) {
    if (Text.isEmpty()) return nkNoNumber;
    const QChar thousand = LocaleThousandSeparator();
    const QChar decimal = LocaleDecimalSeparator();
    const qsizetype n = Text.size();
    bool isInt = true, isFloat = true, isExp = true, hasE = false;
    int minus = 0, decimals = 0, eCount = 0;
    qsizetype lastThousand = -1;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = Text[i];
        const bool digit = IsDigitChar(c);
        const bool isMinus = c == QLatin1Char('-');
        const bool isE = c == QLatin1Char('e') || c == QLatin1Char('E');
        if (isMinus) ++minus;
        if (c == decimal) ++decimals;
        if (isE) {
            hasE = true;
            ++eCount;
            if (i == 0) isExp = false;
        }
        if (!(digit || isMinus) || (isMinus && i > 0)) isInt = false;
        if (!(digit || isMinus || c == thousand || c == decimal) || (isMinus && i > 0)) isFloat = false;
        if (c == thousand) {
            if (lastThousand >= 0 && i - lastThousand <= 3) isFloat = false;
            lastThousand = i;
            isExp = false;
        }
        if (!IsSignedNumberChar(c)) isExp = false;
    }
    if (eCount != 1) isExp = false;
    const QChar last = Text[n - 1];
    if (QStringLiteral("+-eE").contains(last)) isExp = false;

    int kind;
    if (isInt)
        kind = nkInteger;
    else
        kind = (!isFloat || hasE) ? nkNoNumber : nkFloat;
    if (isExp && hasE) kind = nkExponent;
    // The exponent's own sign is the second "-" of "-1e-5".
    if (kind == nkExponent && minus == 2) minus = 1;
    if (minus > 1 || decimals > 1) kind = nkNoNumber;
    return kind;
}

int CellTextKind(const String& Text, bool CheckHTML) {
    const String t = Text + QLatin1Char(' ');
    if (t.size() < 2) return ctkPlain;
    if (t.startsWith(QLatin1Char('='))) return ctkFormula;
    if (t.startsWith(QLatin1String("|\\"))) {
        if (t.size() >= 5 && t[3] == QLatin1Char('=') && t[4] == QChar(0)) return ctkFormula;
        return ctkWide;
    }
    if (t.startsWith(QLatin1String("{\\"))) return ctkRTF;
    if (CheckHTML && (t.contains(QLatin1String("</")) || t.contains(QLatin1String("<B")) ||
                      t.contains(QLatin1String("<I")) || t.contains(QLatin1String("<C"))))
        return ctkHTML;
    return ctkPlain;
}

bool IsURL(const String& Text) {
    return Text.contains(QLatin1String("://")) || Text.contains(QLatin1String("mailto:"));
}

void StripURLProtocol(String& S) {
    qsizetype p = S.indexOf(QLatin1String("://"));
    if (p >= 0) {
        S.remove(0, p + 3);
        return;
    }
    p = S.indexOf(QLatin1String("mailto:"));
    if (p >= 0) S.remove(0, p + 7);
}

bool ParseCellReference(const String& Text, TPoint& Point) {
    const String t = Text.toUpper();
    if (t.size() <= 3 || !t.startsWith(QLatin1Char('R'))) return false;
    const qsizetype c = t.indexOf(QLatin1Char('C'), 1);
    if (c < 0) return false;
    int row = 0, col = 0;
    if (!ReadInt(t.mid(1, c - 1), row) || !ReadInt(t.mid(c + 1), col)) return false;
    Point = TPoint(col, row);
    return true;
}

bool HasDateSeparators(const String& Text) {
    const QChar sep = LocaleDateSeparator();
    const qsizetype first = Text.indexOf(sep);
    if (first < 1) return false;
    return Text.indexOf(sep, first + 1) - (first + 1) >= 1;
}

// --- Dates ---

bool ParseLocaleDateTime(const String& Text, TDateTime& Value) {
    // The order of day, month and year as the short date format writes them.
    const String format = LocaleShortDateFormat().toUpper();
    std::array<std::pair<qsizetype, char>, 3> order{{{format.indexOf(QLatin1Char('D')), 'D'},
                                                     {format.indexOf(QLatin1Char('M')), 'M'},
                                                     {format.indexOf(QLatin1Char('Y')), 'Y'}}};
    for (auto& o : order)
        if (o.first < 0) o.first = format.size();
    std::stable_sort(order.begin(), order.end(), [](auto& a, auto& b) { return a.first < b.first; });

    const QChar sep = LocaleDateSeparator();
    const qsizetype s1 = Text.indexOf(sep);
    if (s1 < 0) return false;
    const qsizetype s2 = Text.indexOf(sep, s1 + 1);
    const String f1 = Text.left(s1);
    const String f2 = s2 < 0 ? Text.mid(s1 + 1) : Text.mid(s1 + 1, s2 - s1 - 1);
    String rest = s2 < 0 ? String() : Text.mid(s2 + 1).trimmed();
    String timeText;
    const qsizetype blank = rest.indexOf(QLatin1Char(' '));
    if (blank >= 0) {
        timeText = rest.mid(blank).trimmed();
        rest = rest.left(blank);
    }
    std::array<int, 3> fields{};
    if (!ReadInt(f1, fields[0]) || !ReadInt(f2, fields[1]) || !ReadInt(rest, fields[2])) return false;
    int day = 0, month = 0, year = 0;
    for (size_t i = 0; i < 3; ++i) {
        switch (order[i].second) {
        case 'D':
            day = fields[i];
            break;
        case 'M':
            month = fields[i];
            break;
        default:
            year = fields[i];
            break;
        }
    }
    if (day > 31 || month > 12) return false;
    TDateTime date = 0;
    if (!TryEncodeDate(year, month, day, date)) return false;
    Value = date;
    if (timeText.isEmpty()) return true;

    const QChar tsep = LocaleTimeSeparator();
    const qsizetype t1 = timeText.indexOf(tsep);
    if (t1 < 0) return false;
    const qsizetype t2 = timeText.indexOf(tsep, t1 + 1);
    int hour = 0, minute = 0, second = 0;
    if (!ReadInt(timeText.left(t1), hour) || hour > 23) return false;
    if (t2 >= 0) {
        if (!ReadInt(timeText.mid(t1 + 1, t2 - t1 - 1), minute) || !ReadInt(timeText.mid(t2 + 1), second) ||
            second > 60)
            return false;
    } else if (!ReadInt(timeText.mid(t1 + 1), minute)) {
        return false;
    }
    if (minute > 59) return false;
    TDateTime time = 0;
    if (!TryEncodeTime(hour, minute, second, time)) return false;
    Value = date + time;
    return true;
}

namespace {

// Splits "a<sep>b<sep>c" at the first of "/", "." and "-" the text holds; false unless three numbers.
bool SplitShortDate(const String& Text, int& first, int& second, int& year) {
    QChar sep;
    for (QChar c : {QLatin1Char('/'), QLatin1Char('.'), QLatin1Char('-')})
        if (Text.contains(c)) {
            sep = c;
            break;
        }
    if (sep.isNull()) return false;
    const qsizetype s1 = Text.indexOf(sep);
    const qsizetype s2 = Text.indexOf(sep, s1 + 1);
    if (s2 < 0) return false;
    if (!ReadInt(Text.left(s1), first) || !ReadInt(Text.mid(s1 + 1, s2 - s1 - 1), second) ||
        !ReadInt(Text.mid(s2 + 1), year))
        return false;
    // Two-digit years: 00..25 are this century, 26..99 the last; a full year stays as written.
    if (year < 26)
        year += 2000;
    else if (year < 100)
        year += 1900;
    return true;
}

} // namespace

TDateTime ParseShortDateUS(const String& Text) {
    int month = 0, day = 0, year = 0;
    if (!SplitShortDate(Text, month, day, year)) return 0;
    return EncodeDateOrRaise(year, month, day);
}

TDateTime ParseShortDateEU(const String& Text) {
    int day = 0, month = 0, year = 0;
    if (!SplitShortDate(Text, day, month, year)) return 0;
    return EncodeDateOrRaise(year, month, day);
}

TDateTime AdvanceDate(int YearStep, int MonthStep, int DayStep, TDateTime Date, TDateTime Delta) {
    if (DayStep != 0 && YearStep == 0 && MonthStep == 0) return Date + DayStep;
    if ((YearStep != 0) == (MonthStep != 0) || DayStep != 0) return Date + Delta;
    int y = 0, m = 0, d = 0;
    DecodeDate(Date, y, m, d);
    const double time = Date - std::floor(Date);
    if (YearStep != 0) {
        y += YearStep;
    } else {
        const int months = (m - 1) + MonthStep;
        y += months >= 0 ? months / 12 : -((11 - months) / 12);
        m = ((months % 12) + 12) % 12 + 1;
    }
    // 31 January plus a month is the last day of February, not an error.
    if (y >= 1 && y <= 9999) d = std::min(d, DaysInMonth(y, m));
    return EncodeDateOrRaise(y, m, d) + time;
}

// --- HTML ---

void WriteHtmlClipboard(String& Html) {
    static const QString kDocType =
        QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">");
    static const QString kBodyStart = QStringLiteral(
        "<html><head><META http-equiv=Content-Type content=\"text/html; charset=utf-8\"></head>"
        "<body><!--StartFragment-->");
    static const QString kBodyEnd = QStringLiteral("<!--EndFragment--></body></html>");
    // Every fixed part is ASCII, so its length in characters is its length in bytes.
    const qsizetype fragmentBytes = Html.toUtf8().size();
    const qsizetype headerBytes = 97;
    const qsizetype startFragment = headerBytes + kDocType.size() + kBodyStart.size();
    const qsizetype endFragment = startFragment + fragmentBytes;
    const qsizetype endHtml = endFragment + kBodyEnd.size();
    auto line = [](const char* key, qsizetype value) {
        return QString::asprintf("%s%.8lld\r\n", key, static_cast<long long>(value));
    };
    Html = QStringLiteral("Version:1.0\r\n") + line("StartHTML:", headerBytes) + line("EndHTML:", endHtml) +
           line("StartFragment:", startFragment) + line("EndFragment:", endFragment) + kDocType + kBodyStart +
           Html + kBodyEnd;
}

bool InsertURLAnchor(const String& Text, const String& Prefix, String& Dest) {
    if (PosOf(Prefix, Text.toUpper()) == 0) return false;
    Dest = Text;
    Dest.replace(QLatin1Char('<'), QLatin1String("&lt;")).replace(QLatin1Char('>'), QLatin1String("&gt;"));
    const qsizetype f = Dest.toUpper().indexOf(Prefix);
    qsizetype e = f;
    while (e < Dest.size() && IsUrlChar(Dest[e]))
        ++e;
    const String url = Dest.mid(f, e - f);
    Dest.insert(e, QLatin1String("</a>"));
    Dest.insert(f, QStringLiteral("<a href=\"%1\">").arg(url));
    return true;
}

// --- Filter ---

String RemoveBlanksOutsideQuotes(const String& Text) {
    String out;
    int quotes = 0;
    for (QChar c : Text) {
        if (c == QLatin1Char('"')) ++quotes;
        if (c == QLatin1Char(' ') && quotes % 2 == 0) continue;
        out += c;
    }
    return out;
}

int FindClosingParen(const String& Text) {
    int open = 0, close = 0;
    for (qsizetype i = 0; i < Text.size(); ++i) {
        if (Text[i] == QLatin1Char('('))
            ++open;
        else if (Text[i] == QLatin1Char(')')) {
            ++close;
            if (open == close) return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

bool MatchFilterPattern(const String& Pattern, const String& Text) {
    const bool hasNot = Pattern.contains(QLatin1Char('!'));
    const FilterComparison gt = ScanComparison(Pattern, QLatin1Char('>'));
    const FilterComparison lt = ScanComparison(Pattern, QLatin1Char('<'));
    const bool gtResult = EvaluateComparison(gt, QLatin1Char('>'), Text);
    const bool ltResult = EvaluateComparison(lt, QLatin1Char('<'), Text);
    // A negation counts as either comparison where that operator is absent.
    const bool hasGt = gt.present || hasNot;
    const bool hasLt = lt.present || hasNot;
    if (Pattern.contains(QLatin1Char('^')) && (hasGt || hasLt)) return gtResult || ltResult;
    if (Pattern.contains(QLatin1Char('&')) && hasGt && hasLt) return gtResult && ltResult;
    if (gt.present && gtResult) return true;
    if (lt.present && ltResult) return true;

    String literal = Pattern;
    literal.remove(QLatin1Char('!')).remove(QLatin1Char('"'));
    const bool matched = WildcardMatch(literal, Text);
    return hasNot ? !matched : matched;
}

bool MatchFilterTerm(const String& Term, const String& Text, bool CaseSensitive) {
    if (CaseSensitive) return MatchFilterPattern(Term, Text);
    return MatchFilterPattern(Term.toUpper(), Text.toUpper());
}

bool MatchFilterExpression(const String& Expression, const String& Text, bool CaseSensitive) {
    static const QString kDelimiters = QStringLiteral("(;^&|");
    String e = RemoveBlanksOutsideQuotes(Expression.trimmed());
    if (e.startsWith(QLatin1Char('='))) e.remove(0, 1);

    bool result = true;
    QChar op; // null: no operator yet
    auto combine = [&](bool value) {
        if (op.isNull())
            result = value;
        else if (op == QLatin1Char('&'))
            result = result && value;
        else if (op != QLatin1Char('('))
            result = result || value;
    };
    for (;;) {
        int k = 0;
        const QChar found = FindDelimiterOutsideQuotes(kDelimiters, e, k);
        if (found.isNull()) break;
        bool value;
        if (e.startsWith(QLatin1Char('('))) {
            const int close = FindClosingParen(e);
            // Without its ")" the rest cannot be a group: it is matched as it stands.
            if (close == 0) break;
            value = MatchFilterExpression(e.mid(1, close - 2), Text, CaseSensitive);
            e.remove(0, close);
        } else {
            value = MatchFilterTerm(e.left(k - 1), Text, CaseSensitive);
            e.remove(0, k);
        }
        combine(value);
        op = found;
    }
    combine(MatchFilterTerm(e, Text, CaseSensitive));
    return result;
}

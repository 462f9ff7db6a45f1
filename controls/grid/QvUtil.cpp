// Locale, positions, character tests, conversions and classification of the grid library's texts.
#include "controls/grid/QvUtil.h"
#include "controls/grid/QvUtil_Parse.h"
#include "toolkit/system/SysUtils.h"

#include <array>
#include <cmath>

using namespace qvutil_detail;

namespace {

constexpr QChar kCR(13);
constexpr QChar kLF(10);
const QString kCRLF = QStringLiteral("\r\n");

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

String ReplaceAll(String text, const QString& from, const QString& to) {
    return text.replace(from, to);
}

} // namespace

// --- Locale ---

QChar LocaleTimeSeparator() {
    return TimeSeparator();
}
QChar LocaleDateSeparator() {
    return DateSeparator();
}
QChar LocaleThousandSeparator() {
    return ThousandSeparator();
}
QChar LocaleDecimalSeparator() {
    return DecimalSeparator();
}
String LocaleShortDateFormat() {
    return ShortDateFormat();
}

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

bool CellTextToNumber(const String& Text, double& Value) {
    Value = 0;
    const String trimmed = Text.trimmed();
    if (trimmed.isEmpty() || trimmed == QStringLiteral("-")) return true;
    // The cleaner drops what is no number; a text it empties that held something other than a sign is no
    // number at all.
    const String s = CleanNumberText(trimmed);
    if (s.isEmpty()) return false;
    if (s == QStringLiteral("-")) return true;
    return TryStrToFloat(s, Value, QLatin1Char('.'));
}

String NormalizeNumberText(const String& Text) {
    return NormalizeNumberText(Text, LocaleThousandSeparator(), LocaleDecimalSeparator());
}

String NormalizeNumberText(const String& Text, QChar Thousand, QChar Decimal) {
    String out;
    out.reserve(Text.size());
    for (QChar c : Text) {
        if (c == Decimal)
            out += QLatin1Char('.');
        else if (c != Thousand)
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
    if (!IsWideCellText(Text)) return Text;
    String out;
    for (qsizetype i = 2; i + 1 < Text.size(); i += 2)
        out +=
            QChar(static_cast<char16_t>(((Text[i].unicode() & 0xFF) << 8) | (Text[i + 1].unicode() & 0xFF)));
    return out;
}

// --- Classification and detection ---

int TextNumberKind(const String& Text) {
    return TextNumberKind(Text, LocaleThousandSeparator(), LocaleDecimalSeparator());
}

int TextNumberKind(const String& Text, QChar thousand, QChar decimal) {
    if (Text.isEmpty()) return nkNoNumber;
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
        // The separators given, not the locale's again for every character: reading the locale is costly.
        if (!(digit || isMinus || isE || c == QLatin1Char('+') || c == thousand || c == decimal))
            isExp = false;
        // Nothing left that the text could be.
        if (!isInt && !isFloat && !isExp) return nkNoNumber;
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

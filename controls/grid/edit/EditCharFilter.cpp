// The text editor's character and paste rules by editor kind.
#include "controls/grid/edit/EditCharFilter.h"

#include "controls/grid/QvUtil.h"

#include <algorithm>

namespace {

constexpr ushort kCharBack = 8;
constexpr ushort kCharTab = 9;
constexpr ushort kCharLineFeed = 10;
constexpr ushort kCharEnter = 13;
constexpr ushort kCharEscape = 27;

bool IsAsciiDigitChar(QChar c) {
    return c >= QChar('0') && c <= QChar('9');
}

bool IsEditKeyChar(ushort c) {
    return c == kCharBack || c == kCharTab || c == kCharEnter || c == kCharEscape;
}

TCharFilterResult CharResult(TCharVerdict verdict, QChar ch) {
    TCharFilterResult r;
    r.Verdict = verdict;
    r.Char = ch;
    return r;
}

String SelectedPart(const TEditCharState& s) {
    if (s.SelLength <= 0) return String();
    return s.Text.mid(s.SelStart, s.SelLength);
}

TCharFilterResult FilterFloatChar(const TEditCharState& s, QChar ch) {
    const ushort c = ch.unicode();
    const bool positive = s.Kind == edPositiveFloat;
    const bool inSet = IsEditKeyChar(c) || IsAsciiDigitChar(ch) || ch == QChar(',') || ch == QChar('.') ||
                       (ch == QChar('-') && !positive);
    if (!inSet) return CharResult(s.CtrlHeld ? TCharVerdict::Pass : TCharVerdict::Drop, ch);
    if (ch == s.DecimalSeparator) {
        if (s.Text.contains(s.DecimalSeparator) && !SelectedPart(s).contains(s.DecimalSeparator))
            return CharResult(TCharVerdict::Drop, ch);
        return CharResult(TCharVerdict::Pass, ch);
    }
    if (ch == s.ThousandSeparator) return CharResult(TCharVerdict::Drop, ch);
    if (ch == QChar('-')) {
        const bool atStart = s.SelStart == 0 && !s.Text.contains(QChar('-'));
        return CharResult(
            atStart || SelectedPart(s).contains(QChar('-')) ? TCharVerdict::Pass : TCharVerdict::Refuse, ch);
    }
    return CharResult(TCharVerdict::Pass, ch);
}

bool InValidChars(const TEditCharState& s, QChar ch) {
    if (!s.ValidChars.isEmpty()) return s.ValidChars.contains(ch);
    return ch.unicode() <= 255 && s.ValidCharSet.test(ch.unicode());
}

// Whether a pasted character is one typing would let into the text of this kind; `converted` receives the
// character in the kind's case.
bool PastedCharAllowed(const TEditCharState& s, QChar ch, QChar& converted) {
    converted = ch;
    switch (s.Kind) {
    case edNormal:
    case edPassword:
    case edMixedCase:
        return true;
    case edCapital:
    case edUpperCase:
        converted = ch.toUpper();
        return true;
    case edLowerCase:
        converted = ch.toLower();
        return true;
    case edNumeric:
        return IsAsciiDigitChar(ch) || ch == QChar('-');
    case edPositiveNumeric:
        return IsAsciiDigitChar(ch);
    case edFloat:
    case edPositiveFloat:
        if (ch == s.ThousandSeparator) return false;
        return IsAsciiDigitChar(ch) || ch == s.DecimalSeparator || (ch == QChar('-') && s.Kind == edFloat);
    case edValidChars:
        return InValidChars(s, ch);
    default:
        return false;
    }
}

// An optional leading "-", digits, and (when allowed) one decimal separator; at least one digit.
bool IsPlainNumber(const String& text, QChar decimal, bool allowDecimal) {
    int digits = 0;
    bool seenDecimal = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QChar('-') && i == 0) continue;
        if (IsAsciiDigitChar(c)) {
            ++digits;
            continue;
        }
        if (allowDecimal && c == decimal && !seenDecimal) {
            seenDecimal = true;
            continue;
        }
        return false;
    }
    return digits > 0;
}

} // namespace

bool IsTextEditorKind(TEditorType Kind) {
    switch (Kind) {
    case edNormal:
    case edNumeric:
    case edPositiveNumeric:
    case edFloat:
    case edCapital:
    case edMixedCase:
    case edPassword:
    case edLowerCase:
    case edUpperCase:
    case edValidChars:
    case edPositiveFloat:
        return true;
    default:
        return false;
    }
}

TCharFilterResult FilterEditChar(const TEditCharState& State, QChar Ch) {
    const ushort c = Ch.unicode();
    if (State.CtrlHeld && c == 1) return CharResult(TCharVerdict::Drop, Ch);
    if (State.CtrlHeld && c == kCharLineFeed && !State.LineFeedAllowed)
        return CharResult(TCharVerdict::Drop, Ch);
    if (State.LengthLimit > 0 && State.Text.size() >= State.LengthLimit && State.SelLength == 0 &&
        c != kCharBack && c != kCharEscape && c != kCharEnter)
        return CharResult(TCharVerdict::Drop, Ch);
    switch (State.Kind) {
    case edNormal:
    case edCapital:
    case edMixedCase:
    case edLowerCase:
    case edUpperCase:
    case edValidChars:
        if (c == kCharEnter && State.LineFeedOnEnter) {
            TCharFilterResult r = CharResult(TCharVerdict::Pass, Ch);
            r.LineBreak = true;
            return r;
        }
        break;
    default:
        break;
    }
    switch (State.Kind) {
    case edNormal:
    case edPassword:
        return CharResult(TCharVerdict::Pass, Ch);
    case edNumeric:
        if (IsEditKeyChar(c) || IsAsciiDigitChar(Ch)) return CharResult(TCharVerdict::Pass, Ch);
        if (Ch == QChar('-') && !State.Text.contains(QChar('-')) && State.SelStart == 0)
            return CharResult(TCharVerdict::Pass, Ch);
        return CharResult(TCharVerdict::Refuse, Ch);
    case edPositiveNumeric:
        if (IsEditKeyChar(c) || IsAsciiDigitChar(Ch)) return CharResult(TCharVerdict::Pass, Ch);
        return CharResult(TCharVerdict::Refuse, Ch);
    case edFloat:
    case edPositiveFloat:
        return FilterFloatChar(State, Ch);
    case edCapital:
    case edUpperCase:
        return CharResult(TCharVerdict::Pass, Ch.toUpper());
    case edLowerCase:
        return CharResult(TCharVerdict::Pass, Ch.toLower());
    case edMixedCase: {
        TCharFilterResult r = CharResult(TCharVerdict::Pass, Ch);
        r.MixedCase = c >= 32;
        return r;
    }
    case edValidChars:
        // Tab and Escape end or leave the edit; they are keys, not text, and never beep.
        if (c == kCharBack || c == kCharEnter || c == kCharTab || c == kCharEscape || InValidChars(State, Ch))
            return CharResult(TCharVerdict::Pass, Ch);
        return CharResult(TCharVerdict::Refuse, Ch);
    default:
        return CharResult(TCharVerdict::Drop, Ch);
    }
}

TPasteResult BuildPastedText(const TEditCharState& State, String Clip) {
    TPasteResult result;
    if (!IsTextEditorKind(State.Kind)) return result;
    if (State.LengthLimit > 0 && Clip.size() > State.LengthLimit) return result;
    const qsizetype crlf = Clip.indexOf(QStringLiteral("\r\n"));
    if (crlf >= 0 && crlf == Clip.size() - 2) Clip.chop(2);
    String pasted;
    pasted.reserve(Clip.size());
    for (const QChar ch : Clip) {
        QChar converted;
        if (!PastedCharAllowed(State, ch, converted)) return result;
        pasted += converted;
    }
    const int start = std::clamp(State.SelStart, 0, int(State.Text.size()));
    const int length = std::clamp(State.SelLength, 0, int(State.Text.size()) - start);
    String text = State.Text.left(start) + pasted + State.Text.mid(start + length);
    if (State.LengthLimit > 0 && text.size() > State.LengthLimit) return result;
    switch (State.Kind) {
    case edNumeric:
    case edPositiveNumeric:
        if (!IsPlainNumber(text, State.DecimalSeparator, false)) return result;
        break;
    case edFloat:
    case edPositiveFloat:
        if (!IsPlainNumber(text, State.DecimalSeparator, true)) return result;
        break;
    case edMixedCase:
        text = ToMixedCase(text);
        break;
    default:
        break;
    }
    result.Accepted = true;
    result.Text = text;
    result.SelStart = length > 0 ? start : start + int(pasted.size());
    result.SelLength = length > 0 ? int(pasted.size()) : 0;
    return result;
}

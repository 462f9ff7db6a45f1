// The rules of an edit mask: parsing, laying values into it, typing and checking, without a window.
#include "toolkit/stdctrls/Mask.h"
#include "toolkit/system/SysUtils.h"

TEditMask::TEditMask(const String& mask) {
    // The mask part ends at the first ';' that is not escaped; the fields after it are flags.
    int end = 0;
    while (end < mask.size() && mask[end] != QChar(';')) {
        if (mask[end] == QChar('\\')) ++end;
        ++end;
    }
    end = std::min<int>(end, mask.size());
    const QStringList fields = mask.mid(end + 1).split(QChar(';'));
    if (end < mask.size()) {
        if (!fields.value(0).isEmpty()) FSaveLiterals = fields[0].at(0) != QChar('0');
        if (!fields.value(1).isEmpty()) FBlank = fields[1].at(0);
    }
    Case letterCase = Case::Keep;
    for (int i = 0; i < end; ++i) {
        const QChar c = mask[i];
        Slot slot;
        slot.letterCase = letterCase;
        switch (c.unicode()) {
        case '!':
            FLeadingBlanks = true;
            continue;
        case '>':
            letterCase = Case::Upper;
            continue;
        case '<':
            if (i + 1 < end && mask[i + 1] == QChar('>')) {
                letterCase = Case::Keep;
                ++i;
            } else {
                letterCase = Case::Lower;
            }
            continue;
        case '\\':
            if (++i >= end) continue;
            slot.literal = mask[i];
            break;
        case 'L':
        case 'l':
            slot.kind = Kind::Letter;
            break;
        case 'A':
        case 'a':
            slot.kind = Kind::AlphaNum;
            break;
        case 'C':
        case 'c':
            slot.kind = Kind::Any;
            break;
        case '0':
        case '9':
            slot.kind = Kind::Digit;
            break;
        case '#':
            slot.kind = Kind::DigitOrSign;
            break;
        case ':':
            slot.literal = TimeSeparator();
            break;
        case '/':
            slot.literal = DateSeparator();
            break;
        case '_':
            slot.literal = QChar(' ');
            break;
        default:
            slot.literal = c;
        }
        if (slot.kind != Kind::Literal)
            slot.required = c == QChar('L') || c == QChar('A') || c == QChar('C') || c == QChar('0');
        FSlots.push_back(slot);
    }
}

bool TEditMask::IsLiteral(int pos) const {
    return pos >= 0 && pos < Length() && FSlots[size_t(pos)].kind == Kind::Literal;
}

bool TEditMask::IsRequired(int pos) const {
    return pos >= 0 && pos < Length() && FSlots[size_t(pos)].required;
}

QChar TEditMask::Literal(int pos) const {
    return IsLiteral(pos) ? FSlots[size_t(pos)].literal : QChar();
}

QChar TEditMask::Converted(int pos, QChar c) const {
    if (pos < 0 || pos >= Length()) return c;
    switch (FSlots[size_t(pos)].letterCase) {
    case Case::Upper:
        return c.toUpper();
    case Case::Lower:
        return c.toLower();
    default:
        return c;
    }
}

bool TEditMask::Accepts(int pos, QChar c) const {
    if (pos < 0 || pos >= Length() || c.unicode() < 32) return false;
    const bool digit = c >= QChar('0') && c <= QChar('9');
    switch (FSlots[size_t(pos)].kind) {
    case Kind::Letter:
        return c.isLetter();
    case Kind::AlphaNum:
        return c.isLetter() || digit;
    case Kind::Any:
        return true;
    case Kind::Digit:
        return digit;
    case Kind::DigitOrSign:
        return digit || c == QChar('+') || c == QChar('-');
    default:
        return false;
    }
}

int TEditMask::NextInput(int pos) const {
    for (int p = std::max(pos, 0); p < Length(); ++p)
        if (!IsLiteral(p)) return p;
    return Length();
}

int TEditMask::PrevInput(int pos) const {
    for (int p = std::min(pos, Length() - 1); p >= 0; --p)
        if (!IsLiteral(p)) return p;
    return -1;
}

bool TEditMask::IsBlankAt(const String& editText, int pos) const {
    if (pos >= editText.size()) return true;
    const QChar c = editText[pos];
    return c == FBlank || (c == QChar(' ') && FSlots[size_t(pos)].kind != Kind::Any);
}

String TEditMask::EmptyEditText() const {
    String text;
    text.reserve(Length());
    for (const Slot& slot : FSlots)
        text += slot.kind == Kind::Literal ? slot.literal : FBlank;
    return text;
}

String TEditMask::EditTextFromText(const String& text) const {
    String out = EmptyEditText();
    const auto put = [&](int pos, QChar c) {
        const QChar converted = Converted(pos, c);
        const bool empty = c == QChar(' ') && FSlots[size_t(pos)].kind != Kind::Any;
        out[pos] = empty || !Accepts(pos, converted) ? FBlank : converted;
    };
    const int n = Length();
    if (!FSaveLiterals) {
        std::vector<int> inputs;
        for (int p = 0; p < n; ++p)
            if (!IsLiteral(p)) inputs.push_back(p);
        const int take = std::min<int>(int(inputs.size()), text.size());
        const int start = FLeadingBlanks ? int(inputs.size()) - take : 0;
        for (int i = 0; i < take; ++i)
            put(inputs[size_t(start + i)], text[i]);
        return out;
    }
    int j = 0;
    for (int pos = 0; pos < n;) {
        if (IsLiteral(pos)) {
            if (j < text.size() && text[j] == Literal(pos)) ++j;
            ++pos;
            continue;
        }
        int end = pos;
        while (end < n && !IsLiteral(end))
            ++end;
        const int fieldLength = end - pos;
        // The value's field runs to the literal that ends the mask's field, when the value has it.
        const int stop = end < n ? int(text.indexOf(Literal(end), j)) : -1;
        const int available = (stop >= 0 ? stop : int(text.size())) - j;
        const int take = std::max(0, std::min(fieldLength, available));
        const int start = pos + (FLeadingBlanks ? fieldLength - take : 0);
        for (int i = 0; i < take; ++i)
            put(start + i, text[j + i]);
        j = stop >= 0 ? stop : j + take;
        pos = end;
    }
    return out;
}

String TEditMask::TextFromEditText(const String& editText) const {
    const String e = Normalized(editText);
    String text;
    for (int p = 0; p < Length(); ++p) {
        if (IsLiteral(p)) {
            if (FSaveLiterals) text += e[p];
        } else {
            text += IsBlankAt(e, p) ? QChar(' ') : e[p];
        }
    }
    if (FSaveLiterals) return text;
    int from = 0, to = int(text.size());
    if (FLeadingBlanks)
        while (from < to && text[from] == QChar(' '))
            ++from;
    else
        while (to > from && text[to - 1] == QChar(' '))
            --to;
    return text.mid(from, to - from);
}

String TEditMask::Normalized(const String& editText) const {
    String out = EmptyEditText();
    for (int p = 0; p < Length() && p < editText.size(); ++p)
        if (!IsLiteral(p)) out[p] = IsBlankAt(editText, p) ? FBlank : Converted(p, editText[p]);
    return out;
}

bool TEditMask::TypeChar(String& editText, int& caret, QChar c) const {
    const int n = Length();
    if (editText.size() != n) editText = Normalized(editText);
    const int pos = std::clamp(caret, 0, n);
    // A literal typed at its place moves past it; so does one typed just after it (the caret skipped it).
    if (IsLiteral(pos) && Literal(pos) == c) {
        caret = pos + 1;
        return true;
    }
    const int p = NextInput(pos);
    if (p < n) {
        const QChar converted = Converted(p, c);
        if (c == QChar(' ') && !IsRequired(p)) {
            editText[p] = FBlank;
            caret = NextInput(p + 1);
            return true;
        }
        if (Accepts(p, converted)) {
            editText[p] = converted;
            caret = NextInput(p + 1);
            return true;
        }
    }
    if (pos > 0 && IsLiteral(pos - 1) && Literal(pos - 1) == c) return true;
    // A literal typed ahead of its place closes the field and moves past it, when the places skipped
    // may stay empty; with leading blanks the field's characters first move to its end, so a short
    // entry ("8:" for "!90:00") fills the field from the right.
    int q = pos;
    while (q < n && !IsLiteral(q))
        ++q;
    if (q >= n || q == pos || Literal(q) != c) return false;
    String shifted = editText;
    if (FLeadingBlanks) {
        int fieldStart = pos;
        while (fieldStart > 0 && !IsLiteral(fieldStart - 1))
            --fieldStart;
        for (int r = pos; r < q; ++r)
            if (!IsBlankAt(editText, r)) return false;
        const int typed = pos - fieldStart;
        for (int r = fieldStart; r < q; ++r)
            shifted[r] = FBlank;
        for (int r = 0; r < typed; ++r) {
            const int to = q - typed + r;
            if (IsBlankAt(editText, fieldStart + r)) continue;
            if (!Accepts(to, Converted(to, editText[fieldStart + r]))) return false;
            shifted[to] = Converted(to, editText[fieldStart + r]);
        }
        for (int r = fieldStart; r < q; ++r)
            if (IsRequired(r) && IsBlankAt(shifted, r)) return false;
    } else {
        for (int r = pos; r < q; ++r)
            if (IsRequired(r)) return false;
    }
    editText = shifted;
    caret = q + 1;
    return true;
}

void TEditMask::Clear(String& editText, int start, int length) const {
    if (editText.size() != Length()) editText = Normalized(editText);
    for (int p = std::max(start, 0); p < start + length && p < Length(); ++p)
        if (!IsLiteral(p)) editText[p] = FBlank;
}

bool TEditMask::DeleteBefore(String& editText, int& caret) const {
    if (editText.size() != Length()) editText = Normalized(editText);
    const int p = PrevInput(caret - 1);
    if (p < 0) return false;
    editText[p] = FBlank;
    caret = p;
    return true;
}

bool TEditMask::DeleteAt(String& editText, int& caret) const {
    if (editText.size() != Length()) editText = Normalized(editText);
    const int p = NextInput(caret);
    if (p >= Length()) return false;
    editText[p] = FBlank;
    caret = p;
    return true;
}

int TEditMask::FirstInvalid(const String& editText) const {
    const String e = Normalized(editText);
    for (int p = 0; p < Length(); ++p) {
        if (IsLiteral(p)) continue;
        if (IsBlankAt(e, p)) {
            if (IsRequired(p)) return p;
        } else if (!Accepts(p, e[p])) {
            return p;
        }
    }
    return -1;
}

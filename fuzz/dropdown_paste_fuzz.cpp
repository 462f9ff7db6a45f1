// Fuzz target: clipboard text pasted into a dropdown edit. The first byte picks the edit type and the
// sign, the second the caret, selection, precision and length; the rest is the clipboard text (UTF-8). An
// accepted paste keeps the type's rules (the pasted characters of the character-set types, the whole new
// value of the number types) and its selection lies inside the new value.
#include "controls/dropdown/QvDropDown_Entry.h"
#include "controls/dropdown/QvDropDown_Numbers.h"

#include <QString>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    TEntryState s;
    s.EditType = static_cast<TDropDownEditType>(data[0] % 12);
    s.Signed = data[0] & 0x80;
    s.Prefix = (data[0] & 0x40) ? QStringLiteral("$") : QString();
    s.Suffix = (data[0] & 0x20) ? QStringLiteral(" kg") : QString();
    s.EditText = s.Prefix + QStringLiteral("12.5") + s.Suffix;
    s.SelStart = data[1] % 7;
    s.SelLength = (data[1] >> 3) % 3;
    s.Precision = (data[1] & 0x20) ? 2 : 0;
    s.MaxLength = (data[1] & 0x40) ? 8 : 0;
    s.ValidChars = QStringLiteral("0123456789ab");
    const QString clip = QString::fromUtf8(reinterpret_cast<const char*>(data + 2), qsizetype(size - 2));
    const TDropDownEntryRules rules(s);
    const TDropDownPasteResult r = rules.Paste(clip);
    if (!r.Accepted) return 0;
    const QString v = r.Value;
    if (s.MaxLength > 0 && clip.size() + rules.Value().size() - s.SelLength > s.MaxLength) std::abort();
    if (r.SelStart < 0 || r.SelLength < 0 || (!r.SelectValue && r.SelStart + r.SelLength > v.size()))
        std::abort();
    const int kind = NumberKindOf(v, s.DecimalSeparator, s.ThousandSeparator);
    switch (s.EditType) {
    case etNumeric:
        if (kind != 0 || (!s.Signed && v.contains('-'))) std::abort();
        break;
    case etFloat:
    case etMoney:
        if (kind > 1 || (!s.Signed && v.contains('-'))) std::abort();
        break;
    case etHex:
        for (QChar c : clip)
            if (!c.isDigit() && !(c.toUpper() >= 'A' && c.toUpper() <= 'F') && c != '-') std::abort();
        break;
    case etAlphaNumeric:
        for (QChar c : clip)
            if (!(c.unicode() < 128 && c.isLetterOrNumber())) std::abort();
        break;
    default:
        break;
    }
    return 0;
}

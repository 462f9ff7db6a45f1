// Fuzz target: clipboard text pasted into the grid's text editor. The first byte picks the editor kind,
// the second the caret and selection; the rest is the clipboard text (UTF-8). An accepted paste keeps the
// kind's rules: numeric kinds end as plain numbers, the length limit holds, the selection lies inside.
#include "controls/grid/edit/EditCharFilter.h"

#include <QString>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    static const TEditorType kinds[] = {edNormal,    edNumeric,    edPositiveNumeric, edFloat,
                                        edCapital,   edMixedCase,  edPassword,        edLowerCase,
                                        edUpperCase, edValidChars, edPositiveFloat,   edComboEdit};
    TEditCharState s;
    s.Kind = kinds[data[0] % (sizeof(kinds) / sizeof(kinds[0]))];
    s.Text = QStringLiteral("12,5");
    s.SelStart = data[1] % 5;
    s.SelLength = (data[1] >> 4) % 3;
    s.LengthLimit = (data[1] & 8) ? 12 : 0;
    s.DecimalSeparator = QChar(',');
    s.ThousandSeparator = QChar('.');
    s.ValidChars = (data[0] & 0x80) ? QStringLiteral("0123456789ab") : QString();
    for (char d = '0'; d <= '9'; ++d)
        s.ValidCharSet.set(static_cast<unsigned char>(d));
    const QString clip = QString::fromUtf8(reinterpret_cast<const char*>(data + 2), qsizetype(size - 2));
    const TPasteResult r = BuildPastedText(s, clip);
    if (!r.Accepted) return 0;
    if (s.LengthLimit > 0 && r.Text.size() > s.LengthLimit) std::abort();
    if (r.SelStart < 0 || r.SelLength < 0 || r.SelStart + r.SelLength > r.Text.size()) std::abort();
    if (s.Kind == edNumeric || s.Kind == edPositiveNumeric || s.Kind == edFloat ||
        s.Kind == edPositiveFloat) {
        if (r.Text.contains(s.ThousandSeparator)) std::abort();
        if (s.Kind != edFloat && s.Kind != edNumeric && r.Text.contains('-')) std::abort();
        if (r.Text.count(s.DecimalSeparator) > 1) std::abort();
    }
    if (s.Kind == edComboEdit) std::abort(); // no text editor: nothing can be pasted
    return 0;
}

// The auto-tab rule of the date-time pickers.
#include "controls/editors/DateTimeAutoTab.h"

#include "toolkit/system/SysUtils.h"

QChar LastDateFieldLetter(const String& Format) {
    QChar last;
    bool quoted = false;
    for (const QChar c : Format) {
        if (c == QChar('\'')) {
            quoted = !quoted;
            continue;
        }
        if (!quoted && c.isLetter()) last = c;
    }
    return last;
}

TAutoTabStep AutoTabStep(const TAutoTabKey& Key) {
    if (Key.FieldAfter != Key.FieldBefore)
        return Key.AutoTab ? TAutoTabStep::Stay : TAutoTabStep::BackToField;
    if (!Key.AutoTab) return TAutoTabStep::Stay;
    if (Key.TimeKind) {
        int h0, n0, s0, h1, n1, s1;
        TimePartsOf(Key.Before, h0, n0, s0);
        TimePartsOf(Key.After, h1, n1, s1);
        return h0 != h1 || n0 != n1 || s0 != s1 ? TAutoTabStep::NextField : TAutoTabStep::Stay;
    }
    int y0, m0, d0, y1, m1, d1;
    DatePartsOf(Key.Before, y0, m0, d0);
    DatePartsOf(Key.After, y1, m1, d1);
    const bool day = d0 != d1, month = m0 != m1, year = y0 != y1;
    if (!day && !month && !year) return TAutoTabStep::Stay;
    const QChar last = LastDateFieldLetter(Key.Format.isEmpty() ? ShortDateFormat() : Key.Format).toLower();
    const bool lastChanged =
        (day && last == QChar('d')) || (month && last == QChar('m')) || (year && last == QChar('y'));
    if (lastChanged) return Key.HasTimePart ? TAutoTabStep::TimePart : TAutoTabStep::Stay;
    return TAutoTabStep::NextField;
}

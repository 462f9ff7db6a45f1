// The time picker's mask, text, field stepping and reading of typed text.
#include "controls/dropdown/QvTimePicker_Fields.h"

#include <algorithm>

namespace {

String TwoDigits(int v) {
    return String::number(v).rightJustified(2, u'0');
}

// Empty counts 0; otherwise one or two digits.
std::optional<int> FieldValue(const String& part) {
    const String p = part.trimmed();
    if (p.isEmpty()) return 0;
    if (p.size() > 2) return std::nullopt;
    for (QChar c : p)
        if (c < u'0' || c > u'9') return std::nullopt;
    return p.toInt();
}

} // namespace

String TimePickerMask(bool ShowSeconds, QChar Separator) {
    String mask = QStringLiteral("!90") + Separator + QStringLiteral("00");
    if (ShowSeconds) mask += Separator + QStringLiteral("00");
    return mask + QStringLiteral(";1; ");
}

String TimePickerText(const TTimeParts& Parts, bool ShowSeconds, QChar Separator) {
    String t = TwoDigits(Parts.Hour) + Separator + TwoDigits(Parts.Minute);
    if (ShowSeconds) t += Separator + TwoDigits(Parts.Second);
    return t;
}

TTimeField TimePickerFieldAt(const String& Text, int Caret, bool ShowSeconds, QChar Separator) {
    const int first = int(Text.indexOf(Separator));
    if (first < 0 || Caret <= first) return TTimeField::Hour;
    const int second = int(Text.indexOf(Separator, first + 1));
    if (ShowSeconds && second >= 0 && Caret > second) return TTimeField::Second;
    return TTimeField::Minute;
}

TTimeParts TimePickerStep(TTimeParts Parts, TTimeField Field, int Delta) {
    const auto wrap = [](int v, int n) { return ((v % n) + n) % n; };
    switch (Field) {
    case TTimeField::Hour:
        Parts.Hour = wrap(Parts.Hour + Delta, 24);
        break;
    case TTimeField::Minute:
        Parts.Minute = wrap(Parts.Minute + Delta, 60);
        break;
    case TTimeField::Second:
        Parts.Second = wrap(Parts.Second + Delta, 60);
        break;
    }
    return Parts;
}

std::optional<TTimeParts> TimePickerRead(const String& Text, bool ShowSeconds, QChar Separator) {
    const int length = int(Text.trimmed().size());
    if (length != 5 && !(ShowSeconds && length == 8)) return std::nullopt;
    const int first = int(Text.indexOf(Separator));
    if (first < 0) return std::nullopt;
    // Each side trimmed first, then the blanks left inside count as zeros.
    const String hourPart = Text.left(first).trimmed().replace(u' ', u'0');
    const String rest = Text.mid(first + 1).trimmed().replace(u' ', u'0');
    const int second = int(rest.indexOf(Separator));
    if ((second >= 0) != ShowSeconds) return std::nullopt;
    String minutePart = rest, secondPart;
    if (second >= 0) {
        minutePart = rest.left(second);
        secondPart = rest.mid(second + 1);
        if (secondPart.contains(Separator)) return std::nullopt;
    }
    const std::optional<int> h = FieldValue(hourPart), m = FieldValue(minutePart),
                             s = ShowSeconds ? FieldValue(secondPart) : std::optional<int>(0);
    if (!h || !m || !s || *h > 23 || *m > 59 || *s > 59) return std::nullopt;
    TTimeParts p;
    p.Hour = *h;
    p.Minute = *m;
    p.Second = *s;
    return p;
}

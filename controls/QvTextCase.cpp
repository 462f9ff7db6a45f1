// Word breaks and mixed case.
#include "controls/QvTextCase.h"

bool IsWordBreakChar(QChar Ch) {
    return QStringLiteral(" ',-.").contains(Ch);
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

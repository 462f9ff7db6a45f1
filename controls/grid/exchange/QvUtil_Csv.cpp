// Quoted CSV fields.
#include "controls/grid/QvUtil.h"
#include "controls/grid/QvUtil_Parse.h"

using namespace qvutil_detail;

// --- Quoted CSV fields ---

namespace {

// The last quote of the first closing run at or after From: a run of quotes closes when its length is odd
// (the pairs before it are doubled quotes) or when it ends the text; -1 when none does.
qsizetype NextClosingQuote(QChar Quote, const String& Text, qsizetype From) {
    const qsizetype n = Text.size();
    qsizetype i = From;
    while (i < n) {
        if (Text[i] != Quote) {
            ++i;
            continue;
        }
        qsizetype j = i;
        while (j + 1 < n && Text[j + 1] == Quote)
            ++j;
        if (j == n - 1 || (j - i + 1) % 2 == 1) return j;
        i = j + 1;
    }
    return -1;
}

} // namespace

int FindClosingQuote(QChar Quote, const String& Text, int& P) {
    const qsizetype j = NextClosingQuote(Quote, Text, 0);
    P = j < 0 ? 0 : static_cast<int>(j) + 1;
    return P;
}

// One pass: counting again from just after each closing quote answers what FindClosingQuote would answer on
// the rest of the text.
int CountClosingQuotes(QChar Quote, const String& Text) {
    int count = 0;
    for (qsizetype j = NextClosingQuote(Quote, Text, 0); j >= 0; j = NextClosingQuote(Quote, Text, j + 1))
        ++count;
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

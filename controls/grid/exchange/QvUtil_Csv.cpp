// Quoted CSV fields.
#include "controls/grid/QvUtil.h"
#include "controls/grid/QvUtil_Parse.h"

using namespace qvutil_detail;

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


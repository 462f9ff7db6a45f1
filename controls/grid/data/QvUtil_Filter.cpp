// The filter matcher.
#include "controls/grid/QvUtil.h"
#include "controls/grid/QvUtil_Parse.h"
#include "toolkit/system/SysUtils.h"

using namespace qvutil_detail;

namespace {

// Wildcard match of the pattern (negation and quotes already taken out) against the text.
bool WildcardMatch(const QString& pat, const QString& text) {
    qsizetype p = 0, t = 0, starP = -1, starT = 0;
    while (t < text.size()) {
        if (p < pat.size() && pat[p] == QLatin1Char('*')) {
            while (p < pat.size() && pat[p] == QLatin1Char('*'))
                ++p;
            if (p == pat.size()) return true;
            starP = p;
            starT = t;
        } else if (p < pat.size() && (pat[p] == QLatin1Char('?') || pat[p] == text[t])) {
            ++p;
            ++t;
        } else if (starP >= 0) {
            p = starP;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (p < pat.size() && pat[p] == QLatin1Char('*'))
        ++p;
    return p == pat.size();
}

struct FilterComparison {
    bool present = false;
    bool inclusive = false;
    QString operand;
};

FilterComparison ScanComparison(const QString& pattern, QChar op) {
    FilterComparison cmp;
    qsizetype i = pattern.indexOf(op);
    if (i < 0) return cmp;
    cmp.present = true;
    ++i;
    if (i < pattern.size() && pattern[i] == QLatin1Char('=')) {
        cmp.inclusive = true;
        ++i;
    }
    while (i < pattern.size() && pattern[i] == QLatin1Char(' '))
        ++i;
    // Inside double quotes a blank, "&" or "|" belongs to the operand.
    bool quoted = false;
    for (; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && (c == QLatin1Char(' ') || c == QLatin1Char('&') || c == QLatin1Char('|')))
            break;
        cmp.operand += c;
    }
    if (cmp.operand.startsWith(QLatin1Char('"'))) cmp.operand.remove(0, 1);
    if (cmp.operand.endsWith(QLatin1Char('"'))) cmp.operand.chop(1);
    return cmp;
}

bool EvaluateComparison(const FilterComparison& cmp, QChar op, const QString& text) {
    if (!cmp.present) return true;
    double nText = 0, nOperand = 0;
    const bool textIsNumber = ReadFloat(NormalizeNumberText(text), nText);
    const bool operandIsNumber = ReadFloat(NormalizeNumberText(cmp.operand), nOperand);
    TDateTime dText = 0, dOperand = 0;
    const bool textIsDate = ParseLocaleDateTime(text, dText);
    const bool operandIsDate = ParseLocaleDateTime(cmp.operand, dOperand);
    int order;
    if (!textIsNumber || !operandIsNumber || textIsDate || operandIsDate) {
        if (textIsDate && operandIsDate)
            order = dText < dOperand ? -1 : (dText > dOperand ? 1 : 0);
        else
            order = QString::compare(text, cmp.operand, Qt::CaseSensitive);
    } else {
        order = nText < nOperand ? -1 : (nText > nOperand ? 1 : 0);
    }
    if (op == QLatin1Char('>')) return cmp.inclusive ? order >= 0 : order > 0;
    return cmp.inclusive ? order <= 0 : order < 0;
}

} // namespace

// --- Filter ---

String RemoveBlanksOutsideQuotes(const String& Text) {
    String out;
    int quotes = 0;
    for (QChar c : Text) {
        if (c == QLatin1Char('"')) ++quotes;
        if (c == QLatin1Char(' ') && quotes % 2 == 0) continue;
        out += c;
    }
    return out;
}

int FindClosingParen(const String& Text) {
    int open = 0, close = 0;
    for (qsizetype i = 0; i < Text.size(); ++i) {
        if (Text[i] == QLatin1Char('('))
            ++open;
        else if (Text[i] == QLatin1Char(')')) {
            ++close;
            if (open == close) return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

bool MatchFilterPattern(const String& Pattern, const String& Text) {
    const bool hasNot = Pattern.contains(QLatin1Char('!'));
    const FilterComparison gt = ScanComparison(Pattern, QLatin1Char('>'));
    const FilterComparison lt = ScanComparison(Pattern, QLatin1Char('<'));
    const bool gtResult = EvaluateComparison(gt, QLatin1Char('>'), Text);
    const bool ltResult = EvaluateComparison(lt, QLatin1Char('<'), Text);
    // A negation counts as either comparison where that operator is absent.
    const bool hasGt = gt.present || hasNot;
    const bool hasLt = lt.present || hasNot;
    if (Pattern.contains(QLatin1Char('^')) && (hasGt || hasLt)) return gtResult || ltResult;
    if (Pattern.contains(QLatin1Char('&')) && hasGt && hasLt) return gtResult && ltResult;
    if (gt.present && gtResult) return true;
    if (lt.present && ltResult) return true;

    String literal = Pattern;
    literal.remove(QLatin1Char('!')).remove(QLatin1Char('"'));
    const bool matched = WildcardMatch(literal, Text);
    return hasNot ? !matched : matched;
}

bool MatchFilterTerm(const String& Term, const String& Text, bool CaseSensitive) {
    if (CaseSensitive) return MatchFilterPattern(Term, Text);
    return MatchFilterPattern(Term.toUpper(), Text.toUpper());
}

bool MatchFilterExpression(const String& Expression, const String& Text, bool CaseSensitive) {
    static const QString kDelimiters = QStringLiteral("(;^&|");
    String e = RemoveBlanksOutsideQuotes(Expression.trimmed());
    if (e.startsWith(QLatin1Char('='))) e.remove(0, 1);

    bool result = true;
    QChar op; // null: no operator yet
    auto combine = [&](bool value) {
        if (op.isNull())
            result = value;
        else if (op == QLatin1Char('&'))
            result = result && value;
        else if (op != QLatin1Char('('))
            result = result || value;
    };
    for (;;) {
        int k = 0;
        const QChar found = FindDelimiterOutsideQuotes(kDelimiters, e, k);
        if (found.isNull()) break;
        bool value;
        if (e.startsWith(QLatin1Char('('))) {
            const int close = FindClosingParen(e);
            // Without its ")" the rest cannot be a group: it is matched as it stands.
            if (close == 0) break;
            value = MatchFilterExpression(e.mid(1, close - 2), Text, CaseSensitive);
            e.remove(0, close);
        } else {
            value = MatchFilterTerm(e.left(k - 1), Text, CaseSensitive);
            e.remove(0, k);
        }
        combine(value);
        op = found;
    }
    combine(MatchFilterTerm(e, Text, CaseSensitive));
    return result;
}


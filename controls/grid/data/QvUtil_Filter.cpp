// The filter matcher.
#include "controls/grid/QvUtil.h"
#include "controls/grid/QvUtil_Parse.h"
#include "toolkit/system/SysUtils.h"

#include <algorithm>
#include <optional>

using namespace qvutil_detail;

// Named, not anonymous: the prepared terms of TFilterExpression hold these types.
namespace qvfilter_detail {

// Wildcard match of the pattern (negation and quotes already taken out) against the text.
bool WildcardMatch(const QString& pat, QStringView text) {
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

// A text's reading as a number and as a date, made once however many comparisons ask.
struct TextReading {
    bool isNumber = false;
    double number = 0;
    bool isDate = false;
    TDateTime date = 0;
};

TextReading ReadComparable(const QString& text) {
    TextReading r;
    r.isNumber = ReadFloat(NormalizeNumberText(text), r.number);
    r.isDate = ParseLocaleDateTime(text, r.date);
    return r;
}

struct FilterComparison {
    bool present = false;
    bool inclusive = false;
    QString operand;
    TextReading reading; // of the operand
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
    cmp.reading = ReadComparable(cmp.operand);
    return cmp;
}

bool EvaluateComparison(const FilterComparison& cmp, QChar op, QStringView text, const TextReading& t) {
    if (!cmp.present) return true;
    const TextReading& o = cmp.reading;
    int order;
    if (!t.isNumber || !o.isNumber || t.isDate || o.isDate) {
        if (t.isDate && o.isDate)
            order = t.date < o.date ? -1 : (t.date > o.date ? 1 : 0);
        else
            order = text.compare(cmp.operand, Qt::CaseSensitive);
    } else {
        order = t.number < o.number ? -1 : (t.number > o.number ? 1 : 0);
    }
    if (op == QLatin1Char('>')) return cmp.inclusive ? order >= 0 : order > 0;
    return cmp.inclusive ? order <= 0 : order < 0;
}

// A wildcard pattern cut at its stars: without "?" the pieces are found in order, each as early as it
// stands (which leaves the most room for the rest), so a match is a few searches instead of a walk with
// back-tracking.
class CutPattern {
public:
    explicit CutPattern(QString pattern) : FPattern(std::move(pattern)) {
        FPlain = !FPattern.contains(QLatin1Char('?'));
        if (!FPlain) return;
        FStars = FPattern.contains(QLatin1Char('*'));
        const QStringList pieces = FPattern.split(QLatin1Char('*'));
        FHead = pieces.front();
        FTail = pieces.size() > 1 ? pieces.back() : QString();
        for (qsizetype i = 1; i + 1 < pieces.size(); ++i)
            if (!pieces[i].isEmpty()) FMiddle.push_back(pieces[i]);
    }

    bool Matches(QStringView text) const {
        if (!FPlain) return WildcardMatch(FPattern, text);
        if (!FStars) return text == FPattern;
        if (text.size() < FHead.size() + FTail.size()) return false;
        if (!FHead.isEmpty() && !text.startsWith(FHead)) return false;
        if (!FTail.isEmpty() && !text.endsWith(FTail)) return false;
        const QStringView inner = text.left(text.size() - FTail.size());
        qsizetype at = FHead.size();
        for (const QString& piece : FMiddle) {
            const qsizetype found = FindPiece(inner, piece, at);
            if (found < 0) return false;
            at = found + piece.size();
        }
        return true;
    }

private:
    // Cell texts are short: there a plain scan beats setting up the library's search.
    static qsizetype FindPiece(QStringView text, QStringView piece, qsizetype from) {
        if (text.size() - from > 64) return text.indexOf(piece, from);
        const char16_t* t = text.utf16();
        const char16_t* p = piece.utf16();
        const qsizetype n = piece.size();
        for (qsizetype i = from; i + n <= text.size(); ++i)
            if (t[i] == p[0] && std::equal(p + 1, p + n, t + i + 1)) return i;
        return -1;
    }

    QString FPattern;
    bool FPlain = true;
    bool FStars = false;
    QString FHead, FTail;
    std::vector<QString> FMiddle;
};

} // namespace qvfilter_detail

using namespace qvfilter_detail;

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

// A term read once: its negation, its comparisons with their operands read, the combining marks and the
// literal pattern left when the marks are taken out.
struct TFilterExpression::Term {
    explicit Term(const String& Pattern)
        : hasNot(Pattern.contains(QLatin1Char('!'))), caret(Pattern.contains(QLatin1Char('^'))),
          amp(Pattern.contains(QLatin1Char('&'))), gt(ScanComparison(Pattern, QLatin1Char('>'))),
          lt(ScanComparison(Pattern, QLatin1Char('<'))),
          literal(String(Pattern).remove(QLatin1Char('!')).remove(QLatin1Char('"'))) {}

    bool Matches(QStringView Text, Facts& F) const;

    bool hasNot, caret, amp;
    FilterComparison gt, lt;
    CutPattern literal;
};

// The text's reading as a number and a date, made on the first comparison that needs it.
struct TFilterExpression::Facts {
    QStringView text;
    std::optional<TextReading> reading;
    const TextReading& Reading() {
        if (!reading) reading = ReadComparable(text.toString());
        return *reading;
    }
};

bool TFilterExpression::Term::Matches(QStringView Text, Facts& F) const {
    const bool gtResult = !gt.present || EvaluateComparison(gt, QLatin1Char('>'), Text, F.Reading());
    const bool ltResult = !lt.present || EvaluateComparison(lt, QLatin1Char('<'), Text, F.Reading());
    // A negation counts as either comparison where that operator is absent.
    const bool hasGt = gt.present || hasNot;
    const bool hasLt = lt.present || hasNot;
    if (caret && (hasGt || hasLt)) return gtResult || ltResult;
    if (amp && hasGt && hasLt) return gtResult && ltResult;
    if (gt.present && gtResult) return true;
    if (lt.present && ltResult) return true;
    const bool matched = literal.Matches(Text);
    return hasNot ? !matched : matched;
}

// One term or group of the expression and the operator found after it.
struct TFilterExpression::Step {
    std::unique_ptr<TFilterExpression> group;
    std::unique_ptr<Term> term;
    QChar op;
};

TFilterExpression::TFilterExpression(const String& Expression, bool CaseSensitive)
    : FCaseSensitive(CaseSensitive) {
    static const QString kDelimiters = QStringLiteral("(;^&|");
    // A term without regard to case is matched upper-cased against the upper-cased text.
    const auto term = [&](const String& t) {
        return std::make_unique<Term>(CaseSensitive ? t : t.toUpper());
    };
    String e = RemoveBlanksOutsideQuotes(Expression.trimmed());
    if (e.startsWith(QLatin1Char('='))) e.remove(0, 1);
    for (;;) {
        int k = 0;
        const QChar found = FindDelimiterOutsideQuotes(kDelimiters, e, k);
        if (found.isNull()) break;
        Step step;
        if (e.startsWith(QLatin1Char('('))) {
            const int close = FindClosingParen(e);
            // Without its ")" the rest cannot be a group: it is matched as it stands.
            if (close == 0) break;
            step.group = std::make_unique<TFilterExpression>(e.mid(1, close - 2), CaseSensitive);
            e.remove(0, close);
        } else {
            step.term = term(e.left(k - 1));
            e.remove(0, k);
        }
        step.op = found;
        FSteps.push_back(std::move(step));
    }
    FLast = term(e);
}

TFilterExpression::TFilterExpression(TFilterExpression&&) noexcept = default;
TFilterExpression& TFilterExpression::operator=(TFilterExpression&&) noexcept = default;
TFilterExpression::~TFilterExpression() = default;

bool TFilterExpression::Matches(QStringView Text) const {
    if (FCaseSensitive) {
        Facts facts{Text, std::nullopt};
        return MatchPrepared(Text, facts);
    }
    const String upper = Text.toString().toUpper();
    Facts facts{upper, std::nullopt};
    return MatchPrepared(upper, facts);
}

bool TFilterExpression::MatchPrepared(QStringView Text, Facts& F) const {
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
    for (const Step& step : FSteps) {
        combine(step.group ? step.group->MatchPrepared(Text, F) : step.term->Matches(Text, F));
        op = step.op;
    }
    combine(FLast->Matches(Text, F));
    return result;
}

bool MatchFilterPattern(const String& Pattern, const String& Text) {
    TFilterExpression::Facts facts{Text, std::nullopt};
    return TFilterExpression::Term(Pattern).Matches(Text, facts);
}

bool MatchFilterTerm(const String& Term, const String& Text, bool CaseSensitive) {
    if (CaseSensitive) return MatchFilterPattern(Term, Text);
    return MatchFilterPattern(Term.toUpper(), Text.toUpper());
}

bool MatchFilterExpression(const String& Expression, const String& Text, bool CaseSensitive) {
    return TFilterExpression(Expression, CaseSensitive).Matches(Text);
}

// The row filter: conditions prepared once, the row test, the failing rows of a pass, narrowing and value
// lists.
#include "controls/grid/data/RowFilter.h"

#include "controls/grid/QvUtil.h"
#include "controls/markup/QsgHTMLE.h"
#include "toolkit/system/SysUtils.h"

#include <algorithm>
#include <cmath>

std::vector<RowFilterCondition> ReadFilterConditions(const TFilter& Filter) {
    std::vector<RowFilterCondition> out;
    out.reserve(static_cast<size_t>(Filter.Count()));
    for (int i = 0; i < Filter.Count(); ++i) {
        const TFilterData* d = Filter.Items(i);
        out.push_back({d->Column(), d->Data(), d->Condition(), d->Prefix(), d->Suffix(), d->CaseSensitive(),
                       d->Operation(), d->Method()});
    }
    return out;
}

RowFilter::RowFilter(const IGridCells& Cells, std::vector<RowFilterCondition> Conditions,
                     RowFilterHooks Hooks)
    : FCells(Cells), FHooks(std::move(Hooks)) {
    FConditions.reserve(Conditions.size());
    for (RowFilterCondition& c : Conditions) {
        String upper = c.Condition.toUpper();
        std::unique_ptr<const TFilterExpression> expression;
        if (c.Data != fcRow && c.Method != fmLiteral && !c.Condition.isEmpty()) {
            try {
                expression = std::make_unique<const TFilterExpression>(c.Condition, c.CaseSensitive);
            } catch (const std::exception&) {
            }
        }
        FConditions.push_back({std::move(c), std::move(upper), std::move(expression)});
    }
}

String RowFilter::CellText(const Prepared& P, int DisplayRow) const {
    const int row = FCells.RealRow(DisplayRow);
    const int col = P.Condition.Col;
    switch (P.Condition.Data) {
    case fcNormal:
        return FCells.Text(col, row);
    case fcStripHTML:
        return StripMarkup(FCells.ShownText(col, row));
    case fcCalculated:
        return FHooks.EvaluatedText ? FHooks.EvaluatedText(col, DisplayRow) : FCells.ShownText(col, row);
    case fcRow: {
        String all;
        for (int c = 0; c < FCells.ColumnCount(); ++c) {
            if (c > 0) all += u'\n';
            all += FCells.Text(c, row);
        }
        return all;
    }
    case fcVirtual:
    default:
        return FCells.ShownText(col, row);
    }
}

bool RowFilter::MatchOne(const Prepared& P, int DisplayRow) const {
    const RowFilterCondition& c = P.Condition;
    if (c.Data == fcNormal || c.Data == fcVirtual) {
        // Seen in place where the grid allows: no copy of every cell the test reads.
        CellTextScratch scratch;
        QStringView view;
        if (FCells.PeekText(c.Col, FCells.RealRow(DisplayRow), c.Data == fcVirtual, scratch, view))
            return MatchText(P, view.trimmed());
    }
    const String text = CellText(P, DisplayRow).trimmed();
    if (c.Data == fcRow) return DecodeWideCellText(text).toUpper().contains(P.UpperCondition);
    return MatchText(P, text);
}

bool RowFilter::MatchText(const Prepared& P, QStringView Text) const {
    if (IsWideCellText(Text)) return MatchDecoded(P, DecodeWideCellText(Text.toString()));
    return MatchDecoded(P, Text);
}

bool RowFilter::MatchDecoded(const Prepared& P, QStringView Text) const {
    const RowFilterCondition& c = P.Condition;
    if (!c.Prefix.isEmpty() && Text.startsWith(c.Prefix)) Text = Text.mid(c.Prefix.size());
    if (!c.Suffix.isEmpty()) {
        const qsizetype at = Text.indexOf(c.Suffix);
        if (at >= 0 && at + c.Suffix.size() == Text.size()) Text.truncate(at);
    }
    if (c.Condition.isEmpty()) return true;
    if (c.Method == fmLiteral) return Text == c.Condition;
    if (!P.Expression) return false;
    try {
        return P.Expression->Matches(Text);
    } catch (const std::exception&) {
        return false;
    }
}

bool RowFilter::Matches(int DisplayRow) const {
    bool result = true;
    for (const Prepared& p : FConditions) {
        const bool m = MatchOne(p, DisplayRow);
        switch (p.Condition.Operation) {
        case foSHORT:
            result = m;
            break;
        case foNONE:
            result = m;
            break;
        case foAND:
            result = result && m;
            break;
        case foXOR:
            result = result != m;
            break;
        case foOR:
            result = result || m;
            break;
        }
        if (p.Condition.Operation == foSHORT && !m) break;
    }
    if (FHooks.CustomFilter) FHooks.CustomFilter(DisplayRow, result);
    return result;
}

int FilterProgressPercent(int Tested, int Total) {
    if (Total <= 0) return 0;
    return static_cast<int>(std::nearbyint(static_cast<double>(Tested) * 100.0 / Total));
}

std::vector<int> FailingRows(int First, int Last, const std::function<bool(int)>& Test,
                             const std::function<bool(int)>& Exempt,
                             const std::function<void(int Percent)>& Progress) {
    std::vector<int> failing;
    const int total = std::max(Last - First + 1, 0);
    int tested = 0;
    for (int r = First; r <= Last; ++r) {
        if (Exempt && Exempt(r)) continue;
        if (!Test(r)) failing.push_back(r);
        ++tested;
        if (Progress && total > 0) Progress(FilterProgressPercent(tested, total));
    }
    if (Progress) Progress(FilterProgressPercent(tested, total));
    return failing;
}

NarrowStep NarrowDownStep(const String& Last, const String& Condition) {
    if (Condition.size() == Last.size() + 1 && Condition.startsWith(Last)) return NarrowStep::Stack;
    if (!Condition.isEmpty() && Last.size() == Condition.size() + 1 && Last.startsWith(Condition))
        return NarrowStep::Undo;
    return NarrowStep::Restart;
}

RowFilterCondition NarrowDownCondition(const String& Text, int Col) {
    RowFilterCondition c;
    c.CaseSensitive = false;
    c.Col = Col;
    if (Col == -1) {
        c.Data = fcRow;
        c.Condition = Text;
    } else {
        c.Data = fcNormal;
        c.Condition = QLatin1Char('*') + Text + QLatin1Char('*');
        if (c.Condition.contains(u' ')) c.Condition = QLatin1Char('"') + c.Condition + QLatin1Char('"');
    }
    return c;
}

FilterListEntry SplitFilterListEntry(const String& Entry) {
    const qsizetype eq = Entry.indexOf(u'=');
    if (eq < 0) return {Entry, Entry};
    return {Entry.left(eq), Entry.mid(eq + 1)};
}

String FilterListEntryFor(const String& CellText) {
    if (!CellText.contains(u' ')) return CellText;
    return CellText + QLatin1String("=\"") + CellText + QLatin1Char('"');
}

QStringList BuildFilterValues(const IGridCells& Cells, const FilterValueListOptions& Options) {
    // Entries keep their order of arrival among those equal without regard to case, and the first of them
    // stays, as a sorted list ignoring duplicates keeps it.
    QStringList values;
    for (int d = std::max(Options.FirstRow, 0); d <= Options.LastRow && d < Cells.DisplayRowCount(); ++d)
        values << FilterListEntryFor(Cells.ShownText(Options.Col, Cells.RealRow(d)).trimmed());
    if (Options.HiddenRows)
        for (int r = 0; r < Cells.RowCount(); ++r)
            if (Cells.DisplayRow(r) < 0) values << FilterListEntryFor(Cells.Text(Options.Col, r));
    std::stable_sort(values.begin(), values.end(),
                     [](const String& a, const String& b) { return CompareText(a, b) < 0; });
    values.erase(std::unique(values.begin(), values.end(),
                             [](const String& a, const String& b) { return CompareText(a, b) == 0; }),
                 values.end());
    if (!Options.ClearEntry.isEmpty()) values.prepend(Options.ClearEntry);
    return values;
}

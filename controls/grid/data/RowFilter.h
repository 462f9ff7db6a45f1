// Filtering a grid's rows over its data view: the row test of a list of conditions, the rows a filter level
// takes out, its progress, the narrowing steps of typed text and the entries of the columns' value lists.
#pragma once

#include "controls/grid/QvUtil.h"
#include "controls/grid/data/GridCells.h"
#include "controls/grid/options/GridOptions.h"

#include <functional>
#include <memory>
#include <vector>

// One condition as the row test reads it (the grid's TFilterData).
struct RowFilterCondition {
    int Col = 0; // real column
    TFilterCells Data = fcVirtual;
    String Condition;
    String Prefix;
    String Suffix;
    bool CaseSensitive = true;
    TFilterOperation Operation = foSHORT;
    TFilterMethod Method = fmExpression;
};

std::vector<RowFilterCondition> ReadFilterConditions(const TFilter& Filter);

// What the test asks of the grid beyond the data view; rows are display rows. Any may be left empty: the
// evaluated text is then the shown text, and every row is accepted as the conditions say.
struct RowFilterHooks {
    std::function<String(int Col, int DisplayRow)> EvaluatedText;
    std::function<void(int DisplayRow, bool& Accept)> CustomFilter;
};

// The conditions are prepared once, so testing a row costs reading its cells and matching them.
class RowFilter {
public:
    RowFilter(const IGridCells& Cells, std::vector<RowFilterCondition> Conditions, RowFilterHooks Hooks = {});

    // Whether display row Row passes: the conditions in order, each joined to the result so far by its
    // operation (a failing foSHORT ends the test), then the custom hook.
    bool Matches(int DisplayRow) const;

private:
    struct Prepared {
        RowFilterCondition Condition;
        String UpperCondition; // for the whole-row search, which ignores case
        // The condition read once as an expression; none for a literal, an empty or a whole-row condition,
        // or one that could not be read (it then accepts no row).
        std::unique_ptr<const TFilterExpression> Expression;
    };
    String CellText(const Prepared& P, int DisplayRow) const;
    bool MatchOne(const Prepared& P, int DisplayRow) const;
    // The prefix, the suffix and the condition over a trimmed text, wide or decoded.
    bool MatchText(const Prepared& P, QStringView Text) const;
    bool MatchDecoded(const Prepared& P, QStringView Text) const;

    const IGridCells& FCells;
    std::vector<Prepared> FConditions;
    RowFilterHooks FHooks;
};

// A filter pass over display rows First .. Last: Exempt rows are neither tested nor counted; Progress, when
// given, hears the share of the range tested after every tested row and once more at the end. Answers the
// rows that failed, ascending.
std::vector<int> FailingRows(int First, int Last, const std::function<bool(int)>& Test,
                             const std::function<bool(int)>& Exempt = {},
                             const std::function<void(int Percent)>& Progress = {});
// Tested * 100 / Total, rounded to the nearest whole number, a tie to the even one; 0 for no rows.
int FilterProgressPercent(int Tested, int Total);

// What typing one more or one less character does to the filter levels (Last is the text typed before).
enum class NarrowStep { Stack, Undo, Restart };
NarrowStep NarrowDownStep(const String& Last, const String& Condition);
// The condition typed text filters with: a whole-row search for column -1, else the text anywhere in the
// column's stored text, quoted when it holds a blank; case is ignored.
RowFilterCondition NarrowDownCondition(const String& Text, int Col);

// A value list entry is a bare text (name and condition at once) or "name=condition".
struct FilterListEntry {
    String Name;
    String Condition;
};
FilterListEntry SplitFilterListEntry(const String& Entry);
// The entry a cell text takes: a text holding a blank matches as itself in quotes.
String FilterListEntryFor(const String& CellText);

struct FilterValueListOptions {
    int Col = 0; // real column
    // The display rows whose shown texts are listed.
    int FirstRow = 0;
    int LastRow = -1;
    // The stored texts of hidden rows are listed too.
    bool HiddenRows = true;
    // Put first when not empty.
    String ClearEntry;
};
// The column's distinct entries in ascending order, the clear entry before them.
QStringList BuildFilterValues(const IGridCells& Cells, const FilterValueListOptions& Options);

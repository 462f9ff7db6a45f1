// Sorting a grid's rows over its data view: each cell read and classified once, a stable order of the display
// rows applied in one pass, and the sort settings as text.
#pragma once

#include "controls/grid/QvObj.h"
#include "controls/grid/data/GridCells.h"
#include "controls/grid/options/GridOptions.h"

#include <functional>
#include <memory>
#include <vector>

// How the cells of one column compare. A sort has one rule per column it compares, in priority order.
struct SortColumnRule {
    int Col = 0; // real column
    TSortStyle Style = ssAlphabetic;
    // Removed (first occurrence) before numbers are read.
    String Prefix;
    String Suffix;
    bool Descending = false;
    // An ignored column compares every row equal.
    bool Ignored = false;
};

struct SortOptions {
    // The texts as the grid shows them (display hooks, merged areas), else as stored.
    bool ShownTexts = true;
    // How automatic columns compare their texts.
    bool IgnoreCase = false;
    // Empty cells stay at BlankPos whatever the direction.
    bool BlanksApart = false;
    TSortBlankPosition BlankPos = blFirst;
};

// What the comparison asks of the grid beyond texts; rows are real rows unless said otherwise. Any may be
// left empty: check boxes are then read from the cell graphic, there are no images, and custom and raw
// comparisons find every pair equal.
struct SortCellHooks {
    // -1 for a cell without a check box, else 0 (unchecked) or 1 (checked).
    std::function<int(int Col, int Row)> CheckState;
    // The image a cell shows, -1 for none.
    std::function<qint64(int Col, int Row)> ImageRef;
    std::function<int(const String& Text1, const String& Text2)> CustomCompare;
    // Display rows where they stood when the sort began.
    std::function<int(int Col, int DisplayRow1, int DisplayRow2)> RawCompare;
};

// Every comparison is a consistent order, so the sort is a stable sort: each cell falls into one class (check
// box, number, date or time, text) and classes keep that order; within a class, values compare as the
// column's style says. A style that classifies nothing (an unknown one) compares every row equal.
class RowSorter {
public:
    RowSorter(const IGridCells& Cells, const SortOptions& Options, SortCellHooks Hooks = {});
    ~RowSorter();
    RowSorter(const RowSorter&) = delete;
    RowSorter& operator=(const RowSorter&) = delete;

    void SetRules(std::vector<SortColumnRule> Rules);
    const std::vector<SortColumnRule>& Rules() const { return FRules; }

    // Orders Order[First .. Last], which holds the display rows First .. Last in some order, stably by the
    // rules. The rest of Order stays.
    void Sort(std::vector<int>& Order, int First, int Last);
    // How display rows A and B compare: below 0 when A comes first, above 0 when B does, 0 when they tie on
    // every rule. Both lie in the range of the last Sort, or anywhere before the first.
    int CompareRows(int A, int B);
    // Cell comparisons made so far.
    long long Compares() const { return FCompares; }

private:
    struct ColumnKeys;
    ColumnKeys& Keys(size_t Rule);
    void ReadKey(size_t Rule, int D);
    int CompareCells(size_t Rule, int A, int B);

    const IGridCells& FCells;
    SortOptions FOptions;
    SortCellHooks FHooks;
    std::vector<SortColumnRule> FRules;
    std::vector<std::unique_ptr<ColumnKeys>> FKeys; // by rule, read on first use
    int FFirst = 0;                                 // the display rows the keys cover
    int FLast = -1;
    long long FCompares = 0;
};

// 0, 1, ... Count - 1: the order that moves nothing.
std::vector<int> IdentityRowOrder(int Count);
bool IsIdentityOrder(const std::vector<int>& Order);

// The text form of the sort settings: "u3" or "d3" (direction and column) and "i;u1;d2" (a multi-column
// index, entries as TSortIndexList writes them).
struct SortSpecifier {
    bool Indexed = false;
    bool Ascending = true;
    // Whether the column part read as a number.
    bool HasColumn = false;
    int Column = -1;
    String Indexes;
};
// Raises EQvGridError for a text shorter than two characters; an empty text reads as nothing (Indexed false,
// HasColumn false).
SortSpecifier ReadSortSpecifier(const String& Value);
String WriteSortSpecifier(bool Indexed, bool Ascending, int Column, const String& Indexes);

// Finding cells by their text over the grid's data view: the walk in either order and direction, the cell
// test of each match mode, replacing in the matches and the keyboard lookup in a sorted column.
#pragma once

#include "controls/grid/QvGrid_Types.h"
#include "controls/grid/data/GridCells.h"

#include <functional>
#include <initializer_list>

// The cells a search walks, both ends included. Columns are display columns, or real ones when the search
// includes the hidden columns; rows likewise.
struct CellSearchArea {
    int Left = 0;
    int Top = 0;
    int Right = -1;
    int Bottom = -1;
    bool Contains(int Col, int Row) const {
        return Col >= Left && Col <= Right && Row >= Top && Row <= Bottom;
    }
};

inline bool HasFindParam(TFindParameters Params, TFindParameter P) {
    return (Params & (1u << P)) != 0;
}
inline TFindParameters FindParamSet(std::initializer_list<TFindParameter> List) {
    TFindParameters p = 0;
    for (TFindParameter f : List)
        p |= 1u << f;
    return p;
}

// One search text with its parameters, prepared once: upper-cased unless the case counts.
class CellSearch {
public:
    CellSearch(const IGridCells& Cells, const String& Text, TFindParameters Params,
               const CellSearchArea& Area);

    // The first matching cell after Start in walk order, or (-1, -1). (-1, -1), or a start outside the area
    // (a match from before the grid changed), starts with the first cell of the walk; a start at the last
    // cell finds nothing, so a caller that goes on from each match visits every cell once.
    TPoint Next(const TPoint& Start) const;
    // The cell test of one cell of the area.
    bool Matches(int Col, int Row) const;
    // The real column and row of a cell of the area.
    int RealColumn(int Col) const;
    int RealRow(int Row) const;
    const String& Prepared() const { return FPrepared; }
    bool MatchCase() const { return HasFindParam(FParams, fnMatchCase); }

    // Columns by real index that a row-by-row walk passes over.
    std::function<bool(int RealCol)> Ignored;
    // Told of each cell's row before the cell is tested.
    std::function<void(int Row)> BeforeCell;
    // Cells holding wide text are compared as the text they encode.
    bool Wide = false;

private:
    String CellText(int Col, int Row) const;
    bool Step(int& Col, int& Row) const;

    const IGridCells& FCells;
    String FText;
    String FPrepared;
    TFindParameters FParams;
    CellSearchArea FArea;
};

// Replaces Orig by New in every cell the search finds, walking the area once; the case of Orig counts only
// with fnMatchCase. Changed hears each changed cell by real column and row. Answers the number of cells
// changed.
int ReplaceInCells(IGridCells& Cells, const CellSearch& Search, const String& Orig, const String& New,
                   const std::function<void(int RealCol, int RealRow)>& Changed = {});

// The keyboard lookup: the first display row from FirstRow whose shown text in real column Col, without
// markup, starts with UpperText when upper-cased; -1 when none.
int FindLeadingRow(const IGridCells& Cells, int Col, int FirstRow, const String& UpperText);

// The cell search: the walk, the cell test, replacing in the matches and the keyboard lookup.
#include "controls/grid/data/CellSearch.h"

#include "controls/grid/QvUtil.h"
#include "controls/markup/QsgHTMLE.h"

#include <algorithm>
#include <exception>

CellSearch::CellSearch(const IGridCells& Cells, const String& Text, TFindParameters Params,
                       const CellSearchArea& Area)
    : FCells(Cells), FText(Text), FPrepared(HasFindParam(Params, fnMatchCase) ? Text : Text.toUpper()),
      FParams(Params), FArea(Area) {}

int CellSearch::RealColumn(int Col) const {
    return HasFindParam(FParams, fnIncludeHiddenColumns) ? Col : FCells.RealColumn(Col);
}

int CellSearch::RealRow(int Row) const {
    return HasFindParam(FParams, fnIncludeHiddenRows) ? Row : FCells.RealRow(Row);
}

String CellSearch::CellText(int Col, int Row) const {
    const String shown = FCells.ShownText(RealColumn(Col), RealRow(Row));
    if (Wide) return DecodeWideCellText(shown);
    return HasFindParam(FParams, fnIgnoreHTMLTags) ? StripMarkup(shown) : shown;
}

bool CellSearch::Matches(int Col, int Row) const {
    const bool matchCase = HasFindParam(FParams, fnMatchCase);
    const String text = CellText(Col, Row);
    // Two quotes stand for an empty cell, which no other search text can name.
    if (FText == QLatin1String("\"\"")) return text.isEmpty();
    if (HasFindParam(FParams, fnMatchRegular)) {
        try {
            return MatchFilterExpression(FText, text, matchCase);
        } catch (const std::exception&) {
            return false;
        }
    }
    // Compared without regard to case in place: no upper-cased copy of every cell walked.
    const Qt::CaseSensitivity cs = matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const qsizetype at = text.indexOf(FPrepared, 0, cs);
    const bool found = HasFindParam(FParams, fnMatchStart) ? at == 0 : at >= 0;
    return found && (!HasFindParam(FParams, fnMatchFull) || text.compare(FPrepared, cs) == 0);
}

// One cell on in walk order; false past the area's end.
bool CellSearch::Step(int& Col, int& Row) const {
    const bool back = HasFindParam(FParams, fnBackward);
    const int d = back ? -1 : 1;
    if (HasFindParam(FParams, fnDirectionLeftRight)) {
        Col += d;
        if (Col >= FArea.Left && Col <= FArea.Right) return true;
        Col = back ? FArea.Right : FArea.Left;
        Row += d;
        return Row >= FArea.Top && Row <= FArea.Bottom;
    }
    Row += d;
    if (Row >= FArea.Top && Row <= FArea.Bottom) return true;
    Row = back ? FArea.Bottom : FArea.Top;
    Col += d;
    return Col >= FArea.Left && Col <= FArea.Right;
}

TPoint CellSearch::Next(const TPoint& Start) const {
    const TPoint none(-1, -1);
    if (FArea.Right < FArea.Left || FArea.Bottom < FArea.Top) return none;
    int col = Start.X, row = Start.Y;
    if (!FArea.Contains(col, row)) {
        const bool back = HasFindParam(FParams, fnBackward);
        col = back ? FArea.Right : FArea.Left;
        row = back ? FArea.Bottom : FArea.Top;
    } else if (!Step(col, row)) {
        return none;
    }
    const bool skipIgnored = Ignored && HasFindParam(FParams, fnDirectionLeftRight);
    do {
        if (skipIgnored && Ignored(RealColumn(col))) continue;
        if (BeforeCell) BeforeCell(row);
        if (Matches(col, row)) return TPoint(col, row);
    } while (Step(col, row));
    return none;
}

int ReplaceInCells(IGridCells& Cells, const CellSearch& Search, const String& Orig, const String& New,
                   const std::function<void(int RealCol, int RealRow)>& Changed) {
    if (Orig.isEmpty()) return 0;
    const Qt::CaseSensitivity cs = Search.MatchCase() ? Qt::CaseSensitive : Qt::CaseInsensitive;
    int changed = 0;
    // Each search goes on after the last match, so a replacement that holds the text again is not visited
    // twice and the walk ends.
    for (TPoint at = Search.Next(TPoint(-1, -1)); at.X >= 0; at = Search.Next(at)) {
        const int col = Search.RealColumn(at.X), row = Search.RealRow(at.Y);
        const String old = Cells.Text(col, row);
        String text = old;
        text.replace(Orig, New, cs);
        if (text == old) continue;
        Cells.SetText(col, row, text);
        ++changed;
        if (Changed) Changed(col, row);
    }
    return changed;
}

int FindLeadingRow(const IGridCells& Cells, int Col, int FirstRow, const String& UpperText) {
    const int rows = Cells.DisplayRowCount();
    for (int r = std::max(FirstRow, 0); r < rows; ++r) {
        const String text = StripMarkup(Cells.ShownText(Col, Cells.RealRow(r)));
        if (text.left(UpperText.size()).toUpper() == UpperText) return r;
    }
    return -1;
}

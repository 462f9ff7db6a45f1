// The data helpers' view of a string grid, forwarded to the grid's real-index accessors.
#include "controls/grid/data/StringGridCells.h"

#include "controls/grid/QvGrid.h"

int StringGridCells::ColumnCount() const {
    return FGrid.TotalColCount();
}

int StringGridCells::RowCount() const {
    return FGrid.TotalRowCount();
}

String StringGridCells::Text(int Col, int Row) const {
    return InGrid(Col, Row) ? FGrid.AllGridCells(Col, Row) : String();
}

String StringGridCells::ShownText(int Col, int Row) const {
    return InGrid(Col, Row) ? FGrid.AllCells(Col, Row) : String();
}

bool StringGridCells::PeekText(int Col, int Row, bool Shown, CellTextScratch& Scratch,
                               QStringView& Value) const {
    if (!InGrid(Col, Row)) {
        Value = QStringView();
        return true;
    }
    return FGrid.PeekAllCells(Col, Row, Shown, Scratch.Chars, Value);
}

void StringGridCells::SetText(int Col, int Row, const String& Value) {
    if (InGrid(Col, Row)) FGrid.SetAllGridCells(Col, Row, Value);
}

TCellProperties* StringGridCells::Properties(int Col, int Row) const {
    return InGrid(Col, Row) ? FGrid.AllCellProperties(Col, Row) : nullptr;
}

TCellProperties* StringGridCells::MakeProperties(int Col, int Row) {
    return InGrid(Col, Row) ? FGrid.AllCellProperties(Col, Row, true) : nullptr;
}

int StringGridCells::DisplayColumnCount() const {
    return FGrid.ColCount();
}

int StringGridCells::DisplayRowCount() const {
    return FGrid.RowCount();
}

int StringGridCells::RealColumn(int DisplayCol) const {
    return FGrid.RealColIndex(DisplayCol);
}

int StringGridCells::RealRow(int DisplayRow) const {
    return FGrid.RealRowIndex(DisplayRow);
}

int StringGridCells::DisplayColumn(int Col) const {
    if (Col < 0 || Col >= ColumnCount() || FGrid.IsHiddenColumn(Col)) return -1;
    return FGrid.DisplColIndex(Col);
}

int StringGridCells::DisplayRow(int Row) const {
    if (Row < 0 || Row >= RowCount() || FGrid.IsHiddenRow(Row)) return -1;
    return FGrid.DisplRowIndex(Row);
}

void StringGridCells::PermuteRows(const std::vector<int>& Order) {
    FGrid.RearrangeRows(Order);
}

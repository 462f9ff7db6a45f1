// The typed value every view of a grid's cells reads the same way.
#include "controls/grid/data/GridCells.h"

#include "controls/grid/QvUtil.h"

std::optional<double> IGridCells::Number(int Col, int Row) const {
    double value = 0;
    if (!CellTextToNumber(ShownText(Col, Row), value)) return std::nullopt;
    return value;
}

bool IGridCells::PeekText(int, int, bool, CellTextScratch&, QStringView&) const {
    return false;
}

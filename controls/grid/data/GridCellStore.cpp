// The plain cell store: texts, properties and flags by real row, hidden marks and the row permutation.
#include "controls/grid/data/GridCellStore.h"

#include "controls/grid/BaseGrid.h"
#include "controls/grid/QvGrid_Graphic.h"

namespace {

unsigned RowFlagBit(GridRowFlag Flag) {
    return 1u << static_cast<unsigned>(Flag);
}

} // namespace

GridCellStore::GridCellStore(int Columns, int Rows)
    : FColumns(std::max(Columns, 0)), FRows(static_cast<size_t>(std::max(Rows, 0))) {
    for (StoredRow& row : FRows) {
        row.Texts.resize(static_cast<size_t>(FColumns));
        row.Props.resize(static_cast<size_t>(FColumns));
    }
}

// As in a grid, the graphics of the cell-graphic class go with the cells that hold them.
GridCellStore::~GridCellStore() {
    for (StoredRow& row : FRows)
        for (std::unique_ptr<TCellProperties>& props : row.Props)
            if (props) delete dynamic_cast<TCellGraphic*>(props->GraphicObject());
}

String GridCellStore::Text(int Col, int Row) const {
    if (!InStore(Col, Row)) return String();
    return FRows[static_cast<size_t>(Row)].Texts[static_cast<size_t>(Col)];
}

String GridCellStore::ShownText(int Col, int Row) const {
    if (!InStore(Col, Row)) return String();
    int col = Col, row = Row;
    // A covered cell shows its area's base cell; areas span shown rows, as the grid's do.
    const int display = DisplayRow(Row);
    if (const TCellProperties* props = Properties(Col, Row); props && display >= 0) {
        const TPoint base = props->GetBaseCell(Col, display);
        col = base.X;
        row = RealRow(base.Y);
    }
    String text = Text(col, row);
    if (OnShownText) OnShownText(col, row, text);
    return text;
}

bool GridCellStore::PeekText(int Col, int Row, bool Shown, CellTextScratch&, QStringView& Value) const {
    if (!InStore(Col, Row)) {
        Value = QStringView();
        return true;
    }
    // A shown text may be another cell's or changed by the hook: it is read.
    if (Shown && (OnShownText || Properties(Col, Row))) return false;
    Value = FRows[static_cast<size_t>(Row)].Texts[static_cast<size_t>(Col)];
    return true;
}

void GridCellStore::SetText(int Col, int Row, const String& Value) {
    if (InStore(Col, Row)) FRows[static_cast<size_t>(Row)].Texts[static_cast<size_t>(Col)] = Value;
}

TCellProperties* GridCellStore::Properties(int Col, int Row) const {
    if (!InStore(Col, Row)) return nullptr;
    return FRows[static_cast<size_t>(Row)].Props[static_cast<size_t>(Col)].get();
}

TCellProperties* GridCellStore::MakeProperties(int Col, int Row) {
    if (!InStore(Col, Row)) return nullptr;
    std::unique_ptr<TCellProperties>& props = FRows[static_cast<size_t>(Row)].Props[static_cast<size_t>(Col)];
    if (!props) props = std::make_unique<TCellProperties>(nullptr, Col, Row);
    return props.get();
}

int GridCellStore::DisplayColumn(int Col) const {
    if (Col < 0 || Col >= FColumns || FHiddenCols.IsHidden(Col)) return -1;
    return FHiddenCols.ToDisplay(Col);
}

int GridCellStore::DisplayRow(int Row) const {
    if (Row < 0 || Row >= RowCount() || FHiddenRows.IsHidden(Row)) return -1;
    return FHiddenRows.ToDisplay(Row);
}

void GridCellStore::PermuteRows(const std::vector<int>& Order) {
    const int shown = DisplayRowCount();
    std::vector<bool> named(static_cast<size_t>(shown), false);
    bool valid = static_cast<int>(Order.size()) == shown;
    for (size_t i = 0; valid && i < Order.size(); ++i) {
        const int from = Order[i];
        valid = from >= 0 && from < shown && !named[static_cast<size_t>(from)];
        if (valid) named[static_cast<size_t>(from)] = true;
    }
    if (!valid) throw EInvalidGridOperation("A row order must name every row once");
    // The shown rows' real places, in display order; hidden rows are not touched.
    std::vector<int> places;
    places.reserve(static_cast<size_t>(shown));
    for (int r = 0; r < RowCount(); ++r)
        if (!FHiddenRows.IsHidden(r)) places.push_back(r);
    std::vector<StoredRow> moved(static_cast<size_t>(shown));
    for (size_t i = 0; i < Order.size(); ++i)
        moved[i] = std::move(FRows[static_cast<size_t>(places[static_cast<size_t>(Order[i])])]);
    for (size_t i = 0; i < moved.size(); ++i) {
        const int slot = places[i];
        FRows[static_cast<size_t>(slot)] = std::move(moved[i]);
        for (int c = 0; c < FColumns; ++c)
            if (TCellProperties* props = FRows[static_cast<size_t>(slot)].Props[static_cast<size_t>(c)].get())
                props->SetOwnerCell(c, slot);
    }
}

void GridCellStore::HideColumn(int Col) {
    if (Col >= 0 && Col < FColumns) FHiddenCols.Hide(Col);
}

void GridCellStore::HideRow(int Row) {
    if (Row >= 0 && Row < RowCount()) FHiddenRows.Hide(Row);
}

void GridCellStore::SetShownSize(int Cols, int Rows) {
    Cols = std::max(Cols, 0);
    Rows = std::max(Rows, 0);
    int columns = FColumns;
    if (columns - FHiddenCols.Count() > Cols) {
        const int cut = Cols == 0 ? 0 : FHiddenCols.ToReal(Cols - 1) + 1;
        FHiddenCols.RemoveReal(cut, columns - cut);
        columns = cut;
    } else {
        columns = Cols + FHiddenCols.Count();
    }
    if (columns != FColumns) {
        FColumns = columns;
        for (StoredRow& row : FRows) {
            row.Texts.resize(static_cast<size_t>(FColumns));
            row.Props.resize(static_cast<size_t>(FColumns));
        }
    }
    const int rows = RowCount();
    if (rows - FHiddenRows.Count() > Rows) {
        const int cut = Rows == 0 ? 0 : FHiddenRows.ToReal(Rows - 1) + 1;
        FHiddenRows.RemoveReal(cut, rows - cut);
        FRows.resize(static_cast<size_t>(cut));
    } else {
        FRows.resize(static_cast<size_t>(Rows + FHiddenRows.Count()));
        for (size_t r = static_cast<size_t>(rows); r < FRows.size(); ++r) {
            FRows[r].Texts.resize(static_cast<size_t>(FColumns));
            FRows[r].Props.resize(static_cast<size_t>(FColumns));
        }
    }
}

bool GridCellStore::RowFlag(int Row, GridRowFlag Flag) const {
    if (Row < 0 || Row >= RowCount()) return false;
    return (FRows[static_cast<size_t>(Row)].Flags & RowFlagBit(Flag)) != 0;
}

void GridCellStore::SetRowFlag(int Row, GridRowFlag Flag, bool Value) {
    if (Row < 0 || Row >= RowCount()) return;
    unsigned& flags = FRows[static_cast<size_t>(Row)].Flags;
    flags = Value ? flags | RowFlagBit(Flag) : flags & ~RowFlagBit(Flag);
}

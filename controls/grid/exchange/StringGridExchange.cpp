// The exchange formats' view of a string grid, forwarded to the grid's save, load and look operations.
#include "controls/grid/exchange/StringGridExchange.h"

#include "controls/grid/QvGrid.h"

ExchangeLayout StringGridExchange::Layout() const {
    ExchangeLayout layout;
    layout.FixedCols = FGrid.FixedCols();
    layout.FixedRows = FGrid.FixedRows();
    layout.FixedRightCols = FGrid.FixedRightCols();
    layout.FixedFooters = FGrid.FixedFooters();
    layout.SaveFixedCells = FGrid.SaveFixedCells();
    layout.SaveFixedRows = FGrid.SaveFixedRows();
    layout.SaveFixedCols = FGrid.SaveFixedCols();
    layout.SaveHiddenCells = FGrid.SaveHiddenCells();
    layout.Multilinecells = FGrid.Multilinecells();
    return layout;
}

void StringGridExchange::SetSize(int Cols, int Rows) {
    if (Cols != FGrid.ColCount()) FGrid.SetColCount(Cols);
    if (Rows != FGrid.RowCount()) FGrid.SetRowCount(Rows);
}

String StringGridExchange::SavedText(int Col, int Row) {
    String text;
    FGrid.GetSaveCellText(Col, Row, text);
    return text;
}

void StringGridExchange::LoadText(int Col, int Row, const String& Value) {
    FGrid.LoadCellText(Col, Row, Value);
}

TAlignment StringGridExchange::Alignment(int Col, int Row) {
    TAlignment horizontal = taLeftJustify;
    TVAlignment vertical = vtaTop;
    FGrid.GetCellAlignment(Col, Row, horizontal, vertical);
    return horizontal;
}

// As the grid paints the cell, but without selection; a cell shows a background of its own, a fixed cell
// and a head cell the fixed colour, any other none.
ExchangeCellLook StringGridExchange::Look(int Col, int Row, bool Header) {
    ExchangeCellLook look;
    const int shown = FCells.DisplayColumn(Col);
    TCellLook cell(*FGrid.Font());
    FGrid.GetVisualProperties(shown >= 0 ? shown : Col, Row, false, false, shown >= 0, cell);
    const TGridDrawState state = cell.State;
    look.Alignment = cell.HAlign;
    look.VAlignment = cell.VAlign;
    look.WordWrap = cell.WordWrap;
    look.FontColor = cell.Font.Color();
    look.FontSize = cell.Font.Size();
    look.FontStyle = cell.Font.Style();
    look.FontName = cell.Font.Name();
    const TCellProperties* props = FGrid.AllCellProperties(Col, FGrid.RealRowIndex(Row));
    const bool fixed =
        (state & gdFixed) || Row < FGrid.FixedRows() || (shown >= 0 && shown < FGrid.FixedCols());
    if (props && props->BrushColor() != clNone)
        look.Background = props->BrushColor();
    else if (Header || fixed)
        look.Background = FGrid.FixedColor();
    return look;
}

const TCellGraphic* StringGridExchange::Graphic(int Col, int Row) {
    return FGrid.GetCellGraphic(Col, Row);
}

TImageList* StringGridExchange::Images(int Col, int Row) {
    return FGrid.GetCellImageList(Col, Row);
}

void StringGridExchange::ExportNotification(TGridExportState State, int Row) {
    FGrid.ExportNotification(State, Row);
}

void StringGridExchange::ImportNotification(TGridImportState State, int Row) {
    FGrid.ImportNotification(State, Row);
}

void StringGridExchange::CellsChanged() {
    FGrid.DoCellsChanged(TRect(0, 0, FGrid.ColCount(), FGrid.RowCount()));
    FGrid.AllCellsChanged();
}

void StringGridExchange::FileProgress(int Percent) {
    if (FGrid.OnFileProgress) FGrid.OnFileProgress(&FGrid, static_cast<int16_t>(Percent));
}

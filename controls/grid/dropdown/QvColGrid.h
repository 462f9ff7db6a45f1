// TQvColGrid: the string grid in the grid dropdown's popup. It is filled from the dropdown's columns and
// items, takes the dropdown's settings before each drop-down, confirms a row by key or mouse (never by the
// wheel) and hands every event on to the dropdown's relays.
#pragma once

#include "controls/dropdown/QvGridDropDown.h"
#include "controls/grid/QvGrid.h"

namespace QvCustomGridDropDown {

class TQvColGrid : public TQvStringGrid, public IDropDownGrid {
public:
    explicit TQvColGrid(TComponent* AOwner);
    ~TQvColGrid() override;
    String ClassName() const override { return "TQvColGrid"; }

    void SetLinkedDropDown(TCustomQvGridDropDown* Value) { FQvDropDown = Value; }
    TCustomQvGridDropDown* LinkedDropDown() const { return FQvDropDown; }
    TDropDownColumns* Columns() const { return FColumns.get(); }
    void SetColumns(const TDropDownColumns* v) { FColumns->Assign(v); }
    TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(TColor v) { FHeaderColor = v; }
    TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(TColor v) { FHeaderColorTo = v; }
    TColor LineColor() const { return FLineColor; }
    void SetLineColor(TColor v) { FLineColor = v; }
    TColor FixedLineColor() const { return FFixedLineColor; }
    void SetFixedLineColor(TColor v) { FFixedLineColor = v; }
    TFont* HeaderFont() const { return FHeaderFont.get(); }
    void SetHeaderFont(const TFont* v) { FHeaderFont->Assign(v); }
    int HeaderHeight() const { return FHeaderHeight; }
    void SetHeaderHeight(int v) { FHeaderHeight = v; }
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* v);
    // The width of the lines the popup would draw itself; the string grid's own lines are then 0 wide.
    int ColGridLineWidth() const { return FGridLineWidth; }
    void SetColGridLineWidth(int v);

    void ApplyDropDownSettings(TCustomQvGridDropDown* DropDown);
    void AutoSizeColumn(int Index);
    // How many item texts the auto-size has measured so far: a column whose items, font and kind did not
    // change since its last measuring takes that width again without measuring.
    int64_t TextsMeasured() const { return FTextsMeasured; }
    void AutoSizeItemColumns();
    void SetWordWrapRowHeights();
    virtual void DoSelect();

    TNotifyEvent OnSelect;

    // ---- IDropDownGrid
    TWinControl* GridControl() override { return this; }
    void PrepareForDropDown() override;
    void FillFromItems() override;
    void SortAgain() override;
    int TotalWidth() const override;
    int GridRowCount() const override { return RowCount(); }
    int GridFixedRows() const override { return FixedRows(); }
    int GridColCount() const override { return ColCount(); }
    int CurrentRow() const override { return Row(); }
    void GoToRow(int ARow) override;
    void ShowCurrentRow() override;
    String Cell(int ACol, int ARow) const override;
    bool AllRowsVisible() const override;
    int RowToItem(int ARow) const override;
    int ItemToRow(int AItem) const override;
    std::vector<int> ColumnWidths() const override;
    void SetGridColumnWidths(const std::vector<int>& Widths) override;
    void NarrowRows(const String& Entry, int Column) override { NarrowDown(Entry, Column); }
    void ShowAllRows() override { RemoveAllFilters(); }
    int NarrowLevel() const override { return FilterLevel(); }
    bool SelectionConfirmed() const override { return FConfirmSelection; }
    void SetSelectionConfirmed(bool Value) override { FConfirmSelection = Value; }
    bool WheelScrolling() const override { return FMouseWheelSelection; }
    bool CellEditing() const override;
    void HideCellEditor() override { HideInplaceEdit(); }
    int CurrentColumn() const override { return Col(); }
    void RestartBalloons() override;

    void KeyDown(Word& Key, TShiftState Shift) override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Dispatch(TMessage& Message) override;
    void WndProc(TMessage& Message) override;
    LRESULT DialogCode() const override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;

private:
    // Every grid event of the relay table to the dropdown's relay of that slot.
    void ConnectRelays();
    TCanvas* MeasureCanvas();
    TObject* ItemObject(int AItem) const;

    TCustomQvGridDropDown* FQvDropDown = nullptr;
    std::unique_ptr<TDropDownColumns> FColumns;
    TColor FHeaderColor = 0xFFFFFF;
    TColor FHeaderColorTo = 0x808080;
    TColor FLineColor = 0x808080;
    TColor FFixedLineColor = 0x808080;
    std::unique_ptr<TFont> FHeaderFont;
    int FHeaderHeight = 25;
    int FGridLineWidth = 1;
    TImageList* FImages = nullptr;
    int FOldRow = 0;
    bool FMouseWheelSelection = false;
    bool FConfirmSelection = false;
    std::unique_ptr<TCanvas> FMeasure;
    // What an auto-sized column was last measured from, and the width it got.
    struct AutoSizeMemo {
        uint64_t Version = 0;
        int Count = -1;
        String Font;
        int Kind = -1;
        int ImagesWidth = -1;
        int Width = 0;
        bool operator==(const AutoSizeMemo& o) const {
            return Version == o.Version && Count == o.Count && Font == o.Font && Kind == o.Kind &&
                   ImagesWidth == o.ImagesWidth;
        }
    };
    std::vector<AutoSizeMemo> FAutoSizeMemo;
    int64_t FTextsMeasured = 0;
};

// The popup grid of a dropdown, as the dropdown's factory makes it.
IDropDownGrid* CreateDropDownColGrid(TCustomQvGridDropDown* DropDown);

} // namespace QvCustomGridDropDown

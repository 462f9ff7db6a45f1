// The seam between the grid dropdown and its popup grid. The dropdown never includes the grid: it asks
// the grid library's factory (registered with the library's classes) for a popup grid and talks to it
// only through this interface; the grid side implements it beside the grid.
#pragma once

#include "toolkit/system/Types.h"

#include <functional>
#include <vector>

class TComponent;
class TWinControl;
namespace QvCustomGridDropDown {
class TCustomQvGridDropDown;
}

class IDropDownGrid {
public:
    virtual ~IDropDownGrid() = default;

    // The control the popup shows and focuses.
    virtual TWinControl* GridControl() = 0;

    // ---- before each drop-down, in the dropdown's order
    // Copies the dropdown's columns, looks and options, connects the handlers and the event relays.
    virtual void PrepareForDropDown() = 0;
    // Row 0 holds the headers, row k + 1 item k's texts; each row remembers its item.
    virtual void FillFromItems() = 0;
    // Sorts again by the sort column when the sort indicator shows.
    virtual void SortAgain() = 0;
    // Fits the grid's width to its columns: the width the popup needs for them.
    virtual int TotalWidth() const = 0;

    // ---- rows and cells (display rows)
    virtual int GridRowCount() const = 0;
    virtual int GridFixedRows() const = 0;
    virtual int GridColCount() const = 0;
    virtual int CurrentRow() const = 0;
    // Makes a row current in column 0 and scrolls it into view (to the top when not all rows show).
    virtual void GoToRow(int ARow) = 0;
    // Keeps the current row in view.
    virtual void ShowCurrentRow() = 0;
    virtual String Cell(int ACol, int ARow) const = 0;
    virtual bool AllRowsVisible() const = 0;
    // The item a row was filled from, kept across sorting; the row itself for a row outside the grid.
    virtual int RowToItem(int ARow) const = 0;
    // The first data row holding the item; -1 when none does.
    virtual int ItemToRow(int AItem) const = 0;

    // ---- columns
    // The widths of the grid's own copy of the columns (auto-sized ones as measured).
    virtual std::vector<int> ColumnWidths() const = 0;
    // Sets the grid's column widths and shows only a vertical scroll bar.
    virtual void SetGridColumnWidths(const std::vector<int>& Widths) = 0;

    // ---- typed lookup
    virtual void NarrowRows(const String& Entry, int Column) = 0;
    virtual void ShowAllRows() = 0;
    virtual int NarrowLevel() const = 0;

    // ---- confirming a row
    // A key or mouse press in the grid chose the current row (not the wheel).
    virtual bool SelectionConfirmed() const = 0;
    virtual void SetSelectionConfirmed(bool Value) = 0;
    virtual bool WheelScrolling() const = 0;
    // The grid's own cell editor (GridEditable).
    virtual bool CellEditing() const = 0;
    virtual void HideCellEditor() = 0;
    virtual int CurrentColumn() const = 0;
    // Balloon hints switched off and on again, once after each drop-down.
    virtual void RestartBalloons() = 0;
};

// Makes the popup grid of a dropdown: owned by the dropdown, parented to its popup form.
using TDropDownGridFactory =
    std::function<IDropDownGrid*(QvCustomGridDropDown::TCustomQvGridDropDown* DropDown)>;
void SetDropDownGridFactory(TDropDownGridFactory Factory);
const TDropDownGridFactory& DropDownGridFactory();

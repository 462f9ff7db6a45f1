// What the fieldbus table windows share on top of the table frame: their text blocks, their columns as
// rows of a table and the whole-number range test of their checks.
#pragma once

#include "tables/frame/TableSheet.h"

#include <initializer_list>

// One column of a fieldbus grid. Every stored column has a default: a file row lacking the attribute
// still loads.
struct TFieldbusColumn {
    Integer Header;
    Integer Width;
    TColor Tint;
    TEditorType Editor;
    const char* Attribute; // "" for the row-number column
    const char* Default;
    Integer Hint;
};

std::vector<TTableColumn> Fieldbus_Columns(std::initializer_list<TFieldbusColumn> specs);

// A fieldbus grid with the frame's settings for every grid but the CAN ones: hints, Enter, row selection,
// focus drawing of the selection, the hovered row highlighted, no Enable column, the key in column 1.
TTableGrid Fieldbus_Grid(const char* name, const char* page, Integer pageCaption, const char* section,
                         Integer dataRows, std::vector<TTableColumn> columns);

// The check's number: Read_Table_Int of the trimmed cell, -1 when it does not read.
Integer Fieldbus_Number(const TTableRow& row, Integer col);
// The check's number outside low .. high.
bool Fieldbus_Outside(const TTableRow& row, Integer col, Integer low, Integer high);

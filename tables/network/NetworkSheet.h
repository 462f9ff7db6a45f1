// What the SNMP, KNX and EtherNet/IP table sheets share: their columns as rows of a table and the frame's
// texts of a window by its block.
#pragma once

#include "tables/frame/TableSheet.h"

#include <initializer_list>

// One column of a network table grid.
struct TNetworkColumn {
    Integer Header;
    Integer Width;
    TEditorType Editor;
    TColor Tint;
    QStringList Items;
    const char* Attribute; // "" for the row-number column
    TTableMissing Missing;
    const char* Default;
    Integer Hint;
    Integer MaxLength;
};

std::vector<TTableColumn> Network_Columns(std::initializer_list<TNetworkColumn> specs);

// The items "0" .. count - 1 (start bits of a byte, say).
QStringList Network_Number_Items(Integer count);

// The state of a grid's columns as one line of text: "count#widths#order#visibility", each field a
// comma-separated list of decimal integers, such as "3#64,80,40#0,1,2#1,1,1".
#pragma once

#include "toolkit/system/Types.h"

#include <optional>
#include <vector>

struct ColumnStates {
    int Count = 0;             // all columns, hidden ones included
    std::vector<int> Widths;   // by display column
    std::vector<int> Order;    // the column order list; empty when no column was moved
    std::vector<bool> Visible; // by column
};

String FormatColumnStates(const ColumnStates& States);

// A text without "#" is no state: nullopt. Anything else is checked whole before it is returned, so a
// damaged text changes nothing: EConvertError for a field that is not a list of integers, EListError for
// a count beyond MaxColumns, too few widths for the visible columns, negative widths, an order that is no
// permutation of the columns or a visibility field of another length than the count. Order entries of -1
// are skipped, and the columns a shorter order leaves out follow it in ascending order.
std::optional<ColumnStates> ParseColumnStates(const String& Text, int MaxColumns);

// A worksheet as the spreadsheet readers and writers hand it over: its name, its used range and its
// values as text, and the A1 notation of the cells.
#pragma once

#include "toolkit/system/Types.h"

#include <map>
#include <optional>
#include <utility>
#include <vector>

struct SheetCells {
    String Name;
    // The used range, 1-based and inclusive; empty when LastCol or LastRow is 0.
    int FirstCol = 1, FirstRow = 1, LastCol = 0, LastRow = 0;
    // By (row, column), 1-based.
    std::map<std::pair<int, int>, String> Values;

    bool Empty() const { return LastCol == 0 || LastRow == 0; }
    // Widens the used range to take the cell in.
    void Include(int Col, int Row);
};

// The column letters of column N (1 is "A", 27 "AA", 703 "AAA").
String ColumnLetters(int N);
// A cell name such as "B2", or nullopt (column, row) for a text that is none; columns past the
// spreadsheet's last (16384) and rows past 1048576 are none either.
std::optional<std::pair<int, int>> ParseCellName(QStringView Name);
// The sheet names spreadsheets accept: 1 to 31 characters, none of []:*?/\ and no apostrophe at
// either end.
bool IsValidSheetName(const String& Name);

// The working values of one key stroke or mouse message on the string grid, shared by the steps of its
// handler.
#pragma once

#include "toolkit/controls/Controls.h"
#include "toolkit/grids/Grids.h"

// A left-button press (WMLButtonDown).
struct PressEvent {
    int X = 0;
    int Y = 0;
    // The cell under the point (display column), -1 outside the cells; once the press is known to fall on a
    // cell, its base cell.
    int Col = -1;
    int Row = -1;
    // One modifier, once the press's priority has picked it.
    TShiftState Shift = 0;
    TGridRect EntrySelection{};
    // Known once the press falls on a cell.
    TRect CellRect{};
    int RealCol = -1;
    bool PosFixed = false;
    bool VirtFixed = false;
    bool CanEdit = false;
    bool HasCombo = false;
    bool OpenEditor = false;
    bool OnCurrent = false;
};

// A left-button release (WMLButtonUp).
struct ReleaseEvent {
    int X = 0;
    int Y = 0;
    TShiftState Shift = 0;
    // The cell under the point, -1 outside the cells.
    int Col = -1;
    int Row = -1;
};

// A mouse move (MouseMove).
struct MoveEvent {
    int X = 0;
    int Y = 0;
    int Col = -1;
    int Row = -1;
    bool Valid = false;
    TGridRect EntrySelection{};
    // A step chose the cursor itself; a row header selection scrolled up.
    bool CursorSet = false;
    bool ScrolledUp = false;
    bool OverHandle = false;
    // The point is on a link: the hand stays after the toolkit's own move chose its cursor.
    bool OnLink = false;
};

// A key-down (WMKeyDown).
struct KeyStroke {
    Word Key = 0;
    TShiftState Shift = 0;
    bool Ctrl = false;
    bool ShiftKey = false;
    bool Alt = false;
    bool EnterOrF2 = false;
    int StartRow = 0;
    int StartLeftCol = 0;
    int FixedCols = 0;
    int FixedRows = 0;
    // A vertical key in row-select mode keeps the horizontal scroll position.
    bool KeepScroll = false;
    // Near the search footer: the top row before the key and the updates begun for it.
    bool Footer = false;
    int FooterTop = 0;
    int FooterUpdates = 0;
};

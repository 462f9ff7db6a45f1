// Drag and drop of the string grid as plain rules over numbers: what a drag carries and whether the grid
// takes it, the effect it takes, which reader a drop goes to, where it lands, how the grid scrolls and where
// the insertion arrows point meanwhile, and when a press turns into a drag.
#pragma once

#include "toolkit/controls/DragDrop.h"
#include "toolkit/services/Clipboard.h"
#include "toolkit/system/Types.h"

namespace GridDrop {

// The kinds of data a drag may carry, as a set.
enum TDropFormat : int { dfText = 1, dfFile = 2, dfCol = 4, dfRTF = 8, dfURL = 16, dfGridCells = 32 };
using TDropFormats = int;

// "Grid Column": the display index of a dragged column, 4 bytes little-endian.
UINT ColumnFormat();
QByteArray ColumnBytes(int Col);
// -1 for anything but 4 bytes holding a column index (0 or more).
int ColumnOfBytes(const QByteArray& Bytes);

TDropFormats FormatsOf(const TClipData& Data);

// Ctrl copies; otherwise a move where the source allows one, else a copy.
int EffectOf(TShiftState Shift, int Allowed);

// What the grid takes. Rich text only while the process takes dropped rich text, and then as text. A
// column comes with text accepted (a column drag is a drag between grids). Cells always.
struct Accepts {
    bool Text = true;
    bool Files = true;
    bool URLs = true;
    bool RichText = false;
};
bool Accepted(TDropFormats Formats, const Accepts& A);

// The one reader of a drop's cell data, in the order of preference; files and an address are read besides.
enum class Payload { None, Column, Cells, RichText, Text };
Payload MainPayload(TDropFormats Formats, bool AcceptRichText);

// The grid as the landing rules see it (display indexes).
struct View {
    int ColCount = 0;
    int RowCount = 0;
    int FixedCols = 0;
    int FixedRows = 0;
    int TopRow = 0;
    int LeftCol = 0;
    int VisibleColCount = 0;
    int VisibleRowCount = 0;
    bool FixedRowAlways = false;
    bool EntireRows = false;
    bool AppendRows = false;
};

// The mouse over the grid: the cell under it (-1 outside the cells), its client y, and whether it lies at or
// below the bottom of the last row.
struct Over {
    int Col = -1;
    int Row = -1;
    int Y = 0;
    bool BelowLastRow = false;
};

// Where a drag would land and whether the grid would take it there, before the application is asked.
// Append: below the last row, where whole rows are appended.
struct Landing {
    int Col = -1;
    int Row = -1;
    bool Allow = false;
    bool Append = false;
    bool Valid() const { return Col >= 0 && Row >= 0; }
};
Landing Land(const View& V, const Over& O, TDropFormats Formats);
// The application's answer narrowed: only a cell, or files anywhere.
bool AllowAfterEvent(const Landing& L, TDropFormats Formats, bool Allow);

// Rows and columns to scroll by (-1, 0 or 1) for a drag near an edge. Sideways only on a tick of its own,
// so that a wide grid does not race by.
struct Scroll {
    int Rows = 0;
    int Cols = 0;
};
Scroll AutoScroll(const View& V, const Over& O, bool SidewaysTick);

// The arrows shown while dragging: a column drag points down and up at the left edge of the target column
// (the end of the last column for a column appended), another drag points at the left of the row a drop
// would go into (below the last row when appending).
enum class ArrowKind { None, Row, Column };
struct Arrows {
    ArrowKind Kind = ArrowKind::None;
    int Col = -1;
    int Row = -1;
    bool BelowRow = false;
};
Arrows ArrowsFor(const View& V, const Landing& L, TDropFormats Formats, bool Allowed);

// The cell a text drop starts at, and the selection of the dropped block (Rows: the lines below the first).
struct TextDrop {
    int Col = -1;
    int Row = -1;
};
TextDrop TextDropStart(const View& V, const Landing& L, bool RowSelect);
TRect DroppedTextSelection(const View& V, int Col, int Row, int Cols, int Rows, bool RowSelect);

// A press turns into a drag once the mouse has moved more than 3 pixels either way.
bool DragStarts(const TPoint& Press, const TPoint& Now);

// A dropped file the grid loads, by its suffix in any case.
enum class DroppedFile { Other, Csv, Workbook };
DroppedFile KindOfDroppedFile(const String& Name);

} // namespace GridDrop

// What the string grid's mouse handlers carry from one message to the next: the press under way, the drags a
// press starts, what the mouse rests on between presses, and middle-button panning.
#pragma once

#include "controls/grid/QvGrid_Types.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/grids/Grids.h"
#include "toolkit/services/Clipboard.h"

#include <functional>
#include <memory>
#include <vector>

class TTimer;

// From the left button going down on the grid to its release.
struct MousePress {
    // The press fell on this grid: the release fires OnClick for a fixed cell.
    bool DoOnClick = false;
    // The button is down after a press on the grid: a drag selects instead of editing.
    bool MouseDownMove = false;
    // As MouseDownMove; a drag keeps the left column where the press found it.
    bool MouseKeepDown = false;
    // A plain press cleared the disjunct row or column selection.
    bool ClearedDisjunct = false;
    // A Ctrl press fell on a flagged row or column: the release takes the flag off.
    bool DeselectOnRelease = false;
    // This release took a row's flag off: the selection-changed mark of the release is dropped.
    bool Deselected = false;
    // A deferred selection: the release selects the pressed cell.
    bool SelectionClick = false;
    // The press on a cell outside the selection took editing away: the press becomes a range selection.
    bool EditingRemoved = false;
    // The fixed drop-down button is held down.
    bool DropDownDown = false;
    // A double click sized a column from its header border: the release that follows does not sort.
    bool BorderDoubleClick = false;
    // The application was asked whether this press may start a drag (and refused it).
    bool DragRefused = false;
    // The toolkit's release moved a column or row, or sized columns: nothing more of the release runs.
    bool MovedColumnOrRow = false;
    bool SizedColumns = false;
    // An enhanced move ended in this release: the release does not sort.
    bool MoveEnded = false;
    // The cell whose button or expand button is held down; (-1, -1) none.
    TPoint PushedButton{-1, -1};
    // The fixed cell drawn pushed, and its rectangle.
    bool FixedCellPushed = false;
    TRect PushedFixedRect{};
    // An HTML cell's control held down, and its cell (real column, row).
    bool ControlDown = false;
    TPoint ControlCell{-1, -1};
    // Where the press fell, the cell whose border it grabbed (the cell under the point moved 5 pixels left
    // and 4 up), that cell's size at the press, and the press position less its right and bottom edges.
    TPoint At{0, 0};
    TPoint Grabbed{-1, -1};
    TPoint GrabbedSize{0, 0};
    TPoint GrabOffset{0, 0};
    // The left column and top row at the press: a drag with KeepHorizScroll puts the left column back, a
    // press with NoScrollOnPartialRow the top row.
    int LeftCol = -1;
    int TopRow = -1;
};

// A border of the fixed columns (rows) that the mouse rests on or drags.
struct FixedBorderDrag {
    // The mouse rests within 3 pixels of a fixed border that may be dragged.
    bool Over = false;
    // The border is being dragged: its column (row) and the line's position.
    bool Sizing = false;
    int Index = 0;
    int Pos = 0;
};

// An enhanced column or row move.
struct HeaderMove {
    // The header column or row a move would take, and where in its cell the press fell.
    int Cell = -1;
    TPoint Offset{0, 0};
    // The target column and row as of the previous mouse move; -1 after a press.
    int TargetCol = -1;
    int TargetRow = -1;
    // The cursor of the move (crDrag, or crNoDrop where the target is refused); the release reads it.
    TCursor Cursor = crDefault;
    // The toolkit sized a column (row) during this press.
    bool ColSized = false;
    bool RowSized = false;

    bool Dragging() const { return Cursor == crDrag || Cursor == crNoDrop; }
};

// A drag of the selection handle: the cells it copied into the grid's own buffer (the formats a copy puts on
// the clipboard) fill the new selection as a paste of them would.
struct HandleDrag {
    bool Active = false;
    TGridRect From{};
    TClipData Buffer;
};

// What the mouse rests on.
struct MouseHover {
    // The cell last under the mouse, for the fixed-cell hover look; (-1, -1) none.
    TPoint FixedCell{-1, -1};
    // The cell whose button or expand button is under the mouse; (-1, -1) none.
    TPoint Button{-1, -1};
    // The base cell whose hint is shown; (-1, -1) none.
    TPoint HintCell{-1, -1};
    // The fixed drop-down's menu is open: the hovered fixed cell stays.
    bool NoMouseLeave = false;
    // The markup link under the mouse and the last anchor hint shown; empty none.
    String Anchor;
    String LastAnchorHint;
    // The cell and 1-based link drawn with the hover look; (-1, -1) and -1 none.
    TPoint LinkCell{-1, -1};
    int Link = -1;
};

// Middle-button panning: the origin, the timer that steps it and what it changed to put back.
struct MousePan {
    bool Active = false;
    TPoint Origin{0, 0};
    std::unique_ptr<TTimer> Timer;
    TCursor PrevCursor = crDefault;
    // The pan cursor's resource number (8000 .. 8008) while panning, else 0.
    int CursorId = 0;
    bool HintWas = false;
};

// The grid's mouse state, one per grid.
class MouseState {
public:
    MouseState();
    ~MouseState();
    MouseState(const MouseState&) = delete;
    MouseState& operator=(const MouseState&) = delete;

    MousePress Press;
    FixedBorderDrag ColBorder;
    FixedBorderDrag RowBorder;
    HeaderMove Move;
    HandleDrag Handle;
    MouseHover Hover;
    MousePan Pan;
    // The hover mode the cursor shows and a header press selects by.
    TMouseSelectMode SelectMode = msNormal;
    // The column or row where a header selection began; -1 none.
    int SelectStart = -1;
    // The selection as the header or range drag last repainted it.
    TGridRect PaintedSelection{};
    // The sizing hint is up.
    bool SizingHintShown = false;

    // The marks of a new press.
    void BeginPress();
    // The marks a press leaves are cleared at its release.
    void EndPress();
    // The mouse left the grid: no hover mode, no border under it.
    void Leave();
    // A fixed border is under the mouse or being dragged.
    bool OnFixedBorder() const;
};

// The last of Count fixed borders lying within 3 pixels of Pos, -1 when none: border i lies at the sizes
// of the lines before it (each with its 1-pixel grid line) plus its own size.
int FixedBorderAt(int Count, const std::function<int(int)>& SizeOf, int Pos);

// The step of a pan from Origin to At: -1, 0 or 1 on each axis, 0 within the dead zone around the origin
// and on the axis the mode leaves alone.
TPoint PanDirection(const TPoint& Origin, const TPoint& At, TIntelliPan Mode);
// The pan cursor's resource number for a step: 8000 at rest, 8001 .. 8008 for the eight directions.
int PanCursorIdFor(const TPoint& Direction);

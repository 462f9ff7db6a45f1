// The string grid's hints: the hint of the cell the mouse rests on, and the markup hint window.
#include "controls/grid/HTMLHintWindow.h"
#include "controls/grid/QvGrid.h"

void TQvStringGrid::CMHintShow(TMessage& Message) {
    auto* info = reinterpret_cast<THintInfo*>(Message.LParam);
    if (!info) return;
    BuildCellHint(info->HintStr, *info);
    int c = -1, r = -1;
    MouseToCell(info->CursorPos.X, info->CursorPos.Y, c, r);
    if (c < 0 || r < 0) return;
    // Moving to another cell takes the hint down, so that the next rest shows that cell's.
    const TPoint base = BaseCell(c, r);
    info->CursorRect = CellRect(base.X, base.Y);
}

void TQvStringGrid::SetUseHTMLHints(bool Value) {
    FUseHTMLHints = Value;
    SetHintWindowClass(Value ? &CreateHTMLHintWindow : &CreatePlainHintWindow);
}

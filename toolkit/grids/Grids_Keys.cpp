// Keyboard input of the grid: moving the current cell and the view, Tab, and starting the editor.
#include "toolkit/grids/Grids.h"
#include "toolkit/grids/Grids_Axis.h"

#include <algorithm>

bool TCustomGrid::CanGridAcceptKey(Word, TShiftState) {
    return true;
}

LRESULT TCustomGrid::DialogCode() const {
    LRESULT code = DLGC_WANTARROWS;
    if (FOptions & goRowSelect) return code;
    if (FOptions & goTabs) code |= DLGC_WANTTAB;
    if (FOptions & goEditing) code |= DLGC_WANTCHARS;
    return code;
}

void TCustomGrid::KeyDown(Word& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    if (Key == 0) return;
    if (!CanGridAcceptKey(Key, Shift)) {
        Key = 0;
        return;
    }
    bool rowSelect = FOptions & goRowSelect;
    TGridCoord cur = FCurrent;
    TGridCoord tl = FTopLeft;
    // A page keeps one row (column) of the old view in sight.
    int pageW = std::max(1, VisibleColCount() - 1);
    int pageH = std::max(1, VisibleRowCount() - 1);
    if (Shift & ssCtrl) {
        switch (Key) {
        case VK_UP:
            --tl.Y;
            break;
        case VK_DOWN:
            ++tl.Y;
            break;
        case VK_LEFT:
            if (!rowSelect) {
                cur.X -= pageW;
                tl.X -= pageW;
            }
            break;
        case VK_RIGHT:
            if (!rowSelect) {
                cur.X += pageW;
                tl.X += pageW;
            }
            break;
        case VK_PRIOR:
            cur.Y = FTopLeft.Y;
            break;
        case VK_NEXT:
            cur.Y = VertAxis().LastFullVisible();
            break;
        case VK_HOME:
            cur.X = FFixedCols;
            cur.Y = FFixedRows;
            break;
        case VK_END:
            cur.X = FColCount - 1;
            cur.Y = FRowCount - 1;
            break;
        default:
            break;
        }
    } else {
        switch (Key) {
        case VK_UP:
            --cur.Y;
            break;
        case VK_DOWN:
            ++cur.Y;
            break;
        case VK_LEFT:
            if (rowSelect)
                --tl.X;
            else
                --cur.X;
            break;
        case VK_RIGHT:
            if (rowSelect)
                ++tl.X;
            else
                ++cur.X;
            break;
        case VK_NEXT:
            cur.Y += pageH;
            tl.Y += pageH;
            break;
        case VK_PRIOR:
            cur.Y -= pageH;
            tl.Y -= pageH;
            break;
        case VK_HOME:
            if (rowSelect)
                cur.Y = FFixedRows;
            else
                cur.X = FFixedCols;
            break;
        case VK_END:
            if (rowSelect)
                cur.Y = FRowCount - 1;
            else
                cur.X = FColCount - 1;
            break;
        case VK_TAB:
            if (!(FOptions & goTabs) || (Shift & ssAlt)) break;
            // Tab walks the cells row by row and wraps at the ends; it never extends a range.
            if (Shift & ssShift) {
                if (--cur.X < FFixedCols) {
                    cur.X = FColCount - 1;
                    if (--cur.Y < FFixedRows) cur.Y = FRowCount - 1;
                }
            } else if (++cur.X >= FColCount) {
                cur.X = FFixedCols;
                if (++cur.Y >= FRowCount) cur.Y = FFixedRows;
            }
            Shift = 0;
            break;
        case VK_F2:
            SetEditorMode(true);
            break;
        case VK_ESCAPE:
            // Escape drops what was typed: the editor takes the cell's text again before it closes.
            if (FEditorMode && FInplaceEdit && FInplaceEdit->Visible()) {
                FInplaceEdit->UpdateContents();
                HideEditor();
            }
            break;
        default:
            break;
        }
    }
    TGridCoord max = CalcMaxTopLeft();
    tl.X = std::clamp(tl.X, FFixedCols, std::max(FFixedCols, max.X));
    tl.Y = std::clamp(tl.Y, FFixedRows, std::max(FFixedRows, max.Y));
    if (tl.X != FTopLeft.X || tl.Y != FTopLeft.Y) MoveTopLeft(tl.X, tl.Y);
    cur.X = std::clamp(cur.X, FFixedCols, FColCount - 1);
    cur.Y = std::clamp(cur.Y, FFixedRows, FRowCount - 1);
    if (rowSelect) cur.X = FCurrent.X;
    if (cur.X != FCurrent.X || cur.Y != FCurrent.Y) FocusCell(cur.X, cur.Y, !(Shift & ssShift));
}

void TCustomGrid::KeyPress(QChar& Key) {
    TCustomControl::KeyPress(Key);
    if (Key.unicode() == 0) return;
    if (!(FOptions & goAlwaysShowEditor) && Key == QChar('\r')) {
        if (FEditorMode)
            HideEditor();
        else
            ShowEditor();
        Key = QChar(0);
        return;
    }
    if ((FOptions & goEditing) && !(FEditorMode && FInplaceEdit && FInplaceEdit->Visible()) &&
        (Key == QChar('\b') || Key.unicode() >= 32)) {
        ShowEditorChar(Key);
        Key = QChar(0);
    }
}

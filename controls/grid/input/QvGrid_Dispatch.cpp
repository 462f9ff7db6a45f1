// The string grid's message switch: keys, paint, hints and the notifications that change what it shows.
#include "controls/grid/QvGrid.h"

void TQvStringGrid::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_KEYDOWN:
        WMKeyDown(Message);
        return;
    case WM_KEYUP:
        WMKeyUp(Message);
        return;
    case WM_CHAR:
        WMChar(Message);
        return;
    case WM_PAINT:
        WMPaint(Message);
        return;
    case CM_HINTSHOW:
        CMHintShow(Message);
        return;
    case WM_NOTIFY:
        WMNotify(Message);
        return;
    case WM_ERASEBKGND:
        // Every pixel is painted by the grid itself.
        Message.Result = 0;
        return;
    case CM_ENABLEDCHANGED:
        TBaseGrid::Dispatch(Message);
        Invalidate();
        return;
    case CM_COLORCHANGED:
        TBaseGrid::Dispatch(Message);
        if (FFloatingFooter->Visible() && FFooterPanel) FFooterPanel->Invalidate();
        return;
    case CM_CURSORCHANGED:
        TBaseGrid::Dispatch(Message);
        // A cursor the mouse handling set for itself keeps its hover mode; any other change ends it.
        if (!FInvokedChange) FMouse.SelectMode = msNormal;
        FInvokedChange = false;
        return;
    default:
        TBaseGrid::Dispatch(Message);
    }
}

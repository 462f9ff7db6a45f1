// The grid dropdown's event relays: each raises its OnGrid event with the popup grid's arguments; a few
// first put in what the dropdown's columns say, and the ones that may open a window keep the popup open.
#include "controls/dropdown/QvGridDropDown.h"

#include "controls/dropdown/QvDropDownForm.h"
#include "toolkit/system/ScopedValue.h"

namespace {
template <class E, class... A> void GddRaise(const E& Event, A&&... Args) {
    if (Event) Event(std::forward<A>(Args)...);
}
} // namespace

namespace QvCustomGridDropDown {

template <class F> void TCustomQvGridDropDown::WithActivationBlocked(F&& f) {
    if (!FDropDownForm) return f();
    const bool was = FDropDownForm->BlockActivate();
    FDropDownForm->SetBlockActivate(true);
    try {
        f();
    } catch (...) {
        FDropDownForm->SetBlockActivate(was);
        throw;
    }
    FDropDownForm->SetBlockActivate(was);
}

void TCustomQvGridDropDown::DoGridAnchorClick(TObject* S, int ARow, int ACol, const String& Anchor,
                                              bool& AutoHandle) {
    WithActivationBlocked([&] { GddRaise(OnGridAnchorClick, S, ARow, ACol, Anchor, AutoHandle); });
}
void TCustomQvGridDropDown::DoGridAnchorEnter(TObject* S, int ARow, int ACol, const String& Anchor) {
    GddRaise(OnGridAnchorEnter, S, ARow, ACol, Anchor);
}
void TCustomQvGridDropDown::DoGridAnchorExit(TObject* S, int ARow, int ACol, const String& Anchor) {
    GddRaise(OnGridAnchorExit, S, ARow, ACol, Anchor);
}
void TCustomQvGridDropDown::DoGridAnchorHint(TObject* S, int ARow, int ACol, String& Anchor) {
    GddRaise(OnGridAnchorHint, S, ARow, ACol, Anchor);
}
void TCustomQvGridDropDown::DoGridButtonClick(TObject* S, int ACol, int ARow) {
    WithActivationBlocked([&] { GddRaise(OnGridButtonClick, S, ACol, ARow); });
}
void TCustomQvGridDropDown::DoGridCanSort(TObject* S, int ACol, bool& DoSort) {
    GddRaise(OnGridCanSort, S, ACol, DoSort);
}
void TCustomQvGridDropDown::DoGridClickSort(TObject* S, int ACol) {
    GddRaise(OnGridClickSort, S, ACol);
}
void TCustomQvGridDropDown::DoGridCustomCompare(TObject* S, const String& str1, const String& str2,
                                                int& Res) {
    GddRaise(OnGridCustomCompare, S, str1, str2, Res);
}
void TCustomQvGridDropDown::DoGridRawCompare(TObject* S, int ACol, int Row1, int Row2, int& Res) {
    GddRaise(OnGridRawCompare, S, ACol, Row1, Row2, Res);
}
void TCustomQvGridDropDown::DoGridColumnSize(TObject* S, int ACol, bool& Allow) {
    GddRaise(OnGridColumnSize, S, ACol, Allow);
}
void TCustomQvGridDropDown::DoGridColumnSizing(TObject* S, int ACol, int ColumnSize) {
    GddRaise(OnGridColumnSizing, S, ACol, ColumnSize);
}
void TCustomQvGridDropDown::DoGridEndColumnSize(TObject* S, int ACol) {
    GddRaise(OnGridEndColumnSize, S, ACol);
}
void TCustomQvGridDropDown::DoGridRowSize(TObject* S, int ARow, bool& Allow) {
    GddRaise(OnGridRowSize, S, ARow, Allow);
}
void TCustomQvGridDropDown::DoGridRowSizing(TObject* S, int ARow, int RowSize) {
    GddRaise(OnGridRowSizing, S, ARow, RowSize);
}
void TCustomQvGridDropDown::DoGridEndRowSize(TObject* S, int ARow) {
    GddRaise(OnGridEndRowSize, S, ARow);
}
void TCustomQvGridDropDown::DoGridRowMove(TObject* S, int ARow, bool& Allow) {
    GddRaise(OnGridRowMove, S, ARow, Allow);
}
void TCustomQvGridDropDown::DoGridRowMoving(TObject* S, int ARow, bool& Allow) {
    GddRaise(OnGridRowMoving, S, ARow, Allow);
}
void TCustomQvGridDropDown::DoGridRowMoved(TObject* S, int FromIndex, int ToIndex) {
    GddRaise(OnGridRowMoved, S, FromIndex, ToIndex);
}
void TCustomQvGridDropDown::DoGridColumnMove(TObject* S, int ACol, bool& Allow) {
    GddRaise(OnGridColumnMove, S, ACol, Allow);
}
void TCustomQvGridDropDown::DoGridColumnMoving(TObject* S, int ACol, bool& Allow) {
    GddRaise(OnGridColumnMoving, S, ACol, Allow);
}
void TCustomQvGridDropDown::DoGridColumnMoved(TObject* S, int FromIndex, int ToIndex) {
    GddRaise(OnGridColumnMoved, S, FromIndex, ToIndex);
}
void TCustomQvGridDropDown::DoGridCustomCellDraw(TObject* S, TCanvas* Canvas, int ACol, int ARow,
                                                 TGridDrawState AState, const TRect& ARect, bool Printing) {
    GddRaise(OnGridCustomCellDraw, S, Canvas, ACol, ARow, AState, ARect, Printing);
}
void TCustomQvGridDropDown::DoGridCustomCellBkgDraw(TObject* S, TCanvas* Canvas, int ACol, int ARow,
                                                    TGridDrawState AState, const TRect& ARect,
                                                    bool Printing) {
    GddRaise(OnGridCustomCellBkgDraw, S, Canvas, ACol, ARow, AState, ARect, Printing);
}
void TCustomQvGridDropDown::DoGridCellBalloon(TObject* S, int ACol, int ARow, String& ATitle, String& AText,
                                              int& AIcon) {
    GddRaise(OnGridCellBalloon, S, ACol, ARow, ATitle, AText, AIcon);
}
void TCustomQvGridDropDown::DoGridGetAlignment(TObject* S, int ARow, int ACol, TAlignment& HAlign,
                                               TVAlignment& VAlign) {
    if (ACol >= 0 && ACol < FColumns->Count()) HAlign = FColumns->Items(ACol)->Alignment();
    GddRaise(OnGridGetAlignment, S, ARow, ACol, HAlign, VAlign);
}
void TCustomQvGridDropDown::DoGridGetCellColor(TObject* S, int ARow, int ACol, TGridDrawState AState,
                                               TBrush* ABrush, TFont* AFont) {
    if (ABrush && ACol >= 0 && ACol < FColumns->Count()) ABrush->SetColor(FColumns->Items(ACol)->Color());
    GddRaise(OnGridGetCellColor, S, ARow, ACol, AState, ABrush, AFont);
}
void TCustomQvGridDropDown::DoGridGetCellGradient(TObject* S, int ARow, int ACol, TColor& Color,
                                                  TColor& ColorTo, TColor& ColorMirror, TColor& ColorMirrorTo,
                                                  TCellGradientDirection& GD) {
    GddRaise(OnGridGetCellGradient, S, ARow, ACol, Color, ColorTo, ColorMirror, ColorMirrorTo, GD);
}
void TCustomQvGridDropDown::DoGridGetFloatFormat(TObject* S, int ACol, int ARow, bool& IsFloat,
                                                 String& FloatFormat) {
    FloatFormat.clear();
    GddRaise(OnGridGetFloatFormat, S, ACol, ARow, IsFloat, FloatFormat);
}
void TCustomQvGridDropDown::DoGridGetEditorType(TObject* S, int ACol, int ARow, TEditorType& AEditor) {
    GddRaise(OnGridGetEditorType, S, ACol, ARow, AEditor);
}
void TCustomQvGridDropDown::DoGridGetEditorProp(TObject* S, int ACol, int ARow, TEditLink* AEditLink) {
    GddRaise(OnGridGetEditorProp, S, ACol, ARow, AEditLink);
}
void TCustomQvGridDropDown::DoGridCanEditCell(TObject* S, int ARow, int ACol, bool& CanEdit) {
    GddRaise(OnGridCanEditCell, S, ARow, ACol, CanEdit);
}
void TCustomQvGridDropDown::DoGridEllipsClick(TObject* S, int ACol, int ARow, String& Value) {
    WithActivationBlocked([&] { GddRaise(OnGridEllipsClick, S, ACol, ARow, Value); });
}
void TCustomQvGridDropDown::DoGridGetDisplText(TObject* S, int ACol, int ARow, String& Value) {
    GddRaise(OnGridGetDiplText, S, ACol, ARow, Value);
}
void TCustomQvGridDropDown::DoGridGetFormat(TObject* S, int ACol, TSortStyle& AStyle, String& aPrefix,
                                            String& aSuffix) {
    GddRaise(OnGridGetFormat, S, ACol, AStyle, aPrefix, aSuffix);
}
void TCustomQvGridDropDown::DoGridHint(TObject* S, int ARow, int ACol, String& hintstr) {
    GddRaise(OnGridHint, S, ARow, ACol, hintstr);
}
void TCustomQvGridDropDown::DoGridMouseMove(TObject* S, TShiftState Shift, int X, int Y) {
    // Balloons shown before the popup opened would keep their old cell: they start afresh once.
    if (!FBalloonInit && FQvColGrid) {
        FBalloonInit = true;
        FQvColGrid->RestartBalloons();
    }
    GddRaise(OnGridMouseMove, S, Shift, X, Y);
}
void TCustomQvGridDropDown::DoGridMouseDown(TObject* S, TMouseButton Button, TShiftState Shift, int X,
                                            int Y) {
    GddRaise(OnGridMouseDown, S, Button, Shift, X, Y);
}
void TCustomQvGridDropDown::DoGridMouseUp(TObject* S, TMouseButton Button, TShiftState Shift, int X, int Y) {
    GddRaise(OnGridMouseUp, S, Button, Shift, X, Y);
}
void TCustomQvGridDropDown::DoGridKeyDown(TObject* S, Word& Key, TShiftState Shift) {
    GddRaise(OnGridKeyDown, S, Key, Shift);
}
void TCustomQvGridDropDown::DoGridKeyUp(TObject* S, Word& Key, TShiftState Shift) {
    GddRaise(OnGridKeyUp, S, Key, Shift);
}
void TCustomQvGridDropDown::DoGridKeyPress(TObject* S, QChar& Key) {
    GddRaise(OnGridKeyPress, S, Key);
}
void TCustomQvGridDropDown::DoGridRightClickCell(TObject* S, int ARow, int ACol) {
    GddRaise(OnGridRightClickCell, S, ARow, ACol);
}
void TCustomQvGridDropDown::DoGridScrollHint(TObject* S, int ARow, String& hintstr) {
    GddRaise(OnGridScrollHint, S, ARow, hintstr);
}
void TCustomQvGridDropDown::DoGridTopLeftChanged(TObject*) {
    GddRaise(OnGridTopLeftChanged, this);
}
void TCustomQvGridDropDown::DoGridSearchEditChange(TObject* S, const String& Value, bool& DefaultSearch) {
    GddRaise(OnGridSearchEditChange, S, Value, DefaultSearch);
}
void TCustomQvGridDropDown::DoGridSpinClick(TObject* S, int ACol, int ARow, int AValue, bool UpDown) {
    GddRaise(OnGridSpinClick, S, ACol, ARow, AValue, UpDown);
}
void TCustomQvGridDropDown::DoGridAutoAddRow(TObject* S, int ARow) {
    GddRaise(OnGridAutoAddRow, S, ARow);
}
void TCustomQvGridDropDown::DoGridAutoInsertRow(TObject* S, int ARow) {
    GddRaise(OnGridInsertRow, S, ARow);
}
void TCustomQvGridDropDown::DoGridAutoInsertCol(TObject* S, int ACol) {
    GddRaise(OnGridInsertCol, S, ACol);
}
void TCustomQvGridDropDown::DoGridAutoDeleteRow(TObject* S, int ARow) {
    GddRaise(OnGridDeleteRow, S, ARow);
}
void TCustomQvGridDropDown::DoGridCanAddRow(TObject* S, bool& CanAdd) {
    GddRaise(OnGridCanAddRow, S, CanAdd);
}
void TCustomQvGridDropDown::DoGridCanInsertRow(TObject* S, int ARow, bool& CanInsert) {
    GddRaise(OnGridCanInsertRow, S, ARow, CanInsert);
}
void TCustomQvGridDropDown::DoGridCanDeleteRow(TObject* S, int ARow, bool& CanDelete) {
    GddRaise(OnGridCanDeleteRow, S, ARow, CanDelete);
}

} // namespace QvCustomGridDropDown

// The grid dropdown's popup grid: filling, the dropdown's settings, widths and heights, row confirmation
// and the event relays.
#include "controls/grid/dropdown/QvColGrid.h"

#include "controls/dropdown/QvDropDownForm.h"
#include "controls/grid/QvGrid_Settings.h"
#include "controls/grid/options/GridOptions.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/ImgList.h"
#include "toolkit/graphics/SystemLook.h"
#include "toolkit/system/ScopedValue.h"

#include <cstdint>

namespace {
// Word-wrapped rows are never lower than this.
constexpr int kColGridMinWrapRowHeight = 24;

// One relay: the grid event calls the dropdown's relay operation, looked up (virtually) at each call.
template <class Event, class... A>
void ColGridRelay(Event& event, TCustomQvGridDropDown* dd, void (TCustomQvGridDropDown::*op)(A...)) {
    event = [dd, op](A... args) { (dd->*op)(std::forward<A>(args)...); };
}
} // namespace

namespace QvCustomGridDropDown {

TQvColGrid::TQvColGrid(TComponent* AOwner)
    : TQvStringGrid(AOwner), FColumns(std::make_unique<TDropDownColumns>(this)),
      FHeaderFont(std::make_unique<TFont>()) {
    SetFixedRowAlways(true);
    if (RowCount() < 2) SetRowCount(2);
    SetFixedRows(1);
    SetFixedCols(0);
    SetOptions((Options() & ~goRangeSelect) | goRowSelect | goHorzLine);
    SetBorderStyle(bsNone);
    FOldRow = Row();
}

TQvColGrid::~TQvColGrid() = default;

IDropDownGrid* CreateDropDownColGrid(TCustomQvGridDropDown* DropDown) {
    auto* grid = new TQvColGrid(DropDown);
    grid->SetParent(DropDown->DropDownForm());
    grid->SetLinkedDropDown(DropDown);
    grid->SetBounds(0, 0, grid->Width(), 180);
    grid->SetColor(DropDown->DropDownColor());
    grid->Navigation()->SetHomeEndKey(heFirstLastRow);
    return grid;
}

void TQvColGrid::Notification(TComponent* AComponent, TOperation Operation) {
    TQvStringGrid::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent && AComponent == FImages) FImages = nullptr;
}

void TQvColGrid::SetImages(TImageList* v) {
    if (FImages == v) return;
    if (FImages) FImages->RemoveFreeNotification(this);
    FImages = v;
    if (v) v->FreeNotification(this);
}

void TQvColGrid::SetColGridLineWidth(int v) {
    FGridLineWidth = v;
    SetGridLineWidth(0);
    Invalidate();
}

// ---- settings

void TQvColGrid::ApplyDropDownSettings(TCustomQvGridDropDown* dd) {
    FQvDropDown = dd;
    FColumns->Assign(dd->Columns());
    const int cols = FColumns->Count();
    if (ColCount() < cols) SetColCount(cols);
    if (dd->UseItems()) SetRowCount(std::max(dd->Items()->Count() + 1, 2));
    for (int i = 0; i < cols; ++i)
        SetColWidths(i, FColumns->Items(i)->Width());
    FLineColor = dd->LineColor();
    FFixedLineColor = dd->FixedLineColor();
    FHeaderColor = dd->HeaderColor();
    FHeaderColorTo = dd->HeaderColorTo();
    FHeaderHeight = dd->HeaderHeight();
    FHeaderFont->Assign(dd->HeaderFont());
    SetHoverRow(dd->HoverRow());
    SetHoverRowColor(dd->HoverRowColor());
    SetHoverRowColorTo(dd->HoverRowColorTo());
    SetImages(dd->Images());
    SetDefaultRowHeight(dd->DropDownRowHeight());
    SetRowHeights(0, dd->HeaderHeight());
    TGridOptions o = Options() & ~(goColSizing | goColMoving | goRowSizing | goRowMoving);
    if (dd->ColumnSizing()) o |= goColSizing;
    if (dd->ColumnMoving()) o |= goColMoving;
    if (dd->RowSizing()) o |= goRowSizing;
    if (dd->RowMoving()) o |= goRowMoving;
    SetOptions(o);
    if (dd->AutoSizeColumns()) {
        if (dd->UseItems())
            AutoSizeItemColumns();
        else
            AutoSizeColumns(false, 4);
    }
    SetWordWrapRowHeights();
}

void TQvColGrid::PrepareForDropDown() {
    TCustomQvGridDropDown* dd = FQvDropDown;
    if (!dd) return;
    ApplyDropDownSettings(dd);
    SetColor(dd->DropDownColor());
    SortSettings()->SetShow(dd->Sorting() != gsNone);
    SortSettings()->SetIndexShow(dd->Sorting() == gsMultiColumn);
    OnSelect = [dd](TObject* s) { dd->GridSelect(s); };
    OnKeyDown = [dd](TObject* s, Word& k, TShiftState sh) { dd->GridKeyDown(s, k, sh); };
    OnCheckBoxClick = [dd](TObject* s, int c, int r, bool st) { dd->GridCheckBoxClick(s, c, r, st); };
    OnStartBlockFocus = [dd](TObject* s) { dd->StartBlockFocus(s); };
    OnEndBlockFocus = [dd](TObject* s) { dd->EndBlockFocus(s); };
    ConnectRelays();
    SearchFooter()->Assign(dd->SearchFooter());
    MouseActions()->Assign(dd->MouseActions());
    Navigation()->Assign(dd->Navigation());
    Bands()->Assign(dd->Bands());
    TGridOptions o = (Options() | goThumbTracking) & ~(goRowSelect | goEditing);
    if (dd->RowSelect()) o |= goRowSelect;
    if (dd->GridEditable()) o |= goEditing;
    SetOptions(o);
    SetGridImages(dd->GridImages());
    // The sort keeps the selected item; the dropdown's own sort events are raised from there.
    OnCanSort = [dd](TObject* s, int c, bool& doSort) { dd->RememberItemForSort(s, c, doSort); };
    OnClickSort = [dd](TObject* s, int c) { dd->RestoreRowAfterSort(s, c); };
    OnSelectCell = [dd](TObject* s, int c, int r, bool& can) { dd->GridSelectCell(s, c, r, can); };
    SetComponentStyle(dd->GetComponentStyle());
    FConfirmSelection = false;
}

void TQvColGrid::ConnectRelays() {
    using D = TCustomQvGridDropDown;
    D* dd = FQvDropDown;
    ColGridRelay(OnAnchorClick, dd, &D::DoGridAnchorClick);
    ColGridRelay(OnAnchorEnter, dd, &D::DoGridAnchorEnter);
    ColGridRelay(OnAnchorExit, dd, &D::DoGridAnchorExit);
    ColGridRelay(OnAnchorHint, dd, &D::DoGridAnchorHint);
    ColGridRelay(OnButtonClick, dd, &D::DoGridButtonClick);
    ColGridRelay(OnCanSort, dd, &D::DoGridCanSort);
    ColGridRelay(OnClickSort, dd, &D::DoGridClickSort);
    ColGridRelay(OnCustomCompare, dd, &D::DoGridCustomCompare);
    ColGridRelay(OnRawCompare, dd, &D::DoGridRawCompare);
    ColGridRelay(OnColumnSize, dd, &D::DoGridColumnSize);
    ColGridRelay(OnColumnSizing, dd, &D::DoGridColumnSizing);
    ColGridRelay(OnEndColumnSize, dd, &D::DoGridEndColumnSize);
    ColGridRelay(OnRowSize, dd, &D::DoGridRowSize);
    ColGridRelay(OnRowSizing, dd, &D::DoGridRowSizing);
    ColGridRelay(OnEndRowSize, dd, &D::DoGridEndRowSize);
    ColGridRelay(OnRowMove, dd, &D::DoGridRowMove);
    ColGridRelay(OnRowMoving, dd, &D::DoGridRowMoving);
    ColGridRelay(OnRowMoved, dd, &D::DoGridRowMoved);
    ColGridRelay(OnColumnMove, dd, &D::DoGridColumnMove);
    ColGridRelay(OnColumnMoving, dd, &D::DoGridColumnMoving);
    ColGridRelay(OnColumnMoved, dd, &D::DoGridColumnMoved);
    // Custom drawing costs every painted cell a call: connected only when the dropdown draws.
    OnCustomCellDraw = nullptr;
    OnCustomCellBkgDraw = nullptr;
    if (dd->OnGridCustomCellDraw) ColGridRelay(OnCustomCellDraw, dd, &D::DoGridCustomCellDraw);
    if (dd->OnGridCustomCellBkgDraw) ColGridRelay(OnCustomCellBkgDraw, dd, &D::DoGridCustomCellBkgDraw);
    ColGridRelay(OnCellBalloon, dd, &D::DoGridCellBalloon);
    ColGridRelay(OnGetAlignment, dd, &D::DoGridGetAlignment);
    ColGridRelay(OnGetCellColor, dd, &D::DoGridGetCellColor);
    ColGridRelay(OnGetCellGradient, dd, &D::DoGridGetCellGradient);
    ColGridRelay(OnGetFloatFormat, dd, &D::DoGridGetFloatFormat);
    ColGridRelay(OnGetEditorType, dd, &D::DoGridGetEditorType);
    ColGridRelay(OnGetEditorProp, dd, &D::DoGridGetEditorProp);
    ColGridRelay(OnCanEditCell, dd, &D::DoGridCanEditCell);
    ColGridRelay(OnEllipsClick, dd, &D::DoGridEllipsClick);
    ColGridRelay(OnGetDisplText, dd, &D::DoGridGetDisplText);
    ColGridRelay(OnGetFormat, dd, &D::DoGridGetFormat);
    ColGridRelay(OnGridHint, dd, &D::DoGridHint);
    ColGridRelay(OnMouseMove, dd, &D::DoGridMouseMove);
    ColGridRelay(OnMouseDown, dd, &D::DoGridMouseDown);
    ColGridRelay(OnMouseUp, dd, &D::DoGridMouseUp);
    // Key-down and key-press reach the dropdown through its control-key handlers while the popup is open;
    // key-up is relayed until then.
    ColGridRelay(OnKeyUp, dd, &D::DoGridKeyUp);
    ColGridRelay(OnRightClickCell, dd, &D::DoGridRightClickCell);
    ColGridRelay(OnScrollHint, dd, &D::DoGridScrollHint);
    ColGridRelay(OnTopLeftChanged, dd, &D::DoGridTopLeftChanged);
    ColGridRelay(OnSearchEditChange, dd, &D::DoGridSearchEditChange);
    ColGridRelay(OnAutoAddRow, dd, &D::DoGridAutoAddRow);
    ColGridRelay(OnAutoInsertRow, dd, &D::DoGridAutoInsertRow);
    ColGridRelay(OnAutoInsertCol, dd, &D::DoGridAutoInsertCol);
    ColGridRelay(OnAutoDeleteRow, dd, &D::DoGridAutoDeleteRow);
    ColGridRelay(OnCanAddRow, dd, &D::DoGridCanAddRow);
    ColGridRelay(OnCanInsertRow, dd, &D::DoGridCanInsertRow);
    ColGridRelay(OnCanDeleteRow, dd, &D::DoGridCanDeleteRow);
}

// ---- filling

TObject* TQvColGrid::ItemObject(int AItem) const {
    return reinterpret_cast<TObject*>(static_cast<intptr_t>(AItem));
}

void TQvColGrid::FillFromItems() {
    if (!FQvDropDown) return;
    TDropDownItems* items = FQvDropDown->Items();
    const int cols = std::max(FColumns->Count(), 1);
    BeginUpdate();
    try {
        SetColCount(cols);
        for (int c = 0; c < FColumns->Count(); ++c) {
            SetCells(c, 0, FColumns->Items(c)->Header());
            SetObjects(c, 0, ItemObject(-1));
        }
        const int n = items->Count();
        // A grid needs a row below its header; without items that row holds nothing and names no item.
        SetRowCount(std::max(FixedRows() + n, 2));
        if (FixedRows() != 1) SetFixedRows(1);
        for (int k = 0; k < n; ++k) {
            const TDropDownItem* item = items->Items(k);
            for (int c = 0; c < cols; ++c)
                SetCells(c, k + 1, item->ColumnText(c));
            SetObjects(0, k + 1, ItemObject(k));
        }
        if (n == 0) {
            for (int c = 0; c < cols; ++c)
                SetCells(c, 1, String());
            SetObjects(0, 1, ItemObject(-1));
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

int TQvColGrid::RowToItem(int ARow) const {
    if (ARow < 0 || ARow >= RowCount()) return ARow;
    return int(reinterpret_cast<intptr_t>(const_cast<TQvColGrid*>(this)->Objects(0, ARow)));
}

int TQvColGrid::ItemToRow(int AItem) const {
    if (AItem < 0) return -1;
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (RowToItem(r) == AItem) return r;
    return -1;
}

void TQvColGrid::SortAgain() {
    if (SortSettings()->Column() >= 0 && SortSettings()->Show()) QSort();
}

String TQvColGrid::Cell(int ACol, int ARow) const {
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return String();
    return const_cast<TQvColGrid*>(this)->Cells(ACol, ARow);
}

// ---- rows in view

bool TQvColGrid::AllRowsVisible() const {
    return VisibleRowCount() >= RowCount() - FixedRows();
}

void TQvColGrid::GoToRow(int ARow) {
    if (ARow < FixedRows() || ARow >= RowCount()) return;
    SetRow(ARow);
    if (!AllRowsVisible()) SetTopRow(std::max(FixedRows(), std::min(ARow, RowCount() - VisibleRowCount())));
}

void TQvColGrid::ShowCurrentRow() {
    const int visible = std::max(1, VisibleRowCount());
    if (Row() < TopRow())
        SetTopRow(std::max(FixedRows(), Row()));
    else if (Row() >= TopRow() + visible)
        SetTopRow(std::max(FixedRows(), Row() - visible + 1));
}

// ---- widths and heights

TCanvas* TQvColGrid::MeasureCanvas() {
    if (!FMeasure) FMeasure = std::make_unique<TCanvas>();
    return FMeasure.get();
}

void TQvColGrid::AutoSizeColumn(int Index) {
    if (!FQvDropDown || Index < 0 || Index >= FColumns->Count() || Parent() != FQvDropDown->DropDownForm())
        return;
    TDropDownColumn* column = FColumns->Items(Index);
    if (!column->AutoSize()) return;
    const TDropDownItems* items = FQvDropDown->Items();
    const TFont* font = column->Font();
    AutoSizeMemo key;
    key.Version = items->Version();
    key.Count = items->Count();
    key.Font = font->Name() + u'/' + String::number(font->Size()) + u'/' + String::number(int(font->Style()));
    key.Kind = column->ColumnType();
    key.ImagesWidth = FImages ? FImages->Width() : -1;
    if (FAutoSizeMemo.size() <= size_t(Index)) FAutoSizeMemo.resize(size_t(Index) + 1);
    AutoSizeMemo& memo = FAutoSizeMemo[size_t(Index)];
    if (!(memo == key)) {
        TCanvas* canvas = MeasureCanvas();
        canvas->Font()->Assign(font);
        int widest = 0;
        for (int k = 0; k < items->Count(); ++k) {
            const TDropDownItem* item = items->Items(k);
            const String text = item->ColumnText(Index);
            int w = 0;
            if (!text.isEmpty()) {
                w = canvas->TextWidth(text) + 6;
                ++FTextsMeasured;
            }
            if (column->ColumnType() == ctImage && FImages && item->ImageIndex() >= 0)
                w += FImages->Width() + 4;
            widest = std::max(widest, w);
        }
        key.Width = widest;
        memo = key;
    }
    column->SetWidth(memo.Width);
    if (Index < ColCount()) SetColWidths(Index, memo.Width);
}

void TQvColGrid::AutoSizeItemColumns() {
    for (int i = 0; i < FColumns->Count(); ++i)
        AutoSizeColumn(i);
}

void TQvColGrid::SetWordWrapRowHeights() {
    if (!FQvDropDown || Parent() != FQvDropDown->DropDownForm()) return;
    bool wrap = false;
    for (int i = 0; i < FColumns->Count(); ++i)
        wrap = wrap || FColumns->Items(i)->Wordwrap();
    if (!wrap) return;
    TCanvas* canvas = MeasureCanvas();
    const TDropDownItems* items = FQvDropDown->Items();
    for (int r = FixedRows(); r < RowCount(); ++r) {
        const int k = RowToItem(r);
        const TDropDownItem* item = k >= 0 && k < items->Count() ? items->Items(k) : nullptr;
        int h = kColGridMinWrapRowHeight;
        for (int i = 0; i < FColumns->Count(); ++i) {
            const TDropDownColumn* column = FColumns->Items(i);
            if (!column->Wordwrap()) continue;
            if (column->ColumnType() == ctImage && FImages && item && item->ImageIndex() >= 0) {
                h = std::max(h, FImages->Height() + 6);
                continue;
            }
            canvas->Font()->Assign(column->Font());
            TRect box(0, 0, column->Width(), 0);
            DrawText(canvas, item ? item->ColumnText(i) : Cell(i, r), box, DT_CALCRECT | DT_WORDBREAK);
            h = std::max(h, box.Height() + 6);
        }
        SetRowHeights(r, h);
    }
}

int TQvColGrid::TotalWidth() const {
    int w = BorderStyle() == bsNone ? 0 : 2;
    for (int c = 0; c < ColCount(); ++c)
        w += ColWidths(c);
    if (!AllRowsVisible()) w += SystemScrollBarWidth();
    return w;
}

std::vector<int> TQvColGrid::ColumnWidths() const {
    std::vector<int> widths;
    for (int i = 0; i < FColumns->Count(); ++i)
        widths.push_back(FColumns->Items(i)->Width());
    return widths;
}

void TQvColGrid::SetGridColumnWidths(const std::vector<int>& Widths) {
    SetScrollBars(ssVertical);
    for (size_t i = 0; i < Widths.size() && int(i) < ColCount(); ++i)
        SetColWidths(int(i), Widths[i]);
}

bool TQvColGrid::CellEditing() const {
    return (Options() & goEditing) && EditorMode();
}

void TQvColGrid::RestartBalloons() {
    if (!Balloon()->Enable()) return;
    Balloon()->SetEnable(false);
    Balloon()->SetEnable(true);
}

// ---- confirming a row

void TQvColGrid::DoSelect() {
    if (OnSelect) OnSelect(this);
}

void TQvColGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    FConfirmSelection = true;
    FOldRow = Row();
    TQvStringGrid::MouseDown(Button, Shift, X, Y);
}

void TQvColGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TQvStringGrid::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    int c = -1, r = -1;
    MouseToCell(X, Y, c, r);
    if (c >= 0 && r >= FixedRows() && r < RowCount() && !HasCheckBox(c, r)) DoSelect();
}

void TQvColGrid::KeyDown(Word& Key, TShiftState Shift) {
    FConfirmSelection = true;
    if ((Shift & ssAlt) && (Key == VK_UP || Key == VK_DOWN)) {
        // Closes the popup as the same keys in the edit do.
        if (FQvDropDown) SendMessage(FQvDropDown, WM_KEYDOWN, Key, 0);
        return;
    }
    if (Key == VK_RETURN) {
        Word none = 0;
        TQvStringGrid::KeyDown(none, Shift);
        DoSelect();
        return;
    }
    TQvStringGrid::KeyDown(Key, Shift);
}

void TQvColGrid::Dispatch(TMessage& m) {
    if (m.Msg == WM_KEYDOWN && m.CharCode() == VK_TAB) return;
    if (m.Msg == WM_CHAR && m.CharCode() == u'\r') {
        m.Result = 1;
        return;
    }
    TQvStringGrid::Dispatch(m);
}

// The string grid moves its row by the wheel in its window procedure: the wheel never confirms a row.
void TQvColGrid::WndProc(TMessage& m) {
    if (m.Msg != WM_MOUSEWHEEL) return TQvStringGrid::WndProc(m);
    ScopedValue wheel(FMouseWheelSelection, true);
    FConfirmSelection = false;
    TQvStringGrid::WndProc(m);
    FConfirmSelection = false;
}

LRESULT TQvColGrid::DialogCode() const {
    return DLGC_WANTARROWS | DLGC_WANTTAB;
}

bool TQvColGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
    ScopedValue wheel(FMouseWheelSelection, true);
    const bool handled = TQvStringGrid::DoMouseWheelDown(Shift, MousePos);
    FConfirmSelection = false;
    return handled;
}

bool TQvColGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
    ScopedValue wheel(FMouseWheelSelection, true);
    const bool handled = TQvStringGrid::DoMouseWheelUp(Shift, MousePos);
    FConfirmSelection = false;
    return handled;
}

} // namespace QvCustomGridDropDown

// The grid dropdown: construction, items and lookup texts, the selected item, the drop cycle with its popup
// grid, sizing and styles.
#include "controls/dropdown/QvGridDropDown.h"

#include "controls/dropdown/QvDropDownForm.h"
#include "controls/dropdown/QvDropDown_Bars.h"
#include "controls/dropdown/QvMultiColumnLookup.h"
#include "toolkit/graphics/ImgList.h"
#include "toolkit/graphics/SystemLook.h"

namespace {
TDropDownGridFactory& GddFactorySlot() {
    static TDropDownGridFactory factory;
    return factory;
}
} // namespace

void SetDropDownGridFactory(TDropDownGridFactory Factory) {
    GddFactorySlot() = std::move(Factory);
}

const TDropDownGridFactory& DropDownGridFactory() {
    return GddFactorySlot();
}

namespace QvCustomGridDropDown {

TCustomQvGridDropDown::TCustomQvGridDropDown(TComponent* AOwner)
    : TQvCustomDropDown(AOwner), FHeaderFont(std::make_unique<TFont>()) {
    const TComponentState state = ComponentState();
    FDesignTime = (state & csDesigning) && !(AOwner && (AOwner->ComponentState() & (csReading | csLoading)));
    FItems.reset(CreateItems(this));
    FColumns = std::make_unique<TDropDownColumns>(this);
    SetDropDownColor(0xFFFFFF);
    SetDropDownHeight(200);
    SetAutoSelect(true);
    SetSelectionColorStyle(scOffice2007);
    FSelectionTextColor = 0;
    FSearchFooter = std::make_unique<TSearchFooter>(this, FDesignTime);
    FBands = std::make_unique<TBands>();
    FNavigation = std::make_unique<TNavigation>();
    FMouseActions = std::make_unique<TMouseActions>(this);
    FNavigation->SetHomeEndKey(heFirstLastRow);
    if (FDesignTime) {
        FColumns->Clear();
        for (int i = 0; i < 3; ++i)
            FColumns->Add();
    }
    CreateDropDownForm();
}

TCustomQvGridDropDown::~TCustomQvGridDropDown() = default;

TDropDownItems* TCustomQvGridDropDown::CreateItems(TPersistent* AOwner) {
    return new TDropDownItems(AOwner);
}

void TCustomQvGridDropDown::Loaded() {
    TQvCustomDropDown::Loaded();
    BuildLookupTexts();
    if (FQvColGrid) FQvColGrid->FillFromItems();
}

void TCustomQvGridDropDown::Notification(TComponent* AComponent, TOperation Operation) {
    TQvCustomDropDown::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent && AComponent == static_cast<TComponent*>(FGridImages))
        SetGridImages(nullptr);
}

void TCustomQvGridDropDown::SetGridImages(TImageList* v) {
    if (FGridImages) FGridImages->RemoveFreeNotification(this);
    FGridImages = v;
    if (v) v->FreeNotification(this);
    // The popup grid takes the list at each drop-down; one it holds now is let go at once.
    if (FQvColGrid && !v) FQvColGrid->PrepareForDropDown();
}

void TCustomQvGridDropDown::SetStyle(TDropDownStyle v) {
    FStyle = v;
    SetEditorEnabled(v == dsDropDown);
}

void TCustomQvGridDropDown::BuildLookupTexts() {
    if (FLookupColumn < 0 || FItems->Count() == 0) return;
    FLookupItems.clear();
    FLookupItems.reserve(size_t(FItems->Count()));
    for (int i = 0; i < FItems->Count(); ++i)
        FLookupItems.push_back(FItems->Items(i)->ColumnText(FLookupColumn));
    FLookupVersion = FItems->Version();
    FLookupBuiltColumn = FLookupColumn;
}

bool TCustomQvGridDropDown::LookupTextsCurrent() const {
    return FLookupVersion == FItems->Version() && FLookupBuiltColumn == FLookupColumn &&
           FLookupItems.size() == size_t(FItems->Count());
}

// ---- the selected item

void TCustomQvGridDropDown::SetItemIndex(int Value) {
    if (FUseItems) {
        if (Value >= FItems->Count()) return;
        FItemIndex = Value;
        SetText(Value >= 0 ? FItems->Items(Value)->ColumnText(FLookupColumn) : String());
        return;
    }
    if (!FQvColGrid) {
        FItemIndex = Value;
        return;
    }
    // Only a data row can be selected: an index past the last one would name a row that is not there.
    if (Value == FItemIndex || Value + FQvColGrid->GridFixedRows() >= FQvColGrid->GridRowCount()) return;
    FItemIndex = Value;
    SetText(Value >= 0 ? FQvColGrid->Cell(FLookupColumn, Value + FQvColGrid->GridFixedRows()) : String());
}

bool TCustomQvGridDropDown::LookupText(const String& Text, String& Found, int& Row) const {
    Found.clear();
    Row = -1;
    if (Text.isEmpty()) return false;
    const Qt::CaseSensitivity cs = FCaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    if (FUseItems) {
        // The texts kept for completion are read while they match the items: no copy of each text.
        const bool kept = LookupTextsCurrent();
        for (int i = 0; i < FItems->Count(); ++i) {
            const String t = kept ? FLookupItems[size_t(i)] : FItems->Items(i)->ColumnText(FLookupColumn);
            if (!t.startsWith(Text, cs)) continue;
            Found = t;
            Row = i;
            return true;
        }
        return false;
    }
    if (!FQvColGrid) return false;
    for (int r = FQvColGrid->GridFixedRows(); r < FQvColGrid->GridRowCount(); ++r) {
        const String t = FQvColGrid->Cell(FLookupColumn, r);
        if (!t.startsWith(Text, cs)) continue;
        Found = t;
        Row = r;
        return true;
    }
    return false;
}

int TCustomQvGridDropDown::RowToItem(int Row) const {
    return FQvColGrid ? FQvColGrid->RowToItem(Row) : Row;
}

int TCustomQvGridDropDown::ItemToRow(int Item) const {
    const int row = FQvColGrid && Item >= 0 ? FQvColGrid->ItemToRow(Item) : -1;
    return row >= 0 ? row : FItemIndex;
}

// ---- moving through the items

int TCustomQvGridDropDown::NavigationCount() const {
    if (FUseItems) return FItems->Count();
    return FQvColGrid ? std::max(0, FQvColGrid->GridRowCount() - FQvColGrid->GridFixedRows()) : 0;
}

void TCustomQvGridDropDown::SelectFirst() {
    if (NavigationCount() > 0) SetItemIndex(0);
}

void TCustomQvGridDropDown::SelectLast() {
    if (NavigationCount() > 0) SetItemIndex(NavigationCount() - 1);
}

void TCustomQvGridDropDown::SelectNext() {
    const int to = StepItem(TItemStep::Down, FItemIndex, NavigationCount(), true);
    if (to != FItemIndex) SetItemIndex(to);
}

void TCustomQvGridDropDown::SelectPrevious() {
    const int to = StepItem(TItemStep::Up, FItemIndex, NavigationCount(), true);
    if (to != FItemIndex) SetItemIndex(to);
}

void TCustomQvGridDropDown::PageDown() {
    const int to = StepItem(TItemStep::PageDown, FItemIndex, NavigationCount(), true);
    if (to != FItemIndex) SetItemIndex(to);
}

void TCustomQvGridDropDown::PageUp() {
    const int to = StepItem(TItemStep::PageUp, FItemIndex, NavigationCount(), true);
    if (to != FItemIndex) SetItemIndex(to);
}

// ---- the drop cycle

void TCustomQvGridDropDown::CreateDropDownForm() {
    TQvCustomDropDown::CreateDropDownForm();
    if (!FDropDownForm || FQvColGrid || !DropDownGridFactory()) return;
    FQvColGrid = DropDownGridFactory()(this);
    if (FQvColGrid) SetControl(FQvColGrid->GridControl());
}

void TCustomQvGridDropDown::EnsureGridFilled() {
    if (!FQvColGrid || !FUseItems || FQvColGrid->NarrowLevel() > 0) return;
    if (FQvColGrid->GridRowCount() == FItems->Count() + 1) return;
    FQvColGrid->PrepareForDropDown();
    FQvColGrid->FillFromItems();
}

void TCustomQvGridDropDown::BeforeDropDown() {
    if (FDropDownForm) FDropDownForm->SetCancelOnDeActivate(false);
    if (!FQvColGrid) {
        TQvCustomDropDown::BeforeDropDown();
        return;
    }
    FBalloonInit = false;
    // Rows hidden by a narrow-down come back before the rows are filled again; the entry narrows the
    // fresh rows once more below.
    FQvColGrid->ShowAllRows();
    FQvColGrid->PrepareForDropDown();
    if (FUseItems) {
        // The application may still change the items here.
        TQvCustomDropDown::BeforeDropDown();
        FQvColGrid->FillFromItems();
        const int row = FQvColGrid->ItemToRow(FItemIndex);
        if (row >= FQvColGrid->GridFixedRows() && row < FQvColGrid->GridRowCount()) FQvColGrid->GoToRow(row);
    } else {
        String found;
        int row = -1;
        LookupText(GetText(), found, row);
        if (row < 0) row = FQvColGrid->GridFixedRows();
        if (row < FQvColGrid->GridRowCount()) FQvColGrid->GoToRow(row);
    }
    FQvColGrid->SortAgain();
    if (FLookupMethod == lmNarrowDown && !FLookupEntry.isEmpty()) {
        FQvColGrid->NarrowRows(FLookupEntry, FLookupColumn);
        if (FQvColGrid->GridRowCount() > FQvColGrid->GridFixedRows())
            FQvColGrid->GoToRow(FQvColGrid->GridFixedRows());
    }
    FOldItemIndex = FItemIndex;
    if (!FUseItems) TQvCustomDropDown::BeforeDropDown();
}

void TCustomQvGridDropDown::AdjustDropDownHeight(int& Height) {
    int bars = 0;
    if (FDropDownForm) {
        if (TQvHeader* h = FDropDownForm->Header(); h && h->Visible()) bars += h->Height();
        if (TQvFooter* f = FDropDownForm->Footer(); f && f->Visible()) bars += f->Height();
    }
    const int rows = FDropDownRowHeight > 0 ? (Height - bars - FHeaderHeight - 2) / FDropDownRowHeight : 0;
    Height = bars + FHeaderHeight + rows * FDropDownRowHeight + 6;
}

void TCustomQvGridDropDown::UpdateDropDownSize() {
    TQvCustomDropDown::UpdateDropDownSize();
    if (!FDropDownAutoWidth || !FDropDownForm || !FQvColGrid) return;
    const int w = FQvColGrid->TotalWidth();
    FQvColGrid->GridControl()->SetWidth(w);
    FDropDownForm->SetWidth(w + 2 * FDropDownBorderWidth);
    FQvColGrid->GridControl()->SetAlign(alClient);
}

void TCustomQvGridDropDown::PlaceDropDownControl() {
    if (FQvColGrid) SetControl(FQvColGrid->GridControl());
    TQvCustomDropDown::PlaceDropDownControl();
}

void TCustomQvGridDropDown::DoDropDown() {
    TQvCustomDropDown::DoDropDown();
    if (!FQvColGrid) return;
    if (!FUseItems)
        while (FColumns->Count() < FQvColGrid->GridColCount())
            FColumns->Add();
    if (!DroppedDown()) return;
    SizeColumnsToPopup();
    FQvColGrid->ShowCurrentRow();
    // A confirmation without a row change keeps the row of the item selected at the opening.
    FSelRow = FQvColGrid->CurrentRow();
    TWinControl* grid = FQvColGrid->GridControl();
    grid->SetTabStop(true);
    if (grid->CanFocus()) grid->SetFocus();
}

void TCustomQvGridDropDown::DoHideDropDown(bool CancelChanges) {
    if (FDropDownForm && FDropDownForm->Visible() && FQvColGrid) {
        if (CancelChanges) {
            SetItemIndex(FOldItemIndex);
        } else if (FQvColGrid->SelectionConfirmed()) {
            SetItemIndex(FUseItems ? RowToItem(FSelRow) : FSelRow - FQvColGrid->GridFixedRows());
            FOldItemIndex = FItemIndex;
            FQvColGrid->SetSelectionConfirmed(false);
        }
    }
    TQvCustomDropDown::DoHideDropDown(CancelChanges);
}

void TCustomQvGridDropDown::SizeColumnsToPopup() {
    if (!FColumnSizeWithDropDown || !FQvColGrid || FColumns->Count() == 0 || !FDropDownForm) return;
    int available = FDropDownForm->Width();
    if (!FQvColGrid->AllRowsVisible()) available -= SystemScrollBarWidth();
    FQvColGrid->SetGridColumnWidths(StretchColumnWidths(FQvColGrid->ColumnWidths(), available));
}

void TCustomQvGridDropDown::FormSizing(TObject* Sender) {
    TQvCustomDropDown::FormSizing(Sender);
    SizeColumnsToPopup();
}

// The wheel over the edit steps through the items; over the open popup the grid scrolls its rows and
// nothing is chosen until a key or click confirms.
void TCustomQvGridDropDown::WheelDown() {
    TQvCustomDropDown::WheelDown();
    if (!DroppedDown()) SelectNext();
}

void TCustomQvGridDropDown::WheelUp() {
    TQvCustomDropDown::WheelUp();
    if (!DroppedDown()) SelectPrevious();
}

void TCustomQvGridDropDown::DoEnter() {
    TQvCustomDropDown::DoEnter();
    if (FQvColGrid) FQvColGrid->ShowAllRows();
    FLookupEntry.clear();
    // The modified flag compares with the text the control had when the focus arrived.
    FOldValue = GetText();
}

// ---- confirming a row in the popup

void TCustomQvGridDropDown::GridSelect(TObject*) {
    if (!FQvColGrid) return;
    if (FQvColGrid->SelectionConfirmed()) {
        const int row = FQvColGrid->CurrentRow();
        SetItemIndex(FUseItems ? RowToItem(row) : row - FQvColGrid->GridFixedRows());
    }
    if (!FGridEditable) DoHideDropDown(false);
    if (OnSelect) OnSelect(this);
}

void TCustomQvGridDropDown::GridKeyDown(TObject*, Word& Key, TShiftState) {
    if (Key == VK_RETURN) DoHideDropDown(false);
    if (Key == VK_ESCAPE) DoHideDropDown(true);
}

void TCustomQvGridDropDown::GridSelectCell(TObject*, int, int ARow, bool&) {
    FSelRow = ARow;
    if (!FQvColGrid || FQvColGrid->WheelScrolling()) return;
    if (FUseItems) {
        SetItemIndex(RowToItem(ARow));
    } else {
        SetText(FQvColGrid->Cell(FLookupColumn, ARow));
        FItemIndex = ARow - FQvColGrid->GridFixedRows();
    }
}

void TCustomQvGridDropDown::GridCheckBoxClick(TObject* Sender, int ACol, int ARow, bool State) {
    if (OnGridCheckBoxClick) OnGridCheckBoxClick(Sender, ACol, ARow, State);
}

void TCustomQvGridDropDown::StartBlockFocus(TObject*) {
    if (FDropDownForm) FDropDownForm->SetBlockActivate(true);
}

void TCustomQvGridDropDown::EndBlockFocus(TObject*) {
    if (FDropDownForm) FDropDownForm->SetBlockActivate(false);
}

void TCustomQvGridDropDown::RememberItemForSort(TObject* Sender, int ACol, bool& DoSort) {
    FSortItem = FItemIndex;
    DoGridCanSort(Sender, ACol, DoSort);
}

void TCustomQvGridDropDown::RestoreRowAfterSort(TObject* Sender, int ACol) {
    if (FQvColGrid && FSortItem >= 0) {
        const int row = FQvColGrid->ItemToRow(FSortItem);
        if (row >= FQvColGrid->GridFixedRows()) FQvColGrid->GoToRow(row);
    }
    DoGridClickSort(Sender, ACol);
}

// ---- styles

void TCustomQvGridDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
    ListLineColors(Value, FLineColor, FFixedLineColor);
    if (Value == scOffice2007)
        SetSelectionColor(0x5EC1F1);
    else if (Value == scWindowsVista || Value == scWindows7)
        SetSelectionColor(0xEACAB6);
    TQvCustomDropDown::SetSelectionColorStyle(Value);
}

namespace {
struct GddStyleRow {
    TQvStyle Style;
    TColor Header, HeaderTo, HeaderFont;
    TSelectionColorStyle Selection;
    TColor Line;
};
constexpr TColor kGddUnchanged = clNone;
constexpr GddStyleRow kGddStyles[] = {
    {tsOffice2003Blue, 0xD68759, 0x933803, 0xFFFFFF, scOffice2007, 0x962D00},
    {tsOffice2003Silver, 0xBDA4A5, 0x957475, kGddUnchanged, scOffice2007, 0x947C7C},
    {tsOffice2003Olive, 0x82C0AF, 0x447A63, kGddUnchanged, scOffice2007, 0x588060},
    {tsOffice2003Classic, 0x808080, 0x808080, kGddUnchanged, scOffice2007, 0x808080},
    {tsOffice2007Luna, 0xFFEFE3, 0xFFD2AF, 0x723708, scOffice2007, 0xFFD2AF},
    {tsOffice2007Obsidian, 0xF2F1F0, 0xC9C2BD, 0x433C37, scOffice2007, 0x5C534C},
    {tsWhidbey, 0xEBEEEF, 0x7E9898, 0xFFFFFF, scOffice2007, 0x962D00},
    {tsOffice2007Silver, 0xF8F7F6, 0xE8E0DB, 0x8B4215, scOffice2007, 0x74706F},
    {tsWindowsVista, 0xFFFDF9, 0xFFFAF0, 0x000000, scWindowsVista, 0xFCF2DA},
    {tsWindows7, 0xFDFBFA, 0xFDF3EB, 0x000000, scWindows7, 0xFBD6B8},
};
} // namespace

void TCustomQvGridDropDown::SetComponentStyle(TQvStyle AStyle) {
    TQvCustomDropDown::SetComponentStyle(AStyle);
    for (const GddStyleRow& s : kGddStyles) {
        if (s.Style != AStyle) continue;
        FHeaderColor = s.Header;
        FHeaderColorTo = s.HeaderTo;
        if (s.HeaderFont != kGddUnchanged) FHeaderFont->SetColor(s.HeaderFont);
        SetSelectionColorStyle(s.Selection);
        FLineColor = FFixedLineColor = s.Line;
        FSelectionTextColor = 0;
        return;
    }
    if (AStyle == tsWindowsXP || AStyle == tsTerminal) {
        const bool xp = AStyle == tsWindowsXP;
        FFixedLineColor = xp ? 0x000000 : 0x808080;
        FLineColor = xp ? 0xC0C0C0 : 0x808080;
        FHeaderColor = FHeaderColorTo = clBtnFace;
        SetSelectionColorStyle(scCustom);
        SetSelectionColor(clHighlight);
        SetSelectionColorTo(clHighlight);
        FHeaderFont->SetColor(clBlack);
        FSelectionTextColor = clHighlightText;
    }
}

} // namespace QvCustomGridDropDown

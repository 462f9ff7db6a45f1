// The column grid's items and their collection: settings, copying, and what a change tells the grid.
#include "controls/grid/QvCGrid.h"

// Item
// --------------------------------------------------------------------------------------------

TGridColumnItem::TGridColumnItem(TCollection* ACollection) : TCollectionItem(nullptr) {
    if (auto* columns = dynamic_cast<TGridColumnCollection*>(ACollection)) FGrid = columns->Grid();
    FFont = std::make_unique<TFont>();
    FHeaderFont = std::make_unique<TFont>();
    FPrintFont = std::make_unique<TFont>();
    FComboItems = std::make_unique<TStringList>();
    FFilter = std::make_unique<TStringList>();
    FBorderPen = std::make_unique<TPen>();
    FBorderPen->SetWidth(1);
    FBorderPen->SetColor(TColor(0xC0C0C0));
    FPrintBorderPen = std::make_unique<TPen>();
    FPrintBorderPen->SetWidth(1);
    FPrintBorderPen->SetColor(clBlack);
    if (FGrid) {
        FFont->Assign(FGrid->Font());
        FHeaderFont->Assign(FGrid->Font());
        FPrintFont->Assign(FGrid->Font());
        FColor = FGrid->Color();
        FFont->OnChange = [this](TObject*) { SendUpdate(); };
        FHeaderFont->OnChange = [this](TObject*) { SendUpdate(); };
        FBorderPen->OnChange = [this](TObject*) { SendUpdate(); };
        FFilter->OnChange = [this](TObject*) { Repaint(); };
    }
    // Joined last, so that the collection's reaction sees a whole item.
    if (ACollection) SetCollection(ACollection);
}

TGridColumnItem::~TGridColumnItem() {
    FFont->OnChange = nullptr;
    FHeaderFont->OnChange = nullptr;
    FBorderPen->OnChange = nullptr;
    FFilter->OnChange = nullptr;
    SetCollection(nullptr);
}

TQvColumnGrid* TGridColumnItem::Grid() const {
    return Collection() ? FGrid : nullptr;
}

void TGridColumnItem::Repaint() {
    if (TQvColumnGrid* grid = Grid()) grid->Invalidate();
}

void TGridColumnItem::SendUpdate() {
    if (auto* columns = dynamic_cast<TGridColumnCollection*>(Collection()))
        if (columns->UpdateCount() == 0) columns->ItemUpdate(this);
}

void TGridColumnItem::SetHeader(const String& Value) {
    FHeader = Value;
    TQvColumnGrid* grid = Grid();
    if (!grid) return;
    if (grid->FixedRows() > 0 && !grid->IsColumnMoving()) {
        grid->SetCells(Index(), 0, Value);
        SendUpdate();
    }
    TStringList* headers = grid->ColumnHeaders();
    headers->BeginUpdate();
    headers->Clear();
    const TGridColumnCollection* columns = grid->Columns();
    for (int i = 0; i < columns->Count(); ++i)
        headers->Add(columns->Items(i)->Header());
    headers->EndUpdate();
}

int TGridColumnItem::Width() const {
    const TQvColumnGrid* grid = Grid();
    const int index = Index();
    if (!grid || index < 0 || index >= grid->TotalColCount()) return FWidth;
    return grid->AllColWidths(index);
}

void TGridColumnItem::SetWidth(int Value) {
    FWidth = Value;
    TQvColumnGrid* grid = Grid();
    const int index = Index();
    if (!grid || index < 0 || index >= grid->TotalColCount() || grid->IsHiddenColumn(index)) return;
    grid->SetColWidths(grid->DisplColIndex(index), Value);
}

void TGridColumnItem::SetAlignment(TAlignment Value) {
    FAlignment = Value;
    Repaint();
}

void TGridColumnItem::SetHeaderAlignment(TAlignment Value) {
    FHeaderAlignment = Value;
    Repaint();
}

void TGridColumnItem::SetFont(const TFont* Value) {
    FFont->Assign(Value);
    SendUpdate();
}

void TGridColumnItem::SetHeaderFont(const TFont* Value) {
    FHeaderFont->Assign(Value);
    Repaint();
}

void TGridColumnItem::SetColor(TColor Value) {
    FColor = Value;
    SendUpdate();
}

void TGridColumnItem::SetEditor(TEditorType Value) {
    if (FEditor == Value) return;
    const bool checkBoxBefore = FEditor == edDataCheckBox;
    FEditor = Value;
    if (checkBoxBefore || Value == edDataCheckBox) Repaint();
}

void TGridColumnItem::SetComboItems(const TStrings* Value) {
    FComboItems->Assign(Value);
}

void TGridColumnItem::SetFixed(bool Value) {
    FFixed = Value;
    SendUpdate();
}

void TGridColumnItem::SetPassword(bool Value) {
    FPassword = Value;
    SendUpdate();
}

void TGridColumnItem::SetFloatFormat(const String& Value) {
    FFloatFormat = Value;
    Repaint();
}

void TGridColumnItem::SetBorders(TCellBorders Value) {
    FBorders = Value;
    SendUpdate();
}

void TGridColumnItem::SetBorderPen(const TPen* Value) {
    FBorderPen->Assign(Value);
    SendUpdate();
}

void TGridColumnItem::SetShowBands(bool Value) {
    FShowBands = Value;
    SendUpdate();
}

void TGridColumnItem::SetFilter(const TStrings* Value) {
    FFilter->Assign(Value);
}

String TGridColumnItem::Rows(int ARow) const {
    TQvColumnGrid* grid = Grid();
    return grid ? grid->Cells(Index(), ARow) : String();
}

void TGridColumnItem::SetRows(int ARow, const String& Value) {
    if (TQvColumnGrid* grid = Grid()) grid->SetCells(Index(), ARow, Value);
}

int TGridColumnItem::Ints(int ARow) const {
    TQvColumnGrid* grid = Grid();
    return grid ? grid->Ints(Index(), ARow) : 0;
}

void TGridColumnItem::SetInts(int ARow, int Value) {
    if (TQvColumnGrid* grid = Grid()) grid->SetInts(Index(), ARow, Value);
}

double TGridColumnItem::Floats(int ARow) const {
    TQvColumnGrid* grid = Grid();
    return grid ? grid->Floats(Index(), ARow) : 0.0;
}

void TGridColumnItem::SetFloats(int ARow, double Value) {
    if (TQvColumnGrid* grid = Grid()) grid->SetFloats(Index(), ARow, Value);
}

TDateTime TGridColumnItem::Dates(int ARow) const {
    TQvColumnGrid* grid = Grid();
    return grid ? grid->Dates(Index(), ARow) : TDateTime(0);
}

void TGridColumnItem::SetDates(int ARow, TDateTime Value) {
    if (TQvColumnGrid* grid = Grid()) grid->SetDates(Index(), ARow, Value);
}

TDateTime TGridColumnItem::Times(int ARow) const {
    TQvColumnGrid* grid = Grid();
    return grid ? grid->Times(Index(), ARow) : TDateTime(0);
}

void TGridColumnItem::SetTimes(int ARow, TDateTime Value) {
    if (TQvColumnGrid* grid = Grid()) grid->SetTimes(Index(), ARow, Value);
}

String TGridColumnItem::DisplayName() const {
    if (!FName.isEmpty()) return QStringLiteral("Col %1: %2").arg(Index()).arg(FName);
    return QStringLiteral("Column %1").arg(Index());
}

void TGridColumnItem::Assign(const TPersistent* Source) {
    const auto* src = dynamic_cast<const TGridColumnItem*>(Source);
    if (!src) {
        TCollectionItem::Assign(Source);
        return;
    }
    CopyFrom(src, false);
}

void TGridColumnItem::AssignVisuals(const TGridColumnItem* Source) {
    if (Source) CopyFrom(Source, true);
}

void TGridColumnItem::CopyFrom(const TGridColumnItem* src, bool Visuals) {
    if (src == this) return;
    // Members only: the copy tells nobody, the caller decides what the grid hears.
    TNotifyEvent fontChange = FFont->OnChange, headerFontChange = FHeaderFont->OnChange;
    TNotifyEvent penChange = FBorderPen->OnChange, filterChange = FFilter->OnChange;
    FFont->OnChange = FHeaderFont->OnChange = FBorderPen->OnChange = FFilter->OnChange = nullptr;
    FAlignment = src->FAlignment;
    FHeaderAlignment = src->FHeaderAlignment;
    FBorderPen->Assign(src->FBorderPen.get());
    FBorders = src->FBorders;
    FCheckFalse = src->FCheckFalse;
    FCheckTrue = src->FCheckTrue;
    FEditLength = src->FEditLength;
    FEditLink = src->FEditLink;
    FEditMask = src->FEditMask;
    FEditor = src->FEditor;
    FFixed = src->FFixed;
    FPassword = src->FPassword;
    FPrintBorderPen->Assign(src->FPrintBorderPen.get());
    FPrintBorders = src->FPrintBorders;
    FPrintColor = src->FPrintColor;
    FPrintFont->Assign(src->FPrintFont.get());
    FReadOnly = src->FReadOnly;
    FSortPrefix = src->FSortPrefix;
    FSortStyle = src->FSortStyle;
    FSortSuffix = src->FSortSuffix;
    FSpinMax = src->FSpinMax;
    FSpinMin = src->FSpinMin;
    FSpinStep = src->FSpinStep;
    FColumnPopup = src->FColumnPopup;
    FWidth = src->Width();
    FShowBands = src->FShowBands;
    FMinSize = src->FMinSize;
    FMaxSize = src->FMaxSize;
    FAutoMinSize = src->FAutoMinSize;
    FAutoMaxSize = src->FAutoMaxSize;
    FFilter->Assign(src->FFilter.get());
    FFilterCaseSensitive = src->FFilterCaseSensitive;
    FDefIdx = src->FDefIdx;
    FFloatFormat = src->FFloatFormat;
    if (Visuals) {
        if (const TQvColumnGrid* grid = Grid()) {
            FColor = grid->Color();
            FFont->Assign(grid->Font());
        }
    } else {
        FColor = src->FColor;
        FFont->Assign(src->FFont.get());
        FComboItems->Assign(src->FComboItems.get());
        FDropDownCount = src->FDropDownCount;
        FHeaderFont->Assign(src->FHeaderFont.get());
        FHeader = src->FHeader;
        FName = src->FName;
        FTag = src->FTag;
    }
    FFont->OnChange = fontChange;
    FHeaderFont->OnChange = headerFontChange;
    FBorderPen->OnChange = penChange;
    FFilter->OnChange = filterChange;
}

// Collection
// --------------------------------------------------------------------------------------------

TPersistent* TGridColumnCollection::GetOwner() const {
    return FGrid;
}

void TGridColumnCollection::Added(TCollectionItem* Item) {
    const int index = Item->Index();
    if (index > 0) static_cast<TGridColumnItem*>(Item)->AssignVisuals(Items(index - 1));
}

void TGridColumnCollection::Update(TCollectionItem* Item) {
    TCollection::Update(Item);
    if (!FGrid || UpdateCount() > 0 || NoRecursiveUpdate() || FGrid->IsLoading() || FGrid->IsDestroying() ||
        FGrid->Columns() != this)
        return;
    const int n = Count() - FGrid->NumHiddenColumns();
    if (n != FGrid->ColCount() && FGrid->FixedCols() < n) FGrid->SetColCount(n);
    FGrid->SyncColumnHeaders();
    FGrid->Invalidate();
}

void TGridColumnCollection::SetOrganization() {
    if (FGrid) FGrid->SyncColumnCount();
    for (int i = 0; i < Count(); ++i)
        Items(i)->SetDefIdx(i);
}

void TGridColumnCollection::ResetOrganization() {
    if (!FGrid) return;
    // Each pass moves a column left onto its place; at most one pass per column is ever needed.
    bool moved = true;
    for (int pass = 0; moved && pass <= Count(); ++pass) {
        moved = false;
        for (int i = 0; i < Count() && i < FGrid->ColCount(); ++i) {
            const int target = Items(i)->DefIdx();
            if (target < i && target >= 0) {
                FGrid->MoveColumn(i, target);
                moved = true;
            }
        }
    }
}

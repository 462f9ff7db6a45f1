// The column grid: life, the item count, and the string grid's hooks answered from the column items.
#include "controls/grid/QvCGrid.h"
#include "controls/VersionText.h"

#include "toolkit/controls/Menus.h"
#include "toolkit/system/IniFiles.h"
#include "toolkit/system/SysUtils.h"

#include <cmath>

namespace {
constexpr int kColumnGridVersion = 0x03010301;
constexpr const char* kColumnGridVersionDate = "Aug, 2012";
} // namespace

// Life and the item count
// --------------------------------------------------------------------------------------------

TQvColumnGrid::TQvColumnGrid(TComponent* AOwner) : TQvStringGrid(AOwner) {
    FColumns = CreateColumns();
    FColumnCheckGraphic = std::make_unique<TCellGraphic>();
    FColumnCheckGraphic->CellType = ctVirtCheckBox;
    FSavedColumn = std::make_unique<TGridColumnItem>(nullptr);
    SyncColumnCount();
}

TQvColumnGrid::~TQvColumnGrid() {
    SetDestroying();
    FColumns.reset();
    FSavedColumn.reset();
    FColumnCheckGraphic.reset();
}

std::unique_ptr<TGridColumnCollection> TQvColumnGrid::CreateColumns() {
    return std::make_unique<TGridColumnCollection>(this);
}

void TQvColumnGrid::SetColCount(int Value) {
    TQvStringGrid::SetColCount(Value);
    SyncColumnCount();
}

void TQvColumnGrid::SizeChanged(int OldColCount, int OldRowCount) {
    TQvStringGrid::SizeChanged(OldColCount, OldRowCount);
    if (OldColCount != ColCount()) SyncColumnCount();
}

void TQvColumnGrid::SyncColumnCount() {
    if (!FColumns || FSyncing || IsDestroying()) return;
    FSyncing = true;
    FColumns->BeginNoRecursiveUpdate();
    const int want = ColCount() + NumHiddenColumns();
    while (FColumns->Count() < want)
        FColumns->Add();
    while (FColumns->Count() > want)
        FColumns->Delete(FColumns->Count() - 1);
    FColumns->EndNoRecursiveUpdate();
    FSyncing = false;
    if (IsDesigning() && FixedRows() < RowCount())
        for (int c = 0; c < ColCount(); ++c)
            SetCells(c, FixedRows(), QStringLiteral("Column %1").arg(c));
}

void TQvColumnGrid::SyncColumnHeaders() {
    if (FixedRows() <= 0) return;
    TStringList* headers = ColumnHeaders();
    headers->BeginUpdate();
    headers->Clear();
    for (int i = 0; i < FColumns->Count(); ++i) {
        TGridColumnItem* item = FColumns->Items(i);
        String header = item->Header();
        if (header.isEmpty() && i < TotalColCount()) {
            const String cell = GridCells(i, 0);
            if (!cell.isEmpty()) {
                header = cell;
                item->SetHeaderMember(cell);
            }
        }
        headers->Add(header);
    }
    headers->EndUpdate();
}

void TQvColumnGrid::Loaded() {
    TQvStringGrid::Loaded();
    SyncColumnCount();
    FColumns->SetOrganization();
}

void TQvColumnGrid::Notification(TComponent* AComponent, TOperation Operation) {
    TQvStringGrid::Notification(AComponent, Operation);
    if (Operation != opRemove || !FColumns) return;
    for (int i = 0; i < FColumns->Count(); ++i) {
        TGridColumnItem* item = FColumns->Items(i);
        if (static_cast<const void*>(item->ColumnPopup()) == static_cast<const void*>(AComponent))
            item->SetColumnPopup(nullptr);
        if (static_cast<const void*>(item->EditLink()) == static_cast<const void*>(AComponent))
            item->SetEditLink(nullptr);
    }
}

TGridColumnItem* TQvColumnGrid::ColumnItem(int ACol) const {
    if (!FColumns || ACol < 0 || ACol >= FColumns->Count()) return nullptr;
    return FColumns->Items(ACol);
}

TGridColumnItem* TQvColumnGrid::GetColumnByName(const String& Value) const {
    for (int i = 0; i < FColumns->Count(); ++i)
        if (FColumns->Items(i)->Name() == Value) return FColumns->Items(i);
    return nullptr;
}

bool TQvColumnGrid::InNormalRowsCols(int ACol, int ARow) const {
    return ACol >= FixedCols() && ARow >= FixedRows();
}

bool TQvColumnGrid::InNormalArea(int ACol, int ARow) const {
    return InNormalRowsCols(ACol, ARow) && ACol < TotalColCount() - FixedRightCols() &&
           ARow < RowCount() - FixedFooters();
}

int TQvColumnGrid::GetVersionNr() {
    return kColumnGridVersion;
}

String TQvColumnGrid::GetVersionString() {
    const int nr = GetVersionNr();
    return VersionNumberText(nr) + ' ' + QLatin1String(kColumnGridVersionDate);
}

// Columns coming, going and moving
// --------------------------------------------------------------------------------------------

void TQvColumnGrid::InsertCols(int ACol, int ACount) {
    if (ACol < 0 || ACount <= 0 || ACol > ColCount()) return;
    const int real = ACol < ColCount() ? RealColIndex(ACol) : TotalColCount();
    FSyncing = true; // the items are placed below, not appended
    try {
        TQvStringGrid::InsertCols(ACol, ACount);
    } catch (...) {
        FSyncing = false;
        throw;
    }
    FSyncing = false;
    FColumns->BeginNoRecursiveUpdate();
    const TGridColumnItem fresh(nullptr);
    for (int k = 0; k < ACount; ++k) {
        TGridColumnItem* item = FColumns->Insert(real + k);
        // A new column starts with the grid's look, not its neighbour's.
        item->Assign(&fresh);
        item->Font()->Assign(Font());
        item->HeaderFont()->Assign(Font());
        item->SetColor(Color());
        item->SetWidthMember(DefaultColWidth());
    }
    FColumns->EndNoRecursiveUpdate();
    SyncColumnCount();
}

void TQvColumnGrid::RemoveCols(int ACol, int ACount) {
    if (ACol < 0 || ACount <= 0 || ACol >= ColCount()) return;
    ACount = std::min(ACount, ColCount() - ACol);
    std::vector<TGridColumnItem*> going;
    for (int k = 0; k < ACount; ++k)
        going.push_back(ColumnItem(RealColIndex(ACol + k)));
    FSyncing = true;
    try {
        TQvStringGrid::RemoveCols(ACol, ACount);
    } catch (...) {
        FSyncing = false;
        throw;
    }
    FSyncing = false;
    FColumns->BeginNoRecursiveUpdate();
    for (TGridColumnItem* item : going)
        delete item;
    FColumns->EndNoRecursiveUpdate();
    SyncColumnCount();
    SyncColumnHeaders();
}

void TQvColumnGrid::ColumnMoved(int FromIndex, int ToIndex) {
    FColumns->BeginNoRecursiveUpdate();
    const int top = TopRow();
    const int rf = RealColIndex(FromIndex), rt = RealColIndex(ToIndex);
    TQvStringGrid::ColumnMoved(FromIndex, ToIndex);
    FColumnMoving = true;
    if (rf < FColumns->Count() && rt < FColumns->Count()) FColumns->Items(rf)->SetIndex(rt);
    SetTopRow(top);
    FColumnMoving = false;
    FColumns->EndNoRecursiveUpdate();
    if (OnAfterColumnMoved) OnAfterColumnMoved(this, rf, rt);
}

void TQvColumnGrid::ColWidthsChanged() {
    TQvStringGrid::ColWidthsChanged();
    if (IsLoading() || IsDestroying() || !FColumns) return;
    for (int d = 0; d < ColCount(); ++d)
        if (TGridColumnItem* item = ColumnItem(RealColIndex(d))) item->SetWidthMember(ColWidths(d));
}

void TQvColumnGrid::AllCellsChanged() {
    TQvStringGrid::AllCellsChanged();
    SyncColumnCount();
}

void TQvColumnGrid::ColumnHeadersChanged() {
    TQvStringGrid::ColumnHeadersChanged();
    if (!FColumns) return;
    const TStringList* headers = ColumnHeaders();
    for (int i = 0; i < headers->Count() && i < FColumns->Count(); ++i)
        FColumns->Items(i)->SetHeaderMember(headers->Strings(i));
}

void TQvColumnGrid::Group(int ColIndex) {
    if (TGridColumnItem* item = ColumnItem(ColIndex)) FSavedColumn->Assign(item);
    TQvStringGrid::Group(ColIndex);
}

void TQvColumnGrid::UnGroup() {
    const int groupColumn = GroupColumn();
    TQvStringGrid::UnGroup();
    if (groupColumn >= 0)
        if (TGridColumnItem* item = ColumnItem(groupColumn)) item->Assign(FSavedColumn.get());
}

void TQvColumnGrid::ChangeScale(int M, int D) {
    if (IsDesigning() || M == D || D == 0) return;
    for (int i = 0; i < FColumns->Count(); ++i) {
        TGridColumnItem* item = FColumns->Items(i);
        item->Font()->SetSize(static_cast<int>(std::lround(double(item->Font()->Size()) * M / D)));
        item->HeaderFont()->SetSize(
            static_cast<int>(std::lround(double(item->HeaderFont()->Size()) * M / D)));
    }
}

// Column positions
// --------------------------------------------------------------------------------------------

void TQvColumnGrid::SaveColumnPositions(const String& Key, const String& Section) {
    TMemIniFile ini(Key);
    for (int i = 0; i < FColumns->Count(); ++i)
        ini.WriteInteger(Section, QStringLiteral("CP%1").arg(i), FColumns->Items(i)->DefIdx());
    ini.UpdateFile();
}

void TQvColumnGrid::LoadColumnPositions(const String& Key, const String& Section) {
    const TMemIniFile ini(Key);
    const int count = FColumns->Count();
    // The file is outside data: every position must name a distinct column of this grid.
    std::vector<int> refs(static_cast<size_t>(count), -1);
    std::vector<bool> seen(static_cast<size_t>(count), false);
    for (int j = 0; j < count; ++j) {
        const int k = ini.ReadInteger(Section, QStringLiteral("CP%1").arg(j), -1);
        if (k < 0 || k >= count || seen[static_cast<size_t>(k)]) return;
        seen[static_cast<size_t>(k)] = true;
        refs[static_cast<size_t>(j)] = k;
    }
    ResetColumnOrder();
    for (int j = 0; j < count; ++j)
        FColumns->Items(refs[static_cast<size_t>(j)])->SetDefIdx(j);
    FColumns->ResetOrganization();
    for (int i = 0; i < count; ++i)
        FColumns->Items(i)->SetDefIdx(refs[static_cast<size_t>(i)]);
}

void TQvColumnGrid::SaveColPositions() {
    if (ColumnSize()->Location() == clIniFile)
        SaveColumnPositions(ColumnSize()->Key(), ColumnSize()->Section());
    else
        TQvStringGrid::SaveColPositions();
}

void TQvColumnGrid::LoadColPositions() {
    if (ColumnSize()->Location() == clIniFile)
        LoadColumnPositions(ColumnSize()->Key(), ColumnSize()->Section());
    else
        TQvStringGrid::LoadColPositions();
}

void TQvColumnGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TQvStringGrid::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft && Button != mbRight) return;
    const TGridCoord cell = MouseCoord(X, Y);
    if (cell.X < 0 || cell.Y < 0 || cell.X >= ColCount() || cell.Y >= RowCount()) return;
    const int realCol = RealColIndex(cell.X);
    const TGridColumnItem* item = ColumnItem(realCol);
    if (!item || !item->ColumnPopup()) return;
    const TColumnPopupType type = item->ColumnPopupType();
    const bool left = Button == mbLeft;
    const TColumnPopupType fixedKind = left ? cpFixedCellsLClick : cpFixedCellsRClick;
    const TColumnPopupType normalKind = left ? cpNormalCellsLClick : cpNormalCellsRClick;
    const TColumnPopupType allKind = left ? cpAllCellsLClick : cpAllCellsRClick;
    if (type != fixedKind && type != normalKind && type != allKind) return;
    TPopupMenu* menu = item->ColumnPopup();
    if (OnColumnPopup) OnColumnPopup(this, realCol, cell.Y, menu);
    // The handler may have taken the menu away from the column.
    item = ColumnItem(realCol);
    if (!item || item->ColumnPopup() != menu) return;
    const bool fixedRow = cell.Y < FixedRows();
    if (type == allKind || (fixedRow ? type == fixedKind : type == normalKind)) {
        const TRect r = CellRect(cell.X, cell.Y);
        const TPoint at = ClientToScreen(TPoint(r.Left, r.Bottom));
        menu->SetPopupComponent(this);
        menu->Popup(at.X, at.Y);
    }
}

// Integer and sort-key lists, the cell control list, the line store and the grid's option objects.
#include "controls/grid/QvObj.h"

#include "controls/grid/QvGrid.h"

#include <algorithm>

namespace {

constexpr unsigned kDescendingBit = 0x80000000u;
constexpr unsigned kColumnMask = 0x7FFFFFFFu;

void CheckListIndex(int i, int count) {
    if (i < 0 || i >= count) throw EListError(QStringLiteral("List index out of bounds (%1)").arg(i));
}

} // namespace

// --- TIntList ---

int TIntList::Items(int i) const {
    CheckListIndex(i, Count());
    return FItems[static_cast<size_t>(i)];
}

void TIntList::SetItems(int i, int value) {
    CheckListIndex(i, Count());
    FItems[static_cast<size_t>(i)] = value;
    Changed();
}

void TIntList::Add(int value) {
    FItems.push_back(value);
    Changed();
}

void TIntList::Insert(int index, int value) {
    if (index < 0 || index > Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    FItems.insert(FItems.begin() + index, value);
}

void TIntList::Delete(int index) {
    CheckListIndex(index, Count());
    FItems.erase(FItems.begin() + index);
    Changed();
}

void TIntList::DeleteValue(int value) {
    for (int i = 0; i < Count(); ++i) {
        if (FItems[static_cast<size_t>(i)] == value) {
            Delete(i);
            return;
        }
    }
}

bool TIntList::HasValue(int value) const {
    return std::find(FItems.begin(), FItems.end(), value) != FItems.end();
}

void TIntList::Changed() {
    if (OnChange) OnChange(this, FCol, FRow);
}

String TIntList::StrValue() const {
    QStringList parts;
    for (int v : FItems)
        parts << QString::number(v);
    return parts.join(QLatin1Char(','));
}

void TIntList::SetStrValue(const String& value) {
    Clear();
    if (value.isEmpty()) return;
    for (const QString& part : value.split(QLatin1Char(','))) {
        bool ok = false;
        int v = part.trimmed().toInt(&ok);
        if (!ok) throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(part));
        Add(v);
    }
}

// --- TSortIndexList ---

void TSortIndexList::AddIndex(int ColumnIndex, bool Ascending) {
    unsigned v = static_cast<unsigned>(ColumnIndex) & kColumnMask;
    if (!Ascending) v |= kDescendingBit;
    Add(static_cast<int>(v));
}

int TSortIndexList::FindIndex(int ColumnIndex) const {
    for (int i = 0; i < Count(); ++i)
        if (SortColumns(i) == ColumnIndex) return i;
    return -1;
}

void TSortIndexList::ToggleIndex(int ColumnIndex) {
    int i = FindIndex(ColumnIndex);
    if (i >= 0) SetItems(i, static_cast<int>(static_cast<unsigned>(Items(i)) ^ kDescendingBit));
}

int TSortIndexList::SortColumns(int i) const {
    return static_cast<int>(static_cast<unsigned>(Items(i)) & kColumnMask);
}

void TSortIndexList::SetSortColumns(int i, int column) {
    unsigned v =
        (static_cast<unsigned>(Items(i)) & kDescendingBit) | (static_cast<unsigned>(column) & kColumnMask);
    SetItems(i, static_cast<int>(v));
}

bool TSortIndexList::SortDirections(int i) const {
    return (static_cast<unsigned>(Items(i)) & kDescendingBit) == 0;
}

void TSortIndexList::SetSortDirections(int i, bool ascending) {
    unsigned v = static_cast<unsigned>(Items(i));
    v = ascending ? (v & kColumnMask) : (v | kDescendingBit);
    SetItems(i, static_cast<int>(v));
}

String TSortIndexList::SaveToString() const {
    QStringList parts;
    for (int i = 0; i < Count(); ++i) {
        int column = static_cast<int>(static_cast<unsigned>(Items(i)) & 0xFFFFu);
        parts << (SortDirections(i) ? QStringLiteral("u") : QStringLiteral("d")) + QString::number(column);
    }
    return parts.join(QLatin1Char(';'));
}

void TSortIndexList::LoadFromString(const String& value) {
    Clear();
    for (const QString& piece : value.split(QLatin1Char(';'))) {
        if (piece.size() < 2) continue;
        // A piece whose number does not read is skipped rather than added as column 0.
        bool ok = false;
        int column = piece.mid(1).toInt(&ok);
        if (!ok) continue;
        AddIndex(column, piece[0] == QLatin1Char('u'));
    }
}

// --- TControlList ---

void TControlList::AddControl(int X, int Y, TControl* AControl) {
    FItems.push_back(std::make_unique<TControlItem>(X, Y, AControl));
}

int TControlList::ControlIndex(int X, int Y) const {
    for (int i = 0; i < Count(); ++i) {
        const auto& item = FItems[static_cast<size_t>(i)];
        if (item->X == X && item->Y == Y) return i;
    }
    return -1;
}

TControlItem* TControlList::GetControl(int i) const {
    CheckListIndex(i, Count());
    return FItems[static_cast<size_t>(i)].get();
}

void TControlList::RemoveControl(int i) {
    CheckListIndex(i, Count());
    FItems.erase(FItems.begin() + i);
}

// --- TFileStringList ---

void TFileStringList::Reset() {
    fp = 0;
    cache.clear();
}

String TFileStringList::ReadLn() {
    if (fp < 0 || fp >= FLines.size())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(fp));
    return FLines[fp++];
}

void TFileStringList::WriteLn(const String& s) {
    FLines << cache + s;
    cache.clear();
}

// --- TSearchFooter ---

TSearchFooter::TSearchFooter(TComponent* AOwner, bool DesignTime)
    : FOwner(AOwner), FFont(std::make_unique<TFont>()) {
    if (DesignTime) {
        FFindNextCaption = QStringLiteral("Find &next");
        FFindPrevCaption = QStringLiteral("Find &previous");
        FHighLightCaption = QStringLiteral("Highlight");
        FHintClose = QStringLiteral("Close");
        FHintFindNext = QStringLiteral("Find next occurrence");
        FHintFindPrev = QStringLiteral("Find previous occurrence");
        FHintHighlight = QStringLiteral("Highlight occurrences");
        FMatchCaseCaption = QStringLiteral("Match case");
    }
}

TSearchFooter::~TSearchFooter() = default;

void TSearchFooter::Changed() {
    if (OnChange) OnChange(this);
}

bool TSearchFooter::ChangeFlag(bool& field, bool v) {
    if (field == v) return false;
    field = v;
    Changed();
    return true;
}

void TSearchFooter::ChangeText(String& field, const String& v) {
    field = v;
    Changed();
}

void TSearchFooter::SetAutoThemeAdapt(bool v) {
    FAutoThemeAdapt = v;
    Changed();
}
void TSearchFooter::SetColor(TColor v) {
    FColor = v;
    Changed();
}
void TSearchFooter::SetColorTo(TColor v) {
    FColorTo = v;
    Changed();
}
void TSearchFooter::SetFont(const TFont* v) {
    FFont->Assign(v);
    Changed();
}
void TSearchFooter::SetFindNextCaption(const String& v) {
    ChangeText(FFindNextCaption, v);
}
void TSearchFooter::SetFindPrevCaption(const String& v) {
    ChangeText(FFindPrevCaption, v);
}
void TSearchFooter::SetHighLightCaption(const String& v) {
    ChangeText(FHighLightCaption, v);
}
void TSearchFooter::SetHintClose(const String& v) {
    ChangeText(FHintClose, v);
}
void TSearchFooter::SetHintFindNext(const String& v) {
    ChangeText(FHintFindNext, v);
}
void TSearchFooter::SetHintFindPrev(const String& v) {
    ChangeText(FHintFindPrev, v);
}
void TSearchFooter::SetHintHighlight(const String& v) {
    ChangeText(FHintHighlight, v);
}
void TSearchFooter::SetMatchCaseCaption(const String& v) {
    ChangeText(FMatchCaseCaption, v);
}
void TSearchFooter::SetShowClose(bool v) {
    FShowClose = v;
    Changed();
}
void TSearchFooter::SetShowFindNext(bool v) {
    ChangeFlag(FShowFindNext, v);
}
void TSearchFooter::SetShowFindPrev(bool v) {
    ChangeFlag(FShowFindPrev, v);
}
void TSearchFooter::SetShowHighLight(bool v) {
    ChangeFlag(FShowHighLight, v);
}
void TSearchFooter::SetShowMatchCase(bool v) {
    ChangeFlag(FShowMatchCase, v);
}
void TSearchFooter::SetVisible(bool v) {
    ChangeFlag(FVisible, v);
}

void TSearchFooter::Assign(const TPersistent* Source) {
    auto* src = dynamic_cast<const TSearchFooter*>(Source);
    if (!src) return;
    FAlwaysHighLight = src->FAlwaysHighLight;
    FColor = src->FColor;
    FColorTo = src->FColorTo;
    FFindNextCaption = src->FFindNextCaption;
    FFindPrevCaption = src->FFindPrevCaption;
    FHighLightCaption = src->FHighLightCaption;
    FHintClose = src->FHintClose;
    FHintFindNext = src->FHintFindNext;
    FHintFindPrev = src->FHintFindPrev;
    FHintHighlight = src->FHintHighlight;
    FMatchCaseCaption = src->FMatchCaseCaption;
    FShowClose = src->FShowClose;
    FShowFindNext = src->FShowFindNext;
    FShowFindPrev = src->FShowFindPrev;
    FShowHighLight = src->FShowHighLight;
    FShowMatchCase = src->FShowMatchCase;
    FSearchActiveColumnOnly = src->FSearchActiveColumnOnly;
    FSearchMatchStart = src->FSearchMatchStart;
    FSearchColumn = src->FSearchColumn;
    FSearchDirection = src->FSearchDirection;
    FSearchHiddenRows = src->FSearchHiddenRows;
    FVisible = src->FVisible;
    // The font's own change event is ours to keep quiet here.
    TNotifyEvent fontEvent = std::move(FFont->OnChange);
    FFont->OnChange = nullptr;
    FFont->Assign(src->FFont.get());
    FFont->OnChange = std::move(fontEvent);
}

// --- TNavigation ---

void TNavigation::SetAdvanceDirection(TAdvanceDirection v) {
    if (v == FAdvanceDirection) return;
    FAdvanceDirection = v;
    if (OnChange) OnChange(this);
}

void TNavigation::SetAdvanceInsert(bool v) {
    if (v == FAdvanceInsert) return;
    FAdvanceInsert = v;
    if (OnChange) OnChange(this);
}

void TNavigation::SetAdvanceAuto(bool v) {
    FAdvanceAuto = v;
    if (v) FAdvanceOnEnter = true;
}

void TNavigation::Assign(const TPersistent* Source) {
    auto* src = dynamic_cast<const TNavigation*>(Source);
    if (!src || src == this) return;
    const bool keepScrollOnSort = FKeepScrollOnSort;
    TNotifyEvent onChange = std::move(OnChange);
    *this = *src;
    FKeepScrollOnSort = keepScrollOnSort;
    OnChange = std::move(onChange);
}

// --- TMouseActions ---

bool TMouseActions::DesignTimeExclusive() {
    bool designing = false;
    if (OnIsDesigning) OnIsDesigning(this, designing);
    return designing;
}

void TMouseActions::SetHotmailRowSelect(bool v) {
    FHotmailRowSelect = v;
    if (v) {
        FDisjunctRowSelect = true;
        FCheckAllCheck = true;
    }
    if (OnInvalidate) OnInvalidate(this);
}

void TMouseActions::SetEditOnDblClickOnly(bool v) {
    FEditOnDblClickOnly = v;
    if (v && OnDisableEdit) OnDisableEdit(this);
}

void TMouseActions::SetDisjunctRowSelect(bool v) {
    FDisjunctRowSelect = v;
    if (v && DesignTimeExclusive()) {
        FDisjunctColSelect = false;
        FDisjunctCellSelect = false;
    }
}

void TMouseActions::SetDisjunctColSelect(bool v) {
    FDisjunctColSelect = v;
    if (v && DesignTimeExclusive()) {
        FDisjunctRowSelect = false;
        FDisjunctCellSelect = false;
    }
}

void TMouseActions::SetDisjunctCellSelect(bool v) {
    FDisjunctCellSelect = v;
    if (v && DesignTimeExclusive()) {
        FDisjunctRowSelect = false;
        FDisjunctColSelect = false;
    }
}

void TMouseActions::SetWheelAction(TWheelAction v) {
    if (v == FWheelAction) return;
    FWheelAction = v;
    if (OnChange) OnChange(this);
}

void TMouseActions::Assign(const TPersistent* Source) {
    auto* src = dynamic_cast<const TMouseActions*>(Source);
    if (!src || src == this) return;
    // Everything but these follows the source; the events stay connected to our own grid.
    TComponent* owner = FOwner;
    const bool sizeFixedRow = FSizeFixedRow;
    const bool hotmail = FHotmailRowSelect;
    const bool dblClickOnly = FEditOnDblClickOnly;
    QStringList comboValues = std::move(FFixedComboValues);
    TNotifyEvent onChange = std::move(OnChange), onInvalidate = std::move(OnInvalidate),
                 onDisableEdit = std::move(OnDisableEdit);
    TIsDesigningEvent onIsDesigning = std::move(OnIsDesigning);
    *this = *src;
    FOwner = owner;
    FSizeFixedRow = sizeFixedRow;
    FHotmailRowSelect = hotmail;
    FEditOnDblClickOnly = dblClickOnly;
    FFixedComboValues = std::move(comboValues);
    OnChange = std::move(onChange);
    OnInvalidate = std::move(onInvalidate);
    OnDisableEdit = std::move(onDisableEdit);
    OnIsDesigning = std::move(onIsDesigning);
}

// --- TSyncGrid ---

void TSyncGrid::SetGrid(TQvStringGrid* v) {
    if (v == FOwner) return;
    FGrid = v;
    // The owning grid lets go of the synchronised grid when that one is freed (its Notification).
    if (FGrid && FOwner) FGrid->FreeNotification(FOwner);
}

void TSyncGrid::Assign(const TPersistent* Source) {
    auto* src = dynamic_cast<const TSyncGrid*>(Source);
    if (!src) return;
    SetGrid(src->FGrid);
    FScrollVertical = src->FScrollVertical;
    FScrollHorizontal = src->FScrollHorizontal;
    FSelectionColumn = src->FSelectionColumn;
    FSelectionRow = src->FSelectionRow;
    FMoveColumn = src->FMoveColumn;
    FMoveRow = src->FMoveRow;
}

// --- TBands ---

void TBands::Changed() {
    if (OnChange) OnChange(this);
}

void TBands::SetActive(bool v) {
    if (v == FActive) return;
    FActive = v;
    Changed();
}

void TBands::SetPrimaryColor(TColor v) {
    if (v == FPrimaryColor) return;
    FPrimaryColor = v;
    if (FActive) Changed();
}

void TBands::SetSecondaryColor(TColor v) {
    if (v == FSecondaryColor) return;
    FSecondaryColor = v;
    if (FActive) Changed();
}

void TBands::SetPrimaryLength(int v) {
    if (v == FPrimaryLength) return;
    FPrimaryLength = v;
    FTotalLength = FPrimaryLength + FSecondaryLength;
    if (FActive) Changed();
}

void TBands::SetSecondaryLength(int v) {
    if (v == FSecondaryLength) return;
    FSecondaryLength = v;
    FTotalLength = FPrimaryLength + FSecondaryLength;
    if (FActive) Changed();
}

void TBands::Assign(const TPersistent* Source) {
    auto* src = dynamic_cast<const TBands*>(Source);
    if (!src) return;
    FActive = src->FActive;
    FPrimaryColor = src->FPrimaryColor;
    FSecondaryColor = src->FSecondaryColor;
    FPrimaryLength = src->FPrimaryLength;
    FSecondaryLength = src->FSecondaryLength;
    FPrint = src->FPrint;
    FTotalLength = FPrimaryLength + FSecondaryLength;
}

// --- TFocusHelper ---

void TFocusHelper::Assign(const TPersistent* Source) {
    if (auto* src = dynamic_cast<const TFocusHelper*>(Source)) FEnabled = src->FEnabled;
}

// Copying and change handling of the grid's data-operation settings.
#include "controls/grid/options/GridOptions.h"

#include "controls/grid/QvGrid.h"
#include "controls/grid/data/RowSorter.h"
#include "controls/grid/exchange/GridDragDrop.h"
#include "toolkit/controls/Messages.h"
#include "toolkit/graphics/Picture.h"
#include <algorithm>
#include <stdexcept>

namespace {

constexpr UINT kCancelModeNotification = 0xB004;

template <class T> const T* SameClass(const TPersistent* Source) {
    return Source && typeid(*Source) == typeid(T) ? static_cast<const T*>(Source) : nullptr;
}

bool gAcceptDroppedRTF = false;

} // namespace

// Nodes
// --------------------------------------------------------------------------------------------

TCellNode::TCellNode(TQvStringGrid* AGrid)
    : FGrid(AGrid), FExpandGlyph(std::make_unique<TBitmap>()), FContractGlyph(std::make_unique<TBitmap>()) {}

TCellNode::~TCellNode() = default;

void TCellNode::Repaint() {
    if (FGrid) FGrid->Invalidate();
}

void TCellNode::SetNodeType(QvGrid::TNodeType v) {
    if (v == FNodeType) return;
    FNodeType = v;
    Repaint();
}

void TCellNode::SetNodeIndent(int v) {
    if (v == FNodeIndent) return;
    FNodeIndent = v;
    Repaint();
}

void TCellNode::SetShowTree(bool v) {
    if (v == FShowTree) return;
    FShowTree = v;
    Repaint();
}

void TCellNode::SetShowTreeFull(bool v) {
    if (v == FShowTreeFull) return;
    FShowTreeFull = v;
    Repaint();
}

void TCellNode::SetTreeColor(TColor v) {
    if (v == FTreeColor) return;
    FTreeColor = v;
    Repaint();
}

void TCellNode::Assign(const TPersistent* Source) {
    const auto* s = SameClass<TCellNode>(Source);
    if (!s) return;
    FColor = s->FColor;
    FExpandOne = s->FExpandOne;
    FNodeType = s->FNodeType;
    FNodeColor = s->FNodeColor;
    FNodeIndent = s->FNodeIndent;
    FExpandGlyph->Assign(s->FExpandGlyph.get());
    FContractGlyph->Assign(s->FContractGlyph.get());
    FShowTree = s->FShowTree;
    FShowTreeFull = s->FShowTreeFull;
    FTreeColor = s->FTreeColor;
}

// HTML export
// --------------------------------------------------------------------------------------------

void THTMLSettings::Assign(const TPersistent* Source) {
    const auto* s = SameClass<THTMLSettings>(Source);
    if (!s) return;
    FAutoPreview = s->FAutoPreview;
    FBorderSize = s->FBorderSize;
    FCellSpacing = s->FCellSpacing;
    FCellPadding = s->FCellPadding;
    FConvertSpecialChars = s->FConvertSpecialChars;
    FExportImages = s->FExportImages;
    FFooterFile = s->FFooterFile;
    FHeaderFile = s->FHeaderFile;
    FNonBreakingText = s->FNonBreakingText;
    FPrefixTag = s->FPrefixTag;
    FSaveColor = s->FSaveColor;
    FSaveFonts = s->FSaveFonts;
    FSuffixTag = s->FSuffixTag;
    FSummary = s->FSummary;
    FTableStyle = s->FTableStyle;
    FWidth = s->FWidth;
    FXHTML = s->FXHTML;
}

// Printing
// --------------------------------------------------------------------------------------------

TPrintSettings::TPrintSettings(TQvStringGrid* AGrid)
    : FGrid(AGrid), FTitleLines(std::make_unique<TStringList>()), FFont(std::make_unique<TFont>()),
      FFixedFont(std::make_unique<TFont>()), FHeaderFont(std::make_unique<TFont>()),
      FFooterFont(std::make_unique<TFont>()) {}

TPrintSettings::~TPrintSettings() = default;

void TPrintSettings::Assign(const TPersistent* Source) {
    const auto* s = dynamic_cast<const TPrintSettings*>(Source);
    if (!s) throw EInvalidCast("Invalid class typecast");
    FFooterSize = s->FFooterSize;
    FHeaderSize = s->FHeaderSize;
    FTime = s->FTime;
    FDate = s->FDate;
    FDateFormat = s->FDateFormat;
    FPageNr = s->FPageNr;
    FTitle = s->FTitle;
    FTitleText = s->FTitleText;
    FTitleLines->Assign(s->FTitleLines.get());
    FFont->Assign(s->FFont.get());
    FFixedFont->Assign(s->FFixedFont.get());
    FHeaderFont->Assign(s->FHeaderFont.get());
    FFooterFont->Assign(s->FFooterFont.get());
    FBorders = s->FBorders;
    FBorderStyle = s->FBorderStyle;
    FBorderColor = s->FBorderColor;
    FCentered = s->FCentered;
    FRepeatFixedRows = s->FRepeatFixedRows;
    FRepeatFixedCols = s->FRepeatFixedCols;
    FLeftSize = s->FLeftSize;
    FRightSize = s->FRightSize;
    FColumnSpacing = s->FColumnSpacing;
    FRowSpacing = s->FRowSpacing;
    FTitleSpacing = s->FTitleSpacing;
    FOrientation = s->FOrientation;
    FPagePrefix = s->FPagePrefix;
    FPageSuffix = s->FPageSuffix;
    FPageNumberOffset = s->FPageNumberOffset;
    FMaxPagesOffset = s->FMaxPagesOffset;
    FFixedWidth = s->FFixedWidth;
    FFixedHeight = s->FFixedHeight;
    FUseFixedHeight = s->FUseFixedHeight;
    FUseFixedWidth = s->FUseFixedWidth;
    FFitToPage = s->FFitToPage;
    FJobName = s->FJobName;
    FPageNumSep = s->FPageNumSep;
    FNoAutoSize = s->FNoAutoSize;
    FNoAutoSizeRow = s->FNoAutoSizeRow;
    FPrintGraphics = s->FPrintGraphics;
    FUseDisplayFont = s->FUseDisplayFont;
    FUseDefaultOrientation = s->FUseDefaultOrientation;
}

// Filter conditions
// --------------------------------------------------------------------------------------------

void TFilterData::Assign(const TPersistent* Source) {
    if (!Source) return;
    const auto* s = dynamic_cast<const TFilterData*>(Source);
    if (!s) throw EInvalidCast("Invalid class typecast");
    FColumn = s->FColumn;
    FCondition = s->FCondition;
    FCaseSensitive = s->FCaseSensitive;
    FData = s->FData;
    FPrefix = s->FPrefix;
    FSuffix = s->FSuffix;
    FOperation = s->FOperation;
    FMethod = s->FMethod;
}

void TFilter::Assign(const TPersistent* Source) {
    const auto* s = dynamic_cast<const TFilter*>(Source);
    if (!s) return;
    if (s == this) return;
    FItems.clear();
    for (const auto& item : s->FItems) {
        auto copy = std::make_unique<TFilterData>();
        copy->Assign(item.get());
        FItems.push_back(std::move(copy));
    }
}

TFilterData* TFilter::Add() {
    FItems.push_back(std::make_unique<TFilterData>());
    FItems.back()->SetOperation(FItems.size() == 1 ? foNONE : foAND);
    return FItems.back().get();
}

TFilterData* TFilter::Insert(int) {
    FItems.push_back(std::make_unique<TFilterData>());
    return FItems.back().get();
}

void TFilter::Delete(int Index) {
    if (Index >= 0 && Index < Count()) FItems.erase(FItems.begin() + Index);
}

TFilterData* TFilter::ColumnFilter(int Col) {
    for (const auto& item : FItems)
        if (item->Column() == Col) return item.get();
    TFilterData* item = Add();
    item->SetColumn(static_cast<int16_t>(Col));
    return item;
}

bool TFilter::HasFilter(int Col) const {
    for (const auto& item : FItems)
        if (item->Column() == Col) return true;
    return false;
}

void TFilter::RemoveColumnFilter(int Col) {
    for (int i = Count() - 1; i >= 0; --i)
        if (FItems[static_cast<size_t>(i)]->Column() == Col) FItems.erase(FItems.begin() + i);
    if (FGrid) FGrid->RepaintCell(Col, 0);
}

// Sorting
// --------------------------------------------------------------------------------------------

TSortSettings::TSortSettings(TQvStringGrid* AGrid)
    : FGrid(AGrid), FUpGlyph(std::make_unique<TBitmap>()), FDownGlyph(std::make_unique<TBitmap>()),
      FIndexUpGlyph(std::make_unique<TBitmap>()), FIndexDownGlyph(std::make_unique<TBitmap>()) {}

TSortSettings::~TSortSettings() = default;

void TSortSettings::SetShow(bool v) {
    if (v == FShow) return;
    FShow = v;
    if (FGrid) FGrid->Invalidate();
}

void TSortSettings::SetRow(int v) {
    if (FGrid && v >= FGrid->FixedRows())
        throw EQvGridError("Sort row should be smaller than number of fixed rows");
    FRow = v;
}

void TSortSettings::RepaintSortRow() {
    if (FGrid && FGrid->FixedRows() > 0) FGrid->InvalidateRow(FGrid->FixedRows() - 1);
}

void TSortSettings::SetHeaderLook(TColor& field, TColor v) {
    if (field == v) return;
    field = v;
    RepaintSortRow();
}

void TSortSettings::Remove() {
    FColumn = -1;
    if (FGrid) FGrid->SortIndexes()->Clear();
    RepaintSortRow();
}

String TSortSettings::SaveToString() const {
    return WriteSortSpecifier(IndexShow(), Direction() == sdAscending, Column(),
                              FGrid ? FGrid->SortIndexes()->SaveToString() : String());
}

void TSortSettings::LoadFromString(const String& Value) {
    if (Value.isEmpty()) return;
    SetShow(true);
    const SortSpecifier spec = ReadSortSpecifier(Value);
    SetIndexShow(spec.Indexed);
    if (spec.Indexed) {
        if (spec.Indexes.isEmpty() || !FGrid) return;
        FGrid->SortIndexes()->LoadFromString(spec.Indexes);
        FGrid->QSortIndexed();
        return;
    }
    SetDirection(spec.Ascending ? sdAscending : sdDescending);
    if (!spec.HasColumn) return;
    SetColumn(spec.Column);
    if (FGrid) FGrid->QSort();
}

void TSortSettings::Assign(const TPersistent* Source) {
    const auto* s = SameClass<TSortSettings>(Source);
    if (!s) return;
    FAutoSortForGrouping = s->FAutoSortForGrouping;
    FAutoColumnMerge = s->FAutoColumnMerge;
    FColumn = s->FColumn;
    FShow = s->FShow;
    FIndexShow = s->FIndexShow;
    FIndexColor = s->FIndexColor;
    FIndexSortKey = s->FIndexSortKey;
    FFull = s->FFull;
    FSingleColumn = s->FSingleColumn;
    FIgnoreBlanks = s->FIgnoreBlanks;
    FBlankPos = s->FBlankPos;
    FAutoFormat = s->FAutoFormat;
    FDirection = s->FDirection;
    FUpGlyph->Assign(s->FUpGlyph.get());
    FDownGlyph->Assign(s->FDownGlyph.get());
    FIgnoreCase = s->FIgnoreCase;
    FIndexUpGlyph->Assign(s->FIndexUpGlyph.get());
    FIndexDownGlyph->Assign(s->FIndexDownGlyph.get());
    FInitSortDirection = s->FInitSortDirection;
    FFixedCols = s->FFixedCols;
    FNormalCellsOnly = s->FNormalCellsOnly;
    FRow = s->FRow;
    FUndoSort = s->FUndoSort;
    FSortOnVirtualCells = s->FSortOnVirtualCells;
    FHeaderColor = s->FHeaderColor;
    FHeaderColorTo = s->FHeaderColorTo;
    FHeaderMirrorColor = s->FHeaderMirrorColor;
    FHeaderMirrorColorTo = s->FHeaderMirrorColorTo;
}

// Grouping
// --------------------------------------------------------------------------------------------

void TGrouping::Assign(const TPersistent* Source) {
    const auto* s = SameClass<TGrouping>(Source);
    if (!s) return;
    FAutoSelectGroup = s->FAutoSelectGroup;
    FAutoCheckGroup = s->FAutoCheckGroup;
    FGroupCountFormat = s->FGroupCountFormat;
    FHeaderColor = s->FHeaderColor;
    FHeaderColorTo = s->FHeaderColorTo;
    FHeaderTextColor = s->FHeaderTextColor;
    FHeaderUnderline = s->FHeaderUnderline;
    FHeaderLineColor = s->FHeaderLineColor;
    FHeaderLineWidth = s->FHeaderLineWidth;
    FMergeHeader = s->FMergeHeader;
    FMergeSummary = s->FMergeSummary;
    FShowGroupCount = s->FShowGroupCount;
    FSummary = s->FSummary;
    FSummaryColor = s->FSummaryColor;
    FSummaryColorTo = s->FSummaryColorTo;
    FSummaryTextColor = s->FSummaryTextColor;
    FSummaryLine = s->FSummaryLine;
    FSummaryLineColor = s->FSummaryLineColor;
    FSummaryLineWidth = s->FSummaryLineWidth;
}

// Drag and drop
// --------------------------------------------------------------------------------------------

bool GridDragDropAcceptRTF() {
    return gAcceptDroppedRTF;
}

TDragDropSettings::TDragDropSettings(TQvStringGrid* AGrid) : FGrid(AGrid) {}

TDragDropSettings::~TDragDropSettings() {
    // The grid's window outlives its settings: it must not hand a drag to a target that is gone.
    if (FRegistered && FGrid) RevokeDragDrop(FGrid);
}

void TDragDropSettings::SetOleDropTarget(bool v) {
    FOleDropTarget = v;
    if (!FGrid || FGrid->IsDesigning()) return;
    if (v) {
        if (!FTarget) FTarget = std::make_unique<TGridDropTarget>(FGrid);
        FRegistered = RegisterDragDrop(FGrid, FTarget.get());
    } else if (FRegistered) {
        RevokeDragDrop(FGrid);
        FRegistered = false;
    }
}

void TDragDropSettings::SetOleDropRTF(bool v) {
    FOleDropRTF = v;
    gAcceptDroppedRTF = v;
}

void TDragDropSettings::Assign(const TPersistent* Source) {
    const auto* s = SameClass<TDragDropSettings>(Source);
    if (!s) return;
    FShowCells = s->FShowCells;
    FOleAcceptFiles = s->FOleAcceptFiles;
    FOleAcceptText = s->FOleAcceptText;
    FOleAcceptURLs = s->FOleAcceptURLs;
    FOleAppendRows = s->FOleAppendRows;
    FOleColumnDragDrop = s->FOleColumnDragDrop;
    FOleColumnReorder = s->FOleColumnReorder;
    FOleColumnsOnly = s->FOleColumnsOnly;
    FOleCopyAlways = s->FOleCopyAlways;
    FOleDropTarget = s->FOleDropTarget;
    FOleDropSource = s->FOleDropSource;
    FOleEntireRows = s->FOleEntireRows;
    FOleInsertRows = s->FOleInsertRows;
    FOleRemoveRows = s->FOleRemoveRows;
    FOleDropRTF = s->FOleDropRTF;
}

// Filter drop-down look
// --------------------------------------------------------------------------------------------

TFilterDropDown::TFilterDropDown()
    : FFont(std::make_unique<TFont>()), FGlyph(std::make_unique<TBitmap>()),
      FGlyphActive(std::make_unique<TBitmap>()) {}

TFilterDropDown::~TFilterDropDown() = default;

void TFilterDropDown::GlyphChanged() {
    if (OnChange) OnChange(this);
}

void TFilterDropDown::SetGlyph(const TBitmap* v) {
    FGlyph->Assign(v);
    GlyphChanged();
}

void TFilterDropDown::SetGlyphActive(const TBitmap* v) {
    FGlyphActive->Assign(v);
    GlyphChanged();
}

void TFilterDropDown::Assign(const TPersistent* Source) {
    const auto* s = SameClass<TFilterDropDown>(Source);
    if (!s) return;
    FAutoSize = s->FAutoSize;
    FColor = s->FColor;
    FColumnWidth = s->FColumnWidth;
    FFont->Assign(s->FFont.get());
    FHeight = s->FHeight;
    FWidth = s->FWidth;
    FGlyph->Assign(s->FGlyph.get());
    FGlyphActive->Assign(s->FGlyphActive.get());
}

// Hidden-row store
// --------------------------------------------------------------------------------------------

TGridItem::TGridItem() : FItems(std::make_unique<TStringList>()) {}

TGridItem::TGridItem(std::unique_ptr<TStringGridRow> Row, int Cols) : FRow(std::move(Row)), FCols(Cols) {}

TGridItem::TGridItem(TGridItem&&) noexcept = default;
TGridItem& TGridItem::operator=(TGridItem&&) noexcept = default;
TGridItem::~TGridItem() = default;

TStringList* TGridItem::Items() const {
    if (!FItems) {
        auto items = std::make_unique<TStringList>();
        for (int c = 0; c < FCols; ++c)
            items->AddObject(FRow ? FRow->Text(c) : String(), FRow ? FRow->Object(c) : nullptr);
        FItems = std::move(items);
        FRow.reset();
    }
    return FItems.get();
}

void TGridItem::SetItems(std::unique_ptr<TStringList> v) {
    FItems = std::move(v);
    FRow.reset();
}

std::unique_ptr<TStringGridRow> TGridItem::TakeRow() {
    if (FItems) return nullptr;
    // What is left is a row of no columns.
    FCols = 0;
    return std::move(FRow);
}

void TGridItem::ForEachObject(const std::function<void(TObject*)>& F) const {
    if (FItems) {
        for (int c = 0; c < FItems->Count(); ++c)
            if (TObject* o = FItems->Objects(c)) F(o);
        return;
    }
    for (int c = 0; FRow && c < FCols; ++c)
        if (TObject* o = FRow->Object(c)) F(o);
}

TGridItem* TGridItems::Items(int i) const {
    if (i < 0 || i >= Count()) throw std::out_of_range("TGridItems::Items");
    return FItems[static_cast<size_t>(i)].get();
}

TGridItem* TGridItems::Add() {
    FItems.push_back(std::make_unique<TGridItem>());
    return FItems.back().get();
}

TGridItem* TGridItems::Insert(int i) {
    i = std::clamp(i, 0, Count());
    FItems.insert(static_cast<size_t>(i), std::make_unique<TGridItem>());
    return FItems[static_cast<size_t>(i)].get();
}

void TGridItems::Put(int i, std::unique_ptr<TGridItem> item) {
    FItems.insert(static_cast<size_t>(std::clamp(i, 0, Count())), std::move(item));
}

std::vector<std::unique_ptr<TGridItem>> TGridItems::Take(int From, int To) {
    From = std::clamp(From, 0, Count());
    To = std::clamp(To, From, Count());
    std::vector<std::unique_ptr<TGridItem>> out;
    out.reserve(static_cast<size_t>(To - From));
    for (int i = From; i < To; ++i)
        out.push_back(std::move(FItems[static_cast<size_t>(i)]));
    FItems.erase(static_cast<size_t>(From), static_cast<size_t>(To - From));
    return out;
}

void TGridItems::Delete(int i) {
    if (i >= 0 && i < Count()) FItems.erase(static_cast<size_t>(i));
}

// Filter value lists
// --------------------------------------------------------------------------------------------

namespace {

bool PointerOutside(TControl* list) {
    const TPoint p = list->ScreenToClient(GetCursorPos());
    return !list->ClientRect().Contains(p);
}

// Escape closes a value list without a choice and gives the keyboard back to the grid.
bool CloseValueListOnEscape(TListBox* list, TQvStringGrid* grid, QChar Key) {
    if (Key != QChar(27)) return false;
    list->SetVisible(false);
    if (grid) {
        grid->SetFilterDropDownColumn(-1);
        if (grid->CanFocus()) grid->SetFocus();
    }
    return true;
}

} // namespace

void TDropList::WndProc(TMessage& Message) {
    if (Message.Msg == kCancelModeNotification && PointerOutside(this)) {
        if (FGrid) FGrid->SetFilterDropDownColumn(-1);
        SetVisible(false);
    }
    TListBox::WndProc(Message);
}

void TDropList::Choose() {
    SetVisible(false);
    if (OnSelect) OnSelect(this, ItemIndex());
}

void TDropList::KeyPress(QChar& Key) {
    if (CloseValueListOnEscape(this, FGrid, Key)) return;
    TListBox::KeyPress(Key);
    if (Key == QChar(13)) Choose();
}

void TDropList::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TListBox::MouseUp(Button, Shift, X, Y);
    Choose();
}

bool TDropCheckList::Checked(int Index) const {
    return Index >= 0 && Index < static_cast<int>(FChecked.size()) && FChecked[static_cast<size_t>(Index)];
}

void TDropCheckList::SetChecked(int Index, bool v) {
    if (Index < 0) return;
    if (Index >= static_cast<int>(FChecked.size())) FChecked.resize(static_cast<size_t>(Index) + 1, false);
    if (FChecked[static_cast<size_t>(Index)] == v) return;
    FChecked[static_cast<size_t>(Index)] = v;
    if (OnSelect) OnSelect(this, -1);
}

void TDropCheckList::KeyPress(QChar& Key) {
    if (CloseValueListOnEscape(this, FGrid, Key)) return;
    TListBox::KeyPress(Key);
}

void TDropCheckList::WndProc(TMessage& Message) {
    if (Message.Msg == kCancelModeNotification && PointerOutside(this)) {
        if (FGrid) FGrid->SetFilterDropDownColumn(-1);
        SetVisible(false);
    }
    TListBox::WndProc(Message);
}

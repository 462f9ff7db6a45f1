// The string grid's life: the grid unit's set-up, construction, window creation, end of loading,
// copying and destruction, and the version texts.
#include "controls/grid/QvGrid.h"
#include "controls/VersionText.h"
#include "controls/grid/HeaderDragButton.h"
#include "controls/grid/QvGridCheck.h"
#include "controls/grid/QvRichEdit.h"
#include "controls/grid/edit/GridCheckBox.h"
#include "controls/grid/edit/GridCombo.h"
#include "controls/grid/edit/GridSpin.h"
#include "controls/grid/input/DragScrollTarget.h"
#include "controls/grid/input/ScrollControl.h"
#include "controls/grid/overlays/GridOverlays.h"
#include "controls/grid/print/GridPrintJob.h"
#include "controls/styles/QvStyleIF_Notifier.h"

#include "toolkit/controls/Forms.h"
#include "toolkit/controls/HintWindow.h"
#include "toolkit/controls/Messages.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/graphics/ImgList.h"
#include "toolkit/graphics/Picture.h"
#include "toolkit/graphics/SystemLook.h"
#include "toolkit/system/SysUtils.h"

// Unit state
// --------------------------------------------------------------------------------------------

namespace QvGrid {
TQvStringGrid* ActiveFocusGrid = nullptr;
UINT GridCellsClipboardFormat = 0;
UINT GridEditDoneMessage = 0;
UINT DTPShiftFocusMessage = 0;
bool DateTimePickerSupported = false;
TCursor LinkCursor = crDefault;
} // namespace QvGrid

namespace {

int gQvGridUnitInits = 0;

// Runs the unit's set-up when the program loads the grid library and its clean-up when it ends.
struct QvGridUnitLifetime {
    QvGridUnitLifetime() { InitQvGridUnit(); }
    ~QvGridUnitLifetime() { FinalizeQvGridUnit(); }
} gQvGridUnitLifetime;

constexpr int kQvGridVersion = 0x06020103;
constexpr const char* kQvGridVersionDate = "Sep, 2012";

} // namespace

void InitQvGridUnit() {
    if (gQvGridUnitInits++ > 0) return;
    QvGrid::ActiveFocusGrid = nullptr;
    // The toolkit's date and time pickers are always there.
    QvGrid::DateTimePickerSupported = true;
    QvGrid::GridCellsClipboardFormat = RegisterClipboardFormat("TQvStringGrid Cells");
    QvGrid::GridEditDoneMessage = RegisterWindowMessage("GridEditDone");
    QvGrid::DTPShiftFocusMessage = RegisterWindowMessage("DTPShiftFocus");
}

void FinalizeQvGridUnit() {
    if (gQvGridUnitInits == 0 || --gQvGridUnitInits > 0) return;
    QvGrid::ActiveFocusGrid = nullptr;
}

// Construction
// --------------------------------------------------------------------------------------------

TQvStringGrid::TQvStringGrid(TComponent* AOwner) : TBaseGrid(AOwner) {
    // Controls can be placed in cells. The grid fires OnClick itself (the end of a selection, a fixed
    // cell), so the control's generic click on every release is off.
    SetControlStyle((ControlStyle() | csAcceptsControls) & ~csClickEvents);
    CreateOwnedObjects();

    FFixedFont->SetName("Tahoma");
    FFixedFont->SetStyle(fsBold);
    FActiveCellFont->SetStyle(fsBold);
    if (ComponentState() & csDesigning) FActiveCellFont->SetName("Tahoma");
    SetScrollBars(ssBoth);

    // At run time the grid follows its form's size (SizeWithForm) through a watcher of its own, so grids
    // on one form never chain each other's handlers and may go in any order.
    if (auto* form = dynamic_cast<TCustomForm*>(AOwner); form && !(ComponentState() & csDesigning)) {
        FOwnerForm = form;
        form->AddResizeWatcher(this, [this](TObject* Sender) { OwnerFormResize(Sender); });
        FFormWidth = form->Width();
        FFormHeight = form->Height();
    }

    SetRowCount(10);
    SetBounds(Left(), Top(), 400, 250);
    FAutoSize = false;

    SetWordWrap(true);
    SetVAlignment(vtaTop);

    // Every column starts visible.
    FHiddenCols.Clear();
    FNumHiddenColumns = 0;

    SetDefaultRowHeight(22);
    SetFixedRowHeight(DefaultRowHeight());
    FFixedGradient.From = clWhite;
    FFixedGradient.To = ColorToRGB(clBtnFace);
    FFixedGradient.MirrorFrom = clNone;
    FFixedGradient.MirrorTo = clNone;

    // Every system this runs on has visual styles and current common controls.
    FIsWinXP = true;
    FIsWin7 = true;
    FIsVista = true;
    FIsComCtl6 = true;
    FBorderColor = FIsWinXP ? 0xB99D7F : clGray;
    FScrollWidth = SystemScrollBarWidth();

    // The floating header of a column or row move, hidden and disabled until a move shows it.
    MoveButton = new THeaderDragButton(this);
    MoveButton->SetGrid(this);
    MoveButton->SetParent(this);
    MoveButton->SetVisible(false);
    MoveButton->SetEnabled(false);
    if (!IsDesigning()) CreateOverlayWindows();

    FTopLeftAtCreation = TPoint(LeftCol(), TopRow());
    FMaxRowCount = std::max(FMaxRowCount, RowCount());
    FMaxColCount = std::max(FMaxColCount, ColCount());
    QvGrid::LinkCursor = crHandPoint;
}

void TQvStringGrid::CreateOwnedObjects() {
    FFooterPanel = new TFooterPanel(this);
    FFooterPanel->SetAlign(alBottom);
    FFooterPanel->SetHeight(0);
    FFooterPanel->SetBorderWidth(0);
    FSearchPanel = new TSearchPanel(this);
    FSearchPanel->SetAlign(alBottom);
    FSearchPanel->SetHeight(0);
    FSearchPanel->SetBorderWidth(0);

    FCellFont = std::make_unique<TFont>();
    FFocusHelper = std::make_unique<TFocusHelper>();
    FSearchFooter = std::make_unique<TSearchFooter>(
        this, (ComponentState() & csDesigning) &&
                  !(Owner() && (Owner()->ComponentState() & (csReading | csLoading))));
    FFloatingFooter = std::make_unique<TFloatingFooter>(this);
    FPrintSettings = std::make_unique<TPrintSettings>(this);
    FHTMLSettings = std::make_unique<THTMLSettings>();
    FSortSettings = std::make_unique<TSortSettings>(this);
    FDragDropSettings = std::make_unique<TDragDropSettings>(this);
    FDragScrollOptions = std::make_unique<TDragScrollOptions>();
    FControlLook = std::make_unique<TControlLook>(this);
    BindSearchPanel();
    FNavigation = std::make_unique<TNavigation>();
    FNavigation->OnChange = [this](TObject*) { NavigationChanged(); };
    FColumnSize = std::make_unique<TColumnSize>(this);
    FCellNode = std::make_unique<TCellNode>(this);
    FBands = std::make_unique<TBands>();
    FBands->OnChange = [this](TObject*) { Invalidate(); };
    FSizeWhileTyping = std::make_unique<TSizeWhileTyping>();
    FMouseActions = std::make_unique<TMouseActions>(this);
    FMouseActions->OnChange = [this](TObject*) { MouseActionsChanged(); };
    FMouseActions->OnIsDesigning = [this](TObject*, bool& designing) { designing = IsDesigning(); };
    FMouseActions->OnInvalidate = [this](TObject*) { InvalidateGrid(); };
    FGrouping = std::make_unique<TGrouping>();
    FColumnHeaders = std::make_unique<TStringList>();
    FColumnHeaders->OnChange = [this](TObject*) {
        ColumnHeadersChanged();
        HeadersToCells();
    };
    FRowHeaders = std::make_unique<TStringList>();
    FRowHeaders->OnChange = [this](TObject*) { HeadersToCells(); };
    FFixedFont = std::make_unique<TFont>();
    FFixedFont->OnChange = [this](TObject*) { Invalidate(); };
    FActiveCellFont = std::make_unique<TFont>();
    FActiveCellFont->OnChange = [this](TObject*) { Invalidate(); };
    FSortList = std::make_unique<TStringList>();
    FLookupItems = std::make_unique<TStringList>();
    FRowSelectList = std::make_unique<TIntList>(0, 0);
    FColSelectList = std::make_unique<TIntList>(0, 0);
    FSortIndexes = std::make_unique<TSortIndexList>();
    FSortRowXRef = std::make_unique<TIntList>(0, 0);
    FUnSortRowXRef = std::make_unique<TIntList>(0, 0);
    FMergedColumns = std::make_unique<TIntList>(0, 0);
    FSelectedCells = std::make_unique<SelectedCellSet>();
    FSelectedRows = std::make_unique<TIntList>(0, 0);
    FModifiedRows = std::make_unique<TIntList>(0, 0);
    FEnabledRows = std::make_unique<TIntList>(0, 0);
    FRowIndicator = std::make_unique<TBitmap>();
    FBackGround = std::make_unique<TBackGround>(this);
    FControlList = std::make_unique<TControlList>();
    FProgressAppearance = std::make_unique<TGridProgressAppearance>();
    FProgressAppearance->OnChange = [this](TObject*) { Invalidate(); };
    FSyncGrid = std::make_unique<TSyncGrid>(this);
    FGridItems = std::make_unique<TGridItems>();
    FComboItems = std::make_unique<TStringList>();
    FFilter = std::make_unique<TFilter>(this);
    FBalloon = std::make_unique<TBalloonSettings>();
    FBalloon->OnEnableChange = [this](TObject*) {
        if (FBalloon->Enable() && !IsLoading())
            BalloonInit();
        else
            BalloonDone();
    };
    FShowModified = std::make_unique<TShowModified>();
    FShowModified->OnChange = [this](TObject*) { InvalidateCol(0); };
    FNotifiers = std::make_unique<std::vector<TObject*>>();
    FColumnOrder = std::make_unique<TIntList>(0, 0);
    FSharedCellGraphic = std::make_unique<TCellGraphic>();
    FIgnoreColumns = std::make_unique<TIntList>(0, 0);
    FIgnoreColumns->Add(-1);
    FInitialColSizes = std::make_unique<TIntList>(0, 0);
    FInitialColSizes->Add(-1);
    FFilterDropDown = std::make_unique<TFilterDropDown>();
    FFilterDropDown->OnChange = [this](TObject*) { Invalidate(); };
    FFilterList = new TDropList(this, this);
    FFilterList->SetParent(this);
    FFilterList->SetBounds(0, 0, 0, 0);
    FFilterList->SetVisible(false);
    FFilterList->OnSelect = [this](TObject*, int index) { FilterSelect(index); };
    FFilterCheckList = new TDropCheckList(this, this);
    FFilterCheckList->SetParent(this);
    FFilterCheckList->SetBounds(0, 0, 0, 0);
    FFilterCheckList->SetVisible(false);
    FFilterCheckList->OnSelect = [this](TObject*, int index) { FilterCheck(index); };
    FFilterValues = std::make_unique<TStringList>();
    FFilterValues->SetSorted(true);
    FFilterValues->SetDuplicates(dupIgnore);
}

// Window
// --------------------------------------------------------------------------------------------

void TQvStringGrid::CreateWnd() {
    if (IsDestroying()) return;
    TBaseGrid::CreateWnd();
    if (!Parent()) return;
    if (!IsDesigning() && FBalloon->Enable()) BalloonInit();

    FFooterPanel->SetParent(this);
    FFooterPanel->SetVisible(FFloatingFooter->Visible());
    FSearchPanel->SetParent(this);
    FSearchPanel->SetVisible(FSearchFooter->Visible());
    FSearchPanel->SetHeight(FSearchFooter->Visible() ? 32 : 0);
    ApplyScrollType();
    UpdateDragScrollTarget();

    // The grid's own tick, handled as the window's timer message.
    if (!FGridTimer) {
        FGridTimer = std::make_unique<TTimer>(nullptr);
        FGridTimer->SetEnabled(false);
        FGridTimer->SetInterval(kGridTimerInterval);
        FGridTimer->OnTimer = [this](TObject*) { SendMessage(this, WM_TIMER, kGridTimerID, 0); };
    }
    FGridTimer->SetEnabled(false);
    FGridTimer->SetEnabled(true);

    if (IsDesigning() && !FLoaded && !IsLoading()) Font()->SetName("Tahoma");

    FWheelMessage = WM_MOUSEWHEEL;
    FWheelScrollLines = WheelScrollLines();
    if (FWheelScrollLines == -1) FWheelScrollLines = VisibleRowCount();
    if (FColumnSize->Save()) LoadColSizes();
}

bool TQvStringGrid::GridTimerActive() const {
    return FGridTimer && FGridTimer->IsRunning();
}

// End of loading
// --------------------------------------------------------------------------------------------

void TQvStringGrid::Loaded() {
    TBaseGrid::Loaded();
    FRestoreCursor = Cursor();
    HeadersToCells();

    if (FLook == glVUR) {
        FLook = glCustom;
        SetLook(glVUR);
    }
    FFixedRowsMin = TCustomGrid::FixedRows();
    FFixedColsMin = TCustomGrid::FixedCols();
    FMinRowHeight = DefaultRowHeight();
    FMinColWidth = 10;
    FMaxRowCount = RowCount();
    FLoaded = true;

    if (Options() & goAlwaysShowEditor) {
        FNavigation->SetAlwaysEdit(true);
        SetOptions(Options() & ~goAlwaysShowEditor);
    }
    if (!FIsWinXP && FControlLook->ControlStyle() == csTheme && !IsDesigning())
        FControlLook->SetControlStyle(csClassic);

    FSearchFooter->SetAutoThemeAdapt(FAutoThemeAdapt);
    if (FAutoThemeAdapt) ThemeAdapt();
    ApplyScrollBarAlways();
    InitOrigColSizes();
    FColumnOrder->Clear();
    for (int c = 0; c < TotalColCount(); ++c)
        FColumnOrder->Add(c);
    if (FBalloon->Enable()) BalloonInit();
    if (FColumnSize->Save()) {
        if (FAutoSize) AutoSizeColumns(false, 4);
        LoadColSizes();
    }
}

void TQvStringGrid::InitOrigColSizes() {
    FInitialColSizes->Clear();
    for (int c = 0; c < ColCount(); ++c)
        FInitialColSizes->Add(ColWidths(c));
    FRememberedWidth = Width();
}

void TQvStringGrid::HeadersToCells() {
    ShowColumnHeaders();
    ShowRowHeaders();
}

// Destruction
// --------------------------------------------------------------------------------------------

TQvStringGrid::~TQvStringGrid() {
    SetDestroying();
    if (FGridTimer) FGridTimer->SetEnabled(false);
    if (!IsDesigning()) {
        BalloonDone();
        if (FOwnerForm) FOwnerForm->RemoveResizeWatcher(this);
    }
    if (QvGrid::ActiveFocusGrid == this) QvGrid::ActiveFocusGrid = nullptr;
    if (FColumnSize->Save()) {
        // Nobody is left to tell: the widths stay as stored last.
        try {
            SaveColSizes();
        } catch (const Exception& e) {
            qWarning("The column widths were not stored: %s", e.what());
        }
    }

    FClearTextOnly = false;
    FSaveHiddenCells = false;
    int rows = RowCount();
    int cols = ColCount();
    DiscardHiddenRows();
    FHiddenCols.Clear();
    cols += FNumHiddenColumns;
    FNumHiddenColumns = 0;
    if (NumHiddenRows() == 0 && !HasNodes()) {
        rows = std::max(rows, FMaxRowCount);
        cols = std::max(cols, FMaxColCount);
    }
    if (rows > 0 && cols > 0 && HasCellProps()) ClearRect(0, 0, cols - 1, rows - 1);

    // The child controls are components of the grid; they go before the settings they report to.
    for (auto& [entry, control] : FEditorControls)
        delete control;
    FEditorControls.clear();
    delete FRichEdit;
    FRichEdit = nullptr;
    delete FFilterCheckList;
    FFilterCheckList = nullptr;
    delete FFilterList;
    FFilterList = nullptr;
    delete FSearchPanel;
    FSearchPanel = nullptr;
    delete FFooterPanel;
    FFooterPanel = nullptr;
    FDragTmr.reset();
    if (FDragScrollTarget && HandleAllocated()) RevokeDragDrop(this);
    delete FSlimVert;
    FSlimVert = nullptr;
    delete FSlimHorz;
    FSlimHorz = nullptr;
    FGridTimer.reset();
    SetCursor(FRestoreCursor);
}

// Copying
// --------------------------------------------------------------------------------------------

void TQvStringGrid::Assign(const TPersistent* Source) {
    const auto* src = dynamic_cast<const TQvStringGrid*>(Source);
    if (!src) return;
    Font()->Assign(src->Font());
    FActiveCellColor = src->FActiveCellColor;
    FActiveCellColorTo = src->FActiveCellColorTo;
    FActiveCellFont->Assign(src->FActiveCellFont.get());
    FActiveCellShow = src->FActiveCellShow;
    SetActiveRowShow(src->ActiveRowShow());
    SetAlign(src->Align());
    FFilterDropDown->Assign(src->FFilterDropDown.get());
    FAnchorHint = src->FAnchorHint;
    FAutoNumAlign = src->FAutoNumAlign;
    FAutoSize = src->FAutoSize;
    FAutoThemeAdapt = src->FAutoThemeAdapt;
    FAutoFilterUpdate = src->FAutoFilterUpdate;
    FMouseActions->Assign(src->FMouseActions.get());
    FNavigation->Assign(src->FNavigation.get());
    FGrouping->Assign(src->FGrouping.get());
    FSearchFooter->Assign(src->FSearchFooter.get());
    FPrintSettings->Assign(src->FPrintSettings.get());
    FFilter->Assign(src->FFilter.get());
    FHTMLSettings->Assign(src->FHTMLSettings.get());
    FBands->Assign(src->FBands.get());
    FCellNode->Assign(src->FCellNode.get());
    FSortSettings->Assign(src->FSortSettings.get());
    FDragScrollOptions->Assign(src->FDragScrollOptions.get());
    FDragDropSettings->Assign(src->FDragDropSettings.get());
    FProgressAppearance->Assign(src->FProgressAppearance.get());
    FColumnSize->Assign(src->FColumnSize.get());
    FSyncGrid->Assign(src->FSyncGrid.get());
    FFocusHelper->Assign(src->FFocusHelper.get());
    FFixedRowAlways = src->FFixedRowAlways;
    // The counts and sizes go through their setters so that the toolkit grid follows.
    SetColCount(src->ColCount());
    SetRowCount(src->RowCount());
    SetFixedRows(src->TCustomGrid::FixedRows());
    SetFixedCols(src->TCustomGrid::FixedCols());
    SetDefaultColWidth(src->DefaultColWidth());
    SetDefaultRowHeight(src->DefaultRowHeight());
    SetFixedRowHeight(src->FixedRowHeight());
    SetFixedColWidth(src->FixedColWidth());
    FInvalidEntryTitle = src->FInvalidEntryTitle;
    FInvalidEntryIcon = src->FInvalidEntryIcon;
    FInvalidEntryText = src->FInvalidEntryText;
    SetOptions(src->Options());
    for (int c = 0; c < ColCount(); ++c)
        SetColWidths(c, src->ColWidths(c));
    FColumnHeaders->Assign(src->FColumnHeaders.get());
    for (int r = 0; r < RowCount(); ++r)
        SetRowHeights(r, src->RowHeights(r));
    FScrollProportional = src->FScrollProportional;
    FScrollSynch = src->FScrollSynch;
    FScrollWidth = src->FScrollWidth;
    FScrollHints = src->FScrollHints;
    FScrollBarAlways = src->FScrollBarAlways;
    SetScrollBars(src->ScrollBars());
    FScrollColor = src->FScrollColor;
    FScrollType = src->FScrollType;
    AssignCells(src);
}

// The cells of the source, with its counts and column widths, replace this grid's; texts are copied
// as they are, so line breaks and separators inside a cell survive.
void TQvStringGrid::AssignCells(const TPersistent* Source) {
    const auto* src = dynamic_cast<const TQvStringGrid*>(Source);
    if (!src || src == this) return;
    SetColCount(src->ColCount());
    SetRowCount(src->RowCount());
    for (int c = 0; c < src->ColCount(); ++c)
        SetColWidths(c, src->ColWidths(c));
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c)
            SetGridCells(c, r, src->GridCells(c, r));
}

// Repainting and bounds
// --------------------------------------------------------------------------------------------

void TQvStringGrid::Invalidate() {
    if (FRepaintHeld) return;
    if (FEdit.EditChange) {
        FEdit.EditChange = false;
        return;
    }
    TBaseGrid::Invalidate();
    if (!IsLoading() && FFooterPanel && FFloatingFooter && FFloatingFooter->Visible())
        FFooterPanel->Invalidate();
}

void TQvStringGrid::Resize() {
    WMSize();
    if (FBackGround->IsGradient() && FBackGround->ColorTo() != clNone) Invalidate();
    ApplyScrollBarAlways();
    if (IsDesigning()) Invalidate();
}

void TQvStringGrid::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    if (FFixedRowHeight > 0 && FIntegralHeight && FUpdateCount == 0 && FDefaultRowHeight > 0) {
        const int bar =
            VisibleColCount() + TCustomGrid::FixedCols() < ColCount() ? SystemScrollBarWidth() : 0;
        const int border = BorderStyle() == bsSingle ? 2 : 0;
        AHeight = AHeight + border - ((AHeight - bar - border) % FDefaultRowHeight);
    }
    TBaseGrid::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TQvStringGrid::Notification(TComponent* AComponent, TOperation Operation) {
    if (Operation == opRemove) {
        if (AComponent == FGridImages) FGridImages = nullptr;
        if (AComponent == FCellChecker) FCellChecker = nullptr;
        if (AComponent == FOleDragList) FOleDragList = nullptr;
        if (static_cast<const void*>(AComponent) == static_cast<const void*>(FEditLink)) FEditLink = nullptr;
        if (FNotifiers) std::erase(*FNotifiers, static_cast<TObject*>(AComponent));
        if (!IsDestroying() && FSyncGrid && AComponent == FSyncGrid->Grid()) FSyncGrid->SetGrid(nullptr);
    }
    TBaseGrid::Notification(AComponent, Operation);
}

// Version
// --------------------------------------------------------------------------------------------

int TQvStringGrid::GetVersionNr() {
    return kQvGridVersion;
}

String TQvStringGrid::GetVersionString() {
    return VersionNumberText(GetVersionNr()) + " " + kQvGridVersionDate;
}

String TQvStringGrid::Version() const {
    return VersionNumberText(const_cast<TQvStringGrid*>(this)->GetVersionNr());
}

void TQvStringGrid::DestroyWidget() {
    if (FGridTimer) FGridTimer->SetEnabled(false);
    TBaseGrid::DestroyWidget();
}

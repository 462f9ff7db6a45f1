// The string grid: a thin front over the base grid that keeps the system's whole API, grouped by topic.
// Each topic's operations live in QvGrid_<Topic>.cpp; work with an algorithm of its own goes to helpers.
#pragma once

#include "controls/grid/BaseGrid.h"
#include "controls/grid/PlainProperty.h"
#include "controls/grid/QvGrid_Graphic.h"
#include "controls/grid/QvGrid_SelectedCells.h"
#include "controls/grid/QvGrid_Settings.h"
#include "controls/grid/QvGrid_Types.h"
#include "controls/grid/QvUtil.h"
#include "controls/grid/SearchPanel.h"
#include "controls/grid/data/HiddenIndexMap.h"
#include "controls/grid/data/RowFilterLevels.h"
#include "controls/grid/edit/EditCharFilter.h"
#include "controls/grid/edit/GridEditSession.h"
#include "controls/grid/input/MouseState.h"
#include "controls/grid/input/ScrollBarMath.h"
#include "controls/grid/options/GridOptions.h"
#include "controls/grid/paint/CellPaintState.h"
#include "controls/grid/paint/GraphicPainter.h"
#include "controls/styles/QvStyleIF.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Picture.h"
#include "toolkit/stdctrls/ExtCtrls.h"
#include "toolkit/system/StringList.h"

#include <array>
#include <memory>
#include <utility>
#include <vector>

class TPopupMenu;
class IGridCells;
class RowFilter;
class RowSorter;
struct SortColumnRule;
class TEditLink;
class TImageList;
class TTimer;
class TStream;
class TQvStringGrid;
class TQvStringGridCheck;
struct TGridPrintJob;
struct TKeptPrintLayout;
// What a pass of the print layout does: print pages, draw preview pages or only count them.
enum TGridPrintMode { gpmPrint, gpmPreview, gpmCount, gpmPreviewCount };
class THeaderDragButton;
class TScrollControl;
class TArrowWindow;
class TGridFocusWindow;
class TNoActiveForm;
class TListBox;
class TBitmap;
class TGridDropTarget;
class TBalloonTips;
struct PressEvent;
struct ReleaseEvent;
struct MoveEvent;
struct KeyStroke;
class TQvRichEdit;
class TControlEdit;
class TControlCombo;
class TGridTransEdit;
class TGridTransCombo;
struct TMarkupOutput;
class TRichEdit;
class TGridButton;
class TGridCalculatorDropDown;
class TGridColorDropDown;
class TGridCombo;
class TGridDetailPickerDropDown;
class TGridGridDropDown;
class TGridImageDropDown;
class TGridMemoDropDown;
class TGridQvGridDropDown;
class TGridTimepickerDropDown;
class TGridTrackbarDropDown;
class TGridDatePicker;
class TGridDateTimePicker;
class TGridEditBtn;
class TGridSpin;
class TGridUnitEditBtn;
struct TEditorEntry;
class TStream;
class TClipData;
struct GridBlock;
struct GridPasteResult;

// The strip below the rows that shows the floating footer (QvGrid_Footer.cpp).
class TFooterPanel : public TPanel {
public:
    explicit TFooterPanel(TQvStringGrid* AGrid);
    String ClassName() const override { return "TFooterPanel"; }
    // The display column whose hint is shown, -1 for none.
    int HintColumn() const { return FHintColumn; }

protected:
    void Paint() override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseLeave() override;
    void Dispatch(TMessage& Message) override;
    void CreateWnd() override;

private:
    // Each painter answers the width it covered.
    int PaintFixedLastRow(TCanvas* C);
    int PaintPreview(TCanvas* C, bool Template);
    TQvStringGrid* FGrid;
    int FHintColumn = -1;
};

class TQvInplaceEdit;

// Told of every accepted cell change of the grids it is registered with; the grid does not own it.
class TGridChangeNotifier : public TComponent {
public:
    explicit TGridChangeNotifier(TComponent* AOwner) : TComponent(AOwner) {}
    String ClassName() const override { return "TGridChangeNotifier"; }
    // R: left column, top row, right column, bottom row of the changed cells.
    virtual void CellsChanged(const TRect& R) { (void)R; }
};

// The one listener a grid tells of the cell that became the selected one (display column, row); the grid
// does not own it, and whoever registers it unregisters it before it goes.
class ITQvStringGridSelect {
public:
    virtual ~ITQvStringGridSelect() = default;
    virtual void CellSelected(int ACol, int ARow) = 0;
};

// Process-wide state of the grid unit, set up once by InitQvGridUnit.
namespace QvGrid {
extern TQvStringGrid* ActiveFocusGrid;
extern UINT GridCellsClipboardFormat;
extern UINT GridEditDoneMessage;
extern UINT DTPShiftFocusMessage;
extern bool DateTimePickerSupported;
extern TCursor LinkCursor;
QChar CurrentTimeSeparator();
QChar CurrentDateSeparator();
QChar CurrentThousandSeparator();
QChar CurrentDecimalSeparator();
String CurrentShortDateFormat();
String CurrentShortTimeFormat();
String CurrentLongTimeFormat();

} // namespace QvGrid

// Registers the clipboard format and the window messages; a second call does nothing.
void InitQvGridUnit();
// A new grid's identity in the cell data it writes (exchange/QvGrid_NativeFiles.cpp).
quint64 NewGridExchangeId();
void FinalizeQvGridUnit();
// The identifiers a window design may give the grid's enumerated properties; part of the layer's
// registration.
void RegisterQvGridDesignIdents();

// The grid's window timer and its period.
constexpr UINT kGridTimerID = 111;
constexpr int kGridTimerInterval = 500;

// A grid look setting: a changed value repaints unless an update is in progress.
#define QV_GRID_LOOK(Type, Name, Init) QV_NOTIFY_PROP(Type, Name, Init, RepaintUnlessUpdating())

// The name of a look in the visual-properties file ("glXP" ...) and in the quick-config panel
// ("Windows XP" ...); empty for glCustom.
String GridLookName(TGridLook Look);
String GridLookDisplayName(TGridLook Look);

class TQvStringGrid : public TBaseGrid, public IQvStyle, public IQvTones {
public:
    explicit TQvStringGrid(TComponent* AOwner);
    ~TQvStringGrid() override;
    String ClassName() const override { return "TQvStringGrid"; }

    // Lifecycle (QvGrid.cpp)
    // ----------------------------------------------------------------------------------------
    void Loaded() override;
    bool ReadProperty(const String& name, const TDesignValue& value) override;
    // Copies settings and cells of another string grid without running setters or firing events;
    // any other source is ignored.
    void Assign(const TPersistent* Source) override;
    void Invalidate() override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void InitOrigColSizes();
    bool IsLoaded() const { return FLoaded; }
    // Whether the grid's window timer runs (for tests and diagnostics).
    bool GridTimerActive() const;
    int GridTimerTicks() const { return FGridTimerTicks; }
    String Version() const;
    void SetVersion(const String&) {}
    void AddBalloonTool(int Icon, const String& Title);

    // The 130 operations descendants refine, in their order (hooks in QvGrid_Hooks.cpp, the others
    // with their topic).
    // ----------------------------------------------------------------------------------------
    virtual void CalcFooterValues(int ACol);
    // From .. To (real columns) and, with CustomElsewhere, every custom calculation besides.
    void CalcFooterColumns(int From, int To, bool CustomElsewhere = false);
    virtual void DoClickSort(int ACol);
    virtual void F2Pressed();
    virtual void SetEditCellText(int ACol, int ARow, const String& Value);
    virtual void AdjustKeySelection(TGridRect& NewSelection);
    virtual void SetCellTextWithUndo(int ACol, int ARow, const String& Value);
    virtual String GetCurrentCell();
    virtual void SetCurrentCell(const String& Value);
    virtual String GetCurrentCellText();
    virtual void SetCurrentCellEditText(const String& Value);
    virtual void RestoreCurrentCell();
    // EditCheck: the user's click or key; CanEditCell may refuse it.
    virtual bool ToggleCellCheckBox(int ACol, int ARow, bool EditCheck);
    virtual bool SelectRadioButton(int ACol, int ARow, bool EditCheck);
    virtual String GetFormattedCell(int ACol, int ARow);
    virtual void GetFloatFormat(int ACol, int ARow, bool& IsFloat, String& FloatFormat);
    virtual TCellType GetCellType(int ACol, int ARow);
    virtual TCellGraphic* GetCellGraphic(int ACol, int ARow);
    virtual TPoint GetCellGraphicSize(int ACol, int ARow);
    // ExtraMargin: vertical room row sizing keeps free besides the text margin.
    virtual TPoint CalcCellGraphicSize(int ACol, int ARow, int ExtraMargin = 0);
    virtual TPoint CalcPrintCellGraphicSize(int ACol, int ARow, int CellWidth, int CellHeight, double Scale);
    virtual void DoPrintGetPageNum(int PageNum, int PageColNum, String& PageNumString);
    virtual void DoGetEditorProp(int ACol, int ARow, TEditLink* AEditLink);
    virtual void DoCheckBoxClick(int ACol, int ARow, bool State);
    virtual void DoFixedEdit(int ACol, int ARow, TGridFixedCellEditor& AEditor, TStrings* Values);
    virtual void DoSelectionChanged(int ALeft, int ATop, int ARight, int ABottom);
    virtual void EditorTextChanged(const String& Value);
    virtual void AutoInsertRow(int ARow);
    virtual void AutoDeleteRow(int ARow);
    virtual void DoFilterDone();
    virtual void UpdateColSize(int ACol, int& NewWidth);
    virtual void UpdateAutoColSize(int ACol, int& NewWidth);
    virtual void ColumnHeadersChanged();
    virtual void DoEllipsClick(int ACol, int ARow, String& S);
    virtual bool MatchFilter(int ARow);
    virtual void BeforePaste();
    virtual void AfterPaste();
    // SourceTopLeft: where the cells came from in this grid, (-1, -1) when from elsewhere.
    virtual void CellsPasted(const TPoint& SourceTopLeft, const TGridRect& TargetRect,
                             TClipOperation Operation);
    virtual void EvaluateCell(int ACol, int ARow, String& Value);
    virtual void GetSaveCellText(int ACol, int ARow, String& Value);
    virtual void LoadCellText(int ACol, int ARow, String Value);
    virtual void CellChanged(int ACol, int ARow);
    virtual void SaveOldCellText(int ACol, int ARow);
    virtual void DoCanEditCell(int ACol, int ARow, bool& CanEdit);
    virtual void DoSearchFooterAction(const String& Value, int ACol, int ARow, TSearchAction Action);
    virtual void DoButtonClick(int ACol, int ARow);
    virtual void DoExpandClick(int ACol, int ARow, bool Expanded);
    virtual void DoComboCloseUp(int ARow, int ACol);
    virtual void DoComboDropDown(int ARow, int ACol);
    virtual void DoGetCellCursor(int ACol, int ARow, int X, int Y);
    virtual void DoCellsChanged(const TRect& R);
    virtual void AllCellsChanged();
    virtual void DoGridHint(int ACol, int ARow, String& HintText, String& WideHintText);
    virtual void DoGetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont);
    virtual void DoGetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont);
    virtual void DoGetCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders);
    virtual void DoGetCellPrintBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders);
    virtual void DoGetAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign);
    virtual void DoGetFormat(int ACol, TSortStyle& AStyle, String& APrefix, String& ASuffix);
    virtual void DoGetEditorType(int ACol, int ARow, TEditorType& AEditor);
    virtual void GetCellEditorType(int ACol, int ARow, TEditorType& AEditor);
    virtual bool HasNoEditor(int ACol, int ARow);
    virtual void DoIsFixedCell(int ACol, int ARow, bool& IsFixedCell);
    virtual void CanEditCell(int ACol, int ARow, bool& CanEdit);
    virtual void DoIsPasswordCell(int ACol, int ARow, bool& IsPassword);
    virtual void DoGetWordWrap(int ACol, int ARow, bool& AWordWrap);
    virtual bool HasComboBox(int ACol, int ARow);
    virtual bool HasSpinEdit(int ACol, int ARow);
    virtual void GetCheckTrue(int ACol, int ARow, String& Value);
    virtual void GetCheckFalse(int ACol, int ARow, String& Value);
    virtual bool BuildFilterValueList(int ACol);
    virtual TGridRect GetUsedCells();
    virtual void DoRemoveRows(int ARow, int ACount);
    virtual bool DoCanAddRow();
    virtual bool DoCanInsertRow(int ARow);
    virtual void WheelScrolled();
    virtual void GrowRowCount();
    virtual void CellSelectorClick(int ACol, int ARow);
    virtual void FormulaEditing(int ACol, int ARow);
    virtual void AdjustMouseSelection(TGridRect& NewSelection);
    virtual void MouseActionsChanged();
    virtual bool IsDesigning();
    virtual void InvalidateGrid();
    virtual void DisableEditing();
    virtual void EditorKeyDown(Word& Key, TShiftState Shift);
    virtual void EditorWMKeyDown(Word& Key, TShiftState Shift);
    virtual void NavigationChanged();
    virtual void GotoFirstRow();
    virtual bool GetAllowFMTClipboard();
    virtual void FilterSelect(int ItemIndex);
    virtual void FilterCheck(int ItemIndex);
    virtual void PaintQuickConfigPanel(TCanvas* ACanvas);
    virtual void QuickConfigPanelClick(int X, int Y);
    virtual void DoCheckBoxChange(int ACol, int ARow, bool State);
    virtual bool DoRatingChange(int ACol, int ARow, double& NewRate);
    virtual void DoColorSelect();
    virtual void DoImageSelect();
    virtual bool DoCellChanging(int OldRow, int OldCol, int NewRow, int NewCol);
    virtual void DoScrollCell(int ACol, int ARow, int ScrollPosition, int ScrollMin, int ScrollMax);
    virtual bool DoCanShowFixedDropDown(int ACol);
    virtual void DoStartBlockFocus();
    virtual void DoEndBlockFocus();
    virtual TImageList* GetCellImageList(int ACol, int ARow);
    virtual void ExportNotification(TGridExportState AState, int ARow);
    virtual void ImportNotification(TGridImportState AState, int ARow);
    virtual void AssignCells(const TPersistent* Source);
    virtual int GetVersionNr();
    virtual String GetVersionString();
    virtual bool ValidateCell(const String& NewValue);
    virtual bool ValidateCellWide(const String& NewValue);
    virtual void RemoveRowsEx(int ARow, int ACount);
    virtual void RemoveRows(int ARow, int ACount);
    virtual void InsertRows(int ARow, int ACount);
    virtual void RemoveCols(int ACol, int ACount);
    virtual void InsertCols(int ACol, int ACount);
    virtual void SubGroup(int ColIndex);
    virtual void SubUnGroup(int ColIndex);
    virtual void Group(int ColIndex);
    virtual void UnGroup();
    virtual void SortSwapRows(int ARow1, int ARow2);
    virtual void ClearRect(int ACol1, int ARow1, int ACol2, int ARow2);
    virtual void TrimRect(int ACol1, int ARow1, int ACol2, int ARow2);
    virtual void SaveColPositions();
    virtual void LoadColPositions();
    virtual void SetStyle(TQvGridStyle AStyle);
    virtual void QSort();
    virtual void QSortIndexed();
    virtual void QSortGroup();
    virtual void QSortGroupIndexed();
    virtual void QUnSort();
    virtual void CalcFooter(int ACol);
    // Floating footer (QvGrid_Footer.cpp): repaints the footer panel.
    void UpdateFooter();
    void LastRowChanged() override;
    // The display column under x in the footer panel, -1 beyond the last column.
    int FooterColumnAt(int X);
    // The width the footer covers: the fixed columns and the columns from the left column on.
    int FooterCoveredWidth();

    // Cell graphics (QvGrid_Graphics.cpp). Columns are real columns, rows display rows, unless noted.
    // ----------------------------------------------------------------------------------------
    TCellGraphic* CreateCellGraphic(int ACol, int ARow);
    bool RemoveCellGraphic(int ACol, int ARow);
    bool RemoveCellGraphicOfType(int ACol, int ARow, TCellType Kind);
    bool HasCellGraphicType(int ACol, int ARow, TCellTypes Kinds);
    TCellGraphic* CellGraphics(int ACol, int ARow) { return GetCellGraphic(ACol, ARow); }
    TCellType CellTypes(int ACol, int ARow) { return GetCellType(ACol, ARow); }

    void AddBitmap(int ACol, int ARow, TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
    TBitmap* CreateBitmap(int ACol, int ARow, bool Transparent, TCellHAlign hal, TCellVAlign val);
    TBitmap* GetBitmap(int ACol, int ARow);
    bool HasBitmap(int ACol, int ARow) { return GetBitmap(ACol, ARow) != nullptr; }
    bool RemoveBitmap(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctBitmap); }
    void AddIcon(int ACol, int ARow, TGraphic* AIcon, TCellHAlign hal, TCellVAlign val);
    TGraphic* CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val);
    bool RemoveIcon(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctIcon); }
    void AddPicture(int ACol, int ARow, TPicture* APicture, bool Transparent, TStretchMode StretchMode,
                    int Padding, TCellHAlign hal, TCellVAlign val);
    TPicture* CreatePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                            TCellHAlign hal, TCellVAlign val);
    TPicture* GetPicture(int ACol, int ARow);
    bool HasPicture(int ACol, int ARow) { return GetPicture(ACol, ARow) != nullptr; }
    bool RemovePicture(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctPicture); }
    void AddFilePicture(int ACol, int ARow, TFilePicture* APicture, bool Transparent,
                        TStretchMode StretchMode, int Padding, TCellHAlign hal, TCellVAlign val);
    TFilePicture* CreateFilePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode,
                                    int Padding, TCellHAlign hal, TCellVAlign val);
    TFilePicture* GetFilePicture(int ACol, int ARow);
    bool RemoveFilePicture(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctFilePicture); }
    void AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
    bool GetImageIdx(int ACol, int ARow, int& idx);
    bool SetImageIdx(int ACol, int ARow, int Idx);
    bool RemoveImageIdx(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctImageList); }
    void AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
    bool HasDataImage(int ACol, int ARow);
    // Leaves the cell text: it is the cell's value, not part of the image.
    bool RemoveDataImage(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctDataImage); }
    void AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val);
    TIntList* CellImages(int ACol, int ARow);
    bool RemoveMultiImage(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctImages); }
    void AddRotated(int ACol, int ARow, int AAngle, const String& s);
    void SetRotated(int ACol, int ARow, int AAngle);
    bool IsRotated(int ACol, int ARow, int& aAngle);
    bool RemoveRotated(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctRotated); }
    void AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor);
    void AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                       TColor BKTextColor);
    void AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                              TColor BKTextColor, const String& Fmt, int Min, int Max);
    bool HasProgress(int ACol, int ARow) { return HasCellGraphicType(ACol, ARow, CellTypeFlag(ctProgress)); }
    bool RemoveProgress(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctProgress); }
    void AddQvProgress(int ACol, int ARow, int Min, int Max);
    bool RemoveQvProgress(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctXPProgress); }
    void AddProgressPie(int ACol, int ARow, TColor Color, int Value);
    void SetProgressPie(int ACol, int ARow, int Value);
    bool RemoveProgressPie(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctProgressPie); }
    void AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor, TColor PosColor, bool ShowValue);
    bool RemoveRangeIndicator(int ACol, int ARow) {
        return RemoveCellGraphicOfType(ACol, ARow, ctRangeIndicator);
    }
    void AddComment(int ACol, int ARow, const String& Comment);
    void AddColorComment(int ACol, int ARow, const String& Comment, TColor Color);
    String CellComment(int ACol, int ARow);
    void SetCellComment(int ACol, int ARow, const String& Comment);
    bool IsComment(int ACol, int ARow, String& comment);
    bool RemoveComment(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctComment); }
    void RemoveAllComments();
    void AddShape(int ACol, int ARow, int Shape, TColor FillColor, TColor LineColor, TCellHAlign hal,
                  TCellVAlign val);
    void SetShapeColor(int ACol, int ARow, TColor FillColor);
    TColor GetShapeColor(int ACol, int ARow);
    bool RemoveShape(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctShape); }
    void AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor);
    bool HasRating(int ACol, int ARow) { return HasCellGraphicType(ACol, ARow, CellTypeFlag(ctRating)); }
    bool RemoveRating(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctRating); }
    void AddScrollBar(int ACol, int ARow, bool AutoRange);
    void SetScrollPosition(int ACol, int ARow, int Pos);
    int GetScrollPosition(int ACol, int ARow);
    void SetScrollProp(int ACol, int ARow, TScrollProp Prop);
    TScrollProp GetScrollProp(int ACol, int ARow);
    bool HasScrollBar(int ACol, int ARow) {
        return HasCellGraphicType(ACol, ARow, CellTypeFlag(ctScrollbar));
    }
    bool HasAutoRangeScrollBar(int ACol, int ARow);
    bool RemoveScrollBar(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctScrollbar); }
    void AddButton(int ACol, int ARow, int bw, int bh, const String& Caption, TCellHAlign hal,
                   TCellVAlign val);
    void AddBitButton(int ACol, int ARow, int bw, int bh, const String& Caption, TBitmap* Glyph,
                      TCellHAlign hal, TCellVAlign val);
    TBitmap* CreateBitButton(int ACol, int ARow, int bw, int bh, const String& Caption, TCellHAlign hal,
                             TCellVAlign val);
    // Display column. Only a button takes a caption; any other cell answers false.
    bool SetButtonText(int ACol, int ARow, const String& Caption);
    String GetButtonText(int ACol, int ARow);
    void PushButton(int ACol, int ARow, bool Push);
    bool HasButton(int ACol, int ARow) {
        return HasCellGraphicType(ACol, ARow, CellTypeFlag(ctButton) | CellTypeFlag(ctBitButton));
    }
    bool RemoveButton(int ACol, int ARow);
    bool RemoveBitButton(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctBitButton); }
    void RemoveAllButtons();
    void AddBalloon(int ACol, int ARow, const String& Title, const String& Text, TBalloonIcon Icon);
    bool IsBalloon(int ACol, int ARow, String& Title, String& Text, TBalloonIcon& Icon);
    bool HasBalloon(int ACol, int ARow) { return HasCellGraphicType(ACol, ARow, CellTypeFlag(ctBalloon)); }
    void RemoveBalloon(int ACol, int ARow);
    void AddInterfacedCell(int ACol, int ARow, TObject* AObject);
    TObject* GetInterfacedCell(int ACol, int ARow);
    bool RemoveInterfacedCell(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctInterface); }
    void AddMarker(int ACol, int ARow, int ErrPos, int ErrLen);
    void GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen);
    void RemoveMarker(int ACol, int ARow);
    void RemoveAllMarkers();
    bool HasInCellControl(int ACol, int ARow);
    // The 11 x 11 expand button at the cell's top right; empty for another kind.
    TRect GetExpandButtonRect(int ACol, int ARow);
    // Display column. Where painting last put the cell's button; empty without a graphic.
    TRect GetCellButtonRect(int ACol, int ARow);
    // What sorting by image compares: the bitmap, the icon or the image index; -1 for other cells.
    qintptr GetCellImageRef(int ACol, int ARow);
    bool IsSortRow(int ACol, int ARow);
    // Keeps an automatic scroll bar's page and range fitted to the cell's text.
    void CellTextChanged(int ACol, int ARow) override;
    bool HasDataDrivenGraphic(int ACol, int ARow);

    // Check boxes, radio groups and radio buttons (QvGrid_Checks.cpp)
    // ----------------------------------------------------------------------------------------
    void AddCheckBox(int ACol, int ARow, bool State, bool Data);
    void AddCheckBox(int ACol, int ARow, TCheckBoxState State);
    void AddCheckBoxColumn(int ACol, bool DefaultState = false, bool DataCheckBox = false);
    void AddTriStateCheckBoxColumn(int ACol, TCheckBoxState State);
    void RemoveCheckBox(int ACol, int ARow);
    void RemoveCheckBoxColumn(int ACol);
    void AddRadioButton(int ACol, int ARow, bool State = false);
    void AddRadioButtonColumn(int ACol);
    void RemoveRadioButton(int ACol, int ARow);
    void RemoveRadioButtonColumn(int ACol);
    void AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, TStrings* sl);
    TStrings* CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio);
    bool RemoveRadio(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctRadio); }
    static TCheckBoxState BoolToCheckBoxState(bool bChecked) { return bChecked ? cbChecked : cbUnchecked; }
    bool HasCheckBox(int ACol, int ARow);
    bool HasDataCheckBox(int ACol, int ARow);
    bool IsRadio(int ACol, int ARow) { return HasCellGraphicType(ACol, ARow, CellTypeFlag(ctRadio)); }
    bool HasRadioButton(int ACol, int ARow) {
        return HasCellGraphicType(ACol, ARow, CellTypeFlag(ctRadioButton));
    }
    // The state operations take a real row, so that a hidden row's box (a collapsed node's rows) is
    // reached too; without hidden rows it is the display row. A data box's state is the text of that row.
    bool GetCheckBoxState(int ACol, int ARow, bool& State);
    bool GetCheckBoxState(int ACol, int ARow, TCheckBoxState& State);
    bool IsChecked(int ACol, int ARow);
    bool SetCheckBoxState(int ACol, int ARow, bool State);
    bool SetCheckBoxState(int ACol, int ARow, TCheckBoxState State);
    // Display row; fires OnCheckBoxChange when the state changes.
    bool ChangeCheckBoxState(int ACol, int ARow, bool State);
    void CheckAll(int ACol);
    void UnCheckAll(int ACol);
    bool ToggleCheckBox(int ACol, int ARow) { return ToggleCellCheckBox(ACol, ARow, false); }
    bool IsInCheckBox(int ACol, int ARow, int XPos, int YPos);
    bool IsRadioButtonChecked(int ACol, int ARow);
    bool SetRadioButtonState(int ACol, int ARow, bool State);
    void SetRadioButtonColumnIndex(int ACol, int Index);
    int GetRadioButtonColumnIndex(int ACol);
    bool GetRadioIdx(int ACol, int ARow, int& IdxRadio);
    // Only a radio group takes an index; any other cell answers false and keeps its graphic as it was.
    bool SetRadioIdx(int ACol, int ARow, int IdxRadio);
    TStrings* GetRadioStrings(int ACol, int ARow);
    void SelectNextRadioItem(int ACol, int ARow, bool EditCheck);
    // The undo component's way back to a check box state it recorded.
    void SetCellCheckState(int ACol, int ARow, int State) override;

private:
    // The graphic of the cell at a real row: a hidden row's from its saved copy, a shown row's as the grid
    // answers at its display row (the shared virtual and row boxes included).
    TCellGraphic* StateGraphic(int ACol, int ARow);

public:
    // Painting: visual properties and measurement (QvGrid_PaintVisual.cpp, QvGrid_PaintMeasure.cpp),
    // the cell pipeline (QvGrid_Paint.cpp, QvGrid_PaintText.cpp) and the cell graphic
    // (QvGrid_PaintGraphic.cpp). ACol of the visual properties is a display column.
    // ----------------------------------------------------------------------------------------
    void GetVisualProperties(int ACol, int ARow, bool Print, bool Select, bool Remap,
                             TCellLook& ALook) override;
    void GetFontProperties(int ADisplCol, int ARealCol, bool Map, TBrush* ABrush, TFont* AFont,
                           TGridDrawState AState, int ARow);
    // Real column.
    void GetCellAlignment(int ACol, int ARow, TAlignment& HA, TVAlignment& VA);
    // The selection colour over a cell of colour CellColor, by SelectionColorMixer.
    TColor SelectionMixColor(TColor CellColor);
    // Width (X) and height (Y) of the cell's contents; real column.
    TPoint GetCellTextSize(int ACol, int ARow, bool WithButton, bool AWordWrap);
    void DrawSortIndicator(TCanvas* ACanvas, int ACol, int Y, int X);
    // Whether the sort glyph belongs to the cell (real column) and is drawn.
    bool HasSortGlyph(int ACol, int ARow);
    void DrawCellContents(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect,
                          const TCellLook& ALook) override;
    void DrawColSizingLine(int X);
    void DrawRowSizingLine(int Y);
    // Changes the zoom factor by Step within -10..10 and every shown column and row with it.
    void Zoom(int Step);
    TNotifyEvent OnPainted;

    // Overrides of the base grid (QvGrid_Hooks.cpp)
    // ----------------------------------------------------------------------------------------
    bool IsFixed(int ACol, int ARow) override;
    bool HasNodes() override;
    // The node level of the row's column-0 properties times the node indent; 0 without nodes.
    int GetNodeIndent(int ARow) override;
    void GetCellDefaults(int ACol, int ARow, TFont* AFont, TBrush* ABrush, TColor& AColorTo,
                         TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA, TVAlignment& VA,
                         bool& WW, TCellGradientDirection& GD) override;
    bool IsVCLStyled() override { return false; }
    int TotalColCount() const override { return ColCount() + FNumHiddenColumns; }

    // Update counter, grid timer and window notifications (QvGrid_Update.cpp)
    // ----------------------------------------------------------------------------------------
    // Nested brackets on a visible grid: redraw is off from the first BeginUpdate until EndUpdate
    // brings the counter back to 0, which repaints once. Calls on a hidden grid do not count.
    void BeginUpdate();
    void EndUpdate();
    // Only the counter, for a few property changes that must not touch the window's redraw state.
    void StartUpdate() { ++FUpdateCount; }
    void ResetUpdate() { FUpdateCount = 0; }
    bool LockUpdate() const { return FUpdateCount != 0; }
    void SetLockUpdate(bool Value);
    void ResetFixedCellHighlight();
    bool IsHoverFixedCell(int ACol, int ARow);
    bool HasCustomBorders() override;
    TCanvas* FooterCanvas();
    bool GridBlink() const { return FGridBlink; }
    // The incremental search text and the timer ticks since its last character.
    String SearchInc() const { return FSearchInc; }
    void SetSearchInc(const String& Value) {
        FSearchInc = Value;
        FSearchTics = 0;
    }
    int SearchTics() const { return FSearchTics; }
    // The cell under the mouse while fixed cells hover (the mouse handling keeps it; painting reads it).
    TPoint HoverFixedCell() const { return FMouse.Hover.FixedCell; }
    void SetHoverFixedCell(TPoint Value) { FMouse.Hover.FixedCell = Value; }
    void SetInvokedChange(bool Value) { FInvokedChange = Value; }
    TMouseSelectMode MouseSelectMode() const { return FMouse.SelectMode; }
    void SetMouseSelectMode(TMouseSelectMode Value) { FMouse.SelectMode = Value; }

    // Keyboard (QvGrid_Keys.cpp: the grid's key messages; QvGrid_KeysTab.cpp: the Tab move and the
    // navigation helpers). Columns are display columns unless noted.
    // ----------------------------------------------------------------------------------------
    // Tab (Backward: Shift+Tab) to the next navigable cell; false when the focus went to the next control.
    bool AdvanceFromEditor(bool Backward);
    // Left at the start or Right at the end of an editor's text: the next display column of the row when
    // that cell holds an in-cell control, else -1 (the walk then goes on as Enter moves).
    int EditorWalkControlCol(bool Forward);
    // The walk out of an editor as Enter moves, left to right whatever direction is set; the editor of
    // the new cell opens when the navigation says so.
    void WalkFromEditor(bool Forward);
    bool IsNavigableCell(int ACol, int ARow);
    // -1 when the row has no navigable cell.
    int FirstNavigableCol(int ARow);
    int LastNavigableCol(int ARow);
    int FirstDataCol();
    int VisibleFixedRightCols();
    bool IsLastDataRow();
    void AutoAppendRow();
    void ClickCellForEdit(int ACol, int ARow);
    // Offers the current cell to the selection check again.
    void Select();
    // The key-down method: the toolkit's processing of the grid's keys and the keys the editors hand back.
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    // While set, the selection check accepts any cell.
    bool ForceSel() const { return FForceSel; }
    QChar StartEditChar() const { return FEdit.StartEditChar; }
    void SetStartEditChar(QChar Value) { FEdit.StartEditChar = Value; }

    // Cells and fonts (QvGrid_Hooks.cpp)
    // ----------------------------------------------------------------------------------------
    // The grid's Font for a cell without properties; else one kept font set from the properties.
    TFont* GetCellFont(int ACol, int ARow);
    bool IsNode(int ARow);
    bool IsSummary(int ARow);
    int GetParentRow(int ARow);
    int GetExpandHeight(int ACol, int ARow, bool Expanded);
    void ClearRows(int ARow, int ACount);
    void InsertNormalRow(int ARow);
    void InsertChildRow(int ARow, int InsertAt = 0);
    void RemoveNormalRow(int ARow);
    void RemoveChildRow(int ARow);
    // Nodes and expand buttons (data/QvGrid_Nodes.cpp). AddNode, RemoveNode, ExpandNode and ContractNode
    // take real rows, the queries display rows.
    bool HasExpand(int ACol, int ARow);
    void AddExpand(int ACol, int ARow, int ExpandedHeight);
    void RemoveExpand(int ACol, int ARow);
    bool ToggleExpand(int ACol, int ARow);
    bool GetExpandState(int ACol, int ARow);
    void AddNode(int ARow, int Span);
    void RemoveNode(int ARow);
    void RemoveAllNodes();
    int NumNodes() const { return FNumNodes; }
    int GetNodeLevel(int ARow);
    int GetNodeSpan(int ARow);
    void SetNodeSpan(int ARow, int Span);
    void UpdateNodeSpan(int ARow, int Delta);
    int GetSubNodeCount(int ARow);
    void UpdateSubNodeCount(int ARow, int Delta);
    // True when the node of the display row is contracted.
    bool NodeState(int ARow);
    void SetNodeState(int ARow, bool Contracted);
    void ExpandNode(int ARow);
    void ContractNode(int ARow);
    void ExpandAll();
    void ContractAll();
    int GetNodeSpanType(int ARow);
    bool IsOverNodeGlyph(int ARow, int X);
    int NumHiddenColumns() const { return FNumHiddenColumns; }
    int NumHiddenRows() const { return FGridItems->Count() + FFilterRows.HiddenRowCount(); }
    bool IsHiddenColumn(int ACol) const;
    int UpdateCount() const { return FUpdateCount; }
    bool SelectionChangedMark() const { return FSelectionChanged; }
    // Scrolling, sizing and zoom (QvGrid_Scroll.cpp). -1 stretches the last column; an index beyond the
    // columns raises.
    void StretchColumn(int ACol);
    void StretchRightColumn();
    // The stretch column the settings name, when it is one of the columns.
    void StretchSettingsColumn();
    // The user sized a column (row) that was OldSize before.
    void UserSizedColumn(int ACol, int OldSize);
    void UserSizedRow(int ARow, int OldSize);
    // Shows the bars ScrollBarAlways keeps, disabled while everything fits; with Hide and saNone, hides the
    // bars with nothing to scroll.
    void UpdateScrollBarAlways(bool Hide);
    void UpdateProportionalBars();
    // Makes or removes the slim bars and gives the window's bars their look, after ScrollType.
    void ApplyScrollType();
    void ApplyScrollBarLook();

    // Typed values, cell looks, headers, highlights, checks and fills (QvGrid_Cells.cpp)
    // Columns are real columns; rows are display rows except for the All... accessors.
    // ----------------------------------------------------------------------------------------
    int Ints(int ACol, int ARow);
    void SetInts(int ACol, int ARow, int Value);
    int AllInts(int ACol, int ARow);
    void SetAllInts(int ACol, int ARow, int Value);
    double Floats(int ACol, int ARow);
    void SetFloats(int ACol, int ARow, double Value);
    double AllFloats(int ACol, int ARow);
    void SetAllFloats(int ACol, int ARow, double Value);
    TDateTime Dates(int ACol, int ARow);
    void SetDates(int ACol, int ARow, TDateTime Value);
    TDateTime Times(int ACol, int ARow);
    void SetTimes(int ACol, int ARow, TDateTime Value);
    void SetAllCells(int ACol, int ARow, const String& Value);
    // As AllCells without the display hook; writing a hidden row's text beyond its saved texts does
    // nothing.
    String AllGridCells(int ACol, int ARow) const;
    void SetAllGridCells(int ACol, int ARow, const String& Value);
    // Real row: a hidden row's cells keep their properties in its saved copy. Nullptr for a cell without
    // properties unless Make gives it them.
    TCellProperties* AllCellProperties(int ACol, int ARow, bool Make = false);
    String StrippedCells(int ACol, int ARow);
    int LinesInCell(int ACol, int ARow);
    int AllColCount() const { return ColCount() + FNumHiddenColumns; }
    int AllRowCount() const { return RowCount() + NumHiddenRows(); }
    bool ShowNullDates() const { return FShowNullDates; }
    void SetShowNullDates(bool Value) { FShowNullDates = Value; }
    // The display text hook: after OnGetDisplText, with URLShowInText the first kind of link in the text
    // becomes an anchor to itself.
    void GetDisplText(int ACol, int ARow, String& Value) override;
    int PrintColWidth(int ACol) const;
    int PrintColOffset(int ACol) const;
    void SetPrintColMetrics(int ACol, int Width, int Offset);

    // Printing, preview and the printed cell (print/QvGrid_Print.cpp, print/QvGrid_PrintCell.cpp).
    // Print units are 0.1 mm, y upwards (positions on a page negative downwards). Column indexes of the
    // print ranges are display columns.
    // ----------------------------------------------------------------------------------------
    void Print();
    void PrintRect(const TGridRect& Gridrect);
    TGridRect PrintRect() const { return FPrintRect; }
    void PrintSelection();
    void PrintSelectedRows();
    void PrintSelectedCols();
    void PrintPreview(TCanvas* Canvas, const TRect& Displayrect);
    void PrintPreviewRect(TCanvas* Canvas, const TRect& Displayrect, const TGridRect& Gridrect);
    void PrintPreviewSelection(TCanvas* Canvas, const TRect& Displayrect);
    void PrintPreviewSelectedRows(TCanvas* Canvas, const TRect& Displayrect);
    void PrintPreviewSelectedCols(TCanvas* Canvas, const TRect& Displayrect);
    void PrintDraw(TCanvas* Canvas, const TRect& DrawRect);
    void PrintDrawRect(TCanvas* Canvas, const TRect& DrawRect, const TGridRect& Gridrect);
    // The layout engine behind all of them: the page count of the range in the given mode.
    int PrintPages(TCanvas* Canvas, TGridPrintMode Mode, bool SelectedOnly, int PageTotal);
    int MapFontHeight(int PointSize) const;
    int MapFontSize(int Height) const;
    // Real column.
    TPoint MeasurePrintCell(int ACol, int ARow);
    int PrintRowHeight(int ARow);
    int PrintCell(int Y, int FromCol, int ToCol, int ARow);
    int GetVertTextMargin() const;
    int GetHorzTextMargin() const;
    TRect GetRotatedTextRect(const TRect& Rect, int Angle, TAlignment HAlign, TVAlignment VAlign,
                             const String& Text);
    int MaxLinesInRow(int ARow);
    int MaxColumnTextLength(int ACol);
    void DrawDIBStretched(TCanvas* Canvas, const TRect& Rect, TGraphic* Bitmap);
    // Qt turns rotated text alike in both orientations.
    int PrinterLandscapeAngle() const { return 0; }
    QV_PLAIN_PROP(bool, FastPrint, false)
    QV_PLAIN_PROP(bool, PrinterDriverFix, false)

public:
    bool IsPrintPreview() const { return FIsPrintPreview; }
    int PrintNrOfPages() const { return FPrintNrOfPages; }
    int PrintColStart() const { return FPrintColStart; }
    int PrintColEnd() const { return FPrintColEnd; }
    int PrintPageWidth() const { return FPrintPageWidth; }
    TRect PrintPageRect() const { return FPrintPageRect; }
    TRect PrevRect() const { return FPrevRect; }
    double Fontscalefactor() const { return FFontscalefactor; }
    int PrintPageFrom() const { return FPrintPageFrom; }
    int PrintPageTo() const { return FPrintPageTo; }
    // Both ends of the page range the next preview draws.
    void SetPreviewPage(int Value) { FPrintPageFrom = FPrintPageTo = Value; }

    TColor Colors(int ACol, int ARow) const;
    void SetColors(int ACol, int ARow, TColor Value);
    TColor ColorsTo(int ACol, int ARow) const;
    void SetColorsTo(int ACol, int ARow, TColor Value);
    TColor FontColors(int ACol, int ARow) const;
    void SetFontColors(int ACol, int ARow, TColor Value);
    TFontStyles FontStyles(int ACol, int ARow) const;
    void SetFontStyles(int ACol, int ARow, TFontStyles Value);
    int FontSizes(int ACol, int ARow) const;
    void SetFontSizes(int ACol, int ARow, int Value);
    String FontNames(int ACol, int ARow) const;
    void SetFontNames(int ACol, int ARow, const String& Value);
    TAlignment Alignments(int ACol, int ARow) const;
    void SetAlignments(int ACol, int ARow, TAlignment Value);
    bool ReadOnly(int ACol, int ARow) const;
    void SetReadOnly(int ACol, int ARow, bool Value);
    TCellGradientDirection Gradients(int ACol, int ARow) const;
    void SetGradients(int ACol, int ARow, TCellGradientDirection Value);
    bool WordWraps(int ACol, int ARow);
    void SetWordWraps(int ACol, int ARow, bool Value);
    // Copies name, size, style and colour into the cell.
    void SetFonts(int ACol, int ARow, const TFont* Value);
    TControl* CellControls(int ACol, int ARow) const;
    // Places the control over the cell (the grid becomes its parent) or, with nullptr, takes the cell's
    // control out of the list; the control itself is never freed by the grid.
    void SetCellControls(int ACol, int ARow, TControl* Value);
    int NumCellControls() const { return FNumCellControls; }

    std::wstring WideCells(int ACol, int ARow);
    void SetWideCells(int ACol, int ARow, const std::wstring& Value);
    std::wstring AllWideCells(int ACol, int ARow);
    void SetAllWideCells(int ACol, int ARow, const std::wstring& Value);
    // Real row: a hidden row's cells keep their user objects in their saved properties.
    TObject* AllObjects(int ACol, int ARow);
    void SetAllObjects(int ACol, int ARow, TObject* Value);
    // The cells of the column that original column ACol has been moved to.
    String OriginalCells(int ACol, int ARow);
    String ControlValues(int ACol, int ARow, const String& ID);
    void SetControlValues(int ACol, int ARow, const String& ID, const String& Value);
    // Sorting (data/QvGrid_Sort.cpp). Columns are real columns, rows display rows. A sort is stable: rows
    // that tie on every compared column keep their order.
    // ----------------------------------------------------------------------------------------
    void Sort(int Column, TSortDirection Direction);
    void SortByColumn(int Col);
    // Rows Left .. Right by the column (and, with SortSettings.Full, the columns after it).
    void QuickSort(int Col, int Left, int Right);
    void QuickSortIndexed(int Left, int Right);
    // Swaps the two rows when they compare as the last sort ordered (ties go on to the next columns).
    bool SortLine(int Col, int ARow1, int ARow2);
    // The cross-reference starts again from the rows as they stand.
    void InitSortXRef();
    // Cell comparisons made by sorts.
    int Compares() const { return FCompares; }
    void SetCompares(int Value) { FCompares = Value; }

    // Rows through the sort cross-reference: the list's entry k is the row sorted to position k.
    TIntList* SortRowXRef() const { return FSortRowXRef.get(); }
    int SortedRowIndex(int ARow) const;
    int UnSortedRowIndex(int ARow) const;
    String UnSortedCells(int ACol, int ARow);

    // Display indexes; cells scrolled out of view are not repainted.
    void RepaintRow(int ARow);
    void RepaintCol(int ACol);
    // Repaints the whole grid when a corner of the range is out of view.
    void RepaintRect(const TRect& r);

    // Exchanges texts, properties and graphics of two cells; no repaint.
    void SwapCells(const TPoint& FromCell, const TPoint& ToCell);

    // Clearing a row's colour with clNone clears that one setting and keeps every other cell setting.
    void SetRowColor(int ARow, TColor Value);
    void SetRowColorTo(int ARow, TColor Value);
    void SetRowFontColor(int ARow, TColor Value);

    void ShowColumnHeaders();
    void ClearColumnHeaders();
    void ShowRowHeaders();
    void ClearRowHeaders();

    static String HilightText(bool DoCase, const String& S, const String& Text);
    static String UnHilightText(const String& S);
    static String MarkText(bool DoCase, const String& S, const String& Text);
    static String UnMarkText(const String& S);
    void HilightInCell(bool DoCase, int ACol, int ARow, const String& HiText);
    void UnHilightInCell(int ACol, int ARow);
    void MarkInCell(bool DoCase, int ACol, int ARow, const String& HiText);
    void UnMarkInCell(int ACol, int ARow);
    void HilightInCol(bool DoFixed, bool DoCase, int ACol, const String& HiText);
    void UnHilightInCol(bool DoFixed, int ACol);
    void MarkInCol(bool DoFixed, bool DoCase, int ACol, const String& HiText);
    void UnMarkInCol(bool DoFixed, int ACol);
    void HilightInRow(bool DoFixed, bool DoCase, int ARow, const String& HiText);
    void UnHilightInRow(bool DoFixed, int ARow);
    void MarkInRow(bool DoFixed, bool DoCase, int ARow, const String& HiText);
    void UnMarkInRow(bool DoFixed, int ARow);
    void HilightInGrid(bool DoFixed, bool DoCase, const String& HiText);
    void UnHilightInGrid(bool DoFixed);
    void MarkInGrid(bool DoFixed, bool DoCase, const String& HiText);
    void UnMarkInGrid(bool DoFixed);

    TQvStringGridCheck* CellChecker() const { return FCellChecker; }
    void SetCellChecker(TQvStringGridCheck* Value);
    bool CheckCell(int ACol, int ARow);
    bool CheckCells(int FromCol, int FromRow, int ToCol, int ToRow);
    bool CheckCol(bool DoFixed, int ACol);
    bool CheckRow(bool DoFixed, int ARow);
    bool CheckGrid(bool DoFixed);

    void TextFill(bool DoFixed, const String& Txt);
    // The format takes the column and the row; anything but integer placeholders is written as it stands.
    void FormatFill(bool DoFixed, const String& Fmt);
    void RandomFill(bool DoFixed, int Rnd);
    void LinearFill(bool DoFixed);
    void GotoCell(int ACol, int ARow);
    void FocusCell(int ACol, int ARow);
    // Display column. The cell becomes current with the selection's anchor, scrolled into view.
    void MoveCurrentCell(int ACol, int ARow);
    // Display column. Focuses the grid, makes the cell current and opens its editor.
    void EditCell(int ACol, int ARow);

    // In-place editing (QvGrid_Edit.cpp): whether a cell may be edited, which editor it gets, opening,
    // filling, storing and closing the editor, and announcing the end of an edit. Columns are real
    // columns unless noted; the toolkit's hooks take display columns.
    // ----------------------------------------------------------------------------------------
    bool IsEditable(int ACol, int ARow);
    void ShowInplaceEdit();
    void HideInplaceEdit();
    void DoneInplaceEdit(Word Key, TShiftState Shift);
    void ShowCellEdit();
    void HideCellEdit();
    // Display column. Opens (closes) the special editor of the current editor kind over the cell.
    void ShowEditorControl(int ACol, int ARow);
    void HideEditorControl(int ACol, int ARow);
    // Fires OnEditingDone and posts the done message, which fires OnEditCellDone later.
    void DoEditingDone(int ACol, int ARow);
    // Display column. The move after Enter, as the navigation options say.
    void AdvanceToNextCell(int ACol, int ARow, bool Force, bool AutoEdit, bool Forward, bool Again,
                           bool OpenEditor);
    bool EditorWantsSpecialKeys() const;
    TQvInplaceEdit* NormalEdit() const;
    // The special editors (QvGrid_EditControls.cpp), made on first use and kept for every cell of their
    // kind: the control of the kind's editor table entry, nullptr for a kind without one (or, without Make,
    // for one not made yet); the combo of list and editable combo cells, the spin of the spin cells.
    TWinControl* EditorControl(TEditorType Kind, bool Make = true);
    TGridCombo* Combobox();
    TGridCombo* UniCombo() { return Combobox(); }
    TGridSpin* SpinEdit();
    // The date and time cells' picker, the date-and-time cells' picker, the edit-button cells' edit, the
    // unit cells' edit and the button cells' button.
    TGridDatePicker* DateTimePicker();
    TGridDateTimePicker* DateAndTimePicker();
    TGridEditBtn* BtnEdit();
    TGridUnitEditBtn* BtnUnitEdit();
    TGridButton* Btn();
    // The drop-down editors, made on first use in the grid's style and tones.
    TGridTrackbarDropDown* TrackbarDropDown();
    TGridMemoDropDown* MemoDropDown();
    TGridCalculatorDropDown* CalculatorDropDown();
    TGridTimepickerDropDown* TimePickerDropDown();
    TGridDetailPickerDropDown* DetailPickerDropDown();
    TGridGridDropDown* GridDropDown();
    TGridColorDropDown* ColorPickerDropDown();
    TGridImageDropDown* ImagePickerDropDown();
    TGridQvGridDropDown* QvGridDropDown();
    // Links and controls of markup cells (input/QvGrid_Anchors.cpp): the editor over an EDIT, PASSWORD,
    // MASK or COMBO control (RealCol and the cell's display column ACol), its end writing the value into the
    // control's tag, the combo's choice, and Tab on to the cell's next such control. The editors are made
    // on first use.
    void ShowControlEdit(const String& Text, const String& CtrlType, int ARow, int RealCol, int ACol,
                         const TRect& CtrlRect, const String& CtrlVal, const String& CtrlID);
    void ControlEditDone(TObject* Sender);
    void ControlComboSelect(TObject* Sender);
    void EditNextCellControl();
    TControlEdit* ControlEdit();
    TControlCombo* ControlCombo();
    String CtrlID() const { return FCtrlID; }
    bool CtrlEditing() const { return FCtrlEditing; }
    // The hit test of a markup cell (display column) at a point, or of the control ControlID wherever it is.
    bool MarkupHitAt(int ACol, int ARow, int X, int Y, const String& ControlID, TMarkupOutput& Out);
    // Fixed cells edited in place (edit/QvGrid_FixedEdit.cpp; display column) and their two editors.
    void FixedCellEdit(int ACol, int ARow);
    TGridTransEdit* EditTrans();
    TGridTransCombo* ComboTrans();
    // The application's editor link for edCustom cells (not owned, let go when it is freed), and the link a
    // cell (real column) opens: the grid's, or a column's in the column grid.
    TEditLink* EditLink() const { return FEditLink; }
    void SetEditLink(TEditLink* Value);
    virtual TEditLink* CellEditLink(int ARealCol, int ARow);
    // The edit mask of a cell (real column), as the edit-button cells of the mask kind take it.
    String CellEditMask(int ARealCol, int ARow) { return GetEditMask(ARealCol, ARow); }
    String OriginalCellValue() const { return FEdit.CellCache; }
    bool EditActive() const { return FEdit.EditActive; }
    // The combo editor's item list, shared by every combo cell.
    TStringList* ComboItems() const { return FComboItems.get(); }
    void ClearComboString();
    void AddComboString(const String& S);
    void AddComboStringObject(const String& S, TObject* AObject);
    bool RemoveComboString(const String& S);
    bool SetComboSelectionString(const String& S);
    void SetComboSelection(int Index);
    void SetComboIndex(int ACol, int ARow, int Index);
    int GetComboIndex(int ACol, int ARow);
    int GetComboCount() const;
    const TCharSet& ValidCharSet() const { return FValidCharSet; }
    void SetValidCharSet(const TCharSet& Value) { FValidCharSet = Value; }
    // The text the validation settled on, and the cell text from before the edit (for the editors).
    String NewCellText() const { return FEdit.NewCellText; }
    String OldCellText() const { return FEdit.OldCellText; }
    void SetOldCellText(const String& Value) { FEdit.OldCellText = Value; }
    // The state of the edit under way, which the grid holds and hands to its editors.
    TGridEditSession& EditSession() { return FEdit; }
    const TGridEditSession& EditSession() const { return FEdit; }

    // Change tracking and validation (QvGrid_EditValidate.cpp)
    // ----------------------------------------------------------------------------------------
    void RegisterNotifier(TGridChangeNotifier* ANotifier);
    void UnRegisterNotifier(TGridChangeNotifier* ANotifier);
    // Keeps one selection listener, replacing any earlier one; unregistering drops whichever is registered.
    void RegisterSelListener(ITQvStringGridSelect* AListener) { FSelListener = AListener; }
    void UnRegisterSelListener(ITQvStringGridSelect* AListener) {
        (void)AListener;
        FSelListener = nullptr;
    }
    bool Modified() const { return FGridModified; }
    void SetModified(bool Value) { FGridModified = Value; }
    QV_PLAIN_PROP(bool, AlwaysValidate, false)

public:
    // Row, column and cell selection; modified and disabled rows (QvGrid_Select.cpp)
    // ----------------------------------------------------------------------------------------
    bool RowSelect(int ARow);
    void SetRowSelect(int ARow, bool Value);
    bool ColSelect(int ACol);
    void SetColSelect(int ACol, bool Value);
    void ClearRowSelect();
    void ClearColSelect();
    void SelectRows(int RowIndex, int RCount);
    void UnSelectRows(int RowIndex, int RCount);
    void SelectCols(int ColIndex, int CCount);
    void UnSelectCols(int ColIndex, int CCount);
    void SelectRange(int FromCol, int ToCol, int FromRow, int ToRow);
    void SelectCells(int FromCol, int FromRow, int ToCol, int ToRow);
    void SelectionToRowSelect(bool Unselect);
    void SelectionToColSelect(bool Unselect);
    bool SelectedCells(int ACol, int ARow);
    void SetSelectedCells(int ACol, int ARow, bool Value);
    TGridCoord SelectedCell(int Index);
    int SelectedCellsCount();
    void ClearSelectedCells();
    bool IsSelected(int ACol, int ARow);
    int RowSelectCount();
    int ColSelectCount();
    int SelectedRowCount();
    int SelectedColCount();
    int SelectedRow(int i);
    String SelectedText();
    TIntList* SelectedRows() const { return FSelectedRows.get(); }
    bool RowModified(int ARow) const;
    void SetRowModified(int ARow, bool Value);
    int ModifiedRowCount() const;
    void ClearModifiedRows();
    bool RowEnabled(int ARow) const;
    void SetRowEnabled(int ARow, bool Value);
    bool UseEnabledRows() const { return FUseEnabledRows; }

private:
    // Rows and columns entering or leaving the grid take their flags along (selection, modified,
    // disabled), so no flag stays behind on the row or column that moves into its place. Leaving is told
    // before the rows go (their real indexes are still known), entering after the rows are in.
    void RowFlagsLeaving(int ARow, int ACount);
    void RowFlagsEntered(int ARow, int ACount);
    // The display rows were rearranged (new row i is old row Order[i]): each flag goes with its row.
    void RowFlagsPermuted(const std::vector<int>& Order);
    void ColFlagsChanged(int ACol, int ACount, bool Entered);

public:
    // Rich-text cells (QvGrid_Rich.cpp): cells whose text is RTF, one character a byte.
    // ----------------------------------------------------------------------------------------
    // The hidden rich edit that measures, paints and flattens rich-text cells; made on first use.
    TQvRichEdit* RichEdit();
    TQvRichEdit* GetRichEdit() { return RichEdit(); }
    // The in-place editor of rich-text cells (the editor table's control of edRichEdit).
    TQvRichEdit* InplaceRichEdit();
    // Real column. An empty cell empties the rich edit.
    void CellToRich(int ACol, int ARow, TRichEdit* ARichEdit);
    void RichToCell(int ACol, int ARow, TRichEdit* ARichEdit);
    // The rich edit's content as RTF cell text; empty while the grid is being destroyed.
    String RichToString(TRichEdit* ARichEdit);
    // The text of a rich-text cell value without its formats.
    String RichCellPlainText(const String& Value);
    // Display column. Paints the cell's rich text into the rectangle, inset by XYOffset; a selected cell
    // shows its text in SelectionTextColor unless SelectionRTFKeep is set.
    void DrawRichTextCell(int ACol, int ARow, const TRect& ARect, TCanvas* ACanvas);
    // Hidden rows and columns, real and display indexes, moving (QvGrid_Hidden.cpp). Columns: the
    // store keeps every column in real order and any column can be hidden. Rows: a hidden row leaves
    // the display for the hidden-row store, which stays in ascending real order.
    // ----------------------------------------------------------------------------------------
    int DisplColIndex(int ACol) override;
    int RealColIndex(int ACol) const;
    int RealCol() const { return RealColIndex(Col()); }
    void HideColumn(int ACol) { HideColumns(ACol, ACol); }
    void HideColumns(int FromCol, int ToCol);
    void UnHideColumn(int ACol) { UnHideColumns(ACol, ACol); }
    void UnHideColumns(int FromCol, int ToCol);
    void UnHideColumnsAll() { UnHideColumns(0, TotalColCount() - 1); }
    // Width of a real column: as shown, or the width it had when it was hidden (and will have when shown).
    int AllColWidths(int ACol) const;
    void SetAllColWidths(int ACol, int Value);
    int RealRowIndex(int ARow) const;
    int DisplRowIndex(int ARow) const;
    int RealRow() const { return RealRowIndex(Row()); }
    // The current row as a real row, and moving to a real row (QvGrid_RowEx.cpp; minimal until the
    // grid data operations bring theirs).
    int GetRowEx() const;
    void SetRowEx(int ARow);
    int TotalRowCount() const { return RowCount() + NumHiddenRows(); }
    bool IsHiddenRow(int ARow) const;
    void HideRow(int ARow) { HideRows(ARow, ARow); }
    void HideRows(int FromRow, int ToRow);
    void HideRowsEx(int FromRow, int ToRow);
    void UnHideRow(int ARow);
    void UnHideRows(int FromRow, int ToRow);
    void UnHideRowsAll();
    // One filter level: hides the display rows of the list (ascending, each once; others are dropped) in one
    // pass. Levels keep their rows apart from the other hiding, so real indexes keep their meaning; a list
    // naming every row leaves the last of them shown.
    void HideRowList(const TIntList* RowList);
    // Shows the rows of the last filter level again in their places (the caller lowers the filter level).
    void UnHideRowList();
    int FilterLevelCount() const { return FFilterRows.Count(); }
    // Filtering (data/QvGrid_Filter.cpp). The levels ApplyFilter, NarrowDown and the filter drop-downs
    // applied and not yet undone.
    int FilterLevel() const { return FFilterLevel; }
    // Hides display row ARow when it fails the filter.
    void FilterRow(int ARow);
    // The rows failing the filter as one new level.
    void ApplyFilter();
    // Undoes the top level; true while two or more levels remain.
    bool RemoveLastFilter();
    // Undoes every level; without one, clears the conditions.
    void RemoveAllFilters();
    // The filter of typed text: one level more for a character more, one less for a character less, else
    // all levels undone and the text applied afresh. Column -1 searches whole rows.
    void NarrowDown(const String& ACondition, int AColumn);
    bool FilterActive() const { return FFilterActive; }
    void SetFilterActive(bool Value);
    // Search (data/QvGrid_Search.cpp). Cells are display columns and rows, real ones with
    // fnIncludeHiddenColumns and fnIncludeHiddenRows; a start of (-1, -1) begins with the walk's first cell,
    // and (-1, -1) answers that nothing was found.
    TPoint Find(const TPoint& StartCell, const String& s, TFindParameters FindParams);
    TPoint FindWide(const TPoint& StartCell, const String& s, TFindParameters FindParams);
    TPoint FindFirst(const String& s, TFindParameters FindParams);
    TPoint FindNext();
    // Replaces OrigStr by NewStr in every cell the search finds, each once; answers the cells changed.
    int Replace(const String& OrigStr, const String& NewStr, TFindParameters FindParams);
    // The keyboard lookup: the first row whose text in the sorted column starts with s (upper case), or -1.
    int Search(const String& s);
    TPoint SearchCell() const { return FSearchCell; }
    void SetSearchCell(const TPoint& Value) { FSearchCell = Value; }
    bool FindBusy() const { return FFindBusy; }
    QV_PLAIN_PROP(int, FindCol, 0)
    QV_PLAIN_PROP(int, FindRow, 0)

public:
    // Text by real column and real row as the grid shows it (display hook, merged cells); hidden rows read
    // from their stored copy.
    String AllCells(int ACol, int ARow);
    // AllGridCells (Shown: AllCells) seen without a copy where a displayed row shows its stored text as it
    // stands; false where the text must be read (hidden row, merged area, display hooks).
    bool PeekAllCells(int ACol, int ARow, bool Shown, char16_t* Scratch, QStringView& Value) const;
    void MoveColumn(int FromIndex, int ToIndex);
    void MoveRow(int FromIndex, int ToIndex);
    void MoveRows(int FromIndex, int ToIndex, int Count);
    // Rearranges the display rows in one pass, as the data helpers do: display row i becomes what display
    // row Order[i] was, with its cells, properties, height and row flags; hidden rows keep their places.
    void RearrangeRows(const std::vector<int>& Order);
    void SetColumnOrder();
    void ResetColumnOrder();
    // Puts the columns into Order (the column order list's form: the original column at each position).
    void ArrangeColumns(const std::vector<int>& Order);
    void ReadXLS(const String& FileName, const String* SheetName);
    void WriteXLS(const String& FileName, const String* SheetName, bool CreateNew);
    void WriteDOC(const String& FileName, const String& Bookmark, bool Append, bool CreateNewDocument);
    int ColumnPosition(int ACol) const;
    int ColumnAtPosition(int APos);
    int ColumnByHeader(const String& AValue);
    bool IsIgnoredColumn(int ACol) const;
    TGridRect UsedCells() { return GetUsedCells(); }
    void ScrollInView(int ACol, int ARow);
    void HideSelection();
    void UnHideSelection();
    bool SelectionHidden() const { return FSelHidden; }
    // The columns and rows the exchange formats write.
    void SetSaveFixedCells(bool Value) { FSaveFixedCells = Value; }
    void SetSaveFixedRows(bool Value) { FSaveFixedRows = Value; }
    void SetSaveFixedCols(bool Value) { FSaveFixedCols = Value; }
    int SaveStartCol() const;
    int SaveStartRow() const;
    int SaveEndCol() const;
    int SaveEndRow() const;
    int SaveColCount() const { return SaveEndCol() - SaveStartCol() + 1; }
    int SaveRowCount() const { return SaveEndRow() - SaveStartRow() + 1; }
    // Delimited, fixed-width and aligned text (exchange/QvGrid_TextFiles.cpp). A save replaces its file only
    // with a whole new one, else raises EQvGridError and leaves it as it was; a load that refuses its file
    // changes nothing.
    void SaveToCSV(const String& FileName, bool Unicode = true);
    // The file must exist; its lines stay in front of the grid's.
    void AppendToCSV(const String& FileName, bool Unicode = true);
    // MaxRows <= 0 reads every record; an empty file changes nothing.
    void LoadFromCSV(const String& FileName, int MaxRows = -1);
    void InsertFromCSV(const String& FileName, int MaxRows = -1);
    void LoadFromCSVStream(TStream& AStream, int MaxRows = -1);
    // Positions: one width per save column; missing widths are appended.
    void SaveToFixed(const String& FileName, TIntList* Positions);
    // Positions: 1-based field starts and the end of the last field, sorted in place.
    void LoadFromFixed(const String& FileName, TIntList* Positions, bool DoTrim = true, int MaxRows = -1);
    void SaveToASCII(const String& FileName, bool Unicode = true);
    // Starts a new file when there is none.
    void AppendToASCII(const String& FileName, bool Unicode = true);
    // HTML and XML (exchange/QvGrid_HtmlXml.cpp). Show (or the HTML settings' AutoPreview) opens the written
    // page with the desktop's program.
    void SaveToHTML(const String& FileName, bool Show = false, bool Unicode = true);
    void AppendToHTML(const String& FileName, bool Show = false, bool Unicode = true);
    // Pictures go below Dir ("" exports none).
    String SaveToHTMLString(const String& Dir);
    void SaveToXML(const String& FileName, const String& ListDescr, const String& RecordDescr,
                   const TStrings* FieldDescr, bool ExportEmptyCells = false);
    void LoadFromXML(const String& FileName, bool LevelToRow = false, bool LoadFieldDescr = false);
    // The text file also writes the hidden columns, after the shown ones.
    void SetSaveHiddenCells(bool Value) { FSaveHiddenCells = Value; }
    // Workbooks (exchange/QvGrid_Spreadsheets.cpp): .xlsx read and written (old .xls neither). A file
    // that does not read raises EQvGridError "Incorrect XLS file" and changes nothing; a save keeps the
    // workbook's other sheets and cells, replaces the file whole, and raises EQvGridError when it fails
    // (also for a name ending in ".xls").
    std::unique_ptr<TStringList> GetXLSSheets(const String& FileName);
    void LoadFromXLS(const String& FileName);
    // EQvGridError "Excel worksheet <name> not found" when the file has no such sheet.
    void LoadFromXLSSheet(const String& FileName, const String& SheetName);
    // CreateNewSheet off writes into the active sheet of an existing workbook.
    void SaveToXLS(const String& FileName, bool CreateNewSheet = true);
    void SaveToXLSSheet(const String& FileName, const String& SheetName);
    // Documents (exchange/QvGrid_Documents.cpp): the grid as a .docx table, every shown cell with its
    // alignment, after a paragraph with the grid's text at the document's start. CreateNewDocument off
    // writes into the file when it exists (the table at its start); the rest of a document written into
    // stays. A save replaces the file whole and raises EQvGridError when it fails (also for ".doc").
    void SaveToDOC(const String& FileName, bool CreateNewDocument = true);
    // The file must exist; the table goes where the bookmark starts, or at the end without it.
    void AppendToDoc(const String& FileName, const String& Bookmark);
    // Database queries (exchange/QvGrid_Database.cpp) on an SQLite file, opened read-only: the field names
    // in the last fixed row, the records below the fixed rows. The database's refusals raise
    // EDatabaseError with its reason; a result too large for the grid raises EQvGridError; both change
    // nothing.
    void LoadFromMDBTable(const String& FileName, const String& Table);
    void LoadFromMDBSQL(const String& FileName, const String& SQL);
    // Settings kept outside the grid (exchange/QvGrid_StoredSettings.cpp). Every reader checks its input
    // whole before it changes anything: a damaged one raises and leaves the grid as it was.
    String ColumnStatesToString();
    // A text without "#" changes nothing; EConvertError or EListError for a damaged one.
    void StringToColumnStates(const String& Value);
    // In the ColumnSize store (an INI file or the current user's registry key); nothing without a key and
    // a section. Stored widths or positions out of range are passed over.
    void SaveColSizes();
    void LoadColSizes();
    // "Cannot Create <file>" / "Cannot open file <file>"; EConvertError for a bad value.
    void SaveVisualProps(const String& FileName);
    void LoadVisualProps(const String& FileName);
    // Key is the INI file; loading writes nothing.
    void SavePrintSettings(const String& Key, const String& Section);
    void LoadPrintSettings(const String& Key, const String& Section);

    // Native cell formats (exchange/QvGrid_NativeFiles.cpp): the text file, the UTF-16 stream and the binary
    // cell stream (exchange/GridTextFile.h, GridTextStream.h, GridBinaryStream.h). A load that does not read
    // changes nothing and raises EQvGridError; a save that fails leaves the old file whole and raises
    // EQvGridError with the system's reason.
    // ----------------------------------------------------------------------------------------
    void SaveToFile(const String& FileName, bool Unicode = false);
    void LoadFromFile(const String& FileName);
    void SaveToStream(TStream* Stream);
    // Reads up to the first line that is not the grid's and leaves the stream there.
    void LoadFromStream(TStream* Stream);
    void SaveToBinFile(const String& FileName);
    void SaveToBinStream(TStream* Stream);
    // Display columns and rows, edges included.
    void SaveRectToBinStream(const TGridRect& Rect, TStream* Stream);
    void LoadFromBinFile(const String& FileName);
    void LoadFromBinStream(TStream* Stream);
    // A block lands with its first cell at (column, row); cells beyond the grid are left out.
    void LoadAtPointFromBinStream(const TPoint& Point, TStream* Stream);
    // Real column. 0 for an empty cell; EQvGridError naming the position for a text that is no number.
    double CellToReal(int ACol, int ARow);
    // The grid in the cell data it writes, unique among the grids of every running program.
    quint64 ExchangeId() const { return FExchangeId; }

    // Clipboard (exchange/QvGrid_Clipboard.cpp, exchange/QvGrid_Paste.cpp): plain text, the cells with their
    // looks as "TQvStringGrid Cells", the rich text of a cell, and HTML. Columns and rows are display ones.
    // ----------------------------------------------------------------------------------------
    void CopySelectionToClipboard();
    void CutSelectionToClipboard();
    void PasteSelectionFromClipboard();
    void CopyToClipBoard();
    void CutToClipboard();
    void PasteFromClipboard();
    void CopyToClipBoardAsHTML();
    String GetSelectionAsText();
    void SetSelectionAsText(const String& Value);
    void CopyRectToClipboard(const TGridRect& Rect, bool Disjunct);
    String SelectionToText(const TGridRect& Rect, bool Disjunct);
    void ExpandSelectionToMerged();
    // Pastes what the clipboard holds at the cell; answers the cells it went through.
    int PasteFromFormats(int ACol, int ARow, int& Lines, int& Fields);
    // The text parser the clipboard and drops share: answers the fields it went through.
    int PasteTextAt(int ACol, int ARow, int& Lines, int& Fields, const String& Text);
    static void GetTextBlockSize(const String& Text, int& Cols, int& Rows);
    TClipOperation ClipLastOp() const { return FClipLastOp; }

    // Drag and drop (exchange/QvGrid_DragDrop.cpp, exchange/GridDragDrop.h): with OleDropSource a press
    // dragged more than 3 pixels drags the selection's text and cells, or from a fixed row with
    // OleColumnDragDrop its column; with OleDropTarget the grid takes drops. A column list that lets its
    // hidden column AIndex (real column ACol) be dragged onto the grid says so here; the drop shows it again
    // there and takes the item out of the list.
    void OleColumnDragStart(int ACol, int AIndex, TListBox* AList);

private:
    friend class TGridDropTarget;
    // A press inside a selection of several cells keeps it for a drag; the release selects the cell.
    bool PressInsideDragSelection(const PressEvent& P);
    // The mouse step that turns a press into a drag; true when a drag ran.
    bool StartOleDrag(const MoveEvent& M, TShiftState Shift);
    TClipData OleDragData(int ACol, int ARow, const String& Text);
    // A moved text drag takes its rows or cells away from here.
    void RemoveDraggedSource();
    // The picture a drag shows under the mouse.
    void SnapshotRect(const TGridRect& ARect, TBitmap& Picture);
    // The selection a text drag started with; a drop above it in the same grid moves it down.
    TGridRect FDropSelection{0, 0, -1, -1};
    int FOleDragCol = -1;
    int FOleDragIndex = -1;
    TListBox* FOleDragList = nullptr;

    // What the clipboard takes of a rectangle, and the binary block of one (exchange/QvGrid_Clipboard.cpp).
    TClipData ClipDataOfRect(const TGridRect& Rect, bool Disjunct);
    QByteArray BinaryBlockOf(const TGridRect& Rect);
    // Writes a read block with its first cell at At; answers the display rectangle written.
    // Paste: only cells the paste may write, each recorded for undo.
    TGridRect ApplyBinaryBlock(GridBlock& Block, const TPoint& At, bool Paste);
    // The paste under way (exchange/QvGrid_Paste.cpp): from the clipboard, or from the selection handle's
    // buffer, which writes every cell that is neither read-only nor fixed and always fills in series.
    void PasteSelection(const TClipData& Data, bool Smart);
    GridPasteResult PasteData(const TClipData& Data, int ACol, int ARow);
    GridPasteResult PasteBlockAt(const QByteArray& Bytes, int ACol, int ARow);
    void SmartPaste(const GridPasteResult& Pasted, const TClipData& Data);
    void FillSelectionWith(const String& Value);
    void FillSeries(const GridPasteResult& Pasted);
    bool PasteAllowed() const;
    bool PasteMayWrite(int ACol, int ARow);
    // Fires the paste events around the write; false when the application refused the cell.
    bool PasteCell(int ACol, int ARow, String Value);
    // Grows the grid so that the cell is inside it, within the paste limits; false when it may not.
    bool GrowForPaste(int ACol, int ARow, bool Cols, bool Rows);
    // A whole paste or cut is one undo step, however many writes it makes.
    class PasteUndoStep {
    public:
        explicit PasteUndoStep(TQvStringGrid& Grid);
        ~PasteUndoStep();
        PasteUndoStep(const PasteUndoStep&) = delete;
        PasteUndoStep& operator=(const PasteUndoStep&) = delete;

    private:
        TQvStringGrid& FGrid;
    };
    bool FPasteFromHandle = false;
    // While a block is repeated over the selection, writes stay inside it.
    TGridRect FPasteClip{0, 0, -1, -1};
    int FPasteUndoDepth = 0;

protected:
    void ColumnMoved(int FromIndex, int ToIndex) override;

private:
    // Frees the cell properties the hidden-row store holds and empties it.
    void DiscardHiddenRows();
    // Copies the hidden-row map's indexes into the store's items after a renumbering.
    void SyncHiddenRowItems();
    // The display rows at the ascending positions leave the grid, each moved once and by pointer, their
    // saved rows handed to Taken in order before the row count changes (the caller files them there, so
    // the indexes are in step for what the size change notifies); one pass, no index renumbered.
    void TakeDisplayRows(const std::vector<int>& Rows,
                         const std::function<void(std::vector<TGridItem>)>& Taken);
    // Empty rows enter so that they stand at the ascending positions; one pass, no index renumbered.
    void OpenDisplayRows(const std::vector<int>& Rows);
    // Files rows HideRows took, in ascending real order, into the hidden-row store and its map.
    void FileHiddenRows(std::vector<std::unique_ptr<TGridItem>> Taken);
    // Shows the items AFrom .. ATo - 1 of the hidden-row store again.
    void RestoreHiddenRows(int AFrom, int ATo);
    // Puts a saved row into the empty display row ARow and frees nothing: the objects move into the cells.
    void PutDisplayRow(int ARow, TGridItem* AItem);
    // The saved rows of both stores, for the operations that change every row's columns.
    std::vector<TGridItem*> AllHiddenRowItems() const;
    // Frees a cell-properties object that no cell holds any more.
    static void DiscardCellProps(TObject* Props);

public:
    // Row and column operations, calculations, numbering (QvGrid_RowsCols.cpp). Row ranges of -1
    // mean every normal row; a ToRow at or beyond RowCount reads real rows, hidden ones included.
    // ----------------------------------------------------------------------------------------
    double ColumnSum(int ACol, int FromRow, int ToRow);
    double ColumnAvg(int ACol, int FromRow, int ToRow);
    double ColumnMin(int ACol, int FromRow, int ToRow);
    double ColumnMax(int ACol, int FromRow, int ToRow);
    double ColumnStdDev(int ACol, int FromRow, int ToRow);
    int ColumnDistinct(int ACol, int FromRow, int ToRow);
    // OnColumnCalc's answer (0 without a handler); the range goes to the handler as given.
    double ColumnCustomCalc(int ACol, int FromRow, int ToRow);
    double RowSum(int ARow, int FromCol, int ToCol);
    double RowAvg(int ARow, int FromCol, int ToCol);
    double RowMin(int ARow, int FromCol, int ToCol);
    double RowMax(int ARow, int FromCol, int ToCol);
    void SwapColumns(int ACol1, int ACol2);
    void SwapRows(int ARow1, int ARow2);
    void AddRow();
    void AddColumn() { InsertCols(ColCount(), 1); }
    void ClearCols(int ACol, int ACount);
    void ClearNormalRows(int ARow, int ACount);
    void ClearNormalCols(int ACol, int ACount);
    // Every cell of the store, hidden columns included; the incremental search starts afresh.
    void Clear();
    // Empties the stored cells of every hidden row as well.
    void ClearAll();
    // The normal cells, hidden columns included.
    void ClearNormalCells();
    // The selected rows or columns of a disjunct selection, else the selection rectangle.
    void ClearSelection();
    // Clearing keeps each cell's properties (looks, graphic) and empties only its text.
    bool ClearTextOnly() const { return FClearTextOnly; }
    void SetClearTextOnly(bool Value) { FClearTextOnly = Value; }
    // The cell's text as shown is in the grid's wide-text form.
    bool IsWideCell(int ACol, int ARow);
    void TrimColumn(int ACol) { TrimRect(ACol, 0, ACol, RowCount() - 1); }
    void TrimRow(int ARow) { TrimRect(0, ARow, TotalColCount() - 1, ARow); }
    void TrimAll() { TrimRect(0, 0, TotalColCount() - 1, RowCount() - 1); }
    // Removes each normal row whose text in the column was seen in a row above it.
    void RemoveDuplicates(int ACol, bool DoCase);
    bool IsCell(const String& SubStr, int& ACol, int& ARow);
    void MergeCols(int ACol1, int ACol2, const String& Separator);
    // Merges runs of equal texts; without MainMerge only inside the merge areas of other columns.
    void MergeColumnCells(int ColIndex, bool MainMerge);
    void MergeRowCells(int RowIndex, bool MainMerge);
    void SplitColumnCells(int ColIndex);
    void SplitRowCells(int RowIndex);
    void SplitAllCells();
    void RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked);
    void RemoveSelectedRows();
    void RemoveUnSelectedRows();
    void HideSelectedRows();
    void HideUnSelectedRows();
    void RemoveSelectedCols();
    void RemoveUnSelectedCols();
    void ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor);
    void AutoNumberCol(int ACol);
    void AutoNumberRow(int ARow);
    QV_PLAIN_PROP(int, AutoNumberStart, 0)
    QV_PLAIN_PROP(int, AutoNumberOffset, 0)
    QV_PLAIN_PROP(TSortDirection, AutoNumberDirection, sdAscending)

private:
    // The number a calculation takes from a cell (real column; display row, or real row with RealRow);
    // false for a cell without one or under another cell's merge area.
    bool CalcCellValue(int ACol, int ARow, bool RealRow, double& Value);
    double ColumnExtreme(int ACol, int FromRow, int ToRow, bool Max);
    double RowExtreme(int ARow, int FromCol, int ToCol, bool Max);

public:
    // Auto-size (QvGrid_AutoSize.cpp)
    // ----------------------------------------------------------------------------------------
    void AutoSizeCol(int ACol, int Padding = 0);
    void AutoSizeColumns(bool DoFixedCols, int Padding = 0);
    void AutoFitColumns(bool DoFixedCells);
    void AutoSizeRow(int ARow, int Padding = 0);
    void AutoSizeRows(bool DoFixedRows, int Padding = 0);
    void SetRowHeightForLines(int ARow, int Lines, int Padding);
    void AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY);
    // Client width (height) to the sum of all column widths (row heights); both without scroll bars.
    void SizeToCols();
    void SizeToRows();
    void SizeToCells();
    int MinRowHeight() const { return FMinRowHeight; }
    void SetMinRowHeight(int Value) { FMinRowHeight = Value; }
    int MaxRowHeight() const { return FMaxRowHeight; }
    void SetMaxRowHeight(int Value) { FMaxRowHeight = Value; }
    bool SizeGrowOnly() const { return FSizeGrowOnly; }
    void SetSizeGrowOnly(bool Value) { FSizeGrowOnly = Value; }
    int MinColWidth() const { return FMinColWidth; }
    void SetMinColWidth(int Value) { FMinColWidth = Value; }
    int MaxColWidth() const { return FMaxColWidth; }
    void SetMaxColWidth(int Value) { FMaxColWidth = Value; }

    // Counts and geometry (QvGrid_Properties.cpp)
    // ----------------------------------------------------------------------------------------
    int RowCount() const { return TCustomGrid::RowCount(); }
    void SetRowCount(int Value);
    int ColCount() const { return TCustomGrid::ColCount(); }
    void SetColCount(int Value);
    int FixedRows() const;
    void SetFixedRows(int Value);
    int FixedCols() const;
    void SetFixedCols(int Value);
    int DefaultRowHeight() const { return FDefaultRowHeight; }
    void SetDefaultRowHeight(int Value);
    int FixedRowHeight() const { return FFixedRowHeight; }
    void SetFixedRowHeight(int Value);
    int FixedColWidth() const { return ColWidths(0); }
    void SetFixedColWidth(int Value);
    int FixedFooters() const { return FFixedFooters; }
    void SetFixedFooters(int Value);
    int FixedRightCols() const { return FFixedRightCols; }
    void SetFixedRightCols(int Value);
    bool FixedRowAlways() const { return FFixedRowAlways; }
    void SetFixedRowAlways(bool Value) { FFixedRowAlways = Value; }
    bool FixedColAlways() const { return FFixedColAlways; }
    void SetFixedColAlways(bool Value) { FFixedColAlways = Value; }
    int FixedRowsMin() const { return FFixedRowsMin; }
    int FixedColsMin() const { return FFixedColsMin; }
    int MaxRowCount() const { return FMaxRowCount; }
    int MaxColCount() const { return FMaxColCount; }
    void SetCol(int ACol) override;
    // Moves the current row; OnRowChanged fires only when the row differs from the one last reported.
    void SetRow(int ARow) override;
    TGridRect Selection() const { return TCustomGrid::Selection(); }
    void SetSelection(const TGridRect& Value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    TPoint XYOffset() const { return FXYOffset; }
    void SetXYOffset(TPoint Value);
    void UpdateXYOffset(TPoint Value) { FXYOffset = Value; }
    int ZoomFactor() const { return FZoomFactor; }

    // Look (QvGrid_Properties.cpp)
    // ----------------------------------------------------------------------------------------
    TFixedGradientColors& FixedGradientColors() { return FFixedGradient; }
    void SetFixedGradientFrom(TColor Value);
    void SetFixedGradientTo(TColor Value);
    void SetFixedGradientMirrorFrom(TColor Value);
    void SetFixedGradientMirrorTo(TColor Value);
    bool WordWrap() const { return TBaseGrid::WordWrap(); }
    void SetWordWrap(bool Value);
    TVAlignment VAlignment() const { return FVAlignment; }
    void SetVAlignment(TVAlignment Value);
    unsigned VAlignmentTextFlag() const { return FVAlignmentFlag; }
    int SelectionColorMixerFactor() const { return FSelectionColorMixerFactor; }
    void SetSelectionColorMixerFactor(int Value);
    bool ShowSelection() const { return FShowSelection; }
    void SetShowSelection(bool Value);
    TColor HighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(TColor Value);
    TColor HighlightTextColor() const { return FHighlightTextColor; }
    void SetHighlightTextColor(TColor Value);
    bool Hovering() const { return FHovering; }
    void SetHovering(bool Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    TScrollBarAlways ScrollBarAlways() const { return FScrollBarAlways; }
    void SetScrollBarAlways(TScrollBarAlways Value);
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool Value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value) override;
    int MaxEditLength() const { return FMaxEditLength; }
    void SetMaxEditLength(int Value);
    bool SpreadSheet() const { return FSpreadSheet; }
    void SetSpreadSheet(bool Value);

    // Looks, style presets, tones and the check and radio glyphs (QvGrid_Look.cpp, QvGrid_LookGlyphs.cpp)
    // ----------------------------------------------------------------------------------------
    TGridLook Look() const { return FLook; }
    void SetLook(TGridLook Value);
    TQvStyle ComponentStyle() const { return FStyle; }
    void SetComponentStyle(TQvStyle AStyle) override;
    void SetColorTones(const TColorTones& ATones) override;
    const TColorTones& Tones() const { return FTones; }
    // Writes the fixed-cell colours of a colour scheme; no repaint.
    void SetTheme(TXPColorScheme AScheme);
    // Follows the desktop's office colour theme when it changed since the last call.
    void ThemeAdapt();
    TOfficeTheme OldOfficeTheme() const { return FOldOfficeTheme; }
    // The glyph settings of the control look, with the themed style only where a theme draws.
    TGlyphLook GlyphLook() const;
    // TriState: the check box has three states and TriStateValue (0, 1, 2) decides over Checked.
    void DrawCheckBox(TCanvas* ACanvas, const TRect& R, bool Checked, int TriStateValue, bool TriState,
                      TControlStyle Style, bool Grayed, bool Enabled);
    // A radio group: Count items of Items (one below the other unless Horizontal, upwards with
    // StackUp), item SelIndex on (-1: the item whose text is the cell text).
    void DrawRadioButton(TCanvas* ACanvas, const TRect& R, bool StackUp, double Scale, TControlStyle Style,
                         int ACol, int ARow, bool SelectedCell, const TStrings* Items, bool Disabled,
                         bool Horizontal, int SelIndex, int Count);

    // Cell graphic painting (QvGrid_PaintGraphic.cpp); real column, display row
    // ----------------------------------------------------------------------------------------
    virtual TCellGraphicInfo GetCellGraphicInfo(int ACol, int ARow);
    // Draws the cell's graphic after its text; R may be changed and is handed back.
    virtual void DrawCellGraphics(const TCellGraphicPass& Pass, TRect& R, TCellGraphic* Graphic);

    // Settings objects; a setter copies the given object (QvGrid_Properties.cpp)
    // ----------------------------------------------------------------------------------------
    TFont* ActiveCellFont() const { return FActiveCellFont.get(); }
    void SetActiveCellFont(const TFont* Value);
    TFont* FixedFont() const { return FFixedFont.get(); }
    void SetFixedFont(const TFont* Value);
    TBackGround* BackGround() const { return FBackGround.get(); }
    void SetBackGround(const TBackGround* Value);
    TShowModified* ShowModified() const { return FShowModified.get(); }
    void SetShowModified(const TShowModified* Value) { FShowModified->Assign(Value); }
    TBalloonSettings* Balloon() const { return FBalloon.get(); }
    void SetBalloon(const TBalloonSettings* Value) { FBalloon->Assign(Value); }
    TGridProgressAppearance* ProgressAppearance() const { return FProgressAppearance.get(); }
    void SetProgressAppearance(const TGridProgressAppearance* Value) { FProgressAppearance->Assign(Value); }
    TSortSettings* SortSettings() const { return FSortSettings.get(); }
    void SetSortSettings(const TSortSettings* Value) { FSortSettings->Assign(Value); }
    TDragScrollOptions* DragScrollOptions() const { return FDragScrollOptions.get(); }
    void SetDragScrollOptions(const TDragScrollOptions* Value) { FDragScrollOptions->Assign(Value); }
    // Drag scrolling (input/QvGrid_DragScroll.cpp): a drag entering, moving over or leaving the grid (client
    // point); within a margin the timer scrolls one row or column a tick, the first after the initial delay.
    enum TDragScrollState { dssEnter, dssMove, dssLeave };
    void DragScrollOver(TDragScrollState State, const TPoint& Pt);
    // One tick of the drag-scroll timer (tests step it instead of waiting); null while no drag hovers in a
    // margin.
    void DragScrollTick();
    TTimer* DragScrollTimer() const { return FDragTmr.get(); }
    TDragScrollDirections DragScrollDirection() const { return FDragScrollDirection; }
    TBitmap* RowIndicator() const { return FRowIndicator.get(); }
    void SetRowIndicator(const TBitmap* Value);
    TControlLook* ControlLook() const { return FControlLook.get(); }
    TColumnSize* ColumnSize() const { return FColumnSize.get(); }
    TFloatingFooter* FloatingFooter() const { return FFloatingFooter.get(); }
    TSearchFooter* SearchFooter() const { return FSearchFooter.get(); }
    TFocusHelper* FocusHelper() const { return FFocusHelper.get(); }
    TPrintSettings* PrintSettings() const { return FPrintSettings.get(); }
    THTMLSettings* HTMLSettings() const { return FHTMLSettings.get(); }
    TDragDropSettings* DragDropSettings() const { return FDragDropSettings.get(); }
    TNavigation* Navigation() const { return FNavigation.get(); }
    TCellNode* CellNode() const { return FCellNode.get(); }
    TBands* Bands() const { return FBands.get(); }
    TSizeWhileTyping* SizeWhileTyping() const { return FSizeWhileTyping.get(); }
    TMouseActions* MouseActions() const { return FMouseActions.get(); }
    TGrouping* Grouping() const { return FGrouping.get(); }
    // The column grouped on, or -1.
    int GroupColumn() const { return FGroupColumn; }
    // -1 undoes the grouping, a column above 0 groups by it; 0 and other values do nothing.
    void SetGroupColumn(int Value);
    // Group calculations (data/QvGrid_Group.cpp): each expanded group's value into its summary row, or into
    // its header row without summaries. Method: 1 sum, 2 average, 3 min, 4 max, 5 count, 6 OnGroupCalc,
    // 7 distinct, 8 standard deviation.
    void GroupCalc(int Colindex, int Method);
    void GroupSum(int Colindex) { GroupCalc(Colindex, 1); }
    void GroupAvg(int Colindex) { GroupCalc(Colindex, 2); }
    void GroupMin(int Colindex) { GroupCalc(Colindex, 3); }
    void GroupMax(int Colindex) { GroupCalc(Colindex, 4); }
    void GroupCount(int Colindex) { GroupCalc(Colindex, 5); }
    void GroupCustomCalc(int Colindex) { GroupCalc(Colindex, 6); }
    void GroupDistinct(int Colindex) { GroupCalc(Colindex, 7); }
    void GroupStdDev(int Colindex) { GroupCalc(Colindex, 8); }
    TSyncGrid* SyncGrid() const { return FSyncGrid.get(); }
    TFilter* Filter() const { return FFilter.get(); }
    TFilterDropDown* FilterDropDown() const { return FFilterDropDown.get(); }
    TStringList* ColumnHeaders() const { return FColumnHeaders.get(); }
    // Row 0 of the visible columns is emptied first, so no header of the former list stays behind.
    void SetColumnHeaders(const TStrings* Value) {
        if (FixedRows() > 0) ClearColumnHeaders();
        FColumnHeaders->Assign(Value);
    }
    TStringList* RowHeaders() const { return FRowHeaders.get(); }
    void SetRowHeaders(const TStrings* Value) { FRowHeaders->Assign(Value); }
    TStringList* LookupItems() const { return FLookupItems.get(); }
    TSortIndexList* SortIndexes() const { return FSortIndexes.get(); }
    TGridItems* GridItems() const { return FGridItems.get(); }
    TControlList* CellControls() const { return FControlList.get(); }
    TFooterPanel* FooterPanel() const { return FFooterPanel; }
    TSearchPanel* SearchPanel() const { return FSearchPanel; }
    // The pixels the search footer takes at the bottom of the client area (0 while it is hidden): the rows
    // scroll to stay above it.
    int SearchFooterHeight() const {
        return FSearchPanel && FSearchPanel->Visible() ? FSearchPanel->Height() : 0;
    }
    TDropList* FilterList() const { return FFilterList; }
    TDropCheckList* FilterCheckList() const { return FFilterCheckList; }
    TStringList* FilterValueList() const { return FFilterValues.get(); }
    TIntList* MergedColumns() const { return FMergedColumns.get(); }
    TIntList* ColumnOrder() const { return FColumnOrder.get(); }
    TIntList* IgnoreColumns() const { return FIgnoreColumns.get(); }
    TIntList* InitialColSizes() const { return FInitialColSizes.get(); }
    int FilterDropDownColumn() const { return FFilterDropDownColumn; }
    void SetFilterDropDownColumn(int Value) { FFilterDropDownColumn = Value; }
    TImageList* GridImages() const { return FGridImages; }
    void SetGridImages(TImageList* Value);
    String CheckTrue() const { return FCheckTrue; }
    void SetCheckTrue(const String& Value) { FCheckTrue = Value; }
    String CheckFalse() const { return FCheckFalse; }
    void SetCheckFalse(const String& Value) { FCheckFalse = Value; }
    QChar PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(QChar Value) { FPasswordChar = Value; }
    bool SaveVirtCells() const { return FSaveVirtCells; }
    void SetSaveVirtCells(bool Value) { FSaveVirtCells = Value; }
    bool SaveWithHTML() const { return FSaveWithHTML; }
    void SetSaveWithHTML(bool Value) { FSaveWithHTML = Value; }
    bool SaveWithRTF() const { return FSaveWithRTF; }
    void SetSaveWithRTF(bool Value) { FSaveWithRTF = Value; }
    bool SaveFixedCells() const { return FSaveFixedCells; }
    bool SaveFixedRows() const { return FSaveFixedRows; }
    bool SaveFixedCols() const { return FSaveFixedCols; }
    bool SaveHiddenCells() const { return FSaveHiddenCells; }
    String XMLEncoding() const { return FXMLEncoding; }
    void SetXMLEncoding(const String& Value) { FXMLEncoding = Value; }
    // Character 0: "," when writing, detected when reading.
    QChar Delimiter() const { return FDelimiter; }
    void SetDelimiter(QChar Value) { FDelimiter = Value; }
    bool AlwaysQuotes() const { return FAlwaysQuotes; }
    void SetAlwaysQuotes(bool Value) { FAlwaysQuotes = Value; }
    bool QuoteEmptyCells() const { return FQuoteEmptyCells; }
    void SetQuoteEmptyCells(bool Value) { FQuoteEmptyCells = Value; }
    bool LoadFirstRow() const { return FLoadFirstRow; }
    void SetLoadFirstRow(bool Value) { FLoadFirstRow = Value; }
    bool IsXP() const { return FIsWinXP; }
    bool IsComCtl6() const { return FIsComCtl6; }

    // Plain settings: the setter stores.
    QV_PLAIN_PROP(TColor, HintColor, clInfoBk)
    QV_PLAIN_PROP(bool, HintShowCells, false)
    QV_PLAIN_PROP(bool, HintShowLargeText, false)
    QV_PLAIN_PROP(THintShowLargeTextPos, HintShowLargeTextPos, hpCell)
    QV_PLAIN_PROP(bool, HintShowSizing, false)
    QV_PLAIN_PROP(bool, HTMLHint, false)
    QV_PLAIN_PROP(bool, OemConvert, false)
    // CSV with "^" for an empty cell and "~" for a line break.
    QV_PLAIN_PROP(bool, JavaCSV, false)
    QV_PLAIN_PROP(bool, AnchorHint, false)
    QV_PLAIN_PROP(bool, AutoNumAlign, false)
    QV_PLAIN_PROP(bool, AutoFilterUpdate, true)
    QV_PLAIN_PROP(TEditorType, DefaultEditor, edNormal)
    QV_PLAIN_PROP(TColor, DisabledFontColor, clSilver)
    QV_PLAIN_PROP(bool, EditWithTags, false)
    QV_PLAIN_PROP(bool, EnableBlink, false)
    QV_PLAIN_PROP(bool, EnableHTML, true)
    QV_PLAIN_PROP(bool, EnableWheel, true)
    QV_PLAIN_PROP(bool, EnhTextSize, false)
    QV_PLAIN_PROP(bool, EnhRowColMove, true)
    QV_PLAIN_PROP(bool, ExcelStyleDecimalSeparator, false)
    // Looks with a border colour draw it one pixel inside the frame, the parent's colour outside it.
    QV_PLAIN_PROP(bool, FitCellsInGrid, true)
    QV_PLAIN_PROP(bool, FilterDropDownAuto, false)
    QV_PLAIN_PROP(String, FilterDropDownClear, "(All)")
    QV_PLAIN_PROP(bool, FilterDropDownCheck, false)
    QV_PLAIN_PROP(TFilterDropDownColumns, FilterDropDownColumns, fdNormal)
    QV_PLAIN_PROP(int, FilterDropDownRow, 0)
    QV_PLAIN_PROP(bool, FilterNormalCellsOnly, true)
    // Value lists leave out the values of hidden rows.
    QV_PLAIN_PROP(bool, FilterIncremental, false)
    QV_PLAIN_PROP(bool, FixedAsButtons, false)
    QV_PLAIN_PROP(String, FloatFormat, "%.2f")
    QV_PLAIN_PROP(bool, HideFocusRect, false)
    QV_PLAIN_PROP(THoverFixedCells, HoverFixedCells, hfNone)
    QV_PLAIN_PROP(bool, IntegralHeight, false)
    QV_PLAIN_PROP(TIntelliPan, IntelliPan, ipVertical)
    QV_PLAIN_PROP(bool, IntelliZoom, true)
    QV_PLAIN_PROP(String, InvalidEntryTitle, String())
    QV_PLAIN_PROP(TInvalidEntryIcon, InvalidEntryIcon, ieWarning)
    QV_PLAIN_PROP(String, InvalidEntryText, String())
    QV_PLAIN_PROP(bool, Lookup, false)
    QV_PLAIN_PROP(bool, LookupCaseSensitive, false)
    QV_PLAIN_PROP(bool, LookupHistory, false)
    QV_PLAIN_PROP(int, MaxComboLength, 0)
    QV_PLAIN_PROP(bool, Multilinecells, false)
    // Copied cells of several lines go out quoted, their line breaks as character 11, as spreadsheets read
    // them.
    QV_PLAIN_PROP(bool, ExcelClipboardFormat, false)
public:
    bool ScrollProportional() const { return FScrollProportional; }
    void SetScrollProportional(bool Value);
    QV_PLAIN_PROP(bool, ScrollSynch, false)
    QV_PLAIN_PROP(TScrollHintType, ScrollHints, shNone)
public:
    // The scroll bars' look (QvGrid_Scroll.cpp): flat and Encarta bars take ScrollColor (clNone: the style's)
    // and ScrollWidth; ssMetro lays the two slim bars over the cells in place of the window's bars.
    TScrollType ScrollType() const { return FScrollType; }
    void SetScrollType(TScrollType Value);
    TColor ScrollColor() const { return FScrollColor; }
    void SetScrollColor(TColor Value);
    int ScrollWidth() const { return FScrollWidth; }
    void SetScrollWidth(int Value);
    // The slim bar of that direction while ScrollType is ssMetro and the grid has its window, else null.
    TScrollControl* SlimScrollBar(TScrollDirection Direction) const {
        return Direction == sdVertical ? FSlimVert : FSlimHorz;
    }
    QV_PLAIN_PROP(bool, SelectionRTFKeep, false)
    QV_PLAIN_PROP(bool, NoImageAndText, false)
    QV_PLAIN_PROP(bool, NoDefaultDraw, false)
    QV_PLAIN_PROP(bool, XYOffsetTopLeftOnly, false)
    QV_PLAIN_PROP(bool, SizeWithForm, false)
public:
    TColor URLColor() const { return FURLColor; }
    void SetURLColor(TColor Value);
    bool URLShow() const { return FURLShow; }
    void SetURLShow(bool Value);
    bool URLShowInText() const { return FURLShowInText; }
    void SetURLShowInText(bool Value);
    bool URLFull() const { return FURLFull; }
    void SetURLFull(bool Value);
    TColor VURGradientFrom() const { return FVURGradientFrom; }
    void SetVURGradientFrom(TColor Value);
    TColor VURGradientTo() const { return FVURGradientTo; }
    void SetVURGradientTo(TColor Value);
    TColor VURGradientMirrorFrom() const { return FVURGradientMirrorFrom; }
    void SetVURGradientMirrorFrom(TColor Value);
    TColor VURGradientMirrorTo() const { return FVURGradientMirrorTo; }
    void SetVURGradientMirrorTo(TColor Value);

private:
    TColor FURLColor = clBlue;
    bool FURLShow = false;
    bool FURLShowInText = false;
    bool FURLFull = false;
    TColor FVURGradientFrom = clNone;
    TColor FVURGradientTo = clNone;
    TColor FVURGradientMirrorFrom = clNone;
    TColor FVURGradientMirrorTo = clNone;
    bool FUseHTMLHints = false;

    QV_PLAIN_PROP(bool, URLUnderlineOnHover, false)
    QV_PLAIN_PROP(bool, URLEdit, false)
    QV_PLAIN_PROP(bool, UseInternalHintClass, true)
    QV_PLAIN_PROP(String, ValidChars, String())
    // Look settings: a changed value repaints.
    QV_GRID_LOOK(TAlignment, DefaultAlignment, taLeftJustify)
    QV_GRID_LOOK(bool, ShowDesignHelper, true)
    QV_GRID_LOOK(TColor, SelectionColor, 0xEACAB6)
    QV_GRID_LOOK(TColor, SelectionColorTo, clNone)
    QV_GRID_LOOK(TColor, SelectionMirrorColor, clNone)
    QV_GRID_LOOK(TColor, SelectionMirrorColorTo, clNone)
    QV_GRID_LOOK(TColor, SelectionTextColor, clBlack)
    QV_GRID_LOOK(bool, SelectionColorMixer, false)
    QV_GRID_LOOK(bool, SelectionRectangle, false)
    QV_GRID_LOOK(bool, SelectionResizer, false)
    QV_GRID_LOOK(TColor, SelectionRectangleColor, clBlack)
    QV_GRID_LOOK(bool, ActiveCellShow, false)
    QV_GRID_LOOK(TColor, ActiveCellColor, clGray)
    QV_GRID_LOOK(TColor, ActiveCellColorTo, clNone)

public:
    // Events, arguments in their declared order (several cell events pass the row first)
    // ----------------------------------------------------------------------------------------
    std::function<void(TObject* Sender, int OldRow, int OldCol, int& NewRow, int& NewCol, bool& Allow)>
        OnAutoAdvance;
    std::function<void(TObject* Sender, TCanvas* Canvas, int ACol, int ARow, TGridDrawState AState,
                       const TRect& ARect, bool Printing)>
        OnCustomCellBkgDraw;
    std::function<void(TObject* Sender, TCanvas* Canvas, int ACol, int ARow, TGridDrawState AState,
                       const TRect& ARect, bool Printing)>
        OnCustomCellDraw;
    std::function<void(TObject* Sender, TCanvas* Canvas, int ACol, int ARow, TPoint& ASize, bool Printing)>
        OnCustomCellSize;
    std::function<void(TObject* Sender, int ARow, bool& AcceptRow)> OnCustomFilter;
    std::function<void(TObject* Sender, int ARow, int ACol, TGridDrawState AState, TBrush* ABrush,
                       TFont* AFont)>
        OnGetCellColor;
    std::function<void(TObject* Sender, int ACol, int ARow, int X, int Y, TCursor& ACursor)> OnGetCellCursor;
    std::function<void(TObject* Sender, int ARow, int ACol, TColor& Color, TColor& ColorTo,
                       TColor& ColorMirror, TColor& ColorMirrorTo, TCellGradientDirection& GD)>
        OnGetCellGradient;
    std::function<void(TObject* Sender, int ARow, int ACol, TGridDrawState AState, TBrush* ABrush,
                       TFont* AFont)>
        OnGetCellPrintColor;
    std::function<void(TObject* Sender, int ARow, int ACol, TPen* APen, TCellBorders& Borders)>
        OnGetCellPrintBorder;
    std::function<void(TObject* Sender, int ARow, int ACol, TPen* APen, TCellBorders& Borders)>
        OnGetCellBorder;
    std::function<void(TObject* Sender, int ARow, int ACol, TPen* LeftPen, TPen* TopPen, TPen* RightPen,
                       TPen* BottomPen)>
        OnGetCellBorderProp;
    std::function<void(TObject* Sender, int ARow, int ACol, TAlignment& HAlign, TVAlignment& VAlign)>
        OnGetAlignment;
    std::function<void(TObject* Sender, int ACol, int ARow, bool& WordWrap)> OnGetWordWrap;
    std::function<void(TObject* Sender, int Column, TStrings* Filter)> OnGetColumnFilter;
    std::function<void(TObject* Sender)> OnFilterDone;
    std::function<void(TObject* Sender, int Column, int ItemIndex, const String& FriendlyName,
                       String& FilterCondition)>
        OnFilterSelect;
    std::function<void(TObject* Sender, int Column, int ItemIndex, const String& FriendlyName,
                       String& FilterCondition, TDropCheckList* CheckList)>
        OnFilterCheck;
    std::function<void(TObject* Sender, int ACol, TSortStyle& AStyle, String& aPrefix, String& aSuffix)>
        OnGetFormat;
    std::function<void(TObject* Sender, int ACol, int ARow, String& Value)> OnGetCheckTrue;
    std::function<void(TObject* Sender, int ACol, int ARow, String& Value)> OnGetCheckFalse;
    std::function<void(TObject* Sender, int ARow, int ACol, String& hintstr)> OnGridHint;
    std::function<void(TObject* Sender, int ARow, int ACol, String& hintstr)> OnGridWideHint;
    std::function<void(TObject* Sender, int ACol, int FromRow, int ToRow, double& Res)> OnColumnCalc;
    std::function<void(TObject* Sender, int ACol, int FromRow, int ToRow, double& Res)> OnGroupCalc;
    std::function<void(TObject* Sender, int OldRow, int NewRow)> OnRowUpdate;
    std::function<void(TObject* Sender, int OldRow, int NewRow, bool& Allow)> OnRowChanging;
    std::function<void(TObject* Sender, int OldRow, int NewRow)> OnRowChanged;
    std::function<void(TObject* Sender, int OldCol, int NewCol, bool& Allow)> OnColChanging;
    std::function<void(TObject* Sender, int OldRow, int OldCol, int NewRow, int NewCol, bool& Allow)>
        OnCellChanging;
    std::function<void(TObject* Sender, int ACol, int ARow, String& ATitle, String& AText, int& AIcon)>
        OnCellBalloon;
    std::function<void(TObject* Sender, const String& Value, TDateTime& ADate)> OnCustomStrToDate;
    std::function<void(TObject* Sender, TCanvas* Canvas, int PageNr, int PageXSize, int PageYSize)>
        OnPrintPage;
    std::function<void(TObject* Sender, int PageNum, int PageColNum, String& PageNumString)>
        OnPrintGetPageNum;
    std::function<void(TObject* Sender, TCanvas* Canvas, int LastRow, int LastRowOffset, int LastPage,
                       int PageXSize, int PageYSize)>
        OnPrintPageDone;
    std::function<void(TObject* Sender, int NrOfPages, int& FromPage, int& ToPage)> OnPrintStart;
    std::function<void(TObject* Sender, int PageNr, bool& Cancel)> OnPrintCancel;
    std::function<void(TObject* Sender, double& ScaleFactor, bool& Allow)> OnFitToPage;
    std::function<void(TObject* Sender, int ARow, bool& NewPage)> OnPrintNewPage;
    std::function<void(TObject* Sender, int ACol, int& Width)> OnPrintSetColumnWidth;
    std::function<void(TObject* Sender, int ARow, int& Height)> OnPrintSetRowHeight;
    std::function<void(TObject* Sender, bool& CanAdd)> OnCanAddRow;
    std::function<void(TObject* Sender, int ARow)> OnAutoAddRow;
    std::function<void(TObject* Sender, int ARow, bool& CanInsert)> OnCanInsertRow;
    std::function<void(TObject* Sender, int ARow)> OnAutoInsertRow;
    std::function<void(TObject* Sender, int ACol)> OnAutoInsertCol;
    std::function<void(TObject* Sender, int ARow, bool& CanDelete)> OnCanDeleteRow;
    std::function<void(TObject* Sender, int ARow)> OnAutoDeleteRow;
    std::function<void(TObject* Sender, int ACol)> OnClickSort;
    std::function<void(TObject* Sender, int ACol, bool& DoSort)> OnCanSort;
    // Around the grid's own focus-taking moments (a header drag), so a popup holding the grid stays open.
    TNotifyEvent OnStartBlockFocus;
    TNotifyEvent OnEndBlockFocus;
    std::function<void(TObject* Sender, int ARow, int ARowreal)> OnExpandNode;
    std::function<void(TObject* Sender, int ARow, int ARowreal)> OnContractNode;
    std::function<void(TObject* Sender, int ACol, int ARow, int ButtonIndex)> OnDropDownHeaderButtonClick;
    std::function<void(TObject* Sender, int ACol, int ARow, int ButtonIndex)> OnDropDownFooterButtonClick;
    std::function<void(TObject* Sender, int ARow, int ARowReal, bool& Allow)> OnBeforeExpandNode;
    std::function<void(TObject* Sender, int ARow, int ARowReal, bool& Allow)> OnBeforeContractNode;
    std::function<void(TObject* Sender, const String& str1, const String& str2, int& Res)> OnCustomCompare;
    std::function<void(TObject* Sender, int ACol, int Row1, int Row2, int& Res)> OnRawCompare;
    std::function<void(TObject* Sender, const String& Value, bool& DefaultSearch)> OnSearchEditChange;
    std::function<void(TObject* Sender, const String& Value, int ACol, int ARow, TSearchAction SearchAction)>
        OnSearchFooterAction;
    std::function<void(TObject* Sender)> OnSearchFooterClose;
    std::function<void(TObject* Sender, int ACol, bool& CanShow)> OnCanShowFixedDropDown;
    std::function<void(TObject* Sender, int ACol, int ARow, TPopupMenu*& AMenu,
                       bool& KeepFixedCellHighlighted)>
        OnFixedDropDownClick;
    std::function<void(TObject* Sender, int ARow, int ACol)> OnClickCell;
    std::function<void(TObject* Sender, int ARow, int ACol)> OnRightClickCell;
    std::function<void(TObject* Sender, int ARow, int ACol)> OnDblClickCell;
    std::function<void(TObject* Sender, int ARow, int ACol, bool& Allow)> OnCanClickCell;
    std::function<void(TObject* Sender, int ARow, int ACol, bool& CanEdit)> OnCanEditCell;
    std::function<void(TObject* Sender, int ACol, int ARow, TGridFixedCellEditor& AEditor, TStrings* Values)>
        OnFixedEdit;
    std::function<void(TObject* Sender, int ARow, int ACol, bool& IsFixed)> OnIsFixedCell;
    std::function<void(TObject* Sender, int ARow, int ACol, bool& IsPassword)> OnIsPasswordCell;
    std::function<void(TObject* Sender, int ARow, int ACol, const String& Anchor, bool& AutoHandle)>
        OnAnchorClick;
    std::function<void(TObject* Sender, int ARow, int ACol, const String& Anchor)> OnAnchorEnter;
    std::function<void(TObject* Sender, int ARow, int ACol, const String& Anchor)> OnAnchorExit;
    std::function<void(TObject* Sender, int ARow, int ACol, String& Anchor)> OnAnchorHint;
    std::function<void(TObject* Sender, int ARow, int ACol, const String& CtrlID, const String& CtrlType,
                       const String& CtrlVal)>
        OnControlClick;
    std::function<void(TObject* Sender, int ARow, int ACol, const String& CtrlID, const String& CtrlType,
                       const String& CtrlVal)>
        OnControlEditDone;
    std::function<void(TObject* Sender, int ARow, int ACol, const String& CtrlID, const String& CtrlType,
                       const String& CtrlVal, TStringList* Values, bool& Edit, int& DropCount)>
        OnControlComboList;
    std::function<void(TObject* Sender, int ARow, int ACol, int ItemIndex, const String& CtrlID,
                       const String& CtrlValue)>
        OnControlComboSelect;
    std::function<void(TObject* Sender, bool& Allow)> OnClipboardPaste;
    std::function<void(TObject* Sender, bool& Allow)> OnClipboardCopy;
    std::function<void(TObject* Sender, bool& Allow)> OnClipboardCut;
    std::function<void(TObject* Sender, int ACol, int ARow, const String& Value)> OnClipboardAfterPasteCell;
    std::function<void(TObject* Sender, int ACol, int ARow, const String& Value)>
        OnClipboardAfterPasteWideCell;
    std::function<void(TObject* Sender, int ACol, int ARow, String& Value, bool& Allow)>
        OnClipboardBeforePasteCell;
    std::function<void(TObject* Sender, int ACol, int ARow, String& Value, bool& Allow)>
        OnClipboardBeforePasteWideCell;
    std::function<void(TObject* Sender, int ACol, int ARow, String& Value, bool& Valid)> OnCellValidate;
    std::function<void(TObject* Sender, int ACol, int ARow, String& Value, bool& Valid)> OnCellValidateWide;
    std::function<void(TObject* Sender, const TRect& R)> OnCellsChanged;
    std::function<void(TObject* Sender, int16_t progress)> OnFileProgress;
    std::function<void(TObject* Sender, int16_t progress)> OnFilterProgress;
    std::function<void(TObject* Sender, int ACol, int ARow, bool& HasComboBox)> OnHasComboBox;
    std::function<void(TObject* Sender, int ACol, int ARow, bool& HasSpinEdit)> OnHasSpinEdit;
    std::function<void(TObject* Sender, int ACol, int ARow, TEditorType& AEditor)> OnGetEditorType;
    std::function<void(TObject* Sender, int ACol, int ARow, TEditLink* AEditLink)> OnGetEditorProp;
    // The same question for an application that only needs the cell.
    std::function<void(TObject* Sender, int ACol, int ARow)> OnGetEditorPropInt;
    std::function<void(TObject* Sender, int ACol, int ARow, bool& IsFloat, String& FloatFormat)>
        OnGetFloatFormat;
    std::function<void(TObject* Sender, int ACol, int ARow, String& S)> OnEllipsClick;
    std::function<void(TObject* Sender, int ACol, int ARow)> OnButtonClick;
    std::function<void(TObject* Sender, int ACol, int ARow, bool State)> OnCheckBoxChange;
    std::function<void(TObject* Sender, int ACol, int ARow, bool State)> OnCheckBoxClick;
    std::function<void(TObject* Sender, int ACol, int ARow, bool State)> OnCheckBoxMouseUp;
    std::function<void(TObject* Sender, int ACol, int ARow, TColor& Color, String& Value)> OnColorSelected;
    std::function<void(TObject* Sender, int ACol, int ARow, TColor Color, const String& Value)> OnColorSelect;
    std::function<void(TObject* Sender, int ACol, int ARow, bool Expanded)> OnExpandClick;
    std::function<void(TObject* Sender, int ACol, int ARow, int& Index)> OnImageSelected;
    std::function<void(TObject* Sender, int ACol, int ARow, int Index)> OnImageSelect;
    std::function<void(TObject* Sender, int ACol, int ARow, int AIdx)> OnRadioClick;
    std::function<void(TObject* Sender, int ACol, int ARow, int AIdx)> OnRadioMouseUp;
    std::function<void(TObject* Sender, int ACol, int ARow)> OnRadioButtonClick;
    std::function<void(TObject* Sender, int ARow, int ACol)> OnDatePickerCloseUp;
    std::function<void(TObject* Sender, int ARow, int ACol)> OnDatePickerDropDown;
    std::function<void(TObject* Sender, int ACol, int ARow, int AItemIndex, const String& ASelection)>
        OnComboChange;
    std::function<void(TObject* Sender, int ARow, int ACol)> OnComboCloseUp;
    std::function<void(TObject* Sender, int ARow, int ACol)> OnComboDropDown;
    std::function<void(TObject* Sender, int ACol, int ARow, int AItemIndex, const String& ASelection,
                       TObject* AObject)>
        OnComboObjectChange;
    std::function<void(TObject* Sender, int ACol, int ARow, int AValue, bool UpDown)> OnSpinClick;
    std::function<void(TObject* Sender, int ACol, int ARow, double AValue, bool UpDown)> OnFloatSpinClick;
    std::function<void(TObject* Sender, int ACol, int ARow, TDateTime AValue, bool UpDown)> OnTimeSpinClick;
    std::function<void(TObject* Sender, int ACol, int ARow, TDateTime AValue, bool UpDown)> OnDateSpinClick;
    std::function<void(TObject* Sender)> OnRichEditSelectionChange;
    // DragScrollDir: the set of directions (1 << dsdUp ...) the step takes.
    std::function<void(TObject* Sender, int TopRow, int LeftCol, TDragScrollDirections& DragScrollDir,
                       bool& CanScroll)>
        OnDragScroll;
    std::function<void(TObject* Sender)> OnEditingDone;
    std::function<void(TObject* Sender, int ACol, int ARow)> OnEditCellDone;
    std::function<void(TObject* Sender, int ACol, int ARow, const String& Value)> OnEditChange;
    std::function<void(TObject* Sender, int ACol, int ARow, TDateTime ADateTime)> OnDateTimeChange;
    std::function<void(TObject* Sender, int AColumn, TCanvas* Canvas, const TRect& ARect)> OnFooterPaint;
    std::function<void(TObject* Sender, int ACol, int ARow, String& Value)> OnFooterCalc;
    std::function<void(TObject* Sender, int ARow, bool AState, bool& Allow)> OnRowDisjunctSelect;
    std::function<void(TObject* Sender, int ARow)> OnRowDisjunctSelected;
    std::function<void(TObject* Sender, int ALeft, int ATop, int ARight, int ABottom)> OnSelectionChanged;
    std::function<void(TObject* Sender, int ACol, int ARow, const String& NewUnit)> OnUnitChanged;
    std::function<void(TObject* Sender, int ARow, int ACol, const String& data, bool& Allow)> OnOleDrop;
    std::function<void(TObject* Sender, const TGridRect& ARect)> OnOleDropped;
    std::function<void(TObject* Sender, int ARow, int ACol, const String& data, bool& Allow)> OnOleDrag;
    std::function<void(TObject* Sender, int ARow, int ACol, bool& Allow)> OnOleDragOver;
    std::function<void(TObject* Sender, int ARow, int ACol)> OnOleDragStart;
    std::function<void(TObject* Sender, int OLEEffect)> OnOleDragStop;
    std::function<void(TObject* Sender, int ARow, int ACol, int DropCol)> OnOleDropCol;
    std::function<void(TObject* Sender, int ARow, int ACol, const String& FileName, bool& Allow)>
        OnOleDropFile;
    std::function<void(TObject* Sender, int ARow, int ACol, const String& URL, bool& Allow)> OnOleDropURL;
    std::function<void(TObject* Sender, int ACol, int ARow, double& NewRate, bool& Allow)> OnRatingChange;
    std::function<void(TObject* Sender, int ARow, String& hintstr)> OnScrollHint;
    std::function<void(TObject* Sender, int ACol, bool& Allow)> OnColumnSize;
    std::function<void(TObject* Sender, int ACol, int ColumnSize)> OnColumnSizing;
    std::function<void(TObject* Sender, int ACol, bool& Allow)> OnColumnMove;
    std::function<void(TObject* Sender, int ACol, bool& Allow)> OnColumnMoving;
    std::function<void(TObject* Sender, int ARow, bool& Allow)> OnRowSize;
    std::function<void(TObject* Sender, int ARow, int RowSize)> OnRowSizing;
    std::function<void(TObject* Sender, int ARow, bool& Allow)> OnRowMove;
    std::function<void(TObject* Sender, int ARow, bool& Allow)> OnRowMoving;
    std::function<void(TObject* Sender, int ACol)> OnEndColumnSize;
    std::function<void(TObject* Sender, int ACol, int& AWidth)> OnUpdateColumnSize;
    std::function<void(TObject* Sender, int ARow)> OnEndRowSize;
    std::function<void(TObject* Sender, int ACol, int ARow, int ScrollPosition, int ScrollMin, int ScrollMax)>
        OnScrollCell;
    std::function<void(TObject* Sender, const TGridRect& OrigSelection, const TGridRect& NewSelection)>
        OnSelectionResize;
    std::function<void(TObject* Sender, const TGridRect& OrigSelection, const TGridRect& NewSelection)>
        OnSelectionResized;
    TNotifyEvent OnGridResize;
    std::function<void(TObject* Sender)> OnCreatedFloatingFooter;
    std::function<void(TObject* Sender)> OnCreatedSearchFooter;
    std::function<void(TObject* Sender, int ACol, int ARow, String& Value)> OnSaveCell;
    std::function<void(TObject* Sender, int ACol, int ARow, String& Value)> OnLoadCell;

public:
    // Mouse, focus, wheel, panning and hover (QvGrid_Mouse.cpp press, QvGrid_MouseUp.cpp release, double
    // and right click, QvGrid_Focus.cpp, QvGrid_WndProc.cpp, QvGrid_Hover.cpp). Columns are display
    // columns unless noted.
    // ----------------------------------------------------------------------------------------
    void CellControlsUpdate(bool RebuildList);
    // Less than 4 pixels from a header cell's side edge (goColSizing) or a row header's top or bottom edge.
    bool IsOnSizingBorder(int X, int Y);
    bool IsPasswordCell(int ACol, int ARow);
    static TCustomForm* FindParentForm(TControl* AControl);
    // Fills the hint text and placement for the cell under HintInfo.CursorPos.
    void BuildCellHint(String& HintStr, THintInfo& HintInfo);
    // CM_HINTSHOW: the hint of the cell under the mouse, up while the mouse stays in that cell.
    void CMHintShow(TMessage& Message);
    // Hints (QvGrid_Hints.cpp). True switches the program's hint window to the markup hint window, so
    // every hint's markup is drawn; false gives the toolkit's plain window back.
    bool UseHTMLHints() const { return FUseHTMLHints; }
    void SetUseHTMLHints(bool Value);
    void OwnerFormResize(TObject* Sender);
    void PaintPanMarker();
    void InvalidatePanMarker();
    void DoDropDownHeaderButtonClick(TObject* Sender, int ButtonIndex);
    void DoDropDownFooterButtonClick(TObject* Sender, int ButtonIndex);
    bool Panning() const { return FMouse.Pan.Active; }
    // The pan cursor's resource number (8000 .. 8008) while panning, else 0.
    int PanCursorId() const { return FMouse.Pan.CursorId; }
    bool CellSelectorMode() const { return FCellSelectorMode; }
    void SetCellSelectorMode(bool Value) { FCellSelectorMode = Value; }
    bool InvokedFocusChange = false;
    TPoint HoverButton() const { return FMouse.Hover.Button; }
    THeaderDragButton* HeaderDragButton() const { return MoveButton; }
    // The cursor the grid shows over the cells for the mouse state (screen cursor stand-in).
    TCursor MoveCursor() const { return FMouse.Move.Cursor; }
    // The 1-based markup link drawn with the hover look; -1 none.
    int MouseHoverLink() const { return FMouse.Hover.Link; }

    // The windows over the cells (overlays/QvGrid_Overlays.cpp): the frame around the cell being edited
    // (ARect in client coordinates), which follows the cell as windows move, the snapshot of a cell range
    // (made unshown, owned by the grid; the caller shows, places and frees it), and the arrows of a column
    // or row move (none in a grid being designed).
    void ShowFocusWindow(const TRect& ARect);
    void UpdateFocusWindowPos();
    void HideFocusWindow();
    TGridFocusWindow* FocusWindow() const { return FFocusWindow; }
    TNoActiveForm* SelectionToForm(const TGridRect& ARect);
    TArrowWindow* MoveArrow(TArrowDirection Direction) const;
    TColor ArrowColor() const;
    void SetArrowColor(TColor Value);

    // Balloons (input/QvGrid_Balloons.cpp): the tips of the cells while Balloon.Enable is on, null while
    // off; the cell whose balloon shows, (-1, -1) none. The buffer the shown text is read from holds 4096
    // characters and a zero.
    TBalloonTips* BalloonTips() const { return FHToolTip.get(); }
    TPoint LastBalloonPos() const { return FLastBalloonPos; }
    static constexpr int kToolTipBufferSize = 4096;

    void Click() override;

protected:
    void DoEnter() override;
    void DoExit() override;
    void TopLeftChanged() override;
    void ColWidthsChanged() override;
    void RowHeightsChanged() override;
    void ScrollRangeChanged() override;
    // Scroll messages (QvGrid_Scroll.cpp): thumb hints, scrolling while the thumb is dragged, and rows kept
    // above the search footer.
    void WMHScroll(TMessage& Message) override;
    void WMVScroll(TMessage& Message) override;
    void ScrollBarMessage(bool Horz, TMessage& Message);
    void ShowScrollHint(bool Horz, int Number);
    bool SearchFooterScroll(TMessage& Message);
    // The top row that ends the last row just above the search footer.
    int TopRowAboveSearchFooter();
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    virtual void WheelScrolled(int Delta, bool& Handled);
    virtual void SelectAllHook(const TGridRect& NewSelection);
    void RadioGroupClick(int ACol, int ARow, int dx, int dy);
    void WMLButtonDown(TMessage& Message);
    void WMLButtonUp(TMessage& Message);
    void WMLButtonDblClk(TMessage& Message);
    void WMRButtonDown(TMessage& Message);
    void WMRButtonUp(TMessage& Message);
    void WMSetFocus(TMessage& Message);
    void WMKillFocus(TMessage& Message);
    void CMMouseLeave(TMessage& Message);
    // The cursor choice of the mouse state (the window's set-cursor handling).
    void WMSetCursor(int X, int Y);
    // Notifications of the children: a date picker's change, the balloon tips' request for their text.
    void WMNotify(TMessage& Message);

private:
    void StartPanning(const TPoint& Origin);
    void PanStep();
    void EndPanning();
    void WheelMessage(TMessage& Message);
    bool OnSizingBorderNear(const TRect& R, int X) const { return X - R.Left < 4 || R.Right - X < 4; }
    TRect SelectionHandleRect();
    void GrabSelectionHandle();
    void PasteHandleBuffer();
    void ClickSort(int rc, TShiftState Shift);
    void EnhancedMoveFeedback(int c, int r, int X, int Y);
    void ShowSizingHint(const String& What, int Size, const TPoint& At);
    // The fixed column (row) whose border lies within 3 pixels of X (Y), -1 none.
    int FixedColBorderAt(int X);
    int FixedRowBorderAt(int Y);
    // Steps of the press (input/QvGrid_Mouse.cpp), in their order; a bool answers whether the press ended.
    PressEvent BeginPress(const TMessage& Message);
    void TakeSelectionHandle(TMessage& Message, const PressEvent& P, bool Resting);
    void PressOutsideSelection(const PressEvent& P);
    bool PressAllowed(const PressEvent& P);
    void NotePress(PressEvent& P);
    void PressOutsideCells(TMessage& Message);
    void AimAtBaseCell(PressEvent& P);
    bool StartFixedBorderDrag(const PressEvent& P);
    void PressFixedCell(PressEvent& P);
    bool PressCellGraphic(const PressEvent& P);
    void NoteSpinButtonPress(const PressEvent& P);
    bool PressRadioGroup(const PressEvent& P);
    bool PressNodeColumn(const PressEvent& P);
    bool PressCellScrollBar(const PressEvent& P);
    bool PressRating(const PressEvent& P);
    bool PressCellButton(const PressEvent& P);
    bool PressNodeGlyph(const PressEvent& P);
    void AimMergedPress(TMessage& Message, const PressEvent& P);
    void NoteGrabOffset();
    bool PressDisjunctLines(TMessage& Message, const PressEvent& P);
    // A press on a markup cell's link or control, or on a cell whose text is a link (QvGrid_Anchors.cpp).
    bool PressAnchorOrControl(const PressEvent& P);
    void FollowLink(const String& Anchor);
    void PressHeaderSelection(const PressEvent& P);
    void NoteMoveCandidate(const PressEvent& P);
    bool PressCheckBox(PressEvent& P);
    void PressCell(TMessage& Message, PressEvent& P);
    void AimEditorByPress(PressEvent& P);
    void HandOnCellPress(TMessage& Message, const PressEvent& P);
    void ReportCellPress(const PressEvent& P);
    void OpenEditorByPress(const PressEvent& P);
    // Steps of the move (input/QvGrid_Hover.cpp).
    MoveEvent BeginMove(int X, int Y);
    void TrackHoverRow(const MoveEvent& M);
    void TrackHoverFixedCell(const MoveEvent& M);
    void TrackHoverButton(const MoveEvent& M);
    void DragRowHeaderSelection(MoveEvent& M);
    void DragColumnHeaderSelection(const MoveEvent& M);
    void RepaintDraggedSelection();
    void TrackFixedBorders(const MoveEvent& M);
    void TrackHeaderMove(const MoveEvent& M);
    void ChooseSelectMode(MoveEvent& M);
    void ShowLinkCursor(MoveEvent& M);
    void WithdrawCellHint(const MoveEvent& M);
    void WithdrawCellBalloon(const MoveEvent& M);
    void ShowRangeSelection();
    void KeepLeftColWhileDragging();
    void ChooseMoveCursor(const MoveEvent& M);
    void ReportSizing(const MoveEvent& M);
    // Steps of the release (input/QvGrid_MouseUp.cpp).
    void EndPressMarks();
    void ApplyFixedBorderDrag(int X, int Y);
    void RaisePushedFixedCell();
    void ReleasePushedButton(const ReleaseEvent& U);
    void HideSizingHint();
    bool ReleasedOnCellButton(const ReleaseEvent& U);
    void FireFixedCellClick(const ReleaseEvent& U);
    void EndRangeSelection();
    void ApplyDeferredSelection(const ReleaseEvent& U);
    void ReleaseDisjunctRows(const ReleaseEvent& U);
    void ReleaseDisjunctColumns(const ReleaseEvent& U);
    void EndEnhancedMove(const ReleaseEvent& U);
    // The arrows at the target of a move (from the target the previous move recorded), and their hiding.
    void PlaceMoveArrows(int c, int r, int m);
    void HideMoveArrows();
    // With FocusHelper on, an editor that opens gets the frame around its cell.
    void ShowFocusFrameOnEdit();
    void CreateOverlayWindows();
    // The text of the balloon of the cell under the mouse, into the buffer the tips read.
    void FillBalloonRequest(NMTTDISPINFOW& Info);
    void PasteSelectionHandle();
    void ReleaseOnCell(const ReleaseEvent& U);

    // Press, drag, hover and panning state (input/MouseState.h).
    MouseState FMouse;
    bool FForceSel = false, FEditStart = false;
    bool FCellSelectorMode = false;
    TGridRect FMoveSelection{}, FWheelSelection{};
    int FOldTopRow = -1, FOldLeftCol = -1;
    THeaderDragButton* MoveButton = nullptr;
    TGridFocusWindow* FFocusWindow = nullptr;
    TArrowWindow* ArwU = nullptr;
    TArrowWindow* ArwD = nullptr;
    TArrowWindow* ArwL = nullptr;
    TArrowWindow* ArwR = nullptr;
    std::unique_ptr<TBalloonTips> FHToolTip;
    TPoint FLastBalloonPos{-1, -1};
    std::array<char16_t, kToolTipBufferSize + 1> FToolTipBuffer{};

public:
    // The toolkit grid's editing hooks (QvGrid_Edit.cpp); ACol is a display column. The editors call these
    // when they validate, store their text, read their length limit and hand a key back.
    bool SelectCell(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const String& Value) override;
    int GetEditLimit() override;
    void KeyPress(QChar& Key) override;
    using TCustomGrid::CanEditModify;

protected:
    bool CanEditShow() override;
    TInplaceEdit* CreateEditor() override;
    String GetEditText(int ACol, int ARow) override;
    String GetEditMask(int ACol, int ARow) override;
    void Paint() override;
    bool CanScrollByMoving() override;
    void CreateWnd() override;
    void Resize() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void WndProc(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    // The grid's own message handlers (QvGrid_Keys.cpp, QvGrid_Update.cpp, QvGrid_Dispatch.cpp).
    void WMKeyDown(TMessage& Message);
    void WMKeyUp(TMessage& Message);
    void WMChar(TMessage& Message);
    void WMTimer(TMessage& Message);
    void WMPaint(TMessage& Message);
    void WMSize();

private:
    // Steps of the key handling (QvGrid_Keys.cpp, QvGrid_KeysTab.cpp).
    bool MoveScrollOnlyKey(Word Key);
    bool HomeEndKey(TMessage& Message, Word Key, TShiftState Shift, int StartRow, int StartLeftCol);
    bool SkipFixedCellsKey(Word& Key, TShiftState Shift);
    void InsertRowKey();
    void DeleteRowKey();
    void SelectAllKey();
    void InCellControlKey(Word Key);
    // Steps of WMKeyDown, in their order; a bool answers whether the key ended there.
    KeyStroke BeginKeyStroke(const TMessage& Message);
    bool EnterOrF2Key(TMessage& Message, const KeyStroke& K);
    bool ReadOnlyEnterKey(TMessage& Message, const KeyStroke& K);
    bool RowSelectScrollKey(TMessage& Message, const KeyStroke& K);
    void TabKey(TMessage& Message, const KeyStroke& K);
    void InvalidateKeySelection();
    bool SearchFooterKey(TMessage& Message, KeyStroke& K);
    void PassKeyToToolkit(TMessage& Message, KeyStroke& K);
    bool ClipboardShortcutKey(const KeyStroke& K);
    void DisjunctSelectKey(const KeyStroke& K);
    void FireKeyDown(Word Key, TShiftState Shift);
    bool TabMove(bool Backward, bool& EndOfGrid);
    void SelectSingleCell(int ACol, int ARow);
    void BlinkCells();
    void HoverToCell();
    void CreateOwnedObjects();
    void DestroyWidget() override;
    void BalloonInit();
    void BalloonDone();
    void RepaintUnlessUpdating();
    void ApplyScrollBarAlways();
    void HeadersToCells();
    // Escape in a special editor takes back the whole row as it was when the editor opened, also what the
    // edit's change events wrote into the row's other cells (QvGrid_EditControls.cpp).
    void KeepEditRow(int ARow);
    void RestoreEditRow();
    // F4 or Alt+Down on a list cell: its editor opens with the list dropped; false for any other cell.
    bool DropCellList();
    // The selection's colouring of a cell's look (QvGrid_PaintVisual.cpp).
    void ApplySelectionLook(int ACol, int ARow, int ARealCol, bool Selecting, const TCellFill& Own,
                            TColor OwnFontColor, TGridDrawState& AState, TCellFill& AFill,
                            TColor& AFontColor);
    // Steps of the cell pipeline (QvGrid_Paint*.cpp), in their order.
    void DrawCellScrollBar(TCellPaintState& S, TRect& R);
    void PutCellLook(TCellPaintState& S);
    void PaintFixedLook(TCellPaintState& S, TRect& R);
    void PaintListViewHeader(TCellPaintState& S, const TRect& R);
    bool DrawRowIndicator(TCellPaintState& S, TRect& R);
    void DrawModifiedMark(TCellPaintState& S, const TRect& R);
    void DrawEditorButtons(TCellPaintState& S, TRect& R);
    void DrawDefaultCellText(TCellPaintState& S, const TRect& R);

    // Sorting (data/QvGrid_Sort.cpp): the rules from the sort settings, the sorter over the grid's cells, the
    // order applied with the current row following it or staying where it was.
    enum class TSortRowFollow { Setting, Stay };
    SortColumnRule SortRuleFor(int ACol, bool Descending);
    std::vector<SortColumnRule> ColumnSortRules(int ACol, bool Descending, bool Following);
    // Raises EQvGridError without index entries.
    std::vector<SortColumnRule> IndexSortRules();
    std::unique_ptr<RowSorter> MakeRowSorter(const IGridCells& Cells, std::vector<SortColumnRule> Rules);
    std::vector<int> SortedRowOrder(std::vector<SortColumnRule> Rules,
                                    const std::vector<std::pair<int, int>>& Ranges);
    // The child rows of every expanded node of the deepest level.
    std::vector<std::pair<int, int>> GroupSortRanges();
    void ApplyRowOrder(const std::vector<int>& Order, TSortRowFollow Follow, bool ReportRow);
    void PermuteSortXRef(const std::vector<int>& Order);
    void CountCompares(long long Count);
    // Filtering: the row test of the conditions, a level undone with what it changed.
    std::unique_ptr<RowFilter> MakeRowFilter(const IGridCells& Cells);
    void UndoFilterLevel();
    void ShowFilterList(int ACol, const TRect& Cell);
    // The filter button takes the right edge of its header cell, painted and clicked.
    static constexpr int kFilterButtonWidth = 16;
    bool HasFilterButton(int ACol);
    void DrawFilterButton(TCellPaintState& S, const TRect& R);
    // Search: the walk of one Find over the grid's cells.
    TPoint FindCell(const TPoint& StartCell, const String& s, TFindParameters FindParams, bool Wide);
    void GotoFoundCell(const TPoint& Found, TFindParameters FindParams);
    void LookUpTyped(QChar Key);
    // The search footer (QvGrid_SearchFooter.cpp): the panel's events and the footer's settings.
    void BindSearchPanel();
    TFindParameters SearchFooterParams(bool Backward);
    void SearchFooterEditChanged();
    void SearchFooterStep(bool Backward);
    void SearchFooterClose();
    void SearchFooterHighlight();
    void SearchFooterChanged();
    void MarkSearchText(bool Mark);
    void DrawCellText(TCellPaintState& S, TRect R);
    void DrawCellBorders(TCellPaintState& S, TRect R);
    void PaintLookEdges(TCellPaintState& S, TRect R);
    void DrawFixedRightLines(TCellPaintState& S, const TRect& R);
    void DrawTreeLines(TCellPaintState& S, TRect R);
    void DrawCellGraphicStep(TCellPaintState& S, TRect& R);
    void FireCellDrawEvents(TCellPaintState& S, const TRect& R);
    void DrawCellFocusRect(TCellPaintState& S, const TRect& R);
    // Steps of the text step (QvGrid_PaintText.cpp), in their order.
    void SetTextSelectionColours(TCellPaintState& S);
    int CellPaintText(TCellPaintState& S, String& Text);
    void SetDisjunctUnselectedColours(TCellPaintState& S);
    void DrawCellBackGroundPicture(TCellPaintState& S, const TRect& R);
    void DrawCellBackGroundSlice(TCellPaintState& S, const TRect& R);
    void DrawSelectionRectangle(TCellPaintState& S, const TRect& R);
    void MakeCellTextRoom(TCellPaintState& S, TRect& R);
    void DrawCellMarkupText(TCellPaintState& S, TRect R, const String& Text);
    void DrawCellRichText(TCellPaintState& S, const TRect& R);
    void DrawCellPlainText(TCellPaintState& S, TRect R, String Text);
    void PaintEmptyArea(TCanvas* ACanvas);
    // The toolkit's frame, then the looks that have one draw their coloured border over it.
    void DrawBorder(TCanvas* ACanvas, const TRect& ARect) override;
    // The background bitmap over Area: tiled with the tile grid shifted by (OffsetX, OffsetY), or placed
    // at BackGround's Left and Top.
    void DrawBackGroundBitmap(TCanvas* ACanvas, const TRect& Area, int OffsetX, int OffsetY, bool Tile);
    // Position of a cell's top-left in the grid's whole extent, counted from the first scrolling column
    // and row (FromFixed false: from column and row 0).
    TPoint BackGroundTileOrigin(int ACol, int ARow, bool FromFixed);

    // Owned settings and lists, created in this order before any property can be set.
    std::unique_ptr<TFont> FCellFont;
    std::unique_ptr<TFocusHelper> FFocusHelper;
    std::unique_ptr<TSearchFooter> FSearchFooter;
    std::unique_ptr<TFloatingFooter> FFloatingFooter;
    std::unique_ptr<TPrintSettings> FPrintSettings;
    std::unique_ptr<THTMLSettings> FHTMLSettings;
    std::unique_ptr<TSortSettings> FSortSettings;
    std::unique_ptr<TDragDropSettings> FDragDropSettings;
    std::unique_ptr<TDragScrollOptions> FDragScrollOptions;
    std::unique_ptr<TControlLook> FControlLook;
    std::unique_ptr<TNavigation> FNavigation;
    std::unique_ptr<TColumnSize> FColumnSize;
    std::unique_ptr<TCellNode> FCellNode;
    std::unique_ptr<TBands> FBands;
    std::unique_ptr<TSizeWhileTyping> FSizeWhileTyping;
    std::unique_ptr<TMouseActions> FMouseActions;
    std::unique_ptr<TGrouping> FGrouping;
    std::unique_ptr<TStringList> FColumnHeaders;
    std::unique_ptr<TStringList> FRowHeaders;
    std::unique_ptr<TFont> FFixedFont;
    std::unique_ptr<TFont> FActiveCellFont;
    std::unique_ptr<TStringList> FSortList;
    std::unique_ptr<TStringList> FLookupItems;
    std::unique_ptr<TIntList> FRowSelectList;
    std::unique_ptr<TIntList> FColSelectList;
    std::unique_ptr<TSortIndexList> FSortIndexes;
    std::unique_ptr<TIntList> FSortRowXRef;
    std::unique_ptr<TIntList> FUnSortRowXRef;
    std::unique_ptr<TIntList> FMergedColumns;
    std::unique_ptr<SelectedCellSet> FSelectedCells;
    std::unique_ptr<TIntList> FSelectedRows;
    std::unique_ptr<TIntList> FModifiedRows;
    std::unique_ptr<TIntList> FEnabledRows;
    std::unique_ptr<TBitmap> FRowIndicator;
    std::unique_ptr<TBackGround> FBackGround;
    std::unique_ptr<TControlList> FControlList;
    int FNumCellControls = 0;
    // The saved item of a hidden real row, or nullptr for a shown row.
    TGridItem* HiddenRowItem(int ARow) const;
    std::unique_ptr<TGridProgressAppearance> FProgressAppearance;
    std::unique_ptr<TSyncGrid> FSyncGrid;
    std::unique_ptr<TGridItems> FGridItems;
    std::unique_ptr<TStringList> FComboItems;
    TCharSet FValidCharSet;
    // The edit under way and its change tracking (QvGrid_Edit*.cpp).
    TGridEditSession FEdit;
    bool FGridModified = false;
    std::unique_ptr<TFilter> FFilter;
    std::unique_ptr<TBalloonSettings> FBalloon;
    std::unique_ptr<TShowModified> FShowModified;
    std::unique_ptr<std::vector<TObject*>> FNotifiers;
    std::unique_ptr<TIntList> FColumnOrder;
    std::unique_ptr<TCellGraphic> FSharedCellGraphic;
    std::unique_ptr<TIntList> FIgnoreColumns;
    std::unique_ptr<TIntList> FInitialColSizes;
    std::unique_ptr<TFilterDropDown> FFilterDropDown;
    std::unique_ptr<TStringList> FFilterValues;
    std::unique_ptr<TTimer> FGridTimer;
    // Child controls: owned as components, freed explicitly by the destructor.
    TFooterPanel* FFooterPanel = nullptr;
    TSearchPanel* FSearchPanel = nullptr;
    TDropList* FFilterList = nullptr;
    TDropCheckList* FFilterCheckList = nullptr;
    TQvRichEdit* FRichEdit = nullptr;
    TEditLink* FEditLink = nullptr;
    // The markup control being edited (real column), and the fixed cell being edited (display column).
    TPoint FCtrlXY{-1, -1};
    String FCtrlID;
    String FCtrlType;
    bool FCtrlEditing = false;
    TControlEdit* FEditControl = nullptr;
    TControlCombo* FComboControl = nullptr;
    TGridTransEdit* FEditTrans = nullptr;
    TGridTransCombo* FComboTrans = nullptr;
    int FFixedColEdit = -1;
    int FFixedRowEdit = -1;
    // The special editors' controls by their editor table entry, in the order they were made.
    std::vector<std::pair<const TEditorEntry*, TWinControl*>> FEditorControls;

    // Components the grid refers to; cleared when they go.
    TImageList* FGridImages = nullptr;

    TFixedGradientColors FFixedGradient;
    TGridLook FLook = glXP;
    TQvStyle FStyle = tsWindowsXP;
    TColorTones FTones;
    TOfficeTheme FOldOfficeTheme = otUnknown;
    HiddenIndexMap FHiddenCols;
    HiddenIndexMap FHiddenRows;     // the Idx of every item of FGridItems, in the same order
    RowFilterLevels FFilterRows;    // rows hidden by filter levels, stacked on the display FHiddenRows leaves
    std::vector<int> FAllColWidths; // by real column: the width a hidden column had
    TGridRect FOldSelection{};
    bool FSelHidden = false;
    int FNumHiddenColumns = 0;
    int FFixedRowsMin = 1;
    int FFixedColsMin = 1;
    int FMaxRowCount = 0;
    int FMaxColCount = 0;
    bool FLoaded = false;
    int FUpdateCount = 0;
    int FZoomFactor = 0;
    bool FStretching = false;
    bool FScrollProportional = false;
    TScrollType FScrollType = ssNormal;
    TColor FScrollColor = clNone;
    int FScrollWidth = 17;
    TScrollControl* FSlimVert = nullptr; // owned as components while ScrollType is ssMetro
    TScrollControl* FSlimHorz = nullptr;
    ProportionalExtents FPropRows, FPropCols;
    bool FScrollLock = false; // the proportional bars wait while set
    // Invalidate waits while set, for one repaint at the end of a bulk change.
    bool FRepaintHeld = false;
    ITQvStringGridSelect* FSelListener = nullptr;
    std::unique_ptr<TTimer> FDragTmr;
    TDragScrollDirections FDragScrollDirection = 0;
    std::unique_ptr<class TDragScrollTarget> FDragScrollTarget;
    void StopDragScroll();
    void UpdateDragScrollTarget();
    void ProportionalAxis(bool Rows, ProportionalExtents& E);
    bool FIsWinXP = true;
    bool FIsWin7 = true;
    bool FIsVista = true;
    bool FIsComCtl6 = true;
    int FGridTimerTicks = 0;
    UINT FWheelMessage = 0;
    int FWheelScrollLines = 3;
    int FDefaultRowHeight = 22;
    int FFixedRowHeight = 22;
    int FFixedFooters = 0;
    int FFixedRightCols = 0;
    bool FFixedRowAlways = false;
    bool FFixedColAlways = false;
    TColor FBorderColor = 0xB99D7F;
    TPoint FXYOffset{2, 2};
    TVAlignment FVAlignment = vtaTop;
    unsigned FVAlignmentFlag = DT_TOP;
    int FSelectionColorMixerFactor = 50;
    bool FShowSelection = true;
    TColor FHighlightColor = clHighlight;
    TColor FHighlightTextColor = clHighlightText;
    bool FHovering = false;
    bool FFlat = false;
    TScrollBarAlways FScrollBarAlways = saNone;
    bool FAutoThemeAdapt = false;
    bool FAutoSize = false;
    int FMaxEditLength = 0;
    bool FSpreadSheet = false;
    bool FSelectionChanged = false;
    int FFilterDropDownColumn = -1;
    String FCheckTrue = "Y";
    String FCheckFalse = "N";
    QChar FPasswordChar = QChar('*');
    bool FSaveVirtCells = true;
    bool FSaveWithHTML = true;
    bool FSaveWithRTF = false;
    bool FSaveFixedCells = true;
    bool FSaveFixedRows = false;
    bool FSaveFixedCols = false;
    bool FSaveHiddenCells = false;
    bool FClearTextOnly = false;
    bool FQuoteEmptyCells = true;
    bool FAlwaysQuotes = false;
    bool FShowNullDates = true;
    bool FShowColNrs = true;
    bool FLoadFirstRow = true;
    bool FSizeGrowOnly = false;
    bool FUseDisabledFontColor = true;
    bool FGrouped = false;
    QChar FDelimiter = QChar(0);
    String FXMLEncoding = "ISO-8859-1";
    TPoint FLastTabCell{-1, -1};
    TPoint FLastKeyCell{-1, -1};
    String FSearchInc;
    int FSearchTics = 0;
    TPoint FSearchCell{-1, -1};
    String FFindText; // as prepared: upper-cased unless the case counts
    TFindParameters FFindParams = 0;
    bool FFindBusy = false;
    bool FGridBlink = false;
    bool FDisableSize = false;
    bool FInvokedChange = false;
    TPoint FClipTopLeft{-1, -1};
    TClipOperation FClipLastOp = coCopy;
    bool FPasteAll = false;
    quint64 FExchangeId = NewGridExchangeId();
    TPoint FClickedCell{-1, -1};
    int FHoveredLink = -1;
    int FLastDesignChoice = -1;
    int FFilterColumn = -1;
    int FFilterLevel = 0;
    int FFilterFixedRows = -1; // FixedRows when the last filter was applied; -1 before the first
    String FLastFilter;        // the text of the last NarrowDown
    bool FFilterActive = false;
    const RowFilter* FRowTest = nullptr; // the conditions prepared for the filter pass under way
    int FCompares = 0;
    int FSortSense = 0;  // 1 after an ascending row sort, -1 after a descending one
    int FOldRowSel = -1; // the row OnRowChanged last reported
    int FGroupColumn = -1;
    int FNumNodes = 0;
    // The grouped column's width and its header and footer texts, put back by UnGroup.
    int FGroupWidth = 0;
    String FGroupCaption;
    String FGroupFooter;
    bool FIsGrouping = false;
    void GroupHeaderLook(int ARow);
    void GroupSummaryLook(int ARow);
    void DropRowCellControls(int ARow);
    void RemoveDisplayRows(const std::vector<int>& Rows);
    // The rows under a node: where its block ends, hiding and showing them, and the group auto-check.
    int NodeBlockEnd(int ARow);
    bool ShowNodeRows(int ARow);
    void DissolveOutlineLevel(int KeepRow);
    void DropNode(int ARow);
    void AutoCheckGroupRows(int ACol, int ARow, bool State);
    int FRememberedWidth = -1;
    int FComboIndex = -1;
    int FPrintPageFrom = 1;
    int FPrintPageTo = 1;
    int FMinRowHeight = 0;
    int FMaxRowHeight = 0;
    int FMinColWidth = 0;
    int FMaxColWidth = 0;

    TColor FToneBorderColor = clNone;
    TCursor FRestoreCursor = crDefault;
    TPoint FTopLeftAtCreation{1, 1};
    TCustomForm* FOwnerForm = nullptr;
    int FFormWidth = 0;
    int FFormHeight = 0;
    // Cell checks and selection state.
    TQvStringGridCheck* FCellChecker = nullptr;
    // Printed width and left edge of each column: at least 512 entries, more for wider grids.
    std::vector<int> FMaxWidths = std::vector<int>(512);
    std::vector<int> FIndents = std::vector<int>(512);
    TGridRect FPrintRect{};
    TRect FPrevRect, FPrintPageRect;
    int FPrintNrOfPages = 0, FPrintColStart = 0, FPrintColEnd = 0, FPrintPageWidth = 0;
    bool FIsPrintPreview = false;
    double FFontscalefactor = 1.0;
    std::unique_ptr<TGridPrintJob> FPrintJob;
    std::unique_ptr<TKeptPrintLayout> FKeptPrintLayout;
    bool FUseEnabledRows = false;
};

#undef QV_GRID_LOOK

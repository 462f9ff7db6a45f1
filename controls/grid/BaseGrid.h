// The base grid: cells with a properties object on demand, merged areas, display-text hooks, the grid-line
// and row-highlight settings, keys over merged areas and the link to the undo component.
#pragma once

#include "controls/grid/BaseGrid_UndoRedo.h"
#include "controls/grid/QvObj.h"
#include "controls/grid/paint/CellLook.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/grids/Grids.h"

class TBaseGrid;

// A string grid class of its own so that descendants share one root above the toolkit's.
class TObjStringGrid : public TStringGrid {
public:
    explicit TObjStringGrid(TComponent* AOwner) : TStringGrid(AOwner) {}
    String ClassName() const override { return "TObjStringGrid"; }
};

enum TGridSelectionStyle { ssDefault, ssVista, ssWin7, ssOffice2007 };

enum THoverRowCell { hcNormal, hcFixed, hcSelected };
using THoverRowCells = unsigned;
constexpr THoverRowCells HoverRowCellFlag(THoverRowCell c) {
    return 1u << c;
}

enum TColumnCalcType {
    acNONE,
    acSUM,
    acAVG,
    acCOUNT,
    acMIN,
    acMAX,
    acSPREAD,
    acCUSTOM,
    acDISTINCT,
    acSTDDEV
};

using TGetDisplWideTextEvent = std::function<void(TObject* Sender, int ACol, int ARow, String& Value)>;

// The look and merge state of one cell. Merge encoding: a cell outside any area has IsBaseCell and spans
// of -1; the top-left (base) cell of an area holds the area's size minus one in its spans; every covered
// cell holds its offset from the base cell with IsBaseCell false.
class TCellProperties : public TPersistent {
public:
    TCellProperties(TBaseGrid* AOwner, int ACol, int ARow);
    String ClassName() const override { return "TCellProperties"; }
    // Copies the look and merge state; not the gradient, calculation, graphic, paint mark or owner.
    void Assign(const TPersistent* Source) override;

    // The base cell of the area, for this properties object seen at (ACol, ARow).
    TPoint GetBaseCell(int ACol, int ARow) const;

    int OwnerCol() const { return FOwnerCol; }
    int OwnerRow() const { return FOwnerRow; }
    // A properties object moved to another cell repaints that cell from then on.
    void SetOwnerCell(int ACol, int ARow) {
        FOwnerCol = ACol;
        FOwnerRow = ARow;
    }
    TObject* CellObject() const { return FObject; }
    void SetCellObject(TObject* v) { FObject = v; }
    TObject* GraphicObject() const { return FGraphicObject; }
    void SetGraphicObject(TObject* v) { FGraphicObject = v; }
    TBrushStyle BrushStyle() const { return FBrushStyle; }
    void SetBrushStyle(TBrushStyle v) { FBrushStyle = v; }
    TColor BrushColor() const { return FBrushColor; }
    void SetBrushColor(TColor v);
    TColor BrushColorTo() const { return FBrushColorTo; }
    void SetBrushColorTo(TColor v);
    int FontSize() const { return FFontSize; }
    void SetFontSize(int v) { FFontSize = v; }
    TColor FontColor() const { return FFontColor; }
    void SetFontColor(TColor v) { FFontColor = v; }
    TFontStyles FontStyle() const { return FFontStyle; }
    void SetFontStyle(TFontStyles v) { FFontStyle = v; }
    int CellSpanY() const { return FCellSpanY; }
    void SetCellSpanY(int v) { FCellSpanY = v; }
    int CellSpanX() const { return FCellSpanX; }
    void SetCellSpanX(int v) { FCellSpanX = v; }
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int v) { FBorderWidth = v; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor v) { FBorderColor = v; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment v) { FAlignment = v; }
    TVAlignment VAlignment() const { return FVAlignment; }
    void SetVAlignment(TVAlignment v);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool v);
    bool IsBaseCell() const { return FIsBaseCell; }
    void SetIsBaseCell(bool v) { FIsBaseCell = v; }
    TColumnCalcType CalcType() const { return FCalcType; }
    void SetCalcType(TColumnCalcType v) { FCalcType = v; }
    TObject* CalcObject() const { return FCalcObject; }
    void SetCalcObject(TObject* v) { FCalcObject = v; }
    int NodeLevel() const { return FNodeLevel; }
    void SetNodeLevel(int v) { FNodeLevel = v; }
    TEditorType Editor() const { return FEditor; }
    void SetEditor(TEditorType v) { FEditor = v; }
    String FontName() const { return FFontName; }
    void SetFontName(const String& v) { FFontName = v; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool v) { FReadOnly = v; }
    TCellGradientDirection GradientDirection() const { return FGradientDirection; }
    void SetGradientDirection(TCellGradientDirection v) { FGradientDirection = v; }
    TControl* Control() const { return FControl; }
    void SetControl(TControl* v) { FControl = v; }
    // The paint pass in which this area was last painted.
    int PaintID() const { return FPaintID; }
    void SetPaintID(int v) { FPaintID = v; }

private:
    void Repaint();

    TBaseGrid* FOwnerGrid;
    int FOwnerCol;
    int FOwnerRow;
    TObject* FObject = nullptr;
    TObject* FGraphicObject = nullptr;
    TBrushStyle FBrushStyle = bsSolid;
    TColor FBrushColor = clNone;
    TColor FBrushColorTo = clNone;
    int FFontSize = 0;
    TColor FFontColor = clNone;
    TFontStyles FFontStyle = 0;
    int FCellSpanY = -1;
    int FCellSpanX = -1;
    int FBorderWidth = 0;
    TColor FBorderColor = 0;
    TAlignment FAlignment = taLeftJustify;
    TVAlignment FVAlignment = vtaTop;
    int FPaintID = 0;
    bool FWordWrap;
    bool FIsBaseCell = true;
    TColumnCalcType FCalcType = acNONE;
    TObject* FCalcObject = nullptr;
    int FNodeLevel = 0;
    TEditorType FEditor = edNormal;
    String FFontName;
    bool FReadOnly = false;
    TCellGradientDirection FGradientDirection = GradientVertical;
    TControl* FControl = nullptr;
};

// Every read and write of a cell goes through the merge mapping and the display hooks; the raw store is
// reached through GridCells and GridObjects. The object slot of each cell holds only its properties object,
// which the grid owns.
class TBaseGrid : public TObjStringGrid, public IUndoRedoCells {
    friend class TCellProperties;

public:
    explicit TBaseGrid(TComponent* AOwner);
    ~TBaseGrid() override;
    String ClassName() const override { return "TBaseGrid"; }

    // The sixteen operations descendants refine.
    virtual bool IsFixed(int ACol, int ARow);
    virtual int GetNodeIndent(int ARow);
    virtual bool HasNodes();
    virtual void DrawCellContents(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect,
                                  const TCellLook& ALook);
    virtual void LastRowChanged();
    virtual void GetDisplText(int ACol, int ARow, String& Value);
    virtual void GetDisplWideText(int ACol, int ARow, String& Value);
    virtual void GetCellDefaults(int ACol, int ARow, TFont* AFont, TBrush* ABrush, TColor& AColorTo,
                                 TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA,
                                 TVAlignment& VA, bool& WW, TCellGradientDirection& GD);
    virtual void CellTextChanged(int ACol, int ARow);
    virtual bool HasCustomBorders();
    virtual bool IsVCLStyled();
    // Refines ALook, which enters as the cell's plain look with its draw state in ALook.State.
    virtual void GetVisualProperties(int ACol, int ARow, bool Print, bool Select, bool Remap,
                                     TCellLook& ALook);
    int DisplColIndex(int ACol) override;
    // Makes the rectangle of spanx columns and spany rows from (c, r) one area, clipped to the grid.
    virtual void MergeCells(int c, int r, int spanx, int spany);
    virtual void SplitCells(int c, int r);
    virtual int TotalColCount() const;

    // Cell text: Cells maps covered cells to their base cell and runs the display hooks; GridCells is raw.
    String Cells(int ACol, int ARow) { return GetCellEx(ACol, ARow); }
    void SetCells(int ACol, int ARow, const String& Value) { SetCellEx(ACol, ARow, Value); }
    String GetCellEx(int ACol, int ARow) override;
    void SetCellEx(int ACol, int ARow, const String& Value) override;
    String GridCells(int ACol, int ARow) const { return TStringGrid::Cells(ACol, ARow); }
    void SetGridCells(int ACol, int ARow, const String& Value) { TStringGrid::SetCells(ACol, ARow, Value); }
    String GetGridCell(int ACol, int ARow) const { return GridCells(ACol, ARow); }
    void SetGridCell(int ACol, int ARow, const String& Value) { SetGridCells(ACol, ARow, Value); }

    // Cell objects live in the cell's properties; GridObjects is the raw slot.
    TObject* Objects(int ACol, int ARow) { return GetObjectEx(ACol, ARow); }
    void SetObjects(int ACol, int ARow, TObject* Value) { SetObjectEx(ACol, ARow, Value); }
    TObject* GetObjectEx(int ACol, int ARow);
    void SetObjectEx(int ACol, int ARow, TObject* Value);
    TObject* GraphicObjects(int ACol, int ARow) { return GetGraphicObjectEx(ACol, ARow); }
    void SetGraphicObjects(int ACol, int ARow, TObject* Value) { SetGraphicObjectEx(ACol, ARow, Value); }
    TObject* GetGraphicObjectEx(int ACol, int ARow);
    void SetGraphicObjectEx(int ACol, int ARow, TObject* Value);
    TObject* GetPropGraphicObject(const TCellProperties* Props) const;
    TObject* GridObjects(int ACol, int ARow) const { return TStringGrid::Objects(ACol, ARow); }
    void SetGridObjects(int ACol, int ARow, TObject* Value) { TStringGrid::SetObjects(ACol, ARow, Value); }
    TObject* GetGridObject(int ACol, int ARow) const { return GridObjects(ACol, ARow); }
    void SetGridObject(int ACol, int ARow, TObject* Value) { SetGridObjects(ACol, ARow, Value); }

    // Properties are made on first access (nullptr for a cell outside the grid) and owned by the grid.
    bool HasCellProperties(int ACol, int ARow) const { return PropsAt(ACol, ARow) != nullptr; }
    TCellProperties* CellProperties(int ACol, int ARow) { return GetCellProperties(ACol, ARow); }
    TCellProperties* GetCellProperties(int ACol, int ARow);
    // Takes ownership of Value; the cell's former properties are freed.
    void SetCellProperties(int ACol, int ARow, TCellProperties* Value);
    void FreeCellProps(int ACol, int ARow);
    void FreeCellPropsRect(int FromCol, int FromRow, int ToCol, int ToRow);
    void FreeAllCellProps();
    // Empty the cells and free their properties (user objects stay with their owners).
    void ResetColumn(int ACol);
    void ResetRow(int ARow);
    void ResetCell(int ACol, int ARow);

    // Merged areas.
    TPoint BaseCell(int ACol, int ARow);
    bool IsBaseCell(int ACol, int ARow);
    bool CheckBaseCell(int ACol, int ARow, int& BaseCol, int& BaseRow);
    bool IsMergedCell(int ACol, int ARow);
    bool IsMergedNonBaseCell(int ACol, int ARow);
    bool IsXMergedCell(int ACol, int ARow);
    bool IsYMergedCell(int ACol, int ARow);
    TPoint CellSpan(int ACol, int ARow);
    TPoint CellExt(int ACol, int ARow);
    // The area holding the cell, all edges inclusive.
    TRect FullCell(int c, int r);
    int MinRowSpan(int ARow);
    int MaxRowSpan(int ARow);
    bool RowSpanIdentical(int ARow1, int ARow2);
    bool ColSpanIdentical(int ACol1, int ACol2);
    int MergeCount() const { return FMergeCount; }
    bool HasCellProps() const { return FHasCellProps; }

    // Geometry in client coordinates; CellRect covers a whole merged area.
    TRect CalcCellRect(int ACol, int ARow) const;
    TRect CellRect(int c, int r);
    TPoint CellSize(int c, int r);
    void RepaintCell(int c, int r) override;
    int FixedColsWidth() const;
    int FixedRowsHeight() const;

    // Painting entries; the painter itself belongs to the cell-painter topic.
    void PaintCell(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
    void PaintCellExt(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
    int PaintID() const { return FPaintID; }

    // The undo component writes through GetCellEx/SetCellEx and moves the current cell.
    TQvGridUndoRedo* UndoRedo() const { return FUndoRedo; }
    void SetUndoRedo(TQvGridUndoRedo* v);
    using TCustomGrid::Col;
    int Col() override { return TCustomGrid::Col(); }
    void SetCol(int ACol) override { TCustomGrid::SetCol(ACol); }
    void SetRow(int ARow) override { TCustomGrid::SetRow(ARow); }
    void Invalidate() override { TObjStringGrid::Invalidate(); }

    // Settings.
    bool DefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool v);
    int GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int v);
    TColor GridLineColor() const { return FGridLineColor; }
    void SetGridLineColor(TColor v);
    TColor GridFixedLineColor() const { return FGridFixedLineColor; }
    void SetGridFixedLineColor(TColor v);
    bool ActiveRowShow() const { return FActiveRowShow; }
    void SetActiveRowShow(bool v);
    TColor ActiveRowColor() const { return FActiveRowColor; }
    void SetActiveRowColor(TColor v);
    TColor ActiveRowColorTo() const { return FActiveRowColorTo; }
    void SetActiveRowColorTo(TColor v);
    TColor ActiveRowMirrorColor() const { return FActiveRowMirrorColor; }
    void SetActiveRowMirrorColor(TColor v);
    TColor ActiveRowMirrorColorTo() const { return FActiveRowMirrorColorTo; }
    void SetActiveRowMirrorColorTo(TColor v);
    TGridSelectionStyle SelectionStyle() const { return FSelectionStyle; }
    void SetSelectionStyle(TGridSelectionStyle v);
    bool HoverRow() const { return FHoverRow; }
    void SetHoverRow(bool v) { FHoverRow = v; }
    int HoverRowIdx() const { return FHoverRowIdx; }
    void SetHoverRowIdx(int v) { FHoverRowIdx = v; }
    THoverRowCells HoverRowCells() const { return FHoverRowCells; }
    void SetHoverRowCells(THoverRowCells v) { FHoverRowCells = v; }
    TColor HoverRowColor() const { return FHoverRowColor; }
    void SetHoverRowColor(TColor v) { FHoverRowColor = v; }
    TColor HoverRowColorTo() const { return FHoverRowColorTo; }
    void SetHoverRowColorTo(TColor v) { FHoverRowColorTo = v; }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool v) { FWordWrap = v; }
    bool HideLastRow() const { return FHideLastRow; }
    void SetHideLastRow(bool v) { FHideLastRow = v; }
    int NormalRowCount() const { return FNormalRowCount; }
    void SetNormalRowCount(int v) { FNormalRowCount = v; }
    bool ShowSel() const { return FShowSel; }
    void SetShowSel(bool v) { FShowSel = v; }
    bool CustomSelect() const { return FCustomSelect; }

    bool ReadProperty(const String& name, const TDesignValue& value) override;

    TGetDisplTextEvent OnGetDisplText;
    TGetDisplWideTextEvent OnGetDisplWideText;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Paint() override;
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    bool SelectCell(int ACol, int ARow) override;
    void SizeChanged(int OldColCount, int OldRowCount) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void TopLeftChanged() override;

    // Full mode paints a merged area once per pass over its union rectangle; reduced mode paints the
    // single cell without contents (drag images).
    virtual void DoPaintCell(TCanvas* ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState,
                             bool Full);
    void GotoBaseCell();
    void RepaintMergedFixedCols();
    void RepaintMergedFixedRows();

    // The properties object of an in-grid cell, or nullptr; never creates one.
    TCellProperties* PropsAt(int ACol, int ARow) const {
        if (ACol < 0 || ARow < 0 || ARow >= RowCount()) return nullptr;
        TObject* o = TStringGrid::Objects(ACol, ARow);
        return o && ACol < TotalColCount() ? static_cast<TCellProperties*>(o) : nullptr;
    }

private:
    static void DisposeProps(TObject* Props);
    void FreeStoredProps(int FromRow);
    TCellProperties* CreateCellProperties(int ACol, int ARow);
    TPoint AreaSpan(const TPoint& Base) const;

    bool FDefaultDrawing = false;
    int FGridLineWidth = 1;
    TColor FGridLineColor = clSilver;
    TColor FGridFixedLineColor = clGray;
    int FPaintID = 1;
    bool FCustomSelect = true;
    bool FHideLastRow = false;
    int FNormalRowCount = 0;
    TQvGridUndoRedo* FUndoRedo = nullptr;
    bool FWordWrap = true;
    bool FActiveRowShow = false;
    TColor FActiveRowColor = clInfoBk;
    TColor FActiveRowColorTo = clNone;
    TColor FActiveRowMirrorColor = clNone;
    TColor FActiveRowMirrorColorTo = clNone;
    TGridSelectionStyle FSelectionStyle = ssDefault;
    int FHoverRowIdx = -1;
    bool FHoverRow = false;
    THoverRowCells FHoverRowCells = HoverRowCellFlag(hcNormal) | HoverRowCellFlag(hcSelected);
    TColor FHoverRowColor = clInfoBk;
    TColor FHoverRowColorTo = clNone;
    bool FShowSel = true;
    bool FHasCellProps = false;
    int FMergeCount = 0;
};

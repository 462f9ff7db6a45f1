// The toolkit grid: geometry of columns and rows, fixed cells, scrolling, selection, the draw-cell loop,
// mouse and key handling, the in-place editor, and the string grid with a text and an object per cell.
#pragma once

#include "toolkit/controls/Controls.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/grids/Grids_CellText.h"
#include "toolkit/system/GapVector.h"

#include <functional>
#include <memory>
#include <vector>

class QLineEdit;
class QScrollBar;
class TCustomGrid;

class EInvalidGridOperation : public Exception {
public:
    using Exception::Exception;
};

enum TGridOption : unsigned {
    goFixedVertLine = 1u << 0,
    goFixedHorzLine = 1u << 1,
    goVertLine = 1u << 2,
    goHorzLine = 1u << 3,
    goRangeSelect = 1u << 4,
    goDrawFocusSelected = 1u << 5,
    goRowSizing = 1u << 6,
    goColSizing = 1u << 7,
    goRowMoving = 1u << 8,
    goColMoving = 1u << 9,
    goEditing = 1u << 10,
    goTabs = 1u << 11,
    goRowSelect = 1u << 12,
    goAlwaysShowEditor = 1u << 13,
    goThumbTracking = 1u << 14,
    goFixedColClick = 1u << 15,
    goFixedRowClick = 1u << 16,
    goFixedHotTrack = 1u << 17,
};
using TGridOptions = unsigned;

enum TGridDrawStateFlag : unsigned {
    gdSelected = 1u << 0,
    gdFocused = 1u << 1,
    gdFixed = 1u << 2,
    gdRowSelected = 1u << 3,
    gdHotTrack = 1u << 4,
    gdPressed = 1u << 5,
};
using TGridDrawState = unsigned;

enum TGridState { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };
using TBorderStyle = TFormBorderStyle; // bsNone or bsSingle

struct TGridCoord {
    int X = 0;
    int Y = 0;
    bool operator==(const TGridCoord&) const = default;
};

// A block of cells; all four edges are inclusive.
struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool operator==(const TGridRect&) const = default;
    bool Contains(int ACol, int ARow) const {
        return ACol >= Left && ACol <= Right && ARow >= Top && ARow <= Bottom;
    }
};

// Window scroll-bar information, as the platform keeps it: range nMin..nMax, page nPage, position nPos.
struct TScrollInfo {
    int nMin = 0;
    int nMax = 0;
    int nPage = 0;
    int nPos = 0;
    int nTrackPos = 0;
};

using TDrawCellEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, const TRect& Rect, TGridDrawState State)>;
using TSelectCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;
using TMovedEvent = std::function<void(TObject* Sender, int FromIndex, int ToIndex)>;
using TGetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, String& Value)>;
using TSetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, const String& Value)>;
using TFixedCellClickEvent = std::function<void(TObject* Sender, int ACol, int ARow)>;

// The text editor the grid lays over the current cell. The grid shows, fills and hides it; the editor hands
// the navigation keys it does not keep to the grid.
class TInplaceEdit : public TWinControl {
public:
    explicit TInplaceEdit(TComponent* AOwner);
    ~TInplaceEdit() override;
    String ClassName() const override { return "TInplaceEdit"; }

    TCustomGrid* Grid() const { return FGrid; }
    void SetGrid(TCustomGrid* grid) { FGrid = grid; }

    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int v);
    String EditMask() const { return FEditMask; }
    void SetEditMask(const String& v) { FEditMask = v; }
    int SelStart() const;
    int SelLength() const;
    void SetSelStart(int v);
    void SetSelLength(int v);
    void SelectAll();
    void Deselect();
    // Shows the text as password characters.
    bool PasswordMode() const { return FPasswordMode; }
    void SetPasswordMode(bool v);
    // How the text lines up in the editor, as the cell it edits shows it.
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment v);
    bool Modified() const { return FModified; }
    void SetModified(bool v) { FModified = v; }

    // Places the editor over `cellRect` (client coordinates of the grid) and shows it.
    void Move(const TRect& cellRect);
    void UpdateLoc(const TRect& cellRect);
    void Invalidate() override;
    // Refills the editor from the grid's edit text, limit and mask of the current cell.
    virtual void UpdateContents();

    TNotifyEvent OnChange;

protected:
    friend class TCustomGrid;
    String GetText() const override;
    void TextChanged() override;
    QWidget* CreateNativeWidget(QWidget* parent) override;
    bool PaintsItself() const override { return false; }
    void SyncWidget() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void DoExit() override;
    LRESULT DialogCode() const override;
    virtual void Change();
    QLineEdit* LineEdit() const;
    // A character that reached the default handling without a key event behind it (sent or posted to the
    // editor, or kept back from the native edit by a descendant) is typed here: printable characters
    // replace the selection, Backspace deletes; other control characters do nothing.
    void DefaultHandler(TMessage& Message) override;
    void ApplyChar(QChar ch);
    bool HandleQtEvent(QWidget* w, QEvent* e) override;
    // The clipboard as the editor's paste, copy and cut see it.
    static bool ClipboardHasText();
    static String ClipboardText();
    void CopySelectionToClipboard();
    void CutSelectionToClipboard();
    // While WM_KILLFOCUS is handled: the control that receives the focus, or null.
    static TControl* FocusReceiver();

private:
    bool AtTextStart() const;
    bool AtTextEnd() const;
    TCustomGrid* FGrid = nullptr;
    int FMaxLength = 0;
    String FEditMask;
    bool FModified = false;
    bool FSyncing = false;
    bool FPasswordMode = false;
    TAlignment FAlignment = taLeftJustify;
};

// The grid control: columns and rows with fixed ones at the top and left, a scrolled area, one rectangular
// selection with the current cell, painting through one DrawCell call per visible cell.
class TCustomGrid : public TCustomControl {
    friend class TInplaceEdit;

public:
    explicit TCustomGrid(TComponent* AOwner);
    ~TCustomGrid() override;
    String ClassName() const override { return "TCustomGrid"; }

    int ColCount() const { return FColCount; }
    void SetColCount(int v);
    int RowCount() const { return FRowCount; }
    void SetRowCount(int v);
    int FixedCols() const { return FFixedCols; }
    void SetFixedCols(int v);
    int FixedRows() const { return FFixedRows; }
    void SetFixedRows(int v);
    TColor FixedColor() const { return FFixedColor; }
    void SetFixedColor(TColor v);

    int DefaultColWidth() const { return FDefaultColWidth; }
    void SetDefaultColWidth(int v);
    int DefaultRowHeight() const { return FDefaultRowHeight; }
    void SetDefaultRowHeight(int v);
    int ColWidths(int ACol) const;
    void SetColWidths(int ACol, int AWidth);
    int RowHeights(int ARow) const;
    void SetRowHeights(int ARow, int AHeight);
    int GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int v);
    // Total extent of the columns (rows), lines included.
    int GridWidth() const;
    int GridHeight() const;

    TGridOptions Options() const { return FOptions; }
    virtual void SetOptions(TGridOptions v);
    bool DefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool v);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    virtual void SetScrollBars(TScrollStyle v);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle v);

    int Col() const { return FCurrent.X; }
    void SetCol(int v);
    int Row() const { return FCurrent.Y; }
    void SetRow(int v);
    TGridRect Selection() const;
    void SetSelection(const TGridRect& v);
    int LeftCol() const { return FTopLeft.X; }
    void SetLeftCol(int v);
    int TopRow() const { return FTopLeft.Y; }
    void SetTopRow(int v);
    int VisibleColCount() const;
    int VisibleRowCount() const;

    // Client rectangle of a visible cell (cut at the client edge); empty when no part of it is visible.
    TRect CellRect(int ACol, int ARow) const;
    // Cell under a client point; -1 for a coordinate outside the cells. A grid line belongs to the cell
    // left of (above) it.
    void MouseToCell(int X, int Y, int& ACol, int& ARow) const;
    TGridCoord MouseCoord(int X, int Y) const;

    bool EditorMode() const { return FEditorMode; }
    void SetEditorMode(bool v);
    TInplaceEdit* InplaceEditor() const { return FInplaceEdit; }
    void ShowEditor();
    void HideEditor();
    void ShowEditorChar(QChar ch);
    // Stores the editor's text into the cell when an editor is shown.
    void UpdateText();

    // Window scroll bars: SB_HORZ or SB_VERT.
    TScrollInfo GetScrollInfo(int bar) const;
    void SetScrollInfo(int bar, const TScrollInfo& info);
    int GetScrollPos(int bar) const { return GetScrollInfo(bar).nPos; }
    void ShowScrollBar(int bar, bool show);
    bool ScrollBarVisible(int bar) const;
    void EnableScrollBar(int bar, bool enable);
    // The look of both window scroll bars: the platform's, flat, or flat with a framed thumb (Encarta).
    // Color fills the flat bars' track (clNone: the style's colour); Width is the vertical bar's width and
    // the horizontal bar's height, which the client area gives up for them.
    enum TScrollBarLook { sblRegular, sblFlat, sblEncarta };
    void SetScrollBarLook(TScrollBarLook Look, TColor Color, int Width);
    // The platform's thickness, which the layout keeps whatever the Qt style draws.
    static constexpr int kRegularScrollBarExtent = 17;
    TScrollBarLook ScrollBarLook() const { return FBarLook; }
    int ScrollBarExtent() const { return FBarExtent; }

    int ClientWidth() const override;
    int ClientHeight() const override;
    TPoint ClientOrigin() const override;
    void Invalidate() override;

    bool ReadProperty(const String& name, const TDesignValue& value) override;

    TGridState GridState() const { return FGridState; }

    // Shows a cursor over the cells for the mouse state without changing the grid's own Cursor; the
    // next mouse move over plain cells shows Cursor again.
    void ShowMouseCursor(TCursor ACursor);
    TCursor ShownMouseCursor() const { return FShownCursor; }
    // With right-to-left reading the grid is shown mirrored, column 0 at the right edge, as the platform lays
    // out such windows (mouse positions arrive mirrored too); painters of text and pictures switch the
    // grid's own canvas to left-to-right around their drawing and mirror their rectangles themselves.
    bool PaintsMirrored() const { return BiDiMode() == bdRightToLeft; }
    void SetPaintOrientation(TCanvas* ACanvas, bool Mirrored) const;
    // What is then drawn between Left and Right lands at its mirrored place the right way round: a picture
    // or glyph with its texts keeps its own left-to-right look. SetPaintOrientation ends it.
    void SetPaintMirroredBox(TCanvas* ACanvas, int Left, int Right) const;

    // Notifications of the platform grid's descendants, as virtual operations.
    virtual void InvalidateCell(int ACol, int ARow);
    virtual void InvalidateRow(int ARow);
    virtual void InvalidateCol(int ACol);
    void InvalidateGrid() { Invalidate(); }
    void InvalidateGridRect(const TGridRect& r);
    // Repaints the cells only: the border and the bars, which repaint themselves when they change, stay.
    void InvalidateCells();
    // Advances with every repaint the grid asks for, shown or not: what it shows may have changed since.
    // Work kept from the cells (a print layout) is good while this stays the same.
    uint64_t RepaintStamp() const { return FRepaintStamp; }

protected:
    // Subclasses draw the cells.
    virtual void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) = 0;
    virtual bool SelectCell(int ACol, int ARow);
    virtual void SizeChanged(int OldColCount, int OldRowCount);
    virtual void ColumnMoved(int FromIndex, int ToIndex);
    virtual void RowMoved(int FromIndex, int ToIndex);
    // The rows were rearranged by PermuteRows: new row i is old row Order[i].
    virtual void RowsPermuted(const std::vector<int>& Order);
    // Rows [First, Last) were rotated so that row Middle came first (RotateRows).
    virtual void RowsRotated(int First, int Middle, int Last);
    // Count rows at First left the grid, or empty ones came in there (CutRows, OpenRows).
    virtual void RowsCut(int First, int Count);
    virtual void RowsOpened(int First, int Count);
    // The rows at the ascending indexes Rows left the grid, the others closing up (CutRowSet).
    virtual void RowSetCut(const std::vector<int>& Rows);
    virtual void ColWidthsChanged();
    virtual void RowHeightsChanged();
    // After the bars' ranges and visibility were worked out anew: a descendant's own bar rules go here.
    virtual void ScrollRangeChanged() {}
    virtual void TopLeftChanged();
    virtual void FixedCellClick(int ACol, int ARow);
    virtual bool CanEditShow();
    virtual bool CanEditAcceptKey(QChar Key);
    virtual bool CanEditModify();
    virtual bool CanGridAcceptKey(Word Key, TShiftState Shift);
    virtual String GetEditMask(int ACol, int ARow);
    virtual String GetEditText(int ACol, int ARow);
    virtual void SetEditText(int ACol, int ARow, const String& Value);
    virtual int GetEditLimit();
    virtual TInplaceEdit* CreateEditor();
    virtual bool BeginColumnDrag(int& Origin, int& Destination, const TPoint& MousePt);
    virtual bool BeginRowDrag(int& Origin, int& Destination, const TPoint& MousePt);
    virtual bool EndColumnDrag(int& Origin, int& Destination, const TPoint& MousePt);
    virtual bool EndRowDrag(int& Origin, int& Destination, const TPoint& MousePt);
    // The frame drawn outside the client area when BorderStyle is bsSingle.
    virtual void DrawBorder(TCanvas* ACanvas, const TRect& ARect);
    virtual void WMHScroll(TMessage& Message);
    // Whether scrolling may move what is painted; a look tied to the client area (a background picture or
    // gradient) must be painted anew.
    virtual bool CanScrollByMoving() { return true; }
    virtual void WMVScroll(TMessage& Message);

    void Paint() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseLeave() override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void DoExit() override;
    void Resize() override;
    void FontChanged() override;
    LRESULT DialogCode() const override;
    void Dispatch(TMessage& Message) override;
    QWidget* CreateNativeWidget(QWidget* parent) override;
    void SyncGeometry() override;
    void SyncWidget() override;
    bool HandleQtEvent(QWidget* w, QEvent* e) override;
    QWidget* ChildContainer() override;
    void DestroyWidget() override;

    // Moves the current cell (with the SelectCell veto), optionally keeping the anchor for a range.
    void FocusCell(int ACol, int ARow, bool MoveAnchor);
    void MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show);
    void MoveColumn(int FromIndex, int ToIndex);
    void MoveRow(int FromIndex, int ToIndex);
    // Rearranges every row at once, in linear time where moving rows one by one takes quadratic time: new
    // row i is old row Order[i] (a permutation of 0 .. RowCount - 1) with its height and cells; the current
    // cell and the anchor follow their rows. No row-moved notification.
    void PermuteRows(const std::vector<int>& Order);
    // Rotates rows [First, Last) so that row Middle comes first, in time of the rows moved: a block of rows
    // moves past its neighbours at once. Heights, cells and the current cell go along; no notification.
    void RotateRows(int First, int Middle, int Last);
    // Takes Count rows out at First with their heights and cells, or puts Count empty ones in there, in
    // time of the distance from the last such change: rows hidden or shown one by one walk through the
    // store once. The current cell and the anchor follow their rows; no notification.
    void CutRows(int First, int Count);
    void OpenRows(int First, int Count);
    // Takes the rows at the ascending, distinct indexes Rows out in one pass: the others close up in their
    // order with their heights and cells, each moved once, as if the taken rows had been moved to the end in
    // order and cut off there. The current cell and the anchor follow their rows; no notification.
    void CutRowSet(const std::vector<int>& Rows);
    void DeleteColumn(int ACol);
    void DeleteRow(int ARow);
    void MoveTopLeft(int ALeft, int ATop);
    bool ScrollPainted(const TGridCoord& old);
    // Scrolls so that the cell is fully visible, as far as the client area allows.
    void ClampInView(int ACol, int ARow);
    TGridCoord CalcMaxTopLeft() const;
    // Pixel position of the left edge of column ACol (top edge of row ARow) in client coordinates, or -1
    // when it is scrolled out or beyond the client area.
    int ColLinePos(int ACol) const;
    int RowLinePos(int ARow) const;
    bool IsActiveControl() const;
    TGridCoord Anchor() const { return FAnchor; }
    TRect BoxRect(int ALeft, int ATop, int ARight, int ABottom) const;

    TGridState FGridState = gsNormal;

    uint64_t FRepaintStamp = 0;
    int FSizingIndex = -1;
    int FSizingPos = 0;
    int FSizingOfs = 0;
    int FMoveIndex = -1;
    int FMovePos = -1;

public:
    // Geometry of one axis as the screen shows it (toolkit-internal, see Grids_Axis.h).
    struct Axis;

private:
    Axis HorzAxis() const;
    Axis VertAxis() const;
    void ChangeSize(int NewColCount, int NewRowCount);
    void SelectionMoved(const TGridRect& OldSel);
    void MoveAnchor(const TGridCoord& NewAnchor);
    void UpdateScrollRange();
    void UpdateScrollPos();
    void SyncScrollBars();
    void LayoutChildren();
    void UpdateEdit();
    void HideEdit();
    void PaintGrid(TCanvas* canvas);
    void PaintClientArea(QWidget* client, QEvent* e);
    void ScrollMessage(bool horz, TMessage& m);
    void OnScrollAction(bool horz, int action);
    bool SizingHit(int X, int Y, TGridState& state, int& index, int& pos, int& ofs) const;
    void TrackHot(int X, int Y);
    int BorderWidth() const { return FBorderStyle == bsSingle ? 2 : 0; }
    void ResizeVector(std::vector<int>& v, int count, int def);
    // What CutRows and CutRowSet share once the rows are gone from the descendants' stores.
    void FinishRowCut(int OldRowCount, int Count);

    int FColCount = 5;
    int FRowCount = 5;
    int FFixedCols = 1;
    int FFixedRows = 1;
    TColor FFixedColor = clBtnFace;
    int FDefaultColWidth = 64;
    int FDefaultRowHeight = 24;
    // Empty while every column (row) has the default size; filled for all once one differs.
    std::vector<int> FColWidths;
    std::vector<int> FRowHeights;
    int FGridLineWidth = 1;
    TGridOptions FOptions = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;
    bool FDefaultDrawing = true;
    TScrollStyle FScrollBars = ssBoth;
    TBorderStyle FBorderStyle = bsSingle;
    TGridCoord FCurrent{1, 1};
    TGridCoord FAnchor{1, 1};
    TGridCoord FTopLeft{1, 1};
    bool FEditorMode = false;
    TInplaceEdit* FInplaceEdit = nullptr;
    int FInplaceCol = -1;
    int FInplaceRow = -1;
    bool FShowVert = false;
    bool FShowHorz = false;
    bool FVertForced = false;
    bool FHorzForced = false;
    bool FVertEnabled = true;
    bool FHorzEnabled = true;
    TScrollInfo FHorzInfo;
    TScrollInfo FVertInfo;
    bool FUpdatingScroll = false;
    TScrollBarLook FBarLook = sblRegular;
    TColor FBarColor = clNone;
    int FBarExtent = kRegularScrollBarExtent;
    TGridCoord FPressedCell{-1, -1};
    TGridCoord FHotCell{-1, -1};
    TCursor FShownCursor = crDefault;
    QWidget* FClient = nullptr;
    QScrollBar* FHorzBar = nullptr;
    QScrollBar* FVertBar = nullptr;
};

// A grid whose cells are drawn by the OnDrawCell event.
class TCustomDrawGrid : public TCustomGrid {
public:
    explicit TCustomDrawGrid(TComponent* AOwner) : TCustomGrid(AOwner) {}
    String ClassName() const override { return "TCustomDrawGrid"; }

    TDrawCellEvent OnDrawCell;
    TSelectCellEvent OnSelectCell;
    TMovedEvent OnColumnMoved;
    TMovedEvent OnRowMoved;
    TNotifyEvent OnTopLeftChanged;
    TGetEditEvent OnGetEditMask;
    TGetEditEvent OnGetEditText;
    TSetEditEvent OnSetEditText;
    TFixedCellClickEvent OnFixedCellClick;

protected:
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    bool SelectCell(int ACol, int ARow) override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;
    void TopLeftChanged() override;
    void FixedCellClick(int ACol, int ARow) override;
    String GetEditMask(int ACol, int ARow) override;
    String GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const String& Value) override;
};

class TDrawGrid : public TCustomDrawGrid {
public:
    explicit TDrawGrid(TComponent* AOwner) : TCustomDrawGrid(AOwner) {}
    String ClassName() const override { return "TDrawGrid"; }
};

// One row of a string grid's store: its texts and objects. A row leaves the grid and comes back whole, by
// pointer (TStringGrid::TakeRow and PutRow), so hiding many rows copies none of their cells.
class TStringGridRow {
public:
    // Columns beyond Count are empty and hold no object.
    int Count() const { return static_cast<int>(texts.size()); }
    String Text(int ACol) const;
    TObject* Object(int ACol) const;

private:
    friend class TStringGrid;
    std::vector<TCellText> texts;
    std::vector<String> longTexts; // empty until the row holds a text too long for its cell
    std::vector<TObject*> objects; // empty until the row holds an object
};

// A grid with a text and an object per cell. Rows are stored as pointers to their own cell vectors, made on
// the first write, so empty rows cost one null pointer and moving or deleting a row moves pointers only.
// Cells beyond ColCount keep their data when the column count drops (hidden columns live there).
class TStringGrid : public TDrawGrid {
public:
    explicit TStringGrid(TComponent* AOwner);
    ~TStringGrid() override;
    String ClassName() const override { return "TStringGrid"; }

    String Cells(int ACol, int ARow) const;
    // The cell's text without a copy, for readers of many cells: a short text is written into Scratch (room
    // for TCellText::ShortRoom characters), a long one is seen where its row keeps it. The view lasts until
    // the cell or Scratch changes.
    QStringView CellView(int ACol, int ARow, char16_t* Scratch) const;
    void SetCells(int ACol, int ARow, const String& Value);
    TObject* Objects(int ACol, int ARow) const;
    void SetObjects(int ACol, int ARow, TObject* Value);
    // The texts of one column or row, as many as the grid has rows (columns).
    QStringList Cols(int ACol) const;
    void SetCols(int ACol, const QStringList& Value);
    QStringList Rows(int ARow) const;
    void SetRows(int ARow, const QStringList& Value);

protected:
    // The extent of the store, which may reach beyond RowCount and ColCount: descendants that own the cell
    // objects walk it to free them before rows leave (SizeChanged) or the grid goes. A row that never held
    // an object has no object slots.
    int StoredRowCount() const { return static_cast<int>(FData.size()); }
    int StoredObjectCount(int ARow) const;
    // Takes row ARow's store out whole, texts and objects (nullptr for a row that never held anything), and
    // leaves the row empty in place; the objects go with it. PutRow puts such a store into row ARow in place
    // of what it holds (which the caller has taken or freed first). Neither repaints: rows move in bulk, and
    // the cut, open or permutation around them repaints once.
    std::unique_ptr<TStringGridRow> TakeRow(int ARow);
    void PutRow(int ARow, std::unique_ptr<TStringGridRow> Row);
    // CutRowSet that hands the rows' stores to Taken, in the order of Rows (nullptr for a row that never
    // held anything), once the other rows closed up and before the row count changes: a descendant puts its
    // own indexes in step there, ahead of what the size change notifies. Hiding many scattered rows so moves
    // each row once and copies no cell.
    using TTakenRows = std::vector<std::unique_ptr<TStringGridRow>>;
    void TakeRows(const std::vector<int>& Rows, const std::function<void(TTakenRows)>& Taken);

    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;
    void RowsPermuted(const std::vector<int>& Order) override;
    void RowsRotated(int First, int Middle, int Last) override;
    void RowsCut(int First, int Count) override;
    void RowsOpened(int First, int Count) override;
    void RowSetCut(const std::vector<int>& Rows) override;
    void SizeChanged(int OldColCount, int OldRowCount) override;
    String GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const String& Value) override;

private:
    using RowData = TStringGridRow;
    RowData* EnsureRow(int ARow, int ACol);
    bool CellIsEmpty(int ACol, int ARow) const;
    static String CellOf(const RowData& row, size_t ACol);
    TGapVector<std::unique_ptr<RowData>> FData;
    // Where TakeRows wants the rows CutRowSet takes; without it they go as cut rows do.
    const std::function<void(TTakenRows)>* FTakenRows = nullptr;
    bool FEditUpdate = false;
};

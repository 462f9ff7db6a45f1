// TCustomQvGridDropDown: a dropdown edit whose popup is a full string grid, filled from its own columns and
// items or by the application; typed text is looked up in the lookup column, completed, or narrows the rows.
#pragma once

#include "controls/dropdown/QvDropDown.h"
#include "controls/dropdown/QvDropDown_Items.h"
#include "controls/dropdown/QvGridDropDown_Popup.h"
// The grid library's vocabulary (enumerations and option objects), never the grid itself.
#include "controls/grid/QvObj.h"
#include "toolkit/grids/Grids.h"

#include <memory>

class TEditLink;

namespace QvCustomGridDropDown {

enum TLookupMethod { lmLookup, lmNarrowDown, lmNone };
enum TGridSorting { gsNone, gsSingleColumn, gsMultiColumn };
enum TDropDownStyle { dsDropDown, dsDropDownList };

class TCustomQvGridDropDown : public TQvCustomDropDown {
public:
    explicit TCustomQvGridDropDown(TComponent* AOwner);
    ~TCustomQvGridDropDown() override;
    String ClassName() const override { return "TCustomQvGridDropDown"; }

    void Loaded() override;

    // ---- items and columns
    bool UseItems() const { return FUseItems; }
    void SetUseItems(bool v) { FUseItems = v; }
    TDropDownColumns* Columns() const { return FColumns.get(); }
    void SetColumns(const TDropDownColumns* v) { FColumns->Assign(v); }
    TDropDownItems* Items() const { return FItems.get(); }
    void SetItems(const TDropDownItems* v) { FItems->Assign(v); }
    // The item count.
    int RowCount() const { return FItems->Count(); }
    // Does nothing: the lookup texts are rebuilt at EndUpdate.
    void BeginUpdate() {}
    void EndUpdate() { BuildLookupTexts(); }

    // ---- selection and lookup
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Value);
    int LookupColumn() const { return FLookupColumn; }
    void SetLookupColumn(int v) { FLookupColumn = v; }
    TLookupMethod LookupMethod() const { return FLookupMethod; }
    void SetLookupMethod(TLookupMethod v) { FLookupMethod = v; }
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool v) { FCaseSensitive = v; }
    TDropDownStyle Style() const { return FStyle; }
    void SetStyle(TDropDownStyle v);
    bool AutoShowDropDown() const { return FAutoShowDropDown; }
    void SetAutoShowDropDown(bool v) { FAutoShowDropDown = v; }
    bool MatchCase() const { return FMatchCase; }
    void SetMatchCase(bool v) { FMatchCase = v; }
    // Stored only.
    bool MatchStart() const { return FMatchStart; }
    void SetMatchStart(bool v) { FMatchStart = v; }
    // The first item (or, without UseItems, data row) whose lookup text begins with Text: Found its whole
    // text as stored, Row the item index or grid row.
    bool LookupText(const String& Text, String& Found, int& Row) const;
    // One character typed for the incremental lookup; the row it reaches or -1.
    int LookupTypedText(QChar Key);
    String LookupEntry() const { return FLookupEntry; }
    // The lookup column's text of every item, in item order.
    const std::vector<String>& LookupItems() const { return FLookupItems; }

    // ---- moving through the items from the edit
    int NavigationCount() const;
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void PageDown();
    void PageUp();

    // ---- popup grid settings
    bool AutoSizeColumns() const { return FAutoSizeColumns; }
    void SetAutoSizeColumns(bool v) { FAutoSizeColumns = v; }
    bool DropDownAutoWidth() const { return FDropDownAutoWidth; }
    void SetDropDownAutoWidth(bool v) { FDropDownAutoWidth = v; }
    bool ColumnSizeWithDropDown() const { return FColumnSizeWithDropDown; }
    void SetColumnSizeWithDropDown(bool v) { FColumnSizeWithDropDown = v; }
    int DropDownRowHeight() const { return FDropDownRowHeight; }
    void SetDropDownRowHeight(int v) { FDropDownRowHeight = v; }
    int HeaderHeight() const { return FHeaderHeight; }
    void SetHeaderHeight(int v) { FHeaderHeight = v; }
    TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(TColor v) { FHeaderColor = v; }
    TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(TColor v) { FHeaderColorTo = v; }
    TFont* HeaderFont() const { return FHeaderFont.get(); }
    void SetHeaderFont(const TFont* v) { FHeaderFont->Assign(v); }
    TColor LineColor() const { return FLineColor; }
    void SetLineColor(TColor v) { FLineColor = v; }
    TColor FixedLineColor() const { return FFixedLineColor; }
    void SetFixedLineColor(TColor v) { FFixedLineColor = v; }
    TColor SelectionTextColor() const { return FSelectionTextColor; }
    void SetSelectionTextColor(TColor v) { FSelectionTextColor = v; }
    bool HoverRow() const { return FHoverRow; }
    void SetHoverRow(bool v) { FHoverRow = v; }
    TColor HoverRowColor() const { return FHoverRowColor; }
    void SetHoverRowColor(TColor v) { FHoverRowColor = v; }
    TColor HoverRowColorTo() const { return FHoverRowColorTo; }
    void SetHoverRowColorTo(TColor v) { FHoverRowColorTo = v; }
    bool RowSelect() const { return FRowSelect; }
    void SetRowSelect(bool v) { FRowSelect = v; }
    bool GridEditable() const { return FGridEditable; }
    void SetGridEditable(bool v) { FGridEditable = v; }
    bool ColumnSizing() const { return FColumnSizing; }
    void SetColumnSizing(bool v) { FColumnSizing = v; }
    bool ColumnMoving() const { return FColumnMoving; }
    void SetColumnMoving(bool v) { FColumnMoving = v; }
    bool RowSizing() const { return FRowSizing; }
    void SetRowSizing(bool v) { FRowSizing = v; }
    bool RowMoving() const { return FRowMoving; }
    void SetRowMoving(bool v) { FRowMoving = v; }
    TGridSorting Sorting() const { return FSorting; }
    void SetSorting(TGridSorting v) { FSorting = v; }
    TImageList* GridImages() const { return FGridImages; }
    void SetGridImages(TImageList* v);
    TSearchFooter* SearchFooter() const { return FSearchFooter.get(); }
    void SetSearchFooter(const TSearchFooter* v) { FSearchFooter->Assign(v); }
    TNavigation* Navigation() const { return FNavigation.get(); }
    void SetNavigation(const TNavigation* v) { FNavigation->Assign(v); }
    TMouseActions* MouseActions() const { return FMouseActions.get(); }
    void SetMouseActions(const TMouseActions* v) { FMouseActions->Assign(v); }
    TBands* Bands() const { return FBands.get(); }
    void SetBands(const TBands* v) { FBands->Assign(v); }

    // The popup grid (made with the popup form); null before.
    IDropDownGrid* GetGrid() const { return FQvColGrid; }
    // The grid row last made current in the popup.
    int SelectedRow() const { return FSelRow; }
    // Columns scaled to the popup's width, the rounding carried so they fill it.
    void SizeColumnsToPopup();

    // ---- the base's operations
    int GetVersionNr() const override { return 0x06000101; }
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void AdjustDropDownHeight(int& Height) override;
    void DoDropDown() override;
    void PlaceDropDownControl() override;
    void UpdateDropDownSize() override;
    void DoHideDropDown(bool CancelChanges) override;
    void ControlKeyDown(TObject* Sender, Word& Key, TShiftState Shift) override;
    void ControlKeyUp(TObject* Sender, Word& Key, TShiftState Shift) override;
    void ControlKeyPress(TObject* Sender, QChar& Key) override;
    void FormSizing(TObject* Sender) override;
    void WheelDown() override;
    void WheelUp() override;
    void SetSelectionColorStyle(TSelectionColorStyle Value) override;
    void SetComponentStyle(TQvStyle AStyle) override;
    // A text set by the program is no typing: it is not completed.
    void SetText(const String& Value) override;

    // ---- handlers the popup grid is connected to at each drop-down
    void GridSelect(TObject* Sender);
    void GridKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void GridSelectCell(TObject* Sender, int ACol, int ARow, bool& CanSelect);
    void GridCheckBoxClick(TObject* Sender, int ACol, int ARow, bool State);
    void StartBlockFocus(TObject* Sender);
    void EndBlockFocus(TObject* Sender);
    // Around a sort by a header click: the item selected before stays selected after.
    void RememberItemForSort(TObject* Sender, int ACol, bool& DoSort);
    void RestoreRowAfterSort(TObject* Sender, int ACol);
    int RowToItem(int Row) const;
    int ItemToRow(int Item) const;

    // ---- the event relays, in their order; each raises the OnGrid event of its name
    virtual TDropDownItems* CreateItems(TPersistent* AOwner);
    virtual void DoGridAnchorClick(TObject* Sender, int ARow, int ACol, const String& Anchor,
                                   bool& AutoHandle);
    virtual void DoGridAnchorEnter(TObject* Sender, int ARow, int ACol, const String& Anchor);
    virtual void DoGridAnchorExit(TObject* Sender, int ARow, int ACol, const String& Anchor);
    virtual void DoGridAnchorHint(TObject* Sender, int ARow, int ACol, String& Anchor);
    virtual void DoGridButtonClick(TObject* Sender, int ACol, int ARow);
    virtual void DoGridCanSort(TObject* Sender, int ACol, bool& DoSort);
    virtual void DoGridClickSort(TObject* Sender, int ACol);
    virtual void DoGridCustomCompare(TObject* Sender, const String& str1, const String& str2, int& Res);
    virtual void DoGridRawCompare(TObject* Sender, int ACol, int Row1, int Row2, int& Res);
    virtual void DoGridColumnSize(TObject* Sender, int ACol, bool& Allow);
    virtual void DoGridColumnSizing(TObject* Sender, int ACol, int ColumnSize);
    virtual void DoGridEndColumnSize(TObject* Sender, int ACol);
    virtual void DoGridRowSize(TObject* Sender, int ARow, bool& Allow);
    virtual void DoGridRowSizing(TObject* Sender, int ARow, int RowSize);
    virtual void DoGridEndRowSize(TObject* Sender, int ARow);
    virtual void DoGridRowMove(TObject* Sender, int ARow, bool& Allow);
    virtual void DoGridRowMoving(TObject* Sender, int ARow, bool& Allow);
    virtual void DoGridRowMoved(TObject* Sender, int FromIndex, int ToIndex);
    virtual void DoGridColumnMove(TObject* Sender, int ACol, bool& Allow);
    virtual void DoGridColumnMoving(TObject* Sender, int ACol, bool& Allow);
    virtual void DoGridColumnMoved(TObject* Sender, int FromIndex, int ToIndex);
    virtual void DoGridCustomCellDraw(TObject* Sender, TCanvas* Canvas, int ACol, int ARow,
                                      TGridDrawState AState, const TRect& ARect, bool Printing);
    virtual void DoGridCustomCellBkgDraw(TObject* Sender, TCanvas* Canvas, int ACol, int ARow,
                                         TGridDrawState AState, const TRect& ARect, bool Printing);
    virtual void DoGridCellBalloon(TObject* Sender, int ACol, int ARow, String& ATitle, String& AText,
                                   int& AIcon);
    virtual void DoGridGetAlignment(TObject* Sender, int ARow, int ACol, TAlignment& HAlign,
                                    TVAlignment& VAlign);
    virtual void DoGridGetCellColor(TObject* Sender, int ARow, int ACol, TGridDrawState AState,
                                    TBrush* ABrush, TFont* AFont);
    virtual void DoGridGetCellGradient(TObject* Sender, int ARow, int ACol, TColor& Color, TColor& ColorTo,
                                       TColor& ColorMirror, TColor& ColorMirrorTo,
                                       TCellGradientDirection& GD);
    virtual void DoGridGetFloatFormat(TObject* Sender, int ACol, int ARow, bool& IsFloat,
                                      String& FloatFormat);
    virtual void DoGridGetEditorType(TObject* Sender, int ACol, int ARow, TEditorType& AEditor);
    virtual void DoGridGetEditorProp(TObject* Sender, int ACol, int ARow, TEditLink* AEditLink);
    virtual void DoGridCanEditCell(TObject* Sender, int ARow, int ACol, bool& CanEdit);
    virtual void DoGridEllipsClick(TObject* Sender, int ACol, int ARow, String& S);
    virtual void DoGridGetDisplText(TObject* Sender, int ACol, int ARow, String& Value);
    virtual void DoGridGetFormat(TObject* Sender, int ACol, TSortStyle& AStyle, String& aPrefix,
                                 String& aSuffix);
    virtual void DoGridHint(TObject* Sender, int ARow, int ACol, String& hintstr);
    virtual void DoGridMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    virtual void DoGridMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void DoGridMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void DoGridKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    virtual void DoGridKeyUp(TObject* Sender, Word& Key, TShiftState Shift);
    virtual void DoGridKeyPress(TObject* Sender, QChar& Key);
    virtual void DoGridRightClickCell(TObject* Sender, int ARow, int ACol);
    virtual void DoGridScrollHint(TObject* Sender, int ARow, String& hintstr);
    virtual void DoGridTopLeftChanged(TObject* Sender);
    virtual void DoGridSearchEditChange(TObject* Sender, const String& Value, bool& DefaultSearch);
    virtual void DoGridSpinClick(TObject* Sender, int ACol, int ARow, int AValue, bool UpDown);
    virtual void DoGridAutoAddRow(TObject* Sender, int ARow);
    virtual void DoGridAutoInsertRow(TObject* Sender, int ARow);
    virtual void DoGridAutoInsertCol(TObject* Sender, int ACol);
    virtual void DoGridAutoDeleteRow(TObject* Sender, int ARow);
    virtual void DoGridCanAddRow(TObject* Sender, bool& CanAdd);
    virtual void DoGridCanInsertRow(TObject* Sender, int ARow, bool& CanInsert);
    virtual void DoGridCanDeleteRow(TObject* Sender, int ARow, bool& CanDelete);

    TNotifyEvent OnSelect;
    std::function<void(TObject*, int ARow, int ACol, const String& Anchor, bool& AutoHandle)>
        OnGridAnchorClick;
    std::function<void(TObject*, int ARow, int ACol, const String& Anchor)> OnGridAnchorEnter;
    std::function<void(TObject*, int ARow, int ACol, const String& Anchor)> OnGridAnchorExit;
    std::function<void(TObject*, int ARow, int ACol, String& Anchor)> OnGridAnchorHint;
    std::function<void(TObject*, int ACol, int ARow)> OnGridButtonClick;
    std::function<void(TObject*, int ACol, bool& DoSort)> OnGridCanSort;
    std::function<void(TObject*, int ACol)> OnGridClickSort;
    std::function<void(TObject*, const String& str1, const String& str2, int& Res)> OnGridCustomCompare;
    std::function<void(TObject*, int ACol, int Row1, int Row2, int& Res)> OnGridRawCompare;
    std::function<void(TObject*, int ACol, bool& Allow)> OnGridColumnSize;
    std::function<void(TObject*, int ACol, int ColumnSize)> OnGridColumnSizing;
    std::function<void(TObject*, int ACol)> OnGridEndColumnSize;
    std::function<void(TObject*, int ARow, bool& Allow)> OnGridRowSize;
    std::function<void(TObject*, int ARow, int RowSize)> OnGridRowSizing;
    std::function<void(TObject*, int ARow)> OnGridEndRowSize;
    std::function<void(TObject*, int ARow, bool& Allow)> OnGridRowMove;
    std::function<void(TObject*, int ARow, bool& Allow)> OnGridRowMoving;
    std::function<void(TObject*, int FromIndex, int ToIndex)> OnGridRowMoved;
    std::function<void(TObject*, int ACol, bool& Allow)> OnGridColumnMove;
    std::function<void(TObject*, int ACol, bool& Allow)> OnGridColumnMoving;
    std::function<void(TObject*, int FromIndex, int ToIndex)> OnGridColumnMoved;
    std::function<void(TObject*, TCanvas*, int ACol, int ARow, TGridDrawState, const TRect&, bool Printing)>
        OnGridCustomCellDraw;
    std::function<void(TObject*, TCanvas*, int ACol, int ARow, TGridDrawState, const TRect&, bool Printing)>
        OnGridCustomCellBkgDraw;
    std::function<void(TObject*, int ACol, int ARow, String& ATitle, String& AText, int& AIcon)>
        OnGridCellBalloon;
    std::function<void(TObject*, int ARow, int ACol, TAlignment& HAlign, TVAlignment& VAlign)>
        OnGridGetAlignment;
    std::function<void(TObject*, int ARow, int ACol, TGridDrawState, TBrush*, TFont*)> OnGridGetCellColor;
    std::function<void(TObject*, int ARow, int ACol, TColor& Color, TColor& ColorTo, TColor& ColorMirror,
                       TColor& ColorMirrorTo, TCellGradientDirection& GD)>
        OnGridGetCellGradient;
    std::function<void(TObject*, int ACol, int ARow, bool& IsFloat, String& FloatFormat)>
        OnGridGetFloatFormat;
    std::function<void(TObject*, int ACol, int ARow, TEditorType& AEditor)> OnGridGetEditorType;
    std::function<void(TObject*, int ACol, int ARow, TEditLink* AEditLink)> OnGridGetEditorProp;
    std::function<void(TObject*, int ARow, int ACol, bool& CanEdit)> OnGridCanEditCell;
    std::function<void(TObject*, int ACol, int ARow, String& S)> OnGridEllipsClick;
    std::function<void(TObject*, int ACol, int ARow, String& Value)> OnGridGetDiplText;
    std::function<void(TObject*, int ACol, TSortStyle& AStyle, String& aPrefix, String& aSuffix)>
        OnGridGetFormat;
    std::function<void(TObject*, int ARow, int ACol, String& hintstr)> OnGridHint;
    TMouseMoveEvent OnGridMouseMove;
    TMouseEvent OnGridMouseDown;
    TMouseEvent OnGridMouseUp;
    TKeyEvent OnGridKeyDown;
    TKeyEvent OnGridKeyUp;
    TKeyPressEvent OnGridKeyPress;
    std::function<void(TObject*, int ARow, int ACol)> OnGridRightClickCell;
    std::function<void(TObject*, int ARow, String& hintstr)> OnGridScrollHint;
    TNotifyEvent OnGridTopLeftChanged;
    std::function<void(TObject*, const String& Value, bool& DefaultSearch)> OnGridSearchEditChange;
    std::function<void(TObject*, int ACol, int ARow, int AValue, bool UpDown)> OnGridSpinClick;
    std::function<void(TObject*, int ARow)> OnGridAutoAddRow;
    std::function<void(TObject*, int ARow)> OnGridInsertRow;
    std::function<void(TObject*, int ACol)> OnGridInsertCol;
    std::function<void(TObject*, int ARow)> OnGridDeleteRow;
    std::function<void(TObject*, bool& CanAdd)> OnGridCanAddRow;
    std::function<void(TObject*, int ARow, bool& CanInsert)> OnGridCanInsertRow;
    std::function<void(TObject*, int ARow, bool& CanDelete)> OnGridCanDeleteRow;
    std::function<void(TObject*, int ACol, int ARow, bool State)> OnGridCheckBoxClick;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Dispatch(TMessage& Message) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    void Change() override;
    void DoEnter() override;

private:
    void BuildLookupTexts();
    // The lookup texts still hold the items' texts of the lookup column.
    bool LookupTextsCurrent() const;
    // The items' rows are in the grid (it was filled, or is filled now for a narrow-down before a drop).
    void EnsureGridFilled();
    // Puts a text into the edit without completing it, selecting from SelFrom to the end.
    void PutText(const String& Text, int SelFrom);
    // The edit's key handling of the navigation keys (after the base's).
    void NavigationKey(Word Key, TShiftState Shift);
    // Runs F with the popup's activation blocked, so a window the handler opens leaves the popup open.
    template <class F> void WithActivationBlocked(F&& f);

    IDropDownGrid* FQvColGrid = nullptr;
    std::unique_ptr<TDropDownColumns> FColumns;
    std::unique_ptr<TDropDownItems> FItems;
    std::unique_ptr<TFont> FHeaderFont;
    std::unique_ptr<TSearchFooter> FSearchFooter;
    std::unique_ptr<TNavigation> FNavigation;
    std::unique_ptr<TMouseActions> FMouseActions;
    std::unique_ptr<TBands> FBands;
    std::vector<String> FLookupItems;
    uint64_t FLookupVersion = ~uint64_t(0);
    int FLookupBuiltColumn = -1;
    bool FUseItems = true;
    int FItemIndex = -1;
    int FLookupColumn = 0;
    TLookupMethod FLookupMethod = lmLookup;
    bool FCaseSensitive = false;
    TDropDownStyle FStyle = dsDropDown;
    bool FAutoShowDropDown = false;
    bool FAutoSizeColumns = true;
    bool FDropDownAutoWidth = true;
    bool FColumnSizeWithDropDown = true;
    int FDropDownRowHeight = 22;
    int FHeaderHeight = 25;
    TColor FHeaderColor = 0xFFFFFF;
    TColor FHeaderColorTo = 0x808080;
    TColor FLineColor = 0xC0C0C0;
    TColor FFixedLineColor = 0xC0C0C0;
    TColor FSelectionTextColor = 0;
    bool FHoverRow = false;
    TColor FHoverRowColor = clInfoBk;
    TColor FHoverRowColorTo = clNone;
    bool FRowSelect = true;
    bool FGridEditable = false;
    bool FColumnSizing = false;
    bool FColumnMoving = false;
    bool FRowSizing = false;
    bool FRowMoving = false;
    TGridSorting FSorting = gsNone;
    TImageList* FGridImages = nullptr;
    bool FMatchCase = false;
    bool FMatchStart = true;

    int FSelRow = -1;
    bool FWorkMode = true;
    String FLookupEntry;
    bool FItemChange = false;
    int FItemIdx = -1;
    int FItemSel = 0;
    int FOldItemIndex = -1;
    int FSortItem = -1;
    String FOldValue;
    bool FDesignTime = false;
    bool FBalloonInit = false;
    bool FInChange = false;
};

} // namespace QvCustomGridDropDown

using QvCustomGridDropDown::TCustomQvGridDropDown;

// TQvMultiColumnDropDown: an edit whose popup lists items in several columns under a header row, a combo
// box with columns. One column, the lookup column, gives the edit its text and what typing completes
// against. The list is a small string grid of the toolkit that paints every cell itself.
#pragma once

#include "controls/dropdown/QvDropDown.h"
#include "controls/dropdown/QvDropDown_Items.h"
#include "controls/dropdown/QvMultiColumnLookup.h"
#include "toolkit/grids/Grids.h"

#include <functional>
#include <memory>

class TQvMultiColumnDropDown;

// The grid dropdown's popup grid has the list's class name: the list and its events live in their own
// namespace so both can be linked into one program.
namespace QvMultiColumn {

using TDrawCellEvent =
    std::function<void(TObject* Sender, int Column, int Row, TCanvas* ACanvas, TRect ARect)>;
using TGetCellPropEvent =
    std::function<void(TObject* Sender, int Column, int Row, TFont* Font, TColor& AColor, TColor& AColorTo)>;
using TGetCellTextEvent = std::function<void(TObject* Sender, int Column, int Row, String& Text)>;

// The list in the popup: a header row over one row per item, every cell painted here.
class TQvColGrid : public TStringGrid {
public:
    explicit TQvColGrid(TComponent* AOwner);
    ~TQvColGrid() override;
    String ClassName() const override { return "TQvColGrid"; }

    TQvMultiColumnDropDown* QvDropDown() const { return FQvDropDown; }
    void SetQvDropDown(TQvMultiColumnDropDown* v) { FQvDropDown = v; }
    TDropDownColumns* Columns() const { return FColumns.get(); }
    TColor HeaderColor() const { return FHeaderColor; }
    TColor HeaderColorTo() const { return FHeaderColorTo; }
    int HeaderHeight() const { return FHeaderHeight; }
    TFont* HeaderFont() const { return FHeaderFont.get(); }
    TColor LineColor() const { return FLineColor; }
    TColor FixedLineColor() const { return FFixedLineColor; }
    // The lines this list draws itself; the toolkit grid's own lines stay at 0.
    int ListLineWidth() const { return FGridLineWidth; }
    void SetListLineWidth(int v) { FGridLineWidth = v; }
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* v);
    // The row was reached by a press or a key, not by the wheel: closing takes it.
    bool ConfirmSelection() const { return FConfirmSelection; }
    void SetConfirmSelection(bool v) { FConfirmSelection = v; }
    bool MouseWheelSelection() const { return FMouseWheelSelection; }

    // Copies columns, sizes and looks from the dropdown and sizes the rows to its items.
    void SetupFromDropDown();
    // The columns' widths, the border and a vertical scroll bar when not every row shows.
    int GetColumnsWidth() const;
    void AutoSizeDropDownColumns();
    void AutoSizeDropDownColumn(int Index);
    void SizeWrappedRows();
    // The whole cell: its top-left with the full column width and row height.
    TRect GetCellRect(int ACol, int ARow) const;
    bool AllRowsVisible() const;
    // Makes the item row current, scrolling it into view.
    void ShowItemRow(int ItemIndex);

    TDrawCellEvent OnDrawCell;
    TGetCellPropEvent OnGetCellProp;
    TGetCellTextEvent OnGetCellText;
    TNotifyEvent OnSelect;
    // A row change made by the person (not by the wheel).
    std::function<void(int Row)> OnRowChosen;

protected:
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    bool SelectCell(int ACol, int ARow) override;
    LRESULT DialogCode() const override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    virtual void DoSelect();

private:
    bool OnPopupForm() const;
    int BorderPixels() const { return BorderStyle() == bsSingle ? 2 : 0; }
    void DrawCellLines(const TRect& R, bool Header);
    void DrawCellContent(const TRect& R, int ACol, int ARow, const String& Text, bool Selected, bool Header);

    TQvMultiColumnDropDown* FQvDropDown = nullptr;
    std::unique_ptr<TDropDownColumns> FColumns;
    TColor FHeaderColor = 0xFFFFFF;
    TColor FHeaderColorTo = 0x808080;
    int FHeaderHeight = 25;
    std::unique_ptr<TFont> FHeaderFont;
    TColor FLineColor = 0x808080;
    TColor FFixedLineColor = 0x808080;
    int FGridLineWidth = 1;
    TImageList* FImages = nullptr;
    int FOldRow = -1;
    bool FMouseWheelSelection = false;
    bool FConfirmSelection = false;
};

} // namespace QvMultiColumn

class TQvMultiColumnDropDown : public TQvCustomDropDown {
public:
    explicit TQvMultiColumnDropDown(TComponent* AOwner);
    ~TQvMultiColumnDropDown() override;
    String ClassName() const override { return "TQvMultiColumnDropDown"; }

    void Assign(const TPersistent* Source) override;
    void Loaded() override;

    TDropDownColumns* Columns() const { return FColumns.get(); }
    void SetColumns(const TDropDownColumns* v) { FColumns->Assign(v); }
    TDropDownItems* Items() const { return FItems.get(); }
    void SetItems(const TDropDownItems* v) { FItems->Assign(v); }
    int ItemIndex() const { return FItemIndex; }
    // Ignored from the item count on; the edit shows the item's lookup text, or nothing for -1.
    void SetItemIndex(int Value);
    void SetText(const String& Value) override;
    // The first item whose lookup text equals Value exactly; -1 when none.
    int GetItemIndex(const String& Value) const;
    int RowCount() const { return FItems->Count(); }
    int LookupColumn() const { return FLookupColumn; }
    void SetLookupColumn(int v) { FLookupColumn = v; }
    // The lookup list is not rebuilt by every change of the items: whoever fills them ends with EndUpdate.
    void BeginUpdate() {}
    void EndUpdate();
    const TLookupTexts& LookupItems() const { return FLookupItems; }

    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool v) { FCaseSensitive = v; }
    bool MatchCase() const { return FMatchCase; }
    void SetMatchCase(bool v) { FMatchCase = v; }
    bool MatchStart() const { return FMatchStart; }
    void SetMatchStart(bool v) { FMatchStart = v; }
    TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(TColor v) { FHeaderColor = v; }
    TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(TColor v) { FHeaderColorTo = v; }
    int HeaderHeight() const { return FHeaderHeight; }
    void SetHeaderHeight(int v) { FHeaderHeight = v; }
    TFont* HeaderFont() const { return FHeaderFont.get(); }
    void SetHeaderFont(const TFont* v) { FHeaderFont->Assign(v); }
    TColor LineColor() const { return FLineColor; }
    void SetLineColor(TColor v) { FLineColor = v; }
    TColor FixedLineColor() const { return FFixedLineColor; }
    void SetFixedLineColor(TColor v) { FFixedLineColor = v; }
    bool ColumnSizing() const { return FColumnSizing; }
    void SetColumnSizing(bool v) { FColumnSizing = v; }
    bool ColumnSizeWithDropDown() const { return FColumnSizeWithDropDown; }
    void SetColumnSizeWithDropDown(bool v) { FColumnSizeWithDropDown = v; }
    bool DropDownAutoWidth() const { return FDropDownAutoWidth; }
    void SetDropDownAutoWidth(bool v) { FDropDownAutoWidth = v; }
    int DropDownRowHeight() const { return FDropDownRowHeight; }
    void SetDropDownRowHeight(int v) { FDropDownRowHeight = v; }
    TColor SelectionTextColor() const { return FSelectionTextColor; }
    void SetSelectionTextColor(TColor v) { FSelectionTextColor = v; }
    QvMultiColumn::TQvColGrid* ListGrid() const { return FQvColGrid; }

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

    TNotifyEvent OnSelect;
    QvMultiColumn::TDrawCellEvent OnDropDownDrawItem;
    QvMultiColumn::TGetCellTextEvent OnDropDownGetItemText;
    QvMultiColumn::TGetCellPropEvent OnDropDownGetItemProp;

protected:
    void Dispatch(TMessage& Message) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    void Change() override;

private:
    // Stretches the list's columns over the popup's width.
    void StretchColumns();
    void ListSelect(TObject* Sender);
    void StepTo(TItemStep Step);

    std::unique_ptr<TDropDownColumns> FColumns;
    std::unique_ptr<TDropDownItems> FItems;
    int FItemIndex = -1;
    int FLookupColumn = 0;
    TLookupTexts FLookupItems;
    bool FCaseSensitive = false;
    bool FMatchCase = false;
    bool FMatchStart = true;
    TColor FHeaderColor = 0xFFFFFF;
    TColor FHeaderColorTo = 0x808080;
    int FHeaderHeight = 25;
    std::unique_ptr<TFont> FHeaderFont;
    TColor FLineColor = 0xC0C0C0;
    TColor FFixedLineColor = 0x808080;
    bool FColumnSizing = false;
    bool FColumnSizeWithDropDown = true;
    bool FDropDownAutoWidth = true;
    int FDropDownRowHeight = 22;
    TColor FSelectionTextColor = 0;
    QvMultiColumn::TQvColGrid* FQvColGrid = nullptr;
    bool FShowing = false;
    int FOldItemIndex = -1;
    bool FWorkMode = true;
    TListTypingState FLookupEntry;
    bool FItemChange = false;
    int FItemIdx = -1;
    int FItemSel = 0;
    // Set while the completion rewrites the edit: that change is not typing.
    bool FCompleting = false;
};

// The colour panels' common base and the palette of colour boxes (TCustomColorSelector): boxes in
// columns, a hot box under the mouse or moved by keys and a selected one, framed in two colours each.
#pragma once

#include "controls/dropdown/QvColorPanels_Logic.h"
#include "controls/dropdown/QvDropDown_Types.h"
#include "toolkit/controls/Controls.h"

#include <vector>

// A custom-drawn colour chooser; the cube and the spectrum fire OnShouldHide when a mouse button is
// released over them.
class TQvCustomColorSelectorPanel : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    TNotifyEvent OnShouldHide;
};

struct TColorBoxItem {
    TColor Color = clNone;
    TItemPos ColorBoxPos = ipStandAlone;
    bool Enabled = true;
    TRect Rect;
};

class TColorBoxAppearance : public TPersistent {
public:
    String ClassName() const override { return "TColorBoxAppearance"; }
    void Assign(const TPersistent* Source) override;
    TColor BorderColor = 0xC5C5C5;
    TColor OuterBorderColorHot = 0x3694F2;
    TColor InnerBorderColorHot = 0x94E2FF;
    TColor OuterBorderColorSelected = 0x0000FF;
    TColor InnerBorderColorSelected = 0x94E2FF;
    TNotifyEvent OnChange;
};

class TCustomColorSelector : public TQvCustomColorSelectorPanel {
public:
    explicit TCustomColorSelector(TComponent* AOwner);
    String ClassName() const override { return "TCustomColorSelector"; }

    // The boxes; after changing them, ArrangeItems places them.
    std::vector<TColorBoxItem>& Items() { return FItems; }
    int Count() const { return int(FItems.size()); }
    void AddItem(TColor Color, TItemPos Pos);
    // The 60 default colours.
    void InitPalette();

    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Value);
    int ItemHot() const { return FItemHot; }
    void SetItemHot(int Value);
    TColor SelectedColor() const { return FSelectedColor; }
    // The first box of that colour is selected, else none.
    void SetSelectedColor(TColor Value);
    int Columns() const { return FColumns; }
    void SetColumns(int v);
    int ColumnGap() const { return FColumnGap; }
    void SetColumnGap(int v);
    int ColorBoxWidth() const { return FColorBoxWidth; }
    void SetColorBoxWidth(int v);
    int ColorBoxHeight() const { return FColorBoxHeight; }
    void SetColorBoxHeight(int v);
    TColorBoxAppearance* ColorBoxAppearance() { return &FColorBoxAppearance; }
    TSelectionColorStyle ItemColorStyle() const { return FItemColorStyle; }
    void SetItemColorStyle(TSelectionColorStyle v);

    int ItemAtPos(int X, int Y) const;
    TRect GetItemRect(int Index) const;
    // The navigation keys Page Up to Down; the others do nothing.
    void HandleKey(Word Key, bool EditorEnabled, bool DroppedDown);
    void SelectFirst() { SetItemIndex(Count() > 0 ? 0 : -1); }
    void SelectLast() { SetItemIndex(Count() - 1); }
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();

    virtual void DrawItem(int Index, TCanvas* Canvas);
    virtual void ArrangeItems();
    virtual void InvalidateItem(int Index);

    std::function<void(TObject* Sender, int Index)> OnItemSelect;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseLeave() override;

private:
    std::vector<TColorBoxItem> FItems;
    TColorBoxAppearance FColorBoxAppearance;
    int FItemIndex = -1;
    int FItemHot = -1;
    int FOffSetX = 4;
    int FOffSetY = 4;
    int FColumns = 10;
    int FColumnGap = 4;
    int FColorBoxHeight = 12;
    int FColorBoxWidth = 12;
    TSelectionColorStyle FItemColorStyle = scOffice2007;
    TColor FSelectedColor = clNone;
};

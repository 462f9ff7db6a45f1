// The item selector the item pickers put into their popup: a scrolling host that owns the items, their
// look and the settings, and one panel inside it that lays the items out in rows of columns, paints the
// ones in view with their hot and selected looks and hit-tests them.
#pragma once

#include "controls/dropdown/QvDropDown_Types.h"
#include "controls/dropdown/QvItemSelector_Layout.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/graphics/Graphics.h"
#include "toolkit/graphics/Picture.h"
#include "toolkit/stdctrls/ExtCtrls.h"
#include "toolkit/system/Collections.h"

#include <functional>
#include <memory>

class TImageList;
class TQvCustomItemSelector;

enum TSelectorType { stImage, stColor };

using TDrawItemEvent = std::function<void(TObject* Sender, TCanvas* Canvas, TRect R, int Index)>;
using TItemSizeEvent = std::function<void(TObject* Sender, TSize& ASize)>;

// One item: a caption (markup allowed) with a picture, an image of the host's list or a colour box.
// Caption, Color and ImageIndex changes tell the collection; the picture does not.
class TSelectorItem : public TCollectionItem {
public:
    explicit TSelectorItem(TCollection* ACollection);
    ~TSelectorItem() override;
    String ClassName() const override { return "TSelectorItem"; }
    void Assign(const TPersistent* Source) override;

    String Caption() const { return FCaption; }
    void SetCaption(const String& v);
    TColor Color() const { return FColor; }
    void SetColor(TColor v);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int v);
    TPicture* Image() const { return FImage.get(); }
    void SetImage(const TPicture* v) { FImage->Assign(v); }
    String Hint() const { return FHint; }
    void SetHint(const String& v) { FHint = v; }
    // A disabled item can be neither hot nor selected.
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool v) { FEnabled = v; }
    // The item's place in panel coordinates; left and right below 0 until it is arranged.
    TRect ItemRect() const { return FRect; }

private:
    friend class TCustomItemSelector;
    void Notify();
    String FCaption;
    TColor FColor = clNone;
    int FImageIndex = -1;
    std::unique_ptr<TPicture> FImage;
    String FHint;
    bool FEnabled = true;
    TRect FRect{-1, -1, -1, -1};
};

// The items; OnChange fires for changes of an item's settings only, never for adding or removing items
// (whoever fills them calls UpdateSelectorPanel afterwards). Inside BeginUpdate/EndUpdate the changes
// fire OnChange once, at the end: a host re-arranges all its items at each one.
class TSelectorItems : public TCollection {
public:
    explicit TSelectorItems(TPersistent* AOwner) : FMyOwner(AOwner) {}
    String ClassName() const override { return "TSelectorItems"; }
    TPersistent* GetOwner() const override { return FMyOwner; }
    TSelectorItem* Add() { return static_cast<TSelectorItem*>(TCollection::Add()); }
    TSelectorItem* Insert(int Index) { return static_cast<TSelectorItem*>(TCollection::Insert(Index)); }
    TSelectorItem* Items(int Index) const { return static_cast<TSelectorItem*>(TCollection::Items(Index)); }

    TNotifyEvent OnChange;

protected:
    TCollectionItem* CreateItem() override { return new TSelectorItem(this); }
    void Update(TCollectionItem* Item) override;

private:
    friend class TSelectorItem;
    void ItemChanged();
    TPersistent* FMyOwner;
    bool FChangedInUpdate = false;
};

// The hot and selected looks of the items; a new appearance has the scOffice2007 colours.
class TItemAppearance : public TPersistent {
public:
    explicit TItemAppearance(TPersistent* AOwner);
    ~TItemAppearance() override;
    String ClassName() const override { return "TItemAppearance"; }
    TPersistent* GetOwner() const { return FOwner; }
    // The table colours and the font, then the source's style (so a differing style's table colours win),
    // then the text and the hot and selected border colours.
    void Assign(const TPersistent* Source) override;

    TSelectionColorStyle ColorStyle() const { return FColorStyle; }
    // Sets the style's table colours when the style differs; scCustom keeps every colour.
    void SetColorStyle(TSelectionColorStyle Value);

    TColor BorderColor, BorderColorTop, BorderColorBottom, EdgeColor;
    TColor ColorHot, ColorHotTo, ColorMirrorHot, ColorMirrorHotTo;
    TColor ColorSelected, ColorSelectedTo, ColorMirrorSelected, ColorMirrorSelectedTo;
    TColor ColorHotText = 0;
    TColor ColorSelectedText = 0;
    TColor BorderColorHot = clNone;
    TColor BorderColorSelected = clNone;
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* v) { FFont->Assign(v); }

    TNotifyEvent OnChange;

private:
    TPersistent* FOwner;
    std::unique_ptr<TFont> FFont;
    TSelectionColorStyle FColorStyle = scCustom;
};

// The panel inside the host: reads every setting from the host and keeps only its selected and hot item.
class TCustomItemSelector : public TCustomControl {
public:
    // Raises an exception ("Invalid parent") unless AOwner is an item selector host.
    explicit TCustomItemSelector(TComponent* AOwner);
    String ClassName() const override { return "TCustomItemSelector"; }

    TQvCustomItemSelector* QvItemSelector() const { return FQvItemSelector; }
    int Columns() const;
    TSelectorItems* Items() const;
    TSelectorType SelectorType() const;
    TItemLayout ItemLayout() const;
    TImageList* Images() const;
    int ColorBoxWidth() const;
    int ColorBoxHeight() const;

    int ItemIndex() const { return FItemIndex; }
    // Ignored for a disabled item; fires OnItemSelect for any index from 0, the same one again too.
    void SetItemIndex(int Value);
    int ItemHot() const { return FItemHot; }
    void SetItemHot(int Index);
    // -1, -1, -1, -1 for an index that is no item.
    void GetItemRect(int Index, TRect& Rect) const;
    int ItemAtPos(int X, int Y) const;
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    // Selects the first item whose plain, trimmed, upper-cased caption begins with Text.
    bool LookupItem(const String& Text);

    // Slots in this order, after Paint.
    virtual void DrawItem(int Index, TCanvas* ACanvas);
    virtual void GetItemArea(TRect& Rect) const;
    virtual void GetItemSize(TSize& Size);
    virtual void InvalidateItem(int Index);
    virtual void ArrangeItems();

    TNotifyEvent OnItemSelect;

protected:
    // Only the items the paint area touches are drawn, so a long list costs what one view costs.
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseLeave() override;

private:
    bool ValidIndex(int Index) const;
    bool EnabledItem(int Index) const;
    void DrawItemBackground(int Index, TCanvas* ACanvas, const TRect& R);
    void DrawItemVisual(const TSelectorItem& Item, TCanvas* ACanvas, TPoint At, TSize Size, bool Box);
    TSize ItemVisualSize(const TSelectorItem& Item) const;
    void DrawCaptionCentred(TCanvas* ACanvas, const String& Caption, TRect& T);

    int FItemIndex = -1;
    int FItemHot = -1;
    TItemSelectorSpacing FSpacing;
    // The cell size and origin of the last arrangement.
    TSize FCell{0, 0};
    TPoint FOrigin{0, 0};
    TQvCustomItemSelector* FQvItemSelector = nullptr;
};

// The host: owns the items, their look and the settings, scrolls the panel and takes the keys a focused
// list takes (arrows, page keys, Home, End and typed lookup).
class TQvCustomItemSelector : public TScrollingWinControl {
public:
    explicit TQvCustomItemSelector(TComponent* AOwner);
    ~TQvCustomItemSelector() override;
    String ClassName() const override { return "TQvCustomItemSelector"; }

    TSelectorItems* Items() const { return FItems.get(); }
    void SetItems(const TSelectorItems* v) { FItems->Assign(v); }
    int ItemIndex() const;
    void SetItemIndex(int Value);
    int ItemHot() const;
    int Columns() const { return FColumns; }
    void SetColumns(int v);
    TSelectorType SelectorType() const { return FSelectorType; }
    void SetSelectorType(TSelectorType v);
    TItemLayout ItemLayout() const { return FItemLayout; }
    // Applied by the next UpdateSelectorPanel.
    void SetItemLayout(TItemLayout v) { FItemLayout = v; }
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* v);
    TItemAppearance* ItemAppearance() const { return FItemAppearance.get(); }
    void SetItemAppearance(const TItemAppearance* v) { FItemAppearance->Assign(v); }
    int ColorBoxWidth() const { return FColorBoxWidth; }
    void SetColorBoxWidth(int v);
    int ColorBoxHeight() const { return FColorBoxHeight; }
    void SetColorBoxHeight(int v);
    TCustomItemSelector* SelectorPanel() const { return FItemSelectorPanel; }

    void UpdateSelectorPanel();
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    bool LookupItem(const String& Text);
    void ScrollItemInView(int Index);
    // The items a page of the host shows; the page keys move by it.
    int GetVisibleItemCount() const;
    // 100 x 50 without a panel.
    void GetPanelSize(TSize& Size) const;

    TNotifyEvent OnItemSelect;
    TDrawItemEvent OnDrawItem;
    TItemSizeEvent OnItemSize;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    LRESULT DialogCode() const override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;

private:
    void CreateSelectorPanel();
    void PanelItemSelect(TObject* Sender);
    // Runs a move of the panel, then scrolls its selected (or hot) item into view.
    void PanelStep(void (TCustomItemSelector::*Step)(), bool Hot);
    bool VerticalBarShown() const;

    std::unique_ptr<TSelectorItems> FItems;
    TSelectorType FSelectorType = stImage;
    TItemLayout FItemLayout = ilCaptionRight;
    int FColumns = 1;
    int FColorBoxWidth = 14;
    int FColorBoxHeight = 14;
    TImageList* FImages = nullptr;
    TCustomItemSelector* FItemSelectorPanel = nullptr;
    std::unique_ptr<TItemAppearance> FItemAppearance;
    // The typed lookup text and when its first key came: it starts afresh 500 ms after that.
    String FCurSearch;
    DWORD FSearchStart = 0;
};

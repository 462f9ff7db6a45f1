// The item selector: its items, the item appearance and its colour styles, the panel's arrangement,
// painting, mouse and navigation, and the scrolling host with its keys.
#include "controls/dropdown/QvItemSelector.h"

#include "controls/dropdown/QvDropDownForm.h"
#include "controls/dropdown/QvDropDown_Appearance.h"
#include "controls/markup/QsgHTMLE.h"
#include "controls/styles/StyledSelection.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/ImgList.h"

#include <algorithm>

namespace {
constexpr TColor kNoItemColor = clNone;

// ColorHot .. ColorMirrorSelectedTo in the order of TItemAppearance's fields, per selection style.
struct TItemStyleColors {
    TColor Hot, HotTo, MirrorHot, MirrorHotTo, BorderTop, BorderBottom, Border, Edge, Selected, SelectedTo,
        MirrorSelected, MirrorSelectedTo;
};
const TItemStyleColors kItemStyles[] = {
    // scOffice2007
    {0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC, 0xF4FEFF, 0xCAF8FF, 0x8DD7D3, 0xC3D9DF, 0xA6FFFB, 0x04B9F4,
     0x15C1FB, 0x68E3F9},
    // scWindowsVista
    {0xFDF8F1, 0xFCEFD5, kNoItemColor, kNoItemColor, 0xFDFBF6, 0xFDF5E7, 0xFDDE99, 0xFCEDCB, 0xFAEEDE,
     0xFAE3B4, kNoItemColor, kNoItemColor},
    // scWindows7
    {0xFCEBDC, 0xFCDBC1, kNoItemColor, kNoItemColor, 0xFDF4EB, 0xFDEADB, 0xCEA27D, 0xE0C5AE, 0xF9D8B9,
     0xFBCAA2, kNoItemColor, kNoItemColor},
};

// The caption's extent in the font the canvas has, as the renderer lays it out.
TSize MeasureCaption(TCanvas* c, const String& caption, TImageList* images) {
    return DrawMarkupText(c, caption, TRect(0, 0, 1000, 500), false, images);
}
} // namespace

// ---- items

TSelectorItem::TSelectorItem(TCollection* ACollection)
    : TCollectionItem(ACollection), FImage(std::make_unique<TPicture>()) {}

TSelectorItem::~TSelectorItem() = default;

void TSelectorItem::Notify() {
    if (auto* items = dynamic_cast<TSelectorItems*>(Collection())) items->ItemChanged();
}

void TSelectorItems::ItemChanged() {
    if (UpdateCount() > 0) {
        FChangedInUpdate = true;
        return;
    }
    if (OnChange) OnChange(this);
}

void TSelectorItems::Update(TCollectionItem* Item) {
    TCollection::Update(Item);
    if (Item || !FChangedInUpdate) return;
    FChangedInUpdate = false;
    if (OnChange) OnChange(this);
}

void TSelectorItem::SetCaption(const String& v) {
    if (v == FCaption) return;
    FCaption = v;
    Notify();
}

void TSelectorItem::SetColor(TColor v) {
    if (v == FColor) return;
    FColor = v;
    Notify();
}

void TSelectorItem::SetImageIndex(int v) {
    if (v == FImageIndex) return;
    FImageIndex = v;
    Notify();
}

void TSelectorItem::Assign(const TPersistent* Source) {
    const auto* src = dynamic_cast<const TSelectorItem*>(Source);
    if (!src) {
        TCollectionItem::Assign(Source);
        return;
    }
    FCaption = src->FCaption;
    FColor = src->FColor;
    FImageIndex = src->FImageIndex;
    FImage->Assign(src->FImage.get());
    FEnabled = src->FEnabled;
    FHint = src->FHint;
}

// ---- appearance

TItemAppearance::TItemAppearance(TPersistent* AOwner) : FOwner(AOwner), FFont(std::make_unique<TFont>()) {
    FFont->SetName("Tahoma");
    SetColorStyle(scOffice2007);
}

TItemAppearance::~TItemAppearance() = default;

void TItemAppearance::SetColorStyle(TSelectionColorStyle Value) {
    if (Value == FColorStyle) return;
    FColorStyle = Value;
    if (Value == scCustom) return;
    const TItemStyleColors& s = kItemStyles[Value - scOffice2007];
    ColorHot = s.Hot;
    ColorHotTo = s.HotTo;
    ColorMirrorHot = s.MirrorHot;
    ColorMirrorHotTo = s.MirrorHotTo;
    BorderColorTop = s.BorderTop;
    BorderColorBottom = s.BorderBottom;
    BorderColor = s.Border;
    EdgeColor = s.Edge;
    ColorSelected = s.Selected;
    ColorSelectedTo = s.SelectedTo;
    ColorMirrorSelected = s.MirrorSelected;
    ColorMirrorSelectedTo = s.MirrorSelectedTo;
}

void TItemAppearance::Assign(const TPersistent* Source) {
    const auto* src = dynamic_cast<const TItemAppearance*>(Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    BorderColor = src->BorderColor;
    BorderColorTop = src->BorderColorTop;
    BorderColorBottom = src->BorderColorBottom;
    EdgeColor = src->EdgeColor;
    ColorHot = src->ColorHot;
    ColorHotTo = src->ColorHotTo;
    ColorMirrorHot = src->ColorMirrorHot;
    ColorMirrorHotTo = src->ColorMirrorHotTo;
    ColorSelected = src->ColorSelected;
    ColorSelectedTo = src->ColorSelectedTo;
    ColorMirrorSelected = src->ColorMirrorSelected;
    ColorMirrorSelectedTo = src->ColorMirrorSelectedTo;
    FFont->Assign(src->FFont.get());
    SetColorStyle(src->FColorStyle);
    ColorSelectedText = src->ColorSelectedText;
    ColorHotText = src->ColorHotText;
    BorderColorHot = src->BorderColorHot;
    BorderColorSelected = src->BorderColorSelected;
}

// ---- panel

TCustomItemSelector::TCustomItemSelector(TComponent* AOwner) : TCustomControl(AOwner) {
    FQvItemSelector = dynamic_cast<TQvCustomItemSelector*>(AOwner);
    if (!FQvItemSelector) throw Exception("Invalid parent");
    SetColor(FQvItemSelector->Color());
}

int TCustomItemSelector::Columns() const {
    return FQvItemSelector->Columns();
}
TSelectorItems* TCustomItemSelector::Items() const {
    return FQvItemSelector->Items();
}
TSelectorType TCustomItemSelector::SelectorType() const {
    return FQvItemSelector->SelectorType();
}
TItemLayout TCustomItemSelector::ItemLayout() const {
    return FQvItemSelector->ItemLayout();
}
TImageList* TCustomItemSelector::Images() const {
    return FQvItemSelector->Images();
}
int TCustomItemSelector::ColorBoxWidth() const {
    return FQvItemSelector->ColorBoxWidth();
}
int TCustomItemSelector::ColorBoxHeight() const {
    return FQvItemSelector->ColorBoxHeight();
}

bool TCustomItemSelector::ValidIndex(int Index) const {
    return Index >= 0 && Index < Items()->Count();
}

bool TCustomItemSelector::EnabledItem(int Index) const {
    return ValidIndex(Index) && Items()->Items(Index)->Enabled();
}

void TCustomItemSelector::GetItemArea(TRect& Rect) const {
    Rect = TRect(FSpacing.OffSetX, FSpacing.OffSetY, ClientWidth() - FSpacing.OffSetX,
                 ClientHeight() - FSpacing.OffSetY);
}

void TCustomItemSelector::GetItemSize(TSize& Size) {
    if (FQvItemSelector->OnItemSize) {
        FQvItemSelector->OnItemSize(this, Size);
        return;
    }
    TSelectorItems* items = Items();
    TSize visual{0, 0};
    if (SelectorType() == stColor) {
        visual = TSize{ColorBoxWidth(), ColorBoxHeight()};
    } else {
        for (int i = 0; i < items->Count(); ++i) {
            const TSize v = ItemVisualSize(*items->Items(i));
            visual.cx = std::max(visual.cx, v.cx);
            visual.cy = std::max(visual.cy, v.cy);
        }
    }
    TCanvas* c = Canvas();
    c->Font()->Assign(FQvItemSelector->ItemAppearance()->Font());
    TSize caption{0, 0};
    for (int i = 0; i < items->Count(); ++i) {
        const TSize s = MeasureCaption(c, items->Items(i)->Caption(), Images());
        caption.cx = std::max(caption.cx, s.cx);
        caption.cy = std::max(caption.cy, s.cy);
    }
    Size = SelectorCellSize(ItemLayout(), visual, caption, FSpacing);
}

TSize TCustomItemSelector::ItemVisualSize(const TSelectorItem& Item) const {
    if (SelectorType() == stColor) return TSize{ColorBoxWidth(), ColorBoxHeight()};
    if (Item.Image()->Graphic() && !Item.Image()->Graphic()->Empty())
        return TSize{Item.Image()->Width(), Item.Image()->Height()};
    if (Images() && Item.ImageIndex() >= 0) return TSize{Images()->Width(), Images()->Height()};
    return TSize{0, 0};
}

void TCustomItemSelector::ArrangeItems() {
    TSelectorItems* items = Items();
    if (items->Count() == 0) {
        SetBounds(Left(), Top(), 100, 50);
        return;
    }
    FItemHot = -1;
    TSize cell{0, 0};
    GetItemSize(cell);
    TRect area;
    GetItemArea(area);
    const TItemSelectorArrangement a =
        ArrangeSelectorItems(items->Count(), Columns(), cell, TPoint(area.Left, area.Top));
    for (int i = 0; i < items->Count(); ++i)
        items->Items(i)->FRect = a.Rects[static_cast<size_t>(i)];
    FCell = cell;
    FOrigin = TPoint(area.Left, area.Top);
    SetBounds(Left(), Top(), a.PanelSize.cx, a.PanelSize.cy);
    Invalidate();
}

void TCustomItemSelector::Paint() {
    TCanvas* c = Canvas();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    const TRect clip = c->ClipRect();
    c->FillRect(clip);
    const TIndexRange range = SelectorItemsIn(clip, Items()->Count(), Columns(), FCell, FOrigin);
    for (int i = range.First; i < range.End; ++i)
        DrawItem(i, c);
}

void TCustomItemSelector::DrawItemBackground(int Index, TCanvas* c, const TRect& R) {
    const TItemAppearance* a = FQvItemSelector->ItemAppearance();
    TColor border = a->BorderColor, top = a->BorderColorTop, bottom = a->BorderColorBottom,
           edge = a->EdgeColor;
    TColor fill = clNone, fillTo = clNone, mirror = clNone, mirrorTo = clNone;
    const bool selected = Index == FItemIndex, hot = Index == FItemHot;
    if (!selected && !hot) {
        FillSolidRect(c, Color(), R);
        return;
    }
    // Selection wins over hot.
    const TColor setBorder = selected ? a->BorderColorSelected : a->BorderColorHot;
    fill = selected ? a->ColorSelected : a->ColorHot;
    fillTo = selected ? a->ColorSelectedTo : a->ColorHotTo;
    mirror = selected ? a->ColorMirrorSelected : a->ColorMirrorHot;
    mirrorTo = selected ? a->ColorMirrorSelectedTo : a->ColorMirrorHotTo;
    if (setBorder != clNone) {
        border = setBorder;
        top = bottom = edge = clNone;
    }
    if (top == clNone)
        DrawBackgroundBox(c, R, fill, fillTo, border, 1, gdVertical);
    else
        DrawStyledSelection(c, fill, fillTo, mirror, mirrorTo, top, bottom, border, edge, Color(), R, 0);
}

void TCustomItemSelector::DrawCaptionCentred(TCanvas* c, const String& Caption, TRect& T) {
    const TSize s = DrawMarkupText(c, Caption, T, false, Images());
    if (s.cy < T.Height()) T.Top += (T.Height() - s.cy) / 2;
    DrawMarkupText(c, Caption, T, true, Images());
}

void TCustomItemSelector::DrawItemVisual(const TSelectorItem& Item, TCanvas* c, TPoint At, TSize Size,
                                         bool Box) {
    if (Box) {
        c->Pen()->SetColor(clBlack);
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(Item.Color());
        c->Rectangle(At.X, At.Y, At.X + Size.cx, At.Y + Size.cy);
        return;
    }
    if (Item.Image()->Graphic() && !Item.Image()->Graphic()->Empty())
        c->Draw(At.X, At.Y, Item.Image()->Graphic());
    else if (Images() && Item.ImageIndex() >= 0)
        Images()->Draw(c, At.X, At.Y, Item.ImageIndex(), Item.Enabled());
}

void TCustomItemSelector::DrawItem(int Index, TCanvas* c) {
    if (!ValidIndex(Index) || !c) return;
    const TSelectorItem& item = *Items()->Items(Index);
    const TRect R = item.FRect;
    if (R.Left < 0 && R.Right < 0) return;
    DrawItemBackground(Index, c, R);
    if (FQvItemSelector->OnDrawItem) {
        FQvItemSelector->OnDrawItem(this, c, R, Index);
        return;
    }
    const bool box = SelectorType() == stColor;
    const TSize vs = ItemVisualSize(item);
    const int w = vs.cx, h = vs.cy;
    const bool hasVisual = box || w > 0 || h > 0;
    TRect T(R.Left + FSpacing.ItemOffSetX, R.Top + FSpacing.ItemOffSetY, R.Right - FSpacing.ItemOffSetX,
            R.Bottom - FSpacing.ItemOffSetY);
    TRect V = T;
    const TItemAppearance* a = FQvItemSelector->ItemAppearance();
    c->Font()->Assign(a->Font());
    if (Index == FItemHot) c->Font()->SetColor(a->ColorHotText);
    if (Index == FItemIndex) c->Font()->SetColor(a->ColorSelectedText);
    c->Brush()->SetStyle(bsClear);
    const String caption = item.Caption();
    auto centredTop = [&](int height) { return V.Top + (V.Height() - height) / 2; };
    switch (ItemLayout()) {
    case ilCaptionLeft:
        if (!caption.isEmpty()) {
            T.Right -= w;
            const int width = DrawMarkupText(c, caption, T, false, Images()).cx;
            DrawCaptionCentred(c, caption, T);
            V.Left = T.Left + width + FSpacing.CaptionGap;
        }
        DrawItemVisual(item, c, TPoint(V.Left, box ? V.Top : centredTop(h)), vs, box);
        break;
    case ilCaptionRight:
        DrawItemVisual(item, c, TPoint(V.Left, box ? V.Top : centredTop(h)), vs, box);
        if (hasVisual) T.Left = V.Left + w + FSpacing.CaptionGap;
        if (!caption.isEmpty()) DrawCaptionCentred(c, caption, T);
        break;
    case ilCaptionTop:
        if (!caption.isEmpty()) {
            T.Bottom -= h;
            const int height = DrawMarkupText(c, caption, T, false, Images()).cy;
            DrawMarkupText(c, caption, T, true, Images());
            V.Top = T.Top + height + FSpacing.CaptionGap;
        } else {
            V.Top += (V.Height() - h) / 2;
        }
        V.Left += (V.Width() - w) / 2;
        DrawItemVisual(item, c, TPoint(V.Left, V.Top), vs, box);
        break;
    case ilCaptionBottom:
        if (caption.isEmpty()) V.Top += (V.Height() - h) / 2;
        V.Left += (V.Width() - w) / 2;
        DrawItemVisual(item, c, TPoint(V.Left, V.Top), vs, box);
        if (hasVisual) T.Top = V.Top + h + FSpacing.CaptionGap;
        if (!caption.isEmpty()) DrawMarkupText(c, caption, T, true, Images());
        break;
    }
    c->Brush()->SetStyle(bsSolid);
}

void TCustomItemSelector::InvalidateItem(int Index) {
    if (!ValidIndex(Index)) return;
    const TRect r = Items()->Items(Index)->FRect;
    if (r.Left < 0 && r.Right < 0) return;
    // The whole panel: a paint draws only the items in view, so the cost is one view's.
    Invalidate();
}

void TCustomItemSelector::GetItemRect(int Index, TRect& Rect) const {
    Rect = ValidIndex(Index) ? Items()->Items(Index)->FRect : TRect(-1, -1, -1, -1);
}

int TCustomItemSelector::ItemAtPos(int X, int Y) const {
    // Items sit in a regular grid, so only the cell under the point can hold it.
    const TIndexRange r =
        SelectorItemsIn(TRect(X, Y, X + 1, Y + 1), Items()->Count(), Columns(), FCell, FOrigin);
    for (int i = r.First; i < r.End; ++i)
        if (Items()->Items(i)->FRect.Contains(TPoint(X, Y))) return i;
    return -1;
}

void TCustomItemSelector::SetItemIndex(int Value) {
    if (ValidIndex(Value) && !Items()->Items(Value)->Enabled()) return;
    if (FItemIndex >= 0 && Value != FItemIndex) {
        const int old = FItemIndex;
        FItemIndex = -1;
        InvalidateItem(old);
    }
    FItemIndex = Value;
    if (Value >= 0) {
        InvalidateItem(Value);
        if (OnItemSelect) OnItemSelect(this);
    }
}

void TCustomItemSelector::SetItemHot(int Index) {
    if (Index == FItemHot) return;
    if (ValidIndex(Index) && !Items()->Items(Index)->Enabled()) return;
    const int old = FItemHot;
    FItemHot = Index;
    InvalidateItem(old);
    InvalidateItem(Index);
}

void TCustomItemSelector::SelectFirst() {
    if (Items()->Count() > 0) SetItemIndex(0);
}

void TCustomItemSelector::SelectLast() {
    if (Items()->Count() > 0) SetItemIndex(Items()->Count() - 1);
}

void TCustomItemSelector::SelectNext() {
    if (FItemIndex < 0)
        SelectFirst();
    else if (FItemIndex + 1 < Items()->Count())
        SetItemIndex(FItemIndex + 1);
}

void TCustomItemSelector::SelectPrevious() {
    if (FItemIndex < 0)
        SelectFirst();
    else if (FItemIndex > 0)
        SetItemIndex(FItemIndex - 1);
}

void TCustomItemSelector::HotNext() {
    if (Items()->Count() == 0) return;
    if (FItemHot < 0)
        SetItemHot(0);
    else if (FItemHot + 1 < Items()->Count())
        SetItemHot(FItemHot + 1);
}

void TCustomItemSelector::HotPrevious() {
    if (Items()->Count() == 0) return;
    if (FItemHot < 0)
        SetItemHot(0);
    else if (FItemHot > 0)
        SetItemHot(FItemHot - 1);
}

bool TCustomItemSelector::LookupItem(const String& Text) {
    if (Text.isEmpty()) return false;
    for (int i = 0; i < Items()->Count(); ++i) {
        if (StripMarkup(Items()->Items(i)->Caption()).trimmed().toUpper().startsWith(Text)) {
            SetItemIndex(i);
            return true;
        }
    }
    return false;
}

void TCustomItemSelector::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    const int i = ItemAtPos(X, Y);
    if (EnabledItem(i)) SetItemIndex(i);
}

void TCustomItemSelector::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    const int i = ItemAtPos(X, Y);
    if (i < 0) {
        SetItemHot(-1);
        return;
    }
    if (i == FItemHot) return;
    SetItemHot(Items()->Items(i)->Enabled() ? i : -1);
    SetHint(Items()->Items(i)->Hint());
    if (Application) Application->CancelHint();
}

void TCustomItemSelector::MouseLeave() {
    TCustomControl::MouseLeave();
    SetItemHot(-1);
}

// ---- host

TQvCustomItemSelector::TQvCustomItemSelector(TComponent* AOwner)
    : TScrollingWinControl(AOwner), FItems(std::make_unique<TSelectorItems>(this)),
      FItemAppearance(std::make_unique<TItemAppearance>(this)) {
    FItems->OnChange = [this](TObject*) { UpdateSelectorPanel(); };
    // Appearance changes repaint nothing by themselves.
    FItemAppearance->OnChange = [](TObject*) {};
    SetTabStop(true);
    HorzScrollBar()->SetVisible(false);
    CreateSelectorPanel();
    UpdateSelectorPanel();
}

TQvCustomItemSelector::~TQvCustomItemSelector() {
    FItemSelectorPanel = nullptr;
}

void TQvCustomItemSelector::CreateSelectorPanel() {
    if (FItemSelectorPanel) return;
    FItemSelectorPanel = new TCustomItemSelector(this);
    FItemSelectorPanel->SetParent(this);
    FItemSelectorPanel->OnItemSelect = [this](TObject* s) { PanelItemSelect(s); };
}

void TQvCustomItemSelector::PanelItemSelect(TObject*) {
    if (OnItemSelect) OnItemSelect(this);
}

void TQvCustomItemSelector::UpdateSelectorPanel() {
    if (!FItemSelectorPanel) return;
    FItemSelectorPanel->ArrangeItems();
    UpdateScrollRange();
}

int TQvCustomItemSelector::ItemIndex() const {
    return FItemSelectorPanel ? FItemSelectorPanel->ItemIndex() : -1;
}

int TQvCustomItemSelector::ItemHot() const {
    return FItemSelectorPanel ? FItemSelectorPanel->ItemHot() : -1;
}

void TQvCustomItemSelector::PanelStep(void (TCustomItemSelector::*Step)(), bool Hot) {
    if (!FItemSelectorPanel) return;
    (FItemSelectorPanel->*Step)();
    ScrollItemInView(Hot ? FItemSelectorPanel->ItemHot() : FItemSelectorPanel->ItemIndex());
}

void TQvCustomItemSelector::SetItemIndex(int Value) {
    if (!FItemSelectorPanel) return;
    FItemSelectorPanel->SetItemIndex(Value);
    ScrollItemInView(FItemSelectorPanel->ItemIndex());
}

void TQvCustomItemSelector::SelectFirst() {
    PanelStep(&TCustomItemSelector::SelectFirst, false);
}
void TQvCustomItemSelector::SelectLast() {
    PanelStep(&TCustomItemSelector::SelectLast, false);
}
void TQvCustomItemSelector::SelectNext() {
    PanelStep(&TCustomItemSelector::SelectNext, false);
}
void TQvCustomItemSelector::SelectPrevious() {
    PanelStep(&TCustomItemSelector::SelectPrevious, false);
}
void TQvCustomItemSelector::HotNext() {
    PanelStep(&TCustomItemSelector::HotNext, true);
}
void TQvCustomItemSelector::HotPrevious() {
    PanelStep(&TCustomItemSelector::HotPrevious, true);
}

bool TQvCustomItemSelector::LookupItem(const String& Text) {
    return FItemSelectorPanel && FItemSelectorPanel->LookupItem(Text);
}

bool TQvCustomItemSelector::VerticalBarShown() const {
    auto* self = const_cast<TQvCustomItemSelector*>(this);
    return self->VertScrollBar()->Visible() && self->VertScrollBar()->Range() > ViewportHeight();
}

void TQvCustomItemSelector::ScrollItemInView(int Index) {
    if (!FItemSelectorPanel || Index < 0 || Index >= FItems->Count() || !VerticalBarShown()) return;
    TRect r;
    FItemSelectorPanel->GetItemRect(Index, r);
    TControlScrollBar* bar = VertScrollBar();
    // In the host's client coordinates: the panel sits at the content's top, scrolled by the bar.
    const int shift = FItemSelectorPanel->Top() - bar->Position();
    int top = r.Top + shift, bottom = r.Bottom + shift;
    const int client = ViewportHeight();
    if (top < 0) {
        bar->SetPosition(bar->Position() + top);
    } else if (bottom > client) {
        if (bottom - top > client) bottom = top + client;
        bar->SetPosition(bar->Position() + bottom - client);
    }
}

int TQvCustomItemSelector::GetVisibleItemCount() const {
    if (!FItemSelectorPanel || FItems->Count() == 0) return 0;
    TRect first;
    FItemSelectorPanel->GetItemRect(0, first);
    if (first.Height() <= 0) return 0;
    auto* self = const_cast<TQvCustomItemSelector*>(this);
    const bool horz = self->HorzScrollBar()->Visible() && self->HorzScrollBar()->Range() > ViewportWidth();
    return (Height() - (horz ? 20 : 0)) / first.Height() * FColumns;
}

void TQvCustomItemSelector::GetPanelSize(TSize& Size) const {
    Size = FItemSelectorPanel ? TSize{FItemSelectorPanel->Width(), FItemSelectorPanel->Height()}
                              : TSize{100, 50};
}

void TQvCustomItemSelector::SetColumns(int v) {
    if (v < 1 || v == FColumns) return;
    FColumns = v;
    UpdateSelectorPanel();
}

void TQvCustomItemSelector::SetSelectorType(TSelectorType v) {
    if (v == FSelectorType) return;
    FSelectorType = v;
    UpdateSelectorPanel();
}

void TQvCustomItemSelector::SetColorBoxWidth(int v) {
    if (v == FColorBoxWidth) return;
    FColorBoxWidth = v;
    UpdateSelectorPanel();
}

void TQvCustomItemSelector::SetColorBoxHeight(int v) {
    if (v == FColorBoxHeight) return;
    FColorBoxHeight = v;
    UpdateSelectorPanel();
}

void TQvCustomItemSelector::SetImages(TImageList* v) {
    if (v == FImages) return;
    if (FImages) FImages->RemoveFreeNotification(this);
    FImages = v;
    if (FImages) FImages->FreeNotification(this);
    UpdateSelectorPanel();
}

void TQvCustomItemSelector::Notification(TComponent* AComponent, TOperation Operation) {
    TScrollingWinControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FImages && !(ComponentState() & csDestroying))
        FImages = nullptr;
}

LRESULT TQvCustomItemSelector::DialogCode() const {
    return DLGC_WANTARROWS | DLGC_WANTALLKEYS;
}

void TQvCustomItemSelector::KeyDown(Word& Key, TShiftState Shift) {
    TScrollingWinControl::KeyDown(Key, Shift);
    if (Shift & (ssAlt | ssCtrl)) return;
    TSelectorMove move;
    switch (Key) {
    case VK_LEFT:
        move = TSelectorMove::Left;
        break;
    case VK_RIGHT:
        move = TSelectorMove::Right;
        break;
    case VK_UP:
        move = TSelectorMove::Up;
        break;
    case VK_DOWN:
        move = TSelectorMove::Down;
        break;
    case VK_PRIOR:
        move = TSelectorMove::PageUp;
        break;
    case VK_NEXT:
        move = TSelectorMove::PageDown;
        break;
    case VK_HOME:
        move = TSelectorMove::Home;
        break;
    case VK_END:
        move = TSelectorMove::End;
        break;
    default:
        return;
    }
    const int to = SelectorMoveTarget(move, ItemIndex(), FItems->Count(), FColumns, GetVisibleItemCount());
    if (to >= 0) SetItemIndex(to);
    Key = 0;
}

void TQvCustomItemSelector::KeyPress(QChar& Key) {
    TScrollingWinControl::KeyPress(Key);
    if (Key.isNull() || !Key.isPrint() || Key == u' ') return;
    const DWORD now = DropDownTickCount();
    if (FCurSearch.isEmpty() || now - FSearchStart >= 500) {
        FCurSearch.clear();
        FSearchStart = now;
    }
    // The pickers look up by virtual-key characters, which are upper case.
    FCurSearch += Key.toUpper();
    if (LookupItem(FCurSearch)) ScrollItemInView(ItemIndex());
    Key = QChar();
}

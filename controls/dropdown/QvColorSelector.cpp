// The palette of colour boxes: placement, painting, selection, keys and mouse.
#include "controls/dropdown/QvColorSelector.h"

#include "toolkit/graphics/Canvas.h"

void TColorBoxAppearance::Assign(const TPersistent* Source) {
    const auto* s = dynamic_cast<const TColorBoxAppearance*>(Source);
    if (!s) {
        TPersistent::Assign(Source);
        return;
    }
    BorderColor = s->BorderColor;
    OuterBorderColorHot = s->OuterBorderColorHot;
    InnerBorderColorHot = s->InnerBorderColorHot;
    OuterBorderColorSelected = s->OuterBorderColorSelected;
    InnerBorderColorSelected = s->InnerBorderColorSelected;
}

TCustomColorSelector::TCustomColorSelector(TComponent* AOwner) : TQvCustomColorSelectorPanel(AOwner) {
    SetParentColor(true);
    ArrangeItems();
}

void TCustomColorSelector::AddItem(TColor Color, TItemPos Pos) {
    TColorBoxItem item;
    item.Color = Color;
    item.ColorBoxPos = Pos;
    FItems.push_back(item);
}

void TCustomColorSelector::InitPalette() {
    FItems.clear();
    FItemIndex = FItemHot = -1;
    for (const TPaletteEntry& e : DefaultPalette())
        AddItem(e.Color, e.Pos);
    ArrangeItems();
}

void TCustomColorSelector::ArrangeItems() {
    FItemHot = -1;
    std::vector<TItemPos> positions;
    for (const TColorBoxItem& i : FItems)
        positions.push_back(i.ColorBoxPos);
    const TBoxLayout l = ArrangeColorBoxes(
        positions, FColumns, FColumnGap, TSize{FColorBoxWidth, FColorBoxHeight}, TPoint(FOffSetX, FOffSetY));
    for (size_t i = 0; i < FItems.size(); ++i)
        FItems[i].Rect = l.Rects[i];
    SetBounds(Left(), Top(), l.ControlSize.cx, l.ControlSize.cy);
    Invalidate();
}

#define QV_ARRANGING_SETTER(Name, Field)                                                                     \
    void TCustomColorSelector::Set##Name(int v) {                                                            \
        if (Field == v) return;                                                                              \
        Field = v;                                                                                           \
        ArrangeItems();                                                                                      \
    }
QV_ARRANGING_SETTER(Columns, FColumns)
QV_ARRANGING_SETTER(ColumnGap, FColumnGap)
QV_ARRANGING_SETTER(ColorBoxWidth, FColorBoxWidth)
QV_ARRANGING_SETTER(ColorBoxHeight, FColorBoxHeight)
#undef QV_ARRANGING_SETTER

void TCustomColorSelector::SetItemColorStyle(TSelectionColorStyle v) {
    if (v == FItemColorStyle) return;
    FItemColorStyle = v;
    if (v == scCustom) return;
    FColorBoxAppearance.OuterBorderColorSelected = 0x0000FF;
    FColorBoxAppearance.InnerBorderColorSelected = 0x94E2FF;
    FColorBoxAppearance.OuterBorderColorHot = 0x3694F2;
    FColorBoxAppearance.InnerBorderColorHot = 0x94E2FF;
    FColorBoxAppearance.BorderColor = 0xC5C5C5;
    Invalidate();
}

TRect TCustomColorSelector::GetItemRect(int Index) const {
    return Index >= 0 && Index < Count() ? FItems[size_t(Index)].Rect : TRect();
}

int TCustomColorSelector::ItemAtPos(int X, int Y) const {
    for (int i = 0; i < Count(); ++i)
        if (FItems[size_t(i)].Rect.Contains(TPoint(X, Y))) return i;
    return -1;
}

void TCustomColorSelector::InvalidateItem(int) {
    Invalidate();
}

void TCustomColorSelector::SetItemIndex(int Value) {
    if (Value >= 0 && Value < Count() && !FItems[size_t(Value)].Enabled) return;
    if (Value >= Count()) return;
    if (FItemIndex != Value && FItemIndex >= 0) InvalidateItem(FItemIndex);
    FItemIndex = Value;
    if (Value < 0) return;
    FSelectedColor = FItems[size_t(Value)].Color;
    InvalidateItem(Value);
    if (OnItemSelect) OnItemSelect(this, Value);
}

void TCustomColorSelector::SetItemHot(int Value) {
    if (Value >= 0 && Value < Count() && !FItems[size_t(Value)].Enabled) Value = -1;
    if (Value >= Count() || Value == FItemHot) return;
    if (FItemHot >= 0) InvalidateItem(FItemHot);
    FItemHot = Value;
    if (Value >= 0) InvalidateItem(Value);
}

void TCustomColorSelector::SetSelectedColor(TColor Value) {
    if (Value == FSelectedColor) return;
    FSelectedColor = Value;
    for (int i = 0; i < Count(); ++i)
        if (FItems[size_t(i)].Color == Value) {
            SetItemIndex(i);
            return;
        }
    if (FItemIndex >= 0) InvalidateItem(FItemIndex);
    FItemIndex = -1;
}

void TCustomColorSelector::SelectNext() {
    if (FItemIndex + 1 < Count()) SetItemIndex(FItemIndex + 1);
}

void TCustomColorSelector::SelectPrevious() {
    if (FItemIndex - 1 >= 0) SetItemIndex(FItemIndex - 1);
}

void TCustomColorSelector::HotNext() {
    if (FItemHot + 1 < Count()) SetItemHot(FItemHot + 1);
}

void TCustomColorSelector::HotPrevious() {
    if (FItemHot - 1 >= 0) SetItemHot(FItemHot - 1);
}

void TCustomColorSelector::HandleKey(Word Key, bool EditorEnabled, bool DroppedDown) {
    if (!Enabled()) return;
    const int target = PaletteKeyTarget(Key, FItemIndex, Count(), FColumns, EditorEnabled, DroppedDown);
    if (target >= 0) SetItemIndex(target);
}

void TCustomColorSelector::Paint() {
    for (int i = 0; i < Count(); ++i)
        DrawItem(i, Canvas());
}

void TCustomColorSelector::DrawItem(int Index, TCanvas* C) {
    if (Index < 0 || Index >= Count()) return;
    const TColorBoxItem& item = FItems[size_t(Index)];
    TRect r = item.Rect;
    if (r.IsEmpty()) return;
    if (item.Color != clNone) {
        C->Pen()->SetColor(item.Color);
        C->Pen()->SetWidth(1);
        C->Brush()->SetStyle(bsSolid);
        C->Brush()->SetColor(item.Color);
        C->Rectangle(r);
    }
    const TColorBoxAppearance& a = FColorBoxAppearance;
    TColor outer = clNone, inner = clNone;
    if (Index == FItemIndex) {
        outer = a.OuterBorderColorSelected;
        inner = a.InnerBorderColorSelected;
    } else if (Index == FItemHot) {
        outer = a.OuterBorderColorHot;
        inner = a.InnerBorderColorHot;
    }
    C->Brush()->SetStyle(bsClear);
    if (Index == FItemIndex || Index == FItemHot) {
        if (outer != clNone) {
            C->Pen()->SetColor(outer);
            C->Rectangle(r);
        }
        r = TRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
        if (inner != clNone) {
            C->Pen()->SetColor(inner);
            C->Rectangle(r);
        }
        return;
    }
    C->Pen()->SetColor(a.BorderColor);
    const int L = r.Left, T = r.Top, R = r.Right - 1, B = r.Bottom - 1;
    const auto line = [C](int x1, int y1, int x2, int y2) {
        C->MoveTo(x1, y1);
        C->LineTo(x2, y2);
    };
    switch (item.ColorBoxPos) {
    case ipStandAlone:
        C->Polyline({TPoint(L, B), TPoint(L, T), TPoint(R, T), TPoint(R, B), TPoint(L, B)});
        break;
    case ipTop:
        C->Polyline({TPoint(L, B + 1), TPoint(L, T), TPoint(R, T), TPoint(R, B + 1)});
        break;
    case ipMiddle:
        line(L, T, L, B + 1);
        line(R, T, R, B + 1);
        break;
    case ipBottom:
        C->Polyline({TPoint(L, T), TPoint(L, B), TPoint(R, B), TPoint(R, T - 1)});
        line(R, B, R, B + 1);
        break;
    }
}

void TCustomColorSelector::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TQvCustomColorSelectorPanel::MouseDown(Button, Shift, X, Y);
    const int i = ItemAtPos(X, Y);
    if (i >= 0 && FItems[size_t(i)].Enabled) SetItemIndex(i);
}

void TCustomColorSelector::MouseMove(TShiftState Shift, int X, int Y) {
    TQvCustomColorSelectorPanel::MouseMove(Shift, X, Y);
    SetItemHot(ItemAtPos(X, Y));
}

void TCustomColorSelector::MouseLeave() {
    TQvCustomColorSelectorPanel::MouseLeave();
    SetItemHot(-1);
}

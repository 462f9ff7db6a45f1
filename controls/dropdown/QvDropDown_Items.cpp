// The list dropdowns' columns and items: defaults, copies and the change count the measuring reads.
#include "controls/dropdown/QvDropDown_Items.h"

TDropDownColumn::TDropDownColumn(TCollection* ACollection)
    : TCollectionItem(ACollection), FFont(std::make_unique<TFont>()) {}

void TDropDownColumn::Assign(const TPersistent* Source) {
    const auto* src = dynamic_cast<const TDropDownColumn*>(Source);
    if (!src) return TCollectionItem::Assign(Source);
    FWidth = src->FWidth;
    FColor = src->FColor;
    FAlignment = src->FAlignment;
    FEllipsis = src->FEllipsis;
    FFont->Assign(src->FFont.get());
    FColumnType = src->FColumnType;
    FHeader = src->FHeader;
    FWordwrap = src->FWordwrap;
    FAutoSize = src->FAutoSize;
}

TDropDownItem::TDropDownItem(TCollection* ACollection)
    : TCollectionItem(ACollection), FText(std::make_unique<TStringList>()) {
    FText->OnChange = [this](TObject*) { Touched(); };
}

void TDropDownItem::Touched() {
    if (auto* items = dynamic_cast<TDropDownItems*>(Collection())) items->Touch();
}

void TDropDownItem::SetImageIndex(int v) {
    FImageIndex = v;
    Touched();
}

void TDropDownItem::Assign(const TPersistent* Source) {
    const auto* src = dynamic_cast<const TDropDownItem*>(Source);
    if (!src) return TCollectionItem::Assign(Source);
    FImageIndex = src->FImageIndex;
    FText->Assign(src->FText.get());
    Touched();
}

String TDropDownItem::ColumnText(int Column) const {
    return HasColumn(Column) ? FText->Strings(Column) : String();
}

int TDropDownItems::IndexInColumn(int Column, const String& Value) const {
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->HasColumn(Column) && Items(i)->ColumnText(Column) == Value) return i;
    return -1;
}

void TDropDownItems::Update(TCollectionItem* Item) {
    TCollection::Update(Item);
    Touch();
}

void TDropDownItems::Added(TCollectionItem* Item) {
    TCollection::Added(Item);
    Touch();
}

void ListLineColors(TSelectionColorStyle Style, TColor& LineColor, TColor& FixedLineColor) {
    switch (Style) {
    case scOffice2007:
        LineColor = 0xF1EDEB;
        FixedLineColor = 0xD1BBA4;
        break;
    case scWindowsVista:
    case scWindows7:
        LineColor = 0xECECF0;
        FixedLineColor = 0xD4D2D1;
        break;
    default:
        break;
    }
}

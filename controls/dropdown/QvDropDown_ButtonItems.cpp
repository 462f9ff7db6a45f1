// The bar button items: their settings, what they tell their collection and how they are copied.
#include "controls/dropdown/QvDropDown_ButtonItems.h"

void TBarButtonItem::Notify() {
    if (auto* buttons = dynamic_cast<TBarButtons*>(Collection()); buttons && buttons->OnChange)
        buttons->OnChange(buttons);
}

void TBarButtonItem::SetCaption(const String& v) {
    if (v == FCaption) return;
    FCaption = v;
    Notify();
}

void TBarButtonItem::SetEnabled(bool v) {
    if (v == FEnabled) return;
    FEnabled = v;
    Notify();
}

void TBarButtonItem::SetWidth(int v) {
    if (v == FWidth) return;
    FWidth = v;
    Notify();
}

void TBarButtonItem::Assign(const TPersistent* Source) {
    const auto* src = dynamic_cast<const TBarButtonItem*>(Source);
    if (!src) {
        TCollectionItem::Assign(Source);
        return;
    }
    FCaption = src->FCaption;
    FImageIndex = src->FImageIndex;
    FEnabled = src->FEnabled;
    FWidth = src->FWidth;
    FHeight = src->FHeight;
}

void TFooterButton::Assign(const TPersistent* Source) {
    TBarButtonItem::Assign(Source);
    if (const auto* src = dynamic_cast<const TFooterButton*>(Source)) FModalResult = src->FModalResult;
}

// The bar buttons' look: its setters and how one look is copied into another.
#include "controls/dropdown/QvDropDown_ButtonAppearance.h"

TQvButtonAppearance::TQvButtonAppearance() : FFont(std::make_unique<TFont>()) {
    FFont->SetName("Tahoma");
}

TQvButtonAppearance::~TQvButtonAppearance() = default;

void TQvButtonAppearance::Set(TColor& field, TColor v) {
    if (field == v) return;
    field = v;
    if (OnChange) OnChange(this);
}

void TQvButtonAppearance::SetGradient(TGradientDirection v) {
    if (FGradient == v) return;
    FGradient = v;
    if (OnChange) OnChange(this);
}

void TQvButtonAppearance::Assign(const TPersistent* Source) {
    const auto* src = dynamic_cast<const TQvButtonAppearance*>(Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    SetBorderColor(src->FBorderColor);
    SetBorderColorHot(src->FBorderColorHot);
    SetBorderColorDown(src->FBorderColorDown);
    SetBorderColorDisabled(src->FBorderColorDisabled);
    SetBorderColorChecked(src->FBorderColorChecked);
    SetColor(src->FColor);
    SetColorTo(src->FColorTo);
    SetColorDown(src->FColorDown);
    SetColorDownTo(src->FColorDownTo);
    SetColorHot(src->FColorHot);
    SetColorHotTo(src->FColorHotTo);
    SetColorCheckedTo(src->FColorCheckedTo);
    SetColorDisabled(src->FColorDisabled);
    SetColorDisabledTo(src->FColorDisabledTo);
    SetColorChecked(src->FColorChecked);
    SetGradient(src->FGradient);
}

// Defaults, copying and change handling of the string grid's own settings objects.
#include "controls/grid/QvGrid_Settings.h"

#include "controls/grid/QvGrid.h"
#include "toolkit/graphics/Picture.h"

namespace {

template <class T> const T* SettingsOfSameClass(const TPersistent* Source) {
    return Source && typeid(*Source) == typeid(T) ? static_cast<const T*>(Source) : nullptr;
}

} // namespace

// Control look
// --------------------------------------------------------------------------------------------

TControlLook::TControlLook(TQvStringGrid* AGrid)
    : FGrid(AGrid), FCheckedGlyph(std::make_unique<TBitmap>()), FUnCheckedGlyph(std::make_unique<TBitmap>()),
      FRadioOnGlyph(std::make_unique<TBitmap>()), FRadioOffGlyph(std::make_unique<TBitmap>()) {
    Init();
    FDropDownHeader = std::make_unique<THeaderAppearance>(AGrid);
    FDropDownFooter = std::make_unique<TFooterAppearance>(AGrid);
}

TControlLook::~TControlLook() = default;

void TControlLook::Init() {
    FColor = clBlack;
    FCommentColor = clRed;
    FProgressBorderColor = clGray;
    FFixedGradientFrom = clNone;
    FFixedGradientTo = clNone;
    FFixedGradientMirrorFrom = clNone;
    FFixedGradientMirrorTo = clNone;
    FFixedGradientHoverFrom = clGray;
    FFixedGradientHoverTo = clWhite;
    FFixedGradientHoverBorder = clSilver;
    FFixedGradientDownFrom = clGray;
    FFixedGradientDownTo = clSilver;
    FFixedGradientDownBorder = clGray;
    SetFixedGradientHoverMirrorFrom(clNone);
    SetFixedGradientHoverMirrorTo(clNone);
    SetFixedGradientDownMirrorFrom(clNone);
    SetFixedGradientDownMirrorTo(clNone);
}

void TControlLook::Repaint() {
    if (FGrid) FGrid->Invalidate();
}

TFixedGradientColors* TControlLook::GridColors() {
    return FGrid ? &FGrid->FixedGradientColors() : nullptr;
}

void TControlLook::SetCheckedGlyph(const TBitmap* v) {
    FCheckedGlyph->Assign(v);
    Repaint();
}

void TControlLook::SetUnCheckedGlyph(const TBitmap* v) {
    FUnCheckedGlyph->Assign(v);
    Repaint();
}

void TControlLook::SetRadioOnGlyph(const TBitmap* v) {
    FRadioOnGlyph->Assign(v);
    Repaint();
}

void TControlLook::SetRadioOffGlyph(const TBitmap* v) {
    FRadioOffGlyph->Assign(v);
    Repaint();
}

// The first four reach the grid through its setters, which repaint; the others write its colours.
void TControlLook::SetFixedGradientFrom(TColor v) {
    FFixedGradientFrom = v;
    if (FGrid && v != clNone) FGrid->SetFixedGradientFrom(v);
}

void TControlLook::SetFixedGradientTo(TColor v) {
    FFixedGradientTo = v;
    if (FGrid && v != clNone) FGrid->SetFixedGradientTo(v);
}

void TControlLook::SetFixedGradientMirrorFrom(TColor v) {
    FFixedGradientMirrorFrom = v;
    if (FGrid) FGrid->SetFixedGradientMirrorFrom(v);
}

void TControlLook::SetFixedGradientMirrorTo(TColor v) {
    FFixedGradientMirrorTo = v;
    if (FGrid) FGrid->SetFixedGradientMirrorTo(v);
}

void TControlLook::SetFixedGradientHoverFrom(TColor v) {
    FFixedGradientHoverFrom = v;
    if (auto* c = GridColors(); c && v != clNone) c->HoverFrom = v;
}

void TControlLook::SetFixedGradientHoverTo(TColor v) {
    FFixedGradientHoverTo = v;
    if (auto* c = GridColors(); c && v != clNone) c->HoverTo = v;
}

void TControlLook::SetFixedGradientHoverMirrorFrom(TColor v) {
    FFixedGradientHoverMirrorFrom = v;
    if (auto* c = GridColors()) c->HoverMirrorFrom = v;
}

void TControlLook::SetFixedGradientHoverMirrorTo(TColor v) {
    FFixedGradientHoverMirrorTo = v;
    if (auto* c = GridColors()) c->HoverMirrorTo = v;
}

void TControlLook::SetFixedGradientHoverBorder(TColor v) {
    FFixedGradientHoverBorder = v;
    if (auto* c = GridColors(); c && v != clNone) c->HoverBorder = v;
}

void TControlLook::SetFixedGradientDownFrom(TColor v) {
    FFixedGradientDownFrom = v;
    if (auto* c = GridColors(); c && v != clNone) c->DownFrom = v;
}

void TControlLook::SetFixedGradientDownTo(TColor v) {
    FFixedGradientDownTo = v;
    if (auto* c = GridColors(); c && v != clNone) c->DownTo = v;
}

void TControlLook::SetFixedGradientDownMirrorFrom(TColor v) {
    FFixedGradientDownMirrorFrom = v;
    if (auto* c = GridColors()) c->DownMirrorFrom = v;
}

void TControlLook::SetFixedGradientDownMirrorTo(TColor v) {
    FFixedGradientDownMirrorTo = v;
    if (auto* c = GridColors()) c->DownMirrorTo = v;
}

void TControlLook::SetFixedGradientDownBorder(TColor v) {
    FFixedGradientDownBorder = v;
    if (auto* c = GridColors(); c && v != clNone) c->DownBorder = v;
}

void TControlLook::Assign(const TPersistent* Source) {
    const auto* s = SettingsOfSameClass<TControlLook>(Source);
    if (!s) return;
    FCheckSize = s->FCheckSize;
    FRadioSize = s->FRadioSize;
    FControlStyle = s->FControlStyle;
    FCheckedGlyph->Assign(s->FCheckedGlyph.get());
    FUnCheckedGlyph->Assign(s->FUnCheckedGlyph.get());
    FRadioOnGlyph->Assign(s->FRadioOnGlyph.get());
    FRadioOffGlyph->Assign(s->FRadioOffGlyph.get());
    FProgressMarginX = s->FProgressMarginX;
    FProgressMarginY = s->FProgressMarginY;
    FCommentColor = s->FCommentColor;
    FColor = s->FColor;
    FProgressBorderColor = s->FProgressBorderColor;
    FCheckAlwaysActive = s->FCheckAlwaysActive;
    FRadioAlwaysActive = s->FRadioAlwaysActive;
    FFixedGradientFrom = s->FFixedGradientFrom;
    FFixedGradientTo = s->FFixedGradientTo;
    FFixedGradientMirrorFrom = s->FFixedGradientMirrorFrom;
    FFixedGradientMirrorTo = s->FFixedGradientMirrorTo;
    FFixedGradientHoverFrom = s->FFixedGradientHoverFrom;
    FFixedGradientHoverTo = s->FFixedGradientHoverTo;
    FFixedGradientHoverMirrorFrom = s->FFixedGradientHoverMirrorFrom;
    FFixedGradientHoverMirrorTo = s->FFixedGradientHoverMirrorTo;
    FFixedGradientHoverBorder = s->FFixedGradientHoverBorder;
    FFixedGradientDownFrom = s->FFixedGradientDownFrom;
    FFixedGradientDownTo = s->FFixedGradientDownTo;
    FFixedGradientDownMirrorFrom = s->FFixedGradientDownMirrorFrom;
    FFixedGradientDownMirrorTo = s->FFixedGradientDownMirrorTo;
    FFixedGradientDownBorder = s->FFixedGradientDownBorder;
    FDropDownAlwaysVisible = s->FDropDownAlwaysVisible;
    FSpinButtonsAlwaysVisible = s->FSpinButtonsAlwaysVisible;
    FDropDownCount = s->FDropDownCount;
    FDropDownFooter->Assign(s->FDropDownFooter.get());
    FDropDownHeader->Assign(s->FDropDownHeader.get());
    FHintMaxWidth = s->FHintMaxWidth;
}

// Background
// --------------------------------------------------------------------------------------------

TBackGround::TBackGround(TQvStringGrid* AGrid) : FGrid(AGrid), FBitmap(std::make_unique<TBitmap>()) {}

TBackGround::~TBackGround() = default;

void TBackGround::Repaint() {
    if (FGrid) FGrid->Invalidate();
}

void TBackGround::SetBitmap(const TBitmap* v) {
    FBitmap->Assign(v);
    Repaint();
}

void TBackGround::Assign(const TPersistent* Source) {
    const auto* s = SettingsOfSameClass<TBackGround>(Source);
    if (!s) return;
    FTop = s->FTop;
    FLeft = s->FLeft;
    FDisplay = s->FDisplay;
    FBitmap->Assign(s->FBitmap.get());
    FCells = s->FCells;
    FColor = s->FColor;
    FColorTo = s->FColorTo;
}

// Balloons, modified marks, progress bars
// --------------------------------------------------------------------------------------------

void TBalloonSettings::SetEnable(bool v) {
    FEnable = v;
    if (OnEnableChange) OnEnableChange(this);
}

void TBalloonSettings::Assign(const TPersistent* Source) {
    const auto* s = SettingsOfSameClass<TBalloonSettings>(Source);
    if (!s) return;
    FTextColor = s->FTextColor;
    FBackgroundColor = s->FBackgroundColor;
    FInitialDelay = s->FInitialDelay;
    FAutoHideDelay = s->FAutoHideDelay;
    FReshowDelay = s->FReshowDelay;
    FEnable = s->FEnable;
}

void TShowModified::SetColor(TColor v) {
    FColor = v;
    if (OnChange) OnChange(this);
}

void TShowModified::Assign(const TPersistent* Source) {
    const auto* s = SettingsOfSameClass<TShowModified>(Source);
    if (!s) return;
    FColor = s->FColor;
    FEnabled = s->FEnabled;
}

void TGridProgressAppearance::Assign(const TPersistent* Source) {
    const auto* s = SettingsOfSameClass<TGridProgressAppearance>(Source);
    if (!s) return;
    FCompleteColor = s->FCompleteColor;
    FCompleteFontColor = s->FCompleteFontColor;
    FUnCompleteColor = s->FUnCompleteColor;
    FUnCompleteFontColor = s->FUnCompleteFontColor;
    FLevel0Color = s->FLevel0Color;
    FLevel0ColorTo = s->FLevel0ColorTo;
    FLevel1Color = s->FLevel1Color;
    FLevel1ColorTo = s->FLevel1ColorTo;
    FLevel2Color = s->FLevel2Color;
    FLevel2ColorTo = s->FLevel2ColorTo;
    FLevel3Color = s->FLevel3Color;
    FLevel3ColorTo = s->FLevel3ColorTo;
    FLevel1Perc = s->FLevel1Perc;
    FLevel2Perc = s->FLevel2Perc;
    FBorderColor = s->FBorderColor;
    FShowBorder = s->FShowBorder;
    FStacked = s->FStacked;
    FShowPercentage = s->FShowPercentage;
    FCompletionSmooth = s->FCompletionSmooth;
    FShowGradient = s->FShowGradient;
    FSteps = s->FSteps;
    FStyle = s->FStyle;
    Changed();
}

// Column sizes
// --------------------------------------------------------------------------------------------

void TColumnSize::SetStretch(bool v) {
    FStretch = v;
    if (FGrid && FGrid->Parent()) FGrid->StretchSettingsColumn();
}

void TColumnSize::Assign(const TPersistent* Source) {
    const auto* s = SettingsOfSameClass<TColumnSize>(Source);
    if (!s) return;
    FSave = s->FSave;
    FKey = s->FKey;
    FSection = s->FSection;
    FLocation = s->FLocation;
    FStretch = s->FStretch;
    FStretchColumn = s->FStretchColumn;
    FSynchWithGrid = s->FSynchWithGrid;
    FSynchNormalCellsOnly = s->FSynchNormalCellsOnly;
    FRows = s->FRows;
}

// Floating footer settings
// --------------------------------------------------------------------------------------------

void TFloatingFooter::Invalidate() {
    if (FGrid && FGrid->FooterPanel()) FGrid->FooterPanel()->Invalidate();
}

void TFloatingFooter::SetVisible(bool v) {
    FVisible = v;
    if (!FGrid) return;
    if (TPanel* panel = FGrid->FooterPanel()) {
        panel->SetHeight(v ? FHeight - 1 : 0);
        panel->SetVisible(v);
    }
    const bool lastRowInFooter = v && FFooterStyle == fsFixedLastRow;
    FGrid->SetFixedFooters(lastRowInFooter ? 1 : 0);
    FGrid->SetHideLastRow(lastRowInFooter);
    FGrid->Invalidate();
}

void TFloatingFooter::SetFooterStyle(TFooterStyle v) {
    FFooterStyle = v;
    if (!FGrid) return;
    FGrid->SetHideLastRow(FFooterStyle == fsFixedLastRow && FVisible);
    FGrid->Invalidate();
    Invalidate();
}

void TFloatingFooter::SetColor(TColor v) {
    FColor = v;
    Invalidate();
}

void TFloatingFooter::SetBorderColor(TColor v) {
    if (v == FBorderColor) return;
    FBorderColor = v;
    Invalidate();
}

void TFloatingFooter::SetColumn(int v) {
    FColumn = v;
    Invalidate();
}

void TFloatingFooter::SetCustomTemplate(const String& v) {
    FCustomTemplate = v;
    Invalidate();
}

void TFloatingFooter::SetShowHint(bool v) {
    FShowHint = v;
    if (FGrid && FGrid->FooterPanel()) FGrid->FooterPanel()->SetShowHint(v);
}

void TFloatingFooter::SetHeight(int v) {
    FHeight = v;
    // A hidden footer takes no room; its panel gets the height when it is shown.
    if (FVisible && FGrid && FGrid->FooterPanel() && v > 0) FGrid->FooterPanel()->SetHeight(v - 1);
}

void TFloatingFooter::Assign(const TPersistent* Source) {
    const auto* s = SettingsOfSameClass<TFloatingFooter>(Source);
    if (!s) return;
    FCalculateHiddenRows = s->FCalculateHiddenRows;
    FColor = s->FColor;
    FColumn = s->FColumn;
    FCustomTemplate = s->FCustomTemplate;
    FFooterStyle = s->FFooterStyle;
    SetVisible(s->FVisible);
    FShowHint = s->FShowHint;
}

// Drag scrolling and sizing while typing
// --------------------------------------------------------------------------------------------

void TDragScrollDelays::Assign(const TPersistent* Source) {
    if (const auto* s = SettingsOfSameClass<TDragScrollDelays>(Source)) {
        FInitialDelay = s->FInitialDelay;
        FRepeatDelay = s->FRepeatDelay;
    }
}

void TDragScrollMargins::Assign(const TPersistent* Source) {
    if (const auto* s = SettingsOfSameClass<TDragScrollMargins>(Source)) {
        FTopMargin = s->FTopMargin;
        FBottomMargin = s->FBottomMargin;
        FLeftMargin = s->FLeftMargin;
        FRightMargin = s->FRightMargin;
    }
}

void TDragScrollOptions::Assign(const TPersistent* Source) {
    if (const auto* s = SettingsOfSameClass<TDragScrollOptions>(Source)) {
        FMargins.Assign(&s->FMargins);
        FDelays.Assign(&s->FDelays);
        FActive = s->FActive;
    }
}

void TSizeWhileTyping::Assign(const TPersistent* Source) {
    if (const auto* s = SettingsOfSameClass<TSizeWhileTyping>(Source)) {
        FHeight = s->FHeight;
        FWidth = s->FWidth;
    }
}

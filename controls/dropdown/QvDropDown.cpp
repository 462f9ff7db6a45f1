// The dropdown edit: construction, properties, the button, layout, copying and references to other
// components.
#include "controls/dropdown/QvDropDown.h"
#include "controls/VersionText.h"

#include "controls/dropdown/QvDropDownButton.h"
#include "controls/dropdown/QvDropDownForm.h"
#include "controls/dropdown/QvDropDown_Layout.h"
#include "controls/styles/QvStyleIF_Notifier.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/ImgList.h"
#include "toolkit/graphics/SystemLook.h"

namespace {
// The edit's frame as Qt's line edit draws it: a single 3-D border.
TDropDownFrame editFrame(bool flat) {
    TDropDownFrame f;
    f.Flat = flat;
    return f;
}
} // namespace

TQvCustomDropDown::TQvCustomDropDown(TComponent* AOwner)
    : TCustomMaskEdit(AOwner), FDropDownHeader(std::make_unique<THeaderAppearance>(this)),
      FButtonAppearance(std::make_unique<TQvButtonAppearance>()),
      FDropDownFooter(std::make_unique<TFooterAppearance>(this)), FLabelFont(std::make_unique<TFont>()),
      FCanvas(std::make_unique<TCanvas>()) {
    SetBounds(Left(), Top(), 200, 21);
    FButtonWidth = 17;
    // A descendant's constructor runs its own CreateDropDownForm once it is built: C++ runs only this
    // class's from here.
    CreateDropDownForm();
    CreateButton();
    FControlStyle &= ~csSetCaption;
    SetReadOnly(false);
    FDropPosition = dpAuto;
    SetText(String());
    FOldText.clear();
    FUserDropDownWidth = FUserDropDownHeight = -1;
    FDropDownEnabled = false;
    for (TBarAppearance* a : {static_cast<TBarAppearance*>(FDropDownHeader.get()),
                              static_cast<TBarAppearance*>(FDropDownFooter.get())}) {
        a->OnChange = [this](TObject* s) { HeaderOrFooterChanged(s); };
        a->OnButtonsChanged = [this](TObject* s) { HeaderOrFooterChanged(s); };
    }
    FDefaultHandling = true;
    FIsWinXP = IsWindowsXPOrLater();
    FIsThemed = CommonControlsThemed();
    FCanUndo = true;
    FAutoThousandSeparator = true;
    SetSelectionColorStyle(scOffice2007);
    FFocusDraw = true;
    SetComponentStyle(tsOffice2007Luna);
    FLabelFont->OnChange = [this](TObject*) { LabelFontChanged(); };
}

TQvCustomDropDown::~TQvCustomDropDown() {
    SetDestroying();
    // The label sits on the parent: it goes before the edit.
    delete FLabel;
    FLabel = nullptr;
    DestroyComponents();
}

// ---- the popup and the button

void TQvCustomDropDown::CreateDropDownForm() {
    if (FDropDownForm || (ComponentState() & csDesigning)) return;
    FDropDownForm = new TDropDownForm(this);
    FDropDownForm->SetQvDropDown(this);
    FDropDownForm->SetBorderStyle(bsNone);
    FDropDownForm->SetVisible(false);
    FDropDownForm->SetBounds(0, 0, std::max(0, FDropDownWidth), std::max(0, FDropDownHeight));
    FDropDownForm->OnClose = [](TObject*, TCloseAction&) {};
    FDropDownForm->OnHide = [this](TObject*) { AfterDropUp(); };
    FDropDownForm->OnKeyPress = [this](TObject* s, QChar& k) { FormKeyPress(s, k); };
    FDropDownForm->OnKeyDown = [this](TObject* s, Word& k, TShiftState sh) { FormKeyDown(s, k, sh); };
    FDropDownForm->OnKeyUp = [this](TObject* s, Word& k, TShiftState sh) { FormKeyUp(s, k, sh); };
    FDropDownForm->OnMouseWheelDown = [this](TObject* s, TShiftState sh, TPoint p, bool& h) {
        FormMouseWheelDown(s, sh, p, h);
    };
    FDropDownForm->OnMouseWheelUp = [this](TObject* s, TShiftState sh, TPoint p, bool& h) {
        FormMouseWheelUp(s, sh, p, h);
    };
    FDropDownForm->OnDestroy = [this](TObject*) { DropDownFormDestroyed(); };
    FDropDownForm->OnSizing = [this](TObject* s) { FormSizing(s); };
}

void TQvCustomDropDown::CreateButton() {
    if (FButton) return;
    FButton = new TDropDownEditButton(this);
    FButton->SetParent(this);
    FButton->OnClick = [this](TObject* s) { ButtonClick(s); };
    UpdateButtonSize();
}

void TQvCustomDropDown::UpdateButtonSize() {
    if (!FButton) return;
    FButton->SetButtonWidth(FButtonWidth);
    FButton->SetBounds(FButton->Left(), FButton->Top(), FButtonWidth, 17);
    FButton->SetVisible(true);
    FButton->SetFocusControl(this);
}

int TQvCustomDropDown::GetVersionNr() const {
    return 0x01020104;
}

String TQvCustomDropDown::Version() const {
    return VersionNumberText(GetVersionNr());
}

void TQvCustomDropDown::SetDropDownWidth(int v) {
    if (v == FDropDownWidth) return;
    FDropDownWidth = v;
    FUserDropDownWidth = -1;
}

void TQvCustomDropDown::SetDropDownHeight(int v) {
    if (v == FDropDownHeight) return;
    FDropDownHeight = v;
    FUserDropDownHeight = -1;
}

void TQvCustomDropDown::SetDropDownButtonWidth(int v) {
    FButtonWidth = v;
    if (!FButton) return;
    FButton->SetButtonWidth(v);
    FButton->SetWidth(v);
    if (FButton->HandleAllocated()) UpdateLayout();
}

void TQvCustomDropDown::SetDropDownButtonHint(const String& v) {
    FButtonHint = v;
    if (!FButton) return;
    FButton->SetHint(v);
    FButton->SpeedButton()->SetHint(v);
    if (!v.isEmpty()) {
        FButton->SetShowHint(true);
        FButton->SpeedButton()->SetShowHint(true);
    }
}

TBitmap* TQvCustomDropDown::DropDownButtonGlyph() const {
    return FButton ? FButton->Glyph() : nullptr;
}

void TQvCustomDropDown::SetDropDownButtonGlyph(const TBitmap* v) {
    if (FButton) FButton->SetGlyph(v);
}

String TQvCustomDropDown::DropDownButtonCaption() const {
    return FButton ? FButton->ButtonCaption() : String();
}

void TQvCustomDropDown::SetDropDownButtonCaption(const String& v) {
    if (FButton) FButton->SetButtonCaption(v);
}

void TQvCustomDropDown::SetImages(TImageList* v) {
    if (v == FImages) return;
    if (FImages) FImages->RemoveFreeNotification(this);
    FImages = v;
    if (v) v->FreeNotification(this);
    Invalidate();
}

void TQvCustomDropDown::SetControl(TControl* Value) {
    if (Value == FControl) return;
    if (FControl) FControl->RemoveFreeNotification(this);
    FControl = Value;
    if (Value) Value->FreeNotification(this);
    if (!(ComponentState() & csDesigning)) PlaceDropDownControl();
}

void TQvCustomDropDown::SetFocusControl(TWinControl* v) {
    if (v == FFocusControl) return;
    if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
    FFocusControl = v;
    if (v) v->FreeNotification(this);
}

void TQvCustomDropDown::SetEditorEnabled(bool v) {
    FEditorEnabled = v;
    Invalidate();
}

void TQvCustomDropDown::SetFlat(bool v) {
    if (v == FFlat) return;
    FFlat = v;
    UpdateLayout();
}

void TQvCustomDropDown::SetPrefix(const String& v) {
    const String value = GetText();
    FPrefix = v;
    TControl::SetText(FPrefix + value + FSuffix);
}

void TQvCustomDropDown::SetSuffix(const String& v) {
    const String value = GetText();
    FSuffix = v;
    TControl::SetText(FPrefix + value + FSuffix);
}

void TQvCustomDropDown::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomMaskEdit::Notification(AComponent, Operation);
    if (Operation != opRemove || IsDestroying()) return;
    if (AComponent == FImages) {
        FImages = nullptr;
        Invalidate();
    }
    if (AComponent == FControl) {
        FControl = nullptr;
        SetControl(nullptr);
    }
    if (AComponent == FFocusControl) FFocusControl = nullptr;
    if (AComponent == FLabel) FLabel = nullptr;
    if (AComponent == FThemeNotifier) FThemeNotifier = nullptr;
}

void TQvCustomDropDown::Loaded() {
    TCustomMaskEdit::Loaded();
    FParentFnt = ParentFont();
    SetEditRect();
    UpdateLayout();
    if (FButton) FButton->SetEnabled(Enabled());
    if (FLabel && !FLabelAlwaysEnabled) FLabel->SetEnabled(Enabled());
    UpdateLabel();
    if (FLabel && ParentFont()) FLabel->SetFont(Font());
}

void TQvCustomDropDown::SetEnabled(bool v) {
    TCustomMaskEdit::SetEnabled(v);
}

void TQvCustomDropDown::EnabledChanged() {
    TCustomMaskEdit::EnabledChanged();
    if (FButton) FButton->SetEnabled(Enabled());
    if (FLabel && !FLabelAlwaysEnabled) FLabel->SetEnabled(Enabled());
    Invalidate();
}

void TQvCustomDropDown::FontChanged() {
    TCustomMaskEdit::FontChanged();
    if (HandleAllocated()) SetEditRect();
    UpdateLayout();
    if (FLabel && ParentFont()) {
        FLabel->SetFont(Font());
        UpdateLabel();
    }
}

// ---- layout

int TQvCustomDropDown::MinimumHeight() const {
    TCanvas measure;
    measure.SetFont(Font());
    const int h = measure.TextHeight("Wg");
    const TFont screenFont;
    measure.SetFont(&screenFont);
    return DropDownMinimumHeight(h, measure.TextHeight("Wg"));
}

void TQvCustomDropDown::UpdateLayout() {
    const int minimum = MinimumHeight();
    if (Height() < minimum) {
        SetHeight(minimum);
        return;
    }
    if (FButton) {
        const TDropDownFrame frame = editFrame(FFlat);
        const TRect b = DropDownButtonRect(frame, Width(), Height(), FButtonWidth);
        const int o = frame.ClientOffset();
        FButton->SetBounds(b.Left + o, b.Top + o, b.Width(), b.Height());
    }
    SetEditRect();
    Invalidate();
}

void TQvCustomDropDown::SetEditRect() {
    const TDropDownFrame frame = editFrame(FFlat);
    const int o = frame.ClientOffset();
    FEditRect = DropDownEditRect(frame, Width() - 2 * o, Height() - 2 * o, FButtonWidth);
    // Qt's line edit keeps its own inner margins; only the right end of the text area moves.
    TCustomMaskEdit::SetEditRect(TRect(0, 0, FEditRect.Right + o, Height()));
}

void TQvCustomDropDown::Resize() {
    TCustomMaskEdit::Resize();
    UpdateLayout();
}

void TQvCustomDropDown::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TCustomMaskEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FLabel && FLabel->Parent()) UpdateLabel();
}

void TQvCustomDropDown::SetParent(TWinControl* AParent) {
    TCustomMaskEdit::SetParent(AParent);
    if (FLabel) {
        FLabel->SetParent(AParent);
        UpdateLabel();
    }
}

void TQvCustomDropDown::SetVisible(bool v) {
    TCustomMaskEdit::SetVisible(v);
    if (FLabel) UpdateLabel();
}

void TQvCustomDropDown::CreateWnd() {
    TCustomMaskEdit::CreateWnd();
    SetEditRect();
    // The window is told when the office colour theme changes (the notifier forgets it when it goes).
    if (!FThemeNotifier && !(ComponentState() & csDesigning)) {
        FThemeNotifier = ThemeNotifierInstance(this);
        FThemeNotifier->FreeNotification(this);
        FThemeNotifier->RegisterWindow(Widget());
    }
}

void TQvCustomDropDown::DestroyWidget() {
    if (FThemeNotifier && Widget()) FThemeNotifier->UnRegisterWindow(Widget());
    if (FThemeNotifier) FThemeNotifier->RemoveFreeNotification(this);
    FThemeNotifier = nullptr;
    TCustomMaskEdit::DestroyWidget();
}

void TQvCustomDropDown::SetReadOnly(bool v) {
    TCustomMaskEdit::SetReadOnly(v);
    if (FButton) FButton->SpeedButton()->Invalidate();
}

// ---- copying

void TQvCustomDropDown::Assign(const TPersistent* Source) {
    const auto* s = dynamic_cast<const TQvCustomDropDown*>(Source);
    if (!s) return;
    FFocusDraw = s->FFocusDraw;
    FForceShadow = s->FForceShadow;
    FDropDownEnabled = s->FDropDownEnabled;
    FDropDownColor = s->FDropDownColor;
    FDropDownColorTo = s->FDropDownColorTo;
    FDropDownGradient = s->FDropDownGradient;
    FDropDownBorderColor = s->FDropDownBorderColor;
    FDropDownBorderWidth = s->FDropDownBorderWidth;
    FDropDownShadow = s->FDropDownShadow;
    SetDropDownWidth(s->FDropDownWidth);
    SetDropDownHeight(s->FDropDownHeight);
    FDropDownSizeable = s->FDropDownSizeable;
    SetEditType(s->FEditType);
    FReturnIsTab = s->FReturnIsTab;
    FLengthLimit = s->FLengthLimit;
    SetPrecision(s->FPrecision);
    SetPrefix(s->FPrefix);
    SetSuffix(s->FSuffix);
    FDefaultHandling = s->FDefaultHandling;
    FCanUndo = s->FCanUndo;
    FExcelStyleDecimalSeparator = s->FExcelStyleDecimalSeparator;
    FValidChars = s->FValidChars;
    FSigned = s->FSigned;
    FAutoThousandSeparator = s->FAutoThousandSeparator;
    FButtonAppearance->Assign(s->FButtonAppearance.get());
    FDropDownHeader->Assign(s->FDropDownHeader.get());
    FDropDownFooter->Assign(s->FDropDownFooter.get());
    FDropPosition = s->FDropPosition;
    SetFlat(s->FFlat);
    SetDropDownButtonWidth(s->FButtonWidth);
    SetDropDownButtonHint(s->FButtonHint);
    SetDropDownButtonGlyph(s->DropDownButtonGlyph());
    SetDropDownButtonCaption(s->DropDownButtonCaption());
    FEditorEnabled = s->FEditorEnabled;
    FEtched = s->FEtched;
    SetImages(s->FImages);
    SetSelectionColorStyle(s->FSelectionColorStyle);
    FSelectionColor = s->FSelectionColor;
    FSelectionColorTo = s->FSelectionColorTo;
}

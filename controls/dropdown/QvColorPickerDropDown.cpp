// The colour picker: the four styles' popup contents, the selection between picker and contents, the
// keys and wheel turns, and the face with its colour box and text.
#include "controls/dropdown/QvColorPickerDropDown.h"

#include "controls/dropdown/QvColorCube.h"
#include "controls/dropdown/QvColorSelector.h"
#include "controls/dropdown/QvColorSpectrum.h"
#include "controls/dropdown/QvDropDownForm.h"
#include "controls/dropdown/QvDropDown_Bars.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/SystemLook.h"
#include "toolkit/services/Clipboard.h"
#include "toolkit/system/ScopedValue.h"

void TColorItem::Assign(const TPersistent* Source) {
    const auto* s = dynamic_cast<const TColorItem*>(Source);
    if (!s) return TCollectionItem::Assign(Source);
    FCaption = s->FCaption;
    FColor = s->FColor;
    Enabled = s->Enabled;
    Hint = s->Hint;
}

void TColorItem::SetCaption(const String& v) {
    if (v == FCaption) return;
    FCaption = v;
    Changed(false);
}

void TColorItem::SetColor(TColor v) {
    if (v == FColor) return;
    FColor = v;
    Changed(false);
}

void TColorItems::Update(TCollectionItem*) {
    if (OnChange) OnChange(this);
}

TQvColorPickerDropDown::TQvColorPickerDropDown(TComponent* AOwner)
    : TQvCustomDropDown(AOwner), FColors(std::make_unique<TColorItems>(this)),
      FItemAppearance(std::make_unique<TItemAppearance>(this)) {
    FColors->OnChange = [](TObject*) {};
    SetDropDownHeight(200);
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    SetAutoSize(false);
    DropDownHeader()->SetVisible(false);
    DropDownFooter()->SetVisible(false);
    SetCursor(crArrow);
    FKeyTimer = new TTimer(this);
    FKeyTimer->SetEnabled(false);
    FKeyTimer->SetInterval(500);
    FKeyTimer->OnTimer = [this](TObject*) {
        FKeyTimer->SetEnabled(false);
        FCurSearch.clear();
    };
    const TComponentState ownerState = AOwner ? AOwner->ComponentState() : TComponentState(0);
    FDesignTime = (ComponentState() & csDesigning) && !(ownerState & (csReading | csLoading));
    SetItemAppearanceStyle(FItemAppearance.get(), GetComponentStyle());
    CreateDropDownForm();
}

TQvColorPickerDropDown::~TQvColorPickerDropDown() {
    if (FKeyTimer) FKeyTimer->SetEnabled(false);
}

void TQvColorPickerDropDown::CreateWnd() {
    TQvCustomDropDown::CreateWnd();
    if (FDesignTime && FColors->Count() == 0) {
        FDesignTime = false;
        AddDefaultColors();
    }
}

void TQvColorPickerDropDown::AddDefaultColors() {
    static const std::pair<const char*, TColor> standard[] = {
        {"Black", 0x000000},  {"Maroon", 0x000080},  {"Green", 0x008000}, {"Olive", 0x008080},
        {"Navy", 0x800000},   {"Purple", 0x800080},  {"Teal", 0x808000},  {"Gray", 0x808080},
        {"Silver", 0xC0C0C0}, {"Red", 0x0000FF},     {"Lime", 0x00FF00},  {"Yellow", 0x00FFFF},
        {"Blue", 0xFF0000},   {"Fuchsia", 0xFF00FF}, {"Aqua", 0xFFFF00},  {"White", 0xFFFFFF},
    };
    for (const auto& [caption, color] : standard) {
        TColorItem* item = FColors->Add();
        item->SetCaption(QString::fromLatin1(caption));
        item->SetColor(color);
    }
}

// ---- contents

TControl* TQvColorPickerDropDown::Content(TColorSelectionStyle Style) const {
    switch (Style) {
    case csList:
        return FItemSelector;
    case csDiscrete:
        return FColorSelector;
    case csColorCube:
        return FColorCubePanel;
    case csSpectrum:
        return FSpectrumPanel;
    }
    return nullptr;
}

void TQvColorPickerDropDown::CreateContent(TColorSelectionStyle Style) {
    if (!FDropDownForm || Content(Style)) return;
    TWinControl* c = nullptr;
    switch (Style) {
    case csList:
        FItemSelector = new TQvCustomItemSelector(this);
        FItemSelector->SetSelectorType(stColor);
        FItemSelector->SetBounds(0, 0, FItemSelector->Width(), 150);
        c = FItemSelector;
        break;
    case csDiscrete:
        FColorSelector = new TCustomColorSelector(this);
        FColorSelector->InitPalette();
        c = FColorSelector;
        break;
    case csColorCube:
        FColorCubePanel = new TQvColorCubePanel(this);
        c = FColorCubePanel;
        break;
    case csSpectrum:
        FSpectrumPanel = new TQvColorSpectrumPanel(this);
        c = FSpectrumPanel;
        break;
    }
    c->SetParent(FDropDownForm);
    c->SetLeft(0);
    c->SetTop(0);
    c->SetColor(DropDownColor());
    // The popup's keys reach the edit through the form: a content with the keyboard would move twice.
    c->SetTabStop(false);
    if (FItemSelector == c) FItemSelector->UpdateSelectorPanel();
    if (FColorSelector == c) FColorSelector->ArrangeItems();
    SetControl(c);
}

void TQvColorPickerDropDown::CreateDropDownForm() {
    TQvCustomDropDown::CreateDropDownForm();
    CreateContent(FColorSelectionStyle);
}

void TQvColorPickerDropDown::PrepareSelector() {
    TQvCustomItemSelector* host = FItemSelector;
    host->OnItemSelect = nullptr;
    host->SetColumns(FColumns);
    host->SetImages(Images());
    host->SetItemLayout(FLayout);
    host->SetColor(DropDownColor());
    host->Items()->BeginUpdate();
    host->Items()->Clear();
    for (int i = 0; i < FColors->Count(); ++i) {
        const TColorItem* from = FColors->Items(i);
        TSelectorItem* to = host->Items()->Add();
        to->SetCaption(from->Caption());
        to->SetColor(from->Color());
        to->SetHint(from->Hint);
    }
    host->Items()->EndUpdate();
    host->SetColorBoxWidth(FColorBoxWidth);
    host->SetColorBoxHeight(FColorBoxHeight);
    host->SetItemAppearance(FItemAppearance.get());
    host->UpdateSelectorPanel();
    host->SetItemIndex(FItemIndex);
    host->OnItemSelect = [this](TObject*) { SelectorItemSelect(); };
    host->SetShowHint(ShowHint());
    if (OnDrawColor)
        host->OnDrawItem = [this](TObject*, TCanvas* Canvas, TRect R, int Index) {
            if (OnDrawColor) OnDrawColor(this, Canvas, R, Index);
        };
    else
        host->OnDrawItem = nullptr;
    FOldItemIndex = FItemIndex;
}

void TQvColorPickerDropDown::PrepareContent() {
    for (TColorSelectionStyle s : {csList, csDiscrete, csColorCube, csSpectrum})
        if (s != FColorSelectionStyle && Content(s)) Content(s)->SetVisible(false);
    switch (FColorSelectionStyle) {
    case csList:
        if (FItemSelector) PrepareSelector();
        break;
    case csDiscrete:
        FColorSelector->OnItemSelect = nullptr;
        FColorSelector->SetSelectedColor(FSelectedColor);
        FColorSelector->ArrangeItems();
        FColorSelector->OnItemSelect = [this](TObject*, int) {
            ScopedValue<bool> keep(FInternalCall, FInternalCall);
            PanelSelect(FColorSelector->SelectedColor());
        };
        FColorSelector->SetItemColorStyle(SelectionColorStyle());
        break;
    case csColorCube:
        FColorCubePanel->SetSelectedColor(FSelectedColor);
        FColorCubePanel->ResetHot();
        FColorCubePanel->OnSelect = [this](TObject*) { PanelSelect(FColorCubePanel->SelectedColor()); };
        break;
    case csSpectrum:
        FSpectrumPanel->SetSelectedColor(FSelectedColor);
        FSpectrumPanel->ArrangeSpectrum();
        FSpectrumPanel->OnSelect = [this](TObject*) { PanelSelect(FSpectrumPanel->SelectedColor()); };
        break;
    }
    if (TControl* c = Content(FColorSelectionStyle)) c->SetVisible(true);
    FOldSelectedColor = FSelectedColor;
}

void TQvColorPickerDropDown::BeforeDropDown() {
    TQvCustomDropDown::BeforeDropDown();
    CreateContent(FColorSelectionStyle);
    PrepareContent();
}

void TQvColorPickerDropDown::PlaceDropDownControl() {
    TQvCustomDropDown::PlaceDropDownControl();
    if (FColorSelectionStyle != csList && FDropDownForm) FDropDownForm->SetSizeable(false);
}

void TQvColorPickerDropDown::UpdateDropDownSize() {
    if (!FDropDownForm) return;
    if (FColorSelectionStyle == csList) {
        if (!FItemSelector) return TQvCustomDropDown::UpdateDropDownSize();
        FItemSelector->SetAlign(alNone);
        TSize panel{0, 0};
        FItemSelector->GetPanelSize(panel);
        if (DropDownWidth() < 1) FItemSelector->SetWidth(int(panel.cx));
        if (DropDownHeight() < 1) FItemSelector->SetHeight(int(panel.cy));
        TQvCustomDropDown::UpdateDropDownSize();
        // A list taller than the popup shows its scroll bar beside the items.
        if (panel.cy > FDropDownForm->Height() - 2 * DropDownBorderWidth())
            FDropDownForm->SetWidth(FDropDownForm->Width() + SystemScrollBarWidth());
        return;
    }
    TControl* c = Content(FColorSelectionStyle);
    const bool shown = c && c->Visible();
    int w = shown ? c->Width() + 2 * DropDownBorderWidth() : Width();
    int h = 2 * DropDownBorderWidth();
    if (FDropDownForm->Header() && FDropDownForm->Header()->Visible()) h += FDropDownForm->Header()->Height();
    if (FDropDownForm->Footer() && FDropDownForm->Footer()->Visible()) h += FDropDownForm->Footer()->Height();
    if (shown) h += c->Height();
    FDropDownForm->SetBounds(FDropDownForm->Left(), FDropDownForm->Top(), w, h);
}

void TQvColorPickerDropDown::DoHideDropDown(bool CancelChanges) {
    TQvCustomDropDown::DoHideDropDown(CancelChanges);
    if (!CancelChanges) return;
    ScopedValue<bool> internal(FInternalCall, true);
    if (FColorSelectionStyle == csList && FItemSelector) SetItemIndex(FOldItemIndex);
    if (FColorSelectionStyle == csDiscrete && FColorSelector) {
        FColorSelector->SetSelectedColor(FOldSelectedColor);
        // A colour the palette has not comes back here.
        SetSelectedColor(FOldSelectedColor);
    }
    if (FColorSelectionStyle == csColorCube || FColorSelectionStyle == csSpectrum)
        SetSelectedColor(FOldSelectedColor);
}

void TQvColorPickerDropDown::DropDownFormDestroyed() {
    TQvCustomDropDown::DropDownFormDestroyed();
    if (IsDestroying()) return;
    FItemSelector = nullptr;
    FColorSelector = nullptr;
    FColorCubePanel = nullptr;
    FSpectrumPanel = nullptr;
}

void TQvColorPickerDropDown::SetColorSelectionStyle(TColorSelectionStyle Value) {
    if (Value == FColorSelectionStyle) return;
    FColorSelectionStyle = Value;
    if (ComponentState() & csDesigning) return;
    CreateContent(Value);
    if (!FDropDownForm) return;
    PrepareContent();
    TControl* c = Content(Value);
    if (!c) return;
    SetControl(c);
    c->SetAlign(alNone);
    UpdateDropDownSize();
    c->SetAlign(alClient);
    FDropDownForm->Invalidate();
}

// ---- selection

void TQvColorPickerDropDown::SetItemIndex(int Value) {
    if (Value >= FColors->Count()) return;
    FItemIndex = Value;
    if (Value >= 0) FSelectedColor = FColors->Items(Value)->Color();
    Invalidate();
    if (OnSelect) OnSelect(this);
}

void TQvColorPickerDropDown::SetSelectedColor(TColor Value) {
    if (Value == FSelectedColor) return;
    FSelectedColor = Value;
    int index = -1;
    for (int i = 0; i < FColors->Count() && index < 0; ++i)
        if (FColors->Items(i)->Color() == Value) index = i;
    // No item has the colour: none stays selected, so the face never names another colour.
    SetItemIndex(index);
    Invalidate();
}

void TQvColorPickerDropDown::SelectorItemSelect() {
    SetItemIndex(FItemSelector->ItemIndex());
    if (!FInternalCall) DoHideDropDown(false);
}

void TQvColorPickerDropDown::PanelSelect(TColor Color) {
    SetSelectedColor(Color);
    if (FItemIndex >= 0) SetItemIndex(-1);
    if (!FInternalCall) DoHideDropDown(false);
}

void TQvColorPickerDropDown::SelectFirst() {
    if (FColors->Count() > 0) SetItemIndex(0);
}

void TQvColorPickerDropDown::SelectLast() {
    if (FColors->Count() > 0) SetItemIndex(FColors->Count() - 1);
}

void TQvColorPickerDropDown::SelectNext() {
    if (FItemIndex < 0)
        SelectFirst();
    else if (FItemIndex + 1 < FColors->Count())
        SetItemIndex(FItemIndex + 1);
}

void TQvColorPickerDropDown::SelectPrevious() {
    if (FItemIndex < 0)
        SelectFirst();
    else if (FItemIndex > 0)
        SetItemIndex(FItemIndex - 1);
}

// ---- keys and wheel

void TQvColorPickerDropDown::ControlKeyDown(TObject* Sender, Word& Key, TShiftState Shift) {
    TQvCustomDropDown::ControlKeyDown(Sender, Key, Shift);
    Key = 0;
}

void TQvColorPickerDropDown::HostSelect(int Index) {
    ScopedValue<bool> internal(FInternalCall, true);
    FItemSelector->SetItemIndex(Index);
    FItemSelector->ScrollItemInView(Index);
}

void TQvColorPickerDropDown::ListKey(Word Key, bool Handled) {
    TQvCustomItemSelector* host = FItemSelector;
    const bool open = DroppedDown();
    const int count = host->Items()->Count();
    switch (Key) {
    case VK_RETURN:
        if (!Handled && OnSelect) OnSelect(this);
        return;
    case VK_PRIOR:
    case VK_NEXT: {
        if (count != FColors->Count()) PrepareSelector();
        const int n = host->GetVisibleItemCount(), last = host->Items()->Count() - 1;
        if (last < 0) return;
        const int i = host->ItemIndex();
        HostSelect(Key == VK_PRIOR ? std::max(0, i - n) : std::min(last, i + n));
        return;
    }
    case VK_END:
    case VK_HOME:
        if (open)
            HostSelect(Key == VK_END ? count - 1 : 0);
        else if (Key == VK_END)
            SelectLast();
        else
            SelectFirst();
        return;
    case VK_LEFT:
    case VK_RIGHT:
        if (open && !EditorEnabled() && count > 0) {
            const int i = host->ItemIndex();
            HostSelect(Key == VK_LEFT ? std::max(0, i - 1) : std::min(count - 1, i < 0 ? 0 : i + 1));
        }
        return;
    case VK_UP:
    case VK_DOWN:
        if (open) {
            const int i = host->ItemIndex();
            const int to = i < 0 ? 0 : Key == VK_UP ? i - FColumns : i + FColumns;
            if (to >= 0 && to < count) HostSelect(to);
        } else if (Key == VK_UP) {
            SelectPrevious();
        } else {
            SelectNext();
        }
        return;
    default:
        if (KeyboardStateToShiftState() & (ssAlt | ssCtrl)) return;
        if (Key == VK_ESCAPE || Key == VK_F4 || Key == VK_TAB || Key < '0') return;
        FCurSearch += QChar(Key);
        {
            ScopedValue<bool> internal(FInternalCall, true);
            host->LookupItem(FCurSearch);
        }
        if (!FKeyTimer->Enabled()) FKeyTimer->SetEnabled(true);
        return;
    }
}

void TQvColorPickerDropDown::Dispatch(TMessage& m) {
    if (m.Msg != WM_KEYDOWN) return TQvCustomDropDown::Dispatch(m);
    const Word key = m.CharCode();
    // The edit types nothing, so its clipboard keys are the colour's.
    const TShiftState shift = KeyboardStateToShiftState();
    const bool ctrl = shift & ssCtrl, shiftKey = shift & ssShift;
    if ((ctrl && key == 'C') || (ctrl && key == VK_INSERT)) return CopyToClipboard();
    if ((ctrl && key == 'V') || (shiftKey && key == VK_INSERT)) return PasteFromClipboard();
    bool handled = false;
    if (DroppedDown() && key == VK_RETURN) {
        ScopedValue<bool> internal(FInternalCall, true);
        if (FColorSelectionStyle == csList && FItemSelector && FItemSelector->ItemHot() >= 0) {
            FItemSelector->SetItemIndex(FItemSelector->ItemHot());
            handled = true;
        } else if (FColorSelectionStyle == csDiscrete && FColorSelector && FColorSelector->ItemHot() >= 0) {
            FColorSelector->SetItemIndex(FColorSelector->ItemHot());
            handled = true;
        }
    }
    TQvCustomDropDown::Dispatch(m);
    if (!Enabled() || (KeyboardStateToShiftState() & ssAlt)) return;
    if (FColorSelectionStyle == csList && FItemSelector) ListKey(key, handled);
    if (FColorSelectionStyle == csDiscrete && FColorSelector) {
        {
            ScopedValue<bool> internal(FInternalCall, true);
            FColorSelector->HandleKey(key, EditorEnabled(), DroppedDown());
        }
        if (key == VK_RETURN && !handled && OnSelect) OnSelect(this);
    }
}

void TQvColorPickerDropDown::WheelDown() {
    TQvCustomDropDown::WheelDown();
    if (!Enabled() || ReadOnly()) return;
    ScopedValue<bool> internal(FInternalCall, true);
    if (FColorSelectionStyle == csList && FItemSelector) {
        if (DroppedDown())
            FItemSelector->HotNext();
        else
            FItemSelector->SelectNext();
    } else if (FColorSelectionStyle == csDiscrete && FColorSelector) {
        if (DroppedDown())
            FColorSelector->HotNext();
        else
            FColorSelector->SelectNext();
    }
}

void TQvColorPickerDropDown::WheelUp() {
    TQvCustomDropDown::WheelUp();
    if (!Enabled() || ReadOnly()) return;
    ScopedValue<bool> internal(FInternalCall, true);
    if (FColorSelectionStyle == csList && FItemSelector) {
        if (DroppedDown())
            FItemSelector->HotPrevious();
        else
            FItemSelector->SelectPrevious();
    } else if (FColorSelectionStyle == csDiscrete && FColorSelector) {
        if (DroppedDown())
            FColorSelector->HotPrevious();
        else
            FColorSelector->SelectPrevious();
    }
}

// ---- look

void TQvColorPickerDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
    TQvCustomDropDown::SetSelectionColorStyle(Value);
    if (FItemSelector) FItemSelector->ItemAppearance()->SetColorStyle(Value);
}

void TQvColorPickerDropDown::SetComponentStyle(TQvStyle AStyle) {
    TQvCustomDropDown::SetComponentStyle(AStyle);
    if (FItemAppearance) SetItemAppearanceStyle(FItemAppearance.get(), AStyle);
}

void TQvColorPickerDropDown::SetShowText(bool v) {
    FShowText = v;
    Invalidate();
}

void TQvColorPickerDropDown::SetColorValueText(TColorValueText v) {
    FColorValueText = v;
    Invalidate();
}

String TQvColorPickerDropDown::GetSelectedColorText() const {
    if (FColorSelectionStyle == csList && FItemIndex >= 0 && FItemIndex < FColors->Count())
        return FColors->Items(FItemIndex)->Caption();
    return ColorValueTextOf(FSelectedColor, FColorValueText);
}

void TQvColorPickerDropDown::DrawFocusedText() {
    TQvCustomDropDown::DrawFocusedText();
    TCanvas* c = EditCanvas();
    if (!c || !c->HandleAllocated()) return;
    const TRect face(1, 1, Width() - DropDownButtonWidth() - 2, Height() - 2);
    if (OnDrawSelectedColor) return OnDrawSelectedColor(this, c, face);
    if (FSelectedColor == clNone) return;
    const int top = (Height() - FColorBoxHeight) / 2;
    const TRect box(face.Left + 4, top, face.Left + 4 + FColorBoxWidth, top + FColorBoxHeight);
    c->Pen()->SetColor(clBlack);
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(FSelectedColor);
    c->Rectangle(box);
    if (!FShowText) return;
    const bool focused = Focused() && !EditorEnabled();
    TRect text(box.Right + 4, face.Top, face.Right, face.Bottom);
    c->Brush()->SetColor(focused ? clHighlight : Color());
    c->FillRect(text);
    c->Font()->Assign(Font());
    if (focused) c->Font()->SetColor(clHighlightText);
    c->Brush()->SetStyle(bsClear);
    DrawText(c, SelectedColorText(), text, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS);
    c->Brush()->SetStyle(bsSolid);
}

// ---- clipboard

void TQvColorPickerDropDown::CopyToClipboard() {
    const String text = SelectedColorText();
    bool allow = true;
    if (OnClipboardCopy) OnClipboardCopy(this, text, allow);
    if (allow && !text.isEmpty()) Clipboard()->SetAsText(text);
}

void TQvColorPickerDropDown::PasteFromClipboard() {
    if (ReadOnly() || !Clipboard()->HasFormat(CF_TEXT)) return;
    const String text = Clipboard()->AsText();
    TColor color = clNone;
    if (!ReadColorValueText(text, color)) return;
    bool allow = true;
    if (OnClipboardPaste) OnClipboardPaste(this, text, allow);
    if (allow) SetSelectedColor(color);
}

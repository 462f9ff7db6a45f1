// The bars' button: states under the mouse and keys, groups, the modal result that closes the popup, and
// its painting; and the checked list the bars keep their buttons in.
#include "controls/dropdown/QvDropDown_Button.h"

#include "controls/dropdown/QvDropDown.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/graphics/ImgList.h"

TControl* TDbgList::ItemsEx(int Index) const {
    if (Index < 0 || Index >= Count()) throw EListError("Index out of bounds in list read access");
    return FItems[size_t(Index)];
}

void TDbgList::SetItemsEx(int Index, TControl* Item) {
    if (Index < 0 || Index >= Count()) throw EListError("Index out of bounds in list write access");
    FItems[size_t(Index)] = Item;
}

TQvButton::TQvButton(TComponent* AOwner) : TCustomControl(AOwner) {
    SetBounds(0, 0, 23, 22);
    SetParentFont(true);
    Font()->SetName("Tahoma");
    SetShowHint(false);
    // The bar's colours show where the button paints nothing.
    FControlStyle |= csCaptureMouse | csClickEvents | csDoubleClicks | csParentBackground;
    FUnHotTimer = new TTimer(this);
    FUnHotTimer->SetEnabled(false);
    FUnHotTimer->SetInterval(1);
    FUnHotTimer->OnTimer = [this](TObject*) { UnHotTick(); };
}

TQvButton::~TQvButton() {
    SetDestroying();
    DestroyComponents();
}

void TQvButton::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FImages) FImages = nullptr;
}

void TQvButton::SetAppearance(TQvButtonAppearance* v) {
    FAppearance = v;
    Invalidate();
}

void TQvButton::SetImages(TImageList* v) {
    if (FImages == v) return;
    if (FImages) FImages->RemoveFreeNotification(this);
    FImages = v;
    if (v) v->FreeNotification(this);
    Invalidate();
}

void TQvButton::SetImageIndex(int v) {
    FImageIndex = v;
    Invalidate();
}

void TQvButton::AutoSizeButton() {
    int w = 0, h = 0;
    if (FAppearance) {
        TCanvas measure;
        measure.SetFont(FAppearance->Font());
        const TSize extent = TextExtent(&measure, Caption());
        w = extent.cx;
        h = extent.cy;
    }
    if (FImages && FImageIndex >= 0) {
        w = std::max(w, FImages->Width());
        h = std::max(h, FImages->Height());
    }
    SetBounds(Left(), Top(), w + 8, h + 4);
}

void TQvButton::Loaded() {
    TCustomControl::Loaded();
    if (FInitialDown) SetDown(true);
}

void TQvButton::SetDown(bool v) {
    if (IsLoading()) {
        FInitialDown = v;
        return;
    }
    if (FGroupIndex == 0 && FStyle == TQvButtonStyle::tasButton) v = false;
    if (FStyle == TQvButtonStyle::tasCheck) {
        FDown = v;
        FState = v ? absDown : absUp;
        Invalidate();
        return;
    }
    if (v == FDown || (FDown && !FAllowAllUp)) return;
    FDown = v;
    if (v) {
        const bool wasUp = FState == absUp;
        FState = absExclusive;
        if (wasUp) Invalidate();
        if (TWinControl* parent = Parent())
            for (int i = 0; i < parent->ControlCount(); ++i)
                parent->Controls(i)->Perform(CM_BUTTONPRESSED, WPARAM(FGroupIndex),
                                             reinterpret_cast<LPARAM>(this));
    } else {
        FState = absUp;
        Invalidate();
    }
}

void TQvButton::ButtonPressed(int Group, TQvButton* Sender) {
    if (Group != FGroupIndex || !Sender || Sender == this || !Sender->Down()) return;
    if (FDown) {
        FDown = false;
        FState = absUp;
        Invalidate();
    }
    FAllowAllUp = Sender->AllowAllUp();
}

void TQvButton::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case CM_BUTTONPRESSED:
        ButtonPressed(int(m.WParam), dynamic_cast<TQvButton*>(reinterpret_cast<TObject*>(m.LParam)));
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TCustomControl::Dispatch(m);
        Invalidate();
        return;
    default:
        TCustomControl::Dispatch(m);
    }
}

void TQvButton::MouseEnter() {
    FMouseInControl = true;
    if (Enabled()) Invalidate();
    FUnHotTimer->SetEnabled(true);
    TCustomControl::MouseEnter();
}

void TQvButton::MouseLeave() {
    FUnHotTimer->SetEnabled(false);
    FMouseInControl = false;
    FHot = false;
    if (Enabled()) Invalidate();
    TCustomControl::MouseLeave();
}

// The leave notification can be lost (the button hides under the mouse): the timer ends the hot look.
void TQvButton::UnHotTick() {
    if (ClientRect().Contains(ScreenToClient(GetCursorPos()))) return;
    FUnHotTimer->SetEnabled(false);
    FMouseInControl = false;
    FHot = false;
    if (Enabled()) Invalidate();
}

void TQvButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    FMouseDownInControl = true;
    if (!FDown || FStyle == TQvButtonStyle::tasCheck) {
        FState = absDown;
        Invalidate();
    }
    FDragging = true;
}

void TQvButton::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    if (FDragging) {
        TQvButtonState next = FDown ? absExclusive : absUp;
        if (Inside(X, Y)) next = FDown ? absExclusive : absDown;
        if (FStyle == TQvButtonStyle::tasCheck && FDown) next = absDown;
        if (next != FState) {
            FState = next;
            Invalidate();
        }
    } else if (!FMouseInControl && Inside(X, Y)) {
        MouseEnter();
    }
}

void TQvButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    FMouseDownInControl = false;
    Invalidate();
    if (!FDragging) return;
    FDragging = false;
    const bool inside = Inside(X, Y);
    if (FGroupIndex != 0) {
        if (inside) {
            SetDown(!FDown);
        } else if (FDown) {
            FState = absExclusive;
        }
    } else {
        FState = absUp;
        FMouseInControl = FHot = false;
        if (FStyle == TQvButtonStyle::tasCheck) SetDown(!FDown);
    }
    FMouseInControl = inside;
}

void TQvButton::Click() {
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
    if (FQvDropDown) {
        switch (FModalResult) {
        case mrOk:
        case mrYes:
        case mrAll:
        case 13: // no to all
        case 14: // yes to all
        case mrCancel:
        case mrAbort:
        case mrIgnore:
        case mrNo: {
            const bool cancelled = FModalResult == mrCancel || FModalResult == mrAbort ||
                                   FModalResult == mrIgnore || FModalResult == mrNo || FModalResult == 13;
            FQvDropDown->DoHideDropDown(cancelled);
            break;
        }
        default:
            break;
        }
    }
    if (!FInternalClick) TCustomControl::Click();
}

void TQvButton::KeyDown(Word& Key, TShiftState Shift) {
    if ((Key == VK_RETURN || Key == VK_SPACE) && Enabled()) {
        FState = absDown;
        Invalidate();
        FInternalClick = true;
        struct Reset {
            bool& b;
            ~Reset() { b = false; }
        } reset{FInternalClick};
        Click();
        FState = absUp;
        Invalidate();
    }
    TCustomControl::KeyDown(Key, Shift);
}

void TQvButton::EnabledChanged() {
    TCustomControl::EnabledChanged();
    Invalidate();
}

void TQvButton::Paint() {
    if (!Enabled()) {
        FState = absDisabled;
        FDragging = false;
    } else if (FState == absDisabled) {
        FState = FDown && FGroupIndex != 0 ? absExclusive : absUp;
    }
    if (FStyle == TQvButtonStyle::tasCheck && FDown) FState = absDown;
    DrawButton();
}

void TQvButton::DrawButton() {
    if (!FAppearance) return;
    const TQvButtonAppearance& a = *FAppearance;
    TColor from = a.Color(), to = a.ColorTo(), border = a.BorderColor();
    if (!Enabled()) {
        from = a.ColorDisabled();
        to = a.ColorDisabledTo();
        border = a.BorderColorDisabled();
    } else if (FState == absDown && FMouseInControl) {
        from = a.ColorDown();
        to = clNone;
        border = a.BorderColorDown();
    } else if (FDown || FState == absExclusive || (FStyle == TQvButtonStyle::tasCheck && FState == absDown)) {
        from = a.ColorChecked();
        to = clNone;
        border = a.BorderColorChecked();
    } else if (Hot() || Focused()) {
        from = a.ColorHot();
        to = clNone;
        border = a.BorderColorHot();
    }
    TCanvas* c = Canvas();
    DrawBackgroundBox(c, ClientRect(), from, to, border, 1, a.Gradient());
    c->Brush()->SetStyle(bsClear);
    c->SetFont(a.Font());
    DrawImageAndText(c, ClientRect(), Caption(), FImageIndex, FImages);
    c->Brush()->SetStyle(bsSolid);
}

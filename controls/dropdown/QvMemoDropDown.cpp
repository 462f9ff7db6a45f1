// The memo dropdown: the lines and the edit's face of them, the popup memo and the keys it keeps.
#include "controls/dropdown/QvMemoDropDown.h"

#include "controls/dropdown/QvDropDownForm.h"
#include "toolkit/controls/Menus.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/stdctrls/StdCtrls.h"
#include "toolkit/system/ScopedValue.h"

TQvMemoDropDown::TQvMemoDropDown(TComponent* AOwner) : TQvCustomDropDown(AOwner) {
    FMemoText.OnChange = [this](TObject*) { UpdateEditText(); };
    DropDownHeader()->SetVisible(false);
    DropDownFooter()->SetVisible(false);
    CreateDropDownForm();
}

TQvMemoDropDown::~TQvMemoDropDown() {
    FMemoText.OnChange = nullptr;
    if (FMemoPopup) FMemoPopup->RemoveFreeNotification(this);
}

void TQvMemoDropDown::CreateDropDownForm() {
    TQvCustomDropDown::CreateDropDownForm();
    if (!FDropDownForm) return;
    if (!FMemo) {
        FMemo = new TMemo(this);
        FMemo->SetParent(FDropDownForm);
        FMemo->SetBounds(0, 0, FMemo->Width(), 100);
        FMemo->SetBorderStyle(bsNone);
        FMemo->OnChange = [this](TObject*) {
            if (OnMemoChange) OnMemoChange(this);
        };
    }
    SetControl(FMemo);
    // Opened by the keyboard, the popup is typed into at once.
    SetFocusControl(FMemo);
}

void TQvMemoDropDown::SetMemoText(const TStrings* Value) {
    FMemoText.Assign(Value);
    if (FMemo) FMemo->Lines()->Assign(Value);
}

void TQvMemoDropDown::SetMemoPopup(TPopupMenu* v) {
    if (v == FMemoPopup) return;
    if (FMemoPopup) FMemoPopup->RemoveFreeNotification(this);
    FMemoPopup = v;
    if (v) v->FreeNotification(this);
}

void TQvMemoDropDown::Notification(TComponent* AComponent, TOperation Operation) {
    TQvCustomDropDown::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FMemoPopup) {
        FMemoPopup = nullptr;
        if (FMemo) FMemo->SetPopupMenu(nullptr);
    }
}

void TQvMemoDropDown::SetMemoReadOnly(bool Value) {
    FMemoReadOnly = Value;
    if (DroppedDown() && FMemo) FMemo->SetReadOnly(Value);
}

void TQvMemoDropDown::UpdateEditText() {
    String text;
    if (FMemoText.Count() == 0 || FEditorEnabled) {
        text = FMemoText.Text();
        // Lines joined by their breaks; the last line has none after it.
        if (text.endsWith(QLatin1String("\r\n"))) text.chop(2);
    } else {
        text = FMemoText.Strings(0);
        TCanvas canvas;
        canvas.Font()->Assign(Font());
        const int room = GetEditRect().Width();
        if (TextExtent(&canvas, text).cx < room) {
            if (FMemoText.Count() > 1) text += "...";
        } else {
            text = EllipsisText(&canvas, text, room, true);
        }
    }
    ScopedValue<bool> internal(FInternalUpdate, true);
    SetTextUnformatted(text);
}

void TQvMemoDropDown::Change() {
    if (!FInternalUpdate) {
        auto hook = std::move(FMemoText.OnChange);
        FMemoText.OnChange = nullptr;
        FMemoText.SetText(GetText());
        FMemoText.OnChange = std::move(hook);
    }
    TQvCustomDropDown::Change();
}

void TQvMemoDropDown::BeforeDropDown() {
    TQvCustomDropDown::BeforeDropDown();
    // A click outside closes the popup and keeps the typed lines.
    if (FDropDownForm) FDropDownForm->SetCancelOnDeActivate(false);
    // What a cancel brings back is the face shown now.
    FOldText = GetText();
    if (!FMemo) return;
    FMemo->Lines()->SetText(FMemoText.Text());
    FMemo->SetPopupMenu(FMemoPopup);
    FMemo->SetMaxLength(MaxLength());
    FMemo->SetScrollBars(FMemoScrollBars);
    FMemo->SetReadOnly(FMemoReadOnly);
}

void TQvMemoDropDown::DoHideDropDown(bool CancelChanges) {
    // The edit takes the focus back while the popup hides: that must not open it again.
    ScopedValue<bool> noAutoDrop(FAutoDrop, false);
    if (CancelChanges && FMemo) FMemo->Lines()->Assign(&FMemoText);
    // The face restored on cancel is no text the person typed: the lines stay as they were.
    ScopedValue<bool> internal(FInternalUpdate, CancelChanges || FInternalUpdate);
    TQvCustomDropDown::DoHideDropDown(CancelChanges);
}

void TQvMemoDropDown::AfterDropUp() {
    {
        ScopedValue<bool> noAutoDrop(FAutoDrop, false);
        TQvCustomDropDown::AfterDropUp();
    }
    if (FMemo) FMemoText.Assign(FMemo->Lines());
    UpdateEditText();
    SetSelStart(0);
    SetSelLength(0);
}

void TQvMemoDropDown::DoEnter() {
    TQvCustomDropDown::DoEnter();
    if (FAutoDrop) DoDropDown();
}

namespace {
bool AltDown() {
    return KeyboardStateToShiftState() & ssAlt;
}
} // namespace

// The memo keeps its keys (Enter is a new line) but for those that close or toggle the popup.
void TQvMemoDropDown::ControlKeyDown(TObject* Sender, Word& Key, TShiftState Shift) {
    if (Key == VK_ESCAPE || Key == VK_F4 || AltDown()) {
        TQvCustomDropDown::ControlKeyDown(Sender, Key, Shift);
        Key = 0;
    }
}

void TQvMemoDropDown::ControlKeyUp(TObject* Sender, Word& Key, TShiftState Shift) {
    if (Key == VK_ESCAPE || Key == VK_F4 || AltDown()) TQvCustomDropDown::ControlKeyUp(Sender, Key, Shift);
}

void TQvMemoDropDown::ControlKeyPress(TObject* Sender, QChar& Key) {
    if (Key.unicode() == 27 || AltDown()) {
        TQvCustomDropDown::ControlKeyPress(Sender, Key);
        Key = QChar();
    }
}

// The masked edit: a one-line edit whose typing, clipboard and leaving follow its edit mask.
#include "toolkit/controls/ControlsBridge.h"
#include "toolkit/graphics/SystemLook.h"
#include "toolkit/services/Clipboard.h"
#include "toolkit/stdctrls/Mask.h"
#include "toolkit/system/DesignValue.h"
#include "toolkit/system/ScopedValue.h"

#include <QLineEdit>
#include <QTimer>

TCustomMaskEdit::TCustomMaskEdit(TComponent* AOwner) : TEdit(AOwner) {}

String TCustomMaskEdit::EditText() const {
    return TEdit::GetText();
}

String TCustomMaskEdit::GetText() const {
    return IsMasked() ? FMask.TextFromEditText(EditText()) : TEdit::GetText();
}

void TCustomMaskEdit::TextChanged() {
    if (IsMasked() && !FApplying) {
        // A value set by code: laid into the mask; the change is nobody's typing.
        FText = FMask.EditTextFromText(FText);
        FSetText = FText;
        FModified = false;
    }
    TEdit::TextChanged();
}

void TCustomMaskEdit::SetEditText(const String& v) {
    if (!IsMasked()) {
        SetText(v);
        return;
    }
    FSetText = FMask.Normalized(v);
    FModified = false;
    if (FSetText == EditText()) return;
    const ScopedValue<bool> applying(FApplying, true);
    FText = FSetText;
    TEdit::TextChanged();
}

void TCustomMaskEdit::SetEditMask(const String& v) {
    if (v == FMaskText) return;
    const String value = Text();
    FMaskText = v;
    FMask = TEditMask(v);
    const ScopedValue<bool> applying(FApplying, true);
    FText = IsMasked() ? FMask.EditTextFromText(value) : value;
    FSetText = FText;
    FModified = false;
    TEdit::TextChanged();
}

void TCustomMaskEdit::Reset() {
    if (!IsMasked()) return;
    const String back = FSetText.isEmpty() ? FMask.EmptyEditText() : FSetText;
    {
        const ScopedValue<bool> applying(FApplying, true);
        FText = back;
        TEdit::TextChanged();
    }
    FModified = false;
    SelectAll();
}

void TCustomMaskEdit::ValidateEdit() {
    if (!IsMasked()) return;
    const int bad = FMask.FirstInvalid(EditText());
    if (bad < 0) return;
    SetSelStart(bad);
    SetSelLength(1);
    throw EDBEditError("Invalid input value. Use the Escape key to abandon changes.");
}

void TCustomMaskEdit::ReadEditState(String& editText, int& selStart, int& selLength) const {
    editText = FMask.Normalized(EditText());
    selStart = SelStart();
    selLength = SelLength();
}

void TCustomMaskEdit::ApplyEdit(const String& editText, int caret) {
    if (editText != EditText()) {
        const ScopedValue<bool> applying(FApplying, true);
        FText = editText;
        TEdit::TextChanged();
        FModified = true;
    }
    SetSelStart(caret);
}

void TCustomMaskEdit::TypeText(const String& text) {
    String e;
    int start = 0, length = 0;
    ReadEditState(e, start, length);
    if (length > 0) FMask.Clear(e, start, length);
    int caret = start;
    for (QChar c : text) {
        if (c == QChar('\r') || c == QChar('\n')) break;
        if (!FMask.TypeChar(e, caret, c)) {
            Beep();
            break;
        }
    }
    ApplyEdit(e, caret);
}

void TCustomMaskEdit::ClearSelection() {
    if (ReadOnly()) return;
    if (!IsMasked()) {
        const int start = SelStart();
        String t = Text();
        t.remove(start, SelLength());
        SetText(t);
        SetSelStart(start);
        return;
    }
    String e;
    int start = 0, length = 0;
    ReadEditState(e, start, length);
    FMask.Clear(e, start, length);
    ApplyEdit(e, start);
}

void TCustomMaskEdit::CopyToClipboard() {
    if (!IsMasked()) {
        TEdit::CopyToClipboard();
        return;
    }
    if (SelLength() > 0) Clipboard()->SetAsText(EditText().mid(SelStart(), SelLength()));
}

void TCustomMaskEdit::CutToClipboard() {
    if (!IsMasked()) {
        TEdit::CutToClipboard();
        return;
    }
    CopyToClipboard();
    ClearSelection();
}

void TCustomMaskEdit::PasteFromClipboard() {
    if (!IsMasked()) {
        TEdit::PasteFromClipboard();
        return;
    }
    if (!ReadOnly()) TypeText(Clipboard()->AsText());
}

void TCustomMaskEdit::DeleteOne(bool before) {
    if (SelLength() > 0) {
        ClearSelection();
        return;
    }
    String e;
    int start = 0, length = 0;
    ReadEditState(e, start, length);
    if (before ? FMask.DeleteBefore(e, start) : FMask.DeleteAt(e, start)) ApplyEdit(e, start);
}

void TCustomMaskEdit::KeyDown(Word& Key, TShiftState Shift) {
    TEdit::KeyDown(Key, Shift);
    if (!IsMasked() || Key == 0) return;
    switch (Key) {
    case VK_ESCAPE:
        if (FModified) {
            Reset();
            Key = 0;
        }
        break;
    case VK_DELETE:
        if (Shift & ssShift) {
            CutToClipboard();
        } else if (!ReadOnly()) {
            DeleteOne(false);
        }
        Key = 0;
        break;
    case VK_INSERT:
        if (Shift & ssShift)
            PasteFromClipboard();
        else if (Shift & ssCtrl)
            CopyToClipboard();
        // Insert alone would switch the native edit to overwriting: a masked edit always overwrites.
        Key = 0;
        break;
    default:
        break;
    }
}

void TCustomMaskEdit::KeyPress(QChar& Key) {
    TEdit::KeyPress(Key);
    if (!IsMasked() || Key.unicode() == 0) return;
    const ushort c = Key.unicode();
    if (c == 0x03) { // Ctrl+C
        CopyToClipboard();
        Key = QChar();
        return;
    }
    if (c == 0x16 || c == 0x18 || c == 0x1A || c == '\b' || c >= 32) {
        if (!ReadOnly()) {
            if (c == 0x16) {
                PasteFromClipboard();
            } else if (c == 0x18) {
                CutToClipboard();
            } else if (c == '\b') {
                DeleteOne(true);
            } else if (c >= 32) {
                TypeText(String(Key));
            }
        }
        // The native edit's undo (Ctrl+Z) knows nothing of the mask: it does nothing here.
        Key = QChar();
    }
}

void TCustomMaskEdit::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case WM_CUT:
        CutToClipboard();
        return;
    case WM_COPY:
        CopyToClipboard();
        return;
    case WM_PASTE:
        PasteFromClipboard();
        return;
    case WM_CLEAR:
        ClearSelection();
        return;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        TEdit::Dispatch(m);
        // The middle button's paste of the desktop's selection would bypass the mask.
        if (IsMasked()) m.PassToNative = false;
        return;
    default:
        TEdit::Dispatch(m);
    }
}

void TCustomMaskEdit::DoEnter() {
    if (FReEnterPos >= 0) {
        // Back after an entry that was not whole: the changes stay, the caret is on the place to mend.
        SetSelStart(FReEnterPos);
        SetSelLength(1);
        FReEnterPos = -1;
        TWinControl::DoEnter();
        return;
    }
    if (IsMasked()) {
        FSetText = EditText();
        FModified = false;
    }
    TEdit::DoEnter();
}

void TCustomMaskEdit::DoExit() {
    if (IsMasked() && FModified) {
        try {
            ValidateEdit();
        } catch (const EDBEditError& e) {
            // The focus goes where it was sent and comes back once it is there; the person is told why.
            FReEnterPos = std::max(0, FMask.FirstInvalid(EditText()));
            if (QWidget* w = Widget()) QTimer::singleShot(0, w, qvdetail::Guarded([this] { SetFocus(); }));
            qvdetail::ShowHandlerError(e);
            return;
        }
    }
    TEdit::DoExit();
}

int TCustomMaskEdit::CharFromPos(const TPoint& p) const {
    QLineEdit* w = LineEdit();
    return w ? w->cursorPositionAt(QPoint(p.X, p.Y)) : -1;
}

void TCustomMaskEdit::SetEditRect(const TRect& r) {
    FEditRect = r;
    ApplyEditRect();
}

void TCustomMaskEdit::ApplyEditRect() {
    if (FEditRect.IsEmpty()) {
        SetTextMargins(0, 0, 0, 0);
        return;
    }
    SetTextMargins(std::max(0, FEditRect.Left), std::max(0, FEditRect.Top),
                   std::max(0, ClientWidth() - FEditRect.Right),
                   std::max(0, ClientHeight() - FEditRect.Bottom));
}

void TCustomMaskEdit::Resize() {
    TEdit::Resize();
    if (!FEditRect.IsEmpty()) ApplyEditRect();
}

QWidget* TCustomMaskEdit::CreateNativeWidget(QWidget* parent) {
    auto* w = static_cast<QLineEdit*>(TEdit::CreateNativeWidget(parent));
    // Text dragged in would bypass the mask; what arrives another way (an input method) is laid into it.
    w->setAcceptDrops(false);
    QObject::connect(w, &QLineEdit::textEdited, w, qvdetail::Guarded([this, w](const QString& t) {
                         if (!IsMasked() || FApplying || FMask.Normalized(t) == t) return;
                         const int caret = std::min(w->cursorPosition(), FMask.Length());
                         ApplyEdit(FMask.EditTextFromText(t), caret);
                     }));
    return w;
}

void TCustomMaskEdit::SyncWidget() {
    TEdit::SyncWidget();
    ApplyEditRect();
}

bool TCustomMaskEdit::ReadProperty(const String& name, const TDesignValue& v) {
    const QString n = name.toLower();
    if (n == "editmask")
        SetEditMask(v.AsString());
    else
        return TEdit::ReadProperty(name, v);
    return true;
}

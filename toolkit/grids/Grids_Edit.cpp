// The in-place editor: a line edit laid over the current cell, filled from and written back to the grid.
#include "toolkit/controls/ControlsBridge.h"
#include "toolkit/grids/Grids.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>

namespace {

void applyInplaceAlignment(QLineEdit* e, TAlignment a) {
    const Qt::Alignment h = a == taCenter         ? Qt::AlignHCenter
                            : a == taRightJustify ? Qt::AlignRight
                                                  : Qt::AlignLeft;
    if (e->alignment() != (h | Qt::AlignVCenter)) e->setAlignment(h | Qt::AlignVCenter);
}

} // namespace

TInplaceEdit::TInplaceEdit(TComponent* AOwner) : TWinControl(AOwner) {
    FGrid = dynamic_cast<TCustomGrid*>(AOwner);
    SetVisible(false);
    SetParentColor(false);
    SetColor(clWindow);
}

TInplaceEdit::~TInplaceEdit() {
    SetDestroying();
    DestroyComponents();
}

QLineEdit* TInplaceEdit::LineEdit() const {
    return qobject_cast<QLineEdit*>(Widget());
}

QWidget* TInplaceEdit::CreateNativeWidget(QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setFrame(false);
    // Pasting goes through the editor's own paste (WM_PASTE), which a descendant may filter: Qt's own
    // menu would paste past it.
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    QObject::connect(edit, &QLineEdit::textEdited, edit,
                     qvdetail::Guarded([this](const QString&) { FModified = true; }));
    QObject::connect(edit, &QLineEdit::textChanged, edit, qvdetail::Guarded([this](const QString& text) {
                         if (FSyncing) return;
                         FText = text;
                         Change();
                     }));
    return edit;
}

void TInplaceEdit::SyncWidget() {
    TWinControl::SyncWidget();
    if (QLineEdit* e = LineEdit()) {
        FSyncing = true;
        const auto echo = FPasswordMode ? QLineEdit::Password : QLineEdit::Normal;
        if (e->echoMode() != echo) e->setEchoMode(echo);
        if (e->maxLength() != (FMaxLength > 0 ? FMaxLength : 32767))
            e->setMaxLength(FMaxLength > 0 ? FMaxLength : 32767);
        if (e->text() != FText) e->setText(FText);
        applyInplaceAlignment(e, FAlignment);
        FSyncing = false;
    }
}

String TInplaceEdit::GetText() const {
    if (QLineEdit* e = LineEdit()) return e->text();
    return FText;
}

void TInplaceEdit::TextChanged() {
    if (QLineEdit* e = LineEdit()) {
        FSyncing = true;
        e->setText(FText);
        FSyncing = false;
    }
    Change();
}

void TInplaceEdit::DefaultHandler(TMessage& Message) {
    TWinControl::DefaultHandler(Message);
    if (Message.Msg == WM_CHAR && !Message.Event && Message.CharCode() != 0) {
        ApplyChar(QChar(static_cast<char16_t>(Message.CharCode())));
        Message.PassToNative = false;
    }
}

void TInplaceEdit::ApplyChar(QChar ch) {
    const ushort c = ch.unicode();
    if (c != '\b' && c < 32) return;
    if (QLineEdit* e = LineEdit()) {
        if (c == '\b')
            e->backspace();
        else
            e->insert(String(ch));
        FModified = true;
        return;
    }
    // Without a window the text is the whole edit: typing appends, Backspace takes the last character.
    String text = FText;
    if (c == '\b')
        text.chop(1);
    else if (FMaxLength <= 0 || text.size() < FMaxLength)
        text += ch;
    SetText(text);
    FModified = true;
}

bool TInplaceEdit::HandleQtEvent(QWidget* w, QEvent* e) {
    // The middle button pastes the selection on X11, past the editor's own paste.
    if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonRelease) {
        if (static_cast<QMouseEvent*>(e)->button() == Qt::MiddleButton) return true;
    }
    return TWinControl::HandleQtEvent(w, e);
}

bool TInplaceEdit::ClipboardHasText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

String TInplaceEdit::ClipboardText() {
    return QGuiApplication::clipboard()->text();
}

void TInplaceEdit::CopySelectionToClipboard() {
    if (QLineEdit* e = LineEdit()) e->copy();
}

void TInplaceEdit::CutSelectionToClipboard() {
    if (QLineEdit* e = LineEdit()) e->cut();
}

TControl* TInplaceEdit::FocusReceiver() {
    return FindControl(QApplication::focusWidget());
}

void TInplaceEdit::Change() {
    if (OnChange) OnChange(this);
}

void TInplaceEdit::SetMaxLength(int v) {
    FMaxLength = v;
    // Qt's edit loses its selection when the limit changes: set it only when it differs, and keep the
    // selection.
    if (QLineEdit* e = LineEdit(); e && e->maxLength() != (v > 0 ? v : 32767)) {
        const int start = e->selectionStart();
        const int length = int(e->selectedText().size());
        const int cursor = e->cursorPosition();
        e->setMaxLength(v > 0 ? v : 32767);
        if (start >= 0 && length > 0)
            e->setSelection(start, length);
        else
            e->setCursorPosition(cursor);
    }
    if (v > 0 && FText.size() > v && !LineEdit()) FText.truncate(v);
}

void TInplaceEdit::SetAlignment(TAlignment v) {
    if (v == FAlignment) return;
    FAlignment = v;
    if (QLineEdit* e = LineEdit()) applyInplaceAlignment(e, v);
}

void TInplaceEdit::SetPasswordMode(bool v) {
    FPasswordMode = v;
    if (QLineEdit* e = LineEdit()) e->setEchoMode(v ? QLineEdit::Password : QLineEdit::Normal);
}

int TInplaceEdit::SelStart() const {
    if (QLineEdit* e = LineEdit()) return e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
    return int(FText.size());
}

int TInplaceEdit::SelLength() const {
    if (QLineEdit* e = LineEdit()) return e->hasSelectedText() ? int(e->selectedText().size()) : 0;
    return 0;
}

void TInplaceEdit::SetSelStart(int v) {
    if (QLineEdit* e = LineEdit()) e->setCursorPosition(v);
}

void TInplaceEdit::SetSelLength(int v) {
    if (QLineEdit* e = LineEdit()) e->setSelection(SelStart(), v);
}

void TInplaceEdit::SelectAll() {
    if (QLineEdit* e = LineEdit()) e->selectAll();
}

void TInplaceEdit::Deselect() {
    if (QLineEdit* e = LineEdit()) e->deselect();
}

bool TInplaceEdit::AtTextStart() const {
    return SelStart() == 0 && SelLength() == 0;
}
bool TInplaceEdit::AtTextEnd() const {
    return SelStart() >= int(Text().size()) && SelLength() == 0;
}

void TInplaceEdit::Move(const TRect& cellRect) {
    SetBoundsRect(cellRect);
    Show();
    Invalidate();
}

void TInplaceEdit::UpdateLoc(const TRect& cellRect) {
    if (cellRect.IsEmpty()) {
        // Scrolled out of sight: the editor waits hidden until its cell shows again.
        Hide();
        return;
    }
    Move(cellRect);
}

void TInplaceEdit::Invalidate() {
    if (QWidget* w = Widget()) w->update();
}

void TInplaceEdit::UpdateContents() {
    if (!FGrid) return;
    int col = FGrid->Col();
    int row = FGrid->Row();
    SetMaxLength(FGrid->GetEditLimit());
    SetEditMask(FGrid->GetEditMask(col, row));
    SetText(FGrid->GetEditText(col, row));
    FModified = false;
}

LRESULT TInplaceEdit::DialogCode() const {
    LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (FGrid && (FGrid->Options() & goTabs)) code |= DLGC_WANTTAB;
    return code;
}

void TInplaceEdit::KeyDown(Word& Key, TShiftState Shift) {
    if (!FGrid) {
        TWinControl::KeyDown(Key, Shift);
        return;
    }
    bool alwaysShow = FGrid->Options() & goAlwaysShowEditor;
    bool toGrid = false;
    switch (Key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_ESCAPE:
        toGrid = true;
        break;
    case VK_TAB:
        toGrid = !(Shift & ssAlt);
        break;
    case VK_INSERT:
        toGrid = Shift == 0;
        break;
    case VK_LEFT:
    case VK_HOME:
        toGrid = alwaysShow && ((Shift & ssCtrl) || AtTextStart());
        break;
    case VK_RIGHT:
    case VK_END:
        toGrid = alwaysShow && ((Shift & ssCtrl) || AtTextEnd());
        break;
    case VK_DELETE:
        if (Shift & ssCtrl)
            toGrid = true;
        else if (!FGrid->CanEditModify())
            Key = 0;
        break;
    default:
        break;
    }
    if (toGrid) {
        FGrid->KeyDown(Key, Shift);
        Key = 0;
        return;
    }
    if (Key != 0 && FGrid->OnKeyDown) FGrid->OnKeyDown(FGrid, Key, Shift);
    if (Key != 0) TWinControl::KeyDown(Key, Shift);
}

void TInplaceEdit::KeyUp(Word& Key, TShiftState Shift) {
    if (FGrid) FGrid->KeyUp(Key, Shift);
    if (Key != 0) TWinControl::KeyUp(Key, Shift);
}

void TInplaceEdit::KeyPress(QChar& Key) {
    if (!FGrid) {
        TWinControl::KeyPress(Key);
        return;
    }
    FGrid->KeyPress(Key);
    ushort c = Key.unicode();
    if (c >= 32 && !FGrid->CanEditAcceptKey(Key)) {
        Key = QChar(0);
        return;
    }
    if (c == '\t' || c == 27 || c == '\r') {
        Key = QChar(0);
        return;
    }
    if ((c == '\b' || c == 0x16 || c == 0x18 || c >= 32) && !FGrid->CanEditModify()) Key = QChar(0);
    if (Key.unicode() != 0) TWinControl::KeyPress(Key);
}

void TInplaceEdit::DoExit() {
    TWinControl::DoExit();
    // Leaving the editor for another control leaves the grid too.
    TCustomForm* form = GetParentForm(this);
    if (FGrid && form && form->ActiveControl() != FGrid) FGrid->DoExit();
}

// The grid's side of editing
// ---------------------------------------------------------------------------------

TInplaceEdit* TCustomGrid::CreateEditor() {
    return new TInplaceEdit(this);
}
bool TCustomGrid::CanEditAcceptKey(QChar) {
    return true;
}
bool TCustomGrid::CanEditModify() {
    return true;
}
String TCustomGrid::GetEditMask(int, int) {
    return String();
}
String TCustomGrid::GetEditText(int, int) {
    return String();
}
void TCustomGrid::SetEditText(int, int, const String&) {}
int TCustomGrid::GetEditLimit() {
    return 0;
}

bool TCustomGrid::IsActiveControl() const {
    if (TCustomForm* form = GetParentForm(this)) {
        TWinControl* active = form->ActiveControl();
        return active == this || (active && active == FInplaceEdit);
    }
    return Focused() || (FInplaceEdit && FInplaceEdit->Focused());
}

bool TCustomGrid::CanEditShow() {
    return (FOptions & (goRowSelect | goEditing)) == goEditing && FEditorMode &&
           !(ComponentState() & csDesigning) && HandleAllocated() &&
           ((FOptions & goAlwaysShowEditor) || IsActiveControl());
}

void TCustomGrid::UpdateEdit() {
    if (!CanEditShow()) return;
    if (!FInplaceEdit) {
        FInplaceEdit = CreateEditor();
        FInplaceEdit->SetGrid(this);
        FInplaceEdit->SetParent(this);
    }
    bool refill = FInplaceCol != FCurrent.X || FInplaceRow != FCurrent.Y;
    if (refill) {
        FInplaceCol = FCurrent.X;
        FInplaceRow = FCurrent.Y;
        FInplaceEdit->UpdateContents();
    }
    TRect r = CellRect(FCurrent.X, FCurrent.Y);
    if (r.IsEmpty()) return;
    bool wasVisible = FInplaceEdit->Visible();
    FInplaceEdit->Move(r);
    if (refill || !wasVisible) FInplaceEdit->SelectAll();
    if (IsActiveControl()) FInplaceEdit->SetFocus();
}

void TCustomGrid::UpdateText() {
    if (FInplaceEdit && FInplaceCol >= 0 && FInplaceRow >= 0)
        SetEditText(FInplaceCol, FInplaceRow, FInplaceEdit->Text());
}

void TCustomGrid::HideEdit() {
    if (!FInplaceEdit || !FInplaceEdit->Visible()) return;
    UpdateText();
    int col = FInplaceCol;
    int row = FInplaceRow;
    FInplaceCol = FInplaceRow = -1;
    bool hadFocus = FInplaceEdit->Focused();
    TCustomForm* form = GetParentForm(this);
    bool wasActive = form && form->ActiveControl() == FInplaceEdit;
    // The grid takes the focus before its editor goes, so the editor's focus loss names the grid as the
    // receiver rather than whatever Qt would pick for a hidden focus widget; but when the focus is on its
    // way to another control, it goes on there.
    const bool keepFocus = form ? wasActive || (hadFocus && form->ActiveControl() == this) : hadFocus;
    if (keepFocus)
        SetFocus();
    else if (hadFocus && FInplaceEdit->Widget())
        FInplaceEdit->Widget()->clearFocus(); // hiding a focused widget would hand Qt's focus on by itself
    FInplaceEdit->Hide();
    if (col >= 0) InvalidateCell(col, row);
}

void TCustomGrid::ShowEditor() {
    FEditorMode = true;
    UpdateEdit();
}

void TCustomGrid::HideEditor() {
    FEditorMode = false;
    HideEdit();
}

void TCustomGrid::SetEditorMode(bool v) {
    if (!v) {
        HideEditor();
        return;
    }
    ShowEditor();
    if (FInplaceEdit) FInplaceEdit->Deselect();
}

void TCustomGrid::ShowEditorChar(QChar ch) {
    ShowEditor();
    if (!FInplaceEdit || !FInplaceEdit->Visible()) return;
    // The character reaches the editor as typed, over its selected text, so the editor's own character
    // rules apply to it.
    FInplaceEdit->Perform(WM_CHAR, ch.unicode(), 0);
}

void TCustomGrid::DoExit() {
    TCustomControl::DoExit();
    TCustomForm* form = GetParentForm(this);
    if (form && FInplaceEdit && form->ActiveControl() == FInplaceEdit)
        return; // the focus only went into our own editor
    if (!(FOptions & goAlwaysShowEditor)) HideEditor();
}

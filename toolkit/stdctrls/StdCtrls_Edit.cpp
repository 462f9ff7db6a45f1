// TEdit and TMemo over Qt's line and text editors.
#include "toolkit/controls/ControlsBridge.h"
#include "toolkit/stdctrls/StdCtrls.h"
#include "toolkit/system/DesignValue.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

TEdit::TEdit(TComponent* AOwner) : TWinControl(AOwner) {
    SetBounds(0, 0, 121, 21);
    SetTabStop(true);
    SetColor(clWindow);
    SetParentColor(false);
}

QLineEdit* TEdit::LineEdit() const {
    return static_cast<QLineEdit*>(FWidget.data());
}

QWidget* TEdit::CreateNativeWidget(QWidget* parent) {
    auto* w = new QLineEdit(parent);
    QObject::connect(w, &QLineEdit::textChanged, qvdetail::Guarded([this](const QString& t) {
        if (FSyncing) return;
        FText = t;
        ApplyLimit();
        Change();
    }));
    return w;
}

String TEdit::Cased(const String& s) const {
    switch (FCharCase) {
    case ecUpperCase:
        return s.toUpper();
    case ecLowerCase:
        return s.toLower();
    default:
        return s;
    }
}

// The limit holds for typing only: a longer text set by code stays whole, as on the platform.
void TEdit::ApplyLimit() {
    if (!FWidget) return;
    int limit = FMaxLength > 0 ? std::max<int>(FMaxLength, FText.size()) : 32767;
    LineEdit()->setMaxLength(std::max<int>(limit, FText.size()));
}

void TEdit::SyncWidget() {
    TWinControl::SyncWidget();
    QLineEdit* w = LineEdit();
    if (!w) return;
    FSyncing = true;
    ApplyLimit();
    w->setText(FText);
    w->setReadOnly(FReadOnly);
    w->setEchoMode(FPasswordChar.isNull() ? QLineEdit::Normal : QLineEdit::Password);
    w->setPlaceholderText(FTextHint);
    Qt::Alignment h = FAlignment == taCenter         ? Qt::AlignHCenter
                      : FAlignment == taRightJustify ? Qt::AlignRight
                                                     : Qt::AlignLeft;
    w->setAlignment(h | Qt::AlignVCenter);
    w->setSelection(FSelStart, FSelLength);
    if (FSelLength == 0) w->setCursorPosition(FSelStart);
    w->setTextMargins(FTextMargins.Left, FTextMargins.Top, FTextMargins.Right, FTextMargins.Bottom);
    FSyncing = false;
}

void TEdit::SetTextMargins(int left, int top, int right, int bottom) {
    FTextMargins = TRect(left, top, right, bottom);
    if (QLineEdit* w = LineEdit()) w->setTextMargins(left, top, right, bottom);
}

void TEdit::CutToClipboard() {
    if (QLineEdit* w = LineEdit()) {
        w->cut();
        return;
    }
    CopyToClipboard();
    String t = FText;
    t.remove(FSelStart, FSelLength);
    FSelLength = 0;
    SetText(t);
}

void TEdit::CopyToClipboard() {
    if (QLineEdit* w = LineEdit()) {
        w->copy();
        return;
    }
    if (FSelLength > 0) QGuiApplication::clipboard()->setText(FText.mid(FSelStart, FSelLength));
}

void TEdit::PasteFromClipboard() {
    if (QLineEdit* w = LineEdit()) {
        w->paste();
        return;
    }
    const String clip = QGuiApplication::clipboard()->text();
    String t = FText;
    t.replace(FSelStart, FSelLength, clip);
    const int caret = FSelStart + static_cast<int>(clip.size());
    SetText(t);
    SetSelStart(caret);
}

String TEdit::GetText() const {
    return FWidget ? LineEdit()->text() : FText;
}

void TEdit::TextChanged() {
    FText = Cased(FText);
    if (QLineEdit* w = LineEdit()) {
        FSyncing = true;
        ApplyLimit();
        w->setText(FText);
        FSyncing = false;
    }
    FSelStart = std::min<int>(FSelStart, FText.size());
    FSelLength = 0;
    Perform(CM_TEXTCHANGED);
    Change();
}

void TEdit::Change() {
    if (OnChange) OnChange(this);
}

void TEdit::KeyPress(QChar& Key) {
    TWinControl::KeyPress(Key);
    if (FCharCase == ecUpperCase)
        Key = Key.toUpper();
    else if (FCharCase == ecLowerCase)
        Key = Key.toLower();
}

void TEdit::DefaultHandler(TMessage& m) {
    TWinControl::DefaultHandler(m);
    const ushort c = static_cast<ushort>(m.CharCode());
    if (m.Msg != WM_CHAR || m.Event || c == 0) return;
    m.PassToNative = false;
    if (FReadOnly || (c != '\b' && c < 32)) return;
    if (QLineEdit* w = LineEdit()) {
        if (c == '\b')
            w->backspace();
        else
            w->insert(Cased(String(QChar(static_cast<char16_t>(c)))));
        return;
    }
    String t = FText;
    if (c == '\b') {
        if (FSelLength > 0)
            t.remove(FSelStart, FSelLength);
        else if (FSelStart > 0)
            t.remove(--FSelStart, 1);
    } else {
        t.replace(FSelStart, FSelLength, Cased(String(QChar(static_cast<char16_t>(c)))));
        ++FSelStart;
    }
    const int caret = FSelStart;
    SetText(t);
    SetSelStart(caret);
}

void TEdit::DoEnter() {
    if (FAutoSelect && FWidget && !(FControlState & csLButtonDown)) LineEdit()->selectAll();
    TWinControl::DoEnter();
}

void TEdit::SetMaxLength(int v) {
    FMaxLength = std::max(0, v);
    ApplyLimit();
}

void TEdit::SetReadOnly(bool v) {
    FReadOnly = v;
    if (QLineEdit* w = LineEdit()) w->setReadOnly(v);
}

void TEdit::SetPasswordChar(QChar v) {
    FPasswordChar = v;
    if (QLineEdit* w = LineEdit()) w->setEchoMode(v.isNull() ? QLineEdit::Normal : QLineEdit::Password);
}

void TEdit::SetCharCase(TEditCharCase v) {
    FCharCase = v;
    SetText(Cased(Text()));
}

void TEdit::SetTextHint(const String& v) {
    FTextHint = v;
    if (QLineEdit* w = LineEdit()) w->setPlaceholderText(v);
}

void TEdit::SetAlignment(TAlignment v) {
    FAlignment = v;
    SyncWidget();
}

int TEdit::SelStart() const {
    if (QLineEdit* w = LineEdit()) return w->hasSelectedText() ? w->selectionStart() : w->cursorPosition();
    return FSelStart;
}

int TEdit::SelLength() const {
    if (QLineEdit* w = LineEdit()) return w->hasSelectedText() ? w->selectionLength() : 0;
    return FSelLength;
}

// Caret places count in the text as shown, which a descendant's Text may not be (a masked edit's value
// without its literals).
void TEdit::SetSelStart(int v) {
    FSelStart = std::clamp<int>(v, 0, TEdit::GetText().size());
    FSelLength = 0;
    if (QLineEdit* w = LineEdit()) w->setCursorPosition(FSelStart);
}

void TEdit::SetSelLength(int v) {
    FSelStart = SelStart();
    FSelLength = std::clamp<int>(v, 0, TEdit::GetText().size() - FSelStart);
    if (QLineEdit* w = LineEdit()) w->setSelection(FSelStart, FSelLength);
}

String TEdit::SelText() const {
    return TEdit::GetText().mid(SelStart(), SelLength());
}

void TEdit::SelectAll() {
    FSelStart = 0;
    FSelLength = TEdit::GetText().size();
    if (QLineEdit* w = LineEdit()) w->selectAll();
}

bool TEdit::ReadProperty(const String& name, const TDesignValue& v) {
    const QString n = name.toLower();
    if (n == "maxlength")
        SetMaxLength(v.AsInt());
    else if (n == "readonly")
        SetReadOnly(v.AsBool());
    else if (n == "passwordchar")
        SetPasswordChar(v.AsString().isEmpty() ? QChar() : v.AsString().at(0));
    else if (n == "charcase")
        SetCharCase(DesignEnumOf<TEditCharCase>(v, ecNormal, ecNormal, ecLowerCase));
    else if (n == "texthint")
        SetTextHint(v.AsString());
    else if (n == "alignment")
        SetAlignment(DesignEnumOf<TAlignment>(v, taLeftJustify, taLeftJustify, taCenter));
    else if (n == "autoselect")
        SetAutoSelect(v.AsBool());
    else
        return TWinControl::ReadProperty(name, v);
    return true;
}

// ---------------------------------------------------------------------------------------------------------

TMemo::TMemo(TComponent* AOwner) : TWinControl(AOwner) {
    SetBounds(0, 0, 185, 89);
    SetTabStop(true);
    SetColor(clWindow);
    SetParentColor(false);
    FLines.OnChange = [this](TObject*) { LinesChanged(); };
}

QPlainTextEdit* TMemo::Editor() const {
    return static_cast<QPlainTextEdit*>(FWidget.data());
}

QWidget* TMemo::CreateNativeWidget(QWidget* parent) {
    auto* w = new QPlainTextEdit(parent);
    QObject::connect(w, &QPlainTextEdit::textChanged, qvdetail::Guarded([this, w] {
        if (FSyncing) return;
        FSyncing = true;
        FLines.SetText(w->toPlainText());
        FSyncing = false;
        if (OnChange) OnChange(this);
    }));
    AttachEvents(w->viewport());
    return w;
}

void TMemo::SyncWidget() {
    TWinControl::SyncWidget();
    QPlainTextEdit* w = Editor();
    if (!w) return;
    FSyncing = true;
    w->setPlainText(StringsToList(FLines).join('\n'));
    FSyncing = false;
    w->setReadOnly(FReadOnly);
    bool horz = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
    bool vert = FScrollBars == ssVertical || FScrollBars == ssBoth;
    w->setHorizontalScrollBarPolicy(horz ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    w->setVerticalScrollBarPolicy(vert ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    // A horizontal scroll bar turns wrapping off, as on the platform.
    w->setLineWrapMode(FWordWrap && !horz ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    w->setFrameShape(FBorderStyle ? QFrame::StyledPanel : QFrame::NoFrame);
}

void TMemo::LinesChanged() {
    if (FSyncing) return;
    if (QPlainTextEdit* w = Editor()) {
        FSyncing = true;
        w->setPlainText(StringsToList(FLines).join('\n'));
        FSyncing = false;
    }
    Perform(CM_TEXTCHANGED);
    if (OnChange) OnChange(this);
}

String TMemo::GetText() const {
    // The text is the lines with their breaks; a last line without a break keeps none.
    return StringsToList(FLines).join("\r\n");
}

void TMemo::TextChanged() {
    FLines.SetText(FText);
}

void TMemo::SetReadOnly(bool v) {
    FReadOnly = v;
    if (QPlainTextEdit* w = Editor()) w->setReadOnly(v);
}

void TMemo::SetScrollBars(TScrollStyle v) {
    FScrollBars = v;
    SyncWidget();
}

void TMemo::SetBorderStyle(int v) {
    FBorderStyle = v;
    SyncWidget();
}

void TMemo::SetWordWrap(bool v) {
    FWordWrap = v;
    SyncWidget();
}

bool TMemo::ReadProperty(const String& name, const TDesignValue& v) {
    const QString n = name.toLower();
    if (n == "lines.strings")
        SetStringsFromList(FLines, v.AsStrings());
    else if (n == "readonly")
        SetReadOnly(v.AsBool());
    else if (n == "scrollbars")
        SetScrollBars(DesignEnumOf<TScrollStyle>(v, ssNone, ssNone, ssBoth));
    else if (n == "wordwrap")
        SetWordWrap(v.AsBool());
    else if (n == "wantreturns")
        SetWantReturns(v.AsBool());
    else if (n == "maxlength")
        SetMaxLength(v.AsInt());
    else
        return TWinControl::ReadProperty(name, v);
    return true;
}

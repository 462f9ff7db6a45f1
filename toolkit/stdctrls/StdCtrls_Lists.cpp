// TComboBox and TListBox: items and the chosen index kept by the control, mirrored into Qt's widgets.
#include "toolkit/controls/ControlsBridge.h"
#include "toolkit/stdctrls/StdCtrls.h"
#include "toolkit/system/DesignValue.h"

#include <algorithm>

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPointer>

QStringList StringsToList(const TStrings& strings) {
    QStringList out;
    out.reserve(strings.Count());
    for (int i = 0; i < strings.Count(); ++i)
        out << strings.Strings(i);
    return out;
}

void SetStringsFromList(TStrings& strings, const QStringList& lines) {
    strings.BeginUpdate();
    strings.Clear();
    for (const String& s : lines)
        strings.Add(s);
    strings.EndUpdate();
}

TComboBox::TComboBox(TComponent* AOwner) : TWinControl(AOwner) {
    SetBounds(0, 0, 145, 21);
    SetTabStop(true);
    SetColor(clWindow);
    SetParentColor(false);
    // The widget reports choices itself; a plain mouse click is not a choice.
    FControlStyle &= ~csClickEvents;
    FItems.SetDuplicates(dupAccept);
    FItems.OnChange = [this](TObject*) { ItemsChanged(); };
}

namespace {
// Qt's combo box, telling its control when the list opens and closes, as the platform's combo notifies.
class NotifyingComboBox : public QComboBox {
public:
    NotifyingComboBox(QWidget* parent, TComboBox* control) : QComboBox(parent), FControl(control) {}
    void showPopup() override {
        QComboBox::showPopup();
        Notify(CBN_DROPDOWN);
    }
    void hidePopup() override {
        const bool open = view() && view()->isVisible();
        QComboBox::hidePopup();
        if (open) Notify(CBN_CLOSEUP);
    }

private:
    void Notify(int code) {
        try {
            FControl->Perform(CN_COMMAND, MAKEWPARAM(0, code), 0);
        } catch (const std::exception& e) {
            qvdetail::ShowHandlerError(e);
        }
    }
    TComboBox* FControl;
};
} // namespace

QComboBox* TComboBox::Combo() const {
    return static_cast<QComboBox*>(FWidget.data());
}

QWidget* TComboBox::CreateNativeWidget(QWidget* parent) {
    auto* w = new NotifyingComboBox(parent, this);
    QObject::connect(w, &QComboBox::activated, qvdetail::Guarded([this](int index) {
        if (FSyncing) return;
        FItemIndex = index;
        FText = index >= 0 && index < FItems.Count() ? FItems.Strings(index) : String();
        Click();
        Select();
    }));
    return w;
}

void TComboBox::PushToWidget() {
    QComboBox* w = Combo();
    if (!w) return;
    FSyncing = true;
    bool editable = FStyle == csDropDown || FStyle == csSimple;
    if (w->isEditable() != editable) {
        QPointer<QLineEdit> oldEdit = w->lineEdit();
        w->setEditable(editable);
        // Qt deletes the edit part it gives up later; that edit passes its focus on to the combo, so its
        // late deletion would take the focus from whatever combo has it by then.
        if (oldEdit) QCoreApplication::sendPostedEvents(oldEdit, QEvent::DeferredDelete);
        if (QLineEdit* edit = w->lineEdit()) {
            AttachEvents(edit);
            QObject::connect(edit, &QLineEdit::textEdited, qvdetail::Guarded([this](const QString& t) {
                if (FSyncing) return;
                FText = t;
                FItemIndex = -1;
                Change();
            }));
        }
    }
    w->clear();
    w->addItems(StringsToList(FItems));
    w->setCurrentIndex(FItemIndex);
    if (editable) {
        w->setEditText(FText);
        if (w->lineEdit()) w->lineEdit()->setMaxLength(FMaxLength > 0 ? FMaxLength : 32767);
    }
    w->setMaxVisibleItems(std::max(1, FDropDownCount));
    if (w->view()) w->view()->setMinimumWidth(std::max(0, FDroppedWidth));
    FSyncing = false;
}

void TComboBox::SyncWidget() {
    TWinControl::SyncWidget();
    PushToWidget();
}

void TComboBox::ItemsChanged() {
    if (FItemIndex >= FItems.Count()) FItemIndex = -1;
    if (FStyle == csDropDownList) FText = FItemIndex >= 0 ? FItems.Strings(FItemIndex) : String();
    PushToWidget();
}

String TComboBox::GetText() const {
    if (FStyle == csDropDownList)
        return FItemIndex >= 0 && FItemIndex < FItems.Count() ? FItems.Strings(FItemIndex) : String();
    return FText;
}

void TComboBox::TextChanged() {
    if (FStyle == csDropDownList) {
        // A list-only combo takes no free text: a text that is one of its items chooses that item.
        int index = FItems.IndexOf(FText);
        if (index >= 0) FItemIndex = index;
        FText = GetText();
    } else {
        int index = StringsToList(FItems).indexOf(FText);
        FItemIndex = index;
    }
    PushToWidget();
    Perform(CM_TEXTCHANGED);
}

void TComboBox::SetItemIndex(int v) {
    if (v < 0 || v >= FItems.Count()) v = -1;
    FItemIndex = v;
    FText = v >= 0 ? FItems.Strings(v) : (FStyle == csDropDownList ? String() : FText);
    if (v < 0 && FStyle != csDropDownList) FText.clear();
    PushToWidget();
}

void TComboBox::SetStyle(TComboBoxStyle v) {
    if (v == FStyle) return;
    FStyle = v;
    if (v == csDropDownList) FText = GetText();
    PushToWidget();
}

void TComboBox::SetDropDownCount(int v) {
    FDropDownCount = v;
    if (QComboBox* w = Combo()) w->setMaxVisibleItems(std::max(1, v));
}

void TComboBox::SetMaxLength(int v) {
    FMaxLength = std::max(0, v);
    PushToWidget();
}

bool TComboBox::DroppedDown() const {
    QComboBox* w = Combo();
    return w && w->view() && w->view()->isVisible();
}

void TComboBox::SetDroppedDown(bool v) {
    QComboBox* w = Combo();
    if (!w || v == DroppedDown()) return;
    if (v)
        w->showPopup();
    else
        w->hidePopup();
}

void TComboBox::SetDroppedWidth(int v) {
    FDroppedWidth = v;
    if (QComboBox* w = Combo(); w && w->view()) w->view()->setMinimumWidth(std::max(0, v));
}

namespace {
QLineEdit* ComboEditPart(QComboBox* w) {
    return w ? w->lineEdit() : nullptr;
}
} // namespace

int TComboBox::SelStart() const {
    QLineEdit* e = ComboEditPart(Combo());
    if (!e) return 0;
    return e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
}

void TComboBox::SetSelStart(int v) {
    if (QLineEdit* e = ComboEditPart(Combo())) e->setCursorPosition(std::clamp(v, 0, int(e->text().size())));
}

int TComboBox::SelLength() const {
    QLineEdit* e = ComboEditPart(Combo());
    return e ? int(e->selectedText().size()) : 0;
}

void TComboBox::SetSelLength(int v) {
    QLineEdit* e = ComboEditPart(Combo());
    if (!e) return;
    const int start = SelStart();
    e->setSelection(start, std::clamp(v, 0, int(e->text().size()) - start));
}

void TComboBox::SelectAll() {
    if (QLineEdit* e = ComboEditPart(Combo())) e->selectAll();
}

int TComboBox::EditCharFromPos(TPoint p) const {
    QComboBox* w = Combo();
    QLineEdit* e = ComboEditPart(w);
    if (!e) return -1;
    return e->cursorPositionAt(e->mapFrom(w, QPoint(p.X, p.Y)));
}

void TComboBox::Dispatch(TMessage& m) {
    if (m.Msg == CN_COMMAND) {
        if (HIWORD(m.WParam) == CBN_DROPDOWN)
            DropDown();
        else if (HIWORD(m.WParam) == CBN_CLOSEUP)
            CloseUp();
        return;
    }
    TWinControl::Dispatch(m);
}

void TComboBox::DefaultHandler(TMessage& m) {
    TWinControl::DefaultHandler(m);
    if (m.Msg == WM_CHAR && !m.Event && m.CharCode() != 0) {
        TypeChar(QChar(static_cast<char16_t>(m.CharCode())));
        m.PassToNative = false;
    }
}

// An editable combo puts the character over its selection; a list combo chooses the next item that starts
// with it, as its keyboard search does.
void TComboBox::TypeChar(QChar ch) {
    const ushort c = ch.unicode();
    if (c != '\b' && c < 32) return;
    if (FStyle != csDropDownList) {
        if (QLineEdit* e = ComboEditPart(Combo())) {
            // The edit reports the change as typed.
            if (c == '\b')
                e->backspace();
            else
                e->insert(String(ch));
            return;
        }
        if (c == '\b') {
            FText.chop(1);
        } else if (FMaxLength <= 0 || FText.size() < FMaxLength) {
            FText += ch;
        }
        FItemIndex = -1;
        Change();
        return;
    }
    const int n = FItems.Count();
    for (int k = 1; k <= n; ++k) {
        const int i = (std::max(FItemIndex, -1) + k) % n;
        if (!FItems.Strings(i).startsWith(ch, Qt::CaseInsensitive)) continue;
        if (i == FItemIndex) return;
        SetItemIndex(i);
        Click();
        Select();
        return;
    }
}

void TComboBox::DropDown() {
    if (OnDropDown) OnDropDown(this);
}

void TComboBox::CloseUp() {
    if (OnCloseUp) OnCloseUp(this);
}

void TComboBox::Clear() {
    FText.clear();
    FItemIndex = -1;
    FItems.Clear();
    PushToWidget();
}

// The platform's order: OnClick, then OnSelect, or OnChange when there is no OnSelect.
void TComboBox::Select() {
    if (OnSelect)
        OnSelect(this);
    else
        Change();
}

void TComboBox::Change() {
    if (OnChange) OnChange(this);
}

bool TComboBox::ReadProperty(const String& name, const TDesignValue& v) {
    const QString n = name.toLower();
    if (n == "items.strings")
        SetStringsFromList(FItems, v.AsStrings());
    else if (n == "itemindex")
        SetItemIndex(v.AsInt());
    else if (n == "style")
        SetStyle(DesignEnumOf<TComboBoxStyle>(v, csDropDown, csDropDown, csOwnerDrawVariable));
    else if (n == "dropdowncount")
        SetDropDownCount(v.AsInt());
    else if (n == "sorted")
        SetSorted(v.AsBool());
    else if (n == "maxlength")
        SetMaxLength(v.AsInt());
    else
        return TWinControl::ReadProperty(name, v);
    return true;
}

// ---------------------------------------------------------------------------------------------------------

namespace {
// The platform marks the focused list with a dotted frame round its current item (round its first line
// when it has none); the Qt styles here draw the focus in the selection's own colour, unseen on a selected
// item.
class ListBoxWidget : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void paintEvent(QPaintEvent* e) override {
        QListWidget::paintEvent(e);
        if (!hasFocus()) return;
        const QModelIndex current = currentIndex();
        QRect box = current.isValid() ? visualRect(current)
                                      : QRect(0, 0, viewport()->width(), fontMetrics().height() + 2);
        const bool selected = current.isValid() && selectionModel()->isSelected(current);
        QPainter painter(viewport());
        QPen pen(palette().color(selected ? QPalette::HighlightedText : QPalette::Text));
        pen.setStyle(Qt::DotLine);
        painter.setPen(pen);
        painter.drawRect(box.adjusted(0, 0, -1, -1));
    }
    // The frame belongs to the whole focus, not only to the current item Qt repaints.
    void focusInEvent(QFocusEvent* e) override {
        QListWidget::focusInEvent(e);
        viewport()->update();
    }
    void focusOutEvent(QFocusEvent* e) override {
        QListWidget::focusOutEvent(e);
        viewport()->update();
    }
};
} // namespace

TListBox::TListBox(TComponent* AOwner) : TWinControl(AOwner) {
    SetBounds(0, 0, 121, 97);
    SetTabStop(true);
    SetColor(clWindow);
    SetParentColor(false);
    // OnClick comes from a change of the selection, as the platform's list reports it.
    FControlStyle &= ~csClickEvents;
    FItems.SetDuplicates(dupAccept);
    FItems.OnChange = [this](TObject*) { ItemsChanged(); };
}

QListWidget* TListBox::List() const {
    return static_cast<QListWidget*>(FWidget.data());
}

QWidget* TListBox::CreateNativeWidget(QWidget* parent) {
    auto* w = new ListBoxWidget(parent);
    AttachEvents(w->viewport());
    QObject::connect(w, &QListWidget::itemSelectionChanged, qvdetail::Guarded([this] {
        if (FSyncing) return;
        TakeFromWidget();
        Click();
    }));
    QObject::connect(w, &QListWidget::currentRowChanged, qvdetail::Guarded([this](int) {
        if (!FSyncing) TakeFromWidget();
    }));
    return w;
}

void TListBox::TakeFromWidget() {
    QListWidget* w = List();
    FItemIndex = w->currentRow();
    for (int i = 0; i < w->count() && i < int(FSelected.size()); ++i)
        FSelected[size_t(i)] = w->item(i)->isSelected();
    if (!FMultiSelect && FItemIndex >= 0 && FItemIndex < int(FSelected.size()) &&
        !FSelected[size_t(FItemIndex)])
        FItemIndex = -1;
}

void TListBox::PushToWidget() {
    QListWidget* w = List();
    if (!w) return;
    FSyncing = true;
    w->clear();
    w->addItems(StringsToList(FItems));
    w->setSelectionMode(!FMultiSelect     ? QAbstractItemView::SingleSelection
                        : FExtendedSelect ? QAbstractItemView::ExtendedSelection
                                          : QAbstractItemView::MultiSelection);
    w->setCurrentRow(FItemIndex, QItemSelectionModel::NoUpdate);
    for (int i = 0; i < w->count(); ++i)
        w->item(i)->setSelected(FMultiSelect ? bool(FSelected[size_t(i)]) : i == FItemIndex);
    FSyncing = false;
}

void TListBox::SyncWidget() {
    TWinControl::SyncWidget();
    PushToWidget();
}

void TListBox::ItemsChanged() {
    FSelected.assign(size_t(FItems.Count()), false);
    if (FItemIndex >= FItems.Count()) FItemIndex = -1;
    PushToWidget();
}

void TListBox::SetItemIndex(int v) {
    if (v < 0 || v >= FItems.Count()) v = -1;
    FItemIndex = v;
    if (!FMultiSelect) FSelected.assign(size_t(FItems.Count()), false);
    if (v >= 0) FSelected[size_t(v)] = true;
    PushToWidget();
}

void TListBox::SetMultiSelect(bool v) {
    FMultiSelect = v;
    PushToWidget();
}

void TListBox::SetExtendedSelect(bool v) {
    FExtendedSelect = v;
    PushToWidget();
}

bool TListBox::Selected(int index) const {
    if (index < 0 || index >= FItems.Count())
        throw EListError(QString("List index out of bounds (%1)").arg(index));
    return FMultiSelect ? bool(FSelected[size_t(index)]) : index == FItemIndex;
}

void TListBox::SetSelected(int index, bool v) {
    if (index < 0 || index >= FItems.Count())
        throw EListError(QString("List index out of bounds (%1)").arg(index));
    if (!FMultiSelect) {
        SetItemIndex(v ? index : (index == FItemIndex ? -1 : FItemIndex));
        return;
    }
    FSelected[size_t(index)] = v;
    PushToWidget();
}

int TListBox::SelCount() const {
    if (!FMultiSelect) return -1;
    return int(std::count(FSelected.begin(), FSelected.end(), true));
}

bool TListBox::ReadProperty(const String& name, const TDesignValue& v) {
    const QString n = name.toLower();
    if (n == "items.strings")
        SetStringsFromList(FItems, v.AsStrings());
    else if (n == "itemindex")
        SetItemIndex(v.AsInt());
    else if (n == "multiselect")
        SetMultiSelect(v.AsBool());
    else if (n == "extendedselect")
        SetExtendedSelect(v.AsBool());
    else if (n == "sorted")
        SetSorted(v.AsBool());
    else
        return TWinControl::ReadProperty(name, v);
    return true;
}

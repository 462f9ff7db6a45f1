// Menu items and pop-up menus over QMenu.
#include "toolkit/controls/Menus.h"
#include "toolkit/controls/ControlsBridge.h"
#include "toolkit/system/DesignValue.h"

#include <QActionGroup>
#include <QMenu>
#include <QTimer>

#include <algorithm>
#include <map>

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

TMenuItem::~TMenuItem() {
    SetDestroying();
    // The items below go with this one; each leaves its owner's list as it goes.
    while (!FItems.empty())
        delete FItems.back();
    if (FParent) FParent->Remove(this);
}

int TMenuItem::MenuIndex() const {
    return FParent ? FParent->IndexOf(this) : -1;
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    auto it = std::find(FItems.begin(), FItems.end(), item);
    return it == FItems.end() ? -1 : int(it - FItems.begin());
}

void TMenuItem::Add(TMenuItem* item) {
    Insert(Count(), item);
}

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (!item || item == this) return;
    for (const TMenuItem* p = FParent; p; p = p->FParent)
        if (p == item) throw Exception("A menu item cannot hold an item it belongs to");
    if (item->FParent) item->FParent->Remove(item);
    index = std::clamp(index, 0, Count());
    FItems.insert(FItems.begin() + index, item);
    item->FParent = this;
}

void TMenuItem::Delete(int index) {
    if (index < 0 || index >= Count()) throw EListError(QString("List index out of bounds (%1)").arg(index));
    FItems[size_t(index)]->FParent = nullptr;
    FItems.erase(FItems.begin() + index);
}

void TMenuItem::Remove(TMenuItem* item) {
    const int i = IndexOf(item);
    if (i >= 0) Delete(i);
}

void TMenuItem::Clear() {
    while (!FItems.empty())
        delete FItems.back();
}

TMenuItem* TMenuItem::Find(const String& caption) const {
    const auto plain = [](String s) { return s.remove(QChar('&')); };
    for (TMenuItem* item : FItems)
        if (plain(item->Caption()).compare(plain(caption), Qt::CaseInsensitive) == 0) return item;
    return nullptr;
}

void TMenuItem::SetChecked(bool v) {
    FChecked = v;
    if (v && FRadioItem) TurnSiblingsOff();
}

void TMenuItem::SetRadioItem(bool v) {
    FRadioItem = v;
    if (v && FChecked) TurnSiblingsOff();
}

void TMenuItem::SetGroupIndex(int v) {
    FGroupIndex = v;
    if (FRadioItem && FChecked) TurnSiblingsOff();
}

void TMenuItem::TurnSiblingsOff() {
    if (!FParent) return;
    for (TMenuItem* other : FParent->FItems)
        if (other != this && other->FRadioItem && other->FGroupIndex == FGroupIndex) other->FChecked = false;
}

void TMenuItem::Click() {
    if (FAutoCheck) SetChecked(FRadioItem ? true : !FChecked);
    // A copy runs, so a handler that frees the item (or its menu) does not free the code it runs.
    if (const TNotifyEvent handler = OnClick) handler(this);
}

void TMenuItem::SetParentComponent(TComponent* AParent) {
    if (auto* item = dynamic_cast<TMenuItem*>(AParent))
        item->Add(this);
    else if (auto* menu = dynamic_cast<TPopupMenu*>(AParent))
        menu->Items()->Add(this);
    else
        throw Exception("A menu item belongs in a menu or in another menu item");
}

bool TMenuItem::ReadProperty(const String& name, const TDesignValue& v) {
    const QString n = name.toLower();
    if (n == "caption")
        SetCaption(v.AsString());
    else if (n == "checked")
        SetChecked(v.AsBool());
    else if (n == "enabled")
        SetEnabled(v.AsBool());
    else if (n == "visible")
        SetVisible(v.AsBool());
    else if (n == "radioitem")
        SetRadioItem(v.AsBool());
    else if (n == "groupindex")
        SetGroupIndex(std::clamp(v.AsInt(), 0, 255));
    else if (n == "autocheck")
        SetAutoCheck(v.AsBool());
    else if (n == "default")
        SetDefault(v.AsBool());
    else if (n == "hint")
        SetHint(v.AsString());
    else if (n == "tag")
        SetTag(v.AsInt());
    else
        return TComponent::ReadProperty(name, v);
    return true;
}

// ---------------------------------------------------------------------------------------------------------

namespace {

// Runs `what` once the event being handled is over, unless `alive` went meanwhile: a menu's choice
// reaches its item after the menu has closed, as the platform posts it.
void afterThisEvent(const std::shared_ptr<int>& alive, std::function<void()> what) {
    std::weak_ptr<int> token = alive;
    QTimer::singleShot(0, qApp, qvdetail::Guarded([token, what = std::move(what)] {
                           if (!token.expired()) what();
                       }));
}

} // namespace

// Fills `menu` with the visible items below `item`. Radio items of one group share an exclusive action
// group, so the style draws their marks as radio marks.
void TPopupMenu::FillQtMenu(QMenu* menu, TMenuItem* item) {
    std::map<int, QActionGroup*> radioGroups;
    for (int i = 0; i < item->Count(); ++i) {
        TMenuItem* child = item->Items(i);
        if (!child->Visible()) continue;
        if (child->IsLine()) {
            menu->addSeparator();
            continue;
        }
        QAction* action = nullptr;
        if (child->Count() > 0) {
            QMenu* sub = menu->addMenu(child->Caption());
            FillQtMenu(sub, child);
            action = sub->menuAction();
        } else {
            action = menu->addAction(child->Caption());
            const bool checkable = child->Checked() || child->AutoCheck() || child->RadioItem();
            action->setCheckable(checkable);
            action->setChecked(child->Checked());
            if (child->RadioItem()) {
                QActionGroup*& group = radioGroups[child->GroupIndex()];
                if (!group) group = new QActionGroup(menu);
                group->addAction(action);
            }
            std::weak_ptr<int> token = child->FAlive;
            QObject::connect(action, &QAction::triggered, menu, [token, child] {
                if (token.expired()) return;
                afterThisEvent(child->FAlive, [child] { child->Click(); });
            });
        }
        action->setEnabled(child->Enabled());
        action->setStatusTip(child->Hint());
        if (child->Default()) {
            QFont f = action->font();
            f.setBold(true);
            action->setFont(f);
        }
    }
}

TPopupMenu::TPopupMenu(TComponent* AOwner)
    : TComponent(AOwner), FItems(std::make_unique<TMenuItem>(nullptr)) {}

TPopupMenu::~TPopupMenu() {
    SetDestroying();
    if (FMenu) {
        FMenu->hide();
        FMenu->deleteLater();
    }
    // Items placed by a design belong to the form, which frees them itself; they leave this menu now.
    while (FItems->Count() > 0) {
        TMenuItem* item = FItems->Items(FItems->Count() - 1);
        if (item->Owner())
            FItems->Delete(FItems->Count() - 1);
        else
            delete item;
    }
}

void TPopupMenu::SetPopupComponent(TComponent* v) {
    if (FPopupComponent == v) return;
    if (FPopupComponent) FPopupComponent->RemoveFreeNotification(this);
    FPopupComponent = v;
    if (v) v->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FPopupComponent) FPopupComponent = nullptr;
}

bool TPopupMenu::Showing() const {
    return FMenu && FMenu->isVisible();
}

void TPopupMenu::CloseMenu() {
    if (FMenu) FMenu->hide();
}

void TPopupMenu::Popup(int X, int Y) {
    if (OnPopup) OnPopup(this);
    if (FMenu) {
        FMenu->hide();
        FMenu->deleteLater();
    }
    // A fresh menu each time: the items are read as they are now. It belongs to the window it opens over,
    // as a pop-up must on desktops that place pop-ups by their window.
    QWidget* over = nullptr;
    if (auto* control = dynamic_cast<TControl*>(FPopupComponent); control && control->Widget())
        over = control->Widget()->window();
    if (!over) over = QApplication::activeWindow();
    auto* menu = new QMenu(over);
    FMenu = menu;
    FillQtMenu(menu, FItems.get());
    qvdetail::GiveBackActivationAfterPopup(menu);
    QObject::connect(menu, &QMenu::aboutToHide, menu, [this, menu] {
        if (FMenu != menu) return;
        afterThisEvent(FAlive, [this] {
            if (const TNotifyEvent handler = OnClose) handler(this);
        });
    });
    menu->popup(QPoint(X, Y));
}

bool TPopupMenu::ReadProperty(const String& name, const TDesignValue& v) {
    const QString n = name.toLower();
    if (n == "autopopup")
        SetAutoPopup(v.AsBool());
    else if (n == "tag")
        SetTag(v.AsInt());
    else
        return TComponent::ReadProperty(name, v);
    return true;
}

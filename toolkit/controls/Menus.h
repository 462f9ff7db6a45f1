// Pop-up menus: a tree of menu items that lives without a window, shown as Qt's menu when it pops up.
#pragma once

#include "toolkit/system/Classes.h"

#include <QPointer>
#include <memory>
#include <vector>

class QMenu;

// One entry of a menu: a command, a line (caption "-") or, with items of its own, a sub-menu. An item
// belongs to the item it was added to; freeing an item frees the items below it.
class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* AOwner);
    ~TMenuItem() override;
    String ClassName() const override { return "TMenuItem"; }

    String Caption() const { return FCaption; }
    void SetCaption(const String& v) { FCaption = v; }
    bool IsLine() const { return FCaption == QLatin1String("-"); }
    // Checking a radio item unchecks the radio items beside it (same parent) of the same GroupIndex.
    bool Checked() const { return FChecked; }
    void SetChecked(bool v);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool v) { FEnabled = v; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool v) { FVisible = v; }
    bool RadioItem() const { return FRadioItem; }
    void SetRadioItem(bool v);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int v);
    // A click checks the item (a radio item) or flips its check (any other) before OnClick.
    bool AutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool v) { FAutoCheck = v; }
    // Shown in bold: the command a double click would choose.
    bool Default() const { return FDefault; }
    void SetDefault(bool v) { FDefault = v; }
    String Hint() const { return FHint; }
    void SetHint(const String& v) { FHint = v; }

    int Count() const { return int(FItems.size()); }
    TMenuItem* Items(int index) const { return FItems.at(size_t(index)); }
    TMenuItem* Parent() const { return FParent; }
    // Position among the parent's items; -1 without a parent.
    int MenuIndex() const;
    void Add(TMenuItem* item);
    // Puts `item` (taken from where it was) at `index` (clamped to 0 .. Count()).
    void Insert(int index, TMenuItem* item);
    // Takes the item at `index` out of this item without freeing it.
    void Delete(int index);
    void Remove(TMenuItem* item);
    // Frees every item below this one.
    void Clear();
    int IndexOf(const TMenuItem* item) const;
    // The first item below this one whose caption, without its accelerator mark, matches (ignoring case).
    TMenuItem* Find(const String& caption) const;

    // What choosing the item does: the automatic check, then OnClick.
    virtual void Click();
    TNotifyEvent OnClick;

    bool ReadProperty(const String& name, const TDesignValue& value) override;
    // A design places an item nested in a menu or another item under it.
    void SetParentComponent(TComponent* AParent) override;

private:
    friend class TPopupMenu;
    void TurnSiblingsOff();

    String FCaption;
    String FHint;
    bool FChecked = false;
    bool FEnabled = true;
    bool FVisible = true;
    bool FRadioItem = false;
    bool FAutoCheck = false;
    bool FDefault = false;
    int FGroupIndex = 0;
    TMenuItem* FParent = nullptr;
    std::vector<TMenuItem*> FItems;
    // Dropped with the item, so a choice still on its way to a freed item goes nowhere.
    std::shared_ptr<int> FAlive = std::make_shared<int>(0);
};

// A menu that pops up at a point: the items are read when it opens, so changes made meanwhile (in OnPopup
// too) show. Popup returns at once; the item the person picks is clicked after the menu has closed, so a
// handler may free the menu. A control's PopupMenu pops up by itself on the context-menu request (right
// button, the Menu key, Shift+F10) while AutoPopup is on.
class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TComponent* AOwner);
    ~TPopupMenu() override;
    String ClassName() const override { return "TPopupMenu"; }

    TMenuItem* Items() const { return FItems.get(); }
    // Opens the menu with its top-left corner at a screen point (the monitor's edges keep it in sight).
    virtual void Popup(int X, int Y);
    // Closes the open menu without a choice.
    void CloseMenu();
    bool Showing() const;
    // The component the menu last opened for (a control's own menu sets it to the control).
    TComponent* PopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(TComponent* v);
    bool AutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool v) { FAutoPopup = v; }

    // Before the menu shows; it may change the items.
    TNotifyEvent OnPopup;
    // After the menu has closed, chosen from or not (before the chosen item's click).
    TNotifyEvent OnClose;

    bool ReadProperty(const String& name, const TDesignValue& value) override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    static void FillQtMenu(QMenu* menu, TMenuItem* item);

    std::unique_ptr<TMenuItem> FItems;
    TComponent* FPopupComponent = nullptr;
    bool FAutoPopup = true;
    QPointer<QMenu> FMenu;
    std::shared_ptr<int> FAlive = std::make_shared<int>(0);
};

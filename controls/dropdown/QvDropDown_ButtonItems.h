// The buttons a popup's header or footer bar shows, as items of the bar appearance's collection.
#pragma once

#include "toolkit/system/Collections.h"
#include "toolkit/system/Types.h"

// One button of a bar: caption, image, enabled state and, when above 0, a size of its own. A change of
// Caption, Enabled or Width tells the collection (OnChange); Height and ImageIndex tell nobody.
class TBarButtonItem : public TCollectionItem {
public:
    explicit TBarButtonItem(TCollection* ACollection) : TCollectionItem(ACollection) {}
    String ClassName() const override { return "TBarButtonItem"; }

    String Caption() const { return FCaption; }
    void SetCaption(const String& v);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int v) { FImageIndex = v; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool v);
    int Width() const { return FWidth; }
    void SetWidth(int v);
    int Height() const { return FHeight; }
    void SetHeight(int v) { FHeight = v; }
    // The footer's buttons close the popup by their modal result; a header button has none.
    virtual TModalResult ModalResult() const { return mrNone; }

    void Assign(const TPersistent* Source) override;

private:
    void Notify();

    String FCaption;
    int FImageIndex = -1;
    bool FEnabled = true;
    int FHeight = 0;
    int FWidth = 0;
};

class THeaderButton : public TBarButtonItem {
public:
    explicit THeaderButton(TCollection* ACollection) : TBarButtonItem(ACollection) {}
    String ClassName() const override { return "THeaderButton"; }
};

class TFooterButton : public TBarButtonItem {
public:
    explicit TFooterButton(TCollection* ACollection) : TBarButtonItem(ACollection) {}
    String ClassName() const override { return "TFooterButton"; }

    TModalResult ModalResult() const override { return FModalResult; }
    void SetModalResult(TModalResult v) { FModalResult = v; }
    void Assign(const TPersistent* Source) override;

private:
    TModalResult FModalResult = mrNone;
};

// A bar's buttons; GetOwner answers the owner given at creation.
class TBarButtons : public TCollection {
public:
    explicit TBarButtons(TPersistent* AOwner) : FMyOwner(AOwner) {}
    TPersistent* GetOwner() const override { return FMyOwner; }
    TBarButtonItem* Items(int Index) const { return static_cast<TBarButtonItem*>(TCollection::Items(Index)); }

    TNotifyEvent OnChange;

private:
    friend class TBarButtonItem;
    TPersistent* FMyOwner;
};

class THeaderButtons : public TBarButtons {
public:
    using TBarButtons::TBarButtons;
    String ClassName() const override { return "THeaderButtons"; }
    THeaderButton* Add() { return static_cast<THeaderButton*>(TCollection::Add()); }
    THeaderButton* Insert(int Index) { return static_cast<THeaderButton*>(TCollection::Insert(Index)); }
    THeaderButton* Items(int Index) const { return static_cast<THeaderButton*>(TCollection::Items(Index)); }

protected:
    TCollectionItem* CreateItem() override { return new THeaderButton(this); }
};

class TFooterButtons : public TBarButtons {
public:
    using TBarButtons::TBarButtons;
    String ClassName() const override { return "TFooterButtons"; }
    TFooterButton* Add() { return static_cast<TFooterButton*>(TCollection::Add()); }
    TFooterButton* Insert(int Index) { return static_cast<TFooterButton*>(TCollection::Insert(Index)); }
    TFooterButton* Items(int Index) const { return static_cast<TFooterButton*>(TCollection::Items(Index)); }

protected:
    TCollectionItem* CreateItem() override { return new TFooterButton(this); }
};

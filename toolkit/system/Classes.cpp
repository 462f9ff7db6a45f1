// Component ownership: owners free what they own, and watchers are told when a component goes.
#include "toolkit/system/Classes.h"

#include <algorithm>

void TPersistent::Assign(const TPersistent* source) {
    throw Exception(QStringLiteral("Cannot assign a %1 to a %2")
                        .arg(source ? source->ClassName() : QStringLiteral("nil"), ClassName()));
}

TComponent::TComponent(TComponent* AOwner) {
    if (AOwner)
        AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
    SetDestroying();
    DestroyComponents();
    // Tell everyone who asked that this component is going.
    auto watchers = std::move(FFreeNotifies);
    for (TComponent* w : watchers) {
        w->RemoveFreeNotification(this);
        w->Notification(this, opRemove);
    }
    if (FOwner)
        FOwner->RemoveComponent(this);
}

void TComponent::DestroyComponents() {
    while (!FComponents.empty()) {
        TComponent* last = FComponents.back();
        delete last; // removes itself from FComponents
    }
}

void TComponent::SetName(const String& name) { FName = name; }

int TComponent::ComponentIndex() const {
    if (!FOwner)
        return -1;
    auto it = std::find(FOwner->FComponents.begin(), FOwner->FComponents.end(), this);
    return it == FOwner->FComponents.end() ? -1 : static_cast<int>(it - FOwner->FComponents.begin());
}

TComponent* TComponent::FindComponent(const String& name) const {
    if (name.isEmpty())
        return nullptr;
    for (TComponent* c : FComponents)
        if (c->FName.compare(name, Qt::CaseInsensitive) == 0)
            return c;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
    if (component->FOwner)
        component->FOwner->RemoveComponent(component);
    FComponents.push_back(component);
    component->FOwner = this;
    Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    auto it = std::find(FComponents.begin(), FComponents.end(), component);
    if (it == FComponents.end())
        return;
    FComponents.erase(it);
    component->FOwner = nullptr;
    Notification(component, opRemove);
}

void TComponent::FreeNotification(TComponent* component) {
    if (!component || component == this)
        return;
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component) == FFreeNotifies.end())
        FFreeNotifies.push_back(component);
    if (std::find(component->FFreeNotifies.begin(), component->FFreeNotifies.end(), this) ==
        component->FFreeNotifies.end())
        component->FFreeNotifies.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    // The link was made both ways; a one-sided unlink would leave the other side telling a freed component.
    std::erase(FFreeNotifies, component);
    if (component)
        std::erase(component->FFreeNotifies, this);
}

void TComponent::SetLoading(bool on) {
    if (on)
        FComponentState |= csLoading;
    else
        FComponentState &= ~csLoading;
}

void TComponent::Loaded() { SetLoading(false); }

bool TComponent::ReadProperty(const String&, const TDesignValue&) { return false; }

void TComponent::Notification(TComponent*, TOperation) {}

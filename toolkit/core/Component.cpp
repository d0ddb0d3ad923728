#include "Component.h"

#include <algorithm>

TComponent::TComponent(TComponent* owner) {
    if (owner) owner->Insert(this);
}

TComponent::~TComponent() {
    FDestroying = true;
    // Tell everyone who asked, then the owner (which tells its other components).
    while (!FFreeNotifies.empty()) {
        TComponent* other = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        other->RemoveNotifier(this);
        other->Notification(this, TOperation::opRemove);
    }
    DestroyComponents();
    if (FOwner) {
        TComponent* owner = FOwner;
        owner->Remove(this);
        if (!owner->FDestroying) owner->Notification(this, TOperation::opRemove);
    }
}

TComponent* TComponent::FindComponent(const std::string& name) const {
    for (TComponent* c : FComponents)
        if (c->Name == name) return c;
    return nullptr;
}

void TComponent::FreeNotification(TComponent* other) {
    if (!other || other == this) return;
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), other) == FFreeNotifies.end())
        FFreeNotifies.push_back(other);
    if (std::find(other->FFreeNotifies.begin(), other->FFreeNotifies.end(), this) == other->FFreeNotifies.end())
        other->FFreeNotifies.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* other) {
    if (!other) return;
    RemoveNotifier(other);
    other->RemoveNotifier(this);
}

void TComponent::RemoveNotifier(TComponent* component) {
    FFreeNotifies.erase(std::remove(FFreeNotifies.begin(), FFreeNotifies.end(), component), FFreeNotifies.end());
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    if (operation == TOperation::opRemove) RemoveNotifier(component);
    // Owned components hear of each other's removal; copy, since a handler may free one.
    const std::vector<TComponent*> owned = FComponents;
    for (auto it = owned.rbegin(); it != owned.rend(); ++it) {
        if (std::find(FComponents.begin(), FComponents.end(), *it) != FComponents.end())
            (*it)->Notification(component, operation);
    }
}

void TComponent::DestroyComponents() {
    FDestroying = true;
    while (!FComponents.empty()) {
        TComponent* last = FComponents.back();
        delete last;  // its destructor takes it off FComponents
    }
}

void TComponent::Insert(TComponent* component) {
    FComponents.push_back(component);
    component->FOwner = this;
}

void TComponent::Remove(TComponent* component) {
    FComponents.erase(std::remove(FComponents.begin(), FComponents.end(), component), FComponents.end());
    component->FOwner = nullptr;
}

#pragma once
// TComponent: a named object with an owner; the owner frees what it owns, and components that asked
// for it are told when another one goes away, so links between components never dangle.
#include <functional>
#include <string>
#include <vector>

#include "Exceptions.h"
#include "Object.h"

using TNotifyEvent = std::function<void(TObject* sender)>;

enum class TOperation { opInsert, opRemove };

class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    std::string Name;

    TComponent* Owner() const { return FOwner; }
    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponent* Components(int index) const {
        CheckListIndex(index, ComponentCount());
        return FComponents[static_cast<size_t>(index)];
    }
    TComponent* FindComponent(const std::string& name) const;

    // `other` gets Notification(this, opRemove) when this component is destroyed, and the other way round.
    void FreeNotification(TComponent* other);
    void RemoveFreeNotification(TComponent* other);

    // Called after a layout has created all components and fixed up their references.
    virtual void Loaded() {}
    bool Destroying() const { return FDestroying; }

protected:
    // Told that `component` is being inserted or removed; the default passes it on to owned components.
    virtual void Notification(TComponent* component, TOperation operation);
    // Frees the owned components, last first; derived destructors call it while they are still whole.
    void DestroyComponents();
    void MarkDestroying() { FDestroying = true; }

private:
    void Insert(TComponent* component);
    void Remove(TComponent* component);
    void RemoveNotifier(TComponent* component);

    TComponent* FOwner = nullptr;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;
    bool FDestroying = false;
};

// The object model under every control: persistence, components and their ownership.
#pragma once

#include "toolkit/system/Types.h"

#include <vector>

struct TDesignValue;

class TObject {
public:
    virtual ~TObject() = default;
    // The class name as the windows know it ("TFParGen", "TButton"); set by each class that needs it.
    virtual String ClassName() const { return "TObject"; }
};

class TPersistent : public TObject {
public:
    // Copies the settings of `source`; the base refuses what a class does not know how to copy.
    virtual void Assign(const TPersistent* source);
    String ClassName() const override { return "TPersistent"; }
};

enum TComponentStateFlag : unsigned {
    csLoading = 1u << 0,
    csReading = 1u << 1,
    csWriting = 1u << 2,
    csDestroying = 1u << 3,
    csDesigning = 1u << 4,
};
using TComponentState = unsigned;

enum TOperation { opInsert, opRemove };

// Horizontal alignment of text in controls.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// A component belongs to its owner, which frees it; others that keep pointers to it ask to be told when it goes.
class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    String ClassName() const override { return "TComponent"; }
    TComponent* Owner() const { return FOwner; }
    String Name() const { return FName; }
    virtual void SetName(const String& name);
    int Tag() const { return FTag; }
    void SetTag(int v) { FTag = v; }

    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponent* Components(int index) const { return FComponents.at(static_cast<size_t>(index)); }
    int ComponentIndex() const;
    TComponent* FindComponent(const String& name) const;

    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    TComponentState ComponentState() const { return FComponentState; }
    bool IsLoading() const { return FComponentState & csLoading; }
    bool IsDestroying() const { return FComponentState & csDestroying; }
    void SetLoading(bool on);
    // Called once the component's stored properties have all been read.
    virtual void Loaded();
    // Reads one stored property of a window design; false when the class has no such property.
    virtual bool ReadProperty(const String& name, const TDesignValue& value);
    // A design nests this component (not a control) inside `AParent`; most components ignore it.
    virtual void SetParentComponent(TComponent* AParent) { (void)AParent; }

protected:
    virtual void Notification(TComponent* component, TOperation operation);
    // Frees what this component owns, newest first, while the object is still whole;
    // derived destructors call it before they tear down their own state.
    void DestroyComponents();
    void SetDestroying() { FComponentState |= csDestroying; }

private:
    TComponent* FOwner = nullptr;
    String FName;
    int FTag = 0;
    TComponentState FComponentState = 0;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;
};

// Creates a component owned by `owner` (which frees it); the pointer is for use, not for deleting.
template <class T, class... Args> T* New(TComponent* owner, Args&&... args) {
    return new T(owner, std::forward<Args>(args)...);
}

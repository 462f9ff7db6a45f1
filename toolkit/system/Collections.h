// Collections of owned items that know their place: the item list behind column descriptions and the like.
#pragma once

#include "toolkit/system/Classes.h"

#include <vector>

class TCollection;

// An item lives in at most one collection; made with a collection it appends itself, and freeing it
// takes it out again.
class TCollectionItem : public TPersistent {
    friend class TCollection;

public:
    explicit TCollectionItem(TCollection* ACollection);
    ~TCollectionItem() override;
    TCollectionItem(const TCollectionItem&) = delete;
    TCollectionItem& operator=(const TCollectionItem&) = delete;
    String ClassName() const override { return "TCollectionItem"; }

    TCollection* Collection() const { return FCollection; }
    // Moves the item into another collection (at its end), or out of any with nullptr.
    void SetCollection(TCollection* Value);
    // -1 outside a collection.
    int Index() const;
    // Moves the item to another place in its collection; an index out of range is clamped.
    void SetIndex(int Value);
    virtual String DisplayName() const;

protected:
    // Tells the collection that this item (or, with AllItems, every item) changed.
    void Changed(bool AllItems);

private:
    TCollection* FCollection = nullptr;
};

class TCollection : public TPersistent {
    friend class TCollectionItem;

public:
    TCollection() = default;
    ~TCollection() override;
    TCollection(const TCollection&) = delete;
    TCollection& operator=(const TCollection&) = delete;
    String ClassName() const override { return "TCollection"; }

    int Count() const { return static_cast<int>(FItems.size()); }
    // Raises EListError outside 0 .. Count() - 1.
    TCollectionItem* Items(int Index) const;
    TCollectionItem* Add();
    // A new item placed at Index (clamped to the list).
    TCollectionItem* Insert(int Index);
    // Frees the item at Index; raises EListError outside the list.
    void Delete(int Index);
    void Clear();
    // Clears, then adds one item per item of the source and copies each; another source is refused.
    void Assign(const TPersistent* Source) override;
    // Changes inside a bracket send one Update(nullptr) at its end.
    virtual void BeginUpdate();
    virtual void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }
    // The component the collection belongs to, or nullptr.
    virtual TPersistent* GetOwner() const { return nullptr; }

protected:
    // Makes a new item of the collection's class; it appends itself.
    virtual TCollectionItem* CreateItem() = 0;
    // An item changed (nullptr: the list or every item); called outside update brackets only.
    virtual void Update(TCollectionItem* Item);
    virtual void Added(TCollectionItem* Item);
    void Changed();

private:
    void InsertItem(TCollectionItem* Item);
    void RemoveItem(TCollectionItem* Item);
    std::vector<TCollectionItem*> FItems;
    int FUpdateCount = 0;
};

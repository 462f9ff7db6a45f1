// Collections of owned items: membership, order, update brackets and copying.
#include "toolkit/system/Collections.h"

#include <algorithm>

TCollectionItem::TCollectionItem(TCollection* ACollection) {
    SetCollection(ACollection);
}

TCollectionItem::~TCollectionItem() {
    if (FCollection) FCollection->RemoveItem(this);
}

void TCollectionItem::SetCollection(TCollection* Value) {
    if (Value == FCollection) return;
    if (FCollection) FCollection->RemoveItem(this);
    if (Value) Value->InsertItem(this);
}

int TCollectionItem::Index() const {
    if (!FCollection) return -1;
    const auto& items = FCollection->FItems;
    const auto it = std::find(items.begin(), items.end(), this);
    return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

void TCollectionItem::SetIndex(int Value) {
    const int current = Index();
    if (current < 0) return;
    auto& items = FCollection->FItems;
    Value = std::clamp(Value, 0, static_cast<int>(items.size()) - 1);
    if (Value == current) return;
    items.erase(items.begin() + current);
    items.insert(items.begin() + Value, this);
    Changed(true);
}

String TCollectionItem::DisplayName() const {
    return ClassName();
}

void TCollectionItem::Changed(bool AllItems) {
    if (!FCollection || FCollection->FUpdateCount > 0) return;
    FCollection->Update(AllItems ? nullptr : this);
}

TCollection::~TCollection() {
    FUpdateCount = 1; // no notifications while going
    Clear();
}

TCollectionItem* TCollection::Items(int Index) const {
    if (Index < 0 || Index >= Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    return FItems[static_cast<size_t>(Index)];
}

TCollectionItem* TCollection::Add() {
    TCollectionItem* item = CreateItem();
    Added(item);
    return item;
}

TCollectionItem* TCollection::Insert(int Index) {
    BeginUpdate();
    TCollectionItem* item = nullptr;
    try {
        item = Add();
        item->SetIndex(Index);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    return item;
}

void TCollection::Delete(int Index) {
    delete Items(Index);
}

void TCollection::Clear() {
    if (FItems.empty()) return;
    BeginUpdate();
    while (!FItems.empty())
        delete FItems.back();
    EndUpdate();
}

void TCollection::Assign(const TPersistent* Source) {
    const auto* src = dynamic_cast<const TCollection*>(Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    if (src == this) return;
    BeginUpdate();
    try {
        Clear();
        for (const TCollectionItem* item : src->FItems)
            Add()->Assign(item);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TCollection::BeginUpdate() {
    ++FUpdateCount;
}

void TCollection::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0) Changed();
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Added(TCollectionItem*) {}

void TCollection::Changed() {
    if (FUpdateCount == 0) Update(nullptr);
}

void TCollection::InsertItem(TCollectionItem* Item) {
    FItems.push_back(Item);
    Item->FCollection = this;
    Changed();
}

void TCollection::RemoveItem(TCollectionItem* Item) {
    const auto it = std::find(FItems.begin(), FItems.end(), Item);
    if (it != FItems.end()) FItems.erase(it);
    Item->FCollection = nullptr;
    Changed();
}

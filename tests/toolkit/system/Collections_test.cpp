// Collections: items know their place, leave when freed, and updates inside a bracket come as one.
#include "toolkit/system/Collections.h"

#include <gtest/gtest.h>

namespace {

class NamedItem : public TCollectionItem {
public:
    explicit NamedItem(TCollection* c) : TCollectionItem(nullptr) {
        if (c) SetCollection(c);
    }
    void Assign(const TPersistent* source) override { Text = static_cast<const NamedItem*>(source)->Text; }
    void Touch() { Changed(false); }
    QString Text;
};

class NamedItems : public TCollection {
public:
    std::vector<TCollectionItem*> Updates;
    NamedItem* At(int i) const { return static_cast<NamedItem*>(Items(i)); }
    QString Texts() const {
        QStringList out;
        for (int i = 0; i < Count(); ++i)
            out << At(i)->Text;
        return out.join(',');
    }

protected:
    TCollectionItem* CreateItem() override { return new NamedItem(this); }
    void Update(TCollectionItem* item) override { Updates.push_back(item); }
};

} // namespace

TEST(Collections, ItemsKeepTheirPlaceAndLeaveWhenFreed) {
    NamedItems list;
    for (const char* t : {"a", "b", "c"})
        static_cast<NamedItem*>(list.Add())->Text = t;
    static_cast<NamedItem*>(list.Insert(1))->Text = "x";
    EXPECT_EQ(list.Texts(), "a,x,b,c");
    list.At(0)->SetIndex(99); // clamped to the end
    EXPECT_EQ(list.Texts(), "x,b,c,a");
    EXPECT_EQ(list.At(3)->Index(), 3);
    delete list.At(1);
    EXPECT_EQ(list.Texts(), "x,c,a");
    list.Delete(0);
    EXPECT_EQ(list.Texts(), "c,a");
    EXPECT_THROW(list.Items(2), EListError);
    EXPECT_THROW(list.Delete(-1), EListError);

    NamedItems copy;
    copy.Assign(&list);
    EXPECT_EQ(copy.Texts(), "c,a");
    NamedItem loose(nullptr);
    EXPECT_EQ(loose.Index(), -1);
    loose.SetCollection(&copy);
    EXPECT_EQ(copy.Count(), 3);
    loose.SetCollection(nullptr);
    EXPECT_EQ(copy.Count(), 2);
}

TEST(Collections, ChangesInsideABracketArriveAsOneUpdate) {
    NamedItems list;
    list.Add();
    list.Updates.clear();
    list.At(0)->Touch();
    ASSERT_EQ(list.Updates.size(), 1u);
    EXPECT_EQ(list.Updates[0], list.At(0));
    list.Updates.clear();
    list.BeginUpdate();
    list.Add();
    list.At(1)->Touch();
    list.Delete(0);
    EXPECT_TRUE(list.Updates.empty());
    list.EndUpdate();
    EXPECT_EQ(list.Updates, std::vector<TCollectionItem*>{nullptr});
}

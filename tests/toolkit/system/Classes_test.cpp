// Ownership: an owner frees what it owns, newest first, and watchers hear of a component going.
#include "toolkit/system/Classes.h"

#include <gtest/gtest.h>

namespace {
struct Probe : TComponent {
    Probe(TComponent* owner, std::vector<String>* log, String name) : TComponent(owner), FLog(log) {
        SetName(name);
    }
    ~Probe() override {
        DestroyComponents(); // as windows do, so the owner still hears while whole
        FLog->push_back(Name());
    }
    void Notification(TComponent* c, TOperation op) override {
        if (op == opRemove && c != this) FLog->push_back(Name() + " heard " + c->Name());
    }
    std::vector<String>* FLog;
};
} // namespace

TEST(Component, OwnerFreesOwnedNewestFirstAndWatchersHear) {
    std::vector<String> log;
    auto* owner = new Probe(nullptr, &log, "owner");
    auto* a = New<Probe>(owner, &log, String("a"));
    New<Probe>(owner, &log, String("b"));
    auto* watcher = new Probe(nullptr, &log, "watcher");
    watcher->FreeNotification(a);
    EXPECT_EQ(owner->ComponentCount(), 2);
    EXPECT_EQ(owner->FindComponent("B")->Name(), "b");
    delete owner;
    EXPECT_EQ(QStringList(log.begin(), log.end()).join(", "),
              "b, owner heard b, a, watcher heard a, owner heard a, owner");
    log.clear();
    delete watcher; // must not touch the freed `a`
    EXPECT_EQ(QStringList(log.begin(), log.end()).join(", "), "watcher");
}

// A watch is made both ways, so it is undone both ways: neither side hears of the other going afterwards.
TEST(Component, RemovingAFreeNotificationUnlinksBothSides) {
    for (bool removeFromWatched : {true, false}) {
        std::vector<String> log;
        auto* watched = new Probe(nullptr, &log, "watched");
        auto* watcher = new Probe(nullptr, &log, "watcher");
        watcher->FreeNotification(watched);
        if (removeFromWatched)
            watched->RemoveFreeNotification(watcher);
        else
            watcher->RemoveFreeNotification(watched);
        delete watched;
        delete watcher;
        EXPECT_EQ(QStringList(log.begin(), log.end()).join(", "), "watched, watcher") << removeFromWatched;
    }
}

// Office theme detection from injected registry keys, and the notifier telling its windows of a change.
#include "TestSupport.h"
#include "controls/styles/QvStyleIF.h"
#include "controls/styles/QvStyleIF_Notifier.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/services/Registry.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace {
const char* const k2010 = "Software\\Microsoft\\Office\\14.0\\Common";
const char* const k2007 = "Software\\Microsoft\\Office\\12.0\\Common";
const char* const k2010General = "Software\\Microsoft\\Office\\14.0\\Common\\General";
const char* const k2007General = "Software\\Microsoft\\Office\\12.0\\Common\\General";

struct Key {
    const char* path;
    int theme; // -1: the key exists without a "Theme" value
};
} // namespace

// Every test starts from a registry without keys and a desktop without a visual style's colour scheme.
class RegistryKeys : public ::testing::Test {
protected:
    void SetUp() override {
        RegistryStore::Clear();
        SetThemeColorNameSource(nullptr);
    }
    void TearDown() override {
        RegistryStore::Clear();
        SetThemeColorNameSource(nullptr);
    }
};

class OfficeThemeDetection : public RegistryKeys {};
class ThemeNotifierTest : public RegistryKeys {};

TEST_F(OfficeThemeDetection, FromTheKeysThenTheDesktopScheme) {
    struct Case {
        std::vector<Key> keys;
        const char* scheme;
        TOfficeTheme want;
    } cases[] = {
        {{{k2010, 1}}, "", ot2010Blue},
        {{{k2010, 2}, {k2007, 3}}, "", ot2010Silver},
        {{{k2010, 3}}, "", ot2010Black},
        {{{k2010, 5}}, "", ot2003Blue},
        {{{k2010, 0}, {k2007, 2}}, "", ot2003Blue},
        {{{k2010, -1}, {k2007, 2}}, "", ot2007Silver}, // 2010 key without a value goes on to 2007
        {{{k2007, 1}}, "", ot2007Blue},
        {{{k2007, 3}}, "", ot2007Black},
        {{{k2007, 7}}, "", ot2003Blue},
        {{{k2007General, 1}}, "", ot2003Classic}, // a version key alone holds no theme
        {{}, "", ot2003Classic},
        {{}, "NormalColor", ot2003Blue},
        {{}, "HomeStead", ot2003Olive},
        {{}, "Metallic", ot2003Silver},
        {{}, "Something", ot2003Classic},
    };
    for (const Case& c : cases) {
        RegistryStore::Clear();
        for (const Key& k : c.keys) {
            if (k.theme >= 0)
                RegistryStore::SetInteger(HKEY_CURRENT_USER, k.path, "Theme", k.theme);
            else
                RegistryStore::SetString(HKEY_CURRENT_USER, k.path, "Other", "x");
        }
        const String scheme = c.scheme;
        SetThemeColorNameSource([scheme] { return scheme; });
        EXPECT_EQ(DetectOfficeTheme(), c.want) << c.keys.size() << " keys, scheme " << c.scheme;
    }
}

TEST_F(OfficeThemeDetection, VersionAndThemeValueReads) {
    EXPECT_EQ(DetectOfficeVersion(), 0);
    RegistryStore::SetInteger(HKEY_CURRENT_USER, k2007General, "X", 1);
    EXPECT_EQ(DetectOfficeVersion(), 1);
    RegistryStore::SetInteger(HKEY_CURRENT_USER, k2010General, "X", 1);
    EXPECT_EQ(DetectOfficeVersion(), 2);

    TRegistry reg;
    EXPECT_EQ(ReadOfficeThemeValue(&reg, "Software\\Nothing"), -1);
    RegistryStore::SetString(HKEY_CURRENT_USER, k2010, "Theme", "2"); // a value of the wrong kind
    EXPECT_EQ(ReadOfficeThemeValue(&reg, k2010), -1);
    RegistryStore::SetInteger(HKEY_CURRENT_USER, "software\\microsoft\\office\\14.0\\common", "theme", 2);
    EXPECT_EQ(ReadOfficeThemeValue(&reg, k2010), 2); // keys and names regardless of case
    // Another root does not see the current user's keys.
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    EXPECT_EQ(ReadOfficeThemeValue(&reg, k2010), -1);
}

namespace {
struct ThemeListener : TWinControl {
    using TWinControl::TWinControl;
    int told = 0;
    String key;
    std::function<void()> onTold;
    void WndProc(TMessage& m) override {
        if (m.Msg == WM_OFFICETHEMECHANGED) {
            ++told;
            key = *reinterpret_cast<const String*>(m.LParam);
            if (onTold) onTold();
        }
        TWinControl::WndProc(m);
    }
};
} // namespace

TEST_F(ThemeNotifierTest, WithoutOfficeKeysThereIsNoWatcher) {
    TForm form(nullptr);
    TThemeNotifier notifier(&form);
    EXPECT_EQ(notifier.RegMonitorThread(), nullptr);
    EXPECT_EQ(notifier.NotifierWindow(), nullptr);
    auto* w = new ThemeListener(&form);
    w->SetParent(&form);
    notifier.RegisterWindow(w->Handle()); // nothing to register with
    notifier.UnRegisterWindow(w->Handle());
}

TEST_F(ThemeNotifierTest, WatchesTheNewestVersionsKey) {
    struct Case {
        std::vector<const char*> keys;
        const char* watched;
    } cases[] = {{{k2007General}, k2007}, {{k2010General}, k2010}, {{k2007General, k2010General}, k2010}};
    for (const Case& c : cases) {
        RegistryStore::Clear();
        for (const char* k : c.keys)
            RegistryStore::SetInteger(HKEY_CURRENT_USER, k, "X", 1);
        TForm form(nullptr);
        TThemeNotifier notifier(&form);
        ASSERT_NE(notifier.RegMonitorThread(), nullptr);
        EXPECT_EQ(notifier.RegMonitorThread()->Key(), c.watched);
        EXPECT_TRUE(notifier.RegMonitorThread()->Running());
        EXPECT_EQ(notifier.RegMonitorThread()->Filter(), 4);
    }
}

TEST_F(ThemeNotifierTest, AChangeBelowTheKeyTellsTheNotifierThenEachWindowOnce) {
    RegistryStore::SetInteger(HKEY_CURRENT_USER, k2010General, "X", 1);
    TForm form(nullptr);
    TThemeNotifier notifier(&form);
    int notified = 0;
    TObject* sender = nullptr;
    notifier.OnOfficeThemeChange = [&](TObject* s) {
        ++notified;
        sender = s;
    };
    auto* a = new ThemeListener(&form);
    auto* b = new ThemeListener(&form);
    a->SetParent(&form);
    b->SetParent(&form);
    notifier.RegisterWindow(a->Handle());
    notifier.RegisterWindow(a->Handle());
    notifier.RegisterWindow(b->Handle());
    notifier.UnRegisterWindow(reinterpret_cast<HWND>(&form)); // never registered
    EXPECT_EQ(notifier.RegMonitorThread()->WindowCount(), 2);

    TRegMonitorThread* watcher = notifier.RegMonitorThread();
    watcher->CheckForChange();
    EXPECT_EQ(notified, 0); // nothing changed yet

    RegistryStore::SetInteger(HKEY_CURRENT_USER, String(k2010) + "\\Deeper", "Theme", 3);
    watcher->CheckForChange();
    watcher->CheckForChange();
    EXPECT_EQ(notified, 1);
    EXPECT_EQ(sender, &notifier);
    EXPECT_EQ(a->told, 1);
    EXPECT_EQ(b->told, 1);
    EXPECT_EQ(a->key, k2010);

    RegistryStore::SetInteger(HKEY_CURRENT_USER, "Software\\Elsewhere", "Theme", 3);
    watcher->CheckForChange();
    EXPECT_EQ(a->told, 1);

    notifier.UnRegisterWindow(a->Handle());
    RegistryStore::SetInteger(HKEY_CURRENT_USER, k2010, "Theme", 1);
    watcher->CheckForChange();
    EXPECT_EQ(a->told, 1);
    EXPECT_EQ(b->told, 2);
    EXPECT_EQ(notified, 2);
}

// A window may leave the list, or be freed, while the windows are being told.
TEST_F(ThemeNotifierTest, WindowsThatLeaveDuringARoundAreSkippedAndFreedOnesForgotten) {
    RegistryStore::SetInteger(HKEY_CURRENT_USER, k2007General, "X", 1);
    TForm form(nullptr);
    TThemeNotifier notifier(&form);
    auto* a = new ThemeListener(&form);
    auto* b = new ThemeListener(&form);
    a->SetParent(&form);
    b->SetParent(&form);
    const HWND bHandle = b->Handle();
    notifier.RegisterWindow(a->Handle());
    notifier.RegisterWindow(bHandle);
    a->onTold = [&] { notifier.UnRegisterWindow(bHandle); };
    RegistryStore::SetInteger(HKEY_CURRENT_USER, k2007, "Theme", 2);
    notifier.RegMonitorThread()->CheckForChange();
    EXPECT_EQ(a->told, 1);
    EXPECT_EQ(b->told, 0);

    notifier.RegisterWindow(bHandle);
    a->onTold = nullptr;
    delete b;
    EXPECT_EQ(notifier.RegMonitorThread()->WindowCount(), 1);
    RegistryStore::SetInteger(HKEY_CURRENT_USER, k2007, "Theme", 3);
    notifier.RegMonitorThread()->CheckForChange();
    EXPECT_EQ(a->told, 2);
}

TEST_F(ThemeNotifierTest, OneNotifierPerProcessUntilItIsFreed) {
    TForm form(nullptr);
    TThemeNotifier* first = ThemeNotifierInstance(&form);
    EXPECT_EQ(ThemeNotifierInstance(&form), first);
    delete first;
    TThemeNotifier* second = ThemeNotifierInstance(&form);
    EXPECT_NE(second, nullptr);
    delete second;
}

TEST(HandleListTest, ValuesAndPositions) {
    THandleList list;
    list.Add(10);
    list.Add(20);
    list.Insert(1, 15);
    list.Add(10);
    list.DeleteValue(10); // the first only
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.GetInteger(0), 15);
    EXPECT_EQ(list.GetInteger(2), 10);
    list.DeleteValue(99);
    list.Delete(7);
    EXPECT_EQ(list.Count(), 3);
    list.SetInteger(0, 5);
    EXPECT_TRUE(list.HasValue(5));
    EXPECT_FALSE(list.HasValue(15));
}

// The watch runs by itself on the user-interface thread once armed.
TEST_F(ThemeNotifierTest, TheWatchLooksAtTheKeyByItself) {
    RegistryStore::SetInteger(HKEY_CURRENT_USER, k2010General, "X", 1);
    TForm form(nullptr);
    TThemeNotifier notifier(&form);
    int notified = 0;
    notifier.OnOfficeThemeChange = [&](TObject*) { ++notified; };
    RegistryStore::SetInteger(HKEY_CURRENT_USER, k2010, "Theme", 2);
    QElapsedTimer waited;
    waited.start();
    while (notified == 0 && waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(notified, 1);
}

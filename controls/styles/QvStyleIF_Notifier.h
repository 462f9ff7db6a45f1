// The notifier that tells registered windows when the office colour theme changes, its watcher of the
// theme's registry key and the list of windows it tells.
#pragma once

#include "controls/styles/QvStyleIF.h"
#include "toolkit/controls/Controls.h"

#include <cstdint>
#include <mutex>
#include <vector>

class TTimer;
class TRegistry;
enum class HKEY : uintptr_t;

constexpr UINT WM_OFFICETHEMECHANGED = 2993;

// Window handles kept as integers.
class THandleList {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    void Add(intptr_t Value) { FItems.push_back(Value); }
    void Insert(int Index, intptr_t Value);
    void Delete(int Index);
    // Removes the first entry equal to Value; nothing when there is none.
    void DeleteValue(intptr_t Value);
    bool HasValue(intptr_t Value) const;
    intptr_t GetInteger(int Index) const { return FItems.at(static_cast<size_t>(Index)); }
    void SetInteger(int Index, intptr_t Value) { FItems.at(static_cast<size_t>(Index)) = Value; }

private:
    std::vector<intptr_t> FItems;
};

// Watches a registry key and tells its window, then every window of its list, when something below the
// key changes. There is no thread: the key is looked at by a timer on the user-interface thread (the
// registry store has no change notification to wait for), so the windows are told on that thread.
class TRegMonitorThread : public TObject {
public:
    TRegMonitorThread();
    ~TRegMonitorThread() override;
    String ClassName() const override { return "TRegMonitorThread"; }

    String Key() const { return FKey; }
    void SetKey(const String& v) { FKey = v; }
    HKEY RootKey() const { return FRootKey; }
    void SetRootKey(HKEY v) { FRootKey = v; }
    bool WatchSub() const { return FWatchSub; }
    void SetWatchSub(bool v) { FWatchSub = v; }
    int Filter() const { return FFilter == 0 ? 15 : FFilter; }
    void SetFilter(int v) { FFilter = v; }
    // The control told first (the notifier's hidden window).
    TControl* Wnd() const { return FWnd; }
    void SetWnd(TControl* v) { FWnd = v; }

    // Arms the watch: false when the key cannot be opened (the watcher then stays idle).
    bool Execute();
    void Stop();
    bool Running() const;
    // Looks at the key once and tells the windows when it changed since the last look. The timer calls
    // it; tests may too.
    void CheckForChange();

    // The registered windows. A window is told only while it is alive and still has that handle.
    void AddWindow(HWND Wnd, TWinControl* Control);
    void RemoveWindow(HWND Wnd);
    void RemoveControl(const TComponent* Control);
    bool HasWindow(HWND Wnd) const;
    int WindowCount() const;

private:
    struct WatchedWindow {
        HWND Handle;
        TWinControl* Control;
    };

    std::unique_ptr<TRegistry> FReg;
    std::unique_ptr<TTimer> FTimer;
    String FKey;
    HKEY FRootKey;
    bool FWatchSub = true;
    int FFilter = 0;
    TControl* FWnd = nullptr;
    uint64_t FStamp = 0;
    bool FArmed = false;
    mutable std::mutex FListLock;
    THandleList FWinList;
    std::vector<WatchedWindow> FWindows;
};

class TThemeNotifierWindow : public TWinControl {
public:
    explicit TThemeNotifierWindow(TComponent* AOwner) : TWinControl(AOwner) {}
    String ClassName() const override { return "TThemeNotifierWindow"; }
    TNotifyEvent OnOfficeThemeChange;

protected:
    void WndProc(TMessage& Message) override;
};

class TThemeNotifier : public TComponent {
public:
    explicit TThemeNotifier(TComponent* AOwner);
    ~TThemeNotifier() override;
    String ClassName() const override { return "TThemeNotifier"; }

    void RegisterWindow(HWND Hwnd);
    void UnRegisterWindow(HWND Hwnd);
    // nullptr when no office theme key exists.
    TRegMonitorThread* RegMonitorThread() const { return FRegMonitorThread.get(); }
    TThemeNotifierWindow* NotifierWindow() const { return FNotifier; }

    TNotifyEvent OnOfficeThemeChange;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void NotifierChanged(TObject* Sender);

    std::unique_ptr<TRegMonitorThread> FRegMonitorThread;
    TThemeNotifierWindow* FNotifier = nullptr;
};

// The process's notifier, made on first use: owned by the main form when that has its window, else by
// AOwner.
TThemeNotifier* ThemeNotifierInstance(TComponent* AOwner);

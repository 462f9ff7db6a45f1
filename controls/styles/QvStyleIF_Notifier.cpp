// The office theme notifier, its registry watcher and its list of windows.
#include "controls/styles/QvStyleIF_Notifier.h"

#include "toolkit/controls/Forms.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/services/Registry.h"

#include <algorithm>

namespace {
TThemeNotifier* gThemeNotifier = nullptr;
constexpr Cardinal kThemeWatchInterval = 500;
} // namespace

// THandleList
// ---------------------------------------------------------------------------------------------------

void THandleList::Insert(int Index, intptr_t Value) {
    FItems.insert(FItems.begin() + std::clamp(Index, 0, Count()), Value);
}

void THandleList::Delete(int Index) {
    if (Index >= 0 && Index < Count()) FItems.erase(FItems.begin() + Index);
}

void THandleList::DeleteValue(intptr_t Value) {
    const auto it = std::find(FItems.begin(), FItems.end(), Value);
    if (it != FItems.end()) FItems.erase(it);
}

bool THandleList::HasValue(intptr_t Value) const {
    return std::find(FItems.begin(), FItems.end(), Value) != FItems.end();
}

// TRegMonitorThread
// ---------------------------------------------------------------------------------------------------

TRegMonitorThread::TRegMonitorThread()
    : FReg(std::make_unique<TRegistry>()), FTimer(std::make_unique<TTimer>(nullptr)),
      FRootKey(HKEY_CURRENT_USER) {
    FTimer->SetEnabled(false);
    FTimer->SetInterval(kThemeWatchInterval);
    FTimer->OnTimer = [this](TObject*) { CheckForChange(); };
}

TRegMonitorThread::~TRegMonitorThread() {
    Stop();
}

bool TRegMonitorThread::Execute() {
    FReg->SetRootKey(FRootKey);
    // A key that cannot be opened ends the watch quietly: nobody would see the error.
    if (!FReg->OpenKeyReadOnly(FKey)) return false;
    FReg->CloseKey();
    FStamp = RegistryStore::ChangeStamp(FRootKey, FKey, FWatchSub);
    FArmed = true;
    FTimer->SetEnabled(true);
    return true;
}

void TRegMonitorThread::Stop() {
    FArmed = false;
    FTimer->SetEnabled(false);
}

bool TRegMonitorThread::Running() const {
    return FArmed;
}

void TRegMonitorThread::CheckForChange() {
    if (!FArmed) return;
    const uint64_t stamp = RegistryStore::ChangeStamp(FRootKey, FKey, FWatchSub);
    if (stamp == FStamp) return;
    FStamp = stamp;
    const LPARAM keyText = reinterpret_cast<LPARAM>(&FKey);
    const WPARAM root = static_cast<WPARAM>(FRootKey);
    if (FWnd) SendMessage(FWnd, WM_OFFICETHEMECHANGED, root, keyText);
    // A window may register or unregister windows while it is told; the round goes over the list as it
    // stood and skips those that left meanwhile.
    std::vector<WatchedWindow> round;
    {
        std::lock_guard guard(FListLock);
        round = FWindows;
    }
    for (const WatchedWindow& w : round) {
        {
            std::lock_guard guard(FListLock);
            const bool stillThere =
                std::any_of(FWindows.begin(), FWindows.end(), [&](const WatchedWindow& x) {
                    return x.Handle == w.Handle && x.Control == w.Control;
                });
            if (!stillThere) continue;
        }
        if (w.Control->HandleAllocated() && w.Control->Handle() == w.Handle)
            SendMessage(w.Control, WM_OFFICETHEMECHANGED, root, keyText);
    }
}

void TRegMonitorThread::AddWindow(HWND Wnd, TWinControl* Control) {
    if (!Wnd || !Control) return;
    std::lock_guard guard(FListLock);
    const intptr_t value = reinterpret_cast<intptr_t>(Wnd);
    if (FWinList.HasValue(value)) return;
    FWinList.Add(value);
    FWindows.push_back({Wnd, Control});
}

void TRegMonitorThread::RemoveWindow(HWND Wnd) {
    std::lock_guard guard(FListLock);
    FWinList.DeleteValue(reinterpret_cast<intptr_t>(Wnd));
    std::erase_if(FWindows, [&](const WatchedWindow& w) { return w.Handle == Wnd; });
}

void TRegMonitorThread::RemoveControl(const TComponent* Control) {
    std::lock_guard guard(FListLock);
    for (const WatchedWindow& w : FWindows)
        if (w.Control == Control) FWinList.DeleteValue(reinterpret_cast<intptr_t>(w.Handle));
    std::erase_if(FWindows, [&](const WatchedWindow& w) { return w.Control == Control; });
}

bool TRegMonitorThread::HasWindow(HWND Wnd) const {
    std::lock_guard guard(FListLock);
    return FWinList.HasValue(reinterpret_cast<intptr_t>(Wnd));
}

int TRegMonitorThread::WindowCount() const {
    std::lock_guard guard(FListLock);
    return FWinList.Count();
}

// TThemeNotifierWindow
// ---------------------------------------------------------------------------------------------------

void TThemeNotifierWindow::WndProc(TMessage& Message) {
    if (Message.Msg == WM_OFFICETHEMECHANGED && OnOfficeThemeChange) OnOfficeThemeChange(this);
    TWinControl::WndProc(Message);
}

// TThemeNotifier
// ---------------------------------------------------------------------------------------------------

TThemeNotifier::TThemeNotifier(TComponent* AOwner) : TComponent(AOwner) {
    if (ComponentState() & csDesigning) return;
    const int version = DetectOfficeVersion();
    if (version != 1 && version != 2) return;
    FNotifier = new TThemeNotifierWindow(this);
    if (auto* parent = dynamic_cast<TWinControl*>(AOwner)) FNotifier->SetParent(parent);
    FNotifier->SetVisible(false);
    FNotifier->OnOfficeThemeChange = [this](TObject* Sender) { NotifierChanged(Sender); };

    FRegMonitorThread = std::make_unique<TRegMonitorThread>();
    FRegMonitorThread->SetWnd(FNotifier);
    FRegMonitorThread->SetFilter(4);
    FRegMonitorThread->SetKey(version == 2 ? "Software\\Microsoft\\Office\\14.0\\Common"
                                           : "Software\\Microsoft\\Office\\12.0\\Common");
    FRegMonitorThread->SetRootKey(HKEY_CURRENT_USER);
    FRegMonitorThread->SetWatchSub(true);
    FRegMonitorThread->Execute();
}

TThemeNotifier::~TThemeNotifier() {
    if (FRegMonitorThread) {
        FRegMonitorThread->Stop();
        FRegMonitorThread->SetWnd(nullptr);
    }
    if (gThemeNotifier == this) gThemeNotifier = nullptr;
    DestroyComponents();
    FNotifier = nullptr;
}

void TThemeNotifier::NotifierChanged(TObject*) {
    if (OnOfficeThemeChange) OnOfficeThemeChange(this);
}

void TThemeNotifier::RegisterWindow(HWND Hwnd) {
    if (!FRegMonitorThread || !Hwnd) return;
    auto* control = dynamic_cast<TWinControl*>(FindControl(Hwnd));
    // Only the window of a control can be told; anything else has no handler to tell.
    if (!control || FRegMonitorThread->HasWindow(Hwnd)) return;
    FRegMonitorThread->AddWindow(Hwnd, control);
    control->FreeNotification(this);
}

void TThemeNotifier::UnRegisterWindow(HWND Hwnd) {
    if (FRegMonitorThread) FRegMonitorThread->RemoveWindow(Hwnd);
}

void TThemeNotifier::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FNotifier) {
        FNotifier = nullptr;
        if (FRegMonitorThread) FRegMonitorThread->SetWnd(nullptr);
    }
    if (FRegMonitorThread) FRegMonitorThread->RemoveControl(AComponent);
}

TThemeNotifier* ThemeNotifierInstance(TComponent* AOwner) {
    if (!gThemeNotifier) {
        TComponent* owner = AOwner;
        if (Application && Application->MainForm() && Application->MainForm()->HandleAllocated())
            owner = Application->MainForm();
        gThemeNotifier = new TThemeNotifier(owner);
    }
    return gThemeNotifier;
}

// Inside the toolkit: how Qt widgets and events reach the controls. Not for code above the toolkit.
#pragma once

#include "toolkit/controls/Controls.h"

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <type_traits>

namespace qvdetail {

// Dynamic property that ties a native widget to its control.
inline constexpr const char* kControlProperty = "qvControl";

// Watches the events of a control's widgets, and receives the messages posted to the control.
class EventBridge : public QObject {
public:
    explicit EventBridge(TControl* control) : FControl(control) {}
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    // Set while the bridge hands a rewritten event to the native widget, which must not come round again.
    bool Forwarding = false;

private:
    TControl* FControl;
};

// The window active when a modal window (form, box or file dialog) opens gets the keyboard back when the
// modal window goes, as the platform's own modal loops do: a desktop without a window manager would leave
// the keyboard with no window. `except` is the modal window itself.
class GiveBackActivation {
public:
    explicit GiveBackActivation(const QWidget* except = nullptr)
        : FBefore(QApplication::activeWindow()), FExcept(except) {}
    ~GiveBackActivation() {
        if (FBefore && FBefore != FExcept && FBefore->isVisible()) FBefore->activateWindow();
    }
    GiveBackActivation(const GiveBackActivation&) = delete;
    GiveBackActivation& operator=(const GiveBackActivation&) = delete;

private:
    QPointer<QWidget> FBefore;
    const QWidget* FExcept;
};

// A pop-up (a menu, a calendar) that closes gives the keyboard back to the window that had it when nothing
// else took it meanwhile: without a window manager no window would be active after it.
void GiveBackActivationAfterPopup(QWidget* popup);

// The widget of a control that paints itself: every paint goes to WM_PAINT.
class NativeWidget : public QWidget {
public:
    explicit NativeWidget(QWidget* parent);
};

// A posted message travelling as a Qt event.
class PostedMessageEvent : public QEvent {
public:
    explicit PostedMessageEvent(const TMessage& m) : QEvent(Type()), Message(m) {}
    static QEvent::Type Type();
    TMessage Message;
};

// Shows an error raised by a handler (the application's error message); rethrows when there is no
// application object to show it.
void ShowHandlerError(const std::exception& e);

// Handlers that ignore the signal's arguments take none. A function template of its own keeps both calls
// dependent, so only the chosen one is checked (a generic lambda's body is checked against F already).
template <class F, class... A> void CallHandler(const F& f, A&&... args) {
    if constexpr (std::is_invocable_v<const F&, A...>)
        f(std::forward<A>(args)...);
    else
        f();
}

// Wraps a handler that Qt calls through a signal: Qt's code is built without exception support, so an error
// is shown here rather than unwinding through it.
template <class F> auto Guarded(F f) {
    return [f = std::move(f)](auto&&... args) {
        try {
            CallHandler(f, std::forward<decltype(args)>(args)...);
        } catch (const std::exception& e) {
            ShowHandlerError(e);
        }
    };
}

bool TranslateEvent(TControl* control, QWidget* w, QEvent* e);
// The hint's part of a control's events (HintWindow.cpp): a resting mouse shows the control's hint, and
// leaving, clicking, typing or moving out of its area takes it down. True when the event is used up.
bool HintSeesEvent(TControl* control, QWidget* w, QEvent* e);
void ApplyCursor(QWidget* w, TCursor cursor);
Qt::CursorShape ToQtCursor(TCursor cursor);
bool AltIsDown();
TShiftState ShiftFromModifiers(Qt::KeyboardModifiers mods, Qt::MouseButtons buttons = Qt::NoButton);
WPARAM MouseKeys(Qt::KeyboardModifiers mods, Qt::MouseButtons buttons);

} // namespace qvdetail

// Qt events turned into window messages, posted and registered messages, keys and cursors.
#include "toolkit/controls/ControlsBridge.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/graphics/Picture.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QStyle>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>

#include <map>

namespace qvdetail {

NativeWidget::NativeWidget(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    // The control's colour fills the background before WM_PAINT, as the platform erases it.
    setAutoFillBackground(true);
}

QEvent::Type PostedMessageEvent::Type() {
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

bool EventBridge::eventFilter(QObject* watched, QEvent* event) {
    if (Forwarding || !watched->isWidgetType()) return false;
    // Qt's widget code is built without exception support: an error from a handler is shown here, before it
    // would unwind through Qt's frames and skip their clean-up.
    try {
        if (HintSeesEvent(FControl, static_cast<QWidget*>(watched), event)) return true;
        return FControl->HandleQtEvent(static_cast<QWidget*>(watched), event);
    } catch (const std::exception& e) {
        ShowHandlerError(e);
        return true;
    }
}

bool EventBridge::event(QEvent* event) {
    if (event->type() == PostedMessageEvent::Type()) {
        TMessage m = static_cast<PostedMessageEvent*>(event)->Message;
        try {
            FControl->DeliverMessage(m);
        } catch (const std::exception& e) {
            ShowHandlerError(e);
        }
        return true;
    }
    return QObject::event(event);
}

namespace {
// Notes the active window as a pop-up shows, and activates it again once the pop-up has gone.
class PopupActivationWatch : public QObject {
public:
    static constexpr const char* kName = "qv-popup-activation";
    explicit PopupActivationWatch(QWidget* popup) : QObject(popup), FPopup(popup) {
        setObjectName(kName);
        // A platform that activates the pop-up late gives the activation to it after it has gone.
        connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* w) {
            if (FGone && w && w == FPopup->windowHandle() && !FPopup->isVisible()) GiveBack();
        });
    }
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched != FPopup) return false;
        if (e->type() == QEvent::Show) {
            FBefore = QApplication::activeWindow();
            if (FBefore == FPopup) FBefore = nullptr;
            FGone = false;
        } else if (e->type() == QEvent::Hide) {
            FGone = true;
            QTimer::singleShot(0, this, [this] { GiveBack(); });
        }
        return false;
    }

private:
    void GiveBack() {
        if (!FBefore || !FBefore->isVisible()) return;
        // Taken by nothing else: no window is active, or the pop-up that went still counts as active.
        const QWidget* active = QApplication::activeWindow();
        if (!active || active == FPopup || !active->isVisible()) FBefore->activateWindow();
        // The window's own focus comes back too, as it does when the window is activated again.
        if (QApplication::activeWindow() == FBefore && !QApplication::focusWidget())
            if (QWidget* last = FBefore->focusWidget()) last->setFocus(Qt::PopupFocusReason);
    }

    QWidget* FPopup;
    QPointer<QWidget> FBefore;
    bool FGone = false;
};
} // namespace

void GiveBackActivationAfterPopup(QWidget* popup) {
    if (popup->findChild<QObject*>(PopupActivationWatch::kName, Qt::FindDirectChildrenOnly)) return;
    popup->installEventFilter(new PopupActivationWatch(popup));
}

void ShowHandlerError(const std::exception& e) {
    if (!Application) throw;
    Application->HandleException(e);
}

bool AltIsDown() {
    return QApplication::keyboardModifiers() & Qt::AltModifier;
}

TShiftState ShiftFromModifiers(Qt::KeyboardModifiers mods, Qt::MouseButtons buttons) {
    TShiftState s = 0;
    if (mods & Qt::ShiftModifier) s |= ssShift;
    if (mods & Qt::ControlModifier) s |= ssCtrl;
    if (mods & Qt::AltModifier) s |= ssAlt;
    if (buttons & Qt::LeftButton) s |= ssLeft;
    if (buttons & Qt::RightButton) s |= ssRight;
    if (buttons & Qt::MiddleButton) s |= ssMiddle;
    return s;
}

WPARAM MouseKeys(Qt::KeyboardModifiers mods, Qt::MouseButtons buttons) {
    WPARAM k = 0;
    if (buttons & Qt::LeftButton) k |= MK_LBUTTON;
    if (buttons & Qt::RightButton) k |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton) k |= MK_MBUTTON;
    if (mods & Qt::ShiftModifier) k |= MK_SHIFT;
    if (mods & Qt::ControlModifier) k |= MK_CONTROL;
    return k;
}

Qt::CursorShape ToQtCursor(TCursor cursor) {
    switch (cursor) {
    case crNone:
        return Qt::BlankCursor;
    case crCross:
        return Qt::CrossCursor;
    case crIBeam:
        return Qt::IBeamCursor;
    case crSizeNESW:
        return Qt::SizeBDiagCursor;
    case crSizeNS:
    case crVSplit:
        return Qt::SizeVerCursor;
    case crSizeNWSE:
        return Qt::SizeFDiagCursor;
    case crSizeWE:
    case crHSplit:
        return Qt::SizeHorCursor;
    case crUpArrow:
        return Qt::UpArrowCursor;
    case crHourGlass:
    case crSQLWait:
        return Qt::WaitCursor;
    case crDrag:
    case crMultiDrag:
        return Qt::DragCopyCursor;
    case crNoDrop:
    case crNo:
        return Qt::ForbiddenCursor;
    case crAppStart:
        return Qt::BusyCursor;
    case crHelp:
        return Qt::WhatsThisCursor;
    case crHandPoint:
        return Qt::PointingHandCursor;
    case crSizeAll:
        return Qt::SizeAllCursor;
    default:
        return Qt::ArrowCursor;
    }
}

std::map<int, QCursor>& RegisteredCursors() {
    static std::map<int, QCursor> cursors;
    return cursors;
}

void ApplyCursor(QWidget* w, TCursor cursor) {
    const auto own = RegisteredCursors().find(int(cursor));
    if (cursor == crDefault)
        w->unsetCursor();
    else if (own != RegisteredCursors().end())
        w->setCursor(own->second);
    else
        w->setCursor(ToQtCursor(cursor));
}

namespace {

TMessage MouseMessage(UINT msg, QWidget* from, TControl* control, QMouseEvent* me) {
    QPoint pos = me->position().toPoint();
    if (control->Widget() && from != control->Widget()) pos = from->mapTo(control->Widget(), pos);
    TMessage m;
    m.Msg = msg;
    m.WParam = MouseKeys(me->modifiers(), me->buttons());
    m.LParam = MAKELPARAM(pos.x(), pos.y());
    m.Event = me;
    return m;
}

UINT ButtonMessage(QEvent::Type type, Qt::MouseButton button) {
    int base = button == Qt::RightButton    ? WM_RBUTTONDOWN
               : button == Qt::MiddleButton ? WM_MBUTTONDOWN
                                            : WM_LBUTTONDOWN;
    switch (type) {
    case QEvent::MouseButtonPress:
        return base;
    case QEvent::MouseButtonRelease:
        return base + 1;
    default:
        return base + 2;
    }
}

// Key events go to the focused window only, as on the platform: the native widget handles the key here
// and the event is marked used, so Qt does not hand it on to the parents' widgets.
bool DeliverKeyToNative(QWidget* w, QKeyEvent* ke) {
    static_cast<QObject*>(w)->event(ke);
    ke->accept();
    return true;
}

// Hands a key event with other text to the native widget.
void ForwardKey(QWidget* w, QKeyEvent* ke, int key, const QString& text) {
    QKeyEvent rewritten(ke->type(), key, ke->modifiers(), text, ke->isAutoRepeat(), ke->count());
    static_cast<QObject*>(w)->event(&rewritten);
    ke->accept();
}

// The key data of WM_KEYDOWN and WM_CHAR: the scan code in bits 16 to 23, as far as controls read it (the
// numeric keypad's decimal key, 0x53, differs from the main full-stop key, 0x34, in bit 22).
LPARAM KeyData(QKeyEvent* ke) {
    const bool keypad = ke->modifiers() & Qt::KeypadModifier;
    switch (ke->key()) {
    case Qt::Key_Period:
    case Qt::Key_Comma:
    case Qt::Key_Delete:
        if (keypad) return LPARAM(0x53) << 16;
        return ke->key() == Qt::Key_Period ? LPARAM(0x34) << 16 : 0;
    default:
        return 0;
    }
}

bool TranslateKey(TControl* control, QWidget* w, QKeyEvent* ke) {
    Word vk = QtKeyToVK(ke->key());
    if (ke->type() == QEvent::KeyRelease) {
        TMessage m;
        m.Msg = WM_KEYUP;
        m.WParam = vk;
        m.Event = ke;
        control->DeliverMessage(m);
        if (m.PassToNative) return DeliverKeyToNative(w, ke);
        ke->accept();
        return true;
    }
    bool keyPassed = true;
    bool keyChanged = false;
    if (vk != 0) {
        TMessage m;
        m.Msg = WM_KEYDOWN;
        m.WParam = vk;
        m.LParam = KeyData(ke);
        m.Event = ke;
        control->DeliverMessage(m);
        keyPassed = m.PassToNative && m.CharCode() != 0;
        keyChanged = m.CharCode() != vk;
    }
    QString text = ke->text();
    // Only the characters the platform would turn into WM_CHAR: not for keys that carry no text.
    if (text.isEmpty() || (ke->modifiers() & Qt::AltModifier)) {
        if (keyPassed && !keyChanged) return DeliverKeyToNative(w, ke);
        ke->accept();
        return true;
    }
    TMessage c;
    c.Msg = WM_CHAR;
    c.WParam = text.at(0).unicode();
    c.LParam = KeyData(ke);
    c.Event = ke;
    control->DeliverMessage(c);
    bool charPassed = c.PassToNative && c.CharCode() != 0;
    bool charChanged = c.CharCode() != text.at(0).unicode();
    if (keyPassed && !keyChanged && charPassed && !charChanged) return DeliverKeyToNative(w, ke);
    if (charPassed && c.CharCode() != 0) {
        QString newText(QChar(static_cast<char16_t>(c.CharCode())));
        int key = keyPassed && !charChanged ? ke->key() : Qt::Key_unknown;
        QChar ch = newText.at(0);
        if (charChanged && ch.isLetterOrNumber() && ch.unicode() < 128) key = ch.toUpper().unicode();
        ForwardKey(w, ke, key, newText);
    }
    ke->accept();
    return true;
}

} // namespace

bool TranslateEvent(TControl* control, QWidget* w, QEvent* e) {
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        auto* me = static_cast<QMouseEvent*>(e);
        TMessage m = MouseMessage(ButtonMessage(e->type(), me->button()), w, control, me);
        control->DeliverMessage(m);
        return !m.PassToNative;
    }
    case QEvent::MouseMove: {
        auto* me = static_cast<QMouseEvent*>(e);
        TMessage m = MouseMessage(WM_MOUSEMOVE, w, control, me);
        control->DeliverMessage(m);
        return !m.PassToNative;
    }
    case QEvent::Wheel: {
        auto* we = static_cast<QWheelEvent*>(e);
        int delta = we->angleDelta().y();
        if (delta == 0) return false;
        QPoint g = we->globalPosition().toPoint();
        TMessage m;
        m.Msg = WM_MOUSEWHEEL;
        m.WParam = (MouseKeys(we->modifiers(), we->buttons()) & 0xFFFF) |
                   (static_cast<WPARAM>(static_cast<uint16_t>(static_cast<int16_t>(delta))) << 16);
        m.LParam = MAKELPARAM(g.x(), g.y());
        m.Event = e;
        control->DeliverMessage(m);
        return !m.PassToNative;
    }
    case QEvent::Paint: {
        if (w != control->Widget() || !control->PaintsItself()) return false;
        TMessage m;
        m.Msg = WM_PAINT;
        m.Event = e;
        control->DeliverMessage(m);
        return !m.PassToNative;
    }
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return TranslateKey(control, w, static_cast<QKeyEvent*>(e));
    case QEvent::ContextMenu: {
        auto* ce = static_cast<QContextMenuEvent*>(e);
        const QPoint g = ce->reason() == QContextMenuEvent::Keyboard ? QPoint(-1, -1) : ce->globalPos();
        TMessage m;
        m.Msg = WM_CONTEXTMENU;
        m.WParam = reinterpret_cast<WPARAM>(control);
        m.LParam = MAKELPARAM(g.x(), g.y());
        m.Event = e;
        control->DeliverMessage(m);
        return !m.PassToNative;
    }
    case QEvent::Enter:
    case QEvent::Leave: {
        if (w != control->Widget()) return false;
        TMessage m;
        m.Msg = e->type() == QEvent::Enter ? CM_MOUSEENTER : CM_MOUSELEAVE;
        m.Event = e;
        control->DeliverMessage(m);
        return false;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        auto reason = static_cast<QFocusEvent*>(e)->reason();
        // Switching windows or opening a pop-up does not move the focus inside the form.
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
        TMessage m;
        m.Msg = e->type() == QEvent::FocusIn ? WM_SETFOCUS : WM_KILLFOCUS;
        m.Event = e;
        // As on the platform, WM_SETFOCUS names the control that lost the focus (WParam).
        static QPointer<QWidget> lastFocusOut;
        if (e->type() == QEvent::FocusOut)
            lastFocusOut = w;
        else
            m.WParam = reinterpret_cast<WPARAM>(lastFocusOut ? FindControl(lastFocusOut) : nullptr);
        control->DeliverMessage(m);
        return false;
    }
    default:
        return false;
    }
}

} // namespace qvdetail

void RegisterCursor(TCursor Id, const TBitmap& Image, int HotX, int HotY) {
    qvdetail::RegisteredCursors()[int(Id)] = QCursor(QPixmap::fromImage(Image.toQImage()), HotX, HotY);
}

bool CursorRegistered(TCursor Id) {
    return qvdetail::RegisteredCursors().count(int(Id)) > 0;
}

void PostMessage(TControl* control, UINT Msg, WPARAM WParam, LPARAM LParam) {
    if (!control) return;
    TMessage m;
    m.Msg = Msg;
    m.WParam = WParam;
    m.LParam = LParam;
    QCoreApplication::postEvent(control->FBridge.get(), new qvdetail::PostedMessageEvent(m));
}

TShiftState KeyboardStateToShiftState() {
    return qvdetail::ShiftFromModifiers(QApplication::keyboardModifiers(), QApplication::mouseButtons());
}

TPoint GetCursorPos() {
    return TPoint::fromQPoint(QCursor::pos());
}

int WheelScrollLines() {
    return QApplication::wheelScrollLines();
}

Word QtKeyToVK(int k) {
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return static_cast<Word>('A' + (k - Qt::Key_A));
    if (k >= Qt::Key_0 && k <= Qt::Key_9) return static_cast<Word>('0' + (k - Qt::Key_0));
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return static_cast<Word>(VK_F1 + (k - Qt::Key_F1));
    switch (k) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VK_TAB;
    case Qt::Key_Backspace:
        return VK_BACK;
    case Qt::Key_Insert:
        return VK_INSERT;
    case Qt::Key_Delete:
        return VK_DELETE;
    case Qt::Key_Pause:
        return VK_PAUSE;
    case Qt::Key_Print:
        return VK_SNAPSHOT;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_Shift:
        return VK_SHIFT;
    case Qt::Key_Control:
        return VK_CONTROL;
    case Qt::Key_Alt:
        return VK_MENU;
    case Qt::Key_CapsLock:
        return VK_CAPITAL;
    case Qt::Key_NumLock:
        return VK_NUMLOCK;
    case Qt::Key_ScrollLock:
        return VK_SCROLL;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_Menu:
        return VK_APPS;
    case Qt::Key_Plus:
        return VK_OEM_PLUS;
    case Qt::Key_Minus:
        return VK_OEM_MINUS;
    case Qt::Key_Comma:
        return VK_OEM_COMMA;
    case Qt::Key_Period:
        return VK_OEM_PERIOD;
    case Qt::Key_Slash:
        return VK_OEM_2;
    case Qt::Key_Semicolon:
        return VK_OEM_1;
    case Qt::Key_Asterisk:
        return VK_MULTIPLY;
    case Qt::Key_Clear:
        return VK_CLEAR;
    case Qt::Key_Help:
        return VK_HELP;
    default:
        return 0;
    }
}

int VKToQtKey(Word vk) {
    if (vk >= 'A' && vk <= 'Z') return Qt::Key_A + (vk - 'A');
    if (vk >= '0' && vk <= '9') return Qt::Key_0 + (vk - '0');
    if (vk >= VK_F1 && vk <= VK_F1 + 23) return Qt::Key_F1 + (vk - VK_F1);
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD0 + 9) return Qt::Key_0 + (vk - VK_NUMPAD0);
    for (int k : {Qt::Key_Return,   Qt::Key_Escape,     Qt::Key_Tab,     Qt::Key_Backspace, Qt::Key_Insert,
                  Qt::Key_Delete,   Qt::Key_Pause,      Qt::Key_Print,   Qt::Key_Home,      Qt::Key_End,
                  Qt::Key_Left,     Qt::Key_Up,         Qt::Key_Right,   Qt::Key_Down,      Qt::Key_PageUp,
                  Qt::Key_PageDown, Qt::Key_Shift,      Qt::Key_Control, Qt::Key_Alt,       Qt::Key_CapsLock,
                  Qt::Key_NumLock,  Qt::Key_ScrollLock, Qt::Key_Space,   Qt::Key_Menu,      Qt::Key_Plus,
                  Qt::Key_Minus,    Qt::Key_Comma,      Qt::Key_Period,  Qt::Key_Slash,     Qt::Key_Semicolon,
                  Qt::Key_Asterisk, Qt::Key_Clear,      Qt::Key_Help})
        if (QtKeyToVK(k) == vk) return k;
    return Qt::Key_unknown;
}

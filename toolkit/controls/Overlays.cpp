// Controls floating over their host's window, and the hook that hears of every window that moves.
#include "toolkit/controls/Overlays.h"
#include "toolkit/controls/ControlsBridge.h"

#include <QApplication>
#include <QGraphicsOpacityEffect>
#include <QPointer>
#include <QPolygon>
#include <QRegion>

#include <map>

TOverlayControl::TOverlayControl(TComponent* AOwner) : TCustomControl(AOwner) {
    TControl::SetVisible(false);
}

TOverlayControl::~TOverlayControl() {
    SetHost(nullptr);
}

void TOverlayControl::SetHost(TControl* Value) {
    if (Value == FHost) return;
    if (FHost) FHost->RemoveFreeNotification(this);
    FHost = Value;
    if (FHost) FHost->FreeNotification(this);
    // The window made for the old host belongs to its window.
    if (FWidget && FWidget->parentWidget() != HostWindow()) DestroyWidget();
    if (Visible()) SetVisible(true);
}

void TOverlayControl::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FHost) {
        FHost = nullptr;
        DestroyWidget();
    }
}

QWidget* TOverlayControl::HostWindow() const {
    if (!FHost || !FHost->Widget()) return nullptr;
    QWidget* w = FHost->Widget()->window();
    // Never inside another floating control.
    return w == FWidget.data() ? nullptr : w;
}

void TOverlayControl::SetVisible(bool v) {
    QWidget* window = v ? HostWindow() : nullptr;
    // A widget made for another window (or for none) goes: a parentless one would be a window of its own.
    if (v && FWidget && (!window || FWidget->parentWidget() != window)) DestroyWidget();
    TCustomControl::SetVisible(v);
    if (!window) return;
    HandleNeeded();
    SyncGeometry();
    FWidget->show();
    FWidget->raise();
}

bool TOverlayControl::Showing() const {
    return Visible() && FWidget && FWidget->isVisible();
}

TPoint TOverlayControl::ClientOrigin() const {
    return FWidget && FWidget->parentWidget() ? TCustomControl::ClientOrigin() : TPoint(Left(), Top());
}

QWidget* TOverlayControl::CreateNativeWidget(QWidget*) {
    return new qvdetail::NativeWidget(HostWindow());
}

void TOverlayControl::SyncGeometry() {
    QWidget* parent = FWidget ? FWidget->parentWidget() : nullptr;
    if (!parent) return;
    const QPoint at = parent->mapFromGlobal(QPoint(Left(), Top()));
    FWidget->setGeometry(at.x(), at.y(), std::max(0, Width()), std::max(0, Height()));
    ApplyLooks();
}

void TOverlayControl::SyncWidget() {
    TCustomControl::SyncWidget();
    if (!FWidget) return;
    ApplyLooks();
    // Without a host window the widget would be a window of its own.
    if (!FWidget->parentWidget()) FWidget->setVisible(false);
}

void TOverlayControl::SetRegion(const TWindowRegion& Value) {
    if (Value == FRegion) return;
    FRegion = Value;
    ApplyLooks();
}

void TOverlayControl::SetLayered(bool Value) {
    if (Value == FLayered) return;
    FLayered = Value;
    ApplyLooks();
    Invalidate();
}

void TOverlayControl::SetAlphaBlendValue(int Value) {
    Value = std::clamp(Value, 0, 255);
    if (Value == FAlphaBlendValue) return;
    FAlphaBlendValue = Value;
    ApplyLooks();
}

void TOverlayControl::ApplyLooks() {
    QWidget* w = FWidget.data();
    if (!w) return;
    w->setAttribute(Qt::WA_TransparentForMouseEvents);
    w->setFocusPolicy(Qt::NoFocus);
    w->setAutoFillBackground(!FLayered);
    QRegion region;
    if (!FRegion.Polygon.empty()) {
        QPolygon polygon;
        for (const TPoint& p : FRegion.Polygon)
            polygon << QPoint(p.X, p.Y);
        region = QRegion(polygon, Qt::WindingFill);
    } else if (!FRegion.Hole.IsEmpty()) {
        region = QRegion(0, 0, std::max(0, Width()), std::max(0, Height()));
    }
    if (!FRegion.Hole.IsEmpty()) region = region.subtracted(QRegion(FRegion.Hole.toQRect()));
    if (region.isEmpty() && FRegion.Polygon.empty() && FRegion.Hole.IsEmpty())
        w->clearMask();
    else
        w->setMask(region);
    if (FAlphaBlendValue >= 255) {
        if (w->graphicsEffect()) w->setGraphicsEffect(nullptr);
    } else {
        auto* effect = qobject_cast<QGraphicsOpacityEffect*>(w->graphicsEffect());
        if (!effect) {
            effect = new QGraphicsOpacityEffect(w);
            w->setGraphicsEffect(effect);
        }
        effect->setOpacity(FAlphaBlendValue / 255.0);
    }
}

// ---------------------------------------------------------------------------------------------------------

namespace {

// Hears Move and Resize of every widget and calls the hooks once the widget has its new place.
class WindowPosWatch : public QObject {
public:
    static WindowPosWatch& Instance() {
        static QPointer<WindowPosWatch> instance;
        if (!instance && qApp) {
            instance = new WindowPosWatch(qApp);
            qApp->installEventFilter(instance);
        }
        static WindowPosWatch none(nullptr);
        return instance ? *instance : none;
    }
    std::map<const void*, std::function<void()>> Hooks;

    bool eventFilter(QObject* watched, QEvent* e) override {
        if ((e->type() != QEvent::Move && e->type() != QEvent::Resize) || !watched->isWidgetType() ||
            FCalling || Hooks.empty())
            return false;
        FCalling = true;
        struct Reset {
            bool& b;
            ~Reset() { b = false; }
        } reset{FCalling};
        // A hook may remove itself or another one.
        const auto hooks = Hooks;
        for (const auto& [key, hook] : hooks)
            if (Hooks.count(key)) hook();
        return false;
    }

private:
    explicit WindowPosWatch(QObject* parent) : QObject(parent) {}
    bool FCalling = false;
};

} // namespace

void SetWindowPosHook(const void* Key, std::function<void()> Handler) {
    WindowPosWatch& watch = WindowPosWatch::Instance();
    if (Handler)
        watch.Hooks[Key] = std::move(Handler);
    else
        watch.Hooks.erase(Key);
}

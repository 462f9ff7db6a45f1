// Windows that float over a form: the platform's pop-up and layered windows (placed in screen coordinates,
// shaped by a region, blended by alpha, never activated), made here as child widgets of the host's window,
// so that they need no window manager and work under Wayland as well.
#pragma once

#include "toolkit/controls/Controls.h"

#include <functional>
#include <vector>

// The part of a window that is shown: inside the polygon (filled by the winding rule; empty: the whole
// window), less the hole (none when empty). Client coordinates.
struct TWindowRegion {
    std::vector<TPoint> Polygon;
    TRect Hole;
    bool operator==(const TWindowRegion&) const = default;
};

// A control that floats above everything else in the window of its host control, as a pop-up window of
// the platform would. It has no parent: Left and Top are screen coordinates. It never takes the focus, and
// the mouse passes through it to what lies below.
class TOverlayControl : public TCustomControl {
public:
    explicit TOverlayControl(TComponent* AOwner);
    ~TOverlayControl() override;
    String ClassName() const override { return "TOverlayControl"; }

    // The control over whose window this one floats (not owned; forgotten when it is freed). Without a host,
    // or while the host has no window, nothing shows.
    TControl* Host() const { return FHost; }
    void SetHost(TControl* Value);
    // Shown above the host window's other children; follows the host to another window.
    void SetVisible(bool v) override;
    bool Showing() const override;
    TPoint ClientOrigin() const override;

    TWindowRegion Region() const { return FRegion; }
    void SetRegion(const TWindowRegion& Value);
    // A layered window: its background is not filled before it paints, so what it leaves unpainted, or
    // paints with alpha, shows what lies below (the platform's per-pixel alpha).
    bool Layered() const { return FLayered; }
    void SetLayered(bool Value);
    // The whole window's opacity, 0 (invisible) to 255 (opaque), over its per-pixel alpha.
    int AlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(int Value);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    QWidget* CreateNativeWidget(QWidget* parent) override;
    void SyncGeometry() override;
    void SyncWidget() override;

private:
    QWidget* HostWindow() const;
    void ApplyLooks();

    TControl* FHost = nullptr;
    TWindowRegion FRegion;
    bool FLayered = false;
    int FAlphaBlendValue = 255;
};

// Calls Handler after any window of the program has moved or changed its size, as the platform's thread
// hook on window positions sees it. One handler per key; an empty handler removes the key's.
void SetWindowPosHook(const void* Key, std::function<void()> Handler);

// The desktop's monitors for TScreen: from Qt's screens, or from a layout a test sets.
#include "toolkit/controls/Forms.h"

#include <QGuiApplication>
#include <QScreen>

#include <climits>

namespace {

std::vector<TMonitor>& monitorLayout() {
    static std::vector<TMonitor> layout;
    return layout;
}

std::vector<TMonitor> currentMonitors() {
    if (!monitorLayout().empty()) return monitorLayout();
    std::vector<TMonitor> monitors;
    const QScreen* primary = QGuiApplication::primaryScreen();
    for (const QScreen* s : QGuiApplication::screens()) {
        TMonitor m;
        m.MonitorNum = int(monitors.size());
        m.BoundsRect = TRect::fromQRect(s->geometry());
        m.WorkareaRect = TRect::fromQRect(s->availableGeometry());
        m.Primary = s == primary;
        monitors.push_back(m);
    }
    if (monitors.empty()) {
        TMonitor m;
        m.BoundsRect = m.WorkareaRect = TRect(0, 0, 1024, 768);
        m.Primary = true;
        monitors.push_back(m);
    }
    return monitors;
}

TMonitor primaryMonitor(const std::vector<TMonitor>& monitors) {
    for (const TMonitor& m : monitors)
        if (m.Primary) return m;
    return monitors.front();
}

// The squared distance of a point from a rectangle (0 inside): the nearest monitor has the least.
long long distanceOutside(const TRect& r, const TPoint& p) {
    const long long dx = p.X < r.Left ? r.Left - p.X : p.X >= r.Right ? p.X - r.Right + 1 : 0;
    const long long dy = p.Y < r.Top ? r.Top - p.Y : p.Y >= r.Bottom ? p.Y - r.Bottom + 1 : 0;
    return dx * dx + dy * dy;
}

} // namespace

void SetMonitorLayout(const std::vector<TMonitor>& Monitors) {
    monitorLayout() = Monitors;
    bool anyPrimary = false;
    for (size_t i = 0; i < monitorLayout().size(); ++i) {
        monitorLayout()[i].MonitorNum = int(i);
        anyPrimary = anyPrimary || monitorLayout()[i].Primary;
    }
    if (!anyPrimary && !monitorLayout().empty()) monitorLayout().front().Primary = true;
}

int TScreen::Width() const {
    return primaryMonitor(currentMonitors()).BoundsRect.Width();
}

int TScreen::Height() const {
    return primaryMonitor(currentMonitors()).BoundsRect.Height();
}

TRect TScreen::WorkAreaRect() const {
    return primaryMonitor(currentMonitors()).WorkareaRect;
}

int TScreen::MonitorCount() const {
    return int(currentMonitors().size());
}

TMonitor TScreen::Monitors(int index) const {
    const std::vector<TMonitor> monitors = currentMonitors();
    if (index < 0 || index >= int(monitors.size()))
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return monitors[size_t(index)];
}

std::optional<TMonitor> TScreen::MonitorFromPoint(const TPoint& P, TMonitorDefaultTo Default) const {
    const std::vector<TMonitor> monitors = currentMonitors();
    const TMonitor* nearest = nullptr;
    long long best = LLONG_MAX;
    for (const TMonitor& m : monitors) {
        const long long d = distanceOutside(m.BoundsRect, P);
        if (d == 0) return m;
        if (d < best) {
            best = d;
            nearest = &m;
        }
    }
    switch (Default) {
    case mdNull:
        return std::nullopt;
    case mdPrimary:
        return primaryMonitor(monitors);
    default:
        return *nearest;
    }
}

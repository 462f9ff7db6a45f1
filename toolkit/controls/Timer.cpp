#include "toolkit/controls/Timer.h"
#include "toolkit/controls/ControlsBridge.h"

#include <QTimer>

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner), FTimer(std::make_unique<QTimer>()) {
    FTimer->setTimerType(Qt::PreciseTimer);
    QObject::connect(FTimer.get(), &QTimer::timeout, qvdetail::Guarded([this] {
        if (OnTimer)
            OnTimer(this);
    }));
    Restart();
}

TTimer::~TTimer() = default;

void TTimer::SetEnabled(bool v) {
    if (v == FEnabled)
        return;
    FEnabled = v;
    Restart();
}

void TTimer::SetInterval(Cardinal v) {
    if (v == FInterval)
        return;
    FInterval = v;
    Restart();
}

bool TTimer::IsRunning() const { return FTimer->isActive(); }

int TTimer::RemainingTime() const { return FTimer->remainingTime(); }

void TTimer::Restart() {
    FTimer->stop();
    if (FEnabled && FInterval > 0)
        FTimer->start(static_cast<int>(FInterval));
}

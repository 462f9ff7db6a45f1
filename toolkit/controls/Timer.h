// The timer component: an event every Interval milliseconds while Enabled.
#pragma once

#include "toolkit/system/Classes.h"

class QTimer;

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;
    String ClassName() const override { return "TTimer"; }
    bool Enabled() const { return FEnabled; }
    // Setting the value it already has changes nothing; enabling starts a full interval.
    void SetEnabled(bool v);
    Cardinal Interval() const { return FInterval; }
    void SetInterval(Cardinal v);
    TNotifyEvent OnTimer;
    // True while the underlying timer runs (for tests and diagnostics).
    bool IsRunning() const;
    int RemainingTime() const;
    bool ReadProperty(const String& name, const TDesignValue& value) override;

private:
    void Restart();
    std::unique_ptr<QTimer> FTimer;
    bool FEnabled = true;
    Cardinal FInterval = 1000;
};

// The wall clock seam: the computer's local time unless a test fixed it.
#include "toolkit/system/Clock.h"

#include <QDateTime>
#include <optional>

namespace {
std::optional<TLocalDateTime> fixedClockValue;
} // namespace

TLocalDateTime NowLocal() {
    if (fixedClockValue) return *fixedClockValue;
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    return TLocalDateTime{d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

void SetFixedClock(const TLocalDateTime& fixed) {
    fixedClockValue = fixed;
}

void ClearFixedClock() {
    fixedClockValue.reset();
}

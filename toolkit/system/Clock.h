// The wall clock as the program reads it for dates it writes into files, with a seam that tests fix.
#pragma once

#include "toolkit/system/Types.h"

// A local date and time as parts (month and day from 1).
struct TLocalDateTime {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    bool operator==(const TLocalDateTime&) const = default;
};

// The current local date and time, or the fixed one while a test has set it.
TLocalDateTime NowLocal();
// Makes NowLocal answer `fixed` until ClearFixedClock (tests).
void SetFixedClock(const TLocalDateTime& fixed);
void ClearFixedClock();

// The hourglass while a file is read or written, put back also when that fails.
#pragma once

#include "toolkit/controls/Forms.h"

class HourGlassCursor {
public:
    HourGlassCursor() {
        if (!Screen) return;
        FOld = Screen->Cursor();
        Screen->SetCursor(crHourGlass);
    }
    ~HourGlassCursor() {
        if (Screen) Screen->SetCursor(FOld);
    }
    HourGlassCursor(const HourGlassCursor&) = delete;
    HourGlassCursor& operator=(const HourGlassCursor&) = delete;

private:
    TCursor FOld = crDefault;
};

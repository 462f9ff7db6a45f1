// The library's controls tell their version as one number, a byte per part; people read it dotted.
#pragma once

#include "toolkit/system/Types.h"

// "major.minor.release.build" of a version number 0xMMmmRRBB.
inline String VersionNumberText(int nr) {
    return QStringLiteral("%1.%2.%3.%4")
        .arg((nr >> 24) & 0xFF)
        .arg((nr >> 16) & 0xFF)
        .arg((nr >> 8) & 0xFF)
        .arg(nr & 0xFF);
}

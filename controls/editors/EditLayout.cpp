// The layout rules the editors with a button share.
#include "controls/editors/EditLayout.h"

#include "toolkit/graphics/Canvas.h"

#include <algorithm>

int EditMinHeight(const TFont* Font) {
    TCanvas measure;
    measure.SetFont(Font);
    const int h = measure.TextHeight("0");
    TFont systemFont;
    measure.SetFont(&systemFont);
    const int sh = measure.TextHeight("0");
    // The edit's single border: twice the system border height on each side.
    return h + std::min(h, sh) / 4 + 2 + 4;
}

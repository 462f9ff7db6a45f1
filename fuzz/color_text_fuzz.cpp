// Fuzz target: a colour text pasted into the colour picker (UTF-8). A text read as a colour writes back,
// in every form, as a text that reads as the same colour (system colours resolved where the form does).
#include "controls/dropdown/QvColorPicker_Text.h"
#include "toolkit/graphics/Graphics.h"

#include <QString>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    TColor color = clNone;
    if (!ReadColorValueText(text, color)) return 0;
    TColor again = clNone;
    if (!ReadColorValueText(ColorValueTextOf(color, cvtHex), again) || again != color) std::abort();
    const TColor rgb = ColorToRGB(color) & 0xFFFFFF;
    for (const TColorValueText kind : {cvtHTML, cvtRGB, cvtWebName}) {
        if (!ReadColorValueText(ColorValueTextOf(color, kind), again)) std::abort();
        if (again != rgb) std::abort();
    }
    return 0;
}

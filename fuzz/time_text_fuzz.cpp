// Fuzz target: text typed or pasted into the time picker. The first byte picks whether seconds are shown
// and the separator; the rest is the text (UTF-8). A text read as a time is a time of day whose own text
// reads back as the same time.
#include "controls/dropdown/QvTimePicker_Fields.h"

#include <QString>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const bool seconds = data[0] & 1;
    const QChar sep = (data[0] & 2) ? QChar(u'.') : QChar(u':');
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const std::optional<TTimeParts> p = TimePickerRead(text, seconds, sep);
    if (!p) return 0;
    if (p->Hour < 0 || p->Hour > 23 || p->Minute < 0 || p->Minute > 59 || p->Second < 0 || p->Second > 59)
        std::abort();
    if (!seconds && p->Second != 0) std::abort();
    const std::optional<TTimeParts> again = TimePickerRead(TimePickerText(*p, seconds, sep), seconds, sep);
    if (!again || again->Hour != p->Hour || again->Minute != p->Minute || again->Second != p->Second)
        std::abort();
    return 0;
}

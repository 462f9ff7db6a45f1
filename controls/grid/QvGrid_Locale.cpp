// The grid unit's view of the current locale's separators and formats.
#include "controls/grid/QvGrid.h"

#include "toolkit/system/DateUtils.h"
#include "toolkit/system/SysUtils.h"

namespace QvGrid {

QChar CurrentTimeSeparator() {
    return TimeSeparator();
}
QChar CurrentDateSeparator() {
    return DateSeparator();
}
QChar CurrentThousandSeparator() {
    return ThousandSeparator();
}
QChar CurrentDecimalSeparator() {
    return DecimalSeparator();
}
String CurrentShortDateFormat() {
    return ShortDateFormat();
}
String CurrentShortTimeFormat() {
    return ShortTimeFormat();
}
String CurrentLongTimeFormat() {
    return LongTimeFormat();
}

} // namespace QvGrid

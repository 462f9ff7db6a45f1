// The series a smart paste continues from the first two values of a column or row: dates and times,
// decimal numbers, whole numbers, or the pasted values repeated.
#pragma once

#include "toolkit/system/Types.h"

#include <optional>

class GridSeriesFill {
public:
    enum class Kind { DateTime, Decimal, Integer, Pattern, None };

    // Two values that look like dates or times (both), hold the locale's decimal separator (either) or are
    // whole numbers (both) make that series; anything else repeats the pasted values. A date or number that
    // does not read makes no series at all (None). FloatFormat writes the decimal values.
    GridSeriesFill(const String& First, const String& Second, const String& FloatFormat);

    Kind SeriesKind() const { return FKind; }
    // The text of value `Index` (0 is the first); none once the series leaves what its kind can hold (a
    // date outside years 1 to 9999, a number beyond 64 bits), where the fill stops. Each value is counted
    // from the first, so steps never drift: a month series from the 31st lands on each month's end.
    std::optional<String> Value(int Index) const;

private:
    enum class DateStep { Days, Months, MonthEnds };
    Kind FKind = Kind::None;
    String FFloatFormat;
    bool FDateText = false;
    DateStep FDateStep = DateStep::Days;
    double FFirst = 0;
    double FStep = 0;
    int FMonths = 0;
    qint64 FIntFirst = 0;
    qint64 FIntStep = 0;
};

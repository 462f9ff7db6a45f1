// The smart paste's series: which kind two values start, and each value counted from the first.
#include "controls/grid/exchange/GridSeriesFill.h"

#include "controls/grid/QvUtil.h"
#include "toolkit/system/DateUtils.h"
#include "toolkit/system/SysUtils.h"

#include <cmath>

namespace {

// The date separator first at the second character or later and once more further on, not right after the
// first; or a time separator anywhere.
bool SeriesLooksLikeDateOrTime(const String& Text) {
    const QChar ds = LocaleDateSeparator();
    const qsizetype first = Text.indexOf(ds);
    if (first >= 1 && Text.indexOf(ds, first + 2) >= 0) return true;
    return Text.contains(LocaleTimeSeparator());
}

bool SeriesHoldsDate(const String& Text) {
    return Text.contains(LocaleDateSeparator());
}

bool SeriesReadDateTime(const String& Text, TDateTime& Value) {
    const String s = Text.trimmed();
    if (SeriesHoldsDate(s)) return TryStrToDate(s, Value) || ParseLocaleDateTime(s, Value);
    return TryStrToTime(s, Value);
}

// Days of 1 January 0001 and of the day after 31 December 9999.
constexpr double kSeriesFirstDay = -693593.0;
constexpr double kSeriesEndDay = 2958466.0;

bool SeriesIsMonthEnd(TDateTime Date) {
    int y = 0, m = 0, d = 0;
    DatePartsOf(Date, y, m, d);
    return d == DaysInAMonth(y, m);
}

std::optional<TDateTime> SeriesAddMonths(TDateTime Date, qint64 Months) {
    // No date lies more months from another than years 1 to 9999 hold.
    if (Months > 12 * 10000 || Months < -12 * 10000) return std::nullopt;
    try {
        return AdvanceDate(0, int(Months), 0, Date, 0);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

} // namespace

GridSeriesFill::GridSeriesFill(const String& First, const String& Second, const String& FloatFormat)
    : FFloatFormat(FloatFormat) {
    if (SeriesLooksLikeDateOrTime(First) && SeriesLooksLikeDateOrTime(Second)) {
        TDateTime d1 = 0, d2 = 0;
        if (!SeriesReadDateTime(First, d1) || !SeriesReadDateTime(Second, d2)) return;
        FKind = Kind::DateTime;
        FDateText = SeriesHoldsDate(First);
        FFirst = d1;
        FStep = d2 - d1;
        const double day1 = std::floor(d1), day2 = std::floor(d2);
        if (!(SeriesHoldsDate(First) && SeriesHoldsDate(Second)) || d1 - day1 != d2 - day2) return;
        int y1 = 0, m1 = 0, dd1 = 0, y2 = 0, m2 = 0, dd2 = 0;
        DatePartsOf(d1, y1, m1, dd1);
        DatePartsOf(d2, y2, m2, dd2);
        FMonths = 12 * (y2 - y1) + (m2 - m1);
        if (FMonths == 0) return;
        if (dd1 == dd2) {
            FDateStep = DateStep::Months;
        } else if (SeriesIsMonthEnd(d1) && SeriesIsMonthEnd(d2)) {
            FDateStep = DateStep::MonthEnds;
        } else if (const auto next = SeriesAddMonths(d1, FMonths); next && std::floor(*next) == day2) {
            // 31 January and the last of February: each month from the 31st, at its end where it is shorter.
            FDateStep = DateStep::Months;
        }
        return;
    }
    const QChar decimal = LocaleDecimalSeparator();
    if (First.contains(decimal) || Second.contains(decimal)) {
        double v1 = 0, v2 = 0;
        if (!TryStrToFloat(First.trimmed(), v1) || !TryStrToFloat(Second.trimmed(), v2)) return;
        FKind = Kind::Decimal;
        FFirst = v1;
        FStep = v2 - v1;
        return;
    }
    int64_t i1 = 0, i2 = 0;
    if (TryStrToInt64(First.trimmed(), i1) && TryStrToInt64(Second.trimmed(), i2)) {
        qint64 step = 0;
        if (__builtin_sub_overflow(i2, i1, &step)) return;
        FKind = Kind::Integer;
        FIntFirst = i1;
        FIntStep = step;
        return;
    }
    FKind = Kind::Pattern;
}

std::optional<String> GridSeriesFill::Value(int Index) const {
    switch (FKind) {
    case Kind::DateTime: {
        std::optional<TDateTime> v;
        if (FDateStep == DateStep::Days) {
            v = FFirst + Index * FStep;
        } else {
            v = SeriesAddMonths(FFirst, qint64(Index) * FMonths);
            if (v && FDateStep == DateStep::MonthEnds) {
                int y = 0, m = 0, d = 0;
                DatePartsOf(*v, y, m, d);
                TDateTime end = 0;
                TryDateFromParts(y, m, DaysInAMonth(y, m), end);
                v = end + (*v - std::floor(*v));
            }
        }
        if (!v || !(*v >= kSeriesFirstDay && *v < kSeriesEndDay)) return std::nullopt;
        return FDateText ? DateToStr(*v) : TimeToStr(*v);
    }
    case Kind::Decimal: {
        const double v = FFirst + Index * FStep;
        if (!std::isfinite(v)) return std::nullopt;
        try {
            return Format(FFloatFormat, {v});
        } catch (const EConvertError&) {
            return std::nullopt;
        }
    }
    case Kind::Integer: {
        qint64 offset = 0, v = 0;
        if (__builtin_mul_overflow(qint64(Index), FIntStep, &offset) ||
            __builtin_add_overflow(FIntFirst, offset, &v))
            return std::nullopt;
        return QString::number(v);
    }
    default:
        return std::nullopt;
    }
}

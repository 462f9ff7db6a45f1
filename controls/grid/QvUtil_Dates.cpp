// Dates and times as days since 30 December 1899.
#include "controls/grid/QvUtil.h"
#include "controls/grid/QvUtil_Parse.h"
#include "toolkit/system/SysUtils.h"

#include <array>
#include <cmath>

using namespace qvutil_detail;

namespace {

int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<int64_t>(yoe) + era * 400 + (month <= 2));
}

const int64_t kDayZero = DaysFromCivil(1899, 12, 30);

bool IsLeapYear(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m) {
    static constexpr std::array<int, 12> days{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return (m == 2 && IsLeapYear(y)) ? 29 : days[static_cast<size_t>(m - 1)];
}

bool TryEncodeDate(int y, int m, int d, TDateTime& value) {
    if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1 || d > DaysInMonth(y, m)) return false;
    value =
        static_cast<double>(DaysFromCivil(y, static_cast<unsigned>(m), static_cast<unsigned>(d)) - kDayZero);
    return true;
}

TDateTime EncodeDateOrRaise(int y, int m, int d) {
    TDateTime v = 0;
    if (!TryEncodeDate(y, m, d, v)) throw EConvertError(QStringLiteral("Invalid argument to date encode"));
    return v;
}

bool TryEncodeTime(int h, int n, int s, TDateTime& value) {
    if (h < 0 || h > 23 || n < 0 || n > 59 || s < 0 || s > 59) return false;
    value = (h * 3600.0 + n * 60.0 + s) / 86400.0;
    return true;
}

// Day numbers of 1 January 0001 and of the day after 31 December 9999.
constexpr double kFirstDateDay = -693593.0;
constexpr double kEndDateDay = 2958466.0;

// A value outside years 1 to 9999 (or no number at all) is not a date.
void DecodeDate(TDateTime date, int& y, int& m, int& d) {
    if (!(date >= kFirstDateDay && date < kEndDateDay))
        throw EConvertError(QStringLiteral("Invalid argument to date decode"));
    CivilFromDays(static_cast<int64_t>(std::floor(date)) + kDayZero, y, m, d);
}

} // namespace

// --- Dates ---

bool ParseLocaleDateTime(const String& Text, TDateTime& Value) {
    // The order of day, month and year as the short date format writes them.
    const String format = LocaleShortDateFormat().toUpper();
    std::array<std::pair<qsizetype, char>, 3> order{{{format.indexOf(QLatin1Char('D')), 'D'},
                                                     {format.indexOf(QLatin1Char('M')), 'M'},
                                                     {format.indexOf(QLatin1Char('Y')), 'Y'}}};
    for (auto& o : order)
        if (o.first < 0) o.first = format.size();
    std::stable_sort(order.begin(), order.end(), [](auto& a, auto& b) { return a.first < b.first; });

    const QChar sep = LocaleDateSeparator();
    const qsizetype s1 = Text.indexOf(sep);
    if (s1 < 0) return false;
    const qsizetype s2 = Text.indexOf(sep, s1 + 1);
    const String f1 = Text.left(s1);
    const String f2 = s2 < 0 ? Text.mid(s1 + 1) : Text.mid(s1 + 1, s2 - s1 - 1);
    String rest = s2 < 0 ? String() : Text.mid(s2 + 1).trimmed();
    String timeText;
    const qsizetype blank = rest.indexOf(QLatin1Char(' '));
    if (blank >= 0) {
        timeText = rest.mid(blank).trimmed();
        rest = rest.left(blank);
    }
    std::array<int, 3> fields{};
    if (!ReadInt(f1, fields[0]) || !ReadInt(f2, fields[1]) || !ReadInt(rest, fields[2])) return false;
    int day = 0, month = 0, year = 0;
    for (size_t i = 0; i < 3; ++i) {
        switch (order[i].second) {
        case 'D':
            day = fields[i];
            break;
        case 'M':
            month = fields[i];
            break;
        default:
            year = fields[i];
            break;
        }
    }
    if (day > 31 || month > 12) return false;
    TDateTime date = 0;
    if (!TryEncodeDate(year, month, day, date)) return false;
    Value = date;
    if (timeText.isEmpty()) return true;

    const QChar tsep = LocaleTimeSeparator();
    const qsizetype t1 = timeText.indexOf(tsep);
    if (t1 < 0) return false;
    const qsizetype t2 = timeText.indexOf(tsep, t1 + 1);
    int hour = 0, minute = 0, second = 0;
    if (!ReadInt(timeText.left(t1), hour) || hour > 23) return false;
    if (t2 >= 0) {
        if (!ReadInt(timeText.mid(t1 + 1, t2 - t1 - 1), minute) || !ReadInt(timeText.mid(t2 + 1), second) ||
            second > 60)
            return false;
    } else if (!ReadInt(timeText.mid(t1 + 1), minute)) {
        return false;
    }
    if (minute > 59) return false;
    TDateTime time = 0;
    if (!TryEncodeTime(hour, minute, second, time)) return false;
    Value = date + time;
    return true;
}

namespace {

// Splits "a<sep>b<sep>c" at the first of "/", "." and "-" the text holds; false unless three numbers.
bool SplitShortDate(const String& Text, int& first, int& second, int& year) {
    QChar sep;
    for (QChar c : {QLatin1Char('/'), QLatin1Char('.'), QLatin1Char('-')})
        if (Text.contains(c)) {
            sep = c;
            break;
        }
    if (sep.isNull()) return false;
    const qsizetype s1 = Text.indexOf(sep);
    const qsizetype s2 = Text.indexOf(sep, s1 + 1);
    if (s2 < 0) return false;
    if (!ReadInt(Text.left(s1), first) || !ReadInt(Text.mid(s1 + 1, s2 - s1 - 1), second) ||
        !ReadInt(Text.mid(s2 + 1), year))
        return false;
    // Two-digit years: 00..25 are this century, 26..99 the last; a full year stays as written.
    if (year < 26)
        year += 2000;
    else if (year < 100)
        year += 1900;
    return true;
}

} // namespace

TDateTime ParseShortDateUS(const String& Text) {
    int month = 0, day = 0, year = 0;
    if (!SplitShortDate(Text, month, day, year)) return 0;
    return EncodeDateOrRaise(year, month, day);
}

TDateTime ParseShortDateEU(const String& Text) {
    int day = 0, month = 0, year = 0;
    if (!SplitShortDate(Text, day, month, year)) return 0;
    return EncodeDateOrRaise(year, month, day);
}

TDateTime AdvanceDate(int YearStep, int MonthStep, int DayStep, TDateTime Date, TDateTime Delta) {
    if (DayStep != 0 && YearStep == 0 && MonthStep == 0) return Date + DayStep;
    if ((YearStep != 0) == (MonthStep != 0) || DayStep != 0) return Date + Delta;
    int y0 = 0, m = 0, d = 0;
    DecodeDate(Date, y0, m, d);
    const double time = Date - std::floor(Date);
    // Wide enough that no step can overflow; a year outside 1..9999 is refused when encoding.
    int64_t y = y0;
    if (YearStep != 0) {
        y += YearStep;
    } else {
        const int64_t months = int64_t(m - 1) + MonthStep;
        y += months >= 0 ? months / 12 : -((11 - months) / 12);
        m = int(((months % 12) + 12) % 12) + 1;
    }
    if (y < 1 || y > 9999) throw EConvertError(QStringLiteral("Invalid argument to date encode"));
    // 31 January plus a month is the last day of February, not an error.
    d = std::min(d, DaysInMonth(int(y), m));
    return EncodeDateOrRaise(int(y), m, d) + time;
}


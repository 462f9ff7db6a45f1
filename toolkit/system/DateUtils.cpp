// Date-time numbers over QDate and QTime, with the user's separators and field order.
#include "toolkit/system/DateUtils.h"
#include "toolkit/system/SysUtils.h"

#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <cmath>

namespace {

const QDate kDateZero(1899, 12, 30);

bool ReadDateField(const QString& s, int& v) {
    const QString t = s.trimmed();
    if (t.isEmpty() || t.size() > 4) return false;
    for (QChar c : t)
        if (c < u'0' || c > u'9') return false;
    v = t.toInt();
    return true;
}

QTime TimeOf(TDateTime value) {
    double frac = value - std::floor(value);
    int ms = static_cast<int>(std::llround(frac * 86400000.0)) % 86400000;
    return QTime::fromMSecsSinceStartOfDay(ms);
}

} // namespace

TDateTime Now() {
    const QDateTime now = QDateTime::currentDateTime();
    return static_cast<double>(kDateZero.daysTo(now.date())) + now.time().msecsSinceStartOfDay() / 86400000.0;
}

bool TryDateFromParts(int year, int month, int day, TDateTime& value) {
    if (year < 1 || year > 9999) return false;
    QDate d(year, month, day);
    if (!d.isValid()) return false;
    value = static_cast<double>(kDateZero.daysTo(d));
    return true;
}

void DatePartsOf(TDateTime value, int& year, int& month, int& day) {
    const QDate d = kDateZero.addDays(static_cast<qint64>(std::floor(value)));
    year = d.year();
    month = d.month();
    day = d.day();
}

bool TryTimeFromParts(int hour, int minute, int second, TDateTime& value) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) return false;
    value = (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
    return true;
}

void TimePartsOf(TDateTime value, int& hour, int& minute, int& second) {
    const QTime t = TimeOf(value);
    hour = t.hour();
    minute = t.minute();
    second = t.second();
}

int DaysInAMonth(int year, int month) {
    return QDate(year, month, 1).daysInMonth();
}

String LongTimeFormat() {
    // The platform's long time has no time zone: Qt's adds one ("t") in most locales.
    QString f = QLocale().timeFormat(QLocale::LongFormat);
    f.remove(QRegularExpression(QStringLiteral("\\s*\\(?t+\\)?")));
    return f.trimmed();
}

String DateToStr(TDateTime value) {
    QString format = ShortDateFormat();
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return QLocale().toString(kDateZero.addDays(static_cast<qint64>(std::floor(value))), format);
}

bool TryStrToDate(const String& text, TDateTime& value) {
    const QString upper = ShortDateFormat().toUpper();
    qsizetype pd = upper.indexOf(u'D'), pm = upper.indexOf(u'M'), py = upper.indexOf(u'Y');
    const QStringList parts = text.trimmed().split(DateSeparator());
    if (parts.size() != 3 || pd < 0 || pm < 0 || py < 0) return false;
    // Field order: rank of each letter's first position.
    auto rank = [&](qsizetype p) { return int(p > pd) + int(p > pm) + int(p > py); };
    int day = 0, month = 0, year = 0;
    if (!ReadDateField(parts[rank(pd)], day) || !ReadDateField(parts[rank(pm)], month) ||
        !ReadDateField(parts[rank(py)], year))
        return false;
    if (parts[rank(py)].trimmed().size() <= 2) {
        // The century that puts the year within 50 years of today.
        const int thisYear = QDate::currentDate().year();
        int y = thisYear / 100 * 100 + year;
        if (y > thisYear + 50) y -= 100;
        if (y <= thisYear - 50) y += 100;
        year = y;
    }
    return TryDateFromParts(year, month, day, value);
}

String TimeToStr(TDateTime value) {
    return QLocale().toString(TimeOf(value), LongTimeFormat());
}

String FormatTimeHN(TDateTime value) {
    const QTime t = TimeOf(value);
    return QStringLiteral("%1%2%3").arg(t.hour()).arg(TimeSeparator()).arg(t.minute(), 2, 10, QChar(u'0'));
}

bool TryStrToTime(const String& text, TDateTime& value) {
    QString t = text.trimmed();
    int pm = -1;
    const QString upper = t.toUpper();
    for (const QString& marker : {QLocale().amText().toUpper(), QStringLiteral("AM")})
        if (!marker.isEmpty() && upper.endsWith(marker)) {
            pm = 0;
            t.chop(marker.size());
            break;
        }
    if (pm < 0)
        for (const QString& marker : {QLocale().pmText().toUpper(), QStringLiteral("PM")})
            if (!marker.isEmpty() && upper.endsWith(marker)) {
                pm = 1;
                t.chop(marker.size());
                break;
            }
    const QStringList parts = t.trimmed().split(TimeSeparator());
    if (parts.size() < 2 || parts.size() > 3) return false;
    int h = 0, m = 0, s = 0;
    if (!ReadDateField(parts[0], h) || !ReadDateField(parts[1], m)) return false;
    if (parts.size() == 3 && !ReadDateField(parts[2], s)) return false;
    if (pm >= 0) {
        if (h < 1 || h > 12) return false;
        h = h % 12 + (pm == 1 ? 12 : 0);
    }
    return TryTimeFromParts(h, m, s, value);
}

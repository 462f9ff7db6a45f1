// Date and time texts with the user's format settings: round trips, field order, the two-digit year window.
#include "toolkit/system/DateUtils.h"

#include <QDate>
#include <QLocale>
#include <gtest/gtest.h>

namespace {

class DateLocale {
public:
    explicit DateLocale(QLocale l) : FOld(QLocale()) { QLocale::setDefault(l); }
    ~DateLocale() { QLocale::setDefault(FOld); }

private:
    QLocale FOld;
};

} // namespace

TEST(DateUtils, DatesReadBackInEveryFieldOrder) {
    for (QLocale l : {QLocale(QLocale::German), QLocale(QLocale::English, QLocale::UnitedStates),
                      QLocale(QLocale::English, QLocale::UnitedKingdom), QLocale(QLocale::Japanese)}) {
        DateLocale scope(l);
        for (auto [y, m, d] : {std::tuple{2026, 3, 10}, {1999, 12, 31}, {2024, 2, 29}, {1, 1, 1}}) {
            TDateTime v = 0;
            ASSERT_TRUE(TryDateFromParts(y, m, d, v));
            TDateTime back = -1;
            EXPECT_TRUE(TryStrToDate(DateToStr(v), back))
                << l.name().toStdString() << " " << DateToStr(v).toStdString();
            EXPECT_EQ(back, v) << l.name().toStdString();
        }
    }
}

TEST(DateUtils, DateTextsThatAreNoDate) {
    DateLocale scope{QLocale(QLocale::German)}; // dd.MM.yy
    TDateTime v = 0;
    struct Case {
        const char* text;
        bool ok;
    } cases[] = {{"10.03.2026", true},    {"1.3.2026", true}, {"31.02.2026", false}, {"10.03", false},
                 {"10.03.2026.1", false}, {"a.b.c", false},   {"", false},           {"10/03/2026", false}};
    for (const Case& c : cases)
        EXPECT_EQ(TryStrToDate(c.text, v), c.ok) << c.text;
    ASSERT_TRUE(TryStrToDate("10.03.26", v));
    int y = 0, m = 0, d = 0;
    DatePartsOf(v, y, m, d);
    const int thisYear = QDate::currentDate().year();
    EXPECT_LE(std::abs(y - thisYear), 50);
    EXPECT_EQ(y % 100, 26);
    TDateTime epoch = 0;
    ASSERT_TRUE(TryDateFromParts(1899, 12, 30, epoch));
    EXPECT_EQ(epoch, 0.0);
}

TEST(DateUtils, TimesReadWithAndWithoutSecondsAndMarkers) {
    DateLocale scope(QLocale(QLocale::English, QLocale::UnitedStates));
    struct Case {
        const char* text;
        bool ok;
        int h, m, s;
    } cases[] = {{"9:05", true, 9, 5, 0},     {"23:59:59", true, 23, 59, 59},
                 {"12:00 AM", true, 0, 0, 0}, {"1:30:15 PM", true, 13, 30, 15},
                 {"24:00", false, 0, 0, 0},   {"13:00 PM", false, 0, 0, 0},
                 {"9", false, 0, 0, 0},       {"9:5:1:2", false, 0, 0, 0},
                 {"", false, 0, 0, 0}};
    for (const Case& c : cases) {
        TDateTime v = -1;
        ASSERT_EQ(TryStrToTime(c.text, v), c.ok) << c.text;
        if (!c.ok) continue;
        int h = 0, m = 0, s = 0;
        TimePartsOf(v, h, m, s);
        EXPECT_EQ(h * 3600 + m * 60 + s, c.h * 3600 + c.m * 60 + c.s) << c.text;
    }
    TDateTime t = 0;
    ASSERT_TRUE(TryTimeFromParts(7, 5, 0, t));
    EXPECT_EQ(FormatTimeHN(t), "7:05");
    TDateTime back = 0;
    ASSERT_TRUE(TryStrToTime(TimeToStr(t), back));
    EXPECT_NEAR(back, t, 1e-9);
}

// A date written as a short date reads back, whatever the locale writes: the C locale names the month.
TEST(DateUtils, AShortDateReadsBackInEveryLocale) {
    const QLocale locales[] = {QLocale::c(), QLocale(QLocale::German),
                               QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::French),
                               QLocale(QLocale::Japanese)};
    TDateTime date = 0;
    ASSERT_TRUE(TryDateFromParts(2023, 3, 15, date));
    for (const QLocale& l : locales) {
        DateLocale scope{l};
        const String text = DateToStr(date);
        TDateTime back = 0;
        EXPECT_TRUE(TryStrToDate(text, back)) << l.name().toStdString() << ": " << text.toStdString();
        EXPECT_EQ(back, date) << l.name().toStdString() << ": " << text.toStdString();
    }
}

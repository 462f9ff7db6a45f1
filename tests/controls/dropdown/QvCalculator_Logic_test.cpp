// The calculator's arithmetic without a window: key sequences over a display that formats as the
// calculator edit does (two decimals), the failures that show "Error", and MaxLength counting the typed
// number only.
#include "controls/dropdown/QvCalculator_Logic.h"
#include "controls/dropdown/QvDropDown_Numbers.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace qvcalculatorlogictest {

// A float edit with Precision 2, '.' and ','.
class FakeDisplay : public TCalculatorDisplay {
public:
    String DisplayText() const override { return Text; }
    void SetDisplayText(const String& t) override {
        Text = t.isEmpty() ? QStringLiteral("0") : t;
        if (Text != u"Error") Text = FormatFixed(ParseFloatText(Text, '.', ','), 2, '.');
    }
    double DisplayValue() const override {
        return Text.isEmpty() || Text == u"Error" || Text == u"-" ? 0 : ParseFloatText(Text, '.', ',');
    }
    void SetDisplayValue(double v) override { Text = FormatFixed(v, 2, '.'); }
    int DisplayMaxLength() const override { return MaxLength; }
    QChar DecimalSeparator() const override { return '.'; }
    QChar ThousandSeparator() const override { return ','; }

    String Text = QStringLiteral("0.00");
    int MaxLength = 0;
};

int TagOf(const QString& key) {
    static const std::pair<const char*, int> named[] = {
        {"+", ctAdd},           {"-", ctSubtract},     {"*", ctMultiply},    {"/", ctDivide},
        {"+/-", ctSign},        {".", ctPoint},        {"C", ctClear},       {"=", ctEquals},
        {"%", ctPercent},       {"Back", ctBack},      {"CE", ctClearEntry}, {"MC", ctMemoryClear},
        {"MR", ctMemoryRecall}, {"MS", ctMemoryStore}, {"M+", ctMemoryAdd},  {"sqrt", ctSquareRoot},
        {"1/x", ctReciprocal},  {"ON", ctOn},
    };
    for (const auto& [name, tag] : named)
        if (key == QLatin1String(name)) return tag;
    bool ok = false;
    const int d = key.toInt(&ok);
    EXPECT_TRUE(ok && d >= 0 && d <= 9) << key.toStdString();
    return d;
}

// The display after each key, separated by blanks.
String PressKeys(TCalculator& calc, FakeDisplay& display, const char* keys) {
    QStringList shown;
    for (const QString& k : QString::fromLatin1(keys).split(' ', Qt::SkipEmptyParts)) {
        calc.Key(TagOf(k));
        shown << display.Text;
    }
    return shown.join(' ');
}

TEST(Calculator, KeySequencesShowWhatAPocketCalculatorShows) {
    struct Case {
        const char* name;
        const char* keys;
        const char* shown;
    } cases[] = {
        {"digits beyond the precision are lost", "1 . 2 3 4", "1.00 1.00 1.20 1.23 1.23"},
        {"division by zero, then the accumulator is 0",
         "6 / 0 = + 1 =", "6.00 6.00 0.00 Error 0.00 1.00 1.00"},
        {"a second = applies nothing again", "2 + 3 = =", "2.00 2.00 3.00 5.00 5.00"},
        {"percent of the accumulator", "5 0 + 1 0 % =", "5.00 50.00 50.00 1.00 10.00 5.00 55.00"},
        {"operators chain left to right",
         "2 + 3 * 4 - 5 / 5 =", "2.00 2.00 3.00 5.00 4.00 20.00 5.00 15.00 5.00 3.00"},
        {"Back drops the last digit of the shortest text", "7 Back 2 5 Back", "7.00 0.00 2.00 25.00 2.00"},
        {"Back does nothing while an operator waits", "2 + Back", "2.00 2.00 2.00"},
        {"a negative number grows away from zero", "5 +/- 3 . 2", "5.00 -5.00 -53.00 -53.00 -53.20"},
        {"square root and reciprocal", "9 sqrt C 4 1/x", "9.00 3.00 0.00 4.00 0.25"},
        {"no root of a negative number", "4 +/- sqrt", "4.00 -4.00 Error"},
        {"no reciprocal of 0", "0 1/x", "0.00 Error"},
        {"memory survives C", "5 MS + 3 C = MR M+ MR MC MR",
         "5.00 5.00 5.00 3.00 0.00 0.00 5.00 5.00 10.00 10.00 0.00"},
        {"CE and the blank key clear as C does",
         "4 + 2 CE = 3 + 1 ON =", "4.00 4.00 2.00 0.00 0.00 3.00 3.00 1.00 0.00 0.00"},
        {"a point starts 0. after a result", "8 = . 5", "8.00 8.00 0.00 0.50"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        FakeDisplay display;
        TCalculator calc(display);
        EXPECT_EQ(PressKeys(calc, display, k.keys), QString::fromLatin1(k.shown));
    }
}

TEST(Calculator, AnOperandThatIsNoNumberOrOverflowsNeverRaises) {
    struct Case {
        const char* name;
        String start;
        const char* keys;
        const char* shown;
        double memory;
    } cases[] = {
        {"a typed text that is no number", "abc", "+", "Error", 0},
        {"no number into memory", "1-2", "MS", "Error", 0},
        {"no number for percent", "x", "%", "Error", 0},
        {"thousand separators are read", "1,234.50", "MS MR", "1,234.50 1234.50", 1234.5},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        FakeDisplay display;
        TCalculator calc(display);
        display.Text = k.start;
        const String shown = PressKeys(calc, display, k.keys);
        EXPECT_EQ(shown, QString::fromLatin1(k.shown));
        EXPECT_EQ(calc.Memory(), k.memory);
    }
    // An overflow leaves 0.
    FakeDisplay display;
    TCalculator calc(display);
    display.Text = String("1") + String(300, '0');
    calc.Key(ctMultiply);
    calc.Key(ctEquals);
    EXPECT_EQ(display.Text, "0.00");
    EXPECT_EQ(calc.Accumulator(), 0);
    // "Error" counts as 0 for the next operator.
    display.Text = "Error";
    calc.Key(ctAdd);
    EXPECT_EQ(display.Text, "0.00");
}

TEST(Calculator, MaxLengthCountsTheTypedNumberNotThePrecisionsZeros) {
    struct Case {
        const char* name;
        int maxLength;
        const char* keys;
        const char* last;
    } cases[] = {
        {"a first digit into 0.00", 4, "9", "9.00"},
        {"digits stop at four", 4, "1 2 3 4 5", "1234.00"},
        {"so do +/-", 4, "1 2 3 4 +/-", "1234.00"},
        {"and the point", 4, "1 2 3 4 . 5", "1234.00"},
        {"operators still work", 4, "1 2 3 4 + 1 =", "1235.00"},
        {"typed decimals count", 3, "1 . 5 7", "1.50"},
        {"a new number starts short", 2, "9 9 + 1 2 =", "111.00"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        FakeDisplay display;
        display.MaxLength = k.maxLength;
        TCalculator calc(display);
        const String shown = PressKeys(calc, display, k.keys);
        EXPECT_EQ(shown.section(' ', -1), QString::fromLatin1(k.last)) << shown.toStdString();
    }
    FakeDisplay display;
    display.MaxLength = 2;
    TCalculator calc(display);
    EXPECT_TRUE(calc.Key(1));
    EXPECT_TRUE(calc.Key(2));
    EXPECT_FALSE(calc.Key(3));
    EXPECT_TRUE(calc.Key(ctAdd));
}

} // namespace qvcalculatorlogictest

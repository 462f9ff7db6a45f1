// Text, number, date and filter routines of the grid library, from tables of cases.
#include "controls/grid/QvUtil.h"

#include <QLocale>
#include <climits>
#include <cmath>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// The routines read the process-wide locale; each test fixes the one it needs.
class LocaleScope {
public:
    explicit LocaleScope(const QLocale& locale) : FSaved(QLocale()) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(FSaved); }

private:
    QLocale FSaved;
};

const QLocale kUS(QLocale::English, QLocale::UnitedStates);
const QLocale kDE(QLocale::German, QLocale::Germany);

QString Utf16Text(const char16_t* s) {
    return QString::fromUtf16(s);
}

} // namespace

TEST(QvUtilFilter, ExpressionsUnderUSLocale) {
    LocaleScope locale(kUS);
    struct Case {
        const char* expr;
        const char* text;
        bool caseSensitive;
        bool expected;
    };
    const Case cases[] = {
        {"a*|b*", "Apple", false, true},
        {"a*|b*", "Apple", true, false},
        {"a*|b*", "cherry", false, false},
        {">=10&<20", "15", false, true},
        {">=10&<20", "10", false, true},
        {">=10&<20", "20", false, false},
        {">9", "10", false, true}, // numbers, not texts: "10" < "9" as text
        {"!1*", "21", false, true},
        {"!1*", "12", false, false},
        {"a|b&c", "a", false, false}, // strictly left to right: (a or b) and c
        {"c&a|b", "b", false, true},
        {"(a*|b*)&*c", "abc", false, true},
        {"(a*|b*)&*c", "ab", false, false},
        {"x&(a|b)", "x", false, false},
        {"a b", "ab", false, true},
        {"\"a b\"", "a b", false, true},
        {"\"a b\"", "ab", false, false},
        {"=abc", "abc", false, true},
        {"a?c", "abc", false, true},
        {"a?c", "ac", false, false},
        {"*", "", false, true},
        {"", "", false, true},
        {"", "x", false, false},
        {"a;b", "b", false, true},
        {">b", "c", false, true},
        {"<b", "c", false, false},
        {">\"a b\"", "a c", false, true}, // a quoted operand keeps its blank
    };
    for (const Case& c : cases)
        EXPECT_EQ(MatchFilterExpression(c.expr, c.text, c.caseSensitive), c.expected)
            << c.expr << " against " << c.text;
}

// A prepared expression matches text after text as a fresh reading of it does: star pieces found in order
// and never overlapping the head or the tail, and a text's number reading never carried to the next text.
TEST(QvUtilFilter, APreparedExpressionMatchesEveryTextAsReadAnew) {
    LocaleScope locale(kUS);
    struct Case {
        const char* expr;
        bool caseSensitive;
        std::vector<std::pair<const char*, bool>> texts;
    };
    const std::vector<Case> cases = {
        {"*77*",
         true,
         {{"Name 077123", true}, {"Name 07", false}, {"77", true}, {"7x7", false}, {"", false}}},
        {"ab*ba", true, {{"aba", false}, {"abba", true}, {"ab-ba", true}, {"ab", false}}},
        {"a*b*b*a", true, {{"abba", true}, {"abbba", true}, {"aba", false}, {"abab", false}}},
        {"**x**", true, {{"x", true}, {"axb", true}, {"ab", false}}},
        {"abc", true, {{"abc", true}, {"ABC", false}, {"abcd", false}}},
        {"*name*", false, {{"A NAME", true}, {"Namely", true}, {"nam", false}}},
        {"a?c*", true, {{"abcde", true}, {"ac", false}}},
        {">5|x*", true, {{"7", true}, {"xylophone", true}, {"3", false}, {"x", true}, {"4", false}}},
    };
    for (const Case& c : cases) {
        const TFilterExpression prepared(c.expr, c.caseSensitive);
        for (const auto& [text, expected] : c.texts) {
            EXPECT_EQ(prepared.Matches(QString(text)), expected) << c.expr << " against " << text;
            EXPECT_EQ(MatchFilterExpression(c.expr, text, c.caseSensitive), expected)
                << c.expr << " " << text;
        }
    }
}

TEST(QvUtilFilter, NumbersAndDatesFollowTheLocale) {
    LocaleScope locale(kDE);
    struct Case {
        const char* expr;
        const char* text;
        bool expected;
    };
    const Case cases[] = {
        {">1,5", "2,25", true},
        {">1,5", "1,25", false},
        {">b", "c", true},
        {">01.02.2020", "15.03.2020", true},
        {">01.02.2020", "15.01.2020", false}, // as texts "15..." would be greater
        {"<=31.12.2020 23:59:30", "31.12.2020 23:59:30", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MatchFilterExpression(c.expr, c.text, false), c.expected)
            << c.expr << " against " << c.text;
}

TEST(QvUtilFilter, UnmatchedParenthesisIsALiteralTermAndEnds) {
    LocaleScope locale(kUS);
    EXPECT_TRUE(MatchFilterExpression("(a|b", "(a|b", true));
    EXPECT_FALSE(MatchFilterExpression("(a|b", "a", true));
    EXPECT_FALSE(MatchFilterExpression("x&((a)", "x", true));
    EXPECT_TRUE(MatchFilterExpression("x|((a)", "x", true));
    EXPECT_EQ(FindClosingParen("((a)"), 0);
    EXPECT_EQ(FindClosingParen("(a(b))c"), 6);
}

TEST(QvUtilFilter, ComparisonOperandsHaveNoLengthLimit) {
    LocaleScope locale(kUS);
    const QString operand = QString(300, QLatin1Char('a')) + QLatin1Char('b');
    // Cut to 255 characters the operand would be smaller than this text.
    EXPECT_FALSE(MatchFilterPattern(QLatin1Char('>') + operand, QString(301, QLatin1Char('a'))));
    EXPECT_TRUE(
        MatchFilterPattern(QLatin1Char('>') + operand, QString(300, QLatin1Char('a')) + QLatin1Char('c')));
    EXPECT_TRUE(MatchFilterPattern(QLatin1Char('<') + operand, QString(301, QLatin1Char('a'))));
}

TEST(QvUtilFilter, QuoteAwareHelpers) {
    EXPECT_EQ(RemoveBlanksOutsideQuotes("a b \"c d\" e"), "ab\"c d\"e");
    int p = 0;
    EXPECT_EQ(FindDelimiterOutsideQuotes(";,", "a\";\"b;c", p), QLatin1Char(';'));
    EXPECT_EQ(p, 6);
    EXPECT_EQ(FindDelimiterOutsideQuotes(";", "\"a;b\"", p), QChar(0));
    EXPECT_EQ(p, -1);

    struct Case {
        const char* text;
        int closing;
    };
    const Case quotes[] = {{"abc\"def", 4}, {"ab\"\"c\"", 6}, {"ab\"\"", 4}, {"abc", 0}, {"a\"\"\"b", 4}};
    for (const Case& c : quotes) {
        int pos = -7;
        EXPECT_EQ(FindClosingQuote(QLatin1Char('"'), c.text, pos), c.closing) << c.text;
        EXPECT_EQ(pos, c.closing) << c.text;
    }
    EXPECT_EQ(CountClosingQuotes(QLatin1Char('"'), "a\"b\"c"), 2);
    EXPECT_EQ(CountClosingQuotes(QLatin1Char('"'), "a\"\"b"), 0);
}

TEST(QvUtilNumbers, TextNumberKind) {
    LocaleScope locale(kUS);
    struct Case {
        const char* text;
        int kind;
    };
    const Case cases[] = {
        {"-12", 0},   {"1,234.5", 1}, {"1,23,4", 2}, {"1.5e-3", 5}, {"--1", 2},          {"", 2},
        {"-1e-5", 5}, {"1.2.3", 2},   {"12a", 2},    {"e5", 2},     {"1,234,567.89", 1}, {"1e", 2},
        {"1-2", 2},   {"-1e-5-", 2},  {"0", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TextNumberKind(c.text), c.kind) << c.text;
}

TEST(QvUtilNumbers, CleanAndNormalize) {
    {
        LocaleScope locale(kUS);
        struct Case {
            const char* text;
            const char* clean;
        };
        const Case cases[] = {{"(1,234.50)", "-1234.50"},
                              {"$ -5", "-5"},
                              {" (12) ", "-12"},
                              {"EUR 5", "E"},
                              {"", ""},
                              {"12abc", "12"},
                              {"x", ""}};
        for (const Case& c : cases)
            EXPECT_EQ(CleanNumberText(c.text), c.clean) << c.text;
        EXPECT_EQ(NormalizeNumberText("1,234.5"), "1234.5");
    }
    LocaleScope locale(kDE);
    EXPECT_EQ(CleanNumberText("1.234,5 EUR"), "1234.5");
    EXPECT_EQ(NormalizeNumberText("1.234,5"), "1234.5");
}

TEST(QvUtilDates, ParseLocaleDateTime) {
    LocaleScope locale(kDE);
    struct Case {
        const char* text;
        bool ok;
        double value;
    };
    const Case cases[] = {
        {"31.12.2020 23:59:30", true, 44196 + (23 * 3600 + 59 * 60 + 30) / 86400.0},
        {"12.05.2021 10:30", true, 44328 + 10.5 / 24},
        {"12.05.2021", true, 44328},
        {"32.01.2020", false, 0},
        {"1.1.2020 24:00", false, 0},
        {"30.02.2020", false, 0},
        {"31.12.2020 23:59:60", false, 0},
        {"12.05", false, 0},
        {"12.05.2021 1030", false, 0},
        {"12.x.2021", false, 0},
        {"15032020", false, 0},
    };
    for (const Case& c : cases) {
        TDateTime v = -1;
        EXPECT_EQ(ParseLocaleDateTime(c.text, v), c.ok) << c.text;
        if (c.ok) {
            EXPECT_NEAR(v, c.value, 1e-9) << c.text;
        }
    }
    EXPECT_TRUE(HasDateSeparators("1.2.3"));
    EXPECT_FALSE(HasDateSeparators(".1.2"));
    EXPECT_FALSE(HasDateSeparators("1..2"));
    EXPECT_FALSE(HasDateSeparators("1/2/3"));

    LocaleScope us(kUS);
    TDateTime v = 0;
    ASSERT_TRUE(ParseLocaleDateTime("12/31/2020", v));
    EXPECT_EQ(v, 44196);
}

TEST(QvUtilDates, ShortDates) {
    struct Case {
        const char* text;
        bool us;
        double value;
    };
    const Case cases[] = {
        {"12/31/99", true, 36525},
        {"1-2-05", true, 38354},
        {"1/2/2005", true, 38354}, // a full year stays
        {"31.12.1999", false, 36525},
        {"2.1.2005", false, 38354},
        {"02.01.05", false, 38354},
        {"abc", true, 0},
        {"1/2", true, 0},
        {"1/x/2005", true, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.us ? ParseShortDateUS(c.text) : ParseShortDateEU(c.text), c.value) << c.text;
    EXPECT_THROW(ParseShortDateUS("2/30/2005"), EConvertError);
}

TEST(QvUtilDates, AdvanceDate) {
    struct Case {
        int years, months, days;
        double date, delta, expected;
    };
    const Case cases[] = {
        {0, 0, 1, 44196, 0, 44197},  {0, 0, -1, 44196, 0, 44195}, // a descending series stays descending
        {1, 0, 0, 45351, 0, 45716},                               // 29 Feb 2024 -> 28 Feb 2025
        {0, 1, 0, 45322, 0, 45351},                               // 31 Jan 2024 -> 29 Feb 2024
        {0, 1, 0, 45261, 0, 45292},                               // December -> January of the next year
        {0, -1, 0, 45322, 0, 45291},                              // January -> December of the year before
        {1, 1, 0, 45322, 7, 45329},  {0, 0, 0, 45322, 3, 45325},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AdvanceDate(c.years, c.months, c.days, c.date, c.delta), c.expected)
            << c.years << "/" << c.months << "/" << c.days;
    // No date, or steps that leave years 1 to 9999, are impossible dates rather than overflows.
    const Case impossible[] = {
        {1, 0, 0, std::nan(""), 0, 0}, {0, 1, 0, 1e300, 0, 0},       {0, 1, 0, -1e9, 0, 0},
        {INT_MAX, 0, 0, 45322, 0, 0},  {0, INT_MIN, 0, 45322, 0, 0}, {0, INT_MAX, 0, 45322, 0, 0},
        {-3000, 0, 0, 45322, 0, 0},
    };
    for (const Case& c : impossible)
        EXPECT_THROW(AdvanceDate(c.years, c.months, c.days, c.date, c.delta), EConvertError)
            << c.years << "/" << c.months << "/" << c.date;
}

TEST(QvUtilText, MixedCase) {
    struct Case {
        const char16_t* text;
        const char16_t* expected;
    };
    const Case cases[] = {
        {u"JOHN MCDONALD-SMITH II", u"John McDonald-Smith II"},
        {u"henry iii", u"Henry III"},
        {u"mcdonald", u"McDonald"},
        {u"mary o'neil", u"Mary O'Neil"},
        {u"élan vital", u"Élan Vital"},
        {u"", u""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ToMixedCase(Utf16Text(c.text)), Utf16Text(c.expected));
}

TEST(QvUtilText, LineBreakEncodings) {
    EXPECT_EQ(EncodeCellLineBreaks("a\nb"), "a\nb");
    const QString withNul = QStringLiteral("a\r\nb") + QChar(0);
    const QString encoded = EncodeCellLineBreaks(withNul);
    EXPECT_EQ(encoded, QStringLiteral("a\t\bb") + QChar(1));
    EXPECT_EQ(DecodeCellLineBreaks(encoded, true), withNul);
    EXPECT_EQ(DecodeCellLineBreaks(EncodeCellLineBreaks("one\r\ntwo"), false), "one");
    EXPECT_EQ(DecodeCellLineBreaks("a\tb", true), "a\tb");

    QString s = "^";
    TildeToCRLF(s);
    EXPECT_EQ(s, "");
    s = "a~b";
    TildeToCRLF(s);
    EXPECT_EQ(s, "a\r\nb");
    s = "a\r\nb";
    CRToTilde(s);
    EXPECT_EQ(s, "a~b");
    s = "a\r\nb";
    QuoteWithVTBreaks(s);
    EXPECT_EQ(s, "\"a\vb\"");
    s = "a\vb";
    VTToCRLF(s);
    EXPECT_EQ(s, "a\r\nb");
    s = "a\r\nb\rc";
    CRLFToLF(s);
    EXPECT_EQ(s, "a\nb\rc");

    EXPECT_EQ(CRToBR("a\r\nb"), "a<br>\nb");
    EXPECT_EQ(CRToBR("a\nb"), "a\nb");
    EXPECT_EQ(CRToEscapedNewline("a\r\nb"), "a\\nb");
    EXPECT_EQ(EscapedNewlineToCR("a\\nb"), "a\rb");
    EXPECT_EQ(RemoveCR("a\r\nb"), "a\nb");
    EXPECT_EQ(CRToLF("a\rb"), "a\nb");
    EXPECT_EQ(LineCount("a\r\nb\r\nc", true), 3);
    EXPECT_EQ(LineCount("a\r\nb", false), 1);

    QString rest = "a\r\nb\r\nc", line;
    ExtractFirstLine(rest, true, line);
    EXPECT_EQ(line, "a");
    EXPECT_EQ(rest, "b\r\nc");
    ExtractFirstLine(rest, false, line);
    EXPECT_EQ(line, "b");
    EXPECT_EQ(rest, "");
    rest = "abc";
    ExtractFirstLine(rest, true, line);
    EXPECT_EQ(line, "abc");
    EXPECT_EQ(rest, "");
}

TEST(QvUtilText, WideCellTextAndKinds) {
    const QString wideA = EncodeWideCellText("A");
    EXPECT_EQ(wideA, QStringLiteral("|\\") + QChar(0) + QChar(65));
    EXPECT_EQ(DecodeWideCellText(wideA), "A");
    const QString greek = Utf16Text(u"Ω€x");
    EXPECT_EQ(DecodeWideCellText(EncodeWideCellText(greek)), greek);
    EXPECT_EQ(DecodeWideCellText("plain"), "plain");

    struct Case {
        QString text;
        bool html;
        int kind;
    };
    const Case cases[] = {
        {"", true, 0},
        {"=A1+1", true, 3},
        {"{\\rtf1 x}", true, 2},
        {"<B>x</B>", true, 1},
        {"<B>x</B>", false, 0},
        {"a < b", true, 0},
        {EncodeWideCellText("=x"), true, 3},
        {EncodeWideCellText("ab"), true, 5},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CellTextKind(c.text, c.html), c.kind) << c.text.toStdString();
}

TEST(QvUtilText, SmallRoutines) {
    struct Limit {
        int value, min, max, expected;
    };
    const Limit limits[] = {{5, 5, 5, 5}, {50, 10, 40, 40}, {5, 10, 40, 10}, {50, 10, 0, 50}, {5, 0, 40, 5}};
    for (const Limit& l : limits)
        EXPECT_EQ(ApplySizeLimits(l.value, l.min, l.max), l.expected);

    EXPECT_EQ(CharPos(QLatin1Char('c'), "abc"), 3);
    EXPECT_EQ(CharPos(QLatin1Char('x'), "abc"), 0);
    EXPECT_EQ(UpperCasePos("BC", "abc"), 2);
    EXPECT_EQ(UpperCasePos("bc", "abc"), 0);
    EXPECT_EQ(WidePos("", "abc"), 0);
    EXPECT_EQ(CountChar(QLatin1Char('a'), "banana"), 3);
    EXPECT_TRUE(CellInGridRect(TRect(1, 1, 3, 3), 3, 3));
    EXPECT_FALSE(CellInGridRect(TRect(1, 1, 3, 3), 4, 3));

    QString s = "key=value";
    EXPECT_EQ(TakeToDelimiter(s, "="), "key");
    EXPECT_EQ(s, "value");
    EXPECT_EQ(TakeToDelimiter(s, "="), "");
    EXPECT_EQ(s, "value");

    EXPECT_EQ(DoubleQuotes("a\"b"), "a\"\"b");
    EXPECT_EQ(UndoubleChar(QLatin1Char('"'), "a\"\"b\""), "a\"b\"");
    EXPECT_EQ(ColorToHex(0x0000FF), "FF0000");
    EXPECT_EQ(ColorToHex(0x123456), "563412");
    EXPECT_EQ(ColorToHex(clBlack), "000000");

    TPoint pt;
    EXPECT_TRUE(ParseCellReference("r10c2", pt));
    EXPECT_EQ(pt, TPoint(2, 10));
    EXPECT_FALSE(ParseCellReference("R2C", pt));
    EXPECT_FALSE(ParseCellReference("RC3", pt));
    EXPECT_FALSE(ParseCellReference("R1x1", pt));

    EXPECT_TRUE(IsURL("see http://x"));
    EXPECT_TRUE(IsURL("mailto:a@b"));
    QString url = "see http://x/y";
    StripURLProtocol(url);
    EXPECT_EQ(url, "x/y");
    url = "mailto:a@b";
    StripURLProtocol(url);
    EXPECT_EQ(url, "a@b");
}

TEST(QvUtilText, OemRoundTrip) {
    QString s = Utf16Text(u"Müller ä €");
    StringToOem(s);
    EXPECT_EQ(s, QStringLiteral("M") + QChar(0x81) + "ller " + QChar(0x84) + " ?");
    OemToString(s);
    EXPECT_EQ(s, Utf16Text(u"Müller ä ?"));
}

TEST(QvUtilHtml, ClipboardOffsetsCountUtf8Bytes) {
    const QString fragments[] = {QStringLiteral("<b>x</b>"), Utf16Text(u"<td>é€ 漢字</td>")};
    for (const QString& fragment : fragments) {
        QString html = fragment;
        WriteHtmlClipboard(html);
        const QByteArray bytes = html.toUtf8();
        auto offset = [&](const char* key) {
            const qsizetype at = bytes.indexOf(key);
            return bytes.mid(at + qstrlen(key), 8).toInt();
        };
        EXPECT_TRUE(bytes.startsWith("Version:1.0\r\nStartHTML:00000097\r\n"));
        EXPECT_TRUE(bytes.mid(offset("StartHTML:")).startsWith("<!DOCTYPE"));
        const int start = offset("StartFragment:"), end = offset("EndFragment:");
        EXPECT_EQ(bytes.mid(start, end - start), fragment.toUtf8());
        EXPECT_EQ(offset("EndHTML:"), bytes.size());
        EXPECT_TRUE(bytes.contains("charset=utf-8"));
        EXPECT_TRUE(bytes.left(start).endsWith("<!--StartFragment-->"));
        EXPECT_TRUE(bytes.mid(end).startsWith("<!--EndFragment-->"));
    }
}

TEST(QvUtilHtml, InsertURLAnchor) {
    QString dest;
    ASSERT_TRUE(InsertURLAnchor("see http://a.b/c?x", "HTTP://", dest));
    EXPECT_EQ(dest, "see <a href=\"http://a.b/c\">http://a.b/c</a>?x");
    ASSERT_TRUE(InsertURLAnchor("<b>WWW.x.com</b>", "WWW.", dest));
    EXPECT_EQ(dest, "&lt;b&gt;<a href=\"WWW.x.com\">WWW.x.com</a>&lt;/b&gt;");
    EXPECT_FALSE(InsertURLAnchor("nothing here", "HTTP://", dest));
    // A prefix that only the unescaped text holds is not found, rather than found before the text.
    EXPECT_FALSE(InsertURLAnchor("a>b", ">", dest));
    // Letters whose upper case is longer do not shift the anchor.
    ASSERT_TRUE(InsertURLAnchor(QString(8, QChar(0xDF)) + " http://x", "HTTP://", dest));
    EXPECT_EQ(dest, QString(8, QChar(0xDF)) + " <a href=\"http://x\">http://x</a>");
}

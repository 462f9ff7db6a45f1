// The text editor's character and paste rules by editor kind, from tables of cases.
#include "TestSupport.h"
#include "controls/grid/edit/EditCharFilter.h"

#include <gtest/gtest.h>

namespace {

TEditCharState CharState(TEditorType kind, const QString& text, int selStart, int selLength = 0) {
    TEditCharState s;
    s.Kind = kind;
    s.Text = text;
    s.SelStart = selStart;
    s.SelLength = selLength;
    s.DecimalSeparator = QChar(',');
    s.ThousandSeparator = QChar('.');
    return s;
}

const char* VerdictName(TCharVerdict v) {
    switch (v) {
    case TCharVerdict::Pass:
        return "pass";
    case TCharVerdict::Refuse:
        return "refuse";
    default:
        return "drop";
    }
}

} // namespace

TEST(EditCharFilter, TypedCharactersByEditorKind) {
    struct Case {
        const char* name;
        TEditorType kind;
        QString text;
        int selStart;
        int selLength;
        QChar ch;
        bool ctrl;
        TCharVerdict verdict;
        QChar passed;
    };
    const Case cases[] = {
        {"normal takes anything", edNormal, "ab", 2, 0, QChar('%'), false, TCharVerdict::Pass, QChar('%')},
        {"numeric digit", edNumeric, "12", 2, 0, QChar('7'), false, TCharVerdict::Pass, QChar('7')},
        {"numeric minus at start", edNumeric, "12", 0, 0, QChar('-'), false, TCharVerdict::Pass, QChar('-')},
        {"numeric minus not at start", edNumeric, "12", 1, 0, QChar('-'), false, TCharVerdict::Refuse,
         QChar('-')},
        {"numeric minus over selected -5", edNumeric, "-5", 0, 2, QChar('-'), false, TCharVerdict::Refuse,
         QChar('-')},
        {"numeric letter", edNumeric, "", 0, 0, QChar('a'), false, TCharVerdict::Refuse, QChar('a')},
        {"positive numeric minus", edPositiveNumeric, "", 0, 0, QChar('-'), false, TCharVerdict::Refuse,
         QChar('-')},
        {"positive numeric ctrl+v", edPositiveNumeric, "", 0, 0, QChar(0x16), true, TCharVerdict::Refuse,
         QChar(0x16)},
        {"positive numeric backspace", edPositiveNumeric, "1", 1, 0, QChar('\b'), false, TCharVerdict::Pass,
         QChar('\b')},
        {"float first decimal comma", edFloat, "12", 2, 0, QChar(','), false, TCharVerdict::Pass, QChar(',')},
        {"float second decimal comma", edFloat, "1,2", 3, 0, QChar(','), false, TCharVerdict::Drop,
         QChar(',')},
        {"float comma over selected comma", edFloat, "1,2", 1, 1, QChar(','), false, TCharVerdict::Pass,
         QChar(',')},
        {"float thousands dot", edFloat, "12", 2, 0, QChar('.'), false, TCharVerdict::Drop, QChar('.')},
        {"float minus at start", edFloat, "12", 0, 0, QChar('-'), false, TCharVerdict::Pass, QChar('-')},
        {"float minus inside", edFloat, "12", 1, 0, QChar('-'), false, TCharVerdict::Refuse, QChar('-')},
        {"positive float minus", edPositiveFloat, "12", 0, 0, QChar('-'), false, TCharVerdict::Drop,
         QChar('-')},
        {"float letter", edFloat, "", 0, 0, QChar('x'), false, TCharVerdict::Drop, QChar('x')},
        {"float ctrl+c", edFloat, "1", 1, 0, QChar(0x03), true, TCharVerdict::Pass, QChar(0x03)},
        {"capital upper-cases", edCapital, "", 0, 0, QChar('q'), false, TCharVerdict::Pass, QChar('Q')},
        {"lower-case lowers", edLowerCase, "", 0, 0, QChar('Q'), false, TCharVerdict::Pass, QChar('q')},
        {"ctrl+a dropped", edNormal, "ab", 1, 0, QChar(1), true, TCharVerdict::Drop, QChar(1)},
        {"combo kind takes no text", edComboList, "", 0, 0, QChar('a'), false, TCharVerdict::Drop,
         QChar('a')},
    };
    for (const Case& c : cases) {
        TEditCharState s = CharState(c.kind, c.text, c.selStart, c.selLength);
        s.CtrlHeld = c.ctrl;
        const TCharFilterResult r = FilterEditChar(s, c.ch);
        EXPECT_STREQ(VerdictName(r.Verdict), VerdictName(c.verdict)) << c.name;
        if (r.Verdict == TCharVerdict::Pass) {
            EXPECT_EQ(r.Char, c.passed) << c.name;
        }
    }
}

TEST(EditCharFilter, SeparatorsSwapRolesWithTheLocale) {
    TEditCharState s = CharState(edFloat, "1.5", 3);
    s.DecimalSeparator = QChar('.');
    s.ThousandSeparator = QChar(',');
    EXPECT_EQ(FilterEditChar(s, QChar('.')).Verdict, TCharVerdict::Drop);
    EXPECT_EQ(FilterEditChar(s, QChar(',')).Verdict, TCharVerdict::Drop);
    s.Text = "15";
    s.SelStart = 2;
    EXPECT_EQ(FilterEditChar(s, QChar('.')).Verdict, TCharVerdict::Pass);
}

TEST(EditCharFilter, LengthLimitAndValidChars) {
    TEditCharState s = CharState(edNormal, "abc", 3);
    s.LengthLimit = 3;
    EXPECT_EQ(FilterEditChar(s, QChar('d')).Verdict, TCharVerdict::Drop);
    EXPECT_EQ(FilterEditChar(s, QChar('\b')).Verdict, TCharVerdict::Pass);
    s.SelStart = 0;
    s.SelLength = 1; // typing over a selection keeps the length
    EXPECT_EQ(FilterEditChar(s, QChar('d')).Verdict, TCharVerdict::Pass);

    TEditCharState v = CharState(edValidChars, "", 0);
    for (char d = '0'; d <= '9'; ++d)
        v.ValidCharSet.set(uchar(d));
    EXPECT_EQ(FilterEditChar(v, QChar('5')).Verdict, TCharVerdict::Pass);
    EXPECT_EQ(FilterEditChar(v, QChar('a')).Verdict, TCharVerdict::Refuse);
    EXPECT_EQ(FilterEditChar(v, QChar(0x20AC)).Verdict, TCharVerdict::Refuse);
    v.ValidChars = "xy";
    EXPECT_EQ(FilterEditChar(v, QChar('x')).Verdict, TCharVerdict::Pass);
    EXPECT_EQ(FilterEditChar(v, QChar('5')).Verdict, TCharVerdict::Refuse);
}

TEST(EditCharFilter, MixedCaseRewritesAfterTheCharacter) {
    const TCharFilterResult r = FilterEditChar(CharState(edMixedCase, "hello", 5), QChar(' '));
    EXPECT_EQ(r.Verdict, TCharVerdict::Pass);
    EXPECT_TRUE(r.MixedCase);
}

TEST(EditCharFilter, PasteObeysTheTypingRules) {
    struct Case {
        const char* name;
        TEditorType kind;
        QString text;
        int selStart;
        int selLength;
        QString clip;
        bool accepted;
        QString result;
        int resultSelStart;
        int resultSelLength;
    };
    const Case cases[] = {
        {"numeric with trailing line break", edNumeric, "", 0, 0, "12\r\n", true, "12", 2, 0},
        {"numeric two lines", edNumeric, "", 0, 0, "1\r\n2\r\n", false, "", 0, 0},
        {"numeric letters", edNumeric, "1", 1, 0, "ab", false, "", 0, 0},
        {"positive numeric minus", edPositiveNumeric, "", 0, 0, "-4", false, "", 0, 0},
        {"numeric minus inside", edNumeric, "12", 1, 0, "-", false, "", 0, 0},
        {"float decimal", edFloat, "1", 1, 0, ",25", true, "1,25", 4, 0},
        {"float thousands separator", edFloat, "", 0, 0, "1.000", false, "", 0, 0},
        {"float exponent", edFloat, "", 0, 0, "1e5", false, "", 0, 0},
        {"float second decimal", edFloat, "1,5", 3, 0, ",5", false, "", 0, 0},
        {"capital upper-cases like typing", edCapital, "AB", 2, 0, "cd", true, "ABCD", 4, 0},
        {"upper case converts only the paste", edUpperCase, "ab", 2, 0, "cd", true, "abCD", 4, 0},
        {"selection replaced and selected", edNormal, "hello", 1, 3, "EY", true, "hEYo", 1, 2},
        {"valid chars from the set", edValidChars, "", 0, 0, "12", true, "12", 2, 0},
        {"valid chars letter", edValidChars, "", 0, 0, "1a", false, "", 0, 0},
        {"combo kind", edComboEdit, "", 0, 0, "x", false, "", 0, 0},
        {"combo kind, empty clipboard", edComboEdit, "", 0, 0, "", false, "", 0, 0},
    };
    for (const Case& c : cases) {
        TEditCharState s = CharState(c.kind, c.text, c.selStart, c.selLength);
        for (char d = '0'; d <= '9'; ++d)
            s.ValidCharSet.set(uchar(d));
        const TPasteResult r = BuildPastedText(s, c.clip);
        EXPECT_EQ(r.Accepted, c.accepted) << c.name;
        if (!c.accepted || !r.Accepted) continue;
        EXPECT_EQ(r.Text, c.result) << c.name;
        EXPECT_EQ(r.SelStart, c.resultSelStart) << c.name;
        EXPECT_EQ(r.SelLength, c.resultSelLength) << c.name;
    }
}

TEST(EditCharFilter, PasteRespectsTheLengthLimit) {
    TEditCharState s = CharState(edNormal, "ab", 2);
    s.LengthLimit = 3;
    EXPECT_FALSE(BuildPastedText(s, "cd").Accepted);
    EXPECT_FALSE(BuildPastedText(s, "cdef").Accepted);
    EXPECT_TRUE(BuildPastedText(s, "c").Accepted);
}

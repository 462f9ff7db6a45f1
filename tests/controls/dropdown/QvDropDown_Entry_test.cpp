// The dropdown edit's typing and paste rules from tables without a window, the number routines, and the
// edit itself typed into with real keys.
#include "controls/dropdown/QvDropDown.h"
#include "controls/dropdown/QvDropDown_Entry.h"
#include "controls/dropdown/QvDropDown_Numbers.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/services/Clipboard.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <climits>
#include <memory>

namespace {

// "|" marks the caret, "[" and "]" a selection, in an edit text of prefix + value + suffix.
TEntryState State(TDropDownEditType type, const QString& marked, const QString& prefix = {},
                  const QString& suffix = {}) {
    TEntryState s;
    s.EditType = type;
    s.Prefix = prefix;
    s.Suffix = suffix;
    QString t = marked;
    if (const qsizetype open = t.indexOf('['); open >= 0) {
        const qsizetype close = t.indexOf(']');
        s.SelStart = int(open);
        s.SelLength = int(close - open - 1);
        t.remove(close, 1);
        t.remove(open, 1);
    } else {
        s.SelStart = int(t.indexOf('|'));
        t.remove(s.SelStart, 1);
    }
    s.EditText = t;
    return s;
}

// The outcome written the same way: the text with the caret, or "refused".
QString Marked(const TEntryResult& r) {
    if (!r.Changed) return "refused";
    QString t = r.EditText;
    if (r.SelLength > 0) {
        t.insert(r.SelStart + r.SelLength, ']');
        t.insert(r.SelStart, '[');
    } else {
        t.insert(r.SelStart, '|');
    }
    return t;
}

struct TypeCase {
    const char* name;
    TDropDownEditType type;
    const char* before;
    QChar typed;
    const char* after;
    int precision = 0;
    bool isSigned = false;
    int lengthLimit = 0;
    const char* prefix = "";
    const char* suffix = "";
    TEntryFollowUp followUp = TEntryFollowUp::None;
};

} // namespace

TEST(DropDownEntryRules, TypedCharactersByEditType) {
    const TypeCase cases[] = {
        {"string takes anything", etString, "ab|", u'#', "ab#|"},
        {"numeric refuses a letter", etNumeric, "12|", u'a', "refused"},
        {"numeric unsigned refuses the minus", etNumeric, "12|", u'-', "refused"},
        {"numeric signed adds the minus before", etNumeric, "$12|%", u'-', "$-12|%", 0, true, 0, "$", "%"},
        {"numeric signed takes it off again", etNumeric, "$-12|%", u'-', "$12|%", 0, true, 0, "$", "%"},
        {"numeric whole value selected becomes the minus", etNumeric, "[12]", u'-', "-|", 0, true},
        {"float full decimals refuse a digit at the end", etFloat, "1.25|", u'3', "refused", 2},
        {"float digit overwrites the last decimal", etFloat, "1.2|5", u'3', "1.23|", 2},
        {"float separator into an empty value", etFloat, "|", u'.', "0.|", 2},
        {"float no decimals refuse the separator", etFloat, "12|", u'.', "refused", 0, false, 0, "", "",
         TEntryFollowUp::None},
        {"float second separator jumps behind the first", etFloat, "1.5|", u'.', "refused", 2, false, 0, "",
         "", TEntryFollowUp::AfterDecimal},
        {"float refuses a letter", etFloat, "1|", u'x', "refused", 2},
        {"money digit asks for grouping", etMoney, "123|", u'4', "1234|", 2, false, 0, "", "",
         TEntryFollowUp::Reformat},
        {"money separator into a wholly selected value", etMoney, "[12.00]", u'.', "refused", 2, false, 0, "",
         "", TEntryFollowUp::ZeroThenAfterDecimal},
        {"upper case", etUppercase, "A|", u'b', "AB|"},
        {"lower case", etLowerCase, "a|", u'B', "ab|"},
        {"mixed case rewrites the words", etMixedCase, "hello |", u'w', "Hello W|"},
        {"range separator after a digit", etRange, "1|", u'-', "1-|"},
        {"range separator after a separator", etRange, "1-|", u',', "refused"},
        {"range separator at the start", etRange, "|1", u';', "refused"},
        {"range letter", etRange, "1|", u'a', "refused"},
        {"hex letter", etHex, "A|", u'f', "Af|"},
        {"hex other letter", etHex, "A|", u'g', "refused"},
        {"alphanumeric", etAlphaNumeric, "a|", u'Z', "aZ|"},
        {"alphanumeric punctuation", etAlphaNumeric, "a|", u'.', "refused"},
        {"length limit refuses a fourth digit", etNumeric, "123|", u'4', "refused", 0, false, 3},
        {"length limit takes the separator", etFloat, "123|", u'.', "123.|", 2, false, 3},
        {"backspace stops at the prefix", etString, "$|ab", QChar(8), "refused", 0, false, 0, "$"},
        {"backspace deletes", etString, "$a|b", QChar(8), "$|b", 0, false, 0, "$"},
    };
    for (const TypeCase& k : cases) {
        TEntryState s = State(k.type, k.before, k.prefix, k.suffix);
        s.Precision = k.precision;
        s.Signed = k.isSigned;
        s.LengthLimit = k.lengthLimit;
        const TEntryResult r = TDropDownEntryRules(s).TypeChar(k.typed);
        EXPECT_EQ(Marked(r), k.after) << k.name;
        EXPECT_EQ(r.FollowUp, k.followUp) << k.name;
    }
}

TEST(DropDownEntryRules, ValidCharsAndDeleteWithALengthLimit) {
    TEntryState s = State(etValidChars, "x|");
    s.ValidChars = "xyz";
    EXPECT_EQ(Marked(TDropDownEntryRules(s).TypeChar(u'y')), "xy|");
    EXPECT_EQ(Marked(TDropDownEntryRules(s).TypeChar(u'a')), "refused");
    // Deleting the separator of 12.5 would give three integer digits.
    TEntryState d = State(etFloat, "12|.5");
    d.LengthLimit = 2;
    d.Precision = 1;
    EXPECT_EQ(Marked(TDropDownEntryRules(d).DeleteKey()), "refused");
    d.LengthLimit = 3;
    EXPECT_EQ(Marked(TDropDownEntryRules(d).DeleteKey()), "12|5");
}

TEST(DropDownEntryRules, PastesByEditType) {
    struct Case {
        const char* name;
        TDropDownEditType type;
        const char* before;
        const char* clip;
        bool accepted;
        const char* value;
        int precision = 0;
    } cases[] = {
        {"string", etString, "a|b", "XY", true, "aXYb"},
        {"numeric digits", etNumeric, "1|", "23", true, "123"},
        {"numeric letter", etNumeric, "1|", "2a", false, ""},
        {"float separator without decimals", etFloat, "1|", "2.5", false, "", 0},
        {"float with decimals", etFloat, "1|", "2.5", true, "12.5", 2},
        {"upper case", etUppercase, "[ab]", "cd", true, "CD"},
        {"hex taken as typed", etHex, "A|", "bc", true, "Abc"},
        {"hex refused when a character would be", etHex, "A|", "bx", false, ""},
        {"range taken as typed", etRange, "1|", ",2-3", true, "1,2-3"},
        {"range doubled separator", etRange, "1|", ",,2", false, ""},
        {"range with a backspace in the clipboard", etRange, "12|", "\b3", false, ""},
        {"alphanumeric", etAlphaNumeric, "a|", "b-c", false, ""},
    };
    for (const Case& k : cases) {
        TEntryState s = State(k.type, k.before);
        s.Precision = k.precision;
        const TDropDownPasteResult r = TDropDownEntryRules(s).Paste(k.clip);
        EXPECT_EQ(r.Accepted, k.accepted) << k.name;
        if (k.accepted) {
            EXPECT_EQ(r.Value, k.value) << k.name;
        }
    }
    TEntryState s = State(etString, "ab|");
    s.MaxLength = 4;
    EXPECT_FALSE(TDropDownEntryRules(s).Paste("xyz").Accepted);
}

TEST(DropDownNumbers, KindsHexAndFormats) {
    struct Kind {
        const char* text;
        int kind;
    } kinds[] = {{"-12", 0}, {"1,234.5", 1}, {"1,,23", 2}, {"1,23", 1},  {",123", 2},
                 {"1F", 5},  {"", 2},        {"--1", 2},   {"1.2.3", 2}, {"12x", 2}};
    for (const Kind& k : kinds)
        EXPECT_EQ(NumberKindOf(k.text, u'.', u','), k.kind) << k.text;
    EXPECT_EQ(HexToInt("1F"), 31);
    EXPECT_EQ(HexToInt("1G"), 16);
    // Too many digits for 32 bits stay at the largest value instead of wrapping round.
    EXPECT_EQ(HexToInt("FFFFFFFFFF"), INT_MAX);
    EXPECT_EQ(FormatGrouped(1234567.5, 2, u'.', u','), "1,234,567.50");
    EXPECT_EQ(FormatFixed(-2.005, 1, u','), "-2,0");
    EXPECT_EQ(FormatHex(255.9), "FF");
}

// The edit typed into with real keys.
class DropDownTyping : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(100, 100, 300, 100);
        edit = new TQvCustomDropDown(form.get());
        edit->SetParent(form.get());
        edit->SetBounds(20, 20, 200, 21);
        form->Show();
        edit->SetFocus();
        QApplication::processEvents();
    }
    void TearDown() override {
        form->Hide();
        form.reset();
    }
    void Type(const QString& text) {
        for (QChar c : text)
            QTest::keyClick(edit->Widget(), c.toLatin1());
    }
    void CaretToEnd() { QTest::keyClick(edit->Widget(), Qt::Key_End); }

    std::unique_ptr<TForm> form;
    TQvCustomDropDown* edit = nullptr;
};

TEST_F(DropDownTyping, MoneyGroupsAsTypedAndFloatKeepsItsDecimals) {
    if (ThousandSeparatorChar() != u',' || DecimalSeparatorChar() != u'.')
        GTEST_SKIP() << "needs the C locale";
    edit->SetEditType(etMoney);
    edit->SetText("");
    edit->SetTextUnformatted("");
    Type("1234");
    EXPECT_EQ(edit->Text(), "1,234");
    EXPECT_EQ(edit->SelStart(), 5);
    EXPECT_TRUE(edit->IsModified());

    edit->SetEditType(etFloat);
    edit->SetPrecision(2);
    edit->SetText("1.25");
    CaretToEnd();
    Type("3");
    EXPECT_EQ(edit->Text(), "1.25");
    QTest::keyClick(edit->Widget(), Qt::Key_Left);
    Type("7");
    EXPECT_EQ(edit->Text(), "1.27");
}

TEST_F(DropDownTyping, PrefixAndSuffixStayAndTheCaretStaysInTheValue) {
    edit->SetEditType(etNumeric);
    edit->SetSigned(true);
    edit->SetPrefix("$");
    edit->SetSuffix(" kg");
    edit->SetText("12");
    EXPECT_EQ(edit->EditText(), "$12 kg");
    EXPECT_EQ(edit->Text(), "12");
    QTest::keyClick(edit->Widget(), Qt::Key_Home);
    EXPECT_EQ(edit->SelStart(), 1);
    QTest::keyClick(edit->Widget(), Qt::Key_Left);
    EXPECT_EQ(edit->SelStart(), 1);
    CaretToEnd();
    EXPECT_EQ(edit->SelStart(), 3);
    QTest::keyClick(edit->Widget(), Qt::Key_Right);
    EXPECT_EQ(edit->SelStart(), 3);
    Type("-");
    EXPECT_EQ(edit->EditText(), "$-12 kg");
    Type("x");
    EXPECT_EQ(edit->EditText(), "$-12 kg");
}

TEST_F(DropDownTyping, EscapeSelectsTheValueAndForgetsTheChangeWithoutRestoringIt) {
    edit->SetText("abc");
    CaretToEnd();
    Type("d");
    EXPECT_TRUE(edit->IsModified());
    QTest::keyClick(edit->Widget(), Qt::Key_Escape);
    EXPECT_EQ(edit->Text(), "abcd");
    EXPECT_FALSE(edit->IsModified());
    EXPECT_EQ(edit->SelLength(), 4);
}

TEST_F(DropDownTyping, HexShowsZeroForNothingAndUpperCase) {
    edit->SetEditType(etHex);
    edit->SetText("");
    EXPECT_EQ(edit->Text(), "0");
    edit->SetText("ab");
    EXPECT_EQ(edit->Text(), "AB");
    EXPECT_EQ(edit->FloatValue(), 171.0);
}

TEST_F(DropDownTyping, PasteByCtrlVGoesThroughTheRulesAndTheEvent) {
    edit->SetEditType(etNumeric);
    edit->SetText("1");
    CaretToEnd();
    Clipboard()->SetAsText("2a");
    QTest::keyClick(edit->Widget(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->Text(), "1");
    Clipboard()->SetAsText("23");
    String offered;
    edit->OnClipboardPaste = [&](TObject*, const String& v, bool& allow) {
        offered = v;
        allow = false;
    };
    QTest::keyClick(edit->Widget(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(offered, "123");
    EXPECT_EQ(edit->Text(), "1");
    edit->OnClipboardPaste = nullptr;
    QTest::keyClick(edit->Widget(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->Text(), "123");
}

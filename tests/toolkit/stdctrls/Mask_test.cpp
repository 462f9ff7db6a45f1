// Edit masks: the rule of each mask character, values laid into masks and back, and the masked edit typed
// into with real keys.
#include "toolkit/controls/Forms.h"
#include "toolkit/services/Clipboard.h"
#include "toolkit/stdctrls/Mask.h"
#include "toolkit/system/SysUtils.h"

#include "InputEvents.h"
#include "TestSupport.h"

#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

// Types `keys` one by one from the start, as a person would, and gives the edit text.
String typeInto(const TEditMask& mask, const String& keys) {
    String text = mask.EmptyEditText();
    int caret = 0;
    for (QChar c : keys)
        mask.TypeChar(text, caret, c);
    return text;
}

String withSeparators(String s) {
    return s.replace(':', TimeSeparator()).replace('/', DateSeparator());
}

} // namespace

TEST(EditMask, EachMaskCharacterTakesWhatItSays) {
    struct Case {
        const char* Mask;
        const char* Keys;
        const char* EditText; // ':' and '/' stand for the locale's separators
        const char* Text;
        bool Whole;
    } cases[] = {
        {"LL;1;_", "a1b", "ab", "ab", true}, // L: a letter, required
        {"LL;1;_", "a", "a_", "a ", false},
        {"ll;1;_", "a", "a_", "a ", true},   // l: a letter, optional
        {"AA;1;_", "-1x", "1x", "1x", true}, // A: letter or digit
        {"aa;1;_", "", "__", "  ", true},
        {"CC;1;_", "-!", "-!", "-!", true}, // C: any character
        {"cc;1;_", "?", "?_", "? ", true},
        {"00;1;_", "a12", "12", "12", true}, // 0: a digit, required
        {"00;1;_", "1", "1_", "1 ", false},
        {"99;1;_", "5", "5_", "5 ", true},              // 9: a digit, optional
        {"##;1;_", "+x5", "+5", "+5", true},            // #: digit or sign, optional
        {">LL;1;_", "ab", "AB", "AB", true},            // >: upper case
        {"<LL;1;_", "AB", "ab", "ab", true},            // <: lower case
        {">L<>L;1;_", "ab", "Ab", "Ab", true},          // <>: either case again
        {"00:00;1;_", "1234", "12:34", "12:34", true},  // : the time separator
        {"00/00;1;_", "1231", "12/31", "12/31", true},  // / the date separator
        {"0_0;1;_", "12", "1 2", "1 2", true},          // _ a blank
        {"\\L0;1;_", "5", "L5", "L5", true},            // \ the next character as it is
        {"00:00;0;_", "1234", "12:34", "1234", true},   // literals left out of Text
        {"00-00;1;*", "1", "1*-**", "1 -  ", false},    // another blank character
        {"!90:00;1; ", "8:30", " 8:30", " 8:30", true}, // !: a short field fills from the right
        {"90:00;1; ", "8:30", "83:0 ", "83:0 ", false}, // without it the required place cannot be skipped
        {"00:00;1;_", "12:34", "12:34", "12:34", true}, // the literal typed after the caret skipped it
    };
    for (const Case& c : cases) {
        const TEditMask mask(c.Mask);
        const String edit = typeInto(mask, c.Keys);
        EXPECT_EQ(edit, withSeparators(c.EditText)) << c.Mask << " / " << c.Keys;
        EXPECT_EQ(mask.TextFromEditText(edit), withSeparators(c.Text)) << c.Mask << " / " << c.Keys;
        EXPECT_EQ(mask.FirstInvalid(edit) < 0, c.Whole) << c.Mask << " / " << c.Keys;
    }
}

TEST(EditMask, ValuesAreLaidIntoTheMaskAndReadBack) {
    struct Case {
        const char* Mask;
        const char* Value;
        const char* EditText;
        const char* Text;
    } cases[] = {
        {"!90:00;1; ", "8:05", " 8:05", " 8:05"},
        {"90:00;1; ", "8:05", "8 :05", "8 :05"},
        {"00:00;1;_", "1234", "12:34", "12:34"},   // no literals in the value: place by place
        {"00:00;1;_", "123:45", "12:45", "12:45"}, // a field too long loses its tail
        {"(999) 000-0000;1;_", "(555) 123-4567", "(555) 123-4567", "(555) 123-4567"},
        {"(999) 000-0000;0;_", "5551234567", "(555) 123-4567", "5551234567"},
        {"!9999;0;_", "12", "__12", "12"},
        {"9999;0;_", "12", "12__", "12"},
        {"00;1;_", "1x", "1_", "1 "}, // what a place does not take stays empty
        {">LLL;0;_", "abc", "ABC", "ABC"},
        {"", "plain", "", ""},
    };
    for (const Case& c : cases) {
        const TEditMask mask(c.Mask);
        if (mask.IsEmpty()) {
            EXPECT_EQ(mask.Length(), 0);
            continue;
        }
        const String edit = mask.EditTextFromText(withSeparators(c.Value));
        EXPECT_EQ(edit, withSeparators(c.EditText)) << c.Mask << " / " << c.Value;
        EXPECT_EQ(mask.TextFromEditText(edit), withSeparators(c.Text)) << c.Mask << " / " << c.Value;
    }
}

TEST(EditMask, DeletingEmptiesPlacesAndKeepsTheLiterals) {
    const TEditMask mask("00:00;1;_");
    String text = withSeparators("12:34");
    int caret = 3;
    ASSERT_TRUE(mask.DeleteBefore(text, caret)); // over the literal to the 2
    EXPECT_EQ(text, withSeparators("1_:34"));
    EXPECT_EQ(caret, 1);
    caret = 2;
    ASSERT_TRUE(mask.DeleteAt(text, caret)); // from the literal on to the 3
    EXPECT_EQ(text, withSeparators("1_:_4"));
    EXPECT_EQ(caret, 3);
    mask.Clear(text, 0, 5);
    EXPECT_EQ(text, mask.EmptyEditText());
    caret = 0;
    EXPECT_FALSE(mask.DeleteBefore(text, caret));
    EXPECT_EQ(mask.FirstInvalid(text), 0);
    EXPECT_EQ(mask.FirstInvalid(withSeparators("12:3_")), 4);
}

struct MaskEditTest : ::testing::Test {
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 300, 120);
        edit = new TMaskEdit(form.get());
        edit->SetParent(form.get());
        other = new TEdit(form.get());
        other->SetParent(form.get());
        other->SetTop(40);
        edit->SetEditMask("00:00;1;_");
        form->Show();
        edit->SetFocus();
        QApplication::processEvents();
    }
    void TearDown() override { form.reset(); }
    void Type(const QString& keys) {
        for (QChar c : keys)
            qvtest::KeyToFocus(c.isDigit() ? Qt::Key_0 + c.digitValue() : Qt::Key_unknown, QString(c));
    }
    QLineEdit* Line() const { return static_cast<QLineEdit*>(edit->Widget()); }

    std::unique_ptr<TForm> form;
    TMaskEdit* edit = nullptr;
    TEdit* other = nullptr;
};

TEST_F(MaskEditTest, KeysFillThePlacesAndTheEditKeepsItsShape) {
    int changes = 0;
    edit->OnChange = [&](TObject*) { ++changes; };
    edit->SetSelStart(0);
    Type("1a2");
    EXPECT_EQ(edit->EditText(), withSeparators("12:__"));
    EXPECT_EQ(Line()->text(), edit->EditText());
    Type("34");
    EXPECT_EQ(edit->Text(), withSeparators("12:34"));
    EXPECT_EQ(changes, 4); // the refused letter changed nothing
    EXPECT_TRUE(edit->Modified());

    qvtest::KeyToFocus(Qt::Key_Backspace, "\b");
    EXPECT_EQ(edit->EditText(), withSeparators("12:3_"));
    edit->SetSelStart(0);
    qvtest::KeyToFocus(Qt::Key_Delete);
    EXPECT_EQ(edit->EditText(), withSeparators("_2:3_"));
    EXPECT_EQ(Line()->text().size(), 5);

    // Escape takes back what was typed since the edit got the focus.
    qvtest::KeyToFocus(Qt::Key_Escape, QString(QChar(27)));
    EXPECT_EQ(edit->EditText(), withSeparators("__:__"));
    EXPECT_FALSE(edit->Modified());
}

TEST_F(MaskEditTest, PastedTextGoesThroughTheMask) {
    Clipboard()->SetAsText(withSeparators("09:4x5"));
    edit->SetSelStart(0);
    qvtest::KeyToFocus(Qt::Key_V, QString(QChar(0x16)), Qt::ControlModifier);
    // The pasted characters are typed one by one; the first one refused ends the paste.
    EXPECT_EQ(edit->EditText(), withSeparators("09:4_"));
    edit->SelectAll();
    edit->Perform(WM_CUT);
    EXPECT_EQ(Clipboard()->AsText(), withSeparators("09:4_"));
    EXPECT_EQ(edit->EditText(), withSeparators("__:__"));
}

TEST_F(MaskEditTest, LeavingAnEntryThatIsNotWholeKeepsTheFocusAndSaysWhy) {
    qvtest::ScriptedInteraction seam;
    seam.AnswerMessage(mrOk);
    edit->SetSelStart(0);
    Type("123");
    other->SetFocus();
    QApplication::processEvents();
    ASSERT_EQ(seam.Messages().size(), 1);
    EXPECT_TRUE(seam.Messages()[0].contains("Invalid input value"));
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(edit->SelStart(), 4); // on the empty place

    Type("4");
    other->SetFocus();
    QApplication::processEvents();
    EXPECT_TRUE(other->Focused());
    EXPECT_EQ(seam.Messages().size(), 1);
}

TEST(MaskEdit, WithoutAWindowTheMaskHoldsToo) {
    TForm form(nullptr);
    auto* edit = new TMaskEdit(&form);
    edit->SetParent(&form);
    edit->SetText("hello");
    edit->SetEditMask(">LLL;0;_");
    EXPECT_EQ(edit->EditText(), "HEL");
    EXPECT_EQ(edit->Text(), "HEL");
    edit->SetSelStart(1);
    edit->Perform(WM_CHAR, 'x', 0);
    edit->Perform(WM_CHAR, '7', 0); // refused
    EXPECT_EQ(edit->EditText(), "HXL");
    edit->SetEditMask("");
    EXPECT_EQ(edit->Text(), "HXL");
    EXPECT_EQ(edit->CharFromPos(TPoint(2, 2)), -1);
    EXPECT_FALSE(edit->HandleAllocated());
}

TEST_F(MaskEditTest, TheTextMakesRoomForAButtonAndACaretFollowsTheMouse) {
    edit->SetBounds(0, 0, 120, 24);
    edit->SetEditRect(TRect(0, 0, 100, 24)); // 20 pixels at the right for a button
    EXPECT_EQ(Line()->textMargins().right(), 20);
    edit->SetWidth(150); // the room stays where the rectangle says
    EXPECT_EQ(Line()->textMargins().right(), 50);
    edit->SetEditText(withSeparators("12:34"));
    EXPECT_EQ(edit->CharFromPos(TPoint(1, 12)), 0);
    EXPECT_EQ(edit->CharFromPos(TPoint(99, 12)), 5); // past the text: its end
}

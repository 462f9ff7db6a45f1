// The keypad and the calculator dropdown offscreen: the keypad's layout and faces on a grab, clicks made
// of a press and a release over the same key, and the calculator's sequences clicked on the keypad and
// typed, with Enter keeping the result and Escape bringing back the text.
#include "controls/dropdown/QvButtonPanel.h"
#include "controls/dropdown/QvCalculatorDropdown.h"
#include "controls/dropdown/QvDropDownForm.h"
#include "controls/dropdown/QvDropDown_Numbers.h"
#include "toolkit/controls/Forms.h"

#include "DropDownOnForm.h"
#include "InputEvents.h"

#include <QApplication>
#include <QImage>
#include <QStringList>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace qvcalculatordropdowntest {

using dropdowntest::KeyTarget;
using dropdowntest::PressKey;

// A character as the keyboard gives it, to the popup when one is open.
void TypeChar(QChar c) {
    ASSERT_NE(KeyTarget(), nullptr);
    qvtest::KeyToFocus(c.toUpper().unicode(), QString(c));
}

int KeyIndex(TCustomButtonPanel* panel, const QString& caption) {
    for (int i = 0; i < panel->Buttons()->Count(); ++i)
        if (panel->Buttons()->Items(i)->Caption == caption) return i;
    ADD_FAILURE() << "no key " << caption.toStdString();
    return 0;
}

QPoint KeyCentre(TCustomButtonPanel* panel, int index) {
    const TRect r = panel->Buttons()->Items(index)->Rect();
    return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
}

void Mouse(QWidget* w, QEvent::Type type, QPoint at) {
    const bool release = type == QEvent::MouseButtonRelease;
    QMouseEvent e(type, at, w->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                  release || type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

String Dec(const char* text) {
    return String(text).replace(u'.', DecimalSeparatorChar());
}

// Pixels of a colour within a rectangle of a grab.
int CountColor(const QImage& img, const TRect& r, QRgb rgb) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if ((img.pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF)) ++n;
    return n;
}

class ButtonPanel : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(100, 100, 400, 300);
        panel = new TCustomButtonPanel(form.get());
        panel->SetParent(form.get());
        panel->SetBounds(10, 10, 230, 150);
        panel->InitButtons();
        panel->OnButtonClick = [this](TObject*, int i) { clicks << i; };
        form->Show();
        QApplication::processEvents();
    }
    std::unique_ptr<TForm> form;
    TCustomButtonPanel* panel = nullptr;
    QList<int> clicks;
};

TEST_F(ButtonPanel, TheCalculatorKeysAreLaidOutInSixColumnsAndFiveRows) {
    ASSERT_EQ(panel->Buttons()->Count(), 28);
    struct Case {
        const char* caption;
        int left, top, width, height;
        int tag;
        bool special;
    } cases[] = {
        // R is 214 x 134 from (8, 8): keys 34 x 26; row 1 at 8 + 26 + 4, the next rows 25 apart.
        {"", 8, 8, 34, 26, 30, false},
        {"MC", 8, 38, 34, 26, 33, true},
        {"7", 46, 38, 34, 26, 7, false},
        {"8", 79, 38, 34, 26, 8, false},
        {"9", 112, 38, 34, 26, 9, false},
        {"/", 150, 38, 34, 26, 13, true},
        {"sqrt", 183, 38, 34, 26, 37, true},
        {"M+", 8, 113, 34, 26, 36, true},
        {"0", 46, 113, 34, 26, 0, false},
        {"=", 183, 113, 34, 26, 17, true},
        // Row 0 right of the blank key: three keys, the last to the keypad's right edge 183 + 34.
        {"Back", 46, 8, 54, 26, 31, true},
        {"CE", 104, 8, 54, 26, 32, true},
        {"C", 162, 8, 55, 26, 16, true},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.caption);
        const TButtonItem* key = panel->Buttons()->Items(KeyIndex(panel, k.caption));
        EXPECT_EQ(key->Left, k.left);
        EXPECT_EQ(key->Top, k.top);
        EXPECT_EQ(key->Width, k.width);
        EXPECT_EQ(key->Height, k.height);
        EXPECT_EQ(key->Tag, k.tag);
        EXPECT_EQ(key->Special, k.special);
        EXPECT_EQ(key->CaptionColor, k.special ? TColor(0x000080) : TColor(0xFFFFFF));
    }
    // A resize arranges again.
    panel->SetBounds(10, 10, 320, 200);
    EXPECT_EQ(panel->Buttons()->Items(KeyIndex(panel, "7"))->Width, (320 - 16 - 8) / 6);
}

TEST_F(ButtonPanel, KeysAreStylePushButtonsWithCaptionsInTheirTextColours) {
    panel->ButtonAppearance()->SetSpecialTextColor(0x0000FF);
    panel->ButtonAppearance()->SetTextColor(0xFF0000);
    const QImage img = panel->Widget()->grab().toImage();
    const QRgb red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255);
    const TRect c = panel->Buttons()->Items(KeyIndex(panel, "C"))->Rect();
    const TRect seven = panel->Buttons()->Items(KeyIndex(panel, "7"))->Rect();
    EXPECT_GT(CountColor(img, c, red), 3);
    EXPECT_EQ(CountColor(img, c, blue), 0);
    EXPECT_GT(CountColor(img, seven, blue), 3);
    EXPECT_EQ(CountColor(img, seven, red), 0);
    // The face is the style's button: it differs from the panel between the keys, and pressed from
    // normal.
    const QRgb between = img.pixel(44, 50);
    const QRgb face = img.pixel(seven.Left + 3, seven.Top + 3);
    EXPECT_NE(face, between);
    QWidget* w = panel->Widget();
    Mouse(w, QEvent::MouseButtonPress, KeyCentre(panel, KeyIndex(panel, "7")));
    const QImage pressed = w->grab().toImage();
    Mouse(w, QEvent::MouseButtonRelease, KeyCentre(panel, KeyIndex(panel, "7")));
    bool differs = false;
    for (int y = seven.Top; y < seven.Bottom && !differs; ++y)
        for (int x = seven.Left; x < seven.Right && !differs; ++x)
            differs = pressed.pixel(x, y) != img.pixel(x, y);
    EXPECT_TRUE(differs);
}

TEST_F(ButtonPanel, AClickIsAPressAndAReleaseOverTheSameEnabledKey) {
    QWidget* w = panel->Widget();
    const int seven = KeyIndex(panel, "7"), eight = KeyIndex(panel, "8");
    Mouse(w, QEvent::MouseMove, KeyCentre(panel, seven));
    EXPECT_EQ(panel->ButtonHot(), seven);
    Mouse(w, QEvent::MouseButtonPress, KeyCentre(panel, seven));
    EXPECT_EQ(panel->ButtonDown(), seven);
    Mouse(w, QEvent::MouseButtonRelease, KeyCentre(panel, eight));
    EXPECT_TRUE(clicks.isEmpty());
    EXPECT_EQ(panel->ButtonDown(), -1);
    qvtest::ClickAt(w, KeyCentre(panel, seven));
    EXPECT_EQ(clicks, QList<int>{seven});
    // Between the keys nothing is pressed.
    qvtest::ClickAt(w, QPoint(44, 50));
    EXPECT_EQ(clicks.size(), 1);
    // A disabled key is neither hot nor pressed.
    panel->Buttons()->Items(eight)->Enabled = false;
    Mouse(w, QEvent::MouseMove, KeyCentre(panel, eight));
    EXPECT_EQ(panel->ButtonHot(), -1);
    qvtest::ClickAt(w, KeyCentre(panel, eight));
    EXPECT_EQ(clicks.size(), 1);
}

class CalculatorDropDown : public dropdowntest::DropDownOnForm<TQvCalculatorDropdown> {
protected:
    void Click(const QString& caption) {
        TCustomButtonPanel* panel = edit->ButtonPanel();
        qvtest::ClickAt(panel->Widget(), KeyCentre(panel, KeyIndex(panel, caption)));
    }
};

TEST_F(CalculatorDropDown, TheSequencesGiveTheSameWhetherClickedOrTyped) {
    struct Case {
        const char* keys;
        const char* shown;
    } cases[] = {
        {"1 . 2 3 4", "1.23"},  {"6 / 0 =", "Error"},    {"6 / 0 = + 1 =", "1.00"},
        {"2 + 3 = =", "5.00"},  {"5 0 + 1 0 %", "5.00"}, {"5 0 + 1 0 % =", "55.00"},
        {"9 - 1 2 =", "-3.00"}, {"7 * 3 C 2 =", "2.00"},
    };
    for (const bool typed : {false, true}) {
        for (const Case& k : cases) {
            SCOPED_TRACE(std::string(typed ? "typed " : "clicked ") + k.keys);
            edit->SetText("0");
            TypeChar(u'c');
            PressKey(Qt::Key_Down, Qt::AltModifier);
            ASSERT_TRUE(edit->DroppedDown());
            for (const QString& key : QString::fromLatin1(k.keys).split(' ')) {
                if (!typed)
                    Click(key);
                else
                    TypeChar(key == u"." ? DecimalSeparatorChar() : key == u"C" ? QChar(u'c') : key[0]);
            }
            EXPECT_EQ(edit->Text(), Dec(k.shown));
            EXPECT_TRUE(edit->DroppedDown());
            edit->HideDropDown(false);
        }
    }
}

TEST_F(CalculatorDropDown, EnterKeepsTheResultEscapeRestoresAndTheEditTakesOperators) {
    edit->SetText("4");
    PressKey(Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(edit->DroppedDown());
    for (QChar c : QString("12+3"))
        TypeChar(c);
    PressKey(Qt::Key_Return);
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_EQ(edit->Text(), Dec("15.00"));
    PressKey(Qt::Key_Down, Qt::AltModifier);
    TypeChar(u'9');
    EXPECT_EQ(edit->Text(), Dec("9.00"));
    PressKey(Qt::Key_Escape);
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_EQ(edit->Text(), Dec("15.00"));
    // With the popup closed the edit's own characters calculate: * 2 Enter.
    TypeChar(u'*');
    TypeChar(u'2');
    PressKey(Qt::Key_Return);
    EXPECT_EQ(edit->Text(), Dec("30.00"));
    EXPECT_FALSE(edit->DroppedDown());
}

TEST_F(CalculatorDropDown, MaxLengthStopsTypedDigitsNotTheFirstOne) {
    edit->SetMaxLength(4);
    edit->SetText("0");
    for (const bool typed : {false, true}) {
        SCOPED_TRACE(typed ? "typed" : "clicked");
        TypeChar(u'c');
        edit->ShowDropDown();
        for (const char* key : {"1", "2", "3", "4", "5", "+/-", "."}) {
            if (typed && QString(key) != "+/-")
                TypeChar(key[0] == '.' ? DecimalSeparatorChar() : QChar(key[0]));
            else
                Click(key);
        }
        EXPECT_EQ(edit->Text(), Dec("1234.00"));
        Click("+");
        Click("1");
        Click("=");
        EXPECT_EQ(edit->Text(), Dec("1235.00"));
        edit->HideDropDown(false);
    }
}

TEST_F(CalculatorDropDown, DeleteOnErrorThousandSeparatorsAndTheKeypadStyle) {
    edit->ShowDropDown();
    Click("0");
    Click("1/x");
    EXPECT_EQ(edit->Text(), "Error");
    edit->HideDropDown(false);
    PressKey(Qt::Key_Delete);
    EXPECT_EQ(edit->Text(), Dec("0.00"));

    edit->SetValue(1234.5);
    edit->SetShowThousandSeparator(true);
    EXPECT_EQ(edit->EditType(), etMoney);
    EXPECT_DOUBLE_EQ(edit->Value(), 1234.5);
    edit->ShowDropDown();
    Click("MS");
    Click("C");
    Click("MR");
    EXPECT_DOUBLE_EQ(edit->Value(), 1234.5);
    EXPECT_DOUBLE_EQ(edit->Calculator().Memory(), 1234.5);
    edit->HideDropDown(false);
    edit->SetShowThousandSeparator(false);
    EXPECT_EQ(edit->Text(), Dec("1234.50"));
    // Large values keep every digit.
    edit->SetValue(12345678.25);
    EXPECT_EQ(edit->Text(), Dec("12345678.25"));

    struct Case {
        TQvStyle style;
        bool office2010;
    } cases[] = {{tsOffice2010Blue, true}, {tsOffice2010Black, true}, {tsOffice2007Luna, false}};
    for (const Case& k : cases) {
        edit->SetComponentStyle(k.style);
        const TQvButtonAppearance* b = edit->ButtonAppearance();
        const TButtonAppearance* c = edit->CalcButtonAppearance();
        EXPECT_EQ(c->Color(), b->Color());
        EXPECT_EQ(c->ColorHotTo(), b->ColorHotTo());
        EXPECT_EQ(c->GlowColorHot(), k.office2010 ? b->ColorHot() : b->ColorDownTo());
        EXPECT_EQ(c->GlowColorDown(), k.office2010 ? b->ColorHot() : TColor(0xD5C244));
    }
    // The keypad takes the appearance at the drop.
    edit->CalcButtonAppearance()->SetTextColor(0x123456);
    edit->ShowDropDown();
    EXPECT_EQ(edit->ButtonPanel()->ButtonAppearance()->TextColor(), TColor(0x123456));
}

} // namespace qvcalculatordropdowntest

// The time picker: mask, text, field steps and typed text from tables; the edit and its clock popup
// driven by real keys and clicks offscreen.
#include "controls/dropdown/QvDropDownForm.h"
#include "controls/dropdown/QvDropDown_Layout.h"
#include "controls/dropdown/QvTimePickerDropDown.h"
#include "controls/dropdown/QvTimePicker_Fields.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/stdctrls/ComCtrls_DateTime.h"
#include "toolkit/system/SysUtils.h"

#include "InputEvents.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

TTimeParts TP(int h, int m, int s) {
    TTimeParts p;
    p.Hour = h;
    p.Minute = m;
    p.Second = s;
    return p;
}

String Sep(const char* text) {
    return String(text).replace(u':', TimeSeparator());
}

void PressKey(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWidget* popup = QApplication::activePopupWidget();
    QWidget* w = popup ? (popup->focusWidget() ? popup->focusWidget() : popup) : QApplication::focusWidget();
    ASSERT_NE(w, nullptr);
    QTest::keyClick(w, Qt::Key(key), mods);
}

void TypeText(const QString& text) {
    QWidget* w = QApplication::focusWidget();
    ASSERT_NE(w, nullptr);
    QTest::keyClicks(w, text);
}

} // namespace

TEST(TimePickerFields, MaskTextAndFieldUnderTheCaret) {
    const QChar t = TimeSeparator();
    EXPECT_EQ(TimePickerMask(true, t), QStringLiteral("!90") + t + "00" + t + "00;1; ");
    EXPECT_EQ(TimePickerMask(false, t), QStringLiteral("!90") + t + "00;1; ");
    EXPECT_EQ(TimePickerText(TP(8, 5, 3), true, t), Sep("08:05:03"));
    EXPECT_EQ(TimePickerText(TP(8, 5, 3), false, t), Sep("08:05"));
    struct Case {
        int caret;
        bool seconds;
        TTimeField field;
    } cases[] = {
        {0, true, TTimeField::Hour},    {2, true, TTimeField::Hour},   {3, true, TTimeField::Minute},
        {5, true, TTimeField::Minute},  {6, true, TTimeField::Second}, {8, true, TTimeField::Second},
        {6, false, TTimeField::Minute},
    };
    for (const Case& k : cases)
        EXPECT_EQ(TimePickerFieldAt(Sep(k.seconds ? "12:34:56" : "12:34"), k.caret, k.seconds, t), k.field)
            << k.caret << " " << k.seconds;
}

TEST(TimePickerFields, StepsWrapWithinTheirField) {
    struct Case {
        TTimeField field;
        int delta;
        TTimeParts from, to;
    } cases[] = {
        {TTimeField::Hour, -1, TP(12, 34, 56), TP(11, 34, 56)},
        {TTimeField::Hour, -1, TP(0, 34, 56), TP(23, 34, 56)},
        {TTimeField::Hour, 1, TP(23, 34, 56), TP(0, 34, 56)},
        {TTimeField::Minute, -1, TP(12, 0, 56), TP(12, 59, 56)},
        {TTimeField::Minute, 1, TP(12, 59, 56), TP(12, 0, 56)},
        {TTimeField::Second, 1, TP(12, 34, 59), TP(12, 34, 0)},
        {TTimeField::Second, -1, TP(12, 34, 0), TP(12, 34, 59)},
    };
    for (const Case& k : cases) {
        const TTimeParts p = TimePickerStep(k.from, k.field, k.delta);
        EXPECT_EQ(TimePickerText(p, true, u':'), TimePickerText(k.to, true, u':'));
    }
}

TEST(TimePickerFields, TypedTextBecomesATimeOnlyWhenItIsOneInTheShownFormat) {
    struct Case {
        const char* text;
        bool seconds;
        bool taken;
        TTimeParts parts;
    } cases[] = {
        {"08:00", false, true, TP(8, 0, 0)},
        {" 8:30", false, false, {}}, // a blank hour digit: four characters once trimmed
        {"8:5", false, false, {}},   // incomplete: fewer than five characters once trimmed
        {" 8:5 ", false, false, {}},
        {"24:00", false, false, {}}, // no time of day: nothing changes
        {"12:60", false, false, {}},
        {"12:34", true, false, {}},  // the seconds' separator is missing
        {"1:2:3", false, false, {}}, // a second separator without seconds shown
        {"12:34:56", true, true, TP(12, 34, 56)},
        {"12:34:60", true, false, {}},
        {"12:34:56", false, false, {}},
        {"ab:cd", false, false, {}},
        {"1a:00", false, false, {}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.text);
        const std::optional<TTimeParts> p = TimePickerRead(Sep(k.text), k.seconds, TimeSeparator());
        ASSERT_EQ(p.has_value(), k.taken);
        if (p) {
            EXPECT_EQ(TimePickerText(*p, true, u':'), TimePickerText(k.parts, true, u':'));
        }
    }
}

class TimePicker : public ::testing::Test {
protected:
    void SetUp() override {
        SetDropDownTickSource([this] { return now; });
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(100, 100, 400, 400);
        picker = new TQvTimePickerDropDown(form.get());
        picker->SetParent(form.get());
        picker->SetBounds(20, 20, 120, 21);
        form->Show();
        picker->SetFocus();
        QApplication::processEvents();
    }
    void TearDown() override {
        if (picker->DroppedDown()) picker->HideDropDown(true);
        form->Hide();
        form.reset();
        SetDropDownTickSource(nullptr);
    }
    TTimeParts Parts() const { return TimePartsOfDay(picker->Time()); }
    void Settle() {
        TTimer* t = picker->Watch()->AnimationTimer();
        for (int i = 0; i < 200 && t->Enabled(); ++i)
            t->OnTimer(t);
    }
    bool Shows() const { return picker->DroppedDown() && picker->DropDownForm()->Visible(); }

    DWORD now = 100000;
    std::unique_ptr<TForm> form;
    TQvTimePickerDropDown* picker = nullptr;
};

TEST_F(TimePicker, UpAndDownStepTheFieldUnderTheCaretAndKeepTheCaret) {
    int changes = 0;
    picker->OnTimeChange = [&](TObject*) { ++changes; };
    EXPECT_EQ(picker->Text(), Sep("00:00:00"));
    struct Case {
        const char* name;
        bool seconds;
        TTimeParts start;
        int caret;
        int key;
        const char* text;
    } cases[] = {
        {"Up on the hour", true, TP(12, 34, 56), 1, Qt::Key_Up, "11:34:56"},
        {"Down after the second separator", true, TP(12, 34, 56), 7, Qt::Key_Down, "12:34:57"},
        {"Down on the minute", true, TP(12, 34, 56), 4, Qt::Key_Down, "12:35:56"},
        {"Down at 23", true, TP(23, 0, 0), 0, Qt::Key_Down, "00:00:00"},
        {"Up at second 0", true, TP(10, 0, 0), 8, Qt::Key_Up, "10:00:59"},
        {"the minute without seconds", false, TP(12, 34, 0), 4, Qt::Key_Up, "12:33"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        picker->SetShowSeconds(k.seconds);
        picker->SetTime(TimeOfParts(k.start.Hour, k.start.Minute, k.start.Second, 0));
        picker->SetSelStart(k.caret);
        changes = 0;
        PressKey(k.key);
        EXPECT_EQ(picker->Text(), Sep(k.text));
        EXPECT_EQ(TimePickerText(Parts(), k.seconds, TimeSeparator()), Sep(k.text));
        EXPECT_EQ(picker->SelStart(), k.caret);
        EXPECT_EQ(changes, 1);
    }
    // Alt with an arrow opens the popup instead.
    PressKey(Qt::Key_Down, Qt::AltModifier);
    EXPECT_TRUE(Shows());
}

TEST_F(TimePicker, ShowSecondsRewritesTheTextAndDropsTheSecondsWithout) {
    picker->SetTime(TimeOfParts(8, 30, 45, 0));
    EXPECT_EQ(picker->Text(), Sep("08:30:45"));
    picker->SetShowSeconds(false);
    EXPECT_EQ(picker->Text(), Sep("08:30"));
    EXPECT_EQ(Parts().Second, 0);
    picker->SetTime(TimeOfParts(9, 10, 11, 0));
    EXPECT_EQ(picker->Text(), Sep("09:10"));
    EXPECT_EQ(TimePickerText(Parts(), true, u':'), "09:10:00");
    picker->SetShowSeconds(true);
    EXPECT_EQ(picker->Text(), Sep("09:10:00"));
}

TEST_F(TimePicker, TypedTimesAreTakenWhenCompleteAndValid) {
    picker->SetEditorEnabled(true);
    picker->SetShowSeconds(false);
    picker->SetTime(TimeOfParts(1, 2, 0, 0));
    picker->SetSelStart(0);
    TypeText("0800");
    EXPECT_EQ(picker->Text(), Sep("08:00"));
    EXPECT_EQ(TimePickerText(Parts(), false, u':'), "08:00");
    // An hour above 23 leaves the time as it was.
    picker->SetSelStart(0);
    TypeText("2930");
    EXPECT_EQ(TimePickerText(Parts(), false, u':'), "08:00");
    picker->SetShowSeconds(true);
    picker->SetSelStart(0);
    TypeText("101112");
    EXPECT_EQ(TimePickerText(Parts(), true, u':'), "10:11:12");
}

TEST_F(TimePicker, ThePopupsClockTakesKeysAndEnterKeepsWhileEscapeRestores) {
    picker->SetAnimation(false);
    struct Case {
        const char* name;
        int key;
        Qt::KeyboardModifiers mods;
        int closeKey;
        const char* text;
    } cases[] = {
        {"Page Up, Enter", Qt::Key_PageUp, Qt::NoModifier, Qt::Key_Return, "10:20:00"},
        {"Page Down, Escape", Qt::Key_PageDown, Qt::NoModifier, Qt::Key_Escape, "09:20:00"},
        {"Up goes nowhere", Qt::Key_Up, Qt::NoModifier, Qt::Key_Return, "09:20:00"},
        {"P, Enter", Qt::Key_P, Qt::NoModifier, Qt::Key_Return, "21:20:00"},
        {"Right, Enter", Qt::Key_Right, Qt::NoModifier, Qt::Key_Return, "09:21:00"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        picker->SetTime(TimeOfParts(9, 20, 0, 0));
        PressKey(Qt::Key_Down, Qt::AltModifier);
        ASSERT_TRUE(Shows());
        EXPECT_EQ(picker->Watch()->Time(), picker->Time());
        PressKey(k.key, k.mods);
        PressKey(k.closeKey);
        EXPECT_FALSE(Shows());
        EXPECT_EQ(picker->Text(), Sep(k.text));
        EXPECT_EQ(TimePickerText(Parts(), true, TimeSeparator()), Sep(k.text));
        now += 1000;
    }
}

TEST_F(TimePicker, AClickAtThreeOnTheFaceThenOutsideKeepsTheNewHour) {
    picker->SetTime(TimeOfParts(9, 20, 0, 0));
    PressKey(Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(Shows());
    TQvWatch* w = picker->Watch();
    QApplication::processEvents();
    const int cy = w->ClientHeight() / 2;
    qvtest::ClickAt(w->Widget(), QPointF(w->ClientWidth() / 2 + 60, cy));
    Settle();
    EXPECT_EQ(picker->Text(), Sep("03:20:00"));
    // The press outside goes to the popup, which closes without cancelling.
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    const QPoint global = form->Widget()->mapToGlobal(QPoint(350, 350));
    QMouseEvent press(QEvent::MouseButtonPress, popup->mapFromGlobal(global), global, Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(popup, &press);
    EXPECT_FALSE(Shows());
    EXPECT_EQ(TimePickerText(Parts(), true, TimeSeparator()), Sep("03:20:00"));
}

TEST_F(TimePicker, TheTimePickerControlFollowsTheClockAndSetsIt) {
    picker->SetShowTimePicker(true);
    picker->SetAnimation(false);
    picker->SetTime(TimeOfParts(9, 20, 0, 0));
    int changes = 0;
    picker->OnTimeChange = [&](TObject*) { ++changes; };
    PressKey(Qt::Key_F4);
    ASSERT_TRUE(Shows());
    ASSERT_NE(picker->TimePicker(), nullptr);
    EXPECT_EQ(picker->TimePicker()->Format(), "HH:mm:ss");
    EXPECT_EQ(TimePartsOfDay(picker->TimePicker()->Time()).Hour, 9);
    PressKey(Qt::Key_PageUp);
    EXPECT_EQ(TimePartsOfDay(picker->TimePicker()->Time()).Hour, 10);
    EXPECT_EQ(changes, 1);
    PressKey(Qt::Key_Return);
    EXPECT_EQ(picker->Text(), Sep("10:20:00"));
}

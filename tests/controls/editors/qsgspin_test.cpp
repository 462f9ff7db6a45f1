// The spin edit: reading and writing the four value kinds, limits, stepping by keys and buttons (the
// caret picks the date or time field), the typed-character filter, and the buttons' repeat timer.
#include "controls/editors/qsgspin.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/graphics/SystemLook.h"
#include "toolkit/graphics/ThemeDraw.h"
#include "toolkit/system/SysUtils.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

// Locale settings the cases rely on, put back afterwards.
class SpinLocale {
public:
    explicit SpinLocale(QLocale l, QChar decimal = u'.') : FOld(QLocale()) {
        QLocale::setDefault(l);
        SetDecimalSeparatorOverride(decimal);
    }
    ~SpinLocale() {
        QLocale::setDefault(FOld);
        SetDecimalSeparatorOverride(QChar());
    }

private:
    QLocale FOld;
};

TDateTime DateOf(int y, int m, int d) {
    TDateTime v = 0;
    EXPECT_TRUE(TryDateFromParts(y, m, d, v));
    return v;
}

String DateText(int y, int m, int d) {
    return DateToStr(DateOf(y, m, d));
}

void KeyDown(TQsgSpinEdit& e, Word key) {
    e.Perform(WM_KEYDOWN, key, 0);
}

} // namespace

TEST(QsgSpinEdit, IntegerTextReadsWithHexadecimalAndFallbacks) {
    struct Case {
        const char* text;
        int expected;
    } cases[] = {
        {"", 0},     {"  ", 0},    {"42", 42}, {" 7 ", 7}, {"-3", -3},
        {"$1F", 31}, {"0x10", 16}, {"abc", 5}, {"1.5", 5},
    };
    TQsgSpinEdit e(nullptr);
    e.SetMinValue(5);
    e.SetMaxValue(50);
    for (const Case& c : cases) {
        e.SetText(c.text);
        EXPECT_EQ(e.Value(), c.expected) << c.text;
    }
}

TEST(QsgSpinEdit, IntegerLimitsClampOnWriteStepAndExit) {
    TQsgSpinEdit e(nullptr);
    e.SetValue(150);
    EXPECT_EQ(e.Text(), "100");
    e.SetValue(-4);
    EXPECT_EQ(e.Text(), "0");

    e.SetText("150");
    KeyDown(e, VK_UP); // 151, clamped
    EXPECT_EQ(e.Text(), "100");

    e.SetText("150");
    e.Perform(CM_EXIT);
    EXPECT_EQ(e.Text(), "100");

    // Equal limits are no limits.
    e.SetMinValue(5);
    e.SetMaxValue(5);
    e.SetValue(150);
    EXPECT_EQ(e.Text(), "150");
    KeyDown(e, VK_DOWN);
    EXPECT_EQ(e.Text(), "149");
}

TEST(QsgSpinEdit, StepKeysAreFinishedBeforeTheKeyEvent) {
    TQsgSpinEdit e(nullptr);
    e.SetIncrement(5);
    e.SetValue(50);
    int keyEvents = 0;
    e.OnKeyDown = [&](TObject*, Word&, TShiftState) { ++keyEvents; };
    struct Step {
        Word key;
        int expected;
    } steps[] = {{VK_UP, 55}, {VK_PRIOR, 60}, {VK_DOWN, 55}, {VK_NEXT, 50}};
    for (const Step& s : steps) {
        KeyDown(e, s.key);
        EXPECT_EQ(e.Value(), s.expected) << s.key;
    }
    EXPECT_EQ(keyEvents, 0);
    KeyDown(e, VK_HOME);
    EXPECT_EQ(keyEvents, 1);
}

TEST(QsgSpinEdit, FloatValuesFormatsAndSteps) {
    SpinLocale scope(QLocale::c(), u'.');
    TQsgSpinEdit e(nullptr);
    e.SetSpinType(sptFloat);
    EXPECT_EQ(e.Text(), "0");
    e.SetFloatValue(2.5);
    EXPECT_EQ(e.Text(), "2.5");
    e.SetPrecision(2);
    EXPECT_EQ(e.Text(), "2.50");
    KeyDown(e, VK_UP);
    EXPECT_EQ(e.Text(), "2.60");
    KeyDown(e, VK_PRIOR);
    EXPECT_EQ(e.Text(), "3.60");
    e.SetFloatValue(250);
    EXPECT_EQ(e.Text(), "100.00");

    // Text that is no number reads as the float minimum, not the integer one.
    e.SetMinValue(-7);
    e.SetMinFloatValue(0.5);
    e.SetText("abc");
    EXPECT_DOUBLE_EQ(e.FloatValue(), 0.5);
}

TEST(QsgSpinEdit, FloatUsesTheLocaleDecimalSeparator) {
    SpinLocale scope(QLocale(QLocale::German), u',');
    TQsgSpinEdit e(nullptr);
    e.SetSpinType(sptFloat);
    e.SetText("1,25");
    EXPECT_DOUBLE_EQ(e.FloatValue(), 1.25);
    e.SetFloatValue(3.75);
    EXPECT_EQ(e.Text(), "3,75");
}

TEST(QsgSpinEdit, TypedCharacterFilter) {
    // Separators: decimal ".", thousands ",", date "/", time ":".
    SpinLocale scope(QLocale(QLocale::English, QLocale::UnitedStates), u'.');
    struct Case {
        TQsgSpinType kind;
        const char* text;
        int selStart, selLength, precision;
        bool editorEnabled;
        char16_t key;
        bool accepted;
    } cases[] = {
        {sptNormal, "12", 2, 0, 0, true, u'3', true},
        {sptNormal, "12", 2, 0, 0, true, u'a', false},
        {sptNormal, "12", 0, 0, 0, true, u'-', true},
        {sptNormal, "12", 1, 0, 0, true, u'-', false},  // only at the start
        {sptNormal, "-12", 0, 0, 0, true, u'-', false}, // only once
        {sptNormal, "-12", 0, 1, 0, true, u'-', true},  // unless the old one is selected
        {sptNormal, "12", 2, 0, 0, true, 0x16, false},  // Ctrl+V typed as a character
        {sptNormal, "12", 2, 0, 0, true, u'.', false},
        {sptNormal, "12", 2, 0, 0, true, u'\b', true},
        {sptNormal, "12", 2, 0, 0, false, u'\b', false},
        {sptNormal, "12", 2, 0, 0, false, u'3', false},
        {sptFloat, "1.23", 4, 0, 2, true, u'4', false}, // precision reached after the separator
        {sptFloat, "1.23", 1, 0, 2, true, u'4', true},  // before the separator
        {sptFloat, "1.2", 3, 0, 2, true, u'4', true},
        {sptFloat, "1.23", 4, 0, 0, true, u'4', true}, // free format
        {sptFloat, "1.2", 3, 0, 0, true, u'.', false}, // a second separator
        {sptFloat, "1.2", 0, 3, 0, true, u'.', true},  // replacing the old one
        {sptFloat, "12", 2, 0, 0, true, u',', false},  // thousands separator
        {sptFloat, "12", 2, 0, 0, true, 0x16, true},
        {sptFloat, "12", 2, 0, 0, false, 0x16, true}, // control characters stay
        {sptTime, "1:2", 3, 0, 0, true, u':', true},
        {sptTime, "1:2:3", 5, 0, 0, true, u':', false},
        {sptFloat, "1", 1, 0, 0, true, u':', false}, // time separator outside a time
        {sptDate, "1/2", 3, 0, 0, true, u'/', true},
        {sptNormal, "1", 1, 0, 0, true, u'/', false},
    };
    for (TQsgSpinType kind : {sptNormal, sptFloat, sptDate, sptTime}) {
        TQsgSpinEdit e(nullptr);
        e.SetSpinType(kind);
        QChar enter(u'\r');
        EXPECT_FALSE(e.IsValidChar(enter)) << "Enter, kind " << kind;
    }
    int row = 0;
    for (const Case& c : cases) {
        TQsgSpinEdit e(nullptr);
        e.SetSpinType(c.kind);
        e.SetPrecision(c.precision);
        e.SetText(c.text);
        e.SetSelStart(c.selStart);
        e.SetSelLength(c.selLength);
        e.SetEditorEnabled(c.editorEnabled);
        QChar key(c.key);
        EXPECT_EQ(e.IsValidChar(key), c.accepted) << "row " << row << " text " << c.text;
        ++row;
    }
}

TEST(QsgSpinEdit, RefusedCharactersBeepAndDoNotReachTheText) {
    TQsgSpinEdit e(nullptr);
    e.SetText("12");
    const int beeps = BeepCount();
    e.Perform(WM_CHAR, u'x', 0);
    e.Perform(WM_CHAR, u'\r', 0);
    EXPECT_EQ(BeepCount(), beeps + 2);
    EXPECT_EQ(e.Text(), "12");

    e.SetReadOnly(true);
    KeyDown(e, VK_UP);
    EXPECT_EQ(BeepCount(), beeps + 3);
    EXPECT_EQ(e.Text(), "12");
}

TEST(QsgSpinEdit, DateStepsTheFieldUnderTheCaret) {
    SpinLocale scope{QLocale(QLocale::German)}; // dd.MM.yy, day first
    struct Case {
        int y, m, d;
        int caret;
        Word key;
        int ey, em, ed;
    } cases[] = {
        {2026, 3, 10, 0, VK_UP, 2026, 3, 11},
        {2026, 3, 10, 2, VK_DOWN, 2026, 3, 9},
        {2026, 3, 10, 3, VK_UP, 2026, 4, 10},
        {2026, 1, 31, 4, VK_UP, 2026, 2, 28}, // the month's last day
        {2026, 3, 10, 6, VK_DOWN, 2025, 3, 10},
        {2024, 2, 29, 8, VK_UP, 2025, 2, 28}, // no 29 February next year: the 28th
        {2026, 12, 31, 0, VK_UP, 2027, 1, 1},
    };
    for (const Case& c : cases) {
        TQsgSpinEdit e(nullptr);
        e.SetSpinType(sptDate);
        e.SetDateValue(DateOf(c.y, c.m, c.d));
        e.SetSelStart(c.caret);
        KeyDown(e, c.key);
        EXPECT_EQ(e.Text(), DateText(c.ey, c.em, c.ed))
            << c.y << "-" << c.m << "-" << c.d << " caret " << c.caret;
        EXPECT_FALSE(e.UsDates());
        EXPECT_EQ(e.SelStart(), c.caret);
    }
}

TEST(QsgSpinEdit, UsDatesStepTheMonthFirst) {
    SpinLocale scope{QLocale(QLocale::English, QLocale::UnitedStates)}; // M/d/yy
    TQsgSpinEdit e(nullptr);
    e.SetSpinType(sptDate);
    e.SetDateValue(DateOf(2026, 3, 10));
    e.SetSelStart(0);
    KeyDown(e, VK_UP);
    EXPECT_TRUE(e.UsDates());
    EXPECT_EQ(e.Text(), DateText(2026, 4, 10));
    e.SetSelStart(e.Text().indexOf(u'/') + 1);
    KeyDown(e, VK_UP);
    EXPECT_EQ(e.Text(), DateText(2026, 4, 11));
}

TEST(QsgSpinEdit, EmptyOrZeroDateReadsAsTodayAndStepsTheYear) {
    SpinLocale scope{QLocale(QLocale::German)};
    for (const char* text : {"", "0"}) {
        TQsgSpinEdit e(nullptr);
        e.SetSpinType(sptDate);
        e.SetText(text);
        const TDateTime today = std::floor(Now());
        EXPECT_EQ(std::floor(e.DateValue()), today);
        KeyDown(e, VK_UP);
        int y = 0, m = 0, d = 0;
        DatePartsOf(today, y, m, d);
        EXPECT_EQ(e.Text(), DateText(y + 1, m, std::min(d, DaysInAMonth(y + 1, m)))) << text;
    }
}

TEST(QsgSpinEdit, DateLimitsAndUnreadableText) {
    SpinLocale scope{QLocale(QLocale::German)};
    TQsgSpinEdit e(nullptr);
    e.SetSpinType(sptDate);
    e.SetMinDateValue(DateOf(2026, 1, 1));
    e.SetMaxDateValue(DateOf(2026, 12, 31));
    e.SetDateValue(DateOf(2030, 5, 5));
    EXPECT_EQ(e.Text(), DateText(2026, 12, 31));
    e.SetText("no date");
    EXPECT_EQ(e.DateValue(), DateOf(2026, 1, 1));
}

TEST(QsgSpinEdit, TimeStepsWrapAroundMidnight) {
    SpinLocale scope{QLocale(QLocale::German)}; // HH:mm:ss
    struct Case {
        const char* text;
        bool seconds;
        int caret;
        Word key;
        const char* expected;
    } cases[] = {
        {"0:00", false, 0, VK_DOWN, "23:00"},       {"23:30", false, 0, VK_UP, "0:30"},
        {"10:59", false, 3, VK_UP, "11:00"},        {"10:00", false, 3, VK_DOWN, "9:59"},
        {"10:00:00", true, 6, VK_DOWN, "09:59:59"}, {"10:00:00", true, 3, VK_UP, "10:01:00"},
    };
    for (const Case& c : cases) {
        TQsgSpinEdit e(nullptr);
        e.SetShowSeconds(c.seconds);
        e.SetSpinType(sptTime);
        e.SetText(c.text);
        e.SetSelStart(c.caret);
        KeyDown(e, c.key);
        EXPECT_EQ(e.Text(), c.expected) << c.text << " caret " << c.caret;
    }
}

TEST(QsgSpinEdit, LargeTimeIncrementsStepWithoutFailing) {
    SpinLocale scope{QLocale(QLocale::German)};
    TQsgSpinEdit e(nullptr);
    e.SetShowSeconds(false);
    e.SetSpinType(sptTime);
    e.SetText("1:00");
    e.SetIncrementHours(25); // a day and an hour: the time of day moves by one hour
    e.SetSelStart(0);
    KeyDown(e, VK_UP);
    EXPECT_EQ(e.Text(), "2:00");
    e.SetText("1:00");
    e.SetIncrementMinutes(90);
    e.SetSelStart(2);
    KeyDown(e, VK_DOWN);
    EXPECT_EQ(e.Text(), "23:30");
    e.SetText("garbage");
    EXPECT_EQ(e.TimeValue(), 0.0);
}

TEST(QsgSpinEdit, SpinTypeRewritesTheValueInTheNewKind) {
    SpinLocale scope(QLocale::c(), u'.');
    TQsgSpinEdit e(nullptr);
    e.SetText("7");
    e.SetSpinType(sptFloat);
    e.SetPrecision(1);
    EXPECT_EQ(e.Text(), "7.0");
    e.SetSpinType(sptNormal);
    EXPECT_EQ(e.Text(), "0"); // "7.0" is no integer: the minimum
}

class QsgSpinWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        form->SetClientSize(240, 80);
        spin = new TQsgSpinEdit(form.get());
        spin->SetParent(form.get());
        spin->SetBounds(10, 10, 120, 24);
        form->Show();
        QApplication::processEvents();
    }
    void TearDown() override { form->Hide(); }

    QLineEdit* Line() { return static_cast<QLineEdit*>(spin->Widget()); }
    void Type(int key, const QString& text, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QKeyEvent press(QEvent::KeyPress, key, mods, text);
        QApplication::sendEvent(Line(), &press);
        QKeyEvent release(QEvent::KeyRelease, key, mods, text);
        QApplication::sendEvent(Line(), &release);
    }
    void Mouse(TControl* c, UINT msg, int x, int y) {
        c->Perform(msg, msg == WM_LBUTTONDOWN ? WPARAM(MK_LBUTTON) : WPARAM(0), MAKELPARAM(x, y));
    }

    std::unique_ptr<TForm> form;
    TQsgSpinEdit* spin = nullptr;
};

TEST_F(QsgSpinWindowTest, TypedKeysPassTheFilterAndArrowsStep) {
    spin->SetText("");
    Type(Qt::Key_4, "4");
    Type(Qt::Key_A, "a");
    Type(Qt::Key_2, "2");
    EXPECT_EQ(Line()->text(), "42");
    Type(Qt::Key_Up, "");
    EXPECT_EQ(Line()->text(), "43");
    Type(Qt::Key_PageDown, "");
    EXPECT_EQ(Line()->text(), "42");
}

TEST_F(QsgSpinWindowTest, EditorDisabledKeepsTheTextButStillSteps) {
    QGuiApplication::clipboard()->setText("9");
    // The float kind lets control characters through the filter: Ctrl+V must still not paste.
    for (TQsgSpinType kind : {sptNormal, sptFloat}) {
        spin->SetEditorEnabled(true);
        spin->SetSpinType(kind);
        spin->SetText("10");
        spin->SetEditorEnabled(false);
        Line()->setCursorPosition(1);
        Type(Qt::Key_5, "5");
        Type(Qt::Key_Backspace, "\b");
        Type(Qt::Key_Delete, "");
        Type(Qt::Key_Insert, "", Qt::ShiftModifier);
        spin->Perform(WM_PASTE);
        spin->Perform(WM_CUT);
        Type(Qt::Key_V, QString(QChar(0x16)), Qt::ControlModifier);
        Type(Qt::Key_X, QString(QChar(0x18)), Qt::ControlModifier);
        EXPECT_EQ(Line()->text(), "10") << kind;
    }
    spin->SetSpinType(sptNormal);
    Type(Qt::Key_Up, "");
    EXPECT_EQ(Line()->text(), "11");
    spin->Button()->UpButton()->Click();
    EXPECT_EQ(Line()->text(), "12");
}

TEST_F(QsgSpinWindowTest, PasteGoesThroughTheEditorWhenAllowed) {
    QGuiApplication::clipboard()->setText("7");
    spin->SetSpinType(sptFloat);
    spin->SetText("1");
    Line()->setCursorPosition(1);
    spin->Perform(WM_PASTE);
    EXPECT_EQ(Line()->text(), "17");
    spin->SetReadOnly(true);
    spin->Perform(WM_PASTE);
    EXPECT_EQ(Line()->text(), "17");
}

TEST_F(QsgSpinWindowTest, KeypadDecimalKeyTypesTheLocaleSeparator) {
    SpinLocale scope(QLocale(QLocale::German), u',');
    spin->SetSpinType(sptFloat);
    spin->SetExcelStyleDecimalSeparator(true);
    spin->SetText("1");
    Line()->setCursorPosition(1);
    Type(Qt::Key_Period, ".", Qt::KeypadModifier);
    EXPECT_EQ(Line()->text(), "1,");
    // The main full-stop key is no decimal separator here.
    Type(Qt::Key_Period, ".");
    EXPECT_EQ(Line()->text(), "1,");
}

TEST_F(QsgSpinWindowTest, ButtonsSitAtTheRightEdgeAndTheTextKeepsClearOfThem) {
    TQsgSpinButton* b = spin->Button();
    EXPECT_EQ(b->Parent(), spin);
    EXPECT_LE(b->Left() + b->Width(), spin->Width());
    EXPECT_GE(b->Left() + b->Width(), spin->Width() - 4);
    EXPECT_GE(Line()->textMargins().right(), b->Width());
    // The two halves share one pixel row.
    EXPECT_EQ(b->DownButton()->Top(), b->UpButton()->Height() - 1);
    // Too low for the font: the height is raised.
    spin->SetHeight(8);
    EXPECT_EQ(spin->Height(), spin->GetMinHeight());
    spin->SetDirection(spHorizontal);
    EXPECT_EQ(b->Width(), 20);
    EXPECT_EQ(b->UpButton()->ButtonDirection(), bdRight);
    EXPECT_LT(b->DownButton()->Left(), b->UpButton()->Left());
}

TEST_F(QsgSpinWindowTest, HeldButtonRepeatsAfter400ThenEvery100Milliseconds) {
    spin->SetValue(10);
    TQvTimerSpeedButton* up = spin->Button()->UpButton();
    ASSERT_EQ(up->RepeatTimer(), nullptr);
    Mouse(up, WM_LBUTTONDOWN, 3, 3);
    TTimer* timer = up->RepeatTimer();
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->Enabled());
    EXPECT_EQ(timer->Interval(), 400u);
    EXPECT_EQ(spin->Value(), 10); // nothing before the first tick

    for (int tick = 1; tick <= 3; ++tick) {
        timer->OnTimer(timer);
        EXPECT_EQ(timer->Interval(), 100u);
        EXPECT_EQ(spin->Value(), 10 + tick);
    }
    // Release over the button: one more click, and the repeat stops.
    Mouse(up, WM_LBUTTONUP, 3, 3);
    EXPECT_EQ(spin->Value(), 14);
    EXPECT_FALSE(timer->Enabled());
    // A late tick after release clicks nothing.
    timer->OnTimer(timer);
    EXPECT_EQ(spin->Value(), 14);

    // The down button repeats the other way; a release off the button adds no click.
    TQvTimerSpeedButton* down = spin->Button()->DownButton();
    Mouse(down, WM_LBUTTONDOWN, 3, 3);
    down->RepeatTimer()->OnTimer(down->RepeatTimer());
    Mouse(down, WM_LBUTTONUP, 300, 300);
    EXPECT_EQ(spin->Value(), 13);
}

TEST_F(QsgSpinWindowTest, ReturnIsTabMovesTheFocusOn) {
    auto* next = new TEdit(form.get());
    next->SetParent(form.get());
    next->SetBounds(10, 45, 100, 21);
    form->Show();
    spin->SetReturnIsTab(true);
    spin->SetFocus();
    QApplication::processEvents();
    ASSERT_TRUE(spin->Focused());
    const int beeps = BeepCount();
    Type(Qt::Key_Return, "\r");
    QApplication::processEvents();
    EXPECT_TRUE(next->Focused());
    EXPECT_EQ(BeepCount(), beeps + 1); // the Enter character itself is refused
}

TEST_F(QsgSpinWindowTest, ColouredButtonsPaintTheirFace) {
    spin->Button()->SetButtonColor(clBlue);
    form->SetColor(clWhite);
    QApplication::processEvents();
    const QImage shot = form->Grab();
    TQsgSpinButton* b = spin->Button();
    const QPoint inUp(spin->Left() + b->Left() + 2, spin->Top() + b->Top() + 1);
    const QRgb p = shot.pixel(inUp);
    EXPECT_EQ(qBlue(p), 255) << std::hex << p;
    EXPECT_LT(qRed(p), 30);
}

TEST(QsgSpinEdit, DateAndTimeSetWhileLoadingAreWrittenWhenLoaded) {
    SpinLocale scope{QLocale(QLocale::German)};
    TQsgSpinEdit date(nullptr);
    date.SetLoading(true);
    date.SetSpinType(sptDate);
    date.SetDateValue(DateOf(2026, 5, 4));
    EXPECT_EQ(date.Text(), "0");
    date.SetLoading(false);
    date.Loaded();
    EXPECT_EQ(date.Text(), DateText(2026, 5, 4));

    TQsgSpinEdit time(nullptr);
    time.SetLoading(true);
    time.SetShowSeconds(false);
    time.SetSpinType(sptTime);
    time.SetTimeValue(0.75);
    time.SetLoading(false);
    time.Loaded();
    EXPECT_EQ(time.Text(), "18:00");
}

TEST_F(QsgSpinWindowTest, MousePressOnTheButtonWindowStartsTheRepeat) {
    spin->SetValue(5);
    QWidget* up = spin->Button()->UpButton()->Widget();
    ASSERT_NE(up, nullptr);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(3, 3), up->mapToGlobal(QPointF(3, 3)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(up, &press);
    TTimer* timer = spin->Button()->UpButton()->RepeatTimer();
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->Enabled());
    timer->OnTimer(timer);
    EXPECT_EQ(spin->Value(), 6);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(3, 3), up->mapToGlobal(QPointF(3, 3)),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(up, &release);
    EXPECT_EQ(spin->Value(), 7);
    EXPECT_FALSE(timer->Enabled());
}

// The date-time picker: its value without a window, its fields and calendar driven by keys, the "no date"
// check box, and the format letters it understands.
#include "toolkit/controls/Forms.h"
#include "toolkit/stdctrls/ComCtrls_DateTime.h"
#include "toolkit/stdctrls/StdCtrls.h"

#include "InputEvents.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <cmath>
#include <gtest/gtest.h>

namespace {

TDateTime dateOf(int y, int m, int d) {
    TDateTime v = 0;
    TryDateFromParts(y, m, d, v);
    return v;
}

TDateTime timeOf(int h, int n, int s) {
    TDateTime v = 0;
    TryTimeFromParts(h, n, s, v);
    return v;
}

QString shown(TDateTime v) {
    int y, m, d, h, n, s;
    DatePartsOf(v, y, m, d);
    TimePartsOf(v, h, n, s);
    return QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", y, m, d, h, n, s);
}

} // namespace

struct PickerTest : ::testing::Test {
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 300, 120);
        picker = new TDateTimePicker(form.get());
        picker->SetParent(form.get());
        picker->SetFormat("dd/MM/yyyy");
        picker->SetDateTime(dateOf(2024, 3, 15) + timeOf(10, 20, 30));
        other = new TEdit(form.get());
        other->SetParent(form.get());
        other->SetTop(60);
        picker->OnChange = [this](TObject*) { log << "change"; };
        picker->OnDropDown = [this](TObject*) { log << "dropdown"; };
        picker->OnCloseUp = [this](TObject*) { log << "closeup"; };
        form->Show();
        picker->SetFocus();
        QApplication::processEvents();
    }
    void TearDown() override {
        picker->SetDroppedDown(false);
        form.reset();
    }
    void Key(int key, const QString& text = QString()) { qvtest::KeyToFocus(key, text); }
    QDateTimeEdit* Edit() const { return picker->Widget()->findChild<QDateTimeEdit*>(); }

    std::unique_ptr<TForm> form;
    TDateTimePicker* picker = nullptr;
    TEdit* other = nullptr;
    QStringList log;
};

TEST(DateTimePicker, ValueDateAndTimeWithoutAWindow) {
    TForm form(nullptr);
    auto* p = new TDateTimePicker(&form);
    p->SetParent(&form);
    p->SetDateTime(dateOf(2024, 2, 29) + timeOf(23, 59, 58));
    p->SetDate(dateOf(2000, 1, 1)); // keeps the time
    EXPECT_EQ(shown(p->DateTime()), "2000-01-01 23:59:58");
    p->SetTime(timeOf(6, 7, 8) + 12345); // only the time of day counts
    EXPECT_EQ(shown(p->DateTime()), "2000-01-01 06:07:08");
    EXPECT_EQ(p->Date(), dateOf(2000, 1, 1));
    p->SetFormat("dd.MM.yyyy HH:mm");
    EXPECT_EQ(p->Text(), "01.01.2000 06:07"); // as the fields will show it
    EXPECT_NEAR(p->Time(), timeOf(6, 7, 8), 1e-9);
    // Limits hold for values set by code too.
    p->SetMinDate(dateOf(2010, 1, 1));
    EXPECT_EQ(shown(p->DateTime()), "2010-01-01 00:00:00");
    p->SetMaxDate(dateOf(2020, 1, 1));
    p->SetDateTime(dateOf(2030, 5, 5));
    EXPECT_EQ(shown(p->DateTime()), "2020-01-01 00:00:00");
    EXPECT_FALSE(p->HandleAllocated());
    EXPECT_FALSE(p->DroppedDown());
}

TEST(DateTimePicker, FormatLettersBecomeQtsFields) {
    struct Case {
        const char* Format;
        const char* Qt;
    } cases[] = {
        {"dd/MM/yyyy", "dd/MM/yyyy"}, {"d MMMM yy", "d MMMM yy"}, {"dddd, d. MMM y", "dddd, d. MMM yy"},
        {"HH:mm:ss", "HH:mm:ss"},     {"h:mm tt", "h:mm AP"},     {"'Week of' dd.MM.", "'Week of' dd.MM."},
        {"'it''s' d", "'it''s' d"},   {"gg yyyy", " yyyy"}, // the era is not shown
        {"dd x", "dd 'x'"},                                 // a letter without a meaning shows as itself
        {"zz 'open", "'zz' 'open'"},                        // an open quote is closed
    };
    for (const Case& c : cases)
        EXPECT_EQ(DateTimePickerQtFormat(c.Format), c.Qt) << c.Format;
}

TEST_F(PickerTest, KeysMoveBetweenFieldsAndStepThem) {
    Key(Qt::Key_Left);
    Key(Qt::Key_Left); // to the first field, the day, whatever field had the caret
    Key(Qt::Key_Up);
    EXPECT_EQ(shown(picker->DateTime()), "2024-03-16 10:20:30");
    Key(Qt::Key_Right);
    Key(Qt::Key_Up);
    EXPECT_EQ(shown(picker->DateTime()), "2024-04-16 10:20:30");
    Key(Qt::Key_Right);
    Key(Qt::Key_Down);
    EXPECT_EQ(shown(picker->DateTime()), "2023-04-16 10:20:30");
    Key(Qt::Key_Left);
    Key(Qt::Key_Left);
    Key(Qt::Key_0, "0");
    Key(Qt::Key_9, "9");
    EXPECT_EQ(shown(picker->DateTime()), "2023-04-09 10:20:30");
    EXPECT_EQ(log.count("change"), 4);
    EXPECT_EQ(Edit()->text(), "09/04/2023");
    EXPECT_EQ(picker->Text(), "09/04/2023");

    // A key sent without a key event moves too, as the platform's picker takes a posted Right.
    Key(Qt::Key_Left);
    Key(Qt::Key_Left);
    picker->Perform(WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(Edit()->currentSection(), QDateTimeEdit::MonthSection);
    // A value set by code is no change of the person's.
    log.clear();
    picker->SetDateTime(dateOf(2001, 2, 3));
    EXPECT_EQ(Edit()->text(), "03/02/2001");
    EXPECT_TRUE(log.isEmpty());
}

TEST_F(PickerTest, TheCalendarOpensByKeyAndTakesTheDayPicked) {
    for (bool take : {true, false}) {
        log.clear();
        picker->SetDateTime(dateOf(2024, 3, 15));
        Key(Qt::Key_F4);
        ASSERT_TRUE(picker->DroppedDown());
        auto* calendar = QApplication::activePopupWidget()->findChild<QCalendarWidget*>();
        ASSERT_NE(calendar, nullptr);
        EXPECT_EQ(calendar->selectedDate(), QDate(2024, 3, 15));
        Key(Qt::Key_Right); // the next day
        if (take)
            Key(Qt::Key_Return, "\r");
        else
            Key(Qt::Key_Escape);
        QApplication::processEvents();
        EXPECT_FALSE(picker->DroppedDown());
        EXPECT_TRUE(picker->Focused());
        EXPECT_EQ(shown(picker->DateTime()), take ? "2024-03-16 00:00:00" : "2024-03-15 00:00:00");
        EXPECT_EQ(log.first(), "dropdown");
        EXPECT_EQ(log.last(), "closeup");
        EXPECT_GE(log.count("change"), take ? 1 : 0);
    }
    // A time picker has no calendar.
    picker->SetKind(dtkTime);
    Key(Qt::Key_F4);
    EXPECT_FALSE(picker->DroppedDown());
}

TEST_F(PickerTest, TheCheckBoxSaysWhetherThereIsADate) {
    picker->SetShowCheckbox(true);
    picker->SetChecked(false);
    auto* box = picker->Widget()->findChild<QCheckBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_FALSE(box->isChecked());
    EXPECT_TRUE(log.isEmpty());

    Key(Qt::Key_Space, " ");
    EXPECT_TRUE(picker->Checked());
    EXPECT_EQ(Edit()->text(), "15/03/2024"); // the space is no part of the date
    Key(Qt::Key_Space, " ");
    EXPECT_FALSE(picker->Checked());
    EXPECT_EQ(log, QStringList({"change", "change"}));

    // A change made in the fields checks the box; the value was kept meanwhile.
    Key(Qt::Key_Left);
    Key(Qt::Key_Left);
    Key(Qt::Key_Up);
    EXPECT_TRUE(picker->Checked());
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(shown(picker->DateTime()), "2024-03-16 10:20:30");

    // And the mouse.
    log.clear();
    qvtest::ClickAt(box, QPointF(box->width() / 2, box->height() / 2));
    EXPECT_FALSE(picker->Checked());
    EXPECT_EQ(log, QStringList({"change"}));
}

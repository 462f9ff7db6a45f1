// The date-time pickers: the auto-tab rule from a table, then typed by real keys in day-first and year-first
// formats, the time part beside the date, the "no date" check box with the calendar's notifications, the
// label, and the own look probed on grabs.
#include "controls/editors/DateTimeAutoTab.h"
#include "controls/editors/QvDateTimePicker.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/stdctrls/StdCtrls.h"

#include "InputEvents.h"

#include <QApplication>
#include <QImage>
#include <QLocale>
#include <QPointer>
#include <gtest/gtest.h>

namespace qvdatetimepickertest {

namespace {

TDateTime At(int y, int m, int d, int h = 0, int n = 0, int s = 0) {
    TDateTime date = 0, time = 0;
    TryDateFromParts(y, m, d, date);
    TryTimeFromParts(h, n, s, time);
    return date + time;
}

QString Shown(TDateTime v) {
    int y, m, d, h, n, s;
    DatePartsOf(v, y, m, d);
    TimePartsOf(v, h, n, s);
    return QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", y, m, d, h, n, s);
}

void TypeDigits(const char* digits) {
    for (const char* c = digits; *c; ++c) {
        qvtest::KeyToFocus(Qt::Key_0 + (*c - '0'), QString(QChar(*c)));
        QApplication::processEvents(); // the auto-tab check is posted
    }
}

QRgb PickerRgb(TColor c) {
    const TColor v = ColorToRGB(c);
    return qRgb(GetRValue(v), GetGValue(v), GetBValue(v)) & 0xFFFFFF;
}

struct PickerForm {
    TForm form{nullptr};
    TQvDateTimePicker* picker;
    explicit PickerForm(TQvDateTimeKind kind, const char* format = "dd/MM/yyyy") {
        form.SetClientSize(360, 140);
        form.SetColor(clLime);
        picker = new TQvDateTimePicker(&form);
        picker->SetParent(&form);
        picker->SetBounds(80, 40, 240, 24);
        picker->SetKind(kind);
        picker->SetFormat(format);
        picker->SetTimeFormat("HH:mm:ss");
        picker->SetDateTime(At(2024, 3, 15, 10, 20, 30));
        form.Show();
        picker->SetFocus();
        picker->SetFieldIndex(0);
        QApplication::processEvents();
    }
    ~PickerForm() { form.Hide(); }
};

} // namespace

TEST(DateTimeAutoTab, StepAfterADigit) {
    const TDateTime before = At(2024, 3, 15, 10, 20, 30);
    struct Case {
        const char* name;
        bool timeKind;
        const char* format;
        TDateTime after;
        int fieldAfter; // the digit went into field 0
        bool autoTab, timePart;
        TAutoTabStep step;
    } cases[] = {
        {"a whole field the picker left stays left", false, "dd/MM/yyyy", At(2024, 3, 12), 1, true, false,
         TAutoTabStep::Stay},
        {"without auto-tab the caret goes back", false, "dd/MM/yyyy", At(2024, 3, 12), 1, false, false,
         TAutoTabStep::BackToField},
        {"a digit that changed nothing yet", false, "dd/MM/yyyy", before, 0, true, false, TAutoTabStep::Stay},
        {"a changed field kept moves on", false, "dd/MM/yyyy", At(2024, 3, 4), 0, true, false,
         TAutoTabStep::NextField},
        {"the last field goes to the time part", false, "dd/MM/yyyy", At(2025, 3, 15), 0, true, true,
         TAutoTabStep::TimePart},
        {"the last field without a time part stays", false, "dd/MM/yyyy", At(2025, 3, 15), 0, true, false,
         TAutoTabStep::Stay},
        {"a year first moves on", false, "yyyy/MM/dd", At(2025, 3, 15), 0, true, true,
         TAutoTabStep::NextField},
        {"a day last goes to the time part", false, "yyyy/MM/dd", At(2024, 3, 5), 0, true, true,
         TAutoTabStep::TimePart},
        {"quoted text and separators do not count", false, "dd.MM.yyyy 'r'.", At(2026, 3, 15), 0, true, true,
         TAutoTabStep::TimePart},
        {"a changed minute moves on", true, "HH:mm:ss", At(2024, 3, 15, 10, 25, 30), 0, true, false,
         TAutoTabStep::NextField},
        {"an unchanged time stays", true, "HH:mm:ss", before, 0, true, false, TAutoTabStep::Stay},
    };
    for (const Case& c : cases) {
        TAutoTabKey key;
        key.TimeKind = c.timeKind;
        key.Format = c.format;
        key.Before = before;
        key.After = c.after;
        key.FieldBefore = 0;
        key.FieldAfter = c.fieldAfter;
        key.AutoTab = c.autoTab;
        key.HasTimePart = c.timePart;
        EXPECT_EQ(AutoTabStep(key), c.step) << c.name;
    }
}

TEST(QvDateTimePicker, AutoTabTypesWholeDatesInEitherFieldOrder) {
    struct Case {
        const char* format;
        const char* digits;
        const char* date;
    } cases[] = {
        {"dd/MM/yyyy", "12052025", "2025-05-12"},
        // The year field is left only once it holds four digits.
        {"yyyy/MM/dd", "20251231", "2025-12-31"},
        {"MM-dd-yyyy", "07041999", "1999-07-04"},
    };
    for (const Case& c : cases) {
        PickerForm f(dkDate, c.format);
        f.picker->SetAutoTab(true);
        TypeDigits(c.digits);
        EXPECT_EQ(Shown(f.picker->DateTime()).left(10), c.date) << c.format;
    }
}

TEST(QvDateTimePicker, WithoutAutoTabTheCaretStaysInTheField) {
    PickerForm f(dkDate);
    TypeDigits("12");
    EXPECT_EQ(f.picker->FieldIndex(), 0);
    TypeDigits("09");
    EXPECT_EQ(Shown(f.picker->DateTime()).left(10), "2024-03-09");
    qvtest::KeyToFocus(Qt::Key_Right);
    TypeDigits("11");
    EXPECT_EQ(Shown(f.picker->DateTime()).left(10), "2024-11-09");
}

TEST(QvDateTimePicker, AutoTabLeavesTheDateForTheTimePartAndTypesTheTime) {
    PickerForm f(dkDateTime);
    f.picker->SetAutoTab(true);
    std::vector<TDateTime> times;
    f.picker->OnTimeChange = [&](TObject*) { times.push_back(f.picker->DateTime()); };
    TypeDigits("01022023");
    ASSERT_NE(f.picker->TimePicker(), nullptr);
    EXPECT_TRUE(f.picker->TimePicker()->Focused());
    TypeDigits("073005");
    EXPECT_EQ(Shown(f.picker->DateTime()), "2023-02-01 07:30:05");
    ASSERT_FALSE(times.empty());
    EXPECT_EQ(Shown(times.back()), "2023-02-01 07:30:05");
    // Shift+Tab goes back to the date.
    qvtest::KeyToFocus(Qt::Key_Backtab, QString(), Qt::ShiftModifier);
    EXPECT_TRUE(f.picker->Focused());
}

TEST(QvDateTimePicker, TimePartComesAndGoesWithTheKind) {
    PickerForm f(dkDateTime);
    TCustomDateTimePicker* part = f.picker->TimePicker();
    ASSERT_NE(part, nullptr);
    EXPECT_TRUE(part->Visible());
    EXPECT_EQ(part->Parent(), f.picker);
    EXPECT_EQ(part->Text(), "10:20:30");
    // At the right end, as wide as its text and arrows.
    EXPECT_GT(part->Width(), 31);
    EXPECT_LT(part->Left() + part->Width(), f.picker->Width());
    EXPECT_GT(part->Left(), f.picker->Width() / 3);
    QPointer<QWidget> gone = part->Widget();
    f.picker->SetKind(dkDate);
    EXPECT_EQ(f.picker->TimePicker(), nullptr);
    EXPECT_EQ(Shown(f.picker->DateTime()), "2024-03-15 10:20:30");
    EXPECT_TRUE(gone.isNull());
    f.picker->SetKind(dkDateTime);
    ASSERT_NE(f.picker->TimePicker(), nullptr);
    EXPECT_TRUE(f.picker->TimePicker()->Visible());
    // Whole seconds only.
    f.picker->SetDateTime(At(2000, 1, 2, 3, 4, 5) + 0.4 / 86400.0);
    EXPECT_EQ(Shown(f.picker->DateTime()), "2000-01-02 03:04:05");
    EXPECT_DOUBLE_EQ(f.picker->DateTime(), At(2000, 1, 2, 3, 4, 5));
    EXPECT_EQ(f.picker->Version(), "1.2.0.0");
}

TEST(QvDateTimePicker, NoDateDisablesTheTimePartAndTheCalendarStillReports) {
    PickerForm f(dkDateTime);
    QStringList log;
    f.picker->OnDropDown = [&](TObject*) { log << "dropdown"; };
    f.picker->OnCloseUp = [&](TObject*) { log << "closeup"; };
    f.picker->OnChange = [&](TObject*) { log << "change"; };
    f.picker->SetShowCheckbox(true);
    f.picker->SetChecked(false);
    f.picker->SetDateTime(f.picker->DateTime());
    EXPECT_FALSE(f.picker->TimePicker()->Enabled());
    qvtest::KeyToFocus(Qt::Key_Space, " ");
    EXPECT_TRUE(f.picker->Checked());
    EXPECT_TRUE(f.picker->TimePicker()->Enabled());
    qvtest::KeyToFocus(Qt::Key_F4);
    ASSERT_TRUE(f.picker->DroppedDown());
    qvtest::KeyToFocus(Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_FALSE(f.picker->DroppedDown());
    EXPECT_EQ(log, QStringList({"change", "dropdown", "closeup"}));
}

TEST(QvDateTimePicker, LabelStandsBesideAndAnswersClicks) {
    PickerForm f(dkDate);
    int clicks = 0;
    f.picker->OnLabelClick = [&](TObject* sender) {
        EXPECT_EQ(sender, f.picker);
        ++clicks;
    };
    f.picker->SetLabelCaption("From");
    TLabel* label = f.picker->PickerLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Parent(), &f.form);
    EXPECT_EQ(label->Left() + AttachedLabelTextWidth(label) + 4, f.picker->Left());
    f.picker->SetLabelPosition(lpTopLeft);
    EXPECT_EQ(label->Top(), f.picker->Top() - label->Height() - 4);
    QApplication::processEvents();
    qvtest::ClickAt(label->Widget(), QPointF(2, 2));
    EXPECT_EQ(clicks, 1);
    f.picker->SetEnabled(false);
    EXPECT_FALSE(label->Enabled());
    f.picker->SetLabelAlwaysEnabled(true);
    EXPECT_TRUE(label->Enabled());
    f.picker->SetVisible(false);
    EXPECT_FALSE(label->Visible());
}

TEST(QsgDateTimePicker, OwnLookOnlyWhenAskedFor) {
    TForm form(nullptr);
    form.SetClientSize(300, 100);
    form.SetColor(clLime);
    auto* plain = new TDateTimePicker(&form);
    plain->SetParent(&form);
    plain->SetBounds(10, 10, 200, 24);
    auto* flat = new TQsgDateTimePicker(&form);
    flat->SetParent(&form);
    flat->SetBounds(10, 50, 200, 24);
    for (TDateTimePicker* p : {plain, static_cast<TDateTimePicker*>(flat)}) {
        p->SetFormat("dd/MM/yyyy");
        p->SetDateTime(At(2024, 3, 15));
    }
    // The focus stays elsewhere: a focused picker shows its current field selected.
    auto* elsewhere = new TEdit(&form);
    elsewhere->SetParent(&form);
    elsewhere->SetBounds(220, 10, 60, 24);
    form.Show();
    elsewhere->SetFocus();
    QApplication::processEvents();
    auto shot = [&](TControl* c) {
        QApplication::processEvents();
        return form.Grab().copy(c->Left(), c->Top(), c->Width(), c->Height());
    };
    // Neither metro nor a flat frame: exactly the platform's picker.
    EXPECT_EQ(shot(flat), shot(plain));
    EXPECT_EQ(flat->Version(), "1.0.0.0");

    flat->SetMetroStyle(true);
    flat->SetBorderColor(clRed);
    QImage img = shot(flat);
    EXPECT_EQ(img.pixel(0, img.height() / 2) & 0xFFFFFF, PickerRgb(clRed));
    flat->SetButtonColor(clBlue);
    img = shot(flat);
    const int strip = flat->ClientWidth() - flat->ButtonWidth();
    EXPECT_EQ(img.pixel(strip + 4, 4) & 0xFFFFFF, PickerRgb(clBlue));
    // A time gets borders but no drop button of its own.
    flat->SetKind(dtkTime);
    img = shot(flat);
    EXPECT_EQ(img.pixel(0, img.height() / 2) & 0xFFFFFF, PickerRgb(clRed));
    EXPECT_NE(img.pixel(strip + 4, 4) & 0xFFFFFF, PickerRgb(clBlue));

    // Without the 3D look a themed picker frames itself in grey blue, not in the border colour.
    flat->SetMetroStyle(false);
    flat->SetKind(dtkDate);
    flat->SetBorderStyle(bsSingle);
    flat->SetCtl3D(false);
    img = shot(flat);
    EXPECT_EQ(img.pixel(0, img.height() / 2) & 0xFFFFFF, PickerRgb(0xB99D7F));
}

} // namespace qvdatetimepickertest

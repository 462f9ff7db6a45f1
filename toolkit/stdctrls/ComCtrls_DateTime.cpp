// The date-time picker over QDateTimeEdit, with its calendar drop-down and its "no date" check box.
#include "toolkit/stdctrls/ComCtrls_DateTime.h"
#include "toolkit/controls/ControlsBridge.h"
#include "toolkit/system/DesignValue.h"
#include "toolkit/system/ScopedValue.h"
#include "toolkit/system/SysUtils.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <cmath>

namespace {

const QDate kPickerDateZero(1899, 12, 30);
constexpr qint64 kPickerDayMs = 86400000;

// The picker works in coordinated time, so that no value falls into a daylight-saving gap.
QDateTime pickerQtDateTime(TDateTime v) {
    const double days = std::trunc(v);
    qint64 ms = qint64(std::llround(std::fabs(v - days) * double(kPickerDayMs)));
    ms = std::clamp<qint64>(ms, 0, kPickerDayMs - 1);
    return QDateTime(kPickerDateZero.addDays(qint64(days)), QTime::fromMSecsSinceStartOfDay(int(ms)),
                     Qt::UTC);
}

TDateTime pickerDateTimeOf(const QDateTime& dt) {
    const double days = double(kPickerDateZero.daysTo(dt.date()));
    const double fraction = double(dt.time().msecsSinceStartOfDay()) / double(kPickerDayMs);
    return days >= 0 ? days + fraction : days - fraction;
}

// The picker's native window: the check box (when shown) at the left, the fields filling the rest.
class DateTimeBox : public QWidget {
public:
    explicit DateTimeBox(QWidget* parent)
        : QWidget(parent), Check(new QCheckBox(this)), Edit(new QDateTimeEdit(this)) {
        Check->setFocusPolicy(Qt::NoFocus);
        Edit->setTimeSpec(Qt::UTC);
        setFocusProxy(Edit);
        setFocusPolicy(Qt::StrongFocus);
    }
    void Layout() {
        int x = 0;
        if (!Check->isHidden()) {
            const QSize box = Check->sizeHint();
            Check->setGeometry(2, (height() - box.height()) / 2, box.width(), box.height());
            x = box.width() + 4;
        }
        Edit->setGeometry(x, 0, std::max(0, width() - x), height());
    }
    QCheckBox* Check;
    QDateTimeEdit* Edit;

protected:
    void resizeEvent(QResizeEvent*) override { Layout(); }
};

// Tells the picker when its calendar opens and closes, and whether Escape closed it.
class CalendarWatch : public QObject {
public:
    static constexpr const char* kName = "qv-calendar-watch";
    CalendarWatch(QWidget* popup, std::function<void(bool shown, bool cancelled)> tell)
        : QObject(popup), FPopup(popup), FTell(std::move(tell)) {
        setObjectName(kName);
    }
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape)
            FCancelled = true;
        if (watched != FPopup) return false;
        if (e->type() == QEvent::Show) {
            FCancelled = false;
            FTell(true, false);
        } else if (e->type() == QEvent::Hide) {
            FTell(false, FCancelled);
        }
        return false;
    }

private:
    QWidget* FPopup;
    std::function<void(bool, bool)> FTell;
    bool FCancelled = false;
};

} // namespace

String DateTimePickerQtFormat(const String& format) {
    String out;
    for (int i = 0; i < format.size();) {
        const QChar c = format[i];
        if (c == QChar('\'')) {
            // A quoted text stays quoted (two quotes stand for one, in both).
            int j = i + 1;
            while (j < format.size()) {
                if (format[j] == QChar('\'')) {
                    if (j + 1 < format.size() && format[j + 1] == QChar('\'')) {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            out += format.mid(i, j - i + 1);
            if (j >= format.size()) out += QChar('\'');
            i = j + 1;
            continue;
        }
        if (!c.isLetter() || c.unicode() > 127) {
            out += c;
            ++i;
            continue;
        }
        int run = 1;
        while (i + run < format.size() && format[i + run] == c)
            ++run;
        i += run;
        switch (c.unicode()) {
        case 'd':
        case 'M':
            out += String(std::min(run, 4), c);
            break;
        case 'y':
            out += run <= 2 ? QStringLiteral("yy") : QStringLiteral("yyyy");
            break;
        case 'h':
        case 'H':
        case 'm':
        case 's':
            out += String(std::min(run, 2), c);
            break;
        case 't':
            out += QStringLiteral("AP");
            break;
        case 'g':
            break; // the era: not shown
        default:
            // A letter with no meaning here shows as itself.
            out += QChar('\'') + String(run, c) + QChar('\'');
        }
    }
    return out;
}

TDateTimePicker::TDateTimePicker(TComponent* AOwner) : TWinControl(AOwner), FDateTime(Now()) {
    SetBounds(0, 0, 186, 21);
    SetTabStop(true);
    SetColor(clWindow);
    SetParentColor(false);
}

TDateTimePicker::~TDateTimePicker() = default;

QDateTimeEdit* TDateTimePicker::DateEdit() const {
    auto* box = static_cast<DateTimeBox*>(FWidget.data());
    return box ? box->Edit : nullptr;
}

QWidget* TDateTimePicker::CreateNativeWidget(QWidget* parent) {
    auto* box = new DateTimeBox(parent);
    AttachEvents(box->Edit);
    if (auto* line = box->Edit->findChild<QLineEdit*>()) AttachEvents(line);
    QObject::connect(box->Edit, &QDateTimeEdit::dateTimeChanged, box,
                     qvdetail::Guarded([this](const QDateTime& dt) {
                         if (!FSyncing) PersonChanged(pickerDateTimeOf(dt));
                     }));
    QObject::connect(box->Check, &QCheckBox::toggled, box, qvdetail::Guarded([this](bool on) {
                         if (FSyncing || on == FChecked) return;
                         SetChecked(on);
                         Change();
                     }));
    return box;
}

void TDateTimePicker::SyncWidget() {
    TWinControl::SyncWidget();
    PushToWidget();
}

String TDateTimePicker::QtFormat() const {
    if (!FFormat.isEmpty()) return DateTimePickerQtFormat(FFormat);
    return FKind == dtkDate ? ShortDateFormat() : LongTimeFormat();
}

String TDateTimePicker::GetText() const {
    if (QDateTimeEdit* e = DateEdit()) return e->text();
    return QLocale().toString(pickerQtDateTime(FDateTime), QtFormat());
}

void TDateTimePicker::PushToWidget() {
    auto* box = static_cast<DateTimeBox*>(FWidget.data());
    if (!box) return;
    const ScopedValue<bool> syncing(FSyncing, true);
    QDateTimeEdit* e = box->Edit;
    e->setDisplayFormat(QtFormat());
    e->setCalendarPopup(FKind == dtkDate && FDateMode == dmComboBox);
    e->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    if (FMinDate != 0)
        e->setMinimumDateTime(pickerQtDateTime(FMinDate));
    else
        e->clearMinimumDateTime();
    if (FMaxDate != 0)
        e->setMaximumDateTime(pickerQtDateTime(FMaxDate));
    else
        e->clearMaximumDateTime();
    e->setDateTime(pickerQtDateTime(FDateTime));
    if (QCalendarWidget* calendar = e->calendarWidget()) {
        QWidget* popup = calendar->window();
        if (popup != box->window() &&
            !popup->findChild<QObject*>(CalendarWatch::kName, Qt::FindDirectChildrenOnly)) {
            auto* watch = new CalendarWatch(
                popup, [this](bool shown, bool cancelled) { CalendarShown(shown, cancelled); });
            popup->installEventFilter(watch);
            for (QWidget* part : popup->findChildren<QWidget*>())
                part->installEventFilter(watch);
            qvdetail::GiveBackActivationAfterPopup(popup);
        }
    }
    PushCheck();
}

void TDateTimePicker::PushCheck() {
    auto* box = static_cast<DateTimeBox*>(FWidget.data());
    if (!box) return;
    const ScopedValue<bool> syncing(FSyncing, true);
    box->Check->setVisible(FShowCheckbox);
    box->Check->setChecked(FChecked);
    // The "no date" state greys the fields; they stay usable, and a change made in them checks the box.
    QPalette palette = box->palette();
    if (FShowCheckbox && !FChecked)
        palette.setColor(QPalette::Text, palette.color(QPalette::Disabled, QPalette::Text));
    box->Edit->setPalette(palette);
    box->Layout();
}

TDateTime TDateTimePicker::Clamped(TDateTime v) const {
    if (FMinDate != 0 && v < FMinDate) v = FMinDate;
    if (FMaxDate != 0 && v > FMaxDate) v = FMaxDate;
    return v;
}

void TDateTimePicker::SetNativeDateTime(TDateTime v) {
    FDateTime = Clamped(v);
    if (QDateTimeEdit* e = DateEdit()) {
        const ScopedValue<bool> syncing(FSyncing, true);
        e->setDateTime(pickerQtDateTime(FDateTime));
    }
}

void TDateTimePicker::SetDateTime(TDateTime v) {
    SetNativeDateTime(v);
}

TDateTime TDateTimePicker::Date() const {
    return std::trunc(FDateTime);
}

void TDateTimePicker::SetDate(TDateTime v) {
    const double time = std::fabs(FDateTime - std::trunc(FDateTime));
    const double day = std::trunc(v);
    SetNativeDateTime(day >= 0 ? day + time : day - time);
}

TDateTime TDateTimePicker::Time() const {
    return std::fabs(FDateTime - std::trunc(FDateTime));
}

void TDateTimePicker::SetTime(TDateTime v) {
    const double day = std::trunc(FDateTime);
    const double time = std::fabs(v - std::trunc(v));
    SetNativeDateTime(day >= 0 ? day + time : day - time);
}

void TDateTimePicker::SetKind(TDateTimeKind v) {
    FKind = v;
    PushToWidget();
}

void TDateTimePicker::SetDateMode(TDTDateMode v) {
    FDateMode = v;
    PushToWidget();
}

void TDateTimePicker::SetFormat(const String& v) {
    FFormat = v;
    PushToWidget();
}

void TDateTimePicker::SetMinDate(TDateTime v) {
    FMinDate = v;
    FDateTime = Clamped(FDateTime);
    PushToWidget();
}

void TDateTimePicker::SetMaxDate(TDateTime v) {
    FMaxDate = v;
    FDateTime = Clamped(FDateTime);
    PushToWidget();
}

void TDateTimePicker::SetShowCheckbox(bool v) {
    FShowCheckbox = v;
    PushCheck();
}

void TDateTimePicker::SetChecked(bool v) {
    FChecked = v;
    PushCheck();
}

void TDateTimePicker::PersonChanged(TDateTime v) {
    FDateTime = v;
    if (FShowCheckbox && !FChecked) SetChecked(true);
    Change();
}

bool TDateTimePicker::DroppedDown() const {
    QDateTimeEdit* e = DateEdit();
    QCalendarWidget* calendar = e ? e->calendarWidget() : nullptr;
    return calendar && calendar->window() != e->window() && calendar->window()->isVisible();
}

void TDateTimePicker::SetDroppedDown(bool v) {
    QDateTimeEdit* e = DateEdit();
    if (!e || !e->calendarPopup() || v == DroppedDown() || !Enabled()) return;
    if (!v) {
        e->calendarWidget()->window()->hide();
        return;
    }
    // Qt's picker opens its calendar from a press on its button, and only from there.
    QStyleOptionComboBox option;
    option.initFrom(e);
    option.editable = true;
    option.subControls = QStyle::SC_All;
    const QRect button =
        e->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, e);
    const QPointF at = button.center();
    QMouseEvent press(QEvent::MouseButtonPress, at, e->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(e, &press);
}

void TDateTimePicker::CalendarShown(bool shown, bool cancelled) {
    if (shown == FDropped) return;
    FDropped = shown;
    if (shown) {
        FDropValue = FDateTime;
        DropDown();
        return;
    }
    // The calendar moves the date as the person goes through it; Escape takes that back.
    if (cancelled && FDateTime != FDropValue) {
        SetNativeDateTime(FDropValue);
        Change();
    }
    CloseUp();
}

int TDateTimePicker::FieldCount() const {
    QDateTimeEdit* e = DateEdit();
    return e ? e->sectionCount() : 0;
}

int TDateTimePicker::FieldIndex() const {
    QDateTimeEdit* e = DateEdit();
    return e ? e->currentSectionIndex() : -1;
}

void TDateTimePicker::SetFieldIndex(int v) {
    QDateTimeEdit* e = DateEdit();
    if (!e || e->sectionCount() == 0) return;
    e->setCurrentSectionIndex(std::clamp(v, 0, e->sectionCount() - 1));
    // The whole field is selected, so the next digit replaces it as on the platform.
    e->setSelectedSection(e->currentSection());
}

void TDateTimePicker::CommitTyped() {
    if (QDateTimeEdit* e = DateEdit()) e->interpretText();
}

void TDateTimePicker::StepField(int delta) {
    QDateTimeEdit* e = DateEdit();
    if (!e || e->sectionCount() == 0) return;
    SetFieldIndex(e->currentSectionIndex() + delta);
}

void TDateTimePicker::KeyDown(Word& Key, TShiftState Shift) {
    TWinControl::KeyDown(Key, Shift);
    switch (Key) {
    case VK_LEFT:
    case VK_RIGHT:
        if (Shift & ssAlt) break;
        StepField(Key == VK_RIGHT ? 1 : -1);
        Key = 0;
        break;
    case VK_F4:
        if (Shift & (ssAlt | ssCtrl)) break;
        SetDroppedDown(!DroppedDown());
        Key = 0;
        break;
    case VK_DOWN:
    case VK_UP:
        if (Shift & ssAlt) {
            SetDroppedDown(!DroppedDown());
            Key = 0;
        }
        break;
    case VK_SPACE:
        if (FShowCheckbox) {
            SetChecked(!FChecked);
            Change();
            Key = 0;
        }
        break;
    default:
        break;
    }
}

void TDateTimePicker::DefaultHandler(TMessage& m) {
    TWinControl::DefaultHandler(m);
    // The space checked or unchecked the box already; the fields do not take it.
    if (m.Msg == WM_CHAR && m.CharCode() == ' ' && FShowCheckbox) m.PassToNative = false;
}

void TDateTimePicker::Change() {
    // The parent hears of the person's change first (DTN_DATETIMECHANGE), as the platform's picker tells
    // it, then the picker's own OnChange fires.
    if (Parent()) {
        NMDATETIMECHANGE change;
        change.nmhdr.hwndFrom = this;
        change.nmhdr.code = DTN_DATETIMECHANGE;
        if (FShowCheckbox && !FChecked) {
            change.dwFlags = GDT_NONE;
        } else {
            int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
            DatePartsOf(FDateTime, y, mo, d);
            TimePartsOf(FDateTime, h, mi, s);
            change.st.wYear = Word(y);
            change.st.wMonth = Word(mo);
            change.st.wDay = Word(d);
            change.st.wHour = Word(h);
            change.st.wMinute = Word(mi);
            change.st.wSecond = Word(s);
        }
        Parent()->Perform(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
    }
    if (OnChange) OnChange(this);
}

void TDateTimePicker::DropDown() {
    if (OnDropDown) OnDropDown(this);
}

void TDateTimePicker::CloseUp() {
    if (OnCloseUp) OnCloseUp(this);
}

bool TDateTimePicker::ReadProperty(const String& name, const TDesignValue& v) {
    const QString n = name.toLower();
    if (n == "kind")
        SetKind(DesignEnumOf<TDateTimeKind>(v, dtkDate, dtkDate, dtkTime));
    else if (n == "datemode")
        SetDateMode(DesignEnumOf<TDTDateMode>(v, dmComboBox, dmComboBox, dmUpDown));
    else if (n == "format")
        SetFormat(v.AsString());
    else if (n == "showcheckbox")
        SetShowCheckbox(v.AsBool());
    else if (n == "checked")
        SetChecked(v.AsBool());
    else if (n == "date")
        SetDate(v.AsFloat());
    else if (n == "time")
        SetTime(v.AsFloat());
    else if (n == "datetime")
        SetDateTime(v.AsFloat());
    else if (n == "mindate")
        SetMinDate(v.AsFloat());
    else if (n == "maxdate")
        SetMaxDate(v.AsFloat());
    else
        return TWinControl::ReadProperty(name, v);
    return true;
}

// The spin edit: values of four kinds kept as text, stepping by buttons and keys, the typed-character filter.
#include "controls/editors/qsgspin.h"
#include "controls/editors/EditLayout.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/SystemLook.h"
#include "toolkit/graphics/ThemeDraw.h"
#include "toolkit/system/DesignValue.h"
#include "toolkit/system/SysUtils.h"

#include <cmath>

namespace {

// Posted to itself when Enter moves on like Tab, so the move happens after the key is done.
constexpr UINT kSpinReturnTab = WM_USER + 0x5B1;

// 1-based position of the first and second `sep` in `text`, 0 when absent.
void SpinSeparatorPositions(const String& text, QChar sep, int& p1, int& p2) {
    const qsizetype a = text.indexOf(sep);
    p1 = a < 0 ? 0 : static_cast<int>(a) + 1;
    const qsizetype b = a < 0 ? -1 : text.indexOf(sep, a + 1);
    p2 = b < 0 ? 0 : static_cast<int>(b) + 1;
}

template <class T> T SpinClamp(T v, T lo, T hi) {
    if (lo == hi) return v;
    if (v < lo) return lo;
    if (v > hi) return hi;
    return v;
}

// A date a number of years away, on the same day and month; 29 February becomes the 28th in other years.
TDateTime SpinYearStep(TDateTime date, int years) {
    int y = 0, m = 0, d = 0;
    DatePartsOf(date, y, m, d);
    y = std::clamp(y + years, 1, 9999);
    TDateTime out = 0;
    TryDateFromParts(y, m, std::min(d, DaysInAMonth(y, m)), out);
    return out;
}

// A month away, keeping the day when that month has it and taking its last day otherwise.
TDateTime SpinMonthStep(TDateTime date, int months) {
    int y = 0, m = 0, d = 0;
    DatePartsOf(date, y, m, d);
    const double time = date - std::floor(date);
    int index = y * 12 + (m - 1) + months;
    y = std::clamp(index / 12, 1, 9999);
    m = index % 12 + 1;
    TDateTime out = 0;
    TryDateFromParts(y, m, std::min(d, DaysInAMonth(y, m)), out);
    return out + time;
}

} // namespace

TQsgSpinEdit::TQsgSpinEdit(TComponent* AOwner) : TEdit(AOwner) {
    FControlStyle &= ~csSetCaption;
    FButton = new TQsgSpinButton(this);
    FButton->SetBounds(0, 0, 15, 17);
    FButton->SetVisible(true);
    FButton->SetParent(this);
    FButton->SetFocusControl(this);
    FButton->OnUpClick = [this](TObject* s) { UpClick(s); };
    FButton->OnDownClick = [this](TObject* s) { DownClick(s); };
    SetText("0");
    PlaceButton();
}

TQsgSpinEdit::~TQsgSpinEdit() {
    SetDestroying();
    // The buttons go before the window they sit on.
    FButton = nullptr;
}

// ---- values ----

int TQsgSpinEdit::Value() const {
    const String t = Trim(Text());
    if (t.isEmpty()) return 0;
    Integer v = 0;
    return TryStrToInt(t, v) ? v : FMinValue;
}

void TQsgSpinEdit::SetValue(int v) {
    SetText(IntToStr(SpinClamp(v, FMinValue, FMaxValue)));
    if (!FEditorEnabled) SelectAll();
}

double TQsgSpinEdit::FloatValue() const {
    double v = 0;
    // A text that is no number reads as the float minimum (the integer minimum would lie outside the
    // float range whenever the two differ).
    return TryStrToFloat(Text(), v, DecimalSeparator()) ? v : FMinFloatValue;
}

void TQsgSpinEdit::SetFloatValue(double v) {
    v = SpinClamp(v, FMinFloatValue, FMaxFloatValue);
    if (FPrecision != 0) {
        String t = QString::number(v, 'f', std::max(0, FPrecision));
        t.replace(u'.', DecimalSeparator());
        SetText(t);
    } else {
        SetText(FloatToStr(v, DecimalSeparator()));
    }
}

TDateTime TQsgSpinEdit::DateValue() const {
    const String t = Trim(Text());
    if (t.isEmpty() || t == "0") return Now();
    TDateTime v = 0;
    return TryStrToDate(t, v) ? v : FMinDateValue;
}

void TQsgSpinEdit::WriteDate(TDateTime v) {
    const int caret = SelStart();
    SetText(DateToStr(v));
    SetSelStart(caret);
}

void TQsgSpinEdit::SetDateValue(TDateTime v) {
    FDateValue = v;
    if (IsLoading()) return;
    FDateValue = SpinClamp(v, FMinDateValue, FMaxDateValue);
    WriteDate(FDateValue);
}

TDateTime TQsgSpinEdit::TimeValue() const {
    TDateTime v = 0;
    return TryStrToTime(Text(), v) ? v : 0;
}

void TQsgSpinEdit::WriteTime(TDateTime v) {
    const int caret = SelStart();
    SetText(FShowSeconds ? TimeToStr(v) : FormatTimeHN(v));
    SetSelStart(caret);
}

void TQsgSpinEdit::SetTimeValue(TDateTime v) {
    FTimeValue = v;
    if (IsLoading()) return;
    FTimeValue = SpinClamp(v, FMinDateValue, FMaxDateValue);
    WriteTime(FTimeValue);
}

void TQsgSpinEdit::SetSpinType(TQsgSpinType v) {
    FSpinType = v;
    switch (v) {
    case sptNormal:
        SetValue(Value());
        break;
    case sptFloat:
        SetFloatValue(FloatValue());
        break;
    case sptDate:
        SetDateValue(DateValue());
        break;
    case sptTime:
        SetTimeValue(TimeValue());
        break;
    }
}

void TQsgSpinEdit::SetPrecision(int v) {
    FPrecision = v;
    if (FSpinType == sptFloat) SetFloatValue(FloatValue());
}

void TQsgSpinEdit::SetDirection(TSpinDirection v) {
    FDirection = v;
    FButton->SetDirection(v);
    PlaceButton();
}

void TQsgSpinEdit::SetEditAlign(TEditAlign v) {
    FEditAlign = v;
    SetAlignment(v == eaRight ? taRightJustify : v == eaCenter ? taCenter : taLeftJustify);
}

void TQsgSpinEdit::SetSpinFlat(bool v) {
    FSpinFlat = v;
    FButton->UpButton()->SetFlat(v);
    FButton->DownButton()->SetFlat(v);
}

void TQsgSpinEdit::SetSpinTransparent(bool v) {
    FSpinTransparent = v;
    FButton->UpButton()->SetTransparent(v);
    FButton->DownButton()->SetTransparent(v);
    PlaceButton();
}

void TQsgSpinEdit::SetIsWinXP(bool v) {
    FIsWinXP = v;
    FButton->SetIsWinXP(v);
}

// ---- stepping ----

void TQsgSpinEdit::StepUp(bool Page) {
    Step(+1, Page);
}
void TQsgSpinEdit::StepDown(bool Page) {
    Step(-1, Page);
}

void TQsgSpinEdit::Step(int sign, bool Page) {
    if (ReadOnly()) {
        Beep();
        return;
    }
    switch (FSpinType) {
    case sptNormal:
        SetValue(Value() + sign * FIncrement);
        break;
    case sptFloat:
        SetFloatValue(FloatValue() + sign * (Page ? FIncrementFloatPage : FIncrementFloat));
        break;
    case sptDate: {
        const String format = ShortDateFormat().toUpper();
        FUsDates = format.indexOf(u'M') < format.indexOf(u'D');
        int p1 = 0, p2 = 0;
        SpinSeparatorPositions(Text(), DateSeparator(), p1, p2);
        const int caret = SelStart();
        const TDateTime date = DateValue();
        const int field = caret < p1 ? 0 : caret < p2 ? 1 : 2;
        const bool monthField = (field == 0 && FUsDates) || (field == 1 && !FUsDates);
        if (field == 2)
            SetDateValue(SpinYearStep(date, sign));
        else if (monthField)
            SetDateValue(SpinMonthStep(date, sign));
        else
            SetDateValue(date + sign);
        break;
    }
    case sptTime: {
        int p1 = 0, p2 = 0;
        SpinSeparatorPositions(Text(), TimeSeparator(), p1, p2);
        const int caret = SelStart();
        // The step is a length of time, so increments of a day or more cannot fail.
        double step = 0;
        if (caret < p1)
            step = FIncrementHours / 24.0;
        else if (FShowSeconds && p2 > 0 && caret >= p2)
            step = FIncrementSeconds / 86400.0;
        else
            step = FIncrementMinutes / 1440.0;
        step -= std::floor(step);
        if (sign > 0) {
            SetTimeValue(TimeValue() + step);
        } else {
            double t = TimeValue() + 1 - step;
            if (t > 1) t -= 1;
            SetTimeValue(t);
        }
        break;
    }
    }
}

void TQsgSpinEdit::UpClick(TObject*) {
    StepUp(false);
}
void TQsgSpinEdit::DownClick(TObject*) {
    StepDown(false);
}

// ---- keys ----

bool TQsgSpinEdit::IsValidChar(QChar& Key) {
    if (Key == QChar(u'\b')) return FEditorEnabled;
    const QChar dec = DecimalSeparator(), thou = ThousandSeparator(), tsep = TimeSeparator(),
                dsep = DateSeparator();
    const String text = Text();
    const int selStart = SelStart(), selLength = SelLength();
    const String selected = text.mid(selStart, selLength);
    bool ok = Key == dec || Key == thou || Key == tsep || Key == dsep || Key.isNumber() || Key == u'-' ||
              (Key.unicode() < 32 && Key.unicode() != 13);
    auto separatorRule = [&](QChar sep, TQsgSpinType own) {
        if (Key != sep || FSpinType == own) return;
        if (sep == dec || sep == thou || sep == u'-' || sep == u'+')
            ok = ok && (FSpinType == sptNormal || FSpinType == sptFloat);
        else
            ok = false;
    };
    separatorRule(tsep, sptTime);
    separatorRule(dsep, sptDate);
    if (Key == u'-') {
        if (text.contains(u'-') && !selected.contains(u'-'))
            ok = false;
        else
            ok = ok && selStart == 0;
    }
    if (FSpinType == sptNormal) ok = ok && (Key.isNumber() || Key == u'-');
    if (FSpinType == sptFloat && Key != QChar(27) && Key != QChar(13)) {
        if (Key == thou && thou != dec) ok = false;
        if (Key == dec && text.contains(dec) && !selected.contains(dec)) ok = false;
        const qsizetype p0 = text.indexOf(dec);
        if (FPrecision > 0 && p0 >= 0 && ok && selLength == 0) {
            const int p = static_cast<int>(p0) + 1;
            if (selStart >= p && text.size() >= p + FPrecision) ok = false;
        }
    }
    if (FSpinType == sptTime && Key == tsep && text.count(tsep) >= 2) ok = false;
    if (!FEditorEnabled && ok && Key.unicode() >= 32) ok = false;
    return ok;
}

void TQsgSpinEdit::KeyPress(QChar& Key) {
    if (!IsValidChar(Key)) {
        Key = QChar();
        Beep();
        return;
    }
    TEdit::KeyPress(Key);
}

void TQsgSpinEdit::KeyDown(Word& Key, TShiftState Shift) {
    if (Key == VK_RETURN && FReturnIsTab) {
        Key = VK_TAB;
        PostMessage(this, kSpinReturnTab, (Shift & ssShift) ? 1 : 0, 0);
    }
    if (Key == VK_DELETE && !FEditorEnabled) Key = 0;
    // The edit's own cut and paste keys go the way of the cut and paste messages.
    if ((Shift & ssShift) && (Key == VK_INSERT || Key == VK_DELETE)) {
        Perform(Key == VK_INSERT ? WM_PASTE : WM_CUT);
        Key = 0;
    }
    TEdit::KeyDown(Key, Shift);
}

void TQsgSpinEdit::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case WM_KEYDOWN:
        switch (m.CharCode()) {
        case VK_PRIOR:
            StepUp(true);
            break;
        case VK_NEXT:
            StepDown(true);
            break;
        case VK_UP:
            StepUp(false);
            break;
        case VK_DOWN:
            StepDown(false);
            break;
        default:
            TEdit::Dispatch(m);
            return;
        }
        m.Result = 0;
        return;
    case WM_CHAR: {
        // The numeric keypad's decimal key types the locale's separator.
        if (FExcelStyleDecimalSeparator && m.CharCode() == u'.' && (m.LParam & (LPARAM(1) << 22)))
            m.SetCharCode(DecimalSeparator().unicode());
        TEdit::Dispatch(m);
        // Ctrl+X and Ctrl+V, when the filter let them through, are the cut and paste messages.
        if (m.CharCode() == 0x18 || m.CharCode() == 0x16) {
            Perform(m.CharCode() == 0x18 ? WM_CUT : WM_PASTE);
            m.SetCharCode(0);
            m.PassToNative = false;
        }
        return;
    }
    case WM_CUT:
    case WM_PASTE:
        if (FEditorEnabled && !ReadOnly()) {
            if (m.Msg == WM_CUT)
                CutToClipboard();
            else
                PasteFromClipboard();
        }
        return;
    case kSpinReturnTab:
        if (TCustomForm* form = GetParentForm(this)) form->SelectNext(this, m.WParam == 0, true);
        return;
    default:
        TEdit::Dispatch(m);
    }
}

// ---- focus ----

void TQsgSpinEdit::DoEnter() {
    if (AutoSelect() && !((ControlState() & csLButtonDown) && FEditorEnabled)) SelectAll();
    TWinControl::DoEnter();
}

void TQsgSpinEdit::DoExit() {
    TEdit::DoExit();
    switch (FSpinType) {
    case sptNormal: {
        const int v = Value();
        if (SpinClamp(v, FMinValue, FMaxValue) != v) SetValue(v);
        break;
    }
    case sptFloat: {
        const double v = FloatValue();
        if (SpinClamp(v, FMinFloatValue, FMaxFloatValue) != v) SetFloatValue(v);
        break;
    }
    case sptDate: {
        const TDateTime v = DateValue();
        if (SpinClamp(v, FMinDateValue, FMaxDateValue) != v) SetDateValue(v);
        break;
    }
    case sptTime: {
        const TDateTime v = TimeValue();
        if (SpinClamp(v, FMinDateValue, FMaxDateValue) != v) SetTimeValue(v);
        break;
    }
    }
}

// ---- layout ----

int TQsgSpinEdit::GetMinHeight() const {
    return EditMinHeight(Font());
}

void TQsgSpinEdit::Resize() {
    TEdit::Resize();
    if (IsDestroying()) return;
    const int minHeight = GetMinHeight();
    if (Height() < minHeight) {
        SetHeight(minHeight);
        return;
    }
    PlaceButton();
}

// The client area of the edit lies 2 pixels inside its single border; the button sits at the client's
// right edge.
void TQsgSpinEdit::PlaceButton() {
    if (!FButton) return;
    const int bw = FButton->Width();
    const int border = 2;
    const int clientW = Width() - 2 * border, clientH = Height() - 2 * border;
    const int k = 1;
    FButton->SetBounds(border + clientW - bw - k + 1, border, bw, std::max(1, clientH));
    SetEditRect();
}

void TQsgSpinEdit::SetEditRect() {
    if (!FButton) return;
    SetTextMargins(0, 0, FButton->Width() + 2, 0);
}

void TQsgSpinEdit::NativeWidgetCreated() {
    TEdit::NativeWidgetCreated();
    SetEditRect();
}

void TQsgSpinEdit::Loaded() {
    TEdit::Loaded();
    if (FSpinType == sptDate)
        SetText(DateToStr(FDateValue));
    else if (FSpinType == sptTime)
        SetText(FShowSeconds ? TimeToStr(FTimeValue) : FormatTimeHN(FTimeValue));
    SetSpinType(FSpinType);
    PlaceButton();
}

bool TQsgSpinEdit::ReadProperty(const String& name, const TDesignValue& v) {
    const QString n = name.toLower();
    if (n == "spintype")
        FSpinType = static_cast<TQsgSpinType>(DesignEnum(v, sptNormal));
    else if (n == "value")
        SetValue(v.AsInt());
    else if (n == "minvalue")
        SetMinValue(v.AsInt());
    else if (n == "maxvalue")
        SetMaxValue(v.AsInt());
    else if (n == "minfloatvalue")
        SetMinFloatValue(v.AsFloat());
    else if (n == "maxfloatvalue")
        SetMaxFloatValue(v.AsFloat());
    else if (n == "floatvalue")
        SetFloatValue(v.AsFloat());
    else if (n == "datevalue")
        SetDateValue(v.AsFloat());
    else if (n == "timevalue")
        SetTimeValue(v.AsFloat());
    else if (n == "mindatevalue")
        SetMinDateValue(v.AsFloat());
    else if (n == "maxdatevalue")
        SetMaxDateValue(v.AsFloat());
    else if (n == "increment")
        SetIncrement(v.AsInt());
    else if (n == "incrementfloat")
        SetIncrementFloat(v.AsFloat());
    else if (n == "incrementfloatpage")
        SetIncrementFloatPage(v.AsFloat());
    else if (n == "incrementhours")
        SetIncrementHours(v.AsInt());
    else if (n == "incrementminutes")
        SetIncrementMinutes(v.AsInt());
    else if (n == "incrementseconds")
        SetIncrementSeconds(v.AsInt());
    else if (n == "precision")
        FPrecision = v.AsInt();
    else if (n == "showseconds")
        SetShowSeconds(v.AsBool());
    else if (n == "editorenabled")
        SetEditorEnabled(v.AsBool());
    else if (n == "returnistab")
        SetReturnIsTab(v.AsBool());
    else if (n == "allowemptyvalue")
        SetAllowEmptyValue(v.AsBool());
    else if (n == "excelstyledecimalseparator")
        SetExcelStyleDecimalSeparator(v.AsBool());
    else if (n == "spinflat")
        SetSpinFlat(v.AsBool());
    else if (n == "spintransparent")
        SetSpinTransparent(v.AsBool());
    else if (n == "direction")
        SetDirection(static_cast<TSpinDirection>(DesignEnum(v, spVertical)));
    else if (n == "editalign")
        SetEditAlign(static_cast<TEditAlign>(DesignEnum(v, eaLeft)));
    else
        return TEdit::ReadProperty(name, v);
    return true;
}

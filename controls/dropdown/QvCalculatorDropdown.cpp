// The calculator dropdown: its keypad popup, the clicks and characters that drive the calculator, and the
// keypad's look from the component style.
#include "controls/dropdown/QvCalculatorDropdown.h"

#include "controls/dropdown/QvDropDownForm.h"
#include "controls/dropdown/QvDropDown_Numbers.h"
#include "toolkit/system/SysUtils.h"

namespace {
constexpr ushort kCharBack = 8, kCharEnter = 13, kCharEscape = 27;

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

int OperatorTag(QChar c) {
    switch (c.unicode()) {
    case u'+':
        return ctAdd;
    case u'-':
        return ctSubtract;
    case u'*':
        return ctMultiply;
    case u'/':
        return ctDivide;
    default:
        return -1;
    }
}
} // namespace

TQvCalculatorDropdown::TQvCalculatorDropdown(TComponent* AOwner)
    : TQvCustomDropDown(AOwner), FCalcButtonAppearance(std::make_unique<TButtonAppearance>()),
      FCalculator(*this) {
    SetPrecision(2);
    SetDropDownWidth(230);
    SetEditType(etFloat);
    DropDownHeader()->SetVisible(false);
    DropDownFooter()->SetVisible(false);
    // The base applied its component style before this class was built: the keypad's look takes it now.
    ApplyButtonStyle();
    CreateDropDownForm();
}

TQvCalculatorDropdown::~TQvCalculatorDropdown() = default;

QChar TQvCalculatorDropdown::DecimalSeparator() const {
    return DecimalSeparatorChar();
}

QChar TQvCalculatorDropdown::ThousandSeparator() const {
    return ThousandSeparatorChar();
}

void TQvCalculatorDropdown::CreateDropDownForm() {
    TQvCustomDropDown::CreateDropDownForm();
    if (!FDropDownForm) return;
    if (!FQvButtonPanel) {
        FQvButtonPanel = new TCustomButtonPanel(this);
        FQvButtonPanel->SetParent(FDropDownForm);
        FQvButtonPanel->SetQvDropDown(this);
        FQvButtonPanel->SetBounds(0, 0, FQvButtonPanel->Width(), 150);
        FQvButtonPanel->InitButtons();
    }
    SetControl(FQvButtonPanel);
    FQvButtonPanel->OnButtonClick = [this](TObject*, int Index) { ButtonClicked(Index); };
}

void TQvCalculatorDropdown::BeforeDropDown() {
    TQvCustomDropDown::BeforeDropDown();
    // A click outside closes the keypad and keeps the result.
    if (FDropDownForm) FDropDownForm->SetCancelOnDeActivate(false);
    if (FQvButtonPanel) {
        FQvButtonPanel->ButtonAppearance()->Assign(FCalcButtonAppearance.get());
        FQvButtonPanel->SetColor(DropDownColor());
        FQvButtonPanel->ArrangeButtons();
    }
    FDropText = GetText();
    FCalculator.StartEntry();
    FCalcClosed = false;
}

void TQvCalculatorDropdown::DoHideDropDown(bool CancelChanges) {
    // Every key wrote the text through the Text setter: the text to bring back is the one at the drop.
    if (CancelChanges) FOldText = FDropText;
    TQvCustomDropDown::DoHideDropDown(CancelChanges);
}

bool TQvCalculatorDropdown::PopupShown() const {
    return !FCalcClosed && FDropDownForm && FDropDownForm->Visible();
}

double TQvCalculatorDropdown::Value() {
    if (GetText().isEmpty()) SetText(QStringLiteral("0"));
    return FCalculator.Operand().value_or(0);
}

void TQvCalculatorDropdown::SetValue(double v) {
    // The shortest exact text: a six-digit form would round large values before Precision formats them.
    SetText(FormatGeneral(v, DecimalSeparatorChar()));
}

void TQvCalculatorDropdown::CalcResult() {
    FCalculator.Equals();
}

void TQvCalculatorDropdown::SetShowThousandSeparator(bool Value) {
    if (Value == FShowThousandSeparator) return;
    FShowThousandSeparator = Value;
    const double v = FloatValue();
    SetEditType(Value ? etMoney : etFloat);
    SetFloatValue(v);
}

void TQvCalculatorDropdown::ButtonClicked(int Index) {
    if (!FQvButtonPanel || Index < 0 || Index >= FQvButtonPanel->Buttons()->Count()) return;
    BeforeCalculatorInput();
    if (FCalculator.Key(FQvButtonPanel->Buttons()->Items(Index)->Tag)) SetIsModified(true);
}

bool TQvCalculatorDropdown::TypeNumberKey(int Tag) {
    // A typed key over the whole selected value starts a new number, as it would replace the text.
    if (SelLength() > 0 && SelLength() >= int(GetText().size())) FCalculator.SetNewValue(true);
    if (!FCalculator.Key(Tag)) return false;
    SetIsModified(true);
    SetSelStart(int(EditText().size() - Suffix().size()));
    return true;
}

void TQvCalculatorDropdown::KeyPress(QChar& Key) {
    const QChar dec = DecimalSeparatorChar();
    if (!PopupShown()) {
        const int op = OperatorTag(Key);
        if (Key.unicode() == kCharEnter || Key == u'=')
            CalcResult();
        else if (Key == u'%')
            FCalculator.Percent();
        else if (op >= 0)
            FCalculator.Key(op);
        else if (Key == u'C' || Key == u'c') {
            FCalculator.Clear();
            FCalculator.SetNewValue(true);
        }
    }
    // The characters of a number only; the operators were handled above.
    if (!IsDigit(Key) && Key != dec && Key.unicode() != kCharBack && Key != u'-') {
        Key = QChar();
        return;
    }
    if (IsDigit(Key) || Key == dec) {
        TypeNumberKey(Key == dec ? int(ctPoint) : Key.digitValue());
        Key = QChar();
        return;
    }
    if (Key.unicode() == kCharBack && GetText().size() == 1) {
        SetText(QStringLiteral("0"));
        Key = QChar();
        SetSelStart(int(Prefix().size()) + 1);
        return;
    }
    TQvCustomDropDown::KeyPress(Key);
}

void TQvCalculatorDropdown::FormKeyPress(TObject* Sender, QChar& Key) {
    // Enter and Escape did their work at their key-down.
    if (Key.unicode() == kCharEnter || Key.unicode() == kCharEscape) return;
    BeforeCalculatorInput();
    // Digits and the decimal separator reach the number through the edit's typing.
    TQvCustomDropDown::FormKeyPress(Sender, Key);
    if (Key == u'&' && (KeyboardStateToShiftState() & ssAlt)) return DoHideDropDown(true);
    const int op = OperatorTag(Key);
    if (Key == u'%')
        FCalculator.Percent();
    else if (op >= 0)
        FCalculator.Key(op);
    else if (Key == u'=')
        CalcResult();
    else if (Key == u'C' || Key == u'c') {
        FCalculator.Clear();
        FCalculator.SetNewValue(true);
    }
}

void TQvCalculatorDropdown::FormKeyDown(TObject* Sender, Word& Key, TShiftState Shift) {
    if (Key == VK_RETURN && !(Shift & ssAlt)) {
        // "=" and the popup closes keeping the result.
        CalcResult();
        DoHideDropDown(false);
        Key = 0;
        return;
    }
    TQvCustomDropDown::FormKeyDown(Sender, Key, Shift);
    if (Key == VK_TAB || Key == VK_F4) {
        DoHideDropDown(false);
    } else if (Key == VK_BACK) {
        FCalculator.Backspace();
    }
}

// The keypad passes what it gets on as the popup's own keys.
void TQvCalculatorDropdown::ControlKeyDown(TObject* Sender, Word& Key, TShiftState Shift) {
    FormKeyDown(Sender, Key, Shift);
}

void TQvCalculatorDropdown::ControlKeyUp(TObject* Sender, Word& Key, TShiftState Shift) {
    FormKeyUp(Sender, Key, Shift);
}

void TQvCalculatorDropdown::ControlKeyPress(TObject* Sender, QChar& Key) {
    FormKeyPress(Sender, Key);
}

void TQvCalculatorDropdown::Dispatch(TMessage& m) {
    const Word key = m.Msg == WM_KEYDOWN ? m.CharCode() : 0;
    TQvCustomDropDown::Dispatch(m);
    if (key == VK_DELETE) {
        const String t = GetText();
        if (t.isEmpty() || t == QLatin1String(CalculatorErrorText)) SetText(QStringLiteral("0"));
    }
}

void TQvCalculatorDropdown::SetComponentStyle(TQvStyle AStyle) {
    TQvCustomDropDown::SetComponentStyle(AStyle);
    ApplyButtonStyle();
}

void TQvCalculatorDropdown::ApplyButtonStyle() {
    if (!FCalcButtonAppearance) return;
    const TQvButtonAppearance* b = ButtonAppearance();
    TButtonAppearance* c = FCalcButtonAppearance.get();
    c->SetBorderColor(b->BorderColor());
    c->SetBorderColorHot(b->BorderColorHot());
    c->SetBorderColorDown(b->BorderColorDown());
    c->SetColor(b->Color());
    c->SetColorTo(b->ColorTo());
    c->SetColorDown(b->ColorDown());
    c->SetColorDownTo(b->ColorDownTo());
    c->SetColorHot(b->ColorHot());
    c->SetColorHotTo(b->ColorHotTo());
    const TQvStyle s = GetComponentStyle();
    if (s == tsOffice2010Blue || s == tsOffice2010Silver || s == tsOffice2010Black) {
        c->SetGlowColorHot(b->ColorHot());
        c->SetGlowColorDown(b->ColorHot());
    } else {
        c->SetGlowColorHot(b->ColorDownTo());
        c->SetGlowColorDown(0xD5C244);
    }
}

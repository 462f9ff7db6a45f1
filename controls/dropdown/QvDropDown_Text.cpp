// The dropdown edit's value: prefix and suffix around it, number formatting by edit type and precision,
// the value accessors and the selections inside the value.
#include "controls/dropdown/QvDropDown.h"

#include "controls/dropdown/QvDropDown_Entry.h"
#include "controls/dropdown/QvDropDown_Numbers.h"
#include "toolkit/system/ScopedValue.h"

namespace {
bool isNumberType(TDropDownEditType t) {
    return t == etNumeric || t == etFloat || t == etMoney;
}
} // namespace

TEntryState TQvCustomDropDown::EntryState() const {
    TEntryState s;
    s.EditType = FEditType;
    s.Prefix = FPrefix;
    s.Suffix = FSuffix;
    s.EditText = EditText();
    s.SelStart = SelStart();
    s.SelLength = SelLength();
    s.Precision = FPrecision;
    s.LengthLimit = FLengthLimit;
    s.MaxLength = MaxLength();
    s.Signed = FSigned;
    s.ValidChars = FValidChars;
    s.DecimalSeparator = DecimalSeparatorChar();
    s.ThousandSeparator = ThousandSeparatorChar();
    s.CtrlDown = KeyboardStateToShiftState() & ssCtrl;
    return s;
}

void TQvCustomDropDown::ApplyEdit(const String& Text, int Start, int Length) {
    TCustomMaskEdit::ApplyEdit(Text, Start);
    if (Length > 0) SetSelLength(Length);
}

String TQvCustomDropDown::GetText() const {
    TEntryState s;
    s.Prefix = FPrefix;
    s.Suffix = FSuffix;
    s.EditText = EditText();
    return TDropDownEntryRules(s).Value();
}

void TQvCustomDropDown::SetText(const String& Value) {
    String v = Value;
    if (v.isEmpty() && (isNumberType(FEditType) || FEditType == etHex)) v = QStringLiteral("0");
    if (FPrecision > 0 && !v.isEmpty() && v != u"Error") {
        const QChar dec = DecimalSeparatorChar(), thou = ThousandSeparatorChar();
        if (FEditType == etMoney)
            v = FormatGrouped(ParseFloatText(v, dec, thou), FPrecision, dec, thou);
        else if (FEditType == etFloat)
            v = FormatFixed(ParseFloatText(v, dec, thou), FPrecision, dec);
    }
    if (FEditType == etHex) v = v.toUpper();
    TControl::SetText(FPrefix + v + FSuffix);
    FOldText = v;
    SetIsModified(false);
}

void TQvCustomDropDown::SetTextUnformatted(const String& Value) {
    TControl::SetText(Value);
}

double TQvCustomDropDown::FloatValue() const {
    const QChar dec = DecimalSeparatorChar(), thou = ThousandSeparatorChar();
    String v = GetText();
    switch (FEditType) {
    case etString: {
        bool ok = false;
        const double d = v.trimmed().toDouble(&ok);
        return ok ? d : 0.0;
    }
    case etNumeric:
    case etFloat:
        if (v.isEmpty() || v == u"Error" || v == u"-") return 0.0;
        return ParseFloatText(v, dec, thou);
    case etMoney:
        v = StripThousandSeparators(v, thou);
        if (v.endsWith(dec)) v.chop(1);
        if (v.isEmpty() || v == u"-") return 0.0;
        return ParseFloatText(v, dec, thou);
    case etHex:
        return v.isEmpty() ? 0.0 : double(HexToInt(v));
    default:
        return 0.0;
    }
}

void TQvCustomDropDown::SetFloatValue(double Value) {
    const QChar dec = DecimalSeparatorChar(), thou = ThousandSeparatorChar();
    auto number = [&](bool grouped) {
        if (FPrecision < 0) return FormatGeneral(Value, dec);
        return grouped ? FormatGrouped(Value, FPrecision, dec, thou) : FormatFixed(Value, FPrecision, dec);
    };
    switch (FEditType) {
    case etString:
    case etFloat:
        SetText(number(false));
        break;
    case etNumeric:
        SetText(number(true));
        break;
    case etMoney:
        SetText(number(false));
        ReformatThousands();
        break;
    case etHex:
        SetText(FormatHex(Value));
        break;
    default:
        break;
    }
    SetIsModified(true);
}

void TQvCustomDropDown::SetIntValue(int Value) {
    switch (FEditType) {
    case etNumeric:
    case etFloat:
        SetText(String::number(Value));
        break;
    case etMoney:
        SetText(String::number(Value));
        ReformatThousands();
        break;
    case etHex:
        SetText(FormatHex(Value));
        break;
    default:
        break;
    }
    SetIsModified(true);
}

void TQvCustomDropDown::ReformatThousands() {
    const String v = GetText();
    if (v.isEmpty()) return;
    const QChar dec = DecimalSeparatorChar(), thou = ThousandSeparatorChar();
    const int caret = SelStart();
    const int oldLength = int(v.size());
    const String sign = v.startsWith(u'-') ? QStringLiteral("-") : String();
    const qsizetype point = v.indexOf(dec);
    const String decimals = point >= 0 ? v.mid(point) : String();
    const double whole = std::trunc(std::abs(FloatValue()));
    String integer = FAutoThousandSeparator ? FormatGrouped(whole, 0, dec, thou) : FormatFixed(whole, 0, dec);
    const String value = sign + integer + decimals;
    {
        const ScopedValue<int16_t> noPrecision(FPrecision, 0);
        const String text = FPrefix + value + FSuffix;
        if (text != EditText()) {
            FBlockChange = true;
            TCustomMaskEdit::ApplyEdit(text, caret);
        }
    }
    SetSelStart(std::clamp(caret + int(value.size()) - oldLength, 0, int(EditText().size())));
}

void TQvCustomDropDown::SetPrecision(int Value) {
    if (Value == FPrecision) return;
    if (FEditType != etString && FEditType != etFloat && FEditType != etMoney) return;
    FPrecision = static_cast<int16_t>(Value);
    if (NumberKindOf(GetText(), DecimalSeparatorChar(), ThousandSeparatorChar()) > 1)
        SetFloatValue(0);
    else
        SetFloatValue(FloatValue());
}

void TQvCustomDropDown::SetEditType(TDropDownEditType Value) {
    if (Value == FEditType) return;
    FEditType = Value;
    if (Value == etPassword) {
        SetPasswordChar(QChar(u'*'));
        FCanUndo = false;
    } else {
        SetPasswordChar(QChar());
    }
    const int kind = NumberKindOf(GetText(), DecimalSeparatorChar(), ThousandSeparatorChar());
    if (Value == etNumeric && kind != 0) SetIntValue(0);
    if ((Value == etFloat || Value == etMoney) && kind > 1) SetFloatValue(0);
    if (Value == etHex && kind != 0 && kind != 5) SetIntValue(0);
    if ((ComponentState() & csDesigning) && Value == etFloat && FPrecision == 0) SetPrecision(2);
}

bool TQvCustomDropDown::IsModified() const {
    return FIsModified;
}

void TQvCustomDropDown::SetIsModified(bool Value) {
    if ((ComponentState() & csLoading) || !FEditorEnabled || ReadOnly()) return;
    SetModified(Value);
    FIsModified = Value;
}

void TQvCustomDropDown::SelectAll() {
    const TEntryState s = EntryState();
    const TDropDownEntryRules rules(s);
    SetSelStart(rules.ValueStart());
    SetSelLength(int(rules.Value().size()));
}

void TQvCustomDropDown::SelectAfterDecimal() {
    const TEntryState s = EntryState();
    const TDropDownEntryRules rules(s);
    const qsizetype point = rules.Value().indexOf(s.DecimalSeparator);
    SetSelStart(point < 0 ? rules.ValueStart() : rules.ValueStart() + int(point) + 1);
}

void TQvCustomDropDown::SelectBeforeDecimal() {
    const TEntryState s = EntryState();
    const TDropDownEntryRules rules(s);
    const qsizetype point = rules.Value().indexOf(s.DecimalSeparator);
    SetSelStart(point < 0 ? rules.ValueStart() : rules.ValueStart() + int(point));
}

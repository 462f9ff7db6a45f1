// The calculator's arithmetic: one pending operation, an accumulator and a memory over the shown number.
#include "controls/dropdown/QvCalculator_Logic.h"

#include "controls/dropdown/QvDropDown_Numbers.h"
#include "toolkit/system/SysUtils.h"

#include <cmath>

const char* const CalculatorErrorText = "Error";

std::optional<double> TCalculator::Operand() const {
    const String s = StripThousandSeparators(FDisplay.DisplayText(), FDisplay.ThousandSeparator());
    double v = 0;
    if (!TryStrToFloat(s, v, FDisplay.DecimalSeparator()) || !std::isfinite(v)) return std::nullopt;
    return v;
}

bool TCalculator::IsErrorOrEmpty() const {
    const String t = FDisplay.DisplayText();
    return t.isEmpty() || t == QLatin1String(CalculatorErrorText);
}

// A failed operation shows "Error" and leaves nothing in the accumulator.
void TCalculator::ShowError() {
    FPrevval = 0;
    FDisplay.SetDisplayText(QString::fromLatin1(CalculatorErrorText));
}

void TCalculator::Evaluate() {
    if (IsErrorOrEmpty()) FDisplay.SetDisplayText(QStringLiteral("0"));
    // A text that is no number (typed with the editor enabled) fails like a division by zero.
    const std::optional<double> x = Operand();
    if (!x) return ShowError();
    switch (FPrevop) {
    case coAdd:
        FPrevval += *x;
        break;
    case coMultiply:
        FPrevval *= *x;
        break;
    case coSubtract:
        FPrevval -= *x;
        break;
    case coDivide:
        if (*x == 0) return ShowError();
        FPrevval /= *x;
        break;
    default:
        FPrevval = *x;
        break;
    }
    // An overflow leaves 0.
    if (!std::isfinite(FPrevval)) FPrevval = 0;
    FDisplay.SetDisplayValue(FPrevval);
    FNewval = true;
}

void TCalculator::Equals() {
    Evaluate();
    if (FDisplay.DisplayText().isEmpty()) FDisplay.SetDisplayText(QStringLiteral("0"));
    FPrevop = coNone;
    if (FDisplay.DisplayText() != QLatin1String(CalculatorErrorText))
        if (const std::optional<double> x = Operand()) FPrevval = *x;
}

void TCalculator::SetOperation(TCalculatorOperation Op) {
    Evaluate();
    FPrevop = Op;
}

void TCalculator::Percent() {
    if (IsErrorOrEmpty()) FDisplay.SetDisplayText(QStringLiteral("0"));
    const std::optional<double> x = Operand();
    if (!x) return FDisplay.SetDisplayText(QString::fromLatin1(CalculatorErrorText));
    FDisplay.SetDisplayText(FormatGeneral(FPrevval * *x / 100, FDisplay.DecimalSeparator()));
}

void TCalculator::Clear() {
    FDisplay.SetDisplayText(QStringLiteral("0"));
    FPrevval = 0;
    FPrevop = coNone;
}

void TCalculator::Backspace() {
    String t = FDisplay.DisplayText();
    if (!t.isEmpty()) t.chop(1);
    if (t.isEmpty() || t == QLatin1String(CalculatorErrorText)) t = QStringLiteral("0");
    FDisplay.SetDisplayText(t);
}

void TCalculator::StartEntry() {
    FNewval = true;
    FDecim = 0;
}

int TCalculator::EntryLength() const {
    if (FNewval || (FDisplay.DisplayValue() == 0 && FDecim == 0)) return 0;
    const String t = StripThousandSeparators(FDisplay.DisplayText(), FDisplay.ThousandSeparator());
    const qsizetype point = t.indexOf(FDisplay.DecimalSeparator());
    if (point < 0) return int(t.size());
    if (FDecim <= 0) return int(point);
    // After the point FDecim is 10 with no decimal typed yet, 100 with one, ...
    const qsizetype typed = qsizetype(std::lround(std::log10(FDecim))) - 1;
    return int(point + 1 + std::min(typed, t.size() - point - 1));
}

bool TCalculator::EntryFull() const {
    const int limit = FDisplay.DisplayMaxLength();
    return limit > 0 && EntryLength() >= limit;
}

void TCalculator::Digit(int D) {
    if ((FDisplay.DisplayValue() == 0 && FDecim == 0) || FNewval) {
        FDisplay.SetDisplayText(String::number(D));
        FNewval = false;
        return;
    }
    const double v = FDisplay.DisplayValue();
    // A negative number grows away from zero as a positive one does: -5 then 3 is -53.
    const double d = std::signbit(v) ? -D : D;
    if (FDecim <= 0) {
        FDisplay.SetDisplayValue(v * 10 + d);
    } else {
        FDisplay.SetDisplayValue(v + d / FDecim);
        FDecim *= 10;
    }
}

bool TCalculator::Key(int Tag) {
    if ((Tag >= ctAdd && Tag <= ctSign) || (Tag >= ctClear && Tag <= ctPercent)) FDecim = 0;
    if ((Tag < 10 || Tag == ctSign || Tag == ctPoint) && EntryFull()) return false;
    if (Tag >= 0 && Tag <= 9) {
        Digit(Tag);
        return true;
    }
    switch (Tag) {
    case ctAdd:
        SetOperation(coAdd);
        break;
    case ctSubtract:
        SetOperation(coSubtract);
        break;
    case ctMultiply:
        SetOperation(coMultiply);
        break;
    case ctDivide:
        SetOperation(coDivide);
        break;
    case ctSign: {
        String t = FDisplay.DisplayText();
        if (t.startsWith(u'-'))
            t.remove(0, 1);
        else
            t.prepend(u'-');
        FDisplay.SetDisplayText(t);
        break;
    }
    case ctPoint:
        if (!FDisplay.DisplayText().contains(FDisplay.DecimalSeparator()))
            FDisplay.SetDisplayText(FDisplay.DisplayText() + FDisplay.DecimalSeparator());
        FDecim = 10;
        if (FNewval) FDisplay.SetDisplayText(QStringLiteral("0"));
        FNewval = false;
        break;
    case ctClear:
    case ctOn:
    case ctClearEntry:
        Clear();
        break;
    case ctEquals:
        Equals();
        break;
    case ctPercent:
        Percent();
        break;
    case ctBack:
        // Only while no operation waits for its operand.
        if (FPrevop == coNone) {
            String t = FormatGeneral(FDisplay.DisplayValue(), FDisplay.DecimalSeparator());
            t.chop(1);
            FDisplay.SetDisplayText(t);
        }
        break;
    case ctMemoryClear:
        FMVal = 0;
        break;
    case ctMemoryRecall:
        FDisplay.SetDisplayValue(FMVal);
        break;
    case ctMemoryStore:
    case ctMemoryAdd: {
        const std::optional<double> x = Operand();
        if (!x) {
            FDisplay.SetDisplayText(QString::fromLatin1(CalculatorErrorText));
            break;
        }
        FMVal = Tag == ctMemoryStore ? *x : FMVal + *x;
        break;
    }
    case ctSquareRoot: {
        const double v = FDisplay.DisplayValue();
        if (v >= 0)
            FDisplay.SetDisplayValue(std::sqrt(v));
        else
            FDisplay.SetDisplayText(QString::fromLatin1(CalculatorErrorText));
        break;
    }
    case ctReciprocal: {
        const double v = FDisplay.DisplayValue();
        if (v != 0)
            FDisplay.SetDisplayValue(1 / v);
        else
            FDisplay.SetDisplayText(QString::fromLatin1(CalculatorErrorText));
        break;
    }
    default:
        break;
    }
    return true;
}

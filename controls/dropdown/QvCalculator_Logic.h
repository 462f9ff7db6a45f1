// The pocket calculator's arithmetic over the number its edit shows: digits, the decimal point, the four
// operators with one pending operation, "=", percent, memory, square root and reciprocal. It reads and
// writes only through TCalculatorDisplay, so it runs without a window.
#pragma once

#include "toolkit/system/Types.h"

#include <QChar>
#include <optional>

// What the calculator needs of its edit.
class TCalculatorDisplay {
public:
    // The value without prefix and suffix.
    virtual String DisplayText() const = 0;
    // Through the edit's Text setter: numbers formatted by edit type and precision, "Error" as it is.
    virtual void SetDisplayText(const String& Text) = 0;
    // 0 for an empty text, "Error" and a lone "-".
    virtual double DisplayValue() const = 0;
    // Shown formatted and marked modified.
    virtual void SetDisplayValue(double Value) = 0;
    virtual int DisplayMaxLength() const = 0;
    virtual QChar DecimalSeparator() const = 0;
    virtual QChar ThousandSeparator() const = 0;

protected:
    ~TCalculatorDisplay() = default;
};

// The keypad's function codes: 0..9 are the digits.
enum TCalculatorTag {
    ctAdd = 10,
    ctSubtract = 11,
    ctMultiply = 12,
    ctDivide = 13,
    ctSign = 14,
    ctPoint = 15,
    ctClear = 16,
    ctEquals = 17,
    ctPercent = 18,
    ctOn = 30,
    ctBack = 31,
    ctClearEntry = 32,
    ctMemoryClear = 33,
    ctMemoryRecall = 34,
    ctMemoryStore = 35,
    ctMemoryAdd = 36,
    ctSquareRoot = 37,
    ctReciprocal = 38,
};

// The pending operation.
enum TCalculatorOperation { coNone = -1, coAdd = 0, coMultiply = 1, coSubtract = 2, coDivide = 3 };

// The text "Error" that a failed operation shows.
extern const char* const CalculatorErrorText;

class TCalculator {
public:
    explicit TCalculator(TCalculatorDisplay& Display) : FDisplay(Display) {}

    // A keypad key by its tag. False when the key did nothing because the typed number already fills
    // MaxLength (digits, "+/-" and "."); the caller then leaves the edit unmodified.
    bool Key(int Tag);
    // The pending operation, evaluated with the shown number as its right operand.
    void Evaluate();
    // "=".
    void Equals();
    // "+", "-", "*", "/": the pending operation is evaluated, then Op waits for its right operand.
    void SetOperation(TCalculatorOperation Op);
    void Percent();
    // "C": 0 shown, the accumulator and the pending operation cleared, the memory kept.
    void Clear();
    // Backspace on the shown text: its last character removed, 0 when nothing (or "Error") is left.
    void Backspace();
    // A new number starts with the next digit (each drop of the popup, each "C" typed).
    void StartEntry();
    void SetNewValue(bool v) { FNewval = v; }

    // The shown number as an operand: thousand separators removed, read with the decimal separator;
    // nothing when the text is no number.
    std::optional<double> Operand() const;
    // The length of the number as typed: the shown text without its thousand separators and without the
    // decimals the precision adds beyond those typed; 0 while the next digit starts a new number.
    int EntryLength() const;
    // The typed number fills MaxLength.
    bool EntryFull() const;

    bool NewValue() const { return FNewval; }
    double Decim() const { return FDecim; }
    TCalculatorOperation PendingOperation() const { return FPrevop; }
    double Accumulator() const { return FPrevval; }
    double Memory() const { return FMVal; }

private:
    void Digit(int D);
    void ShowError();
    bool IsErrorOrEmpty() const;

    TCalculatorDisplay& FDisplay;
    double FPrevval = 0;
    TCalculatorOperation FPrevop = coNone;
    bool FNewval = false;
    // 0 during the integer digits; after the point the divisor of the next digit (10, 100, ...).
    double FDecim = 0;
    double FMVal = 0;
};

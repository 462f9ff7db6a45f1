// The calculator dropdown: a number edit whose popup is a pocket-calculator keypad. Keys clicked on the
// keypad and characters typed work on the number the edit shows; the result stays in the edit.
#pragma once

#include "controls/dropdown/QvButtonPanel.h"
#include "controls/dropdown/QvCalculator_Logic.h"
#include "controls/dropdown/QvDropDown.h"

#include <memory>

class TQvCalculatorDropdown : public TQvCustomDropDown, private TCalculatorDisplay {
public:
    explicit TQvCalculatorDropdown(TComponent* AOwner);
    ~TQvCalculatorDropdown() override;
    String ClassName() const override { return "TQvCalculatorDropdown"; }

    // The number shown; an empty edit shows 0 first, a text that is no number reads 0.
    double Value();
    void SetValue(double v);
    // "=".
    void CalcResult();
    // Money formatting (thousand separators) instead of plain decimals.
    bool ShowThousandSeparator() const { return FShowThousandSeparator; }
    void SetShowThousandSeparator(bool Value);
    // Copied into the keypad at every drop.
    TButtonAppearance* CalcButtonAppearance() const { return FCalcButtonAppearance.get(); }
    void SetCalcButtonAppearance(const TButtonAppearance* Value) { FCalcButtonAppearance->Assign(Value); }
    TCustomButtonPanel* ButtonPanel() const { return FQvButtonPanel; }
    const TCalculator& Calculator() const { return FCalculator; }

    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void DoHideDropDown(bool CancelChanges) override;
    void FormKeyPress(TObject* Sender, QChar& Key) override;
    void FormKeyDown(TObject* Sender, Word& Key, TShiftState Shift) override;
    void ControlKeyDown(TObject* Sender, Word& Key, TShiftState Shift) override;
    void ControlKeyUp(TObject* Sender, Word& Key, TShiftState Shift) override;
    void ControlKeyPress(TObject* Sender, QChar& Key) override;
    void SetComponentStyle(TQvStyle AStyle) override;

    // Called first by every keypad click and every character the popup gets.
    virtual void BeforeCalculatorInput() {}

protected:
    void Dispatch(TMessage& Message) override;
    void KeyPress(QChar& Key) override;

private:
    void ButtonClicked(int Index);
    // A typed digit or decimal separator enters the number as its keypad key does; false when the typed
    // number already fills MaxLength.
    bool TypeNumberKey(int Tag);
    bool PopupShown() const;
    void ApplyButtonStyle();

    // TCalculatorDisplay
    String DisplayText() const override { return GetText(); }
    void SetDisplayText(const String& Text) override { SetText(Text); }
    double DisplayValue() const override { return FloatValue(); }
    void SetDisplayValue(double Value) override { SetFloatValue(Value); }
    int DisplayMaxLength() const override { return MaxLength(); }
    QChar DecimalSeparator() const override;
    QChar ThousandSeparator() const override;

    std::unique_ptr<TButtonAppearance> FCalcButtonAppearance;
    TCustomButtonPanel* FQvButtonPanel = nullptr;
    TCalculator FCalculator;
    bool FShowThousandSeparator = false;
    bool FCalcClosed = true;
    // The text when the popup opened, which a cancel brings back.
    String FDropText;
};

// TQsgSpinEdit: an edit holding an integer, float, date or time value with step buttons at its right edge;
// TQsgSpinButton, the pair of buttons; TQvTimerSpeedButton, a button that repeats its click while held.
#pragma once

#include "toolkit/controls/Controls.h"
#include "toolkit/stdctrls/StdCtrls.h"
#include "toolkit/system/DateUtils.h"
#include "toolkit/graphics/Picture.h"

class TTimer;
class TBitmap;
class TQsgSpinButton;

enum TQsgSpinType { sptNormal, sptFloat, sptDate, sptTime };
enum TSpinDirection { spVertical, spHorizontal };
enum TEditAlign { eaLeft, eaRight, eaCenter };
enum TButtonDirection { bdLeft, bdRight, bdUp, bdDown };
enum TTimeBtnStateFlag : unsigned { tbFocusRect = 1, tbAllowTimer = 2 };
using TTimeBtnState = unsigned;

class TQvTimerSpeedButton : public TGraphicControl {
public:
    explicit TQvTimerSpeedButton(TComponent* AOwner);
    ~TQvTimerSpeedButton() override;
    String ClassName() const override { return "TQvTimerSpeedButton"; }

    TTimeBtnState TimeBtnState() const { return FTimeBtnState; }
    void SetTimeBtnState(TTimeBtnState v) { FTimeBtnState = v; }
    TButtonDirection ButtonDirection() const { return FButtonDirection; }
    void SetButtonDirection(TButtonDirection v);
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool v);
    bool Flat() const { return FFlat; }
    void SetFlat(bool v);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool v);
    // The picture drawn by the classic look; a copy is kept. Null loads the default arrow.
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(const TBitmap* v);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int v);

    // Pressed: the mouse went down on the button and has not come up.
    bool Pressed() const { return FPressed; }
    bool HasMouse() const { return FHasMouse; }
    // The repeat timer, made on the first press (null before).
    TTimer* RepeatTimer() const { return FRepeatTimer.get(); }

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    void TimerExpired();
    void InvalidateParent();

    std::unique_ptr<TTimer> FRepeatTimer;
    TTimeBtnState FTimeBtnState = 0;
    TButtonDirection FButtonDirection = bdUp;
    bool FIsWinXP = false;
    bool FHasMouse = false;
    bool FPressed = false;
    bool FFlat = false;
    bool FTransparent = false;
    std::unique_ptr<TBitmap> FGlyph;
    int FNumGlyphs = 1;
};

class TQsgSpinButton : public TWinControl {
public:
    explicit TQsgSpinButton(TComponent* AOwner);
    ~TQsgSpinButton() override;
    String ClassName() const override { return "TQsgSpinButton"; }

    TQvTimerSpeedButton* UpButton() const { return FUpButton; }
    TQvTimerSpeedButton* DownButton() const { return FDownButton; }
    TQvTimerSpeedButton* FocusedButton() const { return FFocusedButton; }
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* v);
    TSpinDirection Direction() const { return FDirection; }
    void SetDirection(TSpinDirection v);
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool v);
    // Null gives the button its default arrow back.
    void SetUpGlyph(const TBitmap* v);
    void SetDownGlyph(const TBitmap* v);
    void SetUpNumGlyphs(int v) { FUpButton->SetNumGlyphs(v); }
    void SetDownNumGlyphs(int v) { FDownButton->SetNumGlyphs(v); }

    TColor ButtonColor() const { return FButtonColor; }
    void SetButtonColor(TColor v);
    TColor ButtonColorHot() const { return FButtonColorHot; }
    void SetButtonColorHot(TColor v);
    TColor ButtonColorDown() const { return FButtonColorDown; }
    void SetButtonColorDown(TColor v);
    // Stored for window designs; the painting does not read them.
    TColor ButtonTextColor() const { return FButtonTextColor; }
    void SetButtonTextColor(TColor v) { FButtonTextColor = v; }
    TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
    void SetButtonTextColorHot(TColor v) { FButtonTextColorHot = v; }
    TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
    void SetButtonTextColorDown(TColor v) { FButtonTextColorDown = v; }
    TColor ButtonBorderColor() const { return FButtonBorderColor; }
    void SetButtonBorderColor(TColor v) { FButtonBorderColor = v; }

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    TNotifyEvent OnUpClick;
    TNotifyEvent OnDownClick;

protected:
    void Dispatch(TMessage& Message) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    LRESULT DialogCode() const override { return DLGC_WANTARROWS; }

private:
    void ButtonClick(TObject* Sender);
    void ButtonMouseDown(TObject* Sender, TMouseButton Button);
    void AdjustSize(int& W, int& H);

    TQvTimerSpeedButton* FUpButton = nullptr;
    TQvTimerSpeedButton* FDownButton = nullptr;
    TQvTimerSpeedButton* FFocusedButton = nullptr;
    TWinControl* FFocusControl = nullptr;
    TSpinDirection FDirection = spVertical;
    bool FIsWinXP = false;
    TColor FButtonColorDown = clNone;
    TColor FButtonBorderColor = clNone;
    TColor FButtonTextColor = clNone;
    TColor FButtonTextColorHot = clNone;
    TColor FButtonColor = clNone;
    TColor FButtonColorHot = clNone;
    TColor FButtonTextColorDown = clNone;
};

class TQsgSpinEdit : public TEdit {
public:
    explicit TQsgSpinEdit(TComponent* AOwner);
    ~TQsgSpinEdit() override;
    String ClassName() const override { return "TQsgSpinEdit"; }

    TQsgSpinType SpinType() const { return FSpinType; }
    void SetSpinType(TQsgSpinType v);

    int Value() const;
    void SetValue(int v);
    double FloatValue() const;
    void SetFloatValue(double v);
    TDateTime DateValue() const;
    void SetDateValue(TDateTime v);
    TDateTime TimeValue() const;
    void SetTimeValue(TDateTime v);

    int MinValue() const { return FMinValue; }
    void SetMinValue(int v) { FMinValue = v; }
    int MaxValue() const { return FMaxValue; }
    void SetMaxValue(int v) { FMaxValue = v; }
    double MinFloatValue() const { return FMinFloatValue; }
    void SetMinFloatValue(double v) { FMinFloatValue = v; }
    double MaxFloatValue() const { return FMaxFloatValue; }
    void SetMaxFloatValue(double v) { FMaxFloatValue = v; }
    TDateTime MinDateValue() const { return FMinDateValue; }
    void SetMinDateValue(TDateTime v) { FMinDateValue = v; }
    TDateTime MaxDateValue() const { return FMaxDateValue; }
    void SetMaxDateValue(TDateTime v) { FMaxDateValue = v; }

    int Increment() const { return FIncrement; }
    void SetIncrement(int v) { FIncrement = v; }
    double IncrementFloat() const { return FIncrementFloat; }
    void SetIncrementFloat(double v) { FIncrementFloat = v; }
    double IncrementFloatPage() const { return FIncrementFloatPage; }
    void SetIncrementFloatPage(double v) { FIncrementFloatPage = v; }
    int IncrementHours() const { return FIncrementHours; }
    void SetIncrementHours(int v) { FIncrementHours = v; }
    int IncrementMinutes() const { return FIncrementMinutes; }
    void SetIncrementMinutes(int v) { FIncrementMinutes = v; }
    int IncrementSeconds() const { return FIncrementSeconds; }
    void SetIncrementSeconds(int v) { FIncrementSeconds = v; }
    int Precision() const { return FPrecision; }
    void SetPrecision(int v);
    bool ShowSeconds() const { return FShowSeconds; }
    void SetShowSeconds(bool v) { FShowSeconds = v; }
    TSpinDirection Direction() const { return FDirection; }
    void SetDirection(TSpinDirection v);
    TEditAlign EditAlign() const { return FEditAlign; }
    void SetEditAlign(TEditAlign v);
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool v) { FEditorEnabled = v; }
    bool ReturnIsTab() const { return FReturnIsTab; }
    void SetReturnIsTab(bool v) { FReturnIsTab = v; }
    bool ExcelStyleDecimalSeparator() const { return FExcelStyleDecimalSeparator; }
    void SetExcelStyleDecimalSeparator(bool v) { FExcelStyleDecimalSeparator = v; }
    bool AllowEmptyValue() const { return FAllowEmptyValue; }
    void SetAllowEmptyValue(bool v) { FAllowEmptyValue = v; }
    bool SpinFlat() const { return FSpinFlat; }
    void SetSpinFlat(bool v);
    bool SpinTransparent() const { return FSpinTransparent; }
    void SetSpinTransparent(bool v);
    bool UsDates() const { return FUsDates; }
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool v);

    TQsgSpinButton* Button() const { return FButton; }

    virtual void StepUp(bool Page);
    virtual void StepDown(bool Page);
    virtual bool IsValidChar(QChar& Key);
    virtual void UpClick(TObject* Sender);
    virtual void DownClick(TObject* Sender);

    // The lowest height that shows the font whole.
    int GetMinHeight() const;

    void Loaded() override;
    bool ReadProperty(const String& name, const TDesignValue& value) override;

protected:
    void Dispatch(TMessage& Message) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void DoEnter() override;
    void DoExit() override;
    void Resize() override;
    void NativeWidgetCreated() override;

private:
    void SetEditRect();
    void PlaceButton();
    void WriteDate(TDateTime v);
    void WriteTime(TDateTime v);
    void Step(int sign, bool Page);

    int FMinValue = 0;
    int FMaxValue = 100;
    double FMinFloatValue = 0.0;
    double FMaxFloatValue = 100.0;
    TDateTime FMinDateValue = 0;
    TDateTime FMaxDateValue = 0;
    TDateTime FDateValue = 0;
    TDateTime FTimeValue = 0;
    int FIncrement = 1;
    double FIncrementFloat = 0.1;
    TQsgSpinButton* FButton = nullptr;
    bool FEditorEnabled = true;
    TSpinDirection FDirection = spVertical;
    TQsgSpinType FSpinType = sptNormal;
    int FPrecision = 0;
    bool FReturnIsTab = false;
    bool FIsWinXP = false;
    bool FExcelStyleDecimalSeparator = false;
    bool FUsDates = false;
    bool FShowSeconds = true;
    int FIncrementSeconds = 1;
    int FIncrementMinutes = 1;
    int FIncrementHours = 1;
    TEditAlign FEditAlign = eaLeft;
    bool FSpinFlat = false;
    bool FSpinTransparent = false;
    bool FAllowEmptyValue = false;
    double FIncrementFloatPage = 1.0;
};

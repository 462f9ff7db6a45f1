// TQvWatch: the analog clock of the time picker's popup. A face with tick marks, hour numbers and an
// AM/PM box, and the hour, minute and second hands; it follows the computer's clock (Settings.Auto) or
// shows and edits a time: a click on the face sets the hour, outside it the minute, on the AM/PM box the
// half of the day; WatchKey steps hours and minutes. Hour and minute changes may run as an animation.
#pragma once

#include "controls/styles/QvStyleIF.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/system/DateUtils.h"

#include <memory>

class TBitmap;
class TPicture;
class TTimer;

enum TWatchShape { wsCircle, wsRect, wsRoundRect };
enum TWatchGradient { wgHorizontal, wgVertical, wgDiagonalForward, wgDiagonalBackward, wgRadial };
enum TTickMarks { tmAll, tmHours, tmQuartHours, tmNone };
enum THourMarkStyle { hmsLine, hmsQuartDblLine };
enum TPointerStyle { psLine, psShortLine, psPointer, psLineArrow };
enum TAMPMFrame { apRect, apRoundRect };
enum TWatchBorderStyle { wbLine, wbNone };
enum TWatchStyle {
    wsClassic,
    wsTower,
    wsFluorescent,
    wsEmerald,
    wsBlueStar,
    wsFuchsia,
    wsBlack,
    wsBlackWhite,
    wsGray,
    wsSuperNova,
    wsSports,
    wsSmooth
};

// The clock's look. Every setter stores a changed value and fires OnChange; the fonts and the picture
// fire it on every change.
class TWatchAppearance : public TPersistent {
public:
    TWatchAppearance();
    ~TWatchAppearance() override;
    String ClassName() const override { return "TWatchAppearance"; }
    void Assign(const TPersistent* Source) override;
    // Every value back to its default: the fonts' name, size, style and colour, the picture emptied.
    void SetDefaults();

    // The values without the fonts and the picture, copied as one.
    struct TValues {
        int Size = 0;
        TWatchShape Shape = wsCircle;
        TColor BackgroundColor = 0xFFFFFF;
        TColor BackgroundColorTo = clNone;
        TWatchGradient BackgroundGradient = wgVertical;
        TColor BorderColor = 0;
        int BorderWidth = 4;
        TTickMarks TickMarks = tmAll;
        THourMarkStyle HourMarkStyle = hmsLine;
        uint8_t HourMarkLength = 0, HourMarkWidth = 1;
        uint8_t MinuteMarkLength = 0, MinuteMarkWidth = 1;
        TColor HourColor = 0;
        TColor MinuteColor = 0x808080;
        TPointerStyle PointerStyle = psLine;
        TColor HourPointer = 0, MinutePointer = 0, SecondPointer = 0x0000FF;
        TColor HourPointerShadow = clBtnShadow, MinutePointerShadow = clBtnShadow;
        uint8_t HourPointerSize = 4, MinutePointerSize = 3, SecondPointerSize = 1;
        uint8_t CenterPointSize = 4;
        TColor CenterPointColor = 0;
        TColor CenterPointBorderColor = clNone, CenterPointOuterBorderColor = clNone;
        TColor AMPMColor = 0xFFFFFF;
        TColor AMPMBorderColor = 0;
        TAMPMFrame AMPMFrame = apRect;
        // Kept and copied, never drawn.
        int Rounding = 5;
        TColor SecondPointerShadow = clBtnShadow;
        TWatchBorderStyle BorderStyle = wbLine;
        bool operator==(const TValues&) const = default;
    };
    const TValues& Values() const { return F; }
    // All values at once, announced once.
    void SetValues(const TValues& v);

#define QV_WATCH_PROPERTY(Type, Name)                                                                        \
    Type Name() const {                                                                                      \
        return F.Name;                                                                                       \
    }                                                                                                        \
    void Set##Name(Type v) {                                                                                 \
        if (F.Name == v) return;                                                                             \
        F.Name = v;                                                                                          \
        Changed();                                                                                           \
    }
    QV_WATCH_PROPERTY(int, Size)
    QV_WATCH_PROPERTY(TWatchShape, Shape)
    QV_WATCH_PROPERTY(TColor, BackgroundColor)
    QV_WATCH_PROPERTY(TColor, BackgroundColorTo)
    QV_WATCH_PROPERTY(TWatchGradient, BackgroundGradient)
    QV_WATCH_PROPERTY(TColor, BorderColor)
    QV_WATCH_PROPERTY(int, BorderWidth)
    QV_WATCH_PROPERTY(TTickMarks, TickMarks)
    QV_WATCH_PROPERTY(THourMarkStyle, HourMarkStyle)
    QV_WATCH_PROPERTY(uint8_t, HourMarkLength)
    QV_WATCH_PROPERTY(uint8_t, HourMarkWidth)
    QV_WATCH_PROPERTY(uint8_t, MinuteMarkLength)
    QV_WATCH_PROPERTY(uint8_t, MinuteMarkWidth)
    QV_WATCH_PROPERTY(TColor, HourColor)
    QV_WATCH_PROPERTY(TColor, MinuteColor)
    QV_WATCH_PROPERTY(TPointerStyle, PointerStyle)
    QV_WATCH_PROPERTY(TColor, HourPointer)
    QV_WATCH_PROPERTY(TColor, MinutePointer)
    QV_WATCH_PROPERTY(TColor, SecondPointer)
    QV_WATCH_PROPERTY(TColor, HourPointerShadow)
    QV_WATCH_PROPERTY(TColor, MinutePointerShadow)
    QV_WATCH_PROPERTY(uint8_t, HourPointerSize)
    QV_WATCH_PROPERTY(uint8_t, MinutePointerSize)
    QV_WATCH_PROPERTY(uint8_t, SecondPointerSize)
    QV_WATCH_PROPERTY(uint8_t, CenterPointSize)
    QV_WATCH_PROPERTY(TColor, CenterPointColor)
    QV_WATCH_PROPERTY(TColor, CenterPointBorderColor)
    QV_WATCH_PROPERTY(TColor, CenterPointOuterBorderColor)
    QV_WATCH_PROPERTY(TColor, AMPMColor)
    QV_WATCH_PROPERTY(TColor, AMPMBorderColor)
    QV_WATCH_PROPERTY(TAMPMFrame, AMPMFrame)
#undef QV_WATCH_PROPERTY

    TFont* HourFont() const {
        return FHourFont.get();
    }
    void SetHourFont(const TFont* v);
    TFont* AMPMFont() const {
        return FAMPMFont.get();
    }
    void SetAMPMFont(const TFont* v);
    TPicture* Picture() const {
        return FPicture.get();
    }
    void SetPicture(const TPicture* v);

    TNotifyEvent OnChange;

private:
    void Changed();
    void ResetFonts();

    TValues F;
    std::unique_ptr<TFont> FHourFont;
    std::unique_ptr<TFont> FAMPMFont;
    std::unique_ptr<TPicture> FPicture;
    bool FResetting = false;
};

// Whether the clock follows the computer's clock, the minutes added to it, and the second hand.
class TWatchSettings : public TPersistent {
public:
    String ClassName() const override { return "TWatchSettings"; }
    void Assign(const TPersistent* Source) override;
    bool Auto() const { return FAuto; }
    void SetAuto(bool v);
    int TimeOffset() const { return FTimeOffset; }
    void SetTimeOffset(int v);
    bool Second() const { return FSeconds; }
    void SetSecond(bool v);
    TNotifyEvent OnChange;

private:
    void Changed() {
        if (OnChange) OnChange(this);
    }
    bool FAuto = false;
    int FTimeOffset = 0;
    bool FSeconds = true;
};

// Applies the clock colours of a component style to an appearance (tsCustom: only the resets every
// style starts with).
void ApplyWatchComponentStyle(TWatchAppearance& Appearance, TQvStyle AStyle);

class TQvWatch : public TCustomControl, public IQvStyle {
public:
    explicit TQvWatch(TComponent* AOwner);
    ~TQvWatch() override;
    String ClassName() const override { return "TQvWatch"; }

    TWatchAppearance* Appearance() const { return FAppearance.get(); }
    void SetAppearance(const TWatchAppearance* v) { FAppearance->Assign(v); }
    TWatchSettings* Settings() const { return FSettings.get(); }
    void SetSettings(const TWatchSettings* v) { FSettings->Assign(v); }
    TDateTime Time() const { return FTime; }
    void SetTime(TDateTime Value);
    bool Animation() const { return FAnimation; }
    void SetAnimation(bool v) { FAnimation = v; }
    int AnimationFactor() const { return FAnimationFactor; }
    // Below 1 counts as 1: the factor divides the remaining distance.
    void SetAnimationFactor(int v) { FAnimationFactor = v < 1 ? 1 : v; }
    bool ShowAMPM() const { return FShowAMPM; }
    void SetShowAMPM(bool v);
    bool ShowNumbers() const { return FShowNumbers; }
    void SetShowNumbers(bool v);
    TWatchStyle Style() const { return FStyle; }
    void SetStyle(TWatchStyle Value);
    void SetComponentStyle(TQvStyle AStyle) override;

    // Hour 0 .. 23 (above raises EConvertError) and minute 0 .. 59 (60 or more raises "Invalid time"),
    // animated unless Animation is off or the change is internal.
    void SetHour(int Value);
    void SetMinute(int Value);
    // The keys of the time picker's popup (virtual-key codes); nothing in automatic mode.
    void WatchKey(Word Key);

    // The AM/PM box shows "AM".
    bool AM() const { return FAM; }
    // The AM/PM box in client coordinates (empty without ShowAMPM).
    TRect GetAMPMRect();
    // The hour or minute animation, or the AM/PM box's roll, is running.
    bool Animating() const;
    // The timers, so that tests can step them.
    TTimer* WatchTimer() const { return FWatchTimer; }
    TTimer* AnimationTimer() const { return FAnimationTimer; }
    TTimer* AMPMTimer() const { return FAMPMTimer; }
    // How often the face was drawn into the cache, and how often the hands were drawn over it.
    int FacePaintCount() const { return FFacePaints; }
    int HandsPaintCount() const { return FHandsPaints; }

    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Resize() override;
    LRESULT DialogCode() const override;

private:
    TDateTime GetCurrentTime() const;
    void InternalSetTime(TDateTime T);
    void SettingsChanged();
    void SetAM(bool Value);
    // Sets the hour or minute at once; OnChange follows unless an animation is still on its way.
    void ApplyHour(int Value, bool Animated);
    void ApplyMinute(int Value, bool Animated);
    void AnimationStep();
    void AMPMStep();
    void InvalidateFace();
    void RefreshHands();
    void PaintFace(TCanvas* C);
    void PaintBackground(TCanvas* C);
    void PaintTickMarks(TCanvas* C);
    void PaintNumbers(TCanvas* C);
    void PaintAMPM(TCanvas* C);
    void DrawHands(TCanvas* C);

    std::unique_ptr<TWatchAppearance> FAppearance;
    std::unique_ptr<TWatchSettings> FSettings;
    std::unique_ptr<TBitmap> FBKGCache;
    TTimer* FWatchTimer = nullptr;
    TTimer* FAnimationTimer = nullptr;
    TTimer* FAMPMTimer = nullptr;
    TDateTime FTime = 0;
    bool FAnimation = true;
    int FAnimationFactor = 10;
    bool FShowAMPM = true;
    bool FShowNumbers = true;
    TWatchStyle FStyle = wsClassic;
    bool FAM = true;
    int FCurrentHourTo = 0;
    int FCurrentMinuteTo = 0;
    int FMinuteFrom = 0;
    bool FHourAnimating = false;
    bool FInternalCall = false;
    bool FInternalSet = false;
    // The AM/PM box's roll: the pixel rows moved so far and how many it takes.
    int FAMPMOffset = 0;
    int FAMPMSteps = 0;
    bool FFaceValid = false;
    int FFacePaints = 0;
    int FHandsPaints = 0;
};

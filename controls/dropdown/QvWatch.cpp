// The analog clock: look, settings, painting over a cached face, hour and minute changes with their
// animation, keys and clicks.
#include "controls/dropdown/QvWatch.h"

#include "controls/dropdown/QvDropDown_Appearance.h"
#include "controls/dropdown/QvWatch_Logic.h"
#include "toolkit/controls/Messages.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Picture.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

void DefaultFont(TFont& f, int size) {
    f.SetName("Tahoma");
    f.SetSize(size);
    f.SetStyle(0);
    f.SetColor(clWindowText);
}

} // namespace

// ---- TWatchAppearance

TWatchAppearance::TWatchAppearance()
    : FHourFont(std::make_unique<TFont>()), FAMPMFont(std::make_unique<TFont>()),
      FPicture(std::make_unique<TPicture>()) {
    ResetFonts();
    FHourFont->OnChange = [this](TObject*) { Changed(); };
    FAMPMFont->OnChange = [this](TObject*) { Changed(); };
    FPicture->OnChange = [this](TObject*) { Changed(); };
}

TWatchAppearance::~TWatchAppearance() = default;

void TWatchAppearance::Changed() {
    if (!FResetting && OnChange) OnChange(this);
}

void TWatchAppearance::ResetFonts() {
    DefaultFont(*FHourFont, 8);
    DefaultFont(*FAMPMFont, 10);
}

void TWatchAppearance::SetDefaults() {
    FResetting = true;
    F = TValues{};
    ResetFonts();
    FPicture->SetGraphic(nullptr);
    FResetting = false;
    Changed();
}

void TWatchAppearance::Assign(const TPersistent* Source) {
    const auto* src = dynamic_cast<const TWatchAppearance*>(Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    FResetting = true;
    F = src->F;
    FHourFont->Assign(src->FHourFont.get());
    FAMPMFont->Assign(src->FAMPMFont.get());
    FPicture->Assign(src->FPicture.get());
    FResetting = false;
    Changed();
}

void TWatchAppearance::SetValues(const TValues& v) {
    if (F == v) return;
    F = v;
    Changed();
}

void TWatchAppearance::SetHourFont(const TFont* v) {
    FHourFont->Assign(v);
}
void TWatchAppearance::SetAMPMFont(const TFont* v) {
    FAMPMFont->Assign(v);
}
void TWatchAppearance::SetPicture(const TPicture* v) {
    FPicture->Assign(v);
}

// ---- TWatchSettings

void TWatchSettings::Assign(const TPersistent* Source) {
    const auto* src = dynamic_cast<const TWatchSettings*>(Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    FTimeOffset = src->FTimeOffset;
    FSeconds = src->FSeconds;
    SetAuto(src->FAuto);
}

void TWatchSettings::SetAuto(bool v) {
    if (FAuto == v) return;
    FAuto = v;
    Changed();
}

void TWatchSettings::SetTimeOffset(int v) {
    if (FTimeOffset == v) return;
    FTimeOffset = v;
    Changed();
}

void TWatchSettings::SetSecond(bool v) {
    if (FSeconds == v) return;
    FSeconds = v;
    Changed();
}

// ---- component styles

namespace {

struct TWatchStyleColors {
    TQvStyle Style;
    TColor AMPMFrame, AMPMFill, Face, FaceTo, Border, Center, Marks, SecondHand, Shadow, Text;
};

constexpr TColor kWhite = 0xFFFFFF;

const TWatchStyleColors kWatchStyles[] = {
    {tsOffice2003Blue, 0x962D00, 0xD68759, 0xFFD2AF, 0xFFD2AF, 0xD68759, 0xD68759, 0xD68759, kWhite, kWhite,
     0},
    {tsOffice2003Silver, 0x947C7C, 0xB39698, 0xECE2E1, 0xECE2E1, 0x947C7C, 0x947C7C, 0x947C7C, kWhite, kWhite,
     0},
    {tsOffice2003Olive, 0x588060, 0x8CC0B1, 0xCFF0EA, 0xCFF0EA, 0x588060, 0x588060, 0x588060, kWhite, kWhite,
     0},
    {tsOffice2003Classic, 0x808080, 0xC9D1D5, kWhite, kWhite, 0x808080, 0x808080, 0x808080, 0x808080,
     0xD8D5D4, 0},
    {tsOffice2007Luna, 0x723708, 0xFFD2AF, 0xFFEFE3, 0xFFEFE3, 0x723708, 0x723708, 0x723708, 0x723708, kWhite,
     0},
    {tsOffice2007Obsidian, 0xF2F1F0, 0x5C534C, 0x5C534C, 0x5C534C, 0xF2F1F0, 0xFFEFE3, 0xF2F1F0, 0xF2F1F0,
     kWhite, 0xF2F1F0},
    {tsWindowsXP, 0, clBtnFace, clBtnFace, clBtnFace, 0, 0, 0, 0, kWhite, 0},
    {tsWhidbey, 0x962D00, 0xEBEEEF, 0xF5F9FA, 0xF5F9FA, 0x7E9898, 0x7E9898, 0x7E9898, 0x962D00, kWhite, 0},
    {tsCustom, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {tsOffice2007Silver, 0x74706F, 0xE8E0DB, 0xF8F7F6, 0xF8F7F6, 0x74706F, 0x74706F, 0x8B4215, 0x8B4215,
     kWhite, 0},
    {tsWindowsVista, 0xFCF2DA, 0xFFFAF0, 0xFFFDF9, 0xFFFAF0, 0x979797, 0x979797, 0x404040, 0x979797, 0xFCF2DA,
     0},
    {tsWindows7, 0xFBD6B8, 0xFDF3EB, 0xFDFBFA, 0xFDF3EB, 0x979797, 0x979797, 0x404040, 0xCEA27D, 0xFBD6B8, 0},
    {tsTerminal, 0x808080, clBtnFace, clBtnFace, clBtnFace, 0x808080, 0, 0, 0, kWhite, 0},
    {tsOffice2010Blue, 0xC7B29F, 0xF0DAC7, 0xFDF6EF, 0xFDF6EF, 0xC7B29F, 0x5B391E, 0x5B391E, 0x5B391E, kWhite,
     0},
    {tsOffice2010Silver, 0xD2CDC8, 0xEDE5E0, kWhite, kWhite, 0xD2CDC8, 0x5B391E, 0x5B391E, 0x5B391E, kWhite,
     0},
    {tsOffice2010Black, 0x6D6D6D, 0x919191, 0xBFBFBF, 0xBFBFBF, 0x6D6D6D, 0x303030, 0x303030, 0x303030,
     0xD7D7D6, 0},
};

} // namespace

void ApplyWatchComponentStyle(TWatchAppearance& A, TQvStyle AStyle) {
    A.SetCenterPointOuterBorderColor(0);
    A.HourFont()->SetColor(0);
    A.AMPMFont()->SetColor(0);
    if (AStyle == tsCustom) return;
    for (const TWatchStyleColors& s : kWatchStyles) {
        if (s.Style != AStyle) continue;
        A.SetAMPMBorderColor(s.AMPMFrame);
        A.SetAMPMColor(s.AMPMFill);
        A.SetBackgroundColor(s.Face);
        A.SetBackgroundColorTo(s.FaceTo);
        A.SetBorderColor(s.Border);
        A.SetCenterPointBorderColor(s.Center);
        A.SetCenterPointColor(s.Center);
        A.SetHourColor(s.Marks);
        A.SetMinuteColor(s.Marks);
        A.SetHourPointer(s.Marks);
        A.SetMinutePointer(s.Marks);
        A.SetSecondPointer(s.SecondHand);
        A.SetHourPointerShadow(s.Shadow);
        A.SetMinutePointerShadow(s.Shadow);
        A.HourFont()->SetColor(s.Text);
        A.AMPMFont()->SetColor(s.Text);
        return;
    }
}

// ---- TQvWatch

TQvWatch::TQvWatch(TComponent* AOwner)
    : TCustomControl(AOwner), FAppearance(std::make_unique<TWatchAppearance>()),
      FSettings(std::make_unique<TWatchSettings>()), FBKGCache(std::make_unique<TBitmap>()) {
    SetBounds(0, 0, 180, 180);
    FAppearance->OnChange = [this](TObject*) { InvalidateFace(); };
    FSettings->OnChange = [this](TObject*) { SettingsChanged(); };
    FWatchTimer = new TTimer(this);
    FWatchTimer->SetEnabled(false);
    FWatchTimer->SetInterval(100);
    FWatchTimer->OnTimer = [this](TObject*) {
        if (!FSettings->Auto()) return;
        FInternalSet = true;
        SetAM(TimePartsOfDay(GetCurrentTime()).Hour < 12);
        FInternalSet = false;
        RefreshHands();
    };
    FAnimationTimer = new TTimer(this);
    FAnimationTimer->SetEnabled(false);
    FAnimationTimer->SetInterval(1);
    FAnimationTimer->OnTimer = [this](TObject*) { AnimationStep(); };
    FAMPMTimer = new TTimer(this);
    FAMPMTimer->SetEnabled(false);
    FAMPMTimer->SetInterval(10);
    FAMPMTimer->OnTimer = [this](TObject*) { AMPMStep(); };
}

TQvWatch::~TQvWatch() {
    FAppearance->OnChange = nullptr;
    FSettings->OnChange = nullptr;
}

LRESULT TQvWatch::DialogCode() const {
    return TabStop() ? DLGC_WANTARROWS | DLGC_WANTALLKEYS : 0;
}

bool TQvWatch::Animating() const {
    return FAnimationTimer->Enabled() || FAMPMTimer->Enabled();
}

TDateTime TQvWatch::GetCurrentTime() const {
    if (FSettings->Auto()) return Now() + FSettings->TimeOffset() / 1440.0;
    return FTime;
}

void TQvWatch::SetTime(TDateTime Value) {
    if (Value == FTime) return;
    InternalSetTime(Value);
    RefreshHands();
}

void TQvWatch::InternalSetTime(TDateTime T) {
    if (T == FTime) return;
    FTime = T;
    FInternalSet = true;
    SetAM(TimePartsOfDay(T).Hour < 12);
    FInternalSet = false;
}

void TQvWatch::SettingsChanged() {
    FWatchTimer->SetEnabled(FSettings->Auto());
    if (FSettings->Auto()) {
        const TDateTime now = Now();
        SetTime(now);
        FInternalSet = true;
        SetAM(TimePartsOfDay(now).Hour < 12);
        FInternalSet = false;
    }
    InvalidateFace();
}

void TQvWatch::SetShowAMPM(bool v) {
    if (FShowAMPM == v) return;
    FShowAMPM = v;
    InvalidateFace();
}

void TQvWatch::SetShowNumbers(bool v) {
    if (FShowNumbers == v) return;
    FShowNumbers = v;
    InvalidateFace();
}

void TQvWatch::SetComponentStyle(TQvStyle AStyle) {
    ApplyWatchComponentStyle(*FAppearance, AStyle);
}

void TQvWatch::SetStyle(TWatchStyle Value) {
    if (Value == FStyle) return;
    FStyle = Value;
    TWatchAppearance& a = *FAppearance;
    a.SetDefaults();
    TWatchAppearance::TValues v = a.Values();
    TFont& font = *a.HourFont();
    const auto setFont = [&](const char* name, int size, TFontStyles style = 0) {
        if (name) font.SetName(name);
        if (size) font.SetSize(size);
        font.SetStyle(style);
    };
    const auto hands = [&](TColor c) { v.HourPointer = v.MinutePointer = c; };
    const auto marks = [&](TColor c) { v.HourColor = v.MinuteColor = c; };
    const int side = std::min(Width(), Height());
    bool numbers = true, ampm = true, setAMPM = true;
    switch (Value) {
    case wsClassic:
        setFont("Comic Sans MS", 10, fsBold);
        v.HourMarkLength = 8;
        v.MinuteMarkLength = 4;
        v.HourPointer = 0;
        v.HourPointerSize = 5;
        FAnimation = true;
        FAnimationFactor = 10;
        break;
    case wsTower:
        v.Shape = wsRect;
        v.PointerStyle = psPointer;
        v.TickMarks = tmHours;
        setFont("Century", 0, fsBold);
        font.SetColor(clWindowText);
        v.BorderWidth = 1;
        v.BackgroundColor = 0xB1F0FE;
        v.BackgroundColorTo = 0x5BCCE8;
        v.BackgroundGradient = wgDiagonalForward;
        v.CenterPointColor = 0x002BD5;
        v.CenterPointSize = 6;
        v.SecondPointer = 0x002BD5;
        v.AMPMColor = 0xB1F0FE;
        numbers = false;
        setAMPM = false;
        break;
    case wsFluorescent:
        v.Shape = wsRoundRect;
        v.TickMarks = tmHours;
        v.HourMarkStyle = hmsQuartDblLine;
        setFont("MS Sans Serif", 8);
        v.BackgroundColor = 0;
        hands(0xFF3E3E);
        marks(0xFF3E3E);
        v.CenterPointSize = 20;
        v.HourMarkLength = 10;
        v.HourMarkWidth = 2;
        v.HourPointerSize = v.MinutePointerSize = 2;
        numbers = ampm = false;
        break;
    case wsEmerald:
        v.Shape = wsRect;
        v.PointerStyle = psPointer;
        v.TickMarks = tmHours;
        v.HourMarkStyle = hmsQuartDblLine;
        setFont("MS Sans Serif", 0);
        v.BackgroundColor = 0x3AE800;
        v.BackgroundColorTo = 0;
        v.BackgroundGradient = wgDiagonalForward;
        v.CenterPointColor = 0x38E100;
        v.CenterPointSize = 16;
        v.CenterPointBorderColor = 0x40FF00;
        hands(0x40FF00);
        v.SecondPointer = 0x00FFFF;
        numbers = ampm = false;
        break;
    case wsBlueStar:
        v.Shape = wsRoundRect;
        v.PointerStyle = psPointer;
        setFont("MS Sans Serif", 8);
        v.BackgroundColor = 0xFFD5D5;
        v.BackgroundColorTo = 0xA00000;
        v.BackgroundGradient = wgRadial;
        hands(0xA00000);
        break;
    case wsFuchsia:
        v.Shape = wsRect;
        v.TickMarks = tmQuartHours;
        v.HourMarkStyle = hmsQuartDblLine;
        setFont("MS Sans Serif", 8);
        v.BackgroundColor = 0;
        hands(0xFFD0FF);
        marks(0xFFD0FF);
        v.SecondPointer = 0xDD68DD;
        numbers = ampm = false;
        break;
    case wsBlack:
        setFont("Century Gothic", 11);
        font.SetColor(0xFFFFFF);
        v.BackgroundColor = 0x202020;
        marks(0x585858);
        hands(0xFFFFFF);
        v.CenterPointColor = 0xFFFFFF;
        ampm = false;
        break;
    case wsBlackWhite:
        v.PointerStyle = psPointer;
        v.TickMarks = tmQuartHours;
        setFont("Century Gothic", 14, fsBold);
        v.BackgroundColor = 0xFFFFFF;
        v.BorderWidth = 8;
        v.CenterPointSize = 8;
        v.SecondPointer = 0x000080;
        ampm = false;
        break;
    case wsGray:
        setFont("Comic Sans MS", 8);
        v.BackgroundColor = 0xD1D1D1;
        v.BackgroundColorTo = 0x6C6C6C;
        v.BackgroundGradient = wgRadial;
        hands(0x4E4E4E);
        v.HourPointerSize = v.MinutePointerSize = 1;
        v.HourPointerShadow = v.MinutePointerShadow = clNone;
        break;
    case wsSuperNova:
        v.BackgroundColor = 0xFFFFFF;
        v.BackgroundColorTo = 0xD1D3D3;
        v.BorderColor = clNone;
        v.CenterPointSize = 10;
        v.HourMarkLength = uint8_t(WatchRound(side / 4.5));
        v.MinuteMarkLength = uint8_t(side / 3);
        numbers = ampm = false;
        break;
    case wsSports:
        v.TickMarks = tmQuartHours;
        setFont("Times New Roman", 9);
        v.BackgroundColor = 0;
        v.BorderWidth = 1;
        v.CenterPointSize = uint8_t(WatchRound(side / 3.6));
        v.HourPointer = 0x0000FF;
        v.MinutePointer = 0x00FFFF;
        v.SecondPointer = 0x188BFE;
        v.HourPointerSize = v.MinutePointerSize = 2;
        v.HourPointerShadow = v.MinutePointerShadow = clNone;
        ampm = false;
        break;
    case wsSmooth:
        v.TickMarks = tmQuartHours;
        setFont("Times New Roman", 9);
        v.BackgroundColor = 0xFFFFFF;
        v.BackgroundColorTo = 0xABB0B1;
        v.BorderColor = 0x585858;
        v.BorderWidth = 1;
        hands(0x4A4A4A);
        v.HourPointerSize = v.MinutePointerSize = 2;
        v.HourPointerShadow = v.MinutePointerShadow = 0xB2B2B2;
        v.CenterPointSize = 6;
        ampm = false;
        break;
    }
    a.SetValues(v);
    SetShowNumbers(numbers);
    if (setAMPM) SetShowAMPM(ampm);
    InvalidateFace();
}

// ---- hour and minute changes

void TQvWatch::SetHour(int Value) {
    if (Value < 0 || Value > 23) throw EConvertError("Invalid argument to time encode");
    if (Value == TimePartsOfDay(GetCurrentTime()).Hour) return;
    if (FAnimation && !FInternalCall) {
        FCurrentHourTo = Value;
        FHourAnimating = true;
        FAnimationTimer->SetEnabled(true);
        return;
    }
    ApplyHour(Value, false);
}

void TQvWatch::ApplyHour(int Value, bool Animated) {
    const TTimeParts p = TimePartsOfDay(GetCurrentTime());
    InternalSetTime(TimeOfParts(Value, p.Minute, p.Second, p.MSec));
    RefreshHands();
    if ((!Animated || Value == FCurrentHourTo) && OnChange) OnChange(this);
}

void TQvWatch::SetMinute(int Value) {
    if (Value < 0 || Value >= 60) throw Exception("Invalid time");
    const int m = TimePartsOfDay(GetCurrentTime()).Minute;
    if (Value == m) return;
    if (FAnimation && !FInternalCall) {
        FCurrentMinuteTo = Value;
        FHourAnimating = false;
        FMinuteFrom = m;
        FAnimationTimer->SetEnabled(true);
        return;
    }
    FMinuteFrom = m;
    ApplyMinute(Value, false);
}

void TQvWatch::ApplyMinute(int Value, bool Animated) {
    const TTimeParts p = TimePartsOfDay(GetCurrentTime());
    int h = p.Hour;
    // Minute 0 reached from the second half of the hour is the next hour.
    if (Value == 0 && FMinuteFrom > 30) {
        h = (h + 1) % 24;
        FMinuteFrom = 0;
    }
    InternalSetTime(TimeOfParts(h, Value, p.Second, p.MSec));
    RefreshHands();
    if ((!Animated || Value == FCurrentMinuteTo) && OnChange) OnChange(this);
}

void TQvWatch::AnimationStep() {
    if (!FAnimation || ComponentState() & csDestroying) {
        FAnimationTimer->SetEnabled(false);
        return;
    }
    const TTimeParts p = TimePartsOfDay(GetCurrentTime());
    if (FHourAnimating) {
        const int next = WatchHourStep(p.Hour, FCurrentHourTo, FAnimationFactor);
        if (next == FCurrentHourTo) FAnimationTimer->SetEnabled(false);
        if (next != p.Hour) ApplyHour(next, true);
    } else {
        const int next = WatchMinuteStep(p.Minute, FCurrentMinuteTo, FAnimationFactor);
        if (next == FCurrentMinuteTo) FAnimationTimer->SetEnabled(false);
        if (next != p.Minute) ApplyMinute(next, true);
    }
}

void TQvWatch::WatchKey(Word Key) {
    if (FSettings->Auto()) return;
    const TTimeParts p = TimePartsOfDay(GetCurrentTime());
    const int h = p.Hour, m = p.Minute;
    const auto internalHour = [&](int v) {
        FInternalCall = true;
        try {
            SetHour(v);
        } catch (...) {
            FInternalCall = false;
            throw;
        }
        FInternalCall = false;
    };
    switch (Key) {
    case 'A':
        if (h >= 12) SetHour(h - 12);
        break;
    case 'P':
        if (h < 12) SetHour(h + 12);
        break;
    case VK_PRIOR:
        internalHour(h == 23 ? 0 : h + 1);
        break;
    case VK_NEXT:
        internalHour(h == 0 ? 23 : h - 1);
        break;
    case VK_HOME:
        internalHour(12);
        break;
    case VK_END:
        SetMinute(0);
        break;
    case VK_LEFT:
        if (m > 0) {
            SetMinute(m - 1);
        } else {
            SetTime(TimeOfParts(h == 0 ? 23 : h - 1, 59, p.Second, p.MSec));
            if (OnChange) OnChange(this);
        }
        break;
    case VK_RIGHT:
        SetMinute(m == 59 ? 0 : m + 1);
        break;
    default:
        break;
    }
}

// ---- mouse

void TQvWatch::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    SetCursor(FShowAMPM && GetAMPMRect().Contains(TPoint(X, Y)) ? crHandPoint : crDefault);
}

void TQvWatch::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (FSettings->Auto() || Button != mbLeft) return;
    const TWatchGeometry g = WatchGeometryOf(ClientWidth(), ClientHeight(), FAppearance->Size());
    if (!PointInEllipse(g.Face, X, Y)) {
        SetMinute(WatchMinuteAtPos(g.Center, X, Y));
        return;
    }
    if (FShowAMPM && GetAMPMRect().Contains(TPoint(X, Y))) {
        if (FAnimation) SetAM(!FAM);
        const int h = TimePartsOfDay(GetCurrentTime()).Hour;
        FCurrentHourTo = h < 12 ? h + 12 : h - 12;
        FInternalCall = true;
        SetHour(FCurrentHourTo);
        FInternalCall = false;
        return;
    }
    SetHour(WatchHourAtPos(g.Center, X, Y, FAM));
}

// ---- AM/PM

TRect TQvWatch::GetAMPMRect() {
    if (!FShowAMPM) return TRect();
    const TWatchGeometry g = WatchGeometryOf(ClientWidth(), ClientHeight(), FAppearance->Size());
    TCanvas* c = FBKGCache->Canvas();
    c->SetFont(FAppearance->AMPMFont());
    const int w = c->TextWidth("AM") + 8;
    const int h = c->TextHeight("AM");
    const int left = g.Center.X - w / 2;
    const int top = g.Center.Y + WatchRound((g.Radius - h) / 3.0);
    return TRect(left, top, left + w, top + h);
}

void TQvWatch::SetAM(bool Value) {
    if (Value == FAM) return;
    FAM = Value;
    const TRect box = FShowAMPM ? GetAMPMRect() : TRect();
    // The box rolls its text over on a timer, one pixel row a step; the thread never waits for it.
    if (FAnimation && FShowAMPM && FAppearance->AMPMColor() != clNone && !FInternalSet && box.Height() > 2) {
        FAMPMSteps = box.Height() - 2;
        FAMPMOffset = 0;
        FAMPMTimer->SetEnabled(true);
        RefreshHands();
        return;
    }
    FAMPMTimer->SetEnabled(false);
    FAMPMSteps = 0;
    InvalidateFace();
}

void TQvWatch::AMPMStep() {
    if (++FAMPMOffset < FAMPMSteps) {
        RefreshHands();
        return;
    }
    FAMPMTimer->SetEnabled(false);
    FAMPMSteps = 0;
    InvalidateFace();
}

// ---- painting

void TQvWatch::Resize() {
    TCustomControl::Resize();
    InvalidateFace();
}

void TQvWatch::InvalidateFace() {
    FFaceValid = false;
    Invalidate();
}

void TQvWatch::RefreshHands() {
    Invalidate();
}

void TQvWatch::Paint() {
    TCanvas* c = Canvas();
    const TRect client = ClientRect();
    if (client.IsEmpty()) return;
    if (!FFaceValid || FBKGCache->Width() != client.Width() || FBKGCache->Height() != client.Height()) {
        FBKGCache->SetSize(client.Width(), client.Height());
        PaintFace(FBKGCache->Canvas());
        FBKGCache->FreeImage();
        FFaceValid = true;
        ++FFacePaints;
    }
    FBKGCache->Draw(c, client);
    if (FAMPMSteps > 0) {
        // The strip holds "AM" above "PM"; its window moves toward the new text.
        const TRect box = GetAMPMRect();
        const TRect inner(box.Left + 1, box.Top + 1, box.Right - 1, box.Bottom - 1);
        const int h = inner.Height();
        const int pos = FAM ? h - FAMPMOffset : FAMPMOffset;
        c->IntersectClipRect(inner);
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(FAppearance->AMPMColor());
        c->FillRect(inner);
        c->SetFont(FAppearance->AMPMFont());
        c->Brush()->SetStyle(bsClear);
        for (const auto& [text, top] :
             {std::pair{String("AM"), inner.Top - pos}, {String("PM"), inner.Top + h - pos}})
            c->TextOut(inner.Left + (inner.Width() - c->TextWidth(text)) / 2, top, text);
        c->ResetClip();
    }
    DrawHands(c);
    ++FHandsPaints;
}

void TQvWatch::PaintFace(TCanvas* C) {
    TColor back = Color();
    if (Parent()) back = Parent()->Color();
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(back);
    C->FillRect(ClientRect());
    PaintBackground(C);
    PaintTickMarks(C);
    PaintNumbers(C);
    PaintAMPM(C);
}

void TQvWatch::PaintBackground(TCanvas* C) {
    const TWatchAppearance::TValues& a = FAppearance->Values();
    const TWatchGeometry g = WatchGeometryOf(ClientWidth(), ClientHeight(), a.Size);
    const TRect client = ClientRect();
    const TRect face = a.Shape == wsCircle ? g.Face : client;
    const TRect clip(g.Face.Left - 1, g.Face.Top - 1, g.Face.Right + 2, g.Face.Bottom + 2);
    if (a.Shape == wsCircle) C->IntersectClipEllipse(clip);
    if (a.Shape == wsRoundRect) C->IntersectClipRoundRect(client, 20, 20);
    if (a.BackgroundColor != clNone && a.BackgroundColorTo != clNone) {
        DrawGradient(C, a.BackgroundColor, a.BackgroundColorTo, 80, face, a.BackgroundGradient == wgRadial);
    } else if (a.BackgroundColor != clNone) {
        C->Brush()->SetStyle(bsSolid);
        C->Brush()->SetColor(a.BackgroundColor);
        C->FillRect(face);
    }
    if (a.BorderColor != clNone && a.BorderWidth > 0) {
        C->Pen()->SetColor(a.BorderColor);
        C->Pen()->SetWidth(a.BorderWidth);
        C->Brush()->SetStyle(bsClear);
        if (a.Shape == wsCircle)
            C->Ellipse(g.Face);
        else if (a.Shape == wsRect)
            C->Rectangle(client);
        else
            C->RoundRect(client.Left, client.Top, client.Right, client.Bottom, 20, 20);
    }
    C->ResetClip();
    if (TGraphic* pic = FAppearance->Picture()->Graphic(); pic && !pic->Empty()) {
        C->IntersectClipRect(client);
        pic->Draw(C, TRect(0, 0, pic->Width(), pic->Height()));
        C->ResetClip();
    }
}

void TQvWatch::PaintTickMarks(TCanvas* C) {
    const TWatchAppearance::TValues& a = FAppearance->Values();
    if (a.TickMarks == tmNone) return;
    const TWatchGeometry g = WatchGeometryOf(ClientWidth(), ClientHeight(), a.Size);
    const double ro = g.Radius - a.BorderWidth / 2;
    const double hourInner = a.HourMarkLength ? ro - a.HourMarkLength : 0.9 * ro;
    const double minuteInner = a.MinuteMarkLength ? ro - a.MinuteMarkLength : 0.95 * ro;
    const auto at = [&](double r, int i, double shiftX = 0, double shiftY = 0) {
        const double rad = i * 6.0 * std::numbers::pi / 180.0;
        return TPoint(WatchRound(g.Center.X + r * std::cos(rad) + shiftX),
                      WatchRound(g.Center.Y + r * std::sin(rad) + shiftY));
    };
    const auto line = [&](double inner, int i, double sx, double sy) {
        const TPoint p1 = at(inner, i, sx, sy), p2 = at(ro, i, sx, sy);
        C->MoveTo(p1.X, p1.Y);
        C->LineTo(p2.X, p2.Y);
    };
    C->Pen()->SetColor(a.HourColor);
    C->Pen()->SetWidth(a.HourMarkWidth);
    for (int i = 0; i < 60; i += 5) {
        const bool quarter = i % 15 == 0;
        if (!quarter && a.TickMarks == tmQuartHours) continue;
        if (quarter && a.HourMarkStyle == hmsQuartDblLine) {
            // 3 and 9 o'clock (i 0 and 30) lie flat: their pair sits above and below.
            const bool flat = i % 30 == 0;
            line(hourInner, i, flat ? 0 : -2, flat ? -2 : 0);
            line(hourInner, i, flat ? 0 : 2, flat ? 2 : 0);
        } else {
            line(hourInner, i, 0, 0);
        }
    }
    if (a.TickMarks != tmAll) return;
    C->Pen()->SetColor(a.MinuteColor);
    C->Pen()->SetWidth(a.MinuteMarkWidth);
    for (int i = 0; i < 60; ++i)
        if (i % 5) line(minuteInner, i, 0, 0);
}

void TQvWatch::PaintNumbers(TCanvas* C) {
    const TWatchAppearance::TValues& a = FAppearance->Values();
    if (!FShowNumbers || a.TickMarks == tmNone || a.TickMarks == tmHours) return;
    const TWatchGeometry g = WatchGeometryOf(ClientWidth(), ClientHeight(), a.Size);
    const double ro = g.Radius - a.BorderWidth / 2;
    const int L = a.HourMarkLength ? a.HourMarkLength : WatchRound(ro - 0.9 * ro) + 2;
    const double rho = ro - (L + 2) - L;
    C->SetFont(FAppearance->HourFont());
    C->Brush()->SetStyle(bsClear);
    for (int i = 1; i <= 12; ++i) {
        if (a.TickMarks == tmQuartHours && i % 3) continue;
        const String text = String::number(i);
        const TSize ext = C->TextExtent(text);
        const int d = i == 10 ? WatchRound(0.2 * ext.cy) : i == 11 ? WatchRound(0.15 * ext.cy) : 0;
        const TPoint p = WatchPoint(g.Center, 1, rho - d + L / 2, 30.0 * i);
        C->TextOut(p.X - ext.cx / 2, p.Y - ext.cy / 2, text);
    }
}

void TQvWatch::PaintAMPM(TCanvas* C) {
    if (!FShowAMPM) return;
    const TWatchAppearance::TValues& a = FAppearance->Values();
    const TRect box = GetAMPMRect();
    if (a.AMPMColor != clNone || a.AMPMBorderColor != clNone) {
        C->Brush()->SetStyle(a.AMPMColor == clNone ? bsClear : bsSolid);
        if (a.AMPMColor != clNone) C->Brush()->SetColor(a.AMPMColor);
        C->Pen()->SetWidth(1);
        if (a.AMPMBorderColor != clNone)
            C->Pen()->SetColor(a.AMPMBorderColor);
        else
            C->Pen()->SetStyle(psClear);
        if (a.AMPMFrame == apRoundRect)
            C->RoundRect(box.Left, box.Top, box.Right, box.Bottom, 5, 5);
        else
            C->Rectangle(box);
        C->Pen()->SetStyle(psSolid);
    }
    C->SetFont(FAppearance->AMPMFont());
    C->Brush()->SetStyle(bsClear);
    const String text = FAM ? "AM" : "PM";
    const TSize ext = C->TextExtent(text);
    C->TextOut(box.Left + (box.Width() - ext.cx) / 2, box.Top + (box.Height() - ext.cy) / 2, text);
}

void TQvWatch::DrawHands(TCanvas* C) {
    const TWatchAppearance::TValues& a = FAppearance->Values();
    const TWatchGeometry g = WatchGeometryOf(ClientWidth(), ClientHeight(), a.Size);
    const TTimeParts p = TimePartsOfDay(GetCurrentTime());
    const int h = p.Hour % 12;
    const double hourAngle = 30.0 * h + p.Minute / 2.0;
    const double minuteAngle = 6.0 * p.Minute;
    const double secondAngle = 6.0 * p.Second;
    const auto pt = [&](double k, double angle, int dx = 0, int dy = 0) {
        const TPoint q = WatchPoint(g.Center, g.Radius, k, angle);
        return TPoint(q.X + dx, q.Y + dy);
    };
    const auto line = [&](TColor color, int width, double from, double to, double angle, int dx = 0,
                          int dy = 0) {
        if (color == clNone) return;
        C->Pen()->SetColor(color);
        C->Pen()->SetWidth(width);
        const TPoint p1 = pt(from, angle, dx, dy), p2 = pt(to, angle, dx, dy);
        C->MoveTo(p1.X, p1.Y);
        C->LineTo(p2.X, p2.Y);
    };
    const auto pointer = [&](TColor color, double tip, double angle, int dx, int dy) {
        if (color == clNone) return;
        C->Pen()->SetColor(color);
        C->Pen()->SetWidth(1);
        C->Brush()->SetStyle(bsSolid);
        C->Brush()->SetColor(color);
        C->Polygon({pt(-0.1, angle, dx, dy), pt(0.05, angle + 90, dx, dy), pt(tip, angle, dx, dy),
                    pt(0.05, angle - 90, dx, dy)});
    };
    if (a.PointerStyle == psPointer) {
        pointer(a.HourPointerShadow, 0.5, hourAngle, 1, 3);
        pointer(a.HourPointer, 0.5, hourAngle, 0, 0);
        pointer(a.MinutePointerShadow, 0.7, minuteAngle, 1, 3);
        pointer(a.MinutePointer, 0.7, minuteAngle, 0, 0);
    } else {
        // The short-line style draws the same hands at two thirds of the length.
        const double k = a.PointerStyle == psShortLine ? 2.0 / 3.0 : 1.0;
        line(a.HourPointerShadow, a.HourPointerSize, -0.1, 0.46 * k, hourAngle, -1, 3);
        line(a.MinutePointerShadow, a.MinutePointerSize, -0.1, 0.65 * k, minuteAngle, 0, 3);
        line(a.HourPointer, a.HourPointerSize, -0.1, 0.5 * k, hourAngle);
        line(a.MinutePointer, a.MinutePointerSize, -0.1, 0.7 * k, minuteAngle);
    }
    if (FSettings->Auto() && FSettings->Second())
        line(a.SecondPointer, a.SecondPointerSize, -0.2, 0.9, secondAngle);
    const int s = a.CenterPointSize;
    if (s <= 0) return;
    const int left = WatchRound(g.Center.X - s / 2.0), top = WatchRound(g.Center.Y - s / 2.0);
    const int w = a.CenterPointOuterBorderColor != clNone ? WatchRound(0.2 * s) : 0;
    C->Brush()->SetStyle(a.CenterPointColor != clNone ? bsSolid : bsClear);
    if (a.CenterPointColor != clNone) C->Brush()->SetColor(a.CenterPointColor);
    if (a.CenterPointOuterBorderColor != clNone) {
        C->Pen()->SetColor(a.CenterPointOuterBorderColor);
        C->Pen()->SetWidth(w);
    } else {
        C->Pen()->SetStyle(psClear);
    }
    C->Ellipse(left, top, left + s, top + s);
    C->Pen()->SetStyle(psSolid);
    if (a.CenterPointBorderColor != clNone) {
        const int inner = s - w;
        const int il = WatchRound(g.Center.X - inner / 2.0), it = WatchRound(g.Center.Y - inner / 2.0);
        C->Brush()->SetStyle(bsClear);
        C->Pen()->SetColor(a.CenterPointBorderColor);
        C->Pen()->SetWidth(std::max(1, WatchRound(0.1 * s)));
        C->Ellipse(il, it, il + inner, it + inner);
    }
}

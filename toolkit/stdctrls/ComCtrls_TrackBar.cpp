// The trackbar over QSlider.
#include "toolkit/stdctrls/ComCtrls_TrackBar.h"
#include "toolkit/controls/ControlsBridge.h"
#include "toolkit/system/DesignValue.h"
#include "toolkit/system/ScopedValue.h"

#include <QSlider>

TTrackBar::TTrackBar(TComponent* AOwner) : TWinControl(AOwner) {
    SetBounds(0, 0, 150, 45);
    SetTabStop(true);
}

QSlider* TTrackBar::Slider() const {
    return static_cast<QSlider*>(FWidget.data());
}

QWidget* TTrackBar::CreateNativeWidget(QWidget* parent) {
    auto* w = new QSlider(parent);
    QObject::connect(w, &QSlider::valueChanged, w, qvdetail::Guarded([this](int value) {
                         if (FSyncing) return;
                         SetPosition(value);
                     }));
    return w;
}

void TTrackBar::SyncWidget() {
    TWinControl::SyncWidget();
    PushToWidget();
}

void TTrackBar::PushToWidget() {
    QSlider* w = Slider();
    if (!w) return;
    const ScopedValue<bool> syncing(FSyncing, true);
    w->setOrientation(FOrientation == trVertical ? Qt::Vertical : Qt::Horizontal);
    // The platform's vertical trackbar has its lowest value at the top.
    w->setInvertedAppearance(FOrientation == trVertical);
    w->setRange(FMin, FMax);
    w->setValue(FPosition);
    w->setSingleStep(FLineSize);
    w->setPageStep(FPageSize);
    w->setTickInterval(FTickStyle == tsAuto ? FFrequency : 0);
    QSlider::TickPosition ticks = QSlider::NoTicks;
    if (FTickStyle != tsNone) {
        const bool vertical = FOrientation == trVertical;
        ticks = FTickMarks == tmBoth      ? QSlider::TicksBothSides
                : FTickMarks == tmTopLeft ? (vertical ? QSlider::TicksLeft : QSlider::TicksAbove)
                                          : (vertical ? QSlider::TicksRight : QSlider::TicksBelow);
    }
    w->setTickPosition(ticks);
}

void TTrackBar::SetMin(int v) {
    FMin = v;
    if (FMax < v) FMax = v;
    const int before = FPosition;
    FPosition = std::clamp(FPosition, FMin, FMax);
    PushToWidget();
    if (FPosition != before) Changed();
}

void TTrackBar::SetMax(int v) {
    FMax = v;
    if (FMin > v) FMin = v;
    const int before = FPosition;
    FPosition = std::clamp(FPosition, FMin, FMax);
    PushToWidget();
    if (FPosition != before) Changed();
}

void TTrackBar::SetPosition(int v) {
    v = std::clamp(v, FMin, FMax);
    if (v == FPosition) {
        // The widget may have been moved past what it may show meanwhile; it shows the value again.
        PushToWidget();
        return;
    }
    FPosition = v;
    PushToWidget();
    Changed();
}

void TTrackBar::SetFrequency(int v) {
    FFrequency = std::max(1, v);
    PushToWidget();
}

void TTrackBar::SetPageSize(int v) {
    FPageSize = std::max(1, v);
    PushToWidget();
}

void TTrackBar::SetLineSize(int v) {
    FLineSize = std::max(1, v);
    PushToWidget();
}

void TTrackBar::SetOrientation(TTrackBarOrientation v) {
    if (v == FOrientation) return;
    FOrientation = v;
    // A trackbar turned round keeps its proportions, as on the platform; a design gives both already.
    if (!IsLoading()) SetBounds(Left(), Top(), Height(), Width());
    PushToWidget();
}

void TTrackBar::SetTickMarks(TTickMark v) {
    FTickMarks = v;
    PushToWidget();
}

void TTrackBar::SetTickStyle(TTickStyle v) {
    FTickStyle = v;
    PushToWidget();
}

void TTrackBar::Changed() {
    if (OnChange) OnChange(this);
}

void TTrackBar::KeyDown(Word& Key, TShiftState Shift) {
    TWinControl::KeyDown(Key, Shift);
    if (Shift & (ssAlt | ssCtrl)) return;
    switch (Key) {
    case VK_LEFT:
    case VK_UP:
        SetPosition(FPosition - FLineSize);
        break;
    case VK_RIGHT:
    case VK_DOWN:
        SetPosition(FPosition + FLineSize);
        break;
    case VK_PRIOR:
        SetPosition(FPosition - FPageSize);
        break;
    case VK_NEXT:
        SetPosition(FPosition + FPageSize);
        break;
    case VK_HOME:
        SetPosition(FMin);
        break;
    case VK_END:
        SetPosition(FMax);
        break;
    default:
        return;
    }
    // Qt's slider steps the other way round for some of these keys: the platform's way is taken here.
    Key = 0;
}

bool TTrackBar::ReadProperty(const String& name, const TDesignValue& v) {
    const QString n = name.toLower();
    if (n == "min")
        SetMin(v.AsInt());
    else if (n == "max")
        SetMax(v.AsInt());
    else if (n == "position")
        SetPosition(v.AsInt());
    else if (n == "frequency")
        SetFrequency(v.AsInt());
    else if (n == "pagesize")
        SetPageSize(v.AsInt());
    else if (n == "linesize")
        SetLineSize(v.AsInt());
    else if (n == "orientation")
        SetOrientation(DesignEnumOf<TTrackBarOrientation>(v, trHorizontal, trHorizontal, trVertical));
    else if (n == "tickmarks")
        SetTickMarks(DesignEnumOf<TTickMark>(v, tmBottomRight, tmBottomRight, tmBoth));
    else if (n == "tickstyle")
        SetTickStyle(DesignEnumOf<TTickStyle>(v, tsAuto, tsNone, tsManual));
    else
        return TWinControl::ReadProperty(name, v);
    return true;
}

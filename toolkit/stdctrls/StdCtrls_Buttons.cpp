// TButton, TCheckBox, TRadioButton, TGroupBox and TScrollBar over Qt's widgets of the same kind.
#include "toolkit/controls/ControlsBridge.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/stdctrls/StdCtrls.h"
#include "toolkit/system/DesignValue.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {
// A radio button the person can only switch on; switching the others off is the control's business.
class StdRadioWidget : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    void nextCheckState() override { setChecked(true); }
};

Qt::LayoutDirection ButtonDirection(TAlignment a) {
    // The platform's taLeftJustify puts the caption left of the box.
    return a == taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight;
}
} // namespace

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner) {
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
    FControlStyle &= ~csClickEvents;
}

QWidget* TButton::CreateNativeWidget(QWidget* parent) {
    auto* w = new QPushButton(parent);
    w->setAutoDefault(false);
    QObject::connect(w, &QPushButton::clicked, qvdetail::Guarded([this] { Click(); }));
    return w;
}

void TButton::SyncWidget() {
    TWinControl::SyncWidget();
    if (auto* w = static_cast<QPushButton*>(FWidget.data())) {
        w->setText(Caption());
        w->setDefault(FDefault);
    }
}

void TButton::TextChanged() {
    if (auto* w = static_cast<QPushButton*>(FWidget.data())) w->setText(Caption());
    TWinControl::TextChanged();
}

void TButton::SetDefault(bool v) {
    FDefault = v;
    if (auto* w = static_cast<QPushButton*>(FWidget.data())) w->setDefault(v);
}

void TButton::Click() {
    if (FModalResult != mrNone)
        if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
    TWinControl::Click();
}

void TButton::Dispatch(TMessage& m) {
    if (m.Msg == CM_DIALOGKEY) {
        bool take = false;
        if (m.WParam == VK_RETURN) {
            // A focused button takes Enter itself; the default button takes it while no other button has the
            // focus.
            TCustomForm* form = GetParentForm(this);
            auto* active = form ? dynamic_cast<TButton*>(form->ActiveControl()) : nullptr;
            take = active ? active == this : FDefault;
        } else if (m.WParam == VK_ESCAPE) {
            take = FCancel;
        }
        if (take && Visible() && Enabled()) {
            Click();
            m.Result = 1;
        }
        return;
    }
    TWinControl::Dispatch(m);
}

bool TButton::ReadProperty(const String& name, const TDesignValue& v) {
    const QString n = name.toLower();
    if (n == "default")
        SetDefault(v.AsBool());
    else if (n == "cancel")
        SetCancel(v.AsBool());
    else if (n == "modalresult")
        SetModalResult(DesignEnum(v, mrNone));
    else
        return TWinControl::ReadProperty(name, v);
    return true;
}

// ---------------------------------------------------------------------------------------------------------

TButtonControl::TButtonControl(TComponent* AOwner) : TWinControl(AOwner) {
    FControlStyle &= ~csClickEvents;
}

void TButtonControl::SyncWidget() {
    TWinControl::SyncWidget();
    PushState();
}

void TButtonControl::PushState() {
    auto* w = static_cast<QAbstractButton*>(FWidget.data());
    if (!w) return;
    FSyncing = true;
    w->setText(Caption());
    w->setLayoutDirection(ButtonDirection(FAlignment));
    PushMark();
    FSyncing = false;
}

void TButtonControl::TextChanged() {
    if (auto* w = static_cast<QAbstractButton*>(FWidget.data())) w->setText(Caption());
    TWinControl::TextChanged();
}

void TButtonControl::SetAlignment(TAlignment v) {
    FAlignment = v;
    PushState();
}

bool TButtonControl::ReadProperty(const String& name, const TDesignValue& v) {
    if (name.compare("alignment", Qt::CaseInsensitive) != 0) return TWinControl::ReadProperty(name, v);
    SetAlignment(DesignEnumOf<TAlignment>(v, taRightJustify, taLeftJustify, taCenter));
    return true;
}

// ---------------------------------------------------------------------------------------------------------

TCheckBox::TCheckBox(TComponent* AOwner) : TButtonControl(AOwner) {
    SetBounds(0, 0, 97, 17);
    SetTabStop(true);
}

QWidget* TCheckBox::CreateNativeWidget(QWidget* parent) {
    auto* w = new QCheckBox(parent);
    QObject::connect(w, &QCheckBox::clicked, qvdetail::Guarded([this, w] {
        if (FSyncing) return;
        TCheckBoxState s = w->checkState() == Qt::Checked            ? cbChecked
                           : w->checkState() == Qt::PartiallyChecked ? cbGrayed
                                                                     : cbUnchecked;
        SetState(s);
    }));
    return w;
}

void TCheckBox::PushMark() {
    auto* w = static_cast<QCheckBox*>(FWidget.data());
    w->setTristate(FAllowGrayed);
    w->setCheckState(FState == cbChecked  ? Qt::Checked
                     : FState == cbGrayed ? Qt::PartiallyChecked
                                          : Qt::Unchecked);
}

void TCheckBox::SetState(TCheckBoxState v) {
    if (v == FState) return;
    FState = v;
    PushState();
    // Every change clicks, also one made by code, as on the platform; a design being read does not.
    if (!IsLoading()) Click();
}

void TCheckBox::SetAllowGrayed(bool v) {
    FAllowGrayed = v;
    PushState();
}

bool TCheckBox::ReadProperty(const String& name, const TDesignValue& v) {
    const QString n = name.toLower();
    if (n == "checked")
        SetChecked(v.AsBool());
    else if (n == "state")
        SetState(DesignEnumOf<TCheckBoxState>(v, cbUnchecked, cbUnchecked, cbGrayed));
    else if (n == "allowgrayed")
        SetAllowGrayed(v.AsBool());
    else
        return TButtonControl::ReadProperty(name, v);
    return true;
}

// ---------------------------------------------------------------------------------------------------------

TRadioButton::TRadioButton(TComponent* AOwner) : TButtonControl(AOwner) { SetBounds(0, 0, 113, 17); }

QWidget* TRadioButton::CreateNativeWidget(QWidget* parent) {
    auto* w = new StdRadioWidget(parent);
    w->setAutoExclusive(false);
    QObject::connect(w, &QRadioButton::clicked, qvdetail::Guarded([this] {
        if (!FSyncing) SetChecked(true);
    }));
    return w;
}

void TRadioButton::PushMark() { static_cast<QRadioButton*>(FWidget.data())->setChecked(FChecked); }

void TRadioButton::SetChecked(bool v) {
    if (v == FChecked) return;
    FChecked = v;
    SetTabStop(v);
    PushState();
    if (!v) return;
    if (TWinControl* parent = Parent())
        for (int i = 0; i < parent->ControlCount(); ++i)
            if (auto* other = dynamic_cast<TRadioButton*>(parent->Controls(i)); other && other != this)
                other->SetChecked(false);
    if (!IsLoading()) Click();
}

bool TRadioButton::ReadProperty(const String& name, const TDesignValue& v) {
    if (name.compare("checked", Qt::CaseInsensitive) != 0) return TButtonControl::ReadProperty(name, v);
    SetChecked(v.AsBool());
    return true;
}

// ---------------------------------------------------------------------------------------------------------

TGroupBox::TGroupBox(TComponent* AOwner) : TWinControl(AOwner) {
    SetBounds(0, 0, 185, 105);
    FControlStyle |= csAcceptsControls;
}

QWidget* TGroupBox::CreateNativeWidget(QWidget* parent) {
    return new QGroupBox(parent);
}

void TGroupBox::SyncWidget() {
    TWinControl::SyncWidget();
    if (auto* w = static_cast<QGroupBox*>(FWidget.data())) w->setTitle(Caption());
}

void TGroupBox::TextChanged() {
    if (auto* w = static_cast<QGroupBox*>(FWidget.data())) w->setTitle(Caption());
    TWinControl::TextChanged();
}

TRect TGroupBox::AdjustedClientRect() const {
    // Aligned children stay clear of the frame and the caption line.
    const QFontMetrics fm(Font()->toQFont());
    TRect r = ClientRect();
    return TRect(r.Left + 2, r.Top + fm.height(), r.Right - 2, r.Bottom - 2);
}

// ---------------------------------------------------------------------------------------------------------

TScrollBar::TScrollBar(TComponent* AOwner) : TWinControl(AOwner) {
    SetBounds(0, 0, 121, 17);
    SetTabStop(true);
}

int TScrollBar::HighestPosition() const {
    return FPageSize > 0 ? std::max(FMin, FMax - FPageSize + 1) : FMax;
}

QWidget* TScrollBar::CreateNativeWidget(QWidget* parent) {
    auto* w = new QScrollBar(parent);
    QObject::connect(w, &QScrollBar::actionTriggered, qvdetail::Guarded([this, w](int action) {
        if (FSyncing) return;
        TScrollCode code = scPosition;
        switch (action) {
        case QAbstractSlider::SliderSingleStepAdd:
            code = scLineDown;
            break;
        case QAbstractSlider::SliderSingleStepSub:
            code = scLineUp;
            break;
        case QAbstractSlider::SliderPageStepAdd:
            code = scPageDown;
            break;
        case QAbstractSlider::SliderPageStepSub:
            code = scPageUp;
            break;
        case QAbstractSlider::SliderToMinimum:
            code = scTop;
            break;
        case QAbstractSlider::SliderToMaximum:
            code = scBottom;
            break;
        case QAbstractSlider::SliderMove:
            code = scTrack;
            break;
        default:
            break;
        }
        int pos = w->sliderPosition();
        Scroll(code, pos);
        SetPosition(pos);
        FSyncing = true;
        w->setSliderPosition(FPosition);
        FSyncing = false;
    }));
    QObject::connect(w, &QScrollBar::valueChanged, qvdetail::Guarded([this](int value) {
        if (!FSyncing) SetPosition(value);
    }));
    return w;
}

void TScrollBar::PushToWidget() {
    auto* w = static_cast<QScrollBar*>(FWidget.data());
    if (!w) return;
    FSyncing = true;
    w->setOrientation(FKind == sbHorizontal ? Qt::Horizontal : Qt::Vertical);
    w->setRange(FMin, HighestPosition());
    w->setPageStep(std::max(FPageSize, FLargeChange));
    w->setSingleStep(FSmallChange);
    w->setValue(FPosition);
    FSyncing = false;
}

void TScrollBar::SyncWidget() {
    TWinControl::SyncWidget();
    PushToWidget();
}

void TScrollBar::SetKind(TScrollBarKind v) {
    if (v == FKind) return;
    FKind = v;
    // Turning the bar turns its bounds, as on the platform.
    if (!IsLoading()) SetBounds(Left(), Top(), Height(), Width());
    PushToWidget();
}

void TScrollBar::SetParams(int APosition, int AMin, int AMax) {
    if (AMax < AMin) throw Exception("Scroll bar property out of range");
    FMin = AMin;
    FMax = AMax;
    int pos = std::clamp(APosition, FMin, HighestPosition());
    bool changed = pos != FPosition;
    FPosition = pos;
    PushToWidget();
    if (changed) Change();
}

void TScrollBar::SetPageSize(int v) {
    FPageSize = std::clamp(v, 0, FMax - FMin + 1);
    SetParams(FPosition, FMin, FMax);
}

void TScrollBar::SetSmallChange(int v) {
    FSmallChange = v;
    PushToWidget();
}

void TScrollBar::SetLargeChange(int v) {
    FLargeChange = v;
    PushToWidget();
}

void TScrollBar::Change() {
    if (OnChange) OnChange(this);
}

void TScrollBar::Scroll(TScrollCode code, int& pos) {
    if (OnScroll) OnScroll(this, code, pos);
}

bool TScrollBar::ReadProperty(const String& name, const TDesignValue& v) {
    const QString n = name.toLower();
    if (n == "kind")
        SetKind(DesignEnumOf<TScrollBarKind>(v, sbHorizontal, sbHorizontal, sbVertical));
    else if (n == "min")
        SetParams(FPosition, v.AsInt(), std::max(FMax, v.AsInt()));
    else if (n == "max")
        SetParams(FPosition, std::min(FMin, v.AsInt()), v.AsInt());
    else if (n == "position")
        SetPosition(v.AsInt());
    else if (n == "pagesize")
        SetPageSize(v.AsInt());
    else if (n == "smallchange")
        SetSmallChange(v.AsInt());
    else if (n == "largechange")
        SetLargeChange(v.AsInt());
    else
        return TWinControl::ReadProperty(name, v);
    return true;
}

// The date-time picker with auto-tab, the time part beside the date, and the caption label.
#include "controls/editors/QvDateTimePicker.h"

#include "controls/editors/DateTimeAutoTab.h"
#include "toolkit/system/DesignValue.h"
#include "toolkit/system/ScopedValue.h"

#include <cmath>

UINT DTPShiftFocusMessage() {
    static const UINT message = RegisterWindowMessage("DTPShiftFocus");
    return message;
}

// TCustomDateTimePicker
// --------------------------------------------------------------------------------------------

TCustomDateTimePicker::TCustomDateTimePicker(TComponent* AOwner) : TQsgDateTimePicker(AOwner) {
    FCtl3D = false;
    FBorderStyle = bsNone;
    FBorderColor = clBlack;
}

void TCustomDateTimePicker::SetAutoTab(bool v) {
    FAutoTab = v;
}

void TCustomDateTimePicker::SetBorderStyle(TBorderStyle v) {
    TQsgDateTimePicker::SetBorderStyle(v);
}

bool TCustomDateTimePicker::MetroActive() const {
    return MetroStyle() && !IsEmbedded();
}

bool TCustomDateTimePicker::FlatFrameWanted() const {
    return !FCtl3D;
}

LRESULT TCustomDateTimePicker::DialogCode() const {
    if (IsEmbedded())
        if (auto* owner = dynamic_cast<const TCustomDateTimePicker*>(Owner())) return owner->DialogCode();
    return TQsgDateTimePicker::DialogCode();
}

void TCustomDateTimePicker::RecordBeforeDigit() {
    FBeforeDigit = AutoTabValue();
    FFieldBeforeDigit = FieldIndex();
}

void TCustomDateTimePicker::KeyPress(QChar& Key) {
    const bool digit = Key >= QChar('0') && Key <= QChar('9');
    if (digit) RecordBeforeDigit();
    TQsgDateTimePicker::KeyPress(Key);
    // Also without auto-tab: a field the native picker left once it was whole is taken back.
    if (digit && !Key.isNull()) PostMessage(this, DTPShiftFocusMessage(), 0, 0);
}

void TCustomDateTimePicker::WndProc(TMessage& m) {
    if (m.Msg == DTPShiftFocusMessage() && m.Msg != 0) CheckAutoTab();
    TQsgDateTimePicker::WndProc(m);
}

void TCustomDateTimePicker::CheckAutoTab() {
    TAutoTabKey key;
    key.TimeKind = TDateTimePicker::Kind() == dtkTime;
    key.Format = Format();
    key.Before = FBeforeDigit;
    key.After = AutoTabValue();
    key.FieldBefore = FFieldBeforeDigit;
    key.FieldAfter = FieldIndex();
    key.AutoTab = FAutoTab;
    key.HasTimePart = HasTimePart();
    switch (AutoTabStep(key)) {
    case TAutoTabStep::NextField:
        PostMessage(this, WM_KEYDOWN, VK_RIGHT, 0);
        break;
    case TAutoTabStep::BackToField:
        SetFieldIndex(FFieldBeforeDigit);
        break;
    case TAutoTabStep::TimePart:
        FocusTimePart();
        break;
    case TAutoTabStep::Stay:
        break;
    }
}

// TQvDateTimePicker
// --------------------------------------------------------------------------------------------

TQvDateTimePicker::TQvDateTimePicker(TComponent* AOwner) : TCustomDateTimePicker(AOwner) {
    TCustomDateTimePicker::SetBorderStyle(bsSingle);
    FCtl3D = true;
    FLabel.Font()->OnChange = [this](TObject*) {
        if ((ComponentState() & csDesigning) && FLabel.Label()) SetParentFont(false);
        ApplyLabelFont();
    };
    CreateTimePicker();
}

TQvDateTimePicker::~TQvDateTimePicker() {
    SetDestroying();
    // The label sits on the parent: it goes before the picker.
    FLabel.Free();
}

// Value and kind
// --------------------------------------------------------------------------------------------

TDateTime TQvDateTimePicker::DateTime() const {
    if (!FTimePicker) return TDateTimePicker::DateTime();
    const double day = std::trunc(TDateTimePicker::DateTime());
    const double time = FTimePicker->Time();
    return day >= 0 ? day + time : day - time;
}

void TQvDateTimePicker::SetDateTime(TDateTime v) {
    // Whole seconds: the milliseconds go.
    int h = 0, n = 0, s = 0;
    TimePartsOf(v, h, n, s);
    const double day = std::trunc(v);
    TDateTime time = 0;
    TryTimeFromParts(h, n, s, time);
    const TDateTime value = day >= 0 ? day + time : day - time;
    TDateTimePicker::SetDateTime(value);
    if (FKind == dkDateTime) {
        CreateTimePicker();
        FTimePicker->SetDateTime(value);
    }
}

void TQvDateTimePicker::SetDate(TDateTime v) {
    const double time = Time();
    const double day = std::trunc(v);
    SetDateTime(day >= 0 ? day + time : day - time);
}

TDateTime TQvDateTimePicker::Time() const {
    return FKind == dkDateTime && FTimePicker ? FTimePicker->Time() : TDateTimePicker::Time();
}

void TQvDateTimePicker::SetTime(TDateTime v) {
    TDateTimePicker::SetTime(v);
    UpdateTimePicker();
}

void TQvDateTimePicker::SetKind(TQvDateTimeKind v) {
    if (v == FKind) return;
    FKind = v;
    TDateTimePicker::SetKind(v == dkTime ? dtkTime : dtkDate);
    if (v == dkTime && !FTimeFormat.isEmpty()) SetFormat(FTimeFormat);
    if (v == dkDateTime) CreateTimePicker();
    UpdateTimePicker();
}

void TQvDateTimePicker::SetTimeFormat(const String& v) {
    if (FTimePicker) FTimePicker->SetFormat(v);
    if (FKind == dkTime) SetFormat(v);
    FTimeFormat = v;
    UpdateTimePicker();
}

void TQvDateTimePicker::SetAutoTab(bool v) {
    TCustomDateTimePicker::SetAutoTab(v);
    if (FTimePicker) FTimePicker->SetAutoTab(v);
}

void TQvDateTimePicker::SetBorderStyle(TBorderStyle v) {
    TCustomDateTimePicker::SetBorderStyle(v);
    UpdateTimePicker();
}

void TQvDateTimePicker::SetNativeDateTime(TDateTime v) {
    TCustomDateTimePicker::SetNativeDateTime(v);
    // A date set in code leaves the time part usable exactly while there is a date.
    if (FTimePicker && ShowCheckbox()) FTimePicker->SetEnabled(Enabled() && Checked());
}

void TQvDateTimePicker::Change() {
    if (FTimePicker && ShowCheckbox()) FTimePicker->SetEnabled(Enabled() && Checked());
    TCustomDateTimePicker::Change();
}

void TQvDateTimePicker::DoChange() {
    if (OnChange) OnChange(this);
}

void TQvDateTimePicker::DoClick() {
    if (OnClick) OnClick(this);
}

void TQvDateTimePicker::TimePartKeyDown(Word& Key, TShiftState Shift) {
    if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

// The time part
// --------------------------------------------------------------------------------------------

void TQvDateTimePicker::CreateTimePicker() {
    if (FKind != dkDateTime || FTimePicker) return;
    auto* part = new TCustomDateTimePicker(this);
    FTimePicker = part;
    part->SetBounds(0, 0, 90, 17);
    part->SetVisible(false);
    part->SetEnabled(Enabled());
    part->TDateTimePicker::SetKind(dtkTime);
    part->SetAutoTab(AutoTab());
    part->SetTabStop(true);
    if (!IsLoading() || !(ComponentState() & csDesigning)) part->SetParent(this);
    part->OnChange = [this](TObject*) {
        DoChange();
        if (OnTimeChange) OnTimeChange(this);
    };
    part->OnClick = [this](TObject*) { DoClick(); };
    part->OnKeyDown = [this](TObject*, Word& Key, TShiftState Shift) { TimePartKeyDown(Key, Shift); };
    part->OnKeyPress = [this](TObject*, QChar& Key) { TimePickerKeyPress(Key); };
}

void TQvDateTimePicker::UpdateTimePicker() {
    if (!FTimePicker || FUpdatingTimePicker) return;
    if (FKind != dkDateTime) {
        TCustomDateTimePicker* part = FTimePicker;
        FTimePicker = nullptr;
        delete part;
        return;
    }
    const ScopedValue<bool> updating(FUpdatingTimePicker, true);
    TCustomDateTimePicker* part = FTimePicker;
    part->SetParent(this);
    part->SetColor(Color());
    part->SetEnabled(Enabled() && (Checked() || !ShowCheckbox()));
    part->SetFormat(FTimeFormat);
    part->SetFont(Font());
    part->SetVisible(true);
    // As wide as its text and its arrows, at the right end before the date's drop button.
    TCanvas measure;
    measure.SetFont(Font());
    const int w = measure.TextWidth(part->Text()) + 31;
    const int buttonRoom = MetroActive() ? 21 : 34;
    part->SetBounds(Width() - w - buttonRoom, 1, w, std::max(1, Height() - 2));
}

void TQvDateTimePicker::FocusTimePart() {
    if (!FTimePicker || !FTimePicker->CanFocus()) return;
    FTimePicker->SetFocus();
    FTimePicker->SetFieldIndex(0);
}

// Window, bounds and state
// --------------------------------------------------------------------------------------------

void TQvDateTimePicker::SyncWidget() {
    TCustomDateTimePicker::SyncWidget();
    UpdateTimePicker();
}

void TQvDateTimePicker::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TCustomDateTimePicker::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (IsDestroying()) return;
    UpdateTimePicker();
    FLabel.Place();
}

void TQvDateTimePicker::SetParent(TWinControl* AParent) {
    TCustomDateTimePicker::SetParent(AParent);
    FLabel.ControlParent(AParent);
}

void TQvDateTimePicker::SetEnabled(bool v) {
    TCustomDateTimePicker::SetEnabled(v);
    if (IsDestroying()) return;
    if (FTimePicker) FTimePicker->SetEnabled(v && (Checked() || !ShowCheckbox()));
    FLabel.ControlEnabled(v);
}

void TQvDateTimePicker::SetVisible(bool v) {
    TCustomDateTimePicker::SetVisible(v);
    if (FLabel.Label()) FLabel.Label()->SetVisible(v);
}

void TQvDateTimePicker::Dispatch(TMessage& m) {
    TCustomDateTimePicker::Dispatch(m);
    if (m.Msg == WM_SIZE || m.Msg == CM_COLORCHANGED) UpdateTimePicker();
}

void TQvDateTimePicker::DoEnter() {
    TCustomDateTimePicker::DoEnter();
    if (FFocusLabel && !IsLoading()) FLabel.SetBold(true);
}

void TQvDateTimePicker::DoExit() {
    TCustomDateTimePicker::DoExit();
    if (FFocusLabel && !IsLoading()) FLabel.SetBold(false);
}

void TQvDateTimePicker::FontChanged() {
    TCustomDateTimePicker::FontChanged();
    ApplyLabelFont();
    UpdateTimePicker();
}

void TQvDateTimePicker::Loaded() {
    TCustomDateTimePicker::Loaded();
    if (!(ComponentState() & csDesigning)) {
        CreateTimePicker();
        UpdateTimePicker();
        if (FTimePicker && ShowCheckbox() && !Checked()) FTimePicker->SetEnabled(false);
    }
    FParentFnt = ParentFont();
    if (TLabel* label = FLabel.Label(); label && !FLabel.AlwaysEnabled()) label->SetEnabled(Enabled());
    ApplyLabelFont();
}

// The label
// --------------------------------------------------------------------------------------------

void TQvDateTimePicker::SetLabelCaption(const String& v) {
    FLabel.SetCaption(v, [this](TLabel* label) {
        label->OnClick = [this](TObject*) {
            if (OnLabelClick) OnLabelClick(this);
        };
        label->OnDblClick = [this](TObject*) {
            if (OnLabelDblClick) OnLabelDblClick(this);
        };
    });
    ApplyLabelFont();
}

void TQvDateTimePicker::SetLabelAlwaysEnabled(bool v) {
    FLabel.SetAlwaysEnabled(v);
    Invalidate();
}

void TQvDateTimePicker::ApplyLabelFont() {
    TLabel* label = FLabel.Label();
    if (!label || IsDestroying()) return;
    label->SetFont(FParentFnt ? Font() : FLabel.Font());
    FLabel.Place();
}

bool TQvDateTimePicker::ReadProperty(const String& name, const TDesignValue& v) {
    const QString n = name.toLower();
    if (n == "kind")
        SetKind(DesignEnumOf<TQvDateTimeKind>(v, dkDateTime, dkDate, dkDateTime));
    else if (n == "timeformat")
        SetTimeFormat(v.AsString());
    else if (n == "autotab")
        SetAutoTab(v.AsBool());
    else if (n == "labelcaption")
        SetLabelCaption(v.AsString());
    else if (n == "labelposition")
        SetLabelPosition(static_cast<TLabelPosition>(DesignEnum(v, lpLeftTop)));
    else if (n == "labelmargin")
        SetLabelMargin(v.AsInt());
    else if (n == "focuslabel")
        SetFocusLabel(v.AsBool());
    else if (n == "datetime")
        SetDateTime(v.AsFloat());
    else
        return TCustomDateTimePicker::ReadProperty(name, v);
    return true;
}

// TControl: state, bounds, fonts and colours, and the messages every control understands.
#include "toolkit/controls/Controls.h"
#include "toolkit/controls/ActnList.h"
#include "toolkit/controls/ControlsBridge.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/Menus.h"

#include <QApplication>
#include <QWidget>

TControl::TControl(TComponent* AOwner)
    : TComponent(AOwner), FFont(std::make_unique<TFont>()),
      FBridge(std::make_unique<qvdetail::EventBridge>(this)) {
    FFont->OnChange = [this](TObject*) {
        if (!FApplyingParentFont) FParentFont = false;
        FontChanged();
    };
}

TControl::~TControl() {
    SetDestroying();
    FActionLink.reset();
    DestroyComponents();
    if (FParent) FParent->RemoveControl(this);
    DestroyWidget();
}

void TControl::SetParent(TWinControl* AParent) {
    if (AParent == FParent) return;
    if (AParent == this) throw Exception("A control cannot have itself as its parent");
    if (FParent) FParent->RemoveControl(this);
    if (AParent) AParent->InsertControl(this);
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
    bool sized = AWidth != FWidth || AHeight != FHeight;
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    SyncGeometry();
    BoundsChanged();
    if (sized) Resize();
    if (FParent && FAlign != alNone) FParent->Realign();
}

void TControl::SetClientSize(int w, int h) {
    SetBounds(FLeft, FTop, w + FWidth - ClientWidth(), h + FHeight - ClientHeight());
}

TPoint TControl::ClientOrigin() const {
    if (FWidget) return TPoint::fromQPoint(FWidget->mapToGlobal(QPoint(0, 0)));
    TPoint p(FLeft, FTop);
    if (FParent) {
        TPoint o = FParent->ClientOrigin();
        p.X += o.X;
        p.Y += o.Y;
    }
    return p;
}

TPoint TControl::ClientToScreen(const TPoint& p) const {
    TPoint o = ClientOrigin();
    return TPoint(p.X + o.X, p.Y + o.Y);
}

TPoint TControl::ScreenToClient(const TPoint& p) const {
    TPoint o = ClientOrigin();
    return TPoint(p.X - o.X, p.Y - o.Y);
}

void TControl::SetVisible(bool v) {
    if (v == FVisible) return;
    FVisible = v;
    VisibleChanged();
    if (FWidget) FWidget->setVisible(v);
    if (FParent && FAlign != alNone) FParent->Realign();
}

bool TControl::Showing() const {
    if (!FVisible) return false;
    return FParent ? FParent->Showing() : (FWidget && FWidget->isVisible());
}

void TControl::SetEnabled(bool v) {
    if (v == FEnabled) return;
    FEnabled = v;
    EnabledChanged();
}

void TControl::EnabledChanged() {
    if (FWidget) FWidget->setEnabled(FEnabled);
    Perform(CM_ENABLEDCHANGED);
}

void TControl::VisibleChanged() {
    Perform(CM_VISIBLECHANGED, FVisible);
}

void TControl::SetText(const String& v) {
    if (v == GetText()) return;
    FText = v;
    TextChanged();
}

void TControl::TextChanged() {
    if (FWidget && PaintsItself()) FWidget->update();
    Perform(CM_TEXTCHANGED);
}

void TControl::SetHint(const String& v) {
    FHint = v;
    if (FWidget) FWidget->setToolTip(FShowHint ? v : String());
}

void TControl::SetShowHint(bool v) {
    FShowHint = v;
    FParentShowHint = false;
    SetHint(FHint);
}

void TControl::SetParentFont(bool v) {
    FParentFont = v;
    if (v && FParent) ParentFontChanged();
}

void TControl::ParentFontChanged() {
    if (!FParentFont || !FParent) return;
    FApplyingParentFont = true;
    FFont->Assign(FParent->Font());
    FApplyingParentFont = false;
    FParentFont = true;
}

void TControl::SetColor(TColor v) {
    FParentColor = false;
    if (v == FColor) return;
    FColor = v;
    ColorChanged();
}

void TControl::SetParentColor(bool v) {
    FParentColor = v;
    if (v && FParent) ParentColorChanged();
}

void TControl::ParentColorChanged() {
    if (!FParentColor || !FParent || FParent->Color() == FColor) return;
    FColor = FParent->Color();
    ColorChanged();
    FParentColor = true;
}

void TControl::FontChanged() {
    SyncFont();
    Perform(CM_FONTCHANGED);
}

void TControl::ColorChanged() {
    SyncColor();
    Perform(CM_COLORCHANGED);
}

void TControl::SetAlign(TAlign v) {
    if (v == FAlign) return;
    FAlign = v;
    if (FParent) FParent->Realign();
}

void TControl::SetCursor(TCursor v) {
    if (v == FCursor) return;
    FCursor = v;
    if (FWidget) qvdetail::ApplyCursor(FWidget, v);
    Perform(CM_CURSORCHANGED);
}

void TControl::SetControlStateFlag(TControlStateFlag f, bool on) {
    if (on)
        FControlState |= f;
    else
        FControlState &= ~f;
}

LRESULT TControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam) {
    TMessage m;
    m.Msg = Msg;
    m.WParam = WParam;
    m.LParam = LParam;
    DeliverMessage(m);
    return m.Result;
}

void TControl::DeliverMessage(TMessage& Message) {
    // The filter may remove itself while it runs: it is called through a copy.
    if (FMessageFilter) {
        const TMessageFilter filter = FMessageFilter;
        if (filter(Message)) return;
    }
    WndProc(Message);
}

void TControl::WndProc(TMessage& Message) {
    Dispatch(Message);
}

void TControl::DefaultHandler(TMessage& Message) {
    Message.PassToNative = true;
}

void TControl::Dispatch(TMessage& m) {
    auto shiftOf = [](WPARAM keys) {
        TShiftState s = 0;
        if (keys & MK_SHIFT) s |= ssShift;
        if (keys & MK_CONTROL) s |= ssCtrl;
        if (keys & MK_LBUTTON) s |= ssLeft;
        if (keys & MK_RBUTTON) s |= ssRight;
        if (keys & MK_MBUTTON) s |= ssMiddle;
        if (qvdetail::AltIsDown()) s |= ssAlt;
        return s;
    };
    switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (m.Msg == WM_LBUTTONDOWN && (FControlStyle & csClickEvents)) FControlState |= csClicked;
        FControlState |= csLButtonDown;
        MouseDown(mbLeft, shiftOf(m.Keys()) | (m.Msg == WM_LBUTTONDBLCLK ? TShiftState(ssDouble) : 0u),
                  m.XPos(), m.YPos());
        if (m.Msg == WM_LBUTTONDBLCLK && (FControlStyle & csDoubleClicks)) DblClick();
        DefaultHandler(m);
        return;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        MouseDown(mbRight, shiftOf(m.Keys()) | (m.Msg == WM_RBUTTONDBLCLK ? TShiftState(ssDouble) : 0u),
                  m.XPos(), m.YPos());
        DefaultHandler(m);
        return;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        MouseDown(mbMiddle, shiftOf(m.Keys()) | (m.Msg == WM_MBUTTONDBLCLK ? TShiftState(ssDouble) : 0u),
                  m.XPos(), m.YPos());
        DefaultHandler(m);
        return;
    case WM_LBUTTONUP: {
        bool clicked = FControlState & csClicked;
        FControlState &= ~(csClicked | csLButtonDown);
        MouseUp(mbLeft, shiftOf(m.Keys()), m.XPos(), m.YPos());
        if (clicked && ClientRect().Contains(TPoint(m.XPos(), m.YPos()))) Click();
        DefaultHandler(m);
        return;
    }
    case WM_RBUTTONUP:
        MouseUp(mbRight, shiftOf(m.Keys()), m.XPos(), m.YPos());
        DefaultHandler(m);
        return;
    case WM_MBUTTONUP:
        MouseUp(mbMiddle, shiftOf(m.Keys()), m.XPos(), m.YPos());
        DefaultHandler(m);
        return;
    case WM_MOUSEMOVE:
        MouseMove(shiftOf(m.Keys()), m.XPos(), m.YPos());
        DefaultHandler(m);
        return;
    case CM_MOUSEENTER:
        MouseEnter();
        DefaultHandler(m);
        return;
    case CM_MOUSELEAVE:
        MouseLeave();
        DefaultHandler(m);
        return;
    case WM_PAINT:
        WMPaintDefault(m);
        return;
    case WM_CONTEXTMENU:
        if (FPopupMenu && FPopupMenu->AutoPopup()) {
            // From the keyboard (-1, -1) the menu opens over the control's middle.
            TPoint at(m.XPos(), m.YPos());
            if (at.X == -1 && at.Y == -1) at = ClientToScreen(TPoint(FWidth / 2, FHeight / 2));
            FPopupMenu->SetPopupComponent(this);
            FPopupMenu->Popup(at.X, at.Y);
            m.Result = 1;
            return;
        }
        DefaultHandler(m);
        return;
    default:
        DefaultHandler(m);
    }
}

void TControl::SetPopupMenu(TPopupMenu* menu) {
    if (menu == FPopupMenu) return;
    if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
    FPopupMenu = menu;
    if (menu) menu->FreeNotification(this);
}

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FPopupMenu) FPopupMenu = nullptr;
    // An action that goes lets go of its links first, so the link left without one is this control's.
    if (Operation == opRemove && FActionLink && !FActionLink->Action()) SetAction(nullptr);
}

void TControl::WMPaintDefault(TMessage& m) {
    DefaultHandler(m);
}

void TControl::Click() {
    if (OnClick)
        OnClick(this);
    else if (FActionLink)
        FActionLink->Execute(this);
}

void TControl::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
    if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::MouseEnter() {
    if (OnMouseEnter) OnMouseEnter(this);
}

void TControl::MouseLeave() {
    if (OnMouseLeave) OnMouseLeave(this);
}

void TControl::Resize() {
    if (OnResize) OnResize(this);
    // A watcher may remove itself (or another) while it runs: walk a copy, asking each key anew.
    auto watchers = FResizeWatchers;
    for (auto& w : watchers) {
        bool still = false;
        for (auto& cur : FResizeWatchers)
            still = still || cur.first == w.first;
        if (still && w.second) w.second(this);
    }
}

void TControl::Invalidate() {
    if (FWidget) FWidget->update();
}

void TControl::Repaint() {
    if (FWidget) FWidget->repaint();
}

void TControl::Update() {
    if (FWidget) QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TControl::BringToFront() {
    if (FParent) {
        auto& list = FParent->FControls;
        std::erase(list, this);
        list.push_back(this);
    }
    if (FWidget) FWidget->raise();
}

void TControl::SendToBack() {
    if (FParent) {
        auto& list = FParent->FControls;
        std::erase(list, this);
        list.insert(list.begin(), this);
    }
    if (FWidget) FWidget->lower();
}

QWidget* TControl::CreateNativeWidget(QWidget* parent) {
    return new qvdetail::NativeWidget(parent);
}

void TControl::CreateWidgetIn(QWidget* parent) {
    if (FWidget) return;
    FControlState |= csCreating;
    QWidget* w = CreateNativeWidget(parent);
    NativeWidgetCreated();
    FWidget = w;
    w->setObjectName(Name());
    AttachEvents(w);
    SyncWidget();
    FControlState &= ~csCreating;
}

void TControl::AttachEvents(QWidget* w) {
    w->installEventFilter(FBridge.get());
    w->setProperty(qvdetail::kControlProperty, QVariant::fromValue(static_cast<void*>(this)));
}

void TControl::DestroyWidget() {
    if (!FWidget) return;
    FControlState |= csDestroyingHandle;
    QWidget* w = FWidget.data();
    FWidget.clear();
    w->setProperty(qvdetail::kControlProperty, QVariant());
    w->removeEventFilter(FBridge.get());
    // Children's widgets go with this one; their controls must forget them first (done by TWinControl).
    delete w;
    FControlState &= ~csDestroyingHandle;
}

void TControl::SyncGeometry() {
    if (FWidget) FWidget->setGeometry(FLeft, FTop, std::max(0, FWidth), std::max(0, FHeight));
}

void TControl::SyncFont() {
    if (!FWidget) return;
    FWidget->setFont(FFont->toQFont());
    QPalette pal = FWidget->palette();
    QColor text = ToQColor(FFont->Color());
    // A disabled control keeps the style's greyed text, as the platform greys it whatever the font colour.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::WindowText, text);
        pal.setColor(group, QPalette::Text, text);
        pal.setColor(group, QPalette::ButtonText, text);
    }
    FWidget->setPalette(pal);
    if (PaintsItself()) FWidget->update();
}

void TControl::SyncColor() {
    if (!FWidget) return;
    QPalette pal = FWidget->palette();
    pal.setColor(QPalette::Window, ToQColor(FColor));
    // A disabled edit shows the style's disabled field colour instead of its own.
    pal.setColor(QPalette::Active, QPalette::Base, ToQColor(FColor));
    pal.setColor(QPalette::Inactive, QPalette::Base, ToQColor(FColor));
    pal.setColor(QPalette::Button, ToQColor(FColor));
    FWidget->setPalette(pal);
    FWidget->update();
}

void TControl::SyncWidget() {
    if (!FWidget) return;
    SyncGeometry();
    SyncFont();
    SyncColor();
    // A control that paints only part of itself lets its parent show through the rest.
    if (FControlStyle & csParentBackground) FWidget->setAutoFillBackground(false);
    FWidget->setEnabled(FEnabled);
    FWidget->setToolTip(FShowHint ? FHint : String());
    qvdetail::ApplyCursor(FWidget, FCursor);
    FWidget->setVisible(FVisible);
}

bool TControl::HandleQtEvent(QWidget* w, QEvent* e) {
    return qvdetail::TranslateEvent(this, w, e);
}

TCustomForm* GetParentForm(const TControl* control) {
    const TControl* c = control;
    while (c && c->Parent())
        c = c->Parent();
    return const_cast<TCustomForm*>(dynamic_cast<const TCustomForm*>(c));
}

TControl* FindControl(const QWidget* w) {
    for (const QWidget* p = w; p; p = p->parentWidget()) {
        QVariant v = p->property(qvdetail::kControlProperty);
        if (v.isValid()) return static_cast<TControl*>(v.value<void*>());
    }
    return nullptr;
}

TControl* ControlAtScreenPos(const TPoint& ScreenPos) {
    return FindControl(QApplication::widgetAt(ScreenPos.toQPoint()));
}

LRESULT SendMessage(TControl* control, UINT Msg, WPARAM WParam, LPARAM LParam) {
    return control ? control->Perform(Msg, WParam, LParam) : 0;
}

void TControl::AddResizeWatcher(const void* Key, TNotifyEvent Handler) {
    RemoveResizeWatcher(Key);
    FResizeWatchers.emplace_back(Key, std::move(Handler));
}

void TControl::RemoveResizeWatcher(const void* Key) {
    std::erase_if(FResizeWatchers, [Key](const auto& w) { return w.first == Key; });
}

// The pop-up form: Qt's pop-up window under a form, its losing of the activation, stepping aside and sizing.
#include "toolkit/controls/PopupForm.h"
#include "toolkit/controls/ControlsBridge.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QWindow>

namespace {

// Tab inside the pop-up walks its own controls in the form's tab order, as in any form.
class PopupWindow : public qvdetail::NativeWidget {
public:
    PopupWindow(QWidget* owner, TPopupForm* form) : NativeWidget(owner), FForm(form) {}

protected:
    bool focusNextPrevChild(bool next) override {
        if (FForm->IsDestroying()) return NativeWidget::focusNextPrevChild(next);
        FForm->SelectNextByTab(nullptr, next);
        return true;
    }

private:
    TPopupForm* FForm;
};

} // namespace

// Watches, for its form, which window becomes active (to come back after stepping aside) and, while the
// form sizes itself, the mouse everywhere in the program.
class TPopupForm::Watch : public QObject {
public:
    explicit Watch(TPopupForm* form) : FForm(form) {
        connect(qApp, &QGuiApplication::focusWindowChanged, this, qvdetail::Guarded([this](QWindow* w) {
                    if (!FForm->FSteppedAside || !w || QApplication::activeModalWidget()) return;
                    QWidget* owner = FForm->OwnerWindow();
                    if (!owner || owner->windowHandle() == w) FForm->ComeBack();
                }));
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (!FForm->FSizing) return false;
        switch (e->type()) {
        case QEvent::MouseMove:
            try {
                FForm->SizeTo(TPoint::fromQPoint(static_cast<QMouseEvent*>(e)->globalPosition().toPoint()));
            } catch (const std::exception& ex) {
                qvdetail::ShowHandlerError(ex);
            }
            return true;
        case QEvent::MouseButtonRelease:
            FForm->EndSizing();
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return true;
        default:
            return false;
        }
    }

private:
    TPopupForm* FForm;
};

TPopupForm::TPopupForm(TComponent* AOwner) : TCustomForm(AOwner), FWatch(std::make_unique<Watch>(this)) {
    SetBorderStyle(bsNone);
}

TPopupForm::~TPopupForm() {
    EndSizing();
    if (FPopupParent) FPopupParent->RemoveFreeNotification(this);
}

void TPopupForm::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomForm::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FPopupParent) FPopupParent = nullptr;
}

void TPopupForm::SetPopupParent(TWinControl* v) {
    if (v == FPopupParent) return;
    if (FPopupParent) FPopupParent->RemoveFreeNotification(this);
    FPopupParent = v;
    if (v) v->FreeNotification(this);
}

QWidget* TPopupForm::OwnerWindow() {
    TWinControl* owner = FPopupParent;
    if (!owner && Application && Application->MainForm() != this) owner = Application->MainForm();
    if (!owner) return nullptr;
    if (TCustomForm* form = GetParentForm(owner)) owner = form;
    return owner->HandleAllocated() ? owner->Widget()->window() : nullptr;
}

QWidget* TPopupForm::CreateNativeWidget(QWidget*) {
    return new PopupWindow(OwnerWindow(), this);
}

void TPopupForm::ApplyFlags() {
    if (!FWidget) return;
    Qt::WindowFlags flags = Qt::Popup | Qt::FramelessWindowHint;
    if (!FDropShadow) flags |= Qt::NoDropShadowWindowHint;
    QWidget* owner = OwnerWindow();
    if (owner == FWidget.data()) owner = nullptr;
    // A window of its own kind goes hidden when its flags change: only a hidden pop-up takes new ones.
    if (FWidget->isVisible()) return;
    if (FWidget->parentWidget() != owner)
        FWidget->setParent(owner, flags);
    else if (FWidget->windowFlags() != flags)
        FWidget->setWindowFlags(flags);
}

void TPopupForm::SyncWidget() {
    if (!FWidget) return;
    ApplyFlags();
    TWinControl::SyncWidget();
    if (!Visible() || FSteppedAside) FWidget->setVisible(false);
}

void TPopupForm::SyncGeometry() {
    if (!FWidget) return;
    FWidget->setMinimumSize(FMinimum.cx, FMinimum.cy);
    FWidget->setGeometry(Left(), Top(), std::max(0, Width()), std::max(0, Height()));
}

void TPopupForm::SetMinimumSize(int w, int h) {
    FMinimum = TSize{std::max(0, w), std::max(0, h)};
    SetBounds(Left(), Top(), Width(), Height());
    if (FWidget) FWidget->setMinimumSize(FMinimum.cx, FMinimum.cy);
}

void TPopupForm::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TCustomForm::SetBounds(ALeft, ATop, std::max(AWidth, FMinimum.cx), std::max(AHeight, FMinimum.cy));
}

void TPopupForm::SetDropShadow(bool v) {
    FDropShadow = v;
    ApplyFlags();
}

bool TPopupForm::Showing() const {
    return Visible() && FWidget && FWidget->isVisible();
}

void TPopupForm::Popup(const TRect& bounds) {
    HandleNeeded();
    FSteppedAside = false;
    ApplyFlags();
    SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    if (Visible() && FWidget->isVisible()) return;
    if (!Visible()) DoShow();
    TWinControl::SetVisible(true);
    FWidget->show();
    Perform(WM_ACTIVATE, WA_ACTIVE);
}

void TPopupForm::SetVisible(bool v) {
    if (v) {
        Popup(BoundsRect());
        return;
    }
    EndSizing();
    FSteppedAside = false;
    if (!Visible()) return;
    DoHide();
    TWinControl::SetVisible(false);
}

bool TPopupForm::InCorner(int x, int y) const {
    return FCornerSizing && x >= Width() - 10 && y >= Height() - 10 && x < Width() && y < Height();
}

bool TPopupForm::HandleQtEvent(QWidget* w, QEvent* e) {
    if (w != FWidget.data()) return TCustomForm::HandleQtEvent(w, e);
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* me = static_cast<QMouseEvent*>(e);
        const QPoint at = me->position().toPoint();
        if (!FWidget->rect().contains(at)) {
            // The click that closes a pop-up goes no further, as with every pop-up of the desktop.
            LoseActivation(ControlAtScreenPos(TPoint::fromQPoint(me->globalPosition().toPoint())), true);
            return true;
        }
        if (me->button() == Qt::LeftButton && InCorner(at.x(), at.y())) {
            StartSizing(TPoint::fromQPoint(me->globalPosition().toPoint()));
            return true;
        }
        break;
    }
    case QEvent::MouseMove: {
        const QPoint at = static_cast<QMouseEvent*>(e)->position().toPoint();
        if (InCorner(at.x(), at.y()))
            FWidget->setCursor(Qt::SizeFDiagCursor);
        else
            qvdetail::ApplyCursor(FWidget, Cursor());
        break;
    }
    case QEvent::Close: {
        // Qt closes the pop-up because another window comes up or becomes active.
        e->ignore();
        QWidget* taker = QApplication::activeModalWidget();
        if (!taker) taker = QApplication::activeWindow();
        LoseActivation(taker && taker != FWidget.data() ? FindControl(taker) : nullptr, false);
        return true;
    }
    default:
        break;
    }
    return TCustomForm::HandleQtEvent(w, e);
}

void TPopupForm::LoseActivation(TControl* taker, bool byClick) {
    if (!Visible()) return;
    Perform(WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(taker));
    if (Visible() && !byClick) StepAside();
}

void TPopupForm::StepAside() {
    if (!FWidget || FSteppedAside) return;
    EndSizing();
    FSteppedAside = true;
    FWidget->hide();
}

void TPopupForm::ComeBack() {
    if (!FSteppedAside || !Visible() || !FWidget) return;
    FSteppedAside = false;
    FWidget->show();
    Perform(WM_ACTIVATE, WA_ACTIVE);
}

void TPopupForm::StartSizing(const TPoint& screenPos) {
    if (FSizing || !Showing()) return;
    FSizing = true;
    FSizeFrom = screenPos;
    FSizeStart = TSize{Width(), Height()};
    qApp->installEventFilter(FWatch.get());
}

void TPopupForm::SizeTo(const TPoint& screenPos) {
    const int w = FSizeStart.cx + screenPos.X - FSizeFrom.X;
    const int h = FSizeStart.cy + screenPos.Y - FSizeFrom.Y;
    if (w == Width() && h == Height()) return;
    SetBounds(Left(), Top(), w, h);
    Perform(WM_SIZING);
}

void TPopupForm::EndSizing() {
    if (!FSizing) return;
    FSizing = false;
    qApp->removeEventFilter(FWatch.get());
}

void TPopupForm::Dispatch(TMessage& m) {
    if (m.Msg == WM_SIZING) {
        if (OnSizing) OnSizing(this);
        return;
    }
    TCustomForm::Dispatch(m);
}

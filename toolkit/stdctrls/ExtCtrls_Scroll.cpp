// Scrolling controls: a content area under a QScrollArea, scrolled by position or by scroll commands.
#include "toolkit/controls/ControlsBridge.h"
#include "toolkit/stdctrls/ExtCtrls.h"
#include "toolkit/system/DesignValue.h"

#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

namespace {
int ScrollBarExtent() {
    return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}
} // namespace

void TControlScrollBar::SetPosition(int v) {
    if (FControl)
        FControl->ScrollTo(FVertical, v);
    else
        FPosition = std::max(0, v);
}

void TControlScrollBar::SetVisible(bool v) {
    FVisible = v;
    if (FControl) FControl->UpdateScrollRange();
}

int TControlScrollBar::MaxPosition() const {
    if (!FControl) return 0;
    int visible = FVertical ? FControl->ViewportHeight() : FControl->ViewportWidth();
    return std::max(0, FRange - visible);
}

TScrollingWinControl::TScrollingWinControl(TComponent* AOwner) : TWinControl(AOwner) {
    FControlStyle |= csAcceptsControls;
    FVert.FControl = this;
    FVert.FVertical = true;
    FHorz.FControl = this;
}

TScrollingWinControl::~TScrollingWinControl() {
    SetDestroying();
    DestroyComponents();
}

QScrollArea* TScrollingWinControl::Area() const {
    return static_cast<QScrollArea*>(FWidget.data());
}

QWidget* TScrollingWinControl::CreateNativeWidget(QWidget* parent) {
    auto* area = new QScrollArea(parent);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(false);
    auto* content = new qvdetail::NativeWidget(nullptr);
    area->setWidget(content);
    FContent = content;
    AttachEvents(area->viewport());
    AttachEvents(content);
    QObject::connect(area->verticalScrollBar(), &QScrollBar::valueChanged, qvdetail::Guarded([this](int v) {
        if (!FSyncing) FVert.FPosition = v;
    }));
    QObject::connect(area->horizontalScrollBar(), &QScrollBar::valueChanged, qvdetail::Guarded([this](int v) {
        if (!FSyncing) FHorz.FPosition = v;
    }));
    return area;
}

QWidget* TScrollingWinControl::ChildContainer() {
    if (!FWidget) return nullptr;
    return FContent.data();
}

void TScrollingWinControl::SyncWidget() {
    TWinControl::SyncWidget();
    if (QScrollArea* area = Area()) {
        area->setFrameShape(FrameSize() ? QFrame::StyledPanel : QFrame::NoFrame);
        area->setFrameShadow(QFrame::Sunken);
    }
    UpdateScrollRange();
}

void TScrollingWinControl::ColorChanged() {
    TWinControl::ColorChanged();
    if (FContent) {
        QPalette pal = FContent->palette();
        pal.setColor(QPalette::Window, ToQColor(Color()));
        FContent->setPalette(pal);
    }
}

TSize TScrollingWinControl::ContentExtent() const {
    TSize s;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (!c->Visible()) continue;
        s.cx = std::max(s.cx, c->Left() + c->Width());
        s.cy = std::max(s.cy, c->Top() + c->Height());
    }
    return s;
}

int TScrollingWinControl::ViewportWidth() const {
    int w = ClientWidth() - 2 * FrameSize();
    if (FVert.FVisible && FVert.FRange > ClientHeight() - 2 * FrameSize()) w -= ScrollBarExtent();
    return std::max(0, w);
}

int TScrollingWinControl::ViewportHeight() const {
    int h = ClientHeight() - 2 * FrameSize();
    if (FHorz.FVisible && FHorz.FRange > ClientWidth() - 2 * FrameSize()) h -= ScrollBarExtent();
    return std::max(0, h);
}

void TScrollingWinControl::AlignControls(TControl* AControl, TRect& Rect) {
    Rect = TRect(0, 0, ViewportWidth(), std::max(ViewportHeight(), FVert.FRange));
    TWinControl::AlignControls(AControl, Rect);
    UpdateScrollRange();
}

void TScrollingWinControl::Resize() {
    TWinControl::Resize();
    UpdateScrollRange();
}

void TScrollingWinControl::UpdateScrollRange() {
    TSize extent = ContentExtent();
    FVert.FRange = extent.cy;
    FHorz.FRange = extent.cx;
    FVert.FPosition = std::clamp(FVert.FPosition, 0, FVert.MaxPosition());
    FHorz.FPosition = std::clamp(FHorz.FPosition, 0, FHorz.MaxPosition());
    PushScroll();
}

void TScrollingWinControl::PushScroll() {
    QScrollArea* area = Area();
    if (!area || !FContent) return;
    FSyncing = true;
    area->setVerticalScrollBarPolicy(FVert.FVisible ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    area->setHorizontalScrollBarPolicy(FHorz.FVisible ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    FContent->resize(std::max(ViewportWidth(), FHorz.FRange), std::max(ViewportHeight(), FVert.FRange));
    area->verticalScrollBar()->setSingleStep(FVert.FIncrement);
    area->horizontalScrollBar()->setSingleStep(FHorz.FIncrement);
    area->verticalScrollBar()->setValue(FVert.FPosition);
    area->horizontalScrollBar()->setValue(FHorz.FPosition);
    FSyncing = false;
}

void TScrollingWinControl::ScrollTo(bool vertical, int pos) {
    TControlScrollBar& bar = vertical ? FVert : FHorz;
    bar.FPosition = std::clamp(pos, 0, bar.MaxPosition());
    PushScroll();
}

void TScrollingWinControl::ScrollInView(TControl* control) {
    if (!control || !ContainsControl(control)) return;
    TPoint p(control->Left(), control->Top());
    if (control->Widget() && FContent && FContent->isAncestorOf(control->Widget())) {
        // Through the widgets, so that a parent's own header (a category panel's) counts as well.
        const QPoint at = control->Widget()->mapTo(FContent.data(), QPoint(0, 0));
        p = TPoint(at.x(), at.y());
    } else
        for (TControl* c = control->Parent(); c && c != this; c = c->Parent()) {
            p.X += c->Left();
            p.Y += c->Top();
        }
    // The first field of a child of this control (a panel) brings the child's top, its title, into sight
    // with it when both fit.
    const TControl* holder = control;
    while (holder->Parent() && holder->Parent() != this)
        holder = holder->Parent();
    const auto* box = dynamic_cast<const TWinControl*>(holder);
    const bool showHolder = holder != control && box && box->FirstTabStop() == control &&
                            holder->Top() < FVert.FPosition &&
                            p.Y + control->Height() - holder->Top() <= ViewportHeight();
    if (showHolder)
        ScrollTo(true, holder->Top());
    else if (p.Y < FVert.FPosition)
        ScrollTo(true, p.Y);
    else if (p.Y + control->Height() > FVert.FPosition + ViewportHeight())
        ScrollTo(true, p.Y + control->Height() - ViewportHeight());
    if (p.X < FHorz.FPosition)
        ScrollTo(false, p.X);
    else if (p.X + control->Width() > FHorz.FPosition + ViewportWidth())
        ScrollTo(false, p.X + control->Width() - ViewportWidth());
}

void TScrollingWinControl::Dispatch(TMessage& m) {
    if (m.Msg != WM_VSCROLL && m.Msg != WM_HSCROLL) {
        TWinControl::Dispatch(m);
        return;
    }
    bool vertical = m.Msg == WM_VSCROLL;
    TControlScrollBar& bar = vertical ? FVert : FHorz;
    int page = vertical ? ViewportHeight() : ViewportWidth();
    switch (m.ScrollCode()) {
    case SB_LINEUP:
        ScrollTo(vertical, bar.FPosition - bar.FIncrement);
        break;
    case SB_LINEDOWN:
        ScrollTo(vertical, bar.FPosition + bar.FIncrement);
        break;
    case SB_PAGEUP:
        ScrollTo(vertical, bar.FPosition - page);
        break;
    case SB_PAGEDOWN:
        ScrollTo(vertical, bar.FPosition + page);
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        ScrollTo(vertical, m.ScrollPos());
        break;
    case SB_TOP:
        ScrollTo(vertical, 0);
        break;
    case SB_BOTTOM:
        ScrollTo(vertical, bar.MaxPosition());
        break;
    default:
        break;
    }
    m.Result = 0;
}

// ---------------------------------------------------------------------------------------------------------

TScrollBox::TScrollBox(TComponent* AOwner) : TScrollingWinControl(AOwner) {
    SetBounds(0, 0, 185, 41);
    SetTabStop(false);
}

void TScrollBox::SetBorderStyle(int v) {
    FBorderStyle = v;
    SyncWidget();
    UpdateScrollRange();
}

void TScrollBox::SyncWidget() {
    TScrollingWinControl::SyncWidget();
}

bool TScrollBox::ReadProperty(const String& name, const TDesignValue& v) {
    const QString n = name.toLower();
    if (n == "borderstyle")
        SetBorderStyle(DesignEnum(v, 1));
    else if (n == "vertscrollbar.position")
        FVert.SetPosition(v.AsInt());
    else if (n == "vertscrollbar.increment")
        FVert.SetIncrement(v.AsInt());
    else if (n == "vertscrollbar.visible")
        FVert.SetVisible(v.AsBool());
    else if (n == "horzscrollbar.position")
        FHorz.SetPosition(v.AsInt());
    else if (n == "horzscrollbar.increment")
        FHorz.SetIncrement(v.AsInt());
    else if (n == "horzscrollbar.visible")
        FHorz.SetVisible(v.AsBool());
    else
        return TScrollingWinControl::ReadProperty(name, v);
    return true;
}

// Controls that paint themselves: WM_PAINT gives them a canvas over the widget's painter.
#include "toolkit/controls/Controls.h"
#include "toolkit/controls/ControlsBridge.h"
#include "toolkit/graphics/Canvas.h"

#include <QPaintEvent>
#include <QPainter>

namespace {
void PaintOnCanvas(TControl* control, TCanvas* canvas, TMessage& m, const std::function<void()>& paint) {
    QWidget* w = control->Widget();
    if (!w || !m.Event || m.Event->type() != QEvent::Paint) {
        m.PassToNative = true;
        return;
    }
    QPainter painter(w);
    // The canvas's ClipRect then tells Paint the area asked for, so a tall control inside a scrolling one
    // can draw only what is in view; the system clip already keeps the drawing within it.
    painter.setClipRect(static_cast<QPaintEvent*>(m.Event)->rect());
    canvas->Attach(&painter);
    // A Paint that throws must not leave the canvas on a painter that is gone.
    struct DetachPaintCanvas {
        TCanvas* c;
        ~DetachPaintCanvas() { c->Detach(); }
    } detach{canvas};
    canvas->SetFont(control->Font());
    canvas->Brush()->SetColor(control->Color());
    paint();
}
} // namespace

TGraphicControl::TGraphicControl(TComponent* AOwner)
    : TControl(AOwner), FCanvas(std::make_unique<TCanvas>()) {}

TGraphicControl::~TGraphicControl() {
    SetDestroying();
    DestroyComponents();
}

TCanvas* TGraphicControl::Canvas() {
    return FCanvas.get();
}

void TGraphicControl::Dispatch(TMessage& m) {
    if (m.Msg == WM_PAINT)
        PaintOnCanvas(this, FCanvas.get(), m, [this] { Paint(); });
    else
        TControl::Dispatch(m);
}

TCustomControl::TCustomControl(TComponent* AOwner)
    : TWinControl(AOwner), FCanvas(std::make_unique<TCanvas>()) {}

TCustomControl::~TCustomControl() {
    SetDestroying();
    DestroyComponents();
}

TCanvas* TCustomControl::Canvas() {
    return FCanvas.get();
}

void TCustomControl::Dispatch(TMessage& m) {
    if (m.Msg == WM_PAINT)
        PaintOnCanvas(this, FCanvas.get(), m, [this] { Paint(); });
    else
        TWinControl::Dispatch(m);
}

void TWinControl::PaintTo(TCanvas* Canvas, int X, int Y) {
    if (!Canvas) return;
    const QPixmap picture = Handle()->grab();
    if (QPainter* p = Canvas->PreparePainter(false, false)) p->drawPixmap(X, Y, picture);
}

void TWinControl::PaintFaceTo(TCanvas* Canvas, const TRect& Area) {
    if (!Canvas || Area.Width() <= 0 || Area.Height() <= 0) return;
    QPainter* p = Canvas->PreparePainter(false, false);
    if (!p) return;
    const QRect area(Area.Left, Area.Top, Area.Width(), Area.Height());
    Handle()->render(p, QPoint(0, 0), QRegion(area), QWidget::DrawWindowBackground);
}

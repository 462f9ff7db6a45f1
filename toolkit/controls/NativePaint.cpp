// Painting over Qt's own widgets: the widget's paint first, then the control's canvas on the same event.
#include "toolkit/controls/NativePaint.h"
#include "toolkit/graphics/Canvas.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

void PaintNativeNow(TControl* control, TMessage& m) {
    QWidget* w = control->Widget();
    if (!w || !m.Event || m.Event->type() != QEvent::Paint) return;
    // Straight to the widget's own handler: the event filters have seen this event already.
    static_cast<QObject*>(w)->event(m.Event);
}

bool PaintOnWidgetCanvas(TControl* control, TCanvas* canvas, TMessage& m,
                         const std::function<void()>& paint) {
    QWidget* w = control->Widget();
    if (!w || !m.Event || m.Event->type() != QEvent::Paint) return false;
    QPainter painter(w);
    canvas->Attach(&painter);
    struct DetachOverCanvas {
        TCanvas* c;
        ~DetachOverCanvas() { c->Detach(); }
    } detach{canvas};
    canvas->SetFont(control->Font());
    canvas->Brush()->SetColor(control->Color());
    paint();
    return true;
}

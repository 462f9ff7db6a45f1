// Painting over Qt's own widgets: the widget's paint first, then the control's canvas on the same event.
#include "toolkit/controls/NativePaint.h"
#include "toolkit/controls/ControlsBridge.h"
#include "toolkit/graphics/Canvas.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

namespace {

constexpr const char* kPaintOverlayName = "qv-paint-overlay";

// The layer over a control's native widget: as large as the widget, above its parts, not in the way of the
// mouse or the focus.
class PaintOverlay : public QWidget {
public:
    PaintOverlay(QWidget* parent, TControl* control) : QWidget(parent), FControl(control) {
        setObjectName(kPaintOverlayName);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(parent->rect());
        parent->installEventFilter(this);
        show();
        raise();
    }
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched == parentWidget()) {
            if (e->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
            // A part added later would lie above the layer.
            if (e->type() == QEvent::ChildAdded) raise();
        }
        return false;
    }

protected:
    void paintEvent(QPaintEvent* e) override {
        TMessage m;
        m.Msg = WM_NCPAINT;
        m.Event = e;
        try {
            FControl->DeliverMessage(m);
        } catch (const std::exception& error) {
            qvdetail::ShowHandlerError(error);
        }
    }

private:
    TControl* FControl;
};

PaintOverlay* OverlayOf(const TControl* control) {
    QWidget* w = control->Widget();
    return w ? w->findChild<PaintOverlay*>(kPaintOverlayName, Qt::FindDirectChildrenOnly) : nullptr;
}

// `canvas` on `w` during its paint event, with the control's font and brush.
bool PaintInEvent(QWidget* w, TControl* control, TCanvas* canvas, TMessage& m,
                  const std::function<void()>& paint) {
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

} // namespace

void PaintNativeNow(TControl* control, TMessage& m) {
    QWidget* w = control->Widget();
    if (!w || !m.Event || m.Event->type() != QEvent::Paint) return;
    // Straight to the widget's own handler: the event filters have seen this event already.
    static_cast<QObject*>(w)->event(m.Event);
}

bool PaintOnWidgetCanvas(TControl* control, TCanvas* canvas, TMessage& m,
                         const std::function<void()>& paint) {
    return PaintInEvent(control->Widget(), control, canvas, m, paint);
}

void SetPaintOverlay(TControl* control, bool on) {
    PaintOverlay* overlay = OverlayOf(control);
    if (on && !overlay && control->Widget()) new PaintOverlay(control->Widget(), control);
    if (!on && overlay) delete overlay;
}

bool HasPaintOverlay(const TControl* control) {
    return OverlayOf(control) != nullptr;
}

bool PaintOnOverlay(TControl* control, TCanvas* canvas, TMessage& m, const std::function<void()>& paint) {
    return PaintInEvent(OverlayOf(control), control, canvas, m, paint);
}

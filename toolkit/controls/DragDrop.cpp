// Drop targets as filters of Qt's drag events, and drags started with QDrag.
#include "toolkit/controls/DragDrop.h"
#include "toolkit/controls/ControlsBridge.h"
#include "toolkit/graphics/Picture.h"

#include <QAbstractScrollArea>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPixmap>

namespace {

Qt::DropActions dropActionsOf(int effects) {
    Qt::DropActions actions;
    if (effects & DROPEFFECT_COPY) actions |= Qt::CopyAction;
    if (effects & DROPEFFECT_MOVE) actions |= Qt::MoveAction;
    if (effects & DROPEFFECT_LINK) actions |= Qt::LinkAction;
    return actions;
}

int effectsOf(Qt::DropActions actions) {
    int effects = DROPEFFECT_NONE;
    if (actions & Qt::CopyAction) effects |= DROPEFFECT_COPY;
    if (actions & Qt::MoveAction) effects |= DROPEFFECT_MOVE;
    if (actions & Qt::LinkAction) effects |= DROPEFFECT_LINK;
    return effects;
}

// The one action of an effect the target chose, within what the source allows; IgnoreAction for none.
Qt::DropAction chosenAction(int effect, Qt::DropActions allowed) {
    const int taken = effect & effectsOf(allowed);
    if (taken & DROPEFFECT_MOVE) return Qt::MoveAction;
    if (taken & DROPEFFECT_COPY) return Qt::CopyAction;
    if (taken & DROPEFFECT_LINK) return Qt::LinkAction;
    return Qt::IgnoreAction;
}

// Watches the drag events of a control's widget (and its viewport) for the registered target; lives as the
// widget's child, so the registration ends with the window.
class DropTargetFilter : public QObject {
public:
    static constexpr const char* kName = "qv-drop-target";
    DropTargetFilter(QWidget* owner, TDropTarget* target) : QObject(owner), FTarget(target) {
        setObjectName(kName);
    }
    TDropTarget* Target() const { return FTarget; }

    bool eventFilter(QObject* watched, QEvent* e) override {
        switch (e->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            break;
        case QEvent::DragLeave:
            Run([&] { FTarget->DragLeave(); });
            e->accept();
            return true;
        default:
            return false;
        }
        auto* de = static_cast<QDropEvent*>(e);
        auto* w = static_cast<QWidget*>(watched);
        const TPoint pt = TPoint::fromQPoint(w->mapToGlobal(de->position().toPoint()));
        const TShiftState shift = qvdetail::ShiftFromModifiers(de->modifiers(), de->buttons());
        int effect = effectsOf(de->possibleActions());
        Run([&] {
            if (e->type() == QEvent::DragEnter)
                FTarget->DragEnter(TClipData::FromMimeData(de->mimeData()), shift, pt, effect);
            else if (e->type() == QEvent::DragMove)
                FTarget->DragOver(shift, pt, effect);
            else
                FTarget->Drop(TClipData::FromMimeData(de->mimeData()), shift, pt, effect);
        });
        const Qt::DropAction action = chosenAction(effect, de->possibleActions());
        de->setDropAction(action);
        // An enter that refuses is still taken, so the target goes on hearing of the moves and may take
        // the data over another of its places.
        if (action != Qt::IgnoreAction || e->type() == QEvent::DragEnter)
            de->accept();
        else
            de->ignore();
        return true;
    }

private:
    // Qt's code is built without exception support: an error of the target is shown, not thrown through.
    template <class F> void Run(F f) {
        try {
            f();
        } catch (const std::exception& ex) {
            qvdetail::ShowHandlerError(ex);
        }
    }

    TDropTarget* FTarget;
};

// Found by name: the class has no meta-object of its own for findChild to tell it by.
DropTargetFilter* filterOf(const QWidget* w) {
    QObject* found =
        w ? w->findChild<QObject*>(DropTargetFilter::kName, Qt::FindDirectChildrenOnly) : nullptr;
    return static_cast<DropTargetFilter*>(found);
}

// The widgets that see a window's drag events: the widget, and the viewport of a scrolling one.
QList<QWidget*> dropWidgets(QWidget* w) {
    QList<QWidget*> list{w};
    if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) list << area->viewport();
    return list;
}

int runDesktopDrag(TControl* source, const TClipData& data, int okEffects, TDropSource* dropSource,
                   const TBitmap* image, const TPoint& hotSpot) {
    QWidget* w = source ? source->Widget() : nullptr;
    if (!w) return DROPEFFECT_NONE;
    auto* drag = new QDrag(w);
    drag->setMimeData(data.ToMimeData());
    if (image && !image->Empty()) {
        drag->setPixmap(QPixmap::fromImage(image->toQImage()));
        drag->setHotSpot(hotSpot.toQPoint());
    }
    if (dropSource)
        QObject::connect(drag, &QDrag::actionChanged, drag, qvdetail::Guarded([dropSource](Qt::DropAction a) {
                             dropSource->GiveFeedback(effectsOf(a));
                         }));
    const Qt::DropActions allowed = dropActionsOf(okEffects);
    const Qt::DropAction preferred = allowed & Qt::MoveAction ? Qt::MoveAction : Qt::CopyAction;
    const Qt::DropAction result = drag->exec(allowed, preferred);
    drag->deleteLater();
    return effectsOf(result);
}

TDragRunner& dragRunner() {
    static TDragRunner runner;
    return runner;
}

} // namespace

bool RegisterDragDrop(TWinControl* Control, TDropTarget* Target) {
    if (!Control || !Target) return false;
    QWidget* w = Control->Handle();
    if (!w) return false;
    RevokeDragDrop(Control);
    auto* filter = new DropTargetFilter(w, Target);
    for (QWidget* each : dropWidgets(w)) {
        each->setAcceptDrops(true);
        each->installEventFilter(filter);
    }
    return true;
}

void RevokeDragDrop(TWinControl* Control) {
    QWidget* w = Control ? Control->Widget() : nullptr;
    DropTargetFilter* filter = filterOf(w);
    if (!filter) return;
    for (QWidget* each : dropWidgets(w)) {
        each->removeEventFilter(filter);
        each->setAcceptDrops(false);
    }
    delete filter;
}

bool IsDragDropRegistered(TWinControl* Control) {
    return filterOf(Control ? Control->Widget() : nullptr) != nullptr;
}

int DoDragDrop(TControl* Source, const TClipData& Data, int OkEffects, TDropSource* DropSource, int& Effect,
               const TBitmap* Image, const TPoint& HotSpot) {
    if (dragRunner())
        Effect = dragRunner()(Source, Data, OkEffects);
    else
        Effect = runDesktopDrag(Source, Data, OkEffects, DropSource, Image, HotSpot);
    // Only one effect the source allows counts as taken.
    Effect &= OkEffects;
    if (Effect & DROPEFFECT_MOVE)
        Effect = DROPEFFECT_MOVE;
    else if (Effect & DROPEFFECT_COPY)
        Effect = DROPEFFECT_COPY;
    else if (Effect & DROPEFFECT_LINK)
        Effect = DROPEFFECT_LINK;
    return Effect == DROPEFFECT_NONE ? DRAGDROP_S_CANCEL : DRAGDROP_S_DROP;
}

TDragRunner SetDragRunner(TDragRunner Runner) {
    TDragRunner previous = std::move(dragRunner());
    dragRunner() = std::move(Runner);
    return previous;
}

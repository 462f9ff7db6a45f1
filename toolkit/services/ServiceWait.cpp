// The default keep-alive of long waits.
#include "toolkit/services/ServiceWait.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace {
// Keys, clicks and the wheel that arrive during a wait are dropped, not kept for later: a key struck again
// because nothing seemed to happen must not start the same work a second time, or close the window, once
// the wait is over. A modal window that opens during the wait (an error shown by a timer) still takes its
// input, or nobody could close it.
class DropInputDuringWait : public QObject {
public:
    DropInputDuringWait() : FModalAtStart(QApplication::activeModalWidget()) {
        qApp->installEventFilter(this);
    }
    ~DropInputDuringWait() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* e) override {
        switch (e->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            return QApplication::activeModalWidget() == FModalAtStart.data();
        default:
            return QObject::eventFilter(watched, e);
        }
    }

private:
    QPointer<QWidget> FModalAtStart;
};
} // namespace

void KeepWindowsPainting() {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return;
    }
    const DropInputDuringWait dropInput;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

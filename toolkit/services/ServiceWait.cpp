// The default keep-alive of long waits.
#include "toolkit/services/ServiceWait.h"

#include <QCoreApplication>

void KeepWindowsPainting() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

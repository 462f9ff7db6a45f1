#include "toolkit/services/NetworkGuard.h"

#include <QHostAddress>

namespace {
bool gLoopbackOnly = false;
} // namespace

void SetLoopbackOnly(bool on) { gLoopbackOnly = on; }

bool LoopbackOnly() { return gLoopbackOnly; }

bool HostAllowed(const String& host) {
    if (!gLoopbackOnly)
        return true;
    if (host.compare("localhost", Qt::CaseInsensitive) == 0)
        return true;
    QHostAddress address;
    return address.setAddress(host) && address.isLoopback();
}

// Serial ports through Qt SerialPort.
#include "toolkit/services/SerialPorts.h"

#include <QSerialPort>
#include <QSerialPortInfo>

QStringList ListSerialPorts() {
    QStringList names;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        names << info.systemLocation();
    names.sort();
    names.removeDuplicates();
    return names;
}

TPortState ProbePort(const String& name) {
    if (name.isEmpty()) return TPortState::Missing;
    QSerialPort port(name);
    // Qt opens serial devices exclusively (TIOCEXCL and a lock file).
    if (port.open(QIODevice::ReadWrite)) {
        port.close();
        return TPortState::Available;
    }
    switch (port.error()) {
    case QSerialPort::PermissionError:
        return TPortState::InUse;
    default:
        return TPortState::Missing;
    }
}

bool CanOpenPort(const String& name) {
    return ProbePort(name) == TPortState::Available;
}

// The serial ports present on this computer, numbered as the update window shows them.
#include "core/UComon.h"

#include "toolkit/services/SerialPorts.h"
#include "toolkit/system/StringList.h"

#include <algorithm>

namespace {
const QString kOnBoardPrefix = QStringLiteral("/dev/ttyS");

// The port number of an on-board port, or 0 for any other device.
int OnBoardNumber(const QString& device) {
    if (!device.startsWith(kOnBoardPrefix))
        return 0;
    bool ok = false;
    int k = device.mid(kOnBoardPrefix.size()).toInt(&ok);
    return ok && k >= 0 ? k + 1 : 0;
}
} // namespace

TStringList* Get_COM_Ports() {
    std::vector<int> numbers;
    QStringList others;
    for (const QString& device : ListSerialPorts()) {
        // A port held by another program is still present: it is listed, as the platform lists it.
        if (ProbePort(device) == TPortState::Missing)
            continue;
        if (int n = OnBoardNumber(device))
            numbers.push_back(n);
        else
            others << device.section('/', -1);
    }
    std::sort(numbers.begin(), numbers.end());
    auto* list = new TStringList;
    for (int n : numbers)
        list->Add(String::number(n));
    for (const QString& name : others)
        list->Add(name);
    return list;
}

String COM_Port_Device(const String& port) {
    bool ok = false;
    int n = port.toInt(&ok);
    if (ok && n >= 1)
        return kOnBoardPrefix + String::number(n - 1);
    return QStringLiteral("/dev/") + port;
}

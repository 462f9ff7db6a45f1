// Fuzz target: "BACnet_Slave.xml" (and the settings the EDE writer takes from "ParGen.xml") as the EDE
// writer reads them; every list it builds keeps seven fields per line and unique keys.
#include "generators/UBACnet_EDE_File.h"
#include "toolkit/services/XmlDoc.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>
#include <set>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TXMLDocument doc;
    if (!doc.LoadFromBytes(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))))
        return 0;
    const TBACnet_EDE_Device device = Read_BACnet_Device_Param(doc);
    std::vector<TBACnet_EDE_Obj> objects;
    String error;
    if (!Read_BACnet_Slave_Objects(doc, device, objects, error)) {
        if (error.isEmpty()) std::abort(); // a refused table always says why
        return 0;
    }
    const QStringList lines = EDE_Lines(device.Instance, objects);
    std::set<QString> keys;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].contains('\r') || lines[i].contains('\n')) std::abort();
        const QStringList fields = lines[i].split(';');
        if (fields.size() != 8 || !fields.last().isEmpty()) std::abort();
        if (i >= 7 && !keys.insert(fields[0]).second) std::abort();
    }
    return 0;
}

// Fuzz target: "SNMP_Trap.xml" as the MIB generator reads it; every module it writes defines each name
// once and keeps each description inside its quotes.
#include "generators/USNMP_MIB.h"
#include "toolkit/services/XmlDoc.h"

#include <QByteArray>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <set>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TXMLDocument doc;
    if (!doc.LoadFromBytes(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))))
        return 0;
    TMIB_Configuration config;
    String error;
    if (!Parse_SNMP_Trap(doc, config, error)) {
        if (error.isEmpty()) std::abort();
        return 0;
    }
    if (config.Read_Is_Int.size() != size_t(config.Read_Descriptions.size()) ||
        config.Write_Is_Int.size() != size_t(config.Write_Descriptions.size()))
        std::abort();
    std::set<QString> names;
    for (const QString& line : MIB_Lines(config)) {
        for (QChar c : line)
            if (c.unicode() > 126 || (c.unicode() < 32 && c != '\t')) std::abort();
        const qsizetype at = line.indexOf(" OBJECT-TYPE ");
        const qsizetype notification = line.indexOf(" NOTIFICATION-TYPE ");
        if (at < 0 && notification < 0) continue;
        const qsizetype end = at < 0 ? notification : notification < 0 ? at : std::min(at, notification);
        if (!names.insert(line.left(end).trimmed()).second) std::abort();
        if (line.count('"') != 2) std::abort();
    }
    return 0;
}

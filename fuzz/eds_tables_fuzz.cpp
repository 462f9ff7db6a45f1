// Fuzz target: "PDO_CANopen.xml" and "SDO_Server_CANopen.xml" as the EDS writer reads them; a refused
// table always says why, and every file it builds names each section once.
#include "generators/UEds.h"
#include "toolkit/services/XmlDoc.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>
#include <set>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TXMLDocument doc;
    if (!doc.LoadFromBytes(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))))
        return 0;
    TEDS_Configuration config;
    String error, warning;
    const bool pdo = Read_PDO_Configuration(doc, config, error, warning);
    if (!pdo && error.isEmpty()) std::abort();
    if (!pdo) config.RPDO_Table.clear(), config.TPDO_Table.clear();
    error.clear();
    if (!Read_SDO_Server_Configuration(doc, config, error)) {
        if (error.isEmpty()) std::abort();
        config.SDO_Index_List.clear();
    }
    if (config.RPDO_Table.size() > size_t(EDS_Max_PDO) || config.TPDO_Table.size() > size_t(EDS_Max_PDO))
        std::abort();
    Sort_SDO_Sub_Indexes(config.SDO_Index_List);
    std::set<QString> sections;
    for (const QString& line : EDS_File_Lines(config, {2026, 1, 1, 12, 0, 0}))
        if (line.startsWith('[') && !sections.insert(line.toUpper()).second) std::abort();
    return 0;
}

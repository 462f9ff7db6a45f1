// Fuzz target: a table window's XML table file as the frame reads it, under the sheets of the Modbus
// master (serial and TCP), MQTT topic, CAN frame, CANopen, J1939, NMEA 2000, DeviceNet slave list, DMX,
// BACnet client and server, SNMP manager and agent, KNX and EtherNet/IP scanner windows. A shortened
// reading always says why; the row numbers stay; the check of what was read ends with a message or none;
// what the writer makes of the cells reads back whole and writes again the same (after one round for a
// sheet whose reader converts stored values). Under the SNMP agent sheet, the MIB writer reading the
// written file numbers its objects as the window's column N does.
#include "FuzzSupport.h"
#include "core/ULanguage.h"
#include "generators/USNMP_MIB.h"
#include "tables/fieldbus/UCAN_Frame_Tables.h"
#include "tables/fieldbus/UCANopen_Tables.h"
#include "tables/fieldbus/UDMX_Tables.h"
#include "tables/fieldbus/UDNet_Tables.h"
#include "tables/fieldbus/UPGN_Tables.h"
#include "tables/frame/TableCheck.h"
#include "tables/frame/TableFile.h"
#include "tables/network/UBACnet_Master_Tables.h"
#include "tables/network/UBACnet_Slave_Tables.h"
#include "tables/network/UEtherNetIP_Scanner_Tables.h"
#include "tables/network/UKNX_Tables.h"
#include "tables/network/UMQTT_Topic_Tables.h"
#include "tables/network/UModbus_Master_Rules.h"
#include "tables/network/USNMP_Manager_Tables.h"
#include "tables/network/USNMP_Trap_Tables.h"
#include "toolkit/services/XmlDoc.h"

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

struct FuzzTables {
    explicit FuzzTables(const TTableSheet& sheet) {
        for (const TTableGrid& g : sheet.Grids) {
            stores.push_back(std::make_unique<TTableCellStore>(g));
            Clear_Table_Grid(g, *stores.back());
            cells.push_back(stores.back().get());
            constCells.push_back(stores.back().get());
        }
    }
    std::vector<std::unique_ptr<TTableCellStore>> stores;
    std::vector<ITableCells*> cells;
    std::vector<const ITableCells*> constCells;
};

QByteArray writeTables(const TTableSheet& sheet, const FuzzTables& t) {
    TXMLDocument xml;
    Write_Table_Document(xml, sheet, t.constCells);
    return xml.SaveToBytes();
}

// Column N of both agent tables against the objects the MIB writer makes of the written file.
void checkSnmpNumbering(const TTableSheet& sheet, FuzzTables& t, const QByteArray& written) {
    TXMLDocument xml;
    TMIB_Configuration mib;
    String error;
    if (!xml.LoadFromBytes(written) || !Parse_SNMP_Trap(xml, mib, error)) std::abort();
    for (size_t g = 0; g < 2; ++g) {
        Index_Row_Build(*t.stores[g]);
        const QStringList& objects = g == 0 ? mib.Read_Descriptions : mib.Write_Descriptions;
        const Integer description = g == 0 ? Integer(strDescription) : Integer(stwDescription);
        const Integer end = Table_End_Row(sheet.Grids[g], *t.stores[g]);
        Integer numbered = 0;
        for (Integer r = 1; r < end; ++r) {
            const String n = t.stores[g]->Cell(0, r);
            if (n.isEmpty()) continue;
            if (n != QString::number(++numbered) ||
                objects.value(numbered - 1) != t.stores[g]->Cell(description, r))
                std::abort();
        }
        if (numbered != objects.size()) std::abort();
    }
}

void checkSheet(const TTableSheet& sheet, const QString& path, bool snmpAgent) {
    FuzzTables first(sheet);
    const TTableLoad load = Load_Table_File(path, sheet, first.cells);
    if (!load.Complete && load.Problem.isEmpty()) std::abort();
    for (size_t g = 0; g < first.stores.size(); ++g)
        for (Integer r = 1; r <= first.stores[g]->DataRowCount(); ++r)
            if (first.stores[g]->Cell(0, r) != QString::number(r)) std::abort();
    // The data check reads every cell of the tables as the window's OK would, and a fault it finds has
    // its message.
    if (const TTableFault fault = Find_Table_Fault(sheet, first.constCells))
        if (Table_Fault_Text(sheet, fault).isEmpty()) std::abort();
    for (size_t g = 0; g < first.stores.size(); ++g)
        Table_Has_Rows_After_End(sheet.Grids[g], *first.stores[g]);
    const QByteArray written = writeTables(sheet, first);
    if (snmpAgent) checkSnmpNumbering(sheet, first, written);
    TXMLDocument again;
    if (!again.LoadFromBytes(written)) std::abort();
    FuzzTables second(sheet);
    if (!Load_Table_Document(again, sheet, second.cells).Complete) std::abort();
    const QByteArray rewritten = writeTables(sheet, second);
    if (rewritten == written) return;
    // A reader that turns a stored value into a cell text (the KNX priority a device does not know reads
    // as Normal) may change a file once; after that it writes what it read.
    bool converts = false;
    for (const TTableGrid& g : sheet.Grids)
        for (const TTableColumn& c : g.Columns)
            converts = converts || bool(c.FromAttribute);
    if (!converts) std::abort();
    TXMLDocument once;
    FuzzTables third(sheet);
    if (!once.LoadFromBytes(rewritten) || !Load_Table_Document(once, sheet, third.cells).Complete)
        std::abort();
    if (writeTables(sheet, third) != rewritten) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TModbusTopicLink serial, tcp;
    static TBACnetSlaveMode bacnetMode;
    static TBACnetClientMode clientMode;
    // A few rows a grid reach every path of the reader (more rows than the grid included) at a fraction
    // of the windows' cost a run.
    static const std::vector<TTableSheet> sheets = [] {
        // Some checks word their fault from the interface texts, which the program always has.
        Load_Default_Lang();
        tcp.Tcp = true;
        std::vector<TTableSheet> v = {Modbus_Master_Sheet(serial), Modbus_Master_Sheet(tcp),
                                      MQTT_Set_Topic_Sheet(), BACnet_Slave_Sheet(bacnetMode),
                                      BACnet_Master_Sheet(clientMode)};
        for (TTableSheet s : {CAN_Frames_Sheet(false), CAN_Frames_Sheet(true), PDO_CANopen_Sheet(),
                              SDO_Client_CANopen_Sheet(), SDO_Server_CANopen_Sheet(),
                              J1939_Frames_Sheet(false), J1939_Frames_Sheet(true), NMEA_Frames_Sheet(false),
                              NMEA_Frames_Sheet(true), DNet_Net_Sheet(), DMX_Default_Values_Sheet(),
                              SNMP_Manager_Sheet(), KNX_Sheet(), EtherNetIP_Scanner_Sheet(), SNMP_Trap_Sheet()})
            v.push_back(s);
        for (TTableSheet& s : v)
            for (TTableGrid& g : s.Grids)
                g.DataRows = 6;
        return v;
    }();
    serial.ComboItem_Topic.assign(Modbus_Data_Rows, -1);
    const QString path = qvfuzz::WriteInput("table.xml", data, size);
    for (const TTableSheet& sheet : sheets)
        checkSheet(sheet, path, sheet.RootElement == u"SNMP_Trap");
    return 0;
}

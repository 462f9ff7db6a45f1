// The CANopen EDS file writer: table readers, the fixed objects, the PDO and manufacturer objects.
#include "generators/UEds.h"

#include "core/UComon.h"
#include "generators/UDescription_Files.h"
#include "tables/frame/TableFile.h"
#include "tables/frame/TableNumber.h"
#include "toolkit/controls/Dialogs.h"
#include "toolkit/services/XmlDoc.h"
#include "toolkit/system/SysUtils.h"

#include <algorithm>
#include <set>

namespace {

const char* const edsRpdoNames[EDS_Max_PDO] = {"b",  "c",  "d",  "e",  "f",  "g",  "h",  "j",  "k",  "i",
                                               "aa", "ab", "ac", "ad", "ae", "af", "ag", "ah", "ai", "al",
                                               "am", "an", "ao", "ap", "aq", "ar", "as", "at", "au", "av"};
const char* const edsTpdoNames[EDS_Max_PDO] = {"l",  "m",  "n",  "o",  "p",  "q",  "r",  "s",  "t",  "u",
                                               "ca", "cb", "cc", "cd", "ce", "cf", "cg", "ch", "ci", "cl",
                                               "cm", "cn", "co", "cp", "cq", "cr", "cs", "ct", "cu", "cv"};
const String edsProduct = QStringLiteral("OPC UA Server / CANopen - Converter");

String edsHex(std::uint32_t v, int digits) {
    return QStringLiteral("%1").arg(v, digits, 16, QChar('0')).toUpper();
}

String edsTwo(int v) {
    return QStringLiteral("%1").arg(v, 2, 10, QChar('0'));
}

// A sub-index in a section name: hexadecimal, no leading zeros.
String edsSub(int sub) {
    return QStringLiteral("sub") + String::number(sub, 16).toUpper();
}

bool edsAttribute(const TXMLNode& row, const char* name, String& value, String& error) {
    if (!row.HasAttribute(name)) {
        error =
            QStringLiteral("A row of \"%1\" has no attribute \"%2\".").arg(row.ParentNode().NodeName(), name);
        return false;
    }
    value = row.Attributes(name);
    return true;
}

std::vector<TXMLNode> edsRows(const TXMLNode& section) {
    std::vector<TXMLNode> rows;
    for (const TXMLNode& child : section.ChildNodes())
        if (child.NodeType() == ntElement) rows.push_back(child);
    return rows;
}

bool edsReadPdoSection(const TXMLNode& root, const char* name, std::vector<TPDO_Entry>& table, String& error,
                       String& warning) {
    const TXMLNode section = root.FindNode(name);
    if (section.IsNull()) {
        error = QStringLiteral("The section \"%1\" is missing.").arg(name);
        return false;
    }
    const std::vector<TXMLNode> rows = edsRows(section);
    for (size_t i = 0; i < rows.size(); ++i) {
        String cob, dim;
        if (!edsAttribute(rows[i], "COB-ID", cob, error) || !edsAttribute(rows[i], "Dimension", dim, error))
            return false;
        if (i >= size_t(EDS_Max_PDO)) {
            warning = QStringLiteral("\"%1\" holds %2 PDOs; only the first %3 are described.")
                          .arg(name)
                          .arg(rows.size())
                          .arg(EDS_Max_PDO);
            break;
        }
        TPDO_Entry e;
        const Integer c = Read_Table_Int(Trim(cob));
        e.COB_ID = c == -1 ? 0 : std::uint32_t(c);
        e.Dimension = Read_Table_Int(Trim(dim), 8);
        if (e.Dimension < 1 || e.Dimension > 8) {
            error = QStringLiteral("Row %1 of \"%2\" has the Dimension \"%3\"; it must be between 1 and 8.")
                        .arg(i + 1)
                        .arg(name, dim);
            return false;
        }
        table.push_back(e);
    }
    return true;
}

// One variable entry of the fixed objects; an empty default leaves its line out.
void edsVariable(QStringList& l, const String& section, const char* name, const char* type,
                 const char* access, const char* value, bool emptyAfter = true) {
    l << "[" + section + "]" << QStringLiteral("ParameterName=") + name << "ObjectType=0x07"
      << QStringLiteral("DataType=") + type << QStringLiteral("AccessType=") + access;
    if (*value) l << QStringLiteral("DefaultValue=") + value;
    l << "PDOMapping=0";
    if (emptyAfter) l << "";
}

void edsHeader(QStringList& l, const String& section, int subs, const String& name, const char* type) {
    l << "[" + section + "]"
      << "SubNumber=" + String::number(subs) << "ParameterName=" + name
      << QStringLiteral("ObjectType=") + type << "";
}

void edsSubVariable(QStringList& l, const String& section, const String& name, const char* type,
                    const char* access, const String& value, const char* mapping = "0") {
    l << "[" + section + "]"
      << "ParameterName=" + name << "ObjectType=0x07" << QStringLiteral("DataType=") + type
      << QStringLiteral("AccessType=") + access << "DefaultValue=" + value
      << QStringLiteral("PDOMapping=") + mapping << "";
}

void edsFixedObjects(QStringList& l) {
    edsVariable(l, "1000", "Device Type", "0x0007", "const", "0x000101A4");
    edsVariable(l, "1001", "Error Register", "0x0005", "ro", "0x00");
    edsVariable(l, "1005", "COB-ID SYNC", "0x0007", "rw", "0x80000080");
    edsVariable(l, "1006", "Communication Cycle Period", "0x0007", "rw", "0x00000000");
    edsVariable(l, "1008", "Manufacturer Device Name", "0x0009", "const", "s1");
    edsVariable(l, "1014", "COB-ID EMCY", "0x0007", "ro", "$NODEID+0x80");
    edsHeader(l, "1016", 3, "Heartbeat Consumer Entries", "0x08");
    edsVariable(l, "1016sub0", "Number of Entries", "0x0005", "ro", "0x02");
    edsVariable(l, "1016sub1", "Consumer Heartbeat Time 1", "0x0007", "rw", "0x00000000");
    edsVariable(l, "1016sub2", "Consumer Heartbeat Time 2", "0x0007", "rw", "0x00000000");
    edsVariable(l, "1017", "Producer Heartbeat Time", "0x0006", "rw", "0x000003E8");
    edsHeader(l, "1018", 5, "Identity Object", "0x09");
    edsVariable(l, "1018sub0", "number of entries", "0x0005", "ro", "0x4");
    edsVariable(l, "1018sub1", "Vendor Id", "0x0007", "ro", "");
    edsVariable(l, "1018sub2", "Product Code", "0x0007", "ro", "");
    edsVariable(l, "1018sub3", "Revision number", "0x0007", "ro", "");
    edsVariable(l, "1018sub4", "Serial number", "0x0007", "ro", "");
    edsHeader(l, "1029", 2, "Error Behaviour", "0x08");
    edsVariable(l, "1029sub0", "Number of Entries", "0x0005", "ro", "1");
    edsVariable(l, "1029sub1", "Communication Error", "0x0005", "rw", "0x0");
    edsHeader(l, "1280", 4, "Client SDO Parameter 1", "0x09");
    edsVariable(l, "1280sub0", "Number of Entries", "0x0005", "ro", "0x03");
    edsVariable(l, "1280sub1", "COB-ID Client -> Server", "0x0007", "rw", "");
    edsVariable(l, "1280sub2", "COB-ID Server -> Client", "0x0007", "rw", "");
    edsVariable(l, "1280sub3", "Node ID of the SDO Server", "0x0005", "rw", "", false);
}

void edsCommunication(QStringList& l, bool transmit, int i, const TPDO_Entry& e) {
    const String x = edsHex(std::uint32_t((transmit ? 0x1800 : 0x1400) + i), 4);
    edsHeader(l, x, 4,
              (transmit ? QStringLiteral("Transmit") : QStringLiteral("Receive")) +
                  " PDO Communication Parameter " + String::number(i + 1),
              "0x09");
    edsSubVariable(l, x + "sub0", "Number of Entries", "0x0005", "ro", "0x03");
    edsSubVariable(l, x + "sub1", "COB-ID", "0x0007", "rw", "0x" + edsHex(e.COB_ID, 8));
    edsSubVariable(l, x + "sub2", "Transmission Type", "0x0005", "rw", "0xFE");
    edsSubVariable(l, x + "sub3", "Inhibit Time", "0x0006", "rw", "0x0");
}

void edsMapping(QStringList& l, bool transmit, int i, const TPDO_Entry& e) {
    const String m = edsHex(std::uint32_t((transmit ? 0x1A00 : 0x1600) + i), 4);
    const String data = edsHex(std::uint32_t((transmit ? 0x7050 : 0x7000) + i), 4);
    edsHeader(l, m, e.Dimension + 1,
              transmit ? "Transmit PDO Mapping Parameter " + String::number(i + 1)
                       : QStringLiteral("Receive PDO Mapping Parameter"),
              "0x09");
    edsSubVariable(l, m + "sub0", "Number of Entries", "0x0005", "ro",
                   "0x" + edsHex(std::uint32_t(e.Dimension), 2));
    for (int k = 1; k <= e.Dimension; ++k)
        edsSubVariable(l, m + edsSub(k), "Mapping Entry " + String::number(k), "0x0007", "ro",
                       "0x" + data + edsHex(std::uint32_t(k), 2) + "08");
}

void edsData(QStringList& l, bool transmit, int i, const TPDO_Entry& e) {
    const String p = edsHex(std::uint32_t((transmit ? 0x7050 : 0x7000) + i), 4);
    edsHeader(l, p, e.Dimension + 1, (transmit ? "TPDO" : "RPDO") + String::number(i + 1), "0x08");
    edsSubVariable(l, p + "sub0", "Number of Entries", "0x0005", transmit ? "rw" : "ro",
                   "0x" + edsHex(std::uint32_t(e.Dimension), 2));
    const String name = QLatin1String(transmit ? edsTpdoNames[i] : edsRpdoNames[i]);
    for (int k = 1; k <= e.Dimension; ++k)
        edsSubVariable(l, p + edsSub(k), name + String::number(k), "0x0005", transmit ? "rwr" : "rww", "0x00",
                       "1");
}

// One variable of the table: a sub-index of a record, or the whole object when it is the index's only
// row at sub-index 0.
void edsApplicationVariable(QStringList& l, const String& section, const SDO_Sub_Type& s) {
    l << "[" + section + "]"
      << "ParameterName=Application Variable"
      << "ObjectType=0x7";
    if (s.Quantity == 1)
        l << "DataType=0x0005"
          << "LowLimit=0x00"
          << "HighLimit=0xFF"
          << "DefaultValue=0x00";
    else if (s.Quantity == 2)
        l << "DataType=0x0006"
          << "LowLimit=0x0000"
          << "HighLimit=0xFFFF"
          << "DefaultValue=0x0000";
    else
        l << "DataType=0x0007"
          << "LowLimit=0x00000000"
          << "HighLimit=0xFFFFFFFF"
          << "DefaultValue=0x00000000";
    l << (s.Readonly ? "AccessType=ro" : "AccessType=rw") << "PDOMapping=0"
      << "";
}

void edsManufacturer(QStringList& l, const SDO_Index& record) {
    const String idx = edsHex(record.Index, 4);
    const auto& subs = record.Sub_Indexs;
    // Sub-index 0 of a record is its count of entries, an UNSIGNED8: a row there is the index itself.
    if (subs.front().Sub == 0) {
        edsApplicationVariable(l, idx, subs.front());
        return;
    }
    l << "[" + idx + "]"
      << "SubNumber=" + String::number(subs.size() + 1) << "ParameterName=App Vars"
      << "ObjectType=0x9"
      << "";
    l << "[" + idx + "sub0]"
      << "ParameterName=Largest Sub-Index supported"
      << "ObjectType=0x7"
      << "DataType=0x0005"
      << "AccessType=ro"
      << "DefaultValue=0x" + edsHex(subs.back().Sub, 2) << "PDOMapping=0"
      << "";
    for (const SDO_Sub_Type& s : subs)
        edsApplicationVariable(l, idx + edsSub(s.Sub), s);
}

bool edsLoad(TXMLDocument& xml, const String& path, String& error) {
    if (xml.LoadFromFile(path, Max_Table_Window_File_Bytes, Max_Table_Window_Text) &&
        !xml.DocumentElement().IsNull())
        return true;
    error = xml.ErrorText().isEmpty() ? QStringLiteral("The file holds no table.") : xml.ErrorText();
    return false;
}

} // namespace

bool Read_PDO_Configuration(const TXMLDocument& xml, TEDS_Configuration& config, String& error,
                            String& warning) {
    config.RPDO_Table.clear();
    config.TPDO_Table.clear();
    const TXMLNode root = xml.DocumentElement();
    return edsReadPdoSection(root, "Receive_PDO", config.RPDO_Table, error, warning) &&
           edsReadPdoSection(root, "Transmit_PDO", config.TPDO_Table, error, warning);
}

int Find_SDO_Index(const std::vector<SDO_Index>& list, std::uint16_t index) {
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].Index == index) return int(i);
    return -1;
}

bool Read_SDO_Server_Configuration(const TXMLDocument& xml, TEDS_Configuration& config, String& error) {
    const TXMLNode root = xml.DocumentElement();
    std::set<std::pair<Integer, Integer>> seen;
    for (const char* name : {"SDO_Read", "SDO_Write"}) {
        const TXMLNode section = root.FindNode(name);
        if (section.IsNull()) {
            error = QStringLiteral("The section \"%1\" is missing.").arg(name);
            return false;
        }
        int r = 0;
        for (const TXMLNode& row : edsRows(section)) {
            ++r;
            String index, sub, nbyte;
            if (!edsAttribute(row, "Index", index, error) || !edsAttribute(row, "SubIndex", sub, error) ||
                !edsAttribute(row, "NByte", nbyte, error))
                return false;
            const Integer i = Read_Table_Int(Trim(index)), s = Read_Table_Int(Trim(sub)),
                          n = Read_Table_Int(Trim(nbyte));
            const String where = QStringLiteral("Row %1 of \"%2\"").arg(r).arg(name);
            if (i < 0x2000 || i > 0x5FFF) {
                error = where +
                        QStringLiteral(": the Index \"%1\" must be between 0x2000 and 0x5FFF.").arg(index);
                return false;
            }
            if (s < 0 || s > 255) {
                error =
                    where + QStringLiteral(": the SubIndex \"%1\" must be between 0x00 and 0xFF.").arg(sub);
                return false;
            }
            if (n < 0 || n > 255) {
                error = where + QStringLiteral(": the NByte \"%1\" is not a size.").arg(nbyte);
                return false;
            }
            if (!seen.insert({i, s}).second) {
                error = where + QStringLiteral(": Index %1 SubIndex %2 is listed twice.").arg(index, sub);
                return false;
            }
            const SDO_Sub_Type entry{
                std::uint8_t(s), std::uint8_t(n), QLatin1String(name) == u"SDO_Read", {}};
            const int p = Find_SDO_Index(config.SDO_Index_List, std::uint16_t(i));
            if (p == -1) {
                config.SDO_Index_List.push_back({std::uint16_t(i), {entry}});
                continue;
            }
            // The table's check refuses this; a file edited by hand would give an invalid record.
            std::vector<SDO_Sub_Type>& subs = config.SDO_Index_List[size_t(p)].Sub_Indexs;
            if (s == 0 ||
                std::any_of(subs.begin(), subs.end(), [](const SDO_Sub_Type& e) { return e.Sub == 0; })) {
                error =
                    where +
                    QStringLiteral(": the Index %1 lists its SubIndex 0 together with others.").arg(index);
                return false;
            }
            subs.push_back(entry);
        }
    }
    return true;
}

void Sort_SDO_Sub_Indexes(std::vector<SDO_Index>& list) {
    for (SDO_Index& record : list)
        std::stable_sort(record.Sub_Indexs.begin(), record.Sub_Indexs.end(),
                         [](const SDO_Sub_Type& a, const SDO_Sub_Type& b) { return a.Sub < b.Sub; });
}

String EDS_Date_Text(const TLocalDateTime& t) {
    return edsTwo(t.Month) + "-" + edsTwo(t.Day) + "-" + String::number(t.Year);
}

String EDS_Time_Text(const TLocalDateTime& t) {
    const int hour = t.Hour % 12 == 0 ? 12 : t.Hour % 12;
    return edsTwo(hour) + ":" + edsTwo(t.Minute) + (t.Hour < 12 ? "AM" : "PM");
}

QStringList EDS_File_Lines(const TEDS_Configuration& config, const TLocalDateTime& now) {
    const int R = int(config.RPDO_Table.size()), T = int(config.TPDO_Table.size());
    const String time = EDS_Time_Text(now), date = EDS_Date_Text(now);
    QStringList l;
    l << "[FileInfo]"
      << "FileName=DIR_UR_Uviriz_UZErozi.eds"
      << "FileVersion=1"
      << "FileRevision=0"
      << "EDSVersion=4.0"
      << "Description=" + edsProduct << "CreationTime=" + time << "CreationDate=" + date
      << "CreatedBy=" + Maker_Name << "ModificationTime=" + time << "ModificationDate=" + date
      << "ModifiedBy=" + Maker_Name << "";
    l << "[DeviceInfo]"
      << "VendorName=" + Maker_Name << "VendorNumber=0x00"
      << "ProductName=" + edsProduct << "ProductNumber=25"
      << "RevisionNumber=0x0"
      << "OrderCode=LD83K25";
    for (const char* rate : {"10=1", "20=1", "50=1", "125=1", "250=1", "500=1", "800=0", "1000=1"})
        l << QStringLiteral("BaudRate_") + rate;
    l << "DynamicChannelsSupported=0"
      << "GroupMessaging=0"
      << "LSS_Supported=0"
      << "Granularity=0"
      << "SimpleBootUpSlave=1"
      << "SimpleBootUpMaster=0"
      << "NrOfRXPDO=" + String::number(R) << "NrOfTXPDO=" + String::number(T) << "";
    l << "[Comments]"
      << "Lines=0"
      << "";
    l << "[DummyUsage]";
    for (int d = 1; d <= 7; ++d)
        l << QStringLiteral("Dummy000%1=0").arg(d);
    l << "";
    l << "[MandatoryObjects]"
      << "SupportedObjects=3"
      << "1=0x1000"
      << "2=0x1001"
      << "3=0x1018"
      << "";
    l << "[OptionalObjects]"
      << "SupportedObjects=" + String::number(8 + 3 * R + 3 * T);
    int n = 0;
    for (int fixed : {0x1005, 0x1006, 0x1008, 0x1014, 0x1016, 0x1017, 0x1029, 0x1280})
        l << String::number(++n) + "=0x" + edsHex(std::uint32_t(fixed), 4);
    const struct {
        int base, count;
    } blocks[] = {{0x1400, R}, {0x1600, R}, {0x1800, T}, {0x1A00, T}, {0x7000, R}, {0x7050, T}};
    for (const auto& b : blocks)
        for (int i = 0; i < b.count; ++i)
            l << String::number(++n) + "=0x" + edsHex(std::uint32_t(b.base + i), 4);
    l << "";
    std::vector<const SDO_Index*> objects;
    for (const SDO_Index& record : config.SDO_Index_List)
        if (!record.Sub_Indexs.empty()) objects.push_back(&record);
    l << "[ManufacturerObjects]"
      << "SupportedObjects=" + String::number(objects.size());
    for (size_t j = 0; j < objects.size(); ++j)
        l << String::number(j + 1) + "=0x" + edsHex(objects[j]->Index, 4);
    l << "";
    edsFixedObjects(l);
    for (int i = 0; i < R; ++i)
        edsCommunication(l, false, i, config.RPDO_Table[size_t(i)]);
    for (int i = 0; i < R; ++i)
        edsMapping(l, false, i, config.RPDO_Table[size_t(i)]);
    for (int i = 0; i < T; ++i)
        edsCommunication(l, true, i, config.TPDO_Table[size_t(i)]);
    for (int i = 0; i < T; ++i)
        edsMapping(l, true, i, config.TPDO_Table[size_t(i)]);
    for (int i = 0; i < R; ++i)
        edsData(l, false, i, config.RPDO_Table[size_t(i)]);
    for (int i = 0; i < T; ++i)
        edsData(l, true, i, config.TPDO_Table[size_t(i)]);
    for (const SDO_Index* record : objects)
        edsManufacturer(l, *record);
    l << "";
    return l;
}

bool Write_EDS_File(const String& path) {
    TEDS_Configuration config;
    String error, warning;
    TXMLDocument xml;
    if (PathExists(File_PDO_CANopen) &&
        !(edsLoad(xml, File_PDO_CANopen, error) && Read_PDO_Configuration(xml, config, error, warning))) {
        MessageDlg(
            QStringLiteral("The EDS file was not written: the PDO table \"%1\" could not be read.\r\n%2")
                .arg(File_PDO_CANopen, error),
            mtError, mbOK);
        return false;
    }
    if (PathExists(File_SDO_Server_CANopen) && !(edsLoad(xml, File_SDO_Server_CANopen, error) &&
                                                 Read_SDO_Server_Configuration(xml, config, error))) {
        MessageDlg(QStringLiteral(
                       "The EDS file was not written: the SDO server table \"%1\" could not be read.\r\n%2")
                       .arg(File_SDO_Server_CANopen, error),
                   mtError, mbOK);
        return false;
    }
    Sort_SDO_Sub_Indexes(config.SDO_Index_List);
    if (!warning.isEmpty())
        MessageDlg(QStringLiteral("The PDO table \"%1\": %2").arg(File_PDO_CANopen, warning), mtWarning,
                   mbOK);
    return Save_Generated_File(path, EDS_File_Lines(config, NowLocal()), TTextEncoding::ANSI);
}

void Run_EDS_Step(TSaveDialog* dialog) {
    dialog->SetInitialDir(Dir_Project);
    if (!dialog->Execute()) return;
    Write_EDS_File(dialog->FileName());
}

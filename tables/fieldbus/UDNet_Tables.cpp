// The DeviceNet slave-list sheet and the byte map's reading, check and writing.
#include "tables/fieldbus/UDNet_Tables.h"

#include "core/UComon.h"
#include "core/ULanguage.h"
#include "tables/fieldbus/FieldbusSheet.h"
#include "tables/frame/TableCells.h"
#include "tables/frame/TableNumber.h"
#include "toolkit/services/XmlDoc.h"
#include "toolkit/system/SysUtils.h"

namespace {

const String dnetNone = QStringLiteral("None");

// The slave list's number in 0 .. high; 0 (with a note in `problem`) when the text is no such number.
Integer dnetSlaveNumber(const ITableCells& cells, Integer col, Integer row, Integer high,
                        const char* attribute, QStringList& problem) {
    const Integer n = Read_Table_Int(Trim(cells.Cell(col, row)));
    if (n >= 0 && n <= high) return n;
    problem << QStringLiteral(
                   "Row %1 of the slave list: \"%2\" is not a number from 0 to %3 and counts as 0.")
                   .arg(row)
                   .arg(QLatin1String(attribute))
                   .arg(high);
    return 0;
}

// The rows of one byte list, in byte order, up to the slave's count.
void dnetReadBytes(const TXMLNode& list, QStringList& offsets, QStringList& mnemonics) {
    if (list.IsNull()) return;
    qsizetype j = 0;
    for (const TXMLNode& row : list.ChildNodes()) {
        if (j >= offsets.size()) break;
        if (row.NodeType() != ntElement || row.NodeName() != u"row") continue;
        offsets[j] = row.Attributes(QStringLiteral("Offset"), dnetNone);
        mnemonics[j] = row.Attributes(QStringLiteral("Mnemonic"));
        ++j;
    }
}

void dnetWriteBytes(TXMLNode list, const QStringList& offsets, const QStringList& mnemonics) {
    for (qsizetype j = 0; j < offsets.size(); ++j) {
        TXMLNode row = list.AddChild(QStringLiteral("row"));
        row.SetAttribute(QStringLiteral("Offset"), offsets[j]);
        row.SetAttribute(QStringLiteral("Mnemonic"), j < mnemonics.size() ? mnemonics[j] : String());
    }
}

String dnetText(Integer n) {
    return Lang_Texts->Strings(n);
}

} // namespace

TTableSheet DNet_Net_Sheet() {
    TTableSheet s;
    s.FilePath = &File_DNETM_Net;
    s.ClientWidth = 784;
    s.ClientHeight = 337;
    s.Texts = Block_Texts(3000, 3008, 3023, 3027, 3032);
    s.RootElement = QStringLiteral("DNET_Net");
    s.VersionComment = QStringLiteral("SW_VERSION = 1.001");
    TTableGrid g = Fieldbus_Grid("QSG", "TS_DNet", 0, "", DNet_Data_Rows,
                                 Fieldbus_Columns({
                                     {3014, 45, Tint_White, edNormal, "", "", 0},
                                     {3015, 85, Tint_Honeydew, edNormal, "ID", "", 3019},
                                     {3016, 85, Tint_Cream, edNormal, "NB_IN", "", 3020},
                                     {3017, 85, Tint_Cream, edNormal, "NB_OUT", "", 3021},
                                     {3028, 134, Tint_Pink, edDataCheckBox, "Reset_DeviceNet", "N", 3030},
                                     {3029, 134, Tint_Pink, edDataCheckBox, "Reset_OPCUA", "N", 3031},
                                     {3018, 190, clWindow, edNormal, "Mnemonic", "", 3022},
                                 }));
    for (Integer c : {dnID, dnNB_IN, dnNB_OUT, dnMnemonic})
        g.Columns[size_t(c)].Missing = TTableMissing::Required;
    g.KeyColumn = dnID;
    g.KeyTrimmed = false;
    g.ColSizing = false;
    g.CheckRow = [](const TTableRow& row) -> TRowFault {
        if (Fieldbus_Outside(row, dnID, 0, 63)) return {3024, {}};
        if (Fieldbus_Outside(row, dnNB_IN, 0, 65535)) return {3025, {}};
        if (Fieldbus_Outside(row, dnNB_OUT, 0, 65535)) return {3026, {}};
        return {};
    };
    s.Grids = {g};
    return s;
}

TSlave_DN::TSlave_DN(Byte id, Word byteIn, Word byteOut)
    : ID(id), ByteIN(byteIn), ByteOUT(byteOut), SL_ByteIN(byteIn, dnetNone), SL_ByteIN_M(byteIn),
      SL_ByteOUT(byteOut, dnetNone), SL_ByteOUT_M(byteOut) {}

TTableLoad Read_Slaves_DN(const TXMLDocument& xml, std::vector<TSlave_DN>& slaves,
                          std::vector<QStringList>* texts) {
    slaves.clear();
    if (texts) texts->clear();
    const TTableSheet sheet = DNet_Net_Sheet();
    TTableCellStore cells(sheet.Grids[0]);
    TTableLoad load = Load_Table_Document(xml, sheet, {&cells});
    const Integer rows = load.Rows.empty() ? 0 : load.Rows[0];
    QStringList problem;
    if (!load.Problem.isEmpty()) problem << load.Problem;
    for (Integer r = 1; r <= rows; ++r) {
        const Integer id = dnetSlaveNumber(cells, dnID, r, 255, "ID", problem);
        const Integer in = dnetSlaveNumber(cells, dnNB_IN, r, 65535, "NB_IN", problem);
        const Integer out = dnetSlaveNumber(cells, dnNB_OUT, r, 65535, "NB_OUT", problem);
        slaves.emplace_back(Byte(id), Word(in), Word(out));
        if (texts)
            texts->push_back({cells.Cell(dnID, r), cells.Cell(dnNB_IN, r), cells.Cell(dnNB_OUT, r),
                              cells.Cell(dnMnemonic, r)});
    }
    if (!problem.isEmpty()) load = {false, problem.join(QStringLiteral("\r\n")), load.Rows};
    return load;
}

TTableLoad Read_Offsets_DN(const TXMLDocument& xml, std::vector<TSlave_DN>& slaves) {
    const TXMLNode root = xml.DocumentElement();
    if (root.IsNull()) return {false, QStringLiteral("The file holds no table."), {}};
    if (root.NodeName() != u"Define_Offset")
        return {false,
                QStringLiteral("The file holds no \"Define_Offset\" table, but \"%1\".").arg(root.NodeName()),
                {}};
    size_t k = 0;
    for (const TXMLNode& node : root.ChildNodes()) {
        if (k >= slaves.size()) break;
        if (node.NodeType() != ntElement || node.NodeName() != u"Nodo_DNET") continue;
        TSlave_DN& slave = slaves[k++];
        dnetReadBytes(node.FindNode(QStringLiteral("ByteIN")), slave.SL_ByteIN, slave.SL_ByteIN_M);
        dnetReadBytes(node.FindNode(QStringLiteral("ByteOUT")), slave.SL_ByteOUT, slave.SL_ByteOUT_M);
    }
    return {};
}

void Write_Offsets_DN(TXMLDocument& xml, const std::vector<TSlave_DN>& slaves) {
    xml.SetActive(true);
    xml.Clear();
    TXMLNode root = xml.AddChild(QStringLiteral("Define_Offset"));
    xml.AppendComment(QStringLiteral("SW_VERSION = 1.001"));
    for (const TSlave_DN& slave : slaves) {
        TXMLNode node = root.AddChild(QStringLiteral("Nodo_DNET"));
        dnetWriteBytes(node.AddChild(QStringLiteral("ByteIN")), slave.SL_ByteIN, slave.SL_ByteIN_M);
        dnetWriteBytes(node.AddChild(QStringLiteral("ByteOUT")), slave.SL_ByteOUT, slave.SL_ByteOUT_M);
    }
}

String Check_Offsets_DN(const std::vector<TSlave_DN>& slaves) {
    struct User {
        Integer ID = -1, Index = -1;
    };
    // Check_Byte_Offset: who sends to each position of the internal output array.
    std::vector<User> users(static_cast<size_t>(DNet_Max_Byte));
    for (const TSlave_DN& slave : slaves) {
        for (qsizetype i = 0; i < slave.SL_ByteOUT.size(); ++i) {
            const Integer position = Read_Table_Int(Trim(slave.SL_ByteOUT[i]));
            if (position < 0) continue; // "None"
            // Only an edited file gets here: the Offset list offers no such position.
            if (position >= DNet_Max_Byte)
                return dnetText(3126) + IntToStr(DNet_Max_Byte - 1) + "\n\r( " + dnetText(3127) +
                       IntToStr(Integer(slave.ID)) + dnetText(3123) + IntToStr(Integer(i)) + ")";
            User& user = users[size_t(position)];
            if (user.ID >= 0)
                return dnetText(3121) + "\n\r( " + dnetText(3122) + IntToStr(user.ID) + dnetText(3123) +
                       IntToStr(user.Index) + dnetText(3124) + IntToStr(Integer(slave.ID)) + dnetText(3125) +
                       IntToStr(Integer(i)) + ")";
            user = {Integer(slave.ID), Integer(i)};
        }
    }
    return String();
}

// The fieldbus table sheets without a window: fixture files round trip; for the CAN and CANopen tables
// every test of a row with its message, the defaults of missing attributes, rows beyond the grid and the
// SDO server's duplicates.
#include "../TableFixture.h"
#include "tables/fieldbus/UCAN_Frame_Tables.h"
#include "tables/fieldbus/UCANopen_Tables.h"
#include "tables/fieldbus/UDMX_Tables.h"
#include "tables/fieldbus/UDNet_Tables.h"
#include "tables/fieldbus/UPGN_Tables.h"

using qvtables::FixtureBytes;
using qvtables::SheetCells;
using qvtables::T;

namespace {

enum FieldbusSheetKind {
    fsCanReceive,
    fsCanTransmit,
    fsPdo,
    fsSdoClient,
    fsSdoServer,
    fsJ1939Receive,
    fsJ1939Transmit,
    fsNmeaReceive,
    fsNmeaTransmit,
    fsDNet,
    fsDmx
};

TTableSheet fieldbusSheet(FieldbusSheetKind k) {
    switch (k) {
    case fsCanReceive:
        return CAN_Frames_Sheet(false);
    case fsCanTransmit:
        return CAN_Frames_Sheet(true);
    case fsPdo:
        return PDO_CANopen_Sheet();
    case fsSdoClient:
        return SDO_Client_CANopen_Sheet();
    case fsSdoServer:
        return SDO_Server_CANopen_Sheet();
    case fsJ1939Receive:
        return J1939_Frames_Sheet(false);
    case fsJ1939Transmit:
        return J1939_Frames_Sheet(true);
    case fsNmeaReceive:
        return NMEA_Frames_Sheet(false);
    case fsNmeaTransmit:
        return NMEA_Frames_Sheet(true);
    case fsDNet:
        return DNet_Net_Sheet();
    case fsDmx: {
        // As many channels as the fixture file has.
        TTableSheet s = DMX_Default_Values_Sheet();
        s.Grids[0].DataRows = 5;
        return s;
    }
    }
    return {};
}

TEST(FieldbusTables, FixtureFilesLoadPassAndWriteBackEqual) {
    const struct {
        FieldbusSheetKind kind;
        const char* file;
    } cases[] = {{fsCanReceive, "CAN_Rec_Frames.xml"},
                 {fsCanTransmit, "CAN_Send_Frames.xml"},
                 {fsPdo, "PDO_CANopen.xml"},
                 {fsSdoClient, "SDO_Client_CANopen.xml"},
                 {fsSdoServer, "SDO_Server_CANopen.xml"},
                 {fsJ1939Receive, "J1939_Rec_Frames.xml"},
                 {fsJ1939Transmit, "J1939_Send_Frames.xml"},
                 {fsNmeaReceive, "NMEA_Rec_Frames.xml"},
                 {fsNmeaTransmit, "NMEA_Send_Frames.xml"},
                 {fsDNet, "DNETM_Net.xml"},
                 {fsDmx, "DMX_Default_Values.xml"}};
    for (const auto& c : cases) {
        SheetCells t(fieldbusSheet(c.kind));
        const QByteArray file = FixtureBytes(c.file);
        ASSERT_FALSE(file.isEmpty()) << c.file;
        const TTableLoad load = t.Load(file);
        EXPECT_TRUE(load.Complete) << c.file << load.Problem.toStdString();
        EXPECT_EQ(t.FaultText(), "") << c.file;
        EXPECT_EQ(QString::fromUtf8(t.Write()), QString::fromUtf8(file)) << c.file;
    }
}

// One row (cells from column 1) in an otherwise empty table, and the check's message.
struct FieldbusCheckCase {
    FieldbusSheetKind kind;
    int grid;
    QStringList cells;
    QString expected; // empty: passes
};

QString rowError(int prefix, int message, const QString& limit = QString()) {
    return T(prefix) + "1" + T(message) + limit;
}

TEST(FieldbusTables, EveryRowTestWithItsMessage) {
    const QString a11 = "2.0A (11 bits)", b29 = "2.0B (29 bits)";
    // Receive CAN: Enable, CobID, Type, Dim, TimeOut, Byte1..8.
    const auto rx = [&](QString en, QString cob, QString type, QString dim, QString to, QStringList bytes) {
        QStringList r{en, cob, type, dim, to};
        while (bytes.size() < 8)
            bytes << "";
        return r + bytes;
    };
    // Transmit CAN: Enable, CobID, Type, Dim, OnChange, OnCMD, OnTimer, Time, Byte1..8.
    const auto tx = [&](QString cob, QString type, QString dim, QString onTimer, QString time,
                        QStringList bytes) {
        QStringList r{"Y", cob, type, dim, "Y", "N", onTimer, time};
        while (bytes.size() < 8)
            bytes << "";
        return r + bytes;
    };
    const auto pdo = [](QString cob, QString dim, QStringList adds, QString time) {
        while (adds.size() < 8)
            adds << "";
        return QStringList{cob, dim} + adds + QStringList{time};
    };
    const FieldbusCheckCase cases[] = {
        {fsCanReceive, 0, rx("Y", "0x1FFFFFFF", b29, "1", "0", {}), ""},
        {fsCanReceive, 0, rx("Y", "2048", a11, "1", "0", {}), rowError(1944, 1945)},
        {fsCanReceive, 0, rx("Y", "0x7FF", a11, "1", "0", {}), ""},
        {fsCanReceive, 0, rx("Y", "5000", "", "1", "0", {}), ""},
        {fsCanReceive, 0, rx("Y", "0x20000000", "", "1", "0", {}), rowError(1944, 1946)},
        {fsCanReceive, 0, rx("Y", "1", a11, "9", "0", {}), rowError(1944, 1947)},
        {fsCanReceive, 0, rx("Y", "1", a11, "1", "", {}), rowError(1944, 1948)},
        {fsCanReceive, 0, rx("Y", "1", a11, "2", "0", {"None", "", "5000"}), ""},
        {fsCanReceive, 0, rx("Y", "1", a11, "2", "0", {"0", "5000"}), rowError(1944, 1951, "1999" + T(1950))},
        {fsCanReceive, 0, rx("Y", "1", a11, "1", "0", {"none"}), rowError(1944, 1949, "1999" + T(1950))},
        {fsCanReceive, 0, rx("Y", "1", a11, "8", "0", {"", "", "", "", "", "", "", "2000"}),
         rowError(1944, 1957, "1999" + T(1950))},
        {fsCanReceive, 0, rx("N", "letters", a11, "", "", {}), ""},
        // The Enable text counts whatever its case.
        {fsCanReceive, 0, rx(" y ", "letters", a11, "1", "0", {}), rowError(1944, 1945)},
        {fsCanTransmit, 0, tx("2048", a11, "1", "N", "", {}), rowError(2047, 2048)},
        {fsCanTransmit, 0, tx("-1", b29, "1", "N", "", {}), rowError(2047, 2049)},
        {fsCanTransmit, 0, tx("1", a11, "0", "N", "", {}), rowError(2047, 2050)},
        {fsCanTransmit, 0, tx("1", a11, "1", "N", "letters", {}), ""},
        {fsCanTransmit, 0, tx("1", a11, "1", "y", "letters", {}), rowError(2047, 2051)},
        {fsCanTransmit, 0, tx("1", a11, "1", "Y", "100000000", {"1999"}), ""},
        {fsCanTransmit, 0, tx("1", a11, "3", "N", "", {"1", "2", "x"}),
         rowError(2047, 2055, "1999" + T(2053))},
        {fsPdo, 0, pdo("0x181", "2", {"0", "1"}, "0"), ""},
        {fsPdo, 0, pdo("0x181", "2", {"0", ""}, "0"), rowError(2568, 2572, "1499")},
        {fsPdo, 0, pdo("0x181", "1", {"0", "letters"}, "0"), ""},
        {fsPdo, 0, pdo("0x181", "1", {"0"}, "65536"), rowError(2568, 2579)},
        {fsPdo, 0, pdo("2048", "1", {"0"}, "0"), rowError(2568, 2569)},
        {fsPdo, 0, pdo("1", "0", {"0"}, "0"), rowError(2568, 2570)},
        {fsPdo, 0, pdo("1", "8", {"0", "1", "2", "3", "4", "5", "6", "1500"}, "0"),
         rowError(2568, 2578, "1499")},
        {fsPdo, 1, pdo("2048", "1", {"0"}, "0") << "N", rowError(2568, 2580)},
        {fsPdo, 1, pdo("1", "9", {"0"}, "0") << "N", rowError(2568, 2581)},
        {fsPdo, 1, pdo("1", "1", {"1500"}, "0") << "N", rowError(2568, 2582, "1499")},
        {fsPdo, 1, pdo("1", "1", {"0"}, "100000000") << "N", ""},
        {fsPdo, 1, pdo("1", "1", {"0"}, "100000001") << "N", rowError(2568, 2590)},
        // SDO client read: Device, Index, Sub, N Byte, Poll Time, Add Byte1..4.
        {fsSdoClient, 0, {"5", "0x6000", "1", "2", "0", "0", "1"}, rowError(2660, 2665)},
        {fsSdoClient, 1, {"5", "0x6000", "1", "2", "0", "N", "0", "1"}, ""},
        {fsSdoClient, 0, {"0", "0x6000", "1", "2", "1", "0", "1"}, rowError(2660, 2661)},
        {fsSdoClient, 0, {"5", "0xFFF", "1", "2", "1", "0", "1"}, rowError(2660, 2662)},
        {fsSdoClient, 0, {"5", "0x6000", "256", "2", "1", "0", "1"}, rowError(2660, 2663)},
        {fsSdoClient, 0, {"5", "0x6000", "1", "3", "1", "0", "1"}, rowError(2660, 2664)},
        {fsSdoClient, 0, {"5", "0x6000", "1", "1", "1", "0", "letters"}, ""},
        {fsSdoClient, 0, {"5", "0x6000", "1", "2", "1", "0", "letters"}, rowError(2660, 2667, "1499")},
        {fsSdoClient, 0, {"5", "0x6000", "1", "4", "1", "0", "1", "2", ""}, rowError(2660, 2669, "1499")},
        {fsSdoClient, 1, {"128", "0x6000", "1", "2", "0", "N", "0", "1"}, rowError(2660, 2670)},
        {fsSdoClient,
         1,
         {"5", "0x6000", "1", "4", "0", "N", "0", "1", "1500", "0"},
         rowError(2660, 2677, "1499")},
        // SDO server: Index, Sub, N Byte, Add Byte1..4.
        {fsSdoServer, 0, {"0x1FFF", "0", "1", "0"}, rowError(2750, 2751)},
        {fsSdoServer, 0, {"0x5FFF", "0", "1", "0"}, ""},
        {fsSdoServer, 0, {"0x2000", "0", "3", "0"}, rowError(2750, 2753)},
        {fsSdoServer, 0, {"0x2000", "0", "2", "0", "1500"}, rowError(2750, 2755, "1499")},
        {fsSdoServer, 1, {"0x6000", "0", "1", "0"}, rowError(2750, 2758)},
        {fsSdoServer, 1, {"0x2000", "-1", "1", "0"}, rowError(2750, 2759)},
        {fsSdoServer, 1, {"0x2000", "0", "4", "0", "1", "2", "x"}, rowError(2750, 2764, "1499")},
    };
    for (const auto& c : cases) {
        SheetCells t(fieldbusSheet(c.kind));
        t[size_t(c.grid)].SetRow(1, c.cells);
        EXPECT_EQ(t.FaultText(), c.expected) << c.kind << " " << c.cells.join('|').toStdString();
    }
}

TEST(FieldbusTables, TheFirstGridIsCheckedWholeBeforeTheSecondAndTheGapEndsTheTable) {
    SheetCells t(PDO_CANopen_Sheet());
    t[0].SetRow(1, {"1", "1", "0", "", "", "", "", "", "", "", "0"});
    t[0].SetRow(2, {"1", "1", "1500", "", "", "", "", "", "", "", "0"}); // fails
    t[0].SetRow(4, {"2048"}); // after the gap: neither checked nor written
    t[1].SetRow(1, {"2048"});
    EXPECT_EQ(t.FaultText(), T(2568) + "2" + T(2570 + 1) + "1499");
    t[0].SetRow(2, {"1", "1", "1499", "", "", "", "", "", "", "", "0"});
    EXPECT_EQ(t.FaultText(), T(2568) + "1" + T(2580));
    t[1].SetRow(1, QStringList(20));
    EXPECT_EQ(t.FaultText(), "");
    EXPECT_EQ(t.Write().count("<row "), 2);
}

TEST(FieldbusTables, MissingAttributesTakeTheirDefaultsAndLoadingGoesOn) {
    SheetCells tx(CAN_Frames_Sheet(true));
    ASSERT_TRUE(tx.Load("<Transmit_Frames><row COBID='1' Dim='1'/><row COBID='2' OnTimer='Y'/>"
                        "<row COBID='3' OnTimer='Y' Time='7'/></Transmit_Frames>")
                    .Complete);
    EXPECT_EQ(tx[0].Row(1).mid(0, 9), QStringList({"Y", "1", "2.0A (11 bits)", "1", "Y", "N", "N", "", ""}));
    EXPECT_EQ(tx[0].Cell(ctTime, 2), "0");
    EXPECT_EQ(tx[0].Cell(ctTime, 3), "7");
    SheetCells rx(CAN_Frames_Sheet(false));
    ASSERT_TRUE(rx.Load("<Receive_Frames><row COBID='1'/></Receive_Frames>").Complete);
    EXPECT_EQ(rx[0].Row(1).mid(0, 5), QStringList({"Y", "1", "", "", "0"}));

    // The CANopen tables go on past a row lacking attributes, with empty cells.
    SheetCells pdo(PDO_CANopen_Sheet());
    const TTableLoad load = pdo.Load("<PDO_CANopen><Receive_PDO><row Dimension='2'/><row COB-ID='5'/>"
                                     "</Receive_PDO><Transmit_PDO/></PDO_CANopen>");
    EXPECT_TRUE(load.Complete) << load.Problem.toStdString();
    EXPECT_EQ(pdo[0].Cell(1, 1), "");
    EXPECT_EQ(pdo[0].Cell(2, 1), "2");
    EXPECT_EQ(pdo[0].Cell(1, 2), "5");
}

TEST(FieldbusTables, RowsBeyondTheGridAreLeftOutWithAWarning) {
    SheetCells pdo(PDO_CANopen_Sheet());
    QByteArray xml = "<PDO_CANopen><Receive_PDO>";
    for (int i = 1; i <= PDO_Data_Rows + 2; ++i)
        xml += "<row COB-ID='" + QByteArray::number(i) + "' Dimension='1'/>";
    xml += "</Receive_PDO><Transmit_PDO/></PDO_CANopen>";
    const TTableLoad load = pdo.Load(xml);
    EXPECT_FALSE(load.Complete);
    EXPECT_TRUE(load.Problem.contains("2 rows more")) << load.Problem.toStdString();
    EXPECT_EQ(pdo[0].Cell(1, PDO_Data_Rows), QString::number(PDO_Data_Rows));
    EXPECT_EQ(pdo[0].DataRowCount(), PDO_Data_Rows);
}

TEST(FieldbusTables, TheSdoServerRefusesAnObjectListedTwice) {
    SheetCells t(SDO_Server_CANopen_Sheet());
    t[0].SetRow(1, {"0x2000", "1", "1", "0"});
    t[0].SetRow(2, {"0x2001", "1", "1", "0"});
    t[1].SetRow(1, {"0x2002", "1", "1", "0"});
    EXPECT_EQ(t.FaultText(), "");
    t[0].SetRow(3, {"8192", "0x01", "2", "0", "1"});
    EXPECT_EQ(t.FaultText(), T(2750) + "3" + T(2766));
    t[0].SetRow(3, QStringList(20));
    t[1].SetRow(2, {"0x2001", "1", "1", "0"}); // the same object on the write page
    EXPECT_EQ(t.FaultText(), T(2750) + "2" + T(2767));
    // A row test still comes first.
    t[0].SetRow(2, {"0x2001", "1", "3", "0"});
    EXPECT_EQ(t.FaultText(), T(2750) + "2" + T(2753));
}

// Sub-index 0 of an index with others would be the record's count: the EDS reader refuses it as a
// variable. Alone it is the index's one variable.
TEST(FieldbusTables, TheSdoServerRefusesSubIndexZeroBesideOtherSubIndexesOfItsIndex) {
    const struct {
        QStringList read, write;
        QString fault;
    } cases[] = {
        {{"0x2000", "0", "1", "0"}, {"0x2001", "1", "1", "1"}, ""},
        {{"0x2000", "0", "1", "0"},
         {"0x2000", "2", "1", "1"},
         T(2750) + "1" + T(Text_SDO_Write_Sub_Zero_Shared)},
        {{"0x2000", "2", "1", "0"},
         {"0x2000", "$0", "1", "1"},
         T(2750) + "1" + T(Text_SDO_Write_Sub_Zero_Shared)},
    };
    for (const auto& c : cases) {
        SheetCells t(SDO_Server_CANopen_Sheet());
        t[0].SetRow(1, c.read);
        t[1].SetRow(1, c.write);
        EXPECT_EQ(t.FaultText(), c.fault) << c.read.join(' ').toStdString();
    }
    SheetCells read(SDO_Server_CANopen_Sheet());
    read[0].SetRow(1, {"0x2000", "1", "1", "0"});
    read[0].SetRow(2, {"0x2000", "0", "1", "1"});
    EXPECT_EQ(read.FaultText(), T(2750) + "2" + T(Text_SDO_Read_Sub_Zero_Shared));
}

} // namespace

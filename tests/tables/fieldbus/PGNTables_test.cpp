// The J1939 and NMEA 2000 sheets without a window: every test of a row with its message, the byte totals
// against the internal arrays, where a table ends, the transmit file's older trigger attribute and the
// defaults of missing attributes.
#include "../TableFixture.h"
#include "tables/fieldbus/UPGN_Tables.h"

using qvtables::SheetCells;
using qvtables::T;

namespace {

enum PgnSheetKind { pkJ1939Receive, pkJ1939Transmit, pkNmeaReceive, pkNmeaTransmit };

TTableSheet pgnSheet(PgnSheetKind k) {
    switch (k) {
    case pkJ1939Receive:
        return J1939_Frames_Sheet(false);
    case pkJ1939Transmit:
        return J1939_Frames_Sheet(true);
    case pkNmeaReceive:
        return NMEA_Frames_Sheet(false);
    case pkNmeaTransmit:
        return NMEA_Frames_Sheet(true);
    }
    return {};
}

// The cells of a row from column 1: J1939 receive: Data Page, PGN, SA, TP, Start, N, Cancel, On Request,
// Time; J1939 transmit: Priority, Data Page, PGN, SA, N Bytes, Request, Data Change, On Timer, Send Timer;
// NMEA receive: PGN, SA, TP, FP, Start, N; NMEA transmit: Priority, PGN, SA, FP, Num Byte, Request,
// Data Change, On Timer, Send Timer.
QStringList j1939Rx(QString tp, QString start, QString n, QString onRequest = "N", QString time = "") {
    return {"0", "0xFEF1", "0", tp, start, n, "N", onRequest, time};
}
QStringList j1939Tx(QString nBytes, QString onTimer = "N", QString sendTimer = "") {
    return {"3", "0", "0xFEF1", "0", nBytes, "N", "N", onTimer, sendTimer};
}
QStringList nmeaRx(QString tp, QString fp, QString start, QString n) {
    return {"127250", "1", tp, fp, start, n};
}
QStringList nmeaTx(QString numByte, QString onTimer = "N", QString sendTimer = "") {
    return {"2", "127488", "0", "N", numByte, "N", "N", onTimer, sendTimer};
}

QString rowError(int prefix, int row, int message, const QString& limit = QString()) {
    return T(prefix) + QString::number(row) + T(message) + limit;
}

struct PgnCheckCase {
    PgnSheetKind kind;
    QStringList cells; // row 1 of an otherwise empty table
    QString expected;  // empty: passes
};

TEST(PGNTables, EveryRowTestWithItsMessage) {
    const auto jr = [](int m, QString limit = QString()) { return rowError(3335, 1, m, limit); };
    const auto jt = [](int m, QString limit = QString()) { return rowError(3435, 1, m, limit); };
    const auto nr = [](int m) { return rowError(3631, 1, m); };
    const auto nt = [](int m, QString limit = QString()) { return rowError(3735, 1, m, limit); };
    QStringList noDataPage = j1939Rx("N", "", "");
    noDataPage[0] = "";
    QStringList blankPgn = j1939Rx("N", "", "");
    blankPgn[1] = "   ";
    QStringList j1939Pgn16 = j1939Rx("N", "", "");
    j1939Pgn16[1] = "0x10000";
    QStringList sa240 = j1939Rx("N", "", "");
    sa240[2] = "240";
    QStringList priority8 = j1939Tx("8");
    priority8[0] = "8";
    QStringList txNoDataPage = j1939Tx("8");
    txNoDataPage[1] = "";
    QStringList txPgn = j1939Tx("8");
    txPgn[2] = "0x20000";
    QStringList txSa = j1939Tx("8");
    txSa[3] = "256";
    QStringList nmeaPgn = nmeaRx("N", "N", "", "");
    nmeaPgn[0] = "0x20000";
    QStringList nmeaSa = nmeaRx("N", "N", "", "");
    nmeaSa[1] = "240";
    QStringList ntPriority = nmeaTx("8");
    ntPriority[0] = "-1";
    QStringList ntPgn = nmeaTx("8");
    ntPgn[1] = "letters";
    QStringList ntSa = nmeaTx("8");
    ntSa[2] = "255";
    const PgnCheckCase cases[] = {
        // J1939 receive: a single frame, whole or a slice of it.
        {pkJ1939Receive, j1939Rx("N", "", ""), ""},
        {pkJ1939Receive, j1939Rx("N", " ", "  "), ""},
        {pkJ1939Receive, j1939Rx("N", "1", ""), jr(3341)},
        {pkJ1939Receive, j1939Rx("N", "", "2"), jr(3341)},
        {pkJ1939Receive, j1939Rx("N", "0", "2"), jr(3342)},
        {pkJ1939Receive, j1939Rx("N", "1", "9"), jr(3343)},
        {pkJ1939Receive, j1939Rx("N", "1", "8"), jr(3344)},
        {pkJ1939Receive, j1939Rx("N", "1", "7"), ""},
        // A check box counts only as exactly "Y".
        {pkJ1939Receive, j1939Rx("y", "0", "100"), jr(3342)},
        // Through the transport protocol: a slice of up to 1785 bytes from 0.
        {pkJ1939Receive, j1939Rx("Y", "1780", "6"), jr(3340)},
        {pkJ1939Receive, j1939Rx("Y", "1779", "6"), ""},
        {pkJ1939Receive, j1939Rx("Y", "1786", "0"), jr(3339)},
        {pkJ1939Receive, j1939Rx("Y", "0", ""), jr(3340)},
        {pkJ1939Receive, j1939Rx("Y", "1", "2147483647"), jr(3340)},
        {pkJ1939Receive, j1939Rx("Y", "0", "1440"), ""},
        {pkJ1939Receive, j1939Rx("Y", "0", "1441"), T(3345) + "1440"},
        {pkJ1939Receive, noDataPage, jr(3336)},
        {pkJ1939Receive, blankPgn, jr(3337)},
        {pkJ1939Receive, j1939Pgn16, jr(3337)},
        {pkJ1939Receive, sa240, jr(3338)},
        {pkJ1939Receive, j1939Rx("N", "", "", "Y", "1"), jr(3346)},
        {pkJ1939Receive, j1939Rx("N", "", "", "Y", "2"), ""},
        {pkJ1939Receive, j1939Rx("N", "", "", "Y", "10000001"), jr(3346)},
        {pkJ1939Receive, j1939Rx("N", "", "", "N", "letters"), ""},
        // The total is told before the request time.
        {pkJ1939Receive, j1939Rx("Y", "0", "1441", "Y", "0"), T(3345) + "1440"},
        // J1939 transmit.
        {pkJ1939Transmit, j1939Tx("8"), ""},
        {pkJ1939Transmit, priority8, jt(3436)},
        {pkJ1939Transmit, txNoDataPage, jt(3437)},
        {pkJ1939Transmit, txPgn, jt(3438)},
        {pkJ1939Transmit, txSa, jt(3439)},
        {pkJ1939Transmit, j1939Tx("0"), jt(3440, "512")},
        {pkJ1939Transmit, j1939Tx("513"), jt(3440, "512")},
        {pkJ1939Transmit, j1939Tx("512"), ""},
        {pkJ1939Transmit, j1939Tx("8", "N", ""), ""},
        {pkJ1939Transmit, j1939Tx("8", "Y", "0"), jt(3442)},
        {pkJ1939Transmit, j1939Tx("8", "Y", "65535"), ""},
        // NMEA 2000 receive.
        {pkNmeaReceive, nmeaRx("N", "Y", "200", "23"), ""},
        {pkNmeaReceive, nmeaRx("N", "Y", "200", "24"), nr(3637)},
        {pkNmeaReceive, nmeaRx("N", "Y", "224", "0"), nr(3636)},
        {pkNmeaReceive, nmeaRx("Y", "Y", "0", "500"), ""},
        {pkNmeaReceive, nmeaRx("Y", "N", "1786", "0"), nr(3634)},
        {pkNmeaReceive, nmeaRx("Y", "N", "1785", "1"), nr(3635)},
        {pkNmeaReceive, nmeaRx("N", "N", "", ""), ""},
        {pkNmeaReceive, nmeaRx("N", "N", "9", "1"), nr(3639)},
        {pkNmeaReceive, nmeaRx("N", "N", "3", "6"), nr(3641)},
        {pkNmeaReceive, nmeaRx("N", "N", "3", "5"), ""},
        {pkNmeaReceive, nmeaRx("N", "N", "1", "0"), nr(3640)},
        {pkNmeaReceive, nmeaRx("N", "N", "", "4"), nr(3638)},
        {pkNmeaReceive, nmeaRx("Y", "N", "0", "513"), T(3642) + "512"},
        {pkNmeaReceive, nmeaPgn, nr(3632)},
        {pkNmeaReceive, nmeaSa, nr(3633)},
        // NMEA 2000 transmit.
        {pkNmeaTransmit, nmeaTx("0"), ""},
        {pkNmeaTransmit, nmeaTx("512"), ""},
        {pkNmeaTransmit, nmeaTx("513"), nt(3739, "512")},
        {pkNmeaTransmit, nmeaTx(""), nt(3739, "512")},
        {pkNmeaTransmit, ntPriority, nt(3736)},
        {pkNmeaTransmit, ntPgn, nt(3737)},
        {pkNmeaTransmit, ntSa, nt(3738)},
        {pkNmeaTransmit, nmeaTx("8", "Y", "0"), nt(3741)},
        {pkNmeaTransmit, nmeaTx("8", "Y", "1"), ""},
    };
    for (const auto& c : cases) {
        SheetCells t(pgnSheet(c.kind));
        t[0].SetRow(1, c.cells);
        EXPECT_EQ(t.FaultText(), c.expected) << c.kind << " " << c.cells.join('|').toStdString();
    }
}

// `rows` rows of `cells` pass; one more passes the capacity, and its message stands without a row.
TEST(PGNTables, RowsTogetherMustFitTheInternalArray) {
    const struct {
        const char* name;
        PgnSheetKind kind;
        QStringList cells;
        int rows;         // this many rows pass ...
        QString expected; // ... and one more gives this
    } cases[] = {
        {"J1939 transport rows of 8", pkJ1939Receive, j1939Rx("Y", "0", "8"), 180, T(3345) + "1440"},
        {"J1939 whole frames", pkJ1939Receive, j1939Rx("N", "", ""), 180, T(3345) + "1440"},
        // A slice of a single frame counts its own bytes, not the frame's 8 on top.
        {"J1939 slices of a frame", pkJ1939Receive, j1939Rx("N", "1", "4"), 360, T(3345) + "1440"},
        {"J1939 transmit", pkJ1939Transmit, j1939Tx("128"), 4, T(3441) + "512"},
        {"NMEA transport rows of 300", pkNmeaReceive, nmeaRx("Y", "N", "0", "300"), 1, T(3642) + "512"},
        {"NMEA fast packets", pkNmeaReceive, nmeaRx("N", "Y", "0", "128"), 4, T(3642) + "512"},
        {"NMEA slices of a frame", pkNmeaReceive, nmeaRx("N", "N", "2", "4"), 62, ""},
        {"NMEA transmit", pkNmeaTransmit, nmeaTx("256"), 2, T(3740) + "512"},
    };
    for (const auto& c : cases) {
        SheetCells t(pgnSheet(c.kind));
        const int rows = std::min(c.rows, t[0].DataRowCount());
        for (int r = 1; r <= rows; ++r)
            t[0].SetRow(r, c.cells);
        EXPECT_EQ(t.FaultText(), "") << c.name;
        if (rows == t[0].DataRowCount()) continue;
        t[0].SetRow(rows + 1, c.cells);
        EXPECT_EQ(t.FaultText(), c.expected) << c.name;
    }
}

TEST(PGNTables, TheTableEndsAtTheFirstRowWithoutAPgnForTheCheckAndTheWriterAlike) {
    for (PgnSheetKind kind : {pkJ1939Receive, pkJ1939Transmit, pkNmeaReceive, pkNmeaTransmit}) {
        SheetCells t(pgnSheet(kind));
        const Integer key = t.sheet.Grids[0].Key();
        const QStringList good = kind == pkJ1939Receive    ? j1939Rx("N", "", "")
                                 : kind == pkJ1939Transmit ? j1939Tx("8")
                                 : kind == pkNmeaReceive   ? nmeaRx("N", "N", "", "")
                                                           : nmeaTx("8");
        t[0].SetRow(1, good);
        // A row with its other cells, a priority among them, but no PGN; a faulty row after it.
        QStringList noPgn = good;
        noPgn[key - 1] = "";
        t[0].SetRow(2, noPgn);
        QStringList bad = good;
        bad[key - 1] = "letters";
        t[0].SetRow(3, bad);
        EXPECT_EQ(t.FaultText(), "") << kind;
        EXPECT_EQ(t.Write().count("<row "), 1) << kind;
        // OK asks before the rows below are dropped.
        EXPECT_TRUE(Table_Has_Rows_After_End(t.sheet.Grids[0], t[0])) << kind;
    }
}

TEST(PGNTables, MissingAttributesTakeTheirColumnsDefaults) {
    const struct {
        PgnSheetKind kind;
        const char* xml;
        QStringList row1;
    } cases[] = {
        {pkJ1939Receive,
         "<Receive_J1939><row PGN='1'/></Receive_J1939>",
         {"", "1", "", "N", "", "", "N", "N", "1000", ""}},
        {pkJ1939Transmit,
         "<Transmit_J1939><row PGN='1'/></Transmit_J1939>",
         {"", "", "1", "", "8", "N", "N", "N", "", ""}},
        {pkJ1939Transmit,
         "<Transmit_J1939><row PGN='1' TP_NByte='' On_Timer='Y'/></Transmit_J1939>",
         {"", "", "1", "", "8", "N", "N", "Y", "", ""}},
        {pkNmeaReceive,
         "<Receive_NMEA_2000><row SA='4'/></Receive_NMEA_2000>",
         {"", "4", "N", "N", "", "", "N", ""}},
        {pkNmeaTransmit,
         "<Receive_NMEA_2000><row Mnemonic='m'/></Receive_NMEA_2000>",
         {"", "", "", "N", "", "N", "N", "N", "", "m"}},
    };
    for (const auto& c : cases) {
        SheetCells t(pgnSheet(c.kind));
        const TTableLoad load = t.Load(c.xml);
        EXPECT_TRUE(load.Complete) << c.xml;
        EXPECT_EQ(t[0].Row(1), c.row1) << c.xml;
        EXPECT_EQ(t[0].Row(2), QStringList(c.row1.size())) << c.xml;
    }
}

TEST(PGNTables, AnOlderTransmitRowNamesItsOneTriggerInTType) {
    const struct {
        const char* attributes;
        QStringList triggers; // Request, Data Change, On Timer
    } cases[] = {
        {"T_Type='On Timer' On_Request='Y' On_Data_Change='Y' On_Timer='N'", {"N", "N", "Y"}},
        {"T_Type='ON DATA CHANGE'", {"N", "Y", "N"}},
        {"T_Type='on data change' On_Timer='Y'", {"N", "Y", "N"}},
        {"T_Type='On Request' On_Request='Y'", {"N", "N", "N"}},
        {"T_Type='' On_Timer='Y'", {"N", "N", "N"}},
        {"On_Request='Y' On_Timer='Y'", {"Y", "N", "Y"}},
    };
    for (const auto& c : cases) {
        SheetCells t(J1939_Frames_Sheet(true));
        ASSERT_TRUE(
            t.Load(QByteArray("<Transmit_J1939><row Priority='1' DP='0' PGN='2' SA='3' TP_NByte='4' ") +
                   c.attributes + " SendTimer='5' Mnemonic='m'/></Transmit_J1939>")
                .Complete);
        EXPECT_EQ(t[0].Row(1).mid(jtRequest - 1, 3), c.triggers) << c.attributes;
        // The next save names the triggers one by one.
        const QByteArray written = t.Write();
        EXPECT_FALSE(written.contains("T_Type")) << c.attributes;
        EXPECT_TRUE(written.contains("On_Request=\"" + c.triggers[0].toUtf8() + "\" On_Data_Change=\"" +
                                     c.triggers[1].toUtf8() + "\" On_Timer=\"" + c.triggers[2].toUtf8() +
                                     "\""))
            << written.toStdString();
    }
}

TEST(PGNTables, AHandEditedFileWithTooManyRowsLoadsTheGridsRowsAndSaysSo) {
    for (PgnSheetKind kind : {pkJ1939Receive, pkNmeaTransmit}) {
        SheetCells t(pgnSheet(kind));
        const int rows = t[0].DataRowCount();
        const QByteArray root = t.sheet.RootElement.toUtf8();
        QByteArray xml = "<" + root + ">";
        for (int i = 1; i <= rows + 3; ++i)
            xml += "<row PGN='" + QByteArray::number(i) + "'/>";
        xml += "</" + root + ">";
        const TTableLoad load = t.Load(xml);
        EXPECT_FALSE(load.Complete) << kind;
        EXPECT_TRUE(load.Problem.contains("3 rows more")) << load.Problem.toStdString();
        EXPECT_EQ(t[0].Cell(t.sheet.Grids[0].Key(), rows), QString::number(rows)) << kind;
    }
}

} // namespace

// The DeviceNet byte map and the DMX default values as a person uses them: the slaves of the saved slave
// list, switching between them, the duplicate check, a map that did not read; the channel count of the
// settings and a file longer than it.
#include "../network/TableWindowFixture.h"
#include "controls/buttons/SbButton.h"
#include "controls/grid/QvCGrid.h"
#include "tables/fieldbus/UDMXDefVal.h"
#include "tables/fieldbus/UDNet.h"
#include "tables/fieldbus/UDefOffset.h"
#include "tables/fieldbus/UReceiveJ1939.h"
#include "toolkit/stdctrls/ComCtrls.h"
#include "toolkit/stdctrls/StdCtrls.h"

namespace {

QStringList byteMapRow(TQvColumnGrid* grid, int row) {
    QStringList cells;
    for (int c = 0; c < grid->ColCount(); ++c)
        cells << grid->GetCellEx(c, row);
    return cells;
}

// A click on a slave row, as the grid reports it.
void chooseByteMapSlave(int row) {
    FDefOffset->ACG_DN_Slaves->SetRow(row);
}

class ByteMapTest : public TableWindowTest {
protected:
    void SetUp() override {
        TableWindowTest::SetUp();
        PutFile(File_DNETM_Net, Fixture("DNETM_Net.xml"));
        PutFile(File_DNETM_DefOff, Fixture("DNETM_DefOff.xml"));
    }
};

TEST_F(ByteMapTest, ShowsTheSavedSlavesWithTheirBytesAndWritesTheMapBackEqual) {
    qvtest::ScriptedInteraction seam;
    seam.AnswerModal([&](TCustomForm*) {
        EXPECT_EQ(FDefOffset->ClientWidth(), 482);
        EXPECT_EQ(FDefOffset->ClientHeight(), 610);
        EXPECT_EQ(FDefOffset->Caption(), "Define Offset");
        EXPECT_EQ(FDefOffset->TS_ByteOUT->Caption(), "Byte Out");
        EXPECT_EQ(FDefOffset->Label1->Caption(), "Select the Slave DeviceNet");
        EXPECT_EQ(FDefOffset->ACG_DN_Slaves->Columns()->Items(dsNB_OUT)->Header(), "Num Byte Out");
        EXPECT_EQ(FDefOffset->ACG_ByteIN->Columns()->Items(dbOffset)->ComboItems()->Count(), 1441);
        TQvColumnGrid* slaves = FDefOffset->ACG_DN_Slaves;
        EXPECT_EQ(slaves->RowCount(), 4);
        EXPECT_EQ(byteMapRow(slaves, 2), QStringList({"0x3F", "0", "3", "Drive"}));
        EXPECT_EQ(FDefOffset->Slave_Before_Select, 0);
        EXPECT_EQ(FDefOffset->ACG_ByteIN->RowCount(), 5);
        EXPECT_EQ(byteMapRow(FDefOffset->ACG_ByteIN, 4), QStringList({"3", "1439", "Last"}));
        EXPECT_EQ(byteMapRow(FDefOffset->ACG_ByteOUT, 2), QStringList({"1", "None", "Spare"}));
        FDefOffset->Grab().save(QDir::tempPath() + "/qv-TFDefOffset.png");
        QFile::remove(File_DNETM_DefOff);
        FDefOffset->Btn_OK->Click();
    });
    EXPECT_EQ(FDefOffset->ShowModal(), mrOk);
    EXPECT_EQ(QString::fromUtf8(FileBytes(File_DNETM_DefOff)),
              QString::fromUtf8(Fixture("DNETM_DefOff.xml")));
    EXPECT_EQ(seam.Messages(), QStringList());
}

TEST_F(ByteMapTest, SwitchingSlavesKeepsTheEntriesAndADuplicateOutputPositionWritesNothing) {
    const QByteArray before = FileBytes(File_DNETM_DefOff);
    qvtest::ScriptedInteraction seam;
    seam.AnswerMessage(mrOk);
    seam.AnswerModal([&](TCustomForm*) {
        FDefOffset->ACG_ByteOUT->SetCellEx(dbOffset, 2, "20");
        chooseByteMapSlave(2);
        EXPECT_EQ(FDefOffset->Slave_Before_Select, 1);
        // No input byte: the header row alone.
        EXPECT_EQ(FDefOffset->ACG_ByteIN->RowCount(), 1);
        EXPECT_EQ(byteMapRow(FDefOffset->ACG_ByteOUT, 1), QStringList({"0", "11", "Speed low"}));
        // Slave 63 sends its byte 0 to position 10, where slave 5 already sends its byte 0.
        FDefOffset->ACG_ByteOUT->SetCellEx(dbOffset, 1, "10");
        FDefOffset->Btn_OK->Click();
        EXPECT_EQ(FileBytes(File_DNETM_DefOff), before);
        chooseByteMapSlave(1);
        EXPECT_EQ(byteMapRow(FDefOffset->ACG_ByteOUT, 2), QStringList({"1", "20", "Spare"}));
        chooseByteMapSlave(2);
        EXPECT_EQ(FDefOffset->ACG_ByteOUT->GetCellEx(dbOffset, 1), "10");
        FDefOffset->ACG_ByteOUT->SetCellEx(dbOffset, 1, "13");
        FDefOffset->Btn_OK->Click();
    });
    EXPECT_EQ(FDefOffset->ShowModal(), mrOk);
    EXPECT_EQ(seam.Messages(), QStringList({Text(3121) + "\n\r( " + Text(3122) + "5" + Text(3123) + "0" +
                                            Text(3124) + "63" + Text(3125) + "0)"}));
    const QByteArray written = FileBytes(File_DNETM_DefOff);
    EXPECT_TRUE(written.contains("<row Offset=\"20\" Mnemonic=\"Spare\" />")) << written.toStdString();
    EXPECT_TRUE(written.contains("<row Offset=\"13\" Mnemonic=\"Speed low\" />")) << written.toStdString();
}

TEST_F(ByteMapTest, WithoutASlaveListTheByteGridsHoldOnlyTheirHeaders) {
    QFile::remove(File_DNETM_Net);
    qvtest::ScriptedInteraction seam;
    seam.AnswerModal([&](TCustomForm*) {
        EXPECT_EQ(FDefOffset->ACG_DN_Slaves->RowCount(), 1);
        EXPECT_EQ(FDefOffset->ACG_ByteIN->RowCount(), 1);
        EXPECT_EQ(FDefOffset->ACG_ByteOUT->RowCount(), 1);
        EXPECT_EQ(FDefOffset->ACG_ByteOUT->FixedRows(), 1);
        EXPECT_EQ(FDefOffset->Slave_Before_Select, -1);
        FDefOffset->Btn_OK->Click();
    });
    EXPECT_EQ(FDefOffset->ShowModal(), mrOk);
    EXPECT_EQ(FileBytes(File_DNETM_DefOff), "<Define_Offset />\r\n<!--SW_VERSION = 1.001-->\r\n");
}

TEST_F(ByteMapTest, AMapThatDidNotReadIsReportedAndReplacedOnlyAfterAQuestion) {
    const QByteArray broken = "<Define_Offset><Nodo_DNET><ByteIN>";
    // Well-formed, but the slave list, not a map: it would read as a map without bytes.
    const QByteArray anotherKind = Fixture("DNETM_Net.xml");
    for (const QByteArray& file : {broken, anotherKind}) {
        PutFile(File_DNETM_DefOff, file);
        qvtest::ScriptedInteraction seam;
        seam.AnswerMessage(mrOk); // the report at showing
        seam.AnswerMessage(mrNo); // replace it?
        seam.AnswerModal([&](TCustomForm*) {
            EXPECT_FALSE(FDefOffset->LoadComplete());
            EXPECT_EQ(FDefOffset->ACG_ByteIN->GetCellEx(dbOffset, 1), "None");
            FDefOffset->Btn_OK->Click();
            FDefOffset->SetModalResult(mrCancel);
        });
        EXPECT_EQ(FDefOffset->ShowModal(), mrCancel);
        ASSERT_EQ(seam.Messages().size(), 2);
        EXPECT_TRUE(seam.Messages()[0].startsWith(Text(1310) + File_DNETM_DefOff))
            << seam.Messages()[0].toStdString();
        EXPECT_EQ(seam.Messages()[1], Text(1311));
        EXPECT_EQ(FileBytes(File_DNETM_DefOff), file);
    }
}

TEST_F(TableWindowTest, TheDmxChannelsFollowTheSettingsAndAFileLongerThanThemIsAskedAbout) {
    QFile::remove(File_ParGen);
    QFile::remove(File_DMX_Default_Values);
    qvtest::ScriptedInteraction seam;
    seam.AnswerModal([&](TCustomForm*) {
        TQvColumnGrid* g = FDMXDefVal->ACG_DMX_Def_Val;
        EXPECT_EQ(g->RowCount(), 513);
        EXPECT_EQ(byteMapRow(g, 512), QStringList({"512", "0", ""}));
        EXPECT_EQ(g->Columns()->Items(dmDefault_Value)->Header(), "Default Value");
        EXPECT_TRUE(FDMXDefVal->Btn_Cancel->Visible());
        EXPECT_FALSE(FDMXDefVal->Btn_DelRow->Visible());
        EXPECT_FALSE(FDMXDefVal->Btn_PasteRow->Visible());
        FDMXDefVal->Grab().save(QDir::tempPath() + "/qv-TFDMXDefVal.png");
        g->SetCellEx(dmMnemonic, 512, "last");
        FDMXDefVal->Btn_OK->Click();
    });
    EXPECT_EQ(FDMXDefVal->ShowModal(), mrOk);
    EXPECT_EQ(FileBytes(File_DMX_Default_Values).count("<Row "), 512);

    PutFile(File_ParGen, "<Par_Gen><DMX_Num_Channels>24</DMX_Num_Channels></Par_Gen>");
    seam.AnswerMessage(mrOk);  // 488 rows were not read
    seam.AnswerMessage(mrOk);  // row 5 holds no value
    seam.AnswerMessage(mrYes); // save without the rows not read
    seam.AnswerModal([&](TCustomForm*) {
        EXPECT_EQ(FDMXDefVal->ACG_DMX_Def_Val->RowCount(), 25);
        FDMXDefVal->ACG_DMX_Def_Val->SetCellEx(dmDefault_Value, 5, "");
        FDMXDefVal->Btn_OK->Click();
        FDMXDefVal->ACG_DMX_Def_Val->SetCellEx(dmDefault_Value, 5, "0xFF");
        FDMXDefVal->Btn_OK->Click();
    });
    EXPECT_EQ(FDMXDefVal->ShowModal(), mrOk);
    const QStringList messages = seam.Messages();
    ASSERT_EQ(messages.size(), 3);
    EXPECT_TRUE(messages[0].contains("488 rows more")) << messages[0].toStdString();
    EXPECT_EQ(messages[1], Text(3211) + "5" + Text(3212));
    EXPECT_EQ(messages[2], Text(1311));
    const QByteArray written = FileBytes(File_DMX_Default_Values);
    EXPECT_EQ(written.count("<Row "), 24);
    EXPECT_TRUE(written.contains("<Row Default_Value=\"0xFF\" Mnemonic=\"\" />"));
}

TEST_F(TableWindowTest, TheNewFieldbusWindowsTextsAndGrids) {
    EXPECT_EQ(FDNet->QSG->Columns()->Items(dnReset_DeviceNet)->Header(), "Reset on DeviceNet");
    EXPECT_EQ(FDNet->QSG->Options() & goColSizing, 0u);
    EXPECT_NE(FReceiveJ1939->sga->Options() & goColSizing, 0u);
    EXPECT_EQ(FReceiveJ1939->sga->Columns()->Items(jrTime)->Header(), "Time(ms)");
    EXPECT_EQ(FReceiveJ1939->sga->Columns()->Items(jrDataPage)->ComboItems()->Count(), 2);
    EXPECT_EQ(FReceiveJ1939->sga->RowCount(), J1939_Data_Rows + 1);
    String hint;
    FDNet->QSG->OnGridHint(FDNet->QSG, 0, dnReset_OPCUA, hint);
    EXPECT_EQ(hint, Text(3031));
    FReceiveJ1939->sga->OnGridHint(FReceiveJ1939->sga, 0, jrMnemonic, hint);
    EXPECT_EQ(hint, Text(3334));
}

} // namespace

// The fieldbus windows: each writes its fixture file back equal through OK; texts, sizes and page
// captions of a showing; the CAN Insert Row's Enable; the SDO server's write grid without events.
#include "../network/TableWindowFixture.h"
#include "controls/buttons/SbButton.h"
#include "controls/grid/QvCGrid.h"
#include "tables/fieldbus/UDMXDefVal.h"
#include "tables/fieldbus/UDNet.h"
#include "tables/fieldbus/UReceiveCAN.h"
#include "tables/fieldbus/UReceiveJ1939.h"
#include "tables/fieldbus/UReceiveNMEA.h"
#include "tables/fieldbus/USet_PDO_Access.h"
#include "tables/fieldbus/USet_SDO_Client_Access.h"
#include "tables/fieldbus/USet_SDO_Server_Access.h"
#include "tables/fieldbus/UTransmitCAN.h"
#include "tables/fieldbus/UTransmitJ1939.h"
#include "tables/fieldbus/UTransmitNMEA.h"
#include "toolkit/stdctrls/ComCtrls.h"

#include <QApplication>
#include <QMouseEvent>

namespace {

TEST_F(TableWindowTest, EachFieldbusWindowWritesItsFixtureFileBackEqual) {
    const struct {
        TFTableWindow* window;
        QString file;
        QString fixture;
        int width;
    } cases[] = {
        {FReceiveCAN, File_CAN_Rec_Frames, "CAN_Rec_Frames.xml", 1010},
        {FTransmitCAN, File_CAN_Send_Frames, "CAN_Send_Frames.xml", 1100},
        {FSet_PDO_Access, File_PDO_CANopen, "PDO_CANopen.xml", 798},
        {FSet_SDO_Client_Access, File_SDO_Client_CANopen, "SDO_Client_CANopen.xml", 798},
        {FSet_SDO_Server_Access, File_SDO_Server_CANopen, "SDO_Server_CANopen.xml", 749},
        {FReceiveJ1939, File_J1939_Rec_Frames, "J1939_Rec_Frames.xml", 876},
        {FTransmitJ1939, File_J1939_Send_Frames, "J1939_Send_Frames.xml", 800},
        {FReceiveNMEA, File_NMEA_Rec_Frames, "NMEA_Rec_Frames.xml", 810},
        {FTransmitNMEA, File_NMEA_Send_Frames, "NMEA_Send_Frames.xml", 810},
        {FDNet, File_DNETM_Net, "DNETM_Net.xml", 784},
        {FDMXDefVal, File_DMX_Default_Values, "DMX_Default_Values.xml", 475},
    };
    // The DMX fixture holds five channels.
    PutFile(File_ParGen, "<Par_Gen><DMX_Num_Channels>5</DMX_Num_Channels></Par_Gen>");
    qvtest::ScriptedInteraction seam;
    for (const auto& c : cases) {
        const QByteArray fixture = Fixture(c.fixture);
        ASSERT_FALSE(fixture.isEmpty());
        PutFile(c.file, fixture);
        seam.AnswerModal([&](TCustomForm*) {
            EXPECT_EQ(c.window->ClientWidth(), c.width);
            EXPECT_EQ(c.window->ClientHeight(), 337);
            EXPECT_EQ(c.window->Caption(), Lang_Texts->Strings(c.window->Sheet().Texts.Caption));
            const QImage shot = c.window->Grab();
            shot.save(QDir::tempPath() + "/qv-" + c.window->ClassName() + ".png");
            QFile::remove(c.file);
            c.window->Btn_OK->Click();
        });
        EXPECT_EQ(c.window->ShowModal(), mrOk) << c.fixture.toStdString();
        EXPECT_EQ(QString::fromUtf8(FileBytes(c.file)), QString::fromUtf8(fixture))
            << c.fixture.toStdString();
    }
    EXPECT_EQ(seam.Messages(), QStringList());
}

TEST_F(TableWindowTest, FieldbusGridsHighlightTheRowUnderTheMouse) {
    qvtest::ScriptedInteraction seam;
    for (TFTableWindow* window :
         {static_cast<TFTableWindow*>(FReceiveCAN), static_cast<TFTableWindow*>(FTransmitCAN),
          static_cast<TFTableWindow*>(FSet_PDO_Access), static_cast<TFTableWindow*>(FSet_SDO_Client_Access),
          static_cast<TFTableWindow*>(FSet_SDO_Server_Access)}) {
        seam.AnswerModal([&](TCustomForm*) {
            TQvColumnGrid* g = window->Grid(0);
            const TRect cell = g->CellRect(3, 2);
            const QPoint at(cell.Left + 3, cell.Top + 3);
            QWidget* client = g->Widget()->childAt(at + QPoint(2, 2));
            ASSERT_NE(client, nullptr);
            QMouseEvent move(QEvent::MouseMove, QPointF(at), client->mapToGlobal(QPointF(at)), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(client, &move);
            const QImage shot = window->Grab();
            const QPoint inForm = client->mapTo(window->Widget(), at);
            EXPECT_EQ(shot.pixelColor(inForm), ToQColor(clInfoBk)) << window->ClassName().toStdString();
            const QPoint otherRow =
                client->mapTo(window->Widget(), QPoint(at.x(), g->CellRect(3, 4).Top + 3));
            EXPECT_NE(shot.pixelColor(otherRow), ToQColor(clInfoBk)) << window->ClassName().toStdString();
            window->SetModalResult(mrCancel);
        });
        window->ShowModal();
    }
}

TEST_F(TableWindowTest, FieldbusTextsAndTheCanInsertRow) {
    EXPECT_EQ(FSet_PDO_Access->TS_Receive_PDO->Caption(), "Receive PDO");
    EXPECT_EQ(FSet_PDO_Access->TS_Transmit_PDO->Caption(), "Transmit PDO");
    EXPECT_EQ(FSet_PDO_Access->sgb->Columns()->Items(12)->Header(), "On Change");
    EXPECT_EQ(FSet_SDO_Server_Access->TS_SDO_Read->Caption(), "SDO in Read");
    EXPECT_EQ(FSet_SDO_Client_Access->sgb->Columns()->Items(6)->Header(), "On Change");
    EXPECT_EQ(FReceiveCAN->ACG_CAN_Receive->Columns()->Items(crByte1)->ComboItems()->Count(), 2001);
    EXPECT_EQ(FTransmitCAN->ACG_CAN_Transmit->Columns()->Items(ctOnCMD)->Header(), "OnCMD");

    QFile::remove(File_CAN_Rec_Frames);
    qvtest::ScriptedInteraction seam;
    seam.AnswerModal([&](TCustomForm*) {
        TQvColumnGrid* g = FReceiveCAN->ACG_CAN_Receive;
        g->SetCellEx(crCobID, 1, "1");
        g->SetCellEx(crEnable, 1, "N");
        g->SetRowEx(1);
        FReceiveCAN->Btn_InsRow->Click();
        EXPECT_EQ(g->GetCellEx(crEnable, 1), "Y");
        EXPECT_EQ(g->GetCellEx(crCobID, 1), "");
        EXPECT_EQ(g->GetCellEx(crCobID, 2), "1");
        EXPECT_EQ(g->GetCellEx(crEnable, 2), "N");
        FReceiveCAN->SetModalResult(mrCancel);
    });
    FReceiveCAN->ShowModal();
    // The server's write grid has no grid events: no header hints, no sizing by double click; its read
    // grid has them.
    const bool autoSize = Enable_Auto_Size;
    Enable_Auto_Size = true;
    for (TQvColumnGrid* g : {FSet_SDO_Server_Access->sga, FSet_SDO_Server_Access->sgb}) {
        g->SetCellEx(8, 1, QString(60, 'W'));
        const int before = g->ColWidths(8);
        g->OnDblClickCell(g, 0, 8);
        EXPECT_EQ(g->ColWidths(8) != before, g == FSet_SDO_Server_Access->sga);
        String hint;
        g->OnGridHint(g, 0, 1, hint);
        EXPECT_EQ(hint.isEmpty(), g == FSet_SDO_Server_Access->sgb);
    }
    Enable_Auto_Size = autoSize;
    EXPECT_FALSE(FSet_SDO_Server_Access->sgb->ShowHint());
}

} // namespace

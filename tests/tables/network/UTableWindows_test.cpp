// The table windows on the frame: each loads its fixture file into its grids and OK writes it back equal;
// the layout, texts and column visibility of a showing, and what a grab of each page shows.
#include "TableWindowFixture.h"
#include "controls/buttons/SbButton.h"
#include "controls/grid/QvCGrid.h"
#include "tables/network/UEtherNetIP_Master_Access.h"
#include "tables/network/UKNXAccess.h"
#include "tables/network/UMQTT_Set_Topic.h"
#include "tables/network/UMQTT_Topic_Tables.h"
#include "tables/network/UModbus_TCP_Master_Set_Access.h"
#include "tables/network/USNMPManagerAccess.h"
#include "tables/network/USNMP_Trap_Access.h"
#include "tables/network/USetAccess.h"
#include "toolkit/graphics/Graphics.h"
#include "toolkit/stdctrls/ComCtrls.h"

namespace {

TEST_F(TableWindowTest, EachWindowWritesItsFixtureFileBackEqual) {
    const struct {
        TFTableWindow* window;
        QString file;
        QString fixture;
        int rows[2];
    } cases[] = {
        {FSetAccess, File_ModbusM_SetAccess, "ModbusM_SetAccess.xml", {3, 2}},
        {FModbus_TCP_Master_Set_Access, File_ModbusTCPM_SetAccess, "ModbusTCPM_SetAccess.xml", {3, 2}},
        {FMQTT_Set_Topic, File_MQTT_Set_Topic, "MQTT_Set_Topic.xml", {3, 2}},
        {FSNMPManagerAccess, File_SNMP_Manager, "SNMP_Manager.xml", {4, 0}},
        {FSNMP_Trap_Access, File_SNMP_Trap, "SNMP_Trap.xml", {3, 2}},
        {FKNXAccess, File_KNX_SetAccess, "KNX_SetAccess.xml", {4, 0}},
        {FEtherNetIP_Master_Access, File_EtherNetIP_Master_Rules, "EtherNetIP_Master_Rules.xml", {4, 0}},
    };
    qvtest::ScriptedInteraction seam;
    for (const auto& c : cases) {
        const QByteArray fixture = Fixture(c.fixture);
        PutFile(c.file, fixture);
        seam.AnswerModal([&](TCustomForm*) {
            const TTableSheet& sheet = c.window->Sheet();
            for (int g = 0; g < c.window->GridCount(); ++g) {
                TQvColumnGrid* grid = c.window->Grid(g);
                EXPECT_EQ(grid->RowCount(), sheet.Grids[size_t(g)].DataRows + 1);
                const int key = sheet.Grids[size_t(g)].KeyColumn;
                EXPECT_FALSE(grid->GetCellEx(key, c.rows[g]).isEmpty()) << c.fixture.toStdString();
                EXPECT_TRUE(grid->GetCellEx(key, c.rows[g] + 1).isEmpty()) << c.fixture.toStdString();
            }
            QFile::remove(c.file);
            c.window->Btn_OK->Click();
        });
        EXPECT_EQ(c.window->ShowModal(), mrOk) << c.fixture.toStdString();
        EXPECT_EQ(FileBytes(c.file), fixture) << c.fixture.toStdString();
    }
    EXPECT_EQ(seam.Messages(), QStringList());
}

TEST_F(TableWindowTest, AShowingClearsHidesAndFillsAsTheSheetSays) {
    qvtest::ScriptedInteraction seam;
    FSetAccess->ACG_Modbus_Read->SetCellEx(5, 7, "left over");
    FSetAccess->PageControl1->SetActivePageIndex(1);
    seam.AnswerModal([&](TCustomForm*) {
        TQvColumnGrid* read = FSetAccess->ACG_Modbus_Read;
        EXPECT_EQ(FSetAccess->PageControl1->ActivePageIndex(), 0);
        EXPECT_EQ(read->GetCellEx(0, 7), "7");
        EXPECT_EQ(read->GetCellEx(1, 7), "Y");
        EXPECT_EQ(read->GetCellEx(5, 7), "");
        EXPECT_TRUE(read->IsHiddenColumn(mrTopic));
        EXPECT_FALSE(read->IsHiddenColumn(mrPosition));
        EXPECT_EQ(read->Columns()->Items(mrPosition)->ComboItems()->Count(), 1500);
        EXPECT_EQ(read->Columns()->Items(mrType)->ComboItems()->Strings(2), "Holding Register");
        EXPECT_EQ(read->Columns()->Items(mrSlave_ID)->Header(), "Slave ID");
        EXPECT_EQ(FSetAccess->Caption(), "Set Modbus Access");
        EXPECT_EQ(FSetAccess->TS_Modbus_Write->Caption(), "Modbus Write");
        EXPECT_EQ(FSetAccess->ComboItem_Topic().size(), size_t(512));
        FSetAccess->FormShow(FSetAccess);
        const QImage shot = FSetAccess->Grab();
        shot.save(QDir::tempPath() + "/qv-setaccess.png");
        EXPECT_EQ(shot.size(), QSize(1040, 337));
        FSetAccess->SetModalResult(mrCancel);
    });
    FSetAccess->ShowModal();
    // The TCP window keeps its design captions of Copy Row and Paste Row in every language.
    EXPECT_EQ(FModbus_TCP_Master_Set_Access->Btn_CopyRow->Caption(), "Copy Row");
    EXPECT_EQ(FModbus_TCP_Master_Set_Access->ClientWidth(), 1150);
    EXPECT_EQ(FMQTT_Set_Topic->ClientWidth(), 1100);
}

TEST_F(TableWindowTest, AGrabOfEachPageShowsTheSheetsHeadersWidthsAndTints) {
    qvtest::ScriptedInteraction seam;
    for (TFTableWindow* window :
         {static_cast<TFTableWindow*>(FSetAccess), static_cast<TFTableWindow*>(FModbus_TCP_Master_Set_Access),
          static_cast<TFTableWindow*>(FMQTT_Set_Topic)}) {
        seam.AnswerModal([&](TCustomForm*) {
            for (int g = 0; g < window->GridCount(); ++g) {
                SCOPED_TRACE(window->ClassName().toStdString() + " page " + std::to_string(g));
                window->PageControl1->SetActivePageIndex(g);
                const QImage shot = window->Grab();
                TQvColumnGrid* grid = window->Grid(g);
                const auto& columns = window->Sheet().Grids[size_t(g)].Columns;
                for (int c = 1; c < int(columns.size()); ++c) {
                    if (!columns[size_t(c)].Shown) continue;
                    const int d = grid->DisplColIndex(c);
                    EXPECT_EQ(grid->GetCellEx(c, 0), Text(columns[size_t(c)].Header)) << c;
                    EXPECT_EQ(grid->ColWidths(d), columns[size_t(c)].Width) << c;
                    // A row well down the page: the whole client area is painted, not only its top.
                    const TRect cell = grid->CellRect(d, 7);
                    if (cell.IsEmpty() || cell.Right > grid->ClientWidth()) continue;
                    const TPoint origin = grid->ClientOrigin();
                    const QPoint at = window->Widget()->mapFromGlobal(
                        QPoint(origin.X + cell.Left + 3, origin.Y + cell.Top + 3));
                    EXPECT_EQ(shot.pixelColor(at), ToQColor(columns[size_t(c)].Tint)) << c;
                }
            }
            window->SetModalResult(mrCancel);
        });
        window->ShowModal();
    }
}

TEST_F(TableWindowTest, TheSNMPKNXAndEtherNetIPWindowsShowAsDesigned) {
    const struct {
        TFTableWindow* window;
        const char* caption;
        QSize size;
        int positionColumn, positions;
        const char* header; // of column 2
    } cases[] = {
        {FSNMPManagerAccess, "Set SNMP Manager Access", {1230, 337}, 12, 1440, "IP Address"},
        {FSNMP_Trap_Access, "Set SNMP Trap Access", {1256, 337}, 8, 1440, "Community Name"},
        {FKNXAccess, "KNX Set Access", {1205, 337}, 14, 1500, "Source Add"},
        {FEtherNetIP_Master_Access, "Set EtherNet/IP Slaves Access", {1180, 337}, 0, 0, "IP Address"},
    };
    qvtest::ScriptedInteraction seam;
    for (const auto& c : cases) {
        seam.AnswerModal([&](TCustomForm*) {
            TFTableWindow* w = c.window;
            EXPECT_EQ(w->Caption(), c.caption);
            EXPECT_EQ(w->L_SW_Desc->Caption(), c.caption);
            EXPECT_EQ(w->Grid(0)->Columns()->Items(2)->Header(), c.header);
            EXPECT_EQ(w->Grid(0)->GetCellEx(1, 1), "Y");
            if (c.positions) {
                EXPECT_EQ(w->Grid(0)->Columns()->Items(c.positionColumn)->ComboItems()->Count(), c.positions);
            }
            const QImage shot = w->Grab();
            shot.save(QDir::tempPath() + "/qv-" + w->ClassName() + ".png");
            EXPECT_EQ(shot.size(), c.size) << c.caption;
            w->SetModalResult(mrCancel);
        });
        c.window->ShowModal();
    }
    EXPECT_EQ(FSNMP_Trap_Access->TS_SNMP_Write->Caption(), "SNMP Write");
    // The community lists offer the standard community names.
    EXPECT_EQ(FSNMPManagerAccess->ACG_SNMP->Columns()->Items(4)->ComboItems()->Strings(0), "public");
    EXPECT_EQ(FSNMP_Trap_Access->ACG_SNMP_Write->Columns()->Items(2)->ComboItems()->Strings(1), "private");
    EXPECT_EQ(FSNMP_Trap_Access->ACG_SNMP_Read->Columns()->Items(2)->EditLength(), 15);
    EXPECT_EQ(FEtherNetIP_Master_Access->Btn_Import_EDS->Caption(), "Import EDS");
    EXPECT_EQ(FEtherNetIP_Master_Access->Btn_Import_EDS->Left(), 724);
    EXPECT_EQ(seam.Messages(), QStringList());
}

} // namespace

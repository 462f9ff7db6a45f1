// The EtherNet/IP scanner window with its EDS import as a person uses it: choosing a file and a
// connection fills the first free row; a file without a usable connection is reported by the chooser,
// which closes itself; a table without a free row says so before anything is asked.
#include "TableWindowFixture.h"
#include "controls/buttons/SbButton.h"
#include "controls/grid/QvCGrid.h"
#include "tables/network/UEtherNetIP_EDS.h"
#include "tables/network/UEtherNetIP_Master_Access.h"
#include "tables/network/UEtherNetIP_Scanner_Tables.h"
#include "toolkit/controls/Timer.h"

#include <QCoreApplication>
#include <QElapsedTimer>

using qvtables::ClickControl;

namespace {

QString edsPath(const char* name) {
    return QStringLiteral(QV_TEST_DATA_DIR "/eds/") + name;
}

QStringList importedCells(TQvColumnGrid* grid, int row) {
    QStringList cells;
    for (int c = enInstance_T_O; c <= enDimHeader_O_T; ++c)
        cells << grid->GetCellEx(c, row);
    return cells;
}

// Lets the chooser's close timer tick, as the modal run would.
void waitForClose(TCustomForm* form) {
    QElapsedTimer clock;
    clock.start();
    while (form->ModalResult() == mrNone && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

TEST_F(TableWindowTest, EDSImportFillsTheFirstFreeRowWithTheChosenConnection) {
    qvtest::ScriptedInteraction seam;
    seam.AnswerModal([&](TCustomForm*) {
        TQvColumnGrid* acg = FEtherNetIP_Master_Access->ACG;
        acg->SetCellEx(enIP_Address, 1, "192.168.1.50");
        seam.AnswerFile(edsPath("adapter.eds"));
        seam.AnswerModal([&](TCustomForm*) {
            TFEtherNEtIP_EDS* eds = FEtherNEtIP_EDS;
            EXPECT_EQ(eds->Caption(), "EtherNet/IP EDS Decode - Select the Connection to use");
            ASSERT_EQ(eds->ACG->RowCount(), 3);
            EXPECT_EQ(eds->ACG->GetCellEx(0, 2), "Connection2");
            EXPECT_EQ(eds->ACG->GetCellEx(1, 1), "\"Exclusive Owner\"");
            // The worked example: 1, 150, 1, 100, Default, Default in columns 3 to 8.
            QStringList shown;
            for (int c = 3; c <= 8; ++c)
                shown << eds->ACG->GetCellEx(c, 1);
            EXPECT_EQ(shown, (QStringList{"1", "150", "1", "100", "Default", "Default"}));
            EXPECT_EQ(eds->ACG->Row(), 1);
            const QImage shot = eds->Grab();
            shot.save(QDir::tempPath() + "/qv-TFEtherNEtIP_EDS.png");
            EXPECT_EQ(shot.size(), QSize(1150, 337));
            eds->ACG->SetRow(2);
            ClickControl(eds->Btn_OK);
        });
        ClickControl(FEtherNetIP_Master_Access->Btn_Import_EDS);
        EXPECT_EQ(importedCells(acg, 2), (QStringList{"3", "101", "2", "151", "2", "Default"}));
        EXPECT_EQ(acg->GetCellEx(enIP_Address, 2), "");
        EXPECT_EQ(acg->GetCellEx(enMnemonic, 2), "");

        // A second import goes below the first; Cancel in the chooser changes nothing.
        seam.AnswerFile(edsPath("adapter.eds"));
        seam.AnswerModal([&](TCustomForm*) { ClickControl(FEtherNEtIP_EDS->Btn_Cancel); });
        ClickControl(FEtherNetIP_Master_Access->Btn_Import_EDS);
        EXPECT_EQ(acg->GetCellEx(enInstance_T_O, 3), "");
        seam.AnswerFile(edsPath("adapter.eds"));
        seam.AnswerModal([&](TCustomForm*) { ClickControl(FEtherNEtIP_EDS->Btn_OK); });
        ClickControl(FEtherNetIP_Master_Access->Btn_Import_EDS);
        EXPECT_EQ(importedCells(acg, 3), (QStringList{"1", "100", "1", "150", "Default", "Default"}));
        // No file chosen: nothing happens.
        seam.AnswerFile("");
        ClickControl(FEtherNetIP_Master_Access->Btn_Import_EDS);
        ClickControl(FEtherNetIP_Master_Access->Btn_Cancel);
    });
    FEtherNetIP_Master_Access->ShowModal();
    EXPECT_EQ(seam.Messages(), QStringList());
    EXPECT_EQ(seam.Pending(), 0);
}

TEST_F(TableWindowTest, EDSChooserWithoutAConnectionSaysSoAndClosesItself) {
    qvtest::ScriptedInteraction seam;
    for (const char* file : {"no_connections.eds", "missing.eds"}) {
        SCOPED_TRACE(file);
        seam.AnswerModal([&](TCustomForm*) {
            seam.AnswerFile(edsPath(file));
            seam.AnswerModal([&](TCustomForm* f) {
                EXPECT_EQ(FEtherNEtIP_EDS->ACG->RowCount(), 2);
                EXPECT_EQ(FEtherNEtIP_EDS->ACG->GetCellEx(0, 1), "");
                EXPECT_TRUE(FEtherNEtIP_EDS->TClose->Enabled());
                seam.AnswerMessage(mrOk);
                waitForClose(f);
                EXPECT_FALSE(FEtherNEtIP_EDS->TClose->Enabled());
            });
            ClickControl(FEtherNetIP_Master_Access->Btn_Import_EDS);
            EXPECT_EQ(FEtherNEtIP_EDS->ModalResult(), mrCancel);
            EXPECT_EQ(FEtherNetIP_Master_Access->ACG->GetCellEx(enInstance_T_O, 1), "");
            ClickControl(FEtherNetIP_Master_Access->Btn_Cancel);
        });
        FEtherNetIP_Master_Access->ShowModal();
        EXPECT_EQ(seam.Messages().last(), "Error!! No Valid Connection found");
    }
    EXPECT_EQ(seam.Pending(), 0);
}

TEST_F(TableWindowTest, EDSImportIntoAFullTableSaysSoBeforeAskingForAFile) {
    qvtest::ScriptedInteraction seam;
    seam.AnswerModal([&](TCustomForm*) {
        TQvColumnGrid* acg = FEtherNetIP_Master_Access->ACG;
        for (int r = 1; r <= EtherNetIP_Scanner_Rows; ++r)
            acg->SetCellEx(r % 2 ? enIP_Address : enInstance_T_O, r, "1");
        seam.AnswerMessage(mrOk);
        ClickControl(FEtherNetIP_Master_Access->Btn_Import_EDS);
        ClickControl(FEtherNetIP_Master_Access->Btn_Cancel);
    });
    FEtherNetIP_Master_Access->ShowModal();
    EXPECT_EQ(seam.Messages(), QStringList{Text(4062)});
    EXPECT_EQ(seam.Pending(), 0);
}

TEST_F(TableWindowTest, ScannerWindowAsksBeforeLeavingOutRowsBelowAnImportedRow) {
    qvtest::ScriptedInteraction seam;
    const QStringList slave = {"Y", "192.168.1.50", "0", "10",  "0",       "10",      "100",
                               "1", "100",          "1", "101", "Default", "Default", "m"};
    seam.AnswerModal([&](TCustomForm*) {
        TQvColumnGrid* acg = FEtherNetIP_Master_Access->ACG;
        for (int c = 1; c <= slave.size(); ++c) {
            acg->SetCellEx(c, 1, slave[c - 1]);
            acg->SetCellEx(c, 3, slave[c - 1]);
        }
        // Row 2 as an import leaves it: no address yet, so it ends what OK stores.
        acg->SetCellEx(enInstance_T_O, 2, "1");
        seam.AnswerMessage(mrYes);
        ClickControl(FEtherNetIP_Master_Access->Btn_OK);
    });
    EXPECT_EQ(FEtherNetIP_Master_Access->ShowModal(), mrOk);
    EXPECT_EQ(seam.Messages(), QStringList{Text(4061)});
    EXPECT_EQ(FileBytes(File_EtherNetIP_Master_Rules).count("<row "), 1);
}

} // namespace

// The BACnet windows: the server window's fixture written back equal, its description mode, the unit picker
// and the default write length; the client window's type, address column, hint and round trip.
#include "../TableFixture.h"
#include "TableWindowFixture.h"
#include "controls/buttons/SbButton.h"
#include "controls/grid/QvCGrid.h"
#include "tables/network/UBACnetAccess.h"
#include "tables/network/UBACnetSlaveSetAccess.h"
#include "tables/network/UBACnet_Eng_Unit.h"
#include "tables/network/UImportEDEFile.h"
#include "tables/network/UImportEDE_Reader.h"
#include "toolkit/stdctrls/StdCtrls.h"

namespace {

TEST_F(TableWindowTest, BACnetSlaveWindowWritesItsFixtureBackEqual) {
    qvtest::ScriptedInteraction seam;
    const QByteArray fixture = Fixture("BACnet_Slave.xml");
    PutFile(File_BACnet_Slave, fixture);
    seam.AnswerModal([&](TCustomForm*) {
        EXPECT_EQ(FBACnetSlaveSetAccess->ACG_BACnet_in_Read->RowCount(), 2001);
        EXPECT_TRUE(FBACnetSlaveSetAccess->ACG_BACnet_in_Read->IsHiddenColumn(bsSwap));
        EXPECT_EQ(FBACnetSlaveSetAccess->ACG_BACnet_in_Read->GetCellEx(bsSwap, 3), "Y");
        const QImage shot = FBACnetSlaveSetAccess->Grab();
        shot.save(QDir::tempPath() + "/qv-bacnet-slave.png");
        EXPECT_EQ(shot.size(), QSize(764, 337));
        FBACnetSlaveSetAccess->Btn_OK->Click();
    });
    EXPECT_EQ(FBACnetSlaveSetAccess->ShowModal(), mrOk);
    EXPECT_EQ(FileBytes(File_BACnet_Slave), fixture);
    EXPECT_EQ(seam.Messages(), QStringList());
}

TEST_F(TableWindowTest, BACnetSlaveDescriptionModeHalvesTheTables) {
    qvtest::ScriptedInteraction seam;
    PutFile(File_ParGen, "<ParGen><BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit></ParGen>");
    seam.AnswerModal([&](TCustomForm*) {
        EXPECT_TRUE(FBACnetSlaveSetAccess->Desc_Lenght());
        EXPECT_EQ(FBACnetSlaveSetAccess->ACG_BACnet_in_Write->RowCount(), 1001);
        FBACnetSlaveSetAccess->SetModalResult(mrCancel);
    });
    FBACnetSlaveSetAccess->ShowModal();
    QFile::remove(File_ParGen);
    seam.AnswerModal([&](TCustomForm*) {
        EXPECT_FALSE(FBACnetSlaveSetAccess->Desc_Lenght());
        EXPECT_EQ(FBACnetSlaveSetAccess->ACG_BACnet_in_Write->RowCount(), 2001);
        FBACnetSlaveSetAccess->SetModalResult(mrCancel);
    });
    FBACnetSlaveSetAccess->ShowModal();
}

TEST_F(TableWindowTest, BACnetSlaveUnitPickerAndDefaultLength) {
    qvtest::ScriptedInteraction seam;
    TQvColumnGrid* read = FBACnetSlaveSetAccess->ACG_BACnet_in_Read;
    const struct {
        const char* cell;
        const char* label;
        bool pick;
        const char* after;
    } cases[] = {
        {"62", "-> degrees-Celsius", false, "62"},
        {"abc", "-> unknown", false, "abc"},
        {"62", "-> degrees-Celsius", true, "172"},
    };
    for (const auto& c : cases) {
        read->SetCellEx(bsEng_Unit, 4, c.cell);
        seam.AnswerModal([&](TCustomForm*) {
            TFBACnet_Eng_Unit* p = FBACnet_Eng_Unit;
            EXPECT_EQ(p->E_Selected_EU->Text(), c.cell);
            EXPECT_EQ(p->Label5->Caption(), c.label);
            if (c.pick) {
                p->CB_Select_Type->SetItemIndex(3); // Electrical
                p->CB_Select_TypeSelect(p);
                p->CB_Select_Unit->SetItemIndex(11);
                EXPECT_EQ(p->CB_Select_Unit->Items()->Strings(11), "ohms-meters");
                p->Btn_Select_Eng_UnitClick(p);
                EXPECT_EQ(p->Label5->Caption(), "-> ohm-meters");
            }
            p->SetModalResult(mrOk);
        });
        FBACnetSlaveSetAccess->Edit_Eng_Unit(read, 4);
        EXPECT_EQ(read->GetCellEx(bsEng_Unit, 4), c.after);
    }
    seam.AnswerModal([&](TCustomForm* f) { f->SetModalResult(mrCancel); });
    FBACnetSlaveSetAccess->Edit_Eng_Unit(read, 4);
    EXPECT_EQ(read->GetCellEx(bsEng_Unit, 4), "172");

    TQvColumnGrid* write = FBACnetSlaveSetAccess->ACG_BACnet_in_Write;
    write->OnComboChange(write, bsData_Type, 2, 5, "Large Analog Value");
    EXPECT_EQ(write->GetCellEx(bsLength, 2), "8");
    read->SetCellEx(bsLength, 2, "3");
    read->OnComboChange(read, bsData_Type, 2, 5, "Large Analog Value");
    EXPECT_EQ(read->GetCellEx(bsLength, 2), "3");
}

TEST_F(TableWindowTest, BACnetUnitPickerShowsItsCategories) {
    qvtest::ScriptedInteraction seam;
    seam.AnswerModal([&](TCustomForm*) {
        TFBACnet_Eng_Unit* p = FBACnet_Eng_Unit;
        EXPECT_EQ(p->CB_Select_Type->Items()->Count(), 23);
        p->CB_Select_Type->SetItemIndex(16);
        p->CB_Select_TypeSelect(p);
        p->Btn_Select_Eng_UnitClick(p);
        EXPECT_EQ(p->E_Selected_EU->Text(), "62");
        EXPECT_EQ(p->Label5->Caption(), "-> degrees-Celsius");
        const QImage shot = p->Grab();
        shot.save(QDir::tempPath() + "/qv-bacnet-eng-unit.png");
        EXPECT_EQ(shot.size(), QSize(548, 306));
        p->SetModalResult(mrCancel);
    });
    FBACnet_Eng_Unit->ShowModal();
}

} // namespace

namespace {

TEST_F(TableWindowTest, BACnetClientWindowFollowsTheClientType) {
    qvtest::ScriptedInteraction seam;
    const struct {
        const char* parGen; // nullptr: no file
        bool message;
        bool shown;
        const char* header;
    } cases[] = {
        {nullptr, true, true, "IP Address"},
        {"<P><BACnet_Master_Type>1</BACnet_Master_Type></P>", false, true, "Slave ID"},
        {"<P><BACnet_Master_Type>7</BACnet_Master_Type></P>", false, false, "IP Address"},
        {"<P><Other/></P>", true, true, "IP Address"},
    };
    for (const auto& c : cases) {
        const qsizetype before = seam.Messages().size();
        QFile::remove(File_ParGen);
        if (c.parGen) PutFile(File_ParGen, c.parGen);
        if (c.message) seam.AnswerMessage(mrOk);
        seam.AnswerModal([&](TCustomForm*) {
            EXPECT_EQ(FBACnetAccess->ACG1->IsHiddenColumn(brAddress), !c.shown) << c.header;
            EXPECT_EQ(FBACnetAccess->ACG2->Columns()->Items(bwAddress)->Header(), c.header);
            EXPECT_EQ(FBACnetAccess->ACG1->Columns()->Items(brPosition)->ComboItems()->Count(), 1440);
            EXPECT_FALSE(FBACnetAccess->Btn_PasteRow->Visible());
            EXPECT_EQ(FBACnetAccess->Btn_Import_CSV->Caption(), "Import EDE");
            FBACnetAccess->ACG1->SetCellEx(brObject_Type, 3, "Binary Input");
            FBACnetAccess->ACG1->SetCellEx(brProperty, 3, "Present Value (85)");
            EXPECT_EQ(FBACnetAccess->Str_Hint_Read(3, 5), "1");
            EXPECT_EQ(FBACnetAccess->Str_Hint_Read(3, 4), "");
            FBACnetAccess->SetModalResult(mrCancel);
        });
        FBACnetAccess->ShowModal();
        const QStringList messages = seam.Messages().mid(before);
        EXPECT_EQ(messages.size(), c.message ? 1 : 0) << c.header;
        if (c.message && !messages.isEmpty()) {
            EXPECT_TRUE(messages[0].contains("Select the BACnet Type"));
        }
    }
}

TEST_F(TableWindowTest, BACnetClientWindowWritesWhatItRead) {
    qvtest::ScriptedInteraction seam;
    PutFile(File_ParGen, "<P><BACnet_Master_Type>0</BACnet_Master_Type></P>");
    TBACnetClientMode mode;
    qvtables::SheetCells t(BACnet_Master_Sheet(mode));
    t[0].SetRow(1, {"Y", "192.168.1.20", "Analog Input", "1", "Present Value (85)", "4", "N", "", "", "",
                    "1000", "0", "0", "0", "", "", "m"});
    t[1].SetRow(1, {"N", "x", "", "", "", "", "", "", "N", "", "", "", "N", "N", "", "", "", "", "", "", ""});
    const QByteArray file = t.Write();
    PutFile(File_BACnet_Master_Access, file);
    seam.AnswerModal([&](TCustomForm*) {
        QFile::remove(File_BACnet_Master_Access);
        FBACnetAccess->Btn_OK->Click();
    });
    EXPECT_EQ(FBACnetAccess->ShowModal(), mrOk);
    EXPECT_EQ(FileBytes(File_BACnet_Master_Access), file);
    EXPECT_EQ(seam.Messages(), QStringList());
}

} // namespace

namespace {

QString edeFixturePath(const char* name) {
    return QStringLiteral(QV_TEST_DATA_DIR "/ede/") + name;
}

TEST_F(TableWindowTest, EDEImportPlacesTheChosenObjectsAfterTheRowsInUse) {
    qvtest::ScriptedInteraction seam;
    PutFile(File_ParGen, "<P><BACnet_Master_Type>0</BACnet_Master_Type></P>");
    seam.AnswerModal([&](TCustomForm*) {
        TQvColumnGrid* read = FBACnetAccess->ACG1;
        const char* used[3][2] = {{"0", "4"}, {"4", "4"}, {"20", "1"}};
        for (int r = 0; r < 3; ++r) {
            read->SetCellEx(brAddress, r + 1, "10.0.0.1");
            read->SetCellEx(brPosition, r + 1, used[r][0]);
            read->SetCellEx(brNumByte, r + 1, used[r][1]);
        }
        seam.AnswerFile(edeFixturePath("device.csv"));
        seam.AnswerModal([&](TCustomForm*) {
            TFImportEDEFile* f = FImportEDEFile;
            ASSERT_EQ(f->ACG->RowCount(), 5);
            EXPECT_EQ(f->ACG->GetCellEx(4, 1), "Temp");
            EXPECT_EQ(f->ACG->GetCellEx(3, 2), "Y"); // the commandable valve goes to the write table too
            // Temp is only read: its Write box goes back with the message.
            f->ACG->SetCellEx(3, 1, "Y");
            seam.AnswerMessage(mrOk);
            f->ACGCheckBoxClick(f->ACG, 3, 1, true);
            EXPECT_EQ(f->ACG->GetCellEx(3, 1), "N");
            EXPECT_FALSE(f->List_EDE_Var[0].write);
            f->ACGCheckBoxClick(f->ACG, 1, 4, false); // the meter is not imported
            f->E_ID_IP->SetText("192.168.1");
            seam.AnswerMessage(mrOk);
            f->Btn_OKClick(f);
            EXPECT_EQ(f->ModalResult(), mrNone);
            f->E_ID_IP->SetText("192.168.1.30");
            f->Btn_OKClick(f);
        });
        FBACnetAccess->Btn_Import_CSVClick(FBACnetAccess);
        EXPECT_EQ(read->GetCellEx(brPosition, 4), "21");
        EXPECT_EQ(read->GetCellEx(brPosition, 5), "25");
        EXPECT_EQ(read->GetCellEx(brPosition, 6), "29");
        EXPECT_EQ(read->GetCellEx(brMnemonic, 6), "Pump - ");
        EXPECT_EQ(read->GetCellEx(brAddress, 7), "");
        EXPECT_EQ(FBACnetAccess->ACG2->GetCellEx(bwObject_Type, 1), "Analog Output");
        EXPECT_EQ(FBACnetAccess->ACG2->GetCellEx(bwAddress, 2), "");
        EXPECT_EQ(Dir_Import_EDE, QStringLiteral(QV_TEST_DATA_DIR "/ede"));
        FBACnetAccess->SetModalResult(mrCancel);
    });
    FBACnetAccess->ShowModal();
    const QStringList messages = seam.Messages();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[0], "Error line 1!! The Variable is only in read");
    EXPECT_EQ(messages[1], "Error!! IP Address is not correct");
}

// An EDE file beyond its limit is told as too large, by name, and nothing is listed.
TEST_F(TableWindowTest, EDEImportOfAFileBeyondItsLimitSaysItIsTooLarge) {
    const QString path = Dir_Project + "/huge.csv";
    QFile huge(path);
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(Max_EDE_File_Bytes + 1));
    huge.close();
    qvtest::ScriptedInteraction seam;
    seam.AnswerMessage(mrOk);
    seam.AnswerModal([](TCustomForm*) { EXPECT_TRUE(FImportEDEFile->List_EDE_Var.empty()); });
    FImportEDEFile->EDE_File = path;
    FImportEDEFile->ShowModal();
    ASSERT_EQ(seam.Messages().size(), 1);
    EXPECT_EQ(seam.Messages()[0], QStringLiteral("The file \"%1\" is too large: it holds more than %2 bytes.")
                                      .arg(path)
                                      .arg(Max_EDE_File_Bytes));
}

TEST_F(TableWindowTest, EDEImportIntoFullTablesSaysWhatWasNotPlaced) {
    qvtest::ScriptedInteraction seam;
    PutFile(File_ParGen, "<P><BACnet_Master_Type>1</BACnet_Master_Type></P>");
    seam.AnswerModal([&](TCustomForm*) {
        for (int r = 1; r <= BACnet_Master_Rows - 1; ++r)
            FBACnetAccess->ACG1->SetCellEx(brAddress, r, "3");
        seam.AnswerFile(edeFixturePath("device.csv"));
        seam.AnswerModal([&](TCustomForm*) {
            FImportEDEFile->Btn_Unselect_AllClick(FImportEDEFile);
            FImportEDEFile->Btn_Select_AllClick(FImportEDEFile);
            EXPECT_EQ(FImportEDEFile->ACG->GetCellEx(1, 4), "Y");
            FImportEDEFile->E_ID_IP->SetText("12");
            FImportEDEFile->Btn_OKClick(FImportEDEFile);
        });
        seam.AnswerMessage(mrOk);
        FBACnetAccess->Btn_Import_CSVClick(FBACnetAccess);
        EXPECT_EQ(FBACnetAccess->ACG1->GetCellEx(brMnemonic, BACnet_Master_Rows), "Temp - Room temperature");
        EXPECT_EQ(FBACnetAccess->Last_Import_Not_Placed, 3);
        // A file that is not there opens no selection window and changes nothing.
        seam.AnswerFile(edeFixturePath("missing.csv"));
        FBACnetAccess->Btn_Import_CSVClick(FBACnetAccess);
        FBACnetAccess->SetModalResult(mrCancel);
    });
    FBACnetAccess->ShowModal();
    ASSERT_EQ(seam.Messages().size(), 1);
    EXPECT_TRUE(seam.Messages()[0].endsWith("3"));
    EXPECT_EQ(seam.Pending(), 0);
}

} // namespace

namespace {

TEST_F(TableWindowTest, BACnetClientAndEDEWindowsLookAsDesigned) {
    qvtest::ScriptedInteraction seam;
    PutFile(File_ParGen, "<P><BACnet_Master_Type>0</BACnet_Master_Type></P>");
    seam.AnswerModal([&](TCustomForm*) {
        seam.AnswerFile(edeFixturePath("device.csv"));
        seam.AnswerModal([&](TCustomForm*) {
            const QImage shot = FImportEDEFile->Grab();
            shot.save(QDir::tempPath() + "/qv-import-ede.png");
            EXPECT_EQ(shot.size(), QSize(863, 337));
            FImportEDEFile->SetModalResult(mrCancel);
        });
        FBACnetAccess->Btn_Import_CSVClick(FBACnetAccess);
        const QImage shot = FBACnetAccess->Grab();
        shot.save(QDir::tempPath() + "/qv-bacnet-access.png");
        EXPECT_EQ(shot.height(), 337);
        FBACnetAccess->SetModalResult(mrCancel);
    });
    FBACnetAccess->ShowModal();
}

} // namespace

// The BACnet windows: the server window's fixture written back equal, its description mode, the unit picker
// and the default write length; the client window's type, address column, hint and round trip.
#include "TableWindowFixture.h"
#include "controls/buttons/SbButton.h"
#include "controls/grid/QvCGrid.h"
#include "tables/network/UBACnetAccess.h"
#include "tables/network/UBACnetSlaveSetAccess.h"
#include "tables/network/UBACnet_Eng_Unit.h"
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
            EXPECT_FALSE(FBACnetAccess->Btn_CopyRow->Visible());
            FBACnetAccess->ACG1->SetCellEx(brObject_Type, 3, "Binary Input");
            FBACnetAccess->ACG1->SetCellEx(brProperty, 3, "Present Value (85)");
            EXPECT_EQ(FBACnetAccess->Str_Hint_Read(3, 5), "1");
            EXPECT_EQ(FBACnetAccess->Str_Hint_Read(3, 4), "");
            FBACnetAccess->SetModalResult(mrCancel);
        });
        FBACnetAccess->ShowModal();
        const QStringList messages = seam.Messages().mid(before);
        EXPECT_EQ(messages.size(), c.message ? 1 : 0) << c.header;
        if (c.message && !messages.isEmpty()) EXPECT_TRUE(messages[0].contains("Select the BACnet Type"));
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

// The update window: its two layouts, the stored choices, the dot key of the address bytes, the update
// button, and the main window's update step that opens it.
#include "TestSupport.h"
#include "configurator/UBoot.h"
#include "core/UComon.h"
#include "core/ULanguage.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <gtest/gtest.h>
#include <memory>

namespace {

void bootWinType(QWidget* w, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &release);
}

// The program state of a program in a temporary folder with an open configuration.
QString bootWinProgram() {
    Reset_Program_State();
    const QString exe = qvtest::TempDir();
    SetExeDirOverride(exe);
    Set_Program_Folders(exe);
    SW_Code = Product_SW_Code;
    Name_Project = "Line 4";
    Dir_Project = Dir_Projects + "/" + Name_Project;
    QDir().mkpath(Dir_Project);
    Set_Table_File_Paths();
    Load_Default_Lang();
    return exe;
}

std::unique_ptr<TFBoot> bootWinMake() {
    auto boot = std::make_unique<TFBoot>(nullptr);
    boot->AfterConstruction();
    return boot;
}

// Plays a device that answers every echo.
struct BootWinDevice : IEchoService {
    int Calls = 0;
    TReplyStatus Echo(quint32, const QByteArray&, Word, int, const TKeepAlive&) override {
        ++Calls;
        TReplyStatus s;
        s.BytesReceived = 97;
        s.ReplyStatusType = rsEcho;
        return s;
    }
};

} // namespace

TEST(UpdateWindow, EthernetLayoutShowsTheStoredChoices) {
    bootWinProgram();
    Last_IP_Address = "10.1.2.3";
    Update_Option_Index = 2;
    Update_Read_Back = false;
    auto boot = bootWinMake();
    boot->Form_Type = 1;
    qvtest::ScriptedInteraction ui;
    ui.AnswerModal([&](TCustomForm* f) {
        ASSERT_EQ(f, boot.get());
        EXPECT_EQ(boot->Caption(), "Update Device by Ethernet (UDP)");
        EXPECT_EQ(boot->L_SW_Desc->Caption(), "Update Device Using the Ethernet Port");
        EXPECT_EQ(boot->L_SW_Code->Caption(), "RV83K17");
        EXPECT_EQ(boot->ClientWidth(), 449);
        EXPECT_EQ(boot->ClientHeight(), 69 + 49 + 72 + 40);
        EXPECT_TRUE(boot->P_IP_Address->Visible());
        EXPECT_TRUE(boot->P_Options->Visible());
        EXPECT_FALSE(boot->P_Search->Visible());
        EXPECT_FALSE(boot->P_Serial->Visible());
        EXPECT_EQ(boot->P_IP_Address->Top(), 69);
        EXPECT_EQ(boot->P_Options->Top(), 69 + 49);
        EXPECT_EQ(boot->P_Button->Top(), 69 + 49 + 72);
        EXPECT_EQ(
            QStringList({boot->E_IP1->Text(), boot->E_IP2->Text(), boot->E_IP3->Text(), boot->E_IP4->Text()}),
            QStringList({"10", "1", "2", "3"}));
        EXPECT_EQ(boot->CB_Update_Options->Items()->Text(), "Firmware + Configuration\r\nFirmware\r\n"
                                                            "Configuration\r\n");
        EXPECT_EQ(boot->CB_Update_Options->ItemIndex(), 2);
        EXPECT_FALSE(boot->CB_Update_Option_Read_Back->Checked());
        EXPECT_EQ(boot->ActiveControl(), boot->E_IP1);
        EXPECT_EQ(boot->Btn_Update->Caption(), "Execute Update Firmware");
        EXPECT_EQ(boot->E_IP3->Hint(), "Insert third byte of IP Address");
        const QImage shot = boot->Grab();
        shot.save(QDir::tempPath() + "/qv-TFBoot-ethernet.png");
        EXPECT_EQ(shot.width(), 449);
        boot->Btn_Cancel->Click();
    });
    EXPECT_EQ(boot->ShowModal(), mrCancel);
    EXPECT_EQ(ui.Pending(), 0);
}

TEST(UpdateWindow, AddressThatDoesNotSplitLeavesTheBytes) {
    bootWinProgram();
    Last_IP_Address = "10.0.0";
    auto boot = bootWinMake();
    boot->E_IP1->SetText("192");
    qvtest::ScriptedInteraction ui;
    ui.AnswerModal([&](TCustomForm*) {
        EXPECT_EQ(boot->E_IP1->Text(), "192");
        EXPECT_EQ(boot->E_IP4->Text(), "0");
    });
    boot->ShowModal();
}

TEST(UpdateWindow, SerialLayoutOnlyStoresTheChoices) {
    const QString exe = bootWinProgram();
    Update_Option_Index = 0;
    Update_Read_Back = true;
    auto boot = bootWinMake();
    boot->Form_Type = 0;
    qvtest::ScriptedInteraction ui;
    ui.AnswerModal([&](TCustomForm*) {
        EXPECT_EQ(boot->Caption(), "Update Device by Serial");
        EXPECT_EQ(boot->ClientHeight(), 69 + 51 + 72 + 40);
        EXPECT_TRUE(boot->P_Serial->Visible());
        EXPECT_FALSE(boot->P_IP_Address->Visible());
        EXPECT_EQ(boot->P_Options->Top(), 69 + 51);
        std::unique_ptr<TStringList> ports(Get_COM_Ports());
        EXPECT_EQ(boot->CB_COM_Port->Items()->Count(), ports->Count());
        boot->CB_Update_Options->SetItemIndex(1);
        boot->CB_Update_Option_Read_Back->SetChecked(false);
        boot->Btn_Update->Click();
        boot->SetModalResult(mrCancel);
    });
    boot->ShowModal();
    EXPECT_EQ(Update_Option_Index, 1);
    EXPECT_FALSE(Update_Read_Back);
    EXPECT_FALSE(QFile::exists(exe + "/Ethernet_Update.xml"));
}

TEST(UpdateWindow, DotMovesToTheNextAddressByteAndIsNeverTyped) {
    bootWinProgram();
    Last_IP_Address = "";
    auto boot = bootWinMake();
    qvtest::ScriptedInteraction ui;
    ui.AnswerModal([&](TCustomForm*) {
        TEdit* edits[4] = {boot->E_IP1, boot->E_IP2, boot->E_IP3, boot->E_IP4};
        for (TEdit* e : edits)
            e->SetText("");
        for (int i = 0; i < 4; ++i) {
            SCOPED_TRACE(i);
            edits[i]->SetFocus();
            bootWinType(edits[i]->Widget(), Qt::Key_1, "1");
            bootWinType(edits[i]->Widget(), Qt::Key_Period, ".");
            EXPECT_EQ(edits[i]->Text(), "1");
            EXPECT_EQ(boot->ActiveControl(), edits[i < 3 ? i + 1 : 3]);
        }
        boot->SetModalResult(mrCancel);
    });
    boot->ShowModal();
}

TEST(UpdateWindow, UpdateButtonSendsTheTypedAddressAndChoices) {
    const QString exe = bootWinProgram();
    QFile updater(exe + "/Ethernet_Update.exe");
    ASSERT_TRUE(updater.open(QIODevice::WriteOnly));
    updater.write(
        "#!/bin/sh\ncp \"$(dirname \"$0\")/Ethernet_Update.xml\" \"$(dirname \"$0\")/updater.job\"\n");
    updater.close();
    updater.setPermissions(updater.permissions() | QFileDevice::ExeOwner);
    BootWinDevice device;
    IEchoService* previous = SetEchoService(&device);
    auto boot = bootWinMake();
    qvtest::ScriptedInteraction ui;
    ui.AnswerModal([&](TCustomForm*) {
        boot->E_IP1->SetText("172");
        boot->E_IP2->SetText("16");
        boot->E_IP3->SetText("0");
        boot->E_IP4->SetText("44");
        boot->CB_Update_Options->SetItemIndex(1);
        boot->CB_Update_Option_Read_Back->SetChecked(true);
        boot->Btn_Update->Click();
        EXPECT_EQ(boot->ModalResult(), mrNone); // the window stays open
        boot->SetModalResult(mrCancel);
    });
    boot->ShowModal();
    SetEchoService(previous);
    EXPECT_EQ(device.Calls, 2);
    EXPECT_EQ(Last_IP_Address, "172.16.0.44");
    EXPECT_EQ(Update_Option_Index, 1);
    QFile job(exe + "/updater.job");
    ASSERT_TRUE(job.open(QIODevice::ReadOnly));
    const QByteArray text = job.readAll();
    EXPECT_TRUE(text.contains("<IP_Address_Dev>172.16.0.44</IP_Address_Dev>"));
    EXPECT_EQ(text.count("<Operation>"), 1);
    EXPECT_TRUE(text.contains("<Ope_Read_Back>1</Ope_Read_Back>"));
}

TEST(UpdateWindow, UpdateStepWritesTheImagesThenOpensTheWindow) {
    bootWinProgram();
    auto boot = bootWinMake();
    boot->Form_Type = 0;
    qvtest::ScriptedInteraction ui;
    ui.AnswerModal([&](TCustomForm* f) {
        EXPECT_EQ(f, boot.get());
        EXPECT_EQ(boot->Form_Type, 1);
        EXPECT_EQ(QFile(Dir_Project + "/bin/bank1.bin").size(), 2048);
        EXPECT_EQ(QFile(Dir_Project + "/bin/bank2.bin").size(), 17);
    });
    Run_Update_Device(*boot);
    EXPECT_EQ(ui.Pending(), 0);

    // A settings file that does not read: a message, and the window stays closed.
    QFile bad(File_ParGen);
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("<Par_Gen><OPC_UA_Server_Port>");
    bad.close();
    ui.AnswerMessage(mrOk);
    Run_Update_Device(*boot);
    ASSERT_EQ(ui.Messages().size(), 1);
    EXPECT_TRUE(ui.Messages()[0].contains("ParGen.xml"));
    EXPECT_EQ(ui.History().back().message.Type, mtError);
    EXPECT_EQ(ui.Pending(), 0);
}

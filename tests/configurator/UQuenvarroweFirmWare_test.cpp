// The start sequence and the main window: folders, settings, texts, step dispatch and layout.
#include "ProgramFixture.h"
#include "configurator/UOpenConf.h"
#include "configurator/UQuenvarroweFirmWare.h"
#include "configurator/UWindows.h"
#include "controls/buttons/SbButton.h"
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "core/USave_Target.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/services/Shell.h"
#include "toolkit/stdctrls/ExtCtrls.h"
#include "toolkit/stdctrls/StdCtrls.h"
#include "toolkit/system/SysUtils.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace qvmain {

class MainWindowTest : public qvtest::ProgramTest {
protected:
    TSbButton* Button(const char* name) {
        return dynamic_cast<TSbButton*>(FQuenvarroweFirmWare->FindComponent(name));
    }
};

const char kNoConfigurationSettings[] =
    "<Conf_Settings>\r\n  <lastproj>\r\n    <projectname />\r\n  </lastproj>\r\n"
    "  <lastipadd>\r\n    <ipaddress>192.168.2.205</ipaddress>\r\n  </lastipadd>\r\n"
    "  <lastlang>\r\n    <language>English</language>\r\n  </lastlang>\r\n"
    "  <lastinternet>\r\n    <enable_internet>0</enable_internet>\r\n    <enable_update>0</enable_update>\r\n"
    "    <enable_jump_field_tables>0</enable_jump_field_tables>\r\n"
    "    <Double_Click_Auto_Size>0</Double_Click_Auto_Size>\r\n  </lastinternet>\r\n</Conf_Settings>\r\n";

} // namespace qvmain

using qvmain::MainWindowTest;

TEST_F(MainWindowTest, FirstStartMakesTheFoldersUsesEnglishAndWritesDefaultsAtClose) {
    Start();
    for (const char* d : {"MASTER", "PROJECTS", "LANGUAGE"})
        EXPECT_TRUE(QDir(FExeDir + "/" + d).exists()) << d;
    EXPECT_EQ(Num_Lang_Texts, 4200);
    EXPECT_TRUE(Dir_Project.isEmpty());
    EXPECT_EQ(FQuenvarroweFirmWare->L_Name_Conf->Caption(), Lang_Texts->Strings(9));
    EXPECT_EQ(FQuenvarroweFirmWare->L_Name_Conf_L2->Caption(), Lang_Texts->Strings(10));
    EXPECT_EQ(FQuenvarroweFirmWare->L_Step[0]->Caption(), Lang_Texts->Strings(1));
    EXPECT_EQ(Button("Btn_New")->Caption(), Lang_Texts->Strings(15));
    EXPECT_FALSE(FQuenvarroweFirmWare->Timer_Update->Enabled());
    EXPECT_EQ(FQuenvarroweFirmWare->Caption(), "Orvane - Configurator RV83K17 - OPC UA Server / Serial ");
    EXPECT_EQ(File_ParGen, "/ParGen.xml");
    ASSERT_NE(Copy_Row_Buffer, nullptr);

    FQuenvarroweFirmWare->Close();
    EXPECT_EQ(QString::fromUtf8(ReadFile("Quenvarrow.xml")), QString::fromUtf8(qvmain::kNoConfigurationSettings));

    // The next start reads them back.
    Free_Program_Windows();
    Enable_Internet = true;
    Start();
    EXPECT_FALSE(Enable_Internet);
    EXPECT_EQ(Last_IP_Address, "192.168.2.205");
}

TEST_F(MainWindowTest, AStoredConfigurationOpensOnlyWhenItsFolderStillExists) {
    struct Case {
        const char* stored;
        bool makeFolder;
        bool opens;
    } cases[] = {{"Plant", true, true}, {"Gone", false, false}, {"..", false, false}, {"../PROJECTS", false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        FExeDir = qvtest::TempDir();
        WriteFile("Quenvarrow.xml", QByteArray("<Conf_Settings><lastproj><projectname>") + c.stored +
                                        "</projectname></lastproj><lastinternet><enable_internet>1</enable_internet>"
                                        "<enable_update>1</enable_update></lastinternet></Conf_Settings>");
        if (c.makeFolder)
            QDir().mkpath(FExeDir + "/PROJECTS/" + c.stored);
        Start();
        EXPECT_EQ(!Dir_Project.isEmpty(), c.opens);
        EXPECT_TRUE(FQuenvarroweFirmWare->Timer_Update->Enabled());
        if (c.opens) {
            EXPECT_EQ(FQuenvarroweFirmWare->L_Name_Conf_L2->Caption(), QString(c.stored));
            EXPECT_EQ(File_ParGen, FExeDir + "/PROJECTS/Plant/ParGen.xml");
        } else {
            EXPECT_EQ(FQuenvarroweFirmWare->L_Name_Conf->Caption(), Lang_Texts->Strings(9));
        }
        FQuenvarroweFirmWare->Close();
        EXPECT_EQ(ReadFile("Quenvarrow.xml").contains(QByteArray("<projectname>") + c.stored), c.opens);
        Free_Program_Windows();
    }
}

TEST_F(MainWindowTest, ALanguageFileChangesTheTextsAndChangeLanguageReappliesThem) {
    WriteFile("Quenvarrow.xml", "<Conf_Settings><lastlang><language>Test</language></lastlang></Conf_Settings>");
    WriteFile("LANGUAGE/Test.lng", "STR1=Schritt 1\r\nSTR15=Neu\r\n");
    Start();
    EXPECT_EQ(Language, "Test");
    EXPECT_EQ(FQuenvarroweFirmWare->L_Step[0]->Caption(), "Schritt 1");
    EXPECT_EQ(Button("Btn_New")->Caption(), "Neu");
    Lang_Texts->SetStrings(15, "Nuovo");
    FQuenvarroweFirmWare->Change_Language();
    EXPECT_EQ(Button("Btn_New")->Caption(), "Nuovo");
}

TEST_F(MainWindowTest, StepsNeedAConfigurationExceptTheFiveThatMakeOrOpenOne) {
    Start();
    qvtest::ScriptedInteraction seam;
    const char* needing[] = {"Btn_Prm_Gen", "Btn_OPC_UA_Server_Access", "Btn_CreateBin", "Btn_Modbus_Set_Access",
                             "Btn_BACnet_SetAccess", "Btn_CAN_Rec_Frame", "Btn_SNMP_MIB", "Btn_EtherNetIP_Access"};
    for (const char* name : needing) {
        seam.AnswerMessage(mrOk);
        // Hidden buttons cannot be pressed; their handler is called as a click would call it.
        FQuenvarroweFirmWare->Btn_Click(Button(name));
    }
    EXPECT_EQ(seam.Messages(), QStringList(std::size(needing), Lang_Texts->Strings(18)));
    for (const auto& shown : seam.History()) {
        EXPECT_EQ(shown.kind, qvtest::ScriptedInteraction::Shown::Message);
        EXPECT_EQ(shown.message.Type, mtError);
    }

    // With a configuration open, the Modbus step opens the Modbus TCP master window.
    QDir().mkpath(Dir_Projects + "/Plant");
    seam.AnswerModal([](TCustomForm* f) {
        static_cast<TFOpenConf*>(f)->Name_Conf = "Plant";
        f->SetModalResult(mrOk);
    });
    Button("Btn_Open")->Click();
    EXPECT_EQ(Dir_Project, Dir_Projects + "/Plant");
    EXPECT_EQ(FQuenvarroweFirmWare->L_Name_Conf_L2->Caption(), "Plant");
    seam.AnswerModal([](TCustomForm*) {});
    FQuenvarroweFirmWare->Btn_Click(Button("Btn_Modbus_Set_Access"));
    EXPECT_EQ(seam.History().back().formClass, "TFModbus_TCP_Master_Set_Access");

    // An empty choice closes the configuration.
    seam.AnswerModal([](TCustomForm* f) {
        static_cast<TFOpenConf*>(f)->Name_Conf.clear();
        f->SetModalResult(mrOk);
    });
    Button("Btn_Open")->Click();
    EXPECT_TRUE(Dir_Project.isEmpty());
    EXPECT_EQ(FQuenvarroweFirmWare->L_Name_Conf_L2->Caption(), Lang_Texts->Strings(10));
}

TEST_F(MainWindowTest, LayoutMatchesTheModelsStepsToThePixel) {
    Start();
    TFQuenvarroweFirmWare* w = FQuenvarroweFirmWare;
    EXPECT_EQ(w->ClientWidth(), 694);
    EXPECT_EQ(w->ClientHeight(), 396);
    struct Where {
        const char* name;
        int left, top;
        bool visible;
    } where[] = {{"L_SW_Code", 16, 8, true},    {"L_SW_Desc", 16, 42, true},      {"Btn_Info", 516, 8, true},
                 {"Btn_Opz", 574, 8, true},     {"Btn_Close", 632, 8, true},      {"LL_Update", 208, 19, false},
                 {"L_Begin", 16, 84, true},     {"Shape2", 80, 70, true},         {"L_Name_Conf", 87, 75, true},
                 {"L_Name_Conf_L2", 87, 88, true}, {"L_Step_1", 16, 128, true},   {"Btn_New", 80, 112, true},
                 {"Btn_Open", 258, 112, true},  {"L_Step_2", 16, 172, true},      {"Btn_Prm_Gen", 80, 156, true},
                 {"L_Step_3", 16, 216, true},   {"Btn_OPC_UA_Server_Access", 80, 200, true},
                 {"L_Step_4", 16, 260, true},   {"Btn_CreateBin", 80, 244, true}, {"L_Orvane", 565, 260, true},
                 {"Shape1", 10, 295, true},     {"L_Step_5", 16, 304, false},     {"L_Step_8", 16, 436, false},
                 {"Btn_Modbus_Set_Access", -1, -1, false}, {"Btn_SNMP_MIB", -1, -1, false}};
    for (const Where& c : where) {
        auto* control = dynamic_cast<TControl*>(w->FindComponent(c.name));
        ASSERT_NE(control, nullptr) << c.name;
        if (c.left >= 0) {
            EXPECT_EQ(TPoint(control->Left(), control->Top()), TPoint(c.left, c.top)) << c.name;
        }
        EXPECT_EQ(control->Visible(), c.visible) << c.name;
    }
    int visibleButtons = 0;
    for (int i = 0; i < w->ComponentCount(); ++i)
        if (auto* b = dynamic_cast<TSbButton*>(w->Components(i)); b && b->Visible())
            ++visibleButtons;
    EXPECT_EQ(visibleButtons, 8);

    QImage img = w->Grab();
    img.save(QDir::tempPath() + "/qv-main-window.png");
    ASSERT_EQ(img.width(), 694);
    // The step buttons' cream face with their gray frame, the separator line, the white window.
    const QColor cream(0xF8, 0xF7, 0xED), gray(0x80, 0x80, 0x80), white(255, 255, 255);
    EXPECT_EQ(img.pixelColor(80 + 160, 112 + 30), cream);
    EXPECT_EQ(img.pixelColor(80, 112 + 18), gray);
    EXPECT_EQ(img.pixelColor(80 + 169, 244 + 18), gray);
    EXPECT_EQ(img.pixelColor(300, 295), gray);
    EXPECT_EQ(img.pixelColor(300, 294), white);
    EXPECT_EQ(img.pixelColor(300, 296), white);
    EXPECT_EQ(img.pixelColor(600, 200), white);
    EXPECT_EQ(img.pixelColor(80 + 100, 70), gray); // frame around the configuration labels
}

TEST_F(MainWindowTest, VersionTimerReArmsForTwoHoursAndTheLinkOpensInTheBrowser) {
    Start();
    TFQuenvarroweFirmWare* w = FQuenvarroweFirmWare;
    EXPECT_EQ(w->Timer_Update->Interval(), 60000u);
    w->Timer_UpdateTimer(w->Timer_Update);
    EXPECT_FALSE(w->LL_Update->Visible());
    EXPECT_TRUE(w->Timer_Update->Enabled());
    EXPECT_EQ(w->Timer_Update->Interval(), 7200000u);

    QStringList opened;
    TUrlOpener previous = SetUrlOpener([&](const String& url) {
        opened << url;
        return true;
    });
    w->LL_Update->SetCaption("<a href=\"http://maker.example/Home/download/download.asp#LD83K17\">New</a>");
    w->LL_UpdateLinkClick(w->LL_Update, "http://maker.example/Home/download/download.asp#LD83K17", sltURL);
    SetUrlOpener(previous);
    EXPECT_EQ(opened, QStringList{"http://maker.example/Home/download/download.asp#LD83K17"});
}

// A settings file that does not read is told once at start, naming the file; the close then writes the
// settings in use.
TEST_F(MainWindowTest, AnUnreadableSettingsFileIsToldOnceAtStart) {
    const QByteArray damaged = "<Conf_Settings><lastlang><language>English</language>";
    const QByteArray huge = "<Conf_Settings>" + QByteArray(2 << 20, ' ') + "</Conf_Settings>";
    for (const QByteArray& content : {damaged, huge}) {
        WriteFile(Settings_File_Name, content);
        qvtest::ScriptedInteraction seam;
        seam.AnswerMessage(mrOk);
        Start();
        ASSERT_EQ(seam.Messages().size(), 1);
        EXPECT_TRUE(seam.Messages()[0].startsWith(Lang_Texts->Strings(Text_Program_Settings_Not_Read) +
                                                  FExeDir + "/" + Settings_File_Name + "\r\n"))
            << seam.Messages()[0].toStdString();
        EXPECT_EQ(seam.History()[0].message.Type, mtWarning);
        EXPECT_EQ(ReadFile(Settings_File_Name), content);
        FQuenvarroweFirmWare->Close();
        EXPECT_EQ(QString::fromUtf8(ReadFile(Settings_File_Name)),
                  QString::fromUtf8(qvmain::kNoConfigurationSettings));
        EXPECT_EQ(seam.Messages().size(), 1);
        Free_Program_Windows();
    }
}

TEST_F(MainWindowTest, SettingsThatCannotBeSavedSayWhy) {
    Create_Program_Windows();
    // The settings file's place is taken by a folder.
    ASSERT_TRUE(QDir(FExeDir).mkpath(Settings_File_Name + "/x"));
    qvtest::ScriptedInteraction seam;
    seam.AnswerMessage(mrOk);
    FQuenvarroweFirmWare->Save_Setting();
    ASSERT_EQ(seam.Messages().size(), 1);
    const QString shown = seam.Messages()[0];
    EXPECT_TRUE(shown.startsWith(QString("The settings could not be saved in \"%1/%2\" (Cannot create file")
                                     .arg(FExeDir, Settings_File_Name)))
        << shown.toStdString();
    EXPECT_TRUE(QDir(FExeDir + "/" + Settings_File_Name + "/x").exists());
}

// The new-configuration dialog: names it refuses, the folders it makes, its texts and looks.
#include "DialogFixture.h"
#include "configurator/UNew_Project.h"
#include "configurator/UQuenvarroweFirmWare.h"
#include "controls/buttons/SbButton.h"
#include "core/UComon.h"
#include "toolkit/stdctrls/ExtCtrls.h"
#include "toolkit/stdctrls/StdCtrls.h"
#include "toolkit/system/SysUtils.h"

#include <gtest/gtest.h>

TEST_F(DialogsTest, NewProjectRefusesBadNamesAndStaysOpen) {
    QDir().mkpath(Dir_Projects + "/Plant");
    struct Case {
        const char* name;
        int message;
    } cases[] = {
        {"", 107},     {"Plant", 106}, {"PLANT", 106}, {"a?b", 105},   {"a/b", 105},    {"../Up", 105},
        {"a\\b", 105}, {".", 105},     {"..", 105},    {" Lead", 105}, {"Trail ", 105}, {"tab\there", 105},
        {"a<b", 105},  {"a>b", 105},   {"C:x", 105},   {"a\"b", 105},  {"a|b", 105},    {"a*b", 105},
    };
    qvtest::ScriptedInteraction seam;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        seam.AnswerMessage(mrOk);
        seam.AnswerModal([&](TCustomForm* f) {
            auto* dlg = static_cast<TFNew_Project*>(f);
            dlg->E_New_Proj->SetText(QString::fromUtf8(c.name));
            dlg->Btn_OK->Click();
            EXPECT_EQ(dlg->ModalResult(), mrNone); // still open
        });
        EXPECT_EQ(FNew_Project->ShowModal(), mrCancel);
        ASSERT_FALSE(seam.History().empty());
        const auto& shown = seam.History().back();
        EXPECT_EQ(shown.message.Text, Text(c.message));
        EXPECT_EQ(shown.message.Type, mtError);
        EXPECT_EQ(Projects(), QStringList{"Plant"});
        EXPECT_TRUE(Dir_Project.isEmpty());
    }
    EXPECT_EQ(seam.Pending(), 0);
}

TEST_F(DialogsTest, NewProjectMakesTheFolderAndItsBinFolderAndOpensIt) {
    qvtest::ScriptedInteraction seam;
    seam.AnswerModal([](TCustomForm* f) {
        auto* dlg = static_cast<TFNew_Project*>(f);
        EXPECT_EQ(dlg->E_New_Proj->Text(), "");
        dlg->E_New_Proj->SetText("Line 4");
        dlg->Btn_OK->Click();
        EXPECT_EQ(dlg->ModalResult(), mrOk);
    });
    FQuenvarroweFirmWare->Btn_Click(FQuenvarroweFirmWare->Btn_New);
    EXPECT_TRUE(seam.Messages().isEmpty());
    EXPECT_EQ(Name_Project, "Line 4");
    EXPECT_EQ(Dir_Project, FExeDir + "/PROJECTS/Line 4");
    EXPECT_EQ(File_ParGen, Dir_Project + "/ParGen.xml");
    EXPECT_EQ(FQuenvarroweFirmWare->L_Name_Conf->Caption(), Text(11));
    EXPECT_EQ(FQuenvarroweFirmWare->L_Name_Conf_L2->Caption(), "Line 4");
    // Nothing but the two folders.
    EXPECT_EQ(QDir(Dir_Project).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{"bin"});
    EXPECT_TRUE(QDir(Dir_Project + "/bin").isEmpty());

    // The name edit starts empty at every show; Enter in it acts as OK.
    seam.AnswerModal([](TCustomForm* f) {
        auto* dlg = static_cast<TFNew_Project*>(f);
        EXPECT_EQ(dlg->E_New_Proj->Text(), "");
        dlg->E_New_Proj->SetText("Line 5");
        ASSERT_NE(dlg->E_New_Proj->Widget(), nullptr);
        qvdialogs::dialogsType(dlg->E_New_Proj->Widget(), Qt::Key_Return, "\r");
        EXPECT_EQ(dlg->ModalResult(), mrOk);
    });
    EXPECT_EQ(FNew_Project->ShowModal(), mrOk);
    EXPECT_EQ(Name_Project, "Line 5");
    EXPECT_TRUE(QDir(Dir_Projects + "/Line 5/bin").exists());
}

TEST_F(DialogsTest, NewProjectReportsAFolderThatCannotBeCreated) {
    // "PROJECTS" replaced by a file: nothing can be created in it.
    QDir(Dir_Projects).removeRecursively();
    QFile blocker(Dir_Projects);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qvtest::ScriptedInteraction seam;
    seam.AnswerMessage(mrOk);
    seam.AnswerModal([](TCustomForm* f) {
        auto* dlg = static_cast<TFNew_Project*>(f);
        dlg->E_New_Proj->SetText("Plant");
        dlg->Btn_OK->Click();
        EXPECT_EQ(dlg->ModalResult(), mrNone);
    });
    EXPECT_EQ(FNew_Project->ShowModal(), mrCancel);
    // The name was fine: the message names the folder and the system's reason, not a bad name.
    EXPECT_EQ(
        seam.Messages(),
        QStringList{
            QString("The folder \"%1/Plant\" could not be created: Not a directory.").arg(Dir_Projects)});
    EXPECT_TRUE(Name_Project.isEmpty());
    EXPECT_TRUE(Dir_Project.isEmpty());
}

TEST_F(DialogsTest, NewProjectTextsFollowTheTextTableAndShowTheProgramCode) {
    EXPECT_EQ(FNew_Project->L_SW_Code->Caption(), "RV83K17");
    Lang_Texts->SetStrings(100, "Nuova configurazione");
    Lang_Texts->SetStrings(108, "Nome");
    FQuenvarroweFirmWare->Change_Language();
    EXPECT_EQ(FNew_Project->Caption(), "Nuova configurazione");
    EXPECT_EQ(FNew_Project->E_New_Proj->Hint(), "Nome");
    EXPECT_EQ(FNew_Project->ClientWidth(), 331);
    EXPECT_EQ(FNew_Project->ClientHeight(), 162);
}

TEST_F(DialogsTest, GrabOfTheNewProjectDialog) {
    QImage img = FNew_Project->Grab();
    img.save(QDir::tempPath() + "/qv-new-project.png");
    EXPECT_EQ(img.size(), QSize(331, 162));
}

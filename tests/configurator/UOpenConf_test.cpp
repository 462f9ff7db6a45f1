// The open-configuration dialog: the list it offers, cancel and OK, its texts and looks.
#include "DialogFixture.h"
#include "configurator/UOpenConf.h"
#include "configurator/UQuenvarroweFirmWare.h"
#include "controls/buttons/SbButton.h"
#include "core/UComon.h"
#include "toolkit/stdctrls/ExtCtrls.h"
#include "toolkit/stdctrls/StdCtrls.h"
#include "toolkit/system/SysUtils.h"

#include <QListWidget>
#include <gtest/gtest.h>

TEST_F(DialogsTest, OpenListsConfigurationsSortedAndPreselectsTheOpenOneIgnoringCase) {
    for (const char* name : {"gamma", "Alpha", "beta", ".hidden"})
        QDir().mkpath(Dir_Projects + "/" + name);
    QFile stray(Dir_Projects + "/notes.txt"); // files are not configurations
    ASSERT_TRUE(stray.open(QIODevice::WriteOnly));
    stray.close();
    struct Case {
        QString open;
        int selected;
    } cases[] = {{"BETA", 2}, {"gamma", 3}, {"", 0}, {"Gone", 0}};
    qvtest::ScriptedInteraction seam;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.open.toStdString());
        Dir_Project = c.open.isEmpty() ? QString() : Dir_Projects + "/" + c.open;
        seam.AnswerModal([&](TCustomForm* f) {
            auto* dlg = static_cast<TFOpenConf*>(f);
            EXPECT_EQ(StringsToList(*dlg->ListBox1->Items()),
                      (QStringList{".hidden", "Alpha", "beta", "gamma"}));
            EXPECT_EQ(dlg->ListBox1->ItemIndex(), c.selected);
            EXPECT_EQ(dlg->Name_Conf, dlg->ListBox1->Items()->Strings(c.selected));
            EXPECT_EQ(dlg->Search_Open_Conf("ALPHA"), 1);
            EXPECT_EQ(dlg->Search_Open_Conf("delta"), -1);
        });
        EXPECT_EQ(FOpenConf->ShowModal(), mrCancel);
    }

    // A click chooses; OK opens the clicked one.
    Dir_Project.clear();
    seam.AnswerModal([](TCustomForm* f) {
        auto* dlg = static_cast<TFOpenConf*>(f);
        auto* list = qobject_cast<QListWidget*>(dlg->ListBox1->Widget());
        ASSERT_NE(list, nullptr);
        list->setCurrentRow(3);
        EXPECT_EQ(dlg->Name_Conf, "gamma");
        dlg->Btn_OK->Click();
    });
    FQuenvarroweFirmWare->Btn_Click(FQuenvarroweFirmWare->Btn_Open);
    EXPECT_EQ(Name_Project, "gamma");
    EXPECT_EQ(Dir_Project, Dir_Projects + "/gamma");
}

TEST_F(DialogsTest, OpenCancelChangesNothingAndAnEmptyListClosesTheConfigurationOnOK) {
    QDir().mkpath(Dir_Projects + "/Plant");
    Name_Project = "Plant";
    Dir_Project = Dir_Projects + "/Plant";
    Set_Table_File_Paths();
    qvtest::ScriptedInteraction seam;
    seam.AnswerModal([](TCustomForm* f) {
        auto* dlg = static_cast<TFOpenConf*>(f);
        dlg->Name_Conf = "Other";
        dlg->Btn_Cancel->Click();
    });
    FQuenvarroweFirmWare->Btn_Click(FQuenvarroweFirmWare->Btn_Open);
    EXPECT_EQ(Name_Project, "Plant");
    EXPECT_EQ(Dir_Project, Dir_Projects + "/Plant");

    QDir(Dir_Projects + "/Plant").removeRecursively();
    seam.AnswerModal([](TCustomForm* f) {
        auto* dlg = static_cast<TFOpenConf*>(f);
        EXPECT_EQ(dlg->ListBox1->Count(), 0);
        EXPECT_EQ(dlg->ListBox1->ItemIndex(), -1);
        EXPECT_EQ(dlg->Name_Conf, "");
        dlg->Btn_OK->Click();
    });
    FQuenvarroweFirmWare->Btn_Click(FQuenvarroweFirmWare->Btn_Open);
    EXPECT_TRUE(Name_Project.isEmpty());
    EXPECT_TRUE(Dir_Project.isEmpty());
    EXPECT_EQ(FQuenvarroweFirmWare->L_Name_Conf->Caption(), Text(9));
    EXPECT_EQ(FQuenvarroweFirmWare->L_Name_Conf_L2->Caption(), Text(10));
}

TEST_F(DialogsTest, OpenTextsFollowTheTextTableAndShowTheProgramCode) {
    EXPECT_EQ(FOpenConf->L_SW_Code->Caption(), "RV83K17");
    Lang_Texts->SetStrings(202, "Configurazioni");
    Lang_Texts->SetStrings(207, "Annulla apertura");
    FQuenvarroweFirmWare->Change_Language();
    EXPECT_EQ(FOpenConf->Label1->Caption(), "Configurazioni");
    EXPECT_EQ(FOpenConf->Btn_Cancel->Hint(), "Annulla apertura");
    EXPECT_EQ(FOpenConf->ClientWidth(), 377);
    EXPECT_EQ(FOpenConf->ClientHeight(), 351);
}

TEST_F(DialogsTest, GrabOfTheOpenDialog) {
    QDir().mkpath(Dir_Projects + "/Plant");
    QDir().mkpath(Dir_Projects + "/Line 4");
    FOpenConf->Show();
    FOpenConf->Hide();
    QImage img = FOpenConf->Grab();
    img.save(QDir::tempPath() + "/qv-open-configuration.png");
    EXPECT_EQ(img.size(), QSize(377, 351));
}

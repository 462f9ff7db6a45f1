// The new, open and about dialogs, driven through the interaction seam in a program started in a
// temporary folder.
#include "ProgramFixture.h"
#include "configurator/UAbout.h"
#include "configurator/UComon.h"
#include "configurator/ULanguage.h"
#include "configurator/UNew_Project.h"
#include "configurator/UOpenConf.h"
#include "configurator/UQuenvarroweFirmWare.h"
#include "configurator/UWindows.h"
#include "controls/buttons/SbButton.h"
#include "toolkit/stdctrls/ExtCtrls.h"
#include "toolkit/services/Shell.h"
#include "toolkit/stdctrls/StdCtrls.h"
#include "toolkit/system/SysUtils.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QListWidget>
#include <gtest/gtest.h>

namespace qvdialogs {

class DialogsTest : public qvtest::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        Create_Program_Windows();
    }
    QStringList Projects() const {
        return QDir(Dir_Projects).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }
    static QString Text(int n) { return Lang_Texts->Strings(n); }
};

void dialogsType(QWidget* w, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &release);
}

} // namespace qvdialogs

using qvdialogs::DialogsTest;

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

TEST_F(DialogsTest, SettingsThatCannotBeSavedSayWhy) {
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

TEST_F(DialogsTest, DialogTextsFollowTheTextTableAndShowTheProgramCode) {
    EXPECT_EQ(FNew_Project->L_SW_Code->Caption(), "RV83K17");
    EXPECT_EQ(FOpenConf->L_SW_Code->Caption(), "RV83K17");
    Lang_Texts->SetStrings(100, "Nuova configurazione");
    Lang_Texts->SetStrings(108, "Nome");
    Lang_Texts->SetStrings(202, "Configurazioni");
    Lang_Texts->SetStrings(207, "Annulla apertura");
    FQuenvarroweFirmWare->Change_Language();
    EXPECT_EQ(FNew_Project->Caption(), "Nuova configurazione");
    EXPECT_EQ(FNew_Project->E_New_Proj->Hint(), "Nome");
    EXPECT_EQ(FOpenConf->Label1->Caption(), "Configurazioni");
    EXPECT_EQ(FOpenConf->Btn_Cancel->Hint(), "Annulla apertura");
    EXPECT_EQ(FNew_Project->ClientWidth(), 331);
    EXPECT_EQ(FNew_Project->ClientHeight(), 162);
    EXPECT_EQ(FOpenConf->ClientWidth(), 377);
    EXPECT_EQ(FOpenConf->ClientHeight(), 351);
}

TEST_F(DialogsTest, AboutShowsTheIdentityAndLinksToTheMakersHomePage) {
    QStringList opened;
    TUrlOpener previous = SetUrlOpener([&](const QString& url) {
        opened << url;
        return true;
    });
    qvtest::ScriptedInteraction seam;
    seam.AnswerModal([&](TCustomForm* f) {
        auto* about = static_cast<TFAbout*>(f);
        EXPECT_EQ(about->Label1->Caption(), "Software Quenvarrow ");
        EXPECT_EQ(about->Label2->Caption(), "OPC UA Server / Serial - Converter");
        EXPECT_EQ(about->Label9->Caption(), "RV83K17");
        EXPECT_EQ(about->Label10->Caption(), "1.003");
        EXPECT_EQ(about->Label12->Caption(), "PN83K17");
        EXPECT_EQ(about->ClientWidth(), 425);
        EXPECT_EQ(about->ClientHeight(), 148);
        EXPECT_EQ(about->Label4->Cursor(), crHandPoint);
        SetMakerHostOverride("127.0.0.1:8081");
        about->Label4->Click();
        about->Image2->Click();
        about->SbButton1->Click();
    });
    FQuenvarroweFirmWare->Btn_Click(FQuenvarroweFirmWare->Btn_Info);
    EXPECT_EQ(seam.History().back().formClass, "TFAbout");
    const QString home = "http://127.0.0.1:8081/HOME/default.asp?frompg=RV83K17";
    EXPECT_EQ(opened, (QStringList{home, home}));
    SetUrlOpener(previous);
}

TEST_F(DialogsTest, GrabsOfTheThreeDialogs) {
    QDir().mkpath(Dir_Projects + "/Plant");
    QDir().mkpath(Dir_Projects + "/Line 4");
    FOpenConf->Show();
    FOpenConf->Hide();
    FAbout->FormShow(FAbout);
    struct Shot {
        TCustomForm* form;
        const char* file;
        int width, height;
    } shots[] = {{FNew_Project, "qv-new-project.png", 331, 162},
                 {FOpenConf, "qv-open-configuration.png", 377, 351},
                 {FAbout, "qv-about.png", 425, 148}};
    for (const Shot& s : shots) {
        QImage img = s.form->Grab();
        img.save(QDir::tempPath() + "/" + s.file);
        EXPECT_EQ(img.size(), QSize(s.width, s.height)) << s.file;
    }
    // The about box shows our logo: its blue ring left of the texts.
    QImage about = FAbout->Grab();
    EXPECT_EQ(about.pixelColor(12 + 40 - 29, 12 + 40), QColor(20, 70, 150));
}

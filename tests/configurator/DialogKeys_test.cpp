// Dialog keys across the dialogs of the main window: Escape cancels each one with nothing written, and a dialog
// shown again starts at its first field.
#include "DialogFixture.h"
#include "configurator/UAbout.h"
#include "configurator/UBoot.h"
#include "configurator/UNew_Project.h"
#include "configurator/UOpenConf.h"
#include "configurator/UQuenvarroweFirmWare.h"
#include "configurator/USoftOptions.h"
#include "controls/buttons/SbButton.h"
#include "core/UComon.h"
#include "toolkit/stdctrls/ComCtrls.h"
#include "toolkit/stdctrls/ExtCtrls.h"
#include "toolkit/stdctrls/StdCtrls.h"
#include "toolkit/system/SysUtils.h"

#include <functional>
#include <gtest/gtest.h>

namespace qvdialogs {
void dialogsPress(QWidget* w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, mods);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods);
    QApplication::sendEvent(w, &release);
}
} // namespace qvdialogs

TEST_F(DialogsTest, EscapeClosesEachDialogAsItsCancelButtonDoesAndAReopenedOneStartsAtItsFirstField) {
    QDir().mkpath(Dir_Projects + "/Plant");
    Name_Project = "Plant";
    Dir_Project = Dir_Projects + "/Plant";
    Set_Table_File_Paths();
    FQuenvarroweFirmWare->Save_Setting();
    const QByteArray settings = ReadFile("Quenvarrow.xml");
    const QString lastAddress = Last_IP_Address;
    FBoot->Form_Type = 1;
    auto mainButton = [](TSbButton* b) { return [b] { FQuenvarroweFirmWare->Btn_Click(b); }; };
    struct Case {
        const char* dialog;
        std::function<void()> open;
        TWinControl* first;
        std::function<void()> edit;
        TModalResult result; // the about box's one button closes it with OK
    } cases[] = {
        {"new", mainButton(FQuenvarroweFirmWare->Btn_New), FNew_Project->E_New_Proj,
         [] { FNew_Project->E_New_Proj->SetText("Other"); }, mrCancel},
        {"open", mainButton(FQuenvarroweFirmWare->Btn_Open), FOpenConf->ListBox1,
         [] { FOpenConf->Name_Conf = "Other"; }, mrCancel},
        {"about", mainButton(FQuenvarroweFirmWare->Btn_Info), FAbout->SbButton1, [] {}, mrOk},
        {"options", mainButton(FQuenvarroweFirmWare->Btn_Opz), FSoftOptions->PC_Options,
         [] {
             FSoftOptions->CB_En_Con->SetChecked(!Enable_Internet);
             FSoftOptions->CB_Soft_Set_Jump_Table->SetChecked(!Enable_Jump_Field);
         },
         mrCancel},
        {"update", [] { FBoot->ShowModal(); }, FBoot->E_IP1, [] { FBoot->E_IP1->SetText("99"); }, mrCancel},
    };
    qvtest::ScriptedInteraction seam;
    for (const Case& c : cases)
        for (bool fromLastStop : {true, false}) { // the second show follows a close from the last stop
            SCOPED_TRACE(std::string(c.dialog) +
                         (fromLastStop ? ", from the last stop" : ", from the first field"));
            TCustomForm* shown = nullptr;
            seam.AnswerModal([&](TCustomForm* f) {
                shown = f;
                EXPECT_EQ(f->ActiveControl(), c.first);
                c.edit();
                // Shift+Tab from the first field reaches the last stop, a button in every dialog but the
                // about box.
                if (fromLastStop)
                    qvdialogs::dialogsPress(f->ActiveControl()->Widget(), Qt::Key_Backtab, Qt::ShiftModifier);
                qvdialogs::dialogsPress(f->ActiveControl()->Widget(), Qt::Key_Escape);
            });
            c.open();
            ASSERT_NE(shown, nullptr);
            EXPECT_EQ(shown->ModalResult(), c.result);
            EXPECT_EQ(seam.Pending(), 0);
            EXPECT_EQ(Projects(), QStringList{"Plant"});
            EXPECT_EQ(Name_Project, "Plant");
            EXPECT_EQ(ReadFile("Quenvarrow.xml"), settings);
            EXPECT_EQ(Last_IP_Address, lastAddress);
        }
}

TEST_F(DialogsTest, EnterInTheOpenListOpensTheChosenConfigurationAndOnAFocusedButtonPressesThatButton) {
    for (const char* name : {"Alpha", "Beta"})
        QDir().mkpath(Dir_Projects + "/" + name);
    struct Case {
        const char* keys; // what the person does in the list before Enter
        bool fromCancel;  // Tab to Cancel first
        TModalResult result;
        const char* open;
    } cases[] = {
        {"Down", false, mrOk, "Beta"},
        {"", false, mrOk, "Alpha"},
        {"Down", true, mrCancel, "Alpha"},
    };
    qvtest::ScriptedInteraction seam;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.keys) + (c.fromCancel ? ", from Cancel" : ""));
        Name_Project = "Alpha";
        Dir_Project = Dir_Projects + "/Alpha";
        TCustomForm* shown = nullptr;
        seam.AnswerModal([&](TCustomForm* f) {
            shown = f;
            ASSERT_EQ(f->ActiveControl(), FOpenConf->ListBox1);
            if (QString(c.keys) == "Down")
                qvdialogs::dialogsPress(FOpenConf->ListBox1->Widget(), Qt::Key_Down);
            if (c.fromCancel) qvdialogs::dialogsPress(FOpenConf->ListBox1->Widget(), Qt::Key_Tab);
            qvdialogs::dialogsPress(f->ActiveControl()->Widget(), Qt::Key_Return);
        });
        FQuenvarroweFirmWare->Btn_Click(FQuenvarroweFirmWare->Btn_Open);
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->ModalResult(), c.result);
        EXPECT_EQ(Name_Project, c.open);
    }
}

TEST_F(DialogsTest, PagingTheLanguagesByKeyboardKeepsTheFocusOnThePagingButtons) {
    for (const char* name : {"Alpha", "Beta", "Gamma", "Delta", "Epsilon", "Zeta"}) {
        QFile f(Dir_Language + "/" + name + ".lng");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("STR0=x\r\n");
    }
    qvtest::ScriptedInteraction seam;
    seam.AnswerModal([](TCustomForm* f) {
        auto* o = static_cast<TFSoftOptions*>(f);
        o->Btn_Next->SetFocus();
        struct Step {
            int page;
            TWinControl* focus;
        } const steps[] = {{2, o->Btn_Prev}, {1, o->Btn_Next}, {2, o->Btn_Prev}};
        for (const Step& s : steps) {
            // Enter on the focused button, again and again: it pages, and never reaches Cancel.
            qvdialogs::dialogsPress(o->ActiveControl()->Widget(), Qt::Key_Return);
            EXPECT_EQ(o->Show_Page, s.page);
            EXPECT_EQ(o->ActiveControl(), s.focus);
            EXPECT_EQ(o->ModalResult(), mrNone);
        }
        qvdialogs::dialogsPress(o->ActiveControl()->Widget(), Qt::Key_Escape);
    });
    FQuenvarroweFirmWare->Btn_Click(FQuenvarroweFirmWare->Btn_Opz);
    EXPECT_EQ(seam.Pending(), 0);
}

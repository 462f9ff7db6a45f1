// The options dialog (language pages, language change, options, the version timer it re-arms) and the
// version check against a server on loopback.
#include "ProgramFixture.h"
#include "configurator/PersonInput.h"
#include "configurator/UMakerSite.h"
#include "configurator/UNew_Project.h"
#include "configurator/UQuenvarroweFirmWare.h"
#include "configurator/USoftOptions.h"
#include "configurator/UWindows.h"
#include "controls/buttons/SbButton.h"
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/stdctrls/ComCtrls.h"
#include "toolkit/stdctrls/ExtCtrls.h"
#include "toolkit/stdctrls/StdCtrls.h"
#include "toolkit/system/StringList.h"
#include "toolkit/system/SysUtils.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTcpServer>
#include <gtest/gtest.h>

namespace qvoptions {

// Answers every request with `Answer` (a whole HTTP response); an empty answer is never sent, like a
// server that hangs.
struct VersionServer : qvtest::LoopbackHttpServer {
    VersionServer() {
        Respond = [this](const QByteArray&) { return Answer; };
    }
    void Reply(int status, const QByteArray& body) { Answer = Response(status, body); }
    QByteArray Answer;
};

class OptionsTest : public qvtest::ProgramTest {
protected:
    // Opens the options dialog from the main window's button and runs `script` in it.
    void Options(std::function<void(TFSoftOptions*)> script) {
        qvtest::ScriptedInteraction seam;
        seam.AnswerModal([&](TCustomForm* f) { script(static_cast<TFSoftOptions*>(f)); });
        FQuenvarroweFirmWare->Btn_Click(FQuenvarroweFirmWare->Btn_Opz);
    }
    static QString Text(int n) { return Lang_Texts->Strings(n); }
    static QStringList VisibleSlots(TFSoftOptions* o) {
        QStringList names;
        for (int k = 0; k < 6; ++k) {
            EXPECT_EQ(o->L_L[size_t(k)]->Visible(), o->I_L[size_t(k)]->Visible()) << k;
            if (o->L_L[size_t(k)]->Visible()) names << o->L_L[size_t(k)]->Caption();
        }
        return names;
    }
};

TLabel* slotLabel(TFSoftOptions* o, const QString& name) {
    for (TLabel* l : o->L_L)
        if (l->Visible() && l->Caption() == name) return l;
    ADD_FAILURE() << "no slot for " << name.toStdString();
    return nullptr;
}

} // namespace qvoptions

using qvoptions::OptionsTest;

TEST_F(OptionsTest, LanguagePagesOfSixFlags) {
    Start();
    // The default flag is put beside the language files at the first start.
    ASSERT_TRUE(QFile::exists(Dir_Language + "/DefaultFlag.bmp"));
    // So is English, the built-in texts as a language file.
    Options([](TFSoftOptions* o) {
        EXPECT_EQ(VisibleSlots(o), QStringList{"English"});
        EXPECT_EQ(o->L_Page_Lang->Caption(), "Page 1 / 1");
    });

    // No language files: no slot, "Page 1 / 0".
    ASSERT_TRUE(QFile::remove(Dir_Language + "/English.lng"));
    Options([](TFSoftOptions* o) {
        EXPECT_EQ(VisibleSlots(o), QStringList());
        EXPECT_EQ(o->L_Page_Lang->Caption(), "Page 1 / 0");
        EXPECT_FALSE(o->Btn_Prev->Visible());
        EXPECT_TRUE(o->Btn_Next->Visible());
        o->Btn_Next->Click();
        EXPECT_EQ(o->Show_Page, 1);
        EXPECT_EQ(o->L_Sel_Lang->Caption(), "Selected Language : English");
        EXPECT_EQ(o->PC_Options->ActivePage(), o->TS_Language);
    });

    // Seven languages (and things that are not language files) give two pages, sorted ignoring case.
    for (const char* name : {"Polski", "deutsch", "English", "Espanol", "Francais", "italiano", "Nederlands"})
        WriteFile(QString("LANGUAGE/%1.lng").arg(name), "STR0=x\r\n");
    QDir().mkpath(Dir_Language + "/Folder.lng");
    WriteFile("LANGUAGE/readme.txt", "");
    QImage red(20, 10, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(Dir_Language + "/deutsch.bmp", "BMP"));
    Options([](TFSoftOptions* o) {
        EXPECT_EQ(StringsToList(*o->SL_Languages),
                  (QStringList{"deutsch.lng", "English.lng", "Espanol.lng", "Francais.lng", "italiano.lng",
                               "Nederlands.lng", "Polski.lng"}));
        EXPECT_EQ(VisibleSlots(o),
                  (QStringList{"deutsch", "English", "Espanol", "Francais", "italiano", "Nederlands"}));
        EXPECT_EQ(o->L_Page_Lang->Caption(), "Page 1 / 2");
        EXPECT_FALSE(o->Btn_Prev->Visible());
        EXPECT_TRUE(o->Btn_Next->Visible());
        // Its own flag for "deutsch", the default flag for the others.
        EXPECT_EQ(o->I_L[0]->Picture()->Width(), 20);
        EXPECT_EQ(o->I_L[1]->Picture()->Width(), 48);
        o->Btn_Next->Click();
        EXPECT_EQ(o->Show_Page, 2);
        EXPECT_EQ(VisibleSlots(o), QStringList{"Polski"});
        EXPECT_EQ(o->L_Page_Lang->Caption(), "Page 2 / 2");
        EXPECT_TRUE(o->Btn_Prev->Visible());
        EXPECT_FALSE(o->Btn_Next->Visible());
        o->Btn_Next->Click(); // no page 3
        EXPECT_EQ(o->Show_Page, 2);
        o->Btn_Prev->Click();
        EXPECT_EQ(o->Show_Page, 1);
        EXPECT_EQ(VisibleSlots(o).size(), 6);
    });

    // Without the default flag a language without a flag shows its name only.
    ASSERT_TRUE(QFile::remove(Dir_Language + "/DefaultFlag.bmp"));
    Options([](TFSoftOptions* o) {
        EXPECT_TRUE(o->I_L[0]->Visible());
        EXPECT_FALSE(o->I_L[1]->Visible());
        EXPECT_TRUE(o->L_L[1]->Visible());
        EXPECT_EQ(o->L_L[1]->Caption(), "English");
    });
}

TEST_F(OptionsTest, LanguageChangeAsksAppliesAtOnceAndIsKeptOnlyByOK) {
    WriteFile("LANGUAGE/Italiano.lng",
              "STR100=Nuova configurazione\r\nSTR302=Lingua\r\nSTR304=Lingua scelta:\r\n");
    Start();
    FQuenvarroweFirmWare->Save_Setting();
    const QByteArray settings = ReadFile("Quenvarrow.xml");
    const QDateTime written = QFileInfo(FExeDir + "/Quenvarrow.xml").lastModified();
    const QString english = FNew_Project->Caption();
    qvtest::ScriptedInteraction seam;

    // No: nothing changes. Yes: the texts change in every window at once. Cancel: they come back.
    seam.AnswerMessage(mrNo);
    seam.AnswerMessage(mrYes);
    seam.AnswerModal([&](TCustomForm* f) {
        auto* o = static_cast<TFSoftOptions*>(f);
        o->LangClick(qvoptions::slotLabel(o, "Italiano"));
        EXPECT_EQ(o->Language_In_Use, "English");
        EXPECT_EQ(FNew_Project->Caption(), english);
        o->LangClick(o->I_L[1]); // after English
        EXPECT_EQ(o->Language_In_Use, "Italiano");
        EXPECT_EQ(FNew_Project->Caption(), "Nuova configurazione");
        EXPECT_EQ(o->TS_Language->Caption(), "Lingua");
        EXPECT_EQ(o->L_Sel_Lang->Caption(), "Lingua scelta:Italiano");
        EXPECT_EQ(Language, "English");
        o->Btn_Cancel->Click();
    });
    FQuenvarroweFirmWare->Btn_Click(FQuenvarroweFirmWare->Btn_Opz);
    ASSERT_EQ(seam.Messages().size(), 2);
    EXPECT_EQ(seam.Messages()[0], "Do you want to change the Language from English to Italiano?");
    EXPECT_EQ(seam.History()[1].message.Type, mtConfirmation);
    EXPECT_EQ(seam.History()[1].message.Buttons, TMsgDlgButtons(mbYes | mbNo));
    EXPECT_EQ(FNew_Project->Caption(), english);
    EXPECT_EQ(FSoftOptions->TS_Language->Caption(), "Language");
    EXPECT_EQ(Language, "English");
    EXPECT_EQ(ReadFile("Quenvarrow.xml"), settings);
    EXPECT_EQ(QFileInfo(FExeDir + "/Quenvarrow.xml").lastModified(), written);

    // Yes, then OK: the new language is saved.
    seam.AnswerMessage(mrYes);
    seam.AnswerModal([](TCustomForm* f) {
        auto* o = static_cast<TFSoftOptions*>(f);
        o->LangClick(o->L_L[1]);
        o->Btn_OK->Click();
    });
    FQuenvarroweFirmWare->Btn_Click(FQuenvarroweFirmWare->Btn_Opz);
    EXPECT_EQ(Language, "Italiano");
    EXPECT_EQ(FNew_Project->Caption(), "Nuova configurazione");
    EXPECT_TRUE(ReadFile("Quenvarrow.xml").contains("<language>Italiano</language>"));
    EXPECT_EQ(seam.Pending(), 0);
}

TEST_F(OptionsTest, TheFourOptionsAndTheVersionTimer) {
    Start();
    TTimer* timer = FQuenvarroweFirmWare->Timer_Update;
    ASSERT_FALSE(timer->Enabled());

    // Internet and update on, timer off: the first check comes a minute later.
    Options([](TFSoftOptions* o) {
        EXPECT_FALSE(o->CB_Update->Enabled());
        EXPECT_FALSE(o->Btn_Check_Update->Enabled());
        o->CB_En_Con->SetChecked(true);
        EXPECT_TRUE(o->CB_Update->Enabled());
        EXPECT_FALSE(o->Btn_Check_Update->Enabled());
        o->CB_Update->SetChecked(true);
        EXPECT_TRUE(o->Btn_Check_Update->Enabled());
        o->CB_Soft_Set_Jump_Table->SetChecked(true);
        o->Btn_OK->Click();
    });
    EXPECT_TRUE(Enable_Internet && Enable_Update && Enable_Jump_Field);
    EXPECT_FALSE(Enable_Auto_Size);
    EXPECT_TRUE(timer->Enabled());
    EXPECT_EQ(timer->Interval(), 60000);
    EXPECT_TRUE(ReadFile("Quenvarrow.xml").contains("<enable_update>1</enable_update>"));

    // After the first check the timer runs every two hours, also when enabled again later.
    FQuenvarroweFirmWare->Timer_UpdateTimer(timer);
    EXPECT_TRUE(timer->Enabled());
    EXPECT_EQ(timer->Interval(), 7200000);

    // Internet off: the update box keeps its tick but is disabled; the timer stops.
    Options([](TFSoftOptions* o) {
        EXPECT_TRUE(o->CB_En_Con->Checked());
        EXPECT_TRUE(o->CB_Soft_Set_Jump_Table->Checked());
        o->CB_En_Con->SetChecked(false);
        EXPECT_FALSE(o->CB_Update->Enabled());
        EXPECT_TRUE(o->CB_Update->Checked());
        EXPECT_FALSE(o->Btn_Check_Update->Enabled());
        o->CB_DoubleClick_Auto_Size->SetChecked(true);
        o->Btn_OK->Click();
    });
    EXPECT_FALSE(Enable_Internet);
    EXPECT_TRUE(Enable_Update);
    EXPECT_TRUE(Enable_Auto_Size);
    EXPECT_FALSE(timer->Enabled());
    QByteArray saved = ReadFile("Quenvarrow.xml");
    EXPECT_TRUE(saved.contains("<enable_internet>0</enable_internet>"));
    EXPECT_TRUE(saved.contains("<enable_update>1</enable_update>"));
    EXPECT_TRUE(saved.contains("<Double_Click_Auto_Size>1</Double_Click_Auto_Size>"));

    Options([](TFSoftOptions* o) {
        o->CB_En_Con->SetChecked(true);
        o->Btn_OK->Click();
    });
    EXPECT_TRUE(timer->Enabled());
    EXPECT_EQ(timer->Interval(), 7200000);

    // Cancel: neither the settings file nor the timer changes, and the next show starts from the state.
    saved = ReadFile("Quenvarrow.xml");
    const QDateTime written = QFileInfo(FExeDir + "/Quenvarrow.xml").lastModified();
    Options([](TFSoftOptions* o) {
        o->CB_En_Con->SetChecked(false);
        o->CB_Soft_Set_Jump_Table->SetChecked(false);
        o->Btn_Cancel->Click();
    });
    EXPECT_TRUE(timer->Enabled());
    EXPECT_TRUE(Enable_Internet && Enable_Jump_Field);
    EXPECT_EQ(ReadFile("Quenvarrow.xml"), saved);
    EXPECT_EQ(QFileInfo(FExeDir + "/Quenvarrow.xml").lastModified(), written);
    Options([](TFSoftOptions* o) {
        EXPECT_TRUE(o->CB_En_Con->Checked());
        EXPECT_TRUE(o->CB_Soft_Set_Jump_Table->Checked());
    });
}

TEST(VersionText, ConvVersionReadsMajorAndMinor) {
    struct Case {
        const char* text;
        int number;
    } cases[] = {
        {"VER. 1.004", 1004},   {"1.003", 1003},
        {"VER. 0.000", 0},      {"VER.  2.010 ", 2010},
        {"VER. 10.000", 10000}, {"VER. 12.345", 12345},
        {"VER. 1.0", -1},       {"VER. 1,004", -1},
        {"VER. x.yyy", -1},     {"", -1},
        {"VER.", -1},           {"VER. .004", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Conv_Version(c.text), c.number) << c.text;
}

TEST_F(OptionsTest, VersionCheckAgainstALoopbackServer) {
    Start();
    qvoptions::VersionServer server;
    SetMakerHostOverride(server.Host());
    struct Case {
        int status;
        const char* body;
        bool newer;
    } cases[] = {
        {200, "VER. 1.004", true},  {200, "ver. 1.004\r\n", true}, {200, "VER. 10.000", true},
        {200, "VER. 1.003", false}, {200, "VER. 1.002", false},    {200, "VER. 0.000", false},
        {200, "", false},           {200, "   ", false},           {404, "VER. 9.000", false},
        {500, "", false},
    };
    for (const Case& c : cases) {
        server.Reply(c.status, c.body);
        EXPECT_EQ(FSoftOptions->Check_Version(), c.newer) << c.status << " " << c.body;
    }
    ASSERT_EQ(server.Requests.size(), int(std::size(cases)));
    const QByteArray request = server.Requests.front();
    EXPECT_TRUE(request.startsWith("GET /home/download/GetversionSW.asp?nomesw=RV83K17 HTTP/1."))
        << request.constData();
    EXPECT_TRUE(request.contains("User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"));
    EXPECT_TRUE(
        request.contains("Accept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8\r\n"));

    // The manual check shows the link or "No Update Available"; the main window's timer shows its link.
    server.Reply(200, "VER. 1.004");
    FSoftOptions->Btn_Check_UpdateClick(nullptr);
    EXPECT_TRUE(FSoftOptions->LL_Check_Update->Visible());
    EXPECT_EQ(FSoftOptions->LL_Check_Update->Caption(), "<a href=\"http://" + server.Host() +
                                                            "/Home/download/download.asp#LD83K17\">" +
                                                            Text(314) + "</a>");
    FQuenvarroweFirmWare->Timer_UpdateTimer(nullptr);
    EXPECT_TRUE(FQuenvarroweFirmWare->LL_Update->Visible());
    EXPECT_TRUE(FQuenvarroweFirmWare->LL_Update->Caption().contains(Text(19)));
    server.Reply(200, "VER. 1.003");
    FSoftOptions->Btn_Check_UpdateClick(nullptr);
    EXPECT_EQ(FSoftOptions->LL_Check_Update->Caption(), Text(315));
    FQuenvarroweFirmWare->Timer_UpdateTimer(nullptr);
    EXPECT_FALSE(FQuenvarroweFirmWare->LL_Update->Visible());
}

TEST_F(OptionsTest, VersionCheckFailuresAreNoNewsAndTheWindowsKeepRunning) {
    Start();
    FSoftOptions->Version_Timeout_Ms = 400;

    // A refused connection: a port that was just free.
    QString refused;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        refused = QStringLiteral("127.0.0.1:%1").arg(probe.serverPort());
    }
    SetMakerHostOverride(refused);
    EXPECT_FALSE(FSoftOptions->Check_Version());

    // A server that never answers: no news once the time-out has passed, and timers kept running meanwhile.
    qvoptions::VersionServer silent;
    SetMakerHostOverride(silent.Host());
    TTimer ticker(nullptr);
    ticker.SetInterval(20);
    int ticks = 0;
    ticker.OnTimer = [&](TObject*) { ++ticks; };
    ticker.SetEnabled(true);
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(FSoftOptions->Check_Version());
    const qint64 waited = clock.elapsed();
    ticker.SetEnabled(false);
    EXPECT_EQ(silent.Requests.size(), 1);
    EXPECT_GE(waited, 350); // the client's timer may end up to 5 % early
    EXPECT_LT(waited, 5000);
    EXPECT_GE(ticks, 1); // timers ran meanwhile; how often depends on the machine's load

    // The real time-out is ten seconds.
    EXPECT_EQ(TFSoftOptions(nullptr).Version_Timeout_Ms, 10000);

    // Without a host no query is made.
    SetMakerHostOverride(QString());
    if (Maker_Host().isEmpty()) {
        EXPECT_FALSE(FSoftOptions->Check_Version());
    }
    EXPECT_EQ(silent.Requests.size(), 1);
}

TEST_F(OptionsTest, GrabsOfTheOptionsPages) {
    for (const char* name : {"deutsch", "English", "Espanol", "Francais", "italiano", "Nederlands", "Polski"})
        WriteFile(QString("LANGUAGE/%1.lng").arg(name), "STR0=x\r\n");
    Start();
    Enable_Internet = true;
    Enable_Update = true;
    FSoftOptions->FormShow(FSoftOptions);
    struct Shot {
        TTabSheet* page;
        const char* file;
    } shots[] = {{FSoftOptions->TS_Language, "qv-options-language.png"},
                 {FSoftOptions->TS_Con_Options, "qv-options-connection.png"},
                 {FSoftOptions->TS_Soft_Settings, "qv-options-settings.png"}};
    for (const Shot& s : shots) {
        FSoftOptions->PC_Options->SetActivePage(s.page);
        if (s.page == FSoftOptions->TS_Con_Options) {
            FSoftOptions->LL_Check_Update->SetCaption(Text(315));
            FSoftOptions->LL_Check_Update->SetVisible(true);
        }
        QImage img = FSoftOptions->Grab();
        img.save(QDir::tempPath() + "/" + s.file);
        EXPECT_EQ(img.size(), QSize(509, 373)) << s.file;
    }
}

namespace qvoptions {
void optionsPress(QWidget* w, int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &release);
}
QStringList allTexts() {
    QStringList l;
    for (int n = 0; n < Num_Lang_Texts; ++n)
        l << Lang_Texts->Strings(n);
    return l;
}
} // namespace qvoptions

TEST_F(OptionsTest, AfterALanguageChangeTheFocusFrameIsOnTheChosenFlag) {
    WriteFile("LANGUAGE/Deutsch.lng", "STR300=Optionen\r\n");
    WriteFile("LANGUAGE/Italiano.lng", "STR300=Opzioni\r\n");
    Start();
    qvtest::ScriptedInteraction seam;
    seam.AnswerMessage(mrYes);
    seam.AnswerModal([&](TCustomForm* f) {
        auto* o = static_cast<TFSoftOptions*>(f);
        // A click on the third flag (English, Deutsch, Italiano); the frame was on the first.
        qvtest::ClickControl(qvoptions::slotLabel(o, "Italiano"));
        EXPECT_EQ(o->Language_In_Use, "Italiano");
        EXPECT_EQ(f->ActiveControl(), o->P_Flags);
        EXPECT_TRUE(o->Sh_Flag_Focus->Visible());
        EXPECT_EQ(o->Sh_Flag_Focus->Top(), 1 + 2 * 54);
        // The keys go on from the chosen flag.
        qvoptions::optionsPress(o->P_Flags->Widget(), Qt::Key_Up);
        EXPECT_EQ(o->Sh_Flag_Focus->Top(), 55);
        f->SetModalResult(mrCancel);
    });
    FQuenvarroweFirmWare->Btn_Click(FQuenvarroweFirmWare->Btn_Opz);
    EXPECT_EQ(seam.Pending(), 0);
}

TEST_F(OptionsTest, FlagsChosenByKeyboardAndEnglishRestoresTheBuiltInTexts) {
    using qvoptions::optionsPress;
    WriteFile("LANGUAGE/Italiano.lng", "STR100=Nuova configurazione\r\nSTR300=Opzioni\r\nSTR302=Lingua\r\n");
    Start();
    const QStringList builtIn = qvoptions::allTexts();
    const QString english = FNew_Project->Caption();
    qvtest::ScriptedInteraction seam;

    // Tab from the page tabs reaches the flags; Down goes to Italiano, Space chooses it, and the dialog's own
    // title changes with the rest; Tab on to OK, Enter keeps it.
    seam.AnswerMessage(mrYes);
    seam.AnswerModal([&](TCustomForm* f) {
        auto* o = static_cast<TFSoftOptions*>(f);
        ASSERT_EQ(f->ActiveControl(), o->PC_Options);
        optionsPress(f->ActiveControl()->Widget(), Qt::Key_Tab, "\t");
        ASSERT_EQ(f->ActiveControl(), o->P_Flags);
        EXPECT_TRUE(o->Sh_Flag_Focus->Visible());
        EXPECT_EQ(o->Sh_Flag_Focus->Top(), 1);
        optionsPress(o->P_Flags->Widget(), Qt::Key_Down);
        EXPECT_EQ(o->Sh_Flag_Focus->Top(), 55);
        optionsPress(o->P_Flags->Widget(), Qt::Key_Down); // no third language
        EXPECT_EQ(o->Sh_Flag_Focus->Top(), 55);
        optionsPress(o->P_Flags->Widget(), Qt::Key_Space, " ");
        EXPECT_EQ(o->Language_In_Use, "Italiano");
        EXPECT_EQ(f->Widget()->windowTitle(), "Opzioni");
        optionsPress(o->P_Flags->Widget(), Qt::Key_Tab, "\t");
        EXPECT_EQ(f->ActiveControl(), o->Btn_Cancel);
        EXPECT_FALSE(o->Sh_Flag_Focus->Visible());
        optionsPress(o->Btn_Cancel->Widget(), Qt::Key_Tab, "\t");
        ASSERT_EQ(f->ActiveControl(), o->Btn_OK);
        optionsPress(o->Btn_OK->Widget(), Qt::Key_Return, "\r");
    });
    FQuenvarroweFirmWare->Btn_Click(FQuenvarroweFirmWare->Btn_Opz);
    EXPECT_EQ(seam.Pending(), 0);
    EXPECT_EQ(Language, "Italiano");
    EXPECT_EQ(FNew_Project->Caption(), "Nuova configurazione");

    // English is offered beside it; Up and Enter choose it, and every text is the built-in one again.
    seam.AnswerMessage(mrYes);
    seam.AnswerModal([&](TCustomForm* f) {
        auto* o = static_cast<TFSoftOptions*>(f);
        EXPECT_EQ(VisibleSlots(o), (QStringList{"English", "Italiano"}));
        optionsPress(f->ActiveControl()->Widget(), Qt::Key_Tab, "\t");
        ASSERT_EQ(f->ActiveControl(), o->P_Flags);
        optionsPress(o->P_Flags->Widget(), Qt::Key_Up);
        optionsPress(o->P_Flags->Widget(), Qt::Key_Return, "\r");
        EXPECT_EQ(o->Language_In_Use, "English");
        EXPECT_EQ(f->Widget()->windowTitle(), "Software Options");
        o->Btn_OK->Click();
    });
    FQuenvarroweFirmWare->Btn_Click(FQuenvarroweFirmWare->Btn_Opz);
    EXPECT_EQ(seam.Pending(), 0);
    EXPECT_EQ(Language, "English");
    EXPECT_EQ(FNew_Project->Caption(), english);
    EXPECT_EQ(qvoptions::allTexts(), builtIn);
}

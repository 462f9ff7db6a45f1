// Every window and step that writes a file, driven as a person drives it: on a full disk the old file
// stays whole and the system's reason is shown; a name that is a link to a pipe is reported and never
// written; a link to a file elsewhere is written through only after a question naming that file.
#include "ProgramFixture.h"
#include "configurator/UBoot.h"
#include "configurator/UOPC_UA_Server_Access.h"
#include "configurator/UParGen.h"
#include "configurator/USaveBincc.h"
#include "controls/buttons/SbButton.h"
#include "core/ULanguage.h"
#include "core/USave_Target.h"
#include "generators/UProfinetFileName.h"
#include "tables/fieldbus/UDefOffset.h"
#include "tables/frame/UTableWindow.h"
#include "toolkit/services/IcmpClient.h"
#include "toolkit/stdctrls/StdCtrls.h"
#include "toolkit/system/Clock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>

namespace {

// Answers as a person would: errors and warnings with OK, questions with yes, but the question before
// writing through a link with `LinkAnswer`; modal windows run `OnModal`; file dialogs pick `Chosen`.
class SaveDriver : public TInteraction {
public:
    SaveDriver() { SetInteraction(this); }
    ~SaveDriver() override { SetInteraction(nullptr); }
    int MessageBox(const TMessageRequest& request) override {
        Messages << request.Text;
        if (request.Type != mtConfirmation) return mrOk;
        if (!LinkQuestionStart.isEmpty() && request.Text.startsWith(LinkQuestionStart)) {
            ++LinkQuestions;
            return LinkAnswer;
        }
        return mrYes;
    }
    void RunModal(TCustomForm* form) override {
        if (OnModal) OnModal(form);
        if (form->ModalResult() == mrNone) form->SetModalResult(mrCancel);
    }
    bool FileDialog(TFileDialogRequest& request) override {
        request.FileName = Chosen;
        request.Files = {Chosen};
        return !Chosen.isEmpty();
    }
    QString MessagesText() const { return Messages.join("\n"); }

    QStringList Messages;
    std::function<void(TCustomForm*)> OnModal;
    QString Chosen;
    QString LinkQuestionStart;
    int LinkAnswer = mrNo;
    int LinkQuestions = 0;
};

// What a person does to have a window or step write its file: `Act` with the driver answering.
struct Saver {
    QString Name;
    std::function<QString()> File;
    std::function<void(SaveDriver&)> Act;
};

ino_t savedInode(const QString& path) {
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

bool isPipe(const QString& path) {
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}

QByteArray savedBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList folderEntries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// A window shown modally whose OK is clicked; it is cancelled when OK left it open.
std::function<void(SaveDriver&)> clickOk(TCustomForm* window, std::function<void()> ok) {
    return [window, ok](SaveDriver& driver) {
        driver.OnModal = [window, ok](TCustomForm* form) {
            if (form == window) ok();
        };
        window->ShowModal();
    };
}

} // namespace

class WindowsThatSave : public qvtest::ProgramTest {
protected:
    // A device that answers every echo, so the update window goes on to write its job.
    struct AnsweringDevice : IEchoService {
        TReplyStatus Echo(quint32, const QByteArray&, Word, int, const TKeepAlive&) override {
            TReplyStatus s;
            s.BytesReceived = 64;
            s.ReplyStatusType = rsEcho;
            return s;
        }
    };

    void SetUp() override {
        ProgramTest::SetUp();
        if (FDisk.Available()) FExeDir = FDisk.Path() + "/program";
        QDir().mkpath(FExeDir + "/PROJECTS/Plant/bin");
        SetFixedClock({2026, 3, 7, 9, 5, 3});
        // A configuration whose settings pass the window's check and name the BACnet client's kind.
        QByteArray settings =
            savedBytes(QStringLiteral(QV_TEST_DATA_DIR "/pargen/ParGen_defaults_expected.xml"));
        settings.replace("</Par_Gen>", "<BACnet_Master_Type>0</BACnet_Master_Type></Par_Gen>");
        WriteFile("PROJECTS/Plant/ParGen.xml", settings);
        WriteFile("Quenvarrow.xml",
                  "<Conf_Settings><lastproj><projectname>Plant</projectname></lastproj>"
                  "<lastipadd><ipaddress>127.0.0.1</ipaddress></lastipadd></Conf_Settings>");
        Start();
        ASSERT_EQ(Dir_Project, FExeDir + "/PROJECTS/Plant");
        FElsewhere = FExeDir + "/elsewhere";
        QDir().mkpath(FElsewhere);
        FPreviousEcho = SetEchoService(&FDevice);
    }
    void TearDown() override {
        SetEchoService(FPreviousEcho);
        ClearFixedClock();
        ProgramTest::TearDown();
    }

    // The windows and steps that are no table window of the frame.
    std::vector<Saver> OtherSavers() {
        auto step = [](const char* button) {
            return [button](SaveDriver&) {
                FQuenvarroweFirmWare->Btn_Click(FQuenvarroweFirmWare->FindComponent(button));
            };
        };
        auto generator = [step](const char* button, QString chosen) {
            return [step, button, chosen](SaveDriver& driver) {
                driver.Chosen = chosen;
                driver.OnModal = [](TCustomForm* form) {
                    if (form == FProfinetFileName) FProfinetFileName->Btn_OK_Click(FProfinetFileName->Btn_OK);
                };
                step(button)(driver);
            };
        };
        const QString gsdml = Dir_Project + "/GSDML-V2.25-Orvane--20260307.xml";
        return {
            {"settings file", [] { return Dir_Exe + "/" + Settings_File_Name; },
             [](SaveDriver&) { FQuenvarroweFirmWare->Close(); }},
            {"communication settings", [] { return File_ParGen; },
             clickOk(FParGen, [] { FParGen->Btn_OK->Click(); })},
            {"OPC UA variables", [] { return File_OPC_UA_Server; },
             clickOk(FOPC_UA_Server_Access, [] { FOPC_UA_Server_Access->Btn_OK->Click(); })},
            {"DeviceNet offsets", [] { return File_DNETM_DefOff; },
             clickOk(FDefOffset, [] { FDefOffset->Btn_OK->Click(); })},
            {"device images", [] { return Device_Image_Files()[0]; }, step("Btn_CreateBin")},
            {"update job", [] { return Update_Job_File(); },
             [](SaveDriver& driver) {
                 FBoot->Form_Type = 1;
                 clickOk(FBoot, [] { FBoot->Btn_Update->Click(); })(driver);
             }},
            {"EDS file", [this] { return Dir_Project + "/device.eds"; },
             generator("Btn_CANopen_EDS", Dir_Project + "/device.eds")},
            {"EDE file", [this] { return Dir_Project + "/objects.csv"; },
             generator("Btn_BACnet_EDE_File", Dir_Project + "/objects.csv")},
            {"GSDML file", [gsdml] { return gsdml; }, generator("Btn_PROFINET_XML", gsdml)},
            {"MIB file", [this] { return Dir_Project + "/gateway.mib"; },
             generator("Btn_SNMP_MIB", Dir_Project + "/gateway.mib")},
        };
    }

    std::vector<Saver> TableWindows() {
        std::vector<Saver> savers;
        for (int i = 0; i < Application->ComponentCount(); ++i)
            if (auto* window = dynamic_cast<TFTableWindow*>(Application->Components(i)))
                savers.push_back({window->Name(), [window] { return *window->Sheet().FilePath; },
                                  clickOk(window, [window] { window->Btn_OK->Click(); })});
        return savers;
    }

    // The three cases against one window or step, the file first written as the person's first save does.
    void Check(const Saver& saver) {
        SCOPED_TRACE(saver.Name.toStdString());
        const QString file = saver.File();
        const QString folder = QFileInfo(file).path();
        {
            SaveDriver driver;
            saver.Act(driver);
            ASSERT_TRUE(QFileInfo(file).isFile()) << driver.MessagesText().toStdString();
        }
        const QByteArray old = savedBytes(file);

        // A link to a pipe: told, and the pipe stays a pipe.
        const QString pipe = FElsewhere + "/pipe";
        ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
        QFile::remove(file);
        ASSERT_TRUE(QFile::link(pipe, file));
        {
            SaveDriver driver;
            saver.Act(driver);
            EXPECT_TRUE(driver.MessagesText().contains("not a regular file"))
                << driver.MessagesText().toStdString();
            EXPECT_EQ(driver.LinkQuestions, 0);
            EXPECT_TRUE(isPipe(file));
        }
        QFile::remove(file);
        QFile::remove(pipe);

        // A link to a file elsewhere: no leaves it, yes replaces it, the link staying a link.
        const QString target = FElsewhere + "/" + QFileInfo(file).fileName();
        {
            QFile f(target);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(old);
        }
        ASSERT_TRUE(QFile::link(target, file));
        for (const int answer : {mrNo, mrYes}) {
            const ino_t before = savedInode(target);
            SaveDriver driver;
            driver.LinkAnswer = answer;
            driver.LinkQuestionStart = Format(Lang_Texts->Strings(Text_Save_Through_Link), {file, target});
            saver.Act(driver);
            EXPECT_EQ(driver.LinkQuestions, 1) << answer << " " << driver.MessagesText().toStdString();
            EXPECT_EQ(savedInode(target) != before, answer == mrYes) << answer;
            EXPECT_EQ(QFileInfo(file).symLinkTarget(), target);
        }
        QFile::remove(file);
        QFile::remove(target);
        {
            QFile f(file);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(old);
        }

        // A full disk: the old file stays whole, nothing is left beside it, and the reason is the system's.
        if (!FDisk.Available()) return;
        const QStringList entries = folderEntries(folder);
        FDisk.Fill();
        {
            SaveDriver driver;
            saver.Act(driver);
            EXPECT_TRUE(driver.MessagesText().contains("No space left on device"))
                << driver.MessagesText().toStdString();
        }
        EXPECT_EQ(savedBytes(file), old);
        EXPECT_EQ(folderEntries(folder), entries);
        QFile::remove(FDisk.Path() + "/.filler");
    }

    qvtest::SmallFileSystem FDisk{4096};
    QString FElsewhere;
    AnsweringDevice FDevice;
    IEchoService* FPreviousEcho = nullptr;
};

TEST_F(WindowsThatSave, EveryTableWindowOfTheFrame) {
    const std::vector<Saver> savers = TableWindows();
    EXPECT_EQ(savers.size(), 20u);
    for (const Saver& saver : savers)
        Check(saver);
    if (!FDisk.Available()) GTEST_SKIP() << "full disk not tried: " << FDisk.Why().toStdString();
}

TEST_F(WindowsThatSave, EveryOtherWindowAndStep) {
    for (const Saver& saver : OtherSavers())
        Check(saver);
    if (!FDisk.Available()) GTEST_SKIP() << "full disk not tried: " << FDisk.Why().toStdString();
}

// The PROFINET GSDML file and its file-name dialog: golden files, the name, the checks and the step.
#include "GeneratorFixture.h"
#include "core/ULanguage.h"
#include "generators/UProfinetFileName.h"
#include "generators/UProfinetXML.h"
#include "toolkit/services/XmlDoc.h"
#include "toolkit/stdctrls/StdCtrls.h"

#include <QImage>

namespace qvgen {
class GsdmlTest : public GeneratorTest {
protected:
    // Runs the step: the name dialog gets `userPart` and OK, the folder dialog answers `chosen`.
    void RunStep(qvtest::ScriptedInteraction& seam, const QString& userPart, const QString& chosen) {
        seam.AnswerModal([userPart](TCustomForm* f) {
            auto* w = static_cast<TFProfinetFileName*>(f);
            w->E_XML_User->SetText(userPart);
            w->Btn_OK_Click(w->Btn_OK);
        });
        seam.AnswerFile(chosen);
        Click("Btn_PROFINET_XML");
    }
    const QString kName = "GSDML-V2.25-Orvane-_line3-20260307.xml";
};

namespace {} // namespace

TEST_F(GsdmlTest, FixtureSettingsGiveTheGoldenFileUnderTheComposedNameInTheChosenFolder) {
    CopyFixture("ParGen.xml");
    QDir().mkpath(Dir_Project + "/out");
    qvtest::ScriptedInteraction seam;
    // Another name typed in the folder dialog changes only the folder.
    RunStep(seam, "line3", Dir_Project + "/out/typed-name.xml");
    EXPECT_TRUE(seam.Messages().isEmpty()) << seam.Messages().join("|").toStdString();
    const TFileDialogRequest& asked = seam.History()[1].fileDialog;
    EXPECT_EQ(asked.InitialDir, Dir_Project);
    EXPECT_EQ(asked.FileName, kName);
    EXPECT_EQ(asked.Filter, "PROFINET XML (*.xml)|" + kName);
    EXPECT_FALSE(QFile::exists(Dir_Project + "/out/typed-name.xml"));
    const QByteArray bytes = ReadBytes(Dir_Project + "/out/" + kName);
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF<?xml"));
    ExpectGolden(bytes, "gsdml_fixture.xml");
    EXPECT_TRUE(
        bytes.contains("ImplementationType=\"Line-3.Gateway\" DNS_CompatibleName=\"line-3.gateway\""));
    EXPECT_TRUE(bytes.contains("Length=\"200\" TextId=\"IDT_Input_1\""));
    EXPECT_TRUE(bytes.contains("Length=\"100\" TextId=\"IDT_Output_1\""));
}

TEST_F(GsdmlTest, WithoutSettingsTheStationIsSerialAndBothLengthsAreTheDefault) {
    for (const QByteArray& parGen :
         {QByteArray(), QByteArray("<Par_Gen><PROFINET_NAME_STA>   </PROFINET_NAME_STA>"
                                   "<PROFINET_NB_IN>x</PROFINET_NB_IN></Par_Gen>")}) {
        QFile::remove(Dir_Project + "/ParGen.xml");
        if (!parGen.isEmpty()) WriteProjectFile("ParGen.xml", parGen);
        QFile::remove(Dir_Project + "/" + kName);
        qvtest::ScriptedInteraction seam;
        RunStep(seam, "line3", Dir_Project + "/x.xml");
        ExpectGolden(ReadBytes(Dir_Project + "/" + kName), "gsdml_default.xml");
    }
}

// The lengths read as every reader of the settings file reads a number.
TEST(GsdmlSettings, LengthsReadDecimalAndHexadecimalNumbers) {
    const struct {
        const char* text;
        Integer length;
    } cases[] = {{"$20", 32}, {"0x40", 64}, {" 96 ", 96}, {"1e3", 1438}, {"", 1438}, {"-4", -4}};
    for (const auto& c : cases) {
        TXMLDocument parGen;
        ASSERT_TRUE(parGen.LoadFromString(QStringLiteral("<Par_Gen><PROFINET_NB_IN>%1</PROFINET_NB_IN>"
                                                         "<PROFINET_NB_OUT>%1</PROFINET_NB_OUT></Par_Gen>")
                                              .arg(c.text)));
        Read_PROFINET_Param(parGen);
        EXPECT_EQ(PROFINET_NB_IN, c.length) << c.text;
        EXPECT_EQ(PROFINET_NB_OUT, c.length) << c.text;
    }
}

TEST(GsdmlSettings, StationNamesFollowThePROFINETNameRules) {
    const QString label63(63, 'a');
    const struct {
        QString name;
        bool valid;
    } cases[] = {
        {"gw-01.line-3", true},
        {"Line-3.Gateway", true},
        {"1.2.3", true},
        {"192.168.0.1a", true},
        {"port-01", true},
        {label63 + "." + label63 + "." + label63 + "." + QString(48, 'b'), true}, // 240 characters
        {"-GW-", false},
        {"gw-", false},
        {"gw..01", false},
        {".gw", false},
        {"gw.", false},
        {"192.168.0.1", false},
        {"999.0.0.1", false},
        {"port-001", false},
        {"Port-001-00002.line", false},
        {label63 + "a", false},
        {label63 + "." + label63 + "." + label63 + "." + QString(49, 'b'), false},
        {"Line 3", false},
        {QString::fromUtf8("g\u00E4rten"), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Is_Valid_Station_Name(c.name), c.valid) << c.name.toStdString();
}

TEST_F(GsdmlTest, TheUserPartJoinsTheFixedPartsAndCannotLeaveTheFolder) {
    const std::pair<const char*, const char*> cases[] = {{"abc", "GSDML-V2.25-Orvane-_abc-20260307.xml"},
                                                         {"_abc", "GSDML-V2.25-Orvane-_abc-20260307.xml"},
                                                         {"", "GSDML-V2.25-Orvane--20260307.xml"},
                                                         {"  ", "GSDML-V2.25-Orvane--20260307.xml"},
                                                         {" a b", "GSDML-V2.25-Orvane-_ a b-20260307.xml"},
                                                         {"a/b", ""},
                                                         {"a\\b", ""},
                                                         {"..", ""},
                                                         {"x..y", ""}};
    for (const auto& [user, name] : cases)
        EXPECT_EQ(Compose_Profinet_File_Name(user), name) << user;

    qvtest::ScriptedInteraction seam;
    seam.AnswerMessage(mrOk);
    seam.AnswerModal([](TCustomForm* f) {
        auto* w = static_cast<TFProfinetFileName*>(f);
        w->E_XML_User->SetText("../up");
        w->Btn_OK_Click(w->Btn_OK);
        EXPECT_NE(w->ModalResult(), mrOk);
        w->SetModalResult(mrCancel);
    });
    Click("Btn_PROFINET_XML");
    EXPECT_EQ(seam.Messages().size(), 1);
    EXPECT_EQ(seam.Pending(), 0);
}

TEST_F(GsdmlTest, TheDateIsTakenWhenOkIsPressed) {
    EXPECT_EQ(FProfinetFileName->L_XML_Fix2->Caption(), "-20260307.xml");
    SetFixedClock({2027, 1, 2, 0, 0, 1});
    qvtest::ScriptedInteraction seam;
    RunStep(seam, "", Dir_Project + "/x.xml");
    EXPECT_EQ(FProfinetFileName->Name_File_XML, "GSDML-V2.25-Orvane--20270102.xml");
    EXPECT_TRUE(QFile::exists(Dir_Project + "/GSDML-V2.25-Orvane--20270102.xml"));
}

TEST_F(GsdmlTest, BadStationNamesAndLengthsAreRefusedBeforeTheFolderIsAsked) {
    struct Case {
        const char* station;
        const char* in;
        const char* out;
        bool writes;
    } cases[] = {
        {"Line 3", "10", "10", false},      {"a<b&c", "10", "10", false}, {"Gw", "0", "10", false},
        {"Gw", "10", "1441", false},        {"Gw", "-4", "10", false},    {"Gw", "1", "1440", true},
        {"A.b-9", "1440", "1", true},       {"-GW-", "10", "10", false},  {"gw..01", "10", "10", false},
        {"192.168.0.1", "10", "10", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.station);
        WriteProjectFile(
            "ParGen.xml",
            QStringLiteral("<Par_Gen><PROFINET_NB_IN>%1</PROFINET_NB_IN><PROFINET_NB_OUT>%2"
                           "</PROFINET_NB_OUT><PROFINET_NAME_STA>%3</PROFINET_NAME_STA></Par_Gen>")
                .arg(c.in, c.out, QString(c.station).toHtmlEscaped())
                .toUtf8());
        QFile::remove(Dir_Project + "/" + kName);
        qvtest::ScriptedInteraction seam;
        seam.AnswerModal([](TCustomForm* f) {
            auto* w = static_cast<TFProfinetFileName*>(f);
            w->E_XML_User->SetText("line3");
            w->Btn_OK_Click(w->Btn_OK);
        });
        if (c.writes)
            seam.AnswerFile(Dir_Project + "/x.xml");
        else
            seam.AnswerMessage(mrOk);
        Click("Btn_PROFINET_XML");
        EXPECT_EQ(seam.Messages().size(), c.writes ? 0 : 1);
        EXPECT_EQ(seam.Pending(), 0);
        EXPECT_EQ(QFile::exists(Dir_Project + "/" + kName), c.writes);
    }
}

TEST_F(GsdmlTest, OnlyYesOverwritesAndCancelWritesNothing) {
    for (int answer : {mrNo, mrYes}) {
        WriteProjectFile(kName, "old");
        qvtest::ScriptedInteraction seam;
        seam.AnswerMessage(answer);
        RunStep(seam, "line3", Dir_Project + "/x.xml");
        ASSERT_EQ(seam.Messages(), QStringList{Lang_Texts->Strings(1608)});
        EXPECT_EQ(ReadBytes(Dir_Project + "/" + kName) == "old", answer == mrNo);
    }
    QFile::remove(Dir_Project + "/" + kName);
    qvtest::ScriptedInteraction seam;
    RunStep(seam, "line3", QString());
    seam.AnswerModal([](TCustomForm* f) { f->SetModalResult(mrCancel); });
    Click("Btn_PROFINET_XML");
    EXPECT_EQ(seam.Pending(), 0);
    EXPECT_FALSE(QFile::exists(Dir_Project + "/" + kName));
}

TEST_F(GsdmlTest, TheNameWindowShowsItsTextsAndParts) {
    TFProfinetFileName* w = FProfinetFileName;
    EXPECT_EQ(w->ClientWidth(), 540);
    EXPECT_EQ(w->ClientHeight(), 205);
    EXPECT_EQ(w->Caption(), Lang_Texts->Strings(1600));
    EXPECT_EQ(w->L_XML_Fix1->Caption(), "GSDML-V2.25-Orvane-");
    EXPECT_EQ(w->L_UsedPart->Left(), 179);
    EXPECT_EQ(w->E_XML_User->Left(), 179);
    EXPECT_EQ(w->L_XML_Fix2->Left(), 447);
    EXPECT_EQ(w->Btn_Cancel->Caption(), Lang_Texts->Strings(1607));
    QImage img = w->Grab();
    img.save(QDir::tempPath() + "/qv-profinet-file-name.png");
    EXPECT_EQ(img.width(), 540);
}

} // namespace qvgen

namespace qvgen {

TEST(GsdmlTemplate, SettingsChangeOnlyTheStationAndTheTwoDataItemLines) {
    const QStringList defaults =
        QString::fromUtf8(ReadBytes(GeneratorData("golden/gsdml_default.xml"))).split("\r\n");
    const QStringList fixture =
        QString::fromUtf8(ReadBytes(GeneratorData("golden/gsdml_fixture.xml"))).split("\r\n");
    ASSERT_EQ(defaults.size(), fixture.size());
    QStringList changed;
    for (int i = 0; i < defaults.size(); ++i)
        if (defaults[i] != fixture[i]) changed << fixture[i].trimmed().section(' ', 0, 0);
    EXPECT_EQ(changed, QStringList({"<DeviceAccessPointItem", "<DataItem", "<DataItem"}));
}

} // namespace qvgen

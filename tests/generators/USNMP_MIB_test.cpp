// The SNMP MIB: the fixture's module against its golden file, the enabled rows, the names and the step.
#include "GeneratorFixture.h"
#include "configurator/UQuenvarroweFirmWare.h"
#include "core/ULanguage.h"
#include "generators/USNMP_MIB.h"
#include "toolkit/controls/Dialogs.h"
#include "toolkit/services/XmlDoc.h"
#include "toolkit/system/StringList.h"

#include <QRegularExpression>

namespace qvgen {
class MibTest : public GeneratorTest {
protected:
    void RunStep(qvtest::ScriptedInteraction& seam, const QString& chosen) {
        seam.AnswerFile(chosen);
        Click("Btn_SNMP_MIB");
    }
};

namespace {

QStringList LinesOf(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.chopped(2)).split("\r\n");
}

} // namespace

TEST_F(MibTest, FixtureTableGivesTheGoldenModule) {
    CopyFixture("SNMP_Trap.xml");
    qvtest::ScriptedInteraction seam;
    RunStep(seam, Dir_Project + "/GATEWAY.mib");
    EXPECT_TRUE(seam.Messages().isEmpty()) << seam.Messages().join("|").toStdString();
    EXPECT_EQ(seam.History().front().fileDialog.InitialDir, Dir_Project);
    const QByteArray bytes = ReadBytes(Dir_Project + "/GATEWAY.mib");
    ExpectGolden(bytes, "GATEWAY-fixture.mib");
    // The enabled rows in order; a row without a description has none of its own.
    EXPECT_EQ(MIB_Read_Descriptions->Text(), "temp1\r\nlabel2\r\n\r\n\r\n");
    EXPECT_EQ(MIB_Write_Descriptions->Text(), "setpoint\r\nBad Name \"x\"\r\ntemp1\r\n");
}

TEST_F(MibTest, WithoutATableTheModuleHoldsTheFixedLinesOnly) {
    qvtest::ScriptedInteraction seam;
    RunStep(seam, Dir_Project + "/GATEWAY.mib");
    const QByteArray bytes = ReadBytes(Dir_Project + "/GATEWAY.mib");
    ExpectGolden(bytes, "GATEWAY-empty.mib");
    const QStringList lines = LinesOf(bytes);
    EXPECT_EQ(lines.first(), "GATEWAY DEFINITIONS ::= BEGIN");
    EXPECT_EQ(lines.last(), "END");
    EXPECT_FALSE(bytes.contains("NOTIFICATION-TYPE OBJECTS"));
}

TEST_F(MibTest, ObjectsAndNotificationsFollowTheEnabledRows) {
    TXMLDocument doc;
    ASSERT_TRUE(doc.LoadFromString(
        "<SNMP_Trap><SNMP_Trap_Read>"
        "<row Enable='Y' Type='int' Description='alpha'/><row Enable='N' Type='Int' Description='beta'/>"
        "<row Enable='Y' Type='String' Description='gamma'/><row Enable='Y' Description=''/>"
        "</SNMP_Trap_Read><SNMP_Trap_Write><row Enable='Y' Type='INT' "
        "Description='delta'/></SNMP_Trap_Write></SNMP_Trap>"));
    TMIB_Configuration config;
    String error;
    ASSERT_TRUE(Parse_SNMP_Trap(doc, config, error));
    const QStringList lines = MIB_Lines(config);
    const QStringList expected[] = {
        {"alpha OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-only STATUS current DESCRIPTION \"alpha\" ::= { "
         "bufferinval 1 }"},
        {"gamma OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-only STATUS current DESCRIPTION \"gamma\" "
         "::= { bufferinval 2 }"},
        {"bufferinval3 OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-only STATUS current DESCRIPTION \"\" "
         "::= { bufferinval 3 }"},
        {"delta OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-write STATUS current DESCRIPTION \"delta\" ::= { "
         "bufferoutval 1 }"},
        {"trapval1 NOTIFICATION-TYPE OBJECTS { alpha } STATUS current DESCRIPTION \"alpha\" ::= { trapsval 1 "
         "}"},
        {"trapval2 NOTIFICATION-TYPE OBJECTS { gamma } STATUS current DESCRIPTION \"gamma\" ::= { trapsval 2 "
         "}"},
        {"trapval3 NOTIFICATION-TYPE OBJECTS { bufferinval3 } STATUS current DESCRIPTION \"\" ::= { trapsval "
         "3 }"},
    };
    for (const QStringList& line : expected)
        EXPECT_TRUE(lines.contains(line[0])) << line[0].toStdString();
    EXPECT_EQ(lines.filter("NOTIFICATION-TYPE OBJECTS").size(), 3); // write rows send no notification
    EXPECT_FALSE(lines.join("\n").contains("beta"));
}

TEST_F(MibTest, NamesThatSmiRefusesOrThatRepeatFallBackToTheNodeName) {
    TMIB_Configuration config;
    config.Read_Descriptions = {"Upper",    "temp1",        "1abc", "temp1", "countin",
                                "trapval1", "bufferinval8", "Bad",  "a-b"};
    config.Write_Descriptions = {"temp1", "x\"y"};
    const QStringList lines = MIB_Lines(config);
    const char* names[] = {"bufferinval1 OBJECT",  "temp1 OBJECT",         "bufferinval3 OBJECT",
                           "bufferinval4 OBJECT",  "bufferinval5 OBJECT",  "bufferinval6 OBJECT",
                           "bufferinval8 OBJECT",  "bufferinval8x OBJECT", "a-b OBJECT",
                           "bufferoutval1 OBJECT", "bufferoutval2 OBJECT"};
    for (const char* name : names)
        EXPECT_EQ(lines.filter(QRegularExpression("^" + QRegularExpression::escape(name))).size(), 1) << name;
    EXPECT_TRUE(lines.join("\n").contains("DESCRIPTION \"x'y\" ::= { bufferoutval 2 }"));
}

TEST_F(MibTest, ARowBeyondTwoHundredFiftySixKeepsItsType) {
    QString xml = "<SNMP_Trap><SNMP_Trap_Read>";
    for (int i = 1; i <= 300; ++i)
        xml += QStringLiteral("<row Enable='Y' Type='%1' Description='v%2'/>")
                   .arg(i % 2 ? "Int" : "String")
                   .arg(i);
    xml += "</SNMP_Trap_Read><SNMP_Trap_Write/></SNMP_Trap>";
    TXMLDocument doc;
    ASSERT_TRUE(doc.LoadFromString(xml));
    TMIB_Configuration config;
    String error;
    ASSERT_TRUE(Parse_SNMP_Trap(doc, config, error));
    const QStringList lines = MIB_Lines(config);
    EXPECT_TRUE(
        lines.contains("v299 OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-only STATUS current DESCRIPTION "
                       "\"v299\" ::= { bufferinval 299 }"));
    EXPECT_TRUE(
        lines.contains("v300 OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-only STATUS current DESCRIPTION "
                       "\"v300\" ::= { bufferinval 300 }"));
    EXPECT_EQ(lines.filter("NOTIFICATION-TYPE OBJECTS").size(), 300);
}

TEST_F(MibTest, OnlyYesOverwritesAndABadTableWritesNothing) {
    const QString path = Dir_Project + "/GATEWAY.mib";
    for (int answer : {mrNo, mrYes}) {
        WriteProjectFile("GATEWAY.mib", "old");
        qvtest::ScriptedInteraction seam;
        seam.AnswerMessage(answer);
        RunStep(seam, path);
        ASSERT_EQ(seam.Messages(), QStringList{Lang_Texts->Strings(1305)});
        EXPECT_EQ(seam.History().back().message.Buttons, mbYesNo);
        EXPECT_EQ(ReadBytes(path) == "old", answer == mrNo);
    }
    QFile::remove(path);
    for (const char* table : {"<SNMP_Trap><SNMP_Trap_Read/></SNMP_Trap>",
                              "<SNMP_Trap><SNMP_Trap_Write/></SNMP_Trap>", "<SNMP_Trap><SNMP_Trap_Read>"}) {
        WriteProjectFile("SNMP_Trap.xml", table);
        qvtest::ScriptedInteraction seam;
        seam.AnswerMessage(mrOk);
        RunStep(seam, path);
        EXPECT_EQ(seam.Messages().size(), 1) << table;
        EXPECT_FALSE(QFile::exists(path)) << table;
    }
    QFile::remove(Dir_Project + "/SNMP_Trap.xml");
    qvtest::ScriptedInteraction seam;
    seam.AnswerMessage(mrOk);
    RunStep(seam, Dir_Project + "/no-folder/GATEWAY.mib");
    ASSERT_EQ(seam.Messages().size(), 1);
    EXPECT_TRUE(seam.Messages()[0].contains("no-folder/GATEWAY.mib"));
}

// The step needs only the dialog it is handed; it once reached for the main window's, which does not
// exist outside the running program.
TEST(MibStep, RunsWithTheDialogItIsHandedWithoutAMainWindow) {
    Reset_Program_State();
    Create_Shared_Lists();
    Dir_Project = qvtest::TempDir();
    Set_Table_File_Paths();
    ASSERT_TRUE(QFile::copy(GeneratorData("SNMP_Trap.xml"), File_SNMP_Trap));
    ASSERT_EQ(FQuenvarroweFirmWare, nullptr);
    TSaveDialog dialog(nullptr);
    qvtest::ScriptedInteraction seam;
    seam.AnswerFile(Dir_Project + "/GATEWAY.mib");
    Build_MIB_File(&dialog);
    EXPECT_TRUE(seam.Messages().isEmpty()) << seam.Messages().join("|").toStdString();
    EXPECT_EQ(seam.History().front().fileDialog.InitialDir, Dir_Project);
    const QByteArray bytes = ReadBytes(Dir_Project + "/GATEWAY.mib");
    EXPECT_TRUE(bytes.startsWith("GATEWAY DEFINITIONS ::= BEGIN"));
    EXPECT_TRUE(bytes.contains("temp1 OBJECT-TYPE"));
    Reset_Program_State();
}

} // namespace qvgen

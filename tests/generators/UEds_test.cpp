// The CANopen EDS file: golden files of fixture tables at a fixed clock, a strict INI parse with the EDS
// 4.0 rules on every generated file, the clock and date texts, the PDO and manufacturer objects and the
// runs that cannot read their tables or are given more PDOs than the file describes.
#include "GeneratorFixture.h"
#include "generators/UEds.h"
#include "toolkit/services/XmlDoc.h"

#include <map>
#include <set>

namespace qvgen {
namespace {

using EdsSection = std::map<QString, QString>;
using EdsFile = std::map<QString, EdsSection>;

// Parses the file as a strict INI reader does: every line a section, a key=value or empty; no section
// or key twice. Then checks the object lists, the counts and the objects they name.
EdsFile ParseCheckedEds(const QByteArray& bytes) {
    EdsFile file;
    EXPECT_TRUE(bytes.endsWith("\r\n\r\n"));
    EXPECT_FALSE(bytes.contains("\n\n")) << "a line end without CR";
    const QStringList lines = QString::fromLatin1(bytes).split("\r\n");
    QString section;
    for (const QString& line : lines) {
        if (line.isEmpty()) continue;
        if (line.startsWith('[')) {
            EXPECT_TRUE(line.endsWith(']')) << line.toStdString();
            section = line.mid(1, line.size() - 2).toUpper();
            EXPECT_EQ(file.count(section), 0u) << "section twice: " << line.toStdString();
            file[section];
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        EXPECT_GT(eq, 0) << line.toStdString();
        EXPECT_FALSE(section.isEmpty()) << line.toStdString();
        const QString key = line.left(eq);
        EXPECT_EQ(file[section].count(key), 0u)
            << "key twice in [" << section.toStdString() << "]: " << key.toStdString();
        file[section][key] = line.mid(eq + 1);
    }
    const auto number = [](const QString& v) {
        bool ok = false;
        const uint n = v.startsWith("0x") ? v.mid(2).toUInt(&ok, 16) : v.toUInt(&ok);
        EXPECT_TRUE(ok) << v.toStdString();
        return n;
    };
    const QStringList dataTypes = {"0x0005", "0x0006", "0x0007", "0x0009"};
    const QStringList accessTypes = {"ro", "wo", "rw", "rwr", "rww", "const"};
    // The identity numbers are Unsigned32: a reader refuses the whole file otherwise.
    for (const char* key : {"VendorNumber", "ProductNumber", "RevisionNumber"})
        number(file["DEVICEINFO"][key]);
    // Every listed object exists; an object with sub-indexes has exactly SubNumber of them, named in
    // hexadecimal, its sub-index 0 an UNSIGNED8 count; a variable has no sub-indexes; every variable has
    // a known data and access type.
    for (const char* list : {"MANDATORYOBJECTS", "OPTIONALOBJECTS", "MANUFACTUREROBJECTS"}) {
        const EdsSection& s = file[list];
        const uint count = number(s.at("SupportedObjects"));
        EXPECT_EQ(s.size(), count + 1) << list;
        for (uint i = 1; i <= count; ++i) {
            const QString index = s.at(QString::number(i)).mid(2);
            EXPECT_EQ(file.count(index), 1u) << list << " names " << index.toStdString();
            const EdsSection& object = file[index];
            if (!object.count("SubNumber")) {
                EXPECT_EQ(file.count(index + "SUB0"), 0u) << index.toStdString();
                EXPECT_TRUE(QStringList({"0x07", "0x7"}).contains(object.at("ObjectType")))
                    << index.toStdString();
                EXPECT_TRUE(dataTypes.contains(object.at("DataType"))) << index.toStdString();
                continue;
            }
            EXPECT_EQ(file[index + "SUB0"]["DataType"], "0x0005") << index.toStdString();
            int subs = 0;
            for (const auto& [name, keys] : file) {
                if (!name.startsWith(index + "SUB")) continue;
                ++subs;
                bool ok = false;
                name.mid(index.size() + 3).toUInt(&ok, 16);
                EXPECT_TRUE(ok) << name.toStdString();
                EXPECT_TRUE(dataTypes.contains(keys.at("DataType"))) << name.toStdString();
                EXPECT_TRUE(accessTypes.contains(keys.at("AccessType"))) << name.toStdString();
            }
            EXPECT_EQ(uint(subs), number(object.at("SubNumber"))) << index.toStdString();
        }
    }
    EXPECT_EQ(number(file["DEVICEINFO"]["NrOfRXPDO"]) * 3 + number(file["DEVICEINFO"]["NrOfTXPDO"]) * 3 + 8,
              number(file["OPTIONALOBJECTS"]["SupportedObjects"]));
    return file;
}

class EdsTest : public GeneratorTest {
protected:
    void RunStep(qvtest::ScriptedInteraction& seam, const QString& chosen) {
        seam.AnswerFile(chosen);
        Click("Btn_CANopen_EDS");
    }
};

TEST(EdsTexts, TwelveHourClockAndMonthFirstDate) {
    const struct {
        int hour, minute;
        const char* text;
    } cases[] = {{12, 0, "12:00PM"},  {12, 30, "12:30PM"}, {0, 5, "12:05AM"}, {13, 7, "01:07PM"},
                 {11, 59, "11:59AM"}, {23, 59, "11:59PM"}, {1, 0, "01:00AM"}};
    for (const auto& c : cases)
        EXPECT_EQ(EDS_Time_Text({2025, 3, 7, c.hour, c.minute, 0}), c.text) << c.hour << ":" << c.minute;
    EXPECT_EQ(EDS_Date_Text({2025, 3, 7, 12, 0, 0}), "03-07-2025");
}

TEST_F(EdsTest, FixtureTablesGiveTheGoldenFileThatPassesTheEdsRules) {
    CopyFixture("PDO_CANopen.xml");
    CopyFixture("SDO_Server_CANopen.xml");
    qvtest::ScriptedInteraction seam;
    WriteProjectFile("old.eds", "old content");
    RunStep(seam, Dir_Project + "/old.eds");
    EXPECT_TRUE(seam.Messages().isEmpty()) << seam.Messages().join("|").toStdString();
    const TFileDialogRequest& asked = seam.History().front().fileDialog;
    EXPECT_EQ(asked.InitialDir, Dir_Project);
    EXPECT_EQ(asked.Filter, "Electronic Data Sheet (*.eds)|*.eds");
    EXPECT_EQ(asked.DefaultExt, "eds");
    EXPECT_FALSE(asked.OverwritePrompt);
    const QByteArray bytes = ReadBytes(Dir_Project + "/old.eds");
    EdsFile eds = ParseCheckedEds(bytes);
    ExpectGolden(bytes, "eds_fixture.eds");
    EXPECT_EQ(eds["FILEINFO"]["FileName"], "DIR_UR_Uviriz_UZErozi.eds");
    EXPECT_EQ(eds["FILEINFO"]["CreationTime"], "09:05AM");
    EXPECT_EQ(eds["FILEINFO"]["ModificationDate"], "03-07-2026");
    // Receive PDO 1: 0x201 with two bytes.
    EXPECT_EQ(eds["1400SUB1"]["DefaultValue"], "0x00000201");
    EXPECT_EQ(eds["1600"]["SubNumber"], "3");
    EXPECT_EQ(eds["1600SUB2"]["DefaultValue"], "0x70000208");
    EXPECT_EQ(eds["7000SUB2"]["ParameterName"], "b2");
    EXPECT_EQ(eds["7001SUB8"]["ParameterName"], "c8");
    EXPECT_EQ(eds["7050SUB1"]["ParameterName"], "l1");
    EXPECT_EQ(eds["7050SUB1"]["AccessType"], "rwr");
    // 0x2000: sub-indexes 1 (write, 4 bytes) and 3 (read, 1 byte) and a generated sub0.
    EXPECT_EQ(eds["2000"]["SubNumber"], "3");
    EXPECT_EQ(eds["2000SUB0"]["DefaultValue"], "0x03");
    EXPECT_EQ(eds["2000SUB1"]["HighLimit"], "0xFFFFFFFF");
    EXPECT_EQ(eds["2000SUB1"]["AccessType"], "rw");
    EXPECT_EQ(eds["2000SUB3"]["DataType"], "0x0005");
    EXPECT_EQ(eds["2000SUB3"]["AccessType"], "ro");
    // 0x2001 has only its sub-index 0: the object is that variable, not a record.
    EXPECT_EQ(eds["2001"].count("SubNumber"), 0u);
    EXPECT_EQ(eds["2001"]["ParameterName"], "Application Variable");
    EXPECT_EQ(eds["2001"]["DataType"], "0x0006");
    EXPECT_EQ(eds["2001"]["AccessType"], "ro");
    EXPECT_EQ(eds.count("2001SUB0"), 0u);
    EXPECT_EQ(eds["2002"]["SubNumber"], "2");
    EXPECT_EQ(eds["2002SUB0"]["DefaultValue"], "0x01");
    // The product is the model's number, the model code its order code.
    EXPECT_EQ(eds["DEVICEINFO"]["ProductNumber"], "25");
    EXPECT_EQ(eds["DEVICEINFO"]["OrderCode"], "LD83K25");
    // Sub-index 10 in hexadecimal, as EDS readers look it up.
    EXPECT_EQ(eds.count("5FFFSUBA"), 1u);
    EXPECT_EQ(eds.count("5FFFSUB10"), 0u);
    EXPECT_EQ(eds["5FFFSUB0"]["DefaultValue"], "0x0A");
}

TEST_F(EdsTest, WithoutTableFilesTheFixedObjectsAreWritten) {
    qvtest::ScriptedInteraction seam;
    RunStep(seam, Dir_Project + "/empty.eds");
    EXPECT_TRUE(seam.Messages().isEmpty());
    const QByteArray bytes = ReadBytes(Dir_Project + "/empty.eds");
    EdsFile eds = ParseCheckedEds(bytes);
    ExpectGolden(bytes, "eds_empty.eds");
    EXPECT_EQ(eds["OPTIONALOBJECTS"]["SupportedObjects"], "8");
    EXPECT_EQ(eds["MANUFACTUREROBJECTS"]["SupportedObjects"], "0");
}

TEST_F(EdsTest, ACancelledDialogWritesNothing) {
    qvtest::ScriptedInteraction seam;
    seam.AnswerFile(QString());
    Click("Btn_CANopen_EDS");
    EXPECT_TRUE(QDir(Dir_Project).entryList({"*.eds"}).isEmpty());
}

TEST_F(EdsTest, ARunThatCannotReadItsTablesSaysWhichAndWritesNothing) {
    const struct {
        const char* file;
        QByteArray content;
        const char* problem;
    } cases[] = {
        {"PDO_CANopen.xml", "<PDO_CANopen><Receive_PDO/></PDO_CANopen>", "Transmit_PDO"},
        {"PDO_CANopen.xml",
         "<PDO_CANopen><Receive_PDO><row Dimension='1'/></Receive_PDO><Transmit_PDO/></PDO_CANopen>",
         "COB-ID"},
        {"PDO_CANopen.xml",
         "<PDO_CANopen><Receive_PDO><row COB-ID='1' "
         "Dimension='9'/></Receive_PDO><Transmit_PDO/></PDO_CANopen>",
         "Dimension"},
        {"PDO_CANopen.xml", "<PDO_CANopen><Receive_PDO>", ""},
        {"SDO_Server_CANopen.xml",
         "<S><SDO_Read><row Index='0x2000' SubIndex='x' NByte='1'/></SDO_Read><SDO_Write/></S>", "SubIndex"},
        {"SDO_Server_CANopen.xml",
         "<S><SDO_Read><row Index='0x1000' SubIndex='1' NByte='1'/></SDO_Read><SDO_Write/></S>", "0x2000"},
        {"SDO_Server_CANopen.xml",
         "<S><SDO_Read><row Index='0x2000' SubIndex='1' NByte='1'/></SDO_Read>"
         "<SDO_Write><row Index='8192' SubIndex='0x01' NByte='2'/></SDO_Write></S>",
         "twice"},
        // Sub-index 0 would have to be the record's count: a file edited by hand gives no invalid record.
        {"SDO_Server_CANopen.xml",
         "<S><SDO_Read><row Index='0x2000' SubIndex='1' NByte='1'/></SDO_Read>"
         "<SDO_Write><row Index='0x2000' SubIndex='0' NByte='2'/></SDO_Write></S>",
         "SubIndex 0"},
    };
    for (const auto& c : cases) {
        QFile::remove(File_PDO_CANopen);
        QFile::remove(File_SDO_Server_CANopen);
        WriteProjectFile(c.file, c.content);
        qvtest::ScriptedInteraction seam;
        seam.AnswerMessage(mrOk);
        RunStep(seam, Dir_Project + "/bad.eds");
        ASSERT_EQ(seam.Messages().size(), 1) << c.content.toStdString();
        EXPECT_TRUE(seam.Messages().front().contains(Dir_Project + "/" + c.file))
            << seam.Messages().front().toStdString();
        EXPECT_TRUE(seam.Messages().front().contains(c.problem)) << seam.Messages().front().toStdString();
        EXPECT_FALSE(QFile::exists(Dir_Project + "/bad.eds")) << c.content.toStdString();
    }
}

TEST_F(EdsTest, AnUnwritablePathIsReportedByName) {
    qvtest::ScriptedInteraction seam;
    seam.AnswerMessage(mrOk);
    const QString path = Dir_Project + "/no such folder/x.eds";
    RunStep(seam, path);
    ASSERT_EQ(seam.Messages().size(), 1);
    EXPECT_TRUE(seam.Messages().front().contains(path)) << seam.Messages().front().toStdString();
}

TEST_F(EdsTest, PdosBeyondThirtyAreLeftOutWithAWarning) {
    QByteArray xml = "<PDO_CANopen><Receive_PDO>";
    for (int i = 0; i < 32; ++i)
        xml += "<row COB-ID='" + QByteArray::number(0x200 + i) + "' Dimension='x'/>";
    xml += "</Receive_PDO><Transmit_PDO/></PDO_CANopen>";
    WriteProjectFile("PDO_CANopen.xml", xml);
    qvtest::ScriptedInteraction seam;
    seam.AnswerMessage(mrOk);
    RunStep(seam, Dir_Project + "/many.eds");
    ASSERT_EQ(seam.Messages().size(), 1);
    EXPECT_TRUE(seam.Messages().front().contains("30")) << seam.Messages().front().toStdString();
    EdsFile eds = ParseCheckedEds(ReadBytes(Dir_Project + "/many.eds"));
    EXPECT_EQ(eds["DEVICEINFO"]["NrOfRXPDO"], "30");
    // A Dimension that is not a number maps eight bytes.
    EXPECT_EQ(eds["161D"]["SubNumber"], "9");
    EXPECT_EQ(eds["701D"]["ParameterName"], "RPDO30");
    EXPECT_EQ(eds["701DSUB1"]["ParameterName"], "av1");
}

} // namespace
} // namespace qvgen

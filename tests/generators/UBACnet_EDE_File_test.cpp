// The BACnet EDE file: the fixture's list against its golden file, instances, names, keys and the step.
#include "GeneratorFixture.h"
#include "core/ULanguage.h"
#include "generators/UBACnet_EDE_File.h"
#include "toolkit/services/XmlDoc.h"

#include <set>

namespace qvgen {
class EdeTest : public GeneratorTest {
protected:
    // Answers the save dialog with `chosen` and runs the step.
    void RunStep(qvtest::ScriptedInteraction& seam, const QString& chosen) {
        seam.AnswerFile(chosen);
        Click("Btn_BACnet_EDE_File");
    }
};

namespace {

// Every line holds seven fields, each ended by ";", and no key or object name repeats.
void ExpectWellFormedEde(const QByteArray& bytes) {
    ASSERT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));
    ASSERT_TRUE(bytes.endsWith("\r\n"));
    const QStringList lines = QString::fromLatin1(bytes.chopped(2)).split("\r\n");
    ASSERT_GE(lines.size(), 7);
    std::set<QString> keys, names;
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList fields = lines[i].split(';');
        EXPECT_EQ(fields.size(), 8) << lines[i].toStdString();
        EXPECT_TRUE(fields.last().isEmpty()) << lines[i].toStdString();
        if (i >= 7) {
            EXPECT_TRUE(keys.insert(fields[0]).second) << "repeated key " << fields[0].toStdString();
            EXPECT_TRUE(names.insert(fields[2]).second) << "repeated name " << fields[2].toStdString();
        }
    }
}

std::vector<TBACnet_EDE_Obj> ObjectsOf(const QString& parGen, const QString& table) {
    TXMLDocument settings, rows;
    settings.LoadFromString(parGen);
    EXPECT_TRUE(rows.LoadFromString(table));
    std::vector<TBACnet_EDE_Obj> objects;
    String error;
    EXPECT_TRUE(Read_BACnet_Slave_Objects(rows, Read_BACnet_Device_Param(settings), objects, error))
        << error.toStdString();
    return objects;
}

} // namespace

TEST_F(EdeTest, FixtureTablesGiveTheGoldenListWithUniqueKeysAndSevenFieldsPerLine) {
    CopyFixture("ParGen.xml");
    CopyFixture("BACnet_Slave.xml");
    qvtest::ScriptedInteraction seam;
    RunStep(seam, Dir_Project + "/objects");
    EXPECT_TRUE(seam.Messages().isEmpty()) << seam.Messages().join("|").toStdString();
    const QByteArray bytes = ReadBytes(Dir_Project + "/objects.csv");
    ExpectWellFormedEde(bytes);
    ExpectGolden(bytes, "ede_fixture.csv");
    EXPECT_EQ(seam.History().front().fileDialog.InitialDir, Dir_Project);
    EXPECT_EQ(seam.History().front().fileDialog.Filter, "CSV (MS-DOS) (*.csv)|*.csv");
}

TEST_F(EdeTest, WithoutTheServerTableTheFileHoldsTheSevenHeaderLines) {
    qvtest::ScriptedInteraction seam;
    RunStep(seam, Dir_Project + "/empty.CsV");
    const QByteArray bytes = ReadBytes(Dir_Project + "/empty.CsV");
    ExpectWellFormedEde(bytes);
    EXPECT_EQ(bytes.count("\r\n"), 7);
    EXPECT_TRUE(bytes.startsWith("PROJECT_NAME; Orvane--Plant;;;;;;\r\nVERSION_OF_REFERENCEFILE;1.0;;;;;;\r\n"
                                 "TIMESTAMP_OF_LAST_CHANGE;09:05:03 07/03/2026;;;;;;\r\n"));
}

TEST_F(EdeTest, ObjectTypeCodesFollowTheTableAndAnUnknownTextIsAnAnalogInput) {
    const std::pair<const char*, int> cases[] = {
        {"Analog Input", 0},        {"Analog Out", 1},
        {"Analog Value", 2},        {"Binary Input", 3},
        {"Binary Out", 4},          {"Binary Value", 5},
        {"Multi State Input", 13},  {"Multi State Output", 14},
        {"Multi State Value", 19},  {"Life Safety Point", 21},
        {"Life Safety Zone", 22},   {"Accumulator", 23},
        {"Access Door", 30},        {"CharacterString Value", 40},
        {"DateTime Value", 44},     {"Integer Value", 45},
        {"Large Analog Value", 46}, {"  positive integer value ", 48},
        {"Analog Output", 0},       {"", 0}};
    for (const auto& [text, code] : cases)
        EXPECT_EQ(Get_BACnet_Object_Type(text), code) << text;
    // A type without a counter keeps answering 0.
    TEDE_Instance_Counters counters;
    EXPECT_EQ(counters.Next_EDE_Object_Instance(7), 0);
    EXPECT_EQ(counters.Next_EDE_Object_Instance(7), 0);
    EXPECT_EQ(counters.Next_EDE_Object_Instance(48), 0);
    EXPECT_EQ(counters.Next_EDE_Object_Instance(48), 1);
}

TEST_F(EdeTest, NameLengthFollowsTheLimitOfEachGenerationAndTheKeyKeepsTheWholeMnemonic) {
    const QString table = "<T><BACnet_in_Read><row Data_Type='Analog Input' Eng_Unit='62' "
                          "Mnemonic='abcdefghijklmnopqrstuvwxy'/></BACnet_in_Read><BACnet_in_Write/></T>";
    const std::vector<TBACnet_EDE_Obj> longNames = ObjectsOf(
        "<P><BACnet_DEV_IDE>7</BACnet_DEV_IDE><BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit></P>",
        table);
    ASSERT_EQ(longNames.size(), 1u);
    EXPECT_EQ(longNames[0].ObjectName, "abcdefghijklmnopqrstuvwxy");
    const std::vector<TBACnet_EDE_Obj> shortNames =
        ObjectsOf("<P><BACnet_DEV_IDE>7</BACnet_DEV_IDE></P>", table);
    ASSERT_EQ(shortNames.size(), 1u);
    EXPECT_EQ(shortNames[0].ObjectName, "abcdefghijklmnop");
    EXPECT_EQ(shortNames[0].Description, "abcdefghijklmnop");
    EXPECT_EQ(shortNames[0].Keyname, "7_abcdefghijklmnopqrstuvwxy_0");
    // A serial server (type 1) takes the other instance element; a type that does not parse counts as 0.
    EXPECT_EQ(ObjectsOf("<P><BACnet_Type>1</BACnet_Type><BACnet_DEV_IDE>7</BACnet_DEV_IDE>"
                        "<BACnet_Ser_DEV_IDE>9</BACnet_Ser_DEV_IDE></P>",
                        table)[0]
                  .DevObjInstance,
              "9");
    EXPECT_EQ(ObjectsOf("<P><BACnet_Type>x</BACnet_Type><BACnet_DEV_IDE>7</BACnet_DEV_IDE>"
                        "<BACnet_Ser_DEV_IDE>9</BACnet_Ser_DEV_IDE></P>",
                        table)[0]
                  .DevObjInstance,
              "7");
}

// BACnet wants the object names of a device unique: names cut to the same first characters take a number
// and keep to the length; the keys stay as they were.
TEST_F(EdeTest, ObjectNamesCutToTheSameCharactersAreNumberedWithinTheLength) {
    const std::vector<TBACnet_EDE_Obj> objects = ObjectsOf(
        "<P><BACnet_DEV_IDE>7</BACnet_DEV_IDE></P>",
        "<T><BACnet_in_Read><row Data_Type='Analog Input' Eng_Unit='62' Mnemonic='Supply_Air_Temperature_1'/>"
        "<row Data_Type='Analog Input' Eng_Unit='62' Mnemonic='Supply_Air_Temperature_2'/>"
        "<row Data_Type='Analog Value' Eng_Unit='62' Mnemonic='Supply_Air_Tem_2'/></BACnet_in_Read>"
        "<BACnet_in_Write><row Data_Type='Binary Out' Eng_Unit='95' Mnemonic='Supply_Air_Temperature_3'/>"
        "</BACnet_in_Write></T>");
    QStringList names, keys;
    for (const TBACnet_EDE_Obj& o : objects) {
        names << o.ObjectName;
        keys << o.Keyname;
    }
    EXPECT_EQ(names,
              QStringList({"Supply_Air_Tempe", "Supply_Air_Tem_2", "Supply_Air_Tem_3", "Supply_Air_Tem_4"}));
    EXPECT_EQ(keys, QStringList({"7_Supply_Air_Temperature_1_0", "7_Supply_Air_Temperature_2_1",
                                 "7_Supply_Air_Tem_2_0", "7_Supply_Air_Temperature_3_0"}));
}

// The file stays in the Western code page without a mark: a character the page lacks becomes "?".
TEST_F(EdeTest, CharactersTheCodePageLacksBecomeQuestionMarks) {
    Name_Project = QString::fromUtf8("Łódź Hall");
    WriteProjectFile("BACnet_Slave.xml",
                     QString::fromUtf8("<T><BACnet_in_Read><row Data_Type='Analog Input' "
                                       "Eng_Unit='62' Mnemonic='Temp_Ω'/><row "
                                       "Data_Type='Analog Input' Eng_Unit='62' Mnemonic='Temp_Σ'/>"
                                       "<row Data_Type='Analog Input' Eng_Unit='62' "
                                       "Mnemonic='Température 🌡'/></BACnet_in_Read>"
                                       "<BACnet_in_Write/></T>")
                         .toUtf8());
    qvtest::ScriptedInteraction seam;
    RunStep(seam, Dir_Project + "/objects.csv");
    const QByteArray bytes = ReadBytes(Dir_Project + "/objects.csv");
    ExpectWellFormedEde(bytes);
    EXPECT_TRUE(bytes.startsWith("PROJECT_NAME; Orvane--?\xF3"
                                 "d? Hall;;;;;;\r\n"));
    EXPECT_TRUE(bytes.contains(";Temp_?;0;0;Temp_?;62;")) << bytes.toStdString();
    EXPECT_TRUE(bytes.contains(";Temp_?_2;0;1;Temp_?_2;62;")) << bytes.toStdString();
    EXPECT_TRUE(bytes.contains(";Temp\xE9rature ?;0;2;")) << bytes.toStdString();
}

TEST_F(EdeTest, TheMainWindowReadsTheServerKindOfTheConfiguration) {
    EXPECT_EQ(FQuenvarroweFirmWare->Get_Type_BACnet(), 0);
    CopyFixture("ParGen.xml");
    EXPECT_EQ(FQuenvarroweFirmWare->Get_Type_BACnet(), 1);
    WriteProjectFile("ParGen.xml", "<Par_Gen><BACnet_Type>serial</BACnet_Type></Par_Gen>");
    EXPECT_EQ(FQuenvarroweFirmWare->Get_Type_BACnet(), 0);
}

TEST_F(EdeTest, TheChosenNameGetsCsvOnlyWhenItLacksItAndOnlyYesOverwrites) {
    struct Case {
        const char* chosen;
        const char* written;
    } names[] = {{"plain", "plain.csv"},
                 {"upper.CSV", "upper.CSV"},
                 {"mixed.cSv", "mixed.cSv"},
                 {"list.txt", "list.txt.csv"}};
    for (const Case& c : names) {
        qvtest::ScriptedInteraction seam;
        RunStep(seam, Dir_Project + "/" + c.chosen);
        EXPECT_TRUE(QFile::exists(Dir_Project + "/" + c.written)) << c.chosen;
    }

    const QString path = Dir_Project + "/plain.csv";
    for (int answer : {mrNo, mrCancel, mrYes}) {
        WriteProjectFile("plain.csv", "old");
        qvtest::ScriptedInteraction seam;
        seam.AnswerMessage(answer);
        RunStep(seam, path);
        ASSERT_EQ(seam.Messages(), QStringList{Lang_Texts->Strings(1305)});
        EXPECT_EQ(seam.History().back().message.Buttons, mbYesNoCancel);
        EXPECT_EQ(ReadBytes(path) == "old", answer != mrYes) << answer;
    }

    // Cancel in the dialog writes nothing.
    qvtest::ScriptedInteraction seam;
    RunStep(seam, QString());
    EXPECT_FALSE(QFile::exists(Dir_Project + "/.csv"));
}

TEST_F(EdeTest, ABadTableStopsTheGenerationWithAMessageAndWritesNothing) {
    const char* tables[] = {
        "<T><BACnet_in_Read/></T>",  // no write section
        "<T><BACnet_in_Write/></T>", // no read section
        "<T><BACnet_in_Read><row Data_Type='Analog Value' "
        "Mnemonic='a'/></BACnet_in_Read><BACnet_in_Write/></T>",
        "<T><BACnet_in_Read><row Data_Type='Analog", // does not parse
    };
    for (const char* table : tables) {
        WriteProjectFile("BACnet_Slave.xml", table);
        qvtest::ScriptedInteraction seam;
        seam.AnswerMessage(mrOk);
        RunStep(seam, Dir_Project + "/bad.csv");
        EXPECT_EQ(seam.Messages().size(), 1) << table;
        EXPECT_EQ(seam.History().back().message.Type, mtError);
        EXPECT_FALSE(QFile::exists(Dir_Project + "/bad.csv")) << table;
    }
}

TEST_F(EdeTest, AFileThatCannotBeWrittenIsReportedByName) {
    const QString path = Dir_Project + "/missing-folder/list.csv";
    qvtest::ScriptedInteraction seam;
    seam.AnswerMessage(mrOk);
    RunStep(seam, path);
    ASSERT_EQ(seam.Messages().size(), 1);
    EXPECT_TRUE(seam.Messages()[0].contains(path)) << seam.Messages()[0].toStdString();
}

} // namespace qvgen

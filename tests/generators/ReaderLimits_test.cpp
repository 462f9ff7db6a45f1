// The generators' and the main window's reads of the configuration's files keep to the limits of their
// kind: a table file beyond its limit stops the step as too large, a settings file beyond its limit gives
// the defaults.
#include "GeneratorFixture.h"
#include "core/UComon.h"
#include "generators/UProfinetXML.h"
#include "tables/frame/TableFile.h"

namespace qvgen {
namespace {

// A file of `bytes` zeros that takes no disk: it is refused for its size before it is read.
void putSparseFile(const QString& path, qint64 bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_TRUE(f.resize(bytes));
}

} // namespace

TEST_F(GeneratorTest, TableFilesBeyondTheirLimitStopTheStepAsTooLarge) {
    const struct {
        const char* table;
        const char* button;
        const char* chosen;
    } steps[] = {
        {"BACnet_Slave.xml", "Btn_BACnet_EDE_File", "objects.csv"},
        {"SNMP_Trap.xml", "Btn_SNMP_MIB", "gateway.mib"},
        {"PDO_CANopen.xml", "Btn_CANopen_EDS", "device.eds"},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.table);
        putSparseFile(Dir_Project + "/" + s.table, Max_Table_Window_File_Bytes + 1);
        qvtest::ScriptedInteraction seam;
        seam.AnswerFile(Dir_Project + "/" + s.chosen);
        seam.AnswerMessage(mrOk);
        Click(s.button);
        ASSERT_EQ(seam.Messages().size(), 1);
        EXPECT_TRUE(seam.Messages()[0].contains("is too large")) << seam.Messages()[0].toStdString();
        EXPECT_FALSE(QFile::exists(Dir_Project + "/" + s.chosen));
        QFile::remove(Dir_Project + "/" + s.table);
    }
}

TEST_F(GeneratorTest, ASettingsFileBeyondItsLimitGivesTheDefaults) {
    QByteArray settings = ReadBytes(GeneratorData("ParGen.xml"));
    WriteProjectFile("ParGen.xml", settings);
    Read_PROFINET_Param();
    ASSERT_EQ(PROFINET_NB_IN, 100);
    ASSERT_EQ(FQuenvarroweFirmWare->Get_Type_BACnet(), 1);

    settings.replace("</Par_Gen>", QByteArray(int(Max_ParGen_File_Bytes), ' ') + "</Par_Gen>");
    WriteProjectFile("ParGen.xml", settings);
    Read_PROFINET_Param();
    EXPECT_EQ(PROFINET_NB_IN, 1438);
    EXPECT_EQ(PROFINET_NB_OUT, 1438);
    EXPECT_EQ(PROFINET_NAME_STA, "SERIAL");
    EXPECT_EQ(FQuenvarroweFirmWare->Get_Type_BACnet(), 0);
}

} // namespace qvgen

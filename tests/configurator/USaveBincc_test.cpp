// The device images: fixture configurations against expected files, the settings conversions one by
// one, and the builds that must be refused rather than written wrong.
#include "TestSupport.h"
#include "configurator/USaveBincc.h"
#include "core/UComon.h"
#include "toolkit/system/SysUtils.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

const QString kImgData = QStringLiteral(QV_TEST_DATA_DIR "/images");

QByteArray imgReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void imgWriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(bytes);
}

// A fresh configuration folder holding the given files (without a "bin" folder).
QString imgOpenProject(const QStringList& filesFrom = {}) {
    Reset_Program_State();
    Dir_Project = qvtest::TempDir();
    Set_Table_File_Paths();
    for (const QString& source : filesFrom)
        QFile::copy(source, Dir_Project + "/" + QFileInfo(source).fileName());
    return Dir_Project;
}

QString imgHex(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' ')).toUpper();
}

// The first differing offset, for a readable failure.
::testing::AssertionResult ImgSameBytes(const QByteArray& actual, const QByteArray& expected) {
    if (actual == expected) return ::testing::AssertionSuccess();
    qsizetype i = 0;
    while (i < actual.size() && i < expected.size() && actual[i] == expected[i])
        ++i;
    return ::testing::AssertionFailure()
           << "sizes " << actual.size() << " / " << expected.size() << ", first difference at offset " << i
           << ": " << imgHex(actual.mid(i, 8)).toStdString() << " instead of "
           << imgHex(expected.mid(i, 8)).toStdString();
}

void imgPutU32(QByteArray& b, int at, quint32 v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = char(v >> (8 * i));
}
void imgPutU16(QByteArray& b, int at, quint16 v) {
    b[at] = char(v);
    b[at + 1] = char(v >> 8);
}

// Bank 1 holding only the initial values, written out field by field.
QByteArray imgInitialBank1() {
    QByteArray b(2048, '\0');
    imgPutU32(b, 0, 250000);
    imgPutU32(b, 4, 250000);
    imgPutU32(b, 12, 9600);
    b.replace(40, 12, QByteArray::fromHex("C0A802CD FFFFFF00 FFFFFFFF"));
    imgPutU16(b, 52, 10000);
    imgPutU16(b, 54, 10001);
    imgPutU16(b, 56, 10001);
    b.replace(436, 8, QByteArray(8, 8));
    imgPutU32(b, 1568, 0x80000);
    return b;
}

void imgSealBank1(QByteArray& b) {
    quint32 sum = 0;
    for (int i = 0; i < 2044; ++i)
        sum += quint8(b[i]);
    imgPutU32(b, 2044, sum);
}

const char kImgParGenHead[] = "<Par_Gen>";
const char kImgParGenTail[] = "</Par_Gen><!--SW_VERSION = 1.003-->";

QByteArray imgParGen(const QByteArray& elements) {
    return kImgParGenHead + elements + kImgParGenTail;
}

} // namespace

TEST(DeviceImages, FixtureConfigurationsGiveTheExpectedFiles) {
    const QStringList cases = QDir(kImgData).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_GE(cases.size(), 7);
    for (const QString& name : cases) {
        SCOPED_TRACE(name.toStdString());
        const QString data = kImgData + "/" + name;
        const QString project = imgOpenProject({data + "/ParGen.xml", data + "/OPC_UA_Server.xml"});
        String error;
        ASSERT_TRUE(Build_And_Write_Images(error)) << error.toStdString();
        EXPECT_TRUE(
            ImgSameBytes(imgReadFile(project + "/bin/bank1.bin"), imgReadFile(data + "/bank1.expected.bin")));
        EXPECT_TRUE(
            ImgSameBytes(imgReadFile(project + "/bin/bank2.bin"), imgReadFile(data + "/bank2.expected.bin")));
    }
}

// The build needs only the two contents: no configuration is open and the last build stays as it was.
TEST(DeviceImages, TheBuildIsAFunctionOfTheTwoContents) {
    const QString on = kImgData + "/settings_on";
    imgOpenProject({on + "/ParGen.xml"});
    String error;
    ASSERT_TRUE(Build_Bin_Files(error)) << error.toStdString();
    const QByteArray lastBank1 = Bank1_Buffer.left(Bank1_Len);
    Reset_Program_State();
    auto source = [](const QString& path) {
        TImageSource s;
        s.Name = path;
        s.Present = QFile::exists(path);
        s.Content = imgReadFile(path);
        return s;
    };
    const QStringList cases = QDir(kImgData).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& name : cases) {
        SCOPED_TRACE(name.toStdString());
        const QString data = kImgData + "/" + name;
        TDeviceImages images;
        ASSERT_TRUE(Build_Device_Images(source(data + "/ParGen.xml"), source(data + "/OPC_UA_Server.xml"),
                                        images, error))
            << error.toStdString();
        EXPECT_TRUE(ImgSameBytes(images.Bank1, imgReadFile(data + "/bank1.expected.bin")));
        EXPECT_TRUE(ImgSameBytes(images.Bank2, imgReadFile(data + "/bank2.expected.bin")));
    }
    EXPECT_TRUE(ImgSameBytes(Bank1_Buffer.left(Bank1_Len), lastBank1));

    // A refusal names the file and leaves nothing to write, whether the file did not read or not parse.
    TImageSource unread;
    unread.Name = "unread/ParGen.xml";
    unread.Present = true;
    unread.Unreadable = "Cannot open file \"unread/ParGen.xml\". Permission denied";
    TImageSource broken = unread;
    broken.Unreadable.clear();
    broken.Content = "<Par_Gen><SERIAL_BAUDRATE>3";
    for (const TImageSource& parGen : {unread, broken}) {
        TDeviceImages images;
        error.clear();
        EXPECT_FALSE(Build_Device_Images(parGen, TImageSource(), images, error));
        EXPECT_TRUE(error.contains("unread/ParGen.xml")) << error.toStdString();
        EXPECT_TRUE(images.Bank1.isEmpty() && images.Bank2.isEmpty());
    }
}

TEST(DeviceImages, NoConfigurationFilesGiveTheInitialBlocks) {
    imgOpenProject();
    String error;
    ASSERT_TRUE(Build_Bin_Files(error)) << error.toStdString();
    QByteArray expected = imgInitialBank1();
    imgSealBank1(expected);
    EXPECT_EQ(imgHex(expected.mid(2044)), "8A 0D 00 00"); // 3466
    EXPECT_TRUE(ImgSameBytes(Bank1_Buffer.left(Bank1_Len), expected));
    // Header only: port 4840, no variables, both addresses at the shared empty text, poll time 10.
    EXPECT_EQ(imgHex(Bank2_Buffer.left(Bank2_Len)), "E8 12 00 00 10 00 08 00 10 00 08 00 0A 00 00 00 00");
}

TEST(DeviceImages, WorkedExampleByteForByte) {
    const QString data = kImgData + "/worked_example";
    imgOpenProject({data + "/ParGen.xml", data + "/OPC_UA_Server.xml"});
    String error;
    ASSERT_TRUE(Build_Bin_Files(error)) << error.toStdString();
    EXPECT_EQ(imgHex(Bank2_Buffer.left(Bank2_Len)), "E8 12 01 00 10 00 08 00 20 00 08 00 E8 03 00 00 "
                                                    "05 00 00 00 0A 00 04 00 00 00 01 00 21 00 08 00 "
                                                    "00 54 65 6D 70 00");
    // The settings file holds what a new configuration writes: 192.168.0.10, no gateway, 115200 baud,
    // RS232, and the version text.
    QByteArray expected = imgInitialBank1();
    expected.replace(40, 4, QByteArray::fromHex("C0A8000A"));
    expected[97] = 1;
    imgPutU32(expected, 400, 115200);
    expected.replace(1644, 5, "1.003");
    imgSealBank1(expected);
    EXPECT_TRUE(ImgSameBytes(Bank1_Buffer.left(Bank1_Len), expected));
}

TEST(DeviceImages, SettingsConversions) {
    struct Case {
        const char* elements;
        int offset;
        const char* bytes;
    } cases[] = {
        {"<SERIAL_BAUDRATE>0</SERIAL_BAUDRATE>", 400, "B0 04 00 00"},
        {"<SERIAL_BAUDRATE>3</SERIAL_BAUDRATE>", 400, "80 25 00 00"},
        {"<SERIAL_BAUDRATE>6</SERIAL_BAUDRATE>", 400, "00 E1 00 00"},
        {"<SERIAL_BAUDRATE>8</SERIAL_BAUDRATE>", 400, "80 25 00 00"},
        {"<SERIAL_BAUDRATE>-1</SERIAL_BAUDRATE>", 400, "80 25 00 00"},
        {"<SERIAL_BAUDRATE>x</SERIAL_BAUDRATE>", 400, "00 C2 01 00"},
        {"", 400, "00 C2 01 00"},
        {"<SERIAL_STOPBITS>1</SERIAL_STOPBITS>", 430, "02"},
        {"<SERIAL_STOPBITS>0</SERIAL_STOPBITS>", 430, "00"},
        {"<SERIAL_PARITY>2</SERIAL_PARITY>", 424, "02"},
        {"<SERIAL_SERIAL>0</SERIAL_SERIAL>", 97, "01"},
        {"<SERIAL_SERIAL>1</SERIAL_SERIAL>", 97, "00"},
        {"", 97, "00"},
        {"<OPC_UA_Server_GAT1>10</OPC_UA_Server_GAT1><OPC_UA_Server_EN_GAT>0</OPC_UA_Server_EN_GAT>", 48,
         "FF FF FF FF"},
        {"<OPC_UA_Server_GAT1>10</OPC_UA_Server_GAT1><OPC_UA_Server_EN_GAT>1</OPC_UA_Server_EN_GAT>", 48,
         "0A A8 00 01"},
        {"<OPC_UA_Server_Reset_Inactivity>1</OPC_UA_Server_Reset_Inactivity>"
         "<OPC_UA_Server_Reset_Inactivity_Time>1440</OPC_UA_Server_Reset_Inactivity_Time>",
         108, "00 5C 26 05"},
        {"<OPC_UA_Server_Reset_Inactivity>0</OPC_UA_Server_Reset_Inactivity>"
         "<OPC_UA_Server_Reset_Inactivity_Time>1440</OPC_UA_Server_Reset_Inactivity_Time>",
         108, "00 00 00 00"},
        {"<Eth_Conn_Primary_DNS1>1</Eth_Conn_Primary_DNS1>", 1420, "00 00 00 00"},
        {"<Eth_Conn_Enable_DNS>1</Eth_Conn_Enable_DNS><Eth_Conn_Primary_DNS1>1</Eth_Conn_Primary_DNS1>", 1420,
         "01 08 08 08"},
        {"<Eth_Conn_Enable_DNS>1</Eth_Conn_Enable_DNS>", 1340, "08 08 04 04"},
        {"<Eth_Conn_DHCP_Cable>1</Eth_Conn_DHCP_Cable><Eth_Conn_DHCP_WiFi>1</Eth_Conn_DHCP_WiFi>", 1256,
         "03 00"},
        {"<Eth_Conn_DHCP_WiFi>1</Eth_Conn_DHCP_WiFi>", 1256, "02 00"},
        {"<OPC_UA_Server_IP1>300</OPC_UA_Server_IP1><OPC_UA_Server_IP4>$FE</OPC_UA_Server_IP4>", 40,
         "2C A8 00 FE"},
        {"<Eth_Conn_Device_Name>0123456789012345678901234567890123456789</Eth_Conn_Device_Name>", 1300,
         "30 31 32 33 34 35 36 37 38 39 30 31 32 33 34 35 36 37 38 39 30 31 32 33 34 35 36 37 38 39 30 00"},
        {"", 1644, "31 2E 30 30 33 00 00 00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.elements);
        imgOpenProject();
        imgWriteFile(File_ParGen, imgParGen(c.elements));
        String error;
        ASSERT_TRUE(Build_Bin_Files(error)) << error.toStdString();
        const int size = int(QByteArray::fromHex(QByteArray(c.bytes).replace(' ', "")).size());
        EXPECT_EQ(imgHex(Bank1_Buffer.mid(c.offset, size)), c.bytes);
    }
}

TEST(DeviceImages, VariableTableRowsAndSharedTexts) {
    const QString data = kImgData + "/variables";
    imgOpenProject({data + "/ParGen.xml", data + "/OPC_UA_Server.xml"});
    String error;
    ASSERT_TRUE(Build_Bin_Files(error)) << error.toStdString();
    const TOPC_UA_Server& rec = OPC_UA_Server_Rec;
    ASSERT_EQ(rec.Num_Var, 16); // three of the 19 rows are not enabled with exactly "Y"
    const DWORD shared = 0x80000 + 16 + 16 * 16;
    EXPECT_EQ(rec.Add_NTP, shared + 1); // "10.0.0.1" first
    EXPECT_EQ(rec.Variables[0].Name, "AB");
    EXPECT_EQ(rec.Variables[0].Add_Name, shared + 1 + 9);
    EXPECT_EQ(rec.Variables[1].Add_Name, rec.Variables[0].Add_Name + 3); // "A" after "AB"
    EXPECT_EQ(rec.Variables[2].Add_Name, shared);                        // empty names share one text
    EXPECT_EQ(rec.Variables[3].Add_Name, shared);
    EXPECT_EQ(rec.Variables[3].Position, 16); // "$10"
    EXPECT_EQ(rec.Variables[4].Length, 1);    // a Length that does not parse
    EXPECT_EQ(rec.Variables[5].Length, 0);    // no Length at all
    EXPECT_EQ(rec.Variables[12].VarType, 14u);
    EXPECT_EQ(rec.Variables[13].VarType, 0u); // "int32": the comparison is exact
}

TEST(DeviceImages, RefusedBuildsWriteNothing) {
    struct Case {
        const char* name;
        QByteArray parGen;
        QByteArray variables; // empty: no file
        const char* messagePart;
    } cases[] = {
        {"settings file not well-formed", "<Par_Gen><SERIAL_BAUDRATE>3", {}, "ParGen.xml"},
        {"variable file not well-formed",
         {},
         "<OPC_UA_Server><OPC_UA_Server_Variables>",
         "OPC_UA_Server.xml"},
        {"variable file without the table", {}, "<OPC_UA_Server />", "OPC_UA_Server_Variables"},
        {"variable file with another root",
         {},
         "<Other><OPC_UA_Server_Variables /></Other>",
         "OPC_UA_Server_Variables"},
        {"name beyond one byte",
         {},
         "<OPC_UA_Server><OPC_UA_Server_Variables><row Enable=\"N\" Name=\"\xE2\x82\xAC\" />"
         "<row Enable=\"Y\" Type=\"Byte\" Name=\"ok\" /><row Enable=\"Y\" Type=\"Byte\" "
         "Name=\"Temp \xE2\x84\x83\" /></OPC_UA_Server_Variables></OPC_UA_Server>",
         "Row 3"},
        {"NTP text beyond one byte",
         imgParGen("<NTP_Server_URL>ntp.\xE4\xBE\x8B</NTP_Server_URL>"),
         {},
         "NTP"},
        {"device name beyond one byte",
         imgParGen("<Eth_Conn_Device_Name>\xCE\xA9</Eth_Conn_Device_Name>"),
         {},
         "device name"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString project = imgOpenProject();
        if (!c.parGen.isEmpty()) imgWriteFile(File_ParGen, c.parGen);
        if (!c.variables.isEmpty()) imgWriteFile(File_OPC_UA_Server, c.variables);
        String error;
        EXPECT_FALSE(Build_And_Write_Images(error));
        EXPECT_TRUE(error.contains(c.messagePart)) << error.toStdString();
        EXPECT_FALSE(QFile::exists(project + "/bin/bank1.bin"));
        EXPECT_FALSE(QFile::exists(project + "/bin/bank2.bin"));
    }
}

TEST(DeviceImages, TableThatDoesNotFitTheDeviceIsRefused) {
    auto table = [](int nameLength) {
        return "<OPC_UA_Server><OPC_UA_Server_Variables><row Enable=\"Y\" Type=\"Byte\" Name=\"" +
               QByteArray(nameLength, 'n') + "\" /></OPC_UA_Server_Variables></OPC_UA_Server>";
    };
    // Header, one entry, the shared empty text and the name with its zero byte fill the block exactly.
    const int fillName = Bank2_Max_Size - 16 - 16 - 1 - 1;
    for (int extra : {0, 1}) {
        SCOPED_TRACE(extra);
        const QString project = imgOpenProject();
        imgWriteFile(File_OPC_UA_Server, table(fillName + extra));
        String error;
        const bool built = Build_And_Write_Images(error);
        EXPECT_EQ(built, extra == 0) << error.toStdString();
        if (built) {
            EXPECT_EQ(imgReadFile(project + "/bin/bank2.bin").size(), Bank2_Max_Size);
        } else {
            EXPECT_TRUE(error.contains(QString::number(Bank2_Max_Size))) << error.toStdString();
            EXPECT_FALSE(QFile::exists(project + "/bin/bank2.bin"));
        }
    }
}

TEST(DeviceImages, WriteFailureNamesTheFile) {
    const QString project = imgOpenProject();
    ASSERT_TRUE(QDir(project).mkpath("bin/bank1.bin")); // a folder where the image should go
    String error;
    EXPECT_FALSE(Build_And_Write_Images(error));
    EXPECT_TRUE(error.contains("bank1.bin")) << error.toStdString();
    EXPECT_FALSE(QFile::exists(project + "/bin/bank2.bin"));
}

TEST(DeviceImages, EachBuildStartsFromScratch) {
    const QString on = kImgData + "/settings_on";
    imgOpenProject({on + "/ParGen.xml", kImgData + "/variables/OPC_UA_Server.xml"});
    String error;
    ASSERT_TRUE(Build_Bin_Files(error));
    const QString project = imgOpenProject();
    ASSERT_TRUE(Build_And_Write_Images(error));
    EXPECT_TRUE(ImgSameBytes(imgReadFile(project + "/bin/bank1.bin"),
                             imgReadFile(kImgData + "/no_files/bank1.expected.bin")));
    EXPECT_TRUE(ImgSameBytes(imgReadFile(project + "/bin/bank2.bin"),
                             imgReadFile(kImgData + "/no_files/bank2.expected.bin")));
}

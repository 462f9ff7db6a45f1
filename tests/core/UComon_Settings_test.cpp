// The settings file and the program's folders and table-file paths.
#include "TestSupport.h"
#include "core/UComon.h"
#include "toolkit/services/XmlDoc.h"
#include "toolkit/system/StringList.h"
#include "toolkit/system/SysUtils.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {
void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QString Summary() {
    return QStringList{Name_Project, Last_IP_Address, Language, Enable_Internet ? "I" : "-",
                       Enable_Update ? "U" : "-", Enable_Jump_Field ? "J" : "-", Enable_Auto_Size ? "A" : "-"}
        .join("|");
}

const char kFull[] = "<Conf_Settings><lastproj><projectname>Plant 7</projectname></lastproj>"
                     "<lastipadd><ipaddress>10.0.0.9</ipaddress></lastipadd>"
                     "<lastlang><language>Italiano</language></lastlang>"
                     "<lastinternet><enable_internet>1</enable_internet><enable_update>1</enable_update>"
                     "<enable_jump_field_tables>1</enable_jump_field_tables>"
                     "<Double_Click_Auto_Size>1</Double_Click_Auto_Size></lastinternet></Conf_Settings>";
} // namespace

TEST(Settings, ReadsEachItemWithItsOwnDefault) {
    struct Case {
        const char* name;
        QByteArray content; // empty: no file at all
        QString expected;
    } cases[] = {
        {"missing file", {}, "|192.168.2.205|English|-|-|-|-"},
        {"everything", kFull, "Plant 7|10.0.0.9|Italiano|I|U|J|A"},
        {"only the language",
         "<Conf_Settings><lastlang><language>Deutsch</language></lastlang></Conf_Settings>",
         "|192.168.2.205|Deutsch|-|-|-|-"},
        {"options must be exactly 1",
         "<Conf_Settings><lastinternet><enable_internet>true</enable_internet><enable_update> "
         "1</enable_update>"
         "<enable_jump_field_tables>1</enable_jump_field_tables></lastinternet></Conf_Settings>",
         "|192.168.2.205|English|-|-|J|-"},
        {"present but empty address stays empty",
         "<Conf_Settings><lastipadd><ipaddress></ipaddress></lastipadd></Conf_Settings>",
         "||English|-|-|-|-"},
        {"declaration before the root", QByteArray("<?xml version=\"1.0\"?>") + kFull,
         "|192.168.2.205|English|-|-|-|-"},
        {"not well-formed", "<Conf_Settings><lastproj><projectname>Plant", "|192.168.2.205|English|-|-|-|-"},
        {"other root name still read", "<Other><lastlang><language>Français</language></lastlang></Other>",
         "|192.168.2.205|Français|-|-|-|-"},
        // Far beyond what the program writes: refused whole, like a malformed file.
        {"one item beyond its limit",
         "<Conf_Settings><lastproj><projectname>" + QByteArray(2000, 'p') +
             "</projectname></lastproj><lastlang><language>Deutsch</language></lastlang></Conf_Settings>",
         "|192.168.2.205|English|-|-|-|-"},
        {"file beyond its limit",
         QByteArray(kFull) + "<!--" + QByteArray(2 << 20, '-').replace("--", "-x") + "-->",
         "|192.168.2.205|English|-|-|-|-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QString file = qvtest::TempDir() + "/Quenvarrow.xml";
        if (!c.content.isEmpty())
            WriteFile(file, c.content);
        Name_Project = "stale";
        Enable_Update = true;
        TXMLDocument xml;
        Read_Settings(xml, file);
        EXPECT_EQ(Summary(), c.expected);
        if (!c.content.isEmpty()) {
            QFile f(file);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            EXPECT_EQ(f.readAll(), c.content);
        }
    }
}

TEST(Settings, WrittenFileHasTheFixedLayoutAndReadsBack) {
    QString file = qvtest::TempDir() + "/Quenvarrow.xml";
    Name_Project = "Line A";
    Last_IP_Address = "192.168.2.205";
    Language = "English";
    Enable_Internet = true;
    Enable_Update = false;
    Enable_Jump_Field = true;
    Enable_Auto_Size = false;
    TXMLDocument xml;
    ASSERT_TRUE(xml.LoadFromString("<Leftover><x/></Leftover>"));
    ASSERT_TRUE(Write_Settings(xml, file));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("<Conf_Settings>\r\n"
                                      "  <lastproj>\r\n    <projectname>Line A</projectname>\r\n  </lastproj>\r\n"
                                      "  <lastipadd>\r\n    <ipaddress>192.168.2.205</ipaddress>\r\n  </lastipadd>\r\n"
                                      "  <lastlang>\r\n    <language>English</language>\r\n  </lastlang>\r\n"
                                      "  <lastinternet>\r\n    <enable_internet>1</enable_internet>\r\n"
                                      "    <enable_update>0</enable_update>\r\n"
                                      "    <enable_jump_field_tables>1</enable_jump_field_tables>\r\n"
                                      "    <Double_Click_Auto_Size>0</Double_Click_Auto_Size>\r\n"
                                      "  </lastinternet>\r\n</Conf_Settings>\r\n"));
    Reset_Program_State();
    Read_Settings(xml, file);
    EXPECT_EQ(Summary(), "Line A|192.168.2.205|English|I|-|J|-");
}

TEST(Settings, FailedWriteKeepsTheOldFile) {
    QString dir = qvtest::TempDir();
    TXMLDocument xml;
    EXPECT_FALSE(Write_Settings(xml, dir + "/missing-folder/Quenvarrow.xml"));
}

TEST(ProgramState, FoldersAreCreatedAndPathsFollowTheOpenConfiguration) {
    QString exe = qvtest::TempDir();
    Reset_Program_State();
    Set_Program_Folders(exe + "/");
    EXPECT_EQ(Dir_Exe, exe);
    for (const char* d : {"/MASTER", "/PROJECTS", "/LANGUAGE"})
        EXPECT_TRUE(DirectoryExists(exe + d)) << d;
    Set_Table_File_Paths();
    EXPECT_EQ(File_ParGen, "/ParGen.xml");
    EXPECT_EQ(File_EtherNetIP_Master_Rules, "/EtherNetIP_Master_Rules.xml");
    Dir_Project = Dir_Projects + "/Plant";
    Set_Table_File_Paths();
    EXPECT_EQ(File_OPC_UA_Server, exe + "/PROJECTS/Plant/OPC_UA_Server.xml");
    EXPECT_EQ(File_SNMP_Trap, exe + "/PROJECTS/Plant/SNMP_Trap.xml");
}

TEST(ProgramState, ProjectNamesThatLeaveThePROJECTSFolderAreRefused) {
    for (const char* bad : {"", ".", "..", "a/b", "a\\b", "../x"})
        EXPECT_FALSE(Is_Safe_Project_Name(bad)) << bad;
    for (const char* good : {"Plant 7", "x.y", "..a", "é"})
        EXPECT_TRUE(Is_Safe_Project_Name(QString::fromUtf8(good))) << good;
}

TEST(SerialPorts, PortTextsMapToTheirDevices) {
    EXPECT_EQ(COM_Port_Device("1"), "/dev/ttyS0");
    EXPECT_EQ(COM_Port_Device("12"), "/dev/ttyS11");
    EXPECT_EQ(COM_Port_Device("ttyUSB0"), "/dev/ttyUSB0");
    std::unique_ptr<TStringList> ports(Get_COM_Ports());
    // Whatever this machine has, every listed port names a device that exists.
    for (int i = 0; i < ports->Count(); ++i)
        EXPECT_TRUE(QFile::exists(COM_Port_Device(ports->Strings(i)))) << ports->Strings(i).toStdString();
}

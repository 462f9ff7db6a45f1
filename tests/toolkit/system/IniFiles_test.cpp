// INI files: reading the platform's format, case-insensitive names, order kept, written back whole.
#include "toolkit/system/IniFiles.h"
#include "toolkit/system/Streams.h"

#include "TestSupport.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {
void iniWriteBytes(const String& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
QByteArray iniReadBytes(const String& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

TEST(IniFile, ReadsExistingFileIgnoringCaseAndBlanks) {
    const String path = qvtest::TempDir() + "/grid.ini";
    iniWriteBytes(
        path, "; column order\n[Grid1]\n CP0 = 2 \nCP1=$A\nbad=x\n\n[Other]\nflag=1\nName=  Some text  \n");
    TMemIniFile ini(path);
    EXPECT_TRUE(ini.SectionExists("grid1"));
    EXPECT_FALSE(ini.SectionExists("Grid2"));
    EXPECT_TRUE(ini.ValueExists("GRID1", "cp0"));
    EXPECT_FALSE(ini.ValueExists("Grid1", "CP2"));
    EXPECT_EQ(ini.ReadInteger("Grid1", "CP0", -1), 2);
    EXPECT_EQ(ini.ReadInteger("Grid1", "CP1", -1), 10);
    EXPECT_EQ(ini.ReadInteger("Grid1", "bad", -1), -1);
    EXPECT_EQ(ini.ReadInteger("Grid1", "CP9", -1), -1);
    EXPECT_TRUE(ini.ReadBool("other", "FLAG", false));
    EXPECT_TRUE(ini.ReadBool("other", "missing", true));
    EXPECT_EQ(ini.ReadString("Other", "name", "d"), "Some text");
    EXPECT_EQ(ini.ReadString("Other", "none", "d"), "d");
}

TEST(IniFile, WritesBackWholeKeepingOrderAndComments) {
    const String path = qvtest::TempDir() + "/grid.ini";
    iniWriteBytes(path, "; keep me\n[B]\nx=1\n[A]\ny=2\n");
    {
        TMemIniFile ini(path);
        ini.WriteInteger("a", "Y", 20); // existing key keeps its spelling and place
        ini.WriteString("B", "z", "new");
        ini.WriteBool("C", "on", true);
        ini.UpdateFile();
    }
    EXPECT_EQ(iniReadBytes(path),
              "; keep me\r\n\r\n[B]\r\nx=1\r\nz=new\r\n\r\n[A]\r\ny=20\r\n\r\n[C]\r\non=1\r\n");
    TMemIniFile again(path);
    TStringList sections;
    again.ReadSections(sections);
    EXPECT_EQ(sections.CommaText(), "B,A,C");
    again.EraseSection("b");
    again.DeleteKey("A", "y");
    TStringList keys;
    again.ReadSection("A", keys);
    EXPECT_EQ(keys.Count(), 0);
    EXPECT_EQ(again.Text(), "; keep me\r\n\r\n[A]\r\n\r\n[C]\r\non=1\r\n");
}

TEST(IniFile, WriteThroughVariantSavesEveryChangeAndMissingFileStartsEmpty) {
    const String path = qvtest::TempDir() + "/new.ini";
    {
        TIniFile ini(path);
        EXPECT_FALSE(ini.SectionExists("S"));
        ini.WriteInteger("S", "CP0", 3);
    }
    EXPECT_EQ(iniReadBytes(path), "[S]\r\nCP0=3\r\n");
    TIniFile bad(qvtest::TempDir() + "/no/such/dir/x.ini");
    EXPECT_THROW(bad.WriteInteger("S", "k", 1), EFCreateError);
}

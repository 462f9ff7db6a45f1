// Number parsing and formatting, 1-based string routines, paths and folder listing.
#include "toolkit/system/SysUtils.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {
struct IntCase {
    const char* text;
    Integer expected;
};

void suTouchFile(const String& path, const QByteArray& bytes = "x") {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

std::vector<String> suNamesOf(const std::vector<TSearchRec>& entries) {
    std::vector<String> names;
    for (const auto& e : entries)
        names.push_back(e.Name);
    return names;
}
} // namespace

TEST(ParseCellInt, AcceptsDecimalAndBothHexPrefixesAndAnswersMinusOneOtherwise) {
    const IntCase cases[] = {
        {"10", 10},
        {"-5", -5},
        {"+7", 7},
        {"0", 0},
        {"007", 7},
        {"$1F", 31},
        {"$1f", 31},
        {"0x1f", 31},
        {"0X1F", 31},
        {"-$10", -16},
        {"  12", 12}, // leading blanks are skipped, as the platform does
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"$7FFFFFFF", 2147483647},
        {"$FFFFFFFF", -1},        // all 32 bits: the pattern of -1
        {"$80000000", INT32_MIN}, // all 32 bits
        // not numbers
        {"", -1},
        {" ", -1},
        {"abc", -1},
        {"12a", -1},
        {"12 ", -1},
        {"1 2", -1},
        {"$", -1},
        {"0x", -1},
        {"-", -1},
        {"$G", -1},
        {"0x1g", -1},
        {"1.5", -1},
        {"2147483648", -1},
        {"-2147483649", -1},
        {"$100000000", -1},
        {"99999999999999999999", -1},
        {"x1F", -1},
        {"\xd9\xa3", -1}, // an Arabic-Indic digit is not a digit here
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseCellInt(String::fromUtf8(c.text)), c.expected) << '"' << c.text << '"';
}

TEST(StrToInt, RaisesConvertErrorNamingTheTextAndDefaultsElsewhere) {
    EXPECT_EQ(StrToInt("0x10"), 16);
    try {
        StrToInt("12a");
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'12a' is not a valid integer value");
    }
    EXPECT_EQ(StrToIntDef("", 99), 99);
    Integer v = 5;
    EXPECT_TRUE(TryStrToInt("-1", v));
    EXPECT_FALSE(TryStrToInt("x", v));
    EXPECT_EQ(v, -1); // untouched by the failed parse
    int64_t big = 0;
    EXPECT_TRUE(TryStrToInt64("$100000000", big));
    EXPECT_EQ(big, 0x100000000LL);
    EXPECT_EQ(StrToInt64Def("9223372036854775808", 7), 7);
}

TEST(IntToHex, PadsAndShowsNegativeAs32BitPattern) {
    EXPECT_EQ(IntToHex(255, 4), "00FF");
    EXPECT_EQ(IntToHex(0x12345, 2), "12345");
    EXPECT_EQ(IntToHex(-1, 2), "FFFFFFFF");
    EXPECT_EQ(IntToStr(-42), "-42");
}

TEST(Floats, ParseOnlyWithTheGivenSeparatorAndFormatWithIt) {
    struct Case {
        const char* text;
        char sep;
        bool ok;
        double value;
    } cases[] = {
        {"1.5", '.', true, 1.5},      {"1,5", ',', true, 1.5},       {"1,5", '.', false, 0},
        {"1.5", ',', false, 0},       {" -2.25 ", '.', true, -2.25}, {"1e3", '.', true, 1000},
        {"1.5E-2", '.', true, 0.015}, {".5", '.', true, 0.5},        {"5.", '.', true, 5},
        {"", '.', false, 0},          {"1,000.5", '.', false, 0},    {"abc", '.', false, 0},
        {"1e999", '.', false, 0},
    };
    for (const auto& c : cases) {
        double v = -99;
        EXPECT_EQ(TryStrToFloat(c.text, v, QChar(c.sep)), c.ok) << c.text;
        if (c.ok) {
            EXPECT_DOUBLE_EQ(v, c.value) << c.text;
        }
    }
    EXPECT_THROW(StrToFloat("x", u'.'), EConvertError);
    EXPECT_EQ(FloatToStr(1.5, u','), "1,5");
    EXPECT_EQ(FloatToStr(0.1, u'.'), "0.1");
    EXPECT_EQ(FloatToStr(100, u'.'), "100");
    EXPECT_EQ(FloatToStr(1e20, u'.'), "1E20");
    EXPECT_EQ(FloatToStr(0.00001, u'.'), "1E-5");
}

TEST(DecimalSeparator, FollowsTheOverride) {
    SetDecimalSeparatorOverride(u',');
    EXPECT_EQ(DecimalSeparator(), QChar(u','));
    double v = 0;
    EXPECT_TRUE(TryStrToFloat("2,5", v));
    EXPECT_DOUBLE_EQ(v, 2.5);
    SetDecimalSeparatorOverride(QChar());
    EXPECT_FALSE(DecimalSeparator().isNull());
}

TEST(Format, FormatsDirectivesAndRefusesMismatches) {
    EXPECT_EQ(Format("Error row %d!! Position Must be Between 0 and %d", {3, 2000}),
              "Error row 3!! Position Must be Between 0 and 2000");
    EXPECT_EQ(Format("[%5d|%-4s|%.3d|%x|%%|%.2f]", {42, String("ab"), 7, 255, 1.5}),
              "[   42|ab  |007|FF|%|1.50]");
    EXPECT_EQ(Format("%d", {-5}), "-5");
    EXPECT_THROW(Format("%d %d", {1}), EConvertError);        // missing argument
    EXPECT_THROW(Format("%d", {String("x")}), EConvertError); // wrong kind
    EXPECT_THROW(Format("%s", {1}), EConvertError);
    EXPECT_THROW(Format("%q", {1}), EConvertError);
}

TEST(Strings, PositionsCountFromOneAndCopyClamps) {
    EXPECT_EQ(Pos("b", "abc"), 2);
    EXPECT_EQ(Pos("a", "abc"), 1);
    EXPECT_EQ(Pos("z", "abc"), 0);
    EXPECT_EQ(Pos("", "abc"), 0);
    EXPECT_EQ(Pos("abcd", "abc"), 0);
    struct {
        int index, count;
        const char* expected;
    } copies[] = {{1, 2, "ab"}, {2, 100, "bcd"}, {0, 2, "ab"}, {-5, 1, "a"},          {5, 1, ""},
                  {4, 1, "d"},  {2, 0, ""},      {2, -1, ""},  {1, INT32_MAX, "abcd"}};
    for (const auto& c : copies)
        EXPECT_EQ(Copy("abcd", c.index, c.count), c.expected) << c.index << "," << c.count;
    EXPECT_EQ(Trim(QStringLiteral("\t a b \r\n")), "a b");
    EXPECT_EQ(TrimLeft("  a "), "a ");
    EXPECT_EQ(TrimRight("  a "), "  a");
    EXPECT_TRUE(SameText("ÄbC", "äBc"));
    EXPECT_LT(CompareText("apple", "Banana"), 0);
    EXPECT_EQ(QuotedStr("it's"), "'it''s'");
}

TEST(Strings, StringReplaceHonoursFlags) {
    EXPECT_EQ(StringReplace("aXbxc", "x", "-", 0), "aXb-c");
    EXPECT_EQ(StringReplace("aXbxc", "x", "-", rfIgnoreCase), "a-bxc");
    EXPECT_EQ(StringReplace("aXbxc", "x", "-", rfIgnoreCase | rfReplaceAll), "a-b-c");
    EXPECT_EQ(StringReplace("abc", "", "-", rfReplaceAll), "abc");
}

TEST(Paths, SplitAtThePlatformSeparatorOnly) {
    EXPECT_EQ(ExtractFilePath("/a/b/c.xml"), "/a/b/");
    EXPECT_EQ(ExtractFilePath("c.xml"), "");
    EXPECT_EQ(ExtractFileName("/a/b/c.xml"), "c.xml");
    EXPECT_EQ(ExtractFileName("/a/b/"), "");
    EXPECT_EQ(ExtractFileExt("/a/b.d/c"), "");
    EXPECT_EQ(ExtractFileExt("/a/c.tar.gz"), ".gz");
    EXPECT_EQ(ChangeFileExt("/a.b/c.lng", ".bak"), "/a.b/c.bak");
    EXPECT_EQ(ChangeFileExt("/a.b/c", ".bak"), "/a.b/c.bak");
    EXPECT_EQ(ExtractFileName("PROJECTS\\demo"), "PROJECTS\\demo"); // a backslash belongs to the name
    EXPECT_EQ(IncludeTrailingPathDelimiter("/a"), "/a/");
    EXPECT_EQ(IncludeTrailingPathDelimiter("/a/"), "/a/");
    EXPECT_EQ(ExpandFileName("/a/b/../c/./d.htm"), "/a/c/d.htm");
    EXPECT_EQ(ExpandFileName("d.htm"), QDir::currentPath() + "/d.htm");
}

TEST(Files, CreateRenameDeleteAndTellFilesFromFolders) {
    const String dir = qvtest::TempDir();
    const String sub = dir + "/x/y/z";
    EXPECT_FALSE(CreateDir(sub)); // parents missing
    EXPECT_TRUE(ForceDirectories(sub));
    EXPECT_TRUE(ForceDirectories(sub)); // already there
    EXPECT_FALSE(CreateDir(sub));
    EXPECT_TRUE(DirectoryExists(sub));
    EXPECT_FALSE(FileExists(sub));
    suTouchFile(dir + "/a.txt");
    suTouchFile(dir + "/b.txt");
    EXPECT_TRUE(FileExists(dir + "/a.txt"));
    EXPECT_FALSE(DirectoryExists(dir + "/a.txt"));
    EXPECT_FALSE(RenameFile(dir + "/a.txt", dir + "/b.txt")); // target exists
    EXPECT_TRUE(RenameFile(dir + "/a.txt", dir + "/c.txt"));
    EXPECT_TRUE(DeleteFile(dir + "/c.txt"));
    EXPECT_FALSE(DeleteFile(dir + "/c.txt"));
    EXPECT_FALSE(DeleteFile(sub)); // not a file
    EXPECT_FALSE(FileExists(""));
}

TEST(Files, CopyFileKeepsOrReplacesTheTargetAndLeavesTheCopyWritable) {
    const String dir = qvtest::TempDir();
    const String source = dir + "/source.bmp";
    {
        QFile f(source);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("new");
    }
    QFile::setPermissions(source, QFileDevice::ReadOwner); // as a compiled-in resource is
    const String target = dir + "/target.bmp";
    suTouchFile(target);
    const qint64 touched = QFile(target).size();
    EXPECT_FALSE(CopyFile(source, target, true));
    EXPECT_EQ(QFile(target).size(), touched) << "an existing target stays when asked to";
    EXPECT_TRUE(CopyFile(source, target, false));
    EXPECT_EQ(QFile(target).size(), 3);
    EXPECT_TRUE(QFile::permissions(target) & QFileDevice::WriteOwner);
    EXPECT_TRUE(CopyFile(source, dir + "/fresh.bmp", true));
    EXPECT_FALSE(CopyFile(dir + "/missing.bmp", dir + "/other.bmp", false));
    EXPECT_FALSE(FileExists(dir + "/other.bmp"));
    ForceDirectories(dir + "/folder");
    EXPECT_FALSE(CopyFile(source, dir + "/folder", false)); // a folder is never replaced by a file
    EXPECT_TRUE(DirectoryExists(dir + "/folder"));
    QFile::setPermissions(source, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

TEST(FindFiles, MatchesPatternsIgnoringCaseAndListsFoldersOnRequest) {
    const String dir = qvtest::TempDir();
    suTouchFile(dir + "/English.lng", "12345");
    suTouchFile(dir + "/Deutsch.LNG");
    suTouchFile(dir + "/flag.bmp");
    suTouchFile(dir + "/.hidden.lng");
    ForceDirectories(dir + "/Beta");
    ForceDirectories(dir + "/alpha.lng");
    ForceDirectories(dir + "/.git");

    EXPECT_EQ(suNamesOf(FindFiles(dir, "*.lng", 0)), (std::vector<String>{"Deutsch.LNG", "English.lng"}));
    const auto lng = FindFiles(dir, "*.lng", faDirectory);
    EXPECT_EQ(suNamesOf(lng), (std::vector<String>{"alpha.lng", "Deutsch.LNG", "English.lng"}));
    EXPECT_TRUE(lng[0].IsDirectory());
    EXPECT_FALSE(lng[2].IsDirectory());
    EXPECT_EQ(lng[2].Size, 5);
    EXPECT_EQ(FindFiles(dir, "*.*", faAnyFile).size(), 7u); // "*.*" is every entry, hidden ones included
    EXPECT_EQ(suNamesOf(FindFolders(dir)), (std::vector<String>{"alpha.lng", "Beta"}));
    EXPECT_EQ(suNamesOf(FindFolders(dir, "*", true)), (std::vector<String>{".git", "alpha.lng", "Beta"}));
    EXPECT_TRUE(FindFiles(dir + "/missing", "*").empty());
}

TEST(ExeDir, OverrideMovesTheProgramFolder) {
    const String real = ExeDir();
    EXPECT_FALSE(real.isEmpty());
    EXPECT_FALSE(real.endsWith(u'/'));
    EXPECT_TRUE(DirectoryExists(real));
    SetExeDirOverride("/tmp/somewhere/");
    EXPECT_EQ(ExeDir(), "/tmp/somewhere");
    SetExeDirOverride("");
    EXPECT_EQ(ExeDir(), real);
}

TEST(GetTickCount, AdvancesWithSleep) {
    const DWORD start = GetTickCount();
    Sleep(20);
    const DWORD elapsed = GetTickCount() - start; // unsigned difference survives the wrap
    EXPECT_GE(elapsed, 19u);
    EXPECT_LT(elapsed, 5000u);
}

// The interface text table: built-in texts, language-file lines, encodings and the choice of file.
#include "core/ULanguage.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {
QStringList tableNow() {
    QStringList all;
    for (Integer n = 0; n < Lang_Texts->Count(); ++n)
        all.append(Lang_Texts->Strings(n));
    return all;
}

QStringList builtIns() {
    Load_Default_Lang();
    return tableNow();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

const QByteArray kUtf8Bom = "\xEF\xBB\xBF";
} // namespace

TEST(LangTexts, BuiltInTableHas4200TextsKeptExactly) {
    Load_Default_Lang();
    ASSERT_EQ(Lang_Texts->Count(), 4200);
    EXPECT_EQ(Num_Lang_Texts, 4200);
    const QStringList all = tableNow();
    // 1306 tells why an insert is refused; 1238 to 1240, 1310, 1311, 1320 to 1322, 1441 to 1443 and the
    // table windows' texts (2769 and 2770 among them) fill blanks.
    EXPECT_EQ(all.count(" "), 1684);
    EXPECT_EQ(Lang_Texts->Strings(9), "None Configuration Opened ");
    EXPECT_EQ(Lang_Texts->Strings(0), "Begin");
    EXPECT_EQ(Lang_Texts->Strings(11), "Opened Configuration of the Converter : ");
    EXPECT_EQ(Lang_Texts->Strings(3841), "!! OID string cannot start with a \".\"");
    EXPECT_EQ(
        Lang_Texts->Strings(2926),
        QString::fromUtf8("Description for the M-Bus meter (defined in the section \u201CM-Bus\u201D)"));
    EXPECT_EQ(Lang_Texts->Strings(4199), " ");
    EXPECT_EQ((*Lang_Texts)[1], "Step 1");
}

TEST(LangTexts, NumberOutsideTableRaises) {
    Load_Default_Lang();
    EXPECT_THROW(Lang_Texts->Strings(4200), EListError);
    EXPECT_THROW(Lang_Texts->Strings(-1), EListError);
    EXPECT_THROW(Lang_Texts->SetStrings(4200, "x"), EListError);
}

// One line per case, read over the built-in table: the entry it sets, or none (-1) when the whole
// table must stay as built in.
TEST(LangFile, LineRules) {
    struct Case {
        const char* line;
        int number;
        const char* text;
    };
    const Case cases[] = {
        {"STR12 = Hello", 12, "Hello"},
        {"  \tSTR  12   =   Hello  \t ", 12, "Hello"},
        {"STR12 = a = b", 12, "a = b"},
        {"STR12 = Hello\x01", 12, "Hello"},
        {"str12 = Hello", -1, ""},
        {"XSTR12 = Hello", -1, ""},
        {"STR12 Hello", -1, ""},
        {"STR = Hello", -1, ""},
        {"STRx1 = Hello", -1, ""},
        {"STR4200 = x", -1, ""},
        {"STR-1 = x", -1, ""},
        {"STR4199 = x", 4199, "x"},
        {"STR0 = first", 0, "first"},
        {"STR$C = hex", 12, "hex"},
        {"STR0x0C = hex", 12, "hex"},
        {"STR12 =", -1, ""},
        {"STR12 =    ", -1, ""},
        {"STR12 = Hello /#/ note", 12, "Hello"},
        {"STR12 = /#/ note", -1, ""},
        {"STR12 = a /#/ b /#/ c", 12, "a"},
        {"STR12 = \u00B6 Hello \u00B6 rest", 12, " Hello "},
        {"STR305 = \u00B6Page \u00B6", 305, "Page "},
        {"STR306 = \u00B6 / \u00B6", 306, " / "},
        {"STR12 = \u00B6\u00B6", 12, ""},
        {"STR12 = \u00B6Hello", 12, "Hello"},
        {"STR12 = Hel\u00B6lo", 12, "Hel"},
        {"STR12 = \u00B6 x \u00B6 /#/ note", 12, " x "},
    };
    const QStringList defaults = builtIns();
    const QString path = qvtest::TempDir() + "/rules.lng";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        writeFile(path, kUtf8Bom + QByteArray(c.line) + "\r\n");
        Load_Default_Lang();
        Load_Lang_File(path);
        QStringList expected = defaults;
        if (c.number >= 0) expected[c.number] = QString::fromUtf8(c.text);
        EXPECT_EQ(tableNow(), expected);
    }
}

// The number is what stands between "STR" and "=", so a line without a blank before "=" names the
// whole number rather than losing its last digit.
TEST(LangFile, NumberWithoutBlankBeforeEqualsIsReadWhole) {
    const QStringList defaults = builtIns();
    const QString path = qvtest::TempDir() + "/tight.lng";
    writeFile(path, "STR12=Hello\nSTR7=Seven\n");
    Load_Default_Lang();
    Load_Lang_File(path);
    QStringList expected = defaults;
    expected[12] = "Hello";
    expected[7] = "Seven";
    EXPECT_EQ(tableNow(), expected);
}

TEST(LangFile, LineEndsAndLaterLineWins) {
    const QString path = qvtest::TempDir() + "/ends.lng";
    writeFile(path, "STR1 = a\rSTR2 = b\r\nSTR3 = c\n\n; free text\r\nSTR1 = d");
    Load_Default_Lang();
    Load_Lang_File(path);
    EXPECT_EQ(Lang_Texts->Strings(1), "d");
    EXPECT_EQ(Lang_Texts->Strings(2), "b");
    EXPECT_EQ(Lang_Texts->Strings(3), "c");
    EXPECT_EQ(Lang_Texts->Strings(4), "Step 4");
}

TEST(LangFile, EncodingsByByteOrderMark) {
    struct Case {
        const char* name;
        QByteArray bytes;
        QString text;
    };
    const QString accented = QString::fromUtf8("Caf\u00E9 \u20AC \u00B5");
    auto utf16 = [](const QString& s, bool bigEndian) {
        QByteArray out = bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
        for (QChar c : s) {
            const char hi = char(c.unicode() >> 8), lo = char(c.unicode() & 0xFF);
            out.append(bigEndian ? hi : lo).append(bigEndian ? lo : hi);
        }
        return out;
    };
    const QString line = "STR12 = " + accented + "\r\n";
    const Case cases[] = {
        {"utf8 bom", kUtf8Bom + line.toUtf8(), accented},
        {"utf16 le bom", utf16(line, false), accented},
        {"utf16 be bom", utf16(line, true), accented},
        {"cp1252", QByteArray("STR12 = Caf\xE9 \x80 \xB5\r\n"), accented},
        {"cp1252 undefined byte", QByteArray("STR12 = a\x81z\r\n"), QString::fromUtf8("a\u0081z")},
        {"utf8 without bom is cp1252", QByteArray("STR12 = \xC3\xA9\r\n"), QString::fromUtf8("\u00C3\u00A9")},
    };
    const QString path = qvtest::TempDir() + "/enc.lng";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(path, c.bytes);
        Load_Default_Lang();
        Load_Lang_File(path);
        EXPECT_EQ(Lang_Texts->Strings(12), c.text);
    }
}

TEST(LangLoad, ChosenFileThenEnglishFallback) {
    const QString dir = qvtest::TempDir();
    writeFile(dir + "/Italiano.lng", "STR12 = Informazioni\n");
    writeFile(dir + "/English.lng", "STR13 = Settings\n");
    const QStringList defaults = builtIns();

    String language = "Italiano";
    Load_Lang(dir, language);
    EXPECT_EQ(language, "Italiano");
    EXPECT_EQ(Lang_Texts->Strings(12), "Informazioni");
    EXPECT_EQ(Lang_Texts->Strings(13), defaults[13]);

    // A missing language falls back to English, and nothing of the earlier language survives.
    language = "Deutsch";
    Load_Lang(dir, language);
    EXPECT_EQ(language, "English");
    EXPECT_EQ(Lang_Texts->Strings(12), defaults[12]);
    EXPECT_EQ(Lang_Texts->Strings(13), "Settings");

    const QString empty = qvtest::TempDir();
    language = "Deutsch";
    Load_Lang(empty, language);
    EXPECT_EQ(language, "English");
    EXPECT_EQ(tableNow(), defaults);
}

// A stored name is a plain file name in the language folder; anything else gives the built-in English.
TEST(LangLoad, StoredNameStaysInTheLanguageFolder) {
    const QString base = qvtest::TempDir();
    ASSERT_TRUE(QDir(base).mkdir("LANGUAGE"));
    writeFile(base + "/evil.lng", "STR12 = evil\n");
    writeFile(base + "/LANGUAGE/..lng", "STR12 = dots\n");
    const QStringList defaults = builtIns();
    for (const QString& stored : {QString("../evil"), base + "/evil", QString(".."), QString("..\\evil")}) {
        String language = stored;
        Load_Lang(base + "/LANGUAGE", language);
        EXPECT_EQ(language, "English") << stored.toStdString();
        EXPECT_EQ(tableNow(), defaults) << stored.toStdString();
    }
}

// Far larger than a language file can be: refused whole, the texts stay as they were.
TEST(LangFile, FileOrLineBeyondItsLimitIsRefusedWhole) {
    const QString dir = qvtest::TempDir();
    const QStringList defaults = builtIns();
    writeFile(dir + "/Line.lng", "STR12 = x\nSTR13 = " + QByteArray(20000, 'y') + "\n");
    QByteArray big = "STR12 = x\n";
    while (big.size() <= (9 << 20))
        big += "STR13 = padding padding padding padding padding padding\n";
    writeFile(dir + "/Big.lng", big);
    for (const char* name : {"Line", "Big"}) {
        String language = name;
        Load_Lang(dir, language);
        EXPECT_EQ(language, name);
        EXPECT_EQ(tableNow(), defaults) << name;
    }
}

TEST(LangLoad, MissingOrDirectoryPathChangesNothing) {
    const QStringList defaults = builtIns();
    const QString dir = qvtest::TempDir();
    QDir(dir).mkdir("Folder.lng");
    Load_Lang_File(dir + "/Missing.lng");
    Load_Lang_File(dir + "/Folder.lng");
    EXPECT_EQ(tableNow(), defaults);
    String language = "Folder";
    Load_Lang(dir, language);
    EXPECT_EQ(language, "English");
}

TEST(LangLoad, UnreadableFileKeepsBuiltInTexts) {
    if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind root";
    const QString dir = qvtest::TempDir();
    const QString path = dir + "/Locked.lng";
    writeFile(path, "STR12 = x\n");
    QFile::setPermissions(path, QFileDevice::Permissions());
    const QStringList defaults = builtIns();
    String language = "Locked";
    Load_Lang(dir, language);
    EXPECT_EQ(language, "Locked");
    EXPECT_EQ(tableNow(), defaults);
}

TEST(LangLoad, EnglishFileWrittenFromTheBuiltInTextsReadsBackEveryOne) {
    Load_Default_Lang();
    QStringList builtIn;
    for (int n = 0; n < Num_Lang_Texts; ++n)
        builtIn << Lang_Texts->Strings(n);
    const QString dir = qvtest::TempDir() + "/english";
    ASSERT_TRUE(QDir().mkpath(dir));
    Install_English_Lang(dir);
    const QString path = dir + "/English.lng";
    ASSERT_TRUE(QFile::exists(path));
    // Over a table where every text is something else, the file alone brings each built-in text back, blanks
    // at either end included.
    for (int n = 0; n < Num_Lang_Texts; ++n)
        Lang_Texts->SetStrings(n, "x");
    Load_Lang_File(path);
    int restored = 0;
    for (int n = 0; n < Num_Lang_Texts; ++n) {
        if (builtIn[n] == " ") continue; // a number without a text
        EXPECT_EQ(Lang_Texts->Strings(n), builtIn[n]) << n;
        ++restored;
    }
    EXPECT_GT(restored, 1000);
    EXPECT_TRUE(builtIn[9].endsWith(' ')); // "None Configuration Opened ": travels quoted

    // An existing file is the person's own and stays as it is; a missing folder gets nothing.
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("STR0=mine\r\n");
    f.close();
    Install_English_Lang(dir);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("STR0=mine\r\n"));
    Install_English_Lang(dir + "/gone");
    EXPECT_FALSE(QFile::exists(dir + "/gone/English.lng"));
    Load_Default_Lang();
}

// String lists: sorting and duplicates, names and values, text forms, files and change notification.
#include "toolkit/system/StringList.h"

#include "toolkit/system/Streams.h"
#include "toolkit/system/TextCodec.h"

#include "TestSupport.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {
std::vector<String> slLinesOf(const TStrings& list) {
    std::vector<String> out;
    for (int i = 0; i < list.Count(); ++i)
        out.push_back(list.Strings(i));
    return out;
}

void slWriteBytes(const String& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray slReadBytes(const String& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

TEST(StringList, SortedIgnoresDuplicatesRegardlessOfCase) {
    TStringList list;
    list.SetSorted(true);
    EXPECT_EQ(list.Add("pear"), 0);
    EXPECT_EQ(list.Add("Apple"), 0);
    EXPECT_EQ(list.Add("banana"), 1);
    EXPECT_EQ(list.Add("APPLE"), 0); // already there: skipped, answers where it is
    EXPECT_EQ(slLinesOf(list), (std::vector<String>{"Apple", "banana", "pear"}));
    EXPECT_EQ(list.IndexOf("PEAR"), 2);
    int at = -1;
    EXPECT_FALSE(list.Find("cherry", at));
    EXPECT_EQ(at, 2);
    EXPECT_THROW(list.Insert(0, "x"), EListError);
    EXPECT_THROW(list.SetStrings(0, "x"), EListError);

    list.SetDuplicates(dupError);
    EXPECT_THROW(list.Add("Banana"), EListError);
    list.SetDuplicates(dupAccept);
    list.Add("Banana");
    EXPECT_EQ(list.Count(), 4);
}

TEST(StringList, CaseSensitiveListsTellCaseApart) {
    TStringList list;
    list.SetCaseSensitive(true);
    list.SetSorted(true);
    list.Add("a");
    list.Add("A");
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.IndexOf("A"), 0);
    TStringList plain;
    plain.Add("x");
    plain.Add("Abc");
    EXPECT_EQ(plain.IndexOf("ABC"), 1); // unsorted lists ignore case too
    EXPECT_EQ(plain.IndexOf("nope"), -1);
}

TEST(StringList, SortIgnoresCaseAndCustomSortSeesTheListUnchanged) {
    TStringList list;
    list.SetText("delta\nAlpha\ncharlie\nBravo\n");
    TObject marker;
    list.SetObjects(1, &marker);
    list.Sort();
    EXPECT_EQ(slLinesOf(list), (std::vector<String>{"Alpha", "Bravo", "charlie", "delta"}));
    EXPECT_EQ(list.Objects(0), &marker); // objects travel with their lines
    list.CustomSort(
        [](TStringList& l, int a, int b) { return int(l.Strings(b).size() - l.Strings(a).size()); });
    EXPECT_EQ(slLinesOf(list),
              (std::vector<String>{"charlie", "Alpha", "Bravo", "delta"})); // stable by length
}

TEST(StringList, TextEndsEveryLineWithCrLfAndReadsAnyLineEnd) {
    TStringList list;
    list.Add("a");
    list.Add("");
    list.Add("b");
    EXPECT_EQ(list.Text(), "a\r\n\r\nb\r\n");
    struct {
        const char* text;
        std::vector<String> lines;
    } cases[] = {
        {"", {}},
        {"x", {"x"}},
        {"x\r\n", {"x"}},
        {"\r\n", {""}},
        {"a\rb\nc\r\nd", {"a", "b", "c", "d"}},
        {"a\n\nb", {"a", "", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
    };
    for (const auto& c : cases) {
        list.SetText(c.text);
        EXPECT_EQ(slLinesOf(list), c.lines) << c.text;
    }
}

TEST(StringList, NamesValuesAndCommaText) {
    TStringList list;
    list.SetText("Key=1\nother\nName=a=b");
    EXPECT_EQ(list.Names(0), "Key");
    EXPECT_EQ(list.Names(1), "");
    EXPECT_EQ(list.Values("name"), "a=b");
    EXPECT_EQ(list.Values("missing"), "");
    list.SetValues("KEY", "2");
    EXPECT_EQ(list.Strings(0), "KEY=2");
    list.SetValues("New", "x");
    EXPECT_EQ(list.Strings(3), "New=x");
    list.SetValues("New", "");
    EXPECT_EQ(list.Count(), 3);

    TStringList c;
    c.Add("plain");
    c.Add("with space");
    c.Add("say \"hi\"");
    c.Add("");
    EXPECT_EQ(c.CommaText(), "plain,\"with space\",\"say \"\"hi\"\"\",\"\"");
    TStringList back;
    back.SetCommaText(c.CommaText());
    EXPECT_TRUE(back.Equals(c));
    back.SetCommaText("a b,c");
    EXPECT_EQ(slLinesOf(back), (std::vector<String>{"a", "b", "c"}));
}

TEST(StringList, IndexErrorsRaiseListError) {
    TStringList list;
    list.Add("a");
    EXPECT_THROW(list.Strings(1), EListError);
    EXPECT_THROW(list.Strings(-1), EListError);
    EXPECT_THROW(list.Delete(1), EListError);
    EXPECT_THROW(list.Insert(2, "x"), EListError);
    list.Insert(1, "b");
    EXPECT_EQ(list.Text(), "a\r\nb\r\n");
}

TEST(StringList, LoadsBomUtf8AndAnsiFiles) {
    const String dir = qvtest::TempDir();
    struct {
        const char* name;
        QByteArray bytes;
        TTextEncoding encoding;
    } cases[] = {
        {"bom.txt",
         QByteArray("\xEF\xBB\xBF"
                    "caf\xC3\xA9\r\nx"),
         TTextEncoding::UTF8BOM},
        {"utf8.txt", QByteArray("caf\xC3\xA9\r\nx"), TTextEncoding::UTF8},
        {"ansi.txt", QByteArray("caf\xE9\r\nx"), TTextEncoding::ANSI},
        {"utf16.txt",
         QByteArray("\xFF\xFE"
                    "c\0a\0f\0\xE9\0\r\0\n\0x\0",
                    16),
         TTextEncoding::UTF16LE},
    };
    for (const auto& c : cases) {
        const String path = dir + "/" + c.name;
        slWriteBytes(path, c.bytes);
        TStringList list;
        list.LoadFromFile(path);
        EXPECT_EQ(slLinesOf(list), (std::vector<String>{QStringLiteral("café"), "x"})) << c.name;
        EXPECT_EQ(list.Encoding(), c.encoding) << c.name;
        // Saving writes the file back in the encoding it came in.
        list.SaveToFile(path);
        EXPECT_EQ(slReadBytes(path),
                  c.bytes +
                      (c.encoding == TTextEncoding::UTF16LE ? QByteArray("\r\0\n\0", 4) : QByteArray("\r\n")))
            << c.name;
    }
    // The 8-bit code page is Windows-1252, not Latin-1.
    EXPECT_EQ(DecodeTextDetect("\x80\x93"), QStringLiteral("€“"));
    // A character the code page lacks turns an ANSI file into UTF-8 rather than losing it.
    EXPECT_EQ(EncodeText(QStringLiteral("Ω"), TTextEncoding::ANSI), QByteArray("\xEF\xBB\xBF\xCE\xA9"));
    EXPECT_EQ(EncodeText(QStringLiteral("€"), TTextEncoding::ANSI), QByteArray("\x80"));
}

// The UTF-8 writer gives the bytes QString gives, piece after piece, broken surrogates included.
TEST(StringList, Utf8WriterGivesTheBytesTheTextGives) {
    const QString pieces[] = {
        QStringLiteral("plain ascii"),
        QStringLiteral("é ü ß"),
        QStringLiteral("€ 日本語"),
        QStringLiteral("emoji 😀 pair"),
        QString(QChar(0xD800)) + "lone high",
        "lone low" + QString(QChar(0xDC00)),
        "high at end" + QString(QChar(0xD83D)),
        QString(),
    };
    TUtf8Writer writer(4); // smaller than the first piece, so it must grow
    QString all;
    for (const QString& piece : pieces) {
        writer.Append(piece);
        all += piece;
        EXPECT_EQ(writer.Size(), all.toUtf8().size()) << piece.toStdString();
    }
    writer.AppendAscii("\r\n", 2);
    EXPECT_EQ(writer.Take(), all.toUtf8() + "\r\n");
    EXPECT_EQ(writer.Size(), 0);
    EXPECT_EQ(EncodeText(all, TTextEncoding::UTF8BOM), "\xEF\xBB\xBF" + all.toUtf8());
}

TEST(StringList, MissingFileRaisesOpenError) {
    TStringList list;
    EXPECT_THROW(list.LoadFromFile(qvtest::TempDir() + "/none.txt"), EFOpenError);
    EXPECT_THROW(list.SaveToFile(qvtest::TempDir() + "/no/such/folder/x.txt"), EFCreateError);
}

TEST(StringList, AssignCopiesLinesAndObjects) {
    TStringList a;
    TObject o;
    a.AddObject("x", &o);
    a.Add("y");
    TStringList b;
    b.Add("old");
    b.Assign(&a);
    EXPECT_TRUE(b.Equals(a));
    EXPECT_EQ(b.Objects(0), &o);
    TPersistent other;
    EXPECT_THROW(b.Assign(&other), Exception);
}

TEST(StringList, UpdatesNotifyOnceAtTheEnd) {
    TStringList list;
    int changes = 0, changings = 0;
    list.OnChange = [&](TObject*) { ++changes; };
    list.OnChanging = [&](TObject*) { ++changings; };
    list.Add("a");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(changings, 1);
    list.BeginUpdate();
    list.Add("b");
    list.Add("c");
    list.Delete(0);
    EXPECT_EQ(changes, 1);
    list.EndUpdate();
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(changings, 2);
    list.SetText("x\ny"); // one change for the whole text
    EXPECT_EQ(changes, 3);
}

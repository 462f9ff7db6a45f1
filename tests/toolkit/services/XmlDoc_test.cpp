// The XML document object: reading any root, walking nodes, the exact written form, failures.
#include "toolkit/services/XmlDoc.h"

#include "TestSupport.h"
#include "toolkit/system/TextCodec.h"

#include <QFile>
#include <algorithm>
#include <gtest/gtest.h>

namespace {
void xmlWriteBytes(const String& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
QByteArray xmlReadBytes(const String& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

TEST(XMLDocument, ReadsAnyRootAndWalksChildrenAndAttributes) {
    const String path = qvtest::TempDir() + "/OPC_UA_Server.xml";
    xmlWriteBytes(path, "<Whatever>\r\n  <OPC_UA_Server_Variables>\r\n"
                        "    <row Enable=\"N\" Name=\"Temp &amp; more\" Type=\"\"/>\r\n"
                        "    <!-- a note -->\r\n"
                        "    <row Enable=\"Y\"/>\r\n"
                        "  </OPC_UA_Server_Variables>\r\n  <blank> </blank>\r\n  <empty></empty>\r\n"
                        "</Whatever>\r\n<!--SW_VERSION = 1.003-->\r\n");
    TXMLDocument doc;
    ASSERT_TRUE(doc.LoadFromFile(path)) << doc.ErrorText().toStdString();
    EXPECT_TRUE(doc.Active());
    const TXMLNodeList top = doc.ChildNodes();
    ASSERT_EQ(top.Count(), 2);
    EXPECT_EQ(top[1].NodeType(), ntComment);
    EXPECT_EQ(top[1].Text(), "SW_VERSION = 1.003");
    const TXMLNode root = top.First();
    EXPECT_EQ(root, doc.DocumentElement());
    EXPECT_EQ(root.NodeName(), "Whatever");

    const TXMLNode vars = root.FindNode("OPC_UA_Server_Variables");
    ASSERT_FALSE(vars.IsNull());
    const TXMLNodeList rows = vars.ChildNodes();
    ASSERT_EQ(rows.Count(), 3);
    EXPECT_EQ(rows[1].NodeType(), ntComment);
    const TXMLNode row = rows[0];
    EXPECT_EQ(row.AttributeCount(), 3);
    EXPECT_EQ(row.AttributeName(1), "Name");
    EXPECT_EQ(row.AttributeValue(1), "Temp & more");
    EXPECT_EQ(row.Attributes("Enable"), "N");
    EXPECT_TRUE(row.HasAttribute("Type"));
    EXPECT_EQ(row.Attributes("Type", "dflt"), "");
    EXPECT_FALSE(row.HasAttribute("Swap"));
    EXPECT_EQ(row.Attributes("Swap"), "");
    EXPECT_EQ(row.Attributes("Swap", "N"), "N");
    EXPECT_EQ(row.AttributeName(9), "");
    EXPECT_EQ(rows[2].Attributes("Enable"), "Y");

    EXPECT_EQ(root.FindNode("blank").Text(), " "); // an element's only white space is its text
    EXPECT_FALSE(root.FindNode("empty").IsNull());
    EXPECT_EQ(root.FindNode("empty").Text(), "");
    EXPECT_TRUE(root.FindNode("absent").IsNull());
    EXPECT_TRUE(root.FindNode("absent").FindNode("x").IsNull()); // null handles chain safely
    EXPECT_EQ(root.FindNode("absent").Text(), "");
}

TEST(XMLDocument, FirstTopLevelNodeMayBeDeclarationOrComment) {
    TXMLDocument doc;
    ASSERT_TRUE(doc.LoadFromString("<?xml version=\"1.0\"?><!--c--><Conf_Settings/>"));
    const TXMLNodeList top = doc.ChildNodes();
    ASSERT_EQ(top.Count(), 3);
    EXPECT_EQ(top[0].NodeType(), ntProcessingInstr);
    EXPECT_EQ(top[0].NodeName(), "xml");
    EXPECT_TRUE(top[0].FindNode("lastproj").IsNull());
    EXPECT_EQ(doc.DocumentElement().NodeName(), "Conf_Settings");
}

TEST(XMLDocument, BuildsAndWritesTheDocumentedLayout) {
    TXMLDocument doc;
    doc.SetActive(true);
    TXMLNode root = doc.AddChild("OPC_UA_Server");
    doc.AppendComment("SW_VERSION = 1.003");
    TXMLNode vars = root.AddChild("OPC_UA_Server_Variables");
    TXMLNode row = vars.AddChild("row");
    row.SetAttribute("Enable", "Y");
    row.SetAttribute("Name", "a<b & \"c\"");
    row.SetAttribute("Type", "");
    row.SetAttribute("Enable", "N"); // changes in place, order kept
    root.AddChild("Port").SetText("4840");
    root.AddChild("Empty").SetText("");
    const QByteArray expected = "<OPC_UA_Server>\r\n"
                                "  <OPC_UA_Server_Variables>\r\n"
                                "    <row Enable=\"N\" Name=\"a&lt;b &amp; &quot;c&quot;\" Type=\"\" />\r\n"
                                "  </OPC_UA_Server_Variables>\r\n"
                                "  <Port>4840</Port>\r\n"
                                "  <Empty />\r\n"
                                "</OPC_UA_Server>\r\n"
                                "<!--SW_VERSION = 1.003-->\r\n";
    const String path = qvtest::TempDir() + "/out.xml";
    ASSERT_TRUE(doc.SaveToFile(path));
    EXPECT_EQ(xmlReadBytes(path), expected);

    doc.SetWriteDeclaration(true);
    EXPECT_EQ(doc.SaveToBytes(), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n" + expected);

    TXMLDocument back;
    ASSERT_TRUE(back.LoadFromFile(path));
    EXPECT_EQ(back.DocumentElement().FindNode("OPC_UA_Server_Variables").FindNode("row").Attributes("Name"),
              "a<b & \"c\"");
    EXPECT_EQ(back.SaveToBytes(), expected); // reading and writing again changes nothing
}

TEST(XMLDocument, TextKeepsCarriageReturnsBlanksAndNonAscii) {
    TXMLDocument doc;
    TXMLNode root = doc.AddChild("r");
    const String texts[] = {"line1\r\nline2", "  padded  ", QStringLiteral("Grüße €"), "a\rb", "x\ny"};
    for (const String& t : texts) {
        root.AddChild("t").SetText(t);
        root.AddChild("a").SetAttribute("v", t);
    }
    TXMLDocument back;
    ASSERT_TRUE(back.LoadFromBytes(doc.SaveToBytes()));
    const TXMLNodeList kids = back.DocumentElement().ChildNodes();
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(kids[2 * i].Text(), texts[i]) << i;
        EXPECT_EQ(kids[2 * i + 1].Attributes("v"), texts[i]) << i;
    }
}

TEST(XMLDocument, ClearDropsEverythingAndOldHandlesTurnNull) {
    TXMLDocument doc;
    ASSERT_TRUE(doc.LoadFromString("<Par_Gen><A>1</A></Par_Gen><!--x-->"));
    TXMLNode a = doc.DocumentElement().FindNode("A");
    EXPECT_EQ(a.Text(), "1");
    doc.Clear();
    EXPECT_EQ(doc.ChildNodes().Count(), 0);
    EXPECT_TRUE(a.IsNull());
    EXPECT_EQ(a.Text(), "");
    a.SetText("ignored");
    EXPECT_TRUE(doc.DocumentElement().IsNull());
    doc.AddChild("Conf_Settings");
    EXPECT_THROW(doc.AddChild("Second"), EXMLDocError);
    EXPECT_THROW(doc.DocumentElement().AddChild("bad name"), EXMLDocError);
    EXPECT_THROW(doc.DocumentElement().SetAttribute("1x", "v"), EXMLDocError);

    TXMLNode survivor;
    {
        TXMLDocument shortLived;
        survivor = shortLived.AddChild("gone");
    }
    EXPECT_TRUE(survivor.IsNull()); // the document went, the handle knows
}

TEST(XMLDocument, InsertsCopiesAndMovesChildrenInPlace) {
    TXMLDocument doc, other;
    ASSERT_TRUE(doc.LoadFromString("<r><a/><b><c/></b></r>"));
    ASSERT_TRUE(other.LoadFromString("<o><x k=\"1\"><y/></x></o>"));
    TXMLNode r = doc.DocumentElement();
    TXMLNode a = r.FindNode("a"), b = r.FindNode("b");
    EXPECT_EQ(r.InsertChildBefore("n", b).NodeName(), "n");
    EXPECT_FALSE(r.InsertChildBefore("end", TXMLNode()).IsNull());
    EXPECT_FALSE(r.InsertCopyBefore(other.DocumentElement().FindNode("x"), a).IsNull());
    EXPECT_FALSE(r.MoveBefore(b.FindNode("c"), a).IsNull());
    EXPECT_EQ(doc.SaveToString().remove("\r\n").remove(' '),
              "<r><xk=\"1\"><y/></x><c/><a/><n/><b/><end/></r>");
    // Refused, changing nothing: Before is no child, the node holds the target, or lies in another document.
    const String before = doc.SaveToString();
    EXPECT_TRUE(a.InsertChildBefore("q", b).IsNull());
    EXPECT_TRUE(a.InsertCopyBefore(b, b).IsNull());
    EXPECT_TRUE(a.MoveBefore(r, TXMLNode()).IsNull());
    EXPECT_TRUE(r.MoveBefore(other.DocumentElement(), TXMLNode()).IsNull());
    EXPECT_TRUE(r.MoveBefore(a, a).IsNull());
    EXPECT_EQ(doc.SaveToString(), before);
}

TEST(XMLDocument, MalformedOrMissingFilesAnswerFalseAndLeaveItEmpty) {
    const String dir = qvtest::TempDir();
    struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"mismatch.xml", "<a><b></a>"}, {"truncated.xml", "<a><b>text"},         {"empty.xml", ""},
        {"two_roots.xml", "<a/><b/>"},  {"garbage.xml", "\x00\x01\x02 not xml"},
    };
    for (const auto& c : cases) {
        const String path = dir + "/" + c.name;
        xmlWriteBytes(path, c.bytes);
        TXMLDocument doc;
        ASSERT_TRUE(doc.LoadFromString("<old/>"));
        EXPECT_FALSE(doc.LoadFromFile(path)) << c.name;
        EXPECT_FALSE(doc.ErrorText().isEmpty()) << c.name;
        EXPECT_EQ(doc.ChildNodes().Count(), 0) << c.name;
        EXPECT_TRUE(doc.DocumentElement().IsNull()) << c.name;
    }
    TXMLDocument doc;
    EXPECT_FALSE(doc.LoadFromFile(dir + "/missing.xml"));
    EXPECT_TRUE(doc.ErrorText().contains("missing.xml"));
    EXPECT_FALSE(doc.LoadFromFile(dir)); // a folder is not a document
    EXPECT_FALSE(doc.LoadFromString("<a>"));
    EXPECT_TRUE(doc.ErrorText().startsWith("line 1, column ")) << doc.ErrorText().toStdString();
    EXPECT_FALSE(doc.LoadFromString("<a>\n<b>\n</a>"));
    EXPECT_TRUE(doc.ErrorText().startsWith("line 3, column ")) << doc.ErrorText().toStdString();
}

TEST(XMLDocument, FailedSaveKeepsTheOldFile) {
    const String path = qvtest::TempDir() + "/keep.xml";
    xmlWriteBytes(path, "<old/>");
    TXMLDocument doc;
    doc.AddChild("new");
    EXPECT_FALSE(doc.SaveToFile(qvtest::TempDir() + "/no/such/dir/x.xml"));
    EXPECT_FALSE(doc.ErrorText().isEmpty());
    EXPECT_EQ(xmlReadBytes(path), "<old/>");
}

TEST(XMLDocument, ReadsUtf16AndLatin1DeclaredFilesAndWritesUtf8) {
    TXMLDocument doc;
    ASSERT_TRUE(doc.LoadFromBytes("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r v=\"\xE9\"/>"));
    EXPECT_EQ(doc.DocumentElement().Attributes("v"), QStringLiteral("é"));
    EXPECT_EQ(doc.SaveToBytes(), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<r v=\"\xC3\xA9\" />\r\n");
    ASSERT_TRUE(doc.LoadFromBytes(QByteArray("\xFF\xFE<\0r\0/\0>\0", 10)));
    EXPECT_EQ(doc.DocumentElement().NodeName(), "r");
}

// A reader that knows its kind of file refuses one far larger, or with a far longer text, attribute or name,
// wherever it stands; multi-byte characters count as one.
TEST(XMLDocument, KindLimitsRefuseLargeFilesAndLongTexts) {
    const String path = qvtest::TempDir() + "/Limited.xml";
    const QByteArray eight(8, 'x');
    const struct {
        const char* name;
        QByteArray content;
        bool ok;
    } cases[] = {
        {"within", "<r><a b=\"" + eight + "\">" + eight + "</a></r>", true},
        {"eight two-byte letters", "<r><a>" + QString(8, QChar(0xE9)).toUtf8() + "</a></r>", true},
        {"long text deep inside", "<r><a><b><c>" + eight + "x</c></b></a><d/></r>", false},
        {"long attribute", "<r><a b=\"" + eight + "x\"/></r>", false},
        {"long element name", "<r><abcdefghi/></r>", false},
        {"long comment after the root", "<r/><!--" + eight + "x-->", false},
        {"file beyond its limit", "<r>" + QByteArray(60, ' ') + "</r>", false},
    };
    for (const auto& c : cases) {
        xmlWriteBytes(path, c.content);
        TXMLDocument doc;
        EXPECT_EQ(doc.LoadFromFile(path, 64, 8), c.ok) << c.name;
        if (!c.ok) {
            EXPECT_TRUE(doc.ErrorText().contains(path)) << c.name;
            EXPECT_TRUE(doc.DocumentElement().IsNull()) << c.name;
            // A file over its limit is too large, not one that could not be opened.
            EXPECT_EQ(doc.ErrorText().contains("too large"), c.content.size() > 64) << c.name;
            EXPECT_FALSE(doc.ErrorText().contains("Cannot open")) << c.name;
        }
        // Without limits the same files read.
        EXPECT_TRUE(doc.LoadFromFile(path)) << c.name;
    }
}

TEST(XMLDocument, WritesTheEncodingItDeclaresAndReadsBackTheSameTexts) {
    struct Case {
        const char* Name;
        QByteArray Declared;
        QByteArray Start; // the first bytes of the file
        bool References;  // characters beyond the encoding stand as references
    };
    const Case cases[] = {
        {"utf-8", "UTF-8", "<?xml", false},
        {"iso-8859-1", "ISO-8859-1", "<?xml", true},
        {"us-ascii", "US-ASCII", "<?xml", true},
        {"Utf-16", "UTF-16", "\xFF\xFE<\0", false},
    };
    const String text = QStringLiteral("Grüße € 😀 a<b&c");
    for (const Case& c : cases) {
        TXMLDocument doc;
        doc.AddChild("r").AddChild("f").SetText(text);
        QByteArray bytes;
        ASSERT_TRUE(doc.SaveToBytes(c.Name, bytes)) << c.Name;
        EXPECT_TRUE(bytes.startsWith(c.Start)) << c.Name;
        const String written = c.Declared == "UTF-16" ? DecodeTextDetect(bytes) : String::fromLatin1(bytes);
        EXPECT_TRUE(written.contains("encoding=\"" + c.Declared + "\"")) << c.Name;
        EXPECT_EQ(written.contains("&#8364;"), c.References) << c.Name;
        if (c.Declared == "US-ASCII") {
            EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](char b) { return uchar(b) < 0x80; }));
        }
        TXMLDocument back;
        ASSERT_TRUE(back.LoadFromBytes(bytes)) << c.Name;
        EXPECT_EQ(back.DocumentElement().Child(0).Text(), text) << c.Name;
    }
    // A name the encoding lacks cannot be written as a reference; an unknown encoding is refused.
    TXMLDocument doc;
    doc.AddChild(QStringLiteral("caf\u00e9"));
    QByteArray bytes = "untouched";
    EXPECT_FALSE(doc.SaveToBytes("US-ASCII", bytes));
    EXPECT_FALSE(doc.SaveToBytes("EBCDIC", bytes));
    EXPECT_EQ(bytes, "untouched");
    EXPECT_TRUE(doc.SaveToBytes("latin1", bytes));
}

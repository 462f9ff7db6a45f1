// Word-processor documents: where a table lands in a body (start, end, a bookmark inside or between
// paragraphs, in a cell, an unknown one) from a table of small documents, the cells and notifications
// taken from a grid, damaged packages refused, and documents written by the grid read back by python-docx
// (alignments, the grid's text, a document made by python-docx appended to at a bookmark and at the end,
// the rest of it kept). The python-docx checks are skipped with a message where the module is missing.
#include "PythonCheck.h"
#include "controls/grid/QvGrid.h"
#include "controls/grid/data/GridCellStore.h"
#include "controls/grid/exchange/DocxDocument.h"
#include "controls/grid/exchange/ZipPackage.h"
#include "toolkit/services/XmlDoc.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using pythoncheck::HasModule;
using pythoncheck::RunPython;

namespace {

const char* const kDocTestMain = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";

// A package holding one document whose body is Body, written with the prefix "w:" and given Prefix
// ("" for the default namespace); the main part at Part, named by the package's relationships.
QByteArray DocxPackage(QString Body,
                       const QString& Prefix = "w:", const QString& Part = "word/document.xml") {
    Body.replace("w:", Prefix);
    const QString ns = Prefix.isEmpty() ? QStringLiteral("xmlns") : "xmlns:" + Prefix.chopped(1);
    const QString document = QStringLiteral("<%1document %2=\"%3\"><%1body>%4</%1body></%1document>")
                                 .arg(Prefix, ns, kDocTestMain, Body);
    const QString rels =
        QStringLiteral(
            "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
            "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/"
            "2006/relationships/officeDocument\" Target=\"/%1\"/></Relationships>")
            .arg(Part);
    return ZipPackage::Write({{"[Content_Types].xml", "<Types/>"},
                              {"_rels/.rels", rels.toUtf8()},
                              {"word/media/kept.bin", QByteArray("\x00\x01kept", 6)},
                              {Part, document.toUtf8()}},
                             "test package");
}

String DocLocal(const TXMLNode& Node) {
    return Node.NodeName().section(':', -1);
}

String DocAttribute(const TXMLNode& Node, const char* Local) {
    for (int i = 0; i < Node.AttributeCount(); ++i)
        if (Node.AttributeName(i).section(':', -1) == Local) return Node.AttributeValue(i);
    return {};
}

// The blocks of a container in order: "p:" and the paragraph's text (a bookmark start as "[name]", an
// alignment as "@value", a section break as "+sect"), "tbl{...}" with rows "/" and cells "|", "sect".
QString Outline(const TXMLNode& Container) {
    QStringList blocks;
    for (TXMLNode n = Container.FirstChild(); !n.IsNull(); n = n.NextSibling()) {
        const String name = DocLocal(n);
        if (name == "p") {
            QString head = "p", text;
            for (TXMLNode c = n.FirstChild(); !c.IsNull(); c = c.NextSibling()) {
                const String part = DocLocal(c);
                if (part == "pPr")
                    for (TXMLNode q = c.FirstChild(); !q.IsNull(); q = q.NextSibling()) {
                        if (DocLocal(q) == "jc") head += "@" + DocAttribute(q, "val");
                        if (DocLocal(q) == "sectPr") head += "+sect";
                    }
                if (part == "bookmarkStart") text += "[" + DocAttribute(c, "name") + "]";
                if (part == "r")
                    for (TXMLNode t = c.FirstChild(); !t.IsNull(); t = t.NextSibling())
                        text += DocLocal(t) == "tab" ? QString("\\t") : t.Text();
            }
            blocks << head + ":" + text;
        } else if (name == "tbl") {
            QStringList rows;
            for (TXMLNode r = n.FirstChild(); !r.IsNull(); r = r.NextSibling()) {
                if (DocLocal(r) != "tr") continue;
                QStringList cells;
                for (TXMLNode c = r.FirstChild(); !c.IsNull(); c = c.NextSibling())
                    if (DocLocal(c) == "tc") cells << Outline(c);
                rows << cells.join("|");
            }
            blocks << "tbl{" + rows.join("/") + "}";
        } else if (name == "sectPr") {
            blocks << "sect";
        } else if (name == "bookmarkStart") {
            blocks << "[" + DocAttribute(n, "name") + "]";
        }
    }
    return blocks.join(" ");
}

QString BodyOutline(const QByteArray& Package, const QString& Part = "word/document.xml") {
    ZipPackage zip(Package, "outline");
    TXMLDocument doc;
    EXPECT_TRUE(doc.LoadFromBytes(zip.Read(Part)));
    const TXMLNode root = doc.DocumentElement();
    for (TXMLNode n = root.FirstChild(); !n.IsNull(); n = n.NextSibling())
        if (DocLocal(n) == "body") return Outline(n);
    return "no body";
}

DocxTable SmallTable() {
    DocxTable t;
    t.Cols = 2;
    t.Rows = 1;
    t.Texts = {"x", "y"};
    t.Alignments = {taLeftJustify, taRightJustify};
    return t;
}

} // namespace

TEST(DocxDocument, TablePlacesInABody) {
    const QString old = "<w:p><w:r><w:t>old</w:t></w:r></w:p><w:sectPr/>";
    const QString table = "tbl{p:x|p@right:y}";
    struct Case {
        const char* Name;
        QString Body;
        DocxDocument::Place Where;
        const char* Bookmark;
        QString Expected;
        QString Prefix = "w:";
    };
    const Case cases[] = {
        {"start", old, DocxDocument::Place::Start, "", table + " p:old sect"},
        {"end, before the section, a paragraph after", old, DocxDocument::Place::End, "",
         "p:old " + table + " p: sect"},
        {"unknown bookmark: the end", old, DocxDocument::Place::Bookmark, "Nowhere",
         "p:old " + table + " p: sect"},
        {"bookmark opening a paragraph, name in another case",
         "<w:p><w:bookmarkStart w:id=\"0\" w:name=\"Here\"/><w:r><w:t>mark</w:t></w:r><w:bookmarkEnd "
         "w:id=\"0\"/>"
         "</w:p><w:sectPr/>",
         DocxDocument::Place::Bookmark, "HERE", table + " p:[Here]mark sect"},
        {"bookmark inside a paragraph splits it, the section break stays at its end",
         "<w:p><w:pPr><w:jc w:val=\"center\"/><w:sectPr/></w:pPr><w:r><w:t>ab</w:t></w:r>"
         "<w:bookmarkStart w:name=\"M\"/><w:r><w:t>cd</w:t><w:tab/><w:t>e</w:t></w:r></w:p>",
         DocxDocument::Place::Bookmark, "M", "p@center:ab " + table + " p@center+sect:[M]cd\\te"},
        {"bookmark in a cell: a table in the cell",
         "<w:tbl><w:tr><w:tc><w:p><w:bookmarkStart w:name=\"Cell\"/><w:r><w:t>c</w:t></w:r></w:p></w:tc>"
         "</w:tr></w:tbl><w:sectPr/>",
         DocxDocument::Place::Bookmark, "Cell", "tbl{" + table + " p:[Cell]c} sect"},
        {"bookmark between paragraphs at the end",
         "<w:p><w:r><w:t>a</w:t></w:r></w:p><w:bookmarkStart w:name=\"B\"/><w:sectPr/>",
         DocxDocument::Place::Bookmark, "B", "p:a " + table + " p: [B] sect"},
        {"default namespace", old, DocxDocument::Place::End, "", "p:old " + table + " p: sect", ""},
        {"another prefix", old, DocxDocument::Place::Start, "", table + " p:old sect", "wx:"},
    };
    for (const Case& c : cases) {
        DocxDocument doc(DocxPackage(c.Body, c.Prefix), "damaged");
        doc.InsertTable(SmallTable(), c.Where, c.Bookmark);
        const QByteArray written = doc.Bytes();
        EXPECT_EQ(BodyOutline(written), c.Expected) << c.Name;
        ZipPackage zip(written, "kept");
        EXPECT_EQ(zip.Read("word/media/kept.bin"), QByteArray("\x00\x01kept", 6)) << c.Name;
    }
}

TEST(DocxDocument, NewDocumentTextFirstTableAtTheStartAndHostileTextsDropped) {
    DocxDocument doc;
    EXPECT_FALSE(doc.HasBookmark("any"));
    doc.InsertParagraphAtStart("Title\r\nsecond");
    DocxTable t = SmallTable();
    t.Texts = {QString("a\x01\x1f"
                       "b\tc") +
                   QChar(0xD800),
               "two\nlines"};
    t.Alignments = {taCenter, taLeftJustify};
    doc.InsertTable(t, DocxDocument::Place::Start);
    doc.InsertTable(DocxTable(), DocxDocument::Place::End); // empty: nothing
    const QByteArray written = doc.Bytes();
    EXPECT_EQ(BodyOutline(written), "tbl{p@center:ab\\tc|p:two p:lines} p:Title p:second sect");
    // What it wrote reads back as a document.
    DocxDocument again(written, "damaged");
    again.InsertTable(SmallTable(), DocxDocument::Place::End);
    EXPECT_EQ(BodyOutline(again.Bytes()),
              "tbl{p@center:ab\\tc|p:two p:lines} p:Title p:second tbl{p:x|p@right:y} p: sect");
}

TEST(DocxDocument, MainPartFoundThroughTheRelationships) {
    DocxDocument doc(DocxPackage("<w:p/>", "w:", "word/main2.xml"), "damaged");
    doc.InsertTable(SmallTable(), DocxDocument::Place::End);
    EXPECT_EQ(BodyOutline(doc.Bytes(), "word/main2.xml"), "p: tbl{p:x|p@right:y} p:");
}

TEST(DocxDocument, DamagedPackagesAreRefused) {
    const QByteArray noBody = ZipPackage::Write(
        {{"word/document.xml", QString("<w:document xmlns:w=\"%1\"/>").arg(kDocTestMain).toUtf8()}}, "t");
    const QByteArray otherNamespace = ZipPackage::Write(
        {{"word/document.xml", QByteArray("<w:document xmlns:w=\"urn:other\"><w:body/></w:document>")}}, "t");
    const QByteArray malformed = ZipPackage::Write({{"word/document.xml", QByteArray("<w:document")}}, "t");
    ZipPackage valid(DocxPackage("<w:p/>"), "t");
    const QByteArray missingPart = ZipPackage::Write(
        {{"_rels/.rels", valid.Read("_rels/.rels").replace("word/document.xml", "word/none.xml")},
         {"word/document.xml", valid.Read("word/document.xml")}},
        "t");
    const std::pair<const char*, QByteArray> cases[] = {
        {"no zip", "plain text"},     {"zip without a document", ZipPackage::Write({{"a.txt", "a"}}, "t")},
        {"no body", noBody},          {"another namespace", otherNamespace},
        {"malformed XML", malformed}, {"relationship to a missing part", missingPart},
    };
    for (const auto& [name, bytes] : cases) {
        try {
            DocxDocument doc(bytes, "damaged");
            ADD_FAILURE() << name;
        } catch (const EQvGridError& e) {
            EXPECT_EQ(e.Message(), "damaged") << name;
        }
    }
}

TEST(DocxDocument, TableFromGridTakesShownCellsAndNotifies) {
    struct Recording : StoreExchange {
        using StoreExchange::StoreExchange;
        QStringList Calls;
        void ExportNotification(TGridExportState State, int Row) override {
            Calls << QString("%1:%2").arg(int(State)).arg(Row);
        }
    };
    GridCellStore store(3, 2);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c)
            store.SetText(c, r, QString("%1%2").arg(QChar('a' + c)).arg(r));
    store.HideColumn(1);
    Recording grid(store);
    const DocxTable t = DocxTable::FromGrid(grid);
    EXPECT_EQ(t.Cols, 2);
    EXPECT_EQ(t.Rows, 2);
    EXPECT_EQ(QStringList(t.Texts.begin(), t.Texts.end()).join(","), "a0,c0,a1,c1");
    EXPECT_EQ(grid.Calls.join(" "), "0:0 5:1 5:2 2:-1");
}

TEST(QvGridDocuments, SavedDocumentReadsBackWithPythonDocx) {
    QTemporaryDir dir;
    const QString path = dir.filePath("grid.docx");
    TQvStringGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(3);
    g.SetText("Grid title");
    g.SetCells(0, 0, "head");
    g.SetCells(1, 1, "right");
    g.SetAlignments(1, 1, taRightJustify);
    g.SetCells(2, 1, "centre");
    g.SetAlignments(2, 1, taCenter);
    g.SetCells(2, 2, QString::fromUtf8("line\r\nbreak \u00e9 <&>"));
    g.SaveToDOC(path);
    ASSERT_TRUE(QFile::exists(path));

    const auto out = RunPython("docx", QStringLiteral(R"(
d = docx.Document('%1')
print([c.tag.split('}')[1] for c in d.element.body.iterchildren()])
t = d.tables[0]
print([[c.text for c in r.cells] for r in t.rows])
print(int(t.cell(1, 1).paragraphs[0].alignment), int(t.cell(1, 2).paragraphs[0].alignment), t.cell(1, 0).paragraphs[0].alignment)
print([p.text for p in d.paragraphs])
)")
                                           .arg(path));
    if (!out) GTEST_SKIP() << "python3-docx is not installed: the cross-check with it is skipped";
    EXPECT_EQ(out->trimmed(), QString::fromUtf8(R"(['tbl', 'p', 'sectPr']
[['head', '', ''], ['', 'right', 'centre'], ['', '', 'line\nbreak é <&>']]
2 1 None
['Grid title'])"));
}

TEST(QvGridDocuments, AppendsAtABookmarkAndAtTheEndKeepingTheDocument) {
    if (!HasModule("docx")) GTEST_SKIP() << "python3-docx is not installed: the document is made with it";
    QTemporaryDir dir;
    const QString path = dir.filePath("report.docx");
    ASSERT_TRUE(RunPython("docx", QStringLiteral(R"(
from docx.oxml.ns import qn
from docx.oxml import OxmlElement
d = docx.Document()
d.core_properties.title = 'Kept title'
d.add_heading('first', level=1)
p = d.add_paragraph('second')
start = OxmlElement('w:bookmarkStart')
start.set(qn('w:id'), '7')
start.set(qn('w:name'), 'Spot')
p._p.insert(0, start)
end = OxmlElement('w:bookmarkEnd')
end.set(qn('w:id'), '7')
p._p.append(end)
d.save('%1')
)")
                                      .arg(path)));
    TQvStringGrid g(nullptr);
    g.SetColCount(2);
    g.SetRowCount(2);
    g.SetText("T");
    g.SetCells(1, 1, "v");
    g.AppendToDoc(path, "Spot");
    g.SetCells(1, 1, "w");
    g.AppendToDoc(path, "Missing");

    const auto out = RunPython("docx", QStringLiteral(R"(
d = docx.Document('%1')
tables = iter(d.tables)
parts = []
for c in d.element.body.iterchildren():
    tag = c.tag.split('}')[1]
    if tag == 'p':
        parts.append('p:' + docx.text.paragraph.Paragraph(c, d).text)
    elif tag == 'tbl':
        parts.append('tbl:' + next(tables).cell(1, 1).text)
    else:
        parts.append(tag)
print(' '.join(parts))
print(d.core_properties.title, d.paragraphs[2].style.name)
)")
                                           .arg(path));
    ASSERT_TRUE(out);
    EXPECT_EQ(out->trimmed(), "p:T p:T p:first tbl:v p:second tbl:w p: sectPr\nKept title Heading 1");
}

TEST(QvGridDocuments, RefusedSavesLeaveTheFiles) {
    QTemporaryDir dir;
    TQvStringGrid g(nullptr);
    EXPECT_THROW(g.SaveToDOC(dir.filePath("old.DOC")), EQvGridError);
    EXPECT_FALSE(QFile::exists(dir.filePath("old.DOC")));
    EXPECT_THROW(g.AppendToDoc(dir.filePath("missing.docx"), "x"), Exception);
    EXPECT_FALSE(QFile::exists(dir.filePath("missing.docx")));
    const QString bad = dir.filePath("bad.docx");
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a document");
    f.close();
    for (const bool append : {true, false}) {
        try {
            if (append)
                g.AppendToDoc(bad, "x");
            else
                g.SaveToDOC(bad, false);
            ADD_FAILURE() << append;
        } catch (const EQvGridError& e) {
            EXPECT_EQ(e.Message(), "Cannot read the document " + bad);
        }
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), "not a document");
        f.close();
    }
    // A new document replaces it.
    g.SaveToDOC(bad);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_NO_THROW(DocxDocument(f.readAll(), "damaged"));
}

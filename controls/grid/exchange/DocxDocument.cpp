#include "controls/grid/exchange/DocxDocument.h"

#include "controls/grid/exchange/ZipPackage.h"
#include "toolkit/services/XmlDoc.h"

#include <algorithm>
#include <set>

namespace {

const String kDocxMainNamespace =
    QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main");
const String kDocxDocumentPart = QStringLiteral("word/document.xml");
const String kDocxWriteFailure = QStringLiteral("The document could not be built");

// Page text width of the new document (A4 less two 2 cm margins), in twentieths of a point: a new table
// spreads its columns over it, as a word processor's new table does.
constexpr int kDocxTextWidth = 9638;

const char* const kDocxContentTypes =
    R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
    R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
    R"(<Default Extension="xml" ContentType="application/xml"/>)"
    R"(<Override PartName="/word/document.xml" )"
    R"(ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/>)"
    R"(</Types>)";
const char* const kDocxPackageRels =
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" )"
    R"(Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" )"
    R"(Target="word/document.xml"/></Relationships>)";
const char* const kDocxNewDocument =
    R"(<w:document xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main" )"
    R"(xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><w:body><w:sectPr>)"
    R"(<w:pgSz w:w="11906" w:h="16838"/><w:pgMar w:top="1417" w:right="1134" w:bottom="1134" )"
    R"(w:left="1134" w:header="708" w:footer="708" w:gutter="0"/></w:sectPr></w:body></w:document>)";

String DocxLocalName(const TXMLNode& Node) {
    const String name = Node.NodeName();
    const qsizetype colon = name.indexOf(QLatin1Char(':'));
    return colon < 0 ? name : name.mid(colon + 1);
}

TXMLNode NextElement(TXMLNode Node) {
    for (Node = Node.NextSibling(); !Node.IsNull(); Node = Node.NextSibling())
        if (Node.NodeType() == ntElement) return Node;
    return {};
}

TXMLNode FirstElement(const TXMLNode& Parent) {
    const TXMLNode first = Parent.FirstChild();
    return first.IsNull() || first.NodeType() == ntElement ? first : NextElement(first);
}

// The next element after Node in document order below Top, without recursion (documents nest deeply).
TXMLNode NextInOrder(const TXMLNode& Node, const TXMLNode& Top) {
    if (const TXMLNode child = FirstElement(Node); !child.IsNull()) return child;
    for (TXMLNode at = Node; !at.IsNull() && !(at == Top); at = at.ParentNode())
        if (const TXMLNode next = NextElement(at); !next.IsNull()) return next;
    return {};
}

// A text XML can carry: control characters other than the tab, non-characters and halves of a surrogate
// pair without their partner are left out (a document holding them does not open).
String XmlSafe(const String& Text) {
    String out;
    out.reserve(Text.size());
    for (qsizetype i = 0; i < Text.size(); ++i) {
        const QChar c = Text[i];
        const ushort u = c.unicode();
        if (c.isHighSurrogate() && i + 1 < Text.size() && Text[i + 1].isLowSurrogate()) {
            out += c;
            out += Text[++i];
            continue;
        }
        if ((u < 0x20 && u != '\t') || c.isSurrogate() || u == 0xFFFE || u == 0xFFFF) continue;
        out += c;
    }
    return out;
}

// The package path a relationship of the package root points at.
String PackagePath(String Target) {
    while (Target.startsWith(QLatin1Char('/')))
        Target.remove(0, 1);
    while (Target.startsWith(QLatin1String("./")))
        Target.remove(0, 2);
    return Target;
}

} // namespace

DocxTable DocxTable::FromGrid(ExchangeGrid& Grid) {
    DocxTable table;
    table.Cols = Grid.ColCount();
    table.Rows = Grid.RowCount();
    if (table.Cols <= 0 || table.Rows <= 0) return table;
    const size_t cells = size_t(table.Cols) * size_t(table.Rows);
    table.Texts.reserve(cells);
    table.Alignments.reserve(cells);
    Grid.ExportNotification(esExportStart, 0);
    for (int r = 0; r < table.Rows; ++r) {
        Grid.ExportNotification(esExportNextRow, r + 1);
        for (int c = 0; c < table.Cols; ++c) {
            const int real = Grid.RealColumn(c);
            table.Texts.push_back(Grid.SavedText(real, r));
            table.Alignments.push_back(Grid.Alignment(real, r));
        }
    }
    Grid.ExportNotification(esExportDone, -1);
    return table;
}

DocxDocument::DocxDocument() : FFailure(kDocxWriteFailure), FXml(std::make_unique<TXMLDocument>()) {
    FParts = {{QStringLiteral("[Content_Types].xml"), kDocxContentTypes},
              {QStringLiteral("_rels/.rels"), kDocxPackageRels},
              {kDocxDocumentPart, QByteArray()}};
    FDocumentPart = kDocxDocumentPart;
    FPrefix = QStringLiteral("w:");
    FXml->LoadFromString(QString::fromLatin1(kDocxNewDocument));
    FXml->SetWriteDeclaration(true);
}

DocxDocument::DocxDocument(const QByteArray& Bytes, const String& Failure)
    : FFailure(Failure), FXml(std::make_unique<TXMLDocument>()) {
    Load(Bytes);
}

DocxDocument::~DocxDocument() = default;

void DocxDocument::Load(const QByteArray& Bytes) {
    ZipPackage zip(Bytes, FFailure);
    const QStringList names = zip.Names();
    if (names.size() > MaxParts) throw EQvGridError(FFailure);
    std::set<String> seen;
    for (const String& name : names)
        if (seen.insert(name).second) FParts.emplace_back(name, zip.Read(name));

    // The main document is the part the package's relationships name; without them the usual place.
    const QString relsName = QStringLiteral("_rels/.rels");
    FDocumentPart = kDocxDocumentPart;
    if (seen.count(relsName)) {
        TXMLDocument rels;
        if (!rels.LoadFromBytes(zip.Read(relsName), ZipPackage::MaxPartBytes)) throw EQvGridError(FFailure);
        const TXMLNode root = rels.DocumentElement();
        for (TXMLNode r = FirstElement(root); !r.IsNull(); r = NextElement(r))
            if (DocxLocalName(r) == QLatin1String("Relationship") &&
                r.Attributes("Type").endsWith(QLatin1String("/officeDocument"))) {
                FDocumentPart = PackagePath(r.Attributes("Target"));
                break;
            }
    }
    const auto part =
        std::find_if(FParts.begin(), FParts.end(), [&](const auto& p) { return p.first == FDocumentPart; });
    if (part == FParts.end() || !FXml->LoadFromBytes(part->second, ZipPackage::MaxPartBytes))
        throw EQvGridError(FFailure);
    part->second.clear();

    const TXMLNode root = FXml->DocumentElement();
    if (root.IsNull()) throw EQvGridError(FFailure);
    bool found = false;
    for (int i = 0; i < root.AttributeCount() && !found; ++i) {
        const String name = root.AttributeName(i);
        if (root.AttributeValue(i) != kDocxMainNamespace) continue;
        if (name == QLatin1String("xmlns")) {
            FPrefix.clear();
            found = true;
        } else if (name.startsWith(QLatin1String("xmlns:"))) {
            FPrefix = name.mid(6) + QLatin1Char(':');
            found = true;
        }
    }
    if (!found || !Is(root, "document") || root.FindNode(W("body")).IsNull()) throw EQvGridError(FFailure);
}

String DocxDocument::W(const char* Local) const {
    return FPrefix + QLatin1String(Local);
}

bool DocxDocument::Is(const TXMLNode& Node, const char* Local) const {
    return !Node.IsNull() && Node.NodeType() == ntElement && Node.NodeName() == W(Local);
}

TXMLNode DocxDocument::FindBookmark(const String& Name) const {
    const TXMLNode body = FXml->DocumentElement().FindNode(W("body"));
    for (TXMLNode n = FirstElement(body); !n.IsNull(); n = NextInOrder(n, body))
        if (Is(n, "bookmarkStart") && n.Attributes(W("name")).compare(Name, Qt::CaseInsensitive) == 0)
            return n;
    return {};
}

bool DocxDocument::HasBookmark(const String& Name) const {
    return !FindBookmark(Name).IsNull();
}

void DocxDocument::AddParagraphs(TXMLNode& Parent, const TXMLNode& Before, const String& Text,
                                 TAlignment Alignment) {
    QStringList lines = CellTextLines(Text);
    if (lines.isEmpty()) lines << String();
    for (const String& line : lines) {
        TXMLNode p = Parent.InsertChildBefore(W("p"), Before);
        if (Alignment == taRightJustify || Alignment == taCenter)
            p.AddChild(W("pPr")).AddChild(W("jc")).SetAttribute(
                W("val"), Alignment == taCenter ? QStringLiteral("center") : QStringLiteral("right"));
        const String safe = XmlSafe(line);
        if (safe.isEmpty()) continue;
        TXMLNode run = p.AddChild(W("r"));
        const QStringList pieces = safe.split(QLatin1Char('\t'));
        for (qsizetype i = 0; i < pieces.size(); ++i) {
            if (i > 0) run.AddChild(W("tab"));
            if (pieces[i].isEmpty()) continue;
            TXMLNode t = run.AddChild(W("t"));
            t.SetAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
            t.SetText(pieces[i]);
        }
    }
}

void DocxDocument::InsertParagraphAtStart(const String& Text) {
    TXMLNode body = FXml->DocumentElement().FindNode(W("body"));
    AddParagraphs(body, body.FirstChild(), Text, taLeftJustify);
}

TXMLNode DocxDocument::InsertionPoint(TXMLNode& Parent, Place Where, const String& Bookmark) {
    TXMLNode body = FXml->DocumentElement().FindNode(W("body"));
    const TXMLNode anchor = Where == Place::Bookmark ? FindBookmark(Bookmark) : TXMLNode();
    if (Where == Place::Start) {
        Parent = body;
        return body.FirstChild();
    }
    if (anchor.IsNull()) {
        // The end of the body is before its closing section properties.
        TXMLNode last;
        for (TXMLNode n = FirstElement(body); !n.IsNull(); n = NextElement(n))
            last = n;
        Parent = body;
        return Is(last, "sectPr") ? last : TXMLNode();
    }
    TXMLNode paragraph, inParagraph = anchor;
    for (TXMLNode n = anchor.ParentNode(); !n.IsNull() && !(n == body); n = n.ParentNode()) {
        if (Is(n, "p")) {
            paragraph = n;
            break;
        }
        inParagraph = n;
    }
    if (paragraph.IsNull()) {
        // A bookmark between blocks, or around rows of a table: the table goes before the block holding it.
        TXMLNode block = anchor;
        while (!block.ParentNode().IsNull() && !(block.ParentNode() == body) && !Is(block.ParentNode(), "tc"))
            block = block.ParentNode();
        Parent = block.ParentNode();
        return block;
    }
    Parent = paragraph.ParentNode();
    // The bookmark inside a paragraph splits it: what stands before it goes into a paragraph of its own
    // with the same properties (but not the section break, which stays with the paragraph's end).
    std::vector<TXMLNode> head;
    TXMLNode properties;
    for (TXMLNode n = paragraph.FirstChild(); !n.IsNull() && !(n == inParagraph); n = n.NextSibling()) {
        if (Is(n, "pPr"))
            properties = n;
        else
            head.push_back(n);
    }
    const bool content =
        std::any_of(head.begin(), head.end(), [](const TXMLNode& n) { return n.NodeType() == ntElement; });
    if (!content) return paragraph;
    TXMLNode before = Parent.InsertChildBefore(W("p"), paragraph);
    if (!properties.IsNull()) {
        TXMLNode copy = before.AddChild(W("pPr"));
        for (TXMLNode n = properties.FirstChild(); !n.IsNull(); n = n.NextSibling())
            if (!Is(n, "sectPr")) copy.InsertCopyBefore(n, TXMLNode());
    }
    for (const TXMLNode& n : head)
        before.MoveBefore(n, TXMLNode());
    return paragraph;
}

void DocxDocument::InsertTable(const DocxTable& Table, Place Where, const String& Bookmark) {
    if (Table.Cols <= 0 || Table.Rows <= 0) return;
    TXMLNode parent;
    const TXMLNode before = InsertionPoint(parent, Where, Bookmark);
    TXMLNode tbl = parent.InsertChildBefore(W("tbl"), before);
    TXMLNode props = tbl.AddChild(W("tblPr"));
    TXMLNode width = props.AddChild(W("tblW"));
    width.SetAttribute(W("w"), QStringLiteral("0"));
    width.SetAttribute(W("type"), QStringLiteral("auto"));
    // Lines of their own, so the table shows ruled without a style part in the package.
    TXMLNode borders = props.AddChild(W("tblBorders"));
    for (const char* edge : {"top", "left", "bottom", "right", "insideH", "insideV"}) {
        TXMLNode b = borders.AddChild(W(edge));
        b.SetAttribute(W("val"), QStringLiteral("single"));
        b.SetAttribute(W("sz"), QStringLiteral("4"));
        b.SetAttribute(W("space"), QStringLiteral("0"));
        b.SetAttribute(W("color"), QStringLiteral("auto"));
    }
    const String colWidth = QString::number(std::max(1, kDocxTextWidth / Table.Cols));
    TXMLNode grid = tbl.AddChild(W("tblGrid"));
    for (int c = 0; c < Table.Cols; ++c)
        grid.AddChild(W("gridCol")).SetAttribute(W("w"), colWidth);
    for (int r = 0; r < Table.Rows; ++r) {
        TXMLNode row = tbl.AddChild(W("tr"));
        for (int c = 0; c < Table.Cols; ++c) {
            const size_t k = size_t(r) * size_t(Table.Cols) + size_t(c);
            TXMLNode cell = row.AddChild(W("tc"));
            TXMLNode cellWidth = cell.AddChild(W("tcPr")).AddChild(W("tcW"));
            cellWidth.SetAttribute(W("w"), colWidth);
            cellWidth.SetAttribute(W("type"), QStringLiteral("dxa"));
            AddParagraphs(cell, TXMLNode(), k < Table.Texts.size() ? Table.Texts[k] : String(),
                          k < Table.Alignments.size() ? Table.Alignments[k] : taLeftJustify);
        }
    }
    // Word processors keep a paragraph after every table: one that no block follows gets one.
    bool followed = false;
    for (TXMLNode n = NextElement(tbl); !n.IsNull() && !followed; n = NextElement(n))
        followed = Is(n, "p") || Is(n, "tbl") || Is(n, "sdt") || Is(n, "customXml");
    if (!followed) parent.InsertChildBefore(W("p"), NextElement(tbl));
}

QByteArray DocxDocument::Bytes() const {
    std::vector<std::pair<String, QByteArray>> parts = FParts;
    for (auto& [name, bytes] : parts)
        if (name == FDocumentPart) bytes = FXml->SaveToBytes();
    return ZipPackage::Write(parts, kDocxWriteFailure);
}

#include "controls/grid/exchange/XlsxReader.h"

#include "controls/grid/QvGrid_Types.h"
#include "controls/grid/exchange/ZipPackage.h"
#include "toolkit/services/XmlDoc.h"

namespace {

const String kXlsxFailure = QStringLiteral("Incorrect XLS file");

// Element names may carry a namespace prefix ("x:sheetData"); the local name decides.
String LocalName(const TXMLNode& Node) {
    const String name = Node.NodeName();
    const qsizetype colon = name.indexOf(QLatin1Char(':'));
    return colon < 0 ? name : name.mid(colon + 1);
}

TXMLNode Child(const TXMLNode& Node, const char* Name) {
    for (TXMLNode c = Node.FirstChild(); !c.IsNull(); c = c.NextSibling())
        if (c.NodeType() == ntElement && LocalName(c) == QLatin1String(Name)) return c;
    return TXMLNode();
}

// The attribute by its local name ("r:id" answers "id" only when asked with the prefix stripped).
String Attribute(const TXMLNode& Node, const char* Name) {
    for (int i = 0; i < Node.AttributeCount(); ++i) {
        const String a = Node.AttributeName(i);
        const qsizetype colon = a.indexOf(QLatin1Char(':'));
        if ((colon < 0 ? a : a.mid(colon + 1)) == QLatin1String(Name)) return Node.Attributes(a);
    }
    return String();
}

// Characters XML cannot carry stand in the file as "_xHHHH_".
String Unescape(const String& Text) {
    if (!Text.contains(QLatin1String("_x"))) return Text;
    String out;
    out.reserve(Text.size());
    for (qsizetype i = 0; i < Text.size(); ++i) {
        if (Text[i] == u'_' && i + 6 < Text.size() && Text[i + 1] == u'x' && Text[i + 6] == u'_') {
            bool ok = false;
            const ushort code = QStringView(Text).mid(i + 2, 4).toUShort(&ok, 16);
            if (ok) {
                out += QChar(code);
                i += 6;
                continue;
            }
        }
        out += Text[i];
    }
    return out;
}

// All the text of the "t" elements below Node: a rich string is runs of them.
String TextOf(const TXMLNode& Node) {
    String out;
    for (TXMLNode c = Node.FirstChild(); !c.IsNull(); c = c.NextSibling()) {
        if (c.NodeType() != ntElement) continue;
        const String n = LocalName(c);
        if (n == QLatin1String("t"))
            out += Unescape(c.Text());
        else if (n == QLatin1String("r"))
            out += TextOf(c);
    }
    return out;
}

TXMLNode Root(TXMLDocument& Doc, const QByteArray& Bytes) {
    if (!Doc.LoadFromBytes(Bytes, ZipPackage::MaxPartBytes)) throw EQvGridError(kXlsxFailure);
    const TXMLNode root = Doc.DocumentElement();
    if (root.IsNull()) throw EQvGridError(kXlsxFailure);
    return root;
}

} // namespace

XlsxReader::XlsxReader(const QByteArray& Bytes) : FBytes(Bytes) {
    ZipPackage zip(FBytes, kXlsxFailure);
    TXMLDocument workbook;
    const TXMLNode wb = Root(workbook, zip.Read(QStringLiteral("xl/workbook.xml")));
    // Relationship ids to parts; a package without the relationships names its sheets by number.
    QStringList ids, targets;
    if (zip.Has(QStringLiteral("xl/_rels/workbook.xml.rels"))) {
        TXMLDocument rels;
        const TXMLNode r = Root(rels, zip.Read(QStringLiteral("xl/_rels/workbook.xml.rels")));
        for (TXMLNode c = r.FirstChild(); !c.IsNull(); c = c.NextSibling()) {
            if (c.NodeType() != ntElement) continue;
            String target = Attribute(c, "Target");
            target = target.startsWith(QLatin1Char('/')) ? target.mid(1) : QStringLiteral("xl/") + target;
            ids << Attribute(c, "Id");
            targets << target;
        }
    }
    const TXMLNode sheets = Child(wb, "sheets");
    for (TXMLNode s = sheets.IsNull() ? TXMLNode() : sheets.FirstChild(); !s.IsNull(); s = s.NextSibling()) {
        if (s.NodeType() != ntElement || LocalName(s) != QLatin1String("sheet")) continue;
        const qsizetype k = ids.indexOf(Attribute(s, "id"));
        FNames << Attribute(s, "name");
        FParts << (k >= 0 ? targets[k] : QStringLiteral("xl/worksheets/sheet%1.xml").arg(FNames.size()));
    }
    if (FNames.isEmpty()) throw EQvGridError(kXlsxFailure);
    const TXMLNode views = Child(wb, "bookViews");
    const TXMLNode view = views.IsNull() ? TXMLNode() : Child(views, "workbookView");
    if (!view.IsNull()) {
        bool ok = false;
        const int active = Attribute(view, "activeTab").toInt(&ok);
        if (ok && active >= 0 && active < FNames.size()) FActive = active;
    }
    if (zip.Has(QStringLiteral("xl/sharedStrings.xml"))) {
        TXMLDocument shared;
        const TXMLNode sst = Root(shared, zip.Read(QStringLiteral("xl/sharedStrings.xml")));
        for (TXMLNode si = sst.FirstChild(); !si.IsNull(); si = si.NextSibling())
            if (si.NodeType() == ntElement && LocalName(si) == QLatin1String("si")) FShared << TextOf(si);
    }
}

int XlsxReader::SheetIndex(const String& Name) const {
    return static_cast<int>(FNames.lastIndexOf(Name));
}

SheetCells XlsxReader::ReadSheet(int Index, qint64 MaxCells) const {
    if (Index < 0 || Index >= FNames.size()) throw EQvGridError(kXlsxFailure);
    ZipPackage zip(FBytes, kXlsxFailure);
    TXMLDocument doc;
    const TXMLNode ws = Root(doc, zip.Read(FParts[Index]));
    SheetCells sheet;
    sheet.Name = FNames[Index];
    const TXMLNode data = Child(ws, "sheetData");
    int nextRow = 1;
    for (TXMLNode row = data.IsNull() ? TXMLNode() : data.FirstChild(); !row.IsNull();
         row = row.NextSibling()) {
        if (row.NodeType() != ntElement || LocalName(row) != QLatin1String("row")) continue;
        bool ok = false;
        int r = Attribute(row, "r").toInt(&ok);
        if (!ok) r = nextRow;
        if (r < 1 || r > 1048576) throw EQvGridError(kXlsxFailure);
        nextRow = r + 1;
        int nextCol = 1;
        for (TXMLNode c = row.FirstChild(); !c.IsNull(); c = c.NextSibling()) {
            if (c.NodeType() != ntElement || LocalName(c) != QLatin1String("c")) continue;
            int col = nextCol;
            const String ref = Attribute(c, "r");
            if (!ref.isEmpty()) {
                const auto cell = ParseCellName(ref);
                if (!cell || cell->second != r) throw EQvGridError(kXlsxFailure);
                col = cell->first;
            }
            if (col > 16384) throw EQvGridError(kXlsxFailure);
            nextCol = col + 1;
            const String type = Attribute(c, "t");
            const TXMLNode v = Child(c, "v");
            String text;
            if (type == QLatin1String("inlineStr")) {
                const TXMLNode is = Child(c, "is");
                if (is.IsNull()) continue;
                text = TextOf(is);
            } else if (v.IsNull() || type == QLatin1String("e")) {
                continue;
            } else if (type == QLatin1String("s")) {
                bool isIndex = false;
                const int k = v.Text().trimmed().toInt(&isIndex);
                if (!isIndex || k < 0 || k >= FShared.size()) throw EQvGridError(kXlsxFailure);
                text = FShared[k];
            } else if (type == QLatin1String("b")) {
                text = v.Text().trimmed() == QLatin1String("1") ? QStringLiteral("TRUE")
                                                                : QStringLiteral("FALSE");
            } else {
                text = v.Text();
            }
            sheet.Include(col, r);
            if ((qint64(sheet.LastCol - sheet.FirstCol) + 1) * (qint64(sheet.LastRow - sheet.FirstRow) + 1) >
                MaxCells)
                throw EQvGridError(kXlsxFailure);
            sheet.Values[{r, col}] = text;
        }
    }
    return sheet;
}

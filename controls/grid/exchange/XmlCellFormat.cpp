// Cells as XML: the writer of records and fields through the XML document, and the reader that walks a
// document's records into cells.
#include "controls/grid/exchange/XmlCellFormat.h"

#include "controls/grid/BaseGrid.h"
#include "toolkit/services/XmlDoc.h"

#include <algorithm>
#include <cmath>

namespace {

// Whether XML 1.0 can carry the text: no control character but tab and line ends, no lone surrogate, no
// U+FFFE or U+FFFF (not even as a character reference).
bool XmlCarriesText(const String& Text) {
    const qsizetype n = Text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = Text[i].unicode();
        if (c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') return false;
        if (c == 0xFFFE || c == 0xFFFF) return false;
        if (QChar::isLowSurrogate(c)) return false;
        if (QChar::isHighSurrogate(c)) {
            if (i + 1 >= n || !Text[i + 1].isLowSurrogate()) return false;
            ++i;
        }
    }
    return true;
}

// Older files wrote "$amp;" for "&"; the XML document has undone every other escape already.
String XmlUnescapeCell(const String& Text) {
    if (!Text.contains(QLatin1String("$amp;"))) return Text;
    return String(Text).replace(QLatin1String("$amp;"), QLatin1String("&"));
}

// The text of every text node below Node, in document order, as a DOM's "text" gives it.
String XmlDescendantText(const TXMLNode& Node) {
    String text;
    TXMLNode n = Node.FirstChild();
    while (!n.IsNull() && !(n == Node)) {
        if (n.NodeType() == ntText || n.NodeType() == ntCData) text += n.NodeValue();
        TXMLNode next = n.FirstChild();
        if (next.IsNull()) {
            while (!n.IsNull() && !(n == Node) && n.NextSibling().IsNull())
                n = n.ParentNode();
            if (n.IsNull() || n == Node) break;
            next = n.NextSibling();
        }
        n = next;
    }
    return text;
}

} // namespace

// --- Writer ---

QByteArray XmlCellWriter::Write(ExchangeGrid& Grid, const XmlCellNames& Names, const String& Encoding) const {
    const std::vector<int> cols = Grid.SaveColumns();
    const int first = Grid.SaveStartRow();
    const int last = Grid.SaveEndRow();
    TXMLDocument doc;
    try {
        TXMLNode root = doc.AddChild(Names.List);
        std::vector<String> fieldNames;
        for (size_t k = 0; k < cols.size(); ++k)
            fieldNames.push_back(int(k) < Names.Fields.size() ? Names.Fields[qsizetype(k)]
                                                              : QStringLiteral("FIELD%1").arg(k));
        Grid.ResetProgress();
        Grid.ExportNotification(esExportStart, first);
        for (int r = first; r <= last; ++r) {
            Grid.ExportNotification(esExportNextRow, r);
            TXMLNode record = root.AddChild(Names.Record);
            for (size_t k = 0; k < cols.size(); ++k) {
                if (const TCellProperties* props = Grid.Cells().Properties(cols[k], Grid.RealRow(r));
                    props && !props->IsBaseCell())
                    continue;
                String text = Grid.SavedText(cols[k], r);
                if (text.isEmpty()) {
                    if (!FExportEmpty) continue;
                    if (FQuoteEmpty) text = QStringLiteral("\"\"");
                }
                if (!XmlCarriesText(text))
                    throw EQvGridError(QStringLiteral("Cell %1, %2 holds a character that XML cannot carry")
                                           .arg(cols[k])
                                           .arg(r));
                record.AddChild(fieldNames[k]).SetText(text);
            }
            Grid.Progress(static_cast<int>(std::lround(100.0 * (r - first) / std::max(1, last - first))));
        }
        Grid.ExportNotification(esExportDone, -1);
    } catch (const EXMLDocError& e) {
        throw EQvGridError(e.Message());
    }
    QByteArray bytes;
    if (!doc.SaveToBytes(Encoding, bytes)) doc.SaveToBytes(QStringLiteral("UTF-8"), bytes);
    return bytes;
}

// --- Reader ---

// A cell the document gives, in the order the document gives it; a header name goes only into an empty cell.
struct XmlCellReader::Placed {
    int Col;
    int Row;
    String Text;
    bool IfEmpty;
};

struct XmlCellReader::Walk {
    int Col = 0;
    int Row = 0;
    int Level = 1;
    bool Header = false;
    int RowOrigin = 0;
    String Source;
    std::vector<Placed> Cells;

    // Refuses a document that brings too much before it takes the memory.
    void Place(const String& Text) {
        CheckExchangeSize(Source, qint64(Col) + 1, 1);
        CheckExchangeSize(Source, 1, qint64(Cells.size()) + 1);
        if (Row + RowOrigin >= 0) Cells.push_back({Col, Row + RowOrigin, Text, false});
        ++Col;
    }
    void PlaceHeader(const String& Name) {
        if (Header) Cells.push_back({Col, 0, Name, true});
    }
};

void XmlCellReader::ReadNode(Walk& W, const TXMLNode& Node, int Depth) const {
    if (Depth > kMaxLevels)
        throw EQvGridError(QStringLiteral("The XML document nests deeper than %1 levels").arg(kMaxLevels));
    if (Node.NodeType() != ntElement) {
        W.Place(XmlUnescapeCell(Node.NodeValue()));
        return;
    }
    const int attributes = Node.AttributeCount();
    for (int i = 0; i < attributes; ++i) {
        W.PlaceHeader(Node.AttributeName(i));
        W.Place(XmlUnescapeCell(Node.AttributeValue(i)));
    }
    if (FLevelToRow && attributes > 0) {
        ++W.Row;
        W.Col = W.Level;
    }
    const int children = Node.ChildCount();
    if (children > 1) {
        if (FLevelToRow && attributes == 0) {
            ++W.Row;
            W.Col = 0;
        }
        ++W.Level;
        for (const TXMLNode& child : Node.ChildNodes())
            ReadNode(W, child, Depth + 1);
    } else if (children == 0) {
        W.Place(String());
    } else {
        if (FLoadFieldDescr) W.PlaceHeader(Node.NodeName());
        String text = XmlUnescapeCell(XmlDescendantText(Node));
        if (FQuoteEmpty && text == QLatin1String("\"\"")) text.clear();
        W.Place(text);
    }
}

void XmlCellReader::Load(ExchangeGrid& Grid, const TXMLNode& Root, const String& Source) const {
    const ExchangeLayout layout = Grid.Layout();
    Walk w;
    w.Source = Source;
    w.Header = layout.SaveFixedCells || layout.SaveFixedRows;
    w.RowOrigin = w.Header && !FLoadFieldDescr ? 0 : layout.FixedRows;
    bool first = true;
    for (const TXMLNode& record : Root.ChildNodes()) {
        if (record.NodeType() != ntElement) continue;
        w.Col = 0;
        w.Level = 1;
        if (FLevelToRow && first && record.AttributeCount() == 0) w.Row = -1;
        first = false;
        ReadNode(w, record, 1);
        if (!FLevelToRow) ++w.Row;
    }
    if (w.Cells.empty()) return;
    int lastCol = 0, lastRow = 0;
    for (const Placed& p : w.Cells) {
        lastCol = std::max(lastCol, p.Col);
        lastRow = std::max(lastRow, p.Row);
    }
    const int startCol = Grid.SaveStartCol();
    CheckExchangeSize(Source, qint64(startCol) + lastCol + 1 + Grid.HiddenColCount(), qint64(lastRow) + 1);
    Grid.SetSize(Grid.ColCountFor(startCol, lastCol + 1), lastRow + 1);
    for (const Placed& p : w.Cells) {
        const int col = Grid.LoadColumn(startCol, p.Col);
        if (p.IfEmpty && !Grid.Cells().Text(col, Grid.RealRow(p.Row)).isEmpty()) continue;
        Grid.LoadText(col, p.Row, p.Text);
    }
    Grid.CellsChanged();
}

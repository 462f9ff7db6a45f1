// The HTML table of a rectangle of cells and the clipboard's HTML document.
#include "controls/grid/exchange/GridHtmlFragment.h"

#include "controls/grid/BaseGrid.h"
#include "controls/grid/QvUtil.h"
#include "toolkit/richtext/RichText.h"

namespace {

// Escaped, every line break (CR LF, CR or LF) one <br>.
String HtmlPlainText(const String& Text) {
    String s = GridHtmlFragment::Escape(Text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\r")).replace(QChar(10), QChar(13));
    return CRToBR(s);
}

String HtmlFragmentCellText(const String& Text) {
    switch (CellTextKind(Text, true)) {
    case ctkHTML:
        return Text;
    case ctkRTF:
        return HtmlPlainText(RtfToPlainText(RtfBytesOfCellText(Text)));
    default:
        return HtmlPlainText(Text);
    }
}

// The cell's look as a style attribute; empty without properties or settings.
String HtmlCellStyle(const TCellProperties* p) {
    if (!p) return String();
    QStringList style;
    if (p->BrushColor() != clNone)
        style << QStringLiteral("background-color:#") + ColorToHex(p->BrushColor());
    if (p->FontColor() != clNone) style << QStringLiteral("color:#") + ColorToHex(p->FontColor());
    if (!p->FontName().isEmpty())
        style << QStringLiteral("font-family:'%1'").arg(GridHtmlFragment::Escape(p->FontName()));
    if (p->FontSize() > 0) style << QStringLiteral("font-size:%1pt").arg(p->FontSize());
    if (p->FontStyle() & fsBold) style << QStringLiteral("font-weight:bold");
    if (p->FontStyle() & fsItalic) style << QStringLiteral("font-style:italic");
    if (p->FontStyle() & (fsUnderline | fsStrikeOut))
        style << QStringLiteral("text-decoration:%1%2")
                     .arg(p->FontStyle() & fsUnderline ? QStringLiteral("underline ") : String(),
                          p->FontStyle() & fsStrikeOut ? QStringLiteral("line-through") : String())
                     .trimmed();
    if (p->Alignment() == taRightJustify) style << QStringLiteral("text-align:right");
    if (p->Alignment() == taCenter) style << QStringLiteral("text-align:center");
    return style.isEmpty() ? String() : QStringLiteral(" style=\"%1\"").arg(style.join(QLatin1Char(';')));
}

} // namespace

String GridHtmlFragment::Escape(const String& Text) {
    String out;
    out.reserve(Text.size());
    for (QChar c : Text) {
        switch (c.unicode()) {
        case u'&':
            out += QStringLiteral("&amp;");
            break;
        case u'<':
            out += QStringLiteral("&lt;");
            break;
        case u'>':
            out += QStringLiteral("&gt;");
            break;
        case u'"':
            out += QStringLiteral("&quot;");
            break;
        default:
            out += c;
        }
    }
    return out;
}

String GridHtmlFragment::Table(const IGridCells& Cells, const TRect& R,
                               const std::function<String(int RealCol, int Row)>& Text) {
    String out = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\">\r\n");
    for (int row = R.Top; row <= R.Bottom; ++row) {
        const int realRow = Cells.RealRow(row);
        out += QStringLiteral("<tr>");
        for (int col = R.Left; col <= R.Right; ++col) {
            const int realCol = Cells.RealColumn(col);
            const TCellProperties* p = Cells.Properties(realCol, realRow);
            if (p && !p->IsBaseCell()) continue;
            String spans;
            if (p && p->CellSpanX() > 0) spans += QStringLiteral(" colspan=\"%1\"").arg(p->CellSpanX() + 1);
            if (p && p->CellSpanY() > 0) spans += QStringLiteral(" rowspan=\"%1\"").arg(p->CellSpanY() + 1);
            out += QStringLiteral("<td") + spans + HtmlCellStyle(p) + QLatin1Char('>') +
                   HtmlFragmentCellText(Text(realCol, row)) + QStringLiteral("</td>");
        }
        out += QStringLiteral("</tr>\r\n");
    }
    return out + QStringLiteral("</table>");
}

String GridHtmlFragment::Document(const String& Fragment) {
    return QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body>\r\n<!--StartFragment-->") +
           Fragment + QStringLiteral("<!--EndFragment-->\r\n</body></html>");
}

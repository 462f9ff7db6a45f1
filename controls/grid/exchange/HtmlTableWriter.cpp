// The HTML table of a grid: cells with their escaping, links and pictures, the style classes and the page.
#include "controls/grid/exchange/HtmlTableWriter.h"

#include "controls/grid/BaseGrid.h"
#include "controls/grid/QvGrid_Graphic.h"
#include "controls/grid/QvUtil.h"
#include "controls/grid/options/GridOptions.h"
#include "controls/markup/QsgHTMLE.h"
#include "toolkit/graphics/ImgList.h"
#include "toolkit/graphics/Jpeg.h"
#include "toolkit/services/XmlDoc.h"
#include "toolkit/system/SysUtils.h"

#include <algorithm>

namespace {

const QLatin1String kHtmlLineEnd("\r\n");

// A CSS string: anything but letters, digits, blanks, "_" and "-" as an escape, so that no name can end
// the string or the style block.
String CssString(const String& Text) {
    String out = QStringLiteral("\"");
    for (QChar c : Text) {
        const char16_t u = c.unicode();
        if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || u == ' ' ||
            u == '_' || u == '-')
            out += c;
        else
            out += QStringLiteral("\\%1 ").arg(uint(u), 0, 16);
    }
    return out + QLatin1Char('"');
}

// A local path as a file address: bytes outside the unreserved set percent-encoded.
String FileUrl(const String& Path) {
    String out = QStringLiteral("file://");
    for (const char b : Path.toUtf8()) {
        const auto u = static_cast<unsigned char>(b);
        if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || u == '-' ||
            u == '.' || u == '_' || u == '~' || u == '/')
            out += QLatin1Char(b);
        else
            out += QStringLiteral("%%1").arg(u, 2, 16, QLatin1Char('0')).toUpper();
    }
    return out;
}

// Schemes whose links run code when followed: such a text stays text.
bool RunsCode(const String& Text, qsizetype SchemeEnd) {
    qsizetype s = SchemeEnd;
    while (s > 0 && Text[s - 1].isLetter())
        --s;
    const String scheme = Text.mid(s, SchemeEnd - s).toLower();
    return scheme == QLatin1String("javascript") || scheme == QLatin1String("vbscript") ||
           scheme == QLatin1String("data");
}

// Whether a reference XML knows without a DTD starts at P ("&amp;", "&#160;", "&#xA0;" ...).
bool KnownReferenceAt(const String& Markup, qsizetype P) {
    const qsizetype semicolon = Markup.indexOf(QLatin1Char(';'), P);
    if (semicolon < 0) return false;
    const String name = Markup.mid(P + 1, semicolon - P - 1);
    static const char* const kNamed[] = {"amp", "lt", "gt", "quot", "apos"};
    for (const char* named : kNamed)
        if (name == QLatin1String(named)) return true;
    if (!name.startsWith(QLatin1Char('#'))) return false;
    const bool hex = name.size() > 1 && name[1] == QLatin1Char('x');
    const String digits = name.mid(hex ? 2 : 1);
    const auto digit = [hex](QChar c) {
        const char16_t u = c.unicode();
        return (u >= '0' && u <= '9') || (hex && ((u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F')));
    };
    if (digits.isEmpty() || digits.size() > 7 || !std::all_of(digits.begin(), digits.end(), digit))
        return false;
    const uint code = digits.toUInt(nullptr, hex ? 16 : 10);
    // Only characters XML allows, as a reference too.
    return code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code <= 0xD7FF) ||
           (code >= 0xE000 && code <= 0xFFFD) || (code >= 0x10000 && code <= 0x10FFFF);
}

// Whether every "&" starts a reference XML knows: the XML layer reads a bare "&" as itself, which an XML
// reader refuses.
bool KnownReferencesOnly(const String& Markup) {
    for (qsizetype i = Markup.indexOf(QLatin1Char('&')); i >= 0; i = Markup.indexOf(QLatin1Char('&'), i + 1))
        if (!KnownReferenceAt(Markup, i)) return false;
    return true;
}

bool WellFormedMarkup(const String& Markup) {
    if (!KnownReferencesOnly(Markup)) return false;
    TXMLDocument doc;
    return doc.LoadFromString(QStringLiteral("<x>") + Markup + QStringLiteral("</x>"));
}

// The JPEG stream of a picture: a JPEG as it was read, any other drawn on white at its own size.
QByteArray JpegOf(TGraphic& Graphic) {
    if (const auto* jpeg = dynamic_cast<const TJPEGImage*>(&Graphic)) return jpeg->SaveToBytes();
    TBitmap bitmap;
    bitmap.SetSize(Graphic.Width(), Graphic.Height());
    Graphic.Draw(bitmap.Canvas(), TRect(0, 0, Graphic.Width(), Graphic.Height()));
    TJPEGImage jpeg;
    jpeg.Assign(&bitmap);
    return jpeg.SaveToBytes();
}

} // namespace

HtmlTableWriter::HtmlTableWriter(ExchangeGrid& Grid, THTMLSettings& Settings, bool URLShow, bool URLFull)
    : FGrid(Grid), FSettings(Settings), FURLShow(URLShow), FURLFull(URLFull), FXHTML(Settings.XHTML()) {}

String HtmlTableWriter::Tag(const char* Upper) const {
    const String tag = QLatin1String(Upper);
    return FXHTML ? tag.toLower() : tag;
}

String HtmlTableWriter::Nbsp() const {
    return FXHTML ? QStringLiteral("&#160;") : QStringLiteral("&nbsp;");
}

String HtmlTableWriter::SevenBit(const String& Html) {
    String out;
    out.reserve(Html.size());
    const qsizetype n = Html.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = Html[i];
        if (c.unicode() < 0x80) {
            out += c;
            continue;
        }
        char32_t code = c.unicode();
        if (c.isHighSurrogate() && i + 1 < n && Html[i + 1].isLowSurrogate())
            code = QChar::surrogateToUcs4(c, Html[++i]);
        out += QStringLiteral("&#%1;").arg(static_cast<uint>(code));
    }
    return out;
}

HtmlTableRange HtmlTableWriter::PageRange() {
    HtmlTableRange range;
    const ExchangeLayout layout = FGrid.Layout();
    range.FirstCol = FGrid.SaveStartCol();
    range.LastCol = FGrid.ColCount() - 1;
    range.FirstRow = FGrid.SaveStartRow();
    range.LastRow = FGrid.RowCount() - 1;
    range.HeaderRow = layout.FixedRows > 0 && (layout.SaveFixedCells || layout.SaveFixedRows);
    return range;
}

String HtmlTableWriter::LinkOrText(const String& Text, const String& Escaped) {
    if (!FURLShow || Text.contains(QLatin1String("</"))) return Escaped;
    const auto link = [&](qsizetype From) {
        const String shown = FURLFull ? Text : Text.mid(From).left(255);
        return QStringLiteral("<a href=\"%1\">%2</a>")
            .arg(CharsToHTMLEntities(Text, false), CharsToHTMLEntities(shown, false));
    };
    String out = Escaped;
    const qsizetype scheme = Text.indexOf(QLatin1String("://"));
    if (scheme >= 0 && !RunsCode(Text, scheme)) out = link(scheme + 3);
    const qsizetype mail = Text.indexOf(QLatin1String("mailto:"));
    if (mail >= 0) out = link(mail + 7);
    return out;
}

String HtmlTableWriter::CellText(int Col, int Row, bool Header) {
    const String text = FGrid.SavedText(Col, Row);
    if ((Header && text.isEmpty()) || (!Header && text.trimmed().isEmpty())) return Nbsp();
    const bool markup = CellTextKind(text, true) == ctkHTML;
    String content;
    if (markup && (!FXHTML || WellFormedMarkup(text))) {
        content = text;
    } else {
        const String plain = markup ? StripMarkup(text) : text;
        const bool special = !Header && FSettings.ConvertSpecialChars();
        if (special && FXHTML)
            content = SevenBit(CharsToHTMLEntities(plain, false));
        else
            content = CharsToHTMLEntities(plain, special);
        if (!Header && FSettings.NonBreakingText()) content.replace(QLatin1Char(' '), Nbsp());
    }
    content.replace(QLatin1Char('\r'), FXHTML ? QStringLiteral("<br />") : QStringLiteral("<br>"));
    return LinkOrText(text, content);
}

String HtmlTableWriter::ImageElement(const TGraphic& Graphic) {
    if (FImageDir.isEmpty() || Graphic.Empty()) return String();
    const String folder = FImageDir + QStringLiteral("images");
    if (!DirectoryExists(folder) && !ForceDirectories(folder))
        throw Exception(QStringLiteral("Cannot create ") + folder);
    const String path = QStringLiteral("%1/img%2.jpg").arg(folder).arg(++FImageCount);
    WriteExchangeFile(path, JpegOf(const_cast<TGraphic&>(Graphic)));
    const String src = CharsToHTMLEntities(FileUrl(ExpandFileName(path)), false);
    return FXHTML ? QStringLiteral("<img src=\"%1\" alt=\"\" />").arg(src)
                  : QStringLiteral("<img src=\"%1\">").arg(src);
}

String HtmlTableWriter::Pictures(int Col, int Row, bool& TextFirst) {
    TextFirst = true;
    const TCellGraphic* graphic = FSettings.ExportImages() ? FGrid.Graphic(Col, Row) : nullptr;
    if (!graphic) return String();
    const auto listImage = [&](int Index) {
        TImageList* images = FGrid.Images(Col, Row);
        if (!images || Index < 0 || Index >= images->Count()) return String();
        TBitmap bitmap;
        images->GetBitmap(Index, &bitmap);
        return ImageElement(bitmap);
    };
    switch (graphic->CellType) {
    case ctBitmap:
        if (const auto* bitmap = dynamic_cast<const TGraphic*>(graphic->CellBitmap))
            return ImageElement(*bitmap);
        return String();
    case ctPicture:
        if (const auto* picture = dynamic_cast<const TPicture*>(graphic->CellBitmap);
            picture && picture->Graphic())
            return ImageElement(*picture->Graphic());
        return String();
    case ctInterface:
        if (auto* drawn = dynamic_cast<ICellGraphic*>(graphic->CellBitmap)) {
            TBitmap bitmap;
            bitmap.SetSize(drawn->GetWidth(), drawn->GetHeight());
            if (bitmap.Empty()) return String();
            drawn->Draw(bitmap.Canvas(), TRect(0, 0, bitmap.Width(), bitmap.Height()), Col, Row, false);
            return ImageElement(bitmap);
        }
        return String();
    case ctImageList:
        TextFirst = false;
        return listImage(graphic->CellIndex);
    case ctDataImage:
        return listImage(FGrid.SavedText(Col, Row).trimmed().toInt());
    case ctImages: {
        TextFirst = false;
        String out;
        if (const auto* list = dynamic_cast<const TIntList*>(graphic->CellBitmap))
            for (int i = 0; i < list->Count(); ++i)
                out += listImage(list->Items(i));
        return out;
    }
    case ctNode:
        TextFirst = false;
        return QStringLiteral("+");
    default:
        return String();
    }
}

String HtmlTableWriter::ClassOf(int Col, int Row, bool Header) {
    const ExchangeCellLook look = FGrid.Look(Col, Row, Header);
    QStringList css;
    if (FSettings.SaveColor() && look.Background != clNone)
        css << QStringLiteral("background-color: #") + ColorToHex(look.Background);
    if (FSettings.SaveColor() && look.FontColor != clNone)
        css << QStringLiteral("color: #") + ColorToHex(look.FontColor);
    if (FSettings.SaveFonts()) {
        if (look.FontSize > 0) css << QStringLiteral("font-size:%1pt").arg(look.FontSize);
        if (look.FontStyle & fsItalic) css << QStringLiteral("font-style: italic");
        if (look.FontStyle & fsBold) css << QStringLiteral("font-weight: bold");
        if (!look.FontName.isEmpty()) css << QStringLiteral("font-family: ") + CssString(look.FontName);
    }
    if (look.Alignment == taRightJustify) css << QStringLiteral("text-align: right");
    if (look.Alignment == taCenter) css << QStringLiteral("text-align: center");
    static const char* const kVertical[] = {"top", "middle", "bottom"};
    css << QStringLiteral("vertical-align: ") + QLatin1String(kVertical[look.VAlignment]);
    const String declarations = css.join(QLatin1Char(';'));
    auto found = std::find(FClasses.begin(), FClasses.end(), declarations);
    if (found == FClasses.end()) found = FClasses.insert(FClasses.end(), declarations);
    return QStringLiteral("c%1").arg(found - FClasses.begin());
}

String HtmlTableWriter::Table(const HtmlTableRange& Range, const String& ImageDir) {
    FImageDir = ImageDir;
    FClasses.clear();
    const auto attribute = [this](const char* Name, const String& Value) {
        const String name = QLatin1String(Name);
        return (FXHTML ? name.toLower() : name) + QStringLiteral("=\"") + Value + QLatin1Char('"');
    };
    String table = QLatin1Char('<') + Tag("TABLE") + QLatin1Char(' ') +
                   attribute("BORDER", String::number(FSettings.BorderSize())) + QLatin1Char(' ') +
                   attribute("CELLSPACING", String::number(FSettings.CellSpacing())) + QLatin1Char(' ') +
                   attribute("CELLPADDING", String::number(FSettings.CellPadding())) + QLatin1Char(' ');
    if (!FSettings.Summary().isEmpty())
        table += attribute("SUMMARY", CharsToHTMLEntities(FSettings.Summary(), false)) + QLatin1Char(' ');
    if (!FSettings.TableStyle().isEmpty())
        table += QLatin1Char(' ') + FSettings.TableStyle() + QLatin1Char(' ');
    table += QLatin1Char(' ') + attribute("WIDTH", String::number(FSettings.Width()) + QLatin1Char('%')) +
             QLatin1Char('>') + kHtmlLineEnd;

    TIntList* widths = FSettings.ColWidths();
    const auto row = [&](int Row, bool Header) {
        table += QLatin1Char('<') + Tag("TR") + QLatin1Char('>') + kHtmlLineEnd;
        for (int c = Range.FirstCol; c <= Range.LastCol; ++c) {
            const int col = FGrid.RealColumn(c);
            const TCellProperties* props = FGrid.Cells().Properties(col, FGrid.RealRow(Row));
            if (props && !props->IsBaseCell()) continue;
            String attributes;
            if (props && props->CellSpanX() > 0)
                attributes += QLatin1Char(' ') + attribute("COLSPAN", String::number(props->CellSpanX() + 1));
            if (props && props->CellSpanY() > 0)
                attributes += QLatin1Char(' ') + attribute("ROWSPAN", String::number(props->CellSpanY() + 1));
            if (!FGrid.Look(col, Row, Header).WordWrap)
                attributes += FXHTML ? QStringLiteral(" nowrap=\"nowrap\"") : QStringLiteral(" nowrap");
            const int widthIndex = Header ? c : c - Range.FirstCol;
            if ((Header || !Range.HeaderRow) && widthIndex < widths->Count())
                attributes += QLatin1Char(' ') + attribute(Header ? "WIDTH" : "width",
                                                           String::number(widths->Items(widthIndex)));
            bool textFirst = true;
            const String pictures = Pictures(col, Row, textFirst);
            const String text = CellText(col, Row, Header);
            table += QLatin1Char('<') + Tag("TD") + QStringLiteral(" class=\"") + ClassOf(col, Row, Header) +
                     QLatin1Char('"') + attributes + QLatin1Char('>') +
                     (textFirst ? text + pictures : pictures + text) + QStringLiteral("</") + Tag("TD") +
                     QLatin1Char('>') + kHtmlLineEnd;
        }
        table += QStringLiteral("</") + Tag("TR") + QLatin1Char('>') + kHtmlLineEnd;
    };
    int r = Range.FirstRow;
    if (Range.HeaderRow && r <= Range.LastRow) row(r++, true);
    FGrid.ExportNotification(esExportStart, r);
    for (; r <= Range.LastRow; ++r) {
        FGrid.ExportNotification(esExportNextRow, r);
        row(r, false);
    }
    FGrid.ExportNotification(esExportDone, -1);
    table += QStringLiteral("</") + Tag("TABLE") + QLatin1Char('>') + kHtmlLineEnd;

    String style =
        (FXHTML ? QStringLiteral("<style type=\"text/css\">") : QStringLiteral("<style>")) + kHtmlLineEnd;
    for (size_t i = 0; i < FClasses.size(); ++i)
        style += QStringLiteral(".c%1 {%2}").arg(i).arg(FClasses[i]) + kHtmlLineEnd;
    style += QStringLiteral("</style>") + kHtmlLineEnd;
    return style + table;
}

String HtmlTableWriter::Page(const String& ImageDir, const String& Encoding) {
    String page;
    if (FXHTML)
        page = QStringLiteral("<?xml version=\"1.0\" encoding=\"%1\"?>").arg(Encoding) + kHtmlLineEnd +
               QStringLiteral("<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\"") + kHtmlLineEnd +
               QStringLiteral("  \"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">") + kHtmlLineEnd +
               QStringLiteral("<html xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"en\" lang=\"en\">") +
               kHtmlLineEnd;
    if (!FSettings.PrefixTag().isEmpty()) page += FSettings.PrefixTag() + kHtmlLineEnd;
    page += Table(PageRange(), ImageDir);
    if (!FSettings.SuffixTag().isEmpty()) page += FSettings.SuffixTag() + kHtmlLineEnd;
    if (FXHTML) page += QStringLiteral("</html>") + kHtmlLineEnd;
    return page;
}

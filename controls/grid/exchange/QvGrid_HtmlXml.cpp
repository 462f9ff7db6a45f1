// The string grid's HTML pages and XML files: its settings handed to the formats, the files read and written
// whole, a written page shown with the desktop's program.
#include "controls/grid/QvGrid.h"
#include "controls/grid/exchange/HtmlTableWriter.h"
#include "controls/grid/exchange/StringGridExchange.h"
#include "controls/grid/exchange/XmlCellFormat.h"
#include "toolkit/services/Shell.h"
#include "toolkit/services/XmlDoc.h"
#include "toolkit/system/Streams.h"

namespace {

// The lines of a header or footer file of a page, each ended by CR LF.
String HtmlFileLines(const String& FileName) {
    TStringList lines;
    lines.SetText(DecodeExchangeText(ReadExchangeFile(FileName), false));
    return lines.Text();
}

// The page after the lines Before, then shown when asked.
void WriteHtmlPage(TQvStringGrid& Grid, const String& FileName, bool Show, bool Unicode,
                   const String& Before) {
    THTMLSettings& settings = *Grid.HTMLSettings();
    String page = Before;
    if (!settings.HeaderFile().isEmpty()) page += HtmlFileLines(settings.HeaderFile());
    StringGridExchange grid(Grid);
    page += HtmlTableWriter(grid, settings, Grid.URLShow(), Grid.URLFull())
                .Page(ExtractFilePath(ExpandFileName(FileName)),
                      Unicode ? QStringLiteral("UTF-16") : QStringLiteral("utf-8"));
    if (!settings.FooterFile().isEmpty()) page += HtmlFileLines(settings.FooterFile());
    WriteExchangeFile(FileName, Unicode ? EncodeText(page, TTextEncoding::UTF16LE)
                                        : HtmlTableWriter::SevenBit(page).toLatin1());
    if ((Show || settings.AutoPreview()) && !OpenWrittenFile(FileName))
        throw Exception(QStringLiteral("The page %1 was written, but no program opened it").arg(FileName));
}

} // namespace

String TQvStringGrid::SaveToHTMLString(const String& Dir) {
    StringGridExchange grid(*this);
    return HtmlTableWriter(grid, *FHTMLSettings, URLShow(), URLFull()).Page(Dir);
}

void TQvStringGrid::SaveToHTML(const String& FileName, bool Show, bool Unicode) {
    WriteHtmlPage(*this, FileName, Show, Unicode, String());
}

void TQvStringGrid::AppendToHTML(const String& FileName, bool Show, bool Unicode) {
    // A file that is there but cannot be read is not replaced by one without its lines.
    WriteHtmlPage(*this, FileName, Show, Unicode, PathExists(FileName) ? HtmlFileLines(FileName) : String());
}

void TQvStringGrid::SaveToXML(const String& FileName, const String& ListDescr, const String& RecordDescr,
                              const TStrings* FieldDescr, bool ExportEmptyCells) {
    XmlCellNames names{ListDescr, RecordDescr, {}};
    for (int i = 0; FieldDescr && i < FieldDescr->Count(); ++i)
        names.Fields << FieldDescr->Strings(i);
    StringGridExchange grid(*this);
    WriteExchangeFile(FileName,
                      XmlCellWriter(ExportEmptyCells, QuoteEmptyCells()).Write(grid, names, XMLEncoding()));
}

void TQvStringGrid::LoadFromXML(const String& FileName, bool LevelToRow, bool LoadFieldDescr) {
    if (!PathExists(FileName)) throw Exception(QStringLiteral("XML file not found: %1").arg(FileName));
    TXMLDocument doc;
    if (!doc.LoadFromFile(FileName, kExchangeMaxFileBytes, -1))
        throw Exception(QStringLiteral("XML parsing error: %1").arg(doc.ErrorText()));
    StringGridExchange grid(*this);
    XmlCellReader(LevelToRow, LoadFieldDescr, QuoteEmptyCells()).Load(grid, doc.DocumentElement(), FileName);
}

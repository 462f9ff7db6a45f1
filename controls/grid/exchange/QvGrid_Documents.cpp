// Word-processor documents: the grid written as a .docx table (exchange/DocxDocument.h).
#include "controls/grid/QvGrid.h"
#include "controls/grid/exchange/DocxDocument.h"
#include "controls/grid/exchange/HourGlassCursor.h"
#include "controls/grid/exchange/StringGridExchange.h"
#include "toolkit/system/SysUtils.h"

void TQvStringGrid::WriteDOC(const String& FileName, const String& Bookmark, bool Append,
                             bool CreateNewDocument) {
    // The old binary format is not written: a file of that name would not hold what its name says.
    if (FileName.endsWith(QLatin1String(".doc"), Qt::CaseInsensitive))
        throw EQvGridError(
            QStringLiteral("%1: the old .doc format is not written; save as .docx").arg(FileName));
    const HourGlassCursor busy;
    // Appending needs the document; a save that keeps the document writes into the file when it is there.
    std::unique_ptr<DocxDocument> doc;
    if (Append || (!CreateNewDocument && FileExists(FileName)))
        doc = std::make_unique<DocxDocument>(ReadExchangeFile(FileName),
                                             QStringLiteral("Cannot read the document %1").arg(FileName));
    else
        doc = std::make_unique<DocxDocument>();
    doc->InsertParagraphAtStart(Text());
    StringGridExchange grid(*this);
    const DocxTable table = DocxTable::FromGrid(grid);
    const DocxDocument::Place place = !Append                      ? DocxDocument::Place::Start
                                      : doc->HasBookmark(Bookmark) ? DocxDocument::Place::Bookmark
                                                                   : DocxDocument::Place::End;
    doc->InsertTable(table, place, Bookmark);
    WriteExchangeFile(FileName, doc->Bytes());
}

void TQvStringGrid::SaveToDOC(const String& FileName, bool CreateNewDocument) {
    WriteDOC(FileName, String(), false, CreateNewDocument);
}

void TQvStringGrid::AppendToDoc(const String& FileName, const String& Bookmark) {
    WriteDOC(FileName, Bookmark, true, false);
}

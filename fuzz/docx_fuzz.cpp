// Fuzz target: the .docx reader over arbitrary bytes, with a paragraph and tables put at the start, at a
// bookmark and at the end. A document that reads must write a package that reads again.
#include "FuzzSupport.h"
#include "controls/grid/QvGrid_Types.h"
#include "controls/grid/exchange/DocxDocument.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qvfuzz::StartApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    DocxTable table;
    table.Cols = 2;
    table.Rows = 2;
    table.Texts = {"a", "b\tc", "line\r\nnext", QString(QChar(1))};
    table.Alignments = {taLeftJustify, taRightJustify, taCenter, taLeftJustify};
    QByteArray written;
    try {
        DocxDocument doc(qvfuzz::Bytes(data, size), "fuzz");
        doc.InsertParagraphAtStart("text");
        const bool marked = doc.HasBookmark("Mark");
        doc.InsertTable(table, DocxDocument::Place::Bookmark, "Mark");
        if (marked != doc.HasBookmark("mark")) std::abort(); // the table keeps the bookmark
        doc.InsertTable(table, DocxDocument::Place::Start);
        doc.InsertTable(table, DocxDocument::Place::End);
        written = doc.Bytes();
    } catch (const EQvGridError&) {
        return 0;
    }
    try {
        DocxDocument again(written, "fuzz");
        (void)again.HasBookmark("Mark");
    } catch (const EQvGridError&) {
        std::abort();
    }
    return 0;
}

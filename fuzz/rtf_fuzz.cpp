// Fuzz target: the RTF reader of rich-text cells, the clipboard and drops. What it reads must write out and
// read back the same, go into a text document and come out the same, and lay out and paint.
#include "FuzzSupport.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Picture.h"
#include "toolkit/richtext/RichText.h"
#include "toolkit/richtext/RichTextDocument.h"
#include "toolkit/stdctrls/RichEdit.h"

#include <QTextDocument>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qvfuzz::StartApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 65536) return 0; // a cell's rich text; longer inputs only slow the search down
    const QByteArray bytes = qvfuzz::Bytes(data, size);
    const TRichText read = ReadRtf(bytes);
    if (read.Paragraphs.empty()) std::abort();
    const QByteArray written = WriteRtf(read);
    if (ReadRtf(written) != read) std::abort();
    (void)read.PlainText();

    QTextDocument doc;
    RichTextToDocument(read, doc);
    if (DocumentToRichText(doc) != read) std::abort();

    if (size <= 1024) {
        static TBitmap* surface = [] {
            auto* b = new TBitmap();
            b->SetSize(200, 60);
            return b;
        }();
        static TRichEdit* edit = new TRichEdit(nullptr);
        edit->LoadFromRtf(bytes);
        edit->SetWordWrap(size % 2 == 0);
        const TSize need = edit->RequiredSize();
        if (need.cx < 0 || need.cy < 0) std::abort();
        edit->PaintTo(surface->Canvas(), TRect(0, 0, 200, 60), 2, 2);
        edit->SelectAll();
        edit->SelAttributes()->SetColor(clRed);
        if (ReadRtf(edit->SaveToRtf()).PlainText() != read.PlainText()) std::abort();
    }
    return 0;
}

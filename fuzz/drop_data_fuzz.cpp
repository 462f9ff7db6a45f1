// Fuzz target: the formats a drop or a paste carries (as another program offers them), read as a drop
// target reads them: text, files, an address, rich text and a format of our own.
#include "FuzzSupport.h"
#include "toolkit/services/Clipboard.h"

#include <QMimeData>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    qvfuzz::StartApplication();
    // The input is split into the bytes of four formats at the first three bytes 0x1E.
    const QList<QByteArray> parts = qvfuzz::Bytes(data, size).split('\x1e');
    const char* const types[] = {"text/uri-list", "text/plain", "application/rtf",
                                 "application/x-qv-tqvstringgrid-cells"};
    QMimeData mime;
    for (int i = 0; i < parts.size() && i < 4; ++i)
        mime.setData(types[i], parts[i]);
    const TClipData drop = TClipData::FromMimeData(&mime);
    const QStringList files = drop.Files();
    for (const QString& f : files)
        if (f.isEmpty()) std::abort();
    (void)drop.Url();
    (void)drop.Text();
    const UINT cells = RegisterClipboardFormat("TQvStringGrid Cells");
    // What arrives is handed on unchanged.
    if (parts.size() > 3 && drop.Data(cells) != parts[3]) std::abort();
    if (parts.size() > 2 && drop.HasFormat(CF_RTF()) && drop.Data(CF_RTF()) != parts[2]) std::abort();
    for (UINT format : {UINT(CF_TEXT), UINT(CF_HDROP), CF_URL(), CF_RTF(), cells})
        (void)drop.HasFormat(format);
    // And goes on as it came when passed on (a paste into the clipboard, a drag onwards). Qt keeps a URI
    // list as the addresses it reads in it, so that one goes on as Qt reads it, adding nothing.
    std::unique_ptr<QMimeData> onwards(drop.ToMimeData());
    for (int i = 1; i < parts.size() && i < 4; ++i)
        if (onwards->data(types[i]) != mime.data(types[i])) std::abort();
    for (const QString& f : TClipData::FromMimeData(onwards.get()).Files())
        if (!files.contains(f)) std::abort();
    return 0;
}

// Fuzz target: pictures as the program reads them (kind by the first bytes, else by the extension).
#include "FuzzSupport.h"
#include "toolkit/graphics/Graphics.h"
#include "toolkit/graphics/Jpeg.h"
#include "toolkit/graphics/Picture.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qvfuzz::StartApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    // The first byte picks the extension the file would carry; the rest is the file.
    static const char* const hints[] = {"bmp", "png", "jpg", "jpeg", "txt"};
    const QString hint = QString::fromLatin1(hints[data[0] % 5]);
    const QByteArray bytes = qvfuzz::Bytes(data + 1, size - 1);
    TPicture picture;
    try {
        picture.LoadFromBytes(bytes, hint);
    } catch (const Exception&) {
        return 0;
    }
    if (TGraphic* g = picture.Graphic()) {
        const QImage image = g->toQImage();
        if (image.width() != g->Width() || image.height() != g->Height()) std::abort();
        try {
            (void)g->SaveToBytes();
        } catch (const Exception&) {
        }
    }
    return 0;
}

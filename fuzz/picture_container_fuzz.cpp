// Fuzz target: picture bytes as the markup pictures read them (GIF frames, bitmaps, PNG, JPEG): loaded,
// stepped through their frames, drawn stretched and at natural size, copied.
#include "FuzzSupport.h"
#include "controls/pictures/PictureContainer.h"
#include "toolkit/graphics/Picture.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qvfuzz::StartApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TBitmap* surface = [] {
        auto* b = new TBitmap();
        b->SetSize(64, 64);
        return b;
    }();
    THTMLPicture pic;
    try {
        pic.LoadFromBytes(qvfuzz::Bytes(data, size));
    } catch (const Exception&) {
        if (!pic.Empty() || pic.Step()) std::abort(); // a picture that does not read is empty
        return 0;
    }
    for (int i = 0; i < 12; ++i)
        pic.Step();
    (void)pic.GetFrameTime(pic.Frame());
    pic.Draw(surface->Canvas(), TRect(0, 0, 64, 64));
    pic.StretchDraw(surface->Canvas(), TRect(0, 0, 17, 9));
    THTMLPicture copy;
    copy.Assign(&pic);
    if (copy.Empty() != pic.Empty() || copy.FrameCount() != pic.FrameCount()) std::abort();
    // The same bytes through a file URL.
    const QString path = qvfuzz::WriteInput("picture.bin", data, size);
    THTMLPicture fromFile;
    fromFile.LoadFromURL("file://" + path);
    if (fromFile.Empty() != pic.Empty()) std::abort();
    return 0;
}

// Fuzz target: the markup renderer. The input is markup text; it is measured, drawn and hit-tested in a
// cell-sized rectangle, with and without word wrap and right to left, with pictures named by file URL.
#include "FuzzSupport.h"
#include "controls/markup/QsgHTMLE.h"
#include "controls/pictures/PictureContainer.h"
#include "toolkit/graphics/ImgList.h"
#include "toolkit/graphics/Picture.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qvfuzz::StartApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 8192) return 0; // a cell's markup; longer inputs only slow the search down
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    static TBitmap* surface = [] {
        auto* b = new TBitmap();
        b->SetSize(240, 80);
        return b;
    }();
    static TImageList* images = [] {
        auto* list = new TImageList();
        TBitmap strip;
        strip.SetSize(32, 16);
        list->Add(&strip, nullptr);
        return list;
    }();
    THTMLPictureCache cache;
    TPictureContainer container(nullptr);
    container.Items()->Add()->SetName("pic");

    TMarkupInput in;
    in.Canvas = surface->Canvas();
    in.Text = text;
    in.Rect = TRect(2, 2, 238, 78);
    in.Images = images;
    in.PicCache = &cache;
    in.PicContainer = &container;
    in.XPos = 40;
    in.YPos = 10;
    in.FocusLink = 0;
    in.HoverLink = 1;
    for (int round = 0; round < 4; ++round) {
        in.CheckHeight = round == 0;
        in.CheckHotSpot = round == 3;
        in.WordWrap = round & 1;
        in.BiDiMode = round == 2 ? bdRightToLeft : bdLeftToRight;
        in.HoverStyle = round == 1;
        in.ControlID = round == 3 ? QStringLiteral("a") : QString();
        TMarkupOutput out;
        RenderMarkup(in, out);
        if (out.XSize < 0 || out.YSize < 0 || out.XSize > 1000000 || out.YSize > 10000000) std::abort();
    }
    return 0;
}

// The graphic base, the bitmap, the PNG image and the picture.
#include "toolkit/graphics/Picture.h"

#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Jpeg.h"
#include "toolkit/system/Streams.h"
#include <QPainter>

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QPainter>

namespace {
const QByteArray kPictureBmpMagic("BM");
const QByteArray kPicturePngMagic("\x89PNG\r\n\x1a\n", 8);
const QByteArray kPictureJpegMagic("\xFF\xD8\xFF", 3);

QImage pictureDecode(const QByteArray& data, const char* format, const QByteArray& magic, const char* what) {
    if (!data.startsWith(magic))
        throw EInvalidGraphic(QStringLiteral("%1 image is not valid").arg(QLatin1String(what)));
    QImage img = QImage::fromData(data, format);
    if (img.isNull()) throw EInvalidGraphic(QStringLiteral("%1 image is not valid").arg(QLatin1String(what)));
    return img;
}

QByteArray pictureEncode(const QImage& img, const char* format) {
    QByteArray out;
    if (img.isNull()) return out;
    QBuffer buf(&out);
    buf.open(QIODevice::WriteOnly);
    if (!img.save(&buf, format))
        throw EInvalidGraphic(QStringLiteral("Cannot write %1 image").arg(QLatin1String(format)));
    return out;
}

bool pictureIsOpaque(const QImage& img) {
    for (int y = 0; y < img.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(row[x]) != 255) return false;
    }
    return true;
}
} // namespace

// ---- TGraphic

void TGraphic::Changed() {
    if (OnChange) OnChange(this);
}

void TGraphic::SetTransparent(bool v) {
    if (v == FTransparent) return;
    FTransparent = v;
    Changed();
}

QByteArray ReadPictureFile(const String& fileName) {
    QByteArray bytes;
    String error;
    TReadFault fault = TReadFault::None;
    if (!ReadWholeFile(fileName, bytes, &error, kMaxPictureFileBytes, &fault))
        throw EInOutError(ReadFaultText(fileName, fault, error, kMaxPictureFileBytes));
    return bytes;
}

void TGraphic::LoadFromFile(const String& fileName) {
    LoadFromBytes(ReadPictureFile(fileName));
}

void TGraphic::SaveToFile(const String& fileName) const {
    String error;
    if (!SaveFileAtomically(fileName, SaveToBytes(), &error))
        throw EInOutError(QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, error));
}

void TGraphic::Assign(const TPersistent* source) {
    auto* g = dynamic_cast<const TGraphic*>(source);
    if (!g) return TPersistent::Assign(source);
    FTransparent = g->Transparent();
    fromQImage(g->toQImage());
}

// ---- TGraphicHolder

QImage TGraphicHolder::toQImage() const {
    TGraphic* g = Shown();
    return g ? g->toQImage() : QImage();
}

void TGraphicHolder::fromQImage(const QImage&) {
    ForgetContent();
}

// ---- TBitmap

TBitmap::TBitmap() : FCanvas(std::make_unique<TCanvas>()) {
    FCanvas->OnRequirePainter = [this](TCanvas* c) { StartPainting(c); };
}

TBitmap::~TBitmap() {
    FreeImage();
}

void TBitmap::StartPainting(TCanvas* canvas) {
    if (FImage.isNull() || FPainter) return;
    FPainter = std::make_unique<QPainter>(&FImage);
    canvas->Attach(FPainter.get());
}

void TBitmap::FreeImage() const {
    if (!FPainter) return;
    FCanvas->Detach();
    FPainter->end();
    FPainter.reset();
}

QImage& TBitmap::Image() {
    FreeImage();
    return FImage;
}

void TBitmap::Modified() {
    Changed();
}

TCanvas* TBitmap::Canvas() {
    return FCanvas.get();
}

void TBitmap::SetSize(int width, int height) {
    width = std::max(0, width);
    height = std::max(0, height);
    if (width == Width() && height == Height()) return;
    QImage& old = Image();
    QImage img;
    if (width > 0 && height > 0) {
        img = QImage(width, height, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::white);
        if (!old.isNull()) {
            QPainter p(&img);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.drawImage(0, 0, old);
        }
    }
    FImage = img;
    Modified();
}

TColor TBitmap::TransparentColor() const {
    if (FTransparentMode == tmFixed && FTransparentColor != clDefault) return FTransparentColor;
    if (FImage.isNull()) return clDefault;
    return FromQColor(FImage.pixelColor(0, FImage.height() - 1));
}

void TBitmap::SetTransparentColor(TColor v) {
    FTransparentColor = v;
    FTransparentMode = v == clDefault ? tmAuto : tmFixed;
    Modified();
}

void TBitmap::SetTransparentMode(TTransparentMode v) {
    FTransparentMode = v;
    if (v == tmAuto) FTransparentColor = clDefault;
    Modified();
}

void TBitmap::SetPixelFormat(TPixelFormat v) {
    if (v == FPixelFormat) return;
    FPixelFormat = v;
    if (v != pf24bit || FImage.isNull()) return;
    QImage& img = Image();
    for (int y = 0; y < img.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            row[x] |= 0xFF000000u;
    }
    Modified();
}

uint32_t* TBitmap::ScanLine(int row) {
    if (row < 0 || row >= Height()) throw EInvalidGraphic(QStringLiteral("Scan line index out of range"));
    return reinterpret_cast<uint32_t*>(Image().scanLine(row));
}

const uint32_t* TBitmap::ScanLine(int row) const {
    if (row < 0 || row >= Height()) throw EInvalidGraphic(QStringLiteral("Scan line index out of range"));
    FreeImage();
    return reinterpret_cast<const uint32_t*>(FImage.constScanLine(row));
}

void TBitmap::LoadFromBytes(const QByteArray& data) {
    QImage img;
    if (!data.isEmpty())
        img = pictureDecode(data, "BMP", kPictureBmpMagic, "Bitmap")
                  .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    Image() = img;
    Modified();
}

QByteArray TBitmap::SaveToBytes() const {
    FreeImage();
    // Opaque bitmaps are written as plain 24-bit files that every reader knows.
    if (!FImage.isNull() && pictureIsOpaque(FImage))
        return pictureEncode(FImage.convertToFormat(QImage::Format_RGB32), "BMP");
    return pictureEncode(FImage, "BMP");
}

void TBitmap::Draw(TCanvas* canvas, const TRect& rect) {
    if (!canvas || FImage.isNull()) return;
    // Copying while the canvas paints gives a snapshot, which also makes drawing onto itself safe.
    QImage img = FImage;
    if (Transparent()) {
        const QRgb key = ToQColor(TransparentColor()).rgb() & 0xFFFFFF;
        img.detach();
        for (int y = 0; y < img.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
            for (int x = 0; x < img.width(); ++x)
                if ((row[x] & 0xFFFFFF) == key && qAlpha(row[x]) == 255) row[x] = 0;
        }
    }
    if (QPainter* p = canvas->PreparePainter(false, false)) p->drawImage(rect.toQRect(), img);
}

QImage TBitmap::toQImage() const {
    FreeImage();
    return FImage;
}

void TBitmap::fromQImage(const QImage& image) {
    Image() = image.isNull() ? QImage() : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    Modified();
}

void TBitmap::Assign(const TPersistent* source) {
    if (auto* b = dynamic_cast<const TBitmap*>(source)) {
        if (b == this) return;
        FTransparent = b->FTransparent;
        FTransparentColor = b->FTransparentColor;
        FTransparentMode = b->FTransparentMode;
        FPixelFormat = b->FPixelFormat;
        fromQImage(b->toQImage());
        return;
    }
    TGraphic::Assign(source);
}

// ---- TPngImage

void TPngImage::LoadFromBytes(const QByteArray& data) {
    fromQImage(data.isEmpty() ? QImage() : pictureDecode(data, "PNG", kPicturePngMagic, "PNG"));
}

QByteArray TPngImage::SaveToBytes() const {
    return pictureEncode(FImage, "PNG");
}

void TPngImage::Draw(TCanvas* canvas, const TRect& rect) {
    QPainter* p = canvas ? canvas->PreparePainter(false, false) : nullptr;
    if (p && !FImage.isNull()) p->drawImage(rect.toQRect(), FImage);
}

void TPngImage::fromQImage(const QImage& image) {
    if (image.isNull())
        FImage = QImage();
    else
        FImage =
            image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    Changed();
}

// ---- TPicture

std::unique_ptr<TGraphic> NewGraphicLike(const TGraphic* g) {
    if (dynamic_cast<const TJPEGImage*>(g)) return std::make_unique<TJPEGImage>();
    if (dynamic_cast<const TPngImage*>(g)) return std::make_unique<TPngImage>();
    return std::make_unique<TBitmap>();
}

TPicture::TPicture() = default;

TPicture::~TPicture() = default;

void TPicture::Take(std::unique_ptr<TGraphic> g) {
    FGraphic = std::move(g);
    if (FGraphic)
        FGraphic->OnChange = [this](TObject*) {
            if (OnChange) OnChange(this);
        };
    if (OnChange) OnChange(this);
}

void TPicture::SetGraphic(const TGraphic* graphic) {
    if (graphic == FGraphic.get()) return;
    if (!graphic) return Take(nullptr);
    auto copy = NewGraphicLike(graphic);
    copy->Assign(graphic);
    Take(std::move(copy));
}

TBitmap* TPicture::Bitmap() {
    if (!dynamic_cast<TBitmap*>(FGraphic.get())) Take(std::make_unique<TBitmap>());
    return static_cast<TBitmap*>(FGraphic.get());
}

void TPicture::LoadFromFile(const String& fileName) {
    LoadFromBytes(ReadPictureFile(fileName), QFileInfo(fileName).suffix());
}

void TPicture::SaveToFile(const String& fileName) const {
    if (FGraphic) FGraphic->SaveToFile(fileName);
}

void TPicture::LoadFromBytes(const QByteArray& data, const String& extensionHint) {
    std::unique_ptr<TGraphic> g;
    const String ext = extensionHint.toLower();
    if (data.startsWith(kPictureBmpMagic))
        g = std::make_unique<TBitmap>();
    else if (data.startsWith(kPicturePngMagic))
        g = std::make_unique<TPngImage>();
    else if (data.startsWith(kPictureJpegMagic))
        g = std::make_unique<TJPEGImage>();
    else if (ext == "bmp")
        g = std::make_unique<TBitmap>();
    else if (ext == "png")
        g = std::make_unique<TPngImage>();
    else if (ext == "jpg" || ext == "jpeg")
        g = std::make_unique<TJPEGImage>();
    else
        throw EInvalidGraphic(QStringLiteral("Unknown picture file extension (.%1)").arg(extensionHint));
    // The old picture stays when the new one does not read.
    g->LoadFromBytes(data);
    Take(std::move(g));
}

void TPicture::Assign(const TPersistent* source) {
    if (!source) return Take(nullptr);
    if (auto* p = dynamic_cast<const TPicture*>(source)) return SetGraphic(p->Graphic());
    if (auto* g = dynamic_cast<const TGraphic*>(source)) return SetGraphic(g);
    TPersistent::Assign(source);
}

// JPEG pictures, decoded and encoded by libjpeg itself.
#pragma once

#include "toolkit/graphics/Picture.h"

// A JPEG stream that libjpeg refuses: corrupt, truncated, not a JPEG at all.
class EJPEG : public EInvalidGraphic {
public:
    using EInvalidGraphic::EInvalidGraphic;
};

// Decodes a whole JPEG stream into a 32-bit opaque image; throws EJPEG on any error.
QImage JpegDecode(const QByteArray& data);
// Encodes `image` (quality 1..100, optionally progressive); throws EJPEG on any error.
QByteArray JpegEncode(const QImage& image, int quality, bool progressive);

// Keeps the JPEG stream it was read from, so saving an unchanged picture loses nothing further; pixels
// given to it are compressed with the current settings when the stream is next needed.
class TJPEGImage : public TGraphic {
public:
    String ClassName() const override { return "TJPEGImage"; }
    int Width() const override { return FImage.width(); }
    int Height() const override { return FImage.height(); }
    bool Empty() const override { return FImage.isNull(); }
    void SetTransparent(bool) override {} // a JPEG has no transparency

    int CompressionQuality() const { return FQuality; }
    void SetCompressionQuality(int v);
    bool ProgressiveEncoding() const { return FProgressive; }
    void SetProgressiveEncoding(bool v);
    // Compresses the pixels now with the current settings.
    void Compress();

    void LoadFromBytes(const QByteArray& data) override;
    QByteArray SaveToBytes() const override;
    void Draw(TCanvas* canvas, const TRect& rect) override;
    QImage toQImage() const override { return FImage; }
    void fromQImage(const QImage& image) override;
    void Assign(const TPersistent* source) override;

private:
    QImage FImage;
    mutable QByteArray FData;
    int FQuality = 90;
    bool FProgressive = false;
};

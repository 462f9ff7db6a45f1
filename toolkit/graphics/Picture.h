// Pictures: the graphic base, the bitmap, the PNG image and the picture that holds any of them.
#pragma once

#include "toolkit/graphics/Graphics.h"

#include <QByteArray>
#include <QImage>
#include <memory>

class TCanvas;

// A picture that does not read (wrong kind, corrupt, truncated).
class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};

// The largest picture file read (by path: flags, glyphs, markup pictures; or from the resources).
constexpr qint64 kMaxPictureFileBytes = 32 * 1024 * 1024;
// The bytes of a picture file within that limit; raises EInOutError naming the file and why it was not
// read (too large, not a regular file, the system's reason).
QByteArray ReadPictureFile(const String& fileName);

class TGraphic : public TPersistent {
public:
    String ClassName() const override { return "TGraphic"; }
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual bool Empty() const = 0;
    virtual bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool v);

    // Files are read whole; a write replaces the old file only once the new one is complete.
    void LoadFromFile(const String& fileName);
    void SaveToFile(const String& fileName) const;
    // The file format's bytes, as a stream would carry them.
    virtual void LoadFromBytes(const QByteArray& data) = 0;
    virtual QByteArray SaveToBytes() const = 0;

    // Paints the picture stretched into `rect`.
    virtual void Draw(TCanvas* canvas, const TRect& rect) = 0;
    // The pixels, as a 32-bit image (alpha where the format has it).
    virtual QImage toQImage() const = 0;
    // Replaces the content with the pixels of `image`.
    virtual void fromQImage(const QImage& image) = 0;
    void Assign(const TPersistent* source) override;

    TNotifyEvent OnChange;

protected:
    void Changed();
    bool FTransparent = false;
};

// A graphic that shows another one it holds (a decoded file, the frame of an animation on show): its
// pixels are those of the graphic on show, and pixels written into it make it forget what it holds.
// Graphics above the toolkit derive from it, so they never handle the pixels themselves.
class TGraphicHolder : public TGraphic {
public:
    QImage toQImage() const override;
    void fromQImage(const QImage& image) override;

protected:
    // The graphic on show; null when there is none.
    virtual TGraphic* Shown() const = 0;
    virtual void ForgetContent() = 0;
};

enum TTransparentMode { tmAuto, tmFixed };

// The pixel layout a bitmap stands for. The pixels are kept as 32-bit premultiplied ARGB whatever it says;
// a bitmap made pf24bit has no alpha, so its pixels become opaque (the colour bytes stay as they are).
enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };

// A 32-bit bitmap over a QImage. Its canvas paints straight into the image.
class TBitmap : public TGraphic {
public:
    TBitmap();
    ~TBitmap() override;
    String ClassName() const override { return "TBitmap"; }

    int Width() const override { return FImage.width(); }
    int Height() const override { return FImage.height(); }
    bool Empty() const override { return FImage.isNull(); }
    void SetWidth(int v) { SetSize(v, Height()); }
    void SetHeight(int v) { SetSize(Width(), v); }
    // Keeps the overlapping pixels; new pixels are white.
    void SetSize(int width, int height);

    TCanvas* Canvas();

    // The transparent colour: in tmAuto the colour of the bottom-left pixel.
    TColor TransparentColor() const;
    void SetTransparentColor(TColor v);
    TTransparentMode TransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(TTransparentMode v);
    TPixelFormat PixelFormat() const { return FPixelFormat; }
    void SetPixelFormat(TPixelFormat v);

    // Raw access to row `row`: Width() pixels of 32 bits, 0xAARRGGBB. Ends any painting in progress.
    uint32_t* ScanLine(int row);
    const uint32_t* ScanLine(int row) const;

    void LoadFromBytes(const QByteArray& data) override; // BMP
    QByteArray SaveToBytes() const override;             // BMP
    void Draw(TCanvas* canvas, const TRect& rect) override;
    QImage toQImage() const override;
    void fromQImage(const QImage& image) override;
    void Assign(const TPersistent* source) override;
    // Ends painting on the image; the canvas reattaches on its next use.
    void FreeImage() const;

private:
    void StartPainting(TCanvas* canvas);
    void Modified();
    QImage& Image();

    mutable QImage FImage;
    mutable std::unique_ptr<QPainter> FPainter;
    std::unique_ptr<TCanvas> FCanvas;
    TColor FTransparentColor = clDefault;
    TTransparentMode FTransparentMode = tmAuto;
    TPixelFormat FPixelFormat = pfDevice;
};

// A PNG picture with its alpha channel.
class TPngImage : public TGraphic {
public:
    String ClassName() const override { return "TPngImage"; }
    int Width() const override { return FImage.width(); }
    int Height() const override { return FImage.height(); }
    bool Empty() const override { return FImage.isNull(); }
    bool Transparent() const override { return FImage.hasAlphaChannel(); }
    void LoadFromBytes(const QByteArray& data) override;
    QByteArray SaveToBytes() const override;
    void Draw(TCanvas* canvas, const TRect& rect) override;
    QImage toQImage() const override { return FImage; }
    void fromQImage(const QImage& image) override;

private:
    QImage FImage;
};

// Holds one graphic of any kind; the kind of a file is told by its content, then by its extension.
class TPicture : public TPersistent {
public:
    TPicture();
    ~TPicture() override;
    String ClassName() const override { return "TPicture"; }

    TGraphic* Graphic() const { return FGraphic.get(); }
    // Takes a copy of `graphic` (nullptr empties the picture).
    void SetGraphic(const TGraphic* graphic);
    // The graphic as a bitmap; when it is something else it is replaced by an empty bitmap.
    TBitmap* Bitmap();
    int Width() const { return FGraphic ? FGraphic->Width() : 0; }
    int Height() const { return FGraphic ? FGraphic->Height() : 0; }

    void LoadFromFile(const String& fileName);
    void SaveToFile(const String& fileName) const;
    void LoadFromBytes(const QByteArray& data, const String& extensionHint = String());
    void Assign(const TPersistent* source) override;

    TNotifyEvent OnChange;

private:
    void Take(std::unique_ptr<TGraphic> g);
    std::unique_ptr<TGraphic> FGraphic;
};

// A new empty graphic of the same kind as `g`.
std::unique_ptr<TGraphic> NewGraphicLike(const TGraphic* g);

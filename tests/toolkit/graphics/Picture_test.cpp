// Pictures on disk: JPEG through libjpeg, BMP and PNG, kind detection, broken files, bitmap pixels.
#include "TestSupport.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Graphics.h"
#include "toolkit/graphics/ImgList.h"
#include "toolkit/graphics/Jpeg.h"
#include "toolkit/graphics/Picture.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {
// A smooth gradient with a flat block: what photos and screenshots of the windows look like.
QImage sampleImage(int w = 64, int h = 48) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb(x * 255 / (w - 1), y * 255 / (h - 1), 128));
    for (int y = 8; y < std::min(24, h); ++y)
        for (int x = 8; x < std::min(24, w); ++x)
            img.setPixel(x, y, qRgb(40, 160, 90));
    return img;
}

double meanAbsError(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum +=
                std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

QByteArray sampleJpeg(bool progressive = false) {
    return JpegEncode(sampleImage(), 90, progressive);
}

const QByteArray kJpegEnd("\xFF\xD9", 2);

// A progressive stream cut after its first scan and closed with an end marker.
QByteArray firstScanOnly(const QByteArray& progressive) {
    const QByteArray sos("\xFF\xDA", 2);
    const qsizetype first = progressive.indexOf(sos);
    const qsizetype second = progressive.indexOf(sos, first + 2);
    return second > first && first > 0 ? progressive.left(second) + kJpegEnd : QByteArray();
}
} // namespace

TEST(Jpeg, RoundTripThroughFileKeepsSizeAndPixels) {
    const QString file = qvtest::TempDir() + "/photo.jpg";
    TJPEGImage jpg;
    jpg.fromQImage(sampleImage());
    jpg.SetCompressionQuality(90);
    jpg.SaveToFile(file);

    TPicture pic;
    pic.LoadFromFile(file);
    ASSERT_NE(dynamic_cast<TJPEGImage*>(pic.Graphic()), nullptr);
    EXPECT_EQ(pic.Width(), 64);
    EXPECT_EQ(pic.Height(), 48);
    EXPECT_LT(meanAbsError(sampleImage(), pic.Graphic()->toQImage()), 8.0);
    // The flat block is flat after decoding, within JPEG's tolerance.
    const QRgb mid = pic.Graphic()->toQImage().pixel(15, 15);
    EXPECT_NEAR(qGreen(mid), 160, 6);
}

TEST(Jpeg, ProgressiveAndLowQualityStillDecode) {
    const QByteArray progressive = sampleJpeg(true);
    EXPECT_TRUE(progressive.contains(QByteArray("\xFF\xC2", 2))); // progressive frame marker
    EXPECT_LT(meanAbsError(sampleImage(), JpegDecode(progressive)), 8.0);
    const QByteArray rough = JpegEncode(sampleImage(), 10, false);
    EXPECT_LT(rough.size(), progressive.size());
    EXPECT_EQ(JpegDecode(rough).size(), QSize(64, 48));
}

TEST(Jpeg, UnchangedPictureSavesTheBytesItWasReadFrom) {
    const QByteArray data = sampleJpeg();
    TJPEGImage jpg;
    jpg.LoadFromBytes(data);
    EXPECT_EQ(jpg.SaveToBytes(), data);
    jpg.SetCompressionQuality(20);
    EXPECT_NE(jpg.SaveToBytes(), data);
}

TEST(Jpeg, BrokenStreamsThrowAndLeaveThePictureAlone) {
    const QByteArray good = sampleJpeg();
    QByteArray zeroWidth = good;
    const int sof = zeroWidth.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(sof, 0);
    const int sos = good.indexOf(QByteArray("\xFF\xDA", 2));
    ASSERT_GT(sos, sof);
    zeroWidth[sof + 7] = 0; // image width, big-endian
    zeroWidth[sof + 8] = 0;
    const struct {
        const char* name;
        QByteArray data;
    } cases[] = {
        {"truncated in the pixel data", good.left((sos + good.size()) / 2)},
        {"last rows missing", good.left(good.size() - 12)},
        {"truncated in the header", good.left(100)},
        {"start marker only", good.left(3)},
        {"zero width", zeroWidth},
        {"garbage after the marker", QByteArray("\xFF\xD8\xFF\x00garbage garbage garbage", 27)},
        {"cut in the pixel data, end marker added", good.left((sos + good.size()) / 2) + kJpegEnd},
        {"progressive, later scans missing", firstScanOnly(sampleJpeg(true))},
    };
    for (const auto& k : cases) {
        EXPECT_THROW(JpegDecode(k.data), EJPEG) << k.name;
        TPicture pic;
        pic.LoadFromBytes(good, "jpg");
        EXPECT_THROW(pic.LoadFromBytes(k.data, "jpg"), EInvalidGraphic) << k.name;
        EXPECT_EQ(pic.Width(), 64) << k.name;
    }
}

// A few hundred bytes that claim tens of thousands of pixels a side must not be decoded into gigabytes.
TEST(Jpeg, DeclaredSizeBeyondAnyPictureIsRefusedFromTheHeader) {
    const QByteArray small = firstScanOnly(JpegEncode(sampleImage(8, 8), 10, true));
    const qsizetype sof = small.indexOf(QByteArray("\xFF\xC2", 2));
    ASSERT_GT(sof, 0);
    ASSERT_LT(small.size(), 400);
    const struct { int width, height; } sizes[] = {{65280, 65024}, {12552, 24828}};
    for (const auto& k : sizes) {
        QByteArray huge = small;
        huge[sof + 5] = char(k.height >> 8);
        huge[sof + 6] = char(k.height & 0xFF);
        huge[sof + 7] = char(k.width >> 8);
        huge[sof + 8] = char(k.width & 0xFF);
        try {
            JpegDecode(huge);
            ADD_FAILURE() << k.width << " x " << k.height << " decoded";
        } catch (const EJPEG& e) {
            EXPECT_TRUE(e.Message().contains(QString::number(k.width))) << e.Message().toStdString();
        }
        TPicture pic;
        EXPECT_THROW(pic.LoadFromBytes(huge, "png"), EInvalidGraphic);
        EXPECT_TRUE(pic.Graphic() == nullptr || pic.Graphic()->Empty());
    }
}

TEST(Jpeg, MissingEndMarkerAfterCompletePixelsIsTolerated) {
    const QByteArray good = sampleJpeg();
    ASSERT_TRUE(good.endsWith(QByteArray("\xFF\xD9", 2)));
    EXPECT_LT(meanAbsError(sampleImage(), JpegDecode(good.chopped(2))), 8.0);
}

TEST(Picture, BmpAndPngRoundTripByContentAndExtension) {
    const QString dir = qvtest::TempDir();
    TBitmap bmp;
    bmp.fromQImage(sampleImage());
    bmp.SaveToFile(dir + "/a.bmp");
    TPicture pic;
    pic.LoadFromFile(dir + "/a.bmp");
    ASSERT_NE(dynamic_cast<TBitmap*>(pic.Graphic()), nullptr);
    EXPECT_EQ(pic.Graphic()->toQImage().convertToFormat(QImage::Format_RGB32), sampleImage());

    QImage alpha = sampleImage(8, 8).convertToFormat(QImage::Format_ARGB32);
    alpha.setPixel(3, 3, qRgba(10, 20, 30, 0));
    TPngImage png;
    png.fromQImage(alpha);
    // The content decides, whatever the name says.
    png.SaveToFile(dir + "/b.bmp");
    pic.LoadFromFile(dir + "/b.bmp");
    ASSERT_NE(dynamic_cast<TPngImage*>(pic.Graphic()), nullptr);
    EXPECT_TRUE(pic.Graphic()->Transparent());
    EXPECT_EQ(qAlpha(pic.Graphic()->toQImage().pixel(3, 3)), 0);
    EXPECT_EQ(pic.Graphic()->toQImage().pixel(5, 5), alpha.pixel(5, 5));

    // Bitmap() turns any other kind into an empty bitmap.
    EXPECT_TRUE(pic.Bitmap()->Empty());
}

TEST(Picture, UnreadableFilesThrow) {
    const QString dir = qvtest::TempDir();
    TPicture pic;
    EXPECT_THROW(pic.LoadFromFile(dir + "/missing.png"), EInOutError);
    QFile f(dir + "/notes.txt");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("plain text");
    f.close();
    EXPECT_THROW(pic.LoadFromFile(dir + "/notes.txt"), EInvalidGraphic);
    EXPECT_THROW(TBitmap().LoadFromBytes("BMnot really a bitmap"), EInvalidGraphic);
    EXPECT_THROW(TPngImage().LoadFromBytes("plain text"), EInvalidGraphic);
    EXPECT_EQ(pic.Graphic(), nullptr);
}

// A picture by path (a flag, a glyph) is read only within its limit and only from a regular file: a pipe
// would wait for a writer, a device never end.
TEST(Picture, FilesBeyondTheLimitOrNoRegularFileAreNotRead) {
    const QString dir = qvtest::TempDir();
    QFile huge(dir + "/flag.bmp");
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(kMaxPictureFileBytes + 1)); // sparse: no disk is used
    huge.close();
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir + "/pipe.bmp").constData(), 0644), 0);
    const struct {
        QString path;
        const char* says;
    } cases[] = {{dir + "/flag.bmp", "too large"},
                 {dir + "/pipe.bmp", "not a regular file"},
                 {"/dev/zero", "not a regular file"}};
    for (const auto& c : cases) {
        for (const bool whole : {true, false}) {
            try {
                if (whole)
                    TPicture().LoadFromFile(c.path);
                else
                    TBitmap().LoadFromFile(c.path);
                ADD_FAILURE() << c.path.toStdString() << " was read";
            } catch (const EInOutError& e) {
                EXPECT_TRUE(e.Message().contains(c.says)) << e.Message().toStdString();
                EXPECT_TRUE(e.Message().contains(c.path)) << e.Message().toStdString();
            }
        }
    }
}

TEST(Bitmap, SizeScanLinesAndCanvasShareThePixels) {
    TBitmap bmp;
    bmp.SetSize(10, 6);
    bmp.Canvas()->Brush()->SetColor(clRed);
    bmp.Canvas()->FillRect(Rect(0, 0, 2, 2));
    EXPECT_EQ(bmp.ScanLine(1)[1], 0xFFFF0000u); // 0xAARRGGBB
    EXPECT_EQ(bmp.ScanLine(1)[2], 0xFFFFFFFFu);
    bmp.ScanLine(4)[7] = 0xFF0000FF;
    EXPECT_EQ(bmp.Canvas()->Pixels(7, 4), clBlue);
    EXPECT_THROW(bmp.ScanLine(6), EInvalidGraphic);

    bmp.SetSize(12, 8);
    EXPECT_EQ(bmp.Canvas()->Pixels(1, 1), clRed);
    EXPECT_EQ(bmp.Canvas()->Pixels(11, 7), clWhite);
    EXPECT_EQ(bmp.TransparentColor(), clWhite);
    bmp.Canvas()->SetPixels(0, 7, clGreen);
    EXPECT_EQ(bmp.TransparentColor(), clGreen);
    bmp.SetSize(0, 0);
    EXPECT_TRUE(bmp.Empty());
    EXPECT_EQ(bmp.Canvas()->Pixels(0, 0), clNone);
}

TEST(ImageList, MasksStripsAndGreyedDrawing) {
    TBitmap strip;
    strip.SetSize(32, 16);
    strip.Canvas()->Brush()->SetColor(clFuchsia);
    strip.Canvas()->FillRect(Rect(0, 0, 32, 16));
    strip.Canvas()->Brush()->SetColor(clRed);
    strip.Canvas()->FillRect(Rect(20, 4, 28, 12)); // in the second glyph

    TImageList list;
    EXPECT_EQ(list.AddMasked(&strip, clDefault), 0);
    EXPECT_EQ(list.Count(), 2);

    TBitmap target;
    target.SetSize(40, 20);
    list.Draw(target.Canvas(), 2, 2, 1);
    EXPECT_EQ(target.Canvas()->Pixels(2 + 5, 2 + 5), clRed);
    EXPECT_EQ(target.Canvas()->Pixels(2, 2), clWhite);

    // Greyed: the shape in shadow colours, none of its own colour.
    list.Draw(target.Canvas(), 20, 2, 1, false);
    EXPECT_EQ(target.Canvas()->Pixels(20 + 5, 2 + 5), ColorToRGB(clBtnShadow));
    EXPECT_EQ(target.Canvas()->Pixels(20 + 12, 2 + 12), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(target.Canvas()->Pixels(20 + 1, 2 + 1), clWhite);

    // An explicit mask: white is transparent.
    TBitmap glyph, mask;
    glyph.SetSize(16, 16);
    glyph.Canvas()->Brush()->SetColor(clBlue);
    glyph.Canvas()->FillRect(Rect(0, 0, 16, 16));
    mask.SetSize(16, 16);
    mask.Canvas()->Brush()->SetColor(clBlack);
    mask.Canvas()->FillRect(Rect(0, 0, 8, 16));
    EXPECT_EQ(list.Add(&glyph, &mask), 2);
    TBitmap out;
    list.GetBitmap(2, &out);
    EXPECT_EQ(out.Width(), 16);
    EXPECT_EQ(out.Canvas()->Pixels(3, 3), clBlue);
    EXPECT_EQ(out.Canvas()->Pixels(12, 3), clWhite);

    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

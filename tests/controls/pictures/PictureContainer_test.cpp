// Pictures for markup: GIF frames and timing, loading by URL (files, resources, others), cache and container.
#include "controls/markup/QsgHTMLE.h"
#include "controls/pictures/PictureContainer.h"
#include "toolkit/graphics/Picture.h"

#include <QDir>
#include <QFile>
#include <QResource>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A GIF of `w` x `h` pixels, one frame per entry of `frames` (colour index 0 or 1, delay in hundredths).
// Every pixel code follows a clear code, so the code width stays 3 bits.
QByteArray makeGif(int w, int h, const std::vector<std::pair<int, int>>& frames) {
    QByteArray g("GIF89a");
    auto word = [&](int v) {
        g.append(char(v & 0xFF));
        g.append(char((v >> 8) & 0xFF));
    };
    word(w);
    word(h);
    g.append(char(0x80)); // global colour table of 2 entries
    g.append(char(0));
    g.append(char(0));
    g.append("\xFF\x00\x00\x00\x00\xFF", 6); // red, blue
    for (const auto& [color, delay] : frames) {
        g.append("\x21\xF9\x04\x00", 4);
        word(delay);
        g.append("\x00\x00", 2);
        g.append(char(0x2C));
        word(0);
        word(0);
        word(w);
        word(h);
        g.append(char(0));
        g.append(char(2)); // minimum code size
        QByteArray bits;
        uint32_t acc = 0;
        int n = 0;
        auto code = [&](int c) {
            acc |= uint32_t(c) << n;
            n += 3;
            while (n >= 8) {
                bits.append(char(acc & 0xFF));
                acc >>= 8;
                n -= 8;
            }
        };
        for (int i = 0; i < w * h; ++i) {
            code(4);
            code(color);
        }
        code(5);
        if (n > 0) bits.append(char(acc & 0xFF));
        for (int at = 0; at < bits.size(); at += 255) {
            const QByteArray block = bits.mid(at, 255);
            g.append(char(block.size()));
            g.append(block);
        }
        g.append(char(0));
    }
    g.append(char(0x3B));
    return g;
}

// A compiled resource tree holding ":/markup-test/dot.bmp", a 2 x 2 red bitmap.
const unsigned char kMarkupTestResource[] = {
    0x71, 0x72, 0x65, 0x73, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0x92, 0x00, 0x00, 0x00, 0x18, 0x00,
    0x00, 0x00, 0x62, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46, 0x42, 0x4d, 0x46, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x36, 0x00, 0x00, 0x00, 0x28, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x02,
    0x00, 0x00, 0x00, 0x01, 0x00, 0x18, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x00, 0x00, 0x13, 0x0b,
    0x00, 0x00, 0x13, 0x0b, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xff,
    0x00, 0x00, 0xff, 0x00, 0x00, 0x00, 0x00, 0xff, 0x00, 0x00, 0xff, 0x00, 0x00, 0x00, 0x0b, 0x0c, 0xd3,
    0xbe, 0xe4, 0x00, 0x6d, 0x00, 0x61, 0x00, 0x72, 0x00, 0x6b, 0x00, 0x75, 0x00, 0x70, 0x00, 0x2d, 0x00,
    0x74, 0x00, 0x65, 0x00, 0x73, 0x00, 0x74, 0x00, 0x07, 0x0b, 0x67, 0x49, 0x80, 0x00, 0x64, 0x00, 0x6f,
    0x00, 0x74, 0x00, 0x2e, 0x00, 0x62, 0x00, 0x6d, 0x00, 0x70, 0x00, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00,
    0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x1c, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x01, 0xa2, 0x61, 0x19, 0x27, 0x01,
};

QByteArray makeBmp(int w, int h) {
    TBitmap b;
    b.SetSize(w, h);
    return b.SaveToBytes();
}

QString writeFile(const QTemporaryDir& dir, const char* name, const QByteArray& data) {
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(data);
    return path;
}

TEST(HTMLPicture, GifFramesAndTiming) {
    THTMLPicture pic;
    pic.LoadFromBytes(makeGif(4, 3, {{0, 10}, {1, 20}}));
    ASSERT_FALSE(pic.Empty());
    EXPECT_TRUE(pic.IsGIFFile());
    EXPECT_EQ(pic.FrameCount(), 2);
    EXPECT_EQ(pic.GetFrameTime(1), 10);
    EXPECT_EQ(pic.GetFrameTime(2), 20);
    EXPECT_EQ(pic.GetFrameTime(3), -1);
    EXPECT_EQ(pic.Width(), 4);
    EXPECT_EQ(pic.GetMaxHeight(), 3);
    EXPECT_EQ(QColor(pic.toQImage().pixel(1, 1)), QColor(Qt::red));
    int changes = 0;
    pic.OnFrameChange = [&](TObject*) { ++changes; };
    // Ticks of 100 ms: which frame shows after each.
    std::vector<int> shown;
    for (int i = 0; i < 8; ++i) {
        pic.Step();
        shown.push_back(pic.Frame());
    }
    EXPECT_EQ(shown, (std::vector<int>{1, 1, 2, 2, 1, 2, 2, 1}));
    EXPECT_EQ(changes, 4);
    EXPECT_EQ(QColor(pic.toQImage().pixel(1, 1)), QColor(Qt::red));
    pic.FrameNext();
    EXPECT_EQ(QColor(pic.toQImage().pixel(1, 1)), QColor(Qt::blue));
    pic.FrameNext();
    EXPECT_EQ(pic.Frame(), 1);
    pic.FramePrev();
    EXPECT_EQ(pic.Frame(), 2);
    pic.SetFrame(99);
    EXPECT_EQ(pic.Frame(), 2);
}

TEST(HTMLPicture, StillPicturesDoNotStep) {
    THTMLPicture one, bmp;
    one.LoadFromBytes(makeGif(2, 2, {{1, 50}}));
    bmp.LoadFromBytes(makeBmp(5, 7));
    EXPECT_EQ(one.FrameCount(), 1);
    EXPECT_FALSE(one.Step());
    EXPECT_FALSE(one.Step());
    EXPECT_EQ(bmp.FrameCount(), -1);
    EXPECT_EQ(bmp.GetFrameTime(1), -1);
    EXPECT_FALSE(bmp.Step());
    EXPECT_EQ(bmp.Width(), 5);
    EXPECT_EQ(bmp.Height(), 7);
}

TEST(HTMLPicture, BadBytesGiveAnEmptyPicture) {
    const QByteArray gif = makeGif(4, 4, {{0, 10}, {1, 10}});
    // Small frames on a logical screen of 4100 x 4100: the reader would draw each on 67 MB.
    QByteArray hugeScreen = gif;
    hugeScreen[6] = hugeScreen[8] = char(4100 & 0xFF);
    hugeScreen[7] = hugeScreen[9] = char(4100 >> 8);
    const QByteArray cases[] = {
        hugeScreen,
        QByteArray("GIF89a"),
        QByteArray("GIF89a\xFF\xFF\xFF\xFF\x80\x00\x00", 13),
        gif.left(20),
        QByteArray("not a picture at all"),
        QByteArray("BM\x00\x00", 4),
        // A frame marker inside pixel data is not a frame.
        QByteArray("GIF8\x21\xF9\x04\x00\x00\x00\x00\x00\x2C\x00\x00\x00\x00", 17),
    };
    for (const QByteArray& bytes : cases) {
        THTMLPicture pic;
        EXPECT_THROW(pic.LoadFromBytes(bytes), Exception);
        EXPECT_TRUE(pic.Empty());
        EXPECT_FALSE(pic.Step());
        EXPECT_EQ(pic.Width(), 0);
        EXPECT_EQ(pic.SaveToBytes(), bytes); // the stream path keeps what it was given
    }
}

// The streamed-component path keeps the bytes as they came, frames and all, and tells no one.
TEST(HTMLPicture, ReadDataAndWriteDataKeepTheBytes) {
    const QByteArray gif = makeGif(3, 2, {{0, 10}, {1, 20}});
    TMemoryStream in;
    in.WriteBuffer(QByteArray("head") + gif);
    in.SetPosition(4);
    THTMLPicture pic;
    int changes = 0;
    pic.OnChange = [&](TObject*) { ++changes; };
    pic.ReadData(&in);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(pic.FrameCount(), 2);
    EXPECT_EQ(pic.Width(), 3);
    TMemoryStream out;
    pic.WriteData(&out);
    EXPECT_EQ(out.Bytes(), gif);

    TMemoryStream bad;
    bad.WriteBuffer(QByteArray("not a picture"));
    bad.SetPosition(0);
    EXPECT_THROW(pic.ReadData(&bad), Exception);
    EXPECT_TRUE(pic.Empty());
}

TEST(HTMLPicture, LoadFromURL) {
    QTemporaryDir dir;
    const QString png = writeFile(dir, "p.bmp", makeBmp(6, 4));
    const QString junk = writeFile(dir, "junk.gif", "GIF89a broken");
    const QString fifo = dir.filePath("pipe");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString big = dir.filePath("big.bmp");
    {
        QFile f(big);
        f.open(QIODevice::WriteOnly);
        f.write(makeBmp(2, 2));
        f.resize(40 * 1024 * 1024); // sparse, over the size limit
    }
    struct Case {
        QString url;
        bool loads;
    } cases[] = {
        {"file://" + png, true},           {"FILE://" + png, true},
        {"file://" + junk, false},         {"file://" + fifo, false},
        {"file:///dev/zero", false},       {"file://" + dir.path(), false},
        {"file://" + big, false},          {"file://", false},
        {"res://no-such-picture", false},  {"RES://", false},
        {"http://127.0.0.1/p.bmp", false}, {"ftp://127.0.0.1/p.bmp", false},
    };
    for (const Case& c : cases) {
        THTMLPicture pic;
        pic.LoadFromURL(c.url);
        EXPECT_EQ(!pic.Empty(), c.loads) << c.url.toStdString();
        EXPECT_EQ(pic.ID(), c.url);
        EXPECT_FALSE(pic.Step());
    }
    THTMLPicture web;
    web.LoadFromURL("http://127.0.0.1/p.bmp");
    EXPECT_EQ(web.URL(), "http://127.0.0.1/p.bmp");
}

TEST(HTMLPicture, LoadsCompiledInResources) {
    ASSERT_TRUE(QResource::registerResource(kMarkupTestResource));
    struct Case {
        const char* url;
        bool loads;
    } cases[] = {{"res://markup-test/dot.bmp", true},
                 {"RES://markup-test/dot.bmp", true},
                 {"Res:///markup-test/dot.bmp", true},
                 {"res://markup-test/none.bmp", false},
                 {"res://Markup-Test/dot.bmp", false}};
    for (const Case& c : cases) {
        THTMLPicture pic;
        pic.LoadFromURL(c.url);
        EXPECT_EQ(!pic.Empty(), c.loads) << c.url;
        EXPECT_EQ(pic.ID(), c.url);
        if (c.loads) {
            EXPECT_EQ(QColor(pic.toQImage().pixel(1, 1)), QColor(Qt::red));
        }
    }
    QResource::unregisterResource(kMarkupTestResource);
}

TEST(HTMLPicture, Assign) {
    THTMLPicture source, copy;
    source.LoadFromBytes(makeGif(3, 3, {{0, 10}, {1, 10}}));
    int changes = 0;
    copy.OnChange = [&](TObject*) { ++changes; };
    copy.Assign(&source);
    EXPECT_EQ(copy.SaveToBytes(), source.SaveToBytes());
    EXPECT_EQ(copy.FrameCount(), 2);
    EXPECT_FALSE(copy.Empty());
    EXPECT_EQ(changes, 1);
    TBitmap plain;
    plain.SetSize(8, 8);
    copy.Assign(&plain);
    EXPECT_TRUE(copy.Empty());
    copy.Assign(nullptr);
    EXPECT_TRUE(copy.SaveToBytes().isEmpty());
}

TEST(HTMLPictureCache, FindsTheURLAsLoaded) {
    QTemporaryDir dir;
    const QString path = writeFile(dir, "a.bmp", makeBmp(3, 3));
    THTMLPictureCache cache;
    THTMLPicture* a = cache.AddPicture();
    a->LoadFromURL("file://" + path);
    THTMLPicture* b = cache.AddPicture();
    b->LoadFromURL("FILE://" + path);
    EXPECT_EQ(cache.FindPicture("file://" + path), a);
    EXPECT_EQ(cache.FindPicture("FILE://" + path), b);
    EXPECT_EQ(cache.FindPicture("File://" + path), nullptr);
    b->LoadFromBytes(makeGif(2, 2, {{0, 10}, {1, 10}}));
    // The first frame shows for its 100 ms: the third tick changes it.
    EXPECT_FALSE(cache.Animate());
    EXPECT_FALSE(cache.Animate());
    EXPECT_TRUE(cache.Animate());
    cache.ClearPictures();
    EXPECT_EQ(cache.Count(), 0);
    EXPECT_EQ(cache.FindPicture("file://" + path), nullptr);
}

TEST(PictureContainer, FindsByNameInAnyCase) {
    TPictureContainer container(nullptr);
    TPictureItem* first = container.Items()->Add();
    first->SetName("Logo");
    TPictureItem* second = container.Items()->Add();
    second->SetName("LOGO");
    container.Items()->Add()->SetName("other");
    EXPECT_EQ(container.FindPicture("logo"), first->Picture());
    EXPECT_EQ(container.FindPicture("LOGO"), first->Picture());
    EXPECT_EQ(container.FindPicture("Other"), container.Items()->Items(2)->Picture());
    EXPECT_EQ(container.FindPicture("none"), nullptr);

    first->Picture()->LoadFromBytes(makeBmp(4, 4));
    first->SetTag(7);
    TPictureContainer copy(nullptr);
    copy.SetItems(container.Items());
    ASSERT_EQ(copy.Items()->Count(), 3);
    EXPECT_EQ(copy.Items()->Items(0)->Tag(), 7);
    EXPECT_EQ(copy.FindPicture("LOGO")->Width(), 4);
    EXPECT_NE(copy.FindPicture("LOGO"), first->Picture());
}

// Pictures in markup: named in the container and by URL through the cache; drawn where they stand.
TEST(PictureContainer, MarkupDrawsPictures) {
    QTemporaryDir dir;
    TBitmap red;
    red.SetSize(10, 8);
    red.Canvas()->Brush()->SetColor(clRed);
    red.Canvas()->FillRect(TRect(0, 0, 10, 8));
    const QString path = writeFile(dir, "red.bmp", red.SaveToBytes());
    TPictureContainer container(nullptr);
    TPictureItem* item = container.Items()->Add();
    item->SetName("dot");
    item->Picture()->LoadFromBytes(red.SaveToBytes());
    THTMLPictureCache cache;

    TBitmap bmp;
    bmp.SetSize(200, 40);
    bmp.Canvas()->Font()->SetName("DejaVu Sans");
    TMarkupInput in;
    in.Canvas = bmp.Canvas();
    in.Rect = TRect(0, 0, 200, 40);
    in.PicContainer = &container;
    in.PicCache = &cache;
    in.Text = QStringLiteral("<img src=\"DOT\"><img src=\"file://%1\" width=\"20\">").arg(path);
    TMarkupOutput out;
    RenderMarkup(in, out);
    EXPECT_EQ(out.YSize, 16); // the second picture, 20 wide, keeps its proportions: 16 high
    EXPECT_EQ(cache.Count(), 1);
    EXPECT_NE(cache.FindPicture(QStringLiteral("file://%1").arg(path)), nullptr);
    const QImage img = bmp.toQImage();
    EXPECT_EQ(QColor(img.pixel(5, 4)), QColor(Qt::red));
    EXPECT_EQ(QColor(img.pixel(25, 12)), QColor(Qt::red));
    EXPECT_EQ(QColor(img.pixel(25, 20)), QColor(Qt::white));
    EXPECT_EQ(QColor(img.pixel(40, 4)), QColor(Qt::white));
    // A second call finds the picture in the cache instead of loading it again.
    RenderMarkup(in, out);
    EXPECT_EQ(cache.Count(), 1);
    // A body background is tiled over the whole rectangle, and only there.
    in.Text = "<body background=\"dot\">";
    in.Rect = TRect(0, 0, 150, 30);
    RenderMarkup(in, out);
    const QImage tiled = bmp.toQImage();
    EXPECT_EQ(QColor(tiled.pixel(145, 25)), QColor(Qt::red));
    EXPECT_EQ(QColor(tiled.pixel(155, 25)), QColor(Qt::white));
    EXPECT_EQ(QColor(tiled.pixel(145, 35)), QColor(Qt::white));
}

} // namespace

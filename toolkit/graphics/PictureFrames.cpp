// Reading picture bytes safely and splitting GIF animations into frames with Qt's GIF reader.
#include "toolkit/graphics/PictureFrames.h"
#include "toolkit/system/Streams.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <algorithm>

bool IsGifPicture(const QByteArray& data) {
    return data.size() >= 5 && data.startsWith("GIF8");
}

TPictureFrameSet ReadGifFrames(const QByteArray& data) {
    TPictureFrameSet set;
    if (!IsGifPicture(data)) return set;
    QByteArray copy = data; // the buffer needs a non-const array; the bytes are shared, not copied
    QBuffer buffer(&copy);
    if (!buffer.open(QIODevice::ReadOnly)) return set;
    QImageReader reader(&buffer, "gif");
    const QSize screen = reader.size();
    if (!screen.isValid() || screen.isEmpty()) return set;
    // Qt's reader draws every frame onto the logical screen the header declares, which may be far larger
    // than the first frame it reports: the budget counts whichever is larger.
    const uchar* head = reinterpret_cast<const uchar*>(data.constData());
    const qint64 logicalWidth = data.size() >= 10 ? (head[6] | head[7] << 8) : 0;
    const qint64 logicalHeight = data.size() >= 10 ? (head[8] | head[9] << 8) : 0;
    const qint64 framePixels = std::max(qint64(screen.width()) * screen.height(), logicalWidth * logicalHeight);
    if (framePixels > kMaxAnimationPixels) return set;
    qint64 pixels = 0;
    while (static_cast<int>(set.Frames.size()) < kMaxAnimationFrames &&
           pixels + framePixels <= kMaxAnimationPixels) {
        QImage frame;
        if (!reader.read(&frame) || frame.isNull()) break;
        // The reader's delay belongs to the frame just read; GIF keeps hundredths of a second.
        const int delayMs = std::max(0, reader.nextImageDelay());
        set.Frames.push_back(frame.convertToFormat(QImage::Format_ARGB32_Premultiplied));
        set.Delays.push_back(delayMs / 10);
        pixels += qint64(frame.width()) * frame.height();
        if (!reader.canRead()) break;
    }
    if (!set.Frames.empty()) {
        set.Width = screen.width();
        set.Height = screen.height();
    }
    return set;
}

bool ReadResourceBytes(const String& name, QByteArray& data, qint64 limit) {
    data.clear();
    String path = name;
    if (path.startsWith(":/"))
        path = path.mid(2);
    else if (path.startsWith('/'))
        path = path.mid(1);
    if (path.isEmpty()) return false;
    QFile f(":/" + path);
    if (!f.open(QIODevice::ReadOnly) || f.size() > limit) return false;
    data = f.readAll();
    return true;
}

bool ReadRegularFileBytes(const String& path, QByteArray& data, qint64 limit) {
    return !path.startsWith(u':') && ReadWholeFile(path, data, nullptr, limit);
}

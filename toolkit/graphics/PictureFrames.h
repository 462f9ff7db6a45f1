// Picture bytes from the program's resources and regular files, and the frames of animated GIF pictures.
#pragma once

#include "toolkit/graphics/Picture.h"

#include <vector>

// The frames of an animation as the platform's GIF reader composes them: each frame is the whole
// animation area as it shows at that moment (earlier frames and disposal already applied).
struct TPictureFrameSet {
    std::vector<QImage> Frames;
    std::vector<int> Delays; // hundredths of a second, one per frame
    int Width = 0;           // the animation area (the GIF's logical screen)
    int Height = 0;
};

// The pixels all frames of one animation may hold.
constexpr qint64 kMaxAnimationPixels = 16 * 1024 * 1024;
constexpr int kMaxAnimationFrames = 1000;

// At least 5 bytes starting with "GIF8".
bool IsGifPicture(const QByteArray& data);
// No frames when the data is not a GIF the reader understands. Frames past the frame or pixel budget
// are left out, so a hostile file shows a shorter animation instead of exhausting memory.
TPictureFrameSet ReadGifFrames(const QByteArray& data);
// A picture compiled into the program, by the name below ":/" (a leading ":/" or "/" is accepted).
// False when there is no such resource or it is larger than `limit`.
bool ReadResourceBytes(const String& name, QByteArray& data, qint64 limit = kMaxPictureFileBytes);
// The bytes of a regular file no larger than `limit`. False for folders, devices, pipes and sockets
// (which could block or never end), for larger files and for files that do not read.
bool ReadRegularFileBytes(const String& path, QByteArray& data, qint64 limit = kMaxPictureFileBytes);

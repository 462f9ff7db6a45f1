// Basic types shared by the whole toolkit: text, integers, geometry, shift state, the exception root.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>

using String = QString;
using Integer = int32_t;
using Cardinal = uint32_t;
using Word = uint16_t;
using Byte = uint8_t;
using LongWord = uint32_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using UINT = uint32_t;
using DWORD = uint32_t;
// 0x00BBGGRR: red in the low byte. 0xFF0000nn is system colour nn; 0x1FFFFFFF is "no colour" (the
// colour constants are in Graphics.h).
using TColor = int32_t;

struct TPoint {
    int X = 0;
    int Y = 0;
    constexpr TPoint() = default;
    constexpr TPoint(int x, int y) : X(x), Y(y) {}
    bool operator==(const TPoint&) const = default;
    QPoint toQPoint() const { return QPoint(X, Y); }
    static TPoint fromQPoint(const QPoint& p) { return TPoint(p.x(), p.y()); }
};

// Windows-style rectangle: Right and Bottom are exclusive.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    constexpr TRect() = default;
    constexpr TRect(int l, int t, int r, int b) : Left(l), Top(t), Right(r), Bottom(b) {}
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    bool Contains(const TPoint& p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
    bool operator==(const TRect&) const = default;
    QRect toQRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
    static TRect fromQRect(const QRect& r) { return TRect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height()); }
};

inline TRect Rect(int l, int t, int r, int b) { return TRect(l, t, r, b); }
inline TRect Bounds(int l, int t, int w, int h) { return TRect(l, t, l + w, t + h); }
inline TPoint Point(int x, int y) { return TPoint(x, y); }

struct TSize {
    int cx = 0;
    int cy = 0;
    bool operator==(const TSize&) const = default;
};

// Shift state of keyboard and mouse, as a set.
enum TShiftFlag : unsigned {
    ssShift = 1u << 0,
    ssAlt = 1u << 1,
    ssCtrl = 1u << 2,
    ssLeft = 1u << 3,
    ssRight = 1u << 4,
    ssMiddle = 1u << 5,
    ssDouble = 1u << 6,
};
using TShiftState = unsigned;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// The root of every error the toolkit and the layers above it raise.
class Exception : public std::exception {
public:
    explicit Exception(const String& message) : FMessage(message), FUtf8(message.toUtf8()) {}
    const String& Message() const { return FMessage; }
    const char* what() const noexcept override { return FUtf8.constData(); }

private:
    String FMessage;
    QByteArray FUtf8;
};

class EConvertError : public Exception {
public:
    using Exception::Exception;
};
class EInOutError : public Exception {
public:
    using Exception::Exception;
};
class EListError : public Exception {
public:
    using Exception::Exception;
};

class TObject;
using TNotifyEvent = std::function<void(TObject* Sender)>;

// Modal results and message-box answers.
enum : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
    mrClose = 8,
    mrAll = 12,
};
using TModalResult = int;

// Inside the toolkit string grid: one cell's short text in 16 bytes, without an allocation of its own.
#pragma once

#include "toolkit/system/Types.h"

#include <cstdint>
#include <cstring>

// Most cells hold a few characters: up to 14 of them in 8 bits (Latin-1) or 7 in 16 bits are kept in the
// cell itself. A longer text is kept by the cell's row as a string of its own (shared with whoever set or
// reads it); the cell only says so.
class TCellText {
public:
    TCellText() noexcept { std::memset(FBytes, 0, sizeof FBytes); }

    bool IsEmpty() const { return Kind() == kEmpty; }
    // The text lives with the row, not in the cell.
    bool IsLong() const { return Kind() == kLong; }

    // The cell's own text (empty for a long one).
    String Get() const {
        if (Kind() == kLatin1) {
            // Widened by hand: the library's conversion is made for long texts.
            String s(Length(), Qt::Uninitialized);
            QChar* out = s.data();
            for (int i = 0; i < Length(); ++i)
                out[i] = QChar(FBytes[i]);
            return s;
        }
        if (Kind() == kUtf16) {
            String s(Length(), Qt::Uninitialized);
            std::memcpy(s.data(), FBytes, sizeof(char16_t) * size_t(Length()));
            return s;
        }
        return String();
    }

    // Keeps a short text (or clears the cell for an empty one); false when the text must live with the row.
    bool SetShort(const String& v) {
        const qsizetype n = v.size();
        const QChar* s = v.constData();
        if (n <= kLatin1Room && FitsLatin1(s, n)) {
            for (qsizetype i = 0; i < n; ++i)
                FBytes[i] = static_cast<uint8_t>(s[i].unicode());
            SetTag(n == 0 ? kEmpty : kLatin1, n);
            return true;
        }
        if (n <= kUtf16Room) {
            std::memcpy(FBytes, s, sizeof(char16_t) * size_t(n));
            SetTag(kUtf16, n);
            return true;
        }
        return false;
    }
    void SetLong() { SetTag(kLong, 0); }

private:
    enum : uint8_t { kEmpty, kLatin1, kUtf16, kLong };
    static constexpr int kLatin1Room = 14;
    static constexpr int kUtf16Room = 7;

    static bool FitsLatin1(const QChar* s, qsizetype n) {
        for (qsizetype i = 0; i < n; ++i)
            if (s[i].unicode() > 0xFF) return false;
        return true;
    }
    uint8_t Kind() const { return FBytes[15]; }
    int Length() const { return FBytes[14]; }
    void SetTag(uint8_t kind, qsizetype length) {
        FBytes[14] = static_cast<uint8_t>(length);
        FBytes[15] = kind;
    }

    alignas(8) uint8_t FBytes[16];
};
static_assert(sizeof(TCellText) == 16);

// Inside the toolkit string grid: one cell's short text in 16 bytes, without an allocation of its own.
#pragma once

#include "toolkit/system/Types.h"

#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

    // The most characters a short text holds.
    static constexpr int ShortRoom = 14;
    // Writes a short text's characters into Out (room for ShortRoom) and answers their number; 0 for an
    // empty or a long text.
    int Read(char16_t* Out) const {
        if (Kind() == kLatin1) {
            for (int i = 0; i < Length(); ++i)
                Out[i] = FBytes[i];
            return Length();
        }
        if (Kind() == kUtf16) {
            std::memcpy(Out, FBytes, sizeof(char16_t) * size_t(Length()));
            return Length();
        }
        return 0;
    }

    // Keeps a short text (or clears the cell for an empty one); false when the text must live with the row.
    bool SetShort(const String& v) {
        const qsizetype n = v.size();
        const QChar* s = v.constData();
        if (n <= kLatin1Room && PackLatin1(s, n)) {
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
    static constexpr int kLatin1Room = ShortRoom;
    static constexpr int kUtf16Room = 7;

    // Writes the n (at most 14) characters as bytes when every one of them fits in 8 bits.
    bool PackLatin1(const QChar* s, qsizetype n) {
#if defined(__SSE2__)
        // All 14 at once: a copy into a zeroed block (never reading past the text), one test, one pack.
        alignas(16) char16_t chars[16] = {};
        std::memcpy(chars, s, sizeof(char16_t) * size_t(n));
        const __m128i lo = _mm_load_si128(reinterpret_cast<const __m128i*>(chars));
        const __m128i hi = _mm_load_si128(reinterpret_cast<const __m128i*>(chars + 8));
        const __m128i high = _mm_and_si128(_mm_or_si128(lo, hi), _mm_set1_epi16(static_cast<short>(0xFF00)));
        if (_mm_movemask_epi8(_mm_cmpeq_epi16(high, _mm_setzero_si128())) != 0xFFFF) return false;
        alignas(16) uint8_t bytes[16];
        _mm_store_si128(reinterpret_cast<__m128i*>(bytes), _mm_packus_epi16(lo, hi));
        std::memcpy(FBytes, bytes, kLatin1Room);
        return true;
#else
        for (qsizetype i = 0; i < n; ++i)
            if (s[i].unicode() > 0xFF) return false;
        for (qsizetype i = 0; i < n; ++i)
            FBytes[i] = static_cast<uint8_t>(s[i].unicode());
        return true;
#endif
    }
    uint8_t Kind() const {
        return FBytes[15];
    }
    int Length() const {
        return FBytes[14];
    }
    void SetTag(uint8_t kind, qsizetype length) {
        FBytes[14] = static_cast<uint8_t>(length);
        FBytes[15] = kind;
    }

    alignas(8) uint8_t FBytes[16];
};
static_assert(sizeof(TCellText) == 16);

// A sequence in one array with a movable gap, for stores changed one entry at a time while walking through.
#pragma once

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

// Inserting or erasing moves the gap to the place first, which costs the distance from the last change: a
// run of changes walking through the sequence (rows hidden one by one, from either end) costs what one
// pass would, where a plain vector moves its whole tail each time. Reading an entry costs one comparison.
template <class T> class TGapVector {
public:
    size_t size() const { return FSize; }
    bool empty() const { return FSize == 0; }
    T& operator[](size_t i) { return FBuf[Slot(i)]; }
    const T& operator[](size_t i) const { return FBuf[Slot(i)]; }
    T& back() { return (*this)[FSize - 1]; }
    const T& back() const { return (*this)[FSize - 1]; }

    void clear() {
        FBuf.clear();
        FGapStart = FGapLen = FSize = 0;
    }
    // Takes the entries of `v` over, in their order.
    void assign(std::vector<T> v) {
        FBuf = std::move(v);
        FSize = FBuf.size();
        FGapStart = FSize;
        FGapLen = 0;
    }
    // The entries as one vector, valid until the next change; closing the gap costs its distance from the
    // end.
    std::vector<T>& Contiguous() {
        MoveGap(FSize);
        FBuf.resize(FSize);
        FGapLen = 0;
        return FBuf;
    }

    void resize(size_t n) {
        if (n < FSize)
            erase(n, FSize - n);
        else if (n > FSize)
            insert(FSize, n - FSize);
    }
    // Count default entries at pos.
    void insert(size_t pos, size_t count) {
        if (count == 0) return;
        MoveGap(pos);
        if (FGapLen < count) Grow(count);
        for (size_t i = 0; i < count; ++i)
            FBuf[FGapStart + i] = T();
        FGapStart += count;
        FGapLen -= count;
        FSize += count;
    }
    void insert(size_t pos, T value) {
        insert(pos, size_t(1));
        (*this)[pos] = std::move(value);
    }
    void push_back(T value) { insert(FSize, std::move(value)); }
    void erase(size_t pos, size_t count = 1) {
        if (count == 0) return;
        MoveGap(pos);
        // The erased entries join the gap, their contents let go.
        for (size_t i = 0; i < count; ++i)
            FBuf[FGapStart + FGapLen + i] = T();
        FGapLen += count;
        FSize -= count;
    }

private:
    size_t Slot(size_t i) const { return i < FGapStart ? i : i + FGapLen; }
    void MoveGap(size_t pos) {
        if (FGapLen == 0) {
            FGapStart = pos;
            return;
        }
        if (pos < FGapStart) {
            std::move_backward(FBuf.begin() + pos, FBuf.begin() + FGapStart,
                               FBuf.begin() + FGapStart + FGapLen);
        } else if (pos > FGapStart) {
            const size_t end = FGapStart + FGapLen;
            std::move(FBuf.begin() + end, FBuf.begin() + end + (pos - FGapStart), FBuf.begin() + FGapStart);
        }
        FGapStart = pos;
    }
    // A gap of at least `need` at FGapStart, with room for more after it.
    void Grow(size_t need) {
        const size_t gap = std::max(need, FSize / 8 + 16);
        std::vector<T> buf;
        buf.reserve(FSize + gap);
        for (size_t i = 0; i < FGapStart; ++i)
            buf.push_back(std::move(FBuf[i]));
        buf.resize(FGapStart + gap);
        for (size_t i = FGapStart + FGapLen; i < FBuf.size(); ++i)
            buf.push_back(std::move(FBuf[i]));
        FBuf.swap(buf);
        FGapLen = gap;
    }

    std::vector<T> FBuf;
    size_t FGapStart = 0;
    size_t FGapLen = 0;
    size_t FSize = 0;
};

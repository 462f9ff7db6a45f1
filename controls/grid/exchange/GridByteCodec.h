// Little-endian values in a byte array for the grid's binary cell stream: a writer, and a reader that checks
// every length against the bytes that are left before it takes anything.
#pragma once

#include "controls/grid/QvGrid_Types.h"

#include <QByteArray>
#include <QtEndian>
#include <cstdint>
#include <cstring>

class GridByteWriter {
public:
    explicit GridByteWriter(QByteArray& Out) : FOut(Out) {}

    void U8(unsigned Value) { FOut.append(char(Value & 0xFF)); }
    void Bool(bool Value) { U8(Value ? 1 : 0); }
    void U32(uint32_t Value) {
        char b[4];
        for (int i = 0; i < 4; ++i)
            b[i] = char((Value >> (8 * i)) & 0xFF);
        FOut.append(b, 4);
    }
    void I32(int32_t Value) { U32(static_cast<uint32_t>(Value)); }
    void U64(uint64_t Value) {
        U32(static_cast<uint32_t>(Value));
        U32(static_cast<uint32_t>(Value >> 32));
    }
    void F64(double Value) {
        uint64_t bits = 0;
        std::memcpy(&bits, &Value, sizeof bits);
        U64(bits);
    }
    // UTF-16 code units, counted.
    void Str(const QString& Value) {
        U32(static_cast<uint32_t>(Value.size()));
        const qsizetype at = FOut.size();
        FOut.resize(at + Value.size() * 2);
        qToLittleEndian<char16_t>(Value.utf16(), Value.size(), FOut.data() + at);
    }
    void Bytes(const QByteArray& Value) {
        U32(static_cast<uint32_t>(Value.size()));
        FOut.append(Value);
    }
    // A record: its kind, then its length, filled in by EndRecord once the body is written.
    qsizetype BeginRecord(unsigned Kind) {
        U8(Kind);
        const qsizetype at = FOut.size();
        U32(0);
        return at;
    }
    void EndRecord(qsizetype At) {
        const auto length = static_cast<uint32_t>(FOut.size() - At - 4);
        for (int i = 0; i < 4; ++i)
            FOut[At + i] = char((length >> (8 * i)) & 0xFF);
    }

private:
    QByteArray& FOut;
};

// Every read past the end raises EQvGridError with what was being read.
class GridByteReader {
public:
    GridByteReader(const char* Data, qsizetype Size) : FData(Data), FSize(Size) {}

    qsizetype Remaining() const { return FSize - FPos; }
    bool AtEnd() const { return FPos >= FSize; }

    unsigned U8() { return static_cast<unsigned char>(*Take(1, "a byte")); }
    bool Bool() {
        const unsigned v = U8();
        if (v > 1) throw EQvGridError(QStringLiteral("Cell data damaged: a flag is neither 0 nor 1"));
        return v == 1;
    }
    uint32_t U32() {
        const char* p = Take(4, "a number");
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v |= uint32_t(static_cast<unsigned char>(p[i])) << (8 * i);
        return v;
    }
    int32_t I32() { return static_cast<int32_t>(U32()); }
    uint64_t U64() {
        const uint64_t low = U32();
        return low | (uint64_t(U32()) << 32);
    }
    double F64() {
        const uint64_t bits = U64();
        double v = 0;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    QString Str() {
        const uint32_t units = U32();
        if (units > uint64_t(Remaining()) / 2)
            throw EQvGridError(QStringLiteral("Cell data damaged: a text runs past the end"));
        const char* p = Take(qsizetype(units) * 2, "a text");
        QString s(qsizetype(units), Qt::Uninitialized);
        qFromLittleEndian<char16_t>(p, units, s.data());
        return s;
    }
    QByteArray Bytes(qsizetype MaxSize) {
        const uint32_t size = U32();
        if (size > uint64_t(Remaining()))
            throw EQvGridError(QStringLiteral("Cell data damaged: a picture runs past the end"));
        if (qsizetype(size) > MaxSize)
            throw EQvGridError(QStringLiteral("Cell data damaged: a picture is too large"));
        return QByteArray(Take(size, "a picture"), size);
    }
    // The body of the next record, whose kind goes to Kind.
    GridByteReader Record(unsigned& Kind) {
        Kind = U8();
        const uint32_t length = U32();
        if (length > uint64_t(Remaining()))
            throw EQvGridError(QStringLiteral("Cell data damaged: a record runs past the end"));
        return GridByteReader(Take(length, "a record"), length);
    }

private:
    const char* Take(qsizetype Count, const char* What) {
        if (Count > Remaining())
            throw EQvGridError(
                QStringLiteral("Cell data damaged: %1 runs past the end").arg(QLatin1String(What)));
        const char* p = FData + FPos;
        FPos += Count;
        return p;
    }

    const char* FData;
    qsizetype FSize;
    qsizetype FPos = 0;
};

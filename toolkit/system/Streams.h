// Byte streams: the abstract stream, file and memory streams, and the whole-file atomic write.
#pragma once

#include "toolkit/system/Classes.h"
#include "toolkit/system/Types.h"

#include <QByteArray>
#include <cstdint>
#include <memory>

class QFile;

// Every stream error is an input/output error, so one handler catches them all.
class EStreamError : public EInOutError {
public:
    using EInOutError::EInOutError;
};
class EFCreateError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
class EFOpenError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
class EReadError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
class EWriteError : public EStreamError {
public:
    using EStreamError::EStreamError;
};

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
public:
    String ClassName() const override { return "TStream"; }
    // Read and Write move up to `count` bytes and answer how many moved.
    virtual int64_t Read(void* buffer, int64_t count) = 0;
    virtual int64_t Write(const void* buffer, int64_t count) = 0;
    // Answers the new position; positions are clamped at 0, but may lie past the end (writing there extends).
    virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;
    virtual int64_t Size() const = 0;
    virtual void SetSize(int64_t size) = 0;

    int64_t Position() { return Seek(0, soCurrent); }
    void SetPosition(int64_t pos) { Seek(pos, soBeginning); }
    // Raise EReadError / EWriteError when fewer than `count` bytes moved.
    void ReadBuffer(void* buffer, int64_t count);
    void WriteBuffer(const void* buffer, int64_t count);
    void WriteBuffer(const QByteArray& bytes) { WriteBuffer(bytes.constData(), bytes.size()); }
    // Copies `count` bytes from `source` (its whole content from the start when count is 0); answers the
    // count.
    int64_t CopyFrom(TStream& source, int64_t count);
    // The bytes from the current position to the end.
    QByteArray ReadAll();
};

// Open modes; share modes are accepted for the platform's sake and do nothing here.
enum : unsigned {
    fmOpenRead = 0x0000,
    fmOpenWrite = 0x0001,
    fmOpenReadWrite = 0x0002,
    fmShareCompat = 0x0000,
    fmShareExclusive = 0x0010,
    fmShareDenyWrite = 0x0020,
    fmShareDenyRead = 0x0030,
    fmShareDenyNone = 0x0040,
    fmCreate = 0xFF00,
};

// fmCreate makes the file or empties it; fmOpen* need it to exist. Failures raise EFCreateError /
// EFOpenError naming the file. Writes go straight to the file (use SaveFileAtomically for documents).
class TFileStream : public TStream {
public:
    TFileStream(const String& fileName, unsigned mode);
    ~TFileStream() override;
    String ClassName() const override { return "TFileStream"; }
    String FileName() const { return FFileName; }

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t Size() const override;
    void SetSize(int64_t size) override;

private:
    String FFileName;
    std::unique_ptr<QFile> FFile;
    bool FCanRead = false;
    bool FCanWrite = false;
};

class TMemoryStream : public TStream {
public:
    String ClassName() const override { return "TMemoryStream"; }
    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t Size() const override { return FData.size(); }
    void SetSize(int64_t size) override;

    char* Memory() { return FData.data(); }
    const QByteArray& Bytes() const { return FData; }
    void Clear();
    // Replaces the content with the file's and rewinds; raises EFOpenError when it cannot be read.
    void LoadFromFile(const String& fileName);
    // Writes the whole content atomically; raises EFCreateError when that fails (the old file stays).
    void SaveToFile(const String& fileName) const;
    void LoadFromStream(TStream& source);
    void SaveToStream(TStream& target) const;

private:
    QByteArray FData;
    int64_t FPosition = 0;
};

// Writes `bytes` beside `path`, forces them to the disk and renames the result over it, so the old file
// is replaced only by a complete new one; the folder is synced after the rename. A link is written
// through: the file it leads to is replaced and the link stays (callers ask first). A name that is not a
// regular file (a folder, device or pipe, or a link to one) is never written. False (old file untouched)
// on any failure; `error` receives the system's reason ("No space left on device" ...) when given.
bool SaveFileAtomically(const String& path, const QByteArray& bytes, String* error = nullptr);

// Why a whole-file read failed.
enum class TReadFault {
    None,
    Unreadable, // missing, no permission, a read error ...
    NotRegular, // a folder, device or pipe (or a link to one): never opened, so a pipe cannot block
    TooLarge,   // more than the reader's limit
};

// Whether `path` is a regular file (not a link) that SaveFileAtomically wrote in this run and that nothing
// has changed or replaced since.
bool IsFileAsWritten(const String& path);
// The whole file; false when it cannot be read, or when it holds more than `maxBytes` (when not negative):
// such a file is refused without being read into memory. `fault` (when given) says why it failed.
bool ReadWholeFile(const String& path, QByteArray& bytes, String* error = nullptr, qint64 maxBytes = -1,
                   TReadFault* fault = nullptr);
// What a reader says of a file that ReadWholeFile refused: too large (over `maxBytes`), not a regular file,
// or the system's `error`; each names the file.
String ReadFaultText(const String& path, TReadFault fault, const String& error, qint64 maxBytes);

// Byte streams over QFile and QByteArray, and the whole-file atomic write over QSaveFile.
#include "toolkit/system/Streams.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QSaveFile>
#include <algorithm>
#include <cstring>
#include <sys/stat.h>

void TStream::ReadBuffer(void* buffer, int64_t count) {
    if (count > 0 && Read(buffer, count) != count) throw EReadError(QStringLiteral("Stream read error"));
}

void TStream::WriteBuffer(const void* buffer, int64_t count) {
    if (count > 0 && Write(buffer, count) != count) throw EWriteError(QStringLiteral("Stream write error"));
}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    char chunk[64 * 1024];
    int64_t left = count;
    while (left > 0) {
        const int64_t n = std::min<int64_t>(left, sizeof chunk);
        source.ReadBuffer(chunk, n);
        WriteBuffer(chunk, n);
        left -= n;
    }
    return count;
}

QByteArray TStream::ReadAll() {
    const int64_t left = std::max<int64_t>(Size() - Position(), 0);
    QByteArray bytes(static_cast<qsizetype>(left), Qt::Uninitialized);
    bytes.truncate(static_cast<qsizetype>(Read(bytes.data(), left)));
    return bytes;
}

// ---- TFileStream ----

TFileStream::TFileStream(const String& fileName, unsigned mode) : FFileName(fileName) {
    FFile = std::make_unique<QFile>(fileName);
    if ((mode & 0xFF00) == fmCreate) {
        if (!FFile->open(QIODevice::ReadWrite | QIODevice::Truncate))
            throw EFCreateError(
                QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, FFile->errorString()));
        FCanRead = FCanWrite = true;
        return;
    }
    const unsigned access = mode & 0x3;
    FCanRead = access == fmOpenRead || access == fmOpenReadWrite;
    FCanWrite = access == fmOpenWrite || access == fmOpenReadWrite;
    // Opening for writing keeps the content, as the platform does (Qt would truncate a write-only file).
    const QIODevice::OpenMode qmode =
        (FCanWrite ? QIODevice::ReadWrite : QIODevice::ReadOnly) | QIODevice::ExistingOnly;
    if (!FFile->open(qmode))
        throw EFOpenError(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, FFile->errorString()));
}

TFileStream::~TFileStream() = default;

int64_t TFileStream::Read(void* buffer, int64_t count) {
    if (!FCanRead || count <= 0) return 0;
    return std::max<int64_t>(FFile->read(static_cast<char*>(buffer), count), 0);
}

int64_t TFileStream::Write(const void* buffer, int64_t count) {
    if (!FCanWrite || count <= 0) return 0;
    return std::max<int64_t>(FFile->write(static_cast<const char*>(buffer), count), 0);
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
    int64_t base = 0;
    if (origin == soCurrent)
        base = FFile->pos();
    else if (origin == soEnd)
        base = FFile->size();
    FFile->seek(std::max<int64_t>(base + offset, 0));
    return FFile->pos();
}

int64_t TFileStream::Size() const {
    return FFile->size();
}

void TFileStream::SetSize(int64_t size) {
    if (!FCanWrite || !FFile->resize(std::max<int64_t>(size, 0)))
        throw EWriteError(QStringLiteral("Cannot resize file \"%1\"").arg(FFileName));
    if (FFile->pos() > FFile->size()) FFile->seek(FFile->size());
}

// ---- TMemoryStream ----

int64_t TMemoryStream::Read(void* buffer, int64_t count) {
    const int64_t n = std::clamp<int64_t>(FData.size() - FPosition, 0, std::max<int64_t>(count, 0));
    if (n > 0) std::memcpy(buffer, FData.constData() + FPosition, static_cast<size_t>(n));
    FPosition += n;
    return n;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count) {
    if (count <= 0) return 0;
    if (FPosition + count > FData.size()) {
        const qsizetype old = FData.size();
        FData.resize(static_cast<qsizetype>(FPosition + count));
        // A gap left by seeking past the end reads as zeros.
        if (FPosition > old) std::memset(FData.data() + old, 0, static_cast<size_t>(FPosition - old));
    }
    std::memcpy(FData.data() + FPosition, buffer, static_cast<size_t>(count));
    FPosition += count;
    return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
    int64_t base = 0;
    if (origin == soCurrent)
        base = FPosition;
    else if (origin == soEnd)
        base = FData.size();
    FPosition = std::max<int64_t>(base + offset, 0);
    return FPosition;
}

void TMemoryStream::SetSize(int64_t size) {
    const qsizetype old = FData.size();
    FData.resize(static_cast<qsizetype>(std::max<int64_t>(size, 0)));
    if (FData.size() > old) std::memset(FData.data() + old, 0, static_cast<size_t>(FData.size() - old));
    FPosition = std::min<int64_t>(FPosition, FData.size());
}

void TMemoryStream::Clear() {
    FData.clear();
    FPosition = 0;
}

void TMemoryStream::LoadFromFile(const String& fileName) {
    QByteArray bytes;
    String error;
    if (!ReadWholeFile(fileName, bytes, &error))
        throw EFOpenError(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, error));
    FData = bytes;
    FPosition = 0;
}

void TMemoryStream::SaveToFile(const String& fileName) const {
    String error;
    if (!SaveFileAtomically(fileName, FData, &error))
        throw EFCreateError(QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, error));
}

void TMemoryStream::LoadFromStream(TStream& source) {
    source.SetPosition(0);
    Clear();
    FData = source.ReadAll();
}

void TMemoryStream::SaveToStream(TStream& target) const {
    target.WriteBuffer(FData);
}

// ---- whole files ----

namespace {

// A file as this run left it: which file it is and when it last changed.
struct WrittenFileMark {
    dev_t Device = 0;
    ino_t Inode = 0;
    off_t Size = 0;
    long long ModifiedNs = 0;
    bool operator==(const WrittenFileMark&) const = default;
};

bool markOfFile(const String& path, WrittenFileMark& mark) {
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    mark.Device = st.st_dev;
    mark.Inode = st.st_ino;
    mark.Size = st.st_size;
    mark.ModifiedNs = (long long)st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec;
    return true;
}

QMutex& writtenFilesLock() {
    static QMutex lock;
    return lock;
}

QHash<QString, WrittenFileMark>& writtenFiles() {
    static QHash<QString, WrittenFileMark> files;
    return files;
}

void noteWrittenFile(const String& path) {
    WrittenFileMark mark;
    const QString key = QFileInfo(path).absoluteFilePath();
    QMutexLocker guard(&writtenFilesLock());
    if (markOfFile(key, mark))
        writtenFiles().insert(key, mark);
    else
        writtenFiles().remove(key);
}

} // namespace

bool IsFileAsWritten(const String& path) {
    if (path.isEmpty()) return false;
    const QString key = QFileInfo(path).absoluteFilePath();
    WrittenFileMark now;
    if (!markOfFile(key, now)) return false;
    QMutexLocker guard(&writtenFilesLock());
    auto it = writtenFiles().constFind(key);
    return it != writtenFiles().constEnd() && it.value() == now;
}

bool SaveFileAtomically(const String& path, const QByteArray& bytes, String* error) {
    QSaveFile file(path);
    // Unbuffered, so a write the system cuts short (a full disk, a file size limit) is seen here: a
    // buffered one is flushed at commit, which then renames the cut file over the old one all the same.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (error) *error = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        if (error) *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    noteWrittenFile(path);
    return true;
}

bool ReadWholeFile(const String& path, QByteArray& bytes, String* error, qint64 maxBytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) *error = file.errorString();
        return false;
    }
    const auto tooLarge = [&] {
        if (error) *error = QStringLiteral("The file is larger than %1 bytes").arg(maxBytes);
        bytes.clear();
        return false;
    };
    if (maxBytes < 0) {
        bytes = file.readAll();
    } else {
        if (file.size() > maxBytes) return tooLarge();
        // Read in pieces, so that a file that grew meanwhile, or a device that reports no size, is stopped
        // at the limit and nothing is reserved for what may never come.
        bytes.clear();
        bytes.reserve(file.size());
        char piece[65536];
        for (;;) {
            const qint64 n = file.read(piece, sizeof piece);
            if (n <= 0) break;
            bytes.append(piece, qsizetype(n));
            if (bytes.size() > maxBytes) return tooLarge();
        }
    }
    if (file.error() != QFileDevice::NoError) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}

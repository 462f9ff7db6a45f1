// Byte streams over QFile and QByteArray, and the whole-file atomic write.
#include "toolkit/system/Streams.h"
#include "toolkit/system/SysUtils.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
    TReadFault fault = TReadFault::None;
    if (!ReadWholeFile(fileName, bytes, &error, -1, &fault))
        throw EFOpenError(ReadFaultText(fileName, fault, error, -1));
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

// Writes all of `bytes` to `fd`; false with errno set when the system refuses any of it.
bool writeAll(int fd, const QByteArray& bytes) {
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        p += n;
        left -= n;
    }
    return true;
}

// A new, empty file with a name of its own beside `target` (created with the default permissions).
int createSibling(const QByteArray& target, QByteArray& name) {
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray() : target.left(slash + 1);
    const QByteArray base = target.mid(slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + '.' + base + ".new-" + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

void syncFolderOf(const QByteArray& file) {
    const qsizetype slash = file.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : file.left(slash);
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

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
    const auto fail = [error](const String& reason) {
        if (error) *error = reason;
        return false;
    };
    if (path.isEmpty()) return fail(QStringLiteral("No file name"));
    const String link = LinkTarget(path);
    const QByteArray target = QFile::encodeName(link.isEmpty() ? path : link);
    struct stat old;
    const bool exists = ::stat(target.constData(), &old) == 0;
    if (!exists && errno != ENOENT) return fail(SysErrorMessage(errno));
    if (exists && !S_ISREG(old.st_mode))
        return fail(QStringLiteral("\"%1\" is not a regular file").arg(QFile::decodeName(target)));
    // A write-protected file stays as it is, although its folder would let a new one take its place.
    if (exists && ::access(target.constData(), W_OK) != 0) return fail(SysErrorMessage(errno));

    QByteArray temporary;
    const int fd = createSibling(target, temporary);
    if (fd < 0) return fail(SysErrorMessage(errno));
    // Everything must reach the disk before the old file goes: a full disk or a failing device shows
    // in the write, the sync or the close, and each of them leaves the old file as it was.
    bool ok = true;
    if (exists) {
        if (geteuid() == 0) (void)::fchown(fd, old.st_uid, old.st_gid);
        ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    }
    ok = ok && writeAll(fd, bytes) && (::fsync(fd) == 0 || errno == EINVAL);
    int code = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        code = errno;
    }
    if (ok && ::rename(temporary.constData(), target.constData()) != 0) {
        ok = false;
        code = errno;
    }
    if (!ok) {
        ::unlink(temporary.constData());
        return fail(SysErrorMessage(code));
    }
    syncFolderOf(target);
    noteWrittenFile(path);
    return true;
}

bool ReadWholeFile(const String& path, QByteArray& bytes, String* error, qint64 maxBytes, TReadFault* fault) {
    const auto fail = [&](TReadFault why, const String& reason) {
        if (error) *error = reason;
        if (fault) *fault = why;
        bytes.clear();
        return false;
    };
    const auto tooLarge = [&] {
        return fail(TReadFault::TooLarge, QStringLiteral("The file is larger than %1 bytes").arg(maxBytes));
    };
    if (fault) *fault = TReadFault::None;
    if (path.startsWith(u':')) { // compiled into the program
        QFile resource(path);
        if (!resource.open(QIODevice::ReadOnly)) return fail(TReadFault::Unreadable, resource.errorString());
        if (maxBytes >= 0 && resource.size() > maxBytes) return tooLarge();
        bytes = resource.readAll();
        return true;
    }
    // O_NONBLOCK: opening a pipe must not wait for a writer. The kind is checked on the open file, so a
    // name swapped for a device between a look and the open cannot slip through.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return fail(TReadFault::Unreadable, SysErrorMessage(errno));
    struct FileCloser {
        int fd;
        ~FileCloser() { ::close(fd); }
    } closer{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0) return fail(TReadFault::Unreadable, SysErrorMessage(errno));
    if (!S_ISREG(st.st_mode)) return fail(TReadFault::NotRegular, QStringLiteral("It is not a regular file"));
    if (maxBytes >= 0 && st.st_size > maxBytes) return tooLarge();
    // Read in pieces, so that a file that grew meanwhile is stopped at the limit and nothing is reserved
    // for what may never come.
    QByteArray out;
    out.reserve(qsizetype(st.st_size));
    char piece[65536];
    for (;;) {
        const ssize_t n = ::read(fd, piece, sizeof piece);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return fail(TReadFault::Unreadable, SysErrorMessage(errno));
        if (n == 0) break;
        out.append(piece, qsizetype(n));
        if (maxBytes >= 0 && out.size() > maxBytes) return tooLarge();
    }
    bytes = out;
    return true;
}

String ReadFaultText(const String& path, TReadFault fault, const String& error, qint64 maxBytes) {
    switch (fault) {
    case TReadFault::TooLarge:
        return QStringLiteral("The file \"%1\" is too large: it holds more than %2 bytes.")
            .arg(path)
            .arg(maxBytes);
    case TReadFault::NotRegular:
        return QStringLiteral("Cannot read \"%1\": it is not a regular file.").arg(path);
    default:
        return QStringLiteral("Cannot open file \"%1\". %2").arg(path, error);
    }
}

// The parts of an office file: a zip archive read from memory, each part within a size limit checked
// against what the archive claims and against what it really gives, so no archive asks for more memory
// than that.
#pragma once

#include "toolkit/system/Types.h"

#include <QByteArray>
#include <memory>

class ZipPackage {
public:
    // Largest part and largest sum of parts read from one package.
    static constexpr qint64 MaxPartBytes = 64LL * 1024 * 1024;
    static constexpr qint64 MaxTotalBytes = 256LL * 1024 * 1024;

    // Raises EQvGridError with Failure when the bytes are no zip archive.
    ZipPackage(const QByteArray& Bytes, const String& Failure);
    ~ZipPackage();
    ZipPackage(const ZipPackage&) = delete;
    ZipPackage& operator=(const ZipPackage&) = delete;

    bool Has(const String& Name) const;
    // The part's bytes; EQvGridError with the failure text when it is missing, too large or damaged.
    QByteArray Read(const String& Name);

private:
    struct Archive;
    std::unique_ptr<Archive> FArchive;
    String FFailure;
    qint64 FRead = 0;
};

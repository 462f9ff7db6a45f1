// The parts of an office file: a zip archive read from memory, each part within a size limit checked
// against what the archive claims and against what it really gives, so no archive asks for more memory
// than that; and a package written whole into memory.
#pragma once

#include "toolkit/system/Types.h"

#include <QByteArray>
#include <QStringList>
#include <memory>
#include <utility>
#include <vector>

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
    // The names of the archive's files in their order, folders left out.
    QStringList Names() const;
    // The part's bytes; EQvGridError with the failure text when it is missing, too large or damaged.
    QByteArray Read(const String& Name);

    // A package of these parts, compressed, in the order given; EQvGridError with Failure when the library
    // fails.
    static QByteArray Write(const std::vector<std::pair<String, QByteArray>>& Parts, const String& Failure);

private:
    struct Archive;
    std::unique_ptr<Archive> FArchive;
    String FFailure;
    qint64 FRead = 0;
};

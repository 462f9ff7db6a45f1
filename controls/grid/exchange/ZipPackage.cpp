#include "controls/grid/exchange/ZipPackage.h"

#include "controls/grid/QvGrid_Types.h"

#include <zip.h>

struct ZipPackage::Archive {
    QByteArray Bytes; // libzip reads from this buffer, which must outlive the archive
    zip_t* Zip = nullptr;
    ~Archive() {
        if (Zip) zip_discard(Zip);
    }
};

ZipPackage::ZipPackage(const QByteArray& Bytes, const String& Failure)
    : FArchive(std::make_unique<Archive>()), FFailure(Failure) {
    FArchive->Bytes = Bytes;
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(
        FArchive->Bytes.constData(), static_cast<zip_uint64_t>(FArchive->Bytes.size()), 0, &error);
    if (source) {
        FArchive->Zip = zip_open_from_source(source, ZIP_RDONLY, &error);
        if (!FArchive->Zip) zip_source_free(source);
    }
    zip_error_fini(&error);
    if (!FArchive->Zip) throw EQvGridError(FFailure);
}

ZipPackage::~ZipPackage() = default;

bool ZipPackage::Has(const String& Name) const {
    return zip_name_locate(FArchive->Zip, Name.toUtf8().constData(), 0) >= 0;
}

QByteArray ZipPackage::Read(const String& Name) {
    const QByteArray name = Name.toUtf8();
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat(FArchive->Zip, name.constData(), 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE))
        throw EQvGridError(FFailure);
    const qint64 size = static_cast<qint64>(st.size);
    if (size < 0 || size > MaxPartBytes || FRead + size > MaxTotalBytes) throw EQvGridError(FFailure);
    zip_file_t* file = zip_fopen(FArchive->Zip, name.constData(), 0);
    if (!file) throw EQvGridError(FFailure);
    QByteArray out(static_cast<qsizetype>(size), Qt::Uninitialized);
    const zip_int64_t got = size ? zip_fread(file, out.data(), static_cast<zip_uint64_t>(size)) : 0;
    // A part that gives more than its header claims is damaged: one byte more is enough to tell.
    char extra = 0;
    const zip_int64_t more = zip_fread(file, &extra, 1);
    zip_fclose(file);
    if (got != size || more != 0) throw EQvGridError(FFailure);
    FRead += size;
    return out;
}

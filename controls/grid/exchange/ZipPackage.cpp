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

QStringList ZipPackage::Names() const {
    QStringList names;
    const zip_int64_t count = zip_get_num_entries(FArchive->Zip, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* name = zip_get_name(FArchive->Zip, static_cast<zip_uint64_t>(i), 0);
        if (name && *name && !QByteArray(name).endsWith('/')) names << String::fromUtf8(name);
    }
    return names;
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

namespace {

// The bytes a finished in-memory archive left in its source.
QByteArray ZipSourceBytes(zip_source_t* Source) {
    if (zip_source_open(Source) < 0) return {};
    QByteArray out;
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_source_stat(Source, &st) == 0 && (st.valid & ZIP_STAT_SIZE) &&
        st.size <= quint64(ZipPackage::MaxTotalBytes)) {
        out.resize(static_cast<qsizetype>(st.size));
        if (zip_source_read(Source, out.data(), st.size) != static_cast<zip_int64_t>(st.size)) out.clear();
    }
    zip_source_close(Source);
    return out;
}

} // namespace

QByteArray ZipPackage::Write(const std::vector<std::pair<String, QByteArray>>& Parts, const String& Failure) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t* zip = source ? zip_open_from_source(source, ZIP_TRUNCATE, &error) : nullptr;
    zip_error_fini(&error);
    if (!zip) {
        if (source) zip_source_free(source);
        throw EQvGridError(Failure);
    }
    // The source outlives the archive: the written bytes are read from it once the archive is closed.
    zip_source_keep(source);
    bool ok = true;
    for (const auto& [name, bytes] : Parts) {
        // The library reads the part's bytes only at close; they stay alive in Parts until then.
        zip_source_t* part =
            zip_source_buffer(zip, bytes.constData(), static_cast<zip_uint64_t>(bytes.size()), 0);
        if (!part || zip_file_add(zip, name.toUtf8().constData(), part, ZIP_FL_ENC_UTF_8) < 0) {
            if (part) zip_source_free(part);
            ok = false;
            break;
        }
    }
    if (!ok || zip_close(zip) < 0) {
        zip_discard(zip);
        zip_source_free(source);
        throw EQvGridError(Failure);
    }
    QByteArray out = ZipSourceBytes(source);
    zip_source_free(source);
    if (out.isEmpty()) throw EQvGridError(Failure);
    return out;
}

// JPEG decoding and encoding through libjpeg, with its errors turned into exceptions.
#include "toolkit/graphics/Jpeg.h"
#include "toolkit/graphics/Canvas.h"

#include <QPainter>
#include <algorithm>
#include <csetjmp>
#include <cstdio> // before jpeglib.h, which uses FILE and size_t without declaring them
#include <vector>

#include <jpeglib.h>

#include <jerror.h>

static_assert(JPEG_LIB_VERSION == 62, "the JPEG pictures are written against libjpeg API version 62");

namespace {
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr J_COLOR_SPACE kJpegQImageSpace = JCS_EXT_BGRA; // QImage::Format_RGB32 in memory: B, G, R, 0xFF
constexpr J_COLOR_SPACE kJpegQImageInSpace = JCS_EXT_BGRX;
#else
constexpr J_COLOR_SPACE kJpegQImageSpace = JCS_EXT_ARGB;
constexpr J_COLOR_SPACE kJpegQImageInSpace = JCS_EXT_XRGB;
#endif

// libjpeg reports a fatal error by calling error_exit, which must not return. We leave by longjmp back
// to the one frame that holds nothing with a destructor; libjpeg is C and has nothing to unwind.
struct JpegErrorMgr {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool rowsComplete;
};

void jpegErrorExit(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<JpegErrorMgr*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

void jpegEmitMessage(j_common_ptr cinfo, int level) {
    if (level >= 0) return;
    // A stream that ends before its last row decodes to a grey remainder with only a warning: that is a
    // broken file. A missing end marker after complete pixels is harmless and stays a warning.
    auto* err = reinterpret_cast<JpegErrorMgr*>(cinfo->err);
    if (cinfo->err->msg_code == JWRN_JPEG_EOF && !err->rowsComplete) jpegErrorExit(cinfo);
    // Pixel data that stops at a marker (an end marker glued onto a cut file, say) is cut short too.
    if (cinfo->err->msg_code == JWRN_HIT_MARKER) jpegErrorExit(cinfo);
    cinfo->err->num_warnings++;
}

void jpegOutputMessage(j_common_ptr) {}

void jpegInstallErrors(JpegErrorMgr* err) {
    jpeg_std_error(&err->pub);
    err->pub.error_exit = jpegErrorExit;
    err->pub.emit_message = jpegEmitMessage;
    err->pub.output_message = jpegOutputMessage;
    err->message[0] = 0;
    err->rowsComplete = false;
}

struct JpegDecodeJob {
    const QByteArray* data = nullptr;
    QImage image;
    std::vector<JSAMPLE> row; // CMYK rows, converted by hand
    JpegErrorMgr err{};
    jpeg_decompress_struct cinfo{};
};

void jpegCmykRowToRgb(const JSAMPLE* in, QRgb* out, int width, bool inverted) {
    for (int x = 0; x < width; ++x, in += 4) {
        int c = in[0], m = in[1], y = in[2], k = in[3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        out[x] = qRgb(c * k / 255, m * k / 255, y * k / 255);
    }
}

// No picture of this program comes near this (64 MB of pixels); a header claiming more is refused before
// anything is allocated, since progressive pictures buffer every coefficient of the whole image.
constexpr unsigned long long kJpegMaxPixels = 16ull * 1024 * 1024;

// A progressive stream whose scans stopped early leaves coefficients that no scan ever delivered.
bool jpegProgressionComplete(const jpeg_decompress_struct* cinfo) {
    if (!cinfo->progressive_mode || !cinfo->coef_bits) return true;
    for (int c = 0; c < cinfo->num_components; ++c)
        for (int k = 0; k < DCTSIZE2; ++k)
            if (cinfo->coef_bits[c][k] < 0) return false;
    return true;
}

// Only plain data lives in this frame, so the longjmp back into it skips no destructor.
bool jpegRunDecode(JpegDecodeJob* job) {
    jpeg_decompress_struct* cinfo = &job->cinfo;
    jpegInstallErrors(&job->err);
    cinfo->err = &job->err.pub;
    if (setjmp(job->err.jump)) {
        jpeg_destroy_decompress(cinfo);
        return false;
    }
    jpeg_create_decompress(cinfo);
    jpeg_mem_src(cinfo, reinterpret_cast<const unsigned char*>(job->data->constData()),
                 static_cast<unsigned long>(job->data->size()));
    jpeg_read_header(cinfo, TRUE);
    if (static_cast<unsigned long long>(cinfo->image_width) * cinfo->image_height > kJpegMaxPixels) {
        std::snprintf(job->err.message, sizeof job->err.message, "Image too large (%u x %u)",
                      static_cast<unsigned>(cinfo->image_width), static_cast<unsigned>(cinfo->image_height));
        jpeg_destroy_decompress(cinfo);
        return false;
    }
    const bool cmyk = cinfo->jpeg_color_space == JCS_CMYK || cinfo->jpeg_color_space == JCS_YCCK;
    cinfo->out_color_space = cmyk ? JCS_CMYK : kJpegQImageSpace;
    jpeg_start_decompress(cinfo);
    // Progressive pictures are read whole by now: missing scans mean the data ended early.
    if (!jpegProgressionComplete(cinfo)) {
        std::snprintf(job->err.message, sizeof job->err.message, "Premature end of JPEG file");
        jpeg_destroy_decompress(cinfo);
        return false;
    }
    const int width = static_cast<int>(cinfo->output_width), height = static_cast<int>(cinfo->output_height);
    job->image = QImage(width, height, QImage::Format_RGB32);
    if (job->image.isNull()) {
        std::snprintf(job->err.message, sizeof job->err.message, "Image too large (%d x %d)", width, height);
        jpeg_destroy_decompress(cinfo);
        return false;
    }
    if (cmyk) job->row.resize(static_cast<size_t>(width) * 4);
    while (cinfo->output_scanline < cinfo->output_height) {
        const int y = static_cast<int>(cinfo->output_scanline);
        JSAMPROW rowPtr = cmyk ? job->row.data() : job->image.scanLine(y);
        jpeg_read_scanlines(cinfo, &rowPtr, 1);
        if (cmyk)
            jpegCmykRowToRgb(job->row.data(), reinterpret_cast<QRgb*>(job->image.scanLine(y)), width,
                             cinfo->saw_Adobe_marker);
    }
    job->err.rowsComplete = true;
    jpeg_finish_decompress(cinfo);
    jpeg_destroy_decompress(cinfo);
    return true;
}

// Collects the compressed stream in a QByteArray that we own, whatever happens inside libjpeg.
struct JpegByteDest {
    jpeg_destination_mgr pub;
    QByteArray* out;
    JOCTET buffer[16384];
};

void jpegDestInit(j_compress_ptr cinfo) {
    auto* d = reinterpret_cast<JpegByteDest*>(cinfo->dest);
    d->pub.next_output_byte = d->buffer;
    d->pub.free_in_buffer = sizeof d->buffer;
}

boolean jpegDestEmpty(j_compress_ptr cinfo) {
    auto* d = reinterpret_cast<JpegByteDest*>(cinfo->dest);
    d->out->append(reinterpret_cast<const char*>(d->buffer), sizeof d->buffer);
    d->pub.next_output_byte = d->buffer;
    d->pub.free_in_buffer = sizeof d->buffer;
    return TRUE;
}

void jpegDestTerm(j_compress_ptr cinfo) {
    auto* d = reinterpret_cast<JpegByteDest*>(cinfo->dest);
    d->out->append(reinterpret_cast<const char*>(d->buffer),
                   static_cast<qsizetype>(sizeof d->buffer - d->pub.free_in_buffer));
}

struct JpegEncodeJob {
    QImage image; // Format_RGB32
    int quality = 90;
    bool progressive = false;
    QByteArray out;
    JpegByteDest dest{};
    JpegErrorMgr err{};
    jpeg_compress_struct cinfo{};
};

bool jpegRunEncode(JpegEncodeJob* job) {
    jpeg_compress_struct* cinfo = &job->cinfo;
    jpegInstallErrors(&job->err);
    cinfo->err = &job->err.pub;
    if (setjmp(job->err.jump)) {
        jpeg_destroy_compress(cinfo);
        return false;
    }
    jpeg_create_compress(cinfo);
    job->dest.pub.init_destination = jpegDestInit;
    job->dest.pub.empty_output_buffer = jpegDestEmpty;
    job->dest.pub.term_destination = jpegDestTerm;
    job->dest.out = &job->out;
    cinfo->dest = &job->dest.pub;
    cinfo->image_width = static_cast<JDIMENSION>(job->image.width());
    cinfo->image_height = static_cast<JDIMENSION>(job->image.height());
    cinfo->input_components = 4;
    cinfo->in_color_space = kJpegQImageInSpace;
    jpeg_set_defaults(cinfo);
    jpeg_set_quality(cinfo, job->quality, TRUE);
    if (job->progressive) jpeg_simple_progression(cinfo);
    jpeg_start_compress(cinfo, TRUE);
    while (cinfo->next_scanline < cinfo->image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(job->image.constScanLine(static_cast<int>(cinfo->next_scanline)));
        jpeg_write_scanlines(cinfo, &row, 1);
    }
    jpeg_finish_compress(cinfo);
    jpeg_destroy_compress(cinfo);
    return true;
}
} // namespace

QImage JpegDecode(const QByteArray& data) {
    if (data.isEmpty()) throw EJPEG("JPEG error: empty stream");
    auto job = std::make_unique<JpegDecodeJob>();
    job->data = &data;
    if (!jpegRunDecode(job.get()))
        throw EJPEG(QStringLiteral("JPEG error: %1").arg(QString::fromLocal8Bit(job->err.message)));
    return std::move(job->image);
}

QByteArray JpegEncode(const QImage& image, int quality, bool progressive) {
    if (image.isNull()) throw EJPEG("JPEG error: no image to compress");
    auto job = std::make_unique<JpegEncodeJob>();
    // Transparent pixels are flattened onto white, as the platform's bitmaps show them.
    if (image.hasAlphaChannel()) {
        QImage flat(image.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter p(&flat);
        p.drawImage(0, 0, image);
        p.end();
        job->image = flat;
    } else {
        job->image = image.convertToFormat(QImage::Format_RGB32);
    }
    job->quality = std::clamp(quality, 1, 100);
    job->progressive = progressive;
    if (!jpegRunEncode(job.get()))
        throw EJPEG(QStringLiteral("JPEG error: %1").arg(QString::fromLocal8Bit(job->err.message)));
    return std::move(job->out);
}

void TJPEGImage::SetCompressionQuality(int v) {
    v = std::clamp(v, 1, 100);
    if (v == FQuality) return;
    FQuality = v;
    if (!FImage.isNull()) FData.clear();
}

void TJPEGImage::SetProgressiveEncoding(bool v) {
    if (v == FProgressive) return;
    FProgressive = v;
    if (!FImage.isNull()) FData.clear();
}

void TJPEGImage::Compress() {
    FData = FImage.isNull() ? QByteArray() : JpegEncode(FImage, FQuality, FProgressive);
}

void TJPEGImage::LoadFromBytes(const QByteArray& data) {
    if (data.isEmpty()) {
        FImage = QImage();
        FData.clear();
        Changed();
        return;
    }
    QImage decoded = JpegDecode(data);
    FImage = std::move(decoded);
    FData = data;
    Changed();
}

QByteArray TJPEGImage::SaveToBytes() const {
    if (FData.isEmpty() && !FImage.isNull()) FData = JpegEncode(FImage, FQuality, FProgressive);
    return FData;
}

void TJPEGImage::Draw(TCanvas* canvas, const TRect& rect) {
    QPainter* p = canvas ? canvas->PreparePainter(false, false) : nullptr;
    if (p && !FImage.isNull()) p->drawImage(rect.toQRect(), FImage);
}

void TJPEGImage::fromQImage(const QImage& image) {
    FImage = image.isNull() ? QImage() : image.convertToFormat(QImage::Format_RGB32);
    FData.clear();
    Changed();
}

void TJPEGImage::Assign(const TPersistent* source) {
    if (auto* j = dynamic_cast<const TJPEGImage*>(source)) {
        FImage = j->FImage;
        FData = j->FData;
        FQuality = j->FQuality;
        FProgressive = j->FProgressive;
        Changed();
        return;
    }
    TGraphic::Assign(source);
}

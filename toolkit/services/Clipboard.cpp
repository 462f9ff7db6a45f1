// Clipboard formats as MIME types, format sets over QMimeData, and the clipboard over QClipboard.
#include "toolkit/services/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPointer>
#include <QUrl>

namespace {

const String kPlainMime = QStringLiteral("text/plain");
const String kUriListMime = QStringLiteral("text/uri-list");
const String kRtfMime = QStringLiteral("text/rtf");
const String kRtfMimeOther = QStringLiteral("application/rtf");
const String kHtmlMime = QStringLiteral("text/html");

// A registered name as the tail of a MIME type of our own: lower case, other characters as '-'.
String ownMimeType(const String& name) {
    String tail;
    for (QChar c : name.toLower())
        tail += (c.isLetterOrNumber() && c.unicode() < 128) || c == QChar('.') || c == QChar('+')
                    ? c
                    : QChar('-');
    return QStringLiteral("application/x-qv-") + tail;
}

// The lines of a URI list that are not comments.
QStringList uriListLines(const QByteArray& bytes) {
    QStringList lines;
    for (const QByteArray& raw : bytes.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (!line.isEmpty() && !line.startsWith('#')) lines << QString::fromUtf8(line);
    }
    return lines;
}

bool isLocalFileLine(const String& line) {
    return QUrl(line, QUrl::StrictMode).isLocalFile();
}

// A web address: a URL with a scheme and a host that is not a local file.
bool isAddressLine(const String& line) {
    const QUrl url(line, QUrl::StrictMode);
    return url.isValid() && !url.isLocalFile() && !url.scheme().isEmpty() && !url.host().isEmpty();
}

} // namespace

UINT CF_RTF() {
    static const UINT id = RegisterClipboardFormat(QStringLiteral("Rich Text Format"));
    return id;
}

UINT CF_HTMLFORMAT() {
    static const UINT id = RegisterClipboardFormat(QStringLiteral("HTML Format"));
    return id;
}

UINT CF_URL() {
    static const UINT id = RegisterClipboardFormat(QStringLiteral("UniformResourceLocator"));
    return id;
}

String ClipboardFormatMimeType(UINT format) {
    if (format == CF_TEXT || format == CF_UNICODETEXT) return kPlainMime;
    if (format == CF_HDROP || format == CF_URL()) return kUriListMime;
    if (format == CF_RTF()) return kRtfMime;
    if (format == CF_HTMLFORMAT()) return kHtmlMime;
    const String name = GetClipboardFormatName(format);
    return name.isEmpty() ? String() : ownMimeType(name);
}

// ---------------------------------------------------------------------------------------------------------

struct TClipData::Source {
    QPointer<const QMimeData> Mime;
};

TClipData::TClipData() = default;
TClipData::~TClipData() = default;
TClipData::TClipData(const TClipData&) = default;
TClipData& TClipData::operator=(const TClipData&) = default;

namespace {
// Plain text in any character set; Qt also calls a list of files text, which it is not.
bool mimeHasPlainText(const QMimeData* mime) {
    for (const QString& format : mime->formats())
        if (format == kPlainMime || format.startsWith(kPlainMime + QChar(';'))) return true;
    return false;
}
} // namespace

bool TClipData::HasMime(const String& type) const {
    if (FData.count(type)) return true;
    const QMimeData* mime = FSource ? FSource->Mime.data() : nullptr;
    if (!mime) return false;
    if (type == kPlainMime) return mimeHasPlainText(mime);
    return mime->hasFormat(type);
}

QByteArray TClipData::MimeBytes(const String& type) const {
    if (auto it = FData.find(type); it != FData.end()) return it->second;
    const QMimeData* mime = FSource ? FSource->Mime.data() : nullptr;
    if (!mime) return QByteArray();
    // Text may come in another character set; Qt's reading of it gives the text itself.
    if (type == kPlainMime) return mimeHasPlainText(mime) ? mime->text().toUtf8() : QByteArray();
    return mime->data(type);
}

void TClipData::SetMime(const String& type, const QByteArray& bytes) {
    FData[type] = bytes;
}

bool TClipData::IsEmpty() const {
    if (!FData.empty()) return false;
    const QMimeData* mime = FSource ? FSource->Mime.data() : nullptr;
    return !mime || mime->formats().isEmpty();
}

bool TClipData::HasFormat(UINT format) const {
    if (format == CF_HDROP) return !Files().isEmpty();
    if (format == CF_URL()) return !Url().isEmpty();
    if (format == CF_RTF()) return HasMime(kRtfMime) || HasMime(kRtfMimeOther);
    const String type = ClipboardFormatMimeType(format);
    return !type.isEmpty() && HasMime(type);
}

QByteArray TClipData::Data(UINT format) const {
    if (format == CF_RTF() && !HasMime(kRtfMime)) return MimeBytes(kRtfMimeOther);
    const String type = ClipboardFormatMimeType(format);
    return type.isEmpty() ? QByteArray() : MimeBytes(type);
}

void TClipData::SetData(UINT format, const QByteArray& bytes) {
    const String type = ClipboardFormatMimeType(format);
    if (type.isEmpty()) throw Exception(QStringLiteral("Unknown clipboard format %1").arg(format));
    SetMime(type, bytes);
}

String TClipData::Text() const {
    return String::fromUtf8(MimeBytes(kPlainMime));
}

void TClipData::SetText(const String& text) {
    SetMime(kPlainMime, text.toUtf8());
}

QStringList TClipData::Files() const {
    QStringList files;
    for (const String& line : uriListLines(MimeBytes(kUriListMime))) {
        // A file address without a path ("file://") names no file.
        const String path = isLocalFileLine(line) ? QUrl(line).toLocalFile() : String();
        if (!path.isEmpty()) files << path;
    }
    return files;
}

String TClipData::Url() const {
    for (const String& line : uriListLines(MimeBytes(kUriListMime)))
        if (isAddressLine(line)) return line;
    return String();
}

void TClipData::SetFiles(const QStringList& paths) {
    QStringList lines;
    for (const String& line : uriListLines(MimeBytes(kUriListMime)))
        if (!isLocalFileLine(line)) lines << line;
    for (const String& path : paths)
        lines << QString::fromUtf8(QUrl::fromLocalFile(path).toEncoded());
    SetMime(kUriListMime,
            lines.isEmpty() ? QByteArray() : (lines.join(QStringLiteral("\r\n")) + "\r\n").toUtf8());
}

void TClipData::SetUrl(const String& url) {
    QStringList lines;
    for (const String& line : uriListLines(MimeBytes(kUriListMime)))
        if (!isAddressLine(line)) lines << line;
    if (!url.isEmpty()) lines << url;
    SetMime(kUriListMime,
            lines.isEmpty() ? QByteArray() : (lines.join(QStringLiteral("\r\n")) + "\r\n").toUtf8());
}

QMimeData* TClipData::ToMimeData() const {
    auto* mime = new QMimeData;
    if (const QMimeData* from = FSource ? FSource->Mime.data() : nullptr)
        for (const QString& type : from->formats())
            mime->setData(type, from->data(type));
    for (const auto& [type, bytes] : FData) {
        if (type == kPlainMime)
            mime->setText(String::fromUtf8(bytes));
        else
            mime->setData(type, bytes);
    }
    return mime;
}

TClipData TClipData::FromMimeData(const QMimeData* mime) {
    TClipData data;
    data.FSource = std::make_shared<Source>();
    data.FSource->Mime = mime;
    return data;
}

// ---------------------------------------------------------------------------------------------------------

void TClipboard::Open() {
    if (FOpenCount++ == 0) {
        FEmptied = false;
        FPending = TClipData();
    }
}

void TClipboard::Close() {
    if (FOpenCount == 0) return;
    if (--FOpenCount > 0 || !FEmptied) return;
    QGuiApplication::clipboard()->setMimeData(FPending.ToMimeData());
    FPending = TClipData();
}

void TClipboard::Put(UINT format, const QByteArray* bytes, const String* text) {
    Open();
    try {
        if (!FEmptied) {
            FPending = TClipData();
            FEmptied = true;
        }
        if (text)
            FPending.SetText(*text);
        else if (bytes)
            FPending.SetData(format, *bytes);
    } catch (...) {
        Close();
        throw;
    }
    Close();
}

void TClipboard::Clear() {
    Put(0, nullptr, nullptr);
}

void TClipboard::SetAsText(const String& text) {
    Put(CF_UNICODETEXT, nullptr, &text);
}

void TClipboard::SetAsBytes(UINT format, const QByteArray& bytes) {
    Put(format, &bytes, nullptr);
}

void TClipboard::SetData(const TClipData& data) {
    Open();
    FPending = data;
    FEmptied = true;
    Close();
}

TClipData TClipboard::Data() const {
    return TClipData::FromMimeData(QGuiApplication::clipboard()->mimeData());
}

bool TClipboard::HasFormat(UINT format) const {
    return Data().HasFormat(format);
}

String TClipboard::AsText() const {
    return Data().Text();
}

QByteArray TClipboard::GetAsBytes(UINT format) const {
    return Data().Data(format);
}

TClipboard* Clipboard() {
    static TClipboard clipboard;
    return &clipboard;
}

// The clipboard with several formats at once, and the format set a clipboard entry or a drag carries.
// Formats go by the platform's numbers: the standard ones below and those RegisterClipboardFormat hands
// out for a name. Data arrives as bytes with its format and is never interpreted here: what comes from
// the clipboard or a drop is another program's, and its reader checks it.
#pragma once

#include "toolkit/system/RegisteredNames.h"

#include <QByteArray>
#include <QStringList>
#include <map>
#include <memory>

class QMimeData;

// Plain text (both numbers read the same text) and a list of files.
enum : UINT { CF_TEXT = 1, CF_UNICODETEXT = 13, CF_HDROP = 15 };
// The registered formats with a meaning outside this program: rich text, HTML, and a web address.
UINT CF_RTF();
UINT CF_HTMLFORMAT();
UINT CF_URL();

// How a format travels on this desktop: "text/plain", "text/uri-list" (files and addresses), "text/rtf",
// "text/html", or "application/x-qv-<name>" for a format of this program's own; empty for a number that
// names no format.
String ClipboardFormatMimeType(UINT format);

// A set of formats with their bytes. Made by code, it holds what was put in; read from the clipboard or a
// drop, it reads each format from there when asked (and nothing once that data has gone).
class TClipData {
public:
    TClipData();
    ~TClipData();
    TClipData(const TClipData&);
    TClipData& operator=(const TClipData&);

    bool IsEmpty() const;
    bool HasFormat(UINT format) const;
    // The bytes of a format (text as UTF-8); empty when absent.
    QByteArray Data(UINT format) const;
    void SetData(UINT format, const QByteArray& bytes);
    String Text() const;
    void SetText(const String& text);
    // The local files of a file list (paths), and the first web address (scheme, host, path) of an
    // address entry.
    QStringList Files() const;
    void SetFiles(const QStringList& paths);
    String Url() const;
    void SetUrl(const String& url);

    // Inside the toolkit: the data as Qt carries it, and a view of Qt's data (read while it lives).
    QMimeData* ToMimeData() const;
    static TClipData FromMimeData(const QMimeData* mime);

private:
    struct Source;
    bool HasMime(const String& type) const;
    QByteArray MimeBytes(const String& type) const;
    void SetMime(const String& type, const QByteArray& bytes);

    std::map<String, QByteArray> FData; // by MIME type
    std::shared_ptr<Source> FSource;
};

// The desktop's clipboard. Between Open and Close (which nest) the first entry set empties the clipboard
// and the others join it, so several formats go on together when Close is reached; outside, each entry set
// replaces what was there.
class TClipboard {
public:
    void Open();
    void Close();
    void Clear();
    bool HasFormat(UINT format) const;
    String AsText() const;
    void SetAsText(const String& text);
    QByteArray GetAsBytes(UINT format) const;
    void SetAsBytes(UINT format, const QByteArray& bytes);
    // Everything now on the clipboard, read when asked (see TClipData).
    TClipData Data() const;
    // Puts all formats of `data` on the clipboard at once, replacing what was there.
    void SetData(const TClipData& data);

private:
    void Put(UINT format, const QByteArray* bytes, const String* text);

    int FOpenCount = 0;
    bool FEmptied = false;
    TClipData FPending;
};

TClipboard* Clipboard();

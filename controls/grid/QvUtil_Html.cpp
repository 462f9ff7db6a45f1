// HTML text, URL anchors and the HTML clipboard text.
#include "controls/grid/QvUtil.h"
#include "controls/grid/QvUtil_Parse.h"

using namespace qvutil_detail;

namespace {

bool IsUrlChar(QChar c) {
    const char16_t u = c.unicode();
    if (u > 255) return false;
    if ((u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z')) return true;
    return QStringLiteral("%()-./:@\\_{}").contains(c);
}

} // namespace

// --- HTML ---

void WriteHtmlClipboard(String& Html) {
    static const QString kDocType =
        QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">");
    static const QString kBodyStart = QStringLiteral(
        "<html><head><META http-equiv=Content-Type content=\"text/html; charset=utf-8\"></head>"
        "<body><!--StartFragment-->");
    static const QString kBodyEnd = QStringLiteral("<!--EndFragment--></body></html>");
    // Every fixed part is ASCII, so its length in characters is its length in bytes.
    const qsizetype fragmentBytes = Html.toUtf8().size();
    const qsizetype headerBytes = 97;
    const qsizetype startFragment = headerBytes + kDocType.size() + kBodyStart.size();
    const qsizetype endFragment = startFragment + fragmentBytes;
    const qsizetype endHtml = endFragment + kBodyEnd.size();
    auto line = [](const char* key, qsizetype value) {
        return QString::asprintf("%s%.8lld\r\n", key, static_cast<long long>(value));
    };
    Html = QStringLiteral("Version:1.0\r\n") + line("StartHTML:", headerBytes) + line("EndHTML:", endHtml) +
           line("StartFragment:", startFragment) + line("EndFragment:", endFragment) + kDocType + kBodyStart +
           Html + kBodyEnd;
}

bool InsertURLAnchor(const String& Text, const String& Prefix, String& Dest) {
    if (PosOf(Prefix, Text.toUpper()) == 0) return false;
    Dest = Text;
    Dest.replace(QLatin1Char('<'), QLatin1String("&lt;")).replace(QLatin1Char('>'), QLatin1String("&gt;"));
    const qsizetype f = Dest.toUpper().indexOf(Prefix);
    qsizetype e = f;
    while (e < Dest.size() && IsUrlChar(Dest[e]))
        ++e;
    const String url = Dest.mid(f, e - f);
    Dest.insert(e, QLatin1String("</a>"));
    Dest.insert(f, QStringLiteral("<a href=\"%1\">").arg(url));
    return true;
}


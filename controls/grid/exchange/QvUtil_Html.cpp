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
    if (Prefix.isEmpty()) return false;
    String escaped = Text;
    escaped.replace(QLatin1Char('<'), QLatin1String("&lt;")).replace(QLatin1Char('>'), QLatin1String("&gt;"));
    // Upper-cased one character at a time, so that an index found here stands at the same place in the
    // escaped text ("ß" would become "SS" in a whole-string upper-casing).
    String upper = escaped;
    for (QChar& c : upper)
        c = c.toUpper();
    const qsizetype f = upper.indexOf(Prefix);
    if (f < 0) return false;
    qsizetype e = f;
    while (e < escaped.size() && IsUrlChar(escaped[e]))
        ++e;
    const String url = escaped.mid(f, e - f);
    escaped.insert(e, QLatin1String("</a>"));
    escaped.insert(f, QStringLiteral("<a href=\"%1\">").arg(url));
    Dest = escaped;
    return true;
}


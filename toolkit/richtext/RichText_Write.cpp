// The RTF writer: font and colour tables, then each paragraph with its runs, each run a group of its own.
#include "toolkit/richtext/RichText.h"
#include "toolkit/system/TextCodec.h"

#include <algorithm>

namespace {

void rtfWriteEscaped(QByteArray& out, const String& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += static_cast<char>(u);
        } else if (u == '\t') {
            out += "\\tab ";
        } else if (u == QChar::LineSeparator) {
            out += "\\line ";
        } else if (u == 0x00A0) {
            out += "\\~";
        } else if (u >= 0x20 && u < 0x7F) {
            out += static_cast<char>(u);
        } else {
            QByteArray b;
            if (EncodeWindows1252(String(c), b)) {
                out += "\\'";
                out += QByteArray::number(static_cast<unsigned char>(b[0]), 16).rightJustified(2, '0');
            } else {
                // \uN takes a signed 16-bit number; "?" is the one fallback character (\uc1).
                out += "\\u";
                out += QByteArray::number(static_cast<int>(static_cast<int16_t>(u)));
                out += '?';
            }
        }
    }
}

// A font name as the reader gives it back: no control characters, line breaks or entry terminator, no
// surrounding white space.
String rtfFontName(const String& name) {
    String out;
    for (const QChar c : name)
        if (c.unicode() >= 0x20 && c != QChar::LineSeparator && c != QChar::ParagraphSeparator &&
            c != QLatin1Char(';'))
            out += c;
    return out.trimmed();
}

} // namespace

QByteArray WriteRtf(const TRichText& Text) {
    std::vector<String> fonts;
    std::vector<TColor> colors;
    bool unnamedFont = false;
    for (const TRichParagraph& p : Text.Paragraphs) {
        for (const TRichRun& r : p.Runs) {
            const String name = rtfFontName(r.Format.FontName);
            if (name.isEmpty())
                unnamedFont = true;
            else if (std::find(fonts.begin(), fonts.end(), name) == fonts.end())
                fonts.push_back(name);
            if (r.Format.Color != clNone &&
                std::find(colors.begin(), colors.end(), r.Format.Color) == colors.end())
                colors.push_back(r.Format.Color);
        }
    }

    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252";
    // Runs without a font name must read back without one: the default font then names no table entry.
    out += "\\deff";
    out += QByteArray::number(unnamedFont ? static_cast<int>(fonts.size()) : 0);
    out += "\\uc1";
    if (!fonts.empty()) {
        out += "{\\fonttbl";
        for (size_t i = 0; i < fonts.size(); ++i) {
            out += "{\\f" + QByteArray::number(static_cast<int>(i)) + "\\fnil\\fcharset0 ";
            rtfWriteEscaped(out, fonts[i]);
            out += ";}";
        }
        out += '}';
    }
    if (!colors.empty()) {
        out += "{\\colortbl ;";
        for (TColor c : colors) {
            out += "\\red" + QByteArray::number(c & 0xFF) + "\\green" + QByteArray::number((c >> 8) & 0xFF) +
                   "\\blue" + QByteArray::number((c >> 16) & 0xFF) + ';';
        }
        out += '}';
    }
    out += "\r\n";

    static const char* const kAlign[] = {"\\ql", "\\qr", "\\qc", "\\qj"};
    for (const TRichParagraph& p : Text.Paragraphs) {
        out += "\\pard";
        out += kAlign[std::clamp(static_cast<int>(p.Alignment), 0, 3)];
        for (const TRichRun& r : p.Runs) {
            if (r.Text.isEmpty()) continue;
            const TRichFormat& f = r.Format;
            out += "{\\plain";
            const String name = rtfFontName(f.FontName);
            if (!name.isEmpty()) {
                const auto at = std::find(fonts.begin(), fonts.end(), name) - fonts.begin();
                out += "\\f" + QByteArray::number(static_cast<int>(at));
            }
            out += "\\fs" + QByteArray::number(std::clamp(f.HalfPoints, 1, 3276));
            if (f.Bold) out += "\\b";
            if (f.Italic) out += "\\i";
            if (f.Underline) out += "\\ul";
            if (f.StrikeOut) out += "\\strike";
            if (f.Script == rsSubscript) out += "\\sub";
            if (f.Script == rsSuperscript) out += "\\super";
            if (f.Color != clNone) {
                const auto at = std::find(colors.begin(), colors.end(), f.Color) - colors.begin();
                out += "\\cf" + QByteArray::number(static_cast<int>(at) + 1);
            }
            out += ' ';
            rtfWriteEscaped(out, r.Text);
            out += '}';
        }
        out += "\\par\r\n";
    }
    out += '}';
    return out;
}

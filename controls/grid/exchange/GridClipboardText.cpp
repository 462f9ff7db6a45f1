// The clipboard's plain text of cells: quoting a cell, and reading a text into lines of fields.
#include "controls/grid/exchange/GridClipboardText.h"

namespace {

constexpr QChar kClipTab(9);
constexpr QChar kClipCR(13);
constexpr QChar kClipLF(10);
constexpr QChar kClipQuote(u'"');
constexpr QChar kClipVT(11);

bool ClipIsLineEnd(QChar c) {
    return c == kClipCR || c == kClipLF;
}

// Past the line break at `i` (CR LF counts as one).
qsizetype ClipSkipLineEnd(const String& text, qsizetype i) {
    return text[i] == kClipCR && i + 1 < text.size() && text[i + 1] == kClipLF ? i + 2 : i + 1;
}

// The end of a quoted field opening at `start`: the index after its closing quote, or -1 when no closing
// quote is followed by a tab, a line break or the end of the text.
qsizetype ClipQuotedFieldEnd(const String& text, qsizetype start) {
    const qsizetype n = text.size();
    for (qsizetype i = start + 1; i < n; ++i) {
        if (text[i] != kClipQuote) continue;
        if (i + 1 < n && text[i + 1] == kClipQuote) {
            ++i;
            continue;
        }
        if (i + 1 == n || text[i + 1] == kClipTab || ClipIsLineEnd(text[i + 1])) return i + 1;
    }
    return -1;
}

// The inside of a quoted field: doubled quotes as one, each line break CR LF.
String ClipUnquoteField(const String& text, qsizetype start, qsizetype end) {
    String out;
    for (qsizetype i = start + 1; i < end - 1; ++i) {
        const QChar c = text[i];
        if (c == kClipQuote) {
            out += kClipQuote;
            ++i;
        } else if (ClipIsLineEnd(c)) {
            out += QStringLiteral("\r\n");
            if (c == kClipCR && i + 1 < end - 1 && text[i + 1] == kClipLF) ++i;
        } else if (c == kClipVT) {
            out += QStringLiteral("\r\n");
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

String GridClipboardText::QuoteCell(const String& Text, bool SpreadsheetForm) {
    const bool quote = Text.startsWith(kClipQuote) || Text.contains(kClipTab) || Text.contains(kClipCR) ||
                       Text.contains(kClipLF);
    if (!quote) return Text;
    const QChar lineBreak = SpreadsheetForm ? kClipVT : kClipLF;
    String out;
    out.reserve(Text.size() + 2);
    out += kClipQuote;
    for (qsizetype i = 0; i < Text.size(); ++i) {
        const QChar c = Text[i];
        if (c == kClipQuote) {
            out += QStringLiteral("\"\"");
        } else if (ClipIsLineEnd(c)) {
            out += lineBreak;
            if (c == kClipCR && i + 1 < Text.size() && Text[i + 1] == kClipLF) ++i;
        } else {
            out += c;
        }
    }
    out += kClipQuote;
    return out;
}

std::vector<std::vector<String>> GridClipboardText::Parse(const String& Text) {
    std::vector<std::vector<String>> lines(1);
    const qsizetype n = Text.size();
    qsizetype i = 0;
    while (true) {
        String field;
        bool quoted = false;
        if (i < n && Text[i] == kClipQuote) {
            const qsizetype end = ClipQuotedFieldEnd(Text, i);
            if (end > 0) {
                field = ClipUnquoteField(Text, i, end);
                i = end;
                quoted = true;
            }
        }
        if (!quoted) {
            const qsizetype start = i;
            while (i < n && Text[i] != kClipTab && !ClipIsLineEnd(Text[i]))
                ++i;
            field = Text.mid(start, i - start);
            if (field.contains(kClipVT)) field.replace(kClipVT, QStringLiteral("\r\n"));
        }
        lines.back().push_back(field);
        if (i >= n) break;
        if (Text[i] == kClipTab) {
            ++i;
            continue;
        }
        i = ClipSkipLineEnd(Text, i);
        lines.emplace_back();
        if (i >= n) {
            lines.back().push_back(String());
            break;
        }
    }
    return lines;
}

void GridClipboardText::BlockSize(const String& Text, int& Cols, int& Rows) {
    Cols = 0;
    Rows = 0;
    if (Text.isEmpty()) return;
    std::vector<std::vector<String>> lines = Parse(Text);
    if (lines.size() > 1 && lines.back().size() == 1 && lines.back()[0].isEmpty()) lines.pop_back();
    for (const std::vector<String>& line : lines)
        Cols = std::max(Cols, static_cast<int>(line.size()));
    Rows = static_cast<int>(lines.size()) - 1;
}

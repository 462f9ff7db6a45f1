// The canvas' text: output, measuring and the formatted DrawText.
#include "toolkit/graphics/Canvas.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
constexpr auto kEllipsis = "...";

struct TextLineOut {
    String text;
    int underline = -1; // index in text of the character after a single "&"
};

// Takes the "&" prefixes out of a line: "&&" is "&", "&x" underlines x.
TextLineOut drawTextStripPrefix(const String& s) {
    TextLineOut out;
    for (int i = 0; i < s.size(); ++i) {
        if (s[i] == u'&' && i + 1 < s.size()) {
            ++i;
            if (s[i] != u'&') out.underline = out.text.size();
        } else if (s[i] == u'&') {
            continue; // a lone trailing prefix shows nothing
        }
        out.text += s[i];
    }
    return out;
}

String drawTextExpandTabs(const String& s, const QFontMetrics& fm) {
    if (!s.contains(u'\t')) return s;
    const int space = std::max(1, fm.horizontalAdvance(u' '));
    const int stop = 8 * std::max(1, fm.averageCharWidth());
    String out;
    for (QChar c : s) {
        if (c != u'\t') {
            out += c;
            continue;
        }
        const int x = fm.horizontalAdvance(out);
        const int next = (x / stop + 1) * stop;
        out += String((next - x + space - 1) / space, u' ');
    }
    return out;
}

// Longest start of `s` that fits `width` with the ellipsis after it.
String drawTextEndEllipsis(const String& s, int width, const QFontMetrics& fm) {
    if (fm.horizontalAdvance(s) <= width) return s;
    String head = s;
    while (!head.isEmpty() && fm.horizontalAdvance(head + kEllipsis) > width)
        head.chop(1);
    return head + kEllipsis;
}

// Keeps the last path component and shortens what comes before it: "C:\a\...\file.txt".
String drawTextPathEllipsis(const String& s, int width, const QFontMetrics& fm) {
    if (fm.horizontalAdvance(s) <= width) return s;
    const int cut = std::max(s.lastIndexOf(u'\\'), s.lastIndexOf(u'/'));
    if (cut < 0) return drawTextEndEllipsis(s, width, fm);
    const String tail = s.mid(cut);
    String head = s.left(cut);
    while (!head.isEmpty() && fm.horizontalAdvance(head + kEllipsis + tail) > width)
        head.chop(1);
    if (head.isEmpty()) return drawTextEndEllipsis(kEllipsis + tail, width, fm);
    return head + kEllipsis + tail;
}

// Breaks one paragraph at spaces so that each line fits; a word wider than the width stays whole.
QStringList drawTextWordBreak(const String& para, int width, const QFontMetrics& fm) {
    QStringList lines;
    String line;
    int i = 0;
    const int n = para.size();
    while (i < n) {
        int j = i;
        while (j < n && para[j] != u' ')
            ++j;
        const String word = para.mid(i, j - i);
        int k = j;
        while (k < n && para[k] == u' ')
            ++k;
        const String spaces = para.mid(j, k - j);
        if (!line.isEmpty() && fm.horizontalAdvance(line + word) > width) {
            lines << line;
            line.clear();
        }
        line += word;
        line += spaces;
        i = k;
    }
    lines << line;
    // Spaces at a break are not shown.
    for (String& l : lines) {
        while (l.endsWith(u' ') && lines.size() > 1)
            l.chop(1);
    }
    return lines;
}
} // namespace

const QFont& TCanvas::QtFont() const {
    if (!FMetrics || !FCachedFont.Equals(FFont)) {
        FCachedFont.Assign(&FFont);
        FQFont = FFont.toQFont();
        FMetrics = std::make_unique<QFontMetrics>(FQFont);
    }
    return FQFont;
}

const QFontMetrics& TCanvas::QtMetrics() const {
    QtFont();
    return *FMetrics;
}

int TCanvas::TextWidth(const String& text) const {
    return TextExtent(text).cx;
}

int TCanvas::TextHeight(const String& text) const {
    return TextExtent(text).cy;
}

TSize TCanvas::TextExtent(const String& text) const {
    const QFontMetrics& fm = QtMetrics();
    return TSize{fm.horizontalAdvance(text), fm.height()};
}

void TCanvas::DrawTextLine(QPainter* p, int x, int y, const String& text, int underlineIndex) {
    const QFont& font = QtFont();
    const QFontMetrics& fm = QtMetrics();
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->setRenderHint(QPainter::TextAntialiasing, true);
    p->setFont(font);
    p->setPen(ToQColor(FFont.Color()));
    p->drawText(QPoint(x, y + fm.ascent()), text);
    if (underlineIndex >= 0 && underlineIndex < text.size()) {
        const int ux = x + fm.horizontalAdvance(text.left(underlineIndex));
        const int uw = fm.horizontalAdvance(text.mid(underlineIndex, 1));
        p->fillRect(QRect(ux, y + fm.ascent() + fm.underlinePos(), uw, std::max(1, fm.lineWidth())),
                    ToQColor(FFont.Color()));
    }
}

void TCanvas::TextOut(int x, int y, const String& text) {
    const TSize size = TextExtent(text);
    if (QPainter* p = Require()) {
        // The platform fills the text's cell with the brush only when the brush is solid.
        if (FBrush.Style() == bsSolid) {
            p->setCompositionMode(QPainter::CompositionMode_SourceOver);
            p->fillRect(QRect(x, y, size.cx, size.cy), ToQColor(FBrush.Color()));
        }
        DrawTextLine(p, x, y, text, -1);
    }
    FPenPos = TPoint(x + size.cx, y);
}

void TCanvas::TextRect(const TRect& r, int x, int y, const String& text) {
    QPainter* p = Require();
    if (!p) return;
    if (FBrush.Style() == bsSolid && !r.IsEmpty()) {
        p->setCompositionMode(QPainter::CompositionMode_SourceOver);
        p->fillRect(r.toQRect(), ToQColor(FBrush.Color()));
    }
    const QFontMetrics& fm = QtMetrics();
    // The widest glyph bounds a text without shaping it twice; a text that may cross the edge is clipped.
    const bool inside = x >= r.Left && y >= r.Top && y + fm.height() <= r.Bottom &&
                        x + text.size() * fm.maxWidth() <= r.Right;
    if (inside) {
        DrawTextLine(p, x, y, text, -1);
        return;
    }
    p->save();
    p->setClipRect(r.toQRect(), p->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    DrawTextLine(p, x, y, text, -1);
    p->restore();
}

int DrawText(TCanvas* canvas, const String& text, TRect& rect, unsigned flags) {
    if (!canvas) return 0;
    const QFontMetrics& fm = canvas->QtMetrics();
    const int lineHeight = fm.height();
    const int width = rect.Width();
    const bool single = flags & DT_SINGLELINE;

    QStringList paragraphs;
    if (single) {
        String s = text;
        s.remove(u'\r');
        s.remove(u'\n');
        paragraphs << s;
    } else {
        String s = text;
        s.replace("\r\n", "\n");
        s.replace(u'\r', u'\n');
        paragraphs = s.split(u'\n');
    }

    std::vector<TextLineOut> lines;
    for (const String& para : paragraphs) {
        String plain = para;
        int underline = -1;
        if (!(flags & DT_NOPREFIX)) {
            TextLineOut stripped = drawTextStripPrefix(para);
            plain = stripped.text;
            underline = stripped.underline;
        }
        plain = (flags & DT_EXPANDTABS) ? drawTextExpandTabs(plain, fm) : plain.replace(u'\t', u' ');
        // A prefix underline is kept only while the broken or shortened line still shows that character.
        QStringList parts =
            (flags & DT_WORDBREAK) && !single ? drawTextWordBreak(plain, width, fm) : QStringList{plain};
        int offset = 0;
        for (String part : parts) {
            const int start = plain.indexOf(part, offset);
            int u = underline >= start && underline < start + part.size() ? underline - start : -1;
            offset = start + part.size();
            const String before = part;
            if (flags & DT_PATH_ELLIPSIS)
                part = drawTextPathEllipsis(part, width, fm);
            else if (flags & DT_END_ELLIPSIS)
                part = drawTextEndEllipsis(part, width, fm);
            if (part != before && u >= part.size() - 3) u = -1;
            lines.push_back(TextLineOut{part, u});
        }
    }

    int textWidth = 0;
    for (const TextLineOut& l : lines)
        textWidth = std::max(textWidth, fm.horizontalAdvance(l.text));
    const int textHeight = static_cast<int>(lines.size()) * lineHeight;

    if (flags & DT_CALCRECT) {
        rect.Right = rect.Left + textWidth;
        rect.Bottom = rect.Top + textHeight;
        return textHeight;
    }

    int top = rect.Top;
    if (single && (flags & DT_VCENTER))
        top = rect.Top + (rect.Height() - textHeight) / 2;
    else if (single && (flags & DT_BOTTOM))
        top = rect.Bottom - textHeight;

    if (QPainter* p = canvas->Require()) {
        p->save();
        if (!(flags & DT_NOCLIP))
            p->setClipRect(rect.toQRect(), p->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
        if (flags & DT_RTLREADING) p->setLayoutDirection(Qt::RightToLeft);
        int y = top;
        for (const TextLineOut& l : lines) {
            const int w = fm.horizontalAdvance(l.text);
            int x = rect.Left;
            if (flags & DT_CENTER)
                x = rect.Left + (width - w) / 2;
            else if (flags & DT_RIGHT)
                x = rect.Right - w;
            canvas->DrawTextLine(p, x, y, l.text, l.underline);
            y += lineHeight;
        }
        p->restore();
    }
    return (single && (flags & (DT_VCENTER | DT_BOTTOM))) ? top - rect.Top + textHeight : textHeight;
}

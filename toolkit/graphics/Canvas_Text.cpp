// The canvas' text: output, measuring and the formatted DrawText.
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/TextWidths.h"

#include <QCache>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QStaticText>

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

String drawTextExpandTabs(const String& s, const QFontMetrics& fm, TextWidthModel& tw) {
    if (!s.contains(u'\t')) return s;
    const int space = std::max(1, fm.horizontalAdvance(u' '));
    const int stop = 8 * std::max(1, fm.averageCharWidth());
    String out;
    for (QChar c : s) {
        if (c != u'\t') {
            out += c;
            continue;
        }
        const int x = tw.Width(out);
        const int next = (x / stop + 1) * stop;
        out += String((next - x + space - 1) / space, u' ');
    }
    return out;
}

// Longest start of `s` that fits `width` with the ellipsis after it.
String drawTextEndEllipsis(const String& s, int width, TextWidthModel& tw) {
    if (tw.Width(s) <= width) return s;
    String head = s;
    while (!head.isEmpty() && tw.Width(head + kEllipsis) > width)
        head.chop(1);
    return head + kEllipsis;
}

// Keeps the last path component and shortens what comes before it: "C:\a\...\file.txt".
String drawTextPathEllipsis(const String& s, int width, TextWidthModel& tw) {
    if (tw.Width(s) <= width) return s;
    const int cut = std::max(s.lastIndexOf(u'\\'), s.lastIndexOf(u'/'));
    if (cut < 0) return drawTextEndEllipsis(s, width, tw);
    const String tail = s.mid(cut);
    String head = s.left(cut);
    while (!head.isEmpty() && tw.Width(head + kEllipsis + tail) > width)
        head.chop(1);
    if (head.isEmpty()) return drawTextEndEllipsis(kEllipsis + tail, width, tw);
    return head + kEllipsis + tail;
}

// Breaks one paragraph at spaces so that each line fits; a word wider than the width stays whole.
QStringList drawTextWordBreak(const String& para, int width, TextWidthModel& tw) {
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
        if (!line.isEmpty() && tw.Width(line + word) > width) {
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
    // The colour does not change the glyphs, so a cell in another colour keeps the metrics.
    if (!FMetrics || FCachedFont.Name() != FFont.Name() || FCachedFont.Size() != FFont.Size() ||
        FCachedFont.Style() != FFont.Style() || FCachedFont.Charset() != FFont.Charset() ||
        FCachedFont.Pitch() != FFont.Pitch()) {
        FCachedFont.Assign(&FFont);
        FQFont = FFont.toQFont();
        FMetrics = std::make_unique<QFontMetrics>(FQFont);
        FWidths = TextWidthModel::For(FQFont);
    }
    return FQFont;
}

const QFontMetrics& TCanvas::QtMetrics() const {
    QtFont();
    return *FMetrics;
}

// Grids measure every cell of a column: widths come from the font's width model instead of shaping each
// text, and the height, the font's own, needs no text at all.
int TCanvas::TextWidth(const String& text) const {
    QtFont();
    return FWidths->Width(text);
}

int TCanvas::TextHeight(const String&) const {
    return QtMetrics().height();
}

TSize TCanvas::TextExtent(const String& text) const {
    return TSize{TextWidth(text), TextHeight(text)};
}

void TCanvas::DrawTextLine(QPainter* p, int x, int y, const String& text, int underlineIndex) {
    const QFont& font = QtFont();
    const QFontMetrics& fm = QtMetrics();
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->setRenderHint(QPainter::TextAntialiasing, true);
    p->setFont(font);
    p->setPen(ToQColor(FFont.Color()));
    // Under a mapping with y upwards the line hangs below y, upright, as it does in pixels (DrawText turns
    // the painter round once for all its lines).
    const bool flipped = FMapping.FlipsY() && !FTextUpright;
    if (flipped) {
        p->save();
        p->translate(x, y);
        p->scale(1, -1);
        x = 0;
        y = 0;
    }
    p->drawText(QPoint(x, y + fm.ascent()), text);
    if (underlineIndex >= 0 && underlineIndex < text.size()) {
        const int ux = x + fm.horizontalAdvance(text.left(underlineIndex));
        const int uw = fm.horizontalAdvance(text.mid(underlineIndex, 1));
        p->fillRect(QRect(ux, y + fm.ascent() + fm.underlinePos(), uw, std::max(1, fm.lineWidth())),
                    ToQColor(FFont.Color()));
    }
    if (flipped) p->restore();
}

void TCanvas::TextOut(int x, int y, const String& text) {
    const TSize size = TextExtent(text);
    if (QPainter* p = Require()) {
        // The platform fills the text's cell with the brush only when the brush is solid.
        if (FBrush.Style() == bsSolid) {
            p->setCompositionMode(QPainter::CompositionMode_SourceOver);
            const int top = FMapping.FlipsY() ? y - size.cy : y;
            p->fillRect(QRect(x, top, size.cx, size.cy), ToQColor(FBrush.Color()));
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

namespace {
// The result of laying out one DrawText call: its lines, their widths and their shaped glyphs.
struct DrawTextLayout {
    std::vector<TextLineOut> lines;
    std::vector<int> widths;
    std::vector<QStaticText> glyphs;
    int draws = 0;
    int textWidth = 0;
};

// What decides a layout: the text, the font without its colour, the flags that shape lines and, when
// lines are broken or shortened, the width.
struct DrawTextLayoutKey {
    String text;
    String fontName;
    int fontSize = 0;
    int fontStyle = 0;
    int fontPitch = 0;
    int width = 0;
    unsigned flags = 0;
    bool operator==(const DrawTextLayoutKey& o) const {
        return fontSize == o.fontSize && width == o.width && flags == o.flags && fontStyle == o.fontStyle &&
               fontPitch == o.fontPitch && text == o.text && fontName == o.fontName;
    }
};

size_t qHash(const DrawTextLayoutKey& k, size_t seed = 0) {
    return qHashMulti(seed, k.text, k.fontName, k.fontSize, k.fontStyle, k.width, k.flags);
}

constexpr unsigned kLayoutFlags =
    DT_WORDBREAK | DT_SINGLELINE | DT_EXPANDTABS | DT_NOPREFIX | DT_PATH_ELLIPSIS | DT_END_ELLIPSIS;

// Grids draw the same cell texts on every paint; shaping them is most of the cost, so laid-out texts are
// kept (least recently used first out) and dropped with the application.
QCache<DrawTextLayoutKey, DrawTextLayout>* drawTextLayoutCache() {
    static QCache<DrawTextLayoutKey, DrawTextLayout>* cache = [] {
        auto* c = new QCache<DrawTextLayoutKey, DrawTextLayout>(8192);
        qAddPostRoutine([] { delete drawTextLayoutCache(); });
        return c;
    }();
    return cache;
}

DrawTextLayout layoutDrawText(const String& text, int width, unsigned flags, const QFontMetrics& fm,
                              TextWidthModel& tw) {
    DrawTextLayout out;
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
    for (const String& para : paragraphs) {
        String plain = para;
        int underline = -1;
        if (!(flags & DT_NOPREFIX)) {
            TextLineOut stripped = drawTextStripPrefix(para);
            plain = stripped.text;
            underline = stripped.underline;
        }
        plain = (flags & DT_EXPANDTABS) ? drawTextExpandTabs(plain, fm, tw) : plain.replace(u'\t', u' ');
        // A prefix underline is kept only while the broken or shortened line still shows that character.
        QStringList parts =
            (flags & DT_WORDBREAK) && !single ? drawTextWordBreak(plain, width, tw) : QStringList{plain};
        int offset = 0;
        for (String part : parts) {
            const int start = plain.indexOf(part, offset);
            int u = underline >= start && underline < start + part.size() ? underline - start : -1;
            offset = start + part.size();
            const String before = part;
            if (flags & DT_PATH_ELLIPSIS)
                part = drawTextPathEllipsis(part, width, tw);
            else if (flags & DT_END_ELLIPSIS)
                part = drawTextEndEllipsis(part, width, tw);
            if (part != before && u >= part.size() - 3) u = -1;
            out.lines.push_back(TextLineOut{part, u});
        }
    }
    for (const TextLineOut& l : out.lines) {
        const int w = tw.Width(l.text);
        out.widths.push_back(w);
        out.textWidth = std::max(out.textWidth, w);
    }
    return out;
}
} // namespace

int DrawText(TCanvas* canvas, const String& text, TRect& rect, unsigned flags) {
    if (!canvas) return 0;
    if (canvas->FMapping.FlipsY() && !canvas->FTextUpright) {
        // Under a mapping with y upwards the rectangle's Top lies above its Bottom. The text is laid out
        // in the mirror image, where y runs downwards as in pixels, with the painter turned to match, so
        // lines follow each other downwards and glyphs stay upright.
        TRect upright(rect.Left, -rect.Top, rect.Right, -rect.Bottom);
        QPainter* p = (flags & DT_CALCRECT) ? nullptr : canvas->Require();
        struct Turned {
            TCanvas* c;
            QPainter* p;
            ~Turned() {
                c->FTextUpright = false;
                if (p) p->restore();
            }
        } turned{canvas, p};
        if (p) {
            p->save();
            p->scale(1, -1);
        }
        canvas->FTextUpright = true;
        const int h = DrawText(canvas, text, upright, flags);
        rect = TRect(upright.Left, -upright.Top, upright.Right, -upright.Bottom);
        return h;
    }
    const QFontMetrics& fm = canvas->QtMetrics();
    const int lineHeight = fm.height();
    const int width = rect.Width();
    const bool single = flags & DT_SINGLELINE;

    const TFont& f = canvas->FFont;
    const bool widthMatters =
        (flags & (DT_PATH_ELLIPSIS | DT_END_ELLIPSIS)) || ((flags & DT_WORDBREAK) && !single);
    DrawTextLayoutKey key{text,
                          f.Name(),
                          f.Size(),
                          static_cast<int>(f.Style()),
                          f.Pitch(),
                          widthMatters ? width : -1,
                          flags & kLayoutFlags};
    QCache<DrawTextLayoutKey, DrawTextLayout>* cache = drawTextLayoutCache();
    DrawTextLayout* layout = cache->object(key);
    if (!layout) {
        layout = new DrawTextLayout(layoutDrawText(text, width, flags, fm, *canvas->FWidths));
        // The pointer stays valid until the cache changes again, which nothing below does.
        if (!cache->insert(key, layout)) return 0;
    }
    const int textWidth = layout->textWidth;
    const int textHeight = static_cast<int>(layout->lines.size()) * lineHeight;

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
        const bool rtl = flags & DT_RTLREADING;
        // Text that stays inside the rectangle needs no clip (a clip per cell costs as much as the text).
        const bool fits = (flags & DT_NOCLIP) ||
                          (textWidth + 1 <= width && top >= rect.Top && top + textHeight <= rect.Bottom);
        const bool saved = rtl || !fits;
        if (saved) {
            p->save();
            if (!fits) p->setClipRect(rect.toQRect(), p->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
            if (rtl) p->setLayoutDirection(Qt::RightToLeft);
        }
        // Keeping the glyphs costs more than shaping once: a text drawn once (a row scrolled past) is shaped
        // as it is drawn, one drawn again keeps them.
        if (layout->glyphs.empty() && !rtl && layout->draws++ > 0) {
            layout->glyphs.reserve(layout->lines.size());
            for (const TextLineOut& l : layout->lines) {
                QStaticText st(l.text);
                st.setTextFormat(Qt::PlainText);
                st.prepare(QTransform(), canvas->QtFont());
                layout->glyphs.push_back(std::move(st));
            }
        }
        const bool useGlyphs = !rtl && layout->glyphs.size() == layout->lines.size();
        if (useGlyphs) {
            if (p->compositionMode() != QPainter::CompositionMode_SourceOver)
                p->setCompositionMode(QPainter::CompositionMode_SourceOver);
            if (!p->testRenderHint(QPainter::TextAntialiasing))
                p->setRenderHint(QPainter::TextAntialiasing, true);
            const QFont& qf = canvas->QtFont();
            if (p->font() != qf) p->setFont(qf);
            p->setPen(ToQColor(f.Color()));
        }
        int y = top;
        for (size_t i = 0; i < layout->lines.size(); ++i) {
            const TextLineOut& l = layout->lines[i];
            const int w = layout->widths[i];
            int x = rect.Left;
            if (flags & DT_CENTER)
                x = rect.Left + (width - w) / 2;
            else if (flags & DT_RIGHT)
                x = rect.Right - w;
            if (useGlyphs && l.underline < 0)
                p->drawStaticText(QPoint(x, y), layout->glyphs[i]);
            else
                canvas->DrawTextLine(p, x, y, l.text, l.underline);
            y += lineHeight;
        }
        if (saved) p->restore();
    }
    return (single && (flags & (DT_VCENTER | DT_BOTTOM))) ? top - rect.Top + textHeight : textHeight;
}

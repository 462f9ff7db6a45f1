// The width of a line of text from its characters' and neighbouring pairs' shaped advances.
#include "toolkit/graphics/TextWidths.h"

#include <QCoreApplication>
#include <QGlyphRun>
#include <QTextLayout>

#include <cmath>

namespace {
int textWidthFixed(qreal px) {
    return static_cast<int>(std::lround(px * 64));
}

// The shaper's rounding of its 1/64 px sum to whole pixels.
int textWidthRound(qint64 v) {
    return static_cast<int>((v + 32) >> 6);
}

QCache<QString, std::shared_ptr<TextWidthModel>>* textWidthModels() {
    static QCache<QString, std::shared_ptr<TextWidthModel>>* cache = [] {
        auto* c = new QCache<QString, std::shared_ptr<TextWidthModel>>(64);
        qAddPostRoutine([] { delete textWidthModels(); });
        return c;
    }();
    return cache;
}
} // namespace

TextWidthModel::TextWidthModel(const QFont& font)
    : FFont(font), FMetrics(font), FAdvances(kModelledEnd, kUnknown) {}

std::shared_ptr<TextWidthModel> TextWidthModel::For(const QFont& font) {
    QCache<QString, std::shared_ptr<TextWidthModel>>* cache = textWidthModels();
    const QString key = font.key();
    if (std::shared_ptr<TextWidthModel>* found = cache->object(key)) return *found;
    auto model = std::make_shared<TextWidthModel>(font);
    cache->insert(key, new std::shared_ptr<TextWidthModel>(model));
    return model;
}

bool TextWidthModel::Modelled(char16_t c) const {
    // Printable Latin only: controls, the soft hyphen and everything beyond are shaped whole.
    return c < kModelledEnd && c >= 0x20 && (c < 0x7F || c > 0xA0) && c != 0xAD;
}

bool TextWidthModel::SubstitutesGlyphs(const QString& text) {
    QTextLayout layout(text, FFont);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (runs.size() != 1) return true;
    if (!FRaw) FRaw = std::make_unique<QRawFont>(QRawFont::fromFont(FFont));
    return runs.front().rawFont() != *FRaw ||
           runs.front().glyphIndexes() != FRaw->glyphIndexesForString(text);
}

int TextWidthModel::Advance(char16_t c) {
    int& a = FAdvances[c];
    if (a == kUnknown) {
        const QString s(QChar{c});
        a = SubstitutesGlyphs(s) ? kShaped : textWidthFixed(FMetrics.horizontalAdvance(s));
    }
    return a;
}

int TextWidthModel::PairAdjustment(char16_t a, char16_t b) {
    const quint32 key = (quint32(a) << 16) | b;
    auto it = FPairs.constFind(key);
    if (it != FPairs.constEnd()) return *it;
    const QChar both[2] = {QChar{a}, QChar{b}};
    const QString pair(both, 2);
    const int adjustment = SubstitutesGlyphs(pair)
                               ? kShaped
                               : textWidthFixed(FMetrics.horizontalAdvance(pair)) - Advance(a) - Advance(b);
    FPairs.insert(key, adjustment);
    return adjustment;
}

int TextWidthModel::Shaped(const QString& text) {
    if (const int* w = FShaped.object(text)) return *w;
    const int w = QFontMetrics(FFont).horizontalAdvance(text);
    FShaped.insert(text, new int(w));
    return w;
}

int TextWidthModel::Width(const QString& text) {
    if (FMeasured < kShapedFirst) {
        ++FMeasured;
        return Shaped(text);
    }
    qint64 sum = 0;
    char16_t prev = 0;
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (!Modelled(c)) return Shaped(text);
        const int a = Advance(c);
        if (a == kShaped) return Shaped(text);
        sum += a;
        if (prev) {
            const int k = PairAdjustment(prev, c);
            if (k == kShaped) return Shaped(text);
            sum += k;
        }
        prev = c;
    }
    return textWidthRound(sum);
}

// Inside the toolkit canvas: the width of a line of text in one font, without shaping it each time.
#pragma once

#include <QCache>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QRawFont>
#include <QString>

#include <memory>
#include <vector>

// Text in the Latin ranges is laid out glyph by glyph with kerning between neighbours and nothing else, so
// its shaped width is the sum of each character's shaped advance and of each neighbouring pair's
// adjustment, both taken once from the shaper in exact 1/64 pixel units and rounded as the shaper's sum
// is. A character or pair that the font substitutes (a ligature, an alternate, a glyph of a fallback
// font), and every text with other characters, is shaped whole; those widths are kept too. Learning a
// character or pair costs more than shaping one text, so a font's first texts are shaped whole: the model
// serves the fonts that measure many (a grid sizing its columns), not a window's few labels.
class TextWidthModel {
public:
    explicit TextWidthModel(const QFont& font);
    // Equals QFontMetrics(font).horizontalAdvance(text).
    int Width(const QString& text);
    // The shared model of a font (a few dozen fonts are kept, least recently used first out).
    static std::shared_ptr<TextWidthModel> For(const QFont& font);

private:
    static constexpr char16_t kModelledEnd = 0x0180;
    static constexpr int kUnknown = INT32_MIN;
    static constexpr int kShaped = INT32_MIN + 1;
    static constexpr int kShapedFirst = 256;

    bool Modelled(char16_t c) const;
    int Advance(char16_t c);
    int PairAdjustment(char16_t a, char16_t b);
    bool SubstitutesGlyphs(const QString& text);
    int Shaped(const QString& text);

    QFont FFont;
    QFontMetricsF FMetrics;
    std::unique_ptr<QRawFont> FRaw;
    int FMeasured = 0;
    std::vector<int> FAdvances; // by character, in 1/64 px
    QHash<quint32, int> FPairs; // by (first << 16 | second), in 1/64 px
    QCache<QString, int> FShaped{4096};
};

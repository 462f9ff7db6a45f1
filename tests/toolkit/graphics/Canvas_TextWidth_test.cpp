// The canvas measures text from per-character and per-pair widths; every width must equal the shaper's
// for the whole text, in fonts with kerning, with ligatures and in other scripts.
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Picture.h"

#include <QFontMetrics>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {
struct FontCase {
    const char* name;
    int size;
    TFontStyles style;
};

// DejaVu kerns, Nimbus Roman has the f-ligatures, the mono font neither; the rest are sizes and styles.
const FontCase kWidthFonts[] = {
    {"DejaVu Sans", 8, 0},   {"DejaVu Sans", 9, fsBold},       {"DejaVu Serif", 11, fsItalic},
    {"Nimbus Roman", 10, 0}, {"Nimbus Sans", 12, fsBold},      {"DejaVu Sans Mono", 10, 0},
    {"MS Sans Serif", 8, 0}, {"DejaVu Sans", 20, fsUnderline},
};

// The texts the grid's sizing tests measure, and the cases a per-character sum could get wrong.
const char* const kWidthTexts[] = {
    "",
    "Id",
    "short",
    "A considerably longer cell text",
    "the third column's text",
    "underlined words",
    "r1c1",
    "r99999c9",
    "gh",
    "AVATAR To Wa LT Ty yo",
    "office affine fluffy waffle fjord",
    "ﬁ ligature sign",
    "Größe Ünïcödé Ærø",
    "Łódź Čeština",
    "tab\there",
    "two\nlines",
    "e\u0301 combining",
    "soft\u00adhyphen",
    "русский текст",
    "中文字符",
    "עברית",
    "a\u200bzero width",
    "  leading and trailing  ",
    "1,234.56 %",
    "OPC_UA_Variable_0001",
    "x\u009cafter",
    "\U0001F600 emoji",
};
} // namespace

TEST(CanvasTextWidth, EqualsTheShapedWidthOfTheWholeText) {
    TBitmap bmp;
    bmp.SetSize(8, 8);
    TCanvas* canvas = bmp.Canvas();
    QRandomGenerator random(33);
    for (const FontCase& f : kWidthFonts) {
        SCOPED_TRACE(f.name);
        canvas->Font()->SetName(f.name);
        canvas->Font()->SetSize(f.size);
        canvas->Font()->SetStyle(f.style);
        const QFontMetrics fm(canvas->Font()->toQFont());
        // Random printable Latin first, so that the font measures enough texts to use its model for the
        // texts below; measured again at the end, reading only what was kept.
        QStringList texts;
        for (int i = 0; i < 300; ++i) {
            QString s;
            const int n = int(random.bounded(1, 30));
            for (int j = 0; j < n; ++j)
                s += QChar(random.bounded(4) == 0 ? random.bounded(0xA1, 0x180) : random.bounded(0x20, 0x7F));
            texts << s;
        }
        for (const QString& s : texts)
            ASSERT_EQ(canvas->TextWidth(s), fm.horizontalAdvance(s)) << s.toStdString();
        for (const char* t : kWidthTexts) {
            const QString text = QString::fromUtf8(t);
            EXPECT_EQ(canvas->TextWidth(text), fm.horizontalAdvance(text)) << t;
            EXPECT_EQ(canvas->TextExtent(text).cx, fm.horizontalAdvance(text)) << t;
        }
        for (const QString& s : texts)
            ASSERT_EQ(canvas->TextWidth(s), fm.horizontalAdvance(s)) << s.toStdString();
        EXPECT_EQ(canvas->TextHeight("gh"), fm.height());
    }
}

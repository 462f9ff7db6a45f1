// The markup renderer beside QTextDocument on typical cell markup (bold, colour, italic, a link): measuring
// and drawing, once and ten times the text.
#include "controls/markup/QsgHTMLE.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Picture.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTextDocument>
#include <benchmark/benchmark.h>

#include "BenchPairs.h"

namespace {

constexpr int kMarkupBenchWidth = 400;

QString cellMarkup(int times) {
    QString s;
    for (int i = 0; i < times; ++i)
        s += QStringLiteral("Item <b>42</b> is <font color=\"clRed\">over</font> the <i>limit</i>, see "
                            "<a href=\"http://127.0.0.1/d\">details</a> ");
    return s;
}

QString cellHtml(int times) {
    QString s;
    for (int i = 0; i < times; ++i)
        s += QStringLiteral("Item <b>42</b> is <font color=\"#FF0000\">over</font> the <i>limit</i>, see "
                            "<a href=\"http://127.0.0.1/d\">details</a> ");
    return s;
}

struct Surface {
    TBitmap bitmap;
    Surface() {
        bitmap.SetSize(kMarkupBenchWidth, 400);
        bitmap.Canvas()->Font()->SetName("DejaVu Sans");
        bitmap.Canvas()->Font()->SetSize(9);
    }
};

void runOurs(benchmark::State& state, bool measureOnly) {
    Surface s;
    TMarkupInput in;
    in.Canvas = s.bitmap.Canvas();
    in.Text = cellMarkup(static_cast<int>(state.range(0)));
    in.Rect = TRect(0, 0, kMarkupBenchWidth, 400);
    in.WordWrap = true;
    in.CheckHeight = measureOnly;
    for (auto _ : state) {
        TMarkupOutput out;
        RenderMarkup(in, out);
        benchmark::DoNotOptimize(out.YSize);
    }
}

void runTextDocument(benchmark::State& state, bool measureOnly) {
    Surface s;
    QFont font("DejaVu Sans");
    font.setPointSize(9);
    const QString html = cellHtml(static_cast<int>(state.range(0)));
    QTextDocument doc;
    doc.setDefaultFont(font);
    doc.setDocumentMargin(0);
    doc.setTextWidth(kMarkupBenchWidth);
    QImage image(kMarkupBenchWidth, 400, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        doc.setHtml(html);
        const QSizeF size = doc.documentLayout()->documentSize();
        benchmark::DoNotOptimize(size);
        if (!measureOnly) {
            QPainter p(&image);
            doc.drawContents(&p, QRectF(0, 0, kMarkupBenchWidth, 400));
        }
    }
}

void BM_Measure_RenderMarkup(benchmark::State& state) {
    runOurs(state, true);
}
void BM_Measure_QTextDocument(benchmark::State& state) {
    runTextDocument(state, true);
}
void BM_Draw_RenderMarkup(benchmark::State& state) {
    runOurs(state, false);
}
void BM_Draw_QTextDocument(benchmark::State& state) {
    runTextDocument(state, false);
}

} // namespace

BENCHMARK(BM_Measure_RenderMarkup)->Arg(1)->Arg(10)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Measure_QTextDocument)->Arg(1)->Arg(10)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Draw_RenderMarkup)->Arg(1)->Arg(10)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Draw_QTextDocument)->Arg(1)->Arg(10)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    return benchpairs::RunOffscreen(argc, argv);
}

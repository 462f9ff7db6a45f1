// Painting the string grid through its whole cell pipeline beside Qt's QTableWidget in the same run: one
// 1280 x 1024 viewport of plain text cells (100-row and 100,000-row grids), and scrolling a shown
// 100,000-row grid as a person does, by the scroll bar's arrow, its track, the wheel and its thumb, each
// step with its repaints (grid and bar), in paired runs beside QTableWidget. Targets: the two viewports
// about equal; the viewport and every kind of scrolling each at least 2x faster than QTableWidget.
#include "controls/ControlsClasses.h"
#include "controls/grid/QvGrid.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/designs/DesignFile.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QPaintEvent>
#include <QScrollBar>
#include <QTableWidget>
#include <QWheelEvent>
#include <benchmark/benchmark.h>

#include "BenchPairs.h"
#include "PaintCounter.h"

#include <cstdio>
#include <functional>
#include <memory>

namespace {
constexpr int kViewW = 1280, kViewH = 1024, kPaintCols = 20, kColW = 64, kRowH = 22;
constexpr int kScrollSteps = 1000;

QString PaintCellText(int c, int r) {
    return QString("r%1c%2").arg(r).arg(c);
}

// A form holding a string grid of plain text cells filling the viewport.
struct PaintedGrid {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TQvStringGrid* grid = nullptr;
    explicit PaintedGrid(int rows) {
        form->SetClientSize(kViewW, kViewH);
        grid = new TQvStringGrid(form.get());
        grid->SetParent(form.get());
        grid->SetBounds(0, 0, kViewW, kViewH);
        grid->SetColCount(kPaintCols);
        grid->SetRowCount(rows + 1);
        grid->SetDefaultColWidth(kColW);
        grid->SetDefaultRowHeight(kRowH);
        grid->Font()->SetName("DejaVu Sans");
        grid->Font()->SetSize(8);
        for (int r = 1; r <= rows; ++r)
            for (int c = 0; c < kPaintCols; ++c)
                grid->SetGridCells(c, r, PaintCellText(c, r));
    }
};

struct PaintedTable {
    std::unique_ptr<QTableWidget> table;
    explicit PaintedTable(int rows, const QFont& font) {
        table = std::make_unique<QTableWidget>(rows, kPaintCols);
        table->setFont(font);
        table->horizontalHeader()->setDefaultSectionSize(kColW);
        table->verticalHeader()->setDefaultSectionSize(kRowH);
        table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < kPaintCols; ++c)
                table->setItem(r, c, new QTableWidgetItem(PaintCellText(c, r + 1)));
        table->resize(kViewW, kViewH);
    }
};

QFont BenchGridFont() {
    TFont f;
    f.SetName("DejaVu Sans");
    f.SetSize(8);
    return f.toQFont();
}

void BM_PaintViewport_QvStringGrid(benchmark::State& state) {
    PaintedGrid g(static_cast<int>(state.range(0)));
    g.form->HandleNeeded();
    QImage img(kViewW, kViewH, QImage::Format_RGB32);
    for (auto _ : state) {
        g.grid->Widget()->render(&img);
        benchmark::ClobberMemory();
    }
}

void BM_PaintViewport_QTableWidget(benchmark::State& state) {
    PaintedTable t(static_cast<int>(state.range(0)), BenchGridFont());
    QImage img(kViewW, kViewH, QImage::Format_RGB32);
    for (auto _ : state) {
        t.table->render(&img);
        benchmark::ClobberMemory();
    }
}

QScrollBar* VerticalBarOf(QWidget* w) {
    for (QScrollBar* b : w->findChildren<QScrollBar*>())
        if (b->orientation() == Qt::Vertical && b->isVisible()) return b;
    return nullptr;
}

// How a person scrolls: a click on the bar's arrow, a click in its track (a page), a wheel notch, or the
// thumb dragged to a place and let go. Every step goes through the scroll bar or the wheel as the person's
// would, and the window repaints (grid and bar) before the next.
enum ScrollKind { skArrow, skPage, skWheel, skThumb };
constexpr const char* kScrollKindName[] = {"arrow", "page", "wheel", "thumb"};
constexpr int kStepsOf[] = {1000, 200, 300, 100};

void ScrollStep(ScrollKind kind, QScrollBar* bar, QWidget* wheelTarget, int step) {
    switch (kind) {
    case skArrow:
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    case skPage:
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        break;
    case skWheel: {
        const QPointF at(wheelTarget->width() / 2, wheelTarget->height() / 2);
        QWheelEvent e(at, wheelTarget->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(wheelTarget, &e);
        break;
    }
    case skThumb: {
        // Back and forth over the range, so that every drop lands far from the last one.
        const int span = bar->maximum() - bar->minimum();
        const int place = bar->minimum() + int((long long)span * ((step * 37) % 100) / 100);
        bar->setSliderDown(true);
        bar->setSliderPosition(place);
        bar->setSliderDown(false);
        break;
    }
    }
    QApplication::processEvents();
}

// One run: from the top, the kind's steps, each painted; returns its time and adds its paints.
double ScrollRun(ScrollKind kind, QScrollBar* bar, QWidget* wheelTarget, const std::function<void()>& toTop) {
    toTop();
    QApplication::processEvents();
    return benchpairs::TimeMs([&] {
        for (int i = 0; i < kStepsOf[kind]; ++i)
            ScrollStep(kind, bar, wheelTarget, i);
    });
}

void BM_Scroll_Paired(benchmark::State& state) {
    const auto kind = static_cast<ScrollKind>(state.range(0));
    PaintedGrid g(100000);
    g.grid->MouseActions()->SetWheelAction(waScroll);
    g.form->Show();
    PaintedTable t(100000, BenchGridFont());
    t.table->move(0, 0);
    t.table->show();
    QApplication::processEvents();
    QScrollBar* ourBar = VerticalBarOf(g.grid->Widget());
    QWidget* ourClient = g.grid->Widget()->childAt(kViewW / 2, kViewH / 2);
    QScrollBar* qtBar = t.table->verticalScrollBar();
    if (!ourBar || !ourClient) {
        state.SkipWithError("the grid shows no vertical scroll bar");
        return;
    }
    PaintCounter ourPaints(g.grid->Widget()), qtPaints(t.table.get());
    int runs = 0;
    benchpairs::RunPairs(
        state, 5, std::string("scrolling by ") + kScrollKindName[kind], "QTableWidget", 0.5,
        [&] {
            ++runs;
            return ScrollRun(kind, ourBar, ourClient, [&] { g.grid->SetTopRow(1); });
        },
        [&] { return ScrollRun(kind, qtBar, t.table->viewport(), [&] { qtBar->setValue(0); }); });
    if (g.grid->TopRow() <= 1 || qtBar->value() == 0) state.SkipWithError("a side did not scroll");
    const double steps = double(runs) * kStepsOf[kind];
    state.counters["ours_paints_per_step"] = ourPaints.Count() / steps;
    state.counters["qt_paints_per_step"] = qtPaints.Count() / steps;
    state.counters["ours_kpx_per_step"] = ourPaints.Area() / steps / 1000;
    state.counters["qt_kpx_per_step"] = qtPaints.Area() / steps / 1000;
    g.form->Hide();
    t.table->hide();
}
} // namespace

BENCHMARK(BM_PaintViewport_QvStringGrid)->Arg(100)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintViewport_QTableWidget)->Arg(100)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Scroll_Paired)
    ->ArgName("arrow0_page1_wheel2_thumb3")
    ->DenseRange(skArrow, skThumb)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    RegisterToolkitClasses();
    RegisterControlsClasses();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

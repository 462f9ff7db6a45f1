// Painting the string grid through its whole cell pipeline beside Qt's QTableWidget in the same run: one
// 1280 x 1024 viewport of plain text cells (100-row and 100,000-row grids), and 1000 one-row scroll steps of
// a shown 100,000-row grid with their repaints. Targets: the two viewports about equal; the viewport and
// the scrolling each at least 2x faster than QTableWidget.
#include "controls/ControlsClasses.h"
#include "controls/grid/QvGrid.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/designs/DesignFile.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QScrollBar>
#include <QTableWidget>
#include <benchmark/benchmark.h>

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

// Counts the paint events of a widget and its children, so a run shows that every step really repainted.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* target) : FTarget(target) { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }
    int Count() const { return FCount; }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && o->isWidgetType()) {
            auto* w = static_cast<QWidget*>(o);
            if (w == FTarget || FTarget->isAncestorOf(w)) ++FCount;
        }
        return false;
    }

private:
    QWidget* FTarget;
    int FCount = 0;
};

void ReportPaintsPerStep(benchmark::State& state, const PaintCounter& paints) {
    state.counters["paints_per_step"] =
        double(paints.Count()) / (double(state.iterations()) * (kScrollSteps + 1));
}

// Each step scrolls one row and lets the window repaint what changed before the next.
void BM_Scroll1000Rows_QvStringGrid(benchmark::State& state) {
    PaintedGrid g(100000);
    g.form->Show();
    QApplication::processEvents();
    PaintCounter paints(g.grid->Widget());
    for (auto _ : state) {
        g.grid->SetTopRow(1);
        QApplication::processEvents();
        for (int i = 0; i < kScrollSteps; ++i) {
            g.grid->SetTopRow(g.grid->TopRow() + 1);
            QApplication::processEvents();
        }
    }
    ReportPaintsPerStep(state, paints);
    g.form->Hide();
}

void BM_Scroll1000Rows_QTableWidget(benchmark::State& state) {
    PaintedTable t(100000, BenchGridFont());
    t.table->show();
    QApplication::processEvents();
    QScrollBar* bar = t.table->verticalScrollBar();
    PaintCounter paints(t.table->viewport());
    for (auto _ : state) {
        bar->setValue(0);
        QApplication::processEvents();
        for (int i = 0; i < kScrollSteps; ++i) {
            bar->setValue(bar->value() + 1);
            QApplication::processEvents();
        }
    }
    ReportPaintsPerStep(state, paints);
    t.table->hide();
}
} // namespace

BENCHMARK(BM_PaintViewport_QvStringGrid)->Arg(100)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintViewport_QTableWidget)->Arg(100)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Scroll1000Rows_QvStringGrid)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Scroll1000Rows_QTableWidget)->Unit(benchmark::kMillisecond)->Iterations(3);

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

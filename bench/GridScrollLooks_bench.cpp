// What the scroll bar looks, zoom and the floating footer cost a person, each beside the same work without
// them and beside Qt's QTableWidget in the same run: 1000 scroll steps of a shown 100,000-row grid with
// proportional thumbs and with the slim bars beside the plain bars; Zoom(1) on 100,000 rows, with the
// repaints it causes; one accepted edit (F2, a digit, Enter) in a 100,000 x 10 grid whose footer sums every
// column. Targets: proportional and slim scrolling each within 10 % of the plain run; one repaint per zoom;
// the edit's time does not grow with the grid's length (it sums its own column, not ten).
#include "controls/ControlsClasses.h"
#include "controls/grid/QvGrid.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/designs/DesignFile.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QScrollBar>
#include <QTableWidget>
#include <benchmark/benchmark.h>

#include "BenchPairs.h"
#include "PaintCounter.h"

#include <cstdio>
#include <functional>
#include <memory>

namespace {
constexpr int kViewW = 1280, kViewH = 1024, kCols = 10, kRows = 100000, kSteps = 1000;

QString LooksCellText(int c, int r) {
    return QString::number(r * kCols + c);
}

struct LooksGrid {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TQvStringGrid* grid = nullptr;
    explicit LooksGrid(TScrollType type, bool proportional, bool footer = false) {
        form->SetClientSize(kViewW, kViewH);
        grid = new TQvStringGrid(form.get());
        grid->SetParent(form.get());
        grid->SetBounds(0, 0, kViewW, kViewH);
        grid->SetColCount(kCols);
        grid->SetRowCount(kRows + 2);
        grid->Font()->SetName("DejaVu Sans");
        grid->Font()->SetSize(8);
        for (int r = 1; r <= kRows; ++r)
            for (int c = 0; c < kCols; ++c)
                grid->SetGridCells(c, r, LooksCellText(c, r));
        grid->SetScrollType(type);
        grid->SetScrollProportional(proportional);
        if (footer) {
            grid->SetOptions(grid->Options() | goEditing);
            grid->FloatingFooter()->SetVisible(true);
            for (int c = 0; c < kCols; ++c)
                grid->FloatingFooter()->SetColumnCalc(c, acSUM);
        }
        form->Show();
        QApplication::processEvents();
    }
};

struct LooksTable {
    std::unique_ptr<QTableWidget> table = std::make_unique<QTableWidget>(kRows, kCols);
    LooksTable() {
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c)
                table->setItem(r, c, new QTableWidgetItem(LooksCellText(c, r + 1)));
        table->resize(kViewW, kViewH);
        table->show();
        QApplication::processEvents();
    }
};

// 1000 line steps down from the top, each painted before the next.
double GridSteps(TQvStringGrid* g) {
    g->SetTopRow(1);
    QApplication::processEvents();
    return benchpairs::TimeMs([&] {
        for (int i = 0; i < kSteps; ++i) {
            g->Perform(WM_VSCROLL, SB_LINEDOWN, 0);
            QApplication::processEvents();
        }
    });
}

double TableSteps(QTableWidget* t) {
    t->verticalScrollBar()->setValue(0);
    QApplication::processEvents();
    return benchpairs::TimeMs([&] {
        for (int i = 0; i < kSteps; ++i) {
            t->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            QApplication::processEvents();
        }
    });
}

void ReportQtPeer(benchmark::State& state, const char* what, double ours, double qt) {
    state.counters["qt_ms"] = qt;
    state.counters["ours_per_qt"] = qt > 0 ? ours / qt : 0;
    std::fprintf(stderr, "%s: ours %.3f ms, QTableWidget %.3f ms, ours/Qt %.3f\n", what, ours, qt,
                 qt > 0 ? ours / qt : 0);
}

// Arg 0: proportional thumbs, 1: the slim bars; the peer is the plain grid, QTableWidget beside both.
void BM_ScrollLook_Paired(benchmark::State& state) {
    const bool slim = state.range(0) == 1;
    LooksGrid plain(ssNormal, false);
    LooksGrid look(slim ? ssMetro : ssNormal, !slim);
    LooksTable table;
    const char* name =
        slim ? "1000 scroll steps with slim bars" : "1000 scroll steps with proportional thumbs";
    benchpairs::RunPairs(
        state, 5, name, "the plain bars", 1.10, [&] { return GridSteps(look.grid); },
        [&] { return GridSteps(plain.grid); });
    if (look.grid->TopRow() <= 1) state.SkipWithError("the grid did not scroll");
    std::vector<double> qt;
    for (int i = 0; i < 5; ++i)
        qt.push_back(TableSteps(table.table.get()));
    ReportQtPeer(state, name, state.counters["ours_ms"], benchpairs::Median(qt));
}

// Zoom in and out by one, each with the paint it causes, beside the table's zoom (its font and sections).
void BM_Zoom_Paired(benchmark::State& state) {
    LooksGrid g(ssNormal, false);
    LooksTable t;
    // Paints still due from showing the windows are not the zoom's: they are let through first and left out.
    PaintCounter paints(g.grid->Widget());
    QApplication::processEvents();
    const int setUpPaints = paints.Count();
    int zooms = 0, step = 1;
    QFont font = t.table->font();
    int section = t.table->verticalHeader()->defaultSectionSize();
    benchpairs::RunPairs(
        state, 6, "Zoom(1) on 100,000 rows", "QTableWidget's font and sections", 1e9,
        [&] {
            step = -step;
            ++zooms;
            return benchpairs::TimeMs([&] {
                g.grid->Zoom(step);
                QApplication::processEvents();
            });
        },
        [&] {
            return benchpairs::TimeMs([&] {
                font.setPointSize(font.pointSize() + step);
                section += step;
                t.table->setFont(font);
                t.table->verticalHeader()->setDefaultSectionSize(section);
                t.table->horizontalHeader()->setDefaultSectionSize(
                    t.table->horizontalHeader()->defaultSectionSize() + step);
                QApplication::processEvents();
            });
        });
    state.counters["paints_per_zoom"] = zooms ? double(paints.Count() - setUpPaints) / zooms : 0;
    // A note, not a check: the count says what one zoom repaints (the cells only, once, is the target).
    std::fprintf(stderr,
                 "Zoom: %.2f paints of the grid per zoom (target 1; %d paints due from setting up "
                 "left out)\n",
                 state.counters["paints_per_zoom"].value, setUpPaints);
}

void SendKey(int key, const QString& text = QString()) {
    QWidget* w = QApplication::focusWidget();
    if (!w) return;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    if (QWidget* now = QApplication::focusWidget()) QApplication::sendEvent(now, &release);
}

// One accepted edit of a cell by keys, with the footer that sums every column; the table edits its cell the
// same way. Runs of 20 edits at the top and at the end of the grid: the edit's time is the same.
void BM_FooterEdit_Paired(benchmark::State& state) {
    LooksGrid g(ssNormal, false, true);
    LooksTable t;
    int digit = 0;
    auto ourEdits = [&](int row) {
        g.grid->SetFocus();
        return benchpairs::TimeMs([&] {
            for (int i = 0; i < 20; ++i) {
                g.grid->SetCol(1 + i % (kCols - 1));
                g.grid->SetRow(row + i);
                SendKey(Qt::Key_F2);
                digit = (digit + 1) % 10;
                SendKey(Qt::Key_0 + digit, QString::number(digit));
                SendKey(Qt::Key_Return);
                QApplication::processEvents();
            }
        });
    };
    auto tableEdits = [&](int row) {
        t.table->setFocus();
        return benchpairs::TimeMs([&] {
            for (int i = 0; i < 20; ++i) {
                t.table->setCurrentCell(row + i, 1 + i % (kCols - 1));
                SendKey(Qt::Key_F2);
                digit = (digit + 1) % 10;
                SendKey(Qt::Key_0 + digit, QString::number(digit));
                SendKey(Qt::Key_Return);
                QApplication::processEvents();
            }
        });
    };
    int run = 0;
    std::vector<double> early, late;
    benchpairs::RunPairs(
        state, 6, "20 accepted edits, footer summing 10 columns of 100,000 rows", "QTableWidget", 1e9,
        [&] {
            const bool atEnd = run++ % 2;
            const double ms = ourEdits(atEnd ? kRows - 40 : 1);
            (atEnd ? late : early).push_back(ms);
            return ms;
        },
        [&] { return tableEdits(run % 2 ? kRows - 40 : 0); });
    state.counters["ours_ms_per_edit"] = state.counters["ours_ms"] / 20;
    std::fprintf(stderr, "footer edit: %.3f ms an edit at the top, %.3f ms at the end\n",
                 benchpairs::Median(early) / 20, benchpairs::Median(late) / 20);
}
} // namespace

BENCHMARK(BM_ScrollLook_Paired)
    ->ArgName("proportional0_slim1")
    ->DenseRange(0, 1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_Zoom_Paired)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_FooterEdit_Paired)->Unit(benchmark::kMillisecond)->Iterations(1);

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

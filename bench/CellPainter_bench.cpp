// One screen of base-grid cells painted by the cell painter: plain, with a styled selection and with a
// gradient in every cell, beside Qt's table view painting the same screen.
#include "controls/grid/BaseGrid.h"
#include "toolkit/controls/Forms.h"

#include <QApplication>
#include <QImage>
#include <QTableWidget>
#include <benchmark/benchmark.h>

#include "BenchPairs.h"

namespace {
constexpr int kCols = 20, kRows = 60, kW = 1280, kH = 1024;

struct GradientGrid : TBaseGrid {
    using TBaseGrid::TBaseGrid;
    bool gradients = false;
    void GetVisualProperties(int, int, bool, bool, bool, TCellLook& ALook) override {
        if (gradients && !(ALook.State & gdFixed)) {
            ALook.Fill.Color = 0xFDF8F1;
            ALook.Fill.ColorTo = 0xFCDBC1;
        }
    }
};

void paintScreen(benchmark::State& state, bool gradients, TGridSelectionStyle style) {
    TForm form(nullptr);
    form.SetClientSize(kW, kH);
    auto* g = new GradientGrid(&form);
    g->SetParent(&form);
    g->SetBounds(0, 0, kW, kH);
    g->SetColCount(kCols);
    g->SetRowCount(kRows);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c)
            g->SetCells(c, r, QString("R%1C%2").arg(r).arg(c));
    g->gradients = gradients;
    g->SetSelectionStyle(style);
    g->SetOptions(g->Options() | goRangeSelect | goDrawFocusSelected);
    g->SetSelection(TGridRect{1, 1, kCols - 1, kRows - 1});
    form.HandleNeeded();
    QImage img(kW, kH, QImage::Format_RGB32);
    for (auto _ : state) {
        g->Widget()->render(&img);
        benchmark::ClobberMemory();
    }
}

void BM_PaintScreen_BaseGridPlain(benchmark::State& state) {
    paintScreen(state, false, ssDefault);
}
void BM_PaintScreen_BaseGridVistaSelection(benchmark::State& state) {
    paintScreen(state, false, ssVista);
}
void BM_PaintScreen_BaseGridGradients(benchmark::State& state) {
    paintScreen(state, true, ssDefault);
}

void BM_PaintScreen_QTableWidget(benchmark::State& state) {
    QTableWidget t(kRows, kCols);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c)
            t.setItem(r, c, new QTableWidgetItem(QString("R%1C%2").arg(r).arg(c)));
    t.resize(kW, kH);
    t.selectAll();
    QImage img(kW, kH, QImage::Format_RGB32);
    for (auto _ : state) {
        t.render(&img);
        benchmark::ClobberMemory();
    }
}
} // namespace

BENCHMARK(BM_PaintScreen_BaseGridPlain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintScreen_BaseGridVistaSelection)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintScreen_BaseGridGradients)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintScreen_QTableWidget)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return benchpairs::RunOffscreen(argc, argv);
}

// Painting one view of the item selector holding 10,000 items beside the same view holding 100, in paired
// runs: the selector draws only the items in view, so the two take about the same time (target: the long
// list at most 1.25 x the short one).
#include "controls/ControlsClasses.h"
#include "controls/dropdown/QvItemSelector.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/designs/DesignFile.h"

#include <QApplication>
#include <QImage>
#include <QWidget>
#include <benchmark/benchmark.h>

#include "BenchPairs.h"

#include <memory>

namespace {
constexpr int kViewW = 240, kViewH = 400;

struct SelectorView {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TQvCustomItemSelector* host = nullptr;
    explicit SelectorView(int items) {
        form->SetClientSize(kViewW, kViewH);
        host = new TQvCustomItemSelector(form.get());
        host->SetParent(form.get());
        host->SetBounds(0, 0, kViewW, kViewH);
        host->SetSelectorType(stColor);
        host->Items()->BeginUpdate();
        for (int i = 0; i < items; ++i) {
            TSelectorItem* item = host->Items()->Add();
            item->SetCaption(QString("<b>Colour</b> %1").arg(i));
            item->SetColor(RGB(i % 256, (i * 7) % 256, (i * 13) % 256));
        }
        host->Items()->EndUpdate();
        host->UpdateSelectorPanel();
        host->SetItemIndex(2);
        form->Show();
        QApplication::processEvents();
    }
};

void BM_PaintView_Paired(benchmark::State& state) {
    SelectorView many(10000), few(100);
    QImage img(kViewW, kViewH, QImage::Format_RGB32);
    auto paint = [&img](SelectorView& v) {
        return benchpairs::TimeMs([&] {
            for (int i = 0; i < 20; ++i)
                v.host->Widget()->render(&img);
        });
    };
    benchpairs::RunPairs(
        state, 15, "one view of 10,000 items (20 paints)", "one view of 100 items", 1.25,
        [&] { return paint(many); }, [&] { return paint(few); });
}
} // namespace

BENCHMARK(BM_PaintView_Paired)->Unit(benchmark::kMillisecond)->Iterations(1);

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

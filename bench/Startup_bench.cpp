// Program start: creating all 34 windows, the main window's start-up state and the interface texts.
#include "configurator/UWindows.h"
#include "controls/ControlsClasses.h"
#include "core/UComon.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/designs/DesignFile.h"
#include "toolkit/system/SysUtils.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_CreateAllWindows(benchmark::State& state) {
    QTemporaryDir dir;
    SetExeDirOverride(dir.path());
    for (auto _ : state) {
        Reset_Program_State();
        Create_Program_Windows();
        state.PauseTiming();
        Free_Program_Windows();
        state.ResumeTiming();
    }
    SetExeDirOverride(QString());
}
BENCHMARK(BM_CreateAllWindows)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    RegisterToolkitClasses();
    RegisterControlsClasses();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

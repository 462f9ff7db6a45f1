// Program start: creating all 34 windows, and the time a person waits from starting the program to its first
// painted main window beside a minimal one-window Qt program, both started as fresh processes of this same
// executable in the same conditions (run it under Xvfb, `xvfb-run -a`, for the platform's windows), in
// paired runs. Target: at most 1.25x the minimal Qt program.
#include "configurator/UWindows.h"
#include "controls/ControlsClasses.h"
#include "core/UComon.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/designs/DesignFile.h"
#include "toolkit/system/SysUtils.h"

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <benchmark/benchmark.h>

#include "BenchPairs.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <sys/resource.h>
#include <unistd.h>

namespace {

double MonotonicMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1e6;
}

// Once the window's first paint has gone through (the event loop is back), the child prints the clock and
// ends at once, as a person's wait ends there.
class FirstPaintWatch : public QObject {
public:
    explicit FirstPaintWatch(QWidget* window) : FWindow(window) { qApp->installEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (!FSeen && e->type() == QEvent::Paint && o == FWindow) {
            FSeen = true;
            QTimer::singleShot(0, [] {
                std::printf("%.3f\n", MonotonicMs());
                std::fflush(stdout);
                _exit(0);
            });
        }
        return false;
    }

private:
    QWidget* FWindow;
    bool FSeen = false;
};

// The configurator's own start, as app/main.cpp makes it.
int RunOursChild(int argc, char** argv) {
    TApplication app(argc, argv);
    RegisterToolkitClasses();
    RegisterControlsClasses();
    Application->Initialize();
    Application->SetMainFormOnTaskBar(true);
    Create_Program_Windows();
    Application->MainForm()->HandleNeeded();
    FirstPaintWatch watch(Application->MainForm()->Widget());
    Application->Run();
    return 0;
}

// The peer: the least a Qt program does to show one window.
int RunQtChild(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(800, 600);
    window.setWindowTitle("Minimal");
    FirstPaintWatch watch(&window);
    window.show();
    return app.exec();
}

// Starts this executable as the given child in a folder of its own and answers the milliseconds from the
// start to its first painted window.
double StartChild(const char* which, const QString& folder) {
    rusage before{};
    getrusage(RUSAGE_CHILDREN, &before);
    QProcess p;
    p.setWorkingDirectory(folder);
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const double start = MonotonicMs();
    p.start(QCoreApplication::applicationFilePath(), {QString("--startup-child=") + which, folder});
    if (!p.waitForFinished(30000)) {
        p.kill();
        p.waitForFinished();
        return -1;
    }
    // The child's processor time, for the pairs' processor time ratio.
    rusage after{};
    getrusage(RUSAGE_CHILDREN, &after);
    auto ms = [](const timeval& t) { return double(t.tv_sec) * 1000.0 + double(t.tv_usec) / 1000.0; };
    benchpairs::LastCpuMs() =
        ms(after.ru_utime) + ms(after.ru_stime) - ms(before.ru_utime) - ms(before.ru_stime);
    bool ok = false;
    const double painted = QString::fromLatin1(p.readAllStandardOutput()).trimmed().toDouble(&ok);
    return ok ? painted - start : -1;
}

void BM_StartToFirstPaint_Paired(benchmark::State& state) {
    QTemporaryDir ours, qt;
    bool failed = false;
    auto run = [&](const char* which, const QTemporaryDir& dir) {
        const double ms = StartChild(which, dir.path());
        if (ms < 0) failed = true;
        return ms;
    };
    benchpairs::RunPairs(
        state, 10, "start to first painted main window", "a minimal Qt window", 1.25,
        [&] { return run("ours", ours); }, [&] { return run("qt", qt); });
    if (failed) state.SkipWithError("a child did not paint its window");
    state.counters["platform_xcb"] = QGuiApplication::platformName() == "xcb";
}
BENCHMARK(BM_StartToFirstPaint_Paired)->Unit(benchmark::kMillisecond)->Iterations(1);

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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--startup-child=ours") == 0) {
            // The program keeps its folders beside itself: here, the child's own folder.
            if (i + 1 < argc) SetExeDirOverride(QString::fromLocal8Bit(argv[i + 1]));
            return RunOursChild(1, argv);
        }
        if (std::strcmp(argv[i], "--startup-child=qt") == 0) return RunQtChild(1, argv);
    }
    TApplication app(argc, argv);
    RegisterToolkitClasses();
    RegisterControlsClasses();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

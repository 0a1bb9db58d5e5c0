// Running a command on the console screen once the log holds many replies: the append and the
// repaint of the window must not grow with the log.

#include "console/console_window.h"
#include "platform/qt/look.h"
#include "platform/qt/text_pane.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QWindow>

#include <cstdio>

namespace {

using namespace vortelia;

struct NullProgram : Program {
    void end(int) override {}
    bool ending() const override { return false; }
};
struct NullYield : UiYield {
    void yield() override {}
};
struct NullSound : SoundService {
    void execute(const QString&) override {}
};
struct NullCursors : CursorSystem {
    CursorHandle loadFromFile(const QString&) override { return 0; }
    CursorHandle current() override { return 1; }
    CursorHandle copy(CursorHandle) override { return 2; }
    void setArrow(CursorHandle) override {}
};
struct NullReport : FailureReport {
    void report(const Failure&) override {}
};

// Counts the window's paint events, to show that every repaint really draws.
struct PaintCounter : QObject {
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
    int64_t paints = 0;
};

void RunAfterReplies(benchmark::State& state) {
    QTemporaryDir dir;
    const GameDirectory files(dir.path());
    NullProgram program;
    NullYield yield;
    NullSound sound;
    NullCursors cursors;
    ArrowCursor arrow(cursors, dir.path());
    NullReport report;
    const Services services{files, yield, sound, arrow, program, report};

    BLNC window(services);
    window.show();
    while (!window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    window.inputLine()->setText(QStringLiteral("help"));
    for (int64_t i = 0; i < state.range(0); ++i)
        window.runInput();
    window.repaint();
    PaintCounter counter;
    window.installEventFilter(&counter);
    for (auto _ : state) {
        window.runInput();
        window.repaint();
    }
    state.counters["paints_per_run"] =
        static_cast<double>(counter.paints) / static_cast<double>(state.iterations());
    state.counters["pane_full"] = window.logPane()->full() ? 1 : 0;
    state.counters["log_replies"] =
        static_cast<double>(window.console().log().count(QStringLiteral(">command^help")));
}

// A fixed number of runs, so that the log grows little beyond its prior replies while measured.
BENCHMARK(RunAfterReplies)
    ->Arg(100)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Iterations(2000)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (!vortelia::look::loadFonts(QStringLiteral(VORTELIA_GAME_DIR "/fonts"))) {
        std::fprintf(stderr, "the game directory's fonts are missing: build the game_directory target\n");
        return 1;
    }
    vortelia::look::apply(app);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

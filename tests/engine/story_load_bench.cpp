// LoadStoryText on the quest screen's window, with the yield to the UI after every line: the cost
// must grow linearly with the passage, since the panel lays out only what it can show.

#include "engine/engine_window.h"
#include "engine/quest.h"
#include "platform/qt/look.h"
#include "platform/qt/qt_host.h"
#include "platform/windows1251.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

using namespace vortelia;

namespace {

struct Silent : SoundService, QuestExits, FailureReport {
    void execute(const QString&) override {}
    void gameOverSwitch() override {}
    void openConsole() override {}
    void report(const Failure&) override {}
};

class NoCursor : public CursorSystem {
    CursorHandle loadFromFile(const QString&) override { return 0; }
    CursorHandle current() override { return 1; }
    CursorHandle copy(CursorHandle) override { return 2; }
    void setArrow(CursorHandle) override {}
};

void LoadStoryText(benchmark::State& state) {
    const auto lines = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("text"));
    QFile file(dir.filePath(QStringLiteral("text/long.tf")));
    if (!file.open(QIODevice::WriteOnly))
        state.SkipWithError("cannot write the passage");
    // 60 Cyrillic characters a line.
    const QByteArray line =
        encodeWindows1251(QString(QStringLiteral("Виртуальный мир ")).repeated(4).left(60));
    for (int i = 0; i < lines; ++i)
        file.write(line + "\r\n");
    file.close();

    const GameDirectory files(dir.path());
    QtProgram program;
    QtUiYield yield(program);
    Silent silent;
    NoCursor cursors;
    ArrowCursor arrow(cursors, dir.path());
    const Services services{files, yield, silent, arrow, program, silent};
    Quest quest(files, yield, silent, silent);
    Engine window(quest, services);
    window.show();
    for (auto _ : state)
        quest.loadStoryText(QStringLiteral("text\\long.tf"));
    state.SetComplexityN(lines);
}

} // namespace

BENCHMARK(LoadStoryText)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    look::loadFonts(QStringLiteral(VORTELIA_GAME_DIR "/fonts"));
    look::apply(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

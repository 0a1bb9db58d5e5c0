// A click on a choice slot of the quest screen until its passage is painted, for every passage of
// the shipped story that a choice loads. Each run plays the story (on a hidden window) up to the
// scene before that click, shows the window, and times only the real mouse click: the slot's
// handler with its line-by-line load and the paint of the story panel that shows the last line.

#include "engine/choice_tables.h"
#include "engine/engine_window.h"
#include "engine/quest.h"
#include "platform/qt/look.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/text_pane.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <map>
#include <set>

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

class NoYield : public UiYield {
    void yield() override {}
};

struct Step {
    int slot;
    QString answer;
};

// The shipped texts with flags at "0", afresh for each play.
class ShippedGame {
public:
    ShippedGame() {
        QFile::link(QStringLiteral(VORTELIA_GAME_DIR "/text"), dir_.filePath(QStringLiteral("text")));
        QDir(dir_.path()).mkpath(QStringLiteral("engdat"));
        for (const char* flag : {"b", "c", "bc"}) {
            QFile file(dir_.filePath(QStringLiteral("engdat/%1.gdf").arg(QLatin1String(flag))));
            if (file.open(QIODevice::WriteOnly))
                file.write("0\r\n");
        }
    }
    QString root() const { return dir_.path(); }
    QByteArray flag(const char* name) const {
        QFile file(QDir(dir_.path()).filePath(QStringLiteral("engdat/%1.gdf").arg(QLatin1String(name))));
        return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
    }

private:
    QTemporaryDir dir_;
};

// A quest played from the opening on the logic alone, without a window.
struct Replay {
    explicit Replay(const std::vector<Step>& steps) {
        quest.open();
        for (const Step& step : steps) {
            quest.setAnswerText(step.answer);
            quest.click(step.slot);
        }
    }
    // The row a click would apply, with the flags as the click's reloads would read them.
    const Transition* rowFor(int slot, const QString& answer) const {
        Scene scene = quest.scene();
        scene.answerText = answer;
        scene.flags = {QString::fromLatin1(game.flag("b")), QString::fromLatin1(game.flag("c")),
                       QString::fromLatin1(game.flag("bc"))};
        return findTransition(choiceTable(slot), scene.choices[slot].caption, scene);
    }
    std::string key() const {
        std::string k;
        for (const auto& c : quest.scene().choices)
            k += (c.shown ? "+" : "-") + c.caption.toStdString() + "|";
        k += quest.scene().answerShown ? "A" : "a";
        return k + (game.flag("b") + game.flag("c") + game.flag("bc")).toStdString();
    }

    ShippedGame game;
    GameDirectory files{game.root()};
    Silent silent;
    NoYield yield;
    Quest quest{files, yield, silent, silent};
};

// For each passage that a choice loads: the shortest play from the opening whose last click loads it.
std::map<QString, std::vector<Step>> playsToEveryPassage() {
    std::map<QString, std::vector<Step>> plays;
    std::set<std::string> seen;
    std::deque<std::vector<Step>> queue{{}};
    while (!queue.empty()) {
        const std::vector<Step> path = queue.front();
        queue.pop_front();
        const Replay here(path);
        if (!seen.insert(here.key()).second)
            continue;
        for (int slot = 0; slot < 3; ++slot) {
            if (!here.quest.scene().choices[slot].shown)
                continue;
            for (const QString& answer : {QString(), QStringLiteral("qz"), QStringLiteral("mirt")}) {
                const Transition* row = here.rowFor(slot, answer);
                if (!row || row->effect == Effect::GameOver || row->effect == Effect::Console)
                    continue;
                std::vector<Step> longer = path;
                longer.push_back({slot, answer});
                if (row->story)
                    plays.emplace(QString::fromUtf8(row->story), longer);
                queue.push_back(longer);
            }
        }
    }
    return plays;
}

const std::map<QString, std::vector<Step>>& plays() {
    static const auto found = playsToEveryPassage();
    return found;
}

void ClickToPassagePainted(benchmark::State& state) {
    const QString story = QStringLiteral("text\\gt%1.tf").arg(state.range(0));
    const auto found = plays().find(story);
    if (found == plays().end()) {
        state.SkipWithError("no choice loads this passage");
        return;
    }
    const std::vector<Step>& play = found->second;
    for (auto _ : state) {
        ShippedGame game;
        const GameDirectory files(game.root());
        QtProgram program;
        QtUiYield yield(program);
        Silent silent;
        NoCursor cursors;
        ArrowCursor arrow(cursors, game.root());
        const Services services{files, yield, silent, arrow, program, silent};
        Quest quest(files, yield, silent, silent);
        Engine window(quest, services);
        quest.open();
        for (size_t i = 0; i + 1 < play.size(); ++i) {
            quest.setAnswerText(play[i].answer);
            quest.click(play[i].slot);
        }
        quest.setAnswerText(play.back().answer);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            state.SkipWithError("the quest screen was not exposed");
        QCoreApplication::processEvents();

        // The panel has painted the passage once it paints after the last line came.
        bool fresh = false;
        QObject::connect(&quest, &Quest::storyLineAdded, &window, [&] { fresh = false; });
        struct PaintWatch : QObject {
            bool* fresh;
            bool eventFilter(QObject*, QEvent* event) override {
                if (event->type() == QEvent::Paint)
                    *fresh = true;
                return false;
            }
        } watch;
        watch.fresh = &fresh;
        window.storyPanel()->installEventFilter(&watch);

        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(window.choiceSlot(play.back().slot), Qt::LeftButton, {}, QPoint(148, 8));
        while (!fresh && clock.elapsed() < 5000)
            QCoreApplication::processEvents();
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
        window.storyPanel()->removeEventFilter(&watch);
        // The click must have brought the very passage this run is named for.
        NoYield quiet;
        Quest probe(files, quiet, silent, silent);
        probe.loadStoryText(story);
        if (!fresh || quest.scene().story != probe.scene().story)
            state.SkipWithError("the click did not paint its passage");
    }
}

} // namespace

BENCHMARK(ClickToPassagePainted)
    ->DenseRange(1, 57)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

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

// Plays the bank row and the row after it ("Виртуал банк", then "104|8": flags b and bc written)
// on the quest's own logic, over the game directory in the current directory, as fast as it can:
// each round ends with the flag reset of the closing sequence. "reset" alone runs one flag reset.
// The crash-safety test kills it at random moments.

#include "engine/quest.h"
#include "session/story_flags.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

using namespace vortelia;

namespace {

struct NoYield : UiYield {
    void yield() override {}
};
struct NoSound : SoundService {
    void execute(const QString&) override {}
};
struct NoExits : QuestExits {
    void gameOverSwitch() override {}
    void openConsole() override {}
};

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const GameDirectory files(QDir::currentPath());
    NoYield yield;
    NoSound sound;
    NoExits exits;
    const StoryFlags flags(files, yield);
    try {
        if (argc > 1 && QByteArray(argv[1]) == "reset") {
            flags.reset();
            return 0;
        }
        Quest quest(files, yield, sound, exits);
        quest.open();
        for (;;) {
            auto& slot = const_cast<Scene&>(quest.scene()).choices[0];
            slot.caption = QStringLiteral("Виртуал банк");
            slot.shown = true;
            quest.click(0); // b
            quest.click(0); // "104|8": bc
            flags.reset();
        }
    } catch (const Failure& failure) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(failure.message()));
        return 1;
    }
}

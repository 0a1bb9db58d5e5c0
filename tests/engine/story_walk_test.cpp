// The whole story graph over the shipped story files: every reachable scene from the opening,
// played on the quest's logic without a window.

#include "engine/quest.h"
#include "platform/qt/look.h"
#include "platform/qt/text_pane.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <deque>
#include <map>
#include <set>

using namespace vortelia;
using namespace vortelia::testing;

namespace {

const QString shippedText = QStringLiteral(VORTELIA_GAME_DIR "/text");

// Every transition of the story: the three slot tables, the opening and the two hotkeys.
std::vector<const Transition*> everyTransition() {
    std::vector<const Transition*> all{&openingTransition(), &f8Transition(), &consoleKeyTransition()};
    for (int slot = 0; slot < 3; ++slot)
        for (const Transition& row : choiceTable(slot).rows)
            all.push_back(&row);
    return all;
}

// The passages the transitions load, as file names under text/ ("gt2.tf").
std::set<QString> namedPassages() {
    std::set<QString> names;
    for (const Transition* row : everyTransition())
        if (row->story)
            names.insert(QString::fromUtf8(row->story).section(u'\\', -1));
    return names;
}

struct Step {
    int slot;
    QString answer;
};

// A game directory whose texts are the shipped ones and whose flags start at "0".
class ShippedGame {
public:
    ShippedGame() {
        QFile::link(shippedText, dir_.filePath(QStringLiteral("text")));
        QDir(dir_.path()).mkpath(QStringLiteral("engdat"));
        for (const char* flag : {"b", "c", "bc"}) {
            QFile file(dir_.filePath(QStringLiteral("engdat/%1.gdf").arg(QLatin1String(flag))));
            if (file.open(QIODevice::WriteOnly))
                file.write("0\r\n");
        }
    }
    QString root() const { return dir_.path(); }
    QByteArray flag(const char* name) const {
        QFile file(dir_.filePath(QStringLiteral("engdat/%1.gdf").arg(QLatin1String(name))));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir dir_;
};

struct Played {
    std::set<std::pair<int, int>> rows; // slot, row index
    std::set<QString> exits;
    std::set<QString> stories;
    int scenes = 0;
    std::vector<std::string> deadEnds;
};

class Replay {
public:
    explicit Replay(const std::vector<Step>& path) {
        quest.open();
        for (const Step& step : path)
            click(step);
    }
    // The row the click would apply, with the flags as the click's reloads would read them.
    const Transition* rowFor(int slot) const {
        Scene scene = quest.scene();
        scene.flags = {QString::fromLatin1(game.flag("b")).trimmed(),
                       QString::fromLatin1(game.flag("c")).trimmed(),
                       QString::fromLatin1(game.flag("bc")).trimmed()};
        return findTransition(choiceTable(slot), scene.choices[slot].caption, scene);
    }
    void click(const Step& step) {
        quest.setAnswerText(step.answer);
        quest.click(step.slot);
    }
    std::string key() const {
        const Scene& s = quest.scene();
        std::string k;
        for (const auto& c : s.choices)
            k += (c.shown ? "+" : "-") + c.caption.toStdString() + "|";
        k += s.answerShown ? "A" : "a";
        k += (game.flag("b") + game.flag("c") + game.flag("bc")).toStdString();
        return k;
    }

    ShippedGame game;
    Fakes fakes;
    GameDirectory files{game.root()};
    RecordingExits exits;
    Quest quest{files, fakes.yield, fakes.sound, exits};
};

Played playEverything() {
    Played played;
    std::set<std::string> seen;
    std::deque<std::vector<Step>> queue{{}};
    while (!queue.empty()) {
        const std::vector<Step> path = queue.front();
        queue.pop_front();
        Replay here(path);
        if (!seen.insert(here.key()).second)
            continue;
        ++played.scenes;
        int offered = 0;
        for (int slot = 0; slot < 3; ++slot) {
            if (!here.quest.scene().choices[slot].shown)
                continue;
            const bool password = here.quest.scene().choices[slot].caption == QStringLiteral("Enter parol");
            const QStringList answers = password ? QStringList{"qz", "mirt", "QZ"} : QStringList{QString()};
            for (const QString& answer : answers) {
                Replay next(path);
                next.quest.setAnswerText(answer);
                const Transition* row = next.rowFor(slot);
                if (!row)
                    continue;
                ++offered; // a shown choice that leads somewhere
                played.rows.insert({slot, static_cast<int>(row - choiceTable(slot).rows.data())});
                if (row->story)
                    played.stories.insert(QString::fromUtf8(row->story));
                next.click({slot, answer});
                if (!next.exits.calls.empty()) {
                    played.exits.insert(next.exits.calls.front());
                    continue;
                }
                std::vector<Step> longer = path;
                longer.push_back({slot, answer});
                queue.push_back(longer);
            }
        }
        if (offered == 0)
            played.deadEnds.push_back(here.key());
    }
    return played;
}

} // namespace

TEST(StoryWalk, EveryRowFiresEveryEndingIsReachableAndNoSceneIsADeadEnd) {
    const Played played = playEverything();
    for (int slot = 0; slot < 3; ++slot) {
        for (size_t i = 0; i < choiceTable(slot).rows.size(); ++i)
            EXPECT_TRUE(played.rows.contains({slot, static_cast<int>(i)}))
                << "slot " << slot + 1 << " row " << i + 1 << " \"" << choiceTable(slot).rows[i].caption
                << "\" never fires";
    }
    EXPECT_TRUE(played.exits.contains(QStringLiteral("game over")));
    EXPECT_TRUE(played.exits.contains(QStringLiteral("console")));
    EXPECT_TRUE(played.deadEnds.empty()) << played.deadEnds.front();
    EXPECT_GT(played.scenes, 40);
}

TEST(StoryWalk, EveryStoryFileTheTransitionsNameIsShipped) {
    const GameDirectory shipped(QStringLiteral(VORTELIA_GAME_DIR));
    for (const Transition* row : everyTransition()) {
        if (row->story) {
            EXPECT_TRUE(QFile::exists(shipped.hostPath(QString::fromUtf8(row->story)))) << row->story;
        }
    }
}

TEST(StoryWalk, EveryCaptionARowPutsOnASlotIsAKeyOfThatSlotsTable) {
    std::set<QString> keys[3];
    for (int slot = 0; slot < 3; ++slot)
        for (const Transition& row : choiceTable(slot).rows)
            keys[slot].insert(QString::fromUtf8(row.caption));
    // The opening's and the F8 key's captions too.
    for (const Transition* row : everyTransition()) {
        for (int slot = 0; slot < 3; ++slot) {
            if (const char* caption = row->settings[slot].caption) {
                EXPECT_TRUE(keys[slot].contains(QString::fromUtf8(caption)))
                    << "\"" << caption << "\" put on slot " << slot + 1 << " by \""
                    << (row->caption ? row->caption : "the opening or F8") << "\"";
            }
        }
    }
}

TEST(StoryWalk, EveryPassageFitsTheStoryPanel) {
    const QStringList files = QDir(shippedText).entryList({QStringLiteral("gt*.tf")}, QDir::Files);
    // No passage is shipped that nothing loads (those named but missing fail the test above).
    const std::set<QString> named = namedPassages();
    for (const QString& name : files)
        EXPECT_TRUE(named.contains(name)) << name.toStdString() << " is shipped, but no transition loads it";
    EXPECT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        TextPane panel;
        panel.setFont(look::uiFont());
        panel.setGeometry(0, 0, 329, 465);
        LineReader lines = GameDirectory(shippedText).openLines(name);
        QString line, text;
        while (lines.next(line))
            text += line + QStringLiteral("\r\n");
        panel.setPaneText(text);
        EXPECT_LE(panel.heightForWidth(329), 465) << name.toStdString();
        EXPECT_FALSE(panel.full()) << name.toStdString(); // the last line ends above the bottom edge
        EXPECT_FALSE(text.trimmed().isEmpty()) << name.toStdString();
    }
}

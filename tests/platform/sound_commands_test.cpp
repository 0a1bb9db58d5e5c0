#include "platform/sound_commands.h"
#include "support/fakes.h"
#include "support/temp_game.h"

#include <gtest/gtest.h>

#include <vector>

using namespace vortelia;
using vortelia::testing::RecordingSoundBackend;
using vortelia::testing::RecordingSoundErrors;
using vortelia::testing::TempGame;

namespace {

class SoundCommandsTest : public ::testing::Test {
protected:
    SoundCommandsTest() {
        game.writeBytes(QStringLiteral("sound\\menu.mp3"), "ID3");
        game.writeBytes(QStringLiteral("sound\\into.mp3"), "ID3");
    }
    QString host(const char* gamePath) { return game.path(QLatin1String(gamePath)); }

    TempGame game;
    GameDirectory files{game.root()};
    RecordingSoundBackend backend;
    RecordingSoundErrors errors;
    SoundCommands sounds{files, backend, errors};
};

} // namespace

TEST(SoundCommandParsing, KnowsPlayAndCloseOnly) {
    struct Case {
        const char* command;
        bool valid;
        SoundCommand::Verb verb;
        const char* path;
    } cases[] = {
        {"play sound\\menu.mp3", true, SoundCommand::Verb::Play, "sound\\menu.mp3"},
        {"close sound\\menu.mp3", true, SoundCommand::Verb::Close, "sound\\menu.mp3"},
        {"Play sound\\menu.mp3", false, {}, ""},
        {"stop sound\\menu.mp3", false, {}, ""},
        {"play", false, {}, ""},
        {"play ", false, {}, ""},
        {"", false, {}, ""},
    };
    for (const auto& c : cases) {
        const auto parsed = parseSoundCommand(QLatin1String(c.command));
        ASSERT_EQ(parsed.has_value(), c.valid) << c.command;
        if (parsed) {
            EXPECT_EQ(parsed->verb, c.verb) << c.command;
            EXPECT_EQ(parsed->path, QLatin1String(c.path)) << c.command;
        }
    }
}

TEST_F(SoundCommandsTest, SoundsOverlapAndPlayOfAnOpenSoundStartsNoSecondCopy) {
    sounds.execute(QStringLiteral("play sound\\into.mp3"));
    sounds.execute(QStringLiteral("play sound\\menu.mp3"));
    sounds.execute(QStringLiteral("play sound\\menu.mp3"));
    sounds.execute(QStringLiteral("close sound\\menu.mp3"));
    sounds.execute(QStringLiteral("play sound\\menu.mp3"));
    EXPECT_EQ(backend.calls,
              (std::vector<QString>{"start " + host("sound\\into.mp3"), "start " + host("sound\\menu.mp3"),
                                    "stop " + host("sound\\menu.mp3"), "start " + host("sound\\menu.mp3")}));
    EXPECT_TRUE(errors.commands.empty());
    EXPECT_TRUE(sounds.isOpen(QStringLiteral("sound\\into.mp3")));
}

TEST_F(SoundCommandsTest, FailedCommandsAreReportedWithTheCommandAndTheGameGoesOn) {
    const char* failing[] = {"play sound\\gone.mp3", "close sound\\into.mp3", "rewind sound\\into.mp3"};
    for (const char* command : failing)
        sounds.execute(QLatin1String(command));
    backend.refuse = QStringLiteral("no decoder");
    sounds.execute(QStringLiteral("play sound\\menu.mp3"));
    EXPECT_EQ(errors.commands, (std::vector<QString>{"play sound\\gone.mp3", "close sound\\into.mp3",
                                                     "rewind sound\\into.mp3", "play sound\\menu.mp3"}));
    EXPECT_FALSE(sounds.isOpen(QStringLiteral("sound\\menu.mp3")));
}

TEST_F(SoundCommandsTest, PlaybackThatFailsLaterIsReportedOnceAndReleased) {
    sounds.execute(QStringLiteral("play sound\\menu.mp3"));
    sounds.playbackFailed(host("sound\\menu.mp3"), QStringLiteral("undecodable"));
    sounds.playbackFailed(host("sound\\menu.mp3"), QStringLiteral("undecodable"));
    EXPECT_EQ(errors.commands, std::vector<QString>{"play sound\\menu.mp3"});
    EXPECT_FALSE(sounds.isOpen(QStringLiteral("sound\\menu.mp3")));
    sounds.execute(QStringLiteral("play sound\\menu.mp3"));
    EXPECT_EQ(backend.calls.back(), "start " + host("sound\\menu.mp3"));
}

// Before the sound system has started, commands wait; at its start they run as they would have.
TEST_F(SoundCommandsTest, CommandsWaitInOrderUntilTheSoundSystemStarts) {
    struct Case {
        const char* name;
        std::vector<const char*> commands;
        std::vector<const char*> started; // game paths, in order
        std::vector<const char*> failed;  // commands reported, in order
    } cases[] = {
        {"order is kept",
         {"play sound\\into.mp3", "play sound\\menu.mp3"},
         {"sound\\into.mp3", "sound\\menu.mp3"},
         {}},
        {"close cancels the waiting play", {"play sound\\menu.mp3", "close sound\\menu.mp3"}, {}, {}},
        {"a play after the cancelled one stays",
         {"play sound\\into.mp3", "play sound\\menu.mp3", "close sound\\menu.mp3", "play sound\\menu.mp3"},
         {"sound\\into.mp3", "sound\\menu.mp3"},
         {}},
        {"close cancels only its own sound",
         {"play sound\\into.mp3", "play sound\\menu.mp3", "close sound\\into.mp3"},
         {"sound\\menu.mp3"},
         {}},
        {"a repeated play starts one copy",
         {"play sound\\menu.mp3", "play sound\\menu.mp3"},
         {"sound\\menu.mp3"},
         {}},
        {"close of a sound never played fails as it would",
         {"close sound\\menu.mp3", "play sound\\menu.mp3"},
         {"sound\\menu.mp3"},
         {"close sound\\menu.mp3"}},
        {"a second close finds nothing to cancel",
         {"play sound\\menu.mp3", "close sound\\menu.mp3", "close sound\\menu.mp3"},
         {},
         {"close sound\\menu.mp3"}},
        {"failures are told in order",
         {"rewind sound\\menu.mp3", "play sound\\gone.mp3", "play sound\\into.mp3"},
         {"sound\\into.mp3"},
         {"rewind sound\\menu.mp3", "play sound\\gone.mp3"}},
        {"a cancelled play of a missing file is no failure",
         {"play sound\\gone.mp3", "close sound\\gone.mp3"},
         {},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingSoundBackend later;
        RecordingSoundErrors told;
        SoundCommands waiting(files, told);
        for (const char* command : c.commands)
            waiting.execute(QLatin1String(command));
        EXPECT_TRUE(told.commands.empty()) << "nothing is told before the start";
        EXPECT_FALSE(waiting.attached());

        waiting.attach(later);
        EXPECT_TRUE(waiting.attached());
        std::vector<QString> started, failed;
        for (const char* path : c.started)
            started.push_back("start " + host(path));
        for (const char* command : c.failed)
            failed.push_back(QLatin1String(command));
        EXPECT_EQ(later.calls, started);
        EXPECT_EQ(told.commands, failed);

        // From now on a command runs at once.
        waiting.execute(QStringLiteral("play sound\\menu.mp3"));
        EXPECT_TRUE(waiting.isOpen(QStringLiteral("sound\\menu.mp3")));
    }
}

TEST_F(SoundCommandsTest, CommandsSentWhileAFailureIsShownQueueBehindTheWaitingOnes) {
    SoundCommands waiting(files, errors);
    waiting.execute(QStringLiteral("play sound\\gone.mp3"));
    waiting.execute(QStringLiteral("play sound\\menu.mp3"));
    // The failure box lets the splash timer run, whose menu sends its own commands.
    errors.onReport = [&](const QString&) {
        waiting.execute(QStringLiteral("close sound\\menu.mp3"));
        waiting.execute(QStringLiteral("play sound\\into.mp3"));
    };
    waiting.attach(backend);
    EXPECT_EQ(errors.commands, std::vector<QString>{"play sound\\gone.mp3"});
    // The close cancelled the play that was still waiting.
    EXPECT_EQ(backend.calls, std::vector<QString>{"start " + host("sound\\into.mp3")});
    EXPECT_FALSE(waiting.isOpen(QStringLiteral("sound\\menu.mp3")));
}

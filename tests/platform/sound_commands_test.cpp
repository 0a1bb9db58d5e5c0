#include "platform/sound_commands.h"
#include "support/temp_game.h"

#include <gtest/gtest.h>

#include <vector>

using namespace vortelia;
using vortelia::testing::TempGame;

namespace {

class RecordingBackend : public SoundBackend {
public:
    QString start(const QString& hostPath) override {
        calls.push_back("start " + hostPath);
        return refuse;
    }
    void stop(const QString& hostPath) override { calls.push_back("stop " + hostPath); }
    std::vector<QString> calls;
    QString refuse;
};

class RecordingErrors : public SoundErrorReport {
public:
    void report(const QString& command, const QString&) override { commands.push_back(command); }
    std::vector<QString> commands;
};

class SoundCommandsTest : public ::testing::Test {
protected:
    SoundCommandsTest() {
        game.writeBytes(QStringLiteral("sound\\menu.mp3"), "ID3");
        game.writeBytes(QStringLiteral("sound\\into.mp3"), "ID3");
    }
    QString host(const char* gamePath) { return game.path(QLatin1String(gamePath)); }

    TempGame game;
    GameDirectory files{game.root()};
    RecordingBackend backend;
    RecordingErrors errors;
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

// The flag files survive the process being killed at any moment, and a termination signal during
// play ends the real game through its closing sequence.

#include "e2e/e2e_flow.h"

#include <QRandomGenerator>

using namespace vortelia::testing;
using namespace std::chrono_literals;

namespace {

const QStringList flagFiles{QStringLiteral("b.gdf"), QStringLiteral("bc.gdf"), QStringLiteral("c.gdf")};

QStringList engdatEntries(const GameCopy& game) {
    QStringList names = QDir(game.path(QStringLiteral("engdat")))
                            .entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

// Every flag file exists and holds exactly "0" CR LF or "1" CR LF.
::testing::AssertionResult flagsIntact(const GameCopy& game) {
    for (const QString& name : flagFiles) {
        const QByteArray bytes = game.read(QStringLiteral("engdat/") + name);
        if (bytes != "0\r\n" && bytes != "1\r\n")
            return ::testing::AssertionFailure()
                   << name.toStdString() << " holds \"" << bytes.toStdString() << "\"";
    }
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(FlagSafety, KilledAtRandomMomentsWhileWritingTheFlagsLeavesThemWholeAndNoTemporaries) {
    const GameCopy game({QStringLiteral("text"), QStringLiteral("engdat")});
    QRandomGenerator random(20261211); // seeded: a failure can be replayed
    int killedWhileRunning = 0;
    for (int round = 0; round < 200; ++round) {
        QProcess clicker;
        clicker.setWorkingDirectory(game.root());
        clicker.start(QStringLiteral(VORTELIA_FLAG_CLICKER), {});
        ASSERT_TRUE(clicker.waitForStarted(10000));
        // The kill lands anywhere from the start-up to some hundred flag writes in.
        if (!clicker.waitForFinished(static_cast<int>(random.bounded(1, 150)))) {
            ++killedWhileRunning;
            ::kill(static_cast<pid_t>(clicker.processId()), SIGKILL);
            ASSERT_TRUE(clicker.waitForFinished(10000));
        }
        ASSERT_TRUE(flagsIntact(game))
            << "after round " << round << ": " << clicker.readAllStandardError().toStdString();
    }
    EXPECT_GT(killedWhileRunning, 150) << "the clicker stopped by itself";
    // The next write of each flag (the closing sequence's reset) clears what the kills left.
    QProcess reset;
    reset.setWorkingDirectory(game.root());
    reset.start(QStringLiteral(VORTELIA_FLAG_CLICKER), {QStringLiteral("reset")});
    ASSERT_TRUE(reset.waitForFinished(10000));
    EXPECT_EQ(reset.exitCode(), 0);
    EXPECT_EQ(engdatEntries(game), flagFiles);
    for (const QString& name : flagFiles)
        EXPECT_EQ(game.read(QStringLiteral("engdat/") + name), QByteArray("0\r\n"));
}

TEST(FlagSafety, ATerminationSignalDuringPlayRunsTheClosingSequence) {
    X11Session x;
    ASSERT_TRUE(x.ok()) << "these tests need an X server in $DISPLAY (./dev/test starts one)";
    const struct {
        const char* name;
        int signal;
    } cases[] = {{"SIGTERM", SIGTERM}, {"SIGINT", SIGINT}, {"SIGHUP", SIGHUP}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GameCopy game;
        for (const QString& name : flagFiles)
            ASSERT_TRUE(game.write(QStringLiteral("engdat/") + name, "1\r\n"));
        QProcess process;
        process.setProcessEnvironment(onTheDisplay());
        process.setWorkingDirectory(game.root());
        process.start(game.path(QStringLiteral("game")), {});
        ASSERT_TRUE(process.waitForStarted(10000));
        const auto splash = x.waitForWindow(gameTitle, 20s, splashSize);
        ASSERT_TRUE(splash);
        const auto menu = waitForNewWindow(x, menuSize, splash, 15s);
        ASSERT_TRUE(menu);
        ASSERT_TRUE(playToQuest(x, *menu));

        ::kill(static_cast<pid_t>(process.processId()), c.signal);
        EXPECT_TRUE(process.waitForFinished(5000)) << "did not end promptly";
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        for (const QString& name : flagFiles)
            EXPECT_EQ(game.read(QStringLiteral("engdat/") + name), QByteArray("0\r\n")) << name.toStdString();
        EXPECT_EQ(engdatEntries(game), flagFiles);
        killAll(game.path(QStringLiteral("game")));
    }
}

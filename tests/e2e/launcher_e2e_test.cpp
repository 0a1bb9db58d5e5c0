// The launcher and the game together, as a player starts them from the game directory.

#include "e2e/e2e_flow.h"

#include <QElapsedTimer>
#include <QThread>

using namespace vortelia::testing;
using namespace std::chrono_literals;

namespace {

const QString launcherTitle = QStringLiteral("ZOLKAPrelaunch");

struct Launcher : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(x.ok()) << "these tests need an X server in $DISPLAY (./dev/test starts one)";
    }
    void TearDown() override { killAll(game.path(QStringLiteral("game"))); }
    void start(const QString& directory) {
        launcher.setProcessEnvironment(onTheDisplay());
        launcher.setWorkingDirectory(directory);
        launcher.start(game.path(QStringLiteral("Prelaunch")), {});
        ASSERT_TRUE(launcher.waitForStarted(10000));
    }

    X11Session x;
    GameCopy game;
    QProcess launcher;
};

} // namespace

TEST_F(Launcher, StartsTheGameExactlyOnceAfterAboutThreeSecondsAndEnds) {
    start(game.root());
    const auto splash = x.waitForWindow(launcherTitle, 20s, QSize(484, 293));
    ASSERT_TRUE(splash) << "no launcher window";
    QElapsedTimer clock;
    clock.start();
    const auto gameSplash = x.waitForWindow(gameTitle, 15s, splashSize);
    ASSERT_TRUE(gameSplash) << "the game did not start";
    EXPECT_GE(clock.elapsed(), 2900);
    EXPECT_LT(clock.elapsed(), 3000 + 4000);
    ASSERT_TRUE(launcher.waitForFinished(5000));
    EXPECT_EQ(launcher.exitCode(), 0);
    EXPECT_FALSE(x.hasWindow(launcherTitle));
    EXPECT_EQ(processesOf(game.path(QStringLiteral("game"))).size(), 1);
}

TEST_F(Launcher, WithoutAGameItShowsItsSplashAndEndsByItself) {
    QTemporaryDir nowhere;
    start(nowhere.path());
    ASSERT_TRUE(x.waitForWindow(launcherTitle, 20s, QSize(484, 293)));
    ASSERT_TRUE(launcher.waitForFinished(10000));
    EXPECT_EQ(launcher.exitCode(), 0);
    EXPECT_FALSE(x.waitForWindow(gameTitle, 1s));
}

TEST_F(Launcher, ClosedBeforeItsTimerItStartsNothing) {
    start(game.root());
    const auto splash = x.waitForWindow(launcherTitle, 20s, QSize(484, 293));
    ASSERT_TRUE(splash);
    x.requestClose(*splash);
    ASSERT_TRUE(launcher.waitForFinished(10000));
    EXPECT_FALSE(x.waitForWindow(gameTitle, 4s, splashSize)) << "the game started after all";
    EXPECT_TRUE(processesOf(game.path(QStringLiteral("game"))).isEmpty());
}

TEST_F(Launcher, PlaythroughFromTheLauncherToTheGameOverScreen) {
    start(game.root());
    const auto gameSplash = x.waitForWindow(gameTitle, 25s, splashSize);
    ASSERT_TRUE(gameSplash);
    const auto menu = waitForNewWindow(x, menuSize, gameSplash, 15s);
    ASSERT_TRUE(menu);
    const auto quest = playToQuest(x, *menu);
    ASSERT_TRUE(quest);
    // The treasure island and straight back: real choices of the opening scene.
    const QPoint slot[] = {{472 + 148, 504 + 8}, {472 + 148, 536 + 8}, {472 + 148, 568 + 8}};
    x.click(*quest, slot[2]); // "Остров Сокровищ"
    x.click(*quest, slot[1]); // "Остаться еще на полчаса" (or ignored while the island loads)
    const auto over = pressF8AndEnd(x, *quest);
    ASSERT_TRUE(over) << "no game-over screen";
    x.requestClose(*over);
    const QString program = game.path(QStringLiteral("game"));
    QElapsedTimer clock;
    clock.start();
    while (!processesOf(program).isEmpty() && clock.elapsed() < 10000)
        QThread::msleep(20); // the game is not our child: poll /proc, bounded
    EXPECT_TRUE(processesOf(program).isEmpty());
    for (const char* flag : {"engdat/b.gdf", "engdat/c.gdf", "engdat/bc.gdf"})
        EXPECT_EQ(game.read(QLatin1String(flag)), QByteArray("0\r\n")) << flag;
}

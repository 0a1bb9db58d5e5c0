// The real game program, started from a copy of the assembled game directory on the X server that
// the test run provides, and driven by real pointer clicks and window-manager close requests.

#include "e2e/e2e_flow.h"

#include <X11/keysym.h>

using namespace vortelia::testing;
using namespace std::chrono_literals;

namespace {

struct GameProgram : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(x.ok()) << "these tests need an X server in $DISPLAY (./dev/test starts one)";
    }
    void TearDown() override { killAll(game.path(QStringLiteral("game"))); }
    void start() {
        process.setProcessEnvironment(onTheDisplay());
        process.setWorkingDirectory(game.root());
        process.start(game.path(QStringLiteral("game")), {});
        ASSERT_TRUE(process.waitForStarted(10000));
    }
    // The splash, refusing the player's close, then the menu after its timer.
    unsigned long toMenu() {
        const auto splash = x.waitForWindow(gameTitle, 20s, splashSize);
        EXPECT_TRUE(splash) << "no splash";
        if (!splash)
            return 0;
        x.requestClose(*splash);
        EXPECT_TRUE(x.staysFor(*splash, 500ms)) << "the splash accepted the player's close";
        const auto menu = waitForNewWindow(x, menuSize, splash, 15s);
        EXPECT_TRUE(menu) << "no menu";
        EXPECT_FALSE(x.exists(*splash));
        return menu.value_or(0);
    }
    unsigned long toQuest() {
        const unsigned long menu = toMenu();
        x.requestClose(menu);
        EXPECT_TRUE(x.staysFor(menu, 500ms)) << "the menu accepted the player's close";
        const auto quest = playToQuest(x, menu);
        EXPECT_TRUE(quest) << "no quest screen";
        return quest.value_or(0);
    }
    int finish() {
        EXPECT_TRUE(process.waitForFinished(10000));
        return process.exitCode();
    }

    X11Session x;
    GameCopy game;
    QProcess process;
};

} // namespace

TEST_F(GameProgram, ClosingTheQuestScreenResetsTheThreeFlagFiles) {
    for (const char* flag : {"engdat/b.gdf", "engdat/c.gdf", "engdat/bc.gdf"})
        ASSERT_TRUE(game.write(QLatin1String(flag), "1\r\n"));
    start();
    const unsigned long quest = toQuest();
    ASSERT_NE(quest, 0u);
    x.requestClose(quest);
    EXPECT_EQ(finish(), 0) << process.readAllStandardError().toStdString();
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    for (const char* flag : {"engdat/b.gdf", "engdat/c.gdf", "engdat/bc.gdf"})
        EXPECT_EQ(game.read(QLatin1String(flag)), QByteArray("0\r\n")) << flag;
}

TEST_F(GameProgram, AboutRefusesThePlayersCloseAndAMissingReadmeIsReported) {
    start();
    unsigned long menu = toMenu();
    ASSERT_NE(menu, 0u);
    x.click(menu, {536 + 120, 296 + 24});
    const auto about = waitForNewWindow(x, lastScreenSize, std::nullopt, 10s);
    ASSERT_TRUE(about) << "no About screen";
    x.requestClose(*about);
    EXPECT_TRUE(x.staysFor(*about, 500ms)) << "the About screen accepted the player's close";
    x.click(*about, {592 + 96, 16 + 24});
    const auto again = waitForNewWindow(x, menuSize, menu, 10s);
    ASSERT_TRUE(again) << "no menu after the About screen";

    // Now without the readme: the failure is reported with the file's path and ends the game.
    QFile::remove(game.path(QStringLiteral("text/read.tf")));
    x.click(*again, {536 + 120, 296 + 24});
    // The About screen shows before it reads the readme; the report is the window beside it.
    const auto aboutAgain = waitForNewWindow(x, lastScreenSize, std::nullopt, 10s);
    std::optional<unsigned long> box;
    QElapsedTimer clock;
    clock.start();
    while (!box && clock.elapsed() < 10000) {
        for (const auto& [w, size] : x.windows(gameTitle))
            if (w != again && w != aboutAgain)
                box = w;
        if (!box)
            QThread::msleep(20); // polling the other process's windows, bounded
    }
    ASSERT_TRUE(box) << "no failure report";
    x.requestClose(*box);
    EXPECT_NE(finish(), 0);
    EXPECT_TRUE(QString::fromUtf8(process.readAllStandardError())
                    .contains(game.path(QStringLiteral("text/read.tf"))));
}

TEST_F(GameProgram, TheClosingPassageLeadsToTheGameOverScreenWhoseCloseEndsTheGame) {
    ASSERT_TRUE(game.write(QStringLiteral("engdat/b.gdf"), "1\r\n"));
    start();
    const unsigned long quest = toQuest();
    ASSERT_NE(quest, 0u);
    const auto over = pressF8AndEnd(x, quest);
    ASSERT_TRUE(over) << "no game-over screen";
    EXPECT_FALSE(x.exists(quest));
    x.requestClose(*over);
    EXPECT_EQ(finish(), 0);
    EXPECT_EQ(game.read(QStringLiteral("engdat/b.gdf")), QByteArray("0\r\n"));
}

TEST(GameCursor, StartedFromAnotherDirectoryTheGameFindsItsCursorNextToTheProgramFile) {
    X11Session x;
    ASSERT_TRUE(x.ok()) << "these tests need an X server in $DISPLAY (./dev/test starts one)";
    // The programs with their cursor in one folder, the texts, sounds and flags in another.
    const GameCopy programs({QStringLiteral("game"), QStringLiteral("cursor"), QStringLiteral("fonts")});
    const GameCopy data({QStringLiteral("text"), QStringLiteral("sound"), QStringLiteral("engdat")});
    ASSERT_TRUE(QFile::exists(programs.path(QStringLiteral("cursor/cur.cgf"))));
    ASSERT_FALSE(QFile::exists(data.path(QStringLiteral("cursor"))));

    const auto arrowOverTheMenu = [&](const GameCopy& from) {
        QProcess process;
        process.setProcessEnvironment(onTheDisplay());
        process.setWorkingDirectory(data.root());
        process.start(from.path(QStringLiteral("game")), {});
        EXPECT_TRUE(process.waitForStarted(10000));
        const auto splash = x.waitForWindow(gameTitle, 20s, splashSize);
        const auto menu = waitForNewWindow(x, menuSize, splash, 15s);
        EXPECT_TRUE(menu) << "no menu";
        X11Session::CursorImage image;
        if (menu) {
            x.movePointer(*menu, {100, 300});
            image = x.cursorImage();
        }
        killAll(from.path(QStringLiteral("game")));
        return image;
    };
    const X11Session::CursorImage custom = arrowOverTheMenu(programs);
    EXPECT_EQ(custom.size, QSize(32, 32));
    EXPECT_TRUE(custom.name.isEmpty()) << custom.name.toStdString();

    // The same programs without the cursor file keep the ordinary arrow.
    QFile::remove(programs.path(QStringLiteral("cursor/cur.cgf")));
    const X11Session::CursorImage plain = arrowOverTheMenu(programs);
    EXPECT_TRUE(plain.size != custom.size || plain.name != custom.name)
        << plain.size.width() << "x" << plain.size.height() << " " << plain.name.toStdString();
}

// The screens around the quest on the offscreen platform: splash, menu, prologue and About, with
// their sounds, the cursor and the guarded switches.

#include "engine/engine_window.h"
#include "platform/qt/hot_spot.h"
#include "platform/qt/text_pane.h"
#include "shell/about.h"
#include "shell/menu.h"
#include "shell/prologue.h"
#include "shell/screens.h"
#include "shell/splash.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>

using namespace vortelia;
using namespace vortelia::testing;
using namespace std::chrono_literals;

namespace {

// A close request as the window system delivers it when the player asks for one.
bool playerClose(QWidget* window) {
    QCloseEvent event;
    QSpontaneKeyEvent::setSpontaneous(&event);
    QCoreApplication::instance()->notify(window, &event); // sendEvent would clear the flag
    return event.isAccepted();
}

struct ShellTest : ::testing::Test {
    ShellTest() {
        f.game.writeStory(QStringLiteral("text\\into.tf"),
                          {QStringLiteral("Пролог."), QStringLiteral("Вторая строка.")});
        f.game.writeStory(QStringLiteral("text\\read.tf"), {QStringLiteral("Об игре.")});
        f.game.writeStory(QStringLiteral("text\\gt1.tf"), {QStringLiteral("Начало.")});
        f.game.writeBytes(QStringLiteral("cursor\\cur.cgf"), "custom");
    }
    void click(QWidget* hotSpot) { QTest::mouseClick(hotSpot, Qt::LeftButton, {}, hotSpot->rect().center()); }
    void toMenu() {
        screens.splashDone();
        ASSERT_TRUE(screens.menu());
        f.sound.commands.clear();
    }
    // Lets deferred deletions of unloaded windows happen.
    void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    Fakes f;
    Screens screens{f.services};
};

} // namespace

TEST_F(ShellTest, SplashPlaysTheIntroAndGivesWayToTheMenuAfterItsTimer) {
    QElapsedTimer clock;
    clock.start();
    screens.start();
    Main* splash = screens.splash();
    ASSERT_TRUE(splash);
    EXPECT_EQ(splash->timer().interval(), 6258);
    EXPECT_TRUE(splash->timer().isActive());
    EXPECT_EQ(splash->size(), QSize(799, 593));
    EXPECT_EQ(f.sound.commands, std::vector<QString>{"play sound\\into.mp3"});
    EXPECT_FALSE(playerClose(splash));
    QPointer<Main> gone(splash);
    ASSERT_TRUE(QTest::qWaitFor([&] { return screens.menu() != nullptr; }, 9000));
    EXPECT_GE(clock.elapsed(), 6258);
    EXPECT_LT(clock.elapsed(), 8000);
    settle();
    EXPECT_TRUE(gone.isNull());
    EXPECT_EQ(screens.splash(), nullptr);
    EXPECT_TRUE(screens.menu()->isVisible());
    // The intro is never closed; the menu music starts beside it.
    EXPECT_EQ(f.sound.commands, (std::vector<QString>{"play sound\\into.mp3", "play sound\\menu.mp3"}));
}

TEST_F(ShellTest, MenuInstallsTheCursorAtEveryLoadAndRefusesThePlayersClose) {
    toMenu();
    Game* menu = screens.menu();
    EXPECT_EQ(menu->size(), QSize(799, 593));
    const struct {
        HotSpot* spot;
        const char* name;
        QRect place;
        const char* word;
    } spots[] = {{menu->startSpot(), "Label3", {536, 216, 241, 41}, "Запуск"},
                 {menu->infoSpot(), "Label2", {536, 296, 241, 49}, "Инфо"},
                 {menu->exitSpot(), "Label1", {536, 384, 241, 41}, "Выход"}};
    for (const auto& s : spots) {
        EXPECT_EQ(s.spot->objectName(), QLatin1String(s.name));
        EXPECT_EQ(s.spot->geometry(), s.place);
        EXPECT_EQ(s.spot->accessibleName(), QString::fromUtf8(s.word));
    }
    ASSERT_EQ(f.cursors.copies.size(), 1u);
    EXPECT_EQ(f.cursors.copies[0].first, 1u);
    const CursorHandle custom = f.cursors.installed.at(0);
    EXPECT_FALSE(playerClose(menu));
    EXPECT_TRUE(menu->isVisible());

    // To the About screen and back: a new load, a new copy of the custom cursor now in use.
    click(menu->infoSpot());
    settle();
    ASSERT_TRUE(screens.about());
    click(screens.about()->backSpot());
    settle();
    ASSERT_TRUE(screens.menu());
    ASSERT_EQ(f.cursors.copies.size(), 2u);
    EXPECT_EQ(f.cursors.copies[1].first, custom);
    EXPECT_EQ(f.arrow.savedCopy(), f.cursors.copies[1].second);
    EXPECT_EQ(f.sound.commands, std::vector<QString>{"play sound\\menu.mp3"});
}

TEST_F(ShellTest, AboutReadsTheReadmeAfreshAtEachVisitAndRefusesThePlayersClose) {
    toMenu();
    click(screens.menu()->infoSpot());
    settle();
    About* about = screens.about();
    ASSERT_TRUE(about);
    EXPECT_EQ(screens.menu(), nullptr);
    EXPECT_EQ(about->readmeBox()->toPlainText(), QStringLiteral("Об игре.\n"));
    EXPECT_TRUE(about->readmeBox()->isReadOnly());
    EXPECT_EQ(about->readmeBox()->geometry(), QRect(48, 264, 529, 297));
    EXPECT_EQ(about->backSpot()->geometry(), QRect(592, 16, 193, 49));
    EXPECT_FALSE(playerClose(about));
    EXPECT_TRUE(f.sound.commands.empty()); // the menu music plays on

    QStringList longer;
    for (int i = 0; i < 80; ++i)
        longer << QStringLiteral("Строка %1 нового файла.").arg(i);
    f.game.writeStory(QStringLiteral("text\\read.tf"), longer);
    click(about->backSpot());
    settle();
    click(screens.menu()->infoSpot());
    settle();
    ASSERT_TRUE(screens.about());
    EXPECT_TRUE(
        screens.about()->readmeBox()->toPlainText().startsWith(QStringLiteral("Строка 0 нового файла.\n")));
    EXPECT_GT(screens.about()->readmeBox()->verticalScrollBar()->maximum(), 0);
    QTest::keyClick(screens.about()->readmeBox(), Qt::Key_A);
    EXPECT_FALSE(screens.about()->readmeBox()->toPlainText().contains(QLatin1Char('a')));
}

TEST_F(ShellTest, MissingReadmeIsReportedAndEndsTheProgram) {
    toMenu();
    f.game.remove(QStringLiteral("text\\read.tf"));
    click(screens.menu()->infoSpot());
    EXPECT_EQ(f.report.paths, std::vector<QString>{f.game.path(QStringLiteral("text\\read.tf"))});
    EXPECT_EQ(f.program.status, 1);
}

TEST_F(ShellTest, ExitRestoresTheArrowAndEndsLeavingTheFlags) {
    toMenu();
    f.game.writeBytes(QStringLiteral("engdat\\b.gdf"), "1\r\n");
    click(screens.menu()->exitSpot());
    EXPECT_EQ(f.cursors.installed.back(), f.arrow.savedCopy());
    EXPECT_EQ(f.program.status, 0);
    EXPECT_EQ(f.game.readBytes(QStringLiteral("engdat\\b.gdf")), QByteArray("1\r\n"));
}

TEST_F(ShellTest, StartLeadsThroughThePrologueToTheQuestWithTheSoundsInOrder) {
    toMenu();
    click(screens.menu()->startSpot());
    settle();
    EXPECT_EQ(screens.menu(), nullptr);
    IntoEngine* prologue = screens.prologue();
    ASSERT_TRUE(prologue && prologue->isVisible());
    EXPECT_EQ(prologue->size(), QSize(798, 596));
    EXPECT_EQ(prologue->prologuePanel()->text(), QStringLiteral("Пролог.\nВторая строка.\n"));
    EXPECT_EQ(prologue->beginLabel()->text(), QStringLiteral("Начать игру"));
    EXPECT_EQ(prologue->beginLabel()->geometry(), QRect(304, 504, 185, 41));

    click(prologue->beginLabel());
    EXPECT_FALSE(prologue->isVisible());
    ASSERT_TRUE(screens.engine() && screens.engine()->isVisible());
    EXPECT_EQ(f.sound.commands,
              (std::vector<QString>{"play sound\\intoeng.mp3", "close sound\\menu.mp3",
                                    "play sound\\trackgp.mp3", "close sound\\intoeng.mp3"}));
}

TEST_F(ShellTest, MissingPrologueOrFirstPassageStillSwitchesTheScreens) {
    f.game.remove(QStringLiteral("text\\into.tf"));
    f.game.remove(QStringLiteral("text\\gt1.tf"));
    toMenu();
    click(screens.menu()->startSpot());
    settle();
    ASSERT_TRUE(screens.prologue() && screens.prologue()->isVisible());
    EXPECT_EQ(screens.menu(), nullptr);
    click(screens.prologue()->beginLabel());
    EXPECT_FALSE(screens.prologue()->isVisible());
    ASSERT_TRUE(screens.engine() && screens.engine()->isVisible());
    // Each failed step skipped the close of the music before it, and nothing was reported.
    EXPECT_EQ(f.sound.commands, (std::vector<QString>{"play sound\\intoeng.mp3", "play sound\\trackgp.mp3"}));
    EXPECT_TRUE(f.report.paths.empty());
    EXPECT_EQ(f.program.ends, 0);
}

TEST_F(ShellTest, ClosingThePrologueRestoresTheArrowAndEndsWithoutAFlagReset) {
    toMenu();
    click(screens.menu()->startSpot());
    f.game.writeBytes(QStringLiteral("engdat\\c.gdf"), "1\r\n");
    EXPECT_TRUE(playerClose(screens.prologue()));
    EXPECT_EQ(f.cursors.installed.back(), f.arrow.savedCopy());
    EXPECT_EQ(f.program.status, 0);
    EXPECT_EQ(f.game.readBytes(QStringLiteral("engdat\\c.gdf")), QByteArray("1\r\n"));
}

TEST_F(ShellTest, TheSessionsEndClosesTheScreenInFrontWithItsClosingSequence) {
    struct Case {
        const char* screen;
        QByteArray flagAfter;
    } cases[] = {{"menu", "1\r\n"}, {"prologue", "1\r\n"}, {"quest", "0\r\n"}, {"game over", "0\r\n"}};
    for (const auto& c : cases) {
        Fakes fakes;
        fakes.game.writeStory(QStringLiteral("text\\into.tf"), {QStringLiteral("Пролог.")});
        fakes.game.writeStory(QStringLiteral("text\\gt1.tf"), {QStringLiteral("Начало.")});
        fakes.game.writeBytes(QStringLiteral("engdat\\b.gdf"), "1\r\n");
        Screens s(fakes.services);
        s.splashDone();
        if (std::string(c.screen) != "menu")
            s.menuStart();
        if (std::string(c.screen) == "quest" || std::string(c.screen) == "game over")
            s.beginGame();
        if (std::string(c.screen) == "game over")
            s.gameOverSwitch();
        s.endSession();
        EXPECT_EQ(fakes.program.status, 0) << c.screen;
        EXPECT_EQ(fakes.game.readBytes(QStringLiteral("engdat\\b.gdf")), c.flagAfter) << c.screen;
        settle();
    }
}

TEST_F(ShellTest, ThePrologueAndTheQuestScreenAreOnScreenWhileTheirTextsLoad) {
    QStringList lines;
    for (int i = 0; i < 20000; ++i)
        lines << QStringLiteral("Строка пролога номер %1, довольно длинная, чтобы переноситься.").arg(i);
    f.game.writeStory(QStringLiteral("text\\into.tf"), lines);
    toMenu();
    bool prologueShown = false;
    f.yield.onYield = [&](int n) {
        if (n == 1)
            prologueShown = screens.prologue() && screens.prologue()->isVisible();
    };
    screens.menuStart();
    EXPECT_TRUE(prologueShown);
    EXPECT_EQ(f.yield.count, lines.size());
    // The panel holds what can be seen, not the whole text laid out again after every line.
    TextPane* panel = screens.prologue()->prologuePanel();
    EXPECT_TRUE(panel->full());
    EXPECT_TRUE(panel->text().startsWith(lines[0] + QLatin1Char('\n') + lines[1] + QLatin1Char('\n')));
    EXPECT_LT(panel->text().size(), 100 * lines[0].size());
    EXPECT_EQ(panel->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    // A click on the begin label while the prologue still loads waits for the load.
    f.yield.count = 0;
    bool questShown = false;
    f.yield.onYield = [&](int n) {
        if (n == 1)
            questShown = screens.engine() && screens.engine()->isVisible();
    };
    screens.beginGame();
    EXPECT_TRUE(questShown);
}

TEST_F(ShellTest, TheBeginLabelClickedWhileThePrologueLoadsWaitsForTheLoad) {
    f.game.writeStory(QStringLiteral("text\\into.tf"),
                      {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    toMenu();
    f.yield.pumpEvents = true;
    f.yield.onYield = [&](int n) {
        if (n == 1)
            click(screens.prologue()->beginLabel());
    };
    screens.menuStart();
    EXPECT_FALSE(screens.engine()); // not in the middle of the prologue's load
    EXPECT_EQ(screens.prologue()->prologuePanel()->text(), QStringLiteral("1\n2\n3\n"));
    f.yield.onYield = nullptr;
    QTest::qWait(0);
    QCoreApplication::processEvents();
    ASSERT_TRUE(screens.engine());
    EXPECT_TRUE(screens.engine()->isVisible());
    EXPECT_FALSE(screens.prologue()->isVisible());
}

// The screen registry: the game-over switch, the way to the console, and whole playthroughs by
// real clicks on the shipped story.

#include "console/console_window.h"
#include "engine/engine_window.h"
#include "platform/qt/text_pane.h"
#include "shell/game_over.h"
#include "shell/screens.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace vortelia;
using namespace vortelia::testing;

namespace {

struct ScreensTest : ::testing::Test {
    ScreensTest() {
        // The shipped story, so that a playthrough reads what a player reads.
        QDir(f.game.root()).rmdir(QStringLiteral("text"));
        QFile::link(QStringLiteral(VORTELIA_GAME_DIR "/text"), f.game.path(QStringLiteral("text")));
    }
    void click(int slot, const char* expected) {
        QLabel* label = screens.engine()->choiceSlot(slot);
        ASSERT_TRUE(label->isVisible()) << expected;
        ASSERT_EQ(label->text(), QString::fromUtf8(expected));
        QTest::mouseClick(label, Qt::LeftButton);
    }
    QStringList shownCaptions() const {
        QStringList captions;
        for (int i = 0; i < 3; ++i)
            captions << (screens.engine()->choiceSlot(i)->isVisible()
                             ? screens.engine()->choiceSlot(i)->text()
                             : QStringLiteral("-"));
        return captions;
    }

    Fakes f;
    Screens screens{f.services};
};

} // namespace

TEST_F(ScreensTest, GameOverSwitchHidesTheQuestShowsTheGameOverScreenAndClosesTheQuestMusic) {
    screens.showQuest();
    const QString story = screens.quest()->scene().story;
    screens.gameOverSwitch();
    EXPECT_FALSE(screens.engine()->isVisible());
    ASSERT_TRUE(screens.gameOver());
    EXPECT_TRUE(screens.gameOver()->isVisible());
    EXPECT_EQ(screens.gameOver()->size(), QSize(797, 591));
    EXPECT_EQ(f.sound.commands, (std::vector<QString>{"play sound\\trackgp.mp3", "play sound\\gotrack.mp3",
                                                      "close sound\\trackgp.mp3"}));
    EXPECT_EQ(screens.quest()->scene().story, story); // the quest keeps its scene
}

TEST_F(ScreensTest, ClosingTheGameOverScreenResetsTheFlagsRestoresTheArrowAndEnds) {
    f.game.writeBytes(QStringLiteral("engdat\\c.gdf"), "1\r\n");
    f.game.writeBytes(QStringLiteral("cursor\\cur.cgf"), "x");
    f.arrow.install();
    screens.showQuest();
    screens.gameOverSwitch();
    screens.gameOver()->close();
    EXPECT_EQ(f.game.readBytes(QStringLiteral("engdat\\c.gdf")), QByteArray("0\r\n"));
    EXPECT_EQ(f.cursors.installed.back(), f.arrow.savedCopy());
    EXPECT_EQ(f.program.status, 0);
}

TEST_F(ScreensTest, PlaythroughByRealClicksToTheGameOverScreen) {
    screens.showQuest();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(screens.engine()));
    EXPECT_EQ(shownCaptions(), (QStringList{"Виртуальный ресторан", "Подводный мир", "Остров Сокровищ"}));
    click(2, "Остров Сокровищ");
    EXPECT_EQ(shownCaptions(), (QStringList{"Назад", "Остаться еще на полчаса", "-"}));
    click(1, "Остаться еще на полчаса");
    EXPECT_EQ(shownCaptions(), (QStringList{"Назад", "-", "-"}));
    click(0, "Назад");
    EXPECT_EQ(shownCaptions(), (QStringList{"Виртуальный ресторан", "Подводный мир", "Остров Сокровищ"}));
    click(1, "Подводный мир");
    EXPECT_EQ(shownCaptions(), (QStringList{"Подойти к ней", "Уйти", "-"}));
    click(1, "Уйти");
    EXPECT_EQ(shownCaptions(), (QStringList{"-", "Ответить", "-"}));
    click(1, "Ответить");
    EXPECT_EQ(shownCaptions(), (QStringList{"Посмотреть остальные сообщения", "Получить данные", "Закрыть"}));
    click(2, "Закрыть");
    EXPECT_EQ(shownCaptions(), (QStringList{"-", "Далее", "-"}));
    click(1, "Далее");
    click(0, "Виртуал Сити");
    click(1, "Войти в главное меню");
    EXPECT_EQ(shownCaptions(), (QStringList{"Виртуал банк", "Центр Voriva VUR Control", ">Далее"}));
    click(0, "Виртуал банк");
    EXPECT_EQ(f.game.readBytes(QStringLiteral("engdat\\b.gdf")), QByteArray("1\r\n"));
    click(0, "104|8");
    EXPECT_EQ(f.game.readBytes(QStringLiteral("engdat\\bc.gdf")), QByteArray("1\r\n"));
    EXPECT_EQ(shownCaptions(), (QStringList{"-", "Центр Voriva VUR Control", ">Далее"}));
    click(2, ">Далее");
    click(2, ">>Далее");
    click(2, ">>>Далее");
    click(2, ">>>>Далее");
    EXPECT_EQ(shownCaptions(), (QStringList{"Планетарий", "<<<<Назад", "-"}));
    click(0, "Планетарий");
    EXPECT_EQ(shownCaptions(), (QStringList{"Ввести код карты: 8031", "<<<<Назад", "-"}));
    click(0, "Ввести код карты: 8031");
    EXPECT_EQ(f.game.readBytes(QStringLiteral("engdat\\c.gdf")), QByteArray("1\r\n"));
    click(1, "Вернуться домой");
    click(0, "Прочесть сообщения");
    click(0, "Закрыть меню контролера");
    EXPECT_EQ(shownCaptions(), (QStringList{"Ехать", "Остаться", "-"}));
    click(0, "Ехать");
    click(0, "Отстановиться");
    EXPECT_EQ(shownCaptions(), (QStringList{"Конец", "-", "-"}));
    EXPECT_FALSE(screens.engine()->storyPanel()->text().isEmpty());
    click(0, "Конец");
    EXPECT_FALSE(screens.engine()->isVisible());
    ASSERT_TRUE(screens.gameOver() && screens.gameOver()->isVisible());
    EXPECT_EQ(f.sound.commands.back(), QStringLiteral("close sound\\trackgp.mp3"));
    screens.gameOver()->close();
    for (const char* flag : {"engdat\\b.gdf", "engdat\\c.gdf", "engdat\\bc.gdf"})
        EXPECT_EQ(f.game.readBytes(QLatin1String(flag)), QByteArray("0\r\n")) << flag;
    EXPECT_TRUE(f.report.paths.empty());
}

TEST_F(ScreensTest, PlaythroughToTheConsoleThroughTheAnswerBox) {
    screens.showQuest();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(screens.engine()));
    screens.engine()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(screens.engine()));
    // The shortest road: the building, the cyber-chair, host 46, fourteen words, the house.
    click(2, "Остров Сокровищ");
    click(0, "Назад");
    click(1, "Подводный мир");
    click(1, "Уйти");
    click(1, "Ответить");
    click(1, "Получить данные");
    click(2, "Закрыть");
    click(1, "Далее");
    click(0, "Виртуал Сити");
    click(1, "Войти в главное меню");
    click(0, "Виртуал банк");
    click(0, "104|8");
    click(2, ">Далее");
    click(1, "Клуб Elen"); // flag c still "0": no access code yet
    EXPECT_EQ(shownCaptions(), (QStringList{"Ресторан Vibi", "-", ">>>Далее"}));
    click(2, ">>>Далее");
    click(2, ">>>>Далее");
    click(0, "Планетарий");
    click(0, "Ввести код карты: 8031");
    click(2, ">>>>Далее");
    click(1, "<<<<Назад");
    click(2, ">Далее");
    click(1, "Клуб Elen");
    EXPECT_EQ(shownCaptions(), (QStringList{"Ресторан Vibi", "Ввести код доступа: 2929", ">>Далее"}));
    click(1, "Ввести код доступа: 2929");
    click(0, "дальше>>");
    click(0, "Просмотреть сообщения");
    click(0, "Закрыть контролер");
    click(0, "Ехать");
    click(1, "Оторваться");
    click(0, ">>>");
    click(0, "Войти в здание");
    EXPECT_EQ(shownCaptions(), (QStringList{"1 час", "11 часов", "17 часов"}));
    click(0, "1 час");
    click(0, "[киберкресло]");
    click(0, "[HOST#46]");
    click(0, "14 слов");
    click(0, "Дом у дороги");
    click(0, "->");
    click(0, "Ехать на Ивин роуч 47");
    click(0, "Нет...");
    EXPECT_EQ(shownCaptions(), (QStringList{"-", "Enter parol", "-"}));
    QLineEdit* box = screens.engine()->answerBox();
    ASSERT_TRUE(box->isVisible());
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClick(screens.engine()->windowHandle(), Qt::Key_M);
    for (char c : {'i', 'r', 't'})
        QTest::keyClick(screens.engine()->windowHandle(), c);
    ASSERT_EQ(box->text(), QStringLiteral("mirt"));
    click(1, "Enter parol");
    EXPECT_FALSE(screens.engine()->isVisible());
    ASSERT_TRUE(screens.console() && screens.console()->isVisible());
    EXPECT_EQ(screens.engine()->choiceSlot(1)->text(), QStringLiteral("Enter parol")); // scene intact
    EXPECT_EQ(f.program.ends, 0);
}

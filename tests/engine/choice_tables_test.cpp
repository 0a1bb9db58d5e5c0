// The three choice tables: how a caption and its condition pick a row, and what the rows do.

#include "engine/quest.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

using namespace vortelia;
using namespace vortelia::testing;

namespace {

Scene sceneWith(const char* b, const char* c, const char* bc, const char* answer = "") {
    Scene scene;
    scene.flags = {QString::fromUtf8(b), QString::fromUtf8(c), QString::fromUtf8(bc)};
    scene.answerText = QString::fromUtf8(answer);
    return scene;
}

// The story file of the row that the caption picks, "-" for a row without one, "" for no row.
std::string picked(int slot, const char* caption, const Scene& scene) {
    const Transition* row = findTransition(choiceTable(slot), QString::fromUtf8(caption), scene);
    if (!row)
        return "";
    return row->story ? row->story : "-";
}

} // namespace

TEST(ChoiceTables, CaptionsCompareExactly) {
    const Scene s = sceneWith("0", "0", "0");
    struct Case {
        int slot;
        const char* caption;
        std::string story;
    } cases[] = {
        {0, "Назад", "text\\gt3.tf"},
        {0, ">Назад<", "text\\gt43.tf"},
        {0, ">>Назад<<", "text\\gt49.tf"},
        {0, "<<<<Назад", ""},
        {1, "<<<<Назад", "text\\gt15.tf"},
        {1, "назад", ""},
        {1, "Назад ", ""},
        {1, " Назад", ""},
        {0, "104|8", "text\\gt17.tf"},
        {1, "100|48", "text\\gt18.tf"},
        {2, "100|4|8", "text\\gt18.tf"},
        {2, "Далее", ""},
        {1, "Далее", "text\\gt13.tf"},
        {2, ">Далее", "text\\gt15.tf"},
        {2, ">>>>Далее", "text\\gt15.tf"},
        {0, "Конец", "-"},
        {1, "Конец", "-"},
        {2, "Конец", ""},
        {2, "17 часов", "-"},
        {1, "11 часов", "-"},
        {0, "Отстановиться", "text\\gt35.tf"},
        {0, "Остановиться", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(picked(c.slot, c.caption, s), c.story) << c.slot << " " << c.caption;
}

TEST(ChoiceTables, FlagConditionsMatchOnlyZeroOrOne) {
    struct Case {
        const char* value;
        std::string planetarium; // slot 1, flag bc
        std::string club;        // slot 2, flag c
        std::string bank;        // slot 1, flag b
    } cases[] = {
        {"0", "text\\gt23.tf", "text\\gt20.tf", "text\\gt16.tf"},
        {"1", "text\\gt23.tf", "text\\gt20.tf", ""},
        {"", "", "", ""},
        {"10", "", "", ""},
        {" 1", "", "", ""},
        {"01", "", "", ""},
    };
    for (const auto& c : cases) {
        const Scene s = sceneWith(c.value, c.value, c.value);
        EXPECT_EQ(picked(0, "Планетарий", s), c.planetarium) << '"' << c.value << '"';
        EXPECT_EQ(picked(1, "Клуб Elen", s), c.club) << '"' << c.value << '"';
        EXPECT_EQ(picked(0, "Виртуал банк", s), c.bank) << '"' << c.value << '"';
    }
    // The two planetarium rows differ in what they offer.
    const auto* withCard =
        findTransition(choiceTable(0), QStringLiteral("Планетарий"), sceneWith("0", "0", "1"));
    const auto* without =
        findTransition(choiceTable(0), QStringLiteral("Планетарий"), sceneWith("0", "0", "0"));
    ASSERT_TRUE(withCard && without);
    EXPECT_STREQ(withCard->settings[0].caption, "Ввести код карты: 8031");
    EXPECT_EQ(without->settings[0].visibility, Visibility::Hide);
}

TEST(ChoiceTables, PasswordsMatchTheWholeAnswerExactly) {
    struct Case {
        const char* answer;
        std::string story;
        Effect effect;
    } cases[] = {
        {"qz", "text\\gt57.tf", Effect::None},
        {"mirt", "-", Effect::Console},
        {"QZ", "", Effect::None},
        {" qz", "", Effect::None},
        {"qz\r\n", "", Effect::None},
        {"", "", Effect::None},
        {"Mirt", "", Effect::None},
        {"mirt ", "", Effect::None},
    };
    for (const auto& c : cases) {
        const Scene s = sceneWith("0", "0", "0", c.answer);
        EXPECT_EQ(picked(1, "Enter parol", s), c.story) << c.answer;
        if (const auto* row = findTransition(choiceTable(1), QStringLiteral("Enter parol"), s)) {
            EXPECT_EQ(row->effect, c.effect) << c.answer;
        }
    }
}

namespace {

struct TableClickTest : ::testing::Test {
    void showScene(int slot, const char* caption) {
        // Reach a scene with the caption on the slot through the opening and the F8 key's
        // rule that hidden slots keep their captions: the tables only look at captions.
        f.game.writeStory(QStringLiteral("text\\gt1.tf"), {QStringLiteral("Начало.")});
        quest.open();
        const_cast<Scene&>(quest.scene()).choices[slot].caption = QString::fromUtf8(caption);
        f.sound.commands.clear();
    }
    Fakes f;
    RecordingExits exits;
    Quest quest{f.files, f.yield, f.sound, exits};
};

} // namespace

TEST_F(TableClickTest, BankSetsFlagBAfterItsPassageWhileTheHolderKeepsTheOldValue) {
    f.game.writeStory(QStringLiteral("text\\gt16.tf"), {QStringLiteral("Банк.")});
    showScene(0, "Виртуал банк");
    quest.click(0);
    EXPECT_EQ(f.game.readBytes(QStringLiteral("engdat\\b.gdf")), QByteArray("1\r\n"));
    EXPECT_EQ(quest.scene().flags[0], QStringLiteral("0"));
    EXPECT_EQ(quest.scene().choices[0].caption, QStringLiteral("104|8"));
    EXPECT_EQ(quest.scene().choices[1].caption, QStringLiteral("100|48"));
    EXPECT_EQ(quest.scene().choices[2].caption, QStringLiteral("100|4|8"));

    // Back on the bank caption, the next click reloads "1" and nothing else happens.
    const_cast<Scene&>(quest.scene()).choices[0].caption = QStringLiteral("Виртуал банк");
    const Scene before = quest.scene();
    quest.click(0);
    EXPECT_EQ(quest.scene().flags[0], QStringLiteral("1"));
    EXPECT_EQ(quest.scene().story, before.story);
    EXPECT_EQ(quest.scene().choices[1].caption, before.choices[1].caption);
    EXPECT_EQ(quest.scene().answerShown, before.answerShown);
}

TEST_F(TableClickTest, SlotThreeReadsNoFlagFile) {
    f.game.writeStory(QStringLiteral("text\\gt4.tf"), {QStringLiteral("Остров.")});
    showScene(2, "Остров Сокровищ");
    for (const char* flag : {"engdat\\b.gdf", "engdat\\c.gdf", "engdat\\bc.gdf"})
        f.game.remove(QLatin1String(flag));
    quest.click(2);
    EXPECT_EQ(quest.scene().story, QStringLiteral("Остров.\r\n"));
    EXPECT_EQ(quest.scene().choices[0].caption, QStringLiteral("Назад"));
    EXPECT_EQ(quest.scene().choices[1].caption, QStringLiteral("Остаться еще на полчаса"));
    EXPECT_TRUE(quest.scene().choices[0].shown && quest.scene().choices[1].shown);
    EXPECT_FALSE(quest.scene().choices[2].shown);
}

TEST_F(TableClickTest, SlotOneAndTwoFailAtTheirReloadWithoutTheFlagFile) {
    showScene(0, "Виртуальный ресторан");
    f.game.remove(QStringLiteral("engdat\\c.gdf"));
    EXPECT_THROW(quest.click(0), Failure);
    EXPECT_THROW(quest.click(1), Failure);
    EXPECT_EQ(quest.scene().story, QStringLiteral("Начало.\r\n"));
}

TEST_F(TableClickTest, AMissingStoryFileLeavesThePanelClearedAndTheSlotsAsTheyWere) {
    showScene(2, "Закрыть"); // text\gt12.tf is not there
    EXPECT_THROW(quest.click(2), Failure);
    EXPECT_EQ(quest.scene().story, QString());
    EXPECT_EQ(quest.scene().choices[2].caption, QStringLiteral("Закрыть"));
    EXPECT_TRUE(quest.scene().choices[2].shown);
    EXPECT_TRUE(quest.scene().choices[0].shown);
}

TEST_F(TableClickTest, GameOverRowsChangeNothingOnTheQuestScreen) {
    const struct {
        int slot;
        const char* caption;
    } rows[] = {{0, "Конец"}, {1, "11 часов"}, {1, "Конец"}, {2, "17 часов"}};
    for (const auto& row : rows) {
        showScene(row.slot, row.caption);
        const Scene before = quest.scene();
        exits.calls.clear();
        quest.click(row.slot);
        EXPECT_EQ(exits.calls, std::vector<QString>{"game over"}) << row.caption;
        EXPECT_EQ(quest.scene().story, before.story);
        EXPECT_EQ(quest.scene().choices[row.slot].caption, QString::fromUtf8(row.caption));
        EXPECT_TRUE(f.sound.commands.empty());
        EXPECT_EQ(f.game.readBytes(QStringLiteral("engdat\\b.gdf")), QByteArray("0\r\n"));
    }
}

TEST_F(TableClickTest, TheAnswerBoxIsShownWithItsEarlierText) {
    f.game.writeStory(QStringLiteral("text\\gt56.tf"), {QStringLiteral("Пароль?")});
    showScene(0, "Нет...");
    quest.setAnswerText(QStringLiteral("раньше"));
    quest.click(0);
    EXPECT_TRUE(quest.scene().answerShown);
    EXPECT_EQ(quest.scene().answerText, QStringLiteral("раньше"));
    EXPECT_EQ(quest.scene().choices[1].caption, QStringLiteral("Enter parol"));
    quest.click(1); // a wrong password: nothing
    EXPECT_TRUE(exits.calls.empty());
    quest.setAnswerText(QStringLiteral("mirt"));
    quest.click(1);
    EXPECT_EQ(exits.calls, std::vector<QString>{"console"});
    EXPECT_EQ(quest.scene().choices[1].caption, QStringLiteral("Enter parol"));
}

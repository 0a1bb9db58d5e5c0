#include "engine/quest.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

using namespace vortelia;
using namespace vortelia::testing;

namespace {

struct QuestTest : ::testing::Test {
    QuestTest() {
        f.game.writeStory(QStringLiteral("text\\gt1.tf"),
                          {QStringLiteral("Первая строка."), QStringLiteral("Вторая.")});
        f.game.writeStory(QStringLiteral("text\\gt57.tf"), {QStringLiteral("Конец истории.")});
    }
    const Scene& scene() const { return quest.scene(); }
    QStringList captions() const {
        return {scene().choices[0].caption, scene().choices[1].caption, scene().choices[2].caption};
    }
    std::array<bool, 3> shown() const {
        return {scene().choices[0].shown, scene().choices[1].shown, scene().choices[2].shown};
    }

    Fakes f;
    RecordingExits exits;
    Quest quest{f.files, f.yield, f.sound, exits};
};

} // namespace

TEST_F(QuestTest, OpeningSetsTheFirstChoicesStartsTheMusicAndLoadsTheFirstPassage) {
    std::vector<QString> storyAtYield;
    f.yield.onYield = [&](int) { storyAtYield.push_back(scene().story); };
    quest.open();
    EXPECT_EQ(captions(), (QStringList{"Виртуальный ресторан", "Подводный мир", "Остров Сокровищ"}));
    EXPECT_EQ(shown(), (std::array<bool, 3>{true, true, true}));
    EXPECT_EQ(f.sound.commands, std::vector<QString>{"play sound\\trackgp.mp3"});
    EXPECT_EQ(scene().story, QStringLiteral("Первая строка.\r\nВторая.\r\n"));
    // The passage grows line by line, with a yield after each line.
    EXPECT_EQ(storyAtYield, (std::vector<QString>{"Первая строка.\r\n", "Первая строка.\r\nВторая.\r\n"}));
    EXPECT_FALSE(scene().answerShown);
    EXPECT_EQ(scene().flags, (FlagHolders{}));
}

TEST_F(QuestTest, LoadStoryTextEndsEveryLineWithCrLf) {
    struct Case {
        QByteArray file;
        const char* story;
    } cases[] = {
        {"a\r\nb", "a\r\nb\r\n"}, {"\r\n", "\r\n"}, {"", ""}, {"a\rb\r", "a\r\nb\r\n"}, {"a\nb", "a\nb\r\n"},
    };
    for (const auto& c : cases) {
        f.game.writeBytes(QStringLiteral("text\\x.tf"), c.file);
        quest.loadStoryText(QStringLiteral("text\\x.tf"));
        EXPECT_EQ(scene().story, QString::fromLatin1(c.story)) << c.file.toStdString();
    }
}

TEST_F(QuestTest, MissingStoryFileFailsWithThePanelAlreadyCleared) {
    quest.open();
    EXPECT_THROW(quest.loadStoryText(QStringLiteral("text\\gt99.tf")), Failure);
    EXPECT_EQ(scene().story, QString());
    EXPECT_FALSE(quest.busy());
}

TEST_F(QuestTest, F8LoadsTheClosingPassageWithConecAloneOnSlot1) {
    quest.open();
    for (int press = 0; press < 2; ++press) {
        quest.key(Quest::Key::F8);
        EXPECT_EQ(scene().story, QStringLiteral("Конец истории.\r\n"));
        EXPECT_EQ(scene().choices[0].caption, QStringLiteral("Конец"));
        EXPECT_EQ(shown(), (std::array<bool, 3>{true, false, false}));
    }
    EXPECT_EQ(scene().choices[1].caption, QStringLiteral("Подводный мир")); // hidden slots keep captions
    EXPECT_EQ(f.sound.commands.size(), 1u);
}

TEST_F(QuestTest, F8WithTheClosingPassageMissingFailsBeforeTheSlotsChange) {
    quest.open();
    f.game.remove(QStringLiteral("text\\gt57.tf"));
    EXPECT_THROW(quest.key(Quest::Key::F8), Failure);
    EXPECT_EQ(scene().story, QString());
    EXPECT_EQ(shown(), (std::array<bool, 3>{true, true, true}));
}

TEST_F(QuestTest, HoverColoursFollowThePointer) {
    using P = Quest::Pointer;
    using C = SlotColour;
    struct Step {
        P where;
        std::array<C, 3> colours;
    } steps[] = {
        {P::Neutral, {C::Default, C::Default, C::Default}}, // the story panel changes nothing
        {P::Slot2, {C::Normal, C::Highlight, C::Normal}},
        {P::Neutral, {C::Normal, C::Highlight, C::Normal}}, // the highlight stays over the panel
        {P::Slot1, {C::Highlight, C::Normal, C::Normal}},
        {P::Slot1, {C::Highlight, C::Normal, C::Normal}},
        {P::Bare, {C::Normal, C::Normal, C::Normal}},
        {P::Slot3, {C::Normal, C::Normal, C::Highlight}},
    };
    quest.open();
    for (size_t i = 0; i < std::size(steps); ++i)
        EXPECT_EQ(scene().colours, (quest.pointerOver(steps[i].where), steps[i].colours)) << "step " << i;
    // A caption change or a hidden slot keeps the colour.
    quest.key(Quest::Key::F8);
    EXPECT_EQ(scene().colours, (std::array<C, 3>{C::Normal, C::Normal, C::Highlight}));
}

TEST_F(QuestTest, ClicksAndKeysDuringALoadAreIgnored) {
    QStringList lines;
    for (int i = 0; i < 5; ++i)
        lines << QStringLiteral("строка %1").arg(i);
    f.game.writeStory(QStringLiteral("text\\gt1.tf"), lines);
    int ignored = 0;
    f.yield.onYield = [&](int) {
        EXPECT_TRUE(quest.busy());
        const QString before = scene().story;
        quest.click(2);
        quest.click(0);
        quest.key(Quest::Key::F8);
        quest.key(Quest::Key::Console);
        ignored += scene().story == before;
    };
    quest.open();
    EXPECT_EQ(ignored, 5);
    EXPECT_TRUE(exits.calls.empty());
    EXPECT_FALSE(quest.busy());
    EXPECT_EQ(scene().story.count(QStringLiteral("\r\n")), 5);
}

TEST_F(QuestTest, AnEndingProgramStopsTheLoadAtTheNextYield) {
    f.game.writeStory(QStringLiteral("text\\gt1.tf"), {"1", "2", "3", "4"});
    f.yield.onYield = [&](int n) {
        if (n == 2)
            f.program.end(0); // as a close request handled in the middle of the load would
    };
    EXPECT_THROW(quest.open(), ProgramEnding);
    EXPECT_EQ(scene().story, QStringLiteral("1\r\n2\r\n"));
    EXPECT_FALSE(quest.busy());
}

TEST_F(QuestTest, AVeryLongLineLetsACloseThroughAndStillCountsAsOneLine) {
    f.game.writeBytes(QStringLiteral("text\\gt57.tf"), QByteArray(4 << 20, 'x') + "\r\nend\r\n");
    quest.open();
    f.yield.count = 0;
    quest.key(Quest::Key::F8);
    EXPECT_EQ(f.yield.count, 2); // one yield per line, however long
    EXPECT_GT(f.yield.pauses, 10);
    EXPECT_EQ(scene().story.size(), (4 << 20) + 2 + 5);

    // A close in the middle of the line ends the load there.
    f.yield.count = 0;
    f.yield.pauses = 0;
    f.yield.onPause = [&](int n) {
        if (n == 3)
            f.program.end(0);
    };
    EXPECT_THROW(quest.loadStoryText(QStringLiteral("text\\gt57.tf")), ProgramEnding);
    EXPECT_EQ(f.yield.pauses, 3);
    EXPECT_EQ(f.yield.count, 0);
    EXPECT_TRUE(scene().story.isEmpty());
}

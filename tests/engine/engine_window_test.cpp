// The quest screen's window on the offscreen platform, driven by real Qt events.

#include "engine/engine_window.h"
#include "platform/qt/text_pane.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QStyleHints>
#include <QTest>

using namespace vortelia;
using namespace vortelia::testing;

namespace {

const QColor normal(0, 170, 164);
const QColor highlight(5, 253, 244);

struct EngineWindowTest : ::testing::Test {
    EngineWindowTest() {
        f.game.writeStory(QStringLiteral("text\\gt1.tf"), {QStringLiteral("Ты входишь в миры."), QString()});
        f.game.writeStory(QStringLiteral("text\\gt57.tf"), {QStringLiteral("Конец.")});
        f.game.writeStory(QStringLiteral("text\\gt2.tf"), {QStringLiteral("Ресторан.")});
    }
    void open() {
        quest.open();
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QLabel* slot(int i) const { return window.choiceSlot(i); }
    QColor colour(int i) const { return slot(i)->palette().color(QPalette::WindowText); }
    void moveTo(QWidget* w, QPoint p) { QTest::mouseMove(w, p); }
    std::array<QColor, 3> colours() const { return {colour(0), colour(1), colour(2)}; }

    Fakes f;
    RecordingExits exits;
    Quest quest{f.files, f.yield, f.sound, exits};
    Engine window{quest, f.services};
};

} // namespace

TEST_F(EngineWindowTest, OpensWithTheFirstPassageAndChoicesInTheirPlaces) {
    open();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Миры \"Vortelia\""));
    EXPECT_EQ(window.size(), QSize(800, 598));
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("Label1")), window.storyPanel());
    EXPECT_EQ(window.storyPanel()->geometry(), QRect(456, 8, 329, 465));
    EXPECT_EQ(window.storyPanel()->text(), QStringLiteral("Ты входишь в миры.\n\n"));
    const char* names[] = {"Label2", "Label3", "Label4"};
    const char* captions[] = {"Виртуальный ресторан", "Подводный мир", "Остров Сокровищ"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(slot(i)->objectName(), QLatin1String(names[i]));
        EXPECT_EQ(slot(i)->geometry(), QRect(472, 504 + 32 * i, 297, 17));
        EXPECT_EQ(slot(i)->text(), QString::fromUtf8(captions[i]));
        EXPECT_TRUE(slot(i)->isVisible());
        EXPECT_EQ(slot(i)->accessibleName(), QString::fromUtf8(captions[i]));
    }
    for (Flag flag : {Flag::B, Flag::C, Flag::BC})
        EXPECT_FALSE(window.flagHolder(flag)->isVisible());
    EXPECT_EQ(window.answerBox()->objectName(), QStringLiteral("Text1"));
    EXPECT_FALSE(window.answerBox()->isVisible());
    EXPECT_EQ(f.sound.commands, std::vector<QString>{"play sound\\trackgp.mp3"});
}

TEST_F(EngineWindowTest, AScreenReaderReadsThePassageAndTheChoices) {
    open();
    QAccessibleInterface* panel = QAccessible::queryAccessibleInterface(window.storyPanel());
    ASSERT_TRUE(panel);
    EXPECT_EQ(panel->text(QAccessible::Name), QStringLiteral("Ты входишь в миры.\n\n"));
    QAccessibleInterface* slot2 = QAccessible::queryAccessibleInterface(slot(1));
    ASSERT_TRUE(slot2);
    EXPECT_EQ(slot2->text(QAccessible::Name), QStringLiteral("Подводный мир"));
}

TEST_F(EngineWindowTest, HoverHighlightsTheSlotUnderThePointerByItsWholeRectangle) {
    open();
    moveTo(slot(1), QPoint(2, 2)); // the corner, far from the centred text
    EXPECT_EQ(colours(), (std::array<QColor, 3>{normal, highlight, normal}));
    moveTo(window.storyPanel(), QPoint(100, 100));
    EXPECT_EQ(colours(), (std::array<QColor, 3>{normal, highlight, normal}));
    moveTo(&window, QPoint(100, 300)); // the picture
    EXPECT_EQ(colours(), (std::array<QColor, 3>{normal, normal, normal}));
    moveTo(slot(2), QPoint(150, 8));
    EXPECT_EQ(colours(), (std::array<QColor, 3>{normal, normal, highlight}));
    // Over the place of a hidden slot the window is bare.
    QTest::keyClick(window.windowHandle(), Qt::Key_F8);
    EXPECT_FALSE(slot(1)->isVisible());
    moveTo(&window, slot(1)->geometry().center());
    EXPECT_EQ(colours(), (std::array<QColor, 3>{normal, normal, normal}));
    // The hidden flag holders count as bare window too.
    moveTo(&window, window.flagHolder(Flag::B)->geometry().center());
    moveTo(slot(0), QPoint(5, 5));
    moveTo(&window, window.flagHolder(Flag::C)->geometry().center());
    EXPECT_EQ(colours(), (std::array<QColor, 3>{normal, normal, normal}));
}

TEST_F(EngineWindowTest, ClickOnASlotRunsItsTable) {
    open();
    QTest::mouseClick(slot(0), Qt::LeftButton, {}, QPoint(10, 8));
    EXPECT_EQ(window.storyPanel()->text(), QStringLiteral("Ресторан.\n"));
    EXPECT_FALSE(slot(0)->isVisible());
    EXPECT_EQ(slot(1)->text(), QStringLiteral("Назад"));
    EXPECT_FALSE(slot(2)->isVisible());
    // slot 1 reloads c, b and bc: the holders now show the files.
    EXPECT_EQ(window.flagHolder(Flag::B)->text(), QStringLiteral("0"));
}

TEST_F(EngineWindowTest, F8GivesTheClosingPassageWhateverTheModifiers) {
    open();
    QTest::keyClick(window.windowHandle(), Qt::Key_F8, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(window.storyPanel()->text(), QStringLiteral("Конец.\n"));
    EXPECT_EQ(slot(0)->text(), QStringLiteral("Конец"));
    EXPECT_TRUE(slot(0)->isVisible());
    EXPECT_FALSE(slot(1)->isVisible());
    EXPECT_FALSE(slot(2)->isVisible());
}

TEST_F(EngineWindowTest, OnceTheAnswerBoxHasTheFocusClicksLeaveItThereAndTheHotkeysDoNothing) {
    open();
    // The password scene, as the row "Нет..." makes it.
    f.game.writeStory(QStringLiteral("text\\gt56.tf"), {QStringLiteral("Пароль?")});
    const_cast<Scene&>(quest.scene()).choices[0].caption = QStringLiteral("Нет...");
    QTest::mouseClick(slot(0), Qt::LeftButton);
    ASSERT_TRUE(window.answerBox()->isVisible());
    QTest::mouseClick(window.answerBox(), Qt::LeftButton);
    ASSERT_TRUE(window.answerBox()->hasFocus());
    for (char c : {'a', 'b', 'c'})
        QTest::keyClick(window.windowHandle(), c);
    QTest::mouseClick(slot(1), Qt::LeftButton); // a wrong password: nothing happens
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(100, 300));
    QTest::mouseClick(window.storyPanel(), Qt::LeftButton);
    EXPECT_TRUE(window.answerBox()->hasFocus());
    QTest::keyClick(window.windowHandle(), Qt::Key_F8, Qt::ShiftModifier);
    QTest::keyClick(window.windowHandle(), Qt::Key_Comma, Qt::KeypadModifier);
    EXPECT_EQ(window.storyPanel()->text(), QStringLiteral("Пароль?\n"));
    EXPECT_EQ(slot(1)->text(), QStringLiteral("Enter parol"));
    EXPECT_TRUE(exits.calls.empty());
    EXPECT_EQ(quest.scene().answerText.left(3), QStringLiteral("abc"));
}

TEST_F(EngineWindowTest, TabAndShiftTabLeaveTheFocusInTheAnswerBox) {
    // Desktops hand Tab to every control that takes it (the offscreen platform only to text boxes),
    // and the quest window itself is one.
    QStyleHints* hints = QGuiApplication::styleHints();
    const Qt::TabFocusBehavior before = hints->tabFocusBehavior();
    hints->setTabFocusBehavior(Qt::TabFocusAllControls);
    const auto restore = qScopeGuard([&] { hints->setTabFocusBehavior(before); });
    open();
    f.game.writeStory(QStringLiteral("text\\gt56.tf"), {QStringLiteral("Пароль?")});
    const_cast<Scene&>(quest.scene()).choices[0].caption = QStringLiteral("Нет...");
    QTest::mouseClick(slot(0), Qt::LeftButton);
    QTest::mouseClick(window.answerBox(), Qt::LeftButton);
    ASSERT_TRUE(window.answerBox()->hasFocus());
    // Each key alone: a Tab followed by a Backtab would hand the focus away and back again.
    for (auto [key, modifiers] : {std::pair{Qt::Key_Tab, Qt::KeyboardModifiers()},
                                  std::pair{Qt::Key_Tab, Qt::KeyboardModifiers(Qt::ShiftModifier)},
                                  std::pair{Qt::Key_Backtab, Qt::KeyboardModifiers(Qt::ShiftModifier)}}) {
        QTest::keyClick(window.windowHandle(), key, modifiers);
        EXPECT_TRUE(window.answerBox()->hasFocus()) << "after key " << key << " with " << modifiers;
    }
    // With the focus still in the answer box, the hotkeys stay off.
    QTest::keyClick(window.windowHandle(), Qt::Key_F8);
    QTest::keyClick(window.windowHandle(), Qt::Key_Comma, Qt::KeypadModifier);
    EXPECT_EQ(window.storyPanel()->text(), QStringLiteral("Пароль?\n"));
    EXPECT_TRUE(exits.calls.empty());
}

TEST_F(EngineWindowTest, TheKeypadSeparatorOpensTheConsoleUnlessTheAnswerBoxHasTheFocus) {
    open();
    const Scene before = quest.scene();
    QTest::keyClick(window.windowHandle(), Qt::Key_Comma); // the main keyboard's comma
    EXPECT_TRUE(exits.calls.empty());
    QTest::keyClick(window.windowHandle(), Qt::Key_Comma, Qt::KeypadModifier | Qt::ShiftModifier);
    EXPECT_EQ(exits.calls, std::vector<QString>{"console"});
    EXPECT_EQ(quest.scene().story, before.story);
    EXPECT_EQ(f.sound.commands.size(), 1u); // only the opening's music
    EXPECT_EQ(f.game.readBytes(QStringLiteral("engdat\\b.gdf")), QByteArray("0\r\n"));

    exits.calls.clear();
    f.game.writeStory(QStringLiteral("text\\gt56.tf"), {QStringLiteral("Пароль?")});
    const_cast<Scene&>(quest.scene()).choices[0].caption = QStringLiteral("Нет...");
    QTest::mouseClick(slot(0), Qt::LeftButton);
    QTest::mouseClick(window.answerBox(), Qt::LeftButton);
    ASSERT_TRUE(window.answerBox()->hasFocus());
    QTest::keyClick(window.windowHandle(), Qt::Key_Comma, Qt::KeypadModifier);
    EXPECT_TRUE(exits.calls.empty());
}

TEST_F(EngineWindowTest, TypingIntoTheAnswerBoxReachesTheQuest) {
    open();
    f.game.writeStory(QStringLiteral("text\\gt56.tf"), {QStringLiteral("Пароль?")});
    const_cast<Scene&>(quest.scene()).choices[0].caption = QStringLiteral("Нет...");
    QTest::mouseClick(slot(0), Qt::LeftButton);
    QTest::mouseClick(window.answerBox(), Qt::LeftButton);
    for (char c : {'q', 'z'})
        QTest::keyClick(window.windowHandle(), c);
    EXPECT_EQ(quest.scene().answerText, QStringLiteral("qz"));
}

TEST_F(EngineWindowTest, CloseRestoresTheArrowResetsTheFlagsAndEndsTheProgram) {
    open();
    f.game.writeBytes(QStringLiteral("cursor\\cur.cgf"), "x");
    f.arrow.install();
    for (const char* flag : {"engdat\\b.gdf", "engdat\\c.gdf", "engdat\\bc.gdf"})
        f.game.writeBytes(QLatin1String(flag), "1\r\n");
    window.close();
    for (const char* flag : {"engdat\\b.gdf", "engdat\\c.gdf", "engdat\\bc.gdf"})
        EXPECT_EQ(f.game.readBytes(QLatin1String(flag)), QByteArray("0\r\n")) << flag;
    EXPECT_EQ(f.cursors.installed.back(), f.arrow.savedCopy());
    EXPECT_EQ(f.program.status, 0);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(EngineWindowTest, FailedCloseStillClosesReportsTheFileAndEndsWithAFailure) {
    open();
    QDir(f.game.path(QStringLiteral("engdat"))).removeRecursively();
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(f.report.paths, std::vector<QString>{f.game.path(QStringLiteral("engdat\\b.gdf"))});
    EXPECT_EQ(f.program.status, 1);
}

TEST_F(EngineWindowTest, AClickDuringASlowLoadIsIgnoredAndACloseEndsTheLoad) {
    QStringList lines;
    for (int i = 0; i < 40; ++i)
        lines << QStringLiteral("Строка %1 длинного рассказа.").arg(i);
    f.game.writeStory(QStringLiteral("text\\gt2.tf"), lines);
    open();
    f.yield.count = 0;
    f.yield.pumpEvents = true;
    f.yield.onYield = [&](int n) {
        if (n == 3)
            QTest::mouseClick(slot(1), Qt::LeftButton); // would load gt6 if it ran
        if (n == 10)
            window.close();
    };
    QTest::mouseClick(slot(0), Qt::LeftButton);
    EXPECT_EQ(f.yield.count, 10); // three flag reloads, then seven lines: stopped at the close
    EXPECT_EQ(quest.scene().story.count(QStringLiteral("\r\n")), 7);
    EXPECT_TRUE(quest.scene().choices[0].shown); // the slot settings after the load never ran
    EXPECT_EQ(slot(1)->text(), QStringLiteral("Подводный мир"));
    EXPECT_EQ(f.program.status, 0);
    EXPECT_EQ(f.game.readBytes(QStringLiteral("engdat\\b.gdf")), QByteArray("0\r\n"));
}

TEST_F(EngineWindowTest, TheLeftPanelShowsThePlaceOfThePassageFromTheStartOfItsLoad) {
    open();
    const QRect panel(8, 8, 432, 582);
    const QString hall = QStringLiteral(":/art/place_hall.svg");
    const QString restaurant = QStringLiteral(":/art/place_restaurant.svg");
    EXPECT_EQ(window.placePicture(), hall);
    const QImage inTheHall = window.grab(panel).toImage();

    // At the yield after the passage's first line (the flags are reloaded, with yields, before
    // it), the place has changed already.
    QString placeAtFirstLine;
    f.yield.onYield = [&](int) {
        if (placeAtFirstLine.isEmpty() && window.storyPanel()->text() == QStringLiteral("Ресторан.\n"))
            placeAtFirstLine = window.placePicture();
    };
    QTest::mouseClick(slot(0), Qt::LeftButton, {}, slot(0)->rect().center());
    EXPECT_EQ(placeAtFirstLine, restaurant);
    EXPECT_EQ(window.placePicture(), restaurant);
    const QImage inTheRestaurant = window.grab(panel).toImage();
    EXPECT_NE(inTheRestaurant, inTheHall);

    // The closing passage is back in the hall: the same picture as at the start.
    QTest::keyClick(window.windowHandle(), Qt::Key_F8);
    EXPECT_EQ(window.storyPanel()->text(), QStringLiteral("Конец.\n"));
    EXPECT_EQ(window.placePicture(), hall);
    EXPECT_EQ(window.grab(panel).toImage(), inTheHall);
}

TEST_F(EngineWindowTest, HiddenSlotsLeaveNoMarkAndTheAnswerBoxHasItsCaption) {
    f.game.writeStory(QStringLiteral("text\\gt2.tf"), {QStringLiteral("Ресторан.")});
    open();
    const QRect rows(461, 497, 320, 90);
    const QImage threeShown = window.grab(rows).toImage();
    // The restaurant hides slots 1 and 3: their rows look like the empty panel, unlike before.
    QTest::mouseClick(slot(0), Qt::LeftButton, {}, slot(0)->rect().center());
    ASSERT_FALSE(slot(0)->isVisible());
    ASSERT_FALSE(slot(2)->isVisible());
    const QImage oneShown = window.grab(rows).toImage();
    const QRect row3(0, 568 - 497 - 4, 320, 25);
    EXPECT_NE(oneShown.copy(row3), threeShown.copy(row3));
    const QImage emptyRow = oneShown.copy(row3);
    const QRgb first = emptyRow.pixel(2, 12);
    int marked = 0;
    for (int x = 2; x < 318; ++x)
        marked += emptyRow.pixel(x, 12) != first ? 1 : 0;
    EXPECT_EQ(marked, 0) << "something is drawn on the hidden slot's row";

    // Separators lie between two shown rows only: none dangles beside the one shown row.
    auto lineMarks = [](const QImage& image, int y) {
        int marks = 0;
        for (int x = 40; x < 280; ++x)
            marks += image.pixel(x, y) != image.pixel(10, y) ? 1 : 0;
        return marks;
    };
    for (int y : {528 - 497, 560 - 497}) {
        EXPECT_GT(lineMarks(threeShown, y), 200) << "no separator between shown rows at y " << y + 497;
        EXPECT_EQ(lineMarks(oneShown, y), 0) << "a separator beside a hidden row at y " << y + 497;
    }

    auto* caption = window.findChild<QLabel*>(QStringLiteral("answerCaption"));
    ASSERT_TRUE(caption);
    EXPECT_FALSE(caption->isVisible());
    EXPECT_EQ(caption->text(), QStringLiteral("Пароль:"));
    EXPECT_EQ(caption->buddy(), window.answerBox());
}

TEST_F(EngineWindowTest, AOneLinePassageOfManyMegabytesLaysOutOnlyWhatCanBeSeen) {
    open();
    // One word with no blank, and words with blanks: either way the panel fills and stops.
    for (const QByteArray& line : {QByteArray(10 << 20, 'x'), QByteArray("word ").repeated(2 << 20)}) {
        f.game.writeBytes(QStringLiteral("text\\gt57.tf"), line + "\r\n");
        QTest::keyClick(window.windowHandle(), Qt::Key_F8);
        EXPECT_EQ(quest.scene().story.size(), line.size() + 2);
        EXPECT_TRUE(window.storyPanel()->full());
        EXPECT_LT(window.storyPanel()->text().size(), 20000);
        EXPECT_TRUE(window.storyPanel()->text().startsWith(QString::fromLatin1(line.left(100))));
    }
}

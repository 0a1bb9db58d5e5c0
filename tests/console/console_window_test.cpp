// The console screen on the offscreen platform, driven by real Qt events.

#include "console/console_window.h"
#include "platform/qt/hot_spot.h"
#include "platform/qt/text_pane.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace vortelia;
using namespace vortelia::testing;

namespace {

const char* const flagFiles[] = {"engdat\\b.gdf", "engdat\\c.gdf", "engdat\\bc.gdf"};

// The lowest pixel row of a pane's text as drawn, without the window behind it; -1 when blank.
int inkBottom(QWidget* pane) {
    QImage image(pane->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    pane->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0)
                return y;
        }
    }
    return -1;
}

// How many lines a pane draws, for text of letters without descenders.
int drawnLines(QWidget* pane) {
    const QFontMetrics metrics(pane->font());
    return qRound((inkBottom(pane) - metrics.ascent()) / double(metrics.lineSpacing())) + 1;
}

struct ConsoleWindowTest : ::testing::Test {
    void open() {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    // Types into the input line with key presses, replacing what it held.
    void type(const QString& text) {
        window.inputLine()->clear();
        QTest::keyClicks(window.inputLine(), text);
    }
    // Clicks at a point of the window, wherever the hot spots are.
    void clickAt(QPoint point) { QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, point); }
    void clickRun() { clickAt(QPoint(380, 460)); }
    void clickClear() { clickAt(QPoint(404, 76)); }
    void runTyped(const QString& text) {
        type(text);
        clickRun();
    }
    QString shownLog() const { return window.logPane()->text(); }
    QString shownDocument() const { return window.documentPane()->text(); }
    std::vector<bool> picturesShown() const {
        std::vector<bool> shown;
        for (int slot = 1; slot <= 4; ++slot)
            shown.push_back(window.pictureSlot(slot)->isVisible());
        return shown;
    }
    void setFlags(const char* value) {
        for (const char* flag : flagFiles)
            f.game.writeBytes(QLatin1String(flag), value);
    }
    void expectFlags(const char* value) {
        for (const char* flag : flagFiles)
            EXPECT_EQ(f.game.readBytes(QLatin1String(flag)), QByteArray(value)) << flag;
    }

    Fakes f;
    BLNC window{f.services};
};

TEST_F(ConsoleWindowTest, OpensWithItsControlsInTheirPlaces) {
    open();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Миры \"Vortelia\": консоль управления AI Voriva VUR"));
    EXPECT_EQ(window.size(), QSize(797, 591));
    const std::pair<const char*, QRect> places[] = {
        {"Text", {32, 448, 305, 23}},    {"Con", {32, 72, 377, 345}},     {"Texcon", {440, 72, 337, 345}},
        {"Label1", {392, 64, 25, 25}},   {"Label3", {344, 440, 73, 41}},  {"Image1", {456, 456, 300, 107}},
        {"Image2", {456, 464, 300, 91}}, {"Image3", {552, 480, 100, 75}}, {"Image4", {528, 456, 150, 113}},
    };
    for (const auto& [name, place] : places) {
        const auto* control = window.findChild<QWidget*>(QLatin1String(name));
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(control->geometry(), place) << name;
    }
    EXPECT_EQ(window.findChild<QLineEdit*>(QStringLiteral("Text")), window.inputLine());
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("Con")), window.logPane());
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("Texcon")), window.documentPane());
    EXPECT_EQ(window.inputLine()->text(), QString());
    EXPECT_EQ(shownLog(), QStringLiteral(">_"));
    EXPECT_EQ(shownDocument(), QString());
    EXPECT_EQ(picturesShown(), std::vector<bool>(4, false));

    const QPalette input = window.inputLine()->palette();
    EXPECT_EQ(input.color(QPalette::Base), QColor(64, 64, 64));
    EXPECT_EQ(input.color(QPalette::Text), QColor(0, 128, 128));
    EXPECT_EQ(window.inputLine()->font().pixelSize(), 16);
    EXPECT_EQ(window.logPane()->palette().color(QPalette::WindowText), QColor(128, 128, 128));
    EXPECT_EQ(window.documentPane()->palette().color(QPalette::WindowText), look::highlight);
    EXPECT_EQ(window.logPane()->font(), look::uiFont());
    EXPECT_TRUE(window.inputLine()->hasFocus());
}

TEST_F(ConsoleWindowTest, LabelsAndHotSpotsSpeakToAccessibility) {
    open();
    const auto name = [](QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
    };
    EXPECT_EQ(window.clearSpot()->text(), QString());
    EXPECT_EQ(window.runSpot()->text(), QString());
    EXPECT_EQ(name(window.clearSpot()), QStringLiteral("Очистить"));
    EXPECT_EQ(name(window.runSpot()), QStringLiteral("Выполнить"));
    EXPECT_EQ(name(window.logPane()), QStringLiteral(">_"));
    runTyped(QStringLiteral("command^diec<my_foto.see"));
    EXPECT_EQ(name(window.documentPane()), QStringLiteral("Commentary to file: это типо я..."));
    for (int slot = 1; slot <= 4; ++slot)
        EXPECT_FALSE(name(window.pictureSlot(slot)).isEmpty()) << slot;
}

TEST_F(ConsoleWindowTest, TheRunHotSpotRunsTheTypedLineAndKeepsIt) {
    open();
    runTyped(QStringLiteral("help"));
    const QString help =
        QStringLiteral("\n>command^help\ncommand^[command]<[parameter] - syntax to consoles\n"
                       "vie<[cat] - list catalogue\nvie<[diec/name_catalogue] - list files\n"
                       "diec<[name_file] - open file\nend<[consol] - close & exit");
    EXPECT_EQ(shownLog(), QStringLiteral(">_") + help);
    EXPECT_EQ(window.inputLine()->text(), QStringLiteral("help"));
    clickRun();
    EXPECT_EQ(shownLog(), QStringLiteral(">_") + help + help);
    EXPECT_EQ(window.console().log().count(QStringLiteral(">command^help")), 2);
}

TEST_F(ConsoleWindowTest, EnterInTheInputLineRunsNothing) {
    open();
    type(QStringLiteral("command^vie<cat"));
    QTest::keyClick(window.windowHandle(), Qt::Key_Return);
    QTest::keyClick(window.windowHandle(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(shownLog(), QStringLiteral(">_"));
    EXPECT_EQ(window.console().log(), QStringLiteral(">_"));
    EXPECT_EQ(window.inputLine()->text(), QStringLiteral("command^vie<cat"));
}

TEST_F(ConsoleWindowTest, AnUnknownLineChangesNothingOnScreen) {
    open();
    runTyped(QStringLiteral("command^diec<foto_stranger.see"));
    const QString log = shownLog();
    runTyped(QStringLiteral("command^diec<temp.fil"));
    runTyped(QStringLiteral("Help"));
    EXPECT_EQ(shownLog(), log);
    EXPECT_EQ(shownDocument(), QStringLiteral("Commentary to file: представитель иных..."));
    EXPECT_EQ(picturesShown(), (std::vector<bool>{false, false, false, true}));
}

TEST_F(ConsoleWindowTest, EveryLineEndBreaksALineOnScreen) {
    open();
    // Lone CRs between the listing's lines; a reply's closing CR before the next CR LF leaves an
    // empty line.
    runTyped(QStringLiteral("command^vie<diec/Test_world"));
    runTyped(QStringLiteral("command^diec<money.vip"));
    runTyped(QStringLiteral("command^diec<money.vip"));
    runTyped(QString());
    EXPECT_EQ(shownLog(), QStringLiteral(">_\n>-|Vortelia.world]\n>-|Vortelia#tmp_old.world]\n>-|temp.fil]\n"
                                         ">error: file locked\n\n>error: file locked\n\n"
                                         ">error: command is not incorporated"));
    // CR LF, CR LF, then LF in the report.
    runTyped(QStringLiteral("command^diec<report_3.rea"));
    const QStringList lines = shownDocument().split(u'\n');
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(lines[1], QStringLiteral("...<данные повреждены>..."));
    EXPECT_EQ(lines[2], QStringLiteral("10^14: тишина..."));
    EXPECT_EQ(lines[9], QStringLiteral("...<данные данные зашифрованы>... "));
    EXPECT_FALSE(shownDocument().contains(u'\r'));
}

TEST_F(ConsoleWindowTest, PanesDrawALineForEveryLineEnd) {
    open();
    const std::pair<const char16_t*, int> texts[] = {
        {u"xx", 1},         {u"xx\rxx", 2},   {u"xx\r\nxx", 2}, {u"xx\nxx", 2},
        {u"xx\r\r\nxx", 3}, {u"xx\n\rxx", 3}, {u"xx\n\nxx", 3}, {u"xx\r\n\r\nxx\rxx", 4},
    };
    for (const auto& [text, lines] : texts) {
        window.documentPane()->setPaneText(text);
        EXPECT_EQ(drawnLines(window.documentPane()), lines) << QString::fromUtf16(text).toStdString();
    }
    // A CR that ends one append and the LF that starts the next are one line end.
    window.documentPane()->setPaneText(u"xx\r");
    window.documentPane()->appendPaneText(u"\nxx");
    EXPECT_EQ(drawnLines(window.documentPane()), 2);
    EXPECT_EQ(window.documentPane()->text(), QStringLiteral("xx\nxx"));
}

TEST_F(ConsoleWindowTest, EachPictureDocumentShowsOnlyItsSlot) {
    open();
    const std::pair<const char*, int> documents[] = {
        {"command^diec<protocol_universe.gfi", 1},
        {"command^diec<protocol_time.gfi", 2},
        {"command^diec<my_foto.see", 3},
        {"command^diec<foto_stranger.see", 4},
    };
    for (const auto& [command, slot] : documents) {
        runTyped(QLatin1String(command));
        std::vector<bool> expected(4, false);
        expected[slot - 1] = true;
        EXPECT_EQ(picturesShown(), expected) << command;
    }
    runTyped(QStringLiteral("command^vie<cat"));
    EXPECT_EQ(picturesShown(), std::vector<bool>(4, false));
    EXPECT_EQ(shownDocument(), QString());
}

TEST_F(ConsoleWindowTest, TheClearHotSpotClearsOnlyTheLog) {
    open();
    runTyped(QStringLiteral("command^diec<protocol_time.gfi"));
    clickClear();
    EXPECT_EQ(shownLog(), QStringLiteral(">_"));
    EXPECT_EQ(window.console().log(), QStringLiteral(">_"));
    EXPECT_EQ(shownDocument(), QStringLiteral("Протокол №478: телепатический контакт с «иными»\n"
                                              "Commentary to INFO: уравнение временных преобразований"));
    EXPECT_EQ(picturesShown(), (std::vector<bool>{false, true, false, false}));
    EXPECT_EQ(window.inputLine()->text(), QStringLiteral("command^diec<protocol_time.gfi"));
}

TEST_F(ConsoleWindowTest, NewestLinesBelowTheBottomStayHiddenUntilTheLogIsCleared) {
    open();
    type(QStringLiteral("help"));
    for (int i = 0; i < 40; ++i)
        clickRun();
    EXPECT_TRUE(window.logPane()->full());
    const QString shown = shownLog();
    EXPECT_LT(shown.count(QStringLiteral(">command^help")), 40);
    // Drawn down to the bottom edge, with no room left for another line.
    EXPECT_GT(inkBottom(window.logPane()), 345 - 2 * QFontMetrics(window.logPane()->font()).lineSpacing());
    type(QStringLiteral("command^vie<diec/System"));
    clickRun();
    EXPECT_EQ(shownLog(), shown);
    EXPECT_TRUE(window.console().log().endsWith(QStringLiteral(">-|kill_system.dea]")));

    clickClear();
    EXPECT_FALSE(window.logPane()->full());
    clickRun();
    EXPECT_EQ(shownLog(), QStringLiteral(">_\n>-|kill_system.dea]"));
}

TEST_F(ConsoleWindowTest, ClosingRestoresTheArrowResetsTheFlagsAndEndsTheProgram) {
    open();
    f.game.writeBytes(QStringLiteral("cursor\\cur.cgf"), "x");
    f.arrow.install();
    setFlags("1\r\n");
    window.close();
    expectFlags("0\r\n");
    EXPECT_EQ(f.cursors.installed.back(), f.arrow.savedCopy());
    EXPECT_EQ(f.program.status, 0);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(ConsoleWindowTest, TheEndCommandEndsAtOnceWithoutTheClosingSequence) {
    open();
    f.game.writeBytes(QStringLiteral("cursor\\cur.cgf"), "x");
    f.arrow.install();
    const size_t installs = f.cursors.installed.size();
    setFlags("1\r\n");
    runTyped(QStringLiteral("command^end<consol"));
    EXPECT_EQ(shownLog(), QStringLiteral(">_\n>file open\n"));
    EXPECT_EQ(shownDocument(), QStringLiteral("Good By!"));
    EXPECT_EQ(f.program.ends, 1);
    EXPECT_EQ(f.program.status, 0);
    expectFlags("1\r\n");
    EXPECT_EQ(f.cursors.installed.size(), installs);

    window.close();
    window.hide();
    EXPECT_EQ(f.program.ends, 1);
    expectFlags("1\r\n");
    EXPECT_EQ(f.cursors.installed.size(), installs);
}

TEST_F(ConsoleWindowTest, AFailedClosingStillClosesAndReportsTheFlagFile) {
    open();
    ASSERT_TRUE(QDir(f.game.path(QStringLiteral("engdat"))).removeRecursively());
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(f.report.paths, std::vector<QString>{f.game.path(QStringLiteral("engdat\\b.gdf"))});
    EXPECT_EQ(f.program.status, 1);
}

} // namespace

// Legibility of every text over the picture under it: each screen is rendered with the text
// control hidden, and the control's text colour is compared with every pixel of its rectangle
// by the WCAG contrast ratio. The lowest ratio of each control is printed.

#include "console/console_window.h"
#include "engine/engine_window.h"
#include "platform/qt/look.h"
#include "platform/qt/text_pane.h"
#include "shell/about.h"
#include "shell/prologue.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTest>

#include <cmath>
#include <functional>
#include <memory>

using namespace vortelia;
using namespace vortelia::testing;

namespace {

double luminance(QColor c) {
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double contrast(QColor a, QColor b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The lowest contrast of `text` against the window's pixels under `control`, the control hidden.
double lowestUnder(QWidget& window, QWidget& control, QColor text) {
    const bool shown = control.isVisible();
    control.hide();
    const QImage under = window.grab(control.geometry()).toImage();
    control.setVisible(shown);
    double lowest = 21;
    for (int y = 0; y < under.height(); ++y)
        for (int x = 0; x < under.width(); ++x)
            lowest = std::min(lowest, contrast(text, under.pixelColor(x, y)));
    return lowest;
}

struct Screen {
    Fakes f;
    RecordingExits exits;
    Quest quest{f.files, f.yield, f.sound, exits};
    Screen() {
        f.game.writeStory(QStringLiteral("text\\gt1.tf"), {QStringLiteral("Начало.")});
        f.game.writeStory(QStringLiteral("text\\into.tf"), {QStringLiteral("Пролог.")});
    }
};

void show(QWidget& window) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
}

constexpr double wanted = 4.5;

} // namespace

TEST(Contrast, QuestScreenTexts) {
    Screen s;
    s.quest.open();
    Engine window(s.quest, s.f.services);
    show(window);
    const struct {
        QWidget* control;
        QColor text;
    } cases[] = {
        {window.storyPanel(), look::highlight},
        {window.choiceSlot(0), QColor(0, 170, 164)}, // default and normal
        {window.choiceSlot(1), QColor(5, 253, 244)}, // highlighted
        {window.choiceSlot(2), QColor(0, 170, 164)},
        {window.findChild<QWidget*>(QStringLiteral("answerCaption")), look::highlight},
    };
    // The caption shows with the answer box, where slot 1 is hidden.
    window.choiceSlot(0)->hide();
    for (const auto& c : cases) {
        ASSERT_TRUE(c.control);
        const double ratio = lowestUnder(window, *c.control, c.text);
        std::printf("quest %s: %.2f\n", qPrintable(c.control->objectName()), ratio);
        EXPECT_GE(ratio, wanted) << c.control->objectName().toStdString();
    }
    // Under a slot the pointer is over, the hover glow is part of the picture.
    QTest::mouseMove(window.windowHandle(), window.choiceSlot(1)->geometry().center());
    const double hovered = lowestUnder(window, *window.choiceSlot(1), QColor(5, 253, 244));
    std::printf("quest hovered slot: %.2f\n", hovered);
    EXPECT_GE(hovered, wanted);
}

TEST(Contrast, PrologueAndReadmeTexts) {
    Screen s;
    IntoEngine prologue(s.f.services);
    show(prologue);
    const double panel = lowestUnder(prologue, *prologue.prologuePanel(), look::menuText);
    const double begin = lowestUnder(prologue, *prologue.beginLabel(), QColor(192, 192, 192));
    std::printf("prologue panel: %.2f, begin label: %.2f\n", panel, begin);
    EXPECT_GE(panel, wanted);
    EXPECT_GE(begin, wanted);

    About about(s.f.services);
    show(about);
    const QPalette box = about.readmeBox()->palette();
    const double readme = contrast(box.color(QPalette::Text), box.color(QPalette::Base));
    std::printf("readme: %.2f\n", readme);
    EXPECT_EQ(box.color(QPalette::Base), QColor(0, 128, 128));
    EXPECT_GE(readme, wanted);
}

TEST(Contrast, ConsolePanes) {
    Screen s;
    BLNC window(s.f.services);
    show(window);
    // The log's text runs below the clear knob, which overlaps the pane's top-right corner.
    QWidget underKnob(&window);
    underKnob.setGeometry(32, 89, 377, 328);
    const double log = lowestUnder(window, underKnob, QColor(128, 128, 128));
    const double document = lowestUnder(window, *window.documentPane(), look::highlight);
    std::printf("console log: %.2f, document: %.2f\n", log, document);
    EXPECT_GE(log, wanted);
    EXPECT_GE(document, wanted);
}

// The drawn buttons of every screen answer the pointer: a hover and a press change the button's
// pixels, and leaving it gives back the picture it had at rest.

#include "console/console_window.h"
#include "platform/qt/hot_spot.h"
#include "shell/about.h"
#include "shell/menu.h"
#include "shell/prologue.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <QTest>

#include <functional>
#include <memory>

using namespace vortelia;
using namespace vortelia::testing;

namespace {

struct Button {
    const char* screen;
    std::function<std::unique_ptr<QWidget>(Fakes&)> make;
    const char* hotSpot; // object name
    QPoint away;         // a bare point of the window, over no button
};

const Button buttons[] = {
    {"menu", [](Fakes& f) { return std::make_unique<Game>(f.services); }, "Label3", {100, 560}},
    {"menu", [](Fakes& f) { return std::make_unique<Game>(f.services); }, "Label2", {100, 560}},
    {"menu", [](Fakes& f) { return std::make_unique<Game>(f.services); }, "Label1", {100, 560}},
    {"About", [](Fakes& f) { return std::make_unique<About>(f.services); }, "Label2", {400, 60}},
    {"prologue", [](Fakes& f) { return std::make_unique<IntoEngine>(f.services); }, "Label2", {60, 560}},
    {"console", [](Fakes& f) { return std::make_unique<BLNC>(f.services); }, "Label3", {200, 540}},
    {"console", [](Fakes& f) { return std::make_unique<BLNC>(f.services); }, "Label1", {200, 540}},
};

// The button's area with a margin, as the window draws it.
QImage buttonPixels(QWidget& window, const HotSpot& spot) {
    return window.grab(spot.geometry().adjusted(-8, -8, 8, 8)).toImage();
}

} // namespace

TEST(DrawnButtons, HoverAndPressShowOnTheButtonAndLeavingRestoresIt) {
    for (const Button& b : buttons) {
        SCOPED_TRACE(std::string(b.screen) + " " + b.hotSpot);
        Fakes f;
        std::unique_ptr<QWidget> window = b.make(f);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        auto* spot = window->findChild<HotSpot*>(QLatin1String(b.hotSpot));
        ASSERT_TRUE(spot);
        QWindow* w = window->windowHandle();
        const QPoint centre = spot->geometry().center();

        QTest::mouseMove(w, b.away);
        EXPECT_EQ(spot->state(), look::ButtonState::Rest);
        const QImage rest = buttonPixels(*window, *spot);

        QTest::mouseMove(w, centre);
        EXPECT_EQ(spot->state(), look::ButtonState::Hover);
        const QImage hover = buttonPixels(*window, *spot);
        EXPECT_NE(hover, rest);

        QTest::mousePress(w, Qt::LeftButton, {}, centre);
        EXPECT_EQ(spot->state(), look::ButtonState::Down);
        const QImage down = buttonPixels(*window, *spot);
        EXPECT_NE(down, hover);
        EXPECT_NE(down, rest);
        // Let go elsewhere: no click, and the button comes back to rest.
        QTest::mouseRelease(w, Qt::LeftButton, {}, b.away);
        QTest::mouseMove(w, b.away + QPoint(1, 1));
        EXPECT_EQ(spot->state(), look::ButtonState::Rest);
        EXPECT_EQ(buttonPixels(*window, *spot), rest);
    }
}

TEST(DrawnButtons, AHiddenHotSpotDrawsNoState) {
    QWidget window;
    window.resize(200, 100);
    auto* spot = new HotSpot(&window, "Label1", QRect(10, 10, 80, 40));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::mouseMove(window.windowHandle(), QPoint(30, 30));
    ASSERT_EQ(spot->state(), look::ButtonState::Hover);
    spot->hide();
    EXPECT_EQ(spot->state(), look::ButtonState::Rest);
}

#pragma once
// Walking the real game's screens on the X server: each screen is told apart by its size and by
// being a new window.

#include "e2e/e2e_support.h"
#include "support/x11_windows.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

namespace vortelia::testing {

inline const QSize splashSize(799, 593), menuSize(799, 593), prologueSize(798, 596), questSize(800, 598),
    lastScreenSize(797, 591);

// Waits for a window of the game's title and size other than the one given.
inline std::optional<unsigned long> waitForNewWindow(X11Session& x, QSize size,
                                                     std::optional<unsigned long> not_,
                                                     std::chrono::milliseconds timeout) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeout.count()) {
        const auto window = x.waitForWindow(gameTitle, std::chrono::milliseconds(200), size);
        if (window && window != not_)
            return window;
    }
    return std::nullopt;
}

// The menu's start hot spot, then the prologue's begin label; false where the prologue does not
// come.
inline bool startFromTheMenu(X11Session& x, unsigned long menu) {
    x.click(menu, {536 + 120, 216 + 20});
    const auto prologue = waitForNewWindow(x, prologueSize, std::nullopt, std::chrono::seconds(10));
    if (!prologue)
        return false;
    x.click(*prologue, {304 + 92, 504 + 20});
    return true;
}

// From the menu through the prologue to the quest screen.
inline std::optional<unsigned long>
playToQuest(X11Session& x, unsigned long menu, std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
    if (!startFromTheMenu(x, menu))
        return std::nullopt;
    return waitForNewWindow(x, questSize, std::nullopt, timeout);
}

// F8 on the quest screen, then a click on "Конец" in slot 1, until the game-over screen shows. The
// window may take the keyboard focus a moment after it appears, and a click while the passage
// loads is ignored, so both are repeated, bounded.
inline std::optional<unsigned long> pressF8AndEnd(X11Session& x, unsigned long quest) {
    constexpr unsigned long f8 = 0xffc5;
    std::optional<unsigned long> over;
    for (int attempt = 0; attempt < 24 && !over; ++attempt) {
        // A key and a click sent together would meet the key's load, which ignores the click.
        if (attempt % 4 == 0)
            x.key(quest, f8);
        else
            x.click(quest, {472 + 148, 504 + 8});
        over = waitForNewWindow(x, lastScreenSize, std::nullopt, std::chrono::milliseconds(300));
    }
    return over;
}

} // namespace vortelia::testing

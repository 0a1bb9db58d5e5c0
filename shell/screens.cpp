#include "shell/screens.h"

#include "console/console_window.h"
#include "engine/engine_window.h"
#include "platform/qt/look.h"
#include "session/closing.h"
#include "shell/about.h"
#include "shell/game_over.h"
#include "shell/menu.h"
#include "shell/prologue.h"
#include "shell/splash.h"

namespace vortelia {
namespace {

// Unloads a window: it disappears now and is destroyed once control is back in the event loop,
// since the handler that unloads it may be running inside it.
template <typename Window> void unload(std::unique_ptr<Window>& window) {
    if (!window)
        return;
    window->hide();
    window.release()->deleteLater();
}

// Runs the steps under a guard: the first failure skips to the final step, which is tried again
// once if it is the first to fail; any further failure goes on up.
template <typename Steps, typename Final> void guarded(Steps&& steps, Final&& final) {
    bool caught = false;
    try {
        steps();
    } catch (const Failure&) {
        caught = true;
    }
    for (;;) {
        try {
            final();
            return;
        } catch (const Failure&) {
            if (caught)
                throw;
            caught = true;
        }
    }
}

void hide(QWidget* window) {
    if (window)
        window->hide();
}

// Creates the window on first use (centred and wired by setup), shows it, and then runs its
// opening, so that a long opening never leaves the player without a window. A failing opening
// leaves the window shown; the caller's guard decides what comes next.
template <typename Window, typename Setup, typename Open>
void present(std::unique_ptr<Window>& window, const Services& services, bool& opening, Setup&& setup,
             Open&& open) {
    if (window) {
        window->show();
        return;
    }
    window = std::make_unique<Window>(services);
    look::centre(*window);
    setup(*window);
    window->show();
    // The opening yields while it reads: clicks wait until it is done.
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{opening};
    opening = true;
    open(*window);
}

template <typename Window, typename Setup>
void present(std::unique_ptr<Window>& window, const Services& services, Setup&& setup) {
    bool opening = false;
    present(window, services, opening, setup, [](Window&) {});
}

} // namespace

Screens::Screens(const Services& services) : services_(services) {}

Screens::~Screens() = default;

void Screens::runDeferred() {
    if (!deferred_)
        return;
    if (opening_) {
        QTimer::singleShot(0, &deferContext_, [this] { runDeferred(); });
        return;
    }
    handle(std::exchange(deferred_, nullptr));
}

void Screens::start() {
    showSplash();
}

void Screens::showSplash() {
    present(splash_, services_, [this](Main& splash) {
        QObject::connect(&splash, &Main::timedOut, [this] { handle([this] { splashDone(); }); });
    });
}

void Screens::splashDone() {
    unload(splash_);
    showMenu();
}

void Screens::showMenu() {
    present(menu_, services_, [this](Game& menu) {
        QObject::connect(&menu, &Game::startClicked, [this] { handle([this] { menuStart(); }); });
        QObject::connect(&menu, &Game::infoClicked, [this] { handle([this] { menuInfo(); }); });
        QObject::connect(&menu, &Game::exitClicked, [this] { handle([this] { menuExit(); }); });
    });
}

// Leaves one screen for the next and closes the music of the one left, under a guard: when a step
// fails, the music stays and the screens are switched once more.
template <typename Leave, typename Show>
void Screens::switchScreens(Leave&& leave, Show&& show, const QString& closeMusic) {
    guarded(
        [&] {
            leave();
            show();
            services_.sound.execute(closeMusic);
        },
        [&] {
            leave();
            show();
        });
}

void Screens::menuStart() {
    switchScreens([this] { unload(menu_); }, [this] { showPrologue(); },
                  QStringLiteral("close sound\\menu.mp3"));
}

void Screens::menuInfo() {
    unload(menu_);
    showAbout();
}

void Screens::menuExit() {
    services_.arrow.restore();
    services_.program.end(0);
}

void Screens::showPrologue() {
    present(
        prologue_, services_, opening_,
        [this](IntoEngine& prologue) {
            QObject::connect(&prologue, &IntoEngine::beginClicked,
                             [this] { handle([this] { beginGame(); }); });
        },
        [](IntoEngine& prologue) { prologue.open(); });
}

void Screens::beginGame() {
    switchScreens([this] { hide(prologue_.get()); }, [this] { showQuest(); },
                  QStringLiteral("close sound\\intoeng.mp3"));
}

void Screens::showAbout() {
    present(
        about_, services_, opening_,
        [this](About& about) {
            QObject::connect(&about, &About::backClicked, [this] { handle([this] { aboutBack(); }); });
        },
        [](About& about) { about.open(); });
}

void Screens::aboutBack() {
    unload(about_);
    showMenu();
}

void Screens::showQuest() {
    if (!engine_) {
        quest_ = std::make_unique<Quest>(services_.files, services_.yield, services_.sound, *this);
        engine_ = std::make_unique<Engine>(*quest_, services_);
        look::centre(*engine_);
        engine_->show();
        quest_->open();
        return;
    }
    engine_->show();
}

void Screens::showGameOver() {
    present(gameOver_, services_, [](GameOver&) {});
}

void Screens::gameOverSwitch() {
    switchScreens([this] { hide(engine_.get()); }, [this] { showGameOver(); },
                  QStringLiteral("close sound\\trackgp.mp3"));
}

void Screens::endSession() {
    const auto shown = [](const auto& window) { return window && window->isVisible(); };
    if (shown(console_) || shown(gameOver_) || shown(engine_))
        runClosingSequence(services_, FlagReset::Yes);
    else if (shown(prologue_))
        runClosingSequence(services_, FlagReset::No);
    else
        services_.program.end(0);
}

void Screens::openConsole() {
    hide(engine_.get());
    present(console_, services_, [](BLNC&) {});
}

} // namespace vortelia

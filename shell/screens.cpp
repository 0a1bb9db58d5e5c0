#include "shell/screens.h"

#include "console/console_window.h"
#include "engine/engine_window.h"
#include "platform/qt/look.h"
#include "shell/about.h"
#include "shell/game_over.h"
#include "shell/menu.h"
#include "shell/prologue.h"
#include "shell/splash.h"

namespace vortelia {
namespace {

// Unloads a window: it disappears now and is destroyed once control is back in the event loop,
// since the handler that unloads it may be running inside it.
template <typename Window>
void unload(std::unique_ptr<Window>& window) {
    if (!window)
        return;
    window->hide();
    window.release()->deleteLater();
}

// Runs the steps under a guard: the first failure skips to the final step, which is tried again
// once if it is the first to fail; any further failure goes on up.
template <typename Steps, typename Final>
void guarded(Steps&& steps, Final&& final) {
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

} // namespace

Screens::Screens(const Services& services) : services_(services) {}

Screens::~Screens() = default;

void Screens::start() { showSplash(); }

void Screens::showSplash() {
    if (!splash_) {
        splash_ = std::make_unique<Main>(services_);
        QObject::connect(splash_.get(), &Main::timedOut, [this] { handle([this] { splashDone(); }); });
        look::centre(*splash_);
    }
    splash_->show();
}

void Screens::splashDone() {
    unload(splash_);
    showMenu();
}

void Screens::showMenu() {
    if (!menu_) {
        menu_ = std::make_unique<Game>(services_);
        QObject::connect(menu_.get(), &Game::startClicked, [this] { handle([this] { menuStart(); }); });
        QObject::connect(menu_.get(), &Game::infoClicked, [this] { handle([this] { menuInfo(); }); });
        QObject::connect(menu_.get(), &Game::exitClicked, [this] { handle([this] { menuExit(); }); });
        look::centre(*menu_);
    }
    menu_->show();
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
    switchScreens([this] { unload(menu_); }, [this] { showPrologue(); }, QStringLiteral("close sound\\menu.mp3"));
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
    if (!prologue_) {
        prologue_ = std::make_unique<IntoEngine>(services_);
        QObject::connect(prologue_.get(), &IntoEngine::beginClicked, [this] { handle([this] { beginGame(); }); });
        look::centre(*prologue_);
        prologue_->open();
    }
    prologue_->show();
}

void Screens::beginGame() {
    switchScreens([this] { hide(prologue_.get()); }, [this] { showQuest(); },
                  QStringLiteral("close sound\\intoeng.mp3"));
}

void Screens::showAbout() {
    if (!about_) {
        about_ = std::make_unique<About>(services_);
        QObject::connect(about_.get(), &About::backClicked, [this] { handle([this] { aboutBack(); }); });
        look::centre(*about_);
        about_->open();
    }
    about_->show();
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
        quest_->open();
    }
    engine_->show();
}

void Screens::showGameOver() {
    if (!gameOver_) {
        gameOver_ = std::make_unique<GameOver>(services_);
        look::centre(*gameOver_);
    }
    gameOver_->show();
}

void Screens::gameOverSwitch() {
    switchScreens([this] { hide(engine_.get()); }, [this] { showGameOver(); },
                  QStringLiteral("close sound\\trackgp.mp3"));
}

void Screens::openConsole() {
    hide(engine_.get());
    if (!console_) {
        console_ = std::make_unique<BLNC>(services_);
        look::centre(*console_);
    }
    console_->show();
}

} // namespace vortelia

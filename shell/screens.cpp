#include "shell/screens.h"

#include "console/console_window.h"
#include "engine/engine_window.h"
#include "platform/qt/look.h"
#include "shell/game_over.h"

namespace vortelia {

Screens::Screens(const Services& services) : services_(services) {}

Screens::~Screens() = default;

void Screens::start() { showQuest(); }

void Screens::showQuest() {
    if (!engine_) {
        quest_ = std::make_unique<Quest>(services_.files, services_.yield, services_.sound, *this);
        engine_ = std::make_unique<Engine>(*quest_, services_);
        quest_->open();
        look::centre(*engine_);
    }
    engine_->show();
}

void Screens::hideQuest() {
    if (engine_)
        engine_->hide();
}

void Screens::showGameOver() {
    if (!gameOver_) {
        gameOver_ = std::make_unique<GameOver>(services_);
        look::centre(*gameOver_);
    }
    gameOver_->show();
}

void Screens::gameOverSwitch() {
    // The first failure skips to the final switch and is dropped; a second one goes on up.
    bool caught = false;
    try {
        hideQuest();
        showGameOver();
        services_.sound.execute(QStringLiteral("close sound\\trackgp.mp3"));
    } catch (const Failure&) {
        caught = true;
    }
    for (;;) {
        try {
            hideQuest();
            showGameOver();
            return;
        } catch (const Failure&) {
            if (caught)
                throw;
            caught = true;
        }
    }
}

void Screens::openConsole() {
    hideQuest();
    if (!console_) {
        console_ = std::make_unique<BLNC>(services_);
        look::centre(*console_);
    }
    console_->show();
}

} // namespace vortelia

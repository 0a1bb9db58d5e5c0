#pragma once
// The screen registry: owns every window of the game, creates each on its first show, and
// switches between them.

#include "engine/quest.h"
#include "platform/services.h"

#include <memory>

namespace vortelia {

class BLNC;
class Engine;
class GameOver;

class Screens : public QuestExits {
public:
    explicit Screens(const Services& services);
    ~Screens() override;

    // The first screen of the program.
    void start();
    // Creates the quest screen on first use (its opening runs then, before it is drawn) and
    // shows it. Throws Failure when the opening fails; the window then exists but stays hidden.
    void showQuest();
    void hideQuest();
    void showGameOver();

    void gameOverSwitch() override;
    void openConsole() override;

    Quest* quest() const { return quest_.get(); }
    Engine* engine() const { return engine_.get(); }
    GameOver* gameOver() const { return gameOver_.get(); }
    BLNC* console() const { return console_.get(); }

private:
    const Services& services_;
    std::unique_ptr<Quest> quest_;
    std::unique_ptr<Engine> engine_;
    std::unique_ptr<GameOver> gameOver_;
    std::unique_ptr<BLNC> console_;
};

} // namespace vortelia

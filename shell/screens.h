#pragma once
// The screen registry: owns every window of the game, creates each on its first show (the menu
// and the About screen anew after each unload), and runs the switches between them.

#include "engine/quest.h"
#include "platform/services.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

namespace vortelia {

class About;
class BLNC;
class Engine;
class Game;
class GameOver;
class IntoEngine;
class Main;

class Screens : public QuestExits {
public:
    explicit Screens(const Services& services);
    ~Screens() override;

    // The first screen of the program: the splash.
    void start();

    // Each show creates its window on first use, shows it, and then runs its opening. They throw
    // Failure when an opening fails; the window then exists and is shown.
    void showSplash();
    void showMenu();
    void showPrologue();
    void showAbout();
    void showQuest();
    void showGameOver();

    // The splash timer: the splash goes, the menu comes.
    void splashDone();
    // The menu's hot spots.
    void menuStart();
    void menuInfo();
    void menuExit();
    // The About screen's back hot spot.
    void aboutBack();
    // The prologue's begin label.
    void beginGame();

    // The session ends (log-off, shutdown): the screen in front closes as if asked to, with its
    // closing sequence; the splash, menu and About screens just go.
    void endSession();

    void gameOverSwitch() override;
    void openConsole() override;

    Main* splash() const { return splash_.get(); }
    Game* menu() const { return menu_.get(); }
    IntoEngine* prologue() const { return prologue_.get(); }
    About* about() const { return about_.get(); }
    Quest* quest() const { return quest_.get(); }
    Engine* engine() const { return engine_.get(); }
    GameOver* gameOver() const { return gameOver_.get(); }
    BLNC* console() const { return console_.get(); }

private:
    template <typename Leave, typename Show>
    void switchScreens(Leave&& leave, Show&& show, const QString& closeMusic);
    // A hot spot's click. While a screen's opening still reads its text, the click waits until
    // the opening is done (the latest click wins).
    template <typename Handler> void handle(Handler handler) {
        if (opening_) {
            deferred_ = handler;
            QTimer::singleShot(0, &deferContext_, [this] { runDeferred(); });
            return;
        }
        runHandler(services_.program, services_.report, handler);
    }
    void runDeferred();

    const Services& services_;
    bool opening_ = false;
    std::function<void()> deferred_;
    QObject deferContext_; // cancels a deferred click when the screens go
    std::unique_ptr<Main> splash_;
    std::unique_ptr<Game> menu_;
    std::unique_ptr<IntoEngine> prologue_;
    std::unique_ptr<About> about_;
    std::unique_ptr<Quest> quest_;
    std::unique_ptr<Engine> engine_;
    std::unique_ptr<GameOver> gameOver_;
    std::unique_ptr<BLNC> console_;
};

} // namespace vortelia

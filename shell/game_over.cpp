#include "shell/game_over.h"

#include "platform/qt/look.h"
#include "platform/qt/qt_host.h"
#include "session/closing.h"

#include <QCloseEvent>
#include <QPainter>

namespace vortelia {

GameOver::GameOver(const Services& services) : services_(services) {
    look::setupWindow(*this, gameTitle(), QSize(797, 591));
    setAccessibleName(QStringLiteral("Game Over"));
    services_.sound.execute(QStringLiteral("play sound\\gotrack.mp3"));
}

void GameOver::paintEvent(QPaintEvent*) {
    backdrop_.paint(*this);
}

void GameOver::closeEvent(QCloseEvent* event) {
    event->accept();
    runClosingSequence(services_, FlagReset::Yes);
}

} // namespace vortelia

#include "shell/menu.h"

#include "platform/qt/hot_spot.h"
#include "platform/qt/qt_host.h"
#include "shell/splash.h"

#include <QCloseEvent>
#include <QPainter>

namespace vortelia {

Game::Game(const Services& services) {
    look::setupWindow(*this, gameTitle(), QSize(799, 593));
    start_ = new HotSpot(this, "Label3", QRect(536, 216, 241, 41), QStringLiteral("Запуск"));
    info_ = new HotSpot(this, "Label2", QRect(536, 296, 241, 49), QStringLiteral("Инфо"));
    exit_ = new HotSpot(this, "Label1", QRect(536, 384, 241, 41), QStringLiteral("Выход"));
    connect(start_, &HotSpot::clicked, this, &Game::startClicked);
    connect(info_, &HotSpot::clicked, this, &Game::infoClicked);
    connect(exit_, &HotSpot::clicked, this, &Game::exitClicked);

    services.arrow.install();
    services.sound.execute(QStringLiteral("play sound\\menu.mp3"));
}

void Game::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    backdrop_.paint(painter, QPoint(0, 0), devicePixelRatioF());
    paintButtonStates(painter, {start_, info_, exit_}, 4);
}

void Game::closeEvent(QCloseEvent* event) {
    if (closeAskedByPlayer(*event))
        event->ignore();
}

} // namespace vortelia

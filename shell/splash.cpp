#include "shell/splash.h"

#include "platform/qt/look.h"
#include "platform/qt/picture.h"
#include "platform/qt/qt_host.h"

#include <QCloseEvent>

namespace vortelia {

bool closeAskedByPlayer(const QCloseEvent& event) {
    return event.spontaneous();
}

Main::Main(const Services& services) {
    look::setupWindow(*this, gameTitle(), QSize(799, 593));
    setAutoFillBackground(true);
    look::setColours(*this, {{QPalette::Window, Qt::white}});
    new Picture(this, "Image1", QStringLiteral(":/art/splash_logo.svg"), QRect(168, 160, 471, 278),
                gameTitle());

    timer_.setObjectName(QStringLiteral("Timer"));
    timer_.setInterval(6258);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] {
        timer_.stop();
        emit timedOut();
    });
    services.sound.execute(QStringLiteral("play sound\\into.mp3"));
    timer_.start();
}

void Main::closeEvent(QCloseEvent* event) {
    if (closeAskedByPlayer(*event))
        event->ignore();
}

} // namespace vortelia

#include "launcher/prelaunch.h"

namespace vortelia {

QString gameFileName() {
#ifdef Q_OS_WIN
    return QStringLiteral("game.exe");
#else
    return QStringLiteral("game");
#endif
}

Prelaunch::Prelaunch(ProgramStarter& starter) : starter_(starter) {
    look::setupWindow(*this, QStringLiteral("ZOLKAPrelaunch"), QSize(484, 293));
    setAttribute(Qt::WA_DeleteOnClose);
    timer_.setObjectName(QStringLiteral("Timer1"));
    timer_.setInterval(3000);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] {
        // The window is unloaded first, with its timer, so that this runs once; it is destroyed
        // only once control is back in the event loop, and the launcher then ends.
        timer_.stop();
        close();
        starter_.open(gameFileName());
    });
    timer_.start();
}

} // namespace vortelia

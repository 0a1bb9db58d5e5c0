#include "launcher/prelaunch.h"

#include <QPainter>

namespace vortelia {
namespace {
// The progress track drawn in the launcher's picture.
constexpr QRect progressBar(163, 253, 160, 8);
} // namespace

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
    progress_.setInterval(40);
    connect(&progress_, &QTimer::timeout, this, [this] { update(progressBar); });
    timer_.start();
    progress_.start();
}

qreal Prelaunch::progress() const {
    if (!timer_.isActive())
        return 1.0;
    const qreal left = qMax(0, timer_.remainingTime());
    return qBound(0.0, 1.0 - left / qMax(1, timer_.interval()), 1.0);
}

void Prelaunch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    backdrop_.paint(painter, QPoint(0, 0), devicePixelRatioF());
    const qreal done = progress();
    if (done <= 0)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QRectF track = QRectF(progressBar).adjusted(2.5, 2.5, -2.5, -2.5);
    const QRectF fill(track.topLeft(), QSizeF(track.width() * done, track.height()));
    painter.setBrush(QColor(14, 140, 132));
    painter.drawRoundedRect(fill, 1.5, 1.5);
}

} // namespace vortelia

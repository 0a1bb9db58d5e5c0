#include "platform/qt/hot_spot.h"

#include <QMouseEvent>

namespace vortelia {

HotSpot::HotSpot(QWidget* parent, const char* objectName, QRect geometry, const QString& accessibleName)
    : QLabel(parent) {
    setObjectName(QLatin1String(objectName));
    setGeometry(geometry);
    setAttribute(Qt::WA_TranslucentBackground);
    if (!accessibleName.isEmpty())
        setAccessibleName(accessibleName);
}

void HotSpot::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void HotSpot::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        emit clicked();
}

} // namespace vortelia

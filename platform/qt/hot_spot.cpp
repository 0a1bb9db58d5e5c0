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

look::ButtonState HotSpot::state() const {
    if (pressed_ && inside_)
        return look::ButtonState::Down;
    return hovered_ ? look::ButtonState::Hover : look::ButtonState::Rest;
}

void HotSpot::setLook(bool hovered, bool inside) {
    const look::ButtonState before = state();
    hovered_ = hovered;
    inside_ = inside;
    if (state() == before)
        return;
    if (QWidget* window = parentWidget())
        window->update(stateArea().adjusted(-12, -12, 12, 12));
    emit stateChanged();
}

void HotSpot::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
    setLook(hovered_, rect().contains(event->position().toPoint()));
}

void HotSpot::mouseMoveEvent(QMouseEvent* event) {
    const bool inside = rect().contains(event->position().toPoint());
    setLook(pressed_ ? hovered_ : inside, inside);
    event->ignore();
}

void HotSpot::enterEvent(QEnterEvent* event) {
    setLook(true, inside_);
    QLabel::enterEvent(event);
}

void HotSpot::leaveEvent(QEvent* event) {
    setLook(false, inside_);
    QLabel::leaveEvent(event);
}

void HotSpot::hideEvent(QHideEvent* event) {
    pressed_ = false;
    setLook(false, false);
    QLabel::hideEvent(event);
}

void HotSpot::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    setLook(rect().contains(event->position().toPoint()), false);
    if (click)
        emit clicked();
}

void paintButtonStates(QPainter& painter, std::initializer_list<const HotSpot*> spots, qreal radius) {
    for (const HotSpot* spot : spots) {
        if (spot->isVisible())
            look::paintButtonState(painter, spot->stateArea(), spot->state(), radius);
    }
}

} // namespace vortelia

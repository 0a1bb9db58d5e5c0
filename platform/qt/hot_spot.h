#pragma once
// A transparent label that reports a left click: pressed and released inside it. The hot spots
// over drawn buttons use it, with the button's word as their accessible name. It tells its
// window when the pointer enters, leaves or holds it down, so that the window can draw the
// button's state under it.

#include "platform/qt/look.h"

#include <QLabel>
#include <QMouseEvent>

#include <initializer_list>

class QPainter;

namespace vortelia {

class HotSpot : public QLabel {
    Q_OBJECT
public:
    HotSpot(QWidget* parent, const char* objectName, QRect geometry, const QString& accessibleName = {});

    // Rest, Hover while the pointer is over it, Down while the left button pressed in it is held
    // and the pointer is still inside.
    look::ButtonState state() const;
    // The window's area to draw the state in: the hot spot's rectangle.
    QRect stateArea() const { return geometry(); }

signals:
    void clicked();
    void stateChanged();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // The second press of a double click is no new click.
    void mouseDoubleClickEvent(QMouseEvent* event) override { event->accept(); }

private:
    void setLook(bool hovered, bool inside);

    bool pressed_ = false;
    bool hovered_ = false;
    bool inside_ = false; // the pointer is inside while the button is held
};

// Draws each shown hot spot's button state on the window under it; `radius` rounds the corners
// as the drawn button's are.
void paintButtonStates(QPainter& painter, std::initializer_list<const HotSpot*> spots, qreal radius = 6);

} // namespace vortelia

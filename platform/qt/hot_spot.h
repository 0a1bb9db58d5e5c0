#pragma once
// A transparent label that reports a left click: pressed and released inside it. The hot spots
// over drawn buttons use it, with the button's word as their accessible name.

#include <QLabel>
#include <QMouseEvent>

namespace vortelia {

class HotSpot : public QLabel {
    Q_OBJECT
public:
    HotSpot(QWidget* parent, const char* objectName, QRect geometry, const QString& accessibleName = {});

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The second press of a double click is no new click.
    void mouseDoubleClickEvent(QMouseEvent* event) override { event->accept(); }

private:
    bool pressed_ = false;
};

} // namespace vortelia

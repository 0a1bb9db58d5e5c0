#pragma once
// A transparent label that reports a left click: pressed and released inside it. The hot spots
// over drawn buttons use it, with the button's word as their accessible name.

#include <QLabel>

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

private:
    bool pressed_ = false;
};

} // namespace vortelia

#pragma once
// The main menu (form Game): three hot spots over the drawn buttons Запуск, Инфо and Выход.

#include "platform/qt/look.h"
#include "platform/services.h"

#include <QWidget>

namespace vortelia {

class HotSpot;

class Game : public QWidget {
    Q_OBJECT
public:
    // The load, at every creation: installs the custom cursor, then sends "play sound\menu.mp3".
    explicit Game(const Services& services);

    HotSpot* startSpot() const { return start_; }
    HotSpot* infoSpot() const { return info_; }
    HotSpot* exitSpot() const { return exit_; }

signals:
    void startClicked();
    void infoClicked();
    void exitClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    HotSpot* start_;
    HotSpot* info_;
    HotSpot* exit_;
    look::Backdrop backdrop_{QStringLiteral(":/art/menu_background.svg"), QSize(800, 600)};
};

} // namespace vortelia

#pragma once
// The game-over screen: its music, its picture, and the closing that resets the flags.

#include "platform/qt/look.h"
#include "platform/services.h"

#include <QWidget>

namespace vortelia {

class GameOver : public QWidget {
    Q_OBJECT
public:
    // The opening: sends "play sound\gotrack.mp3".
    explicit GameOver(const Services& services);

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    const Services& services_;
    look::Backdrop backdrop_{QStringLiteral(":/art/gameover_background.svg"), QSize(800, 600)};
};

} // namespace vortelia

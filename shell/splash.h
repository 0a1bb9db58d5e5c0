#pragma once
// The start-up splash (form Main): white, the logo, the intro music; after its timer the menu.

#include "platform/services.h"

#include <QTimer>
#include <QWidget>

namespace vortelia {

class Main : public QWidget {
    Q_OBJECT
public:
    // The load: sends "play sound\into.mp3" and starts the timer.
    explicit Main(const Services& services);
    QTimer& timer() { return timer_; }

signals:
    void timedOut();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QTimer timer_;
};

// Whether a close request came from the player (close button, window menu, Alt+F4) rather than
// from the program or the session's end.
bool closeAskedByPlayer(const QCloseEvent& event);

} // namespace vortelia

#pragma once
// The launcher's only window: its splash for three seconds, then the game is started by its
// file name from the current directory and the launcher ends.

#include "platform/host.h"
#include "platform/qt/look.h"

#include <QTimer>
#include <QWidget>

namespace vortelia {

// The game's file name as the launcher opens it from the current directory.
QString gameFileName();

class Prelaunch : public QWidget {
    Q_OBJECT
public:
    explicit Prelaunch(ProgramStarter& starter);
    QTimer& timer() { return timer_; }
    // How much of the three seconds has passed, 0 to 1: what the progress bar shows.
    qreal progress() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ProgramStarter& starter_;
    QTimer timer_;
    QTimer progress_; // repaints the progress bar while the three seconds run
    look::Backdrop backdrop_{QStringLiteral(":/art/launcher_splash.svg"), QSize(486, 296)};
};

} // namespace vortelia

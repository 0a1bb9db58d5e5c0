#pragma once
// SIGTERM, SIGHUP and SIGINT as the end of the session: the first one is handed to the event
// loop (a self-pipe read by a socket notifier), where the program closes the screen in front as
// on log-off; a second one ends the process at once. SIGPIPE is ignored. Nothing is done on hosts
// without them.

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace vortelia {

class TerminationSignals : public QObject {
    Q_OBJECT
public:
    // Installs the handlers; onSignal runs on the event loop once, for the first signal.
    explicit TerminationSignals(std::function<void()> onSignal);
    ~TerminationSignals() override;

private:
    std::function<void()> onSignal_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace vortelia

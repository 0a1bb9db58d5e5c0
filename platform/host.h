#pragma once
// Small host services that the story logic and the windows are handed when they are made.
// Each has a Qt-backed implementation in the program and a recording one in the tests.

#include "platform/failure.h"

#include <QString>

namespace vortelia {

// Ending the program and telling whether it is ending.
class Program {
public:
    virtual ~Program() = default;
    // Asks the program to end with the status; handlers that yield afterwards stop (ProgramEnding).
    virtual void end(int status) = 0;
    virtual bool ending() const = 0;
};

// Lets the user interface handle pending events in the middle of a handler.
class UiYield {
public:
    virtual ~UiYield() = default;
    // Throws ProgramEnding when the program was asked to end meanwhile.
    virtual void yield() = 0;
    // Lets pending events through in the middle of one long line, which is no yield of its own;
    // throws ProgramEnding like yield(). A host that handles no events meanwhile does nothing.
    virtual void stayResponsive() {}
};

// Shows a failure that nothing caught to the player.
class FailureReport {
public:
    virtual ~FailureReport() = default;
    virtual void report(const Failure& failure) = 0;
};

// Runs one event handler: a failure that escapes it is reported and ends the program with a
// non-zero status; a handler stopped because the program is ending just returns.
template <typename Handler> void runHandler(Program& program, FailureReport& report, Handler&& handler) {
    if (program.ending())
        return;
    try {
        handler();
    } catch (const ProgramEnding&) {
    } catch (const Failure& failure) {
        report.report(failure);
        program.end(1);
    }
}

// The string-command sound service: "play PATH" and "close PATH". The caller never sees a result.
class SoundService {
public:
    virtual ~SoundService() = default;
    virtual void execute(const QString& command) = 0;
};

// Asks the host to start a program by its file name, relative to the current directory.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    virtual void open(const QString& fileName) = 0;
};

} // namespace vortelia

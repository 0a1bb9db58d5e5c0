#pragma once
// Qt-backed host services of the program.

#include "platform/host.h"

#include <QMessageBox>

namespace vortelia {

class QtProgram : public Program {
public:
    void end(int status) override;
    bool ending() const override { return ending_; }
    int status() const { return status_; }

private:
    bool ending_ = false;
    int status_ = 0;
};

// Handles pending events, then stops the running handler if the program is ending.
class QtUiYield : public UiYield {
public:
    explicit QtUiYield(const Program& program) : program_(program) {}
    void yield() override;
    void stayResponsive() override { yield(); }

private:
    const Program& program_;
};

// A message box titled with the game's name, and the same text on stderr.
class MessageBoxFailureReport : public FailureReport {
public:
    void report(const Failure& failure) override;
};

// Starts a program from the current directory, detached, without arguments.
class QtProgramStarter : public ProgramStarter {
public:
    void open(const QString& fileName) override;
};

// The game's name as every title bar shows it.
QString gameTitle();

// Tells the player something in a message box under the game's title, and the same on stderr.
void tellPlayer(QMessageBox::Icon icon, const QString& text);

} // namespace vortelia

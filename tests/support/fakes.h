#pragma once
// Recording stand-ins for the host services, and a bundle of them around a temporary game
// directory.

#include "engine/quest.h"
#include "platform/arrow_cursor.h"
#include "platform/host.h"
#include "platform/services.h"
#include "platform/sound_commands.h"
#include "support/temp_game.h"

#include <functional>
#include <vector>

namespace vortelia::testing {

class RecordingSound : public SoundService {
public:
    void execute(const QString& command) override { commands.push_back(command); }
    std::vector<QString> commands;
};

// A player backend that records what it is asked to start and stop; refuses with an error text.
class RecordingSoundBackend : public SoundBackend {
public:
    QString start(const QString& hostPath) override {
        calls.push_back("start " + hostPath);
        return refuse;
    }
    void stop(const QString& hostPath) override { calls.push_back("stop " + hostPath); }
    std::vector<QString> calls;
    QString refuse;
};

// Records the commands reported as failed; runs a test's hook at each, as a box's events would.
class RecordingSoundErrors : public SoundErrorReport {
public:
    void report(const QString& command, const QString&) override {
        commands.push_back(command);
        if (onReport)
            onReport(command);
    }
    std::vector<QString> commands;
    std::function<void(const QString&)> onReport;
};

class RecordingProgram : public Program {
public:
    void end(int s) override {
        ++ends;
        if (!ending_)
            status = s;
        ending_ = true;
    }
    bool ending() const override { return ending_; }
    int ends = 0;
    int status = -1;

private:
    bool ending_ = false;
};

// Counts yields and runs a test's hook at each, as pending events would run.
class ScriptedYield : public UiYield {
public:
    explicit ScriptedYield(const Program& program) : program_(program) {}
    void yield() override;
    void stayResponsive() override;
    int count = 0;
    int pauses = 0;                   // stayResponsive calls, within long lines
    std::function<void(int)> onPause; // gets the pause's number, from 1
    std::function<void(int)> onYield; // gets the yield's number, from 1
    bool pumpEvents = false;          // also let Qt handle pending events

private:
    const Program& program_;
};

class RecordingReport : public FailureReport {
public:
    void report(const Failure& failure) override { paths.push_back(failure.path()); }
    std::vector<QString> paths;
};

// Handles are numbers; 1 is the arrow the host starts with.
class FakeCursorSystem : public CursorSystem {
public:
    CursorHandle loadFromFile(const QString& hostPath) override;
    CursorHandle current() override { return arrow; }
    CursorHandle copy(CursorHandle cursor) override;
    void setArrow(CursorHandle cursor) override;

    CursorHandle arrow = 1;
    CursorHandle next = 100;
    std::vector<QString> loaded;
    std::vector<CursorHandle> installed;                       // every setArrow
    std::vector<std::pair<CursorHandle, CursorHandle>> copies; // original, copy
};

class RecordingExits : public QuestExits {
public:
    void gameOverSwitch() override { calls.push_back("game over"); }
    void openConsole() override { calls.push_back("console"); }
    std::vector<QString> calls;
};

struct Fakes {
    Fakes();
    TempGame game;
    GameDirectory files;
    RecordingProgram program;
    ScriptedYield yield{program};
    RecordingSound sound;
    FakeCursorSystem cursors;
    ArrowCursor arrow;
    RecordingReport report;
    Services services{files, yield, sound, arrow, program, report};
};

} // namespace vortelia::testing

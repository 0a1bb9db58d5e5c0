#pragma once
// The sound command service on top of a player backend: one player per open path, so that sounds
// overlap; "play" of an open sound leaves it playing; "close" stops and releases it. The backend
// may come later than the first commands (the sound system starts after the first window is on
// screen): until then commands wait in order.

#include "platform/game_directory.h"
#include "platform/host.h"

#include <QString>

#include <deque>
#include <map>
#include <optional>

namespace vortelia {

struct SoundCommand {
    enum class Verb { Play, Close };
    Verb verb;
    QString path; // the game's own form, "sound\menu.mp3"
};

// "play PATH" or "close PATH" (one blank between, the verb in lower case); nothing else.
std::optional<SoundCommand> parseSoundCommand(const QString& command);

// Plays files; the host's media layer or a recording fake.
class SoundBackend {
public:
    virtual ~SoundBackend() = default;
    // Starts the file once, in the background; returns an error text, empty when it started.
    virtual QString start(const QString& hostPath) = 0;
    virtual void stop(const QString& hostPath) = 0;
};

// Where failed commands are told: the command and the reason.
class SoundErrorReport {
public:
    virtual ~SoundErrorReport() = default;
    virtual void report(const QString& command, const QString& reason) = 0;
};

class SoundCommands : public SoundService {
public:
    // Without a backend: commands wait until attach().
    SoundCommands(const GameDirectory& files, SoundErrorReport& errors);
    SoundCommands(const GameDirectory& files, SoundBackend& backend, SoundErrorReport& errors);

    // Carries out the waiting commands in order, then every later one at once. Commands that
    // arrive while the waiting ones run (a failure box lets events through) queue behind them.
    void attach(SoundBackend& backend);
    bool attached() const { return backend_ != nullptr && !draining_; }
    // Before attach, "close" of a sound whose "play" still waits cancels that play.
    void execute(const QString& command) override;
    // A player failed after it started (e.g. undecodable data): report it and release the sound.
    void playbackFailed(const QString& hostPath, const QString& reason);
    bool isOpen(const QString& gamePath) const;

private:
    void run(const QString& command);
    // Whether the last waiting command for the same sound is its play; removes that play if so.
    bool cancelWaitingPlay(const SoundCommand& close);

    const GameDirectory& files_;
    SoundBackend* backend_ = nullptr;
    SoundErrorReport& errors_;
    std::deque<QString> waiting_;
    bool draining_ = false;
    std::map<QString, QString> open_; // host path -> the path as the command named it
};

} // namespace vortelia

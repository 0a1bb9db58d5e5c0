#pragma once
// Sound playback on Qt Multimedia: one media player per open sound, and message boxes for
// commands that fail.

#include "platform/sound_commands.h"

#include <QObject>

#include <map>
#include <memory>

class QAudioOutput;
class QMediaPlayer;

namespace vortelia {

class QtSoundBackend : public QObject, public SoundBackend {
    Q_OBJECT
public:
    QtSoundBackend();
    ~QtSoundBackend() override;

    QString start(const QString& hostPath) override;
    void stop(const QString& hostPath) override;
    // Whether a sound device exists; without one every sound plays silently.
    bool hasOutput() const { return hasOutput_; }

signals:
    void failed(const QString& hostPath, const QString& reason);

private:
    struct Player;
    std::map<QString, std::unique_ptr<Player>> players_;
    bool hasOutput_ = false;
};

class MessageBoxSoundErrors : public SoundErrorReport {
public:
    void report(const QString& command, const QString& reason) override;
};

// The whole service as the game uses it.
class QtSoundService : public SoundService {
public:
    explicit QtSoundService(const GameDirectory& files);
    void execute(const QString& command) override { commands_.execute(command); }

private:
    QtSoundBackend backend_;
    MessageBoxSoundErrors errors_;
    SoundCommands commands_;
};

} // namespace vortelia

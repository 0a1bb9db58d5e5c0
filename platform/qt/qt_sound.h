#pragma once
// Sound playback on Qt Multimedia: one media player per open sound, and message boxes for
// commands that fail. The media layer is started only once the first window has been painted,
// since starting it takes a noticeable moment; commands wait for it in order.

#include "platform/sound_commands.h"

#include <QObject>
#include <QTimer>

#include <map>
#include <memory>

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
    // A player failed after it started. Emitted from the event loop, never from inside the
    // player's own signal, so a handler may stop the sound and show a box.
    void failed(const QString& hostPath, const QString& reason);

private:
    class Player;
    // Stops the player and frees it once control is back in the event loop.
    void release(std::map<QString, Player*>::iterator it);

    std::map<QString, Player*> players_; // children of this backend
    bool hasOutput_ = false;
};

class MessageBoxSoundErrors : public SoundErrorReport {
public:
    void report(const QString& command, const QString& reason) override;
};

// The whole service as the game uses it.
class QtSoundService : public QObject, public SoundService {
    Q_OBJECT
public:
    // Starts the media layer soon after the first window of the application is painted, or after
    // five seconds at the latest; commands sent before then wait.
    explicit QtSoundService(const GameDirectory& files);
    ~QtSoundService() override;

    void execute(const QString& command) override { commands_.execute(command); }
    // Starts the media layer now, if not yet started, and carries out the waiting commands.
    void startNow();
    bool started() const { return backend_ != nullptr; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MessageBoxSoundErrors errors_;
    SoundCommands commands_;
    std::unique_ptr<QtSoundBackend> backend_;
    QTimer latest_;
};

} // namespace vortelia

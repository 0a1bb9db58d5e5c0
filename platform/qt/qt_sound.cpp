#include "platform/qt/qt_sound.h"

#include "platform/qt/qt_host.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>

#include <cstdio>

namespace vortelia {

struct QtSoundBackend::Player {
    QMediaPlayer player;
    QAudioOutput output;
};

QtSoundBackend::QtSoundBackend() : hasOutput_(!QMediaDevices::audioOutputs().isEmpty()) {
    if (!hasOutput_)
        std::fprintf(stderr, "Миры \"Vortelia\": no sound device, the music stays silent\n");
}

QtSoundBackend::~QtSoundBackend() = default;

QString QtSoundBackend::start(const QString& hostPath) {
    if (!hasOutput_)
        return {};
    auto p = std::make_unique<Player>();
    p->player.setAudioOutput(&p->output);
    connect(&p->player, &QMediaPlayer::errorOccurred, this,
            [this, hostPath](QMediaPlayer::Error, const QString& reason) { emit failed(hostPath, reason); });
    p->player.setSource(QUrl::fromLocalFile(hostPath));
    p->player.play();
    players_[hostPath] = std::move(p);
    return {};
}

void QtSoundBackend::stop(const QString& hostPath) {
    const auto it = players_.find(hostPath);
    if (it == players_.end())
        return;
    it->second->player.stop();
    // The player may be inside its own signal; release it once control is back in the loop.
    auto* doomed = it->second.release();
    players_.erase(it);
    QMetaObject::invokeMethod(
        this, [doomed] { delete doomed; }, Qt::QueuedConnection);
}

void MessageBoxSoundErrors::report(const QString& command, const QString& reason) {
    tellPlayer(QMessageBox::Warning,
               QStringLiteral("Звуковая команда не выполнена:\n%1\n\n%2").arg(command, reason));
}

QtSoundService::QtSoundService(const GameDirectory& files) : commands_(files, backend_, errors_) {
    QObject::connect(
        &backend_, &QtSoundBackend::failed, &backend_,
        [this](const QString& path, const QString& reason) { commands_.playbackFailed(path, reason); });
}

} // namespace vortelia

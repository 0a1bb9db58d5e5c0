#include "platform/qt/qt_sound.h"

#include "platform/qt/qt_host.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>
#include <QWidget>

#include <cstdio>

namespace vortelia {

namespace {
// The media layer starts by then even if no window was painted (a window never exposed); long
// enough that a slow first paint on a busy machine still comes first.
constexpr int kLatestStartMs = 5000;
} // namespace

class QtSoundBackend::Player : public QObject {
public:
    explicit Player(QObject* parent) : QObject(parent) { player.setAudioOutput(&output); }
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
    auto* p = new Player(this);
    // Queued: the media layer emits this from deep inside the player, which must not be stopped,
    // freed or kept waiting behind a message box there. The player is the context, so a failure of
    // a player already released is dropped.
    connect(
        &p->player, &QMediaPlayer::errorOccurred, p,
        [this, p, hostPath](QMediaPlayer::Error, const QString& reason) {
            const auto it = players_.find(hostPath);
            if (it != players_.end() && it->second == p)
                emit failed(hostPath, reason);
        },
        Qt::QueuedConnection);
    // A sound that has played to its end stays open for the game, but its player goes: an idle
    // media pipeline still wakes the process several times a second.
    connect(
        &p->player, &QMediaPlayer::mediaStatusChanged, p,
        [this, p, hostPath](QMediaPlayer::MediaStatus status) {
            const auto it = players_.find(hostPath);
            if (status == QMediaPlayer::EndOfMedia && it != players_.end() && it->second == p)
                release(it);
        },
        Qt::QueuedConnection);
    players_[hostPath] = p;
    p->player.setSource(QUrl::fromLocalFile(hostPath));
    p->player.play();
    return {};
}

void QtSoundBackend::stop(const QString& hostPath) {
    const auto it = players_.find(hostPath);
    if (it != players_.end())
        release(it);
}

void QtSoundBackend::release(std::map<QString, Player*>::iterator it) {
    Player* p = it->second;
    players_.erase(it);
    p->player.stop();
    // Freed by the event loop that runs now, not by one a message box opens meanwhile, so a player
    // is never freed while the media layer is still inside it.
    p->deleteLater();
}

void MessageBoxSoundErrors::report(const QString& command, const QString& reason) {
    tellPlayer(QMessageBox::Warning,
               QStringLiteral("Звуковая команда не выполнена:\n%1\n\n%2").arg(command, reason));
}

QtSoundService::QtSoundService(const GameDirectory& files) : commands_(files, errors_) {
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(this);
    latest_.setSingleShot(true);
    connect(&latest_, &QTimer::timeout, this, &QtSoundService::startNow);
    latest_.start(kLatestStartMs);
}

QtSoundService::~QtSoundService() {
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

void QtSoundService::startNow() {
    if (backend_)
        return;
    latest_.stop();
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
    // The painted frame may still wait in the window system's output buffer, which the event loop
    // flushes only before it sleeps: send it now, before the media layer holds the thread.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QGuiApplication::sync();
    backend_ = std::make_unique<QtSoundBackend>();
    connect(backend_.get(), &QtSoundBackend::failed, this,
            [this](const QString& path, const QString& reason) { commands_.playbackFailed(path, reason); });
    commands_.attach(*backend_);
}

bool QtSoundService::eventFilter(QObject* watched, QEvent* event) {
    // The first paint of a window: start once the event loop is back, after the frame is flushed.
    if (!backend_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow()) {
        QCoreApplication::instance()->removeEventFilter(this);
        latest_.start(0);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vortelia

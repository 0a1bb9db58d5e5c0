#include "platform/sound_commands.h"

#include <QFileInfo>

namespace vortelia {

std::optional<SoundCommand> parseSoundCommand(const QString& command) {
    static const struct {
        QLatin1StringView prefix;
        SoundCommand::Verb verb;
    } verbs[] = {{QLatin1StringView("play "), SoundCommand::Verb::Play},
                 {QLatin1StringView("close "), SoundCommand::Verb::Close}};
    for (const auto& v : verbs) {
        if (command.startsWith(v.prefix) && command.size() > v.prefix.size())
            return SoundCommand{v.verb, command.mid(v.prefix.size())};
    }
    return std::nullopt;
}

SoundCommands::SoundCommands(const GameDirectory& files, SoundErrorReport& errors)
    : files_(files), errors_(errors) {}

SoundCommands::SoundCommands(const GameDirectory& files, SoundBackend& backend, SoundErrorReport& errors)
    : files_(files), backend_(&backend), errors_(errors) {}

void SoundCommands::attach(SoundBackend& backend) {
    if (backend_)
        return;
    backend_ = &backend;
    draining_ = true;
    while (!waiting_.empty()) {
        const QString command = waiting_.front();
        waiting_.pop_front();
        run(command);
    }
    draining_ = false;
}

bool SoundCommands::cancelWaitingPlay(const SoundCommand& close) {
    const QString path = files_.hostPath(close.path);
    for (auto it = waiting_.rbegin(); it != waiting_.rend(); ++it) {
        const auto earlier = parseSoundCommand(*it);
        if (!earlier || files_.hostPath(earlier->path) != path)
            continue;
        if (earlier->verb != SoundCommand::Verb::Play)
            return false;
        waiting_.erase(std::next(it).base());
        return true;
    }
    return false;
}

void SoundCommands::execute(const QString& command) {
    if (attached()) {
        run(command);
        return;
    }
    const auto parsed = parseSoundCommand(command);
    if (parsed && parsed->verb == SoundCommand::Verb::Close && cancelWaitingPlay(*parsed))
        return;
    waiting_.push_back(command);
}

void SoundCommands::run(const QString& command) {
    const auto parsed = parseSoundCommand(command);
    if (!parsed) {
        errors_.report(command, QStringLiteral("неизвестная команда"));
        return;
    }
    const QString path = files_.hostPath(parsed->path);
    if (parsed->verb == SoundCommand::Verb::Close) {
        if (open_.erase(path) == 0) {
            errors_.report(command, QStringLiteral("звук не открыт"));
            return;
        }
        backend_->stop(path);
        return;
    }
    if (open_.contains(path))
        return;
    if (!QFileInfo(path).isFile()) {
        errors_.report(command, QStringLiteral("файл не найден: %1").arg(path));
        return;
    }
    const QString error = backend_->start(path);
    if (!error.isEmpty()) {
        errors_.report(command, error);
        return;
    }
    open_.emplace(path, parsed->path);
}

void SoundCommands::playbackFailed(const QString& hostPath, const QString& reason) {
    const auto it = open_.find(hostPath);
    if (!backend_ || it == open_.end())
        return;
    const QString command = QStringLiteral("play ") + it->second;
    open_.erase(it);
    backend_->stop(hostPath);
    errors_.report(command, reason);
}

bool SoundCommands::isOpen(const QString& gamePath) const {
    return open_.contains(files_.hostPath(gamePath));
}

} // namespace vortelia

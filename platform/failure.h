#pragma once
// A file of the game directory that could not be opened, read or written.
// Carries the full path and the reason, and says both in Russian for the player.

#include <QString>

#include <stdexcept>

namespace vortelia {

class Failure : public std::runtime_error {
public:
    enum class Action { Read, Write };

    Failure(Action action, QString path, QString reason);

    Action action() const { return action_; }
    const QString& path() const { return path_; }
    const QString& reason() const { return reason_; }
    // The report's text: what failed, the full path, the reason.
    QString message() const;

private:
    Action action_;
    QString path_;
    QString reason_;
};

// The reason for a system error number, in Russian for the common cases (missing, not
// permitted, no space, a folder, read-only); the system's own words otherwise.
QString failureReason(int error);
// The reason when the path is a folder or exists but is no regular file.
QString folderReason();
QString notRegularReason();

// Thrown out of a yield once the program has been asked to end, so that the handler that yielded
// stops where it is. Handler boundaries swallow it.
struct ProgramEnding {};

} // namespace vortelia

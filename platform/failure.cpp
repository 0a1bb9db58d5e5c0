#include "platform/failure.h"

namespace vortelia {

Failure::Failure(Action action, QString path, QString reason)
    : std::runtime_error((action == Action::Read ? "cannot read " : "cannot write ") + path.toStdString() +
                         ": " + reason.toStdString()),
      action_(action), path_(std::move(path)), reason_(std::move(reason)) {}

QString Failure::message() const {
    const QString what = action_ == Action::Read ? QStringLiteral("Не удалось прочитать файл")
                                                 : QStringLiteral("Не удалось записать файл");
    return QStringLiteral("%1:\n%2\n\n%3").arg(what, path_, reason_);
}

} // namespace vortelia

#include "platform/failure.h"

#include <cerrno>
#include <cstring>

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

QString failureReason(int error) {
    switch (error) {
    case ENOENT:
        return QStringLiteral("файл или папка не найдены");
    case EACCES:
    case EPERM:
        return QStringLiteral("нет доступа");
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return QStringLiteral("на диске нет места");
    case EISDIR:
        return folderReason();
    case ENOTDIR:
        return QStringLiteral("часть пути не является папкой");
    case EROFS:
        return QStringLiteral("диск доступен только для чтения");
    case EIO:
        return QStringLiteral("ошибка ввода-вывода");
    default:
        return QStringLiteral("ошибка %1 (%2)").arg(error).arg(QString::fromLocal8Bit(std::strerror(error)));
    }
}

QString folderReason() {
    return QStringLiteral("это папка, а не файл");
}

QString notRegularReason() {
    return QStringLiteral("это не обычный файл");
}

} // namespace vortelia

#include "platform/game_directory.h"

#include "platform/failure.h"
#include "platform/windows1251.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace vortelia {

LineReader::LineReader(QByteArray bytes) : bytes_(std::move(bytes)), decoder_("windows-1251") {}

bool LineReader::next(QString& line) {
    const qsizetype size = bytes_.size();
    if (pos_ >= size)
        return false;
    const qsizetype cr = bytes_.indexOf('\r', pos_);
    const qsizetype end = cr < 0 ? size : cr;
    line = decoder_.decode(QByteArrayView(bytes_).sliced(pos_, end - pos_));
    pos_ = end;
    if (cr >= 0) {
        pos_ = cr + 1;
        if (pos_ < size && bytes_[pos_] == '\n')
            ++pos_;
    }
    return true;
}

GameDirectory::GameDirectory(QString root) : root_(std::move(root)) {}

QString GameDirectory::hostPath(const QString& gamePath) const {
    QString relative = gamePath;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::cleanPath(QDir(root_).absoluteFilePath(relative));
}

LineReader GameDirectory::openLines(const QString& gamePath) const {
    const QString path = hostPath(gamePath);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(Failure::Action::Read, path, file.errorString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw Failure(Failure::Action::Read, path, file.errorString());
    return LineReader(std::move(bytes));
}

void GameDirectory::writeLine(const QString& gamePath, const QString& text) const {
    const QString path = hostPath(gamePath);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw Failure(Failure::Action::Write, path, file.errorString());
    const QByteArray bytes = encodeWindows1251(text) + "\r\n";
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw Failure(Failure::Action::Write, path, file.errorString());
}

} // namespace vortelia

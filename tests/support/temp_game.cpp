#include "support/temp_game.h"

#include "platform/windows1251.h"

#include <QDir>
#include <QFile>

#include <stdexcept>

namespace vortelia::testing {

TempGame::TempGame() {
    if (!dir_.isValid())
        throw std::runtime_error("no temporary directory");
    for (const char* sub : {"text", "engdat", "sound", "cursor"})
        QDir(dir_.path()).mkpath(QLatin1String(sub));
    resetFlags();
}

QString TempGame::path(const QString& gamePath) const {
    return GameDirectory(root()).hostPath(gamePath);
}

void TempGame::writeBytes(const QString& gamePath, const QByteArray& bytes) const {
    QFile file(path(gamePath));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path(gamePath).toStdString());
}

void TempGame::writeStory(const QString& gamePath, const QStringList& lines) const {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += encodeWindows1251(line) + "\r\n";
    writeBytes(gamePath, bytes);
}

QByteArray TempGame::readBytes(const QString& gamePath) const {
    QFile file(path(gamePath));
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll();
}

bool TempGame::exists(const QString& gamePath) const {
    return QFile::exists(path(gamePath));
}

void TempGame::remove(const QString& gamePath) const {
    QFile::remove(path(gamePath));
}

void TempGame::resetFlags() const {
    for (const char* flag : {"engdat\\b.gdf", "engdat\\c.gdf", "engdat\\bc.gdf"})
        writeBytes(QLatin1String(flag), "0\r\n");
}

} // namespace vortelia::testing

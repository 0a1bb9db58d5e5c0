#pragma once
// A temporary game directory with the folders the game expects, and functions that put files in it
// the way the game stores them.

#include "platform/game_directory.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace vortelia::testing {

class TempGame {
public:
    TempGame();
    QString root() const { return dir_.path(); }
    // Host path of a game path ("text\gt1.tf").
    QString path(const QString& gamePath) const;
    void writeBytes(const QString& gamePath, const QByteArray& bytes) const;
    // Each line encoded in Windows-1251 and followed by CR LF.
    void writeStory(const QString& gamePath, const QStringList& lines) const;
    QByteArray readBytes(const QString& gamePath) const;
    bool exists(const QString& gamePath) const;
    void remove(const QString& gamePath) const;
    // The three flag files holding "0" CR LF.
    void resetFlags() const;

private:
    QTemporaryDir dir_;
};

} // namespace vortelia::testing

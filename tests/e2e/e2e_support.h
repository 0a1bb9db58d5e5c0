#pragma once
// Running the real programs from a private copy of the assembled game directory.

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <signal.h>

namespace vortelia::testing {

inline const QString gameTitle = QStringLiteral("Миры \"Vortelia\"");

class GameCopy {
public:
    // The whole game directory, or only the files under the given top folders.
    explicit GameCopy(const QStringList& only = {}) {
        const QDir source(QStringLiteral(VORTELIA_GAME_DIR));
        QDirIterator it(source.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString from = it.next();
            const QString relative = source.relativeFilePath(from);
            if (!only.isEmpty() && !only.contains(relative.section(QLatin1Char('/'), 0, 0)))
                continue;
            const QString to = dir_.filePath(relative);
            QDir().mkpath(QFileInfo(to).path());
            QFile::copy(from, to);
        }
    }
    QString path(const QString& relative) const { return dir_.filePath(relative); }
    QString root() const { return dir_.path(); }
    QByteArray read(const QString& relative) const {
        QFile file(path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    bool write(const QString& relative, const QByteArray& bytes) const {
        QFile file(path(relative));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

private:
    QTemporaryDir dir_;
};

inline QProcessEnvironment onTheDisplay() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    return env;
}

// The processes running this program file now.
inline QList<qint64> processesOf(const QString& program) {
    QList<qint64> found;
    const QString wanted = QFileInfo(program).canonicalFilePath();
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool number = false;
        const qint64 pid = entry.toLongLong(&number);
        if (number && QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).canonicalFilePath() == wanted)
            found << pid;
    }
    return found;
}

// Ends every process of the program file and waits, bounded, until they are gone.
inline void killAll(const QString& program) {
    for (qint64 pid : processesOf(program))
        ::kill(static_cast<pid_t>(pid), SIGKILL);
    QElapsedTimer clock;
    clock.start();
    while (!processesOf(program).isEmpty() && clock.elapsed() < 5000)
        QThread::msleep(20); // another process's end: nothing to wait on but /proc
}

} // namespace vortelia::testing

#include "platform/game_directory.h"

#include "platform/failure.h"
#include "platform/windows1251.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>

#ifdef Q_OS_WIN
#include <QSaveFile>
#else
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vortelia {

LineReader::LineReader(QByteArray bytes) : bytes_(std::move(bytes)), decoder_("windows-1251") {}

LineReader::LineReader(std::unique_ptr<QIODevice> device, QString path)
    : device_(std::move(device)), path_(std::move(path)), decoder_("windows-1251") {}

LineReader::LineReader(LineReader&&) noexcept = default;
LineReader::~LineReader() = default;

// Replaces the bytes by the next chunk of the device; false at its end (or without a device).
bool LineReader::fill() {
    if (!device_)
        return false;
    bytes_ = device_->read(chunkSize);
    pos_ = 0;
    if (bytes_.isEmpty() && !device_->atEnd())
        throw Failure(Failure::Action::Read, path_,
                      device_->errorString().isEmpty() ? failureReason(EIO) : device_->errorString());
    return !bytes_.isEmpty();
}

bool LineReader::next(QString& line) {
    line.clear();
    bool started = false;
    for (;;) {
        if (pos_ >= bytes_.size()) {
            if (started && betweenChunks_)
                betweenChunks_();
            if (!fill())
                return started;
        }
        started = true;
        const qsizetype cr = bytes_.indexOf('\r', pos_);
        const qsizetype end = cr < 0 ? bytes_.size() : cr;
        line += decoder_.decode(QByteArrayView(bytes_).sliced(pos_, end - pos_));
        pos_ = end;
        if (cr < 0)
            continue;
        pos_ = cr + 1;
        // The LF of a CR LF may begin the next chunk.
        if (pos_ >= bytes_.size())
            fill();
        if (pos_ < bytes_.size() && bytes_[pos_] == '\n')
            ++pos_;
        return true;
    }
}

GameDirectory::GameDirectory(QString root) : root_(std::move(root)) {}

QString GameDirectory::hostPath(const QString& gamePath) const {
    QString relative = gamePath;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::cleanPath(QDir(root_).absoluteFilePath(relative));
}

LineReader GameDirectory::openLines(const QString& gamePath) const {
    const QString path = hostPath(gamePath);
    const QFileInfo info(path);
    // A folder or a pipe would fail late or block: name the problem before opening.
    if (!info.exists())
        throw Failure(Failure::Action::Read, path, failureReason(ENOENT));
    if (info.isDir())
        throw Failure(Failure::Action::Read, path, folderReason());
    if (!info.isFile())
        throw Failure(Failure::Action::Read, path, notRegularReason());
    auto file = std::make_unique<QFile>(path);
    errno = 0;
    if (!file->open(QIODevice::ReadOnly)) {
#ifdef Q_OS_WIN
        throw Failure(Failure::Action::Read, path, file->errorString());
#else
        throw Failure(Failure::Action::Read, path, failureReason(errno ? errno : EACCES));
#endif
    }
    return LineReader(std::move(file), path);
}

void GameDirectory::removeLeftovers(const QString& gamePath) const {
    const QFileInfo target(hostPath(gamePath));
    static const QRegularExpression suffix(QStringLiteral("\\.[A-Za-z0-9]{6}$"));
    const QDir folder = target.dir();
    const QStringList found = folder.entryList({target.fileName() + QStringLiteral(".??????")},
                                               QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : found) {
        if (name.size() == target.fileName().size() + 7 && suffix.match(name).hasMatch())
            QFile::remove(folder.filePath(name));
    }
}

void GameDirectory::writeLine(const QString& gamePath, const QString& text) const {
    const QString path = hostPath(gamePath);
    const QByteArray bytes = encodeWindows1251(text) + "\r\n";
    const QFileInfo info(path);
    if (info.isDir() && !info.isSymLink())
        throw Failure(Failure::Action::Write, path, folderReason());
    removeLeftovers(gamePath);
#ifdef Q_OS_WIN
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw Failure(Failure::Action::Write, path, file.errorString());
    if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit())
        throw Failure(Failure::Action::Write, path, file.errorString());
#else
    QByteArray temporary = QFile::encodeName(path) + ".XXXXXX";
    int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        throw Failure(Failure::Action::Write, path, failureReason(errno));
    const auto fail = [&](int error) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(temporary.constData());
        throw Failure(Failure::Action::Write, path, failureReason(error));
    };
    // The file keeps its permissions; a new one (or one that was a link) gets the usual ones.
    struct stat old {};
    const bool regular = ::lstat(QFile::encodeName(path).constData(), &old) == 0 && S_ISREG(old.st_mode);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::fchmod(fd, regular ? (old.st_mode & 07777) : (0666 & ~mask)) != 0)
        fail(errno);
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            fail(n < 0 ? errno : ENOSPC);
        done += n;
    }
    if (::fsync(fd) != 0)
        fail(errno);
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0)
        fail(errno);
    if (::rename(temporary.constData(), QFile::encodeName(path).constData()) != 0)
        fail(errno);
#endif
}

} // namespace vortelia

#pragma once
// The game directory: story texts, flags and sounds, named the way the game names them
// ("text\gt1.tf", "engdat\b.gdf") and resolved against one root folder.

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

#include <functional>
#include <memory>

class QIODevice;

namespace vortelia {

// Splits bytes into lines: a line ends at CR LF or at a lone CR; a lone LF is part of the line.
// A final line without terminator still counts; an empty input has no lines. Each line is
// decoded from Windows-1251. Read from a file, the bytes come in bounded chunks, so that a
// line of any length never stops the caller for long (see setBetweenChunks).
class LineReader {
public:
    explicit LineReader(QByteArray bytes);
    // Reads the device in chunks; path names it in a Failure when reading fails.
    LineReader(std::unique_ptr<QIODevice> device, QString path);
    LineReader(LineReader&&) noexcept;
    ~LineReader();

    // Reads the next line into line; false at the end. Throws Failure on a read error.
    bool next(QString& line);
    // Called while a line goes on past a chunk: the caller's chance to stay responsive. It may
    // throw to abandon the read.
    void setBetweenChunks(std::function<void()> betweenChunks) { betweenChunks_ = std::move(betweenChunks); }

    static constexpr qsizetype chunkSize = 64 * 1024;

private:
    bool fill();

    std::unique_ptr<QIODevice> device_;
    QString path_;
    QByteArray bytes_;
    qsizetype pos_ = 0;
    QStringDecoder decoder_;
    std::function<void()> betweenChunks_;
};

class GameDirectory {
public:
    explicit GameDirectory(QString root);

    const QString& root() const { return root_; }
    // Host path of a game path: backslashes become slashes, relative to the root.
    QString hostPath(const QString& gamePath) const;
    // Opens a regular file for reading line by line; throws Failure naming the file and the
    // reason (in Russian) when it is missing, a folder, not a regular file or not readable.
    LineReader openLines(const QString& gamePath) const;
    // Replaces the file's content by text and CR LF, encoded in Windows-1251. The new content
    // appears at once or not at all: it is written to a temporary file "NAME.XXXXXX" in the
    // same folder, every write and the flush checked, then renamed over the file (a symbolic
    // link is replaced, never written through). Temporaries of that name left behind by an
    // earlier run that was killed are removed first. Throws Failure naming the file.
    void writeLine(const QString& gamePath, const QString& text) const;
    // Removes the temporaries that an interrupted writeLine of this file left behind.
    void removeLeftovers(const QString& gamePath) const;

private:
    QString root_;
};

} // namespace vortelia

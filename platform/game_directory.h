#pragma once
// The game directory: story texts, flags and sounds, named the way the game names them
// ("text\gt1.tf", "engdat\b.gdf") and resolved against one root folder.

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

namespace vortelia {

// Splits bytes into lines: a line ends at CR LF or at a lone CR; a lone LF is part of the line.
// A final line without terminator still counts; an empty input has no lines. Each line is
// decoded from Windows-1251.
class LineReader {
public:
    explicit LineReader(QByteArray bytes);
    // Reads the next line into line; false at the end.
    bool next(QString& line);

private:
    QByteArray bytes_;
    qsizetype pos_ = 0;
    QStringDecoder decoder_;
};

class GameDirectory {
public:
    explicit GameDirectory(QString root);

    const QString& root() const { return root_; }
    // Host path of a game path: backslashes become slashes, relative to the root.
    QString hostPath(const QString& gamePath) const;
    // Reads the whole file; throws Failure naming the file when it cannot be opened or read.
    LineReader openLines(const QString& gamePath) const;
    // Replaces the file's content by text and CR LF, encoded in Windows-1251. The new content
    // appears at once or not at all (temporary file in the same folder, then a rename).
    // Throws Failure naming the file.
    void writeLine(const QString& gamePath, const QString& text) const;

private:
    QString root_;
};

} // namespace vortelia

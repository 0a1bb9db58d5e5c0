#pragma once
// How every text of the game reaches the screen: the file is read line by line, each line is
// handed on, and the user interface gets its turn after each line (and between the chunks of a
// line too long to read at once, which does not count as a line).

#include "platform/game_directory.h"
#include "platform/host.h"

namespace vortelia {

// Throws Failure when the file cannot be read; ProgramEnding out of a yield.
template <typename PerLine>
void loadLines(const GameDirectory& files, UiYield& yield, const QString& path, PerLine&& perLine) {
    LineReader lines = files.openLines(path);
    lines.setBetweenChunks([&yield] { yield.stayResponsive(); });
    QString line;
    while (lines.next(line)) {
        perLine(line);
        yield.yield();
    }
}

} // namespace vortelia

// Story and flag files are read from disk: any bytes must split into lines without a crash.

#include "platform/game_directory.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vortelia::LineReader reader(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    QString line;
    qsizetype total = 0;
    while (reader.next(line))
        total += line.size() + 1;
    // Every byte is either part of a line or a terminator: no line can be longer than the input.
    if (total > static_cast<qsizetype>(size) + 1)
        __builtin_trap();
    return 0;
}

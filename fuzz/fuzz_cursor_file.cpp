// The cursor-file reader on arbitrary bytes: it must return, without crashing, hanging or
// allocating more than a cursor needs.

#include "platform/cursor_file.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (const auto cursor = vortelia::parseCursorFile(bytes)) {
        // What the parser promises about a file it accepts.
        if (cursor->frames.empty() || cursor->steps.empty())
            __builtin_trap();
        for (const vortelia::CursorStep& step : cursor->steps) {
            if (step.frame < 0 || static_cast<std::size_t>(step.frame) >= cursor->frames.size() ||
                step.durationMs < 0)
                __builtin_trap();
        }
        for (const vortelia::CursorFrame& frame : cursor->frames) {
            if (frame.sizes.empty())
                __builtin_trap();
            for (const vortelia::CursorImage& image : frame.sizes) {
                if (image.image.isNull() || !image.image.rect().contains(image.hotspot))
                    __builtin_trap();
            }
        }
    }
    return 0;
}

#pragma once
// Windows cursor files: a static .cur (one or more images with hotspots) or an animated .ani
// (RIFF "ACON": frames, per-step rates, an optional sequence). Qt reads .cur pixels but drops
// the hotspot and has no .ani reader, so both are parsed here.

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPoint>

#include <optional>
#include <vector>

namespace vortelia {

struct CursorImage {
    QImage image; // ARGB32, premultiplied or not
    QPoint hotspot;
};

// One frame: the same picture at one or more sizes.
struct CursorFrame {
    std::vector<CursorImage> sizes;
};

struct CursorStep {
    int frame = 0;      // index into frames
    int durationMs = 0; // how long the step shows
};

struct CursorFile {
    std::vector<CursorFrame> frames;
    std::vector<CursorStep> steps; // one step per frame for a static cursor, duration 0
    bool animated() const { return steps.size() > 1; }
};

// Parses either form from the file's bytes; nullopt for anything malformed or truncated. A result
// has at least one frame and one step, every frame at least one image, images in Format_ARGB32
// of at most 256 x 256 with the hotspot inside, durations jiffies * 1000 / 60 ms.
std::optional<CursorFile> parseCursorFile(const QByteArray& bytes);

// Writes a .cur holding the images (32-bit BMP with alpha and an AND mask); empty when there are
// no images or one is outside 1..256 pixels a side. Hotspots are clamped into their image.
QByteArray writeCur(const std::vector<CursorImage>& images);
// Writes an .ani: each frame a .cur, the steps as "rate" (rounded to jiffies) and "seq "; empty
// when there is no frame or step, or a step names a frame that is not there.
QByteArray writeAni(const CursorFile& cursor);

} // namespace vortelia

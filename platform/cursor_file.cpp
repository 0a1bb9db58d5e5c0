#include "platform/cursor_file.h"

#include <QBuffer>
#include <QByteArrayView>
#include <QImageReader>

#include <algorithm>
#include <cstring>
#include <limits>

namespace vortelia {

namespace {

// Windows draws cursors up to 256 pixels a side; anything larger is not a cursor.
constexpr int kMaxSide = 256;
// Decoded pixels allowed per file. Directory entries may share image data and PNGs compress
// well, so the bytes on disk alone do not bound the memory a file asks for.
constexpr qint64 kPixelBudget = 4 * 1024 * 1024; // 16 MB of ARGB32
// Every image also costs this much of the budget, whatever its size, so that a file of many
// thousands of tiny frames is refused too (at most 1024 images a file).
constexpr qint64 kImageCost = 64 * 64;
// An animation longer than this is no arrow cursor.
constexpr qint64 kMaxSteps = 4096;

constexpr quint16 kTypeIcon = 1;
constexpr quint16 kTypeCursor = 2;
constexpr quint32 kAniIconFrames = 1; // AF_ICON: frames are icon or cursor files
constexpr quint32 kAniHeaderSize = 36;
constexpr char kPngSignature[] = "\x89PNG\r\n\x1a\n";

// Little-endian reads from a view whose bounds the caller has checked.
quint16 u16(QByteArrayView b, qsizetype at) {
    const auto* p = reinterpret_cast<const uchar*>(b.data()) + at;
    return static_cast<quint16>(p[0] | (p[1] << 8));
}
quint32 u32(QByteArrayView b, qsizetype at) {
    const auto* p = reinterpret_cast<const uchar*>(b.data()) + at;
    return static_cast<quint32>(p[0]) | (static_cast<quint32>(p[1]) << 8) |
           (static_cast<quint32>(p[2]) << 16) | (static_cast<quint32>(p[3]) << 24);
}
qint32 i32(QByteArrayView b, qsizetype at) {
    return static_cast<qint32>(u32(b, at));
}
quint32 u32be(QByteArrayView b, qsizetype at) {
    const auto* p = reinterpret_cast<const uchar*>(b.data()) + at;
    return (static_cast<quint32>(p[0]) << 24) | (static_cast<quint32>(p[1]) << 16) |
           (static_cast<quint32>(p[2]) << 8) | static_cast<quint32>(p[3]);
}

// Whether [offset, offset + length) lies inside the view; 64-bit so no sum of header fields wraps.
bool fits(QByteArrayView b, qint64 offset, qint64 length) {
    return offset >= 0 && length >= 0 && offset <= b.size() && length <= b.size() - offset;
}

bool hasId(QByteArrayView b, qsizetype at, const char (&id)[5]) {
    return std::memcmp(b.data() + at, id, 4) == 0;
}

bool takePixels(qint64& budget, qint64 width, qint64 height) {
    const qint64 cost = std::max(width * height, kImageCost);
    if (cost > budget)
        return false;
    budget -= cost;
    return true;
}

// The PNG cut down to the chunks that make its pixels, every chunk checked to lie inside the data:
// libpng then never sizes a buffer from a length the data cannot back, and never inflates text
// or colour profiles. nullopt when the chunk structure is broken or has no end.
std::optional<QByteArray> pixelChunks(QByteArrayView data) {
    QByteArray out(kPngSignature, 8);
    qsizetype pos = 8;
    while (fits(data, pos, 8)) {
        const quint32 length = u32be(data, pos);
        if (!fits(data, pos + 8, qint64{length} + 4))
            return std::nullopt;
        const qsizetype whole = 12 + static_cast<qsizetype>(length);
        if (hasId(data, pos + 4, "IHDR") || hasId(data, pos + 4, "PLTE") || hasId(data, pos + 4, "tRNS") ||
            hasId(data, pos + 4, "IDAT") || hasId(data, pos + 4, "IEND"))
            out.append(data.sliced(pos, whole));
        if (hasId(data, pos + 4, "IEND"))
            return out;
        pos += whole;
    }
    return std::nullopt;
}

std::optional<QImage> decodePng(QByteArrayView data, qint64& budget) {
    // Signature, then IHDR: length 13, "IHDR", width and height big-endian.
    if (!fits(data, 0, 24) || u32be(data, 8) != 13 || !hasId(data, 12, "IHDR"))
        return std::nullopt;
    const quint32 width = u32be(data, 16);
    const quint32 height = u32be(data, 20);
    if (width < 1 || width > kMaxSide || height < 1 || height > kMaxSide)
        return std::nullopt;
    std::optional<QByteArray> png = pixelChunks(data);
    if (!png || !takePixels(budget, width, height))
        return std::nullopt;
    QBuffer buffer(&*png);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    QImage image = reader.read();
    if (image.isNull() || image.width() != static_cast<int>(width) ||
        image.height() != static_cast<int>(height))
        return std::nullopt;
    return image.convertToFormat(QImage::Format_ARGB32);
}

// A DIB as icon and cursor files store it: BITMAPINFOHEADER with the height doubled, the colour
// table, the XOR pixels bottom-up, then the 1-bit AND mask.
std::optional<QImage> decodeBmp(QByteArrayView data, qint64& budget) {
    if (!fits(data, 0, 40))
        return std::nullopt;
    const quint32 headerSize = u32(data, 0);
    const qint32 width = i32(data, 4);
    const qint32 doubledHeight = i32(data, 8);
    const quint16 bitCount = u16(data, 14);
    const quint32 compression = u32(data, 16);
    const quint32 colorsUsed = u32(data, 32);
    if (headerSize < 40 || !fits(data, 0, headerSize) || compression != 0)
        return std::nullopt;
    if (width < 1 || width > kMaxSide || doubledHeight < 2 || doubledHeight > 2 * kMaxSide ||
        doubledHeight % 2 != 0)
        return std::nullopt;
    const int height = doubledHeight / 2;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32)
        return std::nullopt;
    if (colorsUsed > 256)
        return std::nullopt;

    const qint64 paletteEntries = bitCount <= 8 && colorsUsed == 0 ? (qint64{1} << bitCount) : colorsUsed;
    const qint64 paletteOffset = headerSize;
    const qint64 pixelOffset = paletteOffset + 4 * paletteEntries;
    const qint64 xorStride = (qint64{width} * bitCount + 31) / 32 * 4;
    const qint64 andStride = (qint64{width} + 31) / 32 * 4;
    const qint64 maskOffset = pixelOffset + xorStride * height;
    if (!fits(data, pixelOffset, xorStride * height))
        return std::nullopt;
    const bool hasMask = fits(data, maskOffset, andStride * height);

    const auto* bytes = reinterpret_cast<const uchar*>(data.data());
    bool hasAlpha = false;
    if (bitCount == 32) {
        for (qint64 i = pixelOffset + 3; i < maskOffset && !hasAlpha; i += 4)
            hasAlpha = bytes[i] != 0;
    }
    // Without alpha the mask is the only transparency; a 32-bit image with alpha may omit it.
    if (!hasMask && !hasAlpha)
        return std::nullopt;
    if (!takePixels(budget, width, height))
        return std::nullopt;

    QRgb palette[256] = {};
    const qint64 usable = std::min<qint64>(paletteEntries, bitCount <= 8 ? (qint64{1} << bitCount) : 0);
    for (qint64 i = 0; i < usable; ++i) {
        const uchar* c = bytes + paletteOffset + 4 * i;
        palette[i] = qRgb(c[2], c[1], c[0]);
    }

    QImage image(width, height, QImage::Format_ARGB32);
    if (image.isNull())
        return std::nullopt;
    for (int y = 0; y < height; ++y) {
        const uchar* row = bytes + pixelOffset + xorStride * (height - 1 - y);
        const uchar* mask = hasMask ? bytes + maskOffset + andStride * (height - 1 - y) : nullptr;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            QRgb rgb = 0;
            switch (bitCount) {
            case 1:
                rgb = palette[(row[x / 8] >> (7 - x % 8)) & 1];
                break;
            case 4:
                rgb = palette[(row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0x0f];
                break;
            case 8:
                rgb = palette[row[x]];
                break;
            case 24:
                rgb = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
                break;
            default:
                rgb = qRgba(row[4 * x + 2], row[4 * x + 1], row[4 * x], row[4 * x + 3]);
                break;
            }
            if (!hasAlpha) {
                // A set mask bit shows the screen through (or inverts it, which Qt cannot draw).
                const bool clear = (mask[x / 8] >> (7 - x % 8)) & 1;
                rgb = clear ? qRgba(0, 0, 0, 0) : (rgb | 0xff000000u);
            }
            out[x] = rgb;
        }
    }
    return image;
}

// An icon or cursor directory and its images; icons (type 1) are accepted only inside .ani
// frames, with the hotspot in the middle as Windows places it.
std::optional<CursorFrame> parseDirectory(QByteArrayView data, bool iconAllowed, qint64& budget) {
    if (!fits(data, 0, 6) || u16(data, 0) != 0)
        return std::nullopt;
    const quint16 type = u16(data, 2);
    const quint16 count = u16(data, 4);
    if (!(type == kTypeCursor || (iconAllowed && type == kTypeIcon)) || count == 0)
        return std::nullopt;
    if (!fits(data, 6, qint64{16} * count))
        return std::nullopt;

    CursorFrame frame;
    for (int i = 0; i < count; ++i) {
        const qsizetype entry = 6 + 16 * i;
        // The entry's width, height and bit depth are often wrong; the image data says.
        const quint32 size = u32(data, entry + 8);
        const quint32 offset = u32(data, entry + 12);
        if (!fits(data, offset, size))
            return std::nullopt;
        const QByteArrayView bytes = data.sliced(offset, size);
        const bool png = bytes.size() >= 8 && std::memcmp(bytes.data(), kPngSignature, 8) == 0;
        std::optional<QImage> image = png ? decodePng(bytes, budget) : decodeBmp(bytes, budget);
        if (!image)
            return std::nullopt;
        QPoint hotspot(image->width() / 2, image->height() / 2);
        if (type == kTypeCursor)
            hotspot = QPoint(std::min<int>(u16(data, entry + 4), image->width() - 1),
                             std::min<int>(u16(data, entry + 6), image->height() - 1));
        frame.sizes.push_back({std::move(*image), hotspot});
    }
    return frame;
}

int jiffiesToMs(quint32 jiffies) {
    return static_cast<int>(std::min<qint64>(qint64{jiffies} * 1000 / 60, std::numeric_limits<int>::max()));
}

bool isTopLevelId(QByteArrayView b, qsizetype at) {
    return hasId(b, at, "anih") || hasId(b, at, "rate") || hasId(b, at, "seq ") || hasId(b, at, "LIST");
}

// RIFF "ACON". Chunks are walked to the end of the data rather than the RIFF's declared size,
// which real writers get wrong; every chunk must still lie inside the data.
std::optional<CursorFile> parseAni(QByteArrayView data, qint64& budget) {
    if (!fits(data, 0, 12) || !hasId(data, 0, "RIFF") || !hasId(data, 8, "ACON") || u32(data, 4) < 4)
        return std::nullopt;

    std::optional<QByteArrayView> header, rates, sequence;
    std::vector<CursorFrame> frames;
    bool haveFrames = false;
    qsizetype pos = 12;
    while (fits(data, pos, 8)) {
        const quint32 size = u32(data, pos + 4);
        if (!fits(data, pos + 8, size))
            return std::nullopt;
        const QByteArrayView body = data.sliced(pos + 8, size);
        qint64 next = pos + 8 + qint64{size} + (size & 1);

        if (hasId(data, pos, "anih") || hasId(data, pos, "rate") || hasId(data, pos, "seq ")) {
            auto& slot = hasId(data, pos, "anih") ? header : hasId(data, pos, "rate") ? rates : sequence;
            if (slot)
                return std::nullopt;
            slot = body;
        } else if (hasId(data, pos, "LIST")) {
            if (size < 4)
                return std::nullopt;
            const bool frameList = hasId(body, 0, "fram");
            if (frameList && haveFrames)
                return std::nullopt;
            haveFrames = haveFrames || frameList;
            // A list may declare more than its chunks take: it ends where its last whole chunk
            // ends, or where a chunk that belongs to the top level begins.
            qsizetype sub = 4;
            while (fits(body, sub, 8) && !isTopLevelId(body, sub)) {
                const quint32 subSize = u32(body, sub + 4);
                if (!fits(body, sub + 8, subSize))
                    return std::nullopt;
                if (frameList && hasId(body, sub, "icon")) {
                    std::optional<CursorFrame> frame =
                        parseDirectory(body.sliced(sub + 8, subSize), true, budget);
                    if (!frame)
                        return std::nullopt;
                    frames.push_back(std::move(*frame));
                }
                sub = static_cast<qsizetype>(
                    std::min<qint64>(sub + 8 + qint64{subSize} + (subSize & 1), body.size()));
            }
            next = pos + 8 + sub + (sub & 1); // odd only where it reached an odd declared end
        }
        pos = static_cast<qsizetype>(std::min<qint64>(next, data.size()));
    }

    if (!header || header->size() < kAniHeaderSize || !haveFrames)
        return std::nullopt;
    const quint32 frameCount = u32(*header, 4);
    const quint32 stepCount = u32(*header, 8);
    const quint32 defaultRate = u32(*header, 28);
    const quint32 flags = u32(*header, 32);
    if (!(flags & kAniIconFrames) || frameCount == 0 || frameCount != frames.size())
        return std::nullopt;

    CursorFile file;
    file.frames = std::move(frames);
    // Without a sequence the frames play in order; the chunk sizes bound the step count.
    const qint64 steps = sequence ? qint64{stepCount} : qint64{frameCount};
    if (steps == 0 || steps > kMaxSteps || (sequence && sequence->size() / 4 < steps) ||
        (rates && rates->size() / 4 < steps))
        return std::nullopt;
    file.steps.reserve(static_cast<std::size_t>(steps));
    for (qint64 i = 0; i < steps; ++i) {
        const quint32 frame = sequence ? u32(*sequence, 4 * i) : static_cast<quint32>(i);
        if (frame >= frameCount)
            return std::nullopt;
        const quint32 jiffies = rates ? u32(*rates, 4 * i) : defaultRate;
        file.steps.push_back({static_cast<int>(frame), jiffiesToMs(jiffies)});
    }
    return file;
}

// Little-endian writes and RIFF chunks for the writers.
void put16(QByteArray& out, quint32 v) {
    out.append(static_cast<char>(v & 0xff));
    out.append(static_cast<char>((v >> 8) & 0xff));
}
void put32(QByteArray& out, quint32 v) {
    put16(out, v & 0xffff);
    put16(out, v >> 16);
}
void putChunk(QByteArray& out, const char (&id)[5], const QByteArray& body) {
    out.append(id, 4);
    put32(out, static_cast<quint32>(body.size()));
    out.append(body);
    if (body.size() % 2 != 0)
        out.append('\0');
}

QByteArray dib(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width();
    const int h = image.height();
    const int andStride = (w + 31) / 32 * 4;
    QByteArray out;
    put32(out, 40);
    put32(out, static_cast<quint32>(w));
    put32(out, static_cast<quint32>(2 * h));
    put16(out, 1);  // planes
    put16(out, 32); // bits per pixel
    put32(out, 0);  // BI_RGB
    put32(out, static_cast<quint32>((4 * w + andStride) * h));
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    QByteArray mask(andStride * h, '\0');
    for (int y = h - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        char* maskRow = mask.data() + andStride * (h - 1 - y);
        for (int x = 0; x < w; ++x) {
            const QRgb p = qAlpha(row[x]) == 0 ? 0 : row[x]; // clear pixels black, as AND/XOR expects
            out.append(static_cast<char>(qBlue(p)));
            out.append(static_cast<char>(qGreen(p)));
            out.append(static_cast<char>(qRed(p)));
            out.append(static_cast<char>(qAlpha(p)));
            if (qAlpha(p) == 0)
                maskRow[x / 8] = static_cast<char>(maskRow[x / 8] | (0x80 >> (x % 8)));
        }
    }
    out.append(mask);
    return out;
}

} // namespace

std::optional<CursorFile> parseCursorFile(const QByteArray& bytes) {
    qint64 budget = kPixelBudget;
    const QByteArrayView data(bytes);
    if (data.size() >= 4 && hasId(data, 0, "RIFF"))
        return parseAni(data, budget);
    std::optional<CursorFrame> frame = parseDirectory(data, false, budget);
    if (!frame)
        return std::nullopt;
    CursorFile file;
    file.frames.push_back(std::move(*frame));
    file.steps.push_back({0, 0});
    return file;
}

QByteArray writeCur(const std::vector<CursorImage>& images) {
    if (images.empty() || images.size() > 0xffff)
        return {};
    QByteArray directory;
    QByteArray data;
    put16(directory, 0);
    put16(directory, kTypeCursor);
    put16(directory, static_cast<quint32>(images.size()));
    const qsizetype dataStart = 6 + 16 * static_cast<qsizetype>(images.size());
    for (const CursorImage& c : images) {
        const int w = c.image.width();
        const int h = c.image.height();
        if (w < 1 || w > kMaxSide || h < 1 || h > kMaxSide)
            return {};
        const QByteArray bmp = dib(c.image);
        directory.append(static_cast<char>(w == 256 ? 0 : w));
        directory.append(static_cast<char>(h == 256 ? 0 : h));
        directory.append('\0'); // colour count: none below 8 bits
        directory.append('\0');
        put16(directory, static_cast<quint32>(std::clamp(c.hotspot.x(), 0, w - 1)));
        put16(directory, static_cast<quint32>(std::clamp(c.hotspot.y(), 0, h - 1)));
        put32(directory, static_cast<quint32>(bmp.size()));
        put32(directory, static_cast<quint32>(dataStart + data.size()));
        data.append(bmp);
    }
    return directory + data;
}

QByteArray writeAni(const CursorFile& cursor) {
    const auto frameCount = static_cast<qint64>(cursor.frames.size());
    if (frameCount == 0 || cursor.steps.empty())
        return {};
    QByteArray header, rates, sequence;
    put32(header, kAniHeaderSize);
    put32(header, static_cast<quint32>(frameCount));
    put32(header, static_cast<quint32>(cursor.steps.size()));
    for (int i = 0; i < 4; ++i)
        put32(header, 0); // width, height, bit count, planes: unused for icon frames
    QByteArray frames("fram");
    for (const CursorStep& step : cursor.steps) {
        if (step.frame < 0 || step.frame >= frameCount || step.durationMs < 0)
            return {};
        put32(rates, static_cast<quint32>((qint64{step.durationMs} * 60 + 500) / 1000));
        put32(sequence, static_cast<quint32>(step.frame));
    }
    put32(header, static_cast<quint32>((qint64{cursor.steps.front().durationMs} * 60 + 500) / 1000));
    put32(header, kAniIconFrames | 2); // AF_ICON | AF_SEQUENCE
    for (const CursorFrame& frame : cursor.frames) {
        const QByteArray cur = writeCur(frame.sizes);
        if (cur.isEmpty())
            return {};
        putChunk(frames, "icon", cur);
    }
    QByteArray body("ACON");
    putChunk(body, "anih", header);
    putChunk(body, "rate", rates);
    putChunk(body, "seq ", sequence);
    putChunk(body, "LIST", frames);
    QByteArray out;
    putChunk(out, "RIFF", body);
    return out;
}

} // namespace vortelia

// The cursor-file reader against files made by icoutils at test time, against cursors made by
// other writers, against its own writer, and against broken files.

#include "platform/cursor_file.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdlib>
#include <cstring>
#include <functional>

using namespace vortelia;

namespace {

const QString kFixtures = QStringLiteral(VORTELIA_SOURCE_DIR "/../shared/fixtures/cursors");

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Pixels equal, where a fully transparent pixel equals any other fully transparent one. Decoders
// that pass through premultiplied alpha, as Qt's does, round: those are compared premultiplied,
// to within one step.
testing::AssertionResult samePixels(const QImage& actual, const QImage& expected,
                                    bool premultipliedRounding = false) {
    if (actual.size() != expected.size())
        return testing::AssertionFailure() << "size " << actual.width() << "x" << actual.height()
                                           << ", expected " << expected.width() << "x" << expected.height();
    const QImage a = actual.convertToFormat(QImage::Format_ARGB32);
    const QImage e = expected.convertToFormat(QImage::Format_ARGB32);
    const auto near = [](QRgb p, QRgb q) {
        p = qPremultiply(p);
        q = qPremultiply(q);
        for (int shift = 0; shift < 32; shift += 8) {
            if (std::abs(static_cast<int>((p >> shift) & 0xff) - static_cast<int>((q >> shift) & 0xff)) > 1)
                return false;
        }
        return true;
    };
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb pa = a.pixel(x, y);
            const QRgb pe = e.pixel(x, y);
            const bool same =
                pa == pe || (qAlpha(pa) == 0 && qAlpha(pe) == 0) || (premultipliedRounding && near(pa, pe));
            if (!same)
                return testing::AssertionFailure()
                       << "pixel (" << x << ", " << y << ") is " << std::hex << pa << ", expected " << pe;
        }
    }
    return testing::AssertionSuccess();
}

// A 32 x 32 picture in the shape of an arrow: few colours, every pixel opaque or clear, so that
// every bit depth can hold it exactly; graded alpha only when the depth keeps alpha.
QImage testPicture(bool gradedAlpha) {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 2; y < 26; ++y) {
        for (int x = 4; x <= 4 + (y - 2) / 2; ++x) {
            const bool edge = x == 4 || x == 4 + (y - 2) / 2 || y == 25;
            image.setPixel(x, y, edge ? qRgb(5, 253, 244) : qRgb(16, 64, 72));
        }
    }
    image.setPixel(20, 4, qRgb(255, 0, 0)); // lone pixels show rows and columns are not swapped
    image.setPixel(4, 30, qRgb(0, 0, 255));
    if (gradedAlpha) {
        for (int x = 20; x < 30; ++x)
            image.setPixel(x, 28, qRgba(200, 100, 50, 25 * (x - 19)));
    }
    return image;
}

// Black and white with clear pixels: what a monochrome cursor holds.
QImage monoPicture() {
    QImage image(32, 32, QImage::Format_Indexed8);
    image.setColorTable({qRgba(0, 0, 0, 0), qRgb(0, 0, 0), qRgb(255, 255, 255)});
    image.fill(0);
    for (int y = 1; y < 20; ++y) {
        for (int x = 1; x <= y / 2 + 1; ++x)
            image.setPixel(x, y, x == 1 || x == y / 2 + 1 || y == 19 ? 1 : 2);
    }
    return image;
}

class IcotoolCursor : public testing::Test {
protected:
    // Writes the picture as PNG, runs icotool -c on it and returns the cursor file's bytes.
    QByteArray make(const QImage& picture, QStringList options, bool raw) {
        const QString icotool = QStandardPaths::findExecutable(QStringLiteral("icotool"));
        if (icotool.isEmpty()) {
            ADD_FAILURE() << "icoutils' icotool is missing: run dev/setup";
            return {};
        }
        const QString png = dir.filePath(QStringLiteral("in.png"));
        const QString cur = dir.filePath(QStringLiteral("out.cur"));
        if (!picture.save(png, "PNG")) {
            ADD_FAILURE() << "cannot write " << png.toStdString();
            return {};
        }
        options << QStringLiteral("-o") << cur;
        options << (raw ? QStringList{QStringLiteral("-r"), png} : QStringList{png});
        QProcess process;
        process.start(icotool, QStringList{QStringLiteral("-c"), QStringLiteral("--cursor")} + options);
        if (!process.waitForFinished(30000) || process.exitCode() != 0) {
            ADD_FAILURE() << "icotool failed: " << process.readAllStandardError().toStdString();
            return {};
        }
        return readFile(cur);
    }
    QTemporaryDir dir;
};

struct IcotoolCase {
    const char* name;
    QStringList options;
    bool raw; // stored as PNG
    QImage picture;
    QPoint hotspot;
    int storedBits; // bits per pixel of the BMP icotool stored; 0 for PNG
};

// What the first image of a cursor file is stored as: a BMP's bits per pixel, 0 for PNG.
int storedBits(const QByteArray& cur) {
    const auto at = [&](qsizetype i) { return static_cast<uchar>(cur.at(i)); };
    const qsizetype image = at(18) | at(19) << 8 | at(20) << 16 | at(21) << 24;
    if (cur.mid(image, 4) == "\x89PNG")
        return 0;
    return at(image + 14) | at(image + 15) << 8;
}

TEST_F(IcotoolCursor, HotspotAndPixelsAtEveryStorage) {
    const QImage plain = testPicture(false);
    const QImage graded = testPicture(true);
    const std::vector<IcotoolCase> cases = {
        {"32-bit BMP with alpha", {"--hotspot-x=4", "--hotspot-y=2"}, false, graded, {4, 2}, 32},
        {"PNG", {"--hotspot-x=24", "--hotspot-y=30"}, true, graded, {24, 30}, 0},
        {"24-bit BMP and mask", {"-b", "24", "--hotspot-x=0", "--hotspot-y=0"}, false, plain, {0, 0}, 24},
        {"8-bit palette", {"-b", "8", "--hotspot-x=31", "--hotspot-y=31"}, false, plain, {31, 31}, 8},
        {"4-bit palette", {"-b", "4", "--hotspot-x=7", "--hotspot-y=9"}, false, plain, {7, 9}, 4},
        {"1-bit", {"-b", "1", "--hotspot-x=1", "--hotspot-y=1"}, false, monoPicture(), {1, 1}, 1},
    };
    for (const IcotoolCase& c : cases) {
        // A case that stops early still lets the next one run.
        [&] {
            SCOPED_TRACE(c.name);
            const QByteArray bytes = make(c.picture, c.options, c.raw);
            ASSERT_GT(bytes.size(), 22);
            ASSERT_EQ(storedBits(bytes), c.storedBits);
            const std::optional<CursorFile> cursor = parseCursorFile(bytes);
            ASSERT_TRUE(cursor);
            ASSERT_EQ(cursor->frames.size(), 1u);
            ASSERT_EQ(cursor->frames[0].sizes.size(), 1u);
            ASSERT_EQ(cursor->steps.size(), 1u);
            EXPECT_EQ(cursor->steps[0].frame, 0);
            EXPECT_EQ(cursor->steps[0].durationMs, 0);
            EXPECT_FALSE(cursor->animated());
            const CursorImage& image = cursor->frames[0].sizes[0];
            EXPECT_EQ(image.hotspot, c.hotspot);
            EXPECT_EQ(image.image.format(), QImage::Format_ARGB32);
            EXPECT_TRUE(samePixels(image.image, c.picture));
        }();
    }
}

// Cursors made by other writers, which the README of that folder describes.
class FixtureCursor : public testing::Test {
protected:
    void SetUp() override {
        if (!QDir(kFixtures).exists())
            GTEST_SKIP() << "no shared cursor fixtures next to the source tree";
    }
    static QImage qtDecoded(const QByteArray& bytes) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        return QImageReader(&buffer, "cur").read();
    }
};

TEST_F(FixtureCursor, StaticCursorsGiveTheirHotspotAndQtsPixels) {
    struct Case {
        const char* file;
        QSize size;
        QPoint hotspot;
    };
    const Case cases[] = {
        {"arrow32-hotspot-4-2.cur", {32, 32}, {4, 2}},
        {"ring48-png-hotspot-24-24.cur", {48, 48}, {24, 24}}, // its entry's bit depth reads 64
        {"mono32-1bit-hotspot-1-1.cur", {32, 32}, {1, 1}},
    };
    for (const Case& c : cases) {
        // A case that stops early still lets the next one run.
        [&] {
            SCOPED_TRACE(c.file);
            const QByteArray bytes = readFile(kFixtures + QLatin1Char('/') + QLatin1String(c.file));
            ASSERT_FALSE(bytes.isEmpty());
            const std::optional<CursorFile> cursor = parseCursorFile(bytes);
            ASSERT_TRUE(cursor);
            ASSERT_EQ(cursor->frames.size(), 1u);
            ASSERT_EQ(cursor->frames[0].sizes.size(), 1u);
            const CursorImage& image = cursor->frames[0].sizes[0];
            EXPECT_EQ(image.image.size(), c.size);
            EXPECT_EQ(image.hotspot, c.hotspot);
            // Qt's own reader drops the hotspot but its pixels are an independent decode.
            const QImage reference = qtDecoded(bytes);
            ASSERT_FALSE(reference.isNull());
            EXPECT_TRUE(samePixels(image.image, reference, true));
            EXPECT_GT(image.image.pixel(c.hotspot) >> 24, 0u) << "the hotspot lies on the picture";
        }();
    }
}

TEST_F(FixtureCursor, AnimatedCursorGivesFramesSequenceAndRates) {
    const std::optional<CursorFile> cursor =
        parseCursorFile(readFile(kFixtures + QStringLiteral("/kde-test.ani")));
    ASSERT_TRUE(cursor);
    ASSERT_EQ(cursor->frames.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(cursor->frames[i].sizes.size(), 1u);
        const CursorImage& image = cursor->frames[i].sizes[0];
        EXPECT_EQ(image.hotspot, QPoint(0, 0));
        const QImage expected(kFixtures + QStringLiteral("/kde-test_%1.png").arg(i + 1));
        ASSERT_FALSE(expected.isNull());
        EXPECT_TRUE(samePixels(image.image, expected, true));
    }
    // 10 and 20 jiffies of 1/60 s.
    const std::vector<std::pair<int, int>> expected = {{0, 166}, {1, 333}, {2, 166}, {1, 166}};
    std::vector<std::pair<int, int>> steps;
    for (const CursorStep& step : cursor->steps)
        steps.emplace_back(step.frame, step.durationMs);
    EXPECT_EQ(steps, expected);
    EXPECT_TRUE(cursor->animated());
}

// Two frames at two sizes with distinct pictures and hotspots.
CursorFile sampleAnimation() {
    CursorFile file;
    for (int f = 0; f < 2; ++f) {
        CursorFrame frame;
        for (int size : {32, 64}) {
            QImage image(size, size / 2 + 3, QImage::Format_ARGB32); // not square, odd height
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    image.setPixel(x, y, qRgba(x * 4, y * 7, f * 200, (x + y + f) % 3 == 0 ? 0 : 60 + x + y));
            frame.sizes.push_back({image, QPoint(size / 8 + f, size / 4 - f)});
        }
        file.frames.push_back(frame);
    }
    file.steps = {{0, 100}, {1, 150}, {0, 50}}; // 6, 9 and 3 jiffies
    return file;
}

void expectSameCursor(const CursorFile& actual, const CursorFile& expected) {
    ASSERT_EQ(actual.frames.size(), expected.frames.size());
    for (std::size_t f = 0; f < expected.frames.size(); ++f) {
        ASSERT_EQ(actual.frames[f].sizes.size(), expected.frames[f].sizes.size());
        for (std::size_t s = 0; s < expected.frames[f].sizes.size(); ++s) {
            SCOPED_TRACE(testing::Message() << "frame " << f << " size " << s);
            EXPECT_EQ(actual.frames[f].sizes[s].hotspot, expected.frames[f].sizes[s].hotspot);
            EXPECT_TRUE(samePixels(actual.frames[f].sizes[s].image, expected.frames[f].sizes[s].image));
        }
    }
    ASSERT_EQ(actual.steps.size(), expected.steps.size());
    for (std::size_t i = 0; i < expected.steps.size(); ++i) {
        EXPECT_EQ(actual.steps[i].frame, expected.steps[i].frame) << "step " << i;
        EXPECT_EQ(actual.steps[i].durationMs, expected.steps[i].durationMs) << "step " << i;
    }
}

TEST(CursorFileWriter, CurRoundTripKeepsEverySizeAndHotspot) {
    const CursorFile sample = sampleAnimation();
    const std::optional<CursorFile> read = parseCursorFile(writeCur(sample.frames[1].sizes));
    ASSERT_TRUE(read);
    CursorFile expected;
    expected.frames = {sample.frames[1]};
    expected.steps = {{0, 0}};
    expectSameCursor(*read, expected);
}

TEST(CursorFileWriter, CurIsReadByQtAndListedByIcotool) {
    const CursorFile sample = sampleAnimation();
    const QByteArray cur = writeCur(sample.frames[0].sizes);
    QBuffer buffer;
    buffer.setData(cur);
    buffer.open(QIODevice::ReadOnly);
    EXPECT_TRUE(samePixels(QImageReader(&buffer, "cur").read(), sample.frames[0].sizes[0].image, true));

    const QString icotool = QStandardPaths::findExecutable(QStringLiteral("icotool"));
    ASSERT_FALSE(icotool.isEmpty()) << "icoutils' icotool is missing: run dev/setup";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("written.cur"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(cur);
    file.close();
    QProcess process;
    process.start(icotool, {QStringLiteral("-l"), path});
    ASSERT_TRUE(process.waitForFinished(30000));
    const QString listing = QString::fromUtf8(process.readAllStandardOutput());
    EXPECT_TRUE(listing.contains(QStringLiteral("--width=32 --height=19 --bit-depth=32")))
        << listing.toStdString();
    EXPECT_TRUE(listing.contains(QStringLiteral("--hotspot-x=4 --hotspot-y=8"))) << listing.toStdString();
    EXPECT_TRUE(listing.contains(QStringLiteral("--width=64 --height=35"))) << listing.toStdString();
}

TEST(CursorFileWriter, AniRoundTripKeepsFramesSequenceAndRates) {
    const CursorFile sample = sampleAnimation();
    const QByteArray ani = writeAni(sample);
    ASSERT_TRUE(ani.startsWith("RIFF"));
    EXPECT_EQ(ani.size() % 2, 0);
    const std::optional<CursorFile> read = parseCursorFile(ani);
    ASSERT_TRUE(read);
    expectSameCursor(*read, sample);
}

TEST(CursorFileWriter, RefusesWhatACursorCannotHold) {
    CursorFile file = sampleAnimation();
    EXPECT_TRUE(writeCur({}).isEmpty());
    EXPECT_TRUE(writeCur({{QImage(257, 8, QImage::Format_ARGB32), {}}}).isEmpty());
    EXPECT_TRUE(writeCur({{QImage(), {}}}).isEmpty());
    file.steps.push_back({2, 10});
    EXPECT_TRUE(writeAni(file).isEmpty()) << "a step of a frame that is not there";
    file.steps.clear();
    EXPECT_TRUE(writeAni(file).isEmpty());
}

// Byte surgery on files of our own writer.
void put32(QByteArray& bytes, qsizetype at, quint32 value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xff);
}
void put16(QByteArray& bytes, qsizetype at, quint16 value) {
    bytes[at] = static_cast<char>(value & 0xff);
    bytes[at + 1] = static_cast<char>(value >> 8);
}
QByteArray chunk(const char* id, const QByteArray& body) {
    QByteArray out(id, 4);
    out.append(4, '\0');
    put32(out, 4, static_cast<quint32>(body.size()));
    return out + body + (body.size() % 2 ? QByteArray(1, '\0') : QByteArray());
}

QByteArray smallCur() {
    QImage image(8, 8, QImage::Format_ARGB32);
    image.fill(qRgba(10, 20, 30, 255));
    image.setPixel(0, 0, 0);
    return writeCur({{image, QPoint(1, 1)}});
}

QByteArray smallPngCur(QSize size) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(qRgba(10, 20, 30, 200));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    QByteArray cur = smallCur().left(22);
    put32(cur, 14, static_cast<quint32>(buffer.data().size()));
    return cur + buffer.data();
}

// A cursor directory whose entries all point at the same image.
QByteArray sharedImageCur(int count, const QByteArray& image) {
    QByteArray cur(6 + 16 * count, '\0');
    put16(cur, 2, 2);
    put16(cur, 4, static_cast<quint16>(count));
    for (int i = 0; i < count; ++i) {
        put32(cur, 6 + 16 * i + 8, static_cast<quint32>(image.size()));
        put32(cur, 6 + 16 * i + 12, static_cast<quint32>(cur.size()));
    }
    return cur + image;
}

// An .ani of the given chunks after "ACON", with a correct RIFF size.
QByteArray riff(const QByteArray& chunks) {
    QByteArray out = chunk("RIFF", "ACON" + chunks);
    return out;
}

QByteArray anih(quint32 frames, quint32 steps, quint32 rate = 6, quint32 flags = 3) {
    QByteArray body(36, '\0');
    put32(body, 0, 36);
    put32(body, 4, frames);
    put32(body, 8, steps);
    put32(body, 28, rate);
    put32(body, 32, flags);
    return chunk("anih", body);
}

QByteArray words(std::initializer_list<quint32> values) {
    QByteArray out;
    for (quint32 v : values) {
        out.append(4, '\0');
        put32(out, out.size() - 4, v);
    }
    return out;
}

QByteArray frameList(int frames, const QByteArray& icon = smallCur()) {
    QByteArray body("fram");
    for (int i = 0; i < frames; ++i)
        body += chunk("icon", icon);
    return chunk("LIST", body);
}

QByteArray validAni() {
    return riff(anih(2, 3) + chunk("rate", words({6, 9, 3})) + chunk("seq ", words({0, 1, 0})) +
                frameList(2));
}

struct Malformed {
    const char* name;
    std::function<QByteArray()> bytes;
};

TEST(CursorFileParser, MalformedFilesGiveNothing) {
    // The bases parse, so each case fails for its own fault.
    ASSERT_TRUE(parseCursorFile(smallCur()));
    ASSERT_TRUE(parseCursorFile(smallPngCur({8, 8})));
    ASSERT_TRUE(parseCursorFile(validAni()));
    const qsizetype bmp = 22; // our writer's first image, after one directory entry
    const auto cur = [](const std::function<void(QByteArray&)>& edit) {
        return [edit] {
            QByteArray b = smallCur();
            edit(b);
            return b;
        };
    };
    const auto ani = [](const std::function<void(QByteArray&)>& edit) {
        return [edit] {
            QByteArray b = validAni();
            edit(b);
            return b;
        };
    };
    const Malformed cases[] = {
        {"empty", [] { return QByteArray(); }},
        {"truncated header", [] { return smallCur().left(4); }},
        {"truncated directory", [] { return smallCur().left(14); }},
        {"truncated image", [] { return smallCur().chopped(1); }},
        {"zero images", cur([](QByteArray& b) { put16(b, 4, 0); })},
        {"absurd image count", cur([](QByteArray& b) { put16(b, 4, 0xffff); })},
        {"icon, not cursor", cur([](QByteArray& b) { put16(b, 2, 1); })},
        {"unknown type", cur([](QByteArray& b) { put16(b, 2, 7); })},
        {"reserved word set", cur([](QByteArray& b) { put16(b, 0, 1); })},
        {"image offset beyond the file", cur([](QByteArray& b) { put32(b, 18, 0x10000); })},
        {"image size beyond the file", cur([](QByteArray& b) { put32(b, 14, 0x10000); })},
        {"image offset wrapping", cur([](QByteArray& b) { put32(b, 18, 0xfffffff0); })},
        {"image size wrapping", cur([](QByteArray& b) { put32(b, 14, 0xffffffff); })},
        {"image smaller than its header", cur([](QByteArray& b) { put32(b, 14, 20); })},
        {"DIB header size beyond the image", cur([](QByteArray& b) { put32(b, bmp, 0x7fffffff); })},
        {"DIB header too short", cur([](QByteArray& b) { put32(b, bmp, 12); })},
        {"zero width", cur([](QByteArray& b) { put32(b, bmp + 4, 0); })},
        {"negative width", cur([](QByteArray& b) { put32(b, bmp + 4, 0xfffffff8); })},
        {"huge width", cur([](QByteArray& b) { put32(b, bmp + 4, 100000); })},
        {"odd height", cur([](QByteArray& b) { put32(b, bmp + 8, 15); })},
        {"top-down height", cur([](QByteArray& b) { put32(b, bmp + 8, 0xfffffff0); })},
        {"huge height", cur([](QByteArray& b) { put32(b, bmp + 8, 0x7ffffffe); })},
        {"16 bits per pixel", cur([](QByteArray& b) { put16(b, bmp + 14, 16); })},
        {"zero bits per pixel", cur([](QByteArray& b) { put16(b, bmp + 14, 0); })},
        {"compressed", cur([](QByteArray& b) { put32(b, bmp + 16, 1); })},
        {"palette beyond the image", cur([](QByteArray& b) {
             put16(b, bmp + 14, 8);
             put32(b, bmp + 32, 256);
         })},
        {"absurd palette", cur([](QByteArray& b) {
             put16(b, bmp + 14, 8);
             put32(b, bmp + 32, 0x40000000);
         })},
        {"no alpha and no mask",
         [] {
             QByteArray b = smallCur();
             for (qsizetype i = bmp + 40 + 3; i < bmp + 40 + 8 * 8 * 4; i += 4)
                 b[i] = 0;
             const qsizetype image = b.size() - bmp - 8 * 4; // without the AND mask
             put32(b, 14, static_cast<quint32>(image));
             return b.left(bmp + image);
         }},
        {"PNG garbage",
         [] {
             QByteArray b = smallPngCur({8, 8});
             for (qsizetype i = bmp + 33; i < b.size(); ++i)
                 b[i] = static_cast<char>(i * 37);
             return b;
         }},
        {"PNG truncated",
         [] {
             QByteArray b = smallPngCur({8, 8});
             const qsizetype cut = (b.size() - bmp) / 2;
             put32(b, 14, static_cast<quint32>(cut));
             return b.left(bmp + cut);
         }},
        {"PNG chunk longer than the data",
         [] {
             QByteArray b = smallPngCur({8, 8});
             put32(b, b.size() - 12, 0x48000000); // IEND's length, big-endian: a 1.2 GB chunk
             return b;
         }},
        {"PNG without its end",
         [] {
             QByteArray b = smallPngCur({8, 8}).chopped(12);
             put32(b, 14, static_cast<quint32>(b.size() - bmp));
             return b;
         }},
        {"PNG of a size no cursor has",
         [] {
             return smallPngCur({300, 4});
         }},
        {"PNG header claiming a huge size",
         [] {
             QByteArray b = smallPngCur({8, 8});
             put32(b, bmp + 16, 0x00ffffff);
             return b;
         }},
        // The reader decodes at most as many pixels as 64 images of 256 x 256.
        {"more pixels than any cursor",
         [] {
             return sharedImageCur(65, smallPngCur({256, 256}).mid(bmp));
         }},
        {"RIFF without form", [] { return QByteArray("RIFF"); }},
        {"RIFF size below the form", ani([](QByteArray& b) { put32(b, 4, 2); })},
        {"not ACON", ani([](QByteArray& b) { b.replace(8, 4, "AVI "); })},
        {"chunk size beyond the file", ani([](QByteArray& b) { put32(b, 16, 0x10000); })},
        {"chunk size wrapping", ani([](QByteArray& b) { put32(b, 16, 0xfffffff9); })},
        {"truncated in the frames", [] { return validAni().chopped(40); }},
        {"truncated by half", [] { return validAni().left(validAni().size() / 2); }},
        {"no header", [] { return riff(chunk("seq ", words({0})) + frameList(1)); }},
        {"header too short", [] { return riff(chunk("anih", QByteArray(20, '\0')) + frameList(1)); }},
        {"two headers", [] { return riff(anih(1, 1) + anih(1, 1) + frameList(1)); }},
        {"no frames", [] { return riff(anih(1, 1)); }},
        {"two frame lists", [] { return riff(anih(1, 1, 6, 1) + frameList(1) + frameList(1)); }},
        {"frame count above the frames", [] { return riff(anih(3, 3, 6, 1) + frameList(2)); }},
        {"frame count below the frames", [] { return riff(anih(1, 1, 6, 1) + frameList(2)); }},
        {"zero frames", [] { return riff(anih(0, 0, 6, 1) + chunk("LIST", "fram")); }},
        {"raw bitmap frames", [] { return riff(anih(1, 1, 6, 0) + frameList(1)); }},
        {"sequence index out of range",
         [] {
             return riff(anih(2, 2) + chunk("seq ", words({0, 2})) + frameList(2));
         }},
        {"step count beyond the sequence",
         [] {
             return riff(anih(2, 5) + chunk("seq ", words({0, 1})) + frameList(2));
         }},
        {"absurd step count",
         [] {
             return riff(anih(2, 0xffffffff) + chunk("seq ", words({0, 1})) + frameList(2));
         }},
        {"zero steps",
         [] {
             return riff(anih(2, 0) + chunk("seq ", words({0, 1})) + frameList(2));
         }},
        {"rates shorter than the steps",
         [] { return riff(anih(2, 2, 6, 1) + chunk("rate", words({6})) + frameList(2)); }},
        {"frame of garbage", [] { return riff(anih(1, 1, 6, 1) + frameList(1, "nonsense")); }},
        {"frame that is an .ani", [] { return riff(anih(1, 1, 6, 1) + frameList(1, validAni())); }},
        {"list too short for its type", [] { return riff(anih(1, 1, 6, 1) + chunk("LIST", "fr")); }},
        {"icon chunk beyond its list",
         [] {
             QByteArray b = riff(anih(1, 1, 6, 1) + frameList(1));
             put32(b, b.indexOf("icon") + 4, 0x1000);
             return b;
         }},
    };
    for (const Malformed& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray bytes = c.bytes();
        EXPECT_FALSE(parseCursorFile(bytes).has_value());
        // Every prefix is broken too, and must not crash the reader either.
        for (qsizetype n = 0; n < std::min<qsizetype>(bytes.size(), 200); n += 7)
            (void)parseCursorFile(bytes.left(n));
    }
}

struct Quirk {
    const char* name;
    std::function<QByteArray()> bytes;
    std::function<void(const CursorFile&)> check;
};

TEST(CursorFileParser, ToleratesWhatRealWritersDo) {
    const Quirk cases[] = {
        {"entry with a wrong size and colour count",
         [] {
             QByteArray b = smallCur();
             b[6] = 64; // width
             b[7] = 0;  // height 256
             b[8] = 16; // colours
             return b;
         },
         [](const CursorFile& c) {
             EXPECT_EQ(c.frames[0].sizes[0].image.size(), QSize(8, 8));
             EXPECT_EQ(c.frames[0].sizes[0].hotspot, QPoint(1, 1));
         }},
        {"hotspot outside the image",
         [] {
             QByteArray b = smallCur();
             put16(b, 12, 64);
             return b;
         },
         [](const CursorFile& c) { EXPECT_EQ(c.frames[0].sizes[0].hotspot, QPoint(1, 7)); }},
        {"32-bit BMP with zero alpha uses the mask",
         [] {
             QByteArray b = smallCur();
             for (qsizetype i = 22 + 40 + 3; i < 22 + 40 + 8 * 8 * 4; i += 4)
                 b[i] = 0;
             return b;
         },
         [](const CursorFile& c) {
             const QImage& image = c.frames[0].sizes[0].image;
             EXPECT_EQ(image.pixel(0, 0), 0u);
             EXPECT_EQ(image.pixel(1, 0), qRgba(10, 20, 30, 255));
         }},
        {"list declaring more than its chunks",
         [] {
             QByteArray info = chunk("LIST", "INFO" + chunk("INAM", "Arrow") + chunk("IART", "Vortelia"));
             put32(info, 4, static_cast<quint32>(info.size() - 8 + 2));
             return riff(info + anih(1, 1, 6, 1) + frameList(1));
         },
         [](const CursorFile& c) { EXPECT_EQ(c.frames.size(), 1u); }},
        {"list swallowing the next chunk",
         [] {
             QByteArray info = chunk("LIST", "INFO" + chunk("INAM", "Arrow"));
             put32(info, 4, static_cast<quint32>(info.size() - 8 + 44));
             return riff(info + anih(1, 1, 6, 1) + frameList(1));
         },
         [](const CursorFile& c) { EXPECT_EQ(c.frames.size(), 1u); }},
        {"RIFF size short of the file",
         [] {
             QByteArray b = validAni();
             put32(b, 4, static_cast<quint32>(b.size() - 8 - 26));
             return b;
         },
         [](const CursorFile& c) { EXPECT_EQ(c.frames.size(), 2u); }},
        {"odd chunk padded, unknown chunks skipped",
         [] {
             return riff(chunk("junk", "odd") + anih(1, 1, 6, 1) +
                         chunk("LIST", "INFO" + chunk("INAM", "A")) + frameList(1));
         },
         [](const CursorFile& c) { EXPECT_EQ(c.frames.size(), 1u); }},
        {"odd-sized list padded",
         [] {
             return riff(chunk("LIST", "INFO" + chunk("INAM", "A").chopped(1)) + anih(1, 1, 6, 1) +
                         frameList(1));
         },
         [](const CursorFile& c) { EXPECT_EQ(c.frames.size(), 1u); }},
        {"no sequence: frames in order at the header's rate",
         [] { return riff(anih(3, 3, 12, 1) + frameList(3)); },
         [](const CursorFile& c) {
             ASSERT_EQ(c.steps.size(), 3u);
             for (int i = 0; i < 3; ++i) {
                 EXPECT_EQ(c.steps[i].frame, i);
                 EXPECT_EQ(c.steps[i].durationMs, 200);
             }
         }},
        {"icon frames get the hotspot in the middle",
         [] {
             QByteArray icon = smallCur();
             put16(icon, 2, 1);
             return riff(anih(1, 1, 6, 1) + frameList(1, icon));
         },
         [](const CursorFile& c) { EXPECT_EQ(c.frames[0].sizes[0].hotspot, QPoint(4, 4)); }},
        {"entries sharing one image, up to the pixel limit",
         [] {
             return sharedImageCur(64, smallPngCur({256, 256}).mid(22));
         },
         [](const CursorFile& c) { EXPECT_EQ(c.frames[0].sizes.size(), 64u); }},
    };
    for (const Quirk& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<CursorFile> cursor = parseCursorFile(c.bytes());
        EXPECT_TRUE(cursor);
        if (cursor)
            c.check(*cursor);
    }
}

} // namespace

TEST(CursorFileParser, BoundsTheFramesStepsAndPixelsItDecodes) {
    const auto animation = [](int frames, int steps, int side) {
        CursorFile file;
        QImage image(side, side, QImage::Format_ARGB32);
        image.fill(qRgba(1, 2, 3, 255));
        for (int i = 0; i < frames; ++i)
            file.frames.push_back(CursorFrame{{{image, {0, 0}}}});
        for (int i = 0; i < steps; ++i)
            file.steps.push_back({i % frames, 50});
        return writeAni(file);
    };
    const struct {
        const char* name;
        QByteArray bytes;
        bool usable;
    } cases[] = {
        {"a thousand tiny frames", animation(1000, 1000, 1), true},
        {"a hundred thousand tiny frames", animation(100000, 1, 1), false},
        {"four thousand steps", animation(2, 4096, 4), true},
        {"a million steps", animation(2, 1000000, 4), false},
        {"sixty frames of 256 pixels", animation(60, 60, 256), true},
        {"seventy frames of 256 pixels", animation(70, 70, 256), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_FALSE(c.bytes.isEmpty());
        EXPECT_EQ(parseCursorFile(c.bytes).has_value(), c.usable);
    }
}

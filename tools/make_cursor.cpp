// Renders the arrow SVG into the game's animated cursor: an .ani whose frames hold the arrow at
// 32, 48 and 64 pixels, its glow pulsing softly. The SVG names two elements: "glow", whose
// opacity each frame sets, and "hotspot", the pixel of the tip at 32 pixels.

#include "platform/cursor_file.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cmath>
#include <cstdio>

using namespace vortelia;

namespace {

constexpr int kSizes[] = {32, 48, 64};
// Glow opacity per frame; the sequence breathes up and down, resting longest when dim.
constexpr double kGlow[] = {0.35, 0.6, 0.85, 1.0};
constexpr CursorStep kSteps[] = {{0, 400}, {1, 133}, {2, 133}, {3, 200}, {2, 133}, {1, 133}};

int fail(const QString& file, const char* problem) {
    std::fprintf(stderr, "make_cursor: %s: %s\n", qUtf8Printable(file), problem);
    return 1;
}

// The SVG with the opacity of the element of that id replaced; empty when the XML is broken or
// the element is missing.
QByteArray withOpacity(const QByteArray& svg, const QString& id, double opacity) {
    QByteArray out;
    QXmlStreamReader reader(svg);
    QXmlStreamWriter writer(&out);
    bool found = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.attributes().value(QLatin1String("id")) == id) {
            found = true;
            writer.writeStartElement(reader.namespaceUri().toString(), reader.name().toString());
            for (const QXmlStreamAttribute& a : reader.attributes()) {
                if (a.name() != QLatin1String("opacity"))
                    writer.writeAttribute(a);
            }
            writer.writeAttribute(QStringLiteral("opacity"), QString::number(opacity));
        } else {
            writer.writeCurrentToken(reader);
        }
    }
    if (reader.hasError() || !found)
        return {};
    return out;
}

QImage render(QSvgRenderer& renderer, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_cursor ARROW.svg OUT.cgf\n");
        return 1;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return fail(source, "cannot be read");
    const QByteArray svg = in.readAll();

    QSvgRenderer base(svg);
    if (!base.isValid())
        return fail(source, "is not an SVG image Qt can render");
    const QRectF box = base.viewBoxF();
    if (box.isEmpty() || box.width() != box.height())
        return fail(source, "needs a square viewBox");
    if (!base.elementExists(QStringLiteral("hotspot")))
        return fail(source, "has no element with id \"hotspot\"");
    const QPointF tip = base.boundsOnElement(QStringLiteral("hotspot")).center() - box.topLeft();

    CursorFile cursor;
    for (double glow : kGlow) {
        const QByteArray frameSvg = withOpacity(svg, QStringLiteral("glow"), glow);
        if (frameSvg.isEmpty())
            return fail(source, "has no element with id \"glow\" or is not well-formed XML");
        QSvgRenderer renderer(frameSvg);
        if (!renderer.isValid())
            return fail(source, "cannot be rendered once its glow is changed");
        CursorFrame frame;
        for (int size : kSizes) {
            const double scale = size / box.width();
            const QPoint hotspot(static_cast<int>(std::floor(tip.x() * scale)),
                                 static_cast<int>(std::floor(tip.y() * scale)));
            frame.sizes.push_back({render(renderer, size), hotspot});
        }
        cursor.frames.push_back(std::move(frame));
    }
    cursor.steps.assign(std::begin(kSteps), std::end(kSteps));

    const QByteArray ani = writeAni(cursor);
    // The game reads it back with the same parser: a file it would reject is not written.
    if (ani.isEmpty() || !parseCursorFile(ani))
        return fail(output, "came out as a cursor file the game cannot read");
    QSaveFile out(output);
    if (!out.open(QIODevice::WriteOnly) || out.write(ani) != ani.size() || !out.commit())
        return fail(output, "cannot be written");
    return 0;
}

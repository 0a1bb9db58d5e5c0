// Renders the program icon's SVG to a square PNG of the given size, for the desktop's icon theme.
// Usage: render_icon ICON.svg SIZE OUTPUT.png

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <cstdio>

namespace {

int fail(const QString& file, const char* problem) {
    std::fprintf(stderr, "render_icon: %s: %s\n", qUtf8Printable(file), problem);
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: render_icon ICON.svg SIZE OUTPUT.png\n");
        return 2;
    }
    const QString source = args[1], output = args[3];
    bool number = false;
    const int size = args[2].toInt(&number);
    if (!number || size < 1 || size > 4096)
        return fail(args[2], "not a size in pixels");
    QSvgRenderer renderer(source);
    if (!renderer.isValid())
        return fail(source, "not a readable SVG");

    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();

    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
        return fail(output, "cannot be written");
    return 0;
}

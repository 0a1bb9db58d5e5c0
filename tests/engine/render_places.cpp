// Renders the quest screen's background with each place's illustration in the left panel, as
// the window draws them, to PNG files for looking at: render_places OUTPUT_DIR [SCALE].

#include "engine/places.h"
#include "platform/qt/look.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSet>

#include <cstdio>

using namespace vortelia;

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: render_places OUTPUT_DIR [SCALE]\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const qreal scale = argc > 2 ? QString::fromLocal8Bit(argv[2]).toDouble() : 1.0;
    if (!out.exists() || scale <= 0) {
        std::fprintf(stderr, "render_places: no folder %s or bad scale\n", argv[1]);
        return 2;
    }
    look::loadFonts(QStringLiteral(VORTELIA_GAME_DIR "/fonts"));
    QSet<Place> done;
    for (const PlaceRow& row : placeTable()) {
        if (done.contains(row.place))
            continue;
        done.insert(row.place);
        QImage image(QSize(800, 598) * scale, QImage::Format_RGB32);
        image.setDevicePixelRatio(scale);
        QPainter painter(&image);
        painter.drawPixmap(
            0, 0, look::picture(QStringLiteral(":/art/quest_background.svg"), QSize(800, 600), scale));
        painter.drawPixmap(8, 8, look::picture(placePicture(row.place), QSize(432, 582), scale));
        painter.end();
        const QString name = QFileInfo(placePicture(row.place)).baseName();
        const QString path = out.filePath(QStringLiteral("%1-x%2.png").arg(name).arg(scale));
        if (!image.save(path)) {
            std::fprintf(stderr, "render_places: cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
    }
    return 0;
}

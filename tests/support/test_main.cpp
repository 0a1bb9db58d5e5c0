// The suite runs on Qt's offscreen platform with the game's own fonts and palette, so that
// windows and text measurements behave as in the game.

#include "platform/qt/look.h"

#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    if (!vortelia::look::loadFonts(QStringLiteral(VORTELIA_GAME_DIR "/fonts"))) {
        std::fprintf(stderr, "the game directory's fonts are missing: build the game_directory target\n");
        return 1;
    }
    vortelia::look::apply(app);
    return RUN_ALL_TESTS();
}

// The sound service on Qt waits with the media layer until the first window has been painted.

#include "platform/qt/qt_sound.h"
#include "support/temp_game.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

using namespace vortelia;
using vortelia::testing::TempGame;

namespace {

// Notes whether the media layer had started when the window was first painted.
class Window : public QWidget {
public:
    explicit Window(const QtSoundService& sound) : sound_(sound) { resize(200, 100); }
    int paints = 0;
    bool startedAtFirstPaint = false;

protected:
    void paintEvent(QPaintEvent*) override {
        if (paints++ == 0)
            startedAtFirstPaint = sound_.started();
    }

private:
    const QtSoundService& sound_;
};

} // namespace

TEST(QtSoundService, TheMediaLayerStartsOnlyAfterTheFirstWindowIsPainted) {
    TempGame game;
    const GameDirectory files(game.root());
    QtSoundService sound(files);
    // Events go by, but no window has been painted yet.
    QCoreApplication::processEvents();
    EXPECT_FALSE(sound.started());

    Window window(sound);
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.paints > 0; }, 5000)) << "the window was never painted";
    EXPECT_FALSE(window.startedAtFirstPaint);
    EXPECT_TRUE(QTest::qWaitFor([&] { return sound.started(); }, 2000));
}

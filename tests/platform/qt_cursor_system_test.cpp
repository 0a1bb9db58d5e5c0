// The arrow on real widgets of the offscreen platform: open windows and windows shown later take
// it, widgets with a cursor of their own keep theirs, animated arrows step through their frames.

#include "platform/cursor_file.h"
#include "platform/qt/qt_cursor_system.h"

#include <gtest/gtest.h>

#include <QEnterEvent>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <memory>

using namespace vortelia;

namespace {

// Opaque or clear pixels only, so a trip through a premultiplied pixmap keeps them exactly.
QImage picture(int size, QRgb colour) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x <= y / 2; ++x)
            image.setPixel(x, y, colour);
    return image;
}

CursorFrame frame(QRgb colour, QPoint hotspot32) {
    return CursorFrame{{{picture(32, colour), hotspot32}, {picture(64, colour), hotspot32 * 2}}};
}

// What a window shows of a cursor made by frame(): its 32 pixel image, or the 64 pixel one where
// the screen is scaled by 2 (QT_SCALE_FACTOR=2).
QImage expected(const QWidget& window, QRgb colour) {
    return picture(window.devicePixelRatio() > 1.5 ? 64 : 32, colour);
}

QImage shown(const QCursor& cursor) {
    return cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
}

class QtCursorSystemTest : public testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            ADD_FAILURE() << "cannot write " << path.toStdString();
        return path;
    }
    // A still cursor, red, hotspot (3, 5).
    CursorHandle loadStill() {
        return system.loadFromFile(
            write(QStringLiteral("still.cur"), writeCur(frame(qRgb(255, 0, 0), {3, 5}).sizes)));
    }
    // Three frames in different colours, shown 0, 1, 2, 1.
    CursorHandle loadAnimated(int stepMs) {
        CursorFile file;
        file.frames = {frame(qRgb(0, 255, 0), {1, 1}), frame(qRgb(0, 0, 255), {2, 2}),
                       frame(qRgb(9, 9, 9), {3, 3})};
        file.steps = {{0, stepMs}, {1, stepMs}, {2, stepMs}, {1, stepMs}};
        return system.loadFromFile(write(QStringLiteral("moving.ani"), writeAni(file)));
    }
    std::unique_ptr<QWidget> window() {
        auto w = std::make_unique<QWidget>();
        w->resize(200, 100);
        return w;
    }

    QTemporaryDir dir;
    QtCursorSystem system;
};

TEST_F(QtCursorSystemTest, ArrowReachesOpenWindowsAndWindowsShownLater) {
    auto open = window();
    open->show();
    auto hidden = window(); // made before the arrow changes, shown after
    const CursorHandle still = loadStill();
    ASSERT_NE(still, 0u);

    system.setArrow(still);
    EXPECT_EQ(system.current(), still);
    auto later = window();
    later->show();
    hidden->show();

    for (QWidget* w : {open.get(), later.get(), hidden.get()}) {
        ASSERT_EQ(w->cursor().shape(), Qt::BitmapCursor);
        EXPECT_EQ(w->cursor().hotSpot(), QPoint(3, 5));
        EXPECT_EQ(shown(w->cursor()), expected(*w, qRgb(255, 0, 0)));
    }
}

TEST_F(QtCursorSystemTest, WidgetsWithTheirOwnCursorKeepIt) {
    auto w = window();
    auto* layout = new QVBoxLayout(w.get());
    auto* text = new QLineEdit;
    auto* plain = new QWidget;
    layout->addWidget(text);
    layout->addWidget(plain);
    w->show();
    auto busy = window();
    busy->setCursor(Qt::WaitCursor);
    busy->show();

    system.setArrow(loadStill());

    EXPECT_EQ(w->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(plain->cursor().shape(), Qt::BitmapCursor) << "a child without a cursor shows the window's";
    EXPECT_EQ(text->cursor().shape(), Qt::IBeamCursor);
    EXPECT_EQ(busy->cursor().shape(), Qt::WaitCursor);
}

TEST_F(QtCursorSystemTest, CopyIsANewHandleOfTheSameShape) {
    auto w = window();
    w->show();
    const CursorHandle arrow = system.current();
    ASSERT_NE(arrow, 0u);
    const CursorHandle savedArrow = system.copy(arrow);
    const CursorHandle still = loadStill();
    const CursorHandle copy = system.copy(still);
    EXPECT_NE(savedArrow, 0u);
    EXPECT_NE(savedArrow, arrow);
    EXPECT_NE(copy, 0u);
    EXPECT_NE(copy, still);
    EXPECT_EQ(system.copy(0), 0u);
    EXPECT_EQ(system.copy(9999), 0u);

    system.setArrow(copy);
    EXPECT_EQ(w->cursor().hotSpot(), QPoint(3, 5));
    EXPECT_EQ(shown(w->cursor()), expected(*w, qRgb(255, 0, 0)));
    // Putting the saved arrow back gives the standard arrow again.
    system.setArrow(savedArrow);
    EXPECT_EQ(system.current(), savedArrow);
    EXPECT_EQ(w->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(QtCursorSystemTest, UnusableFilesAndHandlesChangeNothing) {
    auto w = window();
    w->show();
    EXPECT_EQ(system.loadFromFile(dir.filePath(QStringLiteral("missing.cgf"))), 0u);
    EXPECT_EQ(system.loadFromFile(write(QStringLiteral("bad.cgf"), "RIFF\x04\0\0\0ACON")), 0u);
    EXPECT_EQ(system.loadFromFile(dir.path()), 0u);
    const CursorHandle still = loadStill();
    system.setArrow(still);
    const QImage before = shown(w->cursor());

    system.setArrow(0);
    system.setArrow(still + 1000);

    EXPECT_EQ(system.current(), still);
    EXPECT_EQ(w->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(shown(w->cursor()), before);
}

TEST_F(QtCursorSystemTest, AnimatedArrowStepsThroughItsSequence) {
    auto w = window();
    w->show();
    const CursorHandle moving = loadAnimated(10000); // the timer stays out of the way
    ASSERT_NE(moving, 0u);
    system.setArrow(moving);

    const QRgb colours[] = {qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(9, 9, 9), qRgb(0, 0, 255),
                            qRgb(0, 255, 0)};
    const int hotspots[] = {1, 2, 3, 2, 1};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(system.arrowStep(), i % 4);
        EXPECT_EQ(shown(w->cursor()), expected(*w, colours[i]));
        EXPECT_EQ(w->cursor().hotSpot(), QPoint(hotspots[i], hotspots[i]));
        system.advanceArrow();
    }

    // A window shown in the middle of the animation gets the frame on show.
    auto later = window();
    later->show();
    EXPECT_EQ(shown(later->cursor()), expected(*later, colours[1]));

    // A still arrow ends the animation.
    system.setArrow(loadStill());
    system.advanceArrow();
    EXPECT_EQ(system.arrowStep(), 0);
    EXPECT_EQ(shown(w->cursor()), expected(*w, qRgb(255, 0, 0)));
}

// The pointer crossing a window's edge, as the platform reports it.
void pointerEnters(QWidget& window) {
    QEnterEvent enter(QPointF(10, 10), QPointF(10, 10), window.mapToGlobal(QPointF(10, 10)));
    QCoreApplication::sendEvent(&window, &enter);
}
void pointerLeaves(QWidget& window) {
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&window, &leave);
}

TEST_F(QtCursorSystemTest, AnimationRunsOnItsOwnTimer) {
    auto w = window();
    w->show();
    system.setArrow(loadAnimated(20));
    pointerEnters(*w);
    EXPECT_EQ(shown(w->cursor()), expected(*w, qRgb(0, 255, 0)));
    // Events are pumped until the third frame shows, for at most five seconds.
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown(w->cursor()) == expected(*w, qRgb(9, 9, 9)); }, 5000));
}

TEST_F(QtCursorSystemTest, AnimationTicksOnlyWhileThePointerIsOverAWindow) {
    auto first = window();
    auto second = window();
    first->show();
    second->show();
    system.setArrow(loadAnimated(20));
    EXPECT_FALSE(system.animating()) << "no pointer over a window yet";

    pointerEnters(*first);
    EXPECT_TRUE(system.animating());
    // Straight from one window to the other: the second's enter may come before the first's leave.
    pointerEnters(*second);
    pointerLeaves(*first);
    EXPECT_TRUE(system.animating());
    pointerLeaves(*second);
    EXPECT_FALSE(system.animating());

    // A window that goes away under the pointer takes the animation with it.
    pointerEnters(*first);
    ASSERT_TRUE(system.animating());
    first->hide();
    EXPECT_FALSE(system.animating());

    // A still arrow never ticks, pointer or not.
    pointerEnters(*second);
    system.setArrow(loadStill());
    EXPECT_FALSE(system.animating());
}

TEST(CursorForFrame, PicksTheImageForTheScreenScale) {
    const CursorFrame sizes{{{picture(32, qRgb(1, 1, 1)), {2, 4}},
                             {picture(48, qRgb(2, 2, 2)), {3, 6}},
                             {picture(64, qRgb(3, 3, 3)), {4, 8}}}};
    const CursorFrame small{{{picture(32, qRgb(1, 1, 1)), {2, 4}}}};
    const CursorFrame huge{{{picture(256, qRgb(4, 4, 4)), {128, 64}}}};
    struct Case {
        const char* name;
        const CursorFrame& frame;
        qreal scale;
        HotspotUnits units;
        int pixels;
        QPoint hotspot;
    };
    const Case cases[] = {
        {"scale 1", sizes, 1.0, HotspotUnits::Logical, 32, {2, 4}},
        {"scale 2", sizes, 2.0, HotspotUnits::Logical, 64, {2, 4}},
        {"scale 1.5", sizes, 1.5, HotspotUnits::Logical, 48, {2, 4}},
        {"scale 1.25 between two sizes: the larger, scaled down",
         sizes,
         1.25,
         HotspotUnits::Logical,
         40,
         {2, 4}},
        {"scale 3 above every size", sizes, 3.0, HotspotUnits::Logical, 64, {2, 4}},
        {"only one size at scale 2", small, 2.0, HotspotUnits::Logical, 32, {2, 4}},
        {"hotspot in image pixels at scale 2", sizes, 2.0, HotspotUnits::ImagePixels, 64, {4, 8}},
        {"hotspot in image pixels at scale 1.5", sizes, 1.5, HotspotUnits::ImagePixels, 48, {3, 6}},
        {"only a 256-pixel image, scaled down", huge, 1.0, HotspotUnits::Logical, 32, {16, 8}},
        {"only a 256-pixel image at scale 2", huge, 2.0, HotspotUnits::ImagePixels, 64, {32, 16}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QCursor cursor = cursorForFrame(c.frame, c.scale, c.units);
        EXPECT_EQ(cursor.pixmap().width(), c.pixels);
        EXPECT_DOUBLE_EQ(cursor.pixmap().devicePixelRatio(), c.pixels / 32.0) << "32 logical pixels";
        EXPECT_EQ(cursor.hotSpot(), c.hotspot);
    }
}

} // namespace

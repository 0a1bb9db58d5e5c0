#include "platform/qt/hot_spot.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

using namespace vortelia;

TEST(HotSpot, ALeftClickInsideCountsOnceAndNothingElseCounts) {
    QWidget window;
    window.resize(200, 100);
    auto* spot = new HotSpot(&window, "Label3", QRect(10, 10, 80, 40), QStringLiteral("Выполнить"));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicks(spot, &HotSpot::clicked);

    // Each gesture starts well after the last one, so that none becomes a double click by accident.
    const int apart = 2 * QTest::mouseDoubleClickInterval;
    // Through the window, as the window system delivers them: a double click is press, release,
    // press (turned into a double-click event by Qt), release.
    QWindow* w = window.windowHandle();
    const QPoint inside(15, 15);
    QTest::mouseDClick(w, Qt::LeftButton, {}, inside, apart); // the second press is no new click
    EXPECT_EQ(clicks.count(), 1);
    QTest::mouseClick(w, Qt::LeftButton, {}, inside, apart);
    EXPECT_EQ(clicks.count(), 2);
    QTest::mouseClick(w, Qt::RightButton, {}, inside, apart);
    EXPECT_EQ(clicks.count(), 2);
    QTest::mousePress(w, Qt::LeftButton, {}, inside, apart);
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(150, 15)); // let go outside
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(spot->objectName(), QStringLiteral("Label3"));
    EXPECT_EQ(spot->accessibleName(), QStringLiteral("Выполнить"));
}

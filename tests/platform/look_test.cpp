// Centring a window by its whole frame.

#include "platform/qt/look.h"

#include <gtest/gtest.h>

using namespace vortelia;

TEST(Centring, TheWholeFrameIsCentredOnTheAvailableArea) {
    const struct {
        const char* name;
        QRect available;
        QSize client;
        QMargins frame;
        QPoint frameTopLeft;
    } cases[] = {
        {"no frame", {0, 0, 1280, 1024}, {800, 598}, {}, {240, 213}},
        {"a 20-pixel title bar", {0, 0, 1280, 1024}, {800, 598}, {0, 20, 0, 0}, {240, 203}},
        {"title bar and borders", {0, 0, 1280, 1024}, {800, 598}, {4, 24, 4, 4}, {236, 199}},
        {"a panel above the area", {0, 30, 1280, 994}, {798, 596}, {1, 21, 1, 1}, {240, 218}},
        {"a window larger than the area", {0, 0, 640, 480}, {800, 598}, {0, 20, 0, 0}, {-80, -69}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QPoint at = look::centredFramePosition(c.available, c.client, c.frame);
        EXPECT_EQ(at, c.frameTopLeft);
        // The frame's centre lies within half a pixel of the area's.
        const QRect whole(at, c.client.grownBy(c.frame));
        EXPECT_LE(std::abs(2 * (whole.x() - c.available.x()) + whole.width() - c.available.width()), 1);
        EXPECT_LE(std::abs(2 * (whole.y() - c.available.y()) + whole.height() - c.available.height()), 1);
    }
}

#include "platform/arrow_cursor.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

using namespace vortelia;
using namespace vortelia::testing;

TEST(ArrowCursor, InstallLoadsNextToTheProgramCopiesTheArrowInUseAndInstallsTheCustomOne) {
    Fakes f;
    f.game.writeBytes(QStringLiteral("cursor\\cur.cgf"), "RIFF");
    f.arrow.install();
    ASSERT_EQ(f.cursors.loaded, std::vector<QString>{f.game.path(QStringLiteral("cursor\\cur.cgf"))});
    ASSERT_EQ(f.cursors.copies.size(), 1u);
    EXPECT_EQ(f.cursors.copies[0].first, 1u); // the host's own arrow
    const CursorHandle saved = f.cursors.copies[0].second;
    EXPECT_EQ(f.arrow.savedCopy(), saved);
    ASSERT_EQ(f.cursors.installed.size(), 1u);
    const CursorHandle custom = f.cursors.installed[0];
    EXPECT_NE(custom, saved);

    // A second install copies the custom cursor now in use: a fresh copy replaces the first.
    f.arrow.install();
    ASSERT_EQ(f.cursors.copies.size(), 2u);
    EXPECT_EQ(f.cursors.copies[1].first, custom);
    EXPECT_EQ(f.arrow.savedCopy(), f.cursors.copies[1].second);

    f.arrow.restore();
    EXPECT_EQ(f.cursors.installed.back(), f.arrow.savedCopy());
}

TEST(ArrowCursor, WithoutTheFileNothingChangesButTheCopyIsStillTaken) {
    Fakes f;
    f.arrow.install();
    EXPECT_TRUE(f.cursors.installed.empty());
    EXPECT_NE(f.arrow.savedCopy(), 0u);
    EXPECT_EQ(f.cursors.arrow, 1u);
}

TEST(ArrowCursor, RestoreWithoutASavedCopyDoesNothing) {
    Fakes f;
    f.arrow.restore();
    EXPECT_TRUE(f.cursors.installed.empty());
}

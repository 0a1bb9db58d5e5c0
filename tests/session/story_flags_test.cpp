#include "session/story_flags.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <QDir>

using namespace vortelia;
using namespace vortelia::testing;

TEST(StoryFlags, ReloadJoinsEveryLineWithoutSeparatorAndYieldsPerLine) {
    struct Case {
        QByteArray file;
        const char* value;
        int yields;
    } cases[] = {
        {"1\r\n", "1", 1}, {"0\r\n", "0", 1},   {"1", "1", 1},       {"1\r\n0\r\n", "10", 2},
        {"", "", 0},       {" 1\r\n", " 1", 1}, {"01\r\n", "01", 1}, {"1\n", "1\n", 1},
    };
    for (const auto& c : cases) {
        Fakes f;
        f.game.writeBytes(QStringLiteral("engdat\\bc.gdf"), c.file);
        FlagHolders holders{QStringLiteral("old"), QStringLiteral("old"), QStringLiteral("old")};
        StoryFlags(f.files, f.yield).reload(Flag::BC, holders);
        EXPECT_EQ(holders[2], QString::fromLatin1(c.value)) << c.file.toStdString();
        EXPECT_EQ(holders[0], QStringLiteral("old"));
        EXPECT_EQ(f.yield.count, c.yields) << c.file.toStdString();
    }
}

TEST(StoryFlags, ReloadOfAMissingFileFailsAfterEmptyingTheHolder) {
    Fakes f;
    f.game.remove(QStringLiteral("engdat\\c.gdf"));
    FlagHolders holders{QString(), QStringLiteral("1"), QString()};
    EXPECT_THROW(StoryFlags(f.files, f.yield).reload(Flag::C, holders), Failure);
    EXPECT_EQ(holders[1], QString());
}

TEST(StoryFlags, WriteAndResetLeaveExactlyTheValueAndCrLf) {
    Fakes f;
    const StoryFlags flags(f.files, f.yield);
    flags.write(Flag::B, QStringLiteral("1"));
    EXPECT_EQ(f.game.readBytes(QStringLiteral("engdat\\b.gdf")), QByteArray("1\r\n"));
    f.game.writeBytes(QStringLiteral("engdat\\c.gdf"), "1\r\n0\r\n1");
    f.game.remove(QStringLiteral("engdat\\bc.gdf"));
    flags.reset();
    for (const char* file : {"engdat\\b.gdf", "engdat\\c.gdf", "engdat\\bc.gdf"})
        EXPECT_EQ(f.game.readBytes(QLatin1String(file)), QByteArray("0\r\n")) << file;
    EXPECT_EQ(f.yield.count, 0); // writes do not yield
}

TEST(StoryFlags, ResetWritesBThenCThenBcAndStopsAtTheFirstFailure) {
    Fakes f;
    f.game.writeBytes(QStringLiteral("engdat\\b.gdf"), "1\r\n");
    f.game.writeBytes(QStringLiteral("engdat\\bc.gdf"), "1\r\n");
    // c.gdf cannot be replaced while a folder stands in its place.
    f.game.remove(QStringLiteral("engdat\\c.gdf"));
    QDir(f.game.root()).mkpath(QStringLiteral("engdat/c.gdf/inside"));
    EXPECT_THROW(StoryFlags(f.files, f.yield).reset(), Failure);
    EXPECT_EQ(f.game.readBytes(QStringLiteral("engdat\\b.gdf")), QByteArray("0\r\n"));
    EXPECT_EQ(f.game.readBytes(QStringLiteral("engdat\\bc.gdf")), QByteArray("1\r\n"));
}

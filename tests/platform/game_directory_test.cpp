#include "platform/failure.h"
#include "platform/game_directory.h"
#include "platform/windows1251.h"
#include "support/temp_game.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

using namespace vortelia;
using vortelia::testing::TempGame;

namespace {

QStringList allLines(QByteArray bytes) {
    LineReader reader(std::move(bytes));
    QStringList lines;
    QString line;
    while (reader.next(line))
        lines << line;
    return lines;
}

struct LineCase {
    const char* name;
    QByteArray bytes;
    QStringList lines;
};

} // namespace

TEST(LineReader, SplitsAtCrLfAndLoneCrButNotAtLoneLf) {
    const LineCase cases[] = {
        {"crlf", "one\r\ntwo\r\n", {"one", "two"}},
        {"lone cr", "one\rtwo\r", {"one", "two"}},
        {"lone lf stays in the line", "one\ntwo\r\n", {"one\ntwo"}},
        {"no final line end", "one\r\ntwo", {"one", "two"}},
        {"empty file", "", {}},
        {"one empty line", "\r\n", {""}},
        {"cr then crlf", "a\r\r\nb", {"a", "", "b"}},
        {"lf cr", "a\n\rb", {"a\n", "b"}},
        {"only lf", "\n", {"\n"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(allLines(c.bytes), c.lines) << c.name;
}

TEST(LineReader, DecodesWindows1251) {
    // "Привет, «мир» №1 — ё"
    const QByteArray bytes = "\xcf\xf0\xe8\xe2\xe5\xf2, \xab\xec\xe8\xf0\xbb \xb9\x31 \x97 \xb8\r\n";
    EXPECT_EQ(allLines(bytes), QStringList{QStringLiteral("Привет, «мир» №1 — ё")});
    bool ok = false;
    EXPECT_EQ(encodeWindows1251(QStringLiteral("Привет, «мир» №1 — ё"), &ok), bytes.chopped(2));
    EXPECT_TRUE(ok);
    encodeWindows1251(QStringLiteral("日本"), &ok);
    EXPECT_FALSE(ok);
}

TEST(GameDirectory, TurnsTheGamesPathsIntoHostPaths) {
    const GameDirectory dir(QStringLiteral("/games/vortelia"));
    EXPECT_EQ(dir.hostPath(QStringLiteral("text\\gt1.tf")), QStringLiteral("/games/vortelia/text/gt1.tf"));
    EXPECT_EQ(dir.hostPath(QStringLiteral("engdat\\b.gdf")), QStringLiteral("/games/vortelia/engdat/b.gdf"));
}

TEST(GameDirectory, MissingFileIsAFailureNamingTheFullPath) {
    TempGame game;
    const GameDirectory dir(game.root());
    try {
        dir.openLines(QStringLiteral("text\\nowhere.tf"));
        FAIL() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.path(), game.path(QStringLiteral("text\\nowhere.tf")));
        EXPECT_TRUE(failure.message().contains(failure.path()));
        EXPECT_FALSE(failure.reason().isEmpty());
    }
}

TEST(GameDirectory, WriteLineReplacesTheFileWithTheValueAndCrLf) {
    TempGame game;
    const GameDirectory dir(game.root());
    game.writeBytes(QStringLiteral("engdat\\b.gdf"), "1\r\n0\r\nrubbish that is longer");
    dir.writeLine(QStringLiteral("engdat\\b.gdf"), QStringLiteral("0"));
    EXPECT_EQ(game.readBytes(QStringLiteral("engdat\\b.gdf")), QByteArray("0\r\n"));
    dir.writeLine(QStringLiteral("engdat\\new.gdf"), QStringLiteral("1"));
    EXPECT_EQ(game.readBytes(QStringLiteral("engdat\\new.gdf")), QByteArray("1\r\n"));
    // Nothing but the flag files themselves is left in the folder.
    EXPECT_EQ(QDir(game.path(QStringLiteral("engdat"))).entryList(QDir::Files).size(), 4);
}

TEST(GameDirectory, WriteIntoAMissingFolderFailsAndNamesTheFile) {
    TempGame game;
    const GameDirectory dir(game.root());
    QDir(game.path(QStringLiteral("engdat"))).removeRecursively();
    try {
        dir.writeLine(QStringLiteral("engdat\\b.gdf"), QStringLiteral("0"));
        FAIL() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.action(), Failure::Action::Write);
        EXPECT_EQ(failure.path(), game.path(QStringLiteral("engdat\\b.gdf")));
    }
}

#include "platform/failure.h"
#include "platform/game_directory.h"
#include "platform/windows1251.h"
#include "support/temp_game.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdlib>

#include <sys/stat.h>
#include <unistd.h>

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

namespace {

// A failure's reason, or an empty string when there was none.
template <typename Action> QString reasonOf(Action&& action) {
    try {
        action();
    } catch (const Failure& failure) {
        return failure.reason();
    }
    return {};
}

QStringList folderEntries(const QString& path) {
    return QDir(path).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// A small tmpfs that the test mounts and fills; needs root.
class FullDisk {
public:
    FullDisk() {
        if (::geteuid() != 0)
            return;
        mounted_ = std::system(
                       ("mount -t tmpfs -o size=64k tmpfs '" + dir_.path().toStdString() + "'").c_str()) == 0;
        if (!mounted_)
            return;
        QDir().mkpath(dir_.filePath(QStringLiteral("engdat")));
        QFile flag(dir_.filePath(QStringLiteral("engdat/b.gdf")));
        flag.open(QIODevice::WriteOnly);
        flag.write("1\r\n");
        flag.close();
        // Fill every block that is left.
        QFile filler(dir_.filePath(QStringLiteral("filler")));
        filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {
        }
    }
    ~FullDisk() {
        if (mounted_)
            std::system(("umount '" + dir_.path().toStdString() + "'").c_str());
    }
    bool mounted() const { return mounted_; }
    QString root() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};

} // namespace

TEST(GameDirectory, AWriteOnAFullDiskFailsInRussianAndLeavesTheFileAndNoTemporary) {
    FullDisk disk;
    if (!disk.mounted())
        GTEST_SKIP() << "needs root with the right to mount a small tmpfs";
    const GameDirectory dir(disk.root());
    const QString reason =
        reasonOf([&] { dir.writeLine(QStringLiteral("engdat\\b.gdf"), QStringLiteral("0")); });
    EXPECT_EQ(reason, QStringLiteral("на диске нет места"));
    QFile flag(disk.root() + QStringLiteral("/engdat/b.gdf"));
    ASSERT_TRUE(flag.open(QIODevice::ReadOnly));
    EXPECT_EQ(flag.readAll(), QByteArray("1\r\n"));
    EXPECT_EQ(folderEntries(disk.root() + QStringLiteral("/engdat")), QStringList{QStringLiteral("b.gdf")});
}

TEST(GameDirectory, FailureReasonsNameTheCommonCasesInRussian) {
    TempGame game;
    const GameDirectory dir(game.root());
    game.writeBytes(QStringLiteral("text\\plain.tf"), "x\r\n");
    QDir().mkpath(game.path(QStringLiteral("text\\folder.tf")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(game.path(QStringLiteral("text\\pipe.tf"))).constData(), 0600), 0);
    const auto read = [&](const char* path) { return reasonOf([&] { dir.openLines(QLatin1String(path)); }); };
    const auto write = [&](const char* path) {
        return reasonOf([&] { dir.writeLine(QLatin1String(path), QStringLiteral("0")); });
    };
    const struct {
        QString reason;
        QString expected;
    } cases[] = {
        {read("text\\nowhere.tf"), QStringLiteral("файл или папка не найдены")},
        {read("text\\folder.tf"), QStringLiteral("это папка, а не файл")},
        {read("text\\pipe.tf"), QStringLiteral("это не обычный файл")}, // would block if opened
        {write("nofolder\\b.gdf"), QStringLiteral("файл или папка не найдены")},
        {write("text\\folder.tf"), QStringLiteral("это папка, а не файл")},
        {write("text\\plain.tf\\b.gdf"), QStringLiteral("часть пути не является папкой")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.reason, c.expected);

    if (::geteuid() == 0)
        return; // root reads and writes whatever the permissions say
    QFile::setPermissions(game.path(QStringLiteral("text\\plain.tf")), QFile::WriteOwner);
    EXPECT_EQ(read("text\\plain.tf"), QStringLiteral("нет доступа"));
    QFile::setPermissions(game.path(QStringLiteral("engdat")), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(write("engdat\\b.gdf"), QStringLiteral("нет доступа"));
    QFile::setPermissions(game.path(QStringLiteral("engdat")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(GameDirectory, AWriteRemovesTheTemporariesAKilledWriteLeftBehindAndNothingElse) {
    TempGame game;
    const GameDirectory dir(game.root());
    for (const char* name : {"engdat\\b.gdf.a1B2c3", "engdat\\b.gdf.ZZZZZZ", "engdat\\b.gdf.old",
                             "engdat\\c.gdf.q9q9q9", "engdat\\b.gdf.1234567"})
        game.writeBytes(QLatin1String(name), "");
    dir.writeLine(QStringLiteral("engdat\\b.gdf"), QStringLiteral("1"));
    EXPECT_EQ(game.readBytes(QStringLiteral("engdat\\b.gdf")), QByteArray("1\r\n"));
    QStringList left = folderEntries(game.path(QStringLiteral("engdat")));
    left.sort();
    EXPECT_EQ(left, (QStringList{"b.gdf", "b.gdf.1234567", "b.gdf.old", "bc.gdf", "c.gdf", "c.gdf.q9q9q9"}));
}

TEST(GameDirectory, AFlagFileThatIsALinkIsReplacedNeverWrittenThrough) {
    TempGame game;
    const GameDirectory dir(game.root());
    game.writeBytes(QStringLiteral("elsewhere.txt"), "precious\n");
    QFile::remove(game.path(QStringLiteral("engdat\\b.gdf")));
    ASSERT_TRUE(
        QFile::link(game.path(QStringLiteral("elsewhere.txt")), game.path(QStringLiteral("engdat\\b.gdf"))));
    dir.writeLine(QStringLiteral("engdat\\b.gdf"), QStringLiteral("0"));
    EXPECT_EQ(game.readBytes(QStringLiteral("elsewhere.txt")), QByteArray("precious\n"));
    EXPECT_FALSE(QFileInfo(game.path(QStringLiteral("engdat\\b.gdf"))).isSymLink());
    EXPECT_EQ(game.readBytes(QStringLiteral("engdat\\b.gdf")), QByteArray("0\r\n"));
}

TEST(LineReader, ReadFromAFileSplitsTheSameAcrossChunkBoundaries) {
    TempGame game;
    const GameDirectory dir(game.root());
    constexpr qsizetype chunk = LineReader::chunkSize;
    // A CR LF split between two chunks, a lone CR at a chunk's end, and a line three chunks long.
    QByteArray bytes = QByteArray(chunk - 1, 'a') + "\r\nb\r";
    bytes += QByteArray(2 * chunk - 1 - bytes.size(), 'c') + "\r";
    bytes += QByteArray(3 * chunk, 'd') + "\r\n" + "\xc4\xe0"; // "Да", no line end
    game.writeBytes(QStringLiteral("text\\chunks.tf"), bytes);

    LineReader fromFile = dir.openLines(QStringLiteral("text\\chunks.tf"));
    int pauses = 0;
    fromFile.setBetweenChunks([&] { ++pauses; });
    LineReader inMemory(bytes);
    QString a, b, last;
    int lines = 0;
    for (;;) {
        const bool more = fromFile.next(a);
        ASSERT_EQ(more, inMemory.next(b));
        if (!more)
            break;
        EXPECT_EQ(a, b) << "line " << lines;
        last = a;
        ++lines;
    }
    EXPECT_EQ(lines, 5);
    EXPECT_EQ(last, QStringLiteral("Да"));
    EXPECT_GE(pauses, 3); // within the long line, never between lines alone
}

TEST(LineReader, AThrowBetweenChunksAbandonsTheLine) {
    TempGame game;
    const GameDirectory dir(game.root());
    game.writeBytes(QStringLiteral("text\\long.tf"), QByteArray(10 * LineReader::chunkSize, 'x'));
    LineReader reader = dir.openLines(QStringLiteral("text\\long.tf"));
    int pauses = 0;
    reader.setBetweenChunks([&] {
        if (++pauses == 2)
            throw ProgramEnding{};
    });
    QString line;
    EXPECT_THROW(reader.next(line), ProgramEnding);
    EXPECT_EQ(pauses, 2);
}

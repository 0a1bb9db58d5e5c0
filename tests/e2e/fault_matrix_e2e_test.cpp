// The real game against broken game directories, one row per fault: each row says what the game
// must do — go on with its documented fallback, or report the failure naming the file and end
// with a non-zero status — and never hang, crash, leave a flag file other than "0" CR LF or
// "1" CR LF, or leave a temporary file. Runs without a sound device.

#include "e2e/e2e_flow.h"

#include <X11/keysym.h>

#include <QStandardPaths>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>

#include <unistd.h>

using namespace vortelia::testing;
using namespace std::chrono_literals;

namespace {

// How far the row plays.
enum class Walk {
    MenuExit,        // to the menu, then its exit hot spot
    QuestClose,      // to the quest screen, then close it
    QuestClickClose, // to the quest screen, click slot 1 ("Виртуальный ресторан"), close
    QuestClickFails, // to the quest screen, click slot 1, which fails
    QuestF8Fails,    // to the quest screen, F8, which fails
};

struct Row {
    const char* name;
    std::function<void(GameCopy&)> breakIt;
    Walk walk;
    bool failureReported; // a report names `named` and the status is non-zero
    const char* named;
    std::map<QString, QByteArray> flags; // what each flag file holds afterwards ("<missing>")
    bool asPlayer = false;               // needs a user whom file permissions bind
    std::function<void(const GameCopy&)> alsoCheck = {};
    const char* warnsOf = nullptr; // a sound warning naming it shows once the quest screen is up
};
// Test names and failure messages show the row by its name, not its bytes.
void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

const std::map<QString, QByteArray> reset{{"b.gdf", "0\r\n"}, {"c.gdf", "0\r\n"}, {"bc.gdf", "0\r\n"}};
const std::map<QString, QByteArray> shipped = reset;

void writeFile(GameCopy& game, const char* path, const QByteArray& bytes) {
    QFile::remove(game.path(QLatin1String(path)));
    ASSERT_TRUE(game.write(QLatin1String(path), bytes)) << path;
}
void remove(GameCopy& game, const char* path) {
    QFileInfo info(game.path(QLatin1String(path)));
    if (info.isDir())
        QDir(info.filePath()).removeRecursively();
    else
        QFile::remove(info.filePath());
}
QByteArray garbage(int size) {
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 7919 + 13) % 256);
    return bytes;
}
// A cursor file whose one image declares 100000 x 100000 pixels.
QByteArray hugeCursor() {
    QByteArray b;
    const auto put16 = [&](int v) { b.append(char(v & 0xff)).append(char((v >> 8) & 0xff)); };
    const auto put32 = [&](quint32 v) { put16(v & 0xffff), put16(v >> 16); };
    put16(0), put16(2), put16(1);                                 // reserved, cursor, one image
    b.append(4, '\0'), put16(0), put16(0), put32(40), put32(22);  // entry
    put32(40), put32(100000), put32(200000), put16(1), put16(32); // BITMAPINFOHEADER
    b.append(24, '\0');
    return b;
}

const Row rows[] = {
    {"story_missing", [](GameCopy& g) { remove(g, "text/gt1.tf"); }, Walk::QuestClose, false, "", reset},
    {"story_empty", [](GameCopy& g) { writeFile(g, "text/gt1.tf", ""); }, Walk::QuestClose, false, "", reset},
    {"story_folder", [](GameCopy& g) { remove(g, "text/gt1.tf"), QDir().mkpath(g.path("text/gt1.tf")); },
     Walk::QuestClose, false, "", reset},
    {"story_unreadable", [](GameCopy& g) { QFile::setPermissions(g.path("text/gt1.tf"), {}); },
     Walk::QuestClose, false, "", reset, true},
    {"story_garbage", [](GameCopy& g) { writeFile(g, "text/gt1.tf", garbage(100000)); }, Walk::QuestClose,
     false, "", reset},
    {"story_one_10MB_line", [](GameCopy& g) { writeFile(g, "text/gt1.tf", QByteArray(10 << 20, 'x')); },
     Walk::QuestClose, false, "", reset},
    {"story_missing_after_F8", [](GameCopy& g) { remove(g, "text/gt57.tf"); }, Walk::QuestF8Fails, true,
     "text/gt57.tf", shipped},
    {"flag_missing",
     [](GameCopy& g) { remove(g, "engdat/c.gdf"); },
     Walk::QuestClickFails,
     true,
     "engdat/c.gdf",
     {{"b.gdf", "0\r\n"}, {"c.gdf", "<missing>"}, {"bc.gdf", "0\r\n"}}},
    {"flag_2", [](GameCopy& g) { writeFile(g, "engdat/b.gdf", "2\r\n"); }, Walk::QuestClickClose, false, "",
     reset},
    {"flag_empty", [](GameCopy& g) { writeFile(g, "engdat/b.gdf", ""); }, Walk::QuestClickClose, false, "",
     reset},
    {"flag_without_crlf", [](GameCopy& g) { writeFile(g, "engdat/c.gdf", "1"); }, Walk::QuestClickClose,
     false, "", reset},
    {"flag_1MB", [](GameCopy& g) { writeFile(g, "engdat/bc.gdf", QByteArray(1 << 20, '1')); },
     Walk::QuestClickClose, false, "", reset},
    {"engdat_missing",
     [](GameCopy& g) { remove(g, "engdat"); },
     Walk::QuestClickFails,
     true,
     "engdat/c.gdf",
     {{"b.gdf", "<missing>"}, {"c.gdf", "<missing>"}, {"bc.gdf", "<missing>"}}},
    {"engdat_read_only",
     [](GameCopy& g) {
         QFile::setPermissions(g.path("engdat"), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                                     QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
     },
     Walk::QuestClickClose, true, "engdat/b.gdf", shipped, true},
    {"flag_symlink",
     [](GameCopy& g) {
         writeFile(g, "outside.txt", "keep\n");
         remove(g, "engdat/b.gdf");
         ASSERT_TRUE(QFile::link(g.path("outside.txt"), g.path("engdat/b.gdf")));
     },
     Walk::QuestClickClose, false, "", reset, false,
     [](const GameCopy& g) {
         EXPECT_EQ(g.read("outside.txt"), QByteArray("keep\n")) << "written through the link";
         EXPECT_FALSE(QFileInfo(g.path("engdat/b.gdf")).isSymLink());
     }},
    {"cursor_missing", [](GameCopy& g) { remove(g, "cursor/cur.cgf"); }, Walk::MenuExit, false, "", shipped},
    {"cursor_empty", [](GameCopy& g) { writeFile(g, "cursor/cur.cgf", ""); }, Walk::MenuExit, false, "",
     shipped},
    {"cursor_truncated",
     [](GameCopy& g) {
         const QByteArray whole = g.read("cursor/cur.cgf");
         writeFile(g, "cursor/cur.cgf", whole.left(whole.size() / 2));
     },
     Walk::MenuExit, false, "", shipped},
    {"cursor_huge_sizes", [](GameCopy& g) { writeFile(g, "cursor/cur.cgf", hugeCursor()); }, Walk::MenuExit,
     false, "", shipped},
    {"cursor_huge_frame_count",
     [](GameCopy& g) {
         QByteArray ani = g.read("cursor/cur.cgf");
         const qsizetype header = ani.indexOf("anih");
         ASSERT_GT(header, 0);
         for (int i = 0; i < 4; ++i)
             ani[header + 8 + 4 + i] = '\x7f'; // frame count
         writeFile(g, "cursor/cur.cgf", ani);
     },
     Walk::MenuExit, false, "", shipped},
    {"sound_missing",
     [](GameCopy& g) { remove(g, "sound/trackgp.mp3"); },
     Walk::QuestClose,
     false,
     "",
     reset,
     false,
     {},
     "trackgp.mp3"},
    {"sound_garbage",
     [](GameCopy& g) {
         for (const char* s : {"sound/into.mp3", "sound/menu.mp3", "sound/intoeng.mp3", "sound/trackgp.mp3"})
             writeFile(g, s, garbage(5000));
     },
     Walk::QuestClose, false, "", reset},
    {"fonts_missing", [](GameCopy& g) { remove(g, "fonts"); }, Walk::QuestClose, false, "", reset},
};

// The X server resets when its last client goes, and refuses connections meanwhile: one
// connection stays open for the whole run.
struct KeepTheDisplay : ::testing::Environment {
    void SetUp() override { session = std::make_unique<X11Session>(); }
    void TearDown() override { session.reset(); }
    std::unique_ptr<X11Session> session;
};
const auto* const keepTheDisplay = ::testing::AddGlobalTestEnvironment(new KeepTheDisplay);

struct FaultMatrix : ::testing::TestWithParam<Row> {
    void SetUp() override {
        ASSERT_TRUE(x.ok()) << "these tests need an X server in $DISPLAY (./dev/test starts one)";
    }
    void TearDown() override { killAll(game.path(QStringLiteral("game"))); }

    // Lets a user whom permissions bind (nobody) into the copy; root then drops to that user.
    bool prepareForPlayer() {
        if (::geteuid() != 0)
            return true;
        if (QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
            return false;
        return QProcess::execute(QStringLiteral("chmod"),
                                 {QStringLiteral("-R"), QStringLiteral("a+rwX"), game.root()}) == 0;
    }

    void start(bool asPlayer) {
        QProcessEnvironment env = onTheDisplay();
        env.insert(QStringLiteral("HOME"), game.root());
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(game.root());
        if (asPlayer && ::geteuid() == 0)
            process.start(QStringLiteral("setpriv"),
                          {QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                           QStringLiteral("--clear-groups"), QStringLiteral("--"),
                           game.path(QStringLiteral("game"))});
        else
            process.start(game.path(QStringLiteral("game")), {});
        ASSERT_TRUE(process.waitForStarted(10000));
    }

    std::optional<unsigned long> toMenu() {
        const auto splash = x.waitForWindow(gameTitle, 20s, splashSize);
        if (!splash)
            return std::nullopt;
        return waitForNewWindow(x, menuSize, splash, 15s);
    }
    std::optional<unsigned long> toQuest() {
        const auto menu = toMenu();
        if (!menu)
            return std::nullopt;
        return playToQuest(x, *menu, 30s);
    }
    // A window of the game that is none of its screens met so far: a report box.
    std::optional<unsigned long> box() {
        for (const auto& [w, size] : x.windows(gameTitle))
            if (std::find(screens.begin(), screens.end(), w) == screens.end())
                return w;
        return std::nullopt;
    }
    // Closes every report box the game shows until it ends; false when it does not end in time.
    bool finish(std::chrono::seconds limit = 30s) {
        QElapsedTimer clock;
        clock.start();
        while (!process.waitForFinished(200)) {
            if (clock.elapsed() > std::chrono::milliseconds(limit).count())
                return false;
            if (const auto b = box())
                x.requestClose(*b);
        }
        return true;
    }
    std::vector<unsigned long> screens;

    X11Session x;
    GameCopy game;
    QProcess process;
};

TEST_P(FaultMatrix, EndsAsTheRowSays) {
    const Row& row = GetParam();
    if (row.asPlayer && !prepareForPlayer())
        GTEST_SKIP() << "running as root, and setpriv is missing to run the game as another user";
    row.breakIt(game);
    if (HasFatalFailure())
        return;
    start(row.asPlayer);

    if (row.walk == Walk::MenuExit) {
        const auto menu = toMenu();
        ASSERT_TRUE(menu) << "no menu";
        x.click(*menu, {536 + 120, 384 + 20});
    } else {
        const auto quest = toQuest();
        ASSERT_TRUE(quest) << "no quest screen";
        screens.push_back(*quest);
        if (row.warnsOf) {
            // The player reads the warning, closes it, and plays on.
            QElapsedTimer clock;
            clock.start();
            std::optional<unsigned long> warning;
            while (!(warning = box()) && clock.elapsed() < 10000)
                QThread::msleep(20); // polling the other process's windows, bounded
            ASSERT_TRUE(warning) << "no sound warning";
            x.requestClose(*warning);
        }
        // A click or key while the opening passage loads is ignored, and the window may take the
        // focus a moment after it shows: repeated, bounded, until the report appears.
        const auto untilReported = [&](auto&& act) {
            for (int attempt = 0; attempt < 20; ++attempt) {
                act();
                QElapsedTimer clock;
                clock.start();
                while (clock.elapsed() < 500) {
                    if (box())
                        return;
                    QThread::msleep(20); // polling the other process's windows, bounded
                }
            }
            ADD_FAILURE() << "no failure report";
        };
        switch (row.walk) {
        case Walk::QuestClickClose:
            x.click(*quest, {472 + 148, 504 + 8});
            x.requestClose(*quest);
            break;
        case Walk::QuestClickFails:
            untilReported([&] { x.click(*quest, {472 + 148, 504 + 8}); });
            break;
        case Walk::QuestF8Fails:
            untilReported([&] { x.key(*quest, XK_F8); });
            break;
        default:
            x.requestClose(*quest);
        }
    }
    ASSERT_TRUE(finish()) << "the game did not end";
    const QString errors = QString::fromUtf8(process.readAllStandardError());
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << errors.toStdString();
    if (row.failureReported) {
        EXPECT_NE(process.exitCode(), 0);
        EXPECT_TRUE(errors.contains(game.path(QLatin1String(row.named)))) << errors.toStdString();
    } else {
        EXPECT_EQ(process.exitCode(), 0) << errors.toStdString();
    }
    for (const auto& [name, bytes] : row.flags)
        EXPECT_EQ(game.read(QStringLiteral("engdat/") + name), bytes) << name.toStdString();
    if (row.warnsOf) {
        EXPECT_TRUE(errors.contains(QLatin1String(row.warnsOf))) << errors.toStdString();
    }
    if (row.alsoCheck)
        row.alsoCheck(game);
    // Nothing but the flag files in engdat.
    for (const QString& entry :
         QDir(game.path(QStringLiteral("engdat")))
             .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        EXPECT_TRUE(row.flags.count(entry)) << "left in engdat: " << entry.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Rows, FaultMatrix, ::testing::ValuesIn(rows),
                         [](const ::testing::TestParamInfo<Row>& row) {
                             return std::string(row.param.name);
                         });

} // namespace

// The installed game: `cmake --install` into a staging root, then the entry command `vortelia`
// started as a player (not root) with a fresh home under the test display. The entry command finds
// the install relative to its own location, so the staged copy runs as it would from /usr.

#include "e2e/e2e_flow.h"

#include <QCryptographicHash>
#include <QScopeGuard>
#include <QStandardPaths>

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

using namespace vortelia::testing;
using namespace std::chrono_literals;

namespace {

const QStringList flagFiles = {QStringLiteral("engdat/b.gdf"), QStringLiteral("engdat/c.gdf"),
                               QStringLiteral("engdat/bc.gdf")};

// Every entry under a folder with its size, mode, link target and content hash: what "nothing
// changed" compares.
QMap<QString, QString> snapshot(const QString& root) {
    QMap<QString, QString> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        QString state = QStringLiteral("%1 %2 %3")
                            .arg(info.size())
                            .arg(int(info.permissions()))
                            .arg(info.symLinkTarget());
        if (info.isFile() && !info.isSymLink()) {
            QFile file(info.filePath());
            if (file.open(QIODevice::ReadOnly))
                state += QString::fromLatin1(
                    QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex());
        }
        entries.insert(QDir(root).relativeFilePath(info.filePath()), state);
    }
    return entries;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

struct InstalledGame : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(x.ok()) << "these tests need an X server in $DISPLAY (./dev/test starts one)";
        // As root the player is "nobody", reached through setpriv; anyone else plays as themselves.
        if (::geteuid() == 0) {
            const passwd* user = ::getpwnam("nobody");
            if (!user)
                GTEST_SKIP() << "running as root and there is no user \"nobody\" to play as";
            if (QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
                GTEST_SKIP() << "running as root and setpriv (util-linux) is missing to drop privileges";
            uid = user->pw_uid;
            gid = user->pw_gid;
            asPlayer = {QStringLiteral("--reuid=%1").arg(uid), QStringLiteral("--regid=%1").arg(gid),
                        QStringLiteral("--clear-groups"), QStringLiteral("--")};
        } else {
            uid = ::getuid();
            gid = ::getgid();
        }
        // The player must reach the staged programs and own their home.
        QFile::setPermissions(work.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                               QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                               QFile::ExeOther);
        ASSERT_TRUE(QDir(work.path()).mkpath(QStringLiteral("stage")));
        ASSERT_TRUE(QDir(work.path()).mkpath(QStringLiteral("home")));
        ASSERT_EQ(::chown(qPrintable(home()), uid, gid), 0);

        QProcess install;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DESTDIR"), stage());
        install.setProcessEnvironment(env);
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(QStringLiteral(VORTELIA_CMAKE),
                      {QStringLiteral("--install"), QStringLiteral(VORTELIA_BUILD_DIR),
                       QStringLiteral("--prefix"), QStringLiteral("/usr")});
        ASSERT_TRUE(install.waitForFinished(60000));
        ASSERT_EQ(install.exitCode(), 0) << install.readAll().constData();
        installed = snapshot(stage());
    }
    void TearDown() override { killAll(program()); }

    QString stage() const { return work.filePath(QStringLiteral("stage")); }
    QString home() const { return work.filePath(QStringLiteral("home")); }
    QString program() const { return stage() + QStringLiteral("/usr/lib/games/vortelia/game"); }
    QString gameDir() const { return home() + QStringLiteral("/.local/share/vortelia"); }

    // Starts the staged entry command as the player, with only the home the test made.
    void start(QProcess& entry, const QString& playerHome, bool onDisplay = true) {
        QProcessEnvironment env = onTheDisplay();
        if (!onDisplay) { // a failure would ask a dialog program, if one is installed, to tell the player
            env.remove(QStringLiteral("DISPLAY"));
            env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        }
        env.insert(QStringLiteral("HOME"), playerHome);
        env.remove(QStringLiteral("XDG_DATA_HOME"));
        env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        entry.setProcessEnvironment(env);
        entry.setWorkingDirectory(QStringLiteral("/"));
        const QString command = stage() + QStringLiteral("/usr/games/vortelia");
        if (asPlayer.isEmpty())
            entry.start(command, {});
        else
            entry.start(QStringLiteral("setpriv"), QStringList(asPlayer) << command);
        ASSERT_TRUE(entry.waitForStarted(10000));
    }
    // Starts the game from the entry command and waits for the game's first window.
    std::optional<unsigned long> startToSplash() {
        QProcess entry;
        start(entry, home());
        auto splash = x.waitForWindow(gameTitle, 30s, splashSize);
        EXPECT_TRUE(entry.waitForFinished(10000)) << "the launcher did not end";
        EXPECT_EQ(entry.exitCode(), 0) << entry.readAllStandardError().constData();
        return splash;
    }

    X11Session x;
    QTemporaryDir work;
    QStringList asPlayer;
    uid_t uid = 0;
    gid_t gid = 0;
    QMap<QString, QString> installed;
};

} // namespace

TEST_F(InstalledGame, FirstRunMakesThePlayersGameDirectoryAndPlaysFromTheInstall) {
    const auto splash = startToSplash();
    ASSERT_TRUE(splash) << "the installed game showed no window";

    for (const QString& flag : flagFiles) {
        EXPECT_EQ(readAll(gameDir() + QLatin1Char('/') + flag), QByteArray("0\r\n")) << qPrintable(flag);
        EXPECT_EQ(QFileInfo(gameDir() + QLatin1Char('/') + flag).ownerId(), uid) << qPrintable(flag);
    }
    // The story and music come from the shared install.
    EXPECT_EQ(QFileInfo(gameDir() + QStringLiteral("/text")).symLinkTarget(),
              stage() + QStringLiteral("/usr/share/games/vortelia/text"));
    EXPECT_TRUE(QFileInfo::exists(gameDir() + QStringLiteral("/text/gt1.tf")));
    EXPECT_TRUE(QFileInfo::exists(gameDir() + QStringLiteral("/sound/menu.mp3")));

    // The game runs the installed program file, in the player's game directory, as the player.
    const QList<qint64> games = processesOf(program());
    ASSERT_EQ(games.size(), 1);
    const QString proc = QStringLiteral("/proc/%1").arg(games.first());
    EXPECT_EQ(QFileInfo(proc + QStringLiteral("/cwd")).symLinkTarget(), gameDir());
    EXPECT_EQ(QFileInfo(proc).ownerId(), uid);

    // Started through the link in the game directory, the program file is still the installed one,
    // so the cursor beside it is found.
    const auto menu = waitForNewWindow(x, menuSize, splash, 40s);
    ASSERT_TRUE(menu) << "no menu";
    x.movePointer(*menu, {100, 300});
    const X11Session::CursorImage cursor = x.cursorImage();
    EXPECT_EQ(cursor.size, QSize(32, 32));
    EXPECT_TRUE(cursor.name.isEmpty()) << "the ordinary arrow: " << cursor.name.toStdString();

    killAll(program());
    EXPECT_EQ(snapshot(stage()), installed) << "the install changed under the staging root";
}

TEST_F(InstalledGame, SecondRunKeepsTheFlagsAndPlayWritesThemInThePlayersDirectory) {
    ASSERT_TRUE(startToSplash());
    killAll(program());
    // The flags as a game left them, and a link that points somewhere old.
    for (const QString& flag : flagFiles)
        ASSERT_TRUE(QFile::remove(gameDir() + QLatin1Char('/') + flag));
    for (const QString& flag : flagFiles) {
        QFile file(gameDir() + QLatin1Char('/') + flag);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("1\r\n");
        file.close();
        ASSERT_EQ(::chown(qPrintable(file.fileName()), uid, gid), 0);
    }
    ASSERT_TRUE(QFile::remove(gameDir() + QStringLiteral("/sound")));
    ASSERT_TRUE(QFile::link(QStringLiteral("/nonexistent/sound"), gameDir() + QStringLiteral("/sound")));

    const auto splash = startToSplash();
    ASSERT_TRUE(splash);
    for (const QString& flag : flagFiles)
        EXPECT_EQ(readAll(gameDir() + QLatin1Char('/') + flag), QByteArray("1\r\n"))
            << qPrintable(flag) << " was overwritten by the second start";
    EXPECT_EQ(QFileInfo(gameDir() + QStringLiteral("/sound")).symLinkTarget(),
              stage() + QStringLiteral("/usr/share/games/vortelia/sound"));

    // Played to the game-over screen and closed: the flag reset lands in the player's directory. The
    // menu can come well after the splash's 6 s on a busy machine: the wait is generous, still bounded.
    const auto menu = waitForNewWindow(x, menuSize, splash, 40s);
    ASSERT_TRUE(menu);
    const auto quest = playToQuest(x, *menu);
    ASSERT_TRUE(quest);
    const auto over = pressF8AndEnd(x, *quest);
    ASSERT_TRUE(over) << "no game-over screen";
    x.requestClose(*over);
    QElapsedTimer clock;
    clock.start();
    while (!processesOf(program()).isEmpty() && clock.elapsed() < 10000)
        QThread::msleep(20); // the game is not our child: poll /proc, bounded
    ASSERT_TRUE(processesOf(program()).isEmpty()) << "the game did not end";
    for (const QString& flag : flagFiles)
        EXPECT_EQ(readAll(gameDir() + QLatin1Char('/') + flag), QByteArray("0\r\n")) << qPrintable(flag);
    EXPECT_EQ(snapshot(stage()), installed) << "the install changed under the staging root";
}

TEST_F(InstalledGame, AGameDirectoryThatCannotBeMadeIsNamedInTheError) {
    // A home the player may read but not write, as a read-only home is.
    const QString locked = work.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkpath(locked));
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                                      QFile::ReadOther | QFile::ExeOther);
    QProcess entry;
    start(entry, locked, false);
    ASSERT_TRUE(entry.waitForFinished(10000));
    EXPECT_EQ(entry.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(entry.exitCode(), 1);
    const QString error = QString::fromUtf8(entry.readAllStandardError());
    EXPECT_TRUE(error.contains(QStringLiteral("не удалось подготовить игровой каталог")))
        << qPrintable(error);
    EXPECT_TRUE(error.contains(locked + QStringLiteral("/.local/share/vortelia"))) << qPrintable(error);
    EXPECT_FALSE(QFileInfo::exists(locked + QStringLiteral("/.local")));
    EXPECT_TRUE(processesOf(program()).isEmpty());
}

TEST_F(InstalledGame, TwoPlayersHaveSeparateFlags) {
    // The second player's home: another directory, as another account has.
    const QString other = work.filePath(QStringLiteral("other"));
    ASSERT_TRUE(QDir().mkpath(other));
    ASSERT_EQ(::chown(qPrintable(other), uid, gid), 0);
    ASSERT_TRUE(startToSplash());
    killAll(program());
    QFile first(gameDir() + QStringLiteral("/engdat/b.gdf"));
    ASSERT_TRUE(first.open(QIODevice::WriteOnly));
    first.write("1\r\n");
    first.close();

    QProcess entry;
    start(entry, other);
    ASSERT_TRUE(x.waitForWindow(gameTitle, 30s, splashSize));
    EXPECT_TRUE(entry.waitForFinished(10000));
    EXPECT_EQ(readAll(other + QStringLiteral("/.local/share/vortelia/engdat/b.gdf")), QByteArray("0\r\n"));
    EXPECT_EQ(readAll(gameDir() + QStringLiteral("/engdat/b.gdf")), QByteArray("1\r\n"));
}

TEST_F(InstalledGame, AFullDiskLeavesNoHalfWrittenFlag) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "a full disk is made with a small tmpfs, which only root may mount";
    const QString full = work.filePath(QStringLiteral("full"));
    ASSERT_TRUE(QDir().mkpath(full));
    QProcess mount;
    mount.start(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                          QStringLiteral("size=64k"), QStringLiteral("tmpfs"), full});
    if (!mount.waitForFinished(10000) || mount.exitCode() != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here: " << mount.readAllStandardError().constData();
    const auto unmount = qScopeGuard([&] { QProcess::execute(QStringLiteral("umount"), {full}); });
    // The game directory can be made, and then the disk is full.
    const QString engdat = full + QStringLiteral("/.local/share/vortelia/engdat");
    ASSERT_TRUE(QDir().mkpath(engdat));
    QProcess::execute(QStringLiteral("chown"),
                      {QStringLiteral("-R"), QStringLiteral("%1:%2").arg(uid).arg(gid), full});
    QFile filler(full + QStringLiteral("/filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    const QByteArray block(4096, '\0');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
    filler.close();

    QProcess entry;
    start(entry, full, false);
    ASSERT_TRUE(entry.waitForFinished(10000));
    EXPECT_EQ(entry.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(entry.exitCode(), 1);
    const QString error = QString::fromUtf8(entry.readAllStandardError());
    EXPECT_TRUE(error.contains(full + QStringLiteral("/.local/share/vortelia"))) << qPrintable(error);
    EXPECT_EQ(QDir(engdat).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList())
        << "a flag file was left behind on the full disk";
    EXPECT_TRUE(processesOf(program()).isEmpty());
}

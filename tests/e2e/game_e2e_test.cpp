// The real programs, started from a copy of the assembled game directory on the X server that
// the test run provides.

#include "support/x11_windows.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

using namespace vortelia::testing;
using namespace std::chrono_literals;

namespace {

const QString title = QStringLiteral("Миры \"Vortelia\"");

// A private copy of the game directory, so that the test's flag writes touch nothing else.
class GameCopy {
public:
    GameCopy() {
        const QDir source(QStringLiteral(VORTELIA_GAME_DIR));
        QDirIterator it(source.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString from = it.next();
            const QString to = dir_.filePath(source.relativeFilePath(from));
            QDir().mkpath(QFileInfo(to).path());
            QFile::copy(from, to);
        }
    }
    QString path(const QString& relative) const { return dir_.filePath(relative); }
    QString root() const { return dir_.path(); }
    QByteArray read(const QString& relative) const {
        QFile file(path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void write(const QString& relative, const QByteArray& bytes) const {
        QFile file(path(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private:
    QTemporaryDir dir_;
};

QProcessEnvironment onTheDisplay() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    return env;
}

} // namespace

TEST(GameProgram, ClosingTheQuestScreenResetsTheThreeFlagFiles) {
    X11Session x;
    ASSERT_TRUE(x.ok()) << "these tests need an X server in $DISPLAY (./dev/test starts one)";
    GameCopy game;
    for (const char* flag : {"engdat/b.gdf", "engdat/c.gdf", "engdat/bc.gdf"})
        game.write(QLatin1String(flag), "1\r\n");

    QProcess process;
    process.setProcessEnvironment(onTheDisplay());
    process.setWorkingDirectory(game.root());
    process.start(game.path(QStringLiteral("game")), {});
    ASSERT_TRUE(process.waitForStarted(10000));
    const auto window = x.waitForWindow(title, 20s, QSize(800, 598));
    ASSERT_TRUE(window) << "the quest screen never appeared";
    x.requestClose(*window);
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    for (const char* flag : {"engdat/b.gdf", "engdat/c.gdf", "engdat/bc.gdf"})
        EXPECT_EQ(game.read(QLatin1String(flag)), QByteArray("0\r\n")) << flag;
}

TEST(GameProgram, AMissingFirstPassageIsReportedWithItsPathAndEndsWithAFailure) {
    X11Session x;
    ASSERT_TRUE(x.ok()) << "these tests need an X server in $DISPLAY (./dev/test starts one)";
    GameCopy game;
    QFile::remove(game.path(QStringLiteral("text/gt1.tf")));

    QProcess process;
    process.setProcessEnvironment(onTheDisplay());
    process.setWorkingDirectory(game.root());
    process.start(game.path(QStringLiteral("game")), {});
    ASSERT_TRUE(process.waitForStarted(10000));
    const auto box = x.waitForWindow(title, 20s);
    ASSERT_TRUE(box) << "no failure report appeared";
    x.requestClose(*box);
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_NE(process.exitCode(), 0);
    EXPECT_TRUE(QString::fromUtf8(process.readAllStandardError()).contains(game.path(QStringLiteral("text/gt1.tf"))));
}

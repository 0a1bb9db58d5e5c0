// The real game with a real sound device: a private PulseAudio server with a null sink, started by
// the test. A sound file that is missing or not music gives the sound error box naming the command;
// after its OK the game goes on, and closing the quest screen still resets the flags.

#include "e2e/e2e_flow.h"

#include <QLocalSocket>
#include <QStandardPaths>

#include <X11/keysym.h>

#include <algorithm>

using namespace vortelia::testing;
using namespace std::chrono_literals;

namespace {

// A PulseAudio server of the test's own, with one null sink and an unauthenticated socket in a
// temporary folder; gone with the object.
class PrivateSoundServer {
public:
    PrivateSoundServer() {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        if (program.isEmpty()) {
            why_ = "pulseaudio is not installed (dev/setup installs it)";
            return;
        }
        socket_ = dir_.filePath(QStringLiteral("native"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"HOME", "XDG_RUNTIME_DIR", "PULSE_RUNTIME_PATH", "PULSE_STATE_PATH"})
            env.insert(QLatin1String(name), dir_.path());
        env.remove(QStringLiteral("DISPLAY"));
        server_.setProcessEnvironment(env);
        server_.setProcessChannelMode(QProcess::MergedChannels);
        server_.start(
            program,
            {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
             QStringLiteral("--use-pid-file=no"), QStringLiteral("--load=module-null-sink"),
             QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") + socket_});
        if (!server_.waitForStarted(5000)) {
            why_ = "pulseaudio did not start: " + server_.errorString().toStdString();
            return;
        }
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 10000 && server_.state() == QProcess::Running) {
            QLocalSocket probe;
            probe.connectToServer(socket_);
            if (probe.waitForConnected(200)) {
                ready_ = true;
                return;
            }
            server_.waitForFinished(50); // returns early only if the server gave up
        }
        why_ = "pulseaudio did not open its socket: " + server_.readAll().toStdString();
    }
    ~PrivateSoundServer() {
        if (server_.state() != QProcess::NotRunning) {
            server_.kill();
            server_.waitForFinished(5000);
        }
    }
    bool ready() const { return ready_; }
    const std::string& why() const { return why_; }
    QString address() const { return QStringLiteral("unix:") + socket_; }

private:
    QTemporaryDir dir_;
    QString socket_;
    QProcess server_;
    bool ready_ = false;
    std::string why_;
};

enum class Stage { Splash, Quest };

struct Row {
    const char* name;
    const char* file;    // in the game directory
    const char* command; // the sound command the box names
    Stage stage;         // the screen on which the command is sent
    bool garbage;        // text in place of music, or else no file at all
};
// Test names and failure messages show the row by its name, not its bytes.
void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

class SoundDevice : public ::testing::TestWithParam<Row> {
protected:
    void SetUp() override {
        ASSERT_TRUE(x.ok()) << "these tests need an X server in $DISPLAY (./dev/test starts one)";
        if (!sound.ready())
            GTEST_SKIP() << "no private PulseAudio server: " << sound.why();
    }
    void TearDown() override { killAll(game.path(QStringLiteral("game"))); }

    void start() {
        QProcessEnvironment env = onTheDisplay();
        env.insert(QStringLiteral("PULSE_SERVER"), sound.address());
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(game.root());
        process.start(game.path(QStringLiteral("game")), {});
        ASSERT_TRUE(process.waitForStarted(10000));
    }
    QString errors() {
        stderr_ += QString::fromUtf8(process.readAllStandardError());
        return stderr_;
    }
    // A window of the game's title that is none of its screens: the sound error box.
    std::optional<unsigned long> waitForBox(std::chrono::milliseconds timeout) {
        const QSize screens[] = {splashSize, prologueSize, questSize, lastScreenSize};
        QElapsedTimer clock;
        clock.start();
        do {
            for (const auto& [window, size] : x.windows(gameTitle)) {
                if (std::find(std::begin(screens), std::end(screens), size) == std::end(screens))
                    return window;
            }
            process.waitForFinished(50); // returns early only if the game ended
        } while (clock.elapsed() < timeout.count() && process.state() == QProcess::Running);
        return std::nullopt;
    }
    // The box names the command; OK closes it and the game carries on.
    void acknowledgeBox(const char* command) {
        const auto box = waitForBox(20s);
        ASSERT_TRUE(box) << "no sound error box; stderr: " << errors().toStdString();
        EXPECT_TRUE(errors().contains(QLatin1String(command))) << errors().toStdString();
        x.key(*box, XK_Return);
        QElapsedTimer clock;
        clock.start();
        while (x.exists(*box) && clock.elapsed() < 10000 && process.state() == QProcess::Running)
            process.waitForFinished(50);
        EXPECT_FALSE(x.exists(*box)) << "the box did not close on OK";
        // A crash on the way back from the box ends the game here or before the next screen.
        ASSERT_EQ(process.state(), QProcess::Running) << "the game ended after the box, exit code "
                                                      << process.exitCode() << "; " << errors().toStdString();
    }
    // From the menu through the prologue to the click on its begin label.
    bool toBeginLabel(std::optional<unsigned long> splash) {
        const auto menu = waitForNewWindow(x, menuSize, splash, 20s);
        EXPECT_TRUE(menu) << "no menu";
        if (!menu)
            return false;
        const bool started = startFromTheMenu(x, *menu);
        EXPECT_TRUE(started) << "no prologue";
        return started;
    }

    PrivateSoundServer sound;
    X11Session x;
    GameCopy game;
    QProcess process;
    QString stderr_;
};

TEST_P(SoundDevice, AFailedSoundIsReportedAndTheGameGoesOnToItsClosing) {
    const Row& row = GetParam();
    const QString file = QLatin1String(row.file);
    if (row.garbage)
        ASSERT_TRUE(game.write(file, "This is no music, only words.\r\n"));
    else
        ASSERT_TRUE(QFile::remove(game.path(file)));
    for (const char* flag : {"engdat/b.gdf", "engdat/c.gdf", "engdat/bc.gdf"})
        ASSERT_TRUE(game.write(QLatin1String(flag), "1\r\n"));

    start();
    // The splash is on screen before the sound system starts, so before any box.
    const auto splash = x.waitForWindow(gameTitle, 20s, splashSize);
    ASSERT_TRUE(splash) << "no splash";
    if (row.stage == Stage::Splash)
        acknowledgeBox(row.command);
    if (HasFatalFailure())
        return;
    ASSERT_TRUE(toBeginLabel(splash));
    // The quest music's box may come before the quest screen is first shown.
    if (row.stage == Stage::Quest)
        acknowledgeBox(row.command);
    if (HasFatalFailure())
        return;
    const auto quest = waitForNewWindow(x, questSize, std::nullopt, 10s);
    ASSERT_TRUE(quest) << "no quest screen";

    EXPECT_FALSE(errors().contains(QStringLiteral("no sound device"))) << "the sound device was not used";
    x.requestClose(*quest);
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << errors().toStdString();
    EXPECT_EQ(process.exitCode(), 0) << errors().toStdString();
    for (const char* flag : {"engdat/b.gdf", "engdat/c.gdf", "engdat/bc.gdf"})
        EXPECT_EQ(game.read(QLatin1String(flag)), QByteArray("0\r\n")) << flag;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SoundDevice,
    ::testing::Values(
        Row{"IntroMissing", "sound/into.mp3", "play sound\\into.mp3", Stage::Splash, false},
        Row{"IntroGarbage", "sound/into.mp3", "play sound\\into.mp3", Stage::Splash, true},
        Row{"QuestMusicMissing", "sound/trackgp.mp3", "play sound\\trackgp.mp3", Stage::Quest, false},
        Row{"QuestMusicGarbage", "sound/trackgp.mp3", "play sound\\trackgp.mp3", Stage::Quest, true}),
    [](const ::testing::TestParamInfo<Row>& row) { return std::string(row.param.name); });

} // namespace

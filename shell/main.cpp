// The game program: the host services on Qt, the screen registry, and the one place where the
// program's exit status is decided.

#include "platform/arrow_cursor.h"
#include "platform/program_info.h"
#include "platform/qt/look.h"
#include "platform/qt/qt_cursor_system.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/qt_sound.h"
#include "platform/qt/termination_signals.h"
#include "platform/services.h"
#include "shell/screens.h"

#include <QApplication>
#include <QDir>
#include <QSessionManager>

int main(int argc, char* argv[]) {
    using namespace vortelia;
    QApplication app(argc, argv);
    applyProgramInfo(app, QStringLiteral("game"));
    app.setQuitOnLastWindowClosed(false); // the game ends through its own closing sequences
    look::loadFonts(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("fonts")));
    look::apply(app);

    const GameDirectory files(QDir::currentPath());
    QtProgram program;
    QtUiYield yield(program);
    QtSoundService sound(files);
    QtCursorSystem cursors;
    ArrowCursor arrow(cursors, QCoreApplication::applicationDirPath());
    MessageBoxFailureReport report;
    const Services services{files, yield, sound, arrow, program, report};

    Screens screens(services);
    // Qt sends no close requests when the session ends: the screen in front closes itself.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &app,
                     [&](QSessionManager&) { runHandler(program, report, [&] { screens.endSession(); }); });
    // A termination signal (kill, a closed terminal, Ctrl+C) ends the session the same way.
    const TerminationSignals terminationSignals(
        [&] { runHandler(program, report, [&] { screens.endSession(); }); });
    runHandler(program, report, [&] { screens.start(); });
    if (program.ending())
        return program.status();
    return QApplication::exec();
}

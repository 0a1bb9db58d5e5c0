// The launcher program: shows its splash, starts the game, ends.

#include "launcher/prelaunch.h"
#include "platform/program_info.h"
#include "platform/qt/look.h"
#include "platform/qt/qt_host.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    using namespace vortelia;
    QApplication app(argc, argv);
    applyProgramInfo(app, QStringLiteral("Prelaunch"));
    look::loadFonts(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("fonts")));
    look::apply(app);
    QtProgramStarter starter;
    auto* window = new Prelaunch(starter);
    look::centre(*window);
    window->show();
    return QApplication::exec();
}

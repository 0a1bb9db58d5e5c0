#include "platform/qt/qt_host.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QProcess>

#include <cstdio>

namespace vortelia {

QString gameTitle() {
    return QStringLiteral("Миры \"Vortelia\"");
}

void QtProgram::end(int status) {
    if (ending_)
        return;
    ending_ = true;
    status_ = status;
    QCoreApplication::exit(status);
}

void QtUiYield::yield() {
    QCoreApplication::processEvents();
    if (program_.ending())
        throw ProgramEnding{};
}

void tellPlayer(QMessageBox::Icon icon, const QString& text) {
    std::fprintf(stderr, "%s\n", qUtf8Printable(text));
    QMessageBox box(icon, gameTitle(), text, QMessageBox::Ok);
    box.exec();
}

void MessageBoxFailureReport::report(const Failure& failure) {
    tellPlayer(QMessageBox::Critical, failure.message());
}

void QtProgramStarter::open(const QString& fileName) {
    QProcess::startDetached(QDir::current().absoluteFilePath(fileName), {}, QDir::currentPath());
}

} // namespace vortelia

#include "support/fakes.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace vortelia::testing {

void ScriptedYield::yield() {
    ++count;
    if (onYield)
        onYield(count);
    if (pumpEvents)
        QCoreApplication::processEvents();
    if (program_.ending())
        throw ProgramEnding{};
}

void ScriptedYield::stayResponsive() {
    ++pauses;
    if (onPause)
        onPause(pauses);
    if (pumpEvents)
        QCoreApplication::processEvents();
    if (program_.ending())
        throw ProgramEnding{};
}

CursorHandle FakeCursorSystem::loadFromFile(const QString& hostPath) {
    loaded.push_back(hostPath);
    return QFileInfo(hostPath).isFile() ? next++ : 0;
}

CursorHandle FakeCursorSystem::copy(CursorHandle cursor) {
    const CursorHandle c = next++;
    copies.emplace_back(cursor, c);
    return c;
}

void FakeCursorSystem::setArrow(CursorHandle cursor) {
    installed.push_back(cursor);
    if (cursor != 0)
        arrow = cursor;
}

Fakes::Fakes() : files(game.root()), arrow(cursors, game.root()) {}

} // namespace vortelia::testing

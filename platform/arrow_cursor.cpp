#include "platform/arrow_cursor.h"

#include <QDir>

namespace vortelia {

ArrowCursor::ArrowCursor(CursorSystem& system, QString programDir)
    : system_(system), programDir_(std::move(programDir)) {}

QString ArrowCursor::cursorFile() const {
    return QDir(programDir_).filePath(QStringLiteral("cursor/cur.cgf"));
}

void ArrowCursor::install() {
    const CursorHandle custom = system_.loadFromFile(cursorFile());
    saved_ = system_.copy(system_.current());
    if (custom != 0)
        system_.setArrow(custom);
}

void ArrowCursor::restore() {
    if (saved_ != 0)
        system_.setArrow(saved_);
}

} // namespace vortelia

#pragma once
// The game's arrow: installing the custom cursor as the arrow of every window, keeping a copy of
// the arrow that was in use, and putting that copy back.

#include <QString>

#include <cstdint>

namespace vortelia {

// Cursor handles as the host hands them out; 0 is no cursor.
using CursorHandle = std::uint64_t;

// The host's cursor calls.
class CursorSystem {
public:
    virtual ~CursorSystem() = default;
    // Loads a static or animated cursor file; 0 when the file is missing or unusable.
    virtual CursorHandle loadFromFile(const QString& hostPath) = 0;
    // The arrow in use at this moment.
    virtual CursorHandle current() = 0;
    // An independent copy of a cursor.
    virtual CursorHandle copy(CursorHandle cursor) = 0;
    // Makes the cursor the arrow of every window of the game; 0 changes nothing.
    virtual void setArrow(CursorHandle cursor) = 0;
};

class ArrowCursor {
public:
    // programDir: the folder of the program file, where "cursor/cur.cgf" lies.
    ArrowCursor(CursorSystem& system, QString programDir);

    // Loads the custom cursor, keeps a fresh copy of the arrow in use, installs the custom one.
    void install();
    // Installs the saved copy again, if there is one; the copy stays saved.
    void restore();
    CursorHandle savedCopy() const { return saved_; }
    QString cursorFile() const;

private:
    CursorSystem& system_;
    QString programDir_;
    CursorHandle saved_ = 0;
};

} // namespace vortelia

#pragma once
// The host services every window of the game is handed when it is made.

#include "platform/arrow_cursor.h"
#include "platform/game_directory.h"
#include "platform/host.h"

namespace vortelia {

struct Services {
    const GameDirectory& files;
    UiYield& yield;
    SoundService& sound;
    ArrowCursor& arrow;
    Program& program;
    FailureReport& report;
};

} // namespace vortelia

#pragma once
// The closing sequence of the quest, console and game-over screens (with the flag reset) and of
// the prologue screen (without). It never refuses the close. When a step fails, the arrow is put
// back once more, the failure is reported and the program ends with a non-zero status, so that no
// process lingers without a window.

#include "platform/services.h"

namespace vortelia {

enum class FlagReset { Yes, No };

void runClosingSequence(const Services& services, FlagReset reset);

} // namespace vortelia

#pragma once
// The story position on the quest screen: everything the player sees of the quest.

#include "session/story_flags.h"

#include <QString>

#include <array>

namespace vortelia {

struct ChoiceSlot {
    QString caption;
    bool shown = true;
};

// Default is the label colour the window starts with, before the pointer first moves.
enum class SlotColour { Default, Normal, Highlight };

struct Scene {
    QString story; // every line of the passage, each followed by CR LF
    std::array<ChoiceSlot, 3> choices;
    std::array<SlotColour, 3> colours{};
    bool answerShown = false;
    QString answerText; // typed by the player; the game never sets it
    FlagHolders flags;  // b, c, bc as last reloaded; empty until then
};

} // namespace vortelia

#pragma once
// The story graph: one table of transitions per choice slot, in the order the game tests them.
// A caption is both what the player reads and the key its slot's table looks up.

#include "session/story_flags.h"

#include <span>

namespace vortelia {

enum class Visibility : unsigned char { Keep, Show, Hide };

// What a transition does to one choice slot; a null caption leaves the caption.
struct SlotSetting {
    Visibility visibility = Visibility::Keep;
    const char* caption = nullptr; // UTF-8
};

// A further condition besides the caption: a flag holder's value or the answer box's text.
struct Condition {
    enum class Kind : unsigned char { None, Flag, Answer } kind = Kind::None;
    Flag flag = Flag::B;
    const char* value = nullptr; // UTF-8
};

enum class Effect : unsigned char {
    None,
    SetFlagB,      // "1" to engdat\b.gdf
    SetFlagBC,     // "1" to engdat\bc.gdf
    SetFlagC,      // "1" to engdat\c.gdf
    ShowAnswerBox, // shown, its text kept
    GameOver,      // the game-over switch, instead of everything else
    Console,       // the quest screen hides, the console shows, instead of everything else
};

struct Transition {
    const char* caption; // UTF-8, compared exactly
    Condition when;
    const char* story; // game path of the passage, or nullptr
    SlotSetting settings[3];
    Effect effect;
};

struct ChoiceTable {
    std::span<const Transition> rows;
    std::span<const Flag> reloads; // flags reloaded, in order, before matching
};

// The table behind choice slot 0, 1 or 2 (the top one is 0).
const ChoiceTable& choiceTable(int slot);

// The transitions that no slot's table holds; their caption is null. The opening sets the three
// slots first, then starts the quest music and loads its passage; the F8 key and the console key
// work as a table row does.
const Transition& openingTransition();
const Transition& f8Transition();
const Transition& consoleKeyTransition();

} // namespace vortelia

#pragma once
// The three story flags. The file is the flag: every click that reads a flag reloads it from its
// file into the quest screen's holder, and writes go straight to the file.

#include "platform/game_directory.h"
#include "platform/host.h"

#include <QString>

#include <array>

namespace vortelia {

enum class Flag { B, C, BC };

// "engdat\b.gdf", "engdat\c.gdf", "engdat\bc.gdf"
QString flagFile(Flag flag);

using FlagHolders = std::array<QString, 3>; // indexed by Flag

class StoryFlags {
public:
    StoryFlags(const GameDirectory& files, UiYield& yield) : files_(files), yield_(yield) {}

    // The holder becomes every line of the file joined with no separator; yields after each
    // line. Throws Failure when the file cannot be read.
    void reload(Flag flag, FlagHolders& holders) const;
    // The file becomes the value and CR LF. Throws Failure.
    void write(Flag flag, const QString& value) const;
    // "0" to b, then c, then bc; stops at the first failure, which it throws.
    void reset() const;

private:
    const GameDirectory& files_;
    UiYield& yield_;
};

} // namespace vortelia

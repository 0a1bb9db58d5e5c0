#include "session/story_flags.h"

#include "platform/line_loading.h"

namespace vortelia {

QString flagFile(Flag flag) {
    switch (flag) {
    case Flag::B:
        return QStringLiteral("engdat\\b.gdf");
    case Flag::C:
        return QStringLiteral("engdat\\c.gdf");
    case Flag::BC:
        return QStringLiteral("engdat\\bc.gdf");
    }
    Q_UNREACHABLE();
}

void StoryFlags::reload(Flag flag, FlagHolders& holders) const {
    QString& holder = holders[static_cast<size_t>(flag)];
    holder.clear();
    loadLines(files_, yield_, flagFile(flag), [&holder](const QString& line) { holder += line; });
}

void StoryFlags::write(Flag flag, const QString& value) const {
    files_.writeLine(flagFile(flag), value);
}

void StoryFlags::reset() const {
    for (Flag flag : {Flag::B, Flag::C, Flag::BC})
        write(flag, QStringLiteral("0"));
}

} // namespace vortelia

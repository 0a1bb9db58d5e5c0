#include "engine/quest.h"

#include "platform/line_loading.h"

namespace vortelia {
namespace {

// Marks a handler as running for as long as it is on the stack, however it leaves.
class BusyGuard {
public:
    explicit BusyGuard(bool& busy) : busy_(busy) { busy_ = true; }
    ~BusyGuard() { busy_ = false; }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

private:
    bool& busy_;
};

bool conditionHolds(const Condition& c, const Scene& scene) {
    switch (c.kind) {
    case Condition::Kind::None:
        return true;
    case Condition::Kind::Flag:
        return scene.flags[static_cast<size_t>(c.flag)] == QString::fromUtf8(c.value);
    case Condition::Kind::Answer:
        return scene.answerText == QString::fromUtf8(c.value);
    }
    return false;
}

} // namespace

const Transition* findTransition(const ChoiceTable& table, const QString& caption, const Scene& scene) {
    for (const Transition& row : table.rows) {
        if (caption == QString::fromUtf8(row.caption) && conditionHolds(row.when, scene))
            return &row;
    }
    return nullptr;
}

Quest::Quest(const GameDirectory& files, UiYield& yield, SoundService& sound, QuestExits& exits)
    : files_(files), yield_(yield), sound_(sound), exits_(exits), flags_(files, yield) {}

void Quest::open() {
    BusyGuard guard(busy_);
    const Transition& opening = openingTransition();
    setSlots(opening.settings);
    sound_.execute(QStringLiteral("play sound\\trackgp.mp3"));
    loadStoryText(QString::fromUtf8(opening.story));
}

void Quest::loadStoryText(const QString& path) {
    storyPath_ = path;
    emit storyLoadStarted(path);
    scene_.story.clear();
    emit storyCleared();
    loadLines(files_, yield_, path, [this](const QString& line) {
        scene_.story += line;
        scene_.story += QStringLiteral("\r\n");
        emit storyLineAdded(line);
    });
}

void Quest::click(int slot) {
    if (busy_ || slot < 0 || slot > 2 || !scene_.choices[slot].shown)
        return;
    BusyGuard guard(busy_);
    const ChoiceTable& table = choiceTable(slot);
    for (Flag flag : table.reloads) {
        flags_.reload(flag, scene_.flags);
        emit flagsChanged();
    }
    if (const Transition* row = findTransition(table, scene_.choices[slot].caption, scene_))
        apply(*row);
}

void Quest::apply(const Transition& row) {
    if (row.effect == Effect::GameOver) {
        exits_.gameOverSwitch();
        return;
    }
    if (row.effect == Effect::Console) {
        exits_.openConsole();
        return;
    }
    if (row.story)
        loadStoryText(QString::fromUtf8(row.story));
    switch (row.effect) {
    case Effect::SetFlagB:
        flags_.write(Flag::B, QStringLiteral("1"));
        break;
    case Effect::SetFlagBC:
        flags_.write(Flag::BC, QStringLiteral("1"));
        break;
    case Effect::SetFlagC:
        flags_.write(Flag::C, QStringLiteral("1"));
        break;
    case Effect::ShowAnswerBox:
        scene_.answerShown = true;
        emit answerBoxChanged();
        break;
    default:
        break;
    }
    setSlots(row.settings);
}

void Quest::setSlots(const SlotSetting (&settings)[3]) {
    for (size_t i = 0; i < 3; ++i) {
        if (settings[i].visibility != Visibility::Keep)
            scene_.choices[i].shown = settings[i].visibility == Visibility::Show;
        if (settings[i].caption)
            scene_.choices[i].caption = QString::fromUtf8(settings[i].caption);
    }
    emit slotsChanged();
}

void Quest::key(Key key) {
    if (busy_)
        return;
    BusyGuard guard(busy_);
    apply(key == Key::F8 ? f8Transition() : consoleKeyTransition());
}

void Quest::pointerOver(Pointer where) {
    if (where == Pointer::Neutral)
        return;
    for (int i = 0; i < 3; ++i)
        scene_.colours[i] = SlotColour::Normal;
    if (where != Pointer::Bare)
        scene_.colours[static_cast<int>(where)] = SlotColour::Highlight;
    emit coloursChanged();
}

void Quest::setAnswerText(const QString& text) {
    scene_.answerText = text;
}

} // namespace vortelia

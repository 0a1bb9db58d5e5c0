#pragma once
// The rules of the quest screen, apart from its window: the opening, LoadStoryText, the three
// choice slots and their tables, the hotkeys and the hover colours. The window draws scene() and
// forwards the player's events here.

#include "engine/choice_tables.h"
#include "engine/scene.h"
#include "platform/game_directory.h"
#include "platform/host.h"
#include "session/story_flags.h"

#include <QObject>

namespace vortelia {

// Where the quest hands the player over to another screen.
class QuestExits {
public:
    virtual ~QuestExits() = default;
    virtual void gameOverSwitch() = 0;
    virtual void openConsole() = 0;
};

// The first transition of the table whose caption and condition hold for the scene, or nullptr.
const Transition* findTransition(const ChoiceTable& table, const QString& caption, const Scene& scene);

class Quest : public QObject {
    Q_OBJECT
public:
    enum class Key { F8, Console };
    // What the pointer moves over: a shown slot, a bare part of the window, or a control that
    // leaves the colours alone (the story panel, the shown answer box).
    enum class Pointer { Slot1, Slot2, Slot3, Bare, Neutral };

    Quest(const GameDirectory& files, UiYield& yield, SoundService& sound, QuestExits& exits);

    const Scene& scene() const { return scene_; }
    // True while a handler reads a file: clicks and keys are ignored then.
    bool busy() const { return busy_; }

    // Opening captions, the quest music and the first passage. Throws Failure.
    void open();
    // A click on slot 0..2; ignored while busy or while the slot is hidden. Throws Failure.
    void click(int slot);
    // Throws Failure.
    void key(Key key);
    void pointerOver(Pointer where);
    void setAnswerText(const QString& text);
    // Clears the story panel, then appends each line of the file and CR LF, yielding after each.
    // Throws Failure when the file cannot be read, leaving the panel as far as it got.
    void loadStoryText(const QString& path);

signals:
    // A load begins: path is the story file about to be read.
    void storyLoadStarted(const QString& path);
    void storyCleared();
    void storyLineAdded(const QString& line);
    void slotsChanged();
    void coloursChanged();
    void answerBoxChanged();
    void flagsChanged();

private:
    void apply(const Transition& row);
    void setSlots(const SlotSetting (&settings)[3]);

    const GameDirectory& files_;
    UiYield& yield_;
    SoundService& sound_;
    QuestExits& exits_;
    StoryFlags flags_;
    Scene scene_;
    QString storyPath_; // what the last load opened
    bool busy_ = false;
};

} // namespace vortelia

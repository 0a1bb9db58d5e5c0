#pragma once
// The quest screen's window: draws the quest's scene and forwards the player's pointer moves,
// clicks, keys and close requests to it.

#include "engine/quest.h"
#include "platform/qt/hot_spot.h"
#include "platform/qt/look.h"
#include "platform/services.h"

#include <QWidget>

#include <array>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPainter;

namespace vortelia {

class TextPane;

// The quest screen's console key: the numeric keypad's separator, whatever the modifiers.
bool isConsoleKey(const QKeyEvent& event);

class Engine : public QWidget {
    Q_OBJECT
public:
    Engine(Quest& quest, const Services& services);

    TextPane* storyPanel() const { return storyPanel_; }
    QLabel* choiceSlot(int slot) const { return slots_[slot]; }
    QLabel* flagHolder(Flag flag) const { return flagHolders_[static_cast<size_t>(flag)]; }
    QLineEdit* answerBox() const { return answerBox_; }
    // The illustration of the place the passage is in, shown on the left panel.
    QString placePicture() const { return place_.resource(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void showSlots();
    void showColours();
    void showFlags();
    void paintChoiceRows(QPainter& painter);

    Quest& quest_;
    const Services& services_;
    TextPane* storyPanel_;
    std::array<HotSpot*, 3> slots_;
    std::array<QLabel*, 3> flagHolders_;
    QLineEdit* answerBox_;
    QLabel* answerCaption_;
    look::Backdrop backdrop_{QStringLiteral(":/art/quest_background.svg"), QSize(800, 600)};
    look::Backdrop place_;
};

} // namespace vortelia

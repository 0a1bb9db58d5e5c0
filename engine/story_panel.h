#pragma once
// The story panel: a label that grows line by line while a passage loads. Text below its bottom
// edge is cut off, so once the panel is full the lines after it are kept but never laid out:
// a long passage loads in time linear in its length.

#include <QLabel>

namespace vortelia {

class StoryPanel : public QLabel {
    Q_OBJECT
public:
    explicit StoryPanel(QWidget* parent = nullptr);

    void clearStory();
    void appendLine(const QString& line);
    // Whether the lines shown already fill the panel.
    bool full() const { return full_; }

private:
    QString shown_;
    bool full_ = false;
};

} // namespace vortelia

#include "engine/story_panel.h"

namespace vortelia {

StoryPanel::StoryPanel(QWidget* parent) : QLabel(parent) {
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
}

void StoryPanel::clearStory() {
    shown_.clear();
    full_ = false;
    setText(shown_);
}

void StoryPanel::appendLine(const QString& line) {
    if (full_)
        return;
    shown_ += line;
    shown_ += QLatin1Char('\n');
    setText(shown_);
    full_ = heightForWidth(width()) >= height();
}

} // namespace vortelia

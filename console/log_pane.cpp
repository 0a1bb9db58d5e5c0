#include "console/log_pane.h"

namespace vortelia {

LogPane::LogPane(QWidget* parent) : QLabel(parent) {
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
}

void LogPane::setPaneText(QStringView text) {
    shown_.clear();
    afterCr_ = false;
    full_ = false;
    appendPaneText(text);
    if (text.isEmpty())
        setText(shown_);
}

void LogPane::appendPaneText(QStringView text) {
    if (full_ || text.isEmpty())
        return;
    // A label breaks lines at LF only, so every line end becomes one LF.
    for (QChar c : text) {
        if (c == u'\r') {
            shown_ += u'\n';
            afterCr_ = true;
            continue;
        }
        if (c != u'\n' || !afterCr_)
            shown_ += c;
        afterCr_ = false;
    }
    setText(shown_);
    full_ = heightForWidth(width()) >= height();
}

} // namespace vortelia

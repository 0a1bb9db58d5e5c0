#pragma once
// A text pane (the story panel, the console's log and document): a word-wrapped label whose
// text is cut off at its bottom edge, without scrolling. A CR LF pair, and any CR or LF that is not part of
// one, ends a line. Once the text shown reaches the bottom edge, text appended after it could never be seen,
// so it is not laid out at all: a passage or a log that grows without limit costs the same per append and per
// repaint.

#include <QLabel>
#include <QPixmap>
#include <QStaticText>

namespace vortelia {

class TextPane : public QLabel {
    Q_OBJECT
public:
    explicit TextPane(QWidget* parent = nullptr);

    // Replaces the pane's text.
    void setPaneText(QStringView text);
    // Adds to the pane's text; a CR at the end of the previous text and an LF at the start of
    // this one form one line break.
    void appendPaneText(QStringView text);
    // Whether the text shown already reaches the bottom edge.
    bool full() const { return full_; }

protected:
    // Draws the laid-out text from a picture of it that is kept until the text changes.
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void layOut();

    QString shown_; // the text up to the line that reaches the bottom edge, lines ended by LF
    bool afterCr_ = false;
    bool full_ = false;
    QStaticText laidOut_;
    QPixmap rendered_;
};

} // namespace vortelia

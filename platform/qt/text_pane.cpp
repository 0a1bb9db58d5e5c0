#include "platform/qt/text_pane.h"

#include <QEvent>
#include <QPainter>
#include <QTextOption>

#include <algorithm>

namespace vortelia {

TextPane::TextPane(QWidget* parent) : QLabel(parent) {
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    laidOut_.setTextFormat(Qt::PlainText);
}

void TextPane::setPaneText(QStringView text) {
    shown_.clear();
    afterCr_ = false;
    full_ = false;
    appendPaneText(text);
    if (text.isEmpty())
        layOut();
}

void TextPane::appendPaneText(QStringView text) {
    // A long text goes in in pieces, so that no more is laid out than can be seen, even of a
    // single line of many megabytes.
    constexpr qsizetype piece = 4096;
    while (!full_ && !text.isEmpty()) {
        const QStringView head = text.first(std::min(piece, text.size()));
        text = text.sliced(head.size());
        // A label breaks lines at LF only, so every line end becomes one LF.
        for (QChar c : head) {
            if (c == u'\r') {
                shown_ += u'\n';
                afterCr_ = true;
                continue;
            }
            if (c != u'\n' || !afterCr_)
                shown_ += c;
            afterCr_ = false;
        }
        layOut();
    }
}

void TextPane::layOut() {
    setText(shown_);
    // A static text breaks lines at the line separator, not at LF; a word wider than the pane
    // breaks too, so that the pane fills up however the text is made.
    laidOut_.setText(QString(shown_).replace(u'\n', QChar::LineSeparator));
    QTextOption option(alignment() & Qt::AlignHorizontal_Mask);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    laidOut_.setTextOption(option);
    laidOut_.setTextWidth(contentsRect().width());
    laidOut_.prepare(QTransform(), font());
    full_ = laidOut_.size().height() >= contentsRect().height();
    rendered_ = QPixmap();
    update();
}

void TextPane::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    if (rendered_.isNull() || rendered_.devicePixelRatio() != ratio) {
        rendered_ = QPixmap(size() * ratio);
        rendered_.setDevicePixelRatio(ratio);
        rendered_.fill(Qt::transparent);
        QPainter painter(&rendered_);
        painter.setFont(font());
        painter.setPen(palette().color(foregroundRole()));
        painter.drawStaticText(contentsRect().topLeft(), laidOut_);
    }
    QPainter(this).drawPixmap(0, 0, rendered_);
}

void TextPane::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        layOut();
}

void TextPane::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    layOut();
}

} // namespace vortelia

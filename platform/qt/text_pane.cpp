#include "platform/qt/text_pane.h"

#include <QEvent>
#include <QPainter>

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
    layOut();
}

void TextPane::layOut() {
    setText(shown_);
    // A static text breaks lines at the line separator, not at LF.
    laidOut_.setText(QString(shown_).replace(u'\n', QChar::LineSeparator));
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

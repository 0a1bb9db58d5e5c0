#include "shell/about.h"

#include "platform/line_loading.h"
#include "platform/qt/hot_spot.h"
#include "platform/qt/qt_host.h"
#include "shell/splash.h"

#include <QCloseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace vortelia {

About::About(const Services& services) : services_(services) {
    look::setupWindow(*this, gameTitle(), QSize(797, 591));
    box_ = new QPlainTextEdit(this);
    box_->setObjectName(QStringLiteral("Text1"));
    box_->setGeometry(48, 264, 529, 297);
    box_->setReadOnly(true);
    box_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box_->setFont(look::serifFont(11));
    box_->setAccessibleName(QStringLiteral("Об игре"));
    look::setColours(*box_, {{QPalette::Base, QColor(0, 128, 128)}, {QPalette::Text, look::menuText}});
    // The picture draws the box's frame; the scroll bar is drawn in the same flat teal.
    box_->setFrameShape(QFrame::NoFrame);
    box_->verticalScrollBar()->setStyleSheet(QStringLiteral(
        "QScrollBar:vertical { background: #005a5a; width: 12px; margin: 0; border: none; }"
        "QScrollBar::handle:vertical { background: #3fd9cc; min-height: 28px; margin: 2px 3px;"
        " border-radius: 3px; }"
        "QScrollBar::handle:vertical:hover { background: #8ff8ee; }"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; border: none; }"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }"));

    back_ = new HotSpot(this, "Label2", QRect(592, 16, 193, 49), QStringLiteral("Назад"));
    connect(back_, &HotSpot::clicked, this, &About::backClicked);
    setFocusProxy(box_);
    box_->setFocus();
}

void About::open() {
    box_->clear();
    loadLines(services_.files, services_.yield, QStringLiteral("text\\read.tf"), [this](const QString& line) {
        box_->moveCursor(QTextCursor::End);
        box_->insertPlainText(line + QLatin1Char('\n'));
    });
    box_->moveCursor(QTextCursor::Start);
    box_->verticalScrollBar()->setValue(0);
}

void About::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    backdrop_.paint(painter, QPoint(0, 0), devicePixelRatioF());
    paintButtonStates(painter, {back_}, 4);
}

void About::closeEvent(QCloseEvent* event) {
    if (closeAskedByPlayer(*event))
        event->ignore();
}

} // namespace vortelia

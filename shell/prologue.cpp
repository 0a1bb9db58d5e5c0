#include "shell/prologue.h"

#include "platform/line_loading.h"
#include "platform/qt/hot_spot.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/text_pane.h"
#include "session/closing.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>

namespace vortelia {

IntoEngine::IntoEngine(const Services& services) : services_(services) {
    look::setupWindow(*this, gameTitle(), QSize(798, 596));
    panel_ = new TextPane(this);
    panel_->setObjectName(QStringLiteral("Label1"));
    panel_->setGeometry(168, 64, 457, 393);
    panel_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    panel_->setAttribute(Qt::WA_TranslucentBackground);
    look::setColours(*panel_, {{QPalette::WindowText, look::menuText}});

    begin_ = new HotSpot(this, "Label2", QRect(304, 504, 185, 41), QStringLiteral("Начать игру"));
    begin_->setText(QStringLiteral("Начать игру"));
    begin_->setAlignment(Qt::AlignCenter);
    begin_->setFont(look::sansFont(32));
    look::setColours(*begin_, {{QPalette::WindowText, QColor(192, 192, 192)}});
    connect(begin_, &HotSpot::clicked, this, &IntoEngine::beginClicked);
}

void IntoEngine::open() {
    services_.sound.execute(QStringLiteral("play sound\\intoeng.mp3"));
    panel_->setPaneText({});
    loadLines(services_.files, services_.yield, QStringLiteral("text\\into.tf"),
              [this](const QString& line) { panel_->appendPaneText(line + QStringLiteral("\r\n")); });
}

void IntoEngine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    backdrop_.paint(painter, QPoint(0, 0), devicePixelRatioF());
    // The state fills the whole drawn button, which is larger than its hot spot.
    const QRectF face = QRectF(begin_->geometry()).adjusted(-8, -6, 8, 6);
    look::paintButtonState(painter, face, begin_->state(), 6);
    if (begin_->state() == look::ButtonState::Rest)
        return;
    // The main button answers the pointer more strongly: a wider glow and the side chevrons
    // lit and drawn closer to it.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(25, 195, 181, 77), 6.0));
    painter.drawRoundedRect(face.adjusted(-4, -4, 4, 4), 9, 9);
    painter.setPen(QPen(QColor(143, 248, 238), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const qreal y = face.center().y();
    painter.drawPolyline(
        QPolygonF({{face.left() - 20, y - 8.5}, {face.left() - 11, y}, {face.left() - 20, y + 8.5}}));
    painter.drawPolyline(
        QPolygonF({{face.right() + 20, y - 8.5}, {face.right() + 11, y}, {face.right() + 20, y + 8.5}}));
}

void IntoEngine::closeEvent(QCloseEvent* event) {
    event->accept();
    runClosingSequence(services_, FlagReset::No);
}

} // namespace vortelia

#include "shell/prologue.h"

#include "engine/closing.h"
#include "platform/line_loading.h"
#include "platform/qt/hot_spot.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/text_pane.h"

#include <QCloseEvent>
#include <QLabel>

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

void IntoEngine::closeEvent(QCloseEvent* event) {
    event->accept();
    runClosingSequence(services_, FlagReset::No);
}

} // namespace vortelia

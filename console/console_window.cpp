#include "console/console_window.h"

#include "platform/qt/hot_spot.h"
#include "platform/qt/picture.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/text_pane.h"
#include "session/closing.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QPainter>

namespace vortelia {
namespace {

struct PictureSlotPlace {
    const char* name;
    const char* resource;
    QRect geometry;
    const char* description;
};

const PictureSlotPlace picturePlaces[] = {
    {"Image1", ":/art/console_universe.svg", {456, 456, 300, 107}, "Набросок: наша Вселенная"},
    {"Image2", ":/art/console_equation.svg", {456, 464, 300, 91}, "Уравнение времени"},
    {"Image3", ":/art/console_portrait.svg", {552, 480, 100, 75}, "Фотография"},
    {"Image4", ":/art/console_stranger.svg", {528, 456, 150, 113}, "Размытая фотография"},
};

TextPane* makePane(QWidget* parent, const char* name, QRect geometry, const QColor& colour,
                   const QString& description) {
    auto* pane = new TextPane(parent);
    pane->setObjectName(QLatin1String(name));
    pane->setGeometry(geometry);
    pane->setAttribute(Qt::WA_TranslucentBackground);
    pane->setFont(look::uiFont());
    look::setColours(*pane, {{QPalette::WindowText, colour}});
    pane->setAccessibleDescription(description);
    return pane;
}

} // namespace

BLNC::BLNC(const Services& services) : services_(services) {
    look::setupWindow(*this, gameTitle() + QStringLiteral(": консоль управления AI Voriva VUR"),
                      QSize(797, 591));

    input_ = new QLineEdit(this);
    input_->setObjectName(QStringLiteral("Text"));
    input_->setGeometry(32, 448, 305, 23);
    input_->setFrame(false);
    input_->setFont(look::sansFont(16));
    input_->setAccessibleName(QStringLiteral("Команда"));
    look::setColours(*input_, {{QPalette::Base, QColor(64, 64, 64)}, {QPalette::Text, QColor(0, 128, 128)}});

    log_ = makePane(this, "Con", QRect(32, 72, 377, 345), QColor(128, 128, 128),
                    QStringLiteral("Журнал консоли"));
    log_->setPaneText(console_.log());
    document_ =
        makePane(this, "Texcon", QRect(440, 72, 337, 345), look::highlight, QStringLiteral("Документ"));

    // Made after the log pane, whose top-right corner the knob's hot spot overlaps.
    clearSpot_ = new HotSpot(this, "Label1", QRect(392, 64, 25, 25), QStringLiteral("Очистить"));
    runSpot_ = new HotSpot(this, "Label3", QRect(344, 440, 73, 41), QStringLiteral("Выполнить"));
    connect(clearSpot_, &HotSpot::clicked, this, &BLNC::clearLog);
    connect(runSpot_, &HotSpot::clicked, this, &BLNC::runInput);

    for (size_t i = 0; i < pictures_.size(); ++i) {
        const PictureSlotPlace& place = picturePlaces[i];
        pictures_[i] = new Picture(this, place.name, QLatin1String(place.resource), place.geometry,
                                   QString::fromUtf8(place.description));
        pictures_[i]->hide();
    }

    input_->setFocus();
}

void BLNC::runInput() {
    runHandler(services_.program, services_.report, [&] {
        const qsizetype before = console_.log().size();
        const bool ends = console_.run(input_->text());
        // Every row appends at least CR LF: an unchanged log means no row matched.
        if (console_.log().size() == before)
            return;
        log_->appendPaneText(QStringView(console_.log()).sliced(before));
        if (console_.document() != shownDocument_) {
            shownDocument_ = console_.document();
            document_->setPaneText(shownDocument_);
        }
        for (size_t i = 0; i < pictures_.size(); ++i)
            pictures_[i]->setVisible(console_.picture() == static_cast<int>(i) + 1);
        if (ends) {
            ended_ = true;
            services_.program.end(0);
        }
    });
}

void BLNC::clearLog() {
    console_.clear();
    log_->setPaneText(console_.log());
}

void BLNC::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    backdrop_.paint(painter, QPoint(0, 0), devicePixelRatioF());
    paintButtonStates(painter, {runSpot_}, 4);
    // The clear knob is round.
    paintButtonStates(painter, {clearSpot_}, 12.5);
}

void BLNC::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!ended_)
        runClosingSequence(services_, FlagReset::Yes);
}

} // namespace vortelia

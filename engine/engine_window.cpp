#include "engine/engine_window.h"

#include "engine/places.h"
#include "platform/qt/hot_spot.h"
#include "platform/qt/look.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/text_pane.h"
#include "session/closing.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

namespace vortelia {
namespace {

const QColor slotNormal(0, 170, 164);
const QColor slotHighlight(5, 253, 244);

QLabel* makeLabel(QWidget* parent, const char* name, QRect geometry) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

} // namespace

bool isConsoleKey(const QKeyEvent& event) {
    // The keypad's separator key: VK_SEPARATOR on Windows; keysym KP_Separator on X11, which Qt
    // reports as a keypad comma. Russian and German layouts also put KP_Separator on the keypad's
    // decimal key (keycode 91), which is VK_DECIMAL on Windows, not the console key.
#ifdef Q_OS_WIN
    constexpr quint32 windowsSeparator = 108;
    return event.nativeVirtualKey() == windowsSeparator;
#else
    constexpr quint32 x11Separator = 0xffac;
    constexpr quint32 x11DecimalKey = 91;
    if (event.nativeScanCode() == x11DecimalKey)
        return false;
    return event.nativeVirtualKey() == x11Separator ||
           (event.key() == Qt::Key_Comma && event.modifiers().testFlag(Qt::KeypadModifier));
#endif
}

// The left panel's illustration sits inside the panel's frame of the background.
constexpr QPoint placeCorner(8, 8);
constexpr QSize placeSize(432, 582);

Engine::Engine(Quest& quest, const Services& services)
    : quest_(quest), services_(services), place_(vortelia::placePicture(Place::Hall), placeSize) {
    look::setupWindow(*this, gameTitle(), QSize(800, 598));
    setMouseTracking(true);
    // Clicks on the labels or the picture leave the focus where it is: once the answer box has
    // it, it keeps it, and the window's hotkeys stay off.
    setFocusPolicy(Qt::TabFocus);

    storyPanel_ = new TextPane(this);
    storyPanel_->setObjectName(QStringLiteral("Label1"));
    storyPanel_->setGeometry(456, 8, 329, 465);
    storyPanel_->setAttribute(Qt::WA_TranslucentBackground);
    look::setColours(*storyPanel_, {{QPalette::WindowText, look::highlight}});
    // The passage itself is what a screen reader reads: no accessible name over it.
    storyPanel_->setAccessibleDescription(QStringLiteral("Текст истории"));

    static const char* slotNames[] = {"Label2", "Label3", "Label4"};
    for (int i = 0; i < 3; ++i) {
        slots_[i] = new HotSpot(this, slotNames[i], QRect(472, 504 + 32 * i, 297, 17));
        slots_[i]->setAlignment(Qt::AlignCenter);
        connect(slots_[i], &HotSpot::stateChanged, this, [this] { update(); });
        connect(slots_[i], &HotSpot::clicked, this,
                [this, i] { runHandler(services_.program, services_.report, [&] { quest_.click(i); }); });
    }
    static const char* holderNames[] = {"Label11", "Label12", "Label13"};
    static const QRect holderPlaces[] = {{328, 232, 33, 25}, {328, 264, 33, 25}, {376, 264, 33, 25}};
    for (int i = 0; i < 3; ++i) {
        flagHolders_[i] = makeLabel(this, holderNames[i], holderPlaces[i]);
        flagHolders_[i]->hide();
    }

    answerBox_ = new QLineEdit(this);
    answerBox_->setObjectName(QStringLiteral("Text1"));
    answerBox_->setGeometry(520, 504, 201, 19);
    answerBox_->setAlignment(Qt::AlignCenter);
    answerBox_->setFrame(false);
    answerBox_->setAccessibleName(QStringLiteral("Ответ"));
    look::setColours(*answerBox_,
                     {{QPalette::Base, QColor(64, 64, 64)}, {QPalette::Text, QColor(0, 192, 192)}});
    answerBox_->hide();
    // Tells the player what the box asks for; it comes and goes with the box.
    answerCaption_ = new QLabel(QStringLiteral("Пароль:"), this);
    answerCaption_->setObjectName(QStringLiteral("answerCaption"));
    answerCaption_->setGeometry(470, 504, 46, 19);
    answerCaption_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    answerCaption_->setAttribute(Qt::WA_TranslucentBackground);
    answerCaption_->setBuddy(answerBox_);
    look::setColours(*answerCaption_, {{QPalette::WindowText, look::highlight}});
    answerCaption_->hide();

    for (QWidget* w : {static_cast<QWidget*>(storyPanel_), static_cast<QWidget*>(answerBox_)}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
    for (QLabel* slot : slots_) {
        slot->setMouseTracking(true);
        slot->installEventFilter(this);
    }

    connect(&quest_, &Quest::storyLoadStarted, this, [this](const QString& path) {
        place_.setResource(vortelia::placePicture(placeOf(path)));
        update(QRect(placeCorner, placeSize));
    });
    connect(&quest_, &Quest::storyCleared, storyPanel_, [this] { storyPanel_->setPaneText({}); });
    connect(&quest_, &Quest::storyLineAdded, storyPanel_,
            [this](const QString& line) { storyPanel_->appendPaneText(line + QStringLiteral("\r\n")); });
    connect(&quest_, &Quest::slotsChanged, this, &Engine::showSlots);
    connect(&quest_, &Quest::coloursChanged, this, &Engine::showColours);
    connect(&quest_, &Quest::flagsChanged, this, &Engine::showFlags);
    connect(&quest_, &Quest::answerBoxChanged, this, [this] {
        answerBox_->setVisible(quest_.scene().answerShown);
        answerCaption_->setVisible(quest_.scene().answerShown);
        update();
    });
    connect(answerBox_, &QLineEdit::textChanged, &quest_, &Quest::setAnswerText);
    showSlots();
}

void Engine::showSlots() {
    const Scene& scene = quest_.scene();
    for (int i = 0; i < 3; ++i) {
        slots_[i]->setText(scene.choices[i].caption);
        slots_[i]->setAccessibleName(scene.choices[i].caption);
        slots_[i]->setVisible(scene.choices[i].shown);
    }
    update();
}

void Engine::showColours() {
    const Scene& scene = quest_.scene();
    for (int i = 0; i < 3; ++i) {
        if (scene.colours[i] != SlotColour::Default)
            look::setColours(*slots_[i],
                             {{QPalette::WindowText,
                               scene.colours[i] == SlotColour::Highlight ? slotHighlight : slotNormal}});
    }
}

void Engine::showFlags() {
    for (int i = 0; i < 3; ++i)
        flagHolders_[i]->setText(quest_.scene().flags[i]);
}

void Engine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    backdrop_.paint(painter, QPoint(0, 0), ratio);
    place_.paint(painter, placeCorner, ratio);
    paintChoiceRows(painter);
}

void Engine::paintChoiceRows(QPainter& painter) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // Row markers only beside the slots that are shown: a hidden slot leaves an empty panel. The
    // markers sit between the panel's frame and the hover glow, so neither covers them.
    for (int i = 0; i < 3; ++i) {
        if (!slots_[i]->isVisible())
            continue;
        const QRect row = slots_[i]->geometry();
        const look::ButtonState state = slots_[i]->state();
        look::paintButtonState(painter, QRectF(row).adjusted(-4, -6, 4, 6), state, 4);
        const bool lit = state != look::ButtonState::Rest;
        painter.setPen(QPen(lit ? QColor(143, 248, 238) : QColor(63, 217, 204, 150), lit ? 1.4 : 1.0));
        const qreal y = row.center().y() + 0.5;
        painter.drawPolyline(QPolygonF({{463, y - 3.5}, {467, y}, {463, y + 3.5}}));
        painter.drawPolyline(QPolygonF({{779, y - 3.5}, {775, y}, {779, y + 3.5}}));
        // A separator only between two shown rows, never under the last one.
        if (i > 0 && slots_[i - 1]->isVisible()) {
            painter.setPen(QPen(QColor(63, 217, 204, 31), 1.0));
            const qreal between = row.top() - 7.5;
            painter.drawLine(QPointF(490, between), QPointF(752, between));
        }
    }
    if (answerBox_->isVisible()) {
        const QRectF box = QRectF(answerBox_->geometry()).adjusted(-2.5, -2.5, 2.5, 2.5);
        painter.setPen(QPen(QColor(25, 195, 181, 60), 4.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(box, 3, 3);
        painter.setPen(QPen(QColor(143, 248, 238), 1.0));
        painter.drawRoundedRect(box, 3, 3);
    }
    painter.restore();
}

void Engine::mouseMoveEvent(QMouseEvent*) {
    quest_.pointerOver(Quest::Pointer::Bare);
}

bool Engine::eventFilter(QObject* watched, QEvent* event) {
    const auto slot = std::find(slots_.begin(), slots_.end(), watched);
    const int index = slot == slots_.end() ? -1 : static_cast<int>(slot - slots_.begin());
    if (event->type() != QEvent::MouseMove)
        return false;
    quest_.pointerOver(index >= 0 ? static_cast<Quest::Pointer>(index) : Quest::Pointer::Neutral);
    // The story panel swallows the move so that it does not reach the window as bare.
    return watched != answerBox_;
}

void Engine::keyPressEvent(QKeyEvent* event) {
    if (answerBox_->hasFocus())
        return;
    if (event->key() == Qt::Key_F8)
        runHandler(services_.program, services_.report, [&] { quest_.key(Quest::Key::F8); });
    else if (isConsoleKey(*event))
        runHandler(services_.program, services_.report, [&] { quest_.key(Quest::Key::Console); });
}

// Tab and Shift+Tab would hand the focus from the answer box to the window, whose hotkeys would
// then run: the answer box is the one control that takes the focus, and it keeps it.
bool Engine::focusNextPrevChild(bool) {
    return true;
}

void Engine::closeEvent(QCloseEvent* event) {
    event->accept();
    runClosingSequence(services_, FlagReset::Yes);
}

} // namespace vortelia

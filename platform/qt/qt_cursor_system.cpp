#include "platform/qt/qt_cursor_system.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QPixmap>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vortelia {

namespace {

constexpr int kLogicalSize = 32;
// Cursor files are a few kilobytes; a larger file is not read into memory at all.
constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;
// One jiffy: a step of 0 would spin the timer.
constexpr int kMinStepMs = 16;
// The cursor this system last gave a window, so a cursor the window set itself is told apart.
constexpr char kGivenCursor[] = "vortelia_arrow";

int side(const QImage& image) {
    return std::max(image.width(), image.height());
}

} // namespace

QCursor cursorForFrame(const CursorFrame& frame, qreal devicePixelRatio, HotspotUnits units) {
    if (frame.sizes.empty())
        return QCursor();
    const double target = kLogicalSize * devicePixelRatio;
    const CursorImage* best = &frame.sizes.front();
    for (const CursorImage& candidate : frame.sizes) {
        const double d = std::abs(side(candidate.image) - target);
        const double bestD = std::abs(side(best->image) - target);
        if (d < bestD || (d == bestD && side(candidate.image) > side(best->image)))
            best = &candidate;
    }
    // Drawn at 32 logical pixels whatever its size, as Windows scales to its cursor size; a larger
    // image is scaled down here, since not every platform honours a pixmap's pixel ratio.
    QImage image = best->image;
    QPoint hotspot = best->hotspot;
    const int wanted = std::max(1, static_cast<int>(std::lround(target)));
    if (side(image) > wanted) {
        const double f = static_cast<double>(wanted) / side(image);
        image = image.scaled(std::max(1, static_cast<int>(std::lround(image.width() * f))),
                             std::max(1, static_cast<int>(std::lround(image.height() * f))),
                             Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        hotspot = QPoint(std::min(static_cast<int>(std::lround(hotspot.x() * f)), image.width() - 1),
                         std::min(static_cast<int>(std::lround(hotspot.y() * f)), image.height() - 1));
    }
    const qreal ratio = static_cast<qreal>(side(image)) / kLogicalSize;
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    if (units == HotspotUnits::ImagePixels)
        return QCursor(pixmap, hotspot.x(), hotspot.y());
    return QCursor(pixmap, static_cast<int>(std::lround(hotspot.x() / ratio)),
                   static_cast<int>(std::lround(hotspot.y() / ratio)));
}

QtCursorSystem::QtCursorSystem(QObject* parent) : QObject(parent) {
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        units_ = HotspotUnits::ImagePixels;
    arrow_ = add(Shape{Qt::ArrowCursor, nullptr, {}});
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &QtCursorSystem::advanceArrow);
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(this);
}

QtCursorSystem::~QtCursorSystem() {
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

CursorHandle QtCursorSystem::add(Shape shape) {
    const CursorHandle handle = next_++;
    shapes_.emplace(handle, std::move(shape));
    return handle;
}

CursorHandle QtCursorSystem::loadFromFile(const QString& hostPath) {
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileSize)
        return 0;
    std::optional<CursorFile> parsed = parseCursorFile(file.read(kMaxFileSize));
    if (!parsed)
        return 0;
    return add(Shape{std::nullopt, std::make_shared<const CursorFile>(std::move(*parsed)), {}});
}

CursorHandle QtCursorSystem::current() {
    return arrow_;
}

CursorHandle QtCursorSystem::copy(CursorHandle cursor) {
    const auto it = shapes_.find(cursor);
    if (it == shapes_.end())
        return 0;
    // The pictures never change, so the copy may share them.
    return add(it->second);
}

void QtCursorSystem::setArrow(CursorHandle cursor) {
    if (shapes_.find(cursor) == shapes_.end())
        return;
    arrow_ = cursor;
    step_ = 0;
    applied_ = true;
    timer_.stop();
    applyToAll();
    scheduleStep();
}

void QtCursorSystem::advanceArrow() {
    const Shape& shape = shapes_.at(arrow_);
    if (!shape.file || shape.file->steps.size() < 2)
        return;
    step_ = (step_ + 1) % static_cast<int>(shape.file->steps.size());
    applyToAll();
    scheduleStep();
}

void QtCursorSystem::scheduleStep() {
    const Shape& shape = shapes_.at(arrow_);
    if (under_ && shape.file && shape.file->animated())
        timer_.start(std::max(shape.file->steps[step_].durationMs, kMinStepMs));
}

QCursor QtCursorSystem::cursorFor(QWidget* window) const {
    const Shape& shape = shapes_.at(arrow_);
    if (shape.standard)
        return QCursor(*shape.standard);
    std::vector<QCursor>& frames = shape.built[window->devicePixelRatio()];
    if (frames.empty()) {
        for (const CursorFrame& frame : shape.file->frames)
            frames.push_back(cursorForFrame(frame, window->devicePixelRatio(), units_));
    }
    return frames[shape.file->steps[step_].frame];
}

void QtCursorSystem::apply(QWidget* window) const {
    if (window->windowType() == Qt::Desktop)
        return;
    if (window->testAttribute(Qt::WA_SetCursor)) {
        // A window that chose a cursor of its own keeps it.
        const QVariant given = window->property(kGivenCursor);
        if (!given.isValid() || given.value<QCursor>() != window->cursor())
            return;
    }
    const QCursor cursor = cursorFor(window);
    if (window->testAttribute(Qt::WA_SetCursor) && window->cursor() == cursor)
        return;
    window->setCursor(cursor);
    window->setProperty(kGivenCursor, QVariant::fromValue(cursor));
}

void QtCursorSystem::applyToAll() const {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    for (QWidget* window : QApplication::topLevelWidgets())
        apply(window);
}

bool QtCursorSystem::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType() || !static_cast<QWidget*>(watched)->isWindow())
        return QObject::eventFilter(watched, event);
    auto* window = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Polish:
        if (applied_)
            apply(window);
        break;
    case QEvent::Enter:
        // A window gets Enter and Leave only when the pointer crosses its outer edge.
        under_ = window;
        if (!timer_.isActive())
            scheduleStep();
        break;
    case QEvent::Leave:
    case QEvent::Hide:
        if (under_ == window) {
            under_ = nullptr;
            timer_.stop();
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vortelia

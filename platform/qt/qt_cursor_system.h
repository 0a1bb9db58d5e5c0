#pragma once
// Cursor handles on Qt: the game's arrow is set on every top-level window of the application,
// also on windows shown later, and an animated arrow steps through its frames on a timer while
// the pointer is over one of those windows (elsewhere nobody sees it, and the process stays idle).

#include "platform/arrow_cursor.h"
#include "platform/cursor_file.h"

#include <QCursor>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <map>
#include <memory>
#include <optional>

class QWidget;

namespace vortelia {

// How a platform reads a pixmap cursor's hotspot: Qt's own convention is logical pixels, but its
// xcb plugin passes the hotspot to the X server unscaled, as pixels of the pixmap.
enum class HotspotUnits { Logical, ImagePixels };

// The cursor for one frame at a screen's device pixel ratio: the image nearest 32 logical pixels
// at that ratio, drawn at the image's own ratio to 32, the hotspot in the units given.
QCursor cursorForFrame(const CursorFrame& frame, qreal devicePixelRatio,
                       HotspotUnits units = HotspotUnits::Logical);

class QtCursorSystem : public QObject, public CursorSystem {
    Q_OBJECT
public:
    // Watches the application's windows from now on; the arrow in use is Qt's standard arrow.
    explicit QtCursorSystem(QObject* parent = nullptr);
    ~QtCursorSystem() override;

    CursorHandle loadFromFile(const QString& hostPath) override;
    CursorHandle current() override;
    CursorHandle copy(CursorHandle cursor) override;
    void setArrow(CursorHandle cursor) override;

    // The step of the arrow's animation on show now; 0 for a still arrow.
    int arrowStep() const { return step_; }
    // Moves an animated arrow on to its next step at once, as its timer does; nothing for a still one.
    void advanceArrow();
    // Whether the animation's timer runs now.
    bool animating() const { return timer_.isActive(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Shape {
        std::optional<Qt::CursorShape> standard;             // a shape of Qt's, or else
        std::shared_ptr<const CursorFile> file;              // the pictures of a cursor file
        mutable std::map<qreal, std::vector<QCursor>> built; // per device pixel ratio, per frame
    };

    CursorHandle add(Shape shape);
    QCursor cursorFor(QWidget* window) const;
    void apply(QWidget* window) const;
    void applyToAll() const;
    void scheduleStep();

    std::map<CursorHandle, Shape> shapes_;
    CursorHandle next_ = 1;
    CursorHandle arrow_ = 0;
    int step_ = 0;
    HotspotUnits units_ = HotspotUnits::Logical;
    bool applied_ = false;    // windows are left alone until the first setArrow
    QPointer<QWidget> under_; // the window the pointer is over
    QTimer timer_;
};

} // namespace vortelia

#pragma once
// The game's pinned look: fonts shipped in the game directory, the palette, and the colours the
// windows use, so that nothing depends on the desktop theme.

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QPixmap>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <initializer_list>
#include <utility>

class QApplication;
class QPainter;

namespace vortelia::look {

// The system colour roles as the game maps them.
inline const QColor highlight{150, 240, 232}; // story and document text
inline const QColor menuText{255, 255, 255};  // prologue and readme text: 4.8:1 on the readme teal
inline const QColor labelText{0, 170, 164};   // labels without a colour of their own
inline const QColor windowBack{8, 30, 34};

// Loads the fonts of the game directory's "fonts" folder; false if none could be loaded.
bool loadFonts(const QString& fontsDir);
// Application palette, default font and style.
void apply(QApplication& app);

// Gives the widget its own colours for the given palette roles.
void setColours(QWidget& widget, std::initializer_list<std::pair<QPalette::ColorRole, QColor>> colours);

// The default UI font (8-point sans-serif) and its kin.
QFont uiFont();
QFont sansFont(int pixelSize);
QFont serifFont(int pixelSize);

// The program icon, from its SVG at 32 and 48 pixels.
QIcon programIcon();
// A picture of the program's resources rendered for the widget's device pixel ratio.
QPixmap picture(const QString& resource, QSize size, qreal devicePixelRatio);

// A window's background picture, drawn from its top-left corner, re-rendered when the window
// moves to a screen with another device pixel ratio.
class Backdrop {
public:
    Backdrop(QString resource, QSize size) : resource_(std::move(resource)), size_(size) {}
    void paint(QWidget& window);
    // Draws the picture with its top-left corner at `at`, rendered for `ratio`.
    void paint(QPainter& painter, QPoint at, qreal ratio);
    // Another picture of the same size; rendered on the next paint.
    void setResource(const QString& resource);
    const QString& resource() const { return resource_; }

private:
    QString resource_;
    QSize size_;
    QPixmap pixmap_;
};

// The look of a drawn button under its transparent hot spot: nothing at rest, a soft glow while
// the pointer is over it, a brighter, inset glow while it is held down.
enum class ButtonState { Rest, Hover, Down };
void paintButtonState(QPainter& painter, QRectF rect, ButtonState state, qreal radius = 6);

// A fixed-size top-level window with the game's caption and icon, a close button and no
// maximise button.
void setupWindow(QWidget& window, const QString& title, QSize clientSize);
// Centres a window's whole frame on its screen's available area, now and again once the window
// manager has put its frame around it (the frame is unknown before the window is first shown).
void centre(QWidget& window);
// Where a window's frame goes so that the frame, of the client size and frame margins given,
// is centred on the available area.
QPoint centredFramePosition(const QRect& available, QSize clientSize, const QMargins& frame);

} // namespace vortelia::look

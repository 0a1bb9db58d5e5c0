#include "platform/qt/look.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QIcon>
#include <QPainter>
#include <QPalette>
#include <QScreen>
#include <QStyleFactory>
#include <QSvgRenderer>

namespace vortelia::look {

namespace {
const QString sansFamily = QStringLiteral("PT Sans");
const QString serifFamily = QStringLiteral("PT Serif");
} // namespace

bool loadFonts(const QString& fontsDir) {
    bool any = false;
    const QDir dir(fontsDir);
    for (const QString& name : dir.entryList({QStringLiteral("*.ttf")}, QDir::Files))
        any |= QFontDatabase::addApplicationFont(dir.filePath(name)) >= 0;
    return any;
}

QFont sansFont(int pixelSize) {
    QFont font(sansFamily);
    font.setPixelSize(pixelSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont serifFont(int pixelSize) {
    QFont font(serifFamily);
    font.setPixelSize(pixelSize);
    font.setStyleHint(QFont::Serif);
    return font;
}

void setColours(QWidget& widget, std::initializer_list<std::pair<QPalette::ColorRole, QColor>> colours) {
    QPalette palette = widget.palette();
    for (const auto& [role, colour] : colours)
        palette.setColor(role, colour);
    widget.setPalette(palette);
}

QFont uiFont() {
    return sansFont(11);
}

void apply(QApplication& app) {
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette palette;
    palette.setColor(QPalette::Window, windowBack);
    palette.setColor(QPalette::WindowText, labelText);
    palette.setColor(QPalette::Base, QColor(16, 48, 52));
    palette.setColor(QPalette::Text, highlight);
    palette.setColor(QPalette::Button, QColor(16, 56, 60));
    palette.setColor(QPalette::ButtonText, highlight);
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, windowBack);
    palette.setColor(QPalette::ToolTipBase, windowBack);
    palette.setColor(QPalette::ToolTipText, highlight);
    app.setPalette(palette);
    app.setFont(uiFont());
    app.setWindowIcon(programIcon());
}

QIcon programIcon() {
    QIcon icon;
    for (int size : {32, 48})
        icon.addPixmap(picture(QStringLiteral(":/art/icon.svg"), QSize(size, size), 1.0));
    return icon;
}

QPixmap picture(const QString& resource, QSize size, qreal devicePixelRatio) {
    QSvgRenderer renderer(resource);
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

void Backdrop::paint(QWidget& window) {
    QPainter painter(&window);
    paint(painter, QPoint(0, 0), window.devicePixelRatioF());
}

void Backdrop::paint(QPainter& painter, QPoint at, qreal ratio) {
    if (pixmap_.isNull() || pixmap_.devicePixelRatio() != ratio)
        pixmap_ = picture(resource_, size_, ratio);
    painter.drawPixmap(at, pixmap_);
}

void Backdrop::setResource(const QString& resource) {
    if (resource == resource_)
        return;
    resource_ = resource;
    pixmap_ = QPixmap();
}

void paintButtonState(QPainter& painter, QRectF rect, ButtonState state, qreal radius) {
    if (state == ButtonState::Rest)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const bool down = state == ButtonState::Down;
    // Light enough that captions drawn under it keep 4.5:1 when pressed; the press shows in the
    // thicker edge and the stronger glow rather than in a brighter fill.
    QColor fill(25, 195, 181, down ? 46 : 40);
    QColor edge(143, 248, 238, down ? 255 : 190);
    painter.setPen(Qt::NoPen);
    for (int spread = 5; spread >= 1; --spread) {
        painter.setBrush(QColor(25, 195, 181, down ? 16 : 13));
        painter.drawRoundedRect(rect.adjusted(-spread, -spread, spread, spread), radius + spread,
                                radius + spread);
    }
    painter.setBrush(fill);
    painter.setPen(QPen(edge, down ? 2.0 : 1.0));
    const qreal inset = down ? 1.5 : 0.5;
    painter.drawRoundedRect(rect.adjusted(inset, inset, -inset, -inset), radius, radius);
    painter.restore();
}

void setupWindow(QWidget& window, const QString& title, QSize clientSize) {
    window.setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    window.setWindowTitle(title);
    window.setWindowIcon(programIcon());
    window.setFixedSize(clientSize);
}

QPoint centredFramePosition(const QRect& available, QSize clientSize, const QMargins& frame) {
    const QSize whole = clientSize.grownBy(frame);
    return {available.x() + (available.width() - whole.width()) / 2,
            available.y() + (available.height() - whole.height()) / 2};
}

namespace {

void centreNow(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(),
                           frame.right() - client.right(), frame.bottom() - client.bottom());
    window.move(centredFramePosition(screen->availableGeometry(), client.size(), margins));
}

// Centres the window once more when its frame first becomes known, then goes.
class CentreOnceFramed : public QObject {
public:
    explicit CentreOnceFramed(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const auto type = event->type();
        if ((type == QEvent::Move || type == QEvent::Show || type == QEvent::WindowActivate) &&
            window_.frameGeometry().size() != window_.size()) {
            window_.removeEventFilter(this);
            centreNow(window_);
            deleteLater();
        }
        return false;
    }

private:
    QWidget& window_;
};

} // namespace

void centre(QWidget& window) {
    centreNow(window);
    if (window.frameGeometry().size() == window.size())
        new CentreOnceFramed(window);
}

} // namespace vortelia::look

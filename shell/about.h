#pragma once
// The About screen: the readme in a read-only box, and the back hot spot to the menu.

#include "platform/qt/look.h"
#include "platform/services.h"

#include <QWidget>

class QPlainTextEdit;

namespace vortelia {

class HotSpot;

class About : public QWidget {
    Q_OBJECT
public:
    explicit About(const Services& services);

    // The opening: "text\read.tf" into the readme box line by line. Throws Failure.
    void open();
    QPlainTextEdit* readmeBox() const { return box_; }
    HotSpot* backSpot() const { return back_; }

signals:
    void backClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    const Services& services_;
    QPlainTextEdit* box_;
    HotSpot* back_;
    look::Backdrop backdrop_{QStringLiteral(":/art/about_background.svg"), QSize(800, 600)};
};

} // namespace vortelia

#pragma once
// The prologue screen (form IntoEngine): its music, the prologue text, and the begin label.

#include "platform/qt/look.h"
#include "platform/services.h"

#include <QWidget>

class QLabel;

namespace vortelia {

class HotSpot;
class TextPane;

class IntoEngine : public QWidget {
    Q_OBJECT
public:
    explicit IntoEngine(const Services& services);

    // The opening: "play sound\intoeng.mp3", then "text\into.tf" into the prologue panel line by
    // line (a text pane: what falls below its bottom edge is never laid out). Throws Failure.
    void open();
    TextPane* prologuePanel() const { return panel_; }
    HotSpot* beginLabel() const { return begin_; }

signals:
    void beginClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    const Services& services_;
    TextPane* panel_;
    HotSpot* begin_;
    look::Backdrop backdrop_{QStringLiteral(":/art/prologue_background.svg"), QSize(800, 600)};
};

} // namespace vortelia

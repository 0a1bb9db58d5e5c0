#pragma once
// The console screen (form BLNC): the input line, the log and document panes, the two hot spots
// and the four picture slots, driven by the console's interpreter.

#include "console/console.h"
#include "platform/qt/look.h"
#include "platform/services.h"

#include <QWidget>

#include <array>

class QLineEdit;

namespace vortelia {

class HotSpot;
class TextPane;

class BLNC : public QWidget {
    Q_OBJECT
public:
    explicit BLNC(const Services& services);

    const Console& console() const { return console_; }
    QLineEdit* inputLine() const { return input_; }
    TextPane* logPane() const { return log_; }
    TextPane* documentPane() const { return document_; }
    HotSpot* clearSpot() const { return clearSpot_; }
    HotSpot* runSpot() const { return runSpot_; }
    // Slot 1 to 4.
    QWidget* pictureSlot(int slot) const { return pictures_[slot - 1]; }

    // What a click on the run hot spot does: runs the input line's whole text; the end command
    // then ends the program without the closing sequence.
    void runInput();
    // What a click on the clear hot spot does: the log becomes ">_".
    void clearLog();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    const Services& services_;
    Console console_;
    QLineEdit* input_;
    TextPane* log_;
    TextPane* document_;
    HotSpot* clearSpot_;
    HotSpot* runSpot_;
    std::array<QWidget*, 4> pictures_;
    QString shownDocument_;
    bool ended_ = false; // the end command ran: the program ends without the closing sequence
    look::Backdrop backdrop_{QStringLiteral(":/art/console_background.svg"), QSize(800, 600)};
};

} // namespace vortelia

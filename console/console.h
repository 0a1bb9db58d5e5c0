#pragma once
// The console's interpreter without its window: the log, the document and the picture slot that
// the command table's rows set.

#include <QString>

namespace vortelia {

class Console {
public:
    const QString& log() const { return log_; }
    const QString& document() const { return document_; }
    // The visible picture slot, 1 to 4, or 0 when all four are hidden.
    int picture() const { return picture_; }

    // Applies the row whose input is exactly this text: the log gets CR LF and its reply, the
    // document and the picture slot become the row's. Without a row nothing changes. Returns
    // whether the row ends the program.
    bool run(const QString& input);
    // Sets the log to ">_"; the document and the picture stay.
    void clear();

private:
    QString log_ = QStringLiteral(">_");
    QString document_;
    int picture_ = 0;
};

} // namespace vortelia

#pragma once
// An image control: a picture of the program's resources drawn unscaled from its top-left
// corner, sharp at any device pixel ratio.

#include "platform/qt/look.h"

#include <QWidget>

namespace vortelia {

class Picture : public QWidget {
    Q_OBJECT
public:
    Picture(QWidget* parent, const char* objectName, const QString& resource, QRect geometry,
            const QString& accessibleName);

protected:
    void paintEvent(QPaintEvent*) override { picture_.paint(*this); }

private:
    look::Backdrop picture_;
};

} // namespace vortelia

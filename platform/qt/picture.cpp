#include "platform/qt/picture.h"

namespace vortelia {

Picture::Picture(QWidget* parent, const char* objectName, const QString& resource, QRect geometry,
                 const QString& accessibleName)
    : QWidget(parent), picture_(resource, geometry.size()) {
    setObjectName(QLatin1String(objectName));
    setGeometry(geometry);
    setAccessibleName(accessibleName);
}

} // namespace vortelia

#pragma once
// The version block both programs carry: version 1.00 (1.0.0.0), the product name, and the
// internal and original file names after the program.

#include <QCoreApplication>
#include <QString>
#include <QVariant>

namespace vortelia {

inline constexpr const char* programVersion = "1.0.0.0";

// Sets the application's name and version and keeps the rest as application properties
// ("ProductName", "InternalName", "OriginalFilename", "FileVersion").
inline void applyProgramInfo(QCoreApplication& app, const QString& internalName) {
    QCoreApplication::setApplicationName(internalName);
    QCoreApplication::setApplicationVersion(QString::fromLatin1(programVersion));
    app.setProperty("ProductName", QStringLiteral("Миры \"Vortelia\""));
    app.setProperty("InternalName", internalName);
    app.setProperty("OriginalFilename", internalName + QStringLiteral(".exe"));
    app.setProperty("FileVersion", QStringLiteral("1.00"));
}

} // namespace vortelia

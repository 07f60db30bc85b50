#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QString>

// Monochrome symbols bundled with the application, named after their files in
// resources/icons/symbols ("plus", "info-circle", ...).
namespace SymbolIcons {

// The symbol drawn in one colour, size in device-independent pixels.
QPixmap tinted(const QString& symbol, const QColor& color, int size, qreal devicePixelRatio);

// The desktop theme's icon of that freedesktop name, else the bundled symbol in the given colour.
QIcon themed(const QString& themeName, const QString& symbol, const QColor& color);

} // namespace SymbolIcons

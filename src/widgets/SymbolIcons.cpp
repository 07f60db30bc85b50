#include "SymbolIcons.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

namespace SymbolIcons {

QPixmap tinted(const QString& symbol, const QColor& color, int size, qreal devicePixelRatio) {
    const int devicePixels = qMax(1, qRound(size * devicePixelRatio));
    QPixmap pixmap(devicePixels, devicePixels);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/symbols/%1.svg").arg(symbol));
    if (!renderer.isValid())
        return pixmap;
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    // Keep the symbol's shape and replace its colour.
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(pixmap.rect(), color);
    painter.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QIcon themed(const QString& themeName, const QString& symbol, const QColor& color) {
    // Without a desktop icon theme Qt searches hicolor, which holds applications' icons only: the
    // search costs a thousand file look-ups per name at start and never finds an action's icon.
    const QString theme = QIcon::themeName();
    if (!theme.isEmpty() && theme != QLatin1String("hicolor") && QIcon::hasThemeIcon(themeName))
        return QIcon::fromTheme(themeName);
    // Drawn for the screens' scale as well, so that at 200 % a symbol is not a 48-pixel one enlarged.
    const qreal ratio = qGuiApp ? qMax(1.0, qGuiApp->devicePixelRatio()) : 1.0;
    QIcon icon;
    for (const int size : {16, 18, 22, 24, 32, 48}) {
        icon.addPixmap(tinted(symbol, color, size, 1.0));
        if (ratio > 1.0)
            icon.addPixmap(tinted(symbol, color, qRound(size * ratio), 1.0));
    }
    return icon;
}

} // namespace SymbolIcons

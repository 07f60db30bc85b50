#pragma once

#include <QColor>
#include <QFont>

class QPalette;
class QWidget;

// Fonts and colours shared by the main window's views, derived from the current style so that
// light and dark themes and the user's font size are respected.
namespace Appearance {

// The base font scaled so that a body text of 13 units maps to the user's normal size.
QFont font(const QFont& base, qreal size, QFont::Weight weight = QFont::Normal);
inline constexpr qreal bodySize = 13;
inline constexpr qreal captionSize = 10;
inline constexpr qreal title3Size = 15;
inline constexpr qreal title2Size = 17;

QColor secondaryText(const QPalette& palette);
QColor separator(const QPalette& palette);
// A faint fill for tracks and wells.
QColor quietFill(const QPalette& palette);
QColor errorText(const QPalette& palette);
// Gives a label the secondary text colour of its parent's palette; call again when that changes.
void useSecondaryText(QWidget* label);
// Whether the palette is a dark one.
bool isDark(const QPalette& palette);

} // namespace Appearance

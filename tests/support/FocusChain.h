#pragma once

#include <QAccessible>
#include <QApplication>
#include <QStringList>
#include <QTest>
#include <QWidget>

// What the Tab key and a screen reader meet in a window.
namespace FocusChain {

// The widgets Tab can stop at in `window`, in the order of its focus chain; disabled ones too,
// since a screen reader still names them.
inline QList<QWidget*> tabStops(QWidget* window) {
    QList<QWidget*> stops;
    for (QWidget* widget = window->nextInFocusChain(); widget && widget != window;
         widget = widget->nextInFocusChain()) {
        if ((widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy() && widget->window() == window &&
            widget->isVisibleTo(window))
            stops.append(widget);
    }
    return stops;
}

inline QString label(const QWidget* widget) {
    return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                          : widget->objectName();
}

inline QStringList names(const QList<QWidget*>& widgets) {
    QStringList labels;
    for (const QWidget* widget : widgets)
        labels.append(label(widget));
    return labels;
}

// The tab stops a screen reader could only announce by their kind.
inline QStringList unnamedStops(QWidget* window) {
    QStringList unnamed;
    for (QWidget* widget : tabStops(window)) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        if (!accessible || accessible->text(QAccessible::Name).trimmed().isEmpty())
            unnamed.append(label(widget));
    }
    return unnamed;
}

// Sends a key to whatever has the keyboard now: an open menu, else the focused widget.
inline void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::activePopupWidget();
    if (target && target->focusWidget())
        target = target->focusWidget();
    if (!target)
        target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow();
    QTest::keyClick(target, key, modifiers);
}

} // namespace FocusChain

#include "ReturnActivation.h"

#include <QAbstractButton>
#include <QKeyEvent>

void ReturnActivation::install(QAbstractButton* button) {
    button->installEventFilter(new ReturnActivation(button));
}

bool ReturnActivation::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
        (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (!button || !button->isEnabled())
        return false;
    button->click();
    return true;
}

#include "DropViewAccessible.h"

#include "DropView.h"

DropViewAccessible::DropViewAccessible(DropView* view)
    : QAccessibleWidget(view, QAccessible::Button) {}

QStringList DropViewAccessible::actionNames() const {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void DropViewAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction())
        static_cast<DropView*>(widget())->activate();
    else
        QAccessibleWidget::doAction(actionName);
}

QAccessibleInterface* DropViewAccessible::create(const QString& className, QObject* object) {
    if (className != QLatin1String(DropView::staticMetaObject.className()) || !object ||
        !object->isWidgetType())
        return nullptr;
    return new DropViewAccessible(static_cast<DropView*>(object));
}

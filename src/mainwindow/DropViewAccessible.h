#pragma once

#include <QAccessibleWidget>

class DropView;

// What a screen reader is told about the drop zone: a button, which the keyboard presses to
// choose files instead of dropping them.
class DropViewAccessible final : public QAccessibleWidget {
public:
    explicit DropViewAccessible(DropView* view);

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    // The factory Qt asks for a DropView's interface.
    static QAccessibleInterface* create(const QString& className, QObject* object);
};

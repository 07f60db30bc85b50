#pragma once

#include <QObject>

class QAbstractButton;

// Return and Enter click a focused button, as Space does. Qt leaves those keys to a dialog's
// default button, so outside dialogs a tool button would ignore them.
class ReturnActivation final : public QObject {
    Q_OBJECT

public:
    // The filter lives as long as the button.
    static void install(QAbstractButton* button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit ReturnActivation(QObject* parent)
        : QObject(parent) {}
};

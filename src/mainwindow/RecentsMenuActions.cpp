#include "RecentsMenuActions.h"

#include "workflow/MainModel.h"

#include <QTimer>

RecentsMenuActions::RecentsMenuActions(MainModel& model, QObject* parent)
    : QObject(parent)
    , m_model(model) {}

void RecentsMenuActions::showLast() {
    QTimer::singleShot(0, this, [this] { m_model.showLastArchive(); });
}

void RecentsMenuActions::showLog() {
    QTimer::singleShot(0, this, &RecentsMenuActions::logRequested);
}

#pragma once

#include "mainwindow/MainView.h"
#include "support/ModelFixture.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QMimeData>

#include <memory>

// The main view over a model fixture. Slow tools run until stopped, to hold a run busy.
struct MainViewHarness : ModelFixture {
    explicit MainViewHarness(bool slowTools = false)
        : ModelFixture(slowTools ? QByteArray("exec sleep 60") : QByteArray())
        , view(model, preferences, dialogs, desktop) {
        view.resize(520, 560);
    }
    ~MainViewHarness() { stopRun(); }

    bool show() {
        view.show();
        return QTest::qWaitForWindowExposed(&view);
    }

    template <typename T = QWidget> T* find(const QString& name) const { return view.findChild<T*>(name); }

    MainView view;
};

// Sends a drag event at `point` of `target` and tells whether it was accepted.
inline bool sendDrag(QWidget* target, QEvent::Type type, const QMimeData* data, QPoint point = {5, 5}) {
    const auto actions = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    std::unique_ptr<QEvent> event;
    if (type == QEvent::DragEnter)
        event = std::make_unique<QDragEnterEvent>(point, actions, data, Qt::LeftButton, Qt::NoModifier);
    else if (type == QEvent::DragMove)
        event = std::make_unique<QDragMoveEvent>(point, actions, data, Qt::LeftButton, Qt::NoModifier);
    else if (type == QEvent::Drop)
        event = std::make_unique<QDropEvent>(QPointF(point), actions, data, Qt::LeftButton, Qt::NoModifier);
    else
        event = std::make_unique<QDragLeaveEvent>();
    QApplication::sendEvent(target, event.get());
    return event->isAccepted();
}

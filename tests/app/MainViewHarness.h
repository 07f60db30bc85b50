#pragma once

#include "app/MainView.h"
#include "engine/ArchiveBuilder.h"
#include "engine/ToolRunner.h"
#include "persistence/AppPreferences.h"
#include "persistence/ArchiveLogStore.h"
#include "support/FakeDesktopServices.h"
#include "support/FakeDialogs.h"
#include "workflow/MainModel.h"

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QFile>
#include <QMimeData>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A main view over real preferences, log, engine and model, with scripted dialogs and a recording
// desktop. Slow tools run until stopped, to hold a run busy.
struct MainViewHarness {
    explicit MainViewHarness(bool slowTools = false) {
        settings = std::make_unique<QSettings>(folder.filePath(QStringLiteral("settings.ini")),
                                               QSettings::IniFormat);
        preferences = std::make_unique<AppPreferences>(settings.get());
        log = std::make_unique<ArchiveLogStore>(settings.get());
        ArchiveTools tools;
        if (slowTools) {
            const QString script = folder.filePath(QStringLiteral("slow-tool"));
            writeFile(script, "#!/bin/sh\nexec sleep 60\n");
            QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            tools.zip = tools.tar = tools.diskImage = script;
        }
        builder = std::make_unique<ArchiveBuilder>(tools, &runner);
        model = std::make_unique<MainModel>(*preferences, *log, *builder, dialogs, desktop);
        model->setToolRunner(runner);
        view = std::make_unique<MainView>(*model, *preferences, dialogs, desktop);
        view->resize(520, 560);
        preferences->setArchiveFolderPath(folder.filePath(QStringLiteral("Archives")));
    }

    ~MainViewHarness() {
        // A stop that lands before the tool has started does not reach it; repeat until one does.
        QSignalSpy finished(model.get(), &MainModel::runFinished);
        for (int attempt = 0; model->isBusy() && attempt < 100; ++attempt) {
            model->stop();
            finished.wait(100);
        }
        view.reset();
    }

    bool show() {
        view->show();
        return QTest::qWaitForWindowExposed(view.get());
    }

    // A file (or, with a trailing slash, a folder holding one file) in the test's folder.
    QUrl makeItem(const QString& name) {
        const bool isFolder = name.endsWith(QLatin1Char('/'));
        const QString path = folder.filePath(QStringLiteral("items/") + name);
        writeFile(isFolder ? path + QStringLiteral("inside.txt") : path, "content\n");
        return QUrl::fromLocalFile(isFolder ? path.chopped(1) : path);
    }

    static void writeFile(const QString& path, const QByteArray& content) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(content);
    }

    template <typename T = QWidget> T* find(const QString& name) const { return view->findChild<T*>(name); }

    QTemporaryDir folder;
    std::unique_ptr<QSettings> settings;
    std::unique_ptr<AppPreferences> preferences;
    std::unique_ptr<ArchiveLogStore> log;
    ToolRunner runner;
    std::unique_ptr<ArchiveBuilder> builder;
    FakeDialogs dialogs;
    FakeDesktopServices desktop;
    std::unique_ptr<MainModel> model;
    std::unique_ptr<MainView> view;
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

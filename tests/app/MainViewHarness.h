#pragma once

#include "app/MainView.h"
#include "engine/ArchiveBuilder.h"
#include "engine/ToolRunner.h"
#include "persistence/AppPreferences.h"
#include "persistence/ArchiveLogStore.h"
#include "support/FakeDesktopServices.h"
#include "support/FakeDialogs.h"
#include "workflow/MainModel.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <memory>

// A main view over real preferences, log, engine and model, with scripted dialogs and a recording
// desktop. The tools may be swapped for a stand-in that runs until stopped, to hold a run busy.
struct MainViewHarness {
    explicit MainViewHarness(bool slowTools = false) {
        QVERIFY(folder.isValid());
        settings = std::make_unique<QSettings>(folder.filePath(QStringLiteral("settings.ini")),
                                               QSettings::IniFormat);
        preferences = std::make_unique<AppPreferences>(settings.get());
        log = std::make_unique<ArchiveLogStore>(settings.get());
        ArchiveTools tools;
        if (slowTools) {
            const QString script = folder.filePath(QStringLiteral("slow-tool"));
            QFile file(script);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("#!/bin/sh\nexec sleep 60\n");
            file.close();
            file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
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

    // A file (or, with a trailing slash, a folder) in the test's folder.
    QUrl makeItem(const QString& name) {
        const QString path = folder.filePath(QStringLiteral("items/") + name);
        if (name.endsWith(QLatin1Char('/'))) {
            QDir().mkpath(path);
            QFile file(path + QStringLiteral("inside.txt"));
            if (file.open(QIODevice::WriteOnly))
                file.write("inside\n");
            return QUrl::fromLocalFile(path.chopped(1));
        }
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write("content of " + name.toUtf8() + "\n");
        return QUrl::fromLocalFile(path);
    }

    template <typename T> T* find(const QString& name) const { return view->findChild<T*>(name); }

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

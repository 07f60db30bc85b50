#pragma once

#include "support/FakeDesktopServices.h"
#include "support/FakeDialogs.h"
#include "support/ManualClock.h"

#include "engine/ArchiveBuilder.h"
#include "persistence/AppPreferences.h"
#include "persistence/ArchiveLogStore.h"
#include "workflow/MainModel.h"
#include "workflow/NamePrompt.h"
#include "workflow/PasswordPrompt.h"
#include "workflow/ProgressPresenter.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// One model over a real settings file, log and engine, real files in a temporary folder, scripted
// dialogs, a recording desktop and a clock that moves only when a test moves it (so progress never
// shows unless a test asks for it); archives go to out/. Given a shell snippet, zip is a script that
// runs it before the real zip (as "$0", so it can leave marks next to itself).
class ModelFixture {
public:
    explicit ModelFixture(const QByteArray& zipSnippet = {})
        : settings(path(QStringLiteral("Balewick.conf")), QSettings::IniFormat)
        , preferences(&settings)
        , log(&settings)
        , builder(tools(zipSnippet))
        , model(preferences, log, builder, dialogs, desktop, clock)
        , finished(&model, &MainModel::runFinished) {
        QDir(folder.path()).mkpath(QStringLiteral("out"));
        preferences.setDestination(ArchiveDestination::archiveFolder);
        preferences.setArchiveFolderPath(path(QStringLiteral("out")));
    }

    ~ModelFixture() { stopRun(); }
    Q_DISABLE_COPY_MOVE(ModelFixture)

    QString path(const QString& relative) const { return folder.filePath(relative); }
    QString item(const QString& name) const { return path(QStringLiteral("items/") + name); }
    QUrl itemUrl(const QString& name) const { return QUrl::fromLocalFile(item(name)); }

    // Files under items/ (parents created) that hold their own names.
    QList<QUrl> makeFiles(const QStringList& names) const {
        QList<QUrl> urls;
        for (const QString& name : names) {
            QDir().mkpath(QFileInfo(item(name)).path());
            QFile file(item(name));
            if (file.open(QIODevice::WriteOnly))
                file.write(name.toUtf8());
            urls.append(itemUrl(name));
        }
        return urls;
    }
    QUrl makeFile(const QString& name) const { return makeFiles({name}).first(); }

    bool runToEnd(const QList<QUrl>& urls) {
        const qsizetype before = finished.size();
        model.process(urls);
        return waitForEnd(before);
    }
    // False when the run does not end, or leaves the model anything but idle, whatever its outcome.
    bool waitForEnd(qsizetype before) {
        return QTest::qWaitFor([&] { return finished.size() > before; }, 60000) && !model.isBusy() &&
               !model.progress().showProgress() && model.progressText().isEmpty();
    }

    void stopRun() {
        if (!model.isBusy())
            return;
        model.stop();
        // A run that does not end shows in the test that waits for it.
        (void)QTest::qWaitFor([&] { return !model.isBusy(); }, 60000);
    }

    QStringList outFiles() const {
        return QDir(path(QStringLiteral("out")))
            .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    }

    QTemporaryDir folder;
    QSettings settings;
    AppPreferences preferences;
    ArchiveLogStore log;
    ArchiveBuilder builder;
    FakeDialogs dialogs;
    FakeDesktopServices desktop;
    ManualClock clock;
    MainModel model;
    QSignalSpy finished;

private:
    ArchiveTools tools(const QByteArray& zipSnippet) const {
        ArchiveTools tools;
        if (zipSnippet.isEmpty())
            return tools;
        QFile script(path(QStringLiteral("zip")));
        if (script.open(QIODevice::WriteOnly))
            script.write("#!/bin/sh\n" + zipSnippet + "\nexec " + tools.zipWriter.toUtf8() + " \"$@\"\n");
        script.setPermissions(script.permissions() | QFile::ExeOwner);
        tools.zipWriter = script.fileName();
        return tools;
    }
};

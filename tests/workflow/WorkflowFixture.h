#pragma once

#include "support/FakeDesktopServices.h"
#include "support/FakeDialogs.h"

#include "engine/ArchiveBuilder.h"
#include "persistence/AppPreferences.h"
#include "persistence/ArchiveLogStore.h"
#include "workflow/MainModel.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// One model over the real engine and real files in a temporary folder, with scripted dialogs and
// a recording desktop; archives go to out/. Given a shell snippet, zip is a script that runs it
// before the real zip (as "$0", so it can leave marks next to itself).
class WorkflowFixture final {
public:
    explicit WorkflowFixture(const QByteArray& zipSnippet = {})
        : settings(path(QStringLiteral("Balewick.conf")), QSettings::IniFormat)
        , preferences(&settings)
        , log(&settings)
        , builder(tools(zipSnippet))
        , model(preferences, log, builder, dialogs, desktop)
        , finished(&model, &MainModel::runFinished) {
        QDir(folder.path()).mkpath(QStringLiteral("out"));
        preferences.setDestination(ArchiveDestination::archiveFolder);
        preferences.setArchiveFolderPath(path(QStringLiteral("out")));
        // Progress never shows unless a test asks for it.
        model.setProgressDelay(std::chrono::hours(1));
    }

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

    bool runToEnd(const QList<QUrl>& urls) {
        const qsizetype before = finished.size();
        model.process(urls);
        return waitForEnd(before);
    }
    // False when the run does not end, or leaves the model anything but idle, whatever its outcome.
    bool waitForEnd(qsizetype before) {
        return QTest::qWaitFor([&] { return finished.size() > before; }, 60000) && !model.isBusy() &&
               !model.showProgress() && model.progressText().isEmpty();
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
    MainModel model;
    QSignalSpy finished;

private:
    ArchiveTools tools(const QByteArray& zipSnippet) const {
        ArchiveTools tools;
        if (zipSnippet.isEmpty())
            return tools;
        QFile script(path(QStringLiteral("zip")));
        if (script.open(QIODevice::WriteOnly))
            script.write("#!/bin/sh\n" + zipSnippet + "\nexec " + tools.zip.toUtf8() + " \"$@\"\n");
        script.setPermissions(script.permissions() | QFile::ExeOwner);
        tools.zip = script.fileName();
        return tools;
    }
};

// A reader's output; empty when it fails.
inline QString readerOutput(const QString& program, const QStringList& arguments) {
    QProcess reader;
    reader.start(program, arguments);
    reader.closeWriteChannel();
    const bool succeeded = reader.waitForFinished(30000) && reader.exitStatus() == QProcess::NormalExit &&
                           reader.exitCode() == 0;
    return succeeded ? QString::fromUtf8(reader.readAllStandardOutput()) : QString();
}

// The member files of an archive as its own reader lists them (folders left out, "./" dropped).
inline QStringList archiveMembers(const QString& archive) {
    const bool zip = archive.endsWith(QLatin1String(".zip"));
    QStringList members;
    for (QString line : readerOutput(zip ? QStringLiteral("unzip") : QStringLiteral("tar"),
                                     {zip ? QStringLiteral("-Z1") : QStringLiteral("-tf"), archive})
                            .split(u'\n', Qt::SkipEmptyParts)) {
        if (line.startsWith(QLatin1String("./")))
            line = line.mid(2);
        if (!line.isEmpty() && !line.endsWith(u'/'))
            members.append(line);
    }
    members.sort();
    return members;
}

// One member's text, decrypted with password (an empty one when none is given).
inline QString zipMember(const QString& archive, const QString& member, const QString& password = {}) {
    return readerOutput(QStringLiteral("unzip"),
                        {QStringLiteral("-p"), QStringLiteral("-P"), password, archive, member});
}

#pragma once

#include "workflow/DesktopServices.h"

#include <QByteArrayList>
#include <QList>
#include <QStringList>
#include <QUrl>

// Records what the workflow hands to the desktop; nothing leaves the test.
class FakeDesktopServices final : public DesktopServices {
public:
    QByteArrayList trashed;
    // What moveToTrash answers.
    bool trashWorks = true;
    QList<QList<QUrl>> revealed;
    QList<QList<QUrl>> emails;
    QList<QUrl> opened;

    bool moveToTrash(const QByteArray& path) override {
        trashed.append(path);
        return trashWorks;
    }
    void revealInFileManager(const QList<QUrl>& items) override { revealed.append(items); }
    void composeEmail(const QList<QUrl>& attachments) override { emails.append(attachments); }
    void openUrl(const QUrl& url) override { opened.append(url); }
};

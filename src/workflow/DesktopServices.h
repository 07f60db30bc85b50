#pragma once

#include <QByteArray>
#include <QList>
#include <QUrl>

// What the workflow asks of the desktop. Each does nothing, silently, where the desktop lacks the
// service.
class DesktopServices {
public:
    virtual ~DesktopServices() = default;
    // True when the item at these exact bytes went to the Trash.
    virtual bool moveToTrash(const QByteArray& path) = 0;
    // Shows the items selected in the file manager.
    virtual void revealInFileManager(const QList<QUrl>& items) = 0;
    // Opens a new message in the mail application with the files attached.
    virtual void composeEmail(const QList<QUrl>& attachments) = 0;
    virtual void openUrl(const QUrl& url) = 0;
};

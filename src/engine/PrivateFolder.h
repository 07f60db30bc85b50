#pragma once

#include "FileDescriptor.h"

#include <QByteArray>
#include <QString>

#include <sys/stat.h>

// A folder of ours, mode 0700, made afresh inside a folder that other users may be able to write,
// and from then on reached only through the descriptor opened as it was made: renaming it, or
// putting another folder or a link in its place, cannot redirect anything done in it.
class PrivateFolder final {
public:
    // Makes `name` in the existing folder `parentPath`, opens it and checks that what was opened is
    // the folder just made. Throws PlatformError when it cannot be made, CompressionError::notOurs
    // when something else stands under its name by then (that is left as it is).
    PrivateFolder(const QString& parentPath, const QByteArray& name);
    // Removes it, as remove() does.
    ~PrivateFolder();
    Q_DISABLE_COPY_MOVE(PrivateFolder)

    // Open for the life of this object; never one of the standard streams' numbers.
    int descriptor() const { return m_folder.get(); }
    int parentDescriptor() const { return m_parent.get(); }
    // The folder's path as it was made: for messages and records, never to reach it.
    const QString& path() const { return m_path; }
    // "/proc/self/fd/<n>": this very folder, here and in a tool that inherits the descriptor.
    QByteArray descriptorPath() const;
    // Device and inode of the folder made.
    const struct stat& identity() const { return m_identity; }

    // Removes everything in it and then the folder itself, unless its name now leads elsewhere.
    // Returns false when something was left because it is not ours (the name leads to another
    // folder, or something inside belongs to another user); nothing of that is touched. Later
    // calls do nothing.
    bool remove();

private:
    FileDescriptor m_parent;
    FileDescriptor m_folder;
    QByteArray m_name;
    QString m_path;
    struct stat m_identity {};
};

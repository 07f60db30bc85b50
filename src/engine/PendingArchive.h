#pragma once

#include "PrivateFolder.h"

#include <QByteArray>
#include <QString>

// A private hidden folder beside the final name, in which the tool writes the archive (and any
// file of its own, such as zip's temporary file). Only a finished archive is moved out, under its
// final name; the folder goes away whole on every path, so nothing half-written is ever left among
// the user's files looking like a good archive. The folder and the one holding it are reached
// through descriptors only, so another user who may write there can neither redirect the tool nor
// have his own file published.
class PendingArchive final {
public:
    // Makes `hiddenFolderPath` (mode 0700) in the archive's folder. Throws PlatformError when it
    // cannot be made, or CompressionError::notOurs (see PrivateFolder).
    PendingArchive(const QString& outputPath, const QString& hiddenFolderPath);
    Q_DISABLE_COPY_MOVE(PendingArchive)

    // Where the tool writes: inside the hidden folder, under the final file name, through the
    // folder's descriptor ("/proc/self/fd/<n>/<name>"), which the tool must inherit.
    const QString& temporaryPath() const { return m_temporaryPath; }
    PrivateFolder& folder() { return m_folder; }

    // Gives the finished file its final name without replacing anything that appeared there
    // meanwhile. Throws PlatformError (EEXIST when the name was taken), or CompressionError::notOurs
    // when what then stands under the final name is not the file the tool wrote.
    void publish();

    // A tool's message, speaking of the final archive instead of the hidden place it wrote to.
    QString withFinalNames(QString message) const;

private:
    QString m_outputPath;
    QByteArray m_finalName;
    PrivateFolder m_folder;
    QString m_temporaryPath;
};

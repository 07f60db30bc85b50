#pragma once

#include <QString>

// A private hidden folder beside the final name, in which the tool writes the archive (and any
// file of its own, such as zip's temporary file). Only a finished archive is moved out, under its
// final name; the folder goes away whole on every path, so nothing half-written is ever left among
// the user's files looking like a good archive.
class PendingArchive final {
public:
    // Makes `hiddenFolderPath` (mode 0700). Throws PlatformError when it cannot be made.
    PendingArchive(const QString& outputPath, const QString& hiddenFolderPath);
    ~PendingArchive();
    Q_DISABLE_COPY_MOVE(PendingArchive)

    // Where the tool writes: inside the hidden folder, under the final file name.
    const QString& temporaryPath() const { return m_temporaryPath; }

    // Gives the finished file its final name without replacing anything that appeared there
    // meanwhile. Throws PlatformError (EEXIST when the name was taken).
    void publish();

    // A tool's message, speaking of the final archive instead of the hidden place it wrote to.
    QString withFinalNames(QString message) const;

private:
    QString m_outputPath;
    QString m_hiddenFolderPath;
    QString m_temporaryPath;
};

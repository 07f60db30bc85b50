#pragma once

#include <QString>

// The hidden file a tool writes an archive into, next to the final name. Only a finished archive
// gets the final name; anything else is removed, so a half-written file never sits among the
// user's files looking like a good archive.
class PendingArchive final {
public:
    // `extension` (without the dot) ends the temporary name, since some tools append their own
    // extension when it is missing.
    PendingArchive(const QString& outputPath, const QString& extension);
    ~PendingArchive();
    Q_DISABLE_COPY_MOVE(PendingArchive)

    const QString& temporaryPath() const { return m_temporaryPath; }

    // Gives the finished file its final name without replacing anything that appeared there
    // meanwhile. Throws PlatformError (EEXIST when the name was taken).
    void publish();

private:
    QString m_outputPath;
    QString m_temporaryPath;
    bool m_published = false;
};

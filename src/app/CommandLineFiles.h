#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace CommandLineFiles {

// The files named on a command line (program name excluded) as absolute file URLs, in order.
// Paths are resolved against the working directory; file:// URLs are taken as they are; options
// ("-x", "--long") and URLs of other schemes are skipped, and everything after "--" is a path.
// Missing files are kept: the workflow reports them.
QList<QUrl> fileUrls(const QStringList& arguments, const QString& workingDirectory);

} // namespace CommandLineFiles

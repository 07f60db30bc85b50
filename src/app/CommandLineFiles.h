#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QList>
#include <QUrl>

namespace CommandLineFiles {

// The files named on a command line (program name excluded) as absolute file URLs, in order.
// Arguments are argv's bytes and stay so in the URLs, whatever the names hold. Paths are resolved
// against the working directory; file:// URLs are taken as they are; options ("-x", "--long")
// and URLs of other schemes are skipped, and everything after "--" is a path. Missing files are
// kept: the workflow reports them.
QList<QUrl> fileUrls(const QByteArrayList& arguments, const QByteArray& workingDirectory);

// The process's working directory as bytes; empty when it cannot be told.
QByteArray workingDirectory();

} // namespace CommandLineFiles

#pragma once

#include <QByteArrayList>

// The environment every archiving tool and decompressor runs with, as "NAME=value" entries: the
// search path, the home and temporary folders and the locale for their messages. Anything else
// (ZIPOPT, TAR_OPTIONS, GZIP, BZIP2, ...) would change what the tools write or read.
QByteArrayList toolEnvironment();

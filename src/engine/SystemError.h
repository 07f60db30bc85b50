#pragma once

#include "PlatformError.h"

#include <QString>

// A PlatformError for a failed system call: `message` is a localised text whose %1 takes `name`
// and whose %2 takes the system's own wording of `errorNumber`.
PlatformError systemError(int errorNumber, const QString& message, const QString& name);

// The system's wording of an errno value ("File exists").
QString systemErrorText(int errorNumber);

#pragma once

#include <QByteArrayView>

// Writes all of `bytes` to `descriptor`, again after an interruption or a partial write. False, with
// errno set, at the first failure. Safe between fork and exec.
bool writeAll(int descriptor, QByteArrayView bytes);

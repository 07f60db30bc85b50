#pragma once

#include <QString>

// Orders version strings the way people read them: runs of digits by their value, every other
// character by its code, left to right; a string that runs out first is the smaller. So 1.10
// comes after 1.9 and 2.0.1 after 2.0. Negative, zero or positive, like a three-way comparison.
int compareVersions(const QString& left, const QString& right);

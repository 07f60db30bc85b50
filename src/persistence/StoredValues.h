#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

// Tolerant readers for values that come back from the settings file. A settings file may have been
// edited by hand or written by another build, so each reader answers "no value" for anything it
// cannot read with confidence and lets the caller choose the fallback.
namespace StoredValues {

std::optional<bool> boolValue(const QVariant& value);
std::optional<qint64> integerValue(const QVariant& value);
std::optional<QString> stringValue(const QVariant& value);
// A list whose every element is an integer; no value if any element is not.
std::optional<QList<qint64>> integerArrayValue(const QVariant& value);

} // namespace StoredValues

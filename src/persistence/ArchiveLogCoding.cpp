#include "ArchiveLogCoding.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTimeZone>

#include <cmath>

#include <limits>

namespace ArchiveLogCoding {

namespace {

const QString idMember = QStringLiteral("id");
const QString dateMember = QStringLiteral("date");
const QString pathMember = QStringLiteral("path");
const QString formatMember = QStringLiteral("format");

// Dates further than this from the reference date (about 300,000 years) cannot be held by QDateTime
// with millisecond precision; such a record is treated as malformed.
constexpr double largestDateOffset = 1.0e13;

std::optional<QUuid> uuidFrom(const QJsonValue& value) {
    if (!value.isString())
        return std::nullopt;
    // Only the canonical 8-4-4-4-12 form, in either case; QUuid alone would also take braces.
    static const QRegularExpression canonical(
        QStringLiteral("^[0-9A-Fa-f]{8}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{12}$"));
    const QString text = value.toString();
    if (!canonical.match(text).hasMatch())
        return std::nullopt;
    return QUuid::fromString(text);
}

std::optional<QDateTime> dateFrom(const QJsonValue& value) {
    if (!value.isDouble())
        return std::nullopt;
    const double seconds = value.toDouble();
    if (!std::isfinite(seconds) || std::fabs(seconds) > largestDateOffset)
        return std::nullopt;
    return referenceDate().addMSecs(std::llround(seconds * 1000.0));
}

// An absent or null "format" means no format; anything but an integer number is malformed.
bool formatFrom(const QJsonObject& object, std::optional<int>& format) {
    const QJsonValue value = object.value(formatMember);
    if (value.isUndefined() || value.isNull()) {
        format.reset();
        return true;
    }
    if (!value.isDouble())
        return false;
    const double number = value.toDouble();
    if (std::trunc(number) != number || number < std::numeric_limits<int>::min() ||
        number > std::numeric_limits<int>::max())
        return false;
    format = int(number);
    return true;
}

std::optional<ArchiveLogEntry> entryFrom(const QJsonValue& value) {
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    ArchiveLogEntry entry;
    const std::optional<QUuid> id = uuidFrom(object.value(idMember));
    const std::optional<QDateTime> date = dateFrom(object.value(dateMember));
    const QJsonValue path = object.value(pathMember);
    if (!id || !date || !path.isString() || !formatFrom(object, entry.format))
        return std::nullopt;
    entry.id = *id;
    entry.date = *date;
    entry.path = path.toString();
    return entry;
}

} // namespace

QDateTime referenceDate() {
    return QDateTime(QDate(2001, 1, 1), QTime(0, 0), QTimeZone::utc());
}

QByteArray encode(const QList<ArchiveLogEntry>& entries) {
    const qint64 referenceMSecs = referenceDate().toMSecsSinceEpoch();
    QJsonArray array;
    for (const ArchiveLogEntry& entry : entries) {
        QJsonObject object;
        object.insert(idMember, entry.id.toString(QUuid::WithoutBraces).toUpper());
        object.insert(dateMember, double(entry.date.toMSecsSinceEpoch() - referenceMSecs) / 1000.0);
        object.insert(pathMember, entry.path);
        if (entry.format)
            object.insert(formatMember, *entry.format);
        array.append(object);
    }
    QByteArray bytes = QJsonDocument(array).toJson(QJsonDocument::Compact);
    // Slashes are written escaped, as the other readers and writers of this value do. Compact JSON
    // has "/" only inside strings (never in structure, numbers or literals), and no escape sequence
    // QJsonDocument writes contains one, so every "/" here is a character of a string and "\/"
    // is its valid escaped form.
    bytes.replace('/', "\\/");
    return bytes;
}

std::optional<QList<ArchiveLogEntry>> decode(const QByteArray& bytes) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return std::nullopt;
    const QJsonArray array = document.array();
    QList<ArchiveLogEntry> entries;
    entries.reserve(array.size());
    for (const QJsonValue& value : array) {
        std::optional<ArchiveLogEntry> entry = entryFrom(value);
        if (!entry)
            return std::nullopt;
        entries.append(std::move(*entry));
    }
    return entries;
}

} // namespace ArchiveLogCoding

#include "StoredValues.h"

#include <QStringList>

#include <cmath>

#include <limits>

namespace StoredValues {

namespace {

// The INI file keeps no types: an integer written by QSettings comes back as the text "5" once the
// file has been read again (only a list of exactly one element keeps its type). So a text counts as
// an integer when it is nothing but an optional minus sign and decimal digits; "1.5", " 5", "abc"
// and "" do not. A hand-edited "5, 0, 1" is split and trimmed by QSettings itself, so it reads as
// three integers, which is what its author meant.
std::optional<qint64> integerFromText(const QString& text) {
    const qsizetype firstDigit = text.startsWith(u'-') ? 1 : 0;
    if (text.size() <= firstDigit)
        return std::nullopt;
    for (qsizetype index = firstDigit; index < text.size(); ++index) {
        if (text.at(index) < u'0' || text.at(index) > u'9')
            return std::nullopt;
    }
    bool ok = false;
    const qint64 number = text.toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return number;
}

} // namespace

std::optional<bool> boolValue(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool();
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return value.toLongLong() != 0;
    case QMetaType::QString: {
        const QString text = value.toString().trimmed().toLower();
        if (text == u"true" || text == u"yes" || text == u"1")
            return true;
        if (text == u"false" || text == u"no" || text == u"0")
            return false;
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

std::optional<qint64> integerValue(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
        return value.toLongLong();
    case QMetaType::ULongLong: {
        const qulonglong number = value.toULongLong();
        if (number > qulonglong(std::numeric_limits<qint64>::max()))
            return std::nullopt;
        return qint64(number);
    }
    case QMetaType::Double: {
        // A number without a fractional part is an integer; 1.5 is not.
        const double number = value.toDouble();
        if (!std::isfinite(number) || std::trunc(number) != number || std::fabs(number) > 9.0e15)
            return std::nullopt;
        return qint64(number);
    }
    case QMetaType::QString:
        return integerFromText(value.toString());
    default:
        return std::nullopt;
    }
}

std::optional<QString> stringValue(const QVariant& value) {
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}

std::optional<QList<qint64>> integerArrayValue(const QVariant& value) {
    QVariantList elements;
    if (value.typeId() == QMetaType::QVariantList) {
        elements = value.toList();
    } else if (value.typeId() == QMetaType::QStringList) {
        for (const QString& text : value.toStringList())
            elements.append(text);
    } else {
        return std::nullopt;
    }
    QList<qint64> numbers;
    numbers.reserve(elements.size());
    for (const QVariant& element : elements) {
        const std::optional<qint64> number = integerValue(element);
        if (!number)
            return std::nullopt;
        numbers.append(*number);
    }
    return numbers;
}

} // namespace StoredValues

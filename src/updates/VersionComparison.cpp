#include "VersionComparison.h"

namespace {

bool isDigit(QChar character) {
    return character >= QLatin1Char('0') && character <= QLatin1Char('9');
}

// Compares two digit runs by value without converting them, so no length overflows.
int compareDigitRuns(QStringView left, QStringView right) {
    while (left.size() > 1 && left.front() == QLatin1Char('0'))
        left = left.mid(1);
    while (right.size() > 1 && right.front() == QLatin1Char('0'))
        right = right.mid(1);
    if (left.size() != right.size())
        return left.size() < right.size() ? -1 : 1;
    return left.compare(right);
}

} // namespace

int compareVersions(const QString& left, const QString& right) {
    qsizetype l = 0;
    qsizetype r = 0;
    while (l < left.size() && r < right.size()) {
        if (isDigit(left[l]) && isDigit(right[r])) {
            const qsizetype leftStart = l;
            const qsizetype rightStart = r;
            while (l < left.size() && isDigit(left[l]))
                ++l;
            while (r < right.size() && isDigit(right[r]))
                ++r;
            const int order = compareDigitRuns(QStringView(left).mid(leftStart, l - leftStart),
                                               QStringView(right).mid(rightStart, r - rightStart));
            if (order != 0)
                return order < 0 ? -1 : 1;
            continue;
        }
        if (left[l] != right[r])
            return left[l] < right[r] ? -1 : 1;
        ++l;
        ++r;
    }
    if (l < left.size())
        return 1;
    if (r < right.size())
        return -1;
    return 0;
}

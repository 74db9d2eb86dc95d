// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/numbers.h"

#include <limits>

namespace kolomaf {

std::optional<qint64> readNumber(const QString &text)
{
    const QString t = text.trimmed();
    qsizetype pos = 0;
    bool negative = false;
    if (pos < t.size() && (t[pos] == u'+' || t[pos] == u'-')) {
        negative = t[pos] == u'-';
        ++pos;
    }
    if (pos == t.size())
        return std::nullopt;
    // Accumulate as a negative number so that the minimum is reachable.
    constexpr qint64 lowest = std::numeric_limits<qint64>::min();
    qint64 value = 0;
    bool saturated = false;
    for (; pos < t.size(); ++pos) {
        const QChar c = t[pos];
        if (c < u'0' || c > u'9')
            return std::nullopt;
        const int digit = c.unicode() - u'0';
        if (!saturated && value < (lowest + digit) / 10)
            saturated = true;
        if (!saturated)
            value = value * 10 - digit;
    }
    if (saturated)
        return negative ? lowest : std::numeric_limits<qint64>::max();
    if (!negative)
        return value == lowest ? std::numeric_limits<qint64>::max() : -value;
    return value;
}

bool readsAsNumber(const QString &text)
{
    return readNumber(text).has_value();
}

std::optional<qint16> toInt16(qint64 value)
{
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(value);
}

QString numberText(qint64 value)
{
    return QString::number(value);
}

} // namespace kolomaf

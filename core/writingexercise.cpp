// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/writingexercise.h"

#include "core/numbers.h"

#include <algorithm>
#include <limits>

namespace kolomaf {

Subtraction drawSubtraction(RandomSource &r)
{
    r.reseed();
    Subtraction s = drawDigits(r, &RandomSource::digit1to9);
    // Without a units borrow the tens must leave room for one; redrawn pairs
    // always keep a gap of two.
    if (s.e.top <= s.e.bottom && s.t.top <= s.t.bottom) {
        do {
            s.t.top = r.digit1to9();
            s.t.bottom = r.digit1to9();
        } while (s.t.top < s.t.bottom + 2);
    }
    auto redrawHundreds = [&] {
        do {
            s.h.top = r.digit1to9();
            s.h.bottom = r.digit1to9();
        } while (s.h.top < s.h.bottom + 2);
    };
    if (s.h.top < s.h.bottom)
        redrawHundreds();
    if (s.h.top == s.h.bottom)
        redrawHundreds();
    return s;
}

namespace {

int compareMagnitudes(const QString &a, const QString &b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

QString stripLeadingZeros(const QString &digits)
{
    qsizetype first = 0;
    while (first + 1 < digits.size() && digits[first] == u'0')
        ++first;
    return digits.mid(first);
}

QString addMagnitudes(const QString &a, const QString &b)
{
    QString out;
    out.reserve(qMax(a.size(), b.size()) + 1);
    int carry = 0;
    for (qsizetype i = a.size() - 1, j = b.size() - 1; i >= 0 || j >= 0 || carry; --i, --j) {
        const int sum = (i >= 0 ? a[i].unicode() - u'0' : 0) + (j >= 0 ? b[j].unicode() - u'0' : 0) + carry;
        out.append(QChar(u'0' + sum % 10));
        carry = sum / 10;
    }
    std::reverse(out.begin(), out.end());
    return out;
}

// a - b for a >= b.
QString subtractMagnitudes(const QString &a, const QString &b)
{
    QString out;
    out.reserve(a.size());
    int borrow = 0;
    for (qsizetype i = a.size() - 1, j = b.size() - 1; i >= 0; --i, --j) {
        int d = a[i].unicode() - u'0' - borrow - (j >= 0 ? b[j].unicode() - u'0' : 0);
        borrow = d < 0;
        out.append(QChar(u'0' + d + 10 * borrow));
    }
    std::reverse(out.begin(), out.end());
    return stripLeadingZeros(out);
}

} // namespace

Decimal Decimal::of(qint64 value)
{
    const QString t = numberText(value);
    Decimal d;
    d.negative = value < 0;
    d.digits = d.negative ? t.mid(1) : t;
    return d;
}

std::optional<Decimal> Decimal::read(const QString &text)
{
    // What counts as a number is decided in one place; here it is only
    // taken apart.
    if (!readsAsNumber(text))
        return std::nullopt;
    QString t = text.trimmed();
    Decimal d;
    if (t.startsWith(u'+') || t.startsWith(u'-')) {
        d.negative = t.startsWith(u'-');
        t.remove(0, 1);
    }
    d.digits = stripLeadingZeros(t);
    if (d.digits == u"0")
        d.negative = false;
    return d;
}

Decimal Decimal::shifted(int places) const
{
    if (digits == u"0")
        return *this;
    Decimal d = *this;
    d.digits += QString(places, u'0');
    return d;
}

QString Decimal::text() const
{
    return negative ? QStringLiteral("-") + digits : digits;
}

qint16 Decimal::clamped16() const
{
    if (digits.size() > 5)
        return negative ? std::numeric_limits<qint16>::min() : std::numeric_limits<qint16>::max();
    const int magnitude = digits.toInt();
    const int value = negative ? -magnitude : magnitude;
    return qint16(
        qBound(int(std::numeric_limits<qint16>::min()), value, int(std::numeric_limits<qint16>::max())));
}

Decimal operator+(const Decimal &a, const Decimal &b)
{
    Decimal sum;
    if (a.negative == b.negative) {
        sum.negative = a.negative;
        sum.digits = addMagnitudes(a.digits, b.digits);
        return sum;
    }
    const int order = compareMagnitudes(a.digits, b.digits);
    if (order == 0)
        return sum;
    const Decimal &larger = order > 0 ? a : b;
    const Decimal &smaller = order > 0 ? b : a;
    sum.negative = larger.negative;
    sum.digits = subtractMagnitudes(larger.digits, smaller.digits);
    return sum;
}

int compare(const Decimal &a, const Decimal &b)
{
    if (a.negative != b.negative)
        return a.negative ? -1 : 1;
    const int order = compareMagnitudes(a.digits, b.digits);
    return a.negative ? -order : order;
}

} // namespace kolomaf

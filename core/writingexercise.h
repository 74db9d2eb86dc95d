// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/random.h"
#include "core/subtraction.h"

#include <QString>
#include <QtGlobal>
#include <optional>

namespace kolomaf {

// The two three-digit numbers the pupil copies, digit by digit: six digits
// from 1 to 9 in the order E1 E2 T1 T2 H1 H2, with the tens and
// the hundreds drawn again until the subtraction needs at most one borrow
// and the first number is the larger. Reseeds the source first.
Subtraction drawSubtraction(RandomSource &random);

// A whole number of any length: what a pasted cell really holds.
struct Decimal
{
    bool negative = false;
    QString digits = QStringLiteral("0"); // no leading zeros

    static Decimal of(qint64 value);
    // Only texts that read as a number; their value exactly, however long.
    static std::optional<Decimal> read(const QString &text);

    Decimal shifted(int places) const; // times 10 to the power places
    QString text() const;
    // The nearest 16-bit value: the number itself when it fits.
    qint16 clamped16() const;
};

Decimal operator+(const Decimal &a, const Decimal &b);
// Negative, zero or positive as a is below, equal to or above b.
int compare(const Decimal &a, const Decimal &b);

} // namespace kolomaf

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/random.h"

namespace kolomaf {

// One column of a subtraction: the digit of the first number (top) and of
// the second (bottom).
struct DigitPair
{
    int top = 0, bottom = 0;
};

// The digits of a subtraction of two numbers by column; a thousands digit
// belongs to the first number only.
struct Subtraction
{
    DigitPair e, t, h;
    int d = 0;

    int first() const { return 1000 * d + 100 * h.top + 10 * t.top + e.top; }
    int second() const { return 100 * h.bottom + 10 * t.bottom + e.bottom; }
    int difference() const { return first() - second(); }
};

// Six digits drawn in the order E1 E2 T1 T2 H1 H2, each by `digit`.
inline Subtraction drawDigits(RandomSource &r, int (RandomSource::*digit)())
{
    Subtraction s;
    for (DigitPair *p : {&s.e, &s.t, &s.h}) {
        p->top = (r.*digit)();
        p->bottom = (r.*digit)();
    }
    return s;
}

} // namespace kolomaf

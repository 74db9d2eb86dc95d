// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/random.h"
#include "core/subtraction.h"

namespace kolomaf {

// The number the place-value screen takes apart: the digits from the
// units up, each 0-8, a hundreds digit of 0 taken as 1.
struct PlaceValue
{
    int e = 0, t = 0, h = 1;
    int number() const { return 100 * h + 10 * t + e; }
};
PlaceValue drawPlaceValue(RandomSource &r);

// The hard-or-easy sums: hundreds at least one apart; the first units digit
// is never 0.
Subtraction drawSums(RandomSource &r);
// The hard-or-easy differences: hundreds at least two apart, so a borrowed
// hundred still leaves one.
Subtraction drawDifferences(RandomSource &r);

} // namespace kolomaf

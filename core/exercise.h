// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/random.h"
#include "core/subtraction.h"

namespace kolomaf {

// Which exercises a column screen draws.
enum class Kind { NoBorrowing, BorrowTen, BorrowHundred, BorrowThousand };

// Draws a column exercise: the columns in the order E, T, H, each pair
// drawn again, without limit, until it meets its rule; on BorrowThousand the
// first number also has D = 1. Reseeds the source first.
Subtraction drawExercise(Kind kind, RandomSource &random);

// Expected result of each column, corrected by the ten that is borrowed.
struct ColumnResults
{
    int e, t, h;
};
ColumnResults expectedResults(Kind kind, const Subtraction &x);

} // namespace kolomaf

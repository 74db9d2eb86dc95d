#pragma once

#include "shell/random.h"

#include <QString>

namespace kolomaf {

// Which exercises a column screen draws.
enum class Kind { NoBorrowing, BorrowTen, BorrowHundred, BorrowThousand };

struct DigitPair
{
    int top, bottom;
};

// One exercise: the digits of the first number (top) and the second number
// (bottom) per column; on BorrowThousand the first number also has D = 1.
struct Exercise
{
    DigitPair e, t, h;
    int d = 0;
};

// Draws the columns in the order E, T, H, each pair drawn again, without
// limit, until it meets its rule. Reseeds the source first.
Exercise drawExercise(Kind kind, RandomSource &random);

// Expected result of each column, corrected by the ten that is borrowed.
struct ColumnResults
{
    int e, t, h;
};
ColumnResults expectedResults(Kind kind, const Exercise &x);

} // namespace kolomaf

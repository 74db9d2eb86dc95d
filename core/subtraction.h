#pragma once

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

} // namespace kolomaf

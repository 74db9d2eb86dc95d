// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/exercise.h"

#include <functional>

namespace kolomaf {

namespace {

using Draw = std::function<DigitPair()>;
using Rule = std::function<bool(DigitPair)>;

// The first pair may be judged by a weaker rule than the redraws.
DigitPair drawPair(const Draw &first, const Rule &acceptFirst, const Draw &redraw, const Rule &acceptRedraw)
{
    DigitPair p = first();
    if (acceptFirst(p))
        return p;
    do
        p = redraw();
    while (!acceptRedraw(p));
    return p;
}

DigitPair drawPair(const Draw &draw, const Rule &accept)
{
    return drawPair(draw, accept, draw, accept);
}

} // namespace

Subtraction drawExercise(Kind kind, RandomSource &r)
{
    r.reseed();
    // Top digit first, then the bottom digit.
    const Draw topFrom1 = [&r] {
        const int top = r.digit1to9();
        return DigitPair {top, r.digit0to8()};
    };
    const Draw both1to9 = [&r] {
        const int top = r.digit1to9();
        return DigitPair {top, r.digit1to9()};
    };
    const Rule topBigger = [](DigitPair p) { return p.top > p.bottom; };
    const Rule topSmaller = [](DigitPair p) { return p.top < p.bottom; };

    Subtraction x {};
    switch (kind) {
    case Kind::NoBorrowing:
        x.e = drawPair(topFrom1, topBigger);
        x.t = drawPair(topFrom1, topBigger);
        x.h = drawPair(both1to9, topBigger);
        break;
    case Kind::BorrowTen:
        x.e = drawPair(topFrom1, topSmaller);
        x.t = drawPair(topFrom1, topBigger, topFrom1, [](DigitPair p) { return p.top > p.bottom + 2; });
        x.h = drawPair(both1to9, topBigger, both1to9, [](DigitPair p) { return p.top > p.bottom + 1; });
        break;
    case Kind::BorrowHundred: {
        x.e = drawPair(topFrom1, topBigger);
        x.t = drawPair(topFrom1, topSmaller, both1to9, topSmaller);
        // Two checks in turn; together they accept a first pair H1 - H2 >= 2
        // and redraw until H1 - H2 >= 3.
        const Rule strict = [](DigitPair p) { return p.top - 2 > p.bottom; };
        DigitPair h = drawPair(both1to9, topBigger, both1to9, strict);
        if (h.top <= h.bottom + 1)
            h = drawPair(both1to9, strict);
        x.h = h;
        break;
    }
    case Kind::BorrowThousand:
        x.e = drawPair(topFrom1, topBigger);
        x.t = drawPair(topFrom1, topBigger);
        x.h = drawPair(both1to9, topSmaller, both1to9, [](DigitPair p) { return p.bottom > p.top + 1; });
        x.d = 1;
        break;
    }
    return x;
}

ColumnResults expectedResults(Kind kind, const Subtraction &x)
{
    ColumnResults r {x.e.top - x.e.bottom, x.t.top - x.t.bottom, x.h.top - x.h.bottom};
    switch (kind) {
    case Kind::NoBorrowing:
        break;
    case Kind::BorrowTen:
        r.e += 10;
        r.t -= 1;
        break;
    case Kind::BorrowHundred:
        r.t += 10;
        r.h -= 1;
        break;
    case Kind::BorrowThousand:
        r.h += 10;
        break;
    }
    return r;
}

} // namespace kolomaf

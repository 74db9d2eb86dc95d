// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/demonstrations.h"

namespace kolomaf {

PlaceValue drawPlaceValue(RandomSource &r)
{
    r.reseed();
    PlaceValue p;
    p.e = r.digit0to8();
    p.t = r.digit0to8();
    p.h = r.digit0to8();
    if (p.h == 0)
        p.h = 1;
    return p;
}

namespace {

// The six digits in drawing order, each 0-8, as both rules start.
Subtraction firstDraw(RandomSource &r)
{
    r.reseed();
    return drawDigits(r, &RandomSource::digit0to8);
}

void drawHundreds(RandomSource &r, Subtraction &n)
{
    n.h.top = r.digit1to9();
    n.h.bottom = r.digit1to9();
}

} // namespace

Subtraction drawSums(RandomSource &r)
{
    Subtraction n = firstDraw(r);
    n.e.top = r.digit1to9();
    n.e.bottom = r.digit0to8();
    drawHundreds(r, n);
    while (n.h.bottom >= n.h.top)
        drawHundreds(r, n);
    return n;
}

Subtraction drawDifferences(RandomSource &r)
{
    Subtraction n = firstDraw(r);
    drawHundreds(r, n);
    if (n.h.bottom >= n.h.top)
        do
            drawHundreds(r, n);
        while (n.h.bottom > n.h.top - 3);
    if (n.h.bottom >= n.h.top - 1)
        do
            drawHundreds(r, n);
        while (n.h.bottom > n.h.top - 3);
    return n;
}

} // namespace kolomaf

// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/subtractionscreen.h"

namespace kolomaf {

void SubtractionScreen::hold(const Subtraction &s)
{
    eenheid1 = qint16(s.e.top);
    eenheid2 = qint16(s.e.bottom);
    tiental1 = qint16(s.t.top);
    tiental2 = qint16(s.t.bottom);
    honderdtal1 = qint16(s.h.top);
    honderdtal2 = qint16(s.h.bottom);
    getal1 = qint16(s.first());
    getal2 = qint16(s.second());
}

} // namespace kolomaf

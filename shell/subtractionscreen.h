// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/subtraction.h"
#include "shell/runtime.h"

namespace kolomaf {

// A screen that works with one subtraction of two three-digit numbers: its
// six digits and the two numbers are screen variables, by these names.
class SubtractionScreen : public Screen
{
    Q_OBJECT
    Q_PROPERTY(qint16 eenheid1 MEMBER eenheid1)
    Q_PROPERTY(qint16 tiental1 MEMBER tiental1)
    Q_PROPERTY(qint16 honderdtal1 MEMBER honderdtal1)
    Q_PROPERTY(qint16 eenheid2 MEMBER eenheid2)
    Q_PROPERTY(qint16 tiental2 MEMBER tiental2)
    Q_PROPERTY(qint16 honderdtal2 MEMBER honderdtal2)
    Q_PROPERTY(qint16 getal1 MEMBER getal1)
    Q_PROPERTY(qint16 getal2 MEMBER getal2)

public:
    qint16 eenheid1 = 0, tiental1 = 0, honderdtal1 = 0;
    qint16 eenheid2 = 0, tiental2 = 0, honderdtal2 = 0;
    qint16 getal1 = 0, getal2 = 0;

protected:
    using Screen::Screen;
    // The drawn subtraction into the variables.
    void hold(const Subtraction &s);
};

} // namespace kolomaf

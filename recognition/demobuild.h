// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/build.h"

namespace kolomaf {

// Builders the three demonstration screens share.

// A digit of a number taken apart, and the letter of its column, in twips.
inline constexpr QSize columnDigitSize {1095, 975};

// Digits in bold, black on white.
Look digitLook(qreal points = 36);

// A digit of a number taken apart, in its column; only the program writes it.
TextBox *columnDigit(QWidget *parent, const char *name, QPoint twips);

// The column letter H, T or E, hidden until the number is taken apart.
Label *columnLetter(QWidget *parent, const char *name, const char *text, QPoint twips);

// STOP, hidden until the demonstration has run through once.
PictureButton *stopButton(QWidget *parent, QRect twips);

} // namespace kolomaf

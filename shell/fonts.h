// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

class QWidget;

namespace kolomaf {

// Makes sure the design typeface is there, registering the embedded copy if
// the system lacks it. Reads the font database, so not before the first
// screens are shown.
void prepareFonts();

// The screens' typeface (metric-compatible with the one they were laid out in).
QFont designFont(qreal points, bool bold = false, bool italic = false);

// Sets the design font size, or a smaller one down to 6 pt where the
// control's text would not fit its width otherwise.
void fitTextToWidth(QWidget *w, qreal designPoints);

} // namespace kolomaf

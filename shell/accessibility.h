// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace kolomaf {

// Gives every picture, picture button and text box of a screen a Dutch
// accessible name where it has none: a picture button what its picture
// shows (a caption button is called by its caption); a picture what it
// shows; a text box what it holds.
void nameControls(QWidget *screen);

// Pictures and digit rows get the roles a screen reader expects; once.
void installAccessibility();

} // namespace kolomaf

#pragma once

class QWidget;

namespace kolomaf {

// Gives every picture, picture button and text box of a screen a Dutch
// accessible name where it has none: a button's or picture's tool tip,
// otherwise its caption or what its picture shows; a text box what it holds.
void nameControls(QWidget *screen);

} // namespace kolomaf

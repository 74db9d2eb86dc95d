// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QApplication;

namespace kolomaf {

class Runtime;
struct FirstPicture;

// Every screen kind of the program.
void registerAllScreens(Runtime &rt);

// Starts the main window and runs until the program ends; the window
// system shows `first` while the screen in front is made.
int runProgram(QApplication &app, const FirstPicture *first = nullptr);

} // namespace kolomaf

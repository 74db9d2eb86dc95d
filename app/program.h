// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QApplication;

namespace kolomaf {

class Runtime;

// Every screen kind of the program.
void registerAllScreens(Runtime &rt);

// Starts the main window and runs until the program ends.
int runProgram(QApplication &app);

} // namespace kolomaf

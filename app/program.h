// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

class QApplication;

namespace kolomaf {

class Runtime;
struct FirstPicture;
namespace desktop {
class SentPicture;
}

// Every screen kind of the program.
void registerAllScreens(Runtime &rt);

// Starts the main window and runs until the program ends; the window
// system shows `first`, sent ahead as `sent`, while the screen in front is
// made.
int runProgram(QApplication &app, const FirstPicture *first, std::shared_ptr<desktop::SentPicture> sent);

} // namespace kolomaf

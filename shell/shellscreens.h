// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/closingscreen.h"
#include "shell/mainwindow.h"
#include "shell/menuscreens.h"
#include "shell/welcomescreen.h"

namespace kolomaf {

// Every screen of the shell, registered by name.
void registerShellScreens(Runtime &rt);

} // namespace kolomaf

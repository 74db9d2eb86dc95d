// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/shellscreens.h"

#include "shell/screennames.h"

namespace kolomaf {

void registerShellScreens(Runtime &rt)
{
    rt.registerKind(screens::mainWindow, [](Runtime &r) { return new MainWindow(r); });
    rt.registerKind(screens::welcome, [](Runtime &r) { return new WelcomeScreen(r); });
    rt.registerKind(screens::choice, [](Runtime &r) { return new ChoiceScreen(r); });
    rt.registerKind(screens::columnMenu, [](Runtime &r) { return new ColumnMenuScreen(r); });
    rt.registerKind(screens::closing, [](Runtime &r) { return new ClosingScreen(r); });
}

} // namespace kolomaf

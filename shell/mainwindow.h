// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/runtime.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace kolomaf {

class MainWindow : public Screen
{
    Q_OBJECT
public:
    explicit MainWindow(Runtime &rt);
    QMenuBar *menuBar = nullptr;
    QMenu *aftrek = nullptr;
    QAction *aftrek2 = nullptr;

protected:
    void load() override;
    void started() override;
    void closeRequested() override;

private:
    void buildMenu();
};

// Shared by the main window's menu item and the welcome screen's start button.
void openFirstChoice(Runtime &rt);

} // namespace kolomaf

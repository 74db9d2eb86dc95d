// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/mainwindow.h"

#include "shell/build.h"
#include "shell/palette.h"
#include "shell/screennames.h"

#include <QVBoxLayout>

namespace kolomaf {

void openFirstChoice(Runtime &rt)
{
    if (Screen *welcome = rt.screen(screens::welcome))
        welcome->hide();
    if (Screen *choice = rt.screen(screens::choice))
        choice->show();
    if (Screen *main = rt.mainWindow())
        main->setEnabled(false);
}

MainWindow::MainWindow(Runtime &rt)
    : Screen(rt, screens::mainWindow, 9930, 6825)
{
    setWindowTitle(QStringLiteral(" Alle kinderen moeten alle kansen krijgen."));
    setBackColor(this, QColor(234, 226, 138));
}

void MainWindow::buildMenu()
{
    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    aftrek = menuBar->addMenu(QStringLiteral("OPENEN "));
    aftrek->setObjectName(QStringLiteral("aftrek"));
    aftrek->setProperty("text", aftrek->title());
    aftrek2 = aftrek->addAction(QStringLiteral("&Basis"));
    aftrek2->setObjectName(QStringLiteral("aftrek2"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menuBar);
    setFixedSize(width(), height() + menuBar->sizeHint().height());
    connect(aftrek2, &QAction::triggered, this, [this] { openFirstChoice(runtime()); });
}

void MainWindow::load()
{
    open(screens::welcome);
    if (runtime().isLoaded(screens::closing))
        runtime().unload(screens::closing);
}

void MainWindow::started()
{
    // The menu bar's height needs the fonts, read once both windows are up.
    buildMenu();
}

void MainWindow::closeRequested()
{
    runtime().endProgram();
}

} // namespace kolomaf

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program.h"
#include "shell/desktop.h"
#include "shell/firstpicture.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    kolomaf::desktop::choosePlatform();
    QApplication app(argc, argv);
    return kolomaf::runProgram(app, &kolomaf::builtFirstPicture);
}

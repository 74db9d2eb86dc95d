// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program.h"
#include "shell/desktop.h"
#include "shell/firstpicture.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    kolomaf::desktop::choosePlatform();
    // On its way to the X server while Qt starts.
    auto sent = kolomaf::sendFirstPicture(kolomaf::builtFirstPicture);
    QApplication app(argc, argv);
    return kolomaf::runProgram(app, &kolomaf::builtFirstPicture, std::move(sent));
}

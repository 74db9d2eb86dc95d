// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program.h"
#include "shell/screennames.h"

#include "bridge/bridgescreen.h"
#include "columns/columnscreen.h"
#include "recognition/placevalue.h"
#include "shell/runtime.h"
#include "shell/shellscreens.h"
#include "writing/writingscreen.h"

#include <QApplication>

namespace kolomaf {

void registerAllScreens(Runtime &rt)
{
    registerShellScreens(rt);
    registerColumnScreens(rt);
    registerBridgeScreens(rt);
    registerRecognitionScreens(rt);
    registerWritingScreens(rt);
}

int runProgram(QApplication &app, const FirstPicture *first, std::shared_ptr<desktop::SentPicture> sent)
{
    Runtime::prepareApplication();
    Runtime rt;
    registerAllScreens(rt);
    rt.setFirstPicture(first, std::move(sent));
    rt.start(screens::mainWindow);
    return app.exec();
}

} // namespace kolomaf

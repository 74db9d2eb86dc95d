#include "app/program.h"

#include <QApplication>

#include "columns/columnscreen.h"
#include "shell/runtime.h"
#include "shell/shellscreens.h"

namespace kolomaf {

void registerAllScreens(Runtime &rt)
{
    registerShellScreens(rt);
    registerColumnScreens(rt);
}

int runProgram(QApplication &app)
{
    Runtime::prepareApplication();
    Runtime rt;
    registerAllScreens(rt);
    rt.start(QStringLiteral("MDIForm2"));
    return app.exec();
}

} // namespace kolomaf

// SPDX-License-Identifier: GPL-3.0-or-later
// Build-time only: draws the screen in front at a start as the pupil first
// sees it, and writes it as runs into a C++ source the program carries.
// Usage: kolomaf-first-picture OUT.cpp
#include "app/program.h"
#include "shell/firstpicture.h"
#include "shell/runtime.h"
#include "shell/screennames.h"

#include <QApplication>
#include <QFile>
#include <QScreen>
#include <cstdio>

using namespace kolomaf;

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: kolomaf-first-picture OUT.cpp\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // What the offscreen platform cannot do (raise a window, say) is no news
    // in a build log; errors still show.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type != QtDebugMsg && type != QtInfoMsg && type != QtWarningMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    QApplication app(argc, argv);
    Runtime::prepareApplication();
    Runtime rt;
    registerAllScreens(rt);
    rt.start(screens::mainWindow);
    Screen *front = rt.activeScreen();
    if (!front) {
        std::fprintf(stderr, "kolomaf-first-picture: no screen in front at the start\n");
        return 1;
    }
    // Active, with the keyboard on its first control, as the window
    // system gives it to the pupil.
    front->activateWindow();
    QApplication::processEvents();
    const QImage image = front->grab().toImage();
    const std::vector<std::uint32_t> runs = encodeRuns(image);

    QByteArray out = "// Made by kolomaf-first-picture when the program was built.\n"
                     "#include \"shell/firstpicture.h\"\n\n"
                     "namespace kolomaf {\n\n"
                     "namespace {\n"
                     "// On pages of their own, which go back to the system once read.\n"
                     "alignas(4096) const std::uint32_t runs[] = {\n";
    for (std::size_t i = 0; i < runs.size(); ++i)
        out += QByteArray("0x") + QByteArray::number(runs[i], 16) + (i % 8 == 7 ? ",\n" : ", ");
    out += "\n};\n} // namespace\n\n";
    out += "const FirstPicture builtFirstPicture = {\"" + front->objectName().toLatin1() + "\", "
        + QByteArray::number(image.width()) + ", " + QByteArray::number(image.height()) + ", "
        + QByteArray::number(qRound(front->screen()->logicalDotsPerInch())) + ", runs, "
        + QByteArray::number(qulonglong(runs.size())) + "};\n\n} // namespace kolomaf\n";
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size()) {
        std::fprintf(stderr, "kolomaf-first-picture: cannot write %s\n", argv[1]);
        return 1;
    }
    std::fprintf(stderr, "kolomaf-first-picture: %s, %dx%d, %zu words\n", qPrintable(front->objectName()),
        image.width(), image.height(), runs.size());
    return 0;
}

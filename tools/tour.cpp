// Walks the program to one screen, as a pupil would, for screenshots and the
// benchmark. "kolomaf-tour NAME" prints "ready X Y W H" once NAME is on
// screen and keeps running; "kolomaf-tour --memory" opens every screen once
// and prints the peak memory of the process in KiB.
#include "app/program.h"
#include "columns/columnscreen.h"
#include "shell/runtime.h"
#include "shell/shellscreens.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QTimer>
#include <cstdio>

using namespace kolomaf;

namespace {

void press(Runtime &rt, const char *screen, const char *button)
{
    if (auto *b = rt.screen(QLatin1String(screen))->findChild<QAbstractButton *>(QLatin1String(button)))
        b->click();
}

// The clicks that lead from the start to a screen.
bool walkTo(Runtime &rt, const QString &target)
{
    if (target == QLatin1String("frmmecenaat1")) return true;
    press(rt, "frmmecenaat1", "cmdkombinnen");
    if (target == QLatin1String("frmkiesbasis")) return true;
    if (target == QLatin1String("frminfo")) {
        press(rt, "frmkiesbasis", "cmdeinde");
        return true;
    }
    press(rt, "frmkiesbasis", "cmdkies");
    if (target == QLatin1String("frmbasis")) return true;
    const struct
    {
        const char *screen, *button;
    } columns[] = {{"Kolomaf1000zb", "Command2"}, {"CIFERMBE", "Command3"}, {"CIFERMBT", "Command4"},
        {"CIFERMBH", "cmdkwartier"}};
    for (const auto &c : columns)
        if (target == QLatin1String(c.screen)) {
            press(rt, "frmbasis", c.button);
            return true;
        }
    return false;
}

long peakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: kolomaf-tour SCREEN | --memory\n");
        return 2;
    }
    const QString target = QString::fromLocal8Bit(argv[1]);
    Runtime::prepareApplication();
    Runtime rt;
    registerAllScreens(rt);
    rt.start(QStringLiteral("MDIForm2"));

    if (target == QLatin1String("--memory")) {
        for (const char *name : {"Kolomaf1000zb", "CIFERMBE", "CIFERMBT", "CIFERMBH"}) {
            walkTo(rt, QLatin1String(name));
            app.processEvents();
            rt.screen<ColumnScreen>(QLatin1String(name))->cmdstop2->click();
            press(rt, "frmbasis", "cmdeinde");
            app.processEvents();
        }
        walkTo(rt, QStringLiteral("frminfo"));
        QTimer::singleShot(500, &app, [] {
            std::printf("peak_kib %ld\n", peakKiB());
            std::fflush(stdout);
            std::_Exit(0);
        });
        return app.exec();
    }

    if (!walkTo(rt, target)) {
        std::fprintf(stderr, "kolomaf-tour: no way to %s\n", argv[1]);
        return 2;
    }
    QTimer::singleShot(target == QLatin1String("frminfo") ? 2500 : 400, &app, [&rt, target] {
        const QRect g = rt.screen(target)->frameGeometry();
        std::printf("ready %d %d %d %d\n", g.x(), g.y(), g.width(), g.height());
        std::fflush(stdout);
    });
    return app.exec();
}

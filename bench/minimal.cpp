// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick: the smallest Qt Widgets program, one window with one label.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Hallo"));
    label.setFixedSize(300, 100);
    label.show();
    if (argc > 1 && QByteArray(argv[1]) == "--memory") {
        QTimer::singleShot(500, [] {
            QFile status(QStringLiteral("/proc/self/status"));
            status.open(QIODevice::ReadOnly);
            for (const QByteArray &line : status.readAll().split('\n'))
                if (line.startsWith("VmHWM:"))
                    std::printf("peak_kib %ld\n", line.mid(6).trimmed().split(' ').first().toLong());
            std::fflush(stdout);
            std::_Exit(0);
        });
    }
    return app.exec();
}

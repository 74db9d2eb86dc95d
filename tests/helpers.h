// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/program.h"
#include "columns/columnconfig.h"
#include "shell/runtime.h"

#include <QAbstractButton>
#include <QTest>
#include <QWidget>
#include <memory>

namespace kolomaf::test {

// A fresh program per test: its own runtime and screens, and an exit that
// is recorded instead of leaving the test.
struct Program
{
    explicit Program(bool startMain = true)
    {
        Runtime::prepareApplication();
        registerAllScreens(rt);
        rt.setExitFunction([this](int status) { exitStatus = status; });
        if (startMain)
            rt.start(QStringLiteral("MDIForm2"));
    }
    template <class T = Screen> T *screen(const char *name) { return rt.screen<T>(QLatin1String(name)); }

    Runtime rt;
    int exitStatus = -1;
};

template <class T = QWidget> T *control(QObject *screen, const QString &name)
{
    T *w = screen->findChild<T *>(name);
    if (!w)
        qWarning("no control %s on %s", qPrintable(name), qPrintable(screen->objectName()));
    return w;
}

template <class T = QWidget> T *control(QObject *screen, const char *name)
{
    return control<T>(screen, QLatin1String(name));
}

// Clicks the middle of a control after checking that the pupil could hit
// it there: nothing else is stacked in front of it. False, and why, when
// not, so the caller's check ends the test there.
[[nodiscard]] inline bool click(QWidget *w)
{
    if (!w) {
        qWarning("no control to click");
        return false;
    }
    QWidget *top = w->window();
    QWidget *hit = top->childAt(w->mapTo(top, w->rect().center()));
    if (hit != w && !w->isAncestorOf(hit)) {
        qWarning("%s is covered by %s", qPrintable(w->objectName()),
            qPrintable(hit ? hit->objectName() : QString()));
        return false;
    }
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    return true;
}

// A click delivered where the pupil's pointer is, so the window decides
// which control is hit.
inline void clickAt(QWidget *screen, QPoint pos)
{
    QTest::mouseClick(screen->windowHandle(), Qt::LeftButton, {}, pos);
}

// One data row per column screen, in a column "name".
inline void addColumnScreenRows()
{
    QTest::addColumn<QString>("name");
    for (const ColumnConfig &c : columnConfigs)
        QTest::newRow(c.name) << QString::fromLatin1(c.name);
}

inline bool shown(const QWidget *w)
{
    return w && !w->isHidden();
}

// What a pixel in the middle of the control shows.
inline QColor pixelColour(QWidget *w, QPoint at = {2, 2})
{
    return w->grab().toImage().pixelColor(at);
}

} // namespace kolomaf::test

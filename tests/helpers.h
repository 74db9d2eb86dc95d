#pragma once

#include <QAbstractButton>
#include <QTest>
#include <QWidget>
#include <memory>

#include "app/program.h"
#include "shell/runtime.h"

namespace kolomaf::test {

// A fresh program per test: its own runtime and screens, and an exit that
// is recorded instead of leaving the test.
struct Program {
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

inline void click(QWidget *w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

// A click delivered where the pupil's pointer is, so the window decides
// which control is hit.
inline void clickAt(QWidget *screen, QPoint pos)
{
    QTest::mouseClick(screen->windowHandle(), Qt::LeftButton, {}, pos);
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

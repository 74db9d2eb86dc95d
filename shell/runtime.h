// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/random.h"

#include <QAnyStringView>
#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

class QApplication;

namespace kolomaf {

class Runtime;
struct FirstPicture;
namespace desktop {
class SentPicture;
}

// One screen of the program: a top-level window with its controls, its
// variables and its event handlers. The runtime creates it on first use and
// runs load() once; activate() runs each time it becomes the active screen.
class Screen : public QWidget
{
    Q_OBJECT
public:
    Screen(Runtime &rt, const char *name, int clientWidthTwips, int clientHeightTwips);
    ~Screen() override;

    Runtime &runtime() const { return m_rt; }

    // Left = (display width - window width) / 2, likewise Top.
    void centre();

    void setVisible(bool visible) override;

protected:
    friend class Runtime;
    virtual void load() { }
    virtual void activate() { }
    // The main window's, once a start has read the fonts and, on a display,
    // the screen in front has drawn (see Runtime::start).
    virtual void started() { }
    // The window's own close control. Screens leave through their own
    // buttons, so the default keeps the screen where it is.
    virtual void closeRequested() { }

    // Shows another screen (creating it on first use); null when no screen of
    // that name is part of this build.
    Screen *open(QAnyStringView name);

    // Puts the controls in this stacking order, first at the bottom.
    static void stack(std::initializer_list<QWidget *> bottomToTop);

    bool event(QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void createWindow();
    Runtime &m_rt;
    // Where the frame's top-left corner was put or last stood.
    std::optional<QPoint> m_frameTopLeft;
};

// Holds the one instance of every screen kind and tracks the active screen.
// main() creates one; every test builds its own.
class Runtime : public QObject
{
    Q_OBJECT
public:
    using Factory = std::function<Screen *(Runtime &)>;

    Runtime();
    ~Runtime() override;

    void registerKind(QAnyStringView name, Factory factory);
    bool has(QAnyStringView name) const;
    QStringList registeredNames() const { return m_factories.keys(); }

    // The screen, created and loaded on first use; null for an unknown name.
    Screen *screen(QAnyStringView name);
    template <class T> T *screen(QAnyStringView name) { return qobject_cast<T *>(screen(name)); }
    bool isLoaded(QAnyStringView name) const;
    void unload(QAnyStringView name);
    QList<Screen *> loadedScreens() const;

    // Shows the startup screen, then runs its load handler.
    void start(QAnyStringView mainName);
    Screen *mainWindow() const { return m_main; }
    Screen *activeScreen() const { return m_active; }

    // Closes every screen at once without running any further handler and
    // ends the program with status 0.
    void endProgram();
    bool ended() const { return m_ended; }
    void setExitFunction(std::function<void(int)> exit) { m_exit = std::move(exit); }

    RandomSource &random() { return *m_random; }
    void setRandom(std::unique_ptr<RandomSource> source) { m_random = std::move(source); }

    // The picture of the screen in front that the window system shows at
    // the start, until that screen has drawn, as sent ahead by
    // sendFirstPicture(). Before start().
    void setFirstPicture(const FirstPicture *picture, std::shared_ptr<desktop::SentPicture> sent)
    {
        m_firstPicture = picture;
        m_firstPictureSent = std::move(sent);
    }

    // Fonts, style and icon the screens are designed for; once per process.
    static void prepareApplication();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class Screen;
    Screen *create(const QString &name);
    void becameActive(Screen *s);
    void becameHidden(Screen *s);
    void activatedByDesktop(Screen *s);
    // A screen just shown is the one the window system is to activate next.
    void awaitActivation(Screen *s);
    // The screen the pupil works on: the one just shown, else the active one.
    Screen *screenInFront() const;
    void forget(Screen *s);
    // The main window draws once the screen in front has, at a start.
    void releaseMainWindow();
    // The main window's menu and the program's icon, after the first screens.
    void finishStart();
    // A screen's window is made at the start, not yet mapped.
    void showFirstPicture(Screen *s);

    QHash<QString, Factory> m_factories;
    QHash<QString, Screen *> m_screens;
    QList<QString> m_creationOrder;
    QPointer<Screen> m_main;
    Screen *m_active = nullptr;
    // Shown and asked to be activated, until the window system has done so.
    Screen *m_awaited = nullptr;
    QElapsedTimer m_awaitedSince;
    bool m_ended = false;
    bool m_starting = false;
    bool m_mainHeldBack = false;
    const FirstPicture *m_firstPicture = nullptr;
    std::shared_ptr<desktop::SentPicture> m_firstPictureSent;
    QPointer<Screen> m_firstPictureShownOn;
    // The offscreen platform keeps no stacking order to raise a window in.
    const bool m_windowsStack;
    std::function<void(int)> m_exit;
    std::unique_ptr<RandomSource> m_random = std::make_unique<ClockRandom>();
};

} // namespace kolomaf

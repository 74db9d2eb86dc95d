// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/runtime.h"

#include "assets/assets.h"
#include "shell/accessibility.h"
#include "shell/controls.h"
#include "shell/desktop.h"
#include "shell/firstpicture.h"
#include "shell/pictures.h"
#include "shell/twips.h"

#include <QApplication>
#include <QBackingStore>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QIcon>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QScreen>
#include <QStyleFactory>
#include <QStyleHints>
#include <QTimer>
#include <QWindow>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <thread>

namespace kolomaf {

Screen::Screen(Runtime &rt, const char *name, int clientWidthTwips, int clientHeightTwips)
    : QWidget(nullptr, Qt::Window)
    , m_rt(rt)
{
    setObjectName(QLatin1String(name));
    setFixedSize(px(clientWidthTwips), px(clientHeightTwips));
    setFont(designFont(9));
    // Only the title-bar buttons that work: a screen has a fixed size, so
    // there is nothing to maximize, and a minimized screen comes straight
    // back, as the window manager then activates the main window.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint);
}

void Screen::createWindow()
{
    create();
    // Screens stay in front of the main window without being its children:
    // a disabled parent would disable them too.
    if (Screen *main = m_rt.mainWindow(); main && main != this) {
        main->create();
        windowHandle()->setTransientParent(main->windowHandle());
    }
}

Screen::~Screen()
{
    m_rt.forget(this);
}

void Screen::centre()
{
    QScreen *display = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect d = display->geometry();
    // The outer size, frame included, also before the window manager has
    // framed this window and Qt knows of the frame.
    QSize outer = frameGeometry().size();
    if (outer == size())
        outer = size().grownBy(desktop::frameMargins(this) / display->devicePixelRatio());
    const QPoint at(d.x() + int(std::lround((d.width() - outer.width()) / 2.0)),
        d.y() + int(std::lround((d.height() - outer.height()) / 2.0)));
    m_frameTopLeft = at;
    move(at);
}

void Screen::setVisible(bool visible)
{
    const bool wasHidden = isHidden();
    if (visible && !testAttribute(Qt::WA_WState_Created)) {
        // A window made anew goes where the screen's frame last stood, so it
        // maps there and does not jump.
        if (m_frameTopLeft) {
            // Qt adds the frame of the window before to a move of a window
            // not yet made, and moves it again before mapping.
            if (desktop::framesWhereMade())
                setGeometry(QRect(*m_frameTopLeft, size()));
            else
                move(*m_frameTopLeft);
        }
        createWindow();
        if (m_rt.m_starting)
            m_rt.showFirstPicture(this);
        desktop::aboutToMap(this, pos());
        desktop::watchPlacement();
    }
    if (!visible && !wasHidden && testAttribute(Qt::WA_WState_Created)) {
        const QMargins frame = desktop::frameMargins(this) / devicePixelRatio();
        m_frameTopLeft = geometry().topLeft() - QPoint(frame.left(), frame.top());
    }
    QWidget::setVisible(visible);
    // A hidden screen gives its window, the memory behind it and its drawn
    // pictures back; its controls and variables stay, and the next show
    // makes a new window and draws the pictures again.
    if (!visible && !wasHidden && this != m_rt.mainWindow()) {
        destroy();
        releasePictures(this);
#ifdef __GLIBC__
        // What the screen freed goes back to the system, not only to the heap.
        malloc_trim(0);
#endif
    }
    if (m_rt.ended())
        return;
    if (visible) {
        // Show makes a screen the active window, also when it already showed.
        if (m_rt.m_windowsStack)
            raise();
        activateWindow();
        m_rt.becameActive(this);
        m_rt.awaitActivation(this);
    } else if (!wasHidden) {
        m_rt.becameHidden(this);
    }
}

Screen *Screen::open(QAnyStringView name)
{
    Screen *target = m_rt.screen(name);
    if (target)
        target->show();
    return target;
}

void Screen::stack(std::initializer_list<QWidget *> bottomToTop)
{
    for (QWidget *w : bottomToTop)
        if (w)
            w->raise();
}

bool Screen::event(QEvent *e)
{
    // The window manager's activation: a click on a title bar, the keyboard
    // or a task bar.
    if (e->type() == QEvent::WindowActivate && !m_rt.ended() && !isHidden())
        m_rt.activatedByDesktop(this);
    return QWidget::event(e);
}

void Screen::closeEvent(QCloseEvent *e)
{
    if (m_rt.ended()) {
        e->accept();
        return;
    }
    e->ignore();
    closeRequested();
}

Runtime::Runtime()
    : m_windowsStack(QGuiApplication::platformName() != QLatin1String("offscreen"))
    , m_exit([](int status) { QCoreApplication::exit(status); })
{
    qApp->installEventFilter(this);
}

Runtime::~Runtime()
{
    qApp->removeEventFilter(this);
    m_ended = true;
    // Screens other than the main window first: they may hold it as parent.
    const QList<QString> order = m_creationOrder;
    for (auto it = order.rbegin(); it != order.rend(); ++it)
        delete m_screens.value(*it);
}

void Runtime::registerKind(QAnyStringView name, Factory factory)
{
    m_factories.insert(name.toString(), std::move(factory));
}

bool Runtime::has(QAnyStringView name) const
{
    return m_factories.contains(name.toString());
}

Screen *Runtime::create(const QString &name)
{
    auto f = m_factories.constFind(name);
    if (f == m_factories.constEnd())
        return nullptr;
    if (!m_starting)
        prepareFonts();
    Screen *s = (*f)(*this);
    nameControls(s);
    m_screens.insert(name, s);
    m_creationOrder.append(name);
    return s;
}

Screen *Runtime::screen(QAnyStringView view)
{
    const QString name = view.toString();
    if (Screen *s = m_screens.value(name))
        return s;
    Screen *s = create(name);
    if (s)
        s->load();
    return s;
}

bool Runtime::isLoaded(QAnyStringView name) const
{
    return m_screens.contains(name.toString());
}

void Runtime::unload(QAnyStringView name)
{
    delete m_screens.value(name.toString());
}

QList<Screen *> Runtime::loadedScreens() const
{
    QList<Screen *> out;
    for (const QString &name : m_creationOrder)
        out.append(m_screens.value(name));
    return out;
}

namespace {

// The first write to each page of fresh memory costs a fault; a thread
// can take them while the main thread works.
std::thread touchWindowBuffer(QWidget *w)
{
    QBackingStore *store = w ? w->backingStore() : nullptr;
    if (!store)
        return {};
    if (store->size() != w->size())
        store->resize(w->size());
    QPaintDevice *device = store->paintDevice();
    if (!device || device->devType() != QInternal::Image)
        return {};
    auto *image = static_cast<QImage *>(device);
    uchar *bits = image->bits();
    const qsizetype bytes = image->sizeInBytes();
    return std::thread([bits, bytes] {
        for (qsizetype i = 0; i < bytes; i += 4096)
            bits[i] = 0;
    });
}

} // namespace

void Runtime::start(QAnyStringView mainName)
{
    // A start, in this order. The main window and the screen its load
    // handler shows are built and sent to the display before any font is
    // looked at: reading the font database is the longest step of a start.
    m_starting = true;
    Screen *s = create(mainName.toString());
    if (!s) {
        m_starting = false;
        return;
    }
    m_main = s;
    // Its place is free; centred, it stays behind the screens in front.
    s->setWindowFlag(Qt::WindowMinimizeButtonHint);
    s->centre();
    // It stands behind the welcome screen: its own paint, its menu and the
    // icon wait until that screen has drawn, so what the pupil waits for
    // reaches the display first.
    if (m_windowsStack) {
        m_mainHeldBack = true;
        s->setUpdatesEnabled(false);
        QTimer::singleShot(300, s, [this] { releaseMainWindow(); });
    }
    s->show();
    s->load();
    desktop::flushDisplay();
    // Then the fonts, and what needs them. On a display, where the screen
    // in front paints later, the second core meanwhile takes the first
    // touches of its window buffer and draws its pictures, which would
    // otherwise slow that first paint.
    m_starting = false;
    Screen *front = m_mainHeldBack ? screenInFront() : nullptr;
    std::thread touching = touchWindowBuffer(front);
    if (front)
        drawPicturesAhead(front, false);
    prepareFonts();
    if (front)
        drawPicturesAhead(front, true);
    if (touching.joinable())
        touching.join();
    if (!m_mainHeldBack)
        finishStart();
}

void Runtime::showFirstPicture(Screen *s)
{
    const FirstPicture *p = m_firstPicture;
    if (!p || !p->screen || s->objectName() != QLatin1String(p->screen))
        return;
    m_firstPicture = nullptr;
    // Drawn at the size of this screen's fonts; at another it would show
    // the pupil something else for a moment.
    const QScreen *display = s->screen();
    if (display && qRound(display->logicalDotsPerInch()) == p->dpi
        && desktop::showPicture(s, m_firstPictureSent))
        m_firstPictureShownOn = s;
}

void Runtime::finishStart()
{
    // The screen in front has drawn over its first picture.
    if (m_firstPictureShownOn)
        desktop::dropPicture(m_firstPictureShownOn);
    m_firstPictureSent.reset();
    dropPicturesDrawnAhead();
    if (m_main)
        m_main->started();
    // Rendering the icon at every size the window system asks for waits
    // until the first screens are up.
    QTimer::singleShot(0, qApp, [] { QApplication::setWindowIcon(pictureIcon(picture("kolomaf"))); });
}

namespace {

// Fusion, except that the menu bar's overflow button, which never shows
// with the one short menu, has no icon: looking up the standard one loads
// every image format plugin.
class Style : public QProxyStyle
{
public:
    Style()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    {
    }
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const override
    {
        if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
            return {};
        return QProxyStyle::standardIcon(icon, option, widget);
    }
};

} // namespace

void Runtime::endProgram()
{
    if (m_ended)
        return;
    m_ended = true;
    m_active = nullptr;
    m_awaited = nullptr;
    const QList<Screen *> screens = loadedScreens();
    for (Screen *s : screens) {
        for (QTimer *t : s->findChildren<QTimer *>())
            t->stop();
        s->blockSignals(true);
        for (QObject *child : s->findChildren<QObject *>())
            child->blockSignals(true);
    }
    for (Screen *s : screens)
        s->hide();
    m_exit(0);
}

void Runtime::becameActive(Screen *s)
{
    if (m_ended || s == m_active)
        return;
    m_active = s;
    s->activate();
}

void Runtime::becameHidden(Screen *s)
{
    if (s == m_active)
        m_active = nullptr;
    if (s == m_awaited)
        m_awaited = nullptr;
}

void Runtime::awaitActivation(Screen *s)
{
    m_awaited = s;
    m_awaitedSince.start();
}

Screen *Runtime::screenInFront() const
{
    if (m_awaited)
        return m_awaited;
    return m_active && m_active != m_main && !m_active->isHidden() ? m_active : nullptr;
}

void Runtime::activatedByDesktop(Screen *s)
{
    // A screen the program has just shown is the active one, whatever the
    // window manager activated on the way there (it may give the main
    // window the focus for a moment when the screen before it hides).
    if (m_awaited && m_awaitedSince.hasExpired(1000))
        m_awaited = nullptr;
    if (s == m_awaited)
        m_awaited = nullptr;
    Screen *front = screenInFront();
    const bool handBack = front && front != s && (m_awaited || (s == m_main && !s->isEnabled()));
    if (!handBack) {
        becameActive(s);
        return;
    }
    // A disabled main window cannot be the active one: the screen in front
    // takes the activation back, the same activation as before, so none of
    // its handlers runs. A minimized screen comes back with it.
    if (front->isMinimized())
        front->setWindowState(front->windowState() & ~Qt::WindowMinimized);
    front->raise();
    front->activateWindow();
    if (s != m_main)
        return;
    // Some managers do not activate a window on request (weston's for
    // XWayland): the dead main window would stay in front. Out of the way,
    // it leaves the manager to activate the screen itself.
    QTimer::singleShot(500, m_main, [this] {
        if (!m_ended && !m_main->isEnabled() && desktop::isActive(m_main))
            m_main->hide();
    });
}

void Runtime::releaseMainWindow()
{
    if (!m_mainHeldBack)
        return;
    m_mainHeldBack = false;
    finishStart();
    if (m_main)
        m_main->setUpdatesEnabled(true);
}

void Runtime::forget(Screen *s)
{
    becameHidden(s);
    const QString name = m_screens.key(s);
    if (!name.isEmpty()) {
        m_screens.remove(name);
        m_creationOrder.removeAll(name);
    }
}

bool Runtime::eventFilter(QObject *watched, QEvent *event)
{
    // Posted, the main window's turn comes once this paint is on the display.
    if (m_mainHeldBack && event->type() == QEvent::Paint && watched != m_main
        && qobject_cast<Screen *>(watched))
        QTimer::singleShot(0, m_main, [this] { releaseMainWindow(); });
    // A click from one of the program's windows into another activates the
    // screen clicked, before the click itself is handled.
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType()) {
        auto *w = static_cast<QWidget *>(watched);
        auto *s = qobject_cast<Screen *>(w->window());
        if (s && &s->runtime() == this && s->isEnabled() && !s->isHidden()) {
            m_awaited = nullptr;
            becameActive(s);
        }
    }
    return QObject::eventFilter(watched, event);
}

void Runtime::prepareApplication()
{
    static bool done = false;
    if (done)
        return;
    done = true;
#ifdef __GLIBC__
    // Window and picture buffers are large and come and go with the
    // screens. With glibc's sliding threshold they end up inside the heap,
    // which then fragments and grows over a long session; mapped on their
    // own, they go back to the system when freed.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
    // The screens were laid out in Arial; Liberation Sans has the same metrics.
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    // The menu stays in the main window; asking the desktop for a global
    // menu bar costs a bus round trip at start.
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    // A steady text cursor: a blinking one distracts young pupils, and its
    // repaints were most of the program's work while it waits.
    QGuiApplication::styleHints()->setCursorFlashTime(0);
    QApplication::setStyle(new Style);
    QApplication::setFont(designFont(9));
    QApplication::setApplicationName(QStringLiteral("kolomaf"));
    QGuiApplication::setDesktopFileName(QStringLiteral("nl.tellegoed.kolomaf"));
    QApplication::setQuitOnLastWindowClosed(false);
    installAccessibility();
}

} // namespace kolomaf

// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpers.h"
#include "shell/controls.h"
#include "core/numbers.h"
#include "shell/twips.h"

#include <QApplication>
#include <QLineEdit>
#include <QPixmapCache>
#include <QSignalSpy>
#include <QTest>
#include <limits>

using namespace kolomaf;

namespace {

// A screen that counts its handlers.
class Probe : public Screen
{
public:
    Probe(Runtime &rt, const char *name)
        : Screen(rt, name, 3000, 2000)
    {
        box = new TextBox(this);
        box->setObjectName(QStringLiteral("box"));
        connect(box, &QLineEdit::textChanged, this, [this] { ++changes; });
        timer = new Timer(this, "tick", 1, true);
        connect(timer, &Timer::tick, this, [this] { ++ticks; });
    }
    int loads = 0, activations = 0, changes = 0, ticks = 0, closes = 0;
    TextBox *box;
    Timer *timer;

protected:
    void load() override { ++loads; }
    void activate() override
    {
        ++activations;
        centre();
    }
    void closeRequested() override { ++closes; }
};

} // namespace

class TestRuntime : public QObject
{
    Q_OBJECT

    std::unique_ptr<Runtime> rt;
    int exitStatus = -1;
    Probe *probe(const char *name) { return static_cast<Probe *>(rt->screen(QLatin1String(name))); }

private Q_SLOTS:
    void init()
    {
        Runtime::prepareApplication();
        rt = std::make_unique<Runtime>();
        exitStatus = -1;
        rt->setExitFunction([this](int s) { exitStatus = s; });
        for (const char *name : {"A", "B"})
            rt->registerKind(QLatin1String(name), [name](Runtime &r) { return new Probe(r, name); });
    }
    void cleanup() { rt.reset(); }

    void twipsEdgesMeetWithoutGaps()
    {
        // Two controls designed edge to edge stay edge to edge in pixels.
        const QRect a = twipsRect(8520, 4440, 735, 735);
        const QRect b = twipsRect(8520 + 735, 4440, 735, 735);
        QCOMPARE(a.right() + 1, b.left());
        QCOMPARE(twipsRect(0, 0, 15, 30), QRect(0, 0, 1, 2));
    }

    void loadRunsOnceOnFirstUse()
    {
        QVERIFY(!rt->isLoaded(QStringLiteral("A")));
        Probe *a = probe("A");
        QVERIFY(rt->isLoaded(QStringLiteral("A")));
        QCOMPARE(a->loads, 1);
        QCOMPARE(probe("A"), a);
        a->show();
        a->hide();
        a->show();
        QCOMPARE(a->loads, 1);
        QVERIFY(!rt->screen(QStringLiteral("nobody")));
    }

    void showActivatesAndHideKeepsState()
    {
        Probe *a = probe("A");
        a->box->setText(QStringLiteral("42"));
        a->show();
        QCOMPARE(rt->activeScreen(), a);
        QCOMPARE(a->activations, 1);
        a->show(); // already active: no second activation
        QCOMPARE(a->activations, 1);
        a->hide();
        QCOMPARE(rt->activeScreen(), nullptr);
        a->show();
        QCOMPARE(a->activations, 2);
        QCOMPARE(a->box->text(), QStringLiteral("42"));
    }

    void unloadStartsAfresh()
    {
        probe("A")->box->setText(QStringLiteral("42"));
        rt->unload(QStringLiteral("A"));
        QVERIFY(!rt->isLoaded(QStringLiteral("A")));
        Probe *again = probe("A");
        QCOMPARE(again->loads, 1);
        QCOMPARE(again->box->text(), QString());
    }

    void clickingAnotherWindowActivatesIt()
    {
        Probe *a = probe("A");
        Probe *b = probe("B");
        a->show();
        b->show();
        QCOMPARE(rt->activeScreen(), b);
        QTest::mouseClick(a->box, Qt::LeftButton);
        QCOMPARE(rt->activeScreen(), a);
        QCOMPARE(a->activations, 2);
        // More clicks within the active screen, or the window system
        // re-activating it after another application, do not run it again.
        QTest::mouseClick(a->box, Qt::LeftButton);
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(a, &activate);
        QCOMPARE(a->activations, 2);
        // The window system switching to the other window does.
        QApplication::sendEvent(b, &activate);
        QCOMPARE(b->activations, 2);
    }

    void theMainWindowCountsOnlyWhileEnabled()
    {
        rt->start(QStringLiteral("A"));
        Probe *main = probe("A");
        Probe *b = probe("B");
        b->show();
        QEvent activate(QEvent::WindowActivate);
        // The window manager activates the main window on the way to a
        // screen just shown: that screen stays the active one.
        QApplication::sendEvent(main, &activate);
        QCOMPARE(rt->activeScreen(), b);
        QApplication::sendEvent(b, &activate);
        QCOMPARE(b->activations, 1);
        // Enabled, the main window's activation leaves the screen...
        QApplication::sendEvent(main, &activate);
        QCOMPARE(rt->activeScreen(), main);
        QApplication::sendEvent(b, &activate);
        QCOMPARE(b->activations, 2);
        // ...disabled, it hands the activation straight back, no new one, and
        // a minimized screen comes back with it.
        main->setEnabled(false);
        b->setWindowState(Qt::WindowMinimized);
        QApplication::sendEvent(main, &activate);
        QCOMPARE(rt->activeScreen(), b);
        QVERIFY(!b->isMinimized());
        QApplication::sendEvent(b, &activate);
        QCOMPARE(b->activations, 2);
    }

    void activationRecentresAMovedScreen()
    {
        Probe *a = probe("A");
        Probe *b = probe("B");
        a->show();
        const QPoint centred = a->pos();
        a->move(3, 4);
        b->show();
        QTest::mouseClick(a->box, Qt::LeftButton);
        QCOMPARE(a->pos(), centred);
        const QRect display = a->screen()->geometry();
        QVERIFY(qAbs(a->frameGeometry().center().x() - display.center().x()) <= 1);
        QVERIFY(qAbs(a->frameGeometry().center().y() - display.center().y()) <= 1);
    }

    void changeEventsFireOnlyOnADifferentText()
    {
        Probe *a = probe("A");
        int seenInside = -1;
        connect(a->box, &QLineEdit::textChanged, a, [&] { seenInside = a->changes; });
        a->box->setText(QStringLiteral("3"));
        QCOMPARE(a->changes, 1); // synchronously, inside setText
        QCOMPARE(seenInside, 1);
        a->box->setText(QStringLiteral("3"));
        QCOMPARE(a->changes, 1);
        a->show();
        a->box->setFocus();
        QTest::keyClick(a->box, Qt::Key_4);
        QCOMPARE(a->changes, 2);
        a->box->setText(QString());
        QCOMPARE(a->changes, 3);
    }

    void focusDoesNotSelectTheText()
    {
        Probe *a = probe("A");
        a->show();
        QVERIFY(QTest::qWaitForWindowActive(a));
        a->box->setText(QStringLiteral("7"));
        a->setFocus();
        QTest::keyClick(a, Qt::Key_Tab);
        QVERIFY(a->box->hasFocus());
        QVERIFY(!a->box->hasSelectedText());
    }

    void disabledControlsGetNoClicks()
    {
        Probe *a = probe("A");
        a->show();
        QSignalSpy clicks(a->box, &TextBox::clicked);
        a->box->setEnabled(false);
        QTest::mouseClick(a->box, Qt::LeftButton);
        QCOMPARE(clicks.count(), 0);
        a->box->setEnabled(true);
        QTest::mouseClick(a->box, Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);
    }

    void endProgramClosesEverythingWithoutFurtherEvents()
    {
        Probe *a = probe("A");
        Probe *b = probe("B");
        a->show();
        b->show();
        QTRY_VERIFY(a->ticks > 0);
        rt->endProgram();
        QCOMPARE(exitStatus, 0);
        QVERIFY(a->isHidden() && b->isHidden());
        const int ticks = a->ticks, activations = a->activations, changes = a->changes;
        a->box->setText(QStringLiteral("9"));
        a->show();
        QTest::qWait(20);
        QCOMPARE(a->ticks, ticks);
        QCOMPARE(a->activations, activations);
        QCOMPARE(a->changes, changes);
    }

    void sharedColoursKeepEachControlsOwnColours()
    {
        // Controls with the same colours share one palette; a control that
        // differs in one colour must not pick up another's.
        Probe *a = probe("A");
        Label red1(a), red2(a), redOnBlue(a);
        TextBox box(a);
        PictureButton button(a);
        setForeColor(&redOnBlue, Qt::blue);
        for (QWidget *w : std::initializer_list<QWidget *> {&red1, &red2, &redOnBlue, &box, &button})
            setBackColor(w, Qt::red);
        for (QWidget *w : std::initializer_list<QWidget *> {&red1, &red2, &redOnBlue, &box, &button})
            QCOMPARE(backColor(w), QColor(Qt::red));
        QCOMPARE(foreColor(&redOnBlue), QColor(Qt::blue));
        QCOMPARE(foreColor(&red1), foreColor(&red2));
        QVERIFY(foreColor(&red1) != QColor(Qt::blue));
        QVERIFY(red1.autoFillBackground());
        // A text box's and a button's own background roles, not the window's.
        QVERIFY(box.palette().color(QPalette::Window) != QColor(Qt::red));
        QVERIFY(button.palette().color(QPalette::Window) != QColor(Qt::red));
        setForeColor(&red2, Qt::yellow);
        QCOMPARE(foreColor(&red2), QColor(Qt::yellow));
        QVERIFY(foreColor(&red1) != QColor(Qt::yellow));
        QCOMPARE(backColor(&red2), QColor(Qt::red));
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            QCOMPARE(red2.palette().color(group, QPalette::WindowText), QColor(Qt::yellow));
        // A coloured control keeps its colours when its screen changes its own.
        const QColor red1Fore = foreColor(&red1);
        setBackColor(a, Qt::green);
        setForeColor(a, Qt::magenta);
        QCOMPARE(backColor(&red1), QColor(Qt::red));
        QCOMPARE(foreColor(&red1), red1Fore);
        QCOMPARE(backColor(&box), QColor(Qt::red));
    }

    void hiddenScreenDrawsItsPicturesAgain()
    {
        Probe *a = probe("A");
        auto *pic = new Picture(a, QStringLiteral(":/assets/stop.svg"));
        pic->setGeometry(10, 10, 60, 40);
        a->show();
        const QString key = QStringLiteral(":/assets/stop.svg@60x40");
        const QColor before = a->grab().toImage().pixelColor(40, 30);
        QVERIFY(before != a->palette().color(QPalette::Window));
        QPixmap cached;
        QVERIFY(QPixmapCache::find(key, &cached));
        a->hide();
        QVERIFY(!QPixmapCache::find(key, &cached));
        a->show();
        QCOMPARE(a->grab().toImage().pixelColor(40, 30), before);
        QVERIFY(QPixmapCache::find(key, &cached));
    }

    // Drawn on another thread at start, a picture must come out as the one
    // drawn in the paint, a captioned button's too, and none may be lost.
    void picturesDrawnAheadAreTheOnesPainted()
    {
        Probe *a = probe("A");
        (new Picture(a, QStringLiteral(":/assets/stop.svg")))->setGeometry(10, 10, 60, 40);
        auto *button = new PictureButton(a, QStringLiteral(":/assets/stop.svg"));
        button->setText(QStringLiteral("Stop"));
        button->setGeometry(80, 10, 90, 90);
        a->resize(200, 120);
        a->show();
        const QImage onTheSpot = a->grab().toImage();
        a->hide();
        a->show();
        drawPicturesAhead(a, false);
        drawPicturesAhead(a, true);
        QCOMPARE(a->grab().toImage(), onTheSpot);
        dropPicturesDrawnAhead();
        QPixmap cached;
        QVERIFY(QPixmapCache::find(QStringLiteral(":/assets/stop.svg@60x40"), &cached));
    }

    void closeControlIsTheScreensOwnDecision()
    {
        Probe *a = probe("A");
        a->show();
        QVERIFY(!a->close());
        QCOMPARE(a->closes, 1);
        QVERIFY(!a->isHidden());
    }
};

QTEST_MAIN(TestRuntime)
#include "tst_runtime.moc"

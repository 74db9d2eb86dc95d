// SPDX-License-Identifier: GPL-3.0-or-later
#include "columns/columnscreen.h"
#include "helpers.h"
#include "shell/controls.h"
#include "shell/firstpicture.h"
#include "shell/shellscreens.h"
#include "shell/twips.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using namespace kolomaf;
using kolomaf::test::click;
using kolomaf::test::control;
using kolomaf::test::shown;

class TestShell : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::Program> p;
    Screen *main() { return p->rt.mainWindow(); }
    ChoiceScreen *choice() { return p->screen<ChoiceScreen>("frmkiesbasis"); }
    ColumnMenuScreen *menu() { return p->screen<ColumnMenuScreen>("frmbasis"); }

    [[nodiscard]] bool toFirstChoice()
    {
        return click(p->screen<WelcomeScreen>("frmmecenaat1")->cmdkombinnen);
    }
    [[nodiscard]] bool toMenu() { return toFirstChoice() && click(choice()->cmdkies); }
    // The main window's menu item Basis.
    [[nodiscard]] bool chooseBasis()
    {
        auto *basis = control<QAction>(main(), "aftrek2");
        if (basis)
            basis->trigger();
        return basis;
    }

private Q_SLOTS:
    void init() { p = std::make_unique<test::Program>(); }
    void cleanup() { p.reset(); }

    void startShowsWelcomeOverAnEnabledMainWindow()
    {
        auto *welcome = p->screen("frmmecenaat1");
        QVERIFY(shown(main()));
        QVERIFY(main()->isEnabled());
        QVERIFY(shown(welcome));
        QCOMPARE(p->rt.activeScreen(), welcome);
        QCOMPARE(main()->windowTitle(), QStringLiteral(" Alle kinderen moeten alle kansen krijgen."));
        auto *open = control<QMenu>(main(), "aftrek");
        auto *basis = control<QAction>(main(), "aftrek2");
        QVERIFY(open && basis);
        QCOMPARE(open->title(), QStringLiteral("OPENEN "));
        QCOMPARE(basis->text(), QStringLiteral("&Basis"));
        QVERIFY(!p->rt.isLoaded(QStringLiteral("frminfo")));
    }

    void mainWindowMakesRoomForItsMenuAndFontsAreReady()
    {
        // The menu bar is built after the first screens are shown; the
        // client area keeps its design size under it.
        auto *bar = control<QMenuBar>(main(), "menuBar");
        QVERIFY(bar);
        QCOMPARE(main()->height(), px(6825) + bar->sizeHint().height());
        QCOMPARE(main()->minimumSize(), main()->maximumSize());
        QCOMPARE(QFontInfo(designFont(9)).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(QFontInfo(designFont(12, true)).bold(), true);
    }

    void windowIconsAreDrawnAtTheUsualSizes()
    {
        QTRY_VERIFY(!QApplication::windowIcon().isNull());
        auto *drill = p->screen("frmbrugdraadminMBE");
        for (const QIcon &icon : {QApplication::windowIcon(), drill->windowIcon()}) {
            QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
            QVERIFY(icon.availableSizes().contains(QSize(64, 64)));
            const QImage image = icon.pixmap(32, 32).toImage();
            QCOMPARE(image.size(), QSize(32, 32));
            QVERIFY(image.pixelColor(16, 16).alpha() > 0);
        }
    }

    // At a start the window system shows the built picture until the
    // welcome screen has drawn: it must be the pixels that screen paints, and
    // a damaged picture is none.
    void firstPictureIsWhatTheWelcomeScreenPaints()
    {
        Screen *welcome = p->screen("frmmecenaat1");
        QCOMPARE(QLatin1String(builtFirstPicture.screen), welcome->objectName());
        welcome->activateWindow();
        QApplication::processEvents();
        const QImage painted = welcome->screen()->grabWindow(welcome->winId()).toImage();
        QCOMPARE(decodeRuns(builtFirstPicture), painted.convertToFormat(QImage::Format_RGB32));
        FirstPicture damaged = builtFirstPicture;
        --damaged.words;
        QVERIFY(decodeRuns(damaged).isNull());
        damaged = builtFirstPicture;
        ++damaged.height;
        QVERIFY(decodeRuns(damaged).isNull());
    }

    void bothWaysLeadToTheFirstChoice_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("start button") << false;
        QTest::newRow("menu Basis") << true;
    }
    void bothWaysLeadToTheFirstChoice()
    {
        QFETCH(bool, byMenu);
        QVERIFY(byMenu ? chooseBasis() : toFirstChoice());
        QVERIFY(!shown(p->screen("frmmecenaat1")));
        QVERIFY(shown(choice()));
        QCOMPARE(p->rt.activeScreen(), choice());
        QVERIFY(!main()->isEnabled());
        QVERIFY(choice()->isEnabled());
        QCOMPARE(choice()->windowTitle(), QStringLiteral("KOLOMAF"));
    }

    void choiceButtonsCarryTheirCaptions()
    {
        QVERIFY(toFirstChoice());
        QCOMPARE(choice()->Command1->text(), QStringLiteral("Ik kijk naar een getal"));
        QCOMPARE(choice()->Command1->toolTip(), QStringLiteral("L E E R "));
        QCOMPARE(choice()->Command3->text(), QStringLiteral("Is een aftrekking moeilijk of gemakkelijk ?"));
        QCOMPARE(choice()->Command3->toolTip(), QStringLiteral("O E F E N "));
        QCOMPARE(choice()->cmdeinde->toolTip(), QStringLiteral("S T O P "));
        QCOMPARE(choice()->Label1->text(), QStringLiteral("Totaal aantal juiste oefeningen:"));
        QWidget *abacus = control(choice(), "Image2");
        QVERIFY(abacus);
        QCOMPARE(abacus->toolTip().isEmpty(), false);
    }

    void runningTotalLabel()
    {
        QVERIFY(toMenu());
        QVERIFY(shown(menu()));
        QVERIFY(!shown(choice()));
        QCOMPARE(menu()->lblgemaakt->text(), QStringLiteral("0"));
        QCOMPARE(menu()->property("z").toInt(), 0);
        QCOMPARE(choice()->lblgemaakt->text(), QString());

        // A column screen hands its count back when the pupil leaves it.
        QVERIFY(click(menu()->Command3));
        auto *column = p->screen<ColumnScreen>("CIFERMBE");
        QVERIFY(shown(column));
        QVERIFY(!shown(menu()));
        column->setProperty("z", 4);
        column->cmdstop2->show();
        QVERIFY(click(column->cmdstop2));
        QVERIFY(shown(menu()));
        QCOMPARE(menu()->lblgemaakt->text(), QStringLiteral("4"));

        // Back to the first choice and in again: the number stays.
        QVERIFY(click(menu()->cmdeinde));
        QVERIFY(shown(choice()));
        QVERIFY(click(choice()->cmdkies));
        QCOMPARE(menu()->lblgemaakt->text(), QStringLiteral("4"));
        QCOMPARE(choice()->lblgemaakt->text(), QString());
    }

    void menuOpensEachColumnScreen_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("target");
        QTest::newRow("without borrowing") << "Command2"
                                           << "Kolomaf1000zb";
        QTest::newRow("borrow a ten") << "Command3"
                                      << "CIFERMBE";
        QTest::newRow("borrow a hundred") << "Command4"
                                          << "CIFERMBT";
        QTest::newRow("borrow a thousand") << "cmdkwartier"
                                           << "CIFERMBH";
    }
    void menuOpensEachColumnScreen()
    {
        QFETCH(QString, button);
        QFETCH(QString, target);
        QVERIFY(toMenu());
        QVERIFY(click(control<QAbstractButton>(menu(), button)));
        QVERIFY(shown(p->rt.screen(target)));
        QCOMPARE(p->rt.activeScreen(), p->rt.screen(target));
        QVERIFY(!shown(menu()));
    }

    void pictureCycle_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::newRow("first choice") << "frmkiesbasis";
        QTest::newRow("menu") << "frmbasis";
    }
    void pictureCycle()
    {
        QFETCH(QString, screen);
        Screen *s = p->rt.screen(screen);
        auto visible = [s] {
            QStringList names;
            for (const char *n : PictureCycle::names)
                if (shown(control(s, n)))
                    names << QLatin1String(n);
            return names;
        };
        QCOMPARE(visible(), QStringList {QStringLiteral("imgmeisje")});
        const QStringList expected {
            "imgwit", "imgchinees", "imgkleur", "imgkleur2", "imgkleur3", "imgmeisje"};
        for (const QString &next : expected) {
            QVERIFY(click(control(s, visible().first())));
            QCOMPARE(visible(), QStringList {next});
        }
    }

    void picturesCycleIndependently()
    {
        QVERIFY(click(control(choice(), "imgmeisje")));
        QVERIFY(shown(control(choice(), "imgwit")));
        QVERIFY(shown(control(menu(), "imgmeisje")));
        QWidget *otherWhite = control(menu(), "imgwit");
        QVERIFY(otherWhite && !shown(otherWhite));
    }

    void choiceAndMenuRecentreOnActivation()
    {
        QVERIFY(toMenu());
        const QPoint centred = menu()->pos();
        menu()->move(0, 0);
        QVERIFY(click(menu()->cmdeinde));
        QVERIFY(click(choice()->cmdkies));
        QCOMPARE(menu()->pos(), centred);
    }

    void stopOpensClosingScreenAndEnablesMainWindow()
    {
        QVERIFY(toFirstChoice());
        QVERIFY(click(choice()->cmdeinde));
        auto *info = p->screen<ClosingScreen>("frminfo");
        QVERIFY(shown(info));
        QVERIFY(!shown(choice()));
        QVERIFY(main()->isEnabled());
        QVERIFY(info->Timer1->isActive());
    }

    void closingScreenPanels()
    {
        QVERIFY(toFirstChoice());
        QVERIFY(click(choice()->cmdeinde));
        auto *info = p->screen<ClosingScreen>("frminfo");
        StatusBar *bar = info->StatusBar1;
        QCOMPARE(bar->panelCount(), 5);
        QCOMPARE(bar->panelText(0), QStringLiteral("Tellegoed,educatieve software voor de basisschool"));
        QCOMPARE(bar->panelText(1), QString());
        QVERIFY(!bar->panelText(2).isEmpty()); // date
        QVERIFY(!bar->panelText(3).isEmpty()); // time
        QCOMPARE(bar->panelText(4), QStringLiteral("Gratis software"));
        QCOMPARE(info->lblgeld->text().count(QLatin1Char('\n')), 1);

        // The progress bar lies exactly over the second panel.
        QCOMPARE(info->ProgressBar1->parentWidget(), bar);
        QCOMPARE(info->ProgressBar1->geometry(), bar->panelRect(1));
        QVERIFY(shown(info->ProgressBar1));
        QCOMPARE(info->ProgressBar1->minimum(), 0);
        QCOMPARE(info->ProgressBar1->maximum(), 150);
        QCOMPARE(info->ProgressBar1->value(), 0);
        // Only the first two panels lie fully inside the bar.
        QVERIFY(bar->panelRect(1).right() < bar->width());
        QVERIFY(bar->panelRect(2).right() >= bar->width());
    }

    void closingScreenScrollsAndStartsOver()
    {
        QVERIFY(toFirstChoice());
        QVERIFY(click(choice()->cmdeinde));
        auto *info = p->screen<ClosingScreen>("frminfo");
        info->Timer1->stop();
        StatusBar *bar = info->StatusBar1;
        const QString text = bar->panelText(0);
        const QFontMetrics fm(bar->panelLabel(0)->font());
        const int blanks = qRound(bar->panelWidthTwips(0) / (15.0 * fm.horizontalAdvance(QLatin1Char(' '))));
        QVERIFY(blanks > 10);

        Q_EMIT info->Timer1->tick();
        QCOMPARE(bar->panelTag(0), QString(blanks, QLatin1Char(' ')) + text);
        QCOMPARE(bar->panelText(0), bar->panelTag(0).mid(1));
        QCOMPARE(info->ProgressBar1->value(), 1);
        const int length = bar->panelTag(0).size();
        for (int tick = 2; tick <= length; ++tick)
            Q_EMIT info->Timer1->tick();
        QCOMPARE(bar->panelText(0), QString());
        Q_EMIT info->Timer1->tick();
        QCOMPARE(bar->panelText(0), bar->panelTag(0));
        QCOMPARE(info->teller, length + 1);
    }

    void closingScreenEndsTheProgramAfter151Ticks()
    {
        QVERIFY(toFirstChoice());
        QVERIFY(click(choice()->cmdeinde));
        auto *info = p->screen<ClosingScreen>("frminfo");
        info->Timer1->setInterval(1);
        QSignalSpy ticks(info->Timer1, &Timer::tick);
        // Whatever the pupil does meanwhile: back to the first choice.
        QVERIFY(chooseBasis());
        QVERIFY(shown(choice()));
        QTRY_COMPARE(p->exitStatus, 0);
        QCOMPARE(ticks.count(), 151);
        QVERIFY(!shown(info));
        QVERIFY(!shown(choice()));
        QVERIFY(!shown(main()));
        QVERIFY(!shown(info->ProgressBar1));
        QCOMPARE(info->ProgressBar1->parentWidget(), info);
        QCOMPARE(info->teller, 0);
        QVERIFY(p->rt.ended());
    }

    void closingScreenInRealTime()
    {
        QVERIFY(toFirstChoice());
        QElapsedTimer clock;
        clock.start();
        QVERIFY(click(choice()->cmdeinde));
        auto *info = p->screen<ClosingScreen>("frminfo");
        QSignalSpy ticks(info->Timer1, &Timer::tick);
        int lastValue = 0;
        connect(info->Timer1, &Timer::tick, this,
            [&] { lastValue = qMax(lastValue, info->ProgressBar1->value()); });
        QTRY_COMPARE_WITH_TIMEOUT(p->exitStatus, 0, 20000);
        QCOMPARE(ticks.count(), 151);
        QCOMPARE(lastValue, 150);
        // 151 ticks of 75 ms, allowing the timer's coarse accuracy.
        QVERIFY2(clock.elapsed() >= 151 * 75 * 95 / 100, qPrintable(QString::number(clock.elapsed())));
    }

    void closingScreenShownAgainStaysPutAndCountsOn()
    {
        QVERIFY(toFirstChoice());
        QVERIFY(click(choice()->cmdeinde));
        auto *info = p->screen<ClosingScreen>("frminfo");
        info->Timer1->stop();
        for (int tick = 0; tick < 10; ++tick)
            Q_EMIT info->Timer1->tick();
        info->move(5, 6);
        QVERIFY(chooseBasis());
        QVERIFY(click(choice()->cmdeinde));
        QCOMPARE(info->pos(), QPoint(5, 6));
        QCOMPARE(info->teller, 10);
        QVERIFY(info->Timer1->isActive());
        QCOMPARE(info->ProgressBar1->geometry(), info->StatusBar1->panelRect(1));
    }

    void closeControls_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("inFront");
        QTest::newRow("welcome starts") << "frmmecenaat1"
                                        << "frmkiesbasis";
        QTest::newRow("first choice stops") << "frmkiesbasis"
                                            << "frminfo";
        QTest::newRow("menu goes back") << "frmbasis"
                                        << "frmkiesbasis";
        QTest::newRow("column screen goes to the menu") << "CIFERMBT"
                                                        << "frmbasis";
        QTest::newRow("closing screen counts on") << "frminfo"
                                                  << "frminfo";
    }
    void closeControls()
    {
        // The window's own close control does what the screen's own way out does.
        QFETCH(QString, screen);
        QFETCH(QString, inFront);
        Screen *s = p->rt.screen(screen);
        s->show();
        if (screen != QLatin1String("frmmecenaat1"))
            p->rt.screen(QStringLiteral("frmmecenaat1"))->hide();
        QVERIFY(!s->close());
        Screen *front = p->rt.screen(inFront);
        QVERIFY(shown(front));
        QCOMPARE(p->rt.activeScreen(), front);
        if (front != s)
            QVERIFY(!shown(s));
        QCOMPARE(p->exitStatus, -1);
    }

    void columnScreenCloseHandsTheTotalBack()
    {
        QVERIFY(toMenu());
        QVERIFY(click(menu()->cmdkwartier));
        auto *column = p->screen<ColumnScreen>("CIFERMBH");
        column->z = 3;
        column->close();
        QVERIFY(shown(menu()));
        QCOMPARE(menu()->lblgemaakt->text(), QStringLiteral("3"));
    }

    void closingTheMainWindowEndsTheProgram()
    {
        QVERIFY(toMenu());
        main()->close();
        QCOMPARE(p->exitStatus, 0);
        QVERIFY(p->rt.ended());
        for (Screen *s : p->rt.loadedScreens())
            QVERIFY(!shown(s));
    }

    void everyPictureExists()
    {
        // Open every screen so each picture it names is checked.
        for (const char *name : {"frmmecenaat1", "frmkiesbasis", "frmbasis", "frminfo", "Kolomaf1000zb",
                 "CIFERMBE", "CIFERMBT", "CIFERMBH", "frmbrugdraadminMBE", "frmbrugdraadminMBT",
                 "frmbrugdraadminMBH", "frmtestmin", "frmcijferschrijf"})
            p->screen(name);
        int pictures = 0;
        for (Screen *s : p->rt.loadedScreens()) {
            for (Picture *pic : s->findChildren<Picture *>()) {
                QVERIFY2(QFile::exists(pic->resource()), qPrintable(pic->resource()));
                ++pictures;
            }
            for (PictureButton *b : s->findChildren<PictureButton *>())
                if (!b->resource().isEmpty())
                    QVERIFY2(QFile::exists(b->resource()), qPrintable(b->resource()));
        }
        QVERIFY(pictures > 30);
    }

    // A pasted page is cut to what a cell keeps, and Qt's undo step per
    // character must not stay in the box's history, nor change what the box
    // holds or reports.
    void aPastedPageIsCutAndKeepsNoUndoSteps()
    {
        QWidget window;
        auto *box = new TextBox(&window);
        window.show();
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("12"));
        QVERIFY(box->isUndoAvailable());
        QSignalSpy changed(box, &QLineEdit::textChanged);
        const QString page(5000, u'7');
        QApplication::clipboard()->setText(page);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        const QString kept = QStringLiteral("12") + page.left(998);
        QCOMPARE(box->text(), kept);
        QCOMPARE(box->cursorPosition(), 1000);
        QCOMPARE(changed.count(), 1);
        QTRY_VERIFY(!box->isUndoAvailable());
        QCOMPARE(box->text(), kept);
        QCOMPARE(box->cursorPosition(), 1000);
        QCOMPARE(changed.count(), 1);
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"

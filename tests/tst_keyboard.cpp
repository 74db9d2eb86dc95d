// A pupil without a mouse: every exercise from its first key to its verdict,
// with only the keys the focused control takes.
#include "bridge/bridgescreen.h"
#include "columns/columnscreen.h"
#include "helpers.h"
#include "recognition/twonumbers.h"
#include "scripted.h"
#include "shell/shellscreens.h"
#include "writing/writingscreen.h"

#include <QApplication>
#include <QTest>

using namespace kolomaf;
using kolomaf::test::shown;

class TestKeyboard : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::Program> p;

    // Keys go where the pupil's keys go: to the focus of the active window.
    static QWidget *focus()
    {
        QWidget *w = QApplication::focusWidget();
        return w ? w : QApplication::activeWindow();
    }
    static void press(Qt::Key key = Qt::Key_Return)
    {
        QWidget *w = focus();
        QVERIFY2(w, "nothing has the keyboard");
        QTest::keyClick(w, key);
    }
    static void type(const QString &digits)
    {
        for (QChar c : digits) {
            QWidget *w = focus();
            QVERIFY2(qobject_cast<QLineEdit *>(w),
                qPrintable(QStringLiteral("typing into %1").arg(w ? w->objectName() : QString())));
            QTest::keyClick(w, c.toLatin1());
        }
    }
    // Tab until the control has the focus, as a pupil would look for it.
    static void tabTo(QWidget *target)
    {
        for (int k = 0; k < 40 && focus() != target; ++k)
            QTest::keyClick(focus(), Qt::Key_Tab);
        QVERIFY2(
            focus() == target, qPrintable(QStringLiteral("Tab never reaches %1").arg(target->objectName())));
    }
    static void expectFocus(QWidget *w)
    {
        QVERIFY2(focus() == w,
            qPrintable(QStringLiteral("focus on %1, not %2")
                           .arg(focus() ? focus()->objectName() : QString(), w->objectName())));
    }
    void waitActive(QWidget *screen)
    {
        screen->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(screen));
    }
    // From the welcome screen to the menu of column exercises, by keyboard.
    void toTheMenu()
    {
        waitActive(p->screen("frmmecenaat1"));
        press(); // the start button has the focus
        auto *choice = p->screen<ChoiceScreen>("frmkiesbasis");
        waitActive(choice);
        expectFocus(choice->cmdkies);
        press();
        waitActive(p->screen("frmbasis"));
    }

private Q_SLOTS:
    void init() { p = std::make_unique<test::Program>(); }
    void cleanup() { p.reset(); }

    void columnExercise_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QList<int>>("script");
        QTest::addColumn<QString>("unitsFirst");
        QTest::newRow("without borrowing") << QStringLiteral("Kolomaf1000zb") << QStringLiteral("Command2")
                                           << QList<int> {4, 1, 5, 2, 7, 3} << QStringLiteral("334");
        QTest::newRow("borrowing a ten") << QStringLiteral("CIFERMBE") << QStringLiteral("Command3")
                                         << QList<int> {2, 7, 5, 1, 3, 1} << QStringLiteral("532");
        QTest::newRow("borrowing a hundred") << QStringLiteral("CIFERMBT") << QStringLiteral("Command4")
                                             << QList<int> {4, 2, 1, 7, 5, 3} << QStringLiteral("241");
        QTest::newRow("borrowing a thousand") << QStringLiteral("CIFERMBH") << QStringLiteral("cmdkwartier")
                                              << QList<int> {4, 3, 3, 2, 2, 5} << QStringLiteral("117");
    }
    void columnExercise()
    {
        QFETCH(QString, name);
        QFETCH(QString, button);
        QFETCH(QList<int>, script);
        QFETCH(QString, unitsFirst);
        toTheMenu();
        auto *menu = p->screen<ColumnMenuScreen>("frmbasis");
        tabTo(test::control(menu, button));
        press(Qt::Key_Space);
        auto *s = p->rt.screen<ColumnScreen>(name);
        waitActive(s);
        p->rt.setRandom(std::make_unique<test::ScriptedRandom>(script + script));
        for (int round = 0; round < 2; ++round) {
            expectFocus(s->cmdnieuw);
            press(); // START
            expectFocus(s->txteenheden);
            type(unitsFirst);
            // The plain screen hands the focus to the green light; on the
            // borrowing screens the pupil tabs to it.
            if (name == QLatin1String("Kolomaf1000zb"))
                expectFocus(s->cmdverbeter);
            tabTo(s->cmdverbeter);
            press(); // the green light
            QCOMPARE(s->lblprima->text(), QStringLiteral("PRIMA"));
            QCOMPARE(s->z, qint16(round + 1));
            tabTo(s->cmdnieuw);
        }
        // Leaving by keyboard too: the screen's second STOP.
        s->cmdnieuw->hide();
        s->cmdstop2->show();
        tabTo(s->cmdstop2);
        press();
        QCOMPARE(menu->lblgemaakt->text(), QStringLiteral("2"));
    }

    void bridgeDrill()
    {
        auto *s = p->rt.screen<ColumnScreen>(QStringLiteral("CIFERMBE"));
        p->screen("frmbasis")->hide();
        s->show();
        waitActive(s);
        p->rt.setRandom(std::make_unique<test::ScriptedRandom>(QList<int> {2, 7, 5, 1, 3, 1}));
        press(); // START
        Q_EMIT s->lblgetal[0]->clicked(); // the borrow offers "A klas"
        QVERIFY(shown(s->cmdaklas));
        tabTo(s->cmdaklas);
        press();
        auto *drill = p->rt.screen<BridgeDrillScreen>(QStringLiteral("frmbrugdraadminMBE"));
        waitActive(drill);
        tabTo(drill->cmdnaar10);
        press();
        expectFocus(drill->cmdverder);
        press();
        tabTo(drill->cmdstop);
        press();
        QVERIFY(!shown(drill));
    }

    void writingExercise()
    {
        toTheMenu();
        auto *menu = p->screen<ColumnMenuScreen>("frmbasis");
        tabTo(menu->Command5);
        press();
        auto *s = p->rt.screen<WritingScreen>(QStringLiteral("frmcijferschrijf"));
        waitActive(s);
        expectFocus(s->txtnaam);
        QTest::keyClicks(focus(), QStringLiteral("Lotte"));
        press(); // the name is done
        tabTo(s->cmdnieuw);
        press(); // the aeroplane
        const QString line = s->lblweergave->text();
        const QStringList numbers = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QVERIFY(numbers.size() >= 3);
        type(numbers[0] + numbers[2]); // copied from the line, hundreds first
        expectFocus(s->cmdgroenlicht);
        press();
        const int difference = numbers[0].toInt() - numbers[2].toInt();
        QString unitsFirst = QString::number(difference).rightJustified(3, QLatin1Char('0'));
        std::reverse(unitsFirst.begin(), unitsFirst.end());
        expectFocus(s->txteenheden);
        type(unitsFirst);
        expectFocus(s->cmdcontrole);
        press();
        QCOMPARE(s->lbluitleg->text().trimmed(), QStringLiteral("prima"));
    }

    void demonstrations_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("presses");
        QTest::newRow("place value") << QStringLiteral("frmtestmin") << 4;
        QTest::newRow("sums") << QStringLiteral("frmtest2min") << 4;
        QTest::newRow("differences") << QStringLiteral("frmtest3min") << 4;
    }
    void demonstrations()
    {
        QFETCH(QString, name);
        QFETCH(int, presses);
        waitActive(p->screen("frmmecenaat1"));
        press();
        auto *choice = p->screen<ChoiceScreen>("frmkiesbasis");
        waitActive(choice);
        const char *button = name == QLatin1String("frmtestmin") ? "Command1"
            : name == QLatin1String("frmtest2min")               ? "Command2"
                                                                 : "Command3";
        tabTo(test::control(choice, button));
        press();
        Screen *s = p->rt.screen(name);
        waitActive(s);
        for (int k = 0; k < presses; ++k)
            press();
        auto *stop = test::control<QAbstractButton>(s, "cmdstop");
        QVERIFY(shown(stop));
        tabTo(stop);
        press();
        QVERIFY(!shown(s) && shown(choice));
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"

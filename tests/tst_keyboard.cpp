// SPDX-License-Identifier: GPL-3.0-or-later
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
    // Each returns false, saying why, when the pupil could not go on.
    [[nodiscard]] static bool press(Qt::Key key = Qt::Key_Return)
    {
        QWidget *w = focus();
        if (!w) {
            qWarning("nothing has the keyboard");
            return false;
        }
        QTest::keyClick(w, key);
        return true;
    }
    [[nodiscard]] static bool type(const QString &digits)
    {
        for (QChar c : digits) {
            QWidget *w = focus();
            if (!qobject_cast<QLineEdit *>(w)) {
                qWarning("typing into %s", qPrintable(w ? w->objectName() : QString()));
                return false;
            }
            QTest::keyClick(w, c.toLatin1());
        }
        return true;
    }
    // Tab until the control has the focus, as a pupil would look for it.
    [[nodiscard]] static bool tabTo(QWidget *target)
    {
        if (!target)
            return false; // control() has said which
        for (int k = 0; k < 40 && focus() != target; ++k)
            if (!press(Qt::Key_Tab))
                return false;
        if (focus() == target)
            return true;
        qWarning("Tab never reaches %s", qPrintable(target->objectName()));
        return false;
    }
    [[nodiscard]] static bool expectFocus(QWidget *w)
    {
        if (focus() == w)
            return true;
        qWarning("focus on %s, not %s", qPrintable(focus() ? focus()->objectName() : QString()),
            qPrintable(w->objectName()));
        return false;
    }
    [[nodiscard]] static bool waitActive(QWidget *screen)
    {
        screen->activateWindow();
        if (QTest::qWaitForWindowActive(screen))
            return true;
        qWarning("%s never becomes active", qPrintable(screen->objectName()));
        return false;
    }
    // From the welcome screen to the menu of column exercises, by keyboard.
    [[nodiscard]] bool toTheMenu()
    {
        if (!waitActive(p->screen("frmmecenaat1")) || !press()) // the start button has the focus
            return false;
        auto *choice = p->screen<ChoiceScreen>("frmkiesbasis");
        return waitActive(choice) && expectFocus(choice->cmdkies) && press()
            && waitActive(p->screen("frmbasis"));
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
        QVERIFY(toTheMenu());
        auto *menu = p->screen<ColumnMenuScreen>("frmbasis");
        QVERIFY(tabTo(test::control(menu, button)));
        QVERIFY(press(Qt::Key_Space));
        auto *s = p->rt.screen<ColumnScreen>(name);
        QVERIFY(waitActive(s));
        p->rt.setRandom(std::make_unique<test::ScriptedRandom>(script + script));
        for (int round = 0; round < 2; ++round) {
            QVERIFY(expectFocus(s->cmdnieuw));
            QVERIFY(press()); // START
            QVERIFY(expectFocus(s->txteenheden));
            QVERIFY(type(unitsFirst));
            // The plain screen hands the focus to the green light; on the
            // borrowing screens the pupil tabs to it.
            if (name == QLatin1String("Kolomaf1000zb"))
                QVERIFY(expectFocus(s->cmdverbeter));
            QVERIFY(tabTo(s->cmdverbeter));
            QVERIFY(press()); // the green light
            QCOMPARE(s->lblprima->text(), QStringLiteral("PRIMA"));
            QCOMPARE(s->z, qint16(round + 1));
            QVERIFY(tabTo(s->cmdnieuw));
        }
        // Leaving by keyboard too: the screen's second STOP.
        s->cmdnieuw->hide();
        s->cmdstop2->show();
        QVERIFY(tabTo(s->cmdstop2));
        QVERIFY(press());
        QCOMPARE(menu->lblgemaakt->text(), QStringLiteral("2"));
    }

    void bridgeDrill()
    {
        auto *s = p->rt.screen<ColumnScreen>(QStringLiteral("CIFERMBE"));
        p->screen("frmbasis")->hide();
        s->show();
        QVERIFY(waitActive(s));
        p->rt.setRandom(std::make_unique<test::ScriptedRandom>(QList<int> {2, 7, 5, 1, 3, 1}));
        QVERIFY(press()); // START
        Q_EMIT s->lblgetal[0]->clicked(); // the borrow offers "A klas"
        QVERIFY(shown(s->cmdaklas));
        QVERIFY(tabTo(s->cmdaklas));
        QVERIFY(press());
        auto *drill = p->rt.screen<BridgeDrillScreen>(QStringLiteral("frmbrugdraadminMBE"));
        QVERIFY(waitActive(drill));
        QVERIFY(tabTo(drill->cmdnaar10));
        QVERIFY(press());
        QVERIFY(expectFocus(drill->cmdverder));
        QVERIFY(press());
        QVERIFY(tabTo(drill->cmdstop));
        QVERIFY(press());
        QVERIFY(!shown(drill));
    }

    void writingExercise()
    {
        QVERIFY(toTheMenu());
        auto *menu = p->screen<ColumnMenuScreen>("frmbasis");
        QVERIFY(tabTo(menu->Command5));
        QVERIFY(press());
        auto *s = p->rt.screen<WritingScreen>(QStringLiteral("frmcijferschrijf"));
        QVERIFY(waitActive(s));
        QVERIFY(expectFocus(s->txtnaam));
        QTest::keyClicks(focus(), QStringLiteral("Lotte"));
        QVERIFY(press()); // the name is done
        QVERIFY(tabTo(s->cmdnieuw));
        QVERIFY(press()); // the aeroplane
        const QString line = s->lblweergave->text();
        const QStringList numbers = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QVERIFY(numbers.size() >= 3);
        QVERIFY(type(numbers[0] + numbers[2])); // copied from the line, hundreds first
        QVERIFY(expectFocus(s->cmdgroenlicht));
        QVERIFY(press());
        const int difference = numbers[0].toInt() - numbers[2].toInt();
        QString unitsFirst = QString::number(difference).rightJustified(3, QLatin1Char('0'));
        std::reverse(unitsFirst.begin(), unitsFirst.end());
        QVERIFY(expectFocus(s->txteenheden));
        QVERIFY(type(unitsFirst));
        QVERIFY(expectFocus(s->cmdcontrole));
        QVERIFY(press());
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
        QVERIFY(waitActive(p->screen("frmmecenaat1")));
        QVERIFY(press());
        auto *choice = p->screen<ChoiceScreen>("frmkiesbasis");
        QVERIFY(waitActive(choice));
        const char *button = name == QLatin1String("frmtestmin") ? "Command1"
            : name == QLatin1String("frmtest2min")               ? "Command2"
                                                                 : "Command3";
        QVERIFY(tabTo(test::control(choice, button)));
        QVERIFY(press());
        Screen *s = p->rt.screen(name);
        QVERIFY(waitActive(s));
        for (int k = 0; k < presses; ++k)
            QVERIFY(press());
        auto *stop = test::control<QAbstractButton>(s, "cmdstop");
        QVERIFY(shown(stop));
        QVERIFY(tabTo(stop));
        QVERIFY(press());
        QVERIFY(!shown(s) && shown(choice));
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"

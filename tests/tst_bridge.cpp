// SPDX-License-Identifier: GPL-3.0-or-later
#include "bridge/bridgescreen.h"
#include "columns/columnscreen.h"
#include "helpers.h"
#include "scripted.h"
#include "shell/shellscreens.h"

#include <QSignalSpy>
#include <QTest>

using namespace kolomaf;
using kolomaf::test::click;
using kolomaf::test::shown;

namespace {
const QColor silver(192, 192, 192), green(0, 255, 0);
}

class TestBridge : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::Program> p;
    ColumnMenuScreen *menu() { return p->screen<ColumnMenuScreen>("frmbasis"); }

    // Shows the screen and starts the first exercise of the script, if any;
    // null when START is blocked.
    [[nodiscard]] ColumnScreen *open(const char *name, const QList<int> &script = {}, int exercises = 1)
    {
        auto *s = p->screen<ColumnScreen>(name);
        menu()->hide();
        s->show();
        QList<int> all;
        for (int k = 0; k < exercises; ++k)
            all += script;
        p->rt.setRandom(std::make_unique<test::ScriptedRandom>(all));
        return (script.isEmpty() || click(s->cmdnieuw)) ? s : nullptr;
    }
    static QList<int> greenBeads(BridgeDrillScreen *d)
    {
        QList<int> out;
        for (int i = 0; i < BridgeDrillScreen::beads; ++i)
            if (backColor(d->Shpdraad[i]) == green)
                out << i;
        return out;
    }
    static QList<int> birds(BridgeDrillScreen *d)
    {
        QList<int> out;
        for (int i = 0; i < BridgeDrillScreen::beads; ++i)
            if (shown(d->imghum[i]))
                out << i;
        return out;
    }
    static QStringList formula(BridgeDrillScreen *d)
    {
        QStringList out;
        for (Label *l :
            {d->lblmult1, d->lblmult2, d->lblgetal1b, d->lblgetal2b, d->lblgetal2c, d->lbluitkomst})
            out << (shown(l) ? l->text() : QStringLiteral("hidden"));
        return out;
    }

private Q_SLOTS:
    void init() { p = std::make_unique<test::Program>(); }
    void cleanup() { p.reset(); }

    void marks_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QList<int>>("script");
        QTest::addColumn<int>("clicked");
        QTest::addColumn<QString>("lendingMark");
        QTest::addColumn<QString>("lending");
        QTest::addColumn<QString>("borrowingMark");
        QTest::addColumn<QString>("borrowing");
        QTest::addColumn<QString>("hint");
        const QList<int> none;
        QTest::newRow("ten, 352, units digit")
            << "CIFERMBE" << QList<int> {2, 7, 5, 1, 3, 1} << 0 << "lbltientalplus"
            << "4"
            << "lbleenheid"
            << "12"
            << " eenheden aftrekken";
        QTest::newRow("ten, 352, digit of the second number")
            << "CIFERMBE" << QList<int> {2, 7, 5, 1, 3, 1} << 5 << "lbltientalplus"
            << "4"
            << "lbleenheid"
            << "12"
            << " eenheden aftrekken";
        QTest::newRow("hundred, 352")
            << "CIFERMBT" << QList<int> {2, 1, 5, 7, 3, 1} << 2 << "lblhonderdtalplus"
            << "2"
            << "lbltientalplus"
            << "15"
            << " tientallen aftrekken.";
        QTest::newRow("thousand, 1352")
            << "CIFERMBH" << QList<int> {2, 1, 5, 4, 3, 4} << 11 << "lblduizendtalplus"
            << "0"
            << "lblhonderdtalplus"
            << "13"
            << " honderdtallen aftrekken.";
        QTest::newRow("ten, before any exercise") << "CIFERMBE" << none << 0 << "lbltientalplus"
                                                  << "-1"
                                                  << "lbleenheid"
                                                  << "10"
                                                  << " eenheden aftrekken";
        QTest::newRow("hundred, before any exercise") << "CIFERMBT" << none << 3 << "lblhonderdtalplus"
                                                      << "-1"
                                                      << "lbltientalplus"
                                                      << "10"
                                                      << " tientallen aftrekken.";
        QTest::newRow("thousand, before any exercise") << "CIFERMBH" << none << 1 << "lblduizendtalplus"
                                                       << "0"
                                                       << "lblhonderdtalplus"
                                                       << "10"
                                                       << " honderdtallen aftrekken.";
    }
    void marks()
    {
        QFETCH(QString, screen);
        QFETCH(QList<int>, script);
        QFETCH(int, clicked);
        QFETCH(QString, lendingMark);
        QFETCH(QString, lending);
        QFETCH(QString, borrowingMark);
        QFETCH(QString, borrowing);
        QFETCH(QString, hint);
        ColumnScreen *s = open(qPrintable(screen), script);
        QVERIFY(s);
        for (int twice = 0; twice < 2; ++twice) { // a second click changes nothing
            QVERIFY(click(s->lblgetal[clicked]));
            auto *l = test::control<QLabel>(s, lendingMark);
            auto *b = test::control<QLabel>(s, borrowingMark);
            QVERIFY(shown(l) && shown(b));
            QCOMPARE(l->text(), lending);
            QCOMPARE(b->text(), borrowing);
            QCOMPARE(s->lblhelp->text(), hint);
            QVERIFY(shown(s->cmdaklas) && shown(s->shpaklas));
            for (QWidget *w : {static_cast<QWidget *>(s->imgbrugeen), static_cast<QWidget *>(s->imgbrugtien),
                     static_cast<QWidget *>(s->imgbrughonderd), static_cast<QWidget *>(s->imgbrugstop),
                     static_cast<QWidget *>(s->lblbrug)})
                QVERIFY(!shown(w));
            int strokes = 0;
            for (Line *stroke : {s->lneE, s->lneT, s->lneH, s->lneD})
                strokes += shown(stroke);
            QCOMPARE(strokes, 2);
        }
        if (screen == QLatin1String("CIFERMBH"))
            QVERIFY(!shown(s->txtduizendtallen));
    }

    void thousandsHeaderVariants_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("lowerHeaders");
        QTest::addColumn<QString>("hint");
        QTest::newRow("digit") << "lblgetal(0)" << false << " honderdtallen aftrekken.";
        QTest::newRow("D header") << "lblreeksD" << false << " honderdtallen aftrekken.";
        QTest::newRow("thousands mark") << "lblduizendtalplus" << true << " honderdtallen aftrekken.";
        QTest::newRow("H header") << "lblreeksH" << true << " eenheden aftrekken.";
    }
    void thousandsHeaderVariants()
    {
        QFETCH(QString, control);
        QFETCH(bool, lowerHeaders);
        QFETCH(QString, hint);
        ColumnScreen *s = open("CIFERMBH", {2, 1, 5, 4, 3, 4});
        QVERIFY(s);
        QVERIFY(click(s->lblgetal[0])); // brings up the thousands mark
        s->lblreeksT->show();
        s->lblreeksE->show();
        QVERIFY(click(test::control(s, control)));
        QVERIFY(shown(s->lblreeksD) && shown(s->lblreeksH));
        QCOMPARE(shown(s->lblreeksT), lowerHeaders);
        QCOMPARE(shown(s->lblreeksE), lowerHeaders);
        QCOMPARE(s->lblhelp->text(), hint);
    }

    void headersBorrowOnTheOtherScreens()
    {
        ColumnScreen *e = open("CIFERMBE", {2, 7, 5, 1, 3, 1});
        QVERIFY(e);
        QVERIFY(click(e->lblreeksT));
        QVERIFY(shown(e->lblreeksE) && shown(e->lblreeksT) && shown(e->lblreeksH) && !shown(e->lblreeksD));
        QCOMPARE(e->lbleenheid->text(), QStringLiteral("12"));
        ColumnScreen *t = open("CIFERMBT", {2, 1, 5, 7, 3, 1});
        QVERIFY(t);
        QVERIFY(click(t->lblreeksH));
        QVERIFY(!shown(t->lblreeksE) && shown(t->lblreeksT) && shown(t->lblreeksH) && !shown(t->lblreeksD));
    }

    void aDigitUnderAStrokeStillTakesTheClick()
    {
        ColumnScreen *s = open("CIFERMBT", {2, 1, 5, 7, 3, 1});
        QVERIFY(s);
        QVERIFY(click(s->lblgetal[2]));
        QVERIFY(shown(s->lneT));
        QSignalSpy clicks(s->lblgetal[2], &Label::clicked);
        test::clickAt(s, s->lblgetal[2]->mapTo(s, s->lblgetal[2]->rect().center()));
        QCOMPARE(clicks.count(), 1);
    }

    void plainScreenDoesNotBorrow()
    {
        ColumnScreen *s = open("Kolomaf1000zb", {4, 1, 5, 2, 7, 3});
        QVERIFY(s);
        QVERIFY(click(s->lblgetal[0]));
        QVERIFY(click(s->lblgetal[3]));
        QVERIFY(!shown(s->lbltientalplus) && !shown(s->lblhonderdtalplus));
        QCOMPARE(s->lblhelp->text(), QStringLiteral(" eenheden aftrekken"));
    }

    void drillThroughAllStages_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QList<int>>("script");
        QTest::addColumn<QStringList>("opened");
        QTest::addColumn<QStringList>("atTen");
        QTest::addColumn<QStringList>("done");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("rest");
        QTest::addColumn<QString>("focus");
        QTest::newRow("13 - 7 on the units drill")
            << "CIFERMBE" << QList<int> {3, 7, 5, 1, 3, 1} << QStringList {"13", "7", "13", "", "", ""}
            << QStringList {"13", "7", "13", "3", "", ""} << QStringList {"13", "7", "13", "3", "4", "6"}
            << 13 << 6 << "txteenheden";
        QTest::newRow("15 - 8 on the tens drill")
            << "CIFERMBT" << QList<int> {2, 1, 5, 8, 4, 1} << QStringList {"15", "8", "15", "", "", ""}
            << QStringList {"15", "8", "15", "5", "", ""} << QStringList {"15", "8", "15", "5", "3", "7"}
            << 15 << 7 << "txttientallen";
        QTest::newRow("12 - 9 on the hundreds drill")
            << "CIFERMBH" << QList<int> {2, 1, 5, 4, 2, 9} << QStringList {"12", "9", "12", "", "", ""}
            << QStringList {"12", "9", "12", "2", "", ""} << QStringList {"12", "9", "12", "2", "7", "3"}
            << 12 << 3 << "txthonderdtallen";
    }
    void drillThroughAllStages()
    {
        QFETCH(QString, screen);
        QFETCH(QList<int>, script);
        QFETCH(QStringList, opened);
        QFETCH(QStringList, atTen);
        QFETCH(QStringList, done);
        QFETCH(int, start);
        QFETCH(int, rest);
        QFETCH(QString, focus);
        ColumnScreen *s = open(qPrintable(screen), script);
        QVERIFY(s);
        QVERIFY(click(s->lblgetal[0]));
        QVERIFY(click(s->cmdaklas));
        auto *d = p->rt.screen<BridgeDrillScreen>(QLatin1String(s->config().drill));
        QVERIFY(shown(d) && !shown(s));
        QCOMPARE(p->rt.activeScreen(), d);
        QCOMPARE(d->windowTitle(), QStringLiteral("Over het tiental met min"));
        QCOMPARE(s->startgetal, qint16(start));
        QCOMPARE(s->rest, qint16(rest));
        QCOMPARE(d->mult1, qint16(rest));
        QCOMPARE(formula(d), opened);
        QCOMPARE(birds(d), QList<int> {start});
        QCOMPARE(greenBeads(d), QList<int> {start});
        QVERIFY(shown(d->cmdnaar10) && shown(d->cmdstop) && !shown(d->cmdverder));

        QVERIFY(click(d->cmdnaar10));
        QCOMPARE(formula(d), atTen);
        QCOMPARE(birds(d), QList<int> {10});
        QCOMPARE(greenBeads(d), (QList<int> {10, start}));
        QCOMPARE(d->focusWidget(), d->cmdverder);

        QVERIFY(click(d->cmdverder));
        QCOMPARE(formula(d), done);
        QCOMPARE(birds(d), QList<int> {rest});
        QCOMPARE(greenBeads(d), (QList<int> {rest, 10, start}));
        QVERIFY(!shown(d->cmdnaar10) && !shown(d->cmdverder) && shown(d->cmdstop));

        QVERIFY(click(d->cmdstop));
        QVERIFY(shown(s) && !shown(d));
        QCOMPARE(p->rt.activeScreen(), s);
        QCOMPARE(s->focusWidget()->objectName(), focus);
        QCOMPARE(greenBeads(d), QList<int> {});
        QCOMPARE(birds(d), QList<int> {});
        QCOMPARE(formula(d), (QStringList {"hidden", "hidden", "", "", "", ""}));
        for (Label *l : {d->lblgetal1b, d->lblgetal2b, d->lblgetal2c, d->lbluitkomst})
            QVERIFY(shown(l)); // four empty boxes
    }

    void hopOnStaysFromAnEarlierVisit()
    {
        ColumnScreen *s = open("CIFERMBE", {3, 7, 5, 1, 3, 1});
        QVERIFY(s);
        QVERIFY(click(s->lblgetal[0]));
        QVERIFY(click(s->cmdaklas));
        auto *d = p->screen<BridgeDrillScreen>("frmbrugdraadminMBE");
        QVERIFY(click(d->cmdnaar10));
        QVERIFY(click(d->cmdstop));
        QVERIFY(click(s->lblgetal[1]));
        QVERIFY(click(s->cmdaklas));
        QVERIFY(shown(d->cmdnaar10) && shown(d->cmdverder));
        QVERIFY(click(d->cmdverder));
        QCOMPARE(birds(d), QList<int> {6});
        QCOMPARE(formula(d), (QStringList {"13", "7", "13", "", "4", "6"}));
    }

    void stopWhenTheCellCannotTakeTheFocus()
    {
        ColumnScreen *s = open("CIFERMBT", {2, 1, 5, 8, 4, 1});
        QVERIFY(s);
        QVERIFY(click(s->lblgetal[0]));
        QVERIFY(click(s->cmdaklas));
        s->txttientallen->hide();
        s->txteenheden->setEnabled(false);
        auto *d = p->screen<BridgeDrillScreen>("frmbrugdraadminMBT");
        QVERIFY(click(d->cmdstop));
        QVERIFY(shown(s) && !shown(d));
        QCOMPARE(s->focusWidget(), s->txthonderdtallen);
    }

    void aDrillVisitKeepsTheRunningTotal()
    {
        ColumnScreen *s = open("CIFERMBE", {3, 7, 5, 1, 3, 1}, 5);
        QVERIFY(s);
        auto answer = [&] {
            QTest::keyClick(s->txteenheden, Qt::Key_6);
            QTest::keyClick(s->txttientallen, Qt::Key_3);
            QTest::keyClick(s->txthonderdtallen, Qt::Key_2);
            return click(s->cmdverbeter);
        };
        QVERIFY(answer());
        QVERIFY(click(s->cmdnieuw));
        QVERIFY(answer());
        QCOMPARE(s->z, qint16(2));
        QVERIFY(click(s->cmdnieuw));
        QVERIFY(click(s->lblgetal[0]));
        QVERIFY(click(s->cmdaklas));
        auto *d = p->screen<BridgeDrillScreen>("frmbrugdraadminMBE");
        QVERIFY(click(d->cmdnaar10));
        QVERIFY(click(d->cmdverder));
        QVERIFY(click(d->cmdstop)); // the column screen is activated again
        QCOMPARE(s->z, qint16(2));
        QVERIFY(answer());
        QVERIFY(click(s->cmdnieuw));
        QVERIFY(answer());
        QVERIFY(click(s->cmdnieuw));
        QVERIFY(answer());
        QCOMPARE(s->z, qint16(5));
        QVERIFY(click(s->cmdstop));
        QVERIFY(click(s->cmdstop2));
        QCOMPARE(menu()->lblgemaakt->text(), QStringLiteral("5"));
    }

    void drillDesign()
    {
        auto *d = p->screen<BridgeDrillScreen>("frmbrugdraadminMBH");
        for (int i = 0; i < BridgeDrillScreen::beads; ++i) {
            QCOMPARE(d->Shpdraad[i]->objectName(), QStringLiteral("Shpdraad(%1)").arg(i));
            QCOMPARE(d->lblgetal[i]->text(), QString::number(i));
            QCOMPARE(backColor(d->Shpdraad[i]), silver);
            QVERIFY(!shown(d->imghum[i]));
        }
        QCOMPARE(d->cmdstop->objectName(), QStringLiteral("cmdstopMBH"));
        QCOMPARE(d->cmdstop->toolTip(), QStringLiteral("stop !"));
        QVERIFY(!shown(d->cmdnaar10) && !shown(d->cmdverder) && !shown(d->cmdstop));
        QVERIFY(!p->screen<BridgeDrillScreen>("frmbrugdraadminMBE")->windowIcon().isNull());
    }
};

QTEST_MAIN(TestBridge)
#include "tst_bridge.moc"

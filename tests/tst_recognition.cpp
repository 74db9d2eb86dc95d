// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpers.h"
#include "recognition/placevalue.h"
#include "scripted.h"
#include "shell/shellscreens.h"

#include <QTest>

using namespace kolomaf;
using kolomaf::test::click;
using kolomaf::test::shown;

class TestRecognition : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::Program> p;
    ChoiceScreen *choice() { return p->screen<ChoiceScreen>("frmkiesbasis"); }
    // Null when the way there is blocked.
    [[nodiscard]] PlaceValueScreen *openPlaceValue()
    {
        return (click(p->screen<WelcomeScreen>("frmmecenaat1")->cmdkombinnen) && click(choice()->Command1))
            ? p->screen<PlaceValueScreen>("frmtestmin")
            : nullptr;
    }
    static QStringList visibleSteps(PlaceValueScreen *s)
    {
        QStringList out;
        for (QWidget *b :
            {s->cmdstart, s->cmdeenheid, s->cmdtiental, s->cmdhonderdtal, s->cmdnogeens, s->cmdstop})
            if (shown(b))
                out << b->objectName();
        return out;
    }
    static QString shownDigits(PlaceValueScreen *s)
    {
        return s->txthonderdtal->text() + QLatin1Char('|') + s->txttiental->text() + QLatin1Char('|')
            + s->txteenheid->text();
    }

private Q_SLOTS:
    void init() { p = std::make_unique<test::Program>(); }
    void cleanup() { p.reset(); }

    void opensReadyFromTheFirstChoice()
    {
        PlaceValueScreen *s = openPlaceValue();
        QVERIFY(s);
        QVERIFY(shown(s) && !shown(choice()));
        QCOMPARE(s->windowTitle(), QStringLiteral("Honderdtallen, tientallen, eenheden"));
        QCOMPARE(visibleSteps(s), QStringList {QStringLiteral("cmdstart")});
        QCOMPARE(s->txtgetal->text(), QString());
        QCOMPARE(s->cmdstart->text(), QStringLiteral("Wij maken een willekeurig getal"));
    }

    void scriptedDraws_data()
    {
        QTest::addColumn<QList<int>>("script");
        QTest::addColumn<int>("number");
        QTest::newRow("drawn units, tens, hundreds") << QList<int> {3, 5, 7} << 753;
        QTest::newRow("a hundreds 0 becomes 1") << QList<int> {0, 0, 0} << 100;
        QTest::newRow("largest") << QList<int> {8, 8, 8} << 888;
    }
    void scriptedDraws()
    {
        QFETCH(QList<int>, script);
        QFETCH(int, number);
        PlaceValueScreen *s = openPlaceValue();
        QVERIFY(s);
        auto source = std::make_unique<test::ScriptedRandom>(script);
        auto *r = source.get();
        p->rt.setRandom(std::move(source));
        QVERIFY(click(s->cmdstart));
        QCOMPARE(s->getal1, qint16(number));
        QCOMPARE(s->txtgetal->text(), QString::number(number));
        QCOMPARE(r->draws, QStringLiteral("000"));
        QCOMPARE(r->reseeds, 1);
    }

    void seededNumbersStayInRange()
    {
        PlaceValueScreen *s = openPlaceValue();
        QVERIFY(s);
        p->rt.setRandom(std::make_unique<ClockRandom>(42u));
        QSet<int> hundreds;
        for (int n = 0; n < 3000; ++n) {
            QVERIFY(click(s->cmdstart));
            QVERIFY(s->honderdtal1 >= 1 && s->honderdtal1 <= 8);
            QVERIFY(s->tiental1 >= 0 && s->tiental1 <= 8);
            QVERIFY(s->eenheid1 >= 0 && s->eenheid1 <= 8);
            QVERIFY(s->getal1 >= 100 && s->getal1 <= 888);
            QVERIFY(!s->txtgetal->text().contains(QLatin1Char('9')));
            hundreds << s->honderdtal1;
            QVERIFY(click(s->cmdeenheid));
            QVERIFY(click(s->cmdtiental));
            QVERIFY(click(s->cmdhonderdtal));
            QVERIFY(click(s->cmdnogeens));
        }
        QCOMPARE(hundreds.size(), 8);
    }

    void eachPressRevealsOneMoreDigit()
    {
        PlaceValueScreen *s = openPlaceValue();
        QVERIFY(s);
        p->rt.setRandom(std::make_unique<test::ScriptedRandom>(QList<int> {3, 5, 7}));
        QVERIFY(click(s->cmdstart));
        QCOMPARE(visibleSteps(s), QStringList {QStringLiteral("cmdeenheid")});
        QCOMPARE(shownDigits(s), QStringLiteral("||"));
        QVERIFY(click(s->cmdeenheid));
        QCOMPARE(shownDigits(s), QStringLiteral("||3"));
        QCOMPARE(backColor(s->txteenheid), QColor(0, 255, 0));
        QCOMPARE(foreColor(s->txteenheid), QColor(255, 255, 255));
        QCOMPARE(backColor(s->txttiental), QColor(255, 255, 255));
        QVERIFY(shown(s->lbleenheid) && !shown(s->lbltiental));
        QVERIFY(click(s->cmdtiental));
        QCOMPARE(shownDigits(s), QStringLiteral("|5|3"));
        QVERIFY(click(s->cmdhonderdtal));
        QCOMPARE(shownDigits(s), QStringLiteral("7|5|3"));
        QVERIFY(shown(s->lblhonderd));
        QCOMPARE(visibleSteps(s), (QStringList {QStringLiteral("cmdnogeens"), QStringLiteral("cmdstop")}));
        // Nothing covers the digits and their letters.
        for (QWidget *w : {static_cast<QWidget *>(s->txthonderdtal), static_cast<QWidget *>(s->lblhonderd),
                 static_cast<QWidget *>(s->txteenheid), static_cast<QWidget *>(s->lbleenheid)})
            QCOMPARE(s->childAt(w->geometry().center()), w);

        QVERIFY(click(s->cmdnogeens));
        QCOMPARE(visibleSteps(s), QStringList {QStringLiteral("cmdstart")});
        QCOMPARE(shownDigits(s), QStringLiteral("||"));
        QCOMPARE(s->txtgetal->text(), QString());
        for (Label *l : {s->lbleenheid, s->lbltiental, s->lblhonderd})
            QVERIFY(!shown(l));
        QCOMPARE(backColor(s->txteenheid), QColor(255, 255, 255));
    }

    void keyboardWalksTheSteps_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }
    void keyboardWalksTheSteps()
    {
        QFETCH(int, key);
        PlaceValueScreen *s = openPlaceValue();
        QVERIFY(s);
        for (int press = 0; press < 4; ++press)
            QTest::keyClick(s->focusWidget(), Qt::Key(key));
        QCOMPARE(visibleSteps(s), (QStringList {QStringLiteral("cmdnogeens"), QStringLiteral("cmdstop")}));
        QVERIFY(!s->txthonderdtal->text().isEmpty());
    }

    void stopReturnsAndReopensReady()
    {
        PlaceValueScreen *s = openPlaceValue();
        QVERIFY(s);
        for (QAbstractButton *b : {s->cmdstart, s->cmdeenheid, s->cmdtiental, s->cmdhonderdtal})
            QVERIFY(click(b));
        QVERIFY(click(s->cmdstop));
        QVERIFY(shown(choice()) && !shown(s));
        QVERIFY(click(choice()->Command1));
        QCOMPARE(visibleSteps(s), QStringList {QStringLiteral("cmdstart")});
        QCOMPARE(s->txtgetal->text(), QString());
    }

    void comingBackHalfWayLeavesAWayOn()
    {
        PlaceValueScreen *s = openPlaceValue();
        QVERIFY(s);
        QVERIFY(click(s->cmdstart));
        QVERIFY(click(s->cmdeenheid));
        choice()->show();
        QVERIFY(click(s->Image3)); // back into the screen from the other window
        QCOMPARE(p->rt.activeScreen(), s);
        QCOMPARE(visibleSteps(s), QStringList {QStringLiteral("cmdstart")});
        QCOMPARE(s->txtgetal->text(), QString());
    }
};

QTEST_MAIN(TestRecognition)
#include "tst_recognition.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpers.h"
#include "recognition/twonumbers.h"
#include "scripted.h"
#include "shell/shellscreens.h"

#include <QSet>
#include <QTest>

using namespace kolomaf;
using kolomaf::test::click;
using kolomaf::test::shown;

namespace {
const QColor red(255, 0, 0), white(255, 255, 255), black(0, 0, 0);

// The digits the screens draw for a subtraction E1 E2 T1 T2 and hundreds.
QList<int> script(bool sums, int e1, int e2, int t1, int t2, int h1 = 7, int h2 = 3)
{
    QList<int> s {0, e2, t1, t2, 0, 0};
    if (sums)
        s << e1 << e2;
    else
        s[0] = e1;
    return s << h1 << h2;
}
} // namespace

class TestTwoNumbers : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::Program> p;

    // Null when the way there is blocked.
    [[nodiscard]] HardOrEasyScreen *open(const QString &name)
    {
        if (!click(p->screen<WelcomeScreen>("frmmecenaat1")->cmdkombinnen))
            return nullptr;
        auto *choice = p->screen<ChoiceScreen>("frmkiesbasis");
        return click(name == QLatin1String("frmtest2min") ? choice->Command2 : choice->Command3)
            ? p->rt.screen<HardOrEasyScreen>(name)
            : nullptr;
    }
    // Opens the screen and walks it to the differences of a chosen subtraction.
    template <class S> [[nodiscard]] S *differences(const QList<int> &digits)
    {
        const QString name
            = std::is_same_v<S, SumsScreen> ? QStringLiteral("frmtest2min") : QStringLiteral("frmtest3min");
        auto *s = qobject_cast<S *>(open(name));
        if (!s)
            return nullptr;
        p->rt.setRandom(std::make_unique<test::ScriptedRandom>(digits));
        return walk(s) ? s : nullptr;
    }
    // The four steps from START to the differences.
    [[nodiscard]] static bool walk(HardOrEasyScreen *s)
    {
        for (QAbstractButton *b : {s->cmdstart, s->cmdeerste, s->cmdtweede, s->cmdsom})
            if (!click(b))
                return false;
        return true;
    }
    static QStringList visibleSteps(HardOrEasyScreen *s)
    {
        QStringList out;
        for (QWidget *b : {s->cmdstart, s->cmdeerste, s->cmdtweede, s->cmdsom, s->cmdnogeens, s->cmdstop})
            if (shown(b))
                out << b->objectName();
        return out;
    }
    static QString row(TextBox *h, TextBox *t, TextBox *e)
    {
        return QStringList {shown(h) ? h->text() : QStringLiteral("_"),
            shown(t) ? t->text() : QStringLiteral("_"), shown(e) ? e->text() : QStringLiteral("_")}
            .join(QLatin1Char('|'));
    }
    static QString sums(HardOrEasyScreen *s) { return row(s->txtsomH, s->txtsomT, s->txtsomE); }
    static QString lentRow(DifferencesScreen *s) { return row(s->txtplusH, s->txtplusT, s->txtplusE); }
    static bool isRed(TextBox *b) { return backColor(b) == red && foreColor(b) == white; }

private Q_SLOTS:
    void init() { p = std::make_unique<test::Program>(); }
    void cleanup() { p.reset(); }

    void eachPressShowsOneMoreStep_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("sums") << QStringLiteral("frmtest2min");
        QTest::newRow("differences") << QStringLiteral("frmtest3min");
    }
    void eachPressShowsOneMoreStep()
    {
        QFETCH(QString, name);
        HardOrEasyScreen *s = open(name);
        QVERIFY(s);
        p->rt.setRandom(
            std::make_unique<test::ScriptedRandom>(script(name.endsWith(QLatin1String("2min")), 2, 5, 1, 4)));
        QCOMPARE(s->topStep(), s->cmdstart);
        QCOMPARE(s->txtgetal->text(), QString());

        QVERIFY(click(s->cmdstart));
        QCOMPARE(s->txtgetal->text(), QStringLiteral("712"));
        QCOMPARE(s->txtgetal2->text(), QStringLiteral("345"));
        QCOMPARE(row(s->txthonderdtal, s->txttiental, s->txteenheid), QStringLiteral("_|_|_"));
        QCOMPARE(s->topStep(), s->cmdeerste);

        QVERIFY(click(s->cmdeerste));
        QCOMPARE(row(s->txthonderdtal, s->txttiental, s->txteenheid), QStringLiteral("7|1|2"));
        QVERIFY(shown(s->lblhonderd) && shown(s->lbltiental) && shown(s->lbleenheid));
        QCOMPARE(row(s->txthonderdtal2, s->txttiental2, s->txteenheid2), QStringLiteral("_|_|_"));
        QCOMPARE(s->topStep(), s->cmdtweede);

        QVERIFY(click(s->cmdtweede));
        QCOMPARE(row(s->txthonderdtal2, s->txttiental2, s->txteenheid2), QStringLiteral("3|4|5"));
        QCOMPARE(backColor(s->txteenheid2), QColor(0, 255, 0));
        QCOMPARE(sums(s), QStringLiteral("_|_|_"));
        QVERIFY(!shown(s->lnplus) && !shown(s->lblplus));

        QVERIFY(click(s->cmdsom));
        QCOMPARE(sums(s), QStringLiteral("4|-3|-3"));
        QVERIFY(shown(s->lnplus) && shown(s->lblplus));
        // Earlier steps stay shown under the last one; only the top one
        // takes the keyboard.
        QCOMPARE(visibleSteps(s),
            (QStringList {QStringLiteral("cmdeerste"), QStringLiteral("cmdtweede"), QStringLiteral("cmdsom"),
                QStringLiteral("cmdnogeens"), QStringLiteral("cmdstop")}));
        QCOMPARE(s->focusWidget(), s->cmdnogeens);
        QCOMPARE(s->cmdsom->focusPolicy(), Qt::NoFocus);
        QCOMPARE(s->cmdnogeens->focusPolicy(), Qt::StrongFocus);
        QVERIFY(s->lbluitleg3->text().isEmpty());
    }

    void sumsExplainEachColumn_data()
    {
        QTest::addColumn<QList<int>>("digits");
        QTest::addColumn<bool>("redE");
        QTest::addColumn<bool>("redT");
        QTest::newRow("easy, with equal digits") << script(true, 5, 5, 3, 3) << false << false;
        QTest::newRow("units below zero") << script(true, 2, 5, 3, 1) << true << false;
        QTest::newRow("tens below zero") << script(true, 6, 5, 1, 4) << false << true;
        QTest::newRow("both below zero") << script(true, 2, 5, 1, 4) << true << true;
    }
    void sumsExplainEachColumn()
    {
        QFETCH(QList<int>, digits);
        QFETCH(bool, redE);
        QFETCH(bool, redT);
        auto *s = differences<SumsScreen>(digits);
        QVERIFY(s);
        QCOMPARE(isRed(s->txtsomE), redE);
        QCOMPARE(isRed(s->txtsomT), redT);
        QCOMPARE(backColor(s->txtsomH), white);
        QCOMPARE(s->lbluitleg->text(),
            redE ? QStringLiteral(" verschil van de E is kleiner dan 0, er wordt T gewisseld") : QString());
        QCOMPARE(s->lbluitleg2->text(),
            redT ? QStringLiteral(" verschil van de T is kleiner dan 0, er wordt H gewisseld") : QString());
        QCOMPARE(shown(s->lbluitlegtotaal), !redE && !redT);
        if (!redE && !redT)
            QVERIFY(s->lbluitlegtotaal->text().startsWith(
                QLatin1String("  het verschil van E, van T en van H is")));

        QVERIFY(click(s->cmdnogeens));
        QCOMPARE(s->topStep(), s->cmdstart);
        QCOMPARE(s->focusWidget(), s->cmdstart);
        QVERIFY(!shown(s->lbluitlegtotaal) && s->lbluitleg->text().isEmpty());
        QCOMPARE(s->txtgetal2->text(), QString());
        // The next differences start black on white, whatever came before.
        p->rt.setRandom(std::make_unique<test::ScriptedRandom>(script(true, 5, 5, 3, 3)));
        QVERIFY(walk(s));
        for (TextBox *b : {s->txtsomE, s->txtsomT})
            QVERIFY(backColor(b) == white && foreColor(b) == black);
    }

    void borrowing_data()
    {
        QTest::addColumn<QList<int>>("digits");
        QTest::addColumn<QString>("clicks"); // in order: H, T
        QTest::addColumn<QString>("lent"); // H|T|E above the columns, _ when hidden
        QTest::addColumn<QString>("sums");
        QTest::addColumn<QString>("red"); // first-number boxes on red, H T E
        const QList<int> onlyT = script(false, 6, 5, 1, 4), onlyE = script(false, 2, 5, 6, 4),
                         equalT = script(false, 2, 5, 4, 4), both = script(false, 2, 5, 1, 4);
        QTest::newRow("easy: nothing to click")
            << script(false, 6, 5, 4, 4) << QString() << QStringLiteral("_|_|_") << QStringLiteral("4|0|1")
            << QStringLiteral("---");
        QTest::newRow("only T below: H lends") << onlyT << QStringLiteral("H") << QStringLiteral("6|11|_")
                                               << QStringLiteral("3|7|1") << QStringLiteral("HT-");
        QTest::newRow("only E below: T lends") << onlyE << QStringLiteral("T") << QStringLiteral("_|5|12")
                                               << QStringLiteral("4|1|7") << QStringLiteral("-TE");
        QTest::newRow("only E below, equal tens: a hundred too")
            << equalT << QStringLiteral("T") << QStringLiteral("6|13|12") << QStringLiteral("3|9|7")
            << QStringLiteral("HTE");
        QTest::newRow("both below, H first") << both << QStringLiteral("HT") << QStringLiteral("6|10|12")
                                             << QStringLiteral("3|6|7") << QStringLiteral("HTE");
        QTest::newRow("both below, T first") << both << QStringLiteral("TH") << QStringLiteral("6|10|12")
                                             << QStringLiteral("3|6|7") << QStringLiteral("HTE");
    }
    void borrowing()
    {
        QFETCH(QList<int>, digits);
        QFETCH(QString, clicks);
        QFETCH(QString, lent);
        QFETCH(QString, sums);
        QFETCH(QString, red);
        auto *s = differences<DifferencesScreen>(digits);
        QVERIFY(s);
        const bool lowT = s->tiental1 < s->tiental2, lowE = s->eenheid1 < s->eenheid2;
        QCOMPARE(s->txthonderdtal->isEnabled(), lowT);
        QCOMPARE(s->txttiental->isEnabled(), lowE);
        QCOMPARE(s->lblsplits->text().isEmpty(), !lowT && !lowE);
        QCOMPARE(shown(s->lbluitlegtotaal), !lowT && !lowE);
        QCOMPARE(s->lbluitleg->text().contains(QStringLiteral("één T geleend")), lowE);
        QCOMPARE(s->lbluitleg2->text().contains(QStringLiteral("één H geleend")), lowT);

        for (QChar c : clicks)
            QVERIFY(click(c == QLatin1Char('H') ? s->txthonderdtal : s->txttiental));
        QCOMPARE(lentRow(s), lent);
        QCOMPARE(TestTwoNumbers::sums(s), sums);
        const QString redNow = QString(isRed(s->txthonderdtal) ? QLatin1Char('H') : QLatin1Char('-'))
            + (isRed(s->txttiental) ? QLatin1Char('T') : QLatin1Char('-'))
            + (isRed(s->txteenheid) ? QLatin1Char('E') : QLatin1Char('-'));
        QCOMPARE(redNow, red);
        if (!clicks.isEmpty()) {
            // Every loan is given once: nothing lends a second time.
            QVERIFY(!s->txthonderdtal->isEnabled() && !s->txttiental->isEnabled());
            QVERIFY(s->lbluitleg->text().isEmpty() && s->lbluitleg2->text().isEmpty());
            QCOMPARE(s->lblsplits->text(),
                QStringLiteral("Klik op de rode H of rode T en leen zo 10 T of 10 E. De rest van de H of T "
                               "blijft staan"));
        }
        // The first number's own digits never change.
        QCOMPARE(row(s->txthonderdtal, s->txttiental, s->txteenheid),
            QStringLiteral("%1|%2|%3").arg(s->honderdtal1).arg(s->tiental1).arg(s->eenheid1));

        QVERIFY(click(s->cmdnogeens));
        for (TextBox *b : {s->txthonderdtal, s->txttiental, s->txteenheid}) {
            QCOMPARE(foreColor(b), black);
            QVERIFY(!b->isEnabled());
        }
        QCOMPARE(lentRow(s), QStringLiteral("_|_|_"));
        QVERIFY(s->lblsplits->text().isEmpty());
        // Unclickable also in the next round's split, until it has to lend.
        p->rt.setRandom(std::make_unique<test::ScriptedRandom>(script(false, 2, 5, 1, 4)));
        QVERIFY(click(s->cmdstart));
        QVERIFY(click(s->cmdeerste));
        QTest::mouseClick(s->txttiental, Qt::LeftButton);
        QCOMPARE(lentRow(s), QStringLiteral("_|_|_"));
        QCOMPARE(backColor(s->txttiental), QColor(0, 255, 0));
    }

    void keyboardWalksEveryStep_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("key");
        QTest::newRow("sums, Enter") << QStringLiteral("frmtest2min") << int(Qt::Key_Return);
        QTest::newRow("differences, Space") << QStringLiteral("frmtest3min") << int(Qt::Key_Space);
    }
    void keyboardWalksEveryStep()
    {
        QFETCH(QString, name);
        QFETCH(int, key);
        HardOrEasyScreen *s = open(name);
        QVERIFY(s);
        for (int round = 0; round < 2; ++round) {
            for (int press = 0; press < 4; ++press)
                QTest::keyClick(s->focusWidget(), Qt::Key(key));
            QVERIFY(shown(s->txtsomH) && !s->txtsomH->text().isEmpty());
            QCOMPARE(s->focusWidget(), s->cmdnogeens);
            QTest::keyClick(s->focusWidget(), Qt::Key(key));
            QCOMPARE(s->topStep(), s->cmdstart);
        }
    }

    void everyWayOutReopensReady_data() { eachPressShowsOneMoreStep_data(); }
    void everyWayOutReopensReady()
    {
        QFETCH(QString, name);
        auto *choice = p->screen<ChoiceScreen>("frmkiesbasis");
        HardOrEasyScreen *s = open(name);
        QVERIFY(s);
        QVERIFY(walk(s));
        QVERIFY(click(s->cmdstop));
        QVERIFY(shown(choice) && !shown(s));
        QVERIFY(click(name == QLatin1String("frmtest2min") ? choice->Command2 : choice->Command3));
        QCOMPARE(visibleSteps(s), QStringList {QStringLiteral("cmdstart")});
        QCOMPARE(s->txtgetal->text(), QString());

        // The window's own close control leaves the same way.
        QVERIFY(click(s->cmdstart));
        s->close();
        QVERIFY(shown(choice) && !shown(s));

        // Coming back half-way through, from another window, leaves a way on.
        QVERIFY(click(name == QLatin1String("frmtest2min") ? choice->Command2 : choice->Command3));
        QVERIFY(click(s->cmdstart));
        QVERIFY(click(s->cmdeerste));
        choice->show();
        QVERIFY(click(s->Image3));
        QCOMPARE(p->rt.activeScreen(), s);
        QCOMPARE(visibleSteps(s), QStringList {QStringLiteral("cmdstart")});
        QCOMPARE(s->txtgetal->text(), QString());
        QVERIFY(!s->txttiental->isEnabled());
    }
};

QTEST_MAIN(TestTwoNumbers)
#include "tst_twonumbers.moc"

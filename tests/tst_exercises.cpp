// SPDX-License-Identifier: GPL-3.0-or-later
#include "columns/columnscreen.h"
#include "helpers.h"
#include "scripted.h"
#include "shell/shellscreens.h"

#include <QTest>

using namespace kolomaf;
using kolomaf::test::click;
using kolomaf::test::shown;

namespace {

const QColor yellow(255, 255, 0), green(0, 255, 0), red(255, 0, 0), paleGreen(192, 255, 192),
    magenta(255, 0, 255), white(255, 255, 255);

// Scripts of one exercise per screen (E1 E2 T1 T2 H1 H2), all accepted at the first draw.
QList<int> script(const QString &screen)
{
    if (screen == QLatin1String("Kolomaf1000zb"))
        return {4, 1, 5, 2, 7, 3}; // 754 - 321 = 433
    if (screen == QLatin1String("CIFERMBE"))
        return {2, 7, 5, 1, 3, 1}; // 352 - 117 = 235
    if (screen == QLatin1String("CIFERMBT"))
        return {4, 2, 1, 7, 5, 3}; // 514 - 372 = 142
    return {4, 3, 3, 2, 2, 5}; // 1234 - 523 = 711
}

QString answer(const QString &screen)
{
    if (screen == QLatin1String("Kolomaf1000zb"))
        return QStringLiteral("433");
    if (screen == QLatin1String("CIFERMBE"))
        return QStringLiteral("235");
    if (screen == QLatin1String("CIFERMBT"))
        return QStringLiteral("142");
    return QStringLiteral("711");
}

QString exercise(const QString &screen)
{
    if (screen == QLatin1String("Kolomaf1000zb"))
        return QStringLiteral("754 - 321");
    if (screen == QLatin1String("CIFERMBE"))
        return QStringLiteral("352 - 117");
    if (screen == QLatin1String("CIFERMBT"))
        return QStringLiteral("514 - 372");
    return QStringLiteral("1234 - 523");
}

} // namespace

class TestExercises : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::Program> p;
    QList<int> queued;
    test::ScriptedRandom *random = nullptr;
    ColumnMenuScreen *menu() { return p->screen<ColumnMenuScreen>("frmbasis"); }

    ColumnScreen *open(const QString &name)
    {
        auto *s = p->rt.screen<ColumnScreen>(name);
        menu()->hide();
        s->show();
        return s;
    }
    // Queues exercises for the scripted source: n times the screen's script.
    void queue(const QString &name, int n = 1)
    {
        QList<int> all;
        for (int k = 0; k < n; ++k)
            all += script(name);
        auto source = std::make_unique<test::ScriptedRandom>(all);
        random = source.get();
        p->rt.setRandom(std::move(source));
    }
    // Types the answer from the units to the hundreds into whatever has the focus.
    static void typeAnswer(ColumnScreen *s, const QString &hundredsTensUnits)
    {
        for (int k = 2; k >= 0; --k) {
            QWidget *cell = k == 0 ? s->txthonderdtallen : s->focusWidget();
            QTest::keyClick(cell, hundredsTensUnits.at(k).toLatin1());
        }
    }
    static QStringList visibleButtons(ColumnScreen *s)
    {
        QStringList out;
        for (QAbstractButton *b :
            {static_cast<QAbstractButton *>(s->cmdnieuw), static_cast<QAbstractButton *>(s->cmdverbeter),
                static_cast<QAbstractButton *>(s->cmdoranje), static_cast<QAbstractButton *>(s->cmdverbeter2),
                static_cast<QAbstractButton *>(s->cmdstop), static_cast<QAbstractButton *>(s->cmdstop2)})
            if (shown(b))
                out << b->objectName();
        return out;
    }

private Q_SLOTS:
    void init() { p = std::make_unique<test::Program>(); }
    void cleanup() { p.reset(); }

    void startDrawsAndPrompts_data() { test::addColumnScreenRows(); }
    void startDrawsAndPrompts()
    {
        QFETCH(QString, name);
        ColumnScreen *s = open(name);
        queue(name);
        QVERIFY(click(s->cmdnieuw));
        const QList<int> digits = script(name);
        for (int d = 0; d < 6; ++d)
            QCOMPARE(s->lblgetal[d]->text(), QString::number(digits[d]));
        const QString a = answer(name);
        QCOMPARE(s->lblgetal[6]->text(), a.mid(2, 1));
        QCOMPARE(s->lblgetal[7]->text(), a.mid(1, 1));
        QCOMPARE(s->lblgetal[8]->text(), a.mid(0, 1));
        QCOMPARE(s->lbleen->text() + s->lbltien->text() + s->lblhonderd->text(),
            s->lblgetal[6]->text() + s->lblgetal[7]->text() + s->lblgetal[8]->text());
        QCOMPARE(s->mult1, qint16(digits[0]));
        QCOMPARE(s->mult6, qint16(digits[5]));
        QCOMPARE(visibleButtons(s), QStringList {QStringLiteral("cmdverbeter")});
        QCOMPARE(s->focusWidget(), s->txteenheden);
        QVERIFY(!shown(s->txtduizendtallen));
        QVERIFY(shown(s->Line1[0]) && !shown(s->Line1[1]) && !shown(s->Line1[2]) && !shown(s->Line1[3]));
        QVERIFY(shown(s->lblhelp));
        QCOMPARE(s->lblhelp->text(), QString::fromUtf8(s->config().startPrompt));
        for (TextBox *c : {s->txteenheden, s->txttientallen, s->txthonderdtallen}) {
            QCOMPARE(c->text(), QString());
            QCOMPARE(backColor(c), yellow);
        }
        const bool borrowing = s->config().borrowing();
        QVERIFY(shown(s->lblreeksE));
        QCOMPARE(shown(s->lblreeksT), borrowing);
        QCOMPARE(shown(s->lblreeksD), borrowing);
        if (borrowing) {
            const std::array<Picture *, 3> bridges {s->imgbrugeen, s->imgbrugtien, s->imgbrughonderd};
            for (int b = 0; b < 3; ++b)
                QCOMPARE(shown(bridges[b]), b == s->config().bridge);
            QVERIFY(shown(s->lblbrug) && shown(s->imgbrugstop));
        }
        if (name == QLatin1String("CIFERMBE")) {
            QCOMPARE(s->lblgetal[9]->text(), QStringLiteral("0"));
            QCOMPARE(s->txtduizendtallen->text(), QStringLiteral("0"));
        }
        if (name == QLatin1String("CIFERMBH")) {
            QVERIFY(shown(s->lblgetal[11]));
            QCOMPARE(s->lblgetal[11]->text(), QStringLiteral("1"));
        }
        QCOMPARE(random->reseeds, 1);
    }

    void rightAnswer_data() { test::addColumnScreenRows(); }
    void rightAnswer()
    {
        QFETCH(QString, name);
        ColumnScreen *s = open(name);
        queue(name);
        QVERIFY(click(s->cmdnieuw));
        typeAnswer(s, answer(name));
        QCOMPARE(s->lblhelp->text(), QStringLiteral(" oplossing controleren "));
        if (!s->config().borrowing())
            QCOMPARE(s->focusWidget(), s->cmdverbeter);
        QTRY_VERIFY(!shown(s->imgoog2));
        QVERIFY(click(s->cmdverbeter));
        QVERIFY(shown(s->lblprima));
        QCOMPARE(s->lblprima->text(), QStringLiteral("PRIMA"));
        QCOMPARE(backColor(s->lblprima), green);
        QCOMPARE(s->lblhelp->text(), QStringLiteral("start nieuwe oefening "));
        const QString record = exercise(name) + QStringLiteral(" = ") + answer(name);
        QCOMPARE(s->txtcontrole->text(), record);
        QCOMPARE(s->Txtoef1[0]->text(), record);
        QCOMPARE(backColor(s->Txtoef1[0]), green);
        QCOMPARE(s->z, qint16(1));
        QCOMPARE(s->indx, qint16(1));
        QCOMPARE(menu()->lblgemaakt->text(), QStringLiteral("1"));
        QCOMPARE(visibleButtons(s), QStringList {QStringLiteral("cmdnieuw")});
        QVERIFY(shown(s->imgoog2)); // the eye opens ...
        QVERIFY(s->tmroog->isActive());
        QTRY_VERIFY_WITH_TIMEOUT(!shown(s->imgoog2), 1500); // ... and closes again
    }

    void oneWrongColumn_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("column");
        for (const ColumnConfig &c : columnConfigs)
            for (int col : {0, 1, 2})
                QTest::addRow("%s %s wrong", c.name,
                    col == 0       ? "units"
                        : col == 1 ? "tens"
                                   : "hundreds")
                    << QString::fromLatin1(c.name) << col;
    }
    void oneWrongColumn()
    {
        QFETCH(QString, name);
        QFETCH(int, column);
        ColumnScreen *s = open(name);
        queue(name);
        QVERIFY(click(s->cmdnieuw));
        QString typed = answer(name);
        const int pos = 2 - column;
        typed[pos] = typed[pos] == QLatin1Char('9') ? QLatin1Char('8') : QChar(typed[pos].unicode() + 1);
        typeAnswer(s, typed);
        QVERIFY(click(s->cmdverbeter));
        const std::array<TextBox *, 3> cells {s->txteenheden, s->txttientallen, s->txthonderdtallen};
        for (int c = 0; c < 3; ++c)
            QCOMPARE(backColor(cells[c]), c == column ? red : green);
        QCOMPARE(s->lblprima->text(), QStringLiteral("FOUT"));
        QCOMPARE(backColor(s->lblprima), red);
        QCOMPARE(s->lblhelp->text(), QStringLiteral("klik op het rode vakje en verbeter"));
        QCOMPARE(backColor(s->lblhelp), yellow);
        const QString record = exercise(name) + QStringLiteral(" = ") + typed;
        QCOMPARE(s->txtcontrole->text(), record);
        QCOMPARE(backColor(s->txtcontrole), red);
        QCOMPARE(s->Txtoef1[0]->text(), record);
        QCOMPARE(backColor(s->Txtoef1[0]), red);
        QCOMPARE(s->indx, qint16(1));
        QCOMPARE(s->z, qint16(0));
        QCOMPARE(menu()->lblgemaakt->text(), QStringLiteral("0"));
        // A wrong hundreds digit leaves neither START nor STOP: correct first.
        QStringList expected {QStringLiteral("cmdverbeter2")};
        if (column != 2)
            expected.prepend(QStringLiteral("cmdnieuw"));
        QCOMPARE(visibleButtons(s), expected);
        if (column == 2)
            for (Label *header : {s->lblreeksD, s->lblreeksH, s->lblreeksT, s->lblreeksE})
                QCOMPARE(backColor(header), name == QLatin1String("CIFERMBT") ? paleGreen : green);

        // Correct the red cell and hand it in with the orange light.
        QVERIFY(click(cells[column]));
        QCOMPARE(cells[column]->text(), QString());
        QCOMPARE(backColor(cells[column]), yellow);
        QVERIFY(!shown(s->lblhelp));
        QVERIFY(shown(s->cmdoranje) && !shown(s->cmdverbeter2));
        QTest::keyClick(cells[column], answer(name).at(pos).toLatin1());
        QVERIFY(click(s->cmdoranje));
        QCOMPARE(s->lblprima->text(), QStringLiteral("PRIMA"));
        QCOMPARE(s->txtcontrole->text(), exercise(name) + QStringLiteral(" = ") + answer(name));
        QCOMPARE(backColor(s->txtcontrole), green);
        QCOMPARE(s->z, qint16(0)); // a corrected answer never counts
        QCOMPARE(s->indx, qint16(1));
        QCOMPARE(visibleButtons(s), QStringList {QStringLiteral("cmdnieuw")});
    }

    void wrongAfterCorrectionShowsTheTrueDifference()
    {
        ColumnScreen *s = open(QStringLiteral("CIFERMBH"));
        queue(QStringLiteral("CIFERMBH"));
        QVERIFY(click(s->cmdnieuw));
        typeAnswer(s, QStringLiteral("700"));
        QVERIFY(click(s->cmdverbeter));
        QVERIFY(click(s->txteenheden));
        QTest::keyClick(s->txteenheden, Qt::Key_5);
        QVERIFY(click(s->cmdoranje));
        QCOMPARE(s->lblprima->text(), QStringLiteral("LET OP"));
        QCOMPARE(backColor(s->lblprima), magenta);
        QCOMPARE(s->txtcontrole->text(), QStringLiteral("1234 - 523 = 711"));
        QCOMPARE(backColor(s->txtcontrole), magenta);
        QCOMPARE(s->lblhelp->text(), QStringLiteral("start nieuwe oefening"));
        QCOMPARE(foreColor(s->lblhelp), white);
        QVERIFY(shown(s->imgoog2));
    }

    void textsThatAreNotTheDigit_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("right");
        QTest::newRow("leading zero") << "05"
                                      << "05" << false;
        QTest::newRow("blank before") << " 5"
                                      << " 5" << false;
        QTest::newRow("letter") << "a"
                                << "0" << false;
        QTest::newRow("long pasted number")
            << QString(5000, QLatin1Char('9')) << QString(1000, QLatin1Char('9')) << false;
        QTest::newRow("accented letters") << QString::fromUtf8("éèà") << "0" << false;
        QTest::newRow("the digit") << "5"
                                   << "5" << true;
    }
    void textsThatAreNotTheDigit()
    {
        QFETCH(QString, typed);
        QFETCH(QString, after);
        QFETCH(bool, right);
        ColumnScreen *s = open(QStringLiteral("CIFERMBE"));
        queue(QStringLiteral("CIFERMBE"));
        QVERIFY(click(s->cmdnieuw));
        s->txteenheden->setText(typed);
        s->txttientallen->setText(QStringLiteral("3"));
        s->txthonderdtallen->setText(QStringLiteral("2"));
        QVERIFY(click(s->cmdverbeter));
        QCOMPARE(s->txteenheden->text(), after);
        QCOMPARE(s->lblprima->text(), right ? QStringLiteral("PRIMA") : QStringLiteral("FOUT"));
        QCOMPARE(s->z, qint16(right ? 1 : 0));
        QCOMPARE(s->Txtoef1[0]->text(), QStringLiteral("352 - 117 = 23") + after);
    }

    void emptyCellWhoseDigitIsZero()
    {
        // A first tens pair T1 = T2 + 1 gives a tens result of 0.
        ColumnScreen *s = open(QStringLiteral("CIFERMBE"));
        p->rt.setRandom(std::make_unique<test::ScriptedRandom>(QList<int> {2, 7, 5, 4, 3, 1}));
        QVERIFY(click(s->cmdnieuw));
        QCOMPARE(s->lblgetal[7]->text(), QStringLiteral("0"));
        QTest::keyClick(s->txteenheden, Qt::Key_5);
        QTest::keyClick(s->txthonderdtallen, Qt::Key_2);
        QVERIFY(click(s->cmdverbeter));
        QCOMPARE(s->txttientallen->text(), QStringLiteral("0"));
        QCOMPARE(backColor(s->txttientallen), red);
        QCOMPARE(s->lblprima->text(), QStringLiteral("PRIMA"));
        QCOMPARE(s->z, qint16(1));
        QCOMPARE(s->indx, qint16(1));
        QCOMPARE(backColor(s->Txtoef1[0]), green);
    }

    void plainHeadersFollowTheDigits()
    {
        ColumnScreen *s = open(QStringLiteral("Kolomaf1000zb"));
        queue(QStringLiteral("Kolomaf1000zb"), 2);
        QVERIFY(click(s->cmdnieuw));
        QTest::keyClick(s->txteenheden, Qt::Key_9); // wrong: E stays
        QVERIFY(shown(s->lblreeksE) && !shown(s->lblreeksT));
        QCOMPARE(backColor(s->txteenheden), green);
        QCOMPARE(s->focusWidget(), s->txttientallen);
        QTest::keyClick(s->txttientallen, Qt::Key_3);
        QTest::keyClick(s->txthonderdtallen, Qt::Key_1); // wrong hundreds
        for (Label *h : {s->lblreeksH, s->lblreeksT, s->lblreeksE}) {
            QVERIFY(shown(h));
            QCOMPARE(backColor(h), green);
        }
        QVERIFY(shown(s->Line1[2]));
        // Clicking the units cell after it held a digit leaves no column line there.
        QVERIFY(click(s->txteenheden));
        QVERIFY(!shown(s->Line1[0]) && !shown(s->Line1[1]));
        // The next START leaves the E header on the green the hundreds gave it.
        QVERIFY(click(s->cmdoranje)); // in front of the green light on this screen
        QVERIFY(click(s->cmdnieuw));
        QCOMPARE(backColor(s->lblreeksE), green);
        QTest::keyClick(s->txteenheden, Qt::Key_3); // right: T replaces E
        QVERIFY(!shown(s->lblreeksE) && shown(s->lblreeksT));
    }

    void borrowingInstructions()
    {
        ColumnScreen *t = open(QStringLiteral("CIFERMBT"));
        queue(QStringLiteral("CIFERMBT"));
        QVERIFY(click(t->cmdnieuw));
        QTest::keyClick(t->txteenheden, Qt::Key_2);
        QCOMPARE(t->lblhelp->text(), QStringLiteral(" tientallen aftrekken, klik op H om te lenen."));
        QVERIFY(!shown(t->lblbrug) && !shown(t->imgbrugstop));
        ColumnScreen *e = open(QStringLiteral("CIFERMBE"));
        queue(QStringLiteral("CIFERMBE"));
        QVERIFY(click(e->cmdnieuw));
        typeAnswer(e, QStringLiteral("135"));
        QCOMPARE(e->lblhelp->text(), QStringLiteral(" honderdtallen aftrekken."));
        QCOMPARE(e->focusWidget(), e->txthonderdtallen);
        ColumnScreen *h = open(QStringLiteral("CIFERMBH"));
        queue(QStringLiteral("CIFERMBH"));
        QVERIFY(click(h->cmdnieuw));
        QTest::keyClick(h->txteenheden, Qt::Key_1);
        QTest::keyClick(h->txttientallen, Qt::Key_1);
        QCOMPARE(h->lblhelp->text(), QStringLiteral(" honderdtallen aftrekken, klik D om te lenen"));
    }

    void orangeAfterARightAnswerOnABorrowingScreen()
    {
        ColumnScreen *s = open(QStringLiteral("CIFERMBT"));
        queue(QStringLiteral("CIFERMBT"));
        QVERIFY(click(s->cmdnieuw));
        QVERIFY(click(s->txteenheden)); // before the check: orange hides behind green
        QVERIFY(shown(s->cmdoranje));
        QCOMPARE(s->childAt(s->cmdverbeter->geometry().center()), s->cmdverbeter);
        typeAnswer(s, QStringLiteral("142"));
        QVERIFY(click(s->cmdverbeter));
        QCOMPARE(s->lblprima->text(), QStringLiteral("PRIMA"));
        QCOMPARE(s->z, qint16(1));
        QVERIFY(click(s->cmdoranje)); // now in view; repeats the verdict
        QCOMPARE(s->lblprima->text(), QStringLiteral("PRIMA"));
        QCOMPARE(s->txtcontrole->text(), QStringLiteral("514 - 372 = 142"));
        QCOMPARE(s->z, qint16(1));
        QCOMPARE(s->indx, qint16(1));
    }

    void orangeBeforeAnyCheckOnThePlainScreen()
    {
        ColumnScreen *s = open(QStringLiteral("Kolomaf1000zb"));
        queue(QStringLiteral("Kolomaf1000zb"));
        QVERIFY(click(s->cmdnieuw));
        QVERIFY(click(s->txttientallen));
        QCOMPARE(s->childAt(s->cmdoranje->geometry().center()), s->cmdoranje); // in front of the lights
        QTest::keyClick(s->txttientallen, Qt::Key_3);
        QVERIFY(click(s->cmdoranje));
        QCOMPARE(s->indx, qint16(0));
        QCOMPARE(s->z, qint16(0));
        QCOMPARE(s->Txtoef1[0]->text(), QString());
    }

    void fullSeriesAndReset_data() { test::addColumnScreenRows(); }
    void fullSeriesAndReset()
    {
        QFETCH(QString, name);
        menu()->lblgemaakt->setText(QStringLiteral("7"));
        ColumnScreen *s = open(name);
        queue(name, 5);
        for (int k = 0; k < 5; ++k) {
            QVERIFY(shown(s->cmdnieuw));
            QVERIFY(click(s->cmdnieuw));
            typeAnswer(s, answer(name));
            QVERIFY(click(s->cmdverbeter));
            QCOMPARE(backColor(s->Txtoef1[k]), green);
        }
        QCOMPARE(visibleButtons(s), QStringList {QStringLiteral("cmdstop")});
        QCOMPARE(s->z, qint16(12));
        QVERIFY(click(s->cmdstop));
        QCOMPARE(s->lblprima->text(), QStringLiteral("Nieuwe reeks?"));
        QCOMPARE(backColor(s->lblprima), yellow);
        for (int b = 0; b < 10; ++b) {
            QCOMPARE(s->Txtoef1[b]->text(), QString());
            QCOMPARE(backColor(s->Txtoef1[b]), white);
        }
        for (TextBox *c : {s->txteenheden, s->txttientallen, s->txthonderdtallen, s->txtduizendtallen}) {
            QCOMPARE(c->text(), QString());
            QCOMPARE(backColor(c), yellow);
        }
        QCOMPARE(s->txtcontrole->text(), QString());
        QCOMPARE(backColor(s->txtcontrole), green);
        for (int d = 0; d < 6; ++d)
            QCOMPARE(s->lblgetal[d]->text(), QString());
        QCOMPARE(s->indx, qint16(0));
        QCOMPARE(s->z, qint16(12));
        QCOMPARE(visibleButtons(s), (QStringList {QStringLiteral("cmdnieuw"), QStringLiteral("cmdstop2")}));
        QCOMPARE(s->focusWidget(), s->cmdnieuw);
        QVERIFY(click(s->cmdstop2));
        QVERIFY(shown(menu()) && !shown(s));
        QCOMPARE(menu()->lblgemaakt->text(), QStringLiteral("12"));
    }

    void sixthHiddenBox()
    {
        ColumnScreen *s = open(QStringLiteral("CIFERMBE"));
        queue(QStringLiteral("CIFERMBE"), 6);
        for (int k = 0; k < 4; ++k) {
            QVERIFY(click(s->cmdnieuw));
            typeAnswer(s, QStringLiteral("235"));
            QVERIFY(click(s->cmdverbeter));
        }
        QVERIFY(click(s->cmdnieuw));
        typeAnswer(s, QStringLiteral("236")); // fifth: units wrong only
        QVERIFY(click(s->cmdverbeter));
        QCOMPARE(s->indx, qint16(5));
        QCOMPARE(
            visibleButtons(s), (QStringList {QStringLiteral("cmdnieuw"), QStringLiteral("cmdverbeter2")}));
        QVERIFY(click(s->cmdnieuw));
        typeAnswer(s, QStringLiteral("235"));
        QVERIFY(click(s->cmdverbeter));
        QCOMPARE(s->Txtoef1[5]->text(), QStringLiteral("352 - 117 = 235"));
        QVERIFY(!shown(s->Txtoef1[5]));
        QCOMPARE(s->indx, qint16(6));
        QCOMPARE(visibleButtons(s), QStringList {QStringLiteral("cmdstop")});
        QVERIFY(click(s->cmdstop));
        QCOMPARE(s->Txtoef1[5]->text(), QString());
    }

    void hundredsVariantOfTheSeriesRule_data()
    {
        QTest::addColumn<int>("indxBefore");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<bool>("thousandsHeader");
        QTest::newRow("below five") << 3 << QStringList {"cmdverbeter2"} << true;
        QTest::newRow("at five") << 5 << QStringList {"cmdverbeter2", "cmdstop"} << true;
        QTest::newRow("above five") << 6 << QStringList {"cmdverbeter2", "cmdstop"} << true;
    }
    void hundredsVariantOfTheSeriesRule()
    {
        QFETCH(int, indxBefore);
        QFETCH(QStringList, buttons);
        QFETCH(bool, thousandsHeader);
        ColumnScreen *s = open(QStringLiteral("Kolomaf1000zb"));
        queue(QStringLiteral("Kolomaf1000zb"));
        QVERIFY(click(s->cmdnieuw));
        s->indx = qint16(indxBefore);
        typeAnswer(s, QStringLiteral("533"));
        QVERIFY(click(s->cmdverbeter));
        QCOMPARE(visibleButtons(s), buttons);
        QCOMPARE(shown(s->lblreeksD), thousandsHeader);
        QCOMPARE(s->indx, qint16(indxBefore + 1));
        QCOMPARE(s->Txtoef1[indxBefore]->text(), QStringLiteral("754 - 321 = 533"));
    }

    void unitsAndTensWrongInTheThirdExercise()
    {
        ColumnScreen *s = open(QStringLiteral("CIFERMBT"));
        queue(QStringLiteral("CIFERMBT"), 3);
        for (int k = 0; k < 2; ++k) {
            QVERIFY(click(s->cmdnieuw));
            typeAnswer(s, QStringLiteral("142"));
            QVERIFY(click(s->cmdverbeter));
        }
        QVERIFY(click(s->cmdnieuw));
        typeAnswer(s, QStringLiteral("153"));
        QVERIFY(click(s->cmdverbeter));
        QCOMPARE(backColor(s->Txtoef1[2]), red);
        QCOMPARE(s->Txtoef1[2]->text(), QStringLiteral("514 - 372 = 153"));
        QCOMPARE(s->indx, qint16(3));
    }

    void reactivationInTheMiddleOfASeriesKeepsTheTotal()
    {
        ColumnScreen *s = open(QStringLiteral("CIFERMBE"));
        queue(QStringLiteral("CIFERMBE"), 5);
        for (int k = 0; k < 2; ++k) {
            QVERIFY(click(s->cmdnieuw));
            typeAnswer(s, QStringLiteral("235"));
            QVERIFY(click(s->cmdverbeter));
        }
        // The pupil clicks into another of the program's windows and back.
        menu()->show();
        QVERIFY(click(s->Image2));
        QCOMPARE(p->rt.activeScreen(), s);
        QCOMPARE(s->z, qint16(2));
        for (int k = 0; k < 3; ++k) {
            QVERIFY(click(s->cmdnieuw));
            typeAnswer(s, QStringLiteral("235"));
            QVERIFY(click(s->cmdverbeter));
            menu()->show();
            QVERIFY(click(s->Image2));
        }
        QVERIFY(click(s->cmdstop));
        QVERIFY(click(s->cmdstop2));
        QCOMPARE(menu()->lblgemaakt->text(), QStringLiteral("5"));
        // A second screen continues the same total, once.
        ColumnScreen *other = open(QStringLiteral("CIFERMBT"));
        QCOMPARE(other->z, qint16(5));
    }

    void aScreenLeftOpenBehindKeepsNoOldTotal()
    {
        // Through the main window's menu a pupil can open a second column
        // screen while the first stays up with the total it copied in.
        ColumnScreen *behind = open(QStringLiteral("Kolomaf1000zb"));
        ColumnScreen *s = open(QStringLiteral("CIFERMBE"));
        queue(QStringLiteral("CIFERMBE"), 2);
        QVERIFY(click(s->cmdnieuw));
        typeAnswer(s, QStringLiteral("235"));
        QVERIFY(click(s->cmdverbeter));
        QCOMPARE(menu()->lblgemaakt->text(), QStringLiteral("1"));

        // A right answer counted on the screen behind counts on from 1.
        queue(QStringLiteral("Kolomaf1000zb"));
        behind->cmdnieuw->click();
        for (QChar d : {QLatin1Char('3'), QLatin1Char('3'), QLatin1Char('4')})
            QTest::keyClick(behind->focusWidget(), d.toLatin1());
        behind->cmdverbeter->click();
        QCOMPARE(menu()->lblgemaakt->text(), QStringLiteral("2"));

        // Closing either one hands back the whole total.
        s->close();
        QCOMPARE(menu()->lblgemaakt->text(), QStringLiteral("2"));
        behind->cmdstop2->click();
        QCOMPARE(menu()->lblgemaakt->text(), QStringLiteral("2"));
    }
};

QTEST_MAIN(TestExercises)
#include "tst_exercises.moc"

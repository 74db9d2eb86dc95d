// SPDX-License-Identifier: GPL-3.0-or-later
#include "columns/columnscreen.h"
#include "helpers.h"
#include "shell/shellscreens.h"
#include "shell/twips.h"

#include <QSignalSpy>
#include <QTest>

using namespace kolomaf;
using kolomaf::test::click;
using kolomaf::test::control;
using kolomaf::test::pixelColour;
using kolomaf::test::shown;

class TestColumns : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::Program> p;
    ColumnMenuScreen *menu() { return p->screen<ColumnMenuScreen>("frmbasis"); }

    // Opens a column screen from the menu, as the pupil does; null when the
    // way there is blocked.
    [[nodiscard]] ColumnScreen *open(const QString &name)
    {
        if (!click(p->screen<WelcomeScreen>("frmmecenaat1")->cmdkombinnen)
            || !click(p->screen<ChoiceScreen>("frmkiesbasis")->cmdkies))
            return nullptr;
        const char *button = name == QLatin1String("Kolomaf1000zb") ? "Command2"
            : name == QLatin1String("CIFERMBE")                     ? "Command3"
            : name == QLatin1String("CIFERMBT")                     ? "Command4"
                                                                    : "cmdkwartier";
        return click(control<QAbstractButton>(menu(), button)) ? p->rt.screen<ColumnScreen>(name) : nullptr;
    }

private Q_SLOTS:
    void init() { p = std::make_unique<test::Program>(); }
    void cleanup() { p.reset(); }

    void firstShowing_data() { test::addColumnScreenRows(); }
    void firstShowing()
    {
        QFETCH(QString, name);
        ColumnScreen *s = open(name);
        QVERIFY(s);
        const ColumnConfig &c = s->config();
        QCOMPARE(s->windowTitle(), QString::fromUtf8(c.caption));
        QCOMPARE(p->rt.activeScreen(), s);

        for (TextBox *cell : {s->txteenheden, s->txttientallen, s->txthonderdtallen}) {
            QVERIFY(shown(cell));
            QCOMPARE(cell->text(), QString());
            QCOMPARE(pixelColour(cell, cell->rect().center()), QColor(255, 255, 0));
        }
        // Only CIFERMBE and CIFERMBH show the thousands cell before an exercise.
        QCOMPARE(shown(s->txtduizendtallen),
            name == QLatin1String("CIFERMBE") || name == QLatin1String("CIFERMBH"));

        for (int d = 0; d < 6; ++d) {
            QVERIFY(shown(s->lblgetal[d]));
            QCOMPARE(s->lblgetal[d]->text(), QString());
            QCOMPARE(pixelColour(s->lblgetal[d]), QColor(0, 128, 128));
        }
        for (int d = 6; d < 10; ++d)
            QVERIFY(!shown(s->lblgetal[d]));
        for (Label *h : {s->lblreeksE, s->lblreeksT, s->lblreeksH, s->lblreeksD})
            QVERIFY(!shown(h));
        for (Line *l : s->Line1)
            QVERIFY(!shown(l));

        QVERIFY(shown(s->cmdnieuw));
        for (QAbstractButton *b : {s->cmdverbeter, s->cmdoranje, s->cmdverbeter2, s->cmdstop, s->cmdstop2})
            QVERIFY(!shown(b));
        QCOMPARE(s->cmdnieuw->toolTip(), QStringLiteral("START"));

        QVERIFY(shown(s->lblhelp));
        QCOMPARE(s->lblhelp->text(), QStringLiteral("start nieuwe oefening "));
        QCOMPARE(pixelColour(s->lblhelp), QColor(0, 255, 0));
        QVERIFY(!shown(s->lblprima));
        QCOMPARE(s->lblprima->text(), QStringLiteral("PRIMA "));

        for (int b = 0; b < 15; ++b) {
            QCOMPARE(shown(s->Txtoef1[b]), b < 5);
            QCOMPARE(s->Txtoef1[b]->text(), QString());
            QCOMPARE(s->Txtoef1[b]->objectName(), QStringLiteral("Txtoef1(%1)").arg(b));
        }
        QCOMPARE(s->indx, qint16(0));
        QVERIFY(shown(s->imgoog2));
        QVERIFY(shown(s->imgpijl));
        for (Picture *b : {s->imgbrugeen, s->imgbrugtien, s->imgbrughonderd})
            QVERIFY(!shown(b));
        if (c.borrowing()) {
            QVERIFY(
                !shown(s->lblbrug) && !shown(s->imgbrugstop) && !shown(s->cmdaklas) && !shown(s->shpaklas));
            QCOMPARE(s->lblbrug->text(), QString::fromUtf8(c.hint));
            QCOMPARE(s->cmdaklas->text(), QStringLiteral("A klas"));
        }
        QCOMPARE(shown(s->lblgetal[11]), false);
        QCOMPARE(s->lblgetal[11] != nullptr, c.thousandsDigit);
        QCOMPARE(s->lbleenheid != nullptr, c.unitsPlus);
    }

    void designedPlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("twips");
        QTest::newRow("plain units cell") << "Kolomaf1000zb"
                                          << "txteenheden" << QRect(8160, 4440, 735, 735);
        QTest::newRow("borrowing units cell") << "CIFERMBE"
                                              << "txteenheden" << QRect(8520, 4440, 735, 735);
        QTest::newRow("plain hundreds digit") << "Kolomaf1000zb"
                                              << "lblgetal(4)" << QRect(6240, 2520, 735, 735);
        QTest::newRow("thousands digit") << "CIFERMBH"
                                         << "lblgetal(11)" << QRect(5640, 2520, 735, 735);
        QTest::newRow("plain header") << "Kolomaf1000zb"
                                      << "lblreeksT" << QRect(7200, 240, 735, 615);
        QTest::newRow("plain START") << "Kolomaf1000zb"
                                     << "cmdnieuw" << QRect(1800, 4920, 1215, 855);
        QTest::newRow("borrowing START") << "CIFERMBT"
                                         << "cmdnieuw" << QRect(1920, 5040, 1215, 855);
        QTest::newRow("CIFERMBT stop") << "CIFERMBT"
                                       << "cmdstop" << QRect(840, 5040, 1215, 855);
        QTest::newRow("last score box") << "CIFERMBH"
                                        << "Txtoef1(4)" << QRect(8520, 7200, 1575, 360);
        QTest::newRow("plain instruction") << "Kolomaf1000zb"
                                           << "lblhelp" << QRect(3600, 5520, 6135, 495);
        QTest::newRow("borrowing eyes") << "CIFERMBE"
                                        << "imgoog1" << QRect(120, 120, 3525, 2880);
        QTest::newRow("A klas") << "CIFERMBE"
                                << "cmdaklas" << QRect(360, 6360, 1215, 855);
    }
    void designedPlaces()
    {
        QFETCH(QString, name);
        QFETCH(QString, control);
        QFETCH(QRect, twips);
        QWidget *w = test::control(p->rt.screen(name), control);
        QVERIFY(w);
        // Where it stands on its screen, whatever row holds it.
        QCOMPARE(QRect(w->mapTo(w->window(), QPoint()), w->size()),
            twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    }

    void totalIsCopiedInOnEveryActivation_data() { test::addColumnScreenRows(); }
    void totalIsCopiedInOnEveryActivation()
    {
        QFETCH(QString, name);
        menu()->lblgemaakt->setText(QStringLiteral("12"));
        ColumnScreen *s = p->rt.screen<ColumnScreen>(name);
        QCOMPARE(s->z, qint16(12)); // at load
        s->show();
        menu()->lblgemaakt->setText(QStringLiteral("13"));
        menu()->show();
        QVERIFY(click(s->txteenheden)); // back into the column screen from the menu window
        QCOMPARE(p->rt.activeScreen(), s);
        QCOMPARE(s->z, qint16(13));
    }

    void activationRestoresTheStartPrompt_data() { test::addColumnScreenRows(); }
    void activationRestoresTheStartPrompt()
    {
        QFETCH(QString, name);
        ColumnScreen *s = open(name);
        QVERIFY(s);
        s->lblhelp->setText(QStringLiteral(" eenheden aftrekken"));
        s->lblhelp->hide();
        s->move(0, 0);
        const bool plain = !s->config().borrowing();
        s->txtduizendtallen->show();
        menu()->show();
        QVERIFY(click(s->Image2));
        QCOMPARE(s->lblhelp->text(), QStringLiteral("start nieuwe oefening "));
        QVERIFY(shown(s->lblhelp));
        QVERIFY(s->pos() != QPoint(0, 0));
        // Only the screen without borrowing hides the thousands cell again.
        QCOMPARE(shown(s->txtduizendtallen), !plain);
    }

    void plainScreenFocusesStartOnActivation()
    {
        ColumnScreen *s = open(QStringLiteral("Kolomaf1000zb"));
        QVERIFY(s);
        QCOMPARE(s->focusWidget(), s->cmdnieuw);
        s->txteenheden->setFocus();
        menu()->show();
        QVERIFY(click(s->Image2));
        QCOMPARE(s->focusWidget(), s->cmdnieuw);
        QVERIFY(!shown(s->txtduizendtallen));
    }

    void activationWithStartHiddenKeepsTheFocus()
    {
        ColumnScreen *s = open(QStringLiteral("Kolomaf1000zb"));
        QVERIFY(s);
        s->cmdnieuw->hide();
        s->cmdverbeter->show();
        s->txttientallen->setFocus();
        menu()->show();
        QVERIFY(click(s->Image2));
        QCOMPARE(s->focusWidget(), s->txttientallen);
    }

    void eyeClosesWithinASecond()
    {
        ColumnScreen *s = open(QStringLiteral("CIFERMBE"));
        QVERIFY(s);
        QVERIFY(s->tmroog2->isActive());
        QVERIFY(!s->tmroog->isActive());
        QCOMPARE(s->tmroog->interval(), 500);
        QCOMPARE(s->tmroog2->interval(), 1000);
        QTRY_VERIFY_WITH_TIMEOUT(!shown(s->imgoog2), 2000);
        QVERIFY(shown(s->imgoog1));
    }

    void bridgeClickHidesItAndNothingElse_data() { test::addColumnScreenRows(); }
    void bridgeClickHidesItAndNothingElse()
    {
        QFETCH(QString, name);
        ColumnScreen *s = open(name);
        QVERIFY(s);
        for (Picture *b : {s->imgbrugeen, s->imgbrugtien, s->imgbrughonderd}) {
            b->show();
            QVERIFY(click(b));
            QVERIFY(!shown(b));
        }
        QVERIFY(shown(s->cmdnieuw));
        QCOMPARE(s->lblhelp->text(), QStringLiteral("start nieuwe oefening "));
    }

    void strokesLetClicksThroughToTheDigit()
    {
        ColumnScreen *s = open(QStringLiteral("CIFERMBE"));
        QVERIFY(s);
        s->lneE->show();
        QSignalSpy digitClicks(s->lblgetal[0], &Label::clicked);
        const QPoint middle = s->lblgetal[0]->mapTo(s, s->lblgetal[0]->rect().center());
        QCOMPARE(s->childAt(middle), s->lblgetal[0]);
        test::clickAt(s, middle);
        QCOMPARE(digitClicks.count(), 1);
    }

    void leavingAndComingBackKeepsTheBoard()
    {
        ColumnScreen *s = open(QStringLiteral("CIFERMBT"));
        QVERIFY(s);
        s->lblgetal[0]->setText(QStringLiteral("4"));
        s->txteenheden->setText(QStringLiteral("2"));
        s->Txtoef1[0]->setText(QStringLiteral("352 - 117 = 235"));
        s->z = 6;
        s->cmdstop2->show();
        QVERIFY(click(s->cmdstop2));
        QVERIFY(!shown(s));
        QCOMPARE(menu()->lblgemaakt->text(), QStringLiteral("6"));
        menu()->lblgemaakt->setText(QStringLiteral("8"));
        QVERIFY(click(menu()->Command4));
        QCOMPARE(p->rt.screen<ColumnScreen>(QStringLiteral("CIFERMBT")), s);
        QCOMPARE(s->lblgetal[0]->text(), QStringLiteral("4"));
        QCOMPARE(s->txteenheden->text(), QStringLiteral("2"));
        QCOMPARE(s->Txtoef1[0]->text(), QStringLiteral("352 - 117 = 235"));
        QCOMPARE(s->z, qint16(8));
    }

    void variablesAreSixteenBitProperties()
    {
        ColumnScreen *s = p->rt.screen<ColumnScreen>(QStringLiteral("CIFERMBH"));
        for (const char *v : {"z", "indx", "x", "mult1", "mult7", "mult62", "mult82", "i", "rest",
                 "startgetal", "multrest", "verdertien"}) {
            const QVariant value = s->property(v);
            QVERIFY2(value.isValid(), v);
            QCOMPARE(value.metaType(), QMetaType::fromType<qint16>());
            QCOMPARE(value.toInt(), 0);
        }
        QVERIFY(s->setProperty("startgetal", 13));
        QCOMPARE(s->startgetal, qint16(13));
    }

    void recordBoxesAreWrittenByTheProgramOnly()
    {
        ColumnScreen *s = open(QStringLiteral("CIFERMBE"));
        QVERIFY(s);
        QVERIFY(s->txtcontrole->isReadOnly());
        QTest::keyClicks(s->Txtoef1[0], QStringLiteral("12"));
        QCOMPARE(s->Txtoef1[0]->text(), QString());
    }
};

QTEST_MAIN(TestColumns)
#include "tst_columns.moc"

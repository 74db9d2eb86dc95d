// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpers.h"
#include "scripted.h"
#include "shell/shellscreens.h"
#include "writing/writingscreen.h"

#include <QTest>
#include <random>

using namespace kolomaf;
using kolomaf::test::click;
using kolomaf::test::pixelColour;
using kolomaf::test::shown;

namespace {

const QColor cellGreen(0, 192, 0), orange(255, 128, 0), brightGreen(0, 255, 0), red(255, 0, 0);
// 347 - 128 = 219: the units borrow, nothing is drawn again.
const QList<int> borrowUnits {7, 8, 4, 2, 3, 1};

} // namespace

class TestWriting : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::Program> p;
    WritingScreen *s = nullptr;

    // The helpers that click return false when a click is blocked.
    [[nodiscard]] bool open()
    {
        if (!click(p->screen<WelcomeScreen>("frmmecenaat1")->cmdkombinnen) || !fromTheChoice())
            return false;
        s = p->screen<WritingScreen>("frmcijferschrijf");
        return true;
    }
    // From the first choice through the menu to this screen.
    [[nodiscard]] bool fromTheChoice()
    {
        return click(p->screen<ChoiceScreen>("frmkiesbasis")->cmdkies)
            && click(p->screen<ColumnMenuScreen>("frmbasis")->Command5);
    }
    // Keys go where the focus is, as when the pupil types.
    void type(const QString &keys)
    {
        for (QChar c : keys)
            QTest::keyClick(s->focusWidget(), c.toLatin1());
    }
    [[nodiscard]] bool start(const QList<int> &script = borrowUnits)
    {
        p->rt.setRandom(std::make_unique<test::ScriptedRandom>(script));
        return click(s->cmdnieuw);
    }
    [[nodiscard]] bool copyRight()
    {
        if (!start())
            return false;
        type(QStringLiteral("347128"));
        return click(s->cmdgroenlicht);
    }
    [[nodiscard]] bool copyAndAnswer(const QString &answerUnitsFirst)
    {
        if (!copyRight())
            return false;
        type(answerUnitsFirst);
        return click(s->cmdcontrole);
    }
    // A click on a filled cell empties it and moves the focus on; a second
    // click brings it back.
    [[nodiscard]] bool retype(TextBox *cell, const char *digit)
    {
        if (!click(cell) || !click(cell))
            return false;
        type(QLatin1String(digit));
        return true;
    }
    QStringList spot() const
    {
        QStringList out;
        for (QWidget *b : {s->cmdgroenlicht, s->cmdcontrole, s->cmdstop, s->cmdstop2, s->cmdnieuw})
            if (shown(b))
                out << b->objectName();
        return out;
    }

private Q_SLOTS:
    void init()
    {
        p = std::make_unique<test::Program>();
        QVERIFY(open());
        type(QStringLiteral("Lotte"));
    }
    void cleanup() { p.reset(); }

    void opensForANameAndStartsAnExercise()
    {
        QCOMPARE(s->windowTitle(), QStringLiteral("Schrijf de aftrekking onder elkaar en reken uit"));
        QVERIFY(shown(s->txtnaam) && shown(s->lblnaam1) && !shown(s->lbluitleg) && !shown(s->txtresultaat));
        QCOMPARE(spot(), QStringList {QStringLiteral("cmdnieuw")});
        QCOMPARE(s->lblinformatie->text(), QStringLiteral(" klik op het vliegtuig en start"));
        for (int row = 0; row < 11; ++row)
            QCOMPARE(shown(s->Txtoef1[row]), row < 10);

        QVERIFY(start());
        QCOMPARE(s->lblweergave->text(), QStringLiteral("347 - 128 = "));
        QCOMPARE(s->lblmeester2->text(), QStringLiteral(" voor Lotte"));
        QVERIFY(shown(s->lblmeester1) && !shown(s->txtnaam) && !shown(s->lblnaam1));
        QCOMPARE(s->lblinformatie->text(),
            QStringLiteral(" schrijf de twee getallen onder elkaar, één cijfer per vakje"));
        QCOMPARE(s->verschil, qint16(219));
        QCOMPARE(pixelColour(s->txtgetal1E, {4, 4}), orange);
        QCOMPARE(pixelColour(s->txtgetal1T, {4, 4}), cellGreen);
        QVERIFY(shown(s->txtplus100));
        QCOMPARE(s->txtplus100->text(), QStringLiteral("lenen"));
        QVERIFY(spot().isEmpty());
        QCOMPARE(s->focusWidget(), s->txtgetal1H);
    }

    void copyingWalksToTheGreenLight()
    {
        QVERIFY(start());
        type(QStringLiteral("347128"));
        QCOMPARE(s->focusWidget(), s->cmdgroenlicht);
        QCOMPARE(spot(), QStringList {QStringLiteral("cmdgroenlicht")});
        QCOMPARE(s->lblinformatie->text(), QStringLiteral(" klik om je getallen te controleren"));
        QVERIFY(click(s->txtgetal1T));
        QCOMPARE(s->txtgetal1T->text(), QString());
        QCOMPARE(s->focusWidget(), s->txtgetal1T);
        type(QStringLiteral("4"));
        QVERIFY(click(s->txtgetal2E));
        QCOMPARE(s->focusWidget(), s->txtgetal2E);
        QVERIFY(shown(s->cmdgroenlicht));
        type(QStringLiteral("8"));
        for (int check = 0; check < 2; ++check) {
            QVERIFY(click(s->cmdgroenlicht));
            QCOMPARE(s->lblinformatie->text(), QStringLiteral(" eenheden aftrekken"));
            QCOMPARE(s->focusWidget(), s->txteenheden);
            QVERIFY(shown(s->cmdgroenlicht) && shown(s->lntelop) && shown(s->txthonderdtallen));
        }
    }

    void aWrongCopyEmptiesAllSix_data()
    {
        QTest::addColumn<int>("cell");
        QTest::addColumn<QString>("text");
        QTest::newRow("one wrong digit") << 4 << "3";
        QTest::newRow("empty") << 0 << "";
        QTest::newRow("a letter") << 5 << "x";
        QTest::newRow("pasted 5000 digits") << 2 << QString(5000, u'7');
    }
    void aWrongCopyEmptiesAllSix()
    {
        QFETCH(int, cell);
        QFETCH(QString, text);
        QVERIFY(start());
        type(QStringLiteral("347128"));
        TextBox *cells[]
            = {s->txtgetal1H, s->txtgetal1T, s->txtgetal1E, s->txtgetal2H, s->txtgetal2T, s->txtgetal2E};
        cells[cell]->setText(text);
        QVERIFY(click(s->cmdgroenlicht));
        for (TextBox *c : cells)
            QCOMPARE(c->text(), QString());
        QVERIFY(!shown(s->cmdgroenlicht));
        QCOMPARE(
            s->lblinformatie->text(), QStringLiteral(" je maakt een fout bij het overschrijven, opnieuw"));
        QCOMPARE(s->focusWidget(), s->txtgetal1H);
        QVERIFY(shown(s->lntelop) && shown(s->lblplus) && shown(s->txteenheden) && shown(s->txttientallen));
        QCOMPARE(pixelColour(s->txtgetal1E, {4, 4}), orange);
    }

    void theAnswerIsJudged_data()
    {
        QTest::addColumn<QString>("keys"); // units first
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("info");
        QTest::addColumn<QString>("verdict");
        auto row = [](const char *name, const char *keys, const char *line, const char *info,
                       const char *verdict) {
            QTest::newRow(name) << QString::fromUtf8(keys) << QString::fromUtf8(line)
                                << QString::fromUtf8(info) << QString::fromUtf8(verdict);
        };
        row("right", "912", "347 - 128 = 219", " je resultaat is correct, start nieuwe oefening ", "prima");
        row("one too big", "022", "347 - 128 < 220", " je resultaat is te groot, start een nieuwe oefening",
            "fout");
        row("one too small", "812", "347 - 128 > 218", " je resultaat is te klein, start een nieuwe oefening",
            "fout");
    }
    void theAnswerIsJudged()
    {
        QFETCH(QString, keys);
        QFETCH(QString, line);
        QFETCH(QString, info);
        QFETCH(QString, verdict);
        QVERIFY(copyRight());
        type(keys.left(1));
        QCOMPARE(s->lblinformatie->text(), QStringLiteral("tientallen aftrekken"));
        QCOMPARE(spot(), QStringList {QStringLiteral("cmdcontrole")});
        type(keys.mid(1, 1));
        QCOMPARE(s->lblinformatie->text(), QStringLiteral("honderdtallen aftrekken"));
        type(keys.mid(2));
        QCOMPARE(s->focusWidget(), s->cmdcontrole);
        QCOMPARE(s->lblinformatie->text(), QStringLiteral(" klik om je aftrekking te controleren"));
        QVERIFY(click(s->cmdcontrole));

        QCOMPARE(s->txtresultaat->text(), line);
        QVERIFY(shown(s->txtresultaat) && shown(s->lbluitleg));
        QCOMPARE(s->lbluitleg->text(), verdict);
        QCOMPARE(s->lblinformatie->text(), info);
        QVERIFY(s->lblinformatie->fontMetrics().horizontalAdvance(info) <= s->lblinformatie->width());
        QCOMPARE(s->Txtoef1[0]->text(), line);
        QCOMPARE(pixelColour(s->Txtoef1[0]), verdict == QLatin1String("prima") ? brightGreen : red);
        QCOMPARE(s->oefnummer, qint16(1));
        QCOMPARE(pixelColour(s->txtgetal1E, {4, 4}), cellGreen);
        QVERIFY(!shown(s->txtplus100));
        QCOMPARE(spot(), QStringList {QStringLiteral("cmdnieuw")});
        QCOMPARE(s->focusWidget(), s->cmdnieuw);
    }

    void unreadableAndPastedAnswers_data()
    {
        QTest::addColumn<QString>("hundreds");
        QTest::addColumn<QString>("tens");
        QTest::addColumn<QString>("units");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("resultaat");
        auto row = [](const char *name, const QString &h, const QString &t, const QString &e,
                       const QString &result, int resultaat) {
            QTest::newRow(name) << h << t << e << QStringLiteral("347 - 128 ") + result << resultaat;
        };
        // A cell keeps the first 1000 characters of a pasted page; the
        // result line shows all that the cells hold.
        const QString many(5000, u'9');
        const QString kept(999, u'9');
        row("empty tens", "2", "", "9", "> 209", 209);
        row("a letter", "2", "1", "a", "> 210", 210);
        row("two digits in the tens", "1", "12", "0", "< 220", 220);
        row("a minus", "-5", "1", "9", "> -481", -481);
        row("past 16 bits", "400", "0", "0", "< 40000", 32767);
        row("pasted 5000 digits", "0", "0", many, "< 9" + kept, 32767);
        row("far below", "-" + many, "0", "0", "> -" + kept + "00", -32768);
    }
    void unreadableAndPastedAnswers()
    {
        QFETCH(QString, hundreds);
        QFETCH(QString, tens);
        QFETCH(QString, units);
        QFETCH(QString, line);
        QFETCH(int, resultaat);
        QVERIFY(copyRight());
        s->txteenheden->setText(units);
        s->txttientallen->setText(tens);
        s->txthonderdtallen->setText(hundreds);
        QVERIFY(click(s->cmdcontrole));
        QCOMPARE(s->txtresultaat->text(), line);
        QCOMPARE(s->Txtoef1[0]->text(), line);
        QCOMPARE(s->resultaat, qint16(resultaat));
        QCOMPARE(s->lbluitleg->text(), QStringLiteral("fout"));
        // Unreadable cells become a red 0; the others keep what was typed.
        const std::pair<TextBox *, QString> typed[]
            = {{s->txthonderdtallen, hundreds}, {s->txttientallen, tens}, {s->txteenheden, units}};
        for (const auto &[cell, text] : typed) {
            const bool unreadable = text.isEmpty() || text == QLatin1String("a");
            QCOMPARE(cell->text(), unreadable ? QStringLiteral("0") : text.left(1000));
            QCOMPARE(pixelColour(cell, {4, 4}), unreadable ? red : cellGreen);
        }
    }

    void aSeriesOfTenThenTheSpareRow()
    {
        for (int k = 1; k <= 10; ++k) {
            QVERIFY(copyAndAnswer(k == 3 ? QStringLiteral("022") : QStringLiteral("912")));
            QCOMPARE(s->oefnummer, qint16(k));
            QCOMPARE(shown(s->cmdstop), k >= 5);
            QCOMPARE(shown(s->cmdnieuw), k < 10);
            QVERIFY(!shown(s->cmdcontrole));
            QCOMPARE(s->focusWidget(), k < 10 ? s->cmdnieuw : s->cmdstop);
        }
        QCOMPARE(pixelColour(s->Txtoef1[2]), red);
        QCOMPARE(pixelColour(s->Txtoef1[9]), brightGreen);

        // A full series offers no further check, so STOP stays uncovered.
        QVERIFY(retype(s->txteenheden, "8"));
        QVERIFY(retype(s->txthonderdtallen, "2"));
        QCOMPARE(spot(), QStringList {QStringLiteral("cmdstop")});
        QCOMPARE(s->Txtoef1[10]->text(), QString());

        QVERIFY(click(s->cmdstop));
        QCOMPARE(s->oefnummer, qint16(0));
        for (int row = 0; row < 10; ++row) {
            QCOMPARE(s->Txtoef1[row]->text(), QString());
            QCOMPARE(pixelColour(s->Txtoef1[row]), QColor(255, 255, 255));
        }
        QCOMPARE(spot(), (QStringList {QStringLiteral("cmdstop2"), QStringLiteral("cmdnieuw")}));
        QCOMPARE(s->lblinformatie->text(), QStringLiteral(" klik om je aftrekking te controleren"));
        QCOMPARE(s->focusWidget(), s->cmdnieuw);

        // A new series: the lights lie over the second STOP.
        QVERIFY(start());
        type(QStringLiteral("347128"));
        QCOMPARE(spot(), (QStringList {QStringLiteral("cmdgroenlicht"), QStringLiteral("cmdstop2")}));
        QVERIFY(click(s->cmdgroenlicht));
        type(QStringLiteral("912"));
        QVERIFY(click(s->cmdcontrole));
        QCOMPARE(s->Txtoef1[0]->text(), QStringLiteral("347 - 128 = 219"));
        for (int k = 2; k <= 5; ++k)
            QVERIFY(copyAndAnswer(QStringLiteral("912")));
        // Changing a checked answer offers the check again, above STOP.
        QVERIFY(retype(s->txteenheden, "8"));
        QVERIFY(click(s->cmdcontrole));
        QCOMPARE(s->oefnummer, qint16(6));
        QCOMPARE(s->Txtoef1[4]->text(), QStringLiteral("347 - 128 = 219"));
        QCOMPARE(s->Txtoef1[5]->text(), QStringLiteral("347 - 128 > 218"));
    }

    void hoveringOverStopShrinksLaterBorrowMarks()
    {
        for (int k = 0; k < 5; ++k)
            QVERIFY(copyAndAnswer(QStringLiteral("912")));
        QTest::mouseMove(s->cmdstop, s->cmdstop->rect().center());
        QVERIFY(shown(s->txtplus100));
        QCOMPARE(s->txtplus100->text(), QStringLiteral(" vroeger stoppen?"));
        QVERIFY(start());
        QCOMPARE(s->txtplus100->text(), QStringLiteral("lenen"));
        QCOMPARE(s->txtplus100->font().pointSizeF(), 14.0);
    }

    void leavingAndComingBack()
    {
        for (int k = 0; k < 5; ++k)
            QVERIFY(copyAndAnswer(QStringLiteral("912")));
        QVERIFY(click(s->cmdstop));
        QVERIFY(copyAndAnswer(QStringLiteral("912")));
        s->cmdstop2->click(); // lies under the others on the same spot
        QVERIFY(!shown(s) && shown(p->screen("frmkiesbasis")));
        QVERIFY(!shown(p->screen("frmbasis")));
        for (TextBox *row : s->Txtoef1)
            QCOMPARE(row->text(), QString());
        QCOMPARE(s->oefnummer, qint16(1));

        QVERIFY(fromTheChoice());
        QCOMPARE(s->txtnaam->text(), QString());
        QVERIFY(shown(s->txtnaam) && shown(s->cmdnieuw) && !shown(s->lblmeester1));
        QCOMPARE(s->lblmeester2->text(), QString());
        QCOMPARE(s->focusWidget(), s->txtnaam);
        QVERIFY(start());
        QCOMPARE(s->lblmeester2->text(), QStringLiteral(" voor "));
        // The window's own close control leaves the same way.
        s->close();
        QVERIFY(!shown(s) && shown(p->screen("frmkiesbasis")));
    }

    void activationEmptiesTheExerciseButKeepsTheSeries()
    {
        QVERIFY(copyAndAnswer(QStringLiteral("912")));
        QVERIFY(start());
        type(QStringLiteral("34"));
        p->screen("frmbasis")->show();
        QVERIFY(click(s->Image3));
        QCOMPARE(s->lblweergave->text(), QString());
        QCOMPARE(s->txtgetal1H->text(), QString());
        QVERIFY(shown(s->txtnaam) && shown(s->lblnaam1) && !shown(s->lbluitleg));
        QCOMPARE(s->oefnummer, qint16(1));
        QCOMPARE(s->Txtoef1[0]->text(), QStringLiteral("347 - 128 = 219"));
    }

    void randomClicksAndKeysNeverBreakTheScreen()
    {
        p->rt.setRandom(std::make_unique<ClockRandom>(5u));
        std::mt19937 pupil(11);
        const int keys[] = {Qt::Key_1, Qt::Key_7, Qt::Key_9, Qt::Key_0, Qt::Key_A, Qt::Key_Minus,
            Qt::Key_Return, Qt::Key_Tab, Qt::Key_Backspace};
        for (int step = 0; step < 3000; ++step) {
            if (!shown(s)) {
                QVERIFY(fromTheChoice());
            }
            const int action = std::uniform_int_distribution<int>(0, 9)(pupil);
            if (action < 6) {
                const QPoint at(std::uniform_int_distribution<int>(0, s->width() - 1)(pupil),
                    std::uniform_int_distribution<int>(0, s->height() - 1)(pupil));
                test::clickAt(s, at);
            } else if (QWidget *focus = s->focusWidget()) {
                QTest::keyClick(focus, Qt::Key(keys[std::uniform_int_distribution<int>(0, 8)(pupil)]));
            }
            QVERIFY(s->oefnummer >= 0 && s->oefnummer <= 10);
            QVERIFY(shown(s) || shown(p->screen("frmkiesbasis")));
        }
    }

    void aLongNameStillFitsTheSheet()
    {
        s->txtnaam->setText(QStringLiteral("Anne-Sophie van den Berg"));
        QVERIFY(start());
        QVERIFY(s->lblmeester2->fontMetrics().horizontalAdvance(s->lblmeester2->text())
            <= s->lblmeester2->width());
        s->txtnaam->setText(QStringLiteral("Ali"));
        QVERIFY(start());
        QCOMPARE(s->lblmeester2->font().pointSizeF(), 12.0);
    }
};

QTEST_MAIN(TestWriting)
#include "tst_writing.moc"

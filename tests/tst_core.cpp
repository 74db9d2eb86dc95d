// SPDX-License-Identifier: GPL-3.0-or-later
// The rules without widgets: drawing every kind of exercise, reading a text
// as a number, the 16-bit range.
#include "core/demonstrations.h"
#include "core/exercise.h"
#include "core/numbers.h"
#include "core/writingexercise.h"
#include "scripted.h"

#include <QSet>
#include <limits>

#include <QTest>

using namespace kolomaf;
using kolomaf::test::ScriptedRandom;

Q_DECLARE_METATYPE(kolomaf::Kind)

class TestCore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void scriptedRules_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QList<int>>("script");
        QTest::addColumn<QList<int>>("digits"); // E1 E2 T1 T2 H1 H2
        QTest::addColumn<QString>("draws");

        QTest::newRow("plain: units redrawn until E1 > E2")
            << Kind::NoBorrowing << QList<int> {1, 1, 3, 2, 5, 4, 2, 1} << QList<int> {3, 2, 5, 4, 2, 1}
            << "10101011";
        QTest::newRow("plain: equal hundreds redrawn")
            << Kind::NoBorrowing << QList<int> {3, 2, 5, 4, 2, 2, 3, 1} << QList<int> {3, 2, 5, 4, 3, 1}
            << "10101111";
        QTest::newRow("ten: first tens pair only needs T1 > T2")
            << Kind::BorrowTen << QList<int> {2, 5, 3, 2, 3, 2} << QList<int> {2, 5, 3, 2, 3, 2} << "101011";
        QTest::newRow("ten: tens redraws need T1 > T2 + 2")
            << Kind::BorrowTen << QList<int> {2, 5, 3, 3, 4, 2, 5, 2, 3, 2} << QList<int> {2, 5, 5, 2, 3, 2}
            << "1010101011";
        QTest::newRow("ten: hundreds redraws need H1 > H2 + 1")
            << Kind::BorrowTen << QList<int> {2, 5, 3, 2, 3, 3, 3, 2, 4, 2} << QList<int> {2, 5, 3, 2, 4, 2}
            << "1010111111";
        QTest::newRow("ten: units redrawn until E1 < E2")
            << Kind::BorrowTen << QList<int> {5, 5, 2, 5, 3, 2, 3, 2} << QList<int> {2, 5, 3, 2, 3, 2}
            << "10101011";
        QTest::newRow("hundred: tens redraws come from 1-9")
            << Kind::BorrowHundred << QList<int> {3, 2, 1, 0, 2, 5, 5, 3} << QList<int> {3, 2, 2, 5, 5, 3}
            << "10101111";
        QTest::newRow("hundred: first pair with H1 - H2 = 2 passes both checks")
            << Kind::BorrowHundred << QList<int> {3, 2, 1, 4, 5, 3} << QList<int> {3, 2, 1, 4, 5, 3}
            << "101011";
        QTest::newRow("hundred: second check redraws a difference of 1")
            << Kind::BorrowHundred << QList<int> {3, 2, 1, 4, 5, 4, 6, 4, 7, 4}
            << QList<int> {3, 2, 1, 4, 7, 4} << "1010111111";
        QTest::newRow("hundred: first check redraws until H1 - H2 >= 3")
            << Kind::BorrowHundred << QList<int> {3, 2, 1, 4, 4, 4, 5, 3, 6, 3}
            << QList<int> {3, 2, 1, 4, 6, 3} << "1010111111";
        QTest::newRow("thousand: first hundreds pair only needs H1 < H2")
            << Kind::BorrowThousand << QList<int> {3, 2, 5, 4, 3, 4} << QList<int> {3, 2, 5, 4, 3, 4}
            << "101011";
        QTest::newRow("thousand: hundreds redraws need H2 > H1 + 1")
            << Kind::BorrowThousand << QList<int> {3, 2, 5, 4, 4, 4, 3, 4, 3, 5}
            << QList<int> {3, 2, 5, 4, 3, 5} << "1010111111";
    }
    void scriptedRules()
    {
        QFETCH(Kind, kind);
        QFETCH(QList<int>, script);
        QFETCH(QList<int>, digits);
        QFETCH(QString, draws);
        ScriptedRandom r(script);
        const Subtraction x = drawExercise(kind, r);
        QCOMPARE((QList<int> {x.e.top, x.e.bottom, x.t.top, x.t.bottom, x.h.top, x.h.bottom}), digits);
        QCOMPARE(r.draws, draws);
        QVERIFY(r.used() && !r.exhausted && !r.outOfRange);
        QCOMPARE(r.reseeds, 1);
        QCOMPARE(x.d, kind == Kind::BorrowThousand ? 1 : 0);
    }

    void expectedResults_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QList<int>>("digits");
        QTest::addColumn<QList<int>>("results");
        QTest::newRow("plain 754 - 321")
            << Kind::NoBorrowing << QList<int> {4, 1, 5, 2, 7, 3} << QList<int> {3, 3, 4};
        QTest::newRow("ten 352 - 117")
            << Kind::BorrowTen << QList<int> {2, 7, 5, 1, 3, 1} << QList<int> {5, 3, 2};
        QTest::newRow("hundred 514 - 372")
            << Kind::BorrowHundred << QList<int> {4, 2, 1, 7, 5, 3} << QList<int> {2, 4, 1};
        QTest::newRow("thousand 1234 - 523")
            << Kind::BorrowThousand << QList<int> {4, 3, 3, 2, 2, 5} << QList<int> {1, 1, 7};
    }
    void expectedResults()
    {
        QFETCH(Kind, kind);
        QFETCH(QList<int>, digits);
        QFETCH(QList<int>, results);
        const Subtraction x {{digits[0], digits[1]}, {digits[2], digits[3]}, {digits[4], digits[5]}};
        const ColumnResults r = kolomaf::expectedResults(kind, x);
        QCOMPARE((QList<int> {r.e, r.t, r.h}), results);
    }

    void seededGuarantees_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::newRow("no borrowing") << Kind::NoBorrowing;
        QTest::newRow("borrow a ten") << Kind::BorrowTen;
        QTest::newRow("borrow a hundred") << Kind::BorrowHundred;
        QTest::newRow("borrow a thousand") << Kind::BorrowThousand;
    }
    void seededGuarantees()
    {
        QFETCH(Kind, kind);
        ClockRandom r(20261209u + unsigned(kind));
        QSet<int> tensResults, hundredsResults;
        for (int n = 0; n < 4000; ++n) {
            const Subtraction x = drawExercise(kind, r);
            const ColumnResults res = kolomaf::expectedResults(kind, x);
            for (const DigitPair &p : {x.e, x.t, x.h}) {
                QVERIFY(p.top >= 1 && p.top <= 9);
                QVERIFY(p.bottom >= 0 && p.bottom <= 9);
            }
            QVERIFY(x.h.bottom >= 1);
            for (int digit : {res.e, res.t, res.h})
                QVERIFY2(digit >= 0 && digit <= 9, "every expected answer is one digit");
            // The number made of the expected digits is the true difference.
            const int first = 1000 * x.d + 100 * x.h.top + 10 * x.t.top + x.e.top;
            const int second = 100 * x.h.bottom + 10 * x.t.bottom + x.e.bottom;
            QCOMPARE(100 * res.h + 10 * res.t + res.e, first - second);
            tensResults << res.t;
            hundredsResults << res.h;
            switch (kind) {
            case Kind::NoBorrowing:
                QVERIFY(res.e >= 1 && res.t >= 1 && res.h >= 1);
                QVERIFY(x.h.top >= 2);
                break;
            case Kind::BorrowTen:
                QVERIFY(x.e.top < x.e.bottom);
                QVERIFY(x.t.top > x.t.bottom);
                QVERIFY(res.h >= 1);
                break;
            case Kind::BorrowHundred:
                QVERIFY(x.e.top > x.e.bottom);
                QVERIFY(x.t.top < x.t.bottom);
                QVERIFY(x.t.bottom >= 2);
                QVERIFY(res.h >= 1);
                break;
            case Kind::BorrowThousand:
                QCOMPARE(x.d, 1);
                QVERIFY(x.e.top > x.e.bottom && x.t.top > x.t.bottom);
                QVERIFY(res.h >= 2 && res.h <= 9);
                break;
            }
        }
        if (kind == Kind::BorrowTen)
            QVERIFY2(tensResults.contains(0), "a tens result of 0 comes from a first pair T1 = T2 + 1");
        if (kind == Kind::BorrowThousand)
            QVERIFY(hundredsResults.contains(9) && hundredsResults.contains(2));
    }

    void readsAsNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<qint64>("value");
        QTest::newRow("single digit") << "7" << true << qint64(7);
        QTest::newRow("leading zero") << "05" << true << qint64(5);
        QTest::newRow("blanks around") << " 5 " << true << qint64(5);
        QTest::newRow("plus sign") << "+3" << true << qint64(3);
        QTest::newRow("minus sign") << "-12" << true << qint64(-12);
        QTest::newRow("empty") << "" << false << qint64(0);
        QTest::newRow("only blanks") << "   " << false << qint64(0);
        QTest::newRow("only a sign") << "-" << false << qint64(0);
        QTest::newRow("letter after digit") << "5a" << false << qint64(0);
        QTest::newRow("blank inside") << "1 2" << false << qint64(0);
        QTest::newRow("two signs") << "--1" << false << qint64(0);
        QTest::newRow("decimal comma") << "1,5" << false << qint64(0);
        QTest::newRow("accented letter") << QString::fromUtf8("é") << false << qint64(0);
        QTest::newRow("huge saturates")
            << QString(5000, QLatin1Char('9')) << true << std::numeric_limits<qint64>::max();
        QTest::newRow("huge negative saturates") << QStringLiteral("-") + QString(40, QLatin1Char('9'))
                                                 << true << std::numeric_limits<qint64>::min();
        QTest::newRow("64-bit minimum")
            << "-9223372036854775808" << true << std::numeric_limits<qint64>::min();
    }
    void readsAsNumber()
    {
        QFETCH(QString, text);
        QFETCH(bool, isNumber);
        QFETCH(qint64, value);
        QCOMPARE(kolomaf::readsAsNumber(text), isNumber);
        if (isNumber)
            QCOMPARE(*readNumber(text), value);
    }

    void sixteenBitRange()
    {
        QCOMPARE(toInt16(32767), std::optional<qint16>(32767));
        QCOMPARE(toInt16(-32768), std::optional<qint16>(-32768));
        QVERIFY(!toInt16(32768));
        QVERIFY(!toInt16(std::numeric_limits<qint64>::min()));
        QCOMPARE(numberText(-5), QStringLiteral("-5"));
        QCOMPARE(numberText(0), QStringLiteral("0"));
    }

    void demonstrationRulesHoldOverManyDraws()
    {
        ClockRandom r(7u);
        QSet<int> sumHundreds, gaps;
        for (int n = 0; n < 5000; ++n) {
            const Subtraction s = drawSums(r);
            QVERIFY(s.h.top >= 2 && s.h.top <= 9 && s.h.bottom >= 1);
            QVERIFY(s.h.top > s.h.bottom);
            QVERIFY(s.e.top >= 1 && s.e.top <= 9);
            for (int d : {s.e.bottom, s.t.top, s.t.bottom})
                QVERIFY(d >= 0 && d <= 8);
            sumHundreds << s.h.top;

            const Subtraction d = drawDifferences(r);
            QVERIFY(d.h.top - d.h.bottom >= 2);
            QVERIFY(d.h.top >= 3 && d.h.bottom >= 1 && d.h.bottom <= 7);
            for (int v : {d.e.top, d.e.bottom, d.t.top, d.t.bottom})
                QVERIFY(v >= 0 && v <= 8);
            gaps << d.h.top - d.h.bottom;
        }
        QCOMPARE(sumHundreds.size(), 8);
        QVERIFY(gaps.contains(2) && gaps.contains(8));
    }

    void demonstrationDrawOrder_data()
    {
        QTest::addColumn<bool>("sums");
        QTest::addColumn<QList<int>>("digits");
        QTest::addColumn<QString>("draws");
        QTest::addColumn<QList<int>>("expected"); // e1 e2 t1 t2 h1 h2
        QTest::newRow("sums: tens kept, units and hundreds redrawn")
            << true << QList<int> {1, 2, 3, 4, 5, 6, 9, 0, 6, 2} << QStringLiteral("0000001011")
            << QList<int> {9, 0, 3, 4, 6, 2};
        QTest::newRow("sums: equal hundreds drawn again")
            << true << QList<int> {1, 2, 3, 4, 5, 6, 9, 0, 3, 5, 4, 4, 4, 3}
            << QStringLiteral("00000010111111") << QList<int> {9, 0, 3, 4, 4, 3};
        QTest::newRow("differences: a first gap of 2 is kept")
            << false << QList<int> {0, 2, 3, 4, 5, 6, 5, 3} << QStringLiteral("00000011")
            << QList<int> {0, 2, 3, 4, 5, 3};
        QTest::newRow("differences: a gap of 1 needs 3 after it")
            << false << QList<int> {0, 2, 3, 4, 5, 6, 5, 4, 6, 4, 7, 4} << QStringLiteral("000000111111")
            << QList<int> {0, 2, 3, 4, 7, 4};
        QTest::newRow("differences: a larger second needs 3 after it")
            << false << QList<int> {0, 2, 3, 4, 5, 6, 4, 4, 5, 3, 8, 1} << QStringLiteral("000000111111")
            << QList<int> {0, 2, 3, 4, 8, 1};
    }
    void demonstrationDrawOrder()
    {
        QFETCH(bool, sums);
        QFETCH(QList<int>, digits);
        QFETCH(QString, draws);
        QFETCH(QList<int>, expected);
        ScriptedRandom r(digits);
        const Subtraction n = sums ? drawSums(r) : drawDifferences(r);
        QCOMPARE(r.draws, draws);
        QVERIFY(r.used() && !r.outOfRange);
        QCOMPARE(r.reseeds, 1);
        QCOMPARE((QList<int> {n.e.top, n.e.bottom, n.t.top, n.t.bottom, n.h.top, n.h.bottom}),
            expected);
    }

    void writingRulesHoldForEveryDraw()
    {
        ClockRandom r(20261209u);
        int unitsBorrow = 0, tensBorrow = 0;
        for (int n = 0; n < 5000; ++n) {
            const Subtraction x = drawSubtraction(r);
            for (int d : {x.e.top, x.e.bottom, x.t.top, x.t.bottom, x.h.top, x.h.bottom})
                QVERIFY(d >= 1 && d <= 9);
            QVERIFY(x.first() >= 212 && x.first() <= 999 && x.second() >= 111 && x.second() <= 898);
            QVERIFY(x.difference() >= 21 && x.difference() <= 888);
            QVERIFY(!(x.e.top < x.e.bottom && x.t.top < x.t.bottom));
            if (x.e.top < x.e.bottom)
                QVERIFY(x.t.top - 1 >= x.t.bottom);
            if (x.e.top == x.e.bottom)
                QVERIFY(x.t.top > x.t.bottom);
            QVERIFY(x.h.top > x.h.bottom);
            unitsBorrow += x.e.top < x.e.bottom;
            tensBorrow += x.t.top < x.t.bottom;
        }
        QVERIFY(unitsBorrow > 1000 && tensBorrow > 500);
    }

    void writingDrawOrder_data()
    {
        QTest::addColumn<QList<int>>("script"); // E1 E2 T1 T2 H1 H2, then redraws
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::newRow("kept as drawn") << QList<int> {7, 8, 4, 2, 3, 1} << 347 << 128;
        QTest::newRow("hundreds one apart kept") << QList<int> {9, 1, 5, 2, 5, 4} << 559 << 421;
        QTest::newRow("tens redrawn until two apart")
            << QList<int> {5, 5, 3, 3, 8, 1, 4, 3, 6, 2} << 865 << 125;
        QTest::newRow("smaller hundreds redrawn") << QList<int> {9, 1, 5, 2, 2, 6, 4, 3, 7, 5} << 759 << 521;
        QTest::newRow("equal hundreds redrawn") << QList<int> {9, 1, 5, 2, 4, 4, 6, 5, 9, 1} << 959 << 121;
    }
    void writingDrawOrder()
    {
        QFETCH(QList<int>, script);
        QFETCH(int, first);
        QFETCH(int, second);
        ScriptedRandom r(script);
        const Subtraction x = drawSubtraction(r);
        QCOMPARE(x.first(), first);
        QCOMPARE(x.second(), second);
        QVERIFY(r.used() && !r.exhausted);
        QCOMPARE(r.draws, QString(script.size(), u'1'));
        QCOMPARE(r.reseeds, 1);
    }
};

QTEST_APPLESS_MAIN(TestCore)
#include "tst_core.moc"

#include "columns/exercise.h"
#include "scripted.h"

#include <QTest>

using namespace kolomaf;
using kolomaf::test::ScriptedRandom;

Q_DECLARE_METATYPE(kolomaf::Kind)

class TestDrawing : public QObject
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
        const Exercise x = drawExercise(kind, r);
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
        const Exercise x {{digits[0], digits[1]}, {digits[2], digits[3]}, {digits[4], digits[5]}};
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
            const Exercise x = drawExercise(kind, r);
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
};

QTEST_MAIN(TestDrawing)
#include "tst_drawing.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The random pupil over long runs. KOLOMAF_PUPIL_SEEDS ("1,2,3") and
// KOLOMAF_PUPIL_EVENTS (per seed) set the size, five seeds of 40,000 events
// unless set. A failure names the seed and the event, and lists the events
// before it, so it can be replayed. With KOLOMAF_PUPIL_MEMORY=N the run
// prints its resident and peak memory every N events (bench/run.sh).
#include "pupil.h"

#include <QFile>

using namespace kolomaf;

namespace {

void printMemory(int events)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return;
    QByteArray rss, peak;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            rss = line.mid(6).simplified();
        else if (line.startsWith("VmHWM:"))
            peak = line.mid(6).simplified();
    }
    qInfo("memory after %d events: resident %s, peak %s", events, rss.constData(), peak.constData());
}

} // namespace

class TestRandomPupil : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void survivesLongRuns_data()
    {
        QTest::addColumn<unsigned>("seed");
        for (unsigned seed : test::seedsFromEnvironment())
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
    }
    void survivesLongRuns()
    {
        QFETCH(unsigned, seed);
        const int events = test::eventsFromEnvironment();
        test::Pupil pupil(seed, events);
        if (const int every = qEnvironmentVariableIntValue("KOLOMAF_PUPIL_MEMORY"); every > 0)
            pupil.afterEachEvent = [&pupil, every, next = every](test::Program &) mutable {
                if (pupil.eventsDone() >= next) {
                    next += every;
                    printMemory(pupil.eventsDone());
                }
            };
        if (!pupil.run())
            return;
        QStringList visited(pupil.visited.cbegin(), pupil.visited.cend());
        visited.sort();
        qInfo("seed %u: %d events, %d sessions ended, %d right first checks, screens %s", seed, events,
            pupil.sessions, pupil.rightChecks, qPrintable(visited.join(QLatin1Char(' '))));
    }
};

QTEST_MAIN(TestRandomPupil)
#include "tst_randompupil.moc"

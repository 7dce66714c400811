// Random use of the whole program: tens of thousands of clicks, key presses, pastes,
// menu choices and closed windows across every window, sends whose wait is shortened
// and filled with more random use, and message boxes answered in every way a user can.
// The input goes in as the window system delivers it, so modal boxes block the other
// windows and open menus catch the keys. The test checks what must always hold: one
// instance of each window at most, a delay box never left empty, a fax that shows the
// texts as they were when Send was pressed, one main window on screen between steps
// while the program runs and nothing on screen once it ended. Then it starts afresh.
//
// The seeds are fixed so a failure can be replayed; the failure names the seed, the
// step and the last steps taken (QUORIAM_MONKEY_TRACE=1 prints every step).
// QUORIAM_MONKEY_SEED=<number> adds a run with that seed, QUORIAM_MONKEY_SEED=random
// one with a fresh seed (printed); QUORIAM_MONKEY_STEPS=<number> sets the steps per seed.
// The monkey itself is in tests/monkey/; Monkey.h says which file holds which part.
#include "TestSupport.h"

#include "tests/monkey/Monkey.h"

#include <QElapsedTimer>
#include <QRandomGenerator>

using namespace monkey;
using namespace test;

namespace {

QtMessageHandler previousHandler = nullptr;

} // namespace

class TstMonkey : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The offscreen platform says at every window shown that it cannot raise it or
        // grab the keyboard; thousands of those would hide what matters.
        previousHandler = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
                if (!message.startsWith(QLatin1String("This plugin does not support")))
                    previousHandler(type, context, message);
            });
    }
    void cleanupTestCase() { qInstallMessageHandler(previousHandler); }
    void cleanup()
    {
        vb::setWaitClock(nullptr);
        runtime().reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void randomUse_data();
    void randomUse();
};

// Steps per seed. The sanitizer build runs several times slower: fewer steps there, so
// the seeds stay within the time a test function may take; QUORIAM_MONKEY_STEPS sets
// the number for other slow runs (the Windows build under Wine).
#ifdef __SANITIZE_ADDRESS__
constexpr int defaultStepsPerSeed = 2'500;
#else
constexpr int defaultStepsPerSeed = 8'000;
#endif

void TstMonkey::randomUse_data()
{
    const int stepsPerSeed = qEnvironmentVariableIntValue("QUORIAM_MONKEY_STEPS") > 0
                                 ? qEnvironmentVariableIntValue("QUORIAM_MONKEY_STEPS")
                                 : defaultStepsPerSeed;
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("steps");
    for (const quint32 seed : {20240611u, 7u, 31337u, 1u})
        QTest::addRow("seed %u", seed) << seed << stepsPerSeed;
    const QByteArray chosen = qgetenv("QUORIAM_MONKEY_SEED");
    if (!chosen.isEmpty()) {
        const quint32 seed =
            chosen == "random" ? QRandomGenerator::system()->generate() : chosen.toUInt();
        QTest::addRow("seed %u (chosen)", seed) << seed << stepsPerSeed;
    }
}

void TstMonkey::randomUse()
{
    QFETCH(quint32, seed);
    QFETCH(int, steps);
    qInfo("monkey seed %u, %d steps", seed, steps);
    QElapsedTimer elapsed;
    elapsed.start();
    Monkey monkey(seed, steps);
    monkey.start();
    QApplication::exec();
    if (!monkey.failure.isEmpty())
        qWarning().noquote() << "seed" << seed << monkey.failure; // the whole trail
    QVERIFY2(monkey.failure.isEmpty(), qPrintable(monkey.failure.section(u'\n', 0, 0)));
    QVERIFY2(monkey.finished, "the event loop ended before the monkey was done");

    const auto &stats = monkey.stats;
    qInfo("%lld ms: %d sessions, %d sends, %d faxes, %d wait dispatches with %d actions, "
          "boxes %d/%d/%d/%d/%d (emptied/easter egg/not a number/above/below range), %d tries "
          "past a box, %d pastes, %d closes",
          elapsed.elapsed(), stats.sessions, stats.sends, stats.faxes, stats.waitDispatches,
          stats.actionsInWaits, stats.boxes[MustBeZeroOrMore], stats.boxes[EasterEggAnswer],
          stats.boxes[DelayNotANumber], stats.boxes[DelayAboveRange], stats.boxes[DelayBelowRange],
          stats.blockedAttempts, stats.pastes, stats.closes);
    // The monkey got everywhere: a monkey stuck on one window proves little.
    QVERIFY(stats.sessions > 5);
    QVERIFY(stats.faxes > 5);
    QVERIFY(stats.actionsInWaits > 0);
    QVERIFY(stats.boxes[MustBeZeroOrMore] > 0 && stats.boxes[DelayNotANumber] > 0);
    QVERIFY(stats.blockedAttempts > 0);
}

QTEST_MAIN(TstMonkey)
#include "tst_monkey.moc"

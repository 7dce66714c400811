// The setup window left open for a day: 864,000 ticks of its clock, ten a second for
// 24 hours, with the event loop getting its turn every so often so that paints and
// deferred deletions happen as they would. Memory must not grow, no object may pile up,
// and a tick that leaves the time as it was must not repaint the clock.
#include "TestSupport.h"

#include "forms/Forms.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>

#ifdef __GLIBC__
#include <malloc.h>
#endif
#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <malloc.h>
#include <windows.h>
// After <windows.h>, whose types it uses:
#include <psapi.h>
#endif

using namespace test;

// AddressSanitizer keeps freed memory in quarantine, so resident memory grows in that
// build without any leak; there its leak checker and the object counts below watch.
#ifdef __SANITIZE_ADDRESS__
constexpr bool residentMemoryTells = false;
#else
constexpr bool residentMemoryTells = true;
#endif

namespace {

constexpr int ticksPerDay = 24 * 60 * 60 * 10; // Timer1 fires every 100 ms
constexpr int ticksBetweenEvents = 100;        // the event loop runs every 10 seconds
constexpr qint64 allowedGrowthKb = 2 * 1024;

// Resident memory in kB (on Windows, the working set), after giving the allocator's free
// memory back to the system so that only memory in use counts.
qint64 residentKb()
{
#ifdef Q_OS_WIN
    _heapmin();
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        return -1;
    return qint64(counters.WorkingSetSize / 1024);
#else
#ifdef __GLIBC__
    malloc_trim(0);
#endif
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
#endif
}

// Counts the paints of one widget.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

// What the window is made of: the number of objects under it.
int objectsIn(QObject *root)
{
    return int(root->findChildren<QObject *>().size());
}

} // namespace

class TstLongRun : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        startProject();
        vb::FormNew.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&setup()));
        // Only the test's ticks: the window's own timer would add some at random.
        setup().control("Timer1").timer->stop();
    }
    void cleanup() { runtime().reset(); }

    void dayOfTicks_data();
    void dayOfTicks();

private:
    static vb::FormWindow &setup() { return runtime().window("FormNew"); }
};

void TstLongRun::dayOfTicks_data()
{
    QTest::addColumn<bool>("newTimeEverySecond");
    // The wall clock moves on by only a few seconds while the test runs: most ticks find
    // the time unchanged.
    QTest::newRow("ticks as the clock gives them") << false;
    // Each tenth tick finds the clock showing something else and puts the time back, so
    // the caption changes, and is painted, as often as in a real day.
    QTest::newRow("a new time every second") << true;
}

void TstLongRun::dayOfTicks()
{
    QFETCH(bool, newTimeEverySecond);
    vb::FormWindow &window = setup();
    auto *clock = static_cast<QLabel *>(window.control("Label5").widget);
    PaintCounter counter(clock);

    int changes = 0;
    int paintsWithoutChange = 0;
    auto run = [&](int ticks) {
        QString shown = clock->text();
        for (int tick = 1; tick <= ticks; ++tick) {
            if (newTimeEverySecond && tick % 10 == 0)
                window.setCaption("Label5", QStringLiteral("--:--:--"));
            runtime().raise(window, "Timer1", "Timer");
            if (tick % ticksBetweenEvents != 0)
                continue;
            const bool changed = clock->text() != shown || newTimeEverySecond;
            changes += changed;
            shown = clock->text();
            const int paintsBefore = counter.paints;
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (!changed)
                paintsWithoutChange += counter.paints - paintsBefore;
        }
    };

    // Warm-up: caches, the glyphs of every digit, the first paints.
    run(20'000);
    QVERIFY(!runtime().ended());
    QVERIFY(!clock->text().isEmpty());
    const int objectsBefore = objectsIn(&window);
    const int widgetsBefore = int(QApplication::allWidgets().size());
    const qint64 before = residentKb();
    QVERIFY(before > 0);
    changes = paintsWithoutChange = 0;
    counter.paints = 0;

    QElapsedTimer elapsed;
    elapsed.start();
    run(ticksPerDay);
    const qint64 runMs = elapsed.elapsed();
    const qint64 after = residentKb();

    qInfo("%d ticks in %lld ms (%.2f us a tick); resident memory %lld kB before, %lld kB after "
          "(%+lld kB); %d paints of the clock, %d event-loop turns with a changed caption",
          ticksPerDay, runMs, runMs * 1000.0 / ticksPerDay, before, after, after - before,
          counter.paints, changes);
    QVERIFY(!runtime().ended());
    QVERIFY(!clock->text().isEmpty());
    if (residentMemoryTells)
        QVERIFY2(after - before < allowedGrowthKb,
                 qPrintable(QStringLiteral("grew by %1 kB").arg(after - before)));
    QCOMPARE(objectsIn(&window), objectsBefore);
    QCOMPARE(int(QApplication::allWidgets().size()), widgetsBefore);
    // A tick that leaves the caption as it is paints nothing.
    QCOMPARE(paintsWithoutChange, 0);
    if (newTimeEverySecond)
        QVERIFY(counter.paints >= ticksPerDay / ticksBetweenEvents); // the changes were painted
}

QTEST_MAIN(TstLongRun)
#include "tst_longrun.moc"

// Sending a fax: the wait before it arrives, and the whole road from Send to the
// incoming fax window, with a bad delay kept from losing the fax.
#include "TestSupport.h"

#include "forms/Forms.h"
#include "modules/Timing.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

using namespace test;

namespace {

constexpr std::int64_t ns = 1'000'000'000;

// A clock the test drives: each dispatch runs `duringWait`, then jumps to the deadline.
class FakeClock : public vb::WaitClock
{
public:
    explicit FakeClock(double timeOfDay) : timeOfDay_(timeOfDay) {}
    double timeOfDay() override { return timeOfDay_; }
    std::int64_t monotonicNs() override { return now; }
    void dispatchUntil(std::int64_t deadline) override
    {
        ++dispatches;
        if (duringWait)
            duringWait();
        now = std::max(now, deadline);
    }

    std::int64_t now = 5 * ns; // any origin
    int dispatches = 0;
    std::function<void()> duringWait;

private:
    double timeOfDay_;
};

// Installs a clock for one test and removes it again.
struct ClockScope
{
    explicit ClockScope(vb::WaitClock *clock) { vb::setWaitClock(clock); }
    ~ClockScope() { vb::setWaitClock(nullptr); }
};

vb::FormWindow &setup()
{
    return runtime().window("FormNew");
}

void send()
{
    QTest::mouseClick(setup().control("Command1").widget, Qt::LeftButton);
}

} // namespace

class TstSending : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QLocale::setDefault(QLocale::c()); // the point alone is the decimal separator
        startProject();
        vb::FormNew.Show();
    }
    void cleanup()
    {
        vb::setWaitClock(nullptr);
        runtime().reset();
        QLocale::setDefault(QLocale::system());
    }

    void roundHalfEven_data();
    void roundHalfEven();
    void waitLength_data();
    void waitLength();
    void waitReadsSecondsAfresh();
    void realWaitDispatchesEvents();
    void wholeRoad();
    void delayRounding_data();
    void delayRounding();
    void badDelayKeepsTheFax_data();
    void badDelayKeepsTheFax();
    void aboutStaysAboveTheFax();
    void sendRunsOnce();
};

void TstSending::roundHalfEven_data()
{
    QTest::addColumn<double>("clock");
    QTest::addColumn<int>("start");
    QTest::newRow("100.4") << 100.4 << 100;
    QTest::newRow("100.5") << 100.5 << 100;
    QTest::newRow("100.6") << 100.6 << 101;
    QTest::newRow("101.5") << 101.5 << 102;
    QTest::newRow("0.5") << 0.5 << 0;
    QTest::newRow("86399.5") << 86399.5 << 86400;
}

void TstSending::roundHalfEven()
{
    QFETCH(double, clock);
    QFETCH(int, start);
    QCOMPARE(vb::roundHalfEven(clock), start);
}

void TstSending::waitLength_data()
{
    QTest::addColumn<double>("clock");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<double>("lasts"); // seconds on the monotonic clock

    QTest::newRow("15 from 100.4 ends at 115.0") << 100.4 << 15 << 14.6;
    QTest::newRow("15 from 100.6 ends at 116.0") << 100.6 << 15 << 15.4;
    QTest::newRow("15 from 100.5 (start 100)") << 100.5 << 15 << 14.5;
    QTest::newRow("15 from 101.5 (start 102)") << 101.5 << 15 << 15.5;
    QTest::newRow("across midnight") << 86399.7 << 15 << 15.3;
    QTest::newRow("zero, rounded down") << 100.4 << 0 << 0.0;
    QTest::newRow("zero, rounded up") << 100.6 << 0 << 0.4;
    QTest::newRow("negative") << 100.6 << -3 << 0.0;
    QTest::newRow("largest") << 100.4 << 2147483647 << 2147483646.6;
}

void TstSending::waitLength()
{
    QFETCH(double, clock);
    QFETCH(int, seconds);
    QFETCH(double, lasts);
    FakeClock fake(clock);
    ClockScope scope(&fake);
    const std::int64_t begin = fake.now;
    const std::int32_t wait = seconds;
    vb::WaitSeconds(wait);
    const double waited = double(fake.now - begin) / ns;
    QVERIFY2(std::abs(waited - lasts) < 1e-6, qPrintable(QString::number(waited, 'f', 6)));
    QCOMPARE(fake.dispatches, lasts > 0 ? 1 : 0); // sleeps once, never polls
}

void TstSending::waitReadsSecondsAfresh()
{
    FakeClock fake(100.0);
    ClockScope scope(&fake);
    std::int32_t seconds = 10;
    fake.duringWait = [&] {
        if (fake.dispatches == 1)
            seconds = 20; // read again at the next comparison
    };
    const std::int64_t begin = fake.now;
    vb::WaitSeconds(seconds);
    QCOMPARE(fake.now - begin, 20 * ns);
    QCOMPARE(fake.dispatches, 2);
}

void TstSending::realWaitDispatchesEvents()
{
    int ticks = 0;
    QTimer timer;
    connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(50);
    QElapsedTimer elapsed;
    elapsed.start();
    const std::int32_t second = 1;
    vb::WaitSeconds(second);
    QVERIFY2(elapsed.elapsed() >= 500 && elapsed.elapsed() <= 1600,
             qPrintable(QString::number(elapsed.elapsed())));
    QVERIFY2(ticks >= 5, qPrintable(QString::number(ticks)));
}

void TstSending::wholeRoad()
{
    FakeClock fake(100.0);
    ClockScope scope(&fake);
    const QString message = QStringLiteral("<b>not bold</b> & <img src=x>\nsecond line");
    setup().setText("Text1", QStringLiteral("A & B"));
    setup().setText("Text3", message);
    setup().setText("Text4", QStringLiteral("12:00:00"));
    setup().setText("Text5", QStringLiteral("3"));
    bool checkedDuringWait = false;
    fake.duringWait = [&] {
        checkedDuringWait = true;
        QVERIFY(!setup().isVisible());
        vb::FormWindow *fax = runtime().loaded("Form2");
        QVERIFY(fax && !fax->isVisible());
        // Changing a text now changes nothing on the fax.
        setup().setText("Text1", QStringLiteral("changed"));
    };
    send();
    QVERIFY(checkedDuringWait);
    QCOMPARE(fake.now - 5 * ns, 3 * ns);
    vb::FormWindow &fax = runtime().window("Form2");
    QVERIFY(fax.isVisible());
    QVERIFY(!fax.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(fax.caption("Label2"), QStringLiteral("A & B"));
    QCOMPARE(fax.caption("Label3"), QStringLiteral("Most Likely You"));
    QCOMPARE(fax.caption("Label5"), message);
    QCOMPARE(fax.caption("Label8"), QStringLiteral("12:00:00"));
    // Shown as typed: no markup, the ampersand kept, the line break kept.
    auto *value = static_cast<QLabel *>(fax.control("Label5").widget);
    QCOMPARE(value->textFormat(), Qt::PlainText);
    const QFontMetrics metrics(value->font());
    QVERIFY(value->heightForWidth(value->width()) >= 2 * metrics.lineSpacing());
    auto *sender = static_cast<QLabel *>(fax.control("Label2").widget);
    QVERIFY(std::abs(sender->sizeHint().width() -
                     metrics.horizontalAdvance(QStringLiteral("A & B"))) <= 1);

    QVERIFY(fax.close());
    QVERIFY(runtime().ended());
    QCOMPARE(runtime().exitStatus(), 0);
}

void TstSending::delayRounding_data()
{
    QTest::addColumn<QString>("delay");
    QTest::addColumn<double>("lasts");
    QTest::addColumn<QString>("locale");
    QTest::newRow("2.5 waits 2") << "2.5" << 2.0 << "C";
    QTest::newRow("3.5 waits 4") << "3.5" << 4.0 << "C";
    QTest::newRow(" 1e1 ") << " 1e1 " << 10.0 << "C";
    QTest::newRow("zero") << "0" << 0.0 << "C";
    QTest::newRow("minus three") << "-3" << 0.0 << "C";
    QTest::newRow("German 2,5 waits 2") << "2,5" << 2.0 << "de_DE";
    QTest::newRow("German 2.5 waits 2") << "2.5" << 2.0 << "de_DE";
    QTest::newRow("English 1.000 waits 1") << "1.000" << 1.0 << "en_US";
}

void TstSending::delayRounding()
{
    QFETCH(QString, delay);
    QFETCH(double, lasts);
    QFETCH(QString, locale);
    QLocale::setDefault(QLocale(locale));
    FakeClock fake(200.0);
    ClockScope scope(&fake);
    setup().setText("Text5", delay);
    send();
    QCOMPARE(double(fake.now - 5 * ns) / ns, lasts);
    QVERIFY(runtime().window("Form2").isVisible());
}

void TstSending::badDelayKeepsTheFax_data()
{
    QTest::addColumn<QString>("delay");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("locale");
    const QString notANumber = QStringLiteral("Delay must be a number of seconds");
    const QString atMost = QStringLiteral("Delay must be at most 2147483647 seconds");
    const QString atLeast = QStringLiteral("Delay must be at least -2147483648 seconds");
    QTest::newRow("letters") << "abc" << notANumber << "C";
    QTest::newRow("easter egg") << "Razo Rules" << notANumber << "C";
    QTest::newRow("too large") << "99999999999" << atMost << "C";
    QTest::newRow("just above the range") << "2147483647.5" << atMost << "C";
    QTest::newRow("too small") << "-99999999999" << atLeast << "C";
    QTest::newRow("thousands separator") << "1,000" << notANumber << "en_US";
    QTest::newRow("German ten thousand") << "10.000" << notANumber << "de_DE";
}

void TstSending::badDelayKeepsTheFax()
{
    QFETCH(QString, delay);
    QFETCH(QString, message);
    QFETCH(QString, locale);
    QLocale::setDefault(QLocale(locale));
    FakeClock fake(300.0);
    ClockScope scope(&fake);
    BoxWatcher watcher;
    setup().setText("Text1", QStringLiteral("Composed sender"));
    setup().setText("Text3", QStringLiteral("A message\nworth keeping"));
    setup().setText("Text5", delay);
    watcher.boxes.clear(); // the easter egg answered above
    send();
    QCOMPARE(watcher.boxes.size(), 1u);
    const SeenBox &box = watcher.boxes.front();
    QCOMPARE(box.text, message);
    QCOMPARE(box.title, QStringLiteral("Quoriam-Fake Fax Creator"));
    QCOMPARE(box.icon, QMessageBox::Critical);
    QVERIFY(box.staysOnTop && box.applicationModal);
    QVERIFY(!runtime().ended());
    QVERIFY(setup().isVisible());
    QCOMPARE(runtime().loaded("Form2"), nullptr);
    QCOMPARE(fake.dispatches, 0);
    QCOMPARE(setup().text("Text1"), QStringLiteral("Composed sender"));
    QCOMPARE(setup().text("Text3"), QStringLiteral("A message\nworth keeping"));
    QCOMPARE(setup().text("Text5"), delay);
    QCOMPARE(setup().focusWidget(), setup().control("Text5").widget);

    // Corrected, it sends.
    setup().setText("Text5", QStringLiteral("1"));
    send();
    QVERIFY(runtime().window("Form2").isVisible());
    QCOMPARE(runtime().window("Form2").caption("Label2"), QStringLiteral("Composed sender"));
}

void TstSending::aboutStaysAboveTheFax()
{
    vb::FormAbout.Show();
    FakeClock fake(0.0);
    ClockScope scope(&fake);
    setup().setText("Text5", QStringLiteral("1"));
    send();
    QVERIFY(runtime().loaded("FormAbout")->isVisible());
    QVERIFY(runtime().loaded("FormAbout")->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!runtime().window("Form2").windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

void TstSending::sendRunsOnce()
{
    // A second press reaching the hidden button during the wait starts no second wait.
    FakeClock fake(0.0);
    ClockScope scope(&fake);
    setup().setText("Text5", QStringLiteral("4"));
    fake.duringWait = [&fake] {
        if (fake.dispatches == 1)
            static_cast<QPushButton *>(setup().control("Command1").widget)->click();
    };
    send();
    QCOMPARE(fake.dispatches, 1);
    QCOMPARE(fake.now - 5 * ns, 4 * ns);
    QVERIFY(runtime().window("Form2").isVisible());
}

QTEST_MAIN(TstSending)
#include "tst_sending.moc"

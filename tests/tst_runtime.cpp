// The forms runtime with real widgets: windows built from their descriptions, stacking,
// colours, fonts, focus order, the life of default instances, the end of the program
// and the error report.
#include "TestSupport.h"

#include "forms/Forms.h"
#include "modules/Timing.h"
#include "platform/Resources.h"
#include "platform/Startup.h"
#include "platform/controls/FrameControl.h"
#include "platform/controls/ShapeControl.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QWindow>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

using namespace test;

namespace {

// A small project of its own for what the real windows never do.
int afterEnd = 0;
int ticks = 0;
int afterWait = 0;

void endNow()
{
    vb::End();
    ++afterEnd;
}

void waitLong()
{
    const std::int32_t seconds = 30;
    vb::WaitSeconds(seconds);
    ++afterWait;
}

void tickThenEnd()
{
    if (++ticks == 3)
        vb::End();
}

void touchMissingControl()
{
    vb::Form("Probe")["NoSuchControl"].setText(QStringLiteral("x"));
    ++afterEnd;
}

constexpr vb::ControlDescription probeControls[] = {
    vb::TimerDescription{.name = "Timer1", .interval = 0},
};
constexpr vb::FormDescription probeDescription{.name = "Probe",
                                               .caption = "Probe",
                                               .clientWidth = 1500,
                                               .clientHeight = 1500,
                                               .controls = probeControls};
constexpr vb::Handler probeHandlers[] = {
    {"End_Click", endNow},
    {"Wait_Click", waitLong},
    {"Timer1_Timer", tickThenEnd},
    {"Fail_Click", touchMissingControl},
};
const vb::FormDefinition probeForms[] = {{probeDescription, probeHandlers}};
const vb::Project probeProject{probeForms, "Probe", "Probe Title"};

// The colour at a point in logical pixels, also on a high-density screen.
QColor pixel(QWidget *window, QPoint point)
{
    const QImage image = window->grab().toImage();
    return image.pixelColor(point * image.devicePixelRatio());
}

} // namespace

class TstRuntime : public QObject
{
    Q_OBJECT

private slots:
    void init() { startProject(); }
    void cleanup() { runtime().reset(); }

    void windowSize_data();
    void windowSize();
    void controlGeometry_data();
    void controlGeometry();
    void stacking_data();
    void stacking();
    void colours_data();
    void colours();
    void faces_data();
    void faces();
    void faceNames_data();
    void faceNames();
    void handlerNames();
    void startup();
    void tabOrder();
    void outlinesEven();
    void f10OpensTheMenu();
    void aboutIsBuiltAgainAfterClosing();
    void topmostSurvivesFlagChanges_data();
    void topmostSurvivesFlagChanges();
    void endFromHandler();
    void endFromNestedLoop();
    void quitRequestDuringWait();
    void endFromMenuAndClose_data();
    void endFromMenuAndClose();
    void errorReport_data();
    void errorReport();
    void platformChoice_data();
    void platformChoice();
    void qtOptions_data();
    void qtOptions();
    void accessibleNames_data();
    void accessibleNames();
    void namesFollowCaptions_data();
    void namesFollowCaptions();
};

void TstRuntime::windowSize_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QString>("title");
    QTest::newRow("main") << "Form1" << QSize(526, 87)
                          << "Quoriam-The Only Fake Fax Creator Program";
    QTest::newRow("setup") << "FormNew" << QSize(561, 310) << QString(64, u' ') + "Quoriam";
    QTest::newRow("fax") << "Form2" << QSize(399, 336) << QString(34, u' ') + "Incoming Fax";
    QTest::newRow("about") << "FormAbout" << QSize(304, 124) << "Quoriam About";
}

void TstRuntime::windowSize()
{
    QFETCH(QString, form);
    QFETCH(QSize, client);
    QFETCH(QString, title);
    vb::FormWindow &window = runtime().window(form.toStdString());
    window.showForm();
    QCOMPARE(window.windowTitle(), title);
    QCOMPARE(window.clientArea()->size(), client);
    const int menu = window.menuBar() ? window.menuBar()->height() : 0;
    QCOMPARE(window.size(), client + QSize(0, menu));
    // Fixed border: the user cannot resize it.
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(!window.windowIcon().isNull());
}

void TstRuntime::controlGeometry_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("twips"); // left, top, width, height within the client area

    QTest::newRow("Clear button") << "FormNew"
                                  << "Command2" << QRect(6960, 2160, 1095, 495);
    QTest::newRow("sender") << "FormNew"
                            << "Text1" << QRect(1080, 360, 3135, 390);
    QTest::newRow("frame") << "FormNew"
                           << "Frame1" << QRect(0, 0, 8415, 3495);
    QTest::newRow("Send button") << "FormNew"
                                 << "Command1" << QRect(4680, 2160, 1095, 495);
    QTest::newRow("delay") << "FormNew"
                           << "Text5" << QRect(6600, 1560, 375, 390);
    QTest::newRow("message") << "FormNew"
                             << "Text3" << QRect(240, 1800, 3975, 1455);
    QTest::newRow("clock") << "FormNew"
                           << "Label5" << QRect(6360, 360, 1815, 375);
    QTest::newRow("shape") << "FormNew"
                           << "Shape4" << QRect(4440, 1440, 3855, 1335);
    QTest::newRow("icon, sized by its picture") << "FormNew"
                                                << "Picture1" << QRect(6000, 2880, 480, 480);
    QTest::newRow("script name") << "FormNew"
                                 << "Label7" << QRect(0, 3600, 8415, 1095);
    QTest::newRow("line beside icon") << "FormNew"
                                      << "Line2" << QRect(4440, 3120, 1575, 15);
    QTest::newRow("reversed line") << "FormAbout"
                                   << "Line1" << QRect(120, 1080, 4335, 15);
    QTest::newRow("above the client area") << "Form2"
                                           << "Label9" << QRect(120, -120, 5775, 855);
    QTest::newRow("message value") << "Form2"
                                   << "Label5" << QRect(120, 2880, 5775, 1455);
    QTest::newRow("rule") << "Form2"
                          << "Line4" << QRect(120, 1080, 5775, 15);
    QTest::newRow("note") << "FormAbout"
                          << "Label2" << QRect(120, 1200, 4335, 1095);
}

void TstRuntime::controlGeometry()
{
    QFETCH(QString, form);
    QFETCH(QString, control);
    QFETCH(QRect, twips);
    vb::FormWindow &window = runtime().window(form.toStdString());
    QWidget *widget = window.control(control.toStdString()).widget;
    QVERIFY(widget);
    const QPoint topLeft = widget->mapTo(window.clientArea(), QPoint(0, 0));
    QCOMPARE(QRect(topLeft, widget->size()),
             QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
}

void TstRuntime::stacking_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QPoint>("twips"); // a point where two controls overlap
    QTest::addColumn<QString>("above");

    // Window-level controls listed before the frame stand on it.
    QTest::newRow("sender box on frame") << "FormNew" << QPoint(1200, 500) << "Text1";
    QTest::newRow("Clear on frame") << "FormNew" << QPoint(7000, 2200) << "Command2";
    // A text box stands above a label of the drawn layer listed before it.
    QTest::newRow("message box over its heading") << "FormNew" << QPoint(400, 1860) << "Text3";
    // Among labels, the one listed earlier covers the later one.
    QTest::newRow("clock over its heading") << "FormNew" << QPoint(6450, 400) << "Label5";
    QTest::newRow("sender over its heading") << "Form2" << QPoint(1500, 1300) << "Label2";
    QTest::newRow("time over its heading") << "Form2" << QPoint(1500, 4600) << "Label8";
    QTest::newRow("Incoming Fax over Quoriam") << "Form2" << QPoint(3000, 650) << "Label10";
}

void TstRuntime::stacking()
{
    QFETCH(QString, form);
    QFETCH(QPoint, twips);
    QFETCH(QString, above);
    vb::FormWindow &window = runtime().window(form.toStdString());
    QWidget *hit = window.clientArea()->childAt(twips / 15);
    QVERIFY(hit);
    QWidget *expected = window.control(above.toStdString()).widget;
    QVERIFY2(hit == expected || expected->isAncestorOf(hit), qPrintable(hit->objectName()));
}

void TstRuntime::colours_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QPoint>("pixel"); // in the grabbed window, client area origin
    QTest::addColumn<QColor>("colour");
    const QPalette palette = QApplication::palette();

    QTest::newRow("green strip") << "FormNew" << QPoint(5, 300) << QColor(0, 0xC0, 0);
    QTest::newRow("frame grey") << "FormNew" << QPoint(200, 222) << palette.color(QPalette::Button);
    QTest::newRow("text box") << "FormNew" << QPoint(275, 38) << palette.color(QPalette::Base);
    QTest::newRow("line beside icon")
        << "FormNew" << QPoint(310, 208) << palette.color(QPalette::Text);
    QTest::newRow("fax rule") << "Form2" << QPoint(200, 72) << palette.color(QPalette::Text);
    QTest::newRow("fax grey") << "Form2" << QPoint(300, 140) << palette.color(QPalette::Button);
}

void TstRuntime::colours()
{
    QFETCH(QString, form);
    QFETCH(QPoint, pixel);
    QFETCH(QColor, colour);
    vb::FormWindow &window = runtime().window(form.toStdString());
    QCOMPARE(::pixel(window.clientArea(), pixel), colour);
}

void TstRuntime::faces_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("family");

    QTest::newRow("setup window font") << "FormNew"
                                       << "Label1"
                                       << "Bodoni Moda 11pt";
    QTest::newRow("setup box") << "FormNew"
                               << "Text3"
                               << "Bodoni Moda 11pt";
    QTest::newRow("script name") << "FormNew"
                                 << "Label7"
                                 << "Pinyon Script";
    QTest::newRow("fax heading") << "Form2"
                                 << "Label1"
                                 << "Great Vibes";
    QTest::newRow("fax name") << "Form2"
                              << "Label9"
                              << "Great Vibes";
    QTest::newRow("about title") << "FormAbout"
                                 << "Label1"
                                 << "Grenze Gotisch";
    QTest::newRow("about note, dialog font") << "FormAbout"
                                             << "Label2"
                                             << "Arimo";
}

void TstRuntime::faces()
{
    QFETCH(QString, form);
    QFETCH(QString, control);
    QFETCH(QString, family);
    QWidget *widget = runtime().window(form.toStdString()).control(control.toStdString()).widget;
    QCOMPARE(QFontInfo(widget->font()).family(), family);
}

void TstRuntime::faceNames_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("family");
    QTest::newRow("PosterBodoni It BT") << "PosterBodoni It BT"
                                        << "Bodoni Moda 11pt";
    QTest::newRow("Palace Script MT") << "Palace Script MT"
                                      << "Pinyon Script";
    QTest::newRow("ParkAvenue BT") << "ParkAvenue BT"
                                   << "Great Vibes";
    QTest::newRow("Nachtmere") << "Nachtmere"
                               << "Grenze Gotisch";
    QTest::newRow("dialog font") << "MS Sans Serif"
                                 << "Arimo";
}

void TstRuntime::faceNames()
{
    // Anyone asking for a face by its name gets the shipped substitute.
    QFETCH(QString, face);
    QFETCH(QString, family);
    QVERIFY(vb::registerFace(face.toStdString())); // every file of the face loads
    QCOMPARE(vb::resolvedFamily(face), family);
}

void TstRuntime::handlerNames()
{
    // A handler whose name is not a window's or a control's event is never called.
    for (const vb::FormDefinition &form : quoriam::project().forms) {
        const vb::FormDescription &description = form.description;
        for (const vb::Handler &handler : form.handlers) {
            const std::string_view name = handler.name;
            const std::size_t split = name.find('_');
            const std::string_view control = name.substr(0, split);
            const std::string_view event =
                split == name.npos ? std::string_view() : name.substr(split + 1);
            bool raised = control == "Form" && (event == "Load" || event == "Unload");
            for (const vb::ControlDescription &entry : description.controls)
                raised = raised || (entry.name() == control && entry.raises(event));
            for (const vb::MenuDescription &entry : description.menus) {
                const bool leaf = std::none_of(
                    description.menus.begin(), description.menus.end(),
                    [&](const vb::MenuDescription &other) { return other.parent == entry.name; });
                raised = raised || (entry.name == control && leaf && event == "Click");
            }
            QVERIFY2(raised,
                     qPrintable(QStringLiteral("%1: %2 raises no such event")
                                    .arg(QLatin1String(description.name), QLatin1String(name))));
        }
    }
}

void TstRuntime::startup()
{
    // Start-up shows the main window centred (with its frame) and topmost and runs until
    // File > Exit.
    bool visible = false, onTop = false;
    QPoint offCentre;
    QTimer::singleShot(0, this, [&] {
        vb::FormWindow *main = runtime().loaded("Form1");
        if (!main)
            return runtime().end(99);
        visible = main->isVisible();
        onTop = main->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        offCentre = main->frameGeometry().center() -
                    QGuiApplication::primaryScreen()->availableGeometry().center();
        main->findChild<QAction *>("Exit")->trigger();
    });
    QCOMPARE(runtime().run(), 0);
    QVERIFY(visible);
    QVERIFY(onTop);
    QVERIFY2(offCentre.manhattanLength() <= 3,
             qPrintable(QString::number(offCentre.x()) + "," + QString::number(offCentre.y())));
    QVERIFY(runtime().ended());
}

void TstRuntime::tabOrder()
{
    vb::FormWindow &window = runtime().window("FormNew");
    window.showForm();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text1"));
    const QStringList forward{"Text2",    "Text3",    "Text4",    "Text5",
                              "Command1", "Picture1", "Command2", "Text1"};
    for (const QString &name : forward) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), name);
    }
    QStringList backward{"Command2", "Picture1", "Command1", "Text5",
                         "Text4",    "Text3",    "Text2",    "Text1"};
    for (const QString &name : backward) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), name);
    }
}

void TstRuntime::outlinesEven()
{
    // The outlines of shapes and of the frame are as thick on every side, at any scale.
    vb::FormWindow &setup = runtime().window("FormNew");
    setup.showForm();
    const QImage image = setup.clientArea()->grab().toImage();
    const qreal scale = image.devicePixelRatio();
    // Device pixels of `colour` met crossing the edge at `at` (logical), going by `step`.
    const auto thickness = [&](QPointF at, QPoint step, const QColor &colour) {
        int count = 0;
        for (int i = -int(4 * scale); i <= int(4 * scale); ++i) {
            const QPoint p = (at * scale).toPoint() + i * step;
            count += image.valid(p) && image.pixel(p) == colour.rgb();
        }
        return count;
    };
    QList<QPair<QWidget *, QColor>> outlined;
    for (auto *shape : setup.findChildren<vb::ShapeControl *>())
        outlined.append({shape, shape->palette().color(QPalette::Text)});
    auto *frame = setup.findChild<vb::FrameControl *>();
    outlined.append({frame, frame->palette().color(QPalette::Dark)});
    for (const auto &[widget, colour] : outlined) {
        QRectF box(widget->mapTo(setup.clientArea(), QPoint(0, 0)), widget->size());
        if (widget == frame) // its top edge runs through the middle of its caption
            box.adjust(0, QFontMetrics(frame->font()).height() / 2, 0, 0);
        const QPointF middle = box.center();
        const QList<int> sides{thickness({middle.x(), box.top()}, {0, 1}, colour),
                               thickness({middle.x(), box.bottom()}, {0, 1}, colour),
                               thickness({box.left(), middle.y()}, {1, 0}, colour),
                               thickness({box.right(), middle.y()}, {1, 0}, colour)};
        QVERIFY2(sides[0] > 0 && sides.count(sides[0]) == 4,
                 qPrintable(widget->objectName() + QStringLiteral(": %1 %2 %3 %4")
                                                       .arg(sides[0])
                                                       .arg(sides[1])
                                                       .arg(sides[2])
                                                       .arg(sides[3])));
    }
}

void TstRuntime::f10OpensTheMenu()
{
    vb::Form1.Show();
    vb::FormWindow &main = runtime().window("Form1");
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QTest::keyClick(&main, Qt::Key_F10);
    QTRY_VERIFY(QApplication::activePopupWidget());
    QCOMPARE(QApplication::activePopupWidget(), main.findChild<QMenu *>("File"));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
}

void TstRuntime::aboutIsBuiltAgainAfterClosing()
{
    vb::FormAbout.Show();
    QPointer<vb::FormWindow> first = runtime().loaded("FormAbout");
    QVERIFY(first && first->isVisible());
    const WId handle = first->winId();
    QVERIFY(first->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    vb::FormAbout.Show(); // shown again: the same window
    QCOMPARE(runtime().loaded("FormAbout"), first.data());
    QCOMPARE(first->winId(), handle); // made topmost without a new window

    QVERIFY(first->close());
    QVERIFY(!runtime().ended());
    QCOMPARE(runtime().loaded("FormAbout"), nullptr);
    QTRY_VERIFY(first.isNull()); // unloaded

    vb::FormAbout.Show();
    vb::FormWindow *second = runtime().loaded("FormAbout");
    QVERIFY(second && second->isVisible());
    QVERIFY(second->windowFlags().testFlag(Qt::WindowStaysOnTopHint)); // Form_Load ran again
}

void TstRuntime::topmostSurvivesFlagChanges_data()
{
    QTest::addColumn<QString>("form");
    QTest::newRow("main") << "Form1";
    QTest::newRow("setup") << "FormNew";
    QTest::newRow("about") << "FormAbout";
}

void TstRuntime::topmostSurvivesFlagChanges()
{
    // Qt applies all of a window's flags again when one of them changes: the topmost
    // level KeepOnTop gave the window stays, in Qt's record and in the window system.
    QFETCH(QString, form);
    vb::FormWindow &window = runtime().window(form.toStdString());
    window.showForm();
    QWindow *handle = window.windowHandle();
    QVERIFY(handle);
    handle->setFlags(handle->flags() ^ Qt::WindowMinimizeButtonHint);
    QVERIFY(handle->flags().testFlag(Qt::WindowStaysOnTopHint));
#ifdef Q_OS_WIN
    const HWND hwnd = reinterpret_cast<HWND>(window.winId());
    QVERIFY(GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
#endif
}

void TstRuntime::endFromHandler()
{
    runtime().setProject(probeProject);
    vb::FormWindow &probe = runtime().window("Probe");
    probe.showForm();
    afterEnd = 0;
    runtime().raise(probe, "End", "Click");
    QVERIFY(runtime().ended());
    QCOMPARE(runtime().exitStatus(), 0);
    QCOMPARE(afterEnd, 0); // nothing after End ran
    QVERIFY(!probe.isVisible());
    // No further handler runs, and operations refuse to run.
    runtime().raise(probe, "End", "Click");
    QCOMPARE(afterEnd, 0);
    QVERIFY_THROWS_EXCEPTION(vb::EndOfProgram, vb::Form("Probe").Show());
}

void TstRuntime::endFromNestedLoop()
{
    runtime().setProject(probeProject);
    vb::FormWindow &probe = runtime().window("Probe");
    probe.showForm();
    ticks = 0;
    afterWait = 0;
    probe.control("Timer1").timer->start(20); // the third tick ends the program
    QElapsedTimer elapsed;
    elapsed.start();
    runtime().raise(probe, "Wait", "Click");
    QVERIFY(elapsed.elapsed() < 10'000); // the 30-second wait was left at once
    QVERIFY(runtime().ended());
    QCOMPARE(ticks, 3);
    QCOMPARE(afterWait, 0);
    QTest::qWait(100);
    QCOMPARE(ticks, 3); // timers stopped
}

void TstRuntime::quitRequestDuringWait()
{
    // The session ends, or the desktop's Quit is chosen, while the 30-second wait runs.
    runtime().setProject(probeProject);
    vb::FormWindow &probe = runtime().window("Probe");
    probe.showForm();
    afterWait = 0;
    QTimer::singleShot(0, qApp, [&probe] {
        QTimer::singleShot(0, qApp, &QCoreApplication::quit); // fires during the wait
        runtime().raise(probe, "Wait", "Click");
    });
    QElapsedTimer elapsed;
    elapsed.start();
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(elapsed.elapsed() < 10'000); // not at the wait's end
    QVERIFY(runtime().ended());
    QCOMPARE(runtime().exitStatus(), 0);
    QCOMPARE(afterWait, 0);
}

void TstRuntime::endFromMenuAndClose_data()
{
    QTest::addColumn<bool>("viaMenu");
    QTest::addColumn<bool>("aboutOpen");
    QTest::newRow("File > Exit") << true << false;
    QTest::newRow("File > Exit, About open") << true << true;
    QTest::newRow("closing the main window") << false << false;
    QTest::newRow("closing the main window, About open") << false << true;
}

void TstRuntime::endFromMenuAndClose()
{
    QFETCH(bool, viaMenu);
    QFETCH(bool, aboutOpen);
    vb::Form1.Show();
    vb::FormWindow &main = runtime().window("Form1");
    if (aboutOpen)
        main.findChild<QAction *>("About")->trigger();
    QCOMPARE(runtime().loaded("FormAbout") != nullptr, aboutOpen);
    if (viaMenu)
        main.findChild<QAction *>("Exit")->trigger();
    else
        main.close();
    QVERIFY(runtime().ended());
    QCOMPARE(runtime().exitStatus(), 0);
    for (QWidget *widget : QApplication::topLevelWidgets())
        QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
}

void TstRuntime::errorReport_data()
{
    QTest::addColumn<bool>("shown");
    QTest::newRow("from a shown window") << true;
    QTest::newRow("from a hidden window") << false;
}

void TstRuntime::errorReport()
{
    QFETCH(bool, shown);
    runtime().setProject(probeProject);
    vb::FormWindow &probe = runtime().window("Probe");
    if (shown)
        probe.showForm();
    afterEnd = 0;
    BoxWatcher watcher;
    runtime().raise(probe, "Fail", "Click");
    QCOMPARE(watcher.boxes.size(), 1u);
    const SeenBox &box = watcher.boxes.front();
    QVERIFY2(box.text.startsWith("Run-time error '424':"), qPrintable(box.text));
    QVERIFY(box.text.contains("NoSuchControl"));
    QCOMPARE(box.title, QStringLiteral("Probe Title"));
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.buttons, 1);
    QVERIFY(box.staysOnTop && box.applicationModal && !box.offersMinimise);
    QCOMPARE(box.owner, shown ? &probe : nullptr); // an owner it cannot go behind
    QCOMPARE(runtime().handlerWindow(), nullptr);
    QVERIFY(runtime().ended());
    QCOMPARE(runtime().exitStatus(), 1);
    QCOMPARE(afterEnd, 0);
}

void TstRuntime::platformChoice_data()
{
    QTest::addColumn<QByteArray>("requested");
    QTest::addColumn<QByteArray>("display");
    QTest::addColumn<QByteArray>("wayland");
    QTest::addColumn<QByteArray>("chosen");
    QTest::newRow("X11 offered, nothing chosen")
        << QByteArray() << QByteArray(":0") << QByteArray() << QByteArray("xcb");
    QTest::newRow("user chose Wayland") << QByteArray("wayland") << QByteArray(":0")
                                        << QByteArray("wayland-0") << QByteArray("wayland");
    QTest::newRow("no X11") << QByteArray() << QByteArray() << QByteArray() << QByteArray();
    QTest::newRow("offscreen") << QByteArray("offscreen") << QByteArray() << QByteArray()
                               << QByteArray("offscreen");
    QTest::newRow("XWayland, Wayland as fallback")
        << QByteArray() << QByteArray(":0") << QByteArray("wayland-0") << QByteArray("xcb;wayland");
    QTest::newRow("Wayland without X11")
        << QByteArray() << QByteArray() << QByteArray("wayland-0") << QByteArray("wayland");
}

void TstRuntime::platformChoice()
{
    QFETCH(QByteArray, requested);
    QFETCH(QByteArray, display);
    QFETCH(QByteArray, wayland);
    QFETCH(QByteArray, chosen);
#ifndef Q_OS_LINUX
    // Only on Linux does the program choose a platform itself: elsewhere the user's
    // choice, or Qt's own, stands whatever the displays.
    chosen = requested;
#endif
    QCOMPARE(vb::choosePlatform(requested, display, wayland), chosen);
}

void TstRuntime::qtOptions_data()
{
    QTest::addColumn<QByteArrayList>("arguments");
    QTest::addColumn<QByteArray>("platform");
    QTest::addColumn<QByteArray>("display");
    QTest::newRow("none") << QByteArrayList{"quoriam"} << QByteArray() << QByteArray();
    QTest::newRow("both") << QByteArrayList{"quoriam", "-platform", "xcb", "-display", ":9"}
                          << QByteArray("xcb") << QByteArray(":9");
    QTest::newRow("two dashes, the last one counts")
        << QByteArrayList{"quoriam", "--platform", "a", "-platform", "b", "--display", ":1"}
        << QByteArray("b") << QByteArray(":1");
    QTest::newRow("without a value, or with =")
        << QByteArrayList{"quoriam", "-display=:3", "-platform"} << QByteArray() << QByteArray();
}

// Qt's -platform and -display, read as Qt reads them.
void TstRuntime::qtOptions()
{
    QFETCH(QByteArrayList, arguments);
    QFETCH(QByteArray, platform);
    QFETCH(QByteArray, display);
    std::vector<char *> argv;
    for (QByteArray &argument : arguments)
        argv.push_back(argument.data());
    QCOMPARE(vb::qtOption(int(argv.size()), argv.data(), "platform"), platform);
    QCOMPARE(vb::qtOption(int(argv.size()), argv.data(), "display"), display);
    QCOMPARE(vb::qtOption(int(argv.size()), argv.data(), "display").isNull(), display.isNull());
}

void TstRuntime::accessibleNames_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("setup window") << "FormNew"
                                  << ""
                                  << "Quoriam";
    QTest::newRow("sender box") << "FormNew"
                                << "Text1"
                                << "From";
    QTest::newRow("message box") << "FormNew"
                                 << "Text3"
                                 << "Message";
    QTest::newRow("delay box") << "FormNew"
                               << "Text5"
                               << "Receive Fax In";
    QTest::newRow("icon") << "FormNew"
                          << "Picture1"
                          << "Quoriam icon";
    QTest::newRow("fax sender") << "Form2"
                                << "Label2"
                                << "Fax From: Ann & Bob";
    QTest::newRow("fax time") << "Form2"
                              << "Label8"
                              << "Time Sent: ";
    QTest::newRow("fax title") << "Form2"
                               << ""
                               << "Incoming Fax";
}

void TstRuntime::accessibleNames()
{
    QFETCH(QString, form);
    QFETCH(QString, control);
    QFETCH(QString, name);
    vb::Form2["Label2"].setCaption(QStringLiteral("Ann & Bob"));
    vb::FormWindow &window = runtime().window(form.toStdString());
    QWidget *widget = control.isEmpty() ? &window : window.control(control.toStdString()).widget;
    QCOMPARE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name), name);
}

void TstRuntime::namesFollowCaptions_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("label"); // whose caption changes; none: the window's title
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("control"); // whose name is read; none: the window's
    QTest::addColumn<QString>("name");
    QTest::newRow("window") << "Form2"
                            << "" << QString(8, u' ') + "Fax"
                            << ""
                            << "Fax";
    QTest::newRow("box by its heading") << "FormNew"
                                        << "Label1"
                                        << "Sender:"
                                        << "Text1"
                                        << "Sender";
    QTest::newRow("value by its heading") << "Form2"
                                          << "Label1"
                                          << "Sender:"
                                          << "Label2"
                                          << "Sender: Ann";
}

void TstRuntime::namesFollowCaptions()
{
    QFETCH(QString, form);
    QFETCH(QString, label);
    QFETCH(QString, caption);
    QFETCH(QString, control);
    QFETCH(QString, name);
    vb::Form2["Label2"].setCaption(QStringLiteral("Ann"));
    vb::FormWindow &window = runtime().window(form.toStdString());
    if (label.isEmpty())
        window.setWindowTitle(caption);
    else
        window.setCaption(label.toStdString(), caption);
    QWidget *widget = control.isEmpty() ? &window : window.control(control.toStdString()).widget;
    QCOMPARE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name), name);
}

QTEST_MAIN(TstRuntime)
#include "tst_runtime.moc"

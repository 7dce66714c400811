// Renders every window offscreen to PNG files, so the windows can be looked at without a
// display: quoriam_screenshots OUTPUT_DIRECTORY. The windows speak the language of the
// environment, as the program does (LANGUAGE=de: German).
#include "app/Project.h"
#include "forms/Forms.h"
#include "platform/FormWindow.h"
#include "platform/Runtime.h"
#include "platform/Translation.h"
#include "platform/WindowSet.h"

#include <QApplication>
#include <QDir>
#include <QTime>
#include <QTimer>

#include <cstdio>

namespace {

bool save(std::string_view form, const QString &directory)
{
    vb::FormWindow &window = vb::WindowSet::instance().window(form);
    window.showForm();
    QApplication::processEvents();
    const QString file =
        QDir(directory).filePath(QString::fromLatin1(form.data(), form.size()) + ".png");
    if (!window.grab().save(file)) {
        std::fprintf(stderr, "Cannot write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString directory = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    if (!QDir().mkpath(directory))
        return 1;
    quoriam::initialise();
    vb::useUsersLanguage();
    auto &runtime = vb::WindowSet::instance();

    bool ok = save("Form1", directory) && save("FormAbout", directory);
    // The setup window with its clock at a fixed time, so that the pictures do not
    // change from run to run, and a fake sent time filled in.
    vb::FormWindow &setup = runtime.window("FormNew");
    setup.control("Timer1").timer->stop();
    setup.setCaption("Label5", vb::TimeText(QTime(10, 24, 7)));
    setup.setText("Text4", setup.caption("Label5"));
    ok = ok && save("FormNew", directory);
    // The fax as it arrives, from the setup window's defaults and a second line that wraps.
    const QString secondLine =
        vb::currentLanguage() == QStringLiteral("de")
            ? QStringLiteral("Die zweite Zeile der Nachricht, lang genug, um im Feld an einer "
                             "Wortgrenze umzubrechen.")
            : QStringLiteral("The second line of the message, long enough to wrap inside the "
                             "label at a word boundary.");
    vb::Form2["Label2"].setCaption(setup.text("Text1"));
    vb::Form2["Label3"].setCaption(setup.text("Text2"));
    vb::Form2["Label5"].setCaption(setup.text("Text3") + u'\n' + secondLine);
    vb::Form2["Label8"].setCaption(setup.caption("Label5"));
    ok = ok && save("Form2", directory);
    runtime.reset();
    return ok ? 0 : 1;
}

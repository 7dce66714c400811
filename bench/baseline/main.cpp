// The yardstick of Quoriam's start-up and memory: the smallest Qt Widgets program with
// what Quoriam's main window shows, one fixed-size window with a menu bar (File > Exit,
// Incoming Fax > New) over a 526 x 87 picture, and a window icon. Nothing else: no fonts
// of its own, no resources.
//   baseline               shows the window, titled "Quoriam Baseline"
//   baseline --qt-version  prints the version of the Qt libraries it runs with
#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLinearGradient>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdio>
#include <cstring>

namespace {

// A picture of the banner's size, painted at start-up as Quoriam decodes its own.
QImage banner()
{
    QImage image(526, 87, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 526, 87);
    gradient.setColorAt(0, QColor(0, 0, 128));
    gradient.setColorAt(1, QColor(192, 192, 192));
    painter.fillRect(image.rect(), gradient);
    painter.setPen(Qt::white);
    for (int x = 8; x < 526; x += 32)
        painter.drawRect(x, 8, 24, 71);
    return image;
}

// A window icon of the program icon's sizes, painted at start-up.
QIcon icon()
{
    QIcon result;
    for (int size : {16, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setBrush(QColor(160, 0, 0));
        painter.drawRect(size / 8, size / 8, size * 3 / 4, size * 3 / 4);
        painter.end();
        result.addPixmap(pixmap);
    }
    return result;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 2 && std::strcmp(argv[1], "--qt-version") == 0) {
        std::puts(qVersion());
        return 0;
    }
    QApplication app(argc, argv);

    QWidget window(nullptr, Qt::Window);
    window.setWindowTitle(QStringLiteral("Quoriam Baseline"));
    window.setWindowIcon(icon());
    auto *layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto *menuBar = new QMenuBar(&window);
    QMenu *file = menuBar->addMenu(QStringLiteral("&File"));
    QObject::connect(file->addAction(QStringLiteral("E&xit")), &QAction::triggered, &app,
                     &QApplication::quit);
    QMenu *fax = menuBar->addMenu(QStringLiteral("&Incoming Fax"));
    fax->addAction(QStringLiteral("&New"));
    layout->setMenuBar(menuBar);

    auto *picture = new QLabel(&window);
    picture->setPixmap(QPixmap::fromImage(banner()));
    picture->setFixedSize(526, 87);
    layout->addWidget(picture);

    window.show();
    return QApplication::exec();
}

// Loading the compiled-in pictures and fonts, and the faces the windows name.
#include "platform/Resources.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QtGlobal>

#include <cmath>
#include <iterator>
#include <string>

namespace vb {

namespace {

struct ShippedFont
{
    const char *face; // the name the windows ask for
    const char *file;
    const char *family; // the family stored in the file
};

// The faces the windows name are not free to ship; these look close and are.
constexpr ShippedFont shippedFonts[] = {
    {"PosterBodoni It BT", ":/quoriam/fonts/BodoniModa-Italic.ttf", "Bodoni Moda 11pt"},
    {"Palace Script MT", ":/quoriam/fonts/PinyonScript-Regular.ttf", "Pinyon Script"},
    {"ParkAvenue BT", ":/quoriam/fonts/GreatVibes-Regular.ttf", "Great Vibes"},
    {"Nachtmere", ":/quoriam/fonts/GrenzeGotisch-Regular.ttf", "Grenze Gotisch"},
    {"Nachtmere", ":/quoriam/fonts/GrenzeGotisch-Bold.ttf", "Grenze Gotisch"},
    {"MS Sans Serif", ":/quoriam/fonts/Arimo-Regular.ttf", "Arimo"},
    {"MS Sans Serif", ":/quoriam/fonts/Arimo-Bold.ttf", "Arimo"},
};

// The shipped family for a face name, so that every machine draws the same, also one
// that has the original face installed.
QString shippedFamily(std::string_view face)
{
    for (const ShippedFont &font : shippedFonts) {
        if (face == font.face)
            return QString::fromLatin1(font.family);
    }
    return QString::fromUtf8(face.data(), static_cast<qsizetype>(face.size()));
}

constexpr const char *dialogFace = "MS Sans Serif";

} // namespace

QPixmap picture(Image image)
{
    switch (image) {
    case Image::None:
        return {};
    case Image::Banner:
        return QPixmap(QStringLiteral(":/quoriam/banner.bmp"));
    case Image::ProgramIcon: {
        // The icon's own 32 x 32 image; on a high-density screen a larger rendering of
        // the same book, so that it stays sharp.
        const qreal ratio = qApp->devicePixelRatio();
        if (ratio <= 1.0)
            return programIcon().pixmap(QSize(32, 32), 1.0);
        QPixmap large(QStringLiteral(":/quoriam/icons/hicolor/128x128/apps/quoriam.png"));
        const int side = static_cast<int>(std::lround(32 * ratio));
        large = large.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        large.setDevicePixelRatio(ratio);
        return large;
    }
    }
    return {};
}

QIcon programIcon()
{
    // The icon's two images, and one larger rendering for title bars and task bars that
    // want it: windows carry every size of their icon to the window system at creation,
    // so no more than that. PNG, which Qt reads without loading a plugin.
    static const QIcon icon = [] {
        QIcon result;
        for (int size : {16, 32, 48})
            result.addFile(
                QStringLiteral(":/quoriam/icons/hicolor/%1x%1/apps/quoriam.png").arg(size),
                QSize(size, size));
        return result;
    }();
    return icon;
}

bool registerFace(std::string_view face)
{
    // Each file once, the first time a window asks for its face: start-up needs only the
    // dialog face, for the main window's menus.
    enum State : unsigned char { Unregistered, Registered, Failed };
    static State states[std::size(shippedFonts)] = {};
    bool ok = true;
    for (std::size_t i = 0; i < std::size(shippedFonts); ++i) {
        const ShippedFont &font = shippedFonts[i];
        if (face != font.face)
            continue;
        if (states[i] == Unregistered) {
            const bool added =
                QFontDatabase::addApplicationFont(QString::fromLatin1(font.file)) != -1;
            if (!added)
                qWarning("Cannot load the font %s", font.file);
            states[i] = added ? Registered : Failed;
            QFont::insertSubstitution(QString::fromLatin1(font.face),
                                      QString::fromLatin1(font.family));
        }
        ok = ok && states[i] == Registered;
    }
    return ok;
}

QFont fontFor(const FontRecord &record)
{
    registerFace(record.face);
    QFont font(shippedFamily(record.face));
    // Points at 96 logical pixels per inch, so that text keeps its size against the
    // twips of the layout whatever the screen reports.
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(record.size / 10000.0 * 96 / 72))));
    font.setWeight(record.weight >= 700 ? QFont::Bold : QFont::Normal);
    font.setItalic(record.italic);
    return font;
}

QFont dialogFont()
{
    return fontFor(FontRecord{dialogFace, 80000});
}

bool registerDialogFace()
{
    return registerFace(dialogFace);
}

QString resolvedFamily(const QString &face)
{
    registerFace(face.toStdString());
    return QFontInfo(QFont(face)).family();
}

} // namespace vb

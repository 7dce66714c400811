// The pictures and fonts compiled into the program.
#pragma once

#include "forms/Description.h"

#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QString>

#include <string_view>

namespace vb {

// The picture of an image as a window or picture box shows it: the banner, or the
// program icon's 32 x 32 image. A null pixmap for Image::None.
QPixmap picture(Image image);
QIcon programIcon();

// Registers the shipped files of a face the windows name and maps the name to them, the
// first time the face is asked for. Returns false when a file could not be loaded.
bool registerFace(std::string_view face);
// The same for the 8-point dialog face, which the first window needs.
bool registerDialogFace();

// The face a window asks for, at its size in logical pixels (96 per inch); registered
// on the first request.
QFont fontFor(const FontRecord &record);
// The 8-point sans-serif dialog font of windows and controls without a font.
QFont dialogFont();

// The family that a face name resolves to after substitution.
QString resolvedFamily(const QString &face);

} // namespace vb

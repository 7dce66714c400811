// The pictures and fonts compiled into the program.
#pragma once

#include "forms/Description.h"

#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace vb {

// The picture of an image as a window or picture box shows it: the banner, or the
// program icon's 32 x 32 image. A null pixmap for Image::None.
QPixmap picture(Image image);
QIcon programIcon();

// Registers the shipped fonts and maps the face names the windows ask for to them.
// Returns false when a font file could not be loaded.
bool installFonts();

// The face a window asks for, at its size in logical pixels (96 per inch).
QFont fontFor(const FontRecord &record);
// The 8-point sans-serif dialog font of windows and controls without a font.
QFont dialogFont();

// The family that a face name resolves to after substitution.
QString resolvedFamily(const QString &face);

} // namespace vb

// Quoriam artwork generator: shared declarations.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <vector>

namespace artwork {

// The 526 x 90 "MAIN MENU" banner, opaque RGB32.
QImage renderBanner();

// A 16-colour image: one index per pixel into the standard Windows palette, -1 = transparent.
struct PalettedImage
{
    int size = 0;
    std::vector<int> pixels;
};

// The standard Windows 16-colour palette (0xRRGGBB), index 0..15.
extern const unsigned int kStandardPalette[16];

// The book icon as 16-colour pixel art (size 16 or 32).
PalettedImage bookPixelArt(int size);
// The book icon drawn at full colour with antialiasing, any size.
QImage bookFullColour(int size);
// A paletted image as ARGB32 (transparent where the mask is set).
QImage toArgb(const PalettedImage &image);

// File encoders.
QByteArray encodeBmp24(const QImage &image);
// A Windows icon of the given square images, 32 bits with alpha; 256 pixels as PNG.
QByteArray encodeIco(const std::vector<QImage> &images);

} // namespace artwork

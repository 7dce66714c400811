// The program icon: a closed red book in 3/4 view (cover on top, spine and page block below).
#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace artwork {

const unsigned int kStandardPalette[16] = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

namespace {

// The shared drawing, in a 256 x 256 design space. The cover is the parallelogram L-T-R-B seen
// from above; the spine hangs below edge L-B, the page block below edge B-R, both kDepth deep.
const QPointF kL(16, 104), kB(112, 152), kR(240, 88), kT(kL + kR - kB);
const QPointF kDepth(0, 64);

enum Index { Black = 0, Maroon = 1, Silver = 7, Grey = 8, Red = 9, White = 15, Clear = -1 };

// Hand-tuned 16 x 16 pixel art of the same drawing.
const char *const kBook16[16] = {
    "................", //
    "................", //
    "................", //
    ".......KKKK.....", //
    ".....KKRRRRKK...", //
    "...KKRRRRRRRRKK.", //
    ".KKRRRRRRRRKKWK.", //
    ".KRKKRRRRKKWWSK.", //
    ".KMRRKKKKWWSSWK.", //
    ".KMMMRRKWSSWWKK.", //
    ".KKMMMMKSWWKK...", //
    "...KKMMKWKK.....", //
    ".....KKKK.......", //
    "................", //
    "................", //
    "................", //
};

int indexFor(char c)
{
    switch (c) {
    case 'K':
        return Black;
    case 'M':
        return Maroon;
    case 'S':
        return Silver;
    case 'G':
        return Grey;
    case 'R':
        return Red;
    case 'W':
        return White;
    default:
        return Clear;
    }
}

// Affine coordinates of point c in the frame (origin, e1, e2).
QPointF affine(QPointF c, QPointF origin, QPointF e1, QPointF e2)
{
    const QPointF d = c - origin;
    const double det = e1.x() * e2.y() - e1.y() * e2.x();
    return {(d.x() * e2.y() - d.y() * e2.x()) / det, (e1.x() * d.y() - e1.y() * d.x()) / det};
}

bool unit(QPointF a)
{
    return a.x() >= 0 && a.x() < 1 && a.y() >= 0 && a.y() < 1;
}

// Procedural 16-colour pixel art from the design geometry (used for 32 x 32): the regions are
// sampled at pixel centres, shaded in bands parallel to the edges, then outlined in black.
PalettedImage rasterBook(int size)
{
    const double s = size / 256.0;
    enum Region { None, Cover, Spine, Pages };
    // Side faces are 8 design rows deep; each row is one pixel at 32 x 32.
    const int spineRows[8] = {Red, Maroon, Maroon, Maroon, Maroon, Maroon, Maroon, Maroon};
    const int pageRows[8] = {Red, White, Silver, White, Silver, White, Maroon, Maroon};
    std::vector<int> region(size * size, None), shade(size * size, Clear);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const QPointF c((x + 0.5) / s, (y + 0.5) / s);
            const QPointF cover = affine(c, kL, kB - kL, kR - kB); // (along spine, across)
            const QPointF spine = affine(c, kL, kB - kL, kDepth);  // (along spine, depth)
            const QPointF pages = affine(c, kB, kR - kB, kDepth);  // (along edge, depth)
            int &r = region[y * size + x];
            int &out = shade[y * size + x];
            if (unit(cover)) {
                r = Cover;
                out = (cover.y() >= 0.085 && cover.y() < 0.15) ? Maroon : Red; // hinge groove
            } else if (unit(spine)) {
                r = Spine;
                const double a = spine.x();
                const bool band = (a >= 0.25 && a < 0.33) || (a >= 0.67 && a < 0.75);
                out = band ? Red : spineRows[std::clamp(int(spine.y() * 8), 0, 7)];
            } else if (unit(pages)) {
                r = Pages;
                out = pageRows[std::clamp(int(pages.y() * 8), 0, 7)];
            }
        }
    auto at = [&](int x, int y) {
        return (x < 0 || y < 0 || x >= size || y >= size) ? int(None) : region[y * size + x];
    };
    PalettedImage img{size, shade};
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const int r = at(x, y);
            const bool outline = at(x - 1, y) == None || at(x + 1, y) == None ||
                                 at(x, y - 1) == None || at(x, y + 1) == None ||
                                 (r == Cover && at(x, y + 1) != Cover) ||
                                 (r == Pages && at(x - 1, y) == Spine);
            if (r != None && outline)
                img.pixels[y * size + x] = Black;
        }
    return img;
}

QPointF along(QPointF a, QPointF b, double t)
{
    return a + (b - a) * t;
}

} // namespace

PalettedImage bookPixelArt(int size)
{
    if (size != 16)
        return rasterBook(size);
    PalettedImage img{16, std::vector<int>(16 * 16, Clear)};
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            img.pixels[y * 16 + x] = indexFor(kBook16[y][x]);
    return img;
}

QImage toArgb(const PalettedImage &image)
{
    QImage out(image.size, image.size, QImage::Format_ARGB32);
    for (int y = 0; y < image.size; ++y)
        for (int x = 0; x < image.size; ++x) {
            const int i = image.pixels[y * image.size + x];
            out.setPixel(x, y, i < 0 ? 0u : (0xFF000000u | kStandardPalette[i]));
        }
    return out;
}

QImage bookFullColour(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double scale = size / 256.0;
    p.scale(scale, scale);
    const double outlinePx = std::max(1.0, std::round(size / 32.0));
    const double outline = outlinePx / scale;
    const double innerOutline = std::max(1.0, std::round(outlinePx * 0.75)) / scale;
    const QPointF H = kDepth;

    // Spine: rounded, so shaded in bands parallel to its long edge.
    const QPolygonF spine({kL, kB, kB + H, kL + H});
    const QPointF n(-0.4472, 0.8944); // unit normal of edge L-B, pointing down
    QLinearGradient sg(kB, kB + n * (H.y() * n.y()));
    sg.setColorAt(0.0, QColor(150, 24, 20));
    sg.setColorAt(0.3, QColor(204, 48, 40));
    sg.setColorAt(0.75, QColor(128, 16, 14));
    sg.setColorAt(1.0, QColor(96, 10, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(sg);
    p.drawPolygon(spine);
    // Raised bands across the spine.
    for (double t : {0.29, 0.71}) {
        const QPointF a = along(kL, kB, t);
        p.setPen(QPen(QColor(80, 8, 8), 7, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(a + QPointF(3, 0), a + H + QPointF(3, 0));
        p.setPen(QPen(QColor(236, 96, 84), 4, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(a, a + H);
    }

    // Page block with the edges of the two boards above and below it.
    const QPolygonF pages({kB, kR, kR + H, kB + H});
    const double board = 10;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 24, 20));
    p.drawPolygon(pages);
    const QPolygonF paper({kB + QPointF(0, board), kR + QPointF(0, board),
                           kR + H - QPointF(0, board), kB + H - QPointF(0, board)});
    QLinearGradient pg(kB, kB + H);
    pg.setColorAt(0, QColor(236, 234, 226));
    pg.setColorAt(0.5, QColor(252, 251, 246));
    pg.setColorAt(1, QColor(214, 212, 204));
    p.setBrush(pg);
    p.drawPolygon(paper);
    p.setPen(QPen(QColor(160, 160, 160), 3, Qt::SolidLine, Qt::FlatCap));
    for (int i = 1; i <= 4; ++i) {
        const double y = board + (H.y() - 2 * board) * i / 5.0;
        p.drawLine(kB + QPointF(2, y), kR + QPointF(-2, y));
    }
    p.setBrush(QColor(110, 12, 10));
    p.setPen(Qt::NoPen);
    p.drawPolygon(
        QPolygonF({kB + H - QPointF(0, board), kR + H - QPointF(0, board), kR + H, kB + H}));

    // Cover, lit from the top left.
    const QPolygonF cover({kL, kT, kR, kB});
    QLinearGradient cg(kT, along(kL, kB, 0.5));
    cg.setColorAt(0, QColor(246, 88, 72));
    cg.setColorAt(0.45, QColor(226, 40, 32));
    cg.setColorAt(1, QColor(184, 22, 18));
    p.setBrush(cg);
    p.drawPolygon(cover);
    // Hinge groove parallel to the spine, with a highlight on its lower side.
    p.setPen(QPen(QColor(128, 14, 12), 6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(along(kL, kT, 0.15), along(kB, kR, 0.15));
    p.setPen(QPen(QColor(255, 130, 110), 3, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(along(kL, kT, 0.15) + QPointF(4, 3), along(kB, kR, 0.15) + QPointF(4, 3));
    // Gloss along the upper edges.
    p.setPen(QPen(QColor(255, 170, 150, 200), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(along(kL, kT, 0.22) + QPointF(2, 6), along(kL, kT, 0.9) + QPointF(0, 6));

    // Black outline: inner edges, then the silhouette.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, innerOutline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({kL, kB, kR}));
    p.drawLine(kB, kB + H);
    p.setPen(QPen(Qt::black, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolygon(QPolygonF({kL, kT, kR, kR + H, kB + H, kL + H}));
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

} // namespace artwork

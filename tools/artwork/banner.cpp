// The "MAIN MENU" banner: riveted stone blocks with engraved block letters on blue-grey marble.
#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace artwork {
namespace {

constexpr int kWidth = 526;
constexpr int kHeight = 90;

// ---- deterministic noise -------------------------------------------------------------------

std::uint32_t hash2(int x, int y, std::uint32_t seed)
{
    std::uint32_t h = seed;
    h ^= static_cast<std::uint32_t>(x) * 0x8da6b343u;
    h ^= static_cast<std::uint32_t>(y) * 0xd8163841u;
    h = (h ^ (h >> 15)) * 0x2c1b3c6du;
    h = (h ^ (h >> 12)) * 0x297a2d39u;
    return h ^ (h >> 15);
}

double lattice(int x, int y, std::uint32_t seed)
{
    return hash2(x, y, seed) / 4294967295.0;
}

double valueNoise(double x, double y, std::uint32_t seed)
{
    const double fx0 = std::floor(x), fy0 = std::floor(y);
    const int xi = static_cast<int>(fx0), yi = static_cast<int>(fy0);
    const double fx = x - fx0, fy = y - fy0;
    const double u = fx * fx * (3 - 2 * fx), v = fy * fy * (3 - 2 * fy);
    const double a = lattice(xi, yi, seed), b = lattice(xi + 1, yi, seed);
    const double c = lattice(xi, yi + 1, seed), d = lattice(xi + 1, yi + 1, seed);
    return (a + (b - a) * u) * (1 - v) + (c + (d - c) * u) * v;
}

// Fractal sum in [0, 1].
double fbm(double x, double y, std::uint32_t seed, int octaves)
{
    double sum = 0, amp = 1, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * valueNoise(x, y, seed + 101u * static_cast<std::uint32_t>(i));
        norm += amp;
        amp *= 0.5;
        x *= 2.03;
        y *= 2.03;
    }
    return sum / norm;
}

// Turbulence (sum of |noise|) in [0, 1].
double turbulence(double x, double y, std::uint32_t seed, int octaves)
{
    double sum = 0, amp = 1, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * std::abs(2 * valueNoise(x, y, seed + 57u * static_cast<std::uint32_t>(i)) - 1);
        norm += amp;
        amp *= 0.5;
        x *= 2.0;
        y *= 2.0;
    }
    return sum / norm;
}

struct Rgb
{
    double r, g, b;
};

Rgb mix(Rgb a, Rgb b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

QRgb toQRgb(Rgb c)
{
    auto ch = [](double v) { return static_cast<int>(std::lround(std::clamp(v, 0.0, 255.0))); };
    return qRgb(ch(c.r), ch(c.g), ch(c.b));
}

// ---- textures ------------------------------------------------------------------------------

QImage marbleBackground()
{
    QImage img(kWidth, kHeight, QImage::Format_RGB32);
    const Rgb dark{52, 63, 80}, mid{104, 118, 138}, light{158, 171, 188};
    const Rgb veinDark{36, 45, 60}, veinLight{206, 214, 226};
    for (int y = 0; y < kHeight; ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            const double mottle = fbm(x / 26.0, y / 20.0, 11u, 5);
            Rgb c = mottle < 0.5 ? mix(dark, mid, mottle * 2) : mix(mid, light, mottle * 2 - 1);
            const double t1 = turbulence(x / 48.0, y / 40.0, 23u, 5);
            const double v1 = std::sin(x * 0.045 + y * 0.11 + t1 * 9.0);
            c = mix(c, veinDark, std::pow(1 - std::abs(v1), 10) * 0.75);
            const double t2 = turbulence(x / 30.0 + 7.3, y / 34.0, 41u, 5);
            const double v2 = std::sin(x * 0.02 - y * 0.07 + t2 * 11.0);
            c = mix(c, veinLight, std::pow(1 - std::abs(v2), 16) * 0.6);
            const double grain = (lattice(x, y, 77u) - 0.5) * 10;
            c = {c.r + grain, c.g + grain, c.b + grain * 1.1};
            line[x] = toQRgb(c);
        }
    }
    return img;
}

QImage stoneTexture()
{
    QImage img(kWidth, kHeight, QImage::Format_RGB32);
    const Rgb base{134, 123, 109};
    for (int y = 0; y < kHeight; ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            const double n = fbm(x / 7.0, y / 7.0, 301u, 4);
            const double k = 0.86 + 0.26 * n;
            const double grain = (lattice(x, y, 313u) - 0.5) * 14;
            line[x] = toQRgb({base.r * k + grain, base.g * k + grain, base.b * k + grain * 0.9});
        }
    }
    return img;
}

// ---- block letters -------------------------------------------------------------------------

constexpr double kLetterW = 34;
constexpr double kLetterH = 44;
constexpr double kStroke = 8.5;

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath rect(double x, double y, double w, double h)
{
    QPainterPath path;
    path.addRect(x, y, w, h);
    return path;
}

QPainterPath letterPath(char ch)
{
    const double w = kLetterW, h = kLetterH, t = kStroke;
    QPainterPath path;
    switch (ch) {
    case 'M': {
        const double apex = h * 0.44, notch = apex + t * 1.3;
        const double slope = apex / (w / 2 - t - 2);
        const double yb = notch - slope * (w / 2 - t);
        path = polygon({{0, 0},
                        {t + 2, 0},
                        {w / 2, apex},
                        {w - t - 2, 0},
                        {w, 0},
                        {w, h},
                        {w - t, h},
                        {w - t, yb},
                        {w / 2, notch},
                        {t, yb},
                        {t, h},
                        {0, h}});
        break;
    }
    case 'A': {
        const double c = 11, c2 = 4, bar = h * 0.48;
        const QPainterPath outer = polygon({{0, h},
                                            {0, c},
                                            {c, 0},
                                            {w - c, 0},
                                            {w, c},
                                            {w, h},
                                            {w - t, h},
                                            {w - t, bar + t},
                                            {t, bar + t},
                                            {t, h}});
        const QPainterPath counter = polygon(
            {{t, bar}, {t, t + c2}, {t + c2, t}, {w - t - c2, t}, {w - t, t + c2}, {w - t, bar}});
        path = outer.subtracted(counter);
        break;
    }
    case 'I':
        path = rect(w / 2 - 12, 0, 24, t)
                   .united(rect(w / 2 - 12, h - t, 24, t))
                   .united(rect(w / 2 - (t + 1) / 2, 0, t + 1, h));
        break;
    case 'N':
        path = rect(0, 0, t, h)
                   .united(rect(w - t, 0, t, h))
                   .united(polygon({{0, 0}, {t + 2, 0}, {w, h}, {w - t - 2, h}}));
        break;
    case 'E':
        path = rect(0, 0, t, h)
                   .united(rect(0, 0, w, t))
                   .united(rect(0, (h - t) / 2, w - 6, t))
                   .united(rect(0, h - t, w, t));
        break;
    case 'U': {
        const double c = 8;
        path = polygon({{0, 0},
                        {t, 0},
                        {t, h - t},
                        {w - t, h - t},
                        {w - t, 0},
                        {w, 0},
                        {w, h - c},
                        {w - c, h},
                        {c, h},
                        {0, h - c}});
        break;
    }
    default:
        break;
    }
    return path.simplified();
}

// ---- blocks --------------------------------------------------------------------------------

constexpr int kFaceW = 54;
constexpr int kFaceH = 70;
constexpr int kDepth = 8;
constexpr int kGap = 5;
constexpr int kWordGap = 24;
constexpr int kTop = 3;

QPolygonF blockSilhouette(const QRectF &f)
{
    return QPolygonF({f.topLeft(), f.topRight(), f.topRight() + QPointF(kDepth, kDepth),
                      f.bottomRight() + QPointF(kDepth, kDepth),
                      f.bottomLeft() + QPointF(kDepth, kDepth), f.bottomLeft()});
}

// Soft shadow of all blocks, cast down-right onto the marble.
void paintShadows(QImage &img, const std::vector<QRectF> &faces)
{
    QImage mask(kWidth, kHeight, QImage::Format_Grayscale8);
    mask.fill(0);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        for (const QRectF &f : faces)
            p.drawPolygon(blockSilhouette(f.translated(3, 3)));
    }
    // Two box-blur passes, radius 2.
    std::vector<double> a(kWidth * kHeight), b(kWidth * kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            a[y * kWidth + x] = mask.constScanLine(y)[x] / 255.0;
    for (int pass = 0; pass < 2; ++pass) {
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                double s = 0;
                for (int k = -2; k <= 2; ++k)
                    s += a[y * kWidth + std::clamp(x + k, 0, kWidth - 1)];
                b[y * kWidth + x] = s / 5;
            }
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                double s = 0;
                for (int k = -2; k <= 2; ++k)
                    s += b[std::clamp(y + k, 0, kHeight - 1) * kWidth + x];
                a[y * kWidth + x] = s / 5;
            }
    }
    for (int y = 0; y < kHeight; ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            const double k = 1 - 0.6 * a[y * kWidth + x];
            const QRgb c = line[x];
            line[x] = qRgb(static_cast<int>(qRed(c) * k), static_cast<int>(qGreen(c) * k),
                           static_cast<int>(qBlue(c) * k));
        }
    }
}

void paintRivet(QPainter &p, QPointF c)
{
    const double r = 2.3;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 16, 12, 140));
    p.drawEllipse(c + QPointF(0.9, 0.9), r + 0.3, r + 0.3);
    QRadialGradient g(c - QPointF(0.9, 0.9), r * 1.9);
    g.setColorAt(0.0, QColor(236, 228, 214));
    g.setColorAt(0.35, QColor(170, 158, 140));
    g.setColorAt(1.0, QColor(62, 55, 47));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.setBrush(QColor(255, 255, 250, 220));
    p.drawEllipse(c - QPointF(0.9, 0.9), 0.75, 0.75);
}

void paintEngraving(QPainter &p, const QPainterPath &letter)
{
    p.setPen(Qt::NoPen);
    // Light rim on the face just below-right of the cut (the lit lower lip).
    p.fillPath(letter.translated(1.2, 1.2).subtracted(letter), QColor(214, 204, 186, 170));
    // The groove: lit lower-right inner wall, dark floor, deep shadow under the upper-left wall.
    p.fillPath(letter, QColor(176, 164, 146));
    const QPainterPath floor = letter.intersected(letter.translated(-1.6, -1.6));
    p.fillPath(floor, QColor(30, 25, 21));
    p.fillPath(floor.intersected(letter.translated(2.2, 2.2)), QColor(66, 57, 48));
}

void paintBlock(QPainter &p, const QRectF &f, const QImage &stone, char ch)
{
    const QBrush texture(stone);
    const QPointF d(kDepth, kDepth);
    p.setPen(Qt::NoPen);

    // Extruded sides (down-right, away from the top-left light).
    const QPolygonF right({f.topRight(), f.topRight() + d, f.bottomRight() + d, f.bottomRight()});
    const QPolygonF bottom(
        {f.bottomLeft(), f.bottomRight(), f.bottomRight() + d, f.bottomLeft() + d});
    p.setBrush(texture);
    p.drawPolygon(right);
    p.drawPolygon(bottom);
    QLinearGradient rg(f.topRight(), f.topRight() + QPointF(kDepth, 0));
    rg.setColorAt(0, QColor(0, 0, 0, 95));
    rg.setColorAt(1, QColor(0, 0, 0, 130));
    p.setBrush(rg);
    p.drawPolygon(right);
    QLinearGradient bg(f.bottomLeft(), f.bottomLeft() + QPointF(0, kDepth));
    bg.setColorAt(0, QColor(0, 0, 0, 140));
    bg.setColorAt(1, QColor(0, 0, 0, 175));
    p.setBrush(bg);
    p.drawPolygon(bottom);
    // Edge where the two side faces meet.
    p.setPen(QPen(QColor(0, 0, 0, 70), 1));
    p.drawLine(f.bottomRight(), f.bottomRight() + d);
    p.setPen(Qt::NoPen);

    // Front face with a bevelled rim.
    p.setBrush(texture);
    p.drawRect(f);
    const double b = 2.5;
    const QRectF in = f.adjusted(b, b, -b, -b);
    p.setBrush(QColor(255, 250, 240, 95));
    p.drawPolygon(QPolygonF({f.topLeft(), f.topRight(), in.topRight(), in.topLeft()}));
    p.setBrush(QColor(255, 250, 240, 60));
    p.drawPolygon(QPolygonF({f.topLeft(), in.topLeft(), in.bottomLeft(), f.bottomLeft()}));
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawPolygon(QPolygonF({f.topRight(), f.bottomRight(), in.bottomRight(), in.topRight()}));
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawPolygon(QPolygonF({f.bottomLeft(), in.bottomLeft(), in.bottomRight(), f.bottomRight()}));

    // Rows of rivets along the top and bottom of the face.
    for (double ry : {f.top() + 6.5, f.bottom() - 6.5})
        for (int i = 0; i < 4; ++i)
            paintRivet(p, QPointF(f.left() + 7.5 + i * (f.width() - 15) / 3, ry));

    // The engraved letter.
    const QPointF origin(f.left() + (f.width() - kLetterW) / 2,
                         f.top() + (f.height() - kLetterH) / 2);
    paintEngraving(p, letterPath(ch).translated(origin));

    // Crisp dark outline around the whole block.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(22, 18, 15, 150), 1));
    p.drawPolygon(blockSilhouette(f.adjusted(0.5, 0.5, -0.5, -0.5)));
}

} // namespace

QImage renderBanner()
{
    const char *const text = "MAIN MENU";
    std::vector<QRectF> faces;
    std::vector<char> letters;
    const int letterCount = 8;
    const int total = letterCount * kFaceW + (letterCount - 2) * kGap + kWordGap + kDepth;
    double x = (kWidth - total) / 2;
    for (const char *c = text; *c; ++c) {
        if (*c == ' ') {
            x += kWordGap - kGap;
            continue;
        }
        faces.emplace_back(x, kTop, kFaceW, kFaceH);
        letters.push_back(*c);
        x += kFaceW + kGap;
    }

    QImage img = marbleBackground();
    paintShadows(img, faces);
    const QImage stone = stoneTexture();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < faces.size(); ++i)
        paintBlock(p, faces[i], stone, letters[i]);
    p.end();
    return img;
}

} // namespace artwork

// quoriam_artwork: writes Quoriam's banner, program icon and hicolor PNG icons.
//
// Usage: quoriam_artwork <resources-dir>
// Output is deterministic: the same bytes on every run.
#include "artwork.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>

#include <cstdio>

namespace artwork {
namespace {

void put16(QByteArray &out, unsigned v)
{
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
}

void put32(QByteArray &out, unsigned v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

void putInfoHeader(QByteArray &out, int width, int height, int bitCount, unsigned imageSize)
{
    put32(out, 40);                            // biSize
    put32(out, static_cast<unsigned>(width));  // biWidth
    put32(out, static_cast<unsigned>(height)); // biHeight (positive: bottom-up)
    put16(out, 1);                             // biPlanes
    put16(out, static_cast<unsigned>(bitCount));
    put32(out, 0); // biCompression = BI_RGB
    put32(out, imageSize);
    put32(out, 0); // biXPelsPerMeter
    put32(out, 0); // biYPelsPerMeter
    put32(out, 0); // biClrUsed
    put32(out, 0); // biClrImportant
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "quoriam_artwork: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

QByteArray encodeBmp24(const QImage &image)
{
    const int w = image.width(), h = image.height();
    const int stride = (w * 3 + 3) & ~3;
    const unsigned pixelBytes = static_cast<unsigned>(stride * h);
    QByteArray out;
    out.append("BM");
    put32(out, 14 + 40 + pixelBytes); // bfSize
    put32(out, 0);                    // bfReserved1, bfReserved2
    put32(out, 14 + 40);              // bfOffBits
    putInfoHeader(out, w, h, 24, pixelBytes);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const QRgb c = image.pixel(x, y);
            out.append(char(qBlue(c)));
            out.append(char(qGreen(c)));
            out.append(char(qRed(c)));
        }
        out.append(QByteArray(stride - w * 3, '\0'));
    }
    return out;
}

QByteArray encodeIco(const std::vector<PalettedImage> &images)
{
    std::vector<QByteArray> dibs;
    for (const PalettedImage &img : images) {
        const int n = img.size;
        const int xorStride = ((n * 4 + 31) / 32) * 4;
        const int andStride = ((n + 31) / 32) * 4;
        QByteArray dib;
        putInfoHeader(dib, n, 2 * n, 4, static_cast<unsigned>((xorStride + andStride) * n));
        for (unsigned rgb : kStandardPalette)
            put32(dib, rgb); // RGBQUAD: blue, green, red, 0 in little-endian order
        for (int y = n - 1; y >= 0; --y) {
            QByteArray row(xorStride, '\0');
            for (int x = 0; x < n; ++x) {
                const int i = img.pixels[y * n + x];
                const int v = i < 0 ? 0 : i;
                row[x / 2] = char(row[x / 2] | (x % 2 == 0 ? v << 4 : v));
            }
            dib.append(row);
        }
        for (int y = n - 1; y >= 0; --y) {
            QByteArray row(andStride, '\0');
            for (int x = 0; x < n; ++x)
                if (img.pixels[y * n + x] < 0)
                    row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
            dib.append(row);
        }
        dibs.push_back(dib);
    }

    QByteArray out;
    put16(out, 0); // reserved
    put16(out, 1); // type: icon
    put16(out, static_cast<unsigned>(images.size()));
    unsigned offset = 6 + 16 * static_cast<unsigned>(images.size());
    for (std::size_t k = 0; k < images.size(); ++k) {
        out.append(char(images[k].size)); // width
        out.append(char(images[k].size)); // height
        out.append(char(16));             // colours in palette
        out.append(char(0));              // reserved
        put16(out, 1);                    // planes
        put16(out, 4);                    // bits per pixel
        put32(out, static_cast<unsigned>(dibs[k].size()));
        put32(out, offset);
        offset += static_cast<unsigned>(dibs[k].size());
    }
    for (const QByteArray &dib : dibs)
        out.append(dib);
    return out;
}

} // namespace artwork

int main(int argc, char **argv)
{
    using namespace artwork;
    if (argc != 2) {
        std::fprintf(stderr, "usage: quoriam_artwork <resources-dir>\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    bool ok = writeFile(dir.filePath(QStringLiteral("banner.bmp")), encodeBmp24(renderBanner()));

    const PalettedImage icon32 = bookPixelArt(32), icon16 = bookPixelArt(16);
    ok = writeFile(dir.filePath(QStringLiteral("quoriam.ico")), encodeIco({icon32, icon16})) && ok;

    for (int size : {16, 32, 48, 128, 256}) {
        const QString sub = QStringLiteral("icons/hicolor/%1x%1/apps").arg(size);
        if (!dir.mkpath(sub)) {
            std::fprintf(stderr, "quoriam_artwork: cannot create %s\n", qPrintable(sub));
            return 1;
        }
        const QImage png = size == 16   ? toArgb(icon16)
                           : size == 32 ? toArgb(icon32)
                                        : bookFullColour(size);
        const QString path = dir.filePath(sub + QStringLiteral("/quoriam.png"));
        if (!png.save(path, "PNG")) {
            std::fprintf(stderr, "quoriam_artwork: cannot write %s\n", qPrintable(path));
            ok = false;
        }
    }
    return ok ? 0 : 1;
}

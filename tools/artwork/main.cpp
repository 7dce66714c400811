// quoriam_artwork: writes Quoriam's banner, program icon and hicolor PNG icons.
//
// Usage: quoriam_artwork <resources-dir>
// Output is deterministic: the same bytes on every run.
#include "artwork.h"

#include <QBuffer>
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

QByteArray encodeIco(const std::vector<QImage> &images)
{
    // Each image as it is stored: PNG from 256 pixels on (Windows reads those since Vista),
    // below that a 32-bit DIB, bottom-up, its height doubled for the AND mask that follows
    // it (set where the pixel is fully transparent, for whatever ignores the alpha).
    std::vector<QByteArray> stored;
    for (const QImage &source : images) {
        const QImage img = source.convertToFormat(QImage::Format_ARGB32);
        const int n = img.width();
        QByteArray bytes;
        if (n >= 256) {
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            img.save(&buffer, "PNG");
        } else {
            const int andStride = ((n + 31) / 32) * 4;
            putInfoHeader(bytes, n, 2 * n, 32, static_cast<unsigned>((n * 4 + andStride) * n));
            for (int y = n - 1; y >= 0; --y)
                for (int x = 0; x < n; ++x)
                    put32(bytes, img.pixel(x, y)); // BGRA in little-endian order
            for (int y = n - 1; y >= 0; --y) {
                QByteArray row(andStride, '\0');
                for (int x = 0; x < n; ++x)
                    if (qAlpha(img.pixel(x, y)) == 0)
                        row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
                bytes.append(row);
            }
        }
        stored.push_back(bytes);
    }

    QByteArray out;
    put16(out, 0); // reserved
    put16(out, 1); // type: icon
    put16(out, static_cast<unsigned>(images.size()));
    unsigned offset = 6 + 16 * static_cast<unsigned>(images.size());
    for (std::size_t k = 0; k < images.size(); ++k) {
        const int n = images[k].width();
        out.append(char(n >= 256 ? 0 : n)); // width, 0 standing for 256
        out.append(char(n >= 256 ? 0 : n)); // height
        out.append(char(0));                // colours in palette: none
        out.append(char(0));                // reserved
        put16(out, 1);                      // planes
        put16(out, 32);                     // bits per pixel
        put32(out, static_cast<unsigned>(stored[k].size()));
        put32(out, offset);
        offset += static_cast<unsigned>(stored[k].size());
    }
    for (const QByteArray &bytes : stored)
        out.append(bytes);
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

    // The program icon at the sizes Windows asks for (its small and large icons at 100 % to
    // 200 %, and Explorer's largest views): 16 and 32 are the icon's own pixel art, the
    // others drawn anew, as for the desktop's icons below.
    const QImage icon16 = toArgb(bookPixelArt(16)), icon32 = toArgb(bookPixelArt(32));
    std::vector<QImage> icons;
    for (int size : {16, 20, 24, 32, 40, 48, 64, 256})
        icons.push_back(size == 16 ? icon16 : size == 32 ? icon32 : bookFullColour(size));
    ok = writeFile(dir.filePath(QStringLiteral("quoriam.ico")), encodeIco(icons)) && ok;

    for (int size : {16, 32, 48, 128, 256}) {
        const QString sub = QStringLiteral("icons/hicolor/%1x%1/apps").arg(size);
        if (!dir.mkpath(sub)) {
            std::fprintf(stderr, "quoriam_artwork: cannot create %s\n", qPrintable(sub));
            return 1;
        }
        const QImage png = size == 16 ? icon16 : size == 32 ? icon32 : bookFullColour(size);
        const QString path = dir.filePath(sub + QStringLiteral("/quoriam.png"));
        if (!png.save(path, "PNG")) {
            std::fprintf(stderr, "quoriam_artwork: cannot write %s\n", qPrintable(path));
            ok = false;
        }
    }
    return ok ? 0 : 1;
}

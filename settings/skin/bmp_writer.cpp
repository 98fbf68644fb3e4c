#include "settings/skin/bmp_writer.h"

#include <cstdint>

namespace tarnwick::cfg {
namespace {

// 96 dots per inch, the resolution the skins are drawn for.
constexpr std::uint32_t kDotsPerMetre = 3780;

void Put(QByteArray& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

int BitsOf(const QImage& picture) {
    switch (picture.format()) {
        case QImage::Format_RGB555:
            return 16;
        case QImage::Format_Indexed8:
            return picture.colorCount() <= 16 ? 4 : 8;
        default:
            return 24;
    }
}

// One row's bytes at the depth, padded to four bytes.
void PutRow(QByteArray& out, const QImage& picture, int y, int bits) {
    const int start = out.size();
    const int width = picture.width();
    if (bits == 24) {
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = picture.pixel(x, y);
            out.append(static_cast<char>(qBlue(pixel)));
            out.append(static_cast<char>(qGreen(pixel)));
            out.append(static_cast<char>(qRed(pixel)));
        }
    } else if (bits == 16) {
        const auto* row = reinterpret_cast<const std::uint16_t*>(picture.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            Put(out, row[x] & 0x7FFF, 2);
        }
    } else {
        const uchar* row = picture.constScanLine(y);
        if (bits == 8) {
            out.append(reinterpret_cast<const char*>(row), width);
        } else {
            for (int x = 0; x < width; x += 2) {
                const int high = row[x] & 0x0F;
                const int low = x + 1 < width ? row[x + 1] & 0x0F : 0;
                out.append(static_cast<char>(high << 4 | low));
            }
        }
    }
    while ((out.size() - start) % 4 != 0) {
        out.append('\0');
    }
}

}  // namespace

QByteArray EncodeBmp(const QImage& source) {
    if (source.isNull()) {
        return QByteArray();
    }
    const int bits = BitsOf(source);
    const QImage picture = bits == 24 ? source.convertToFormat(QImage::Format_RGB32) : source;
    const int width = picture.width();
    const int height = picture.height();
    const std::uint32_t paletteSize = bits <= 8 ? (1u << bits) : 0;
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width) * bits + 31) / 32 * 4;
    const std::uint32_t offset = 14 + 40 + 4 * paletteSize;
    const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(height);

    QByteArray out;
    out.reserve(static_cast<int>(offset + imageBytes));
    out.append("BM", 2);
    Put(out, offset + imageBytes, 4);
    Put(out, 0, 4);  // reserved
    Put(out, offset, 4);
    Put(out, 40, 4);  // BITMAPINFOHEADER
    Put(out, static_cast<std::uint32_t>(width), 4);
    Put(out, static_cast<std::uint32_t>(height), 4);  // positive: bottom up
    Put(out, 1, 2);                                   // planes
    Put(out, static_cast<std::uint32_t>(bits), 2);
    Put(out, 0, 4);  // BI_RGB, uncompressed
    Put(out, imageBytes, 4);
    Put(out, kDotsPerMetre, 4);
    Put(out, kDotsPerMetre, 4);
    Put(out, paletteSize, 4);  // colours used
    Put(out, 0, 4);            // all of them important
    for (std::uint32_t i = 0; i < paletteSize; ++i) {
        const QRgb entry =
            i < static_cast<std::uint32_t>(picture.colorCount()) ? picture.color(i) : 0;
        out.append(static_cast<char>(qBlue(entry)));
        out.append(static_cast<char>(qGreen(entry)));
        out.append(static_cast<char>(qRed(entry)));
        out.append('\0');
    }
    for (int y = height - 1; y >= 0; --y) {
        PutRow(out, picture, y, bits);
    }
    return out;
}

}  // namespace tarnwick::cfg
